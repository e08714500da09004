#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace platform {
class Dialogs;
}

// "Add Favorites": names the font (or counts the fonts) about to be added and asks which
// group they go to, with a button that makes a new group in the favorites file.
class TfAddFav : public QDialog {
    Q_OBJECT

public:
    explicit TfAddFav(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Runs the dialog for entry lines over the favorites file; the chosen group's name, or
    // empty text when cancelled.
    std::string Execute(const std::string& fileName, const std::vector<std::string>& lines);

    // The font of the font description: 굴림 (the desktop's Korean-capable sans face),
    // 12 pixels, bold, as names in Korean need.
    static QFont FontNameFont();

    QLabel* Image1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lFontName = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* lbGroup = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;
    QPushButton* bNewFolder = nullptr;

private:
    void FillGroups();
    void AddGroupRow(const std::string& name);
    int RowOfGroup(const std::string& name) const;
    std::string GroupOfRow(int row) const;
    void bOKClick();
    void bNewFolderClick();

    platform::Dialogs& dialogs_;
    std::string fileName_;
    std::vector<std::string> lines_;
};
