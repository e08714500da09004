#include "mainwindow/about.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "controls/imagelist.h"
#include "controls/xlabel.h"
#include "controls/xpbutton.h"
#include "mainwindow/application.h"
#include "platform/helppages.h"
#include "platform/programfolder.h"
#include "platform/shell.h"
#include "platform/uifont.h"

namespace {

QFont Tahoma(bool bold = false) {
    return platform::UiFont(QStringLiteral("Tahoma"), 8, bold);
}

TXLabel* MakeMarkup(QWidget* parent, const char* name, const QString& caption, QPoint at) {
    auto* label = new TXLabel(parent);
    label->setObjectName(name);
    label->setFont(Tahoma());
    label->move(at);
    label->resize(label->width(), 16);
    label->SetAutoSize(true);
    label->SetCaption(caption);
    return label;
}

QFrame* MakeLine(QWidget* parent, int y) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, y, 317, 2);
    return line;
}

}  // namespace

TfAbout::TfAbout(platform::Shell* shell, std::string programFolder, QWidget* parent)
    : QDialog(parent), shell_(shell), programFolder_(std::move(programFolder)) {
    setObjectName("fAbout");
    setWindowTitle("About");
    setFixedSize(317, 199);
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildHeader();
    BuildBody();
    bOK = new TXPButton("OK", this);
    bOK->setObjectName("bOK");
    bOK->setGeometry(317 - 70 - 10, 199 - 21 - 10, 70, 21);
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfAbout::BuildHeader() {
    auto* header = new QWidget(this);
    header->setObjectName("Header");
    header->setGeometry(0, 0, 317, 40);
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    header->setPalette(white);
    auto* icon = new QLabel(header);
    icon->setGeometry(8, 4, 32, 32);
    const QPixmap programIcon = ResourceBitmap(":/images/glyphwell.png", devicePixelRatioF());
    icon->setPixmap(programIcon.isNull() ? QApplication::windowIcon().pixmap(32, 32) : programIcon);
    auto* subtitle = MakeMarkup(header, "Subtitle", "TrueType Font Manager", QPoint(48, 4));
    subtitle->SetFontColor(QColor(128, 128, 128));
    Title =
        MakeMarkup(header, "Title", "<b><c2080D0>Glyphwell</c><cFF3300> Viewer</c> 1.5 Beta</b>",
                   QPoint(48, 20));
    auto* credit = new TXLabel(header);
    credit->setObjectName("Credit");
    QFont small = Tahoma();
    small.setPointSize(7);
    credit->setFont(small);
    credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    credit->setGeometry(200, 4, 112, 16);
    credit->SetAutoSize(true);
    credit->SetFontColor(QColor(128, 128, 128));
    credit->SetCaption("the Glyphwell Viewer authors");
}

// No personal name, address or web site is shown: the credit goes to the authors as a group,
// and the "homepage" line opens the help page that ships with the program.
void TfAbout::BuildBody() {
    MakeLine(this, 40);
    auto* programmer = new QLabel("Programmer", this);
    programmer->setObjectName("Programmer");
    programmer->setFont(Tahoma(true));
    programmer->setGeometry(12, 50, 200, 16);
    MakeMarkup(this, "lName", "<b><c2080D0>name</c></b>  the Glyphwell Viewer authors",
               QPoint(24, 72));
    MakeMarkup(this, "lEmail", "<b><c2080D0>email</c></b>  not available", QPoint(24, 90));
    Homepage = MakeMarkup(this, "lHomepage", "<b><c2080D0>homepage</c></b>  <u>help/help.html</u>",
                          QPoint(24, 108));
    Homepage->setCursor(Qt::PointingHandCursor);
    Homepage->OnClick = [this] { HomepageClick(); };
    MakeMarkup(this, "lMsn", "<b><c2080D0>msn</c></b>  not available", QPoint(24, 126));
    MakeLine(this, 150);
    auto* note = new QLabel(TApplication::Title, this);
    note->setObjectName("Note");
    note->setFont(Tahoma());
    note->setGeometry(12, 170, 200, 16);
}

void TfAbout::HomepageClick() {
    if (shell_ != nullptr) {
        shell_->Execute(
            platform::FindHelpPage("help.html", programFolder_, platform::ExecutableFolder()), "",
            "");
    }
}
