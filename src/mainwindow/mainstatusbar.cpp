#include "mainwindow/mainstatusbar.h"

#include <QLocale>

TMainStatusBar::TMainStatusBar(QWidget* parent) : TBtnStatusBar(parent) {
    setObjectName("StatusBar1");
    SetItems(QStringList{"=100 Fonts", "=Selected"});
    SetHeadColor(QColor(0, 0, 255));
    SetHotColor(palette().color(QPalette::WindowText));
}

void TMainStatusBar::ShowFontCount(int count) {
    SetText(0, QString("Font Count=%1").arg(count));
}

void TMainStatusBar::ShowMarked(int count, std::optional<std::uint64_t> bytes) {
    QString text;
    if (count == 0) {
        text = "=Use Spacebar or Ctrl+Left Click to select/deselect font";
    } else if (!bytes) {
        text = QString("Selected=%1 Fonts").arg(count);
    } else {
        text = QString("Selected=%1 Fonts (%2 bytes)")
                   .arg(count)
                   .arg(QLocale().toString(static_cast<qulonglong>(*bytes)));
    }
    SetText(1, text);
}

void TMainStatusBar::SetText(int index, const QString& text) {
    QStringList status = Items();
    while (status.size() <= index) {
        status.append(QString());
    }
    status[index] = text;
    SetItems(status);
    update();
}
