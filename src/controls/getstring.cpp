#include "controls/getstring.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "controls/xpedit.h"
#include "platform/uifont.h"

namespace {

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 101;

QFont DialogFont(int pixelSize) {
    return platform::UiPixelFont(QStringLiteral("MS Sans Serif"), pixelSize);
}

}  // namespace

TfGetString::TfGetString(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      descript_(new QLabel(this)),
      edit_(new TXPEdit(this)),
      ok_(new TXPButton(QStringLiteral("OK"), this)),
      cancel_(new TXPButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("fGetString"));
    setFont(DialogFont(11));
    setFixedSize(kClientWidth, kClientHeight);

    descript_->setObjectName(QStringLiteral("Descript"));
    descript_->setGeometry(13, 16, 269, 48);
    descript_->setWordWrap(true);
    descript_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descript_->setFont(DialogFont(12));

    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->setGeometry(13, 69, 277, 17);

    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setGeometry(300, 37, 70, 22);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kResultOk); });

    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setGeometry(300, 65, 70, 22);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kResultCancel); });
}

void TfGetString::reject() {
    done(kResultCancel);
}

int InputString(QWidget* window, const std::string& caption, const std::string& prompt,
                std::string& text) {
    TfGetString dialog(window);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.Descript()->setText(QString::fromStdString(prompt));
    dialog.Edit()->setText(QString::fromStdString(text));
    dialog.Edit()->selectAll();
    dialog.Edit()->setFocus();
    if (window != nullptr) {
        CentreOver(&dialog, window);
    }
    const int result = dialog.exec();
    if (result == TfGetString::kResultOk) {
        text = dialog.Edit()->text().toStdString();
    }
    return result;
}
