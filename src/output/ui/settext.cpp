#include "output/ui/settext.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringLiteral>

#include "controls/centring.h"
#include "controls/xpbutton.h"
#include "output/samplehistory.h"
#include "platform/inifile.h"
#include "platform/uifont.h"

namespace {

constexpr int kClientWidth = 433;
constexpr int kClientHeight = 256;

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& bounds) {
    auto* button = new TXPButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

bool TfSetText::EditSampleTexts(const std::string& settingsFile, QComboBox& box, QWidget* owner) {
    TfSetText dialog(settingsFile, owner);
    if (owner != nullptr) {
        CentreOver(&dialog, owner);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QString typed = box.currentText();
    const QSignalBlocker blocker(&box);
    box.clear();
    for (const std::string& text : dialog.Texts()) {
        box.addItem(QString::fromStdString(text));
    }
    box.setEditText(typed);
    return true;
}

TfSetText::TfSetText(std::string settingsFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      settingsFile_(std::move(settingsFile)) {
    setObjectName(QStringLiteral("fSetText"));
    setWindowTitle(QStringLiteral("Set Sample Text"));
    setFont(platform::UiFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(kClientWidth, kClientHeight);
    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setGeometry(12, 10, 409, 201);
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* save = NewButton(this, "bSave", QStringLiteral("&Save"), QRect(265, 222, 75, 25));
    save->setDefault(true);
    auto* cancel = NewButton(this, "bCancel", QStringLiteral("Cancel"), QRect(346, 222, 75, 25));
    connect(save, &QPushButton::clicked, this, [this] { bSaveClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    QStringList lines;
    for (const std::string& text : ReadSampleTexts(platform::IniFile(settingsFile_))) {
        lines.append(QString::fromStdString(text));
    }
    Memo1_->setPlainText(lines.join(QLatin1Char('\n')));
}

std::vector<std::string> TfSetText::Texts() const {
    std::vector<std::string> texts;
    for (const QString& line : Memo1_->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.isEmpty()) {
            texts.push_back(line.toStdString());
        }
    }
    return texts;
}

// The profile writer's errors are not reported: the list in the box is what counts for the
// rest of the run.
void TfSetText::bSaveClick() {
    platform::IniFile file(settingsFile_);
    WriteSampleTexts(file, Texts());
    accept();
}
