#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QPlainTextEdit;

// "Set Sample Text": the list of sample texts of the settings file, one per line, saved with
// "&Save".
class TfSetText : public QDialog {
    Q_OBJECT

public:
    // The editor command: runs the editor on settingsFile centred over owner; after "&Save"
    // the items of box become the saved texts (its own text stays as typed). True after
    // "&Save".
    static bool EditSampleTexts(const std::string& settingsFile, QComboBox& box, QWidget* owner);

    explicit TfSetText(std::string settingsFile, QWidget* parent = nullptr);

    // The memo's non-empty lines, in order.
    std::vector<std::string> Texts() const;

private:
    void bSaveClick();

    std::string settingsFile_;
    QPlainTextEdit* Memo1_ = nullptr;
};
