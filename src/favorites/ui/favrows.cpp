#include "favorites/ui/favrows.h"

#include <algorithm>

int TFavRows::GroupRowOf(int row) const {
    for (int i = std::min(row, Count() - 1); i >= 0; --i) {
        if (IsGroupRow(i)) {
            return i;
        }
    }
    return -1;
}

void TFavRows::SetGroups(const std::vector<Group>& groups) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(groups.size());
    for (const Group& group : groups) {
        rows_.push_back({group.name, kCollapsed, group.fontCount});
    }
    endResetModel();
}

void TFavRows::SetText(int row, const std::string& text) {
    rows_.at(static_cast<std::size_t>(row)).text = text;
    emit dataChanged(index(row), index(row));
}

void TFavRows::SetMarker(int row, int marker) {
    rows_.at(static_cast<std::size_t>(row)).marker = marker;
    emit dataChanged(index(row), index(row));
}

void TFavRows::Expand(int row, const std::vector<std::string>& fonts) {
    SetMarker(row, kExpanded);
    if (fonts.empty()) {
        return;
    }
    const int first = row + 1;
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(fonts.size()) - 1);
    std::vector<Row> added;
    added.reserve(fonts.size());
    for (const std::string& font : fonts) {
        added.push_back({font, kFontRow, 0});
    }
    rows_.insert(rows_.begin() + first, added.begin(), added.end());
    endInsertRows();
}

void TFavRows::Collapse(int row) {
    SetMarker(row, kCollapsed);
    int end = row + 1;
    while (end < Count() && !IsGroupRow(end)) {
        ++end;
    }
    if (end == row + 1) {
        return;
    }
    beginRemoveRows(QModelIndex(), row + 1, end - 1);
    rows_.erase(rows_.begin() + row + 1, rows_.begin() + end);
    endRemoveRows();
}

int TFavRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant TFavRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const Row& row = At(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
        case kMarkerRole:
            return row.marker;
        case kCountRole:
            return row.count;
        default:
            return {};
    }
}
