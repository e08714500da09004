#pragma once

#include <QDialog>
#include <string>

namespace platform {
class Shell;
}

class QPushButton;
class TXLabel;

// The About window: program name, the authors' credit and a link to the bundled help page.
class TfAbout : public QDialog {
    Q_OBJECT

public:
    // The homepage line opens the help page found from programFolder with shell; shell may be
    // null (the link then does nothing).
    TfAbout(platform::Shell* shell, std::string programFolder, QWidget* parent = nullptr);

    TXLabel* Title = nullptr;
    TXLabel* Homepage = nullptr;
    QPushButton* bOK = nullptr;

private:
    void BuildHeader();
    void BuildBody();
    void HomepageClick();

    platform::Shell* shell_;
    std::string programFolder_;
};
