#include "fontcommands/ui/delwarning.h"

#include <QLabel>
#include <QPushButton>

#include "controls/centring.h"
#include "controls/imagelist.h"
#include "controls/xpbutton.h"

TfDelWarning::TfDelWarning(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("fDelWarning");
    setFixedSize(355, 106);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(16, 16, 32, 32);
    Image1->setPixmap(
        ResourceBitmap(QStringLiteral(":/images/delwarning.png"), devicePixelRatioF()));
    Text = new QLabel(this);
    Text->setObjectName("Text");
    Text->setGeometry(66, 12, 273, 47);
    Text->setWordWrap(true);
    Text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    YesBtn = new TXPButton("&Yes", this);
    YesBtn->setObjectName("YesBtn");
    YesBtn->setGeometry(100, 70, 75, 25);
    YesBtn->setDefault(true);
    NoBtn = new TXPButton("&No", this);
    NoBtn->setObjectName("NoBtn");
    NoBtn->setGeometry(181, 70, 75, 25);
    connect(YesBtn, &QPushButton::clicked, this, [this] { done(kResultYes); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { done(kResultNo); });
}

// Escape and the window's close button answer neither Yes nor No.
void TfDelWarning::reject() {
    done(kResultCancel);
}

int TfDelWarning::Ask(QWidget* owner, const std::string& caption, const std::string& question) {
    TfDelWarning warning(owner);
    warning.setWindowTitle(QString::fromStdString(caption));
    warning.Text->setText(QString::fromStdString(question));
    if (owner != nullptr) {
        CentreOver(&warning, owner);
    }
    return warning.exec();
}
