#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The one-line text prompt: a word-wrapped prompt above an edit box, with OK (result 1) and
// Cancel (result 2). The caller sets the caption; InputString runs it.
class TfGetString : public QDialog {
    Q_OBJECT

public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    explicit TfGetString(QWidget* parent = nullptr);

    QLabel* Descript() const { return descript_; }
    QLineEdit* Edit() const { return edit_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Cancel() const { return cancel_; }

public slots:
    // Escape and the window's close button end with Cancel's result, not Qt's 0.
    void reject() override;

private:
    QLabel* descript_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Runs the text prompt centred on window with caption, prompt and text (all of it
// selected). Returns the dialog's result; on OK (1) text receives what was typed, on
// Cancel (2) it is left as it was.
int InputString(QWidget* window, const std::string& caption, const std::string& prompt,
                std::string& text);
