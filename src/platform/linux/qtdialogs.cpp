#include "platform/linux/qtdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QString>
#include <utility>
#include <vector>

#include "platform/colorref.h"

namespace platform {
namespace {

using Choice = std::pair<QMessageBox::StandardButton, DialogResult>;

std::vector<Choice> ChoicesFor(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return {{QMessageBox::Ok, IdOk}};
        case MsgButtons::OkCancel:
            return {{QMessageBox::Ok, IdOk}, {QMessageBox::Cancel, IdCancel}};
        case MsgButtons::YesNo:
            return {{QMessageBox::Yes, IdYes}, {QMessageBox::No, IdNo}};
        case MsgButtons::YesNoCancel:
            return {{QMessageBox::Yes, IdYes},
                    {QMessageBox::No, IdNo},
                    {QMessageBox::Cancel, IdCancel}};
        case MsgButtons::RetryCancel:
            return {{QMessageBox::Retry, IdRetry}, {QMessageBox::Cancel, IdCancel}};
        case MsgButtons::AbortRetryIgnore:
            return {{QMessageBox::Abort, IdAbort},
                    {QMessageBox::Retry, IdRetry},
                    {QMessageBox::Ignore, IdIgnore}};
    }
    return {{QMessageBox::Ok, IdOk}};
}

QMessageBox::Icon IconFor(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QMessageBox::NoIcon;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// What closing the box with Escape or the title bar means: Cancel where there is one, the
// only button of an OK box, and "No" for a yes/no question (a yes/no box has no way out
// without an answer, and "No" is the safe one).
DialogResult EscapeResult(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return IdOk;
        case MsgButtons::YesNo:
            return IdNo;
        case MsgButtons::AbortRetryIgnore:
            return IdAbort;
        default:
            return IdCancel;
    }
}

// The extension of a filter's first pattern: "bmp" for "BMP (Bitmap Image) (*.bmp)".
QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ;)]+)[^()]*\\)$"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

int QtDialogs::MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                          MsgIcon icon, QWidget* owner) {
    QMessageBox box(IconFor(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner);
    const std::vector<Choice> choices = ChoicesFor(buttons);
    for (const auto& [button, result] : choices) {
        box.addButton(button);
        if (result == EscapeResult(buttons)) {
            box.setEscapeButton(box.button(button));
        }
    }
    box.setDefaultButton(choices.front().first);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [button, result] : choices) {
        if (button == clicked) {
            return result;
        }
    }
    return EscapeResult(buttons);
}

int QtDialogs::InputString(const std::string& caption, const std::string& prompt, std::string& text,
                           QWidget* owner) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner, QString::fromStdString(caption),
                                                 QString::fromStdString(prompt), QLineEdit::Normal,
                                                 QString::fromStdString(text), &ok);
    if (!ok) {
        return IdCancel;
    }
    text = answer.toStdString();
    return IdOk;
}

std::string QtDialogs::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                       QWidget* owner) {
    return QFileDialog::getExistingDirectory(owner, QString::fromStdString(title),
                                             QString::fromStdString(startFolder))
        .toStdString();
}

bool QtDialogs::ChooseColor(std::uint32_t& color, QWidget* owner) {
    const QColor chosen = QColorDialog::getColor(ColorFromRef(color), owner);
    if (!chosen.isValid()) {
        return false;
    }
    color = ColorToRef(chosen);
    return true;
}

std::string QtDialogs::SaveFileName(const std::string& title, const std::string& filter,
                                    const std::string& initialPath, QWidget* owner) {
    QFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(initialPath),
                       QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the one of the chosen file type.
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& chosen) { dialog.setDefaultSuffix(FilterSuffix(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace platform
