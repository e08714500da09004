#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

// The cells of the character table: 16 to a row, filled row by row with the characters
// given, the last row partly. Cells hold text only; nothing is editable.
class TCharTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 16;
    static constexpr char32_t kNoCharacter = 0xFFFFFFFF;

    explicit TCharTableModel(QObject* parent = nullptr);

    // The printable single-byte characters: the codes 33 to 126, then 160 to 255.
    static std::vector<char32_t> SingleByteCodes();

    void SetCodes(std::vector<char32_t> codes);
    int CodeCount() const { return static_cast<int>(codes_.size()); }

    // The code of the cell at row, column; kNoCharacter for the cells past the last one.
    char32_t CodeAt(int row, int column) const;
    // The text the cell shows: its character, or nothing for the no-break space (it would
    // show as a blank anyway) and for the cells past the last one.
    QString TextAt(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<char32_t> codes_;
};
