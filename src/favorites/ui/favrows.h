#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

// The rows of the favorites pane's two-level list: group rows (marker 1 collapsed,
// 2 expanded) and, under an expanded group, its font rows (marker 0). Texts are the names as
// the file holds them, so a name that is not valid UTF-8 still finds its group.
class TFavRows : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int kFontRow = 0;
    static constexpr int kCollapsed = 1;
    static constexpr int kExpanded = 2;
    // Data roles: the marker and a group's font count.
    static constexpr int kMarkerRole = Qt::UserRole;
    static constexpr int kCountRole = Qt::UserRole + 1;

    struct Group {
        std::string name;
        int fontCount = 0;
    };

    using QAbstractListModel::QAbstractListModel;

    int Count() const { return static_cast<int>(rows_.size()); }
    const std::string& Text(int row) const { return At(row).text; }
    int Marker(int row) const { return At(row).marker; }
    int FontCount(int row) const { return At(row).count; }
    bool IsGroupRow(int row) const { return Marker(row) > kFontRow; }
    bool IsExpandedRow(int row) const { return Marker(row) > kCollapsed; }
    // The nearest group row at or above row; -1 when there is none.
    int GroupRowOf(int row) const;

    // All rows anew: one collapsed row per group.
    void SetGroups(const std::vector<Group>& groups);
    void SetText(int row, const std::string& text);
    // Marks row expanded and puts the font rows right below it.
    void Expand(int row, const std::vector<std::string>& fonts);
    // Marks row collapsed and takes away the font rows below it.
    void Collapse(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Row {
        std::string text;
        int marker = kFontRow;
        int count = 0;
    };

    const Row& At(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    void SetMarker(int row, int marker);

    std::vector<Row> rows_;
};
