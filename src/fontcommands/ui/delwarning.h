#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

// The question before fonts are uninstalled or deleted: a picture, the question, Yes and
// No. Yes gives 6, No 7, Escape 2.
class TfDelWarning : public QDialog {
    Q_OBJECT

public:
    static constexpr int kResultYes = 6;
    static constexpr int kResultNo = 7;
    static constexpr int kResultCancel = 2;

    explicit TfDelWarning(QWidget* parent = nullptr);

    // Shows the warning modally, centred on owner, and gives its result.
    static int Ask(QWidget* owner, const std::string& caption, const std::string& question);

    QLabel* Image1 = nullptr;
    QLabel* Text = nullptr;
    QPushButton* YesBtn = nullptr;
    QPushButton* NoBtn = nullptr;

public slots:
    void reject() override;
};
