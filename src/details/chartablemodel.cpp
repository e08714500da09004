#include "details/chartablemodel.h"

namespace {

constexpr char32_t kNoBreakSpace = 0xA0;

}  // namespace

TCharTableModel::TCharTableModel(QObject* parent) : QAbstractTableModel(parent) {}

std::vector<char32_t> TCharTableModel::SingleByteCodes() {
    std::vector<char32_t> codes;
    for (char32_t code = 33; code <= 126; ++code) {
        codes.push_back(code);
    }
    for (char32_t code = 160; code <= 255; ++code) {
        codes.push_back(code);
    }
    return codes;
}

void TCharTableModel::SetCodes(std::vector<char32_t> codes) {
    beginResetModel();
    codes_ = std::move(codes);
    endResetModel();
}

char32_t TCharTableModel::CodeAt(int row, int column) const {
    if (row < 0 || column < 0 || column >= kColumns) {
        return kNoCharacter;
    }
    const auto cell = static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column);
    return cell < codes_.size() ? codes_[cell] : kNoCharacter;
}

QString TCharTableModel::TextAt(int row, int column) const {
    const char32_t code = CodeAt(row, column);
    if (code == kNoCharacter || code == kNoBreakSpace) {
        return {};
    }
    return QString::fromUcs4(&code, 1);
}

int TCharTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>((codes_.size() + kColumns - 1) / kColumns);
}

int TCharTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TCharTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return TextAt(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags TCharTableModel::flags(const QModelIndex& index) const {
    // The cells past the last character stand for no code: they cannot be chosen.
    if (CodeAt(index.row(), index.column()) == kNoCharacter) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
