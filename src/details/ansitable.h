#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "platform/fontfilelookup.h"
#include "platform/services.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TCharTableModel;
class TFaceHeights;
class TFontInfo;
class TLargeChar;

// The "Character Map" window of one font: its printable single-byte characters in a grid,
// the chosen one large with its code, and a box that collects characters for the clipboard.
// A check box widens the grid to every character the font's character map covers.
class TfCharTable : public QDialog {
    Q_OBJECT

public:
    // services.fontTable resolves the record's face exactly as the preview list draws it;
    // services.characterMap (with services.fontFiles for a screen font) lists the face's
    // characters. Any may be null.
    explicit TfCharTable(const platform::Services& services, QWidget* parent = nullptr);
    ~TfCharTable() override;

    // Shows the window for record, centred over owner, and returns when it was closed.
    static void Execute(const TFontInfo& record, const platform::Services& services,
                        QWidget* owner);

    // Takes the record's face for the grid, the large character and the edit box, each at
    // its size, and sets the caption.
    void ShowFont(const TFontInfo& record);

    // The largest point size of the shown face whose line stays below target pixels.
    int GetProperFontSize(int target);

    QTableView* sgTable = nullptr;
    TLargeChar* pbChar = nullptr;
    QLineEdit* eChars = nullptr;
    QPushButton* bbSelect = nullptr;
    QPushButton* bbCopy = nullptr;
    QLabel* Hex = nullptr;
    QLabel* Decimal = nullptr;
    QCheckBox* cbAllChars = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTop();
    void BuildGrid();
    void FormShow();
    void FillGrid();
    void UpdateCaption();
    void sgTableSelectCell(int column, int row);
    void DrawLargeChar();
    void bbSelectClick();
    void bbCopyClick();
    void pbCharClick();
    void cbAllCharsClick();

    platform::Services services_;
    TCharTableModel* model_ = nullptr;
    std::unique_ptr<TFaceHeights> heights_;
    std::string faceName_;
    std::optional<platform::FaceFile> faceFile_;
};
