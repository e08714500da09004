#pragma once

#include <QDialog>

namespace platform {
class Shell;
}

class QPushButton;
class TXLabel;

// The About window: program name, the authors' credit and a link to the bundled help page.
class TfAbout : public QDialog {
    Q_OBJECT

public:
    // shell may be null (the help link then does nothing).
    explicit TfAbout(platform::Shell* shell, QWidget* parent = nullptr);

    TXLabel* Title = nullptr;
    TXLabel* Homepage = nullptr;
    QPushButton* bOK = nullptr;

private:
    void BuildHeader();
    void BuildBody();
    void HomepageClick();

    platform::Shell* shell_;
};
