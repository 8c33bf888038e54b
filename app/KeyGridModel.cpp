#include "KeyGridModel.h"

#include "GridDataSource.h"

#include <QStringList>

namespace {

// A category row's internal id is 0; a command row's is its category's row plus one.
constexpr quintptr CategoryLevel = 0;

const QStringList KeyHeaders = {
    QStringLiteral("Command   (Double-click)"), QStringLiteral("Key"), {}, {}, {}, {}};

} // namespace

TKeyGridModel::TKeyGridModel(QObject* parent) : QAbstractItemModel(parent) {}

TKeyGridModel::~TKeyGridModel() = default;

void TKeyGridModel::bind(TGridDataSource*& field, TGridDataSource* source) {
    beginResetModel();
    if (field) field->OnDataChanged = nullptr;
    field = source;
    if (field) field->OnDataChanged = [this] { reload(); };
    FCategoryCount = -1;
    FKeyCounts.clear();
    FValues.clear();
    endResetModel();
}

void TKeyGridModel::reload() {
    beginResetModel();
    FCategoryCount = -1;
    FKeyCounts.clear();
    FValues.clear();
    endResetModel();
}

void TKeyGridModel::SetCategorySource(TGridDataSource* Source) {
    bind(FCategorySource, Source);
}

void TKeyGridModel::SetKeysSource(TGridDataSource* Source) {
    bind(FKeysSource, Source);
}

bool TKeyGridModel::IsKeyRow(const QModelIndex& index) {
    return index.isValid() && index.internalId() != CategoryLevel;
}

int TKeyGridModel::CategoryRecord(const QModelIndex& index) {
    if (!index.isValid()) return -1;
    return IsKeyRow(index) ? int(index.internalId() - 1) : index.row();
}

QModelIndex TKeyGridModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, CategoryLevel);
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex TKeyGridModel::parent(const QModelIndex& child) const {
    if (!IsKeyRow(child)) return {};
    return createIndex(CategoryRecord(child), 0, CategoryLevel);
}

int TKeyGridModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        if (!FCategorySource) return 0;
        if (FCategoryCount < 0) FCategoryCount = FCategorySource->GetRecordCount(-1);
        return FCategoryCount;
    }
    if (IsKeyRow(parent) || parent.column() != 0 || !FKeysSource) return 0;
    const auto known = FKeyCounts.constFind(parent.row());
    if (known != FKeyCounts.cend()) return *known;
    return *FKeyCounts.insert(parent.row(), FKeysSource->GetRecordCount(parent.row()));
}

int TKeyGridModel::columnCount(const QModelIndex& parent) const {
    return IsKeyRow(parent) ? 0 : ColumnCount;
}

bool TKeyGridModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return rowCount() > 0;
    if (IsKeyRow(parent) || parent.column() != 0 || !FCategorySource || !FKeysSource) return false;
    return FCategorySource->HasDetailRows(parent.row());
}

QVariant TKeyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool keyRow = IsKeyRow(index);
    switch (role) {
    case Qt::DisplayRole:
        return value(index);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (keyRow && index.column() > 0 ? Qt::AlignHCenter : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant TKeyGridModel::value(const QModelIndex& index) const {
    const quint64 cell =
        (quint64(index.internalId()) << 40) | (quint64(index.row()) << 8) | quint64(index.column());
    const auto known = FValues.constFind(cell);
    if (known != FValues.cend()) return *known;
    QVariant answer;
    if (IsKeyRow(index)) {
        if (FKeysSource) answer = FKeysSource->GetValue(CategoryRecord(index), index.row(), index.column());
    } else if (FCategorySource) {
        answer = FCategorySource->GetValue(-1, index.row(), index.column());
    }
    FValues.insert(cell, answer);
    return answer;
}

QVariant TKeyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return KeyHeaders[section];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TKeyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable |
           (IsKeyRow(index) ? Qt::ItemNeverHasChildren : Qt::NoItemFlags);
}

TKeyGridSortModel::TKeyGridSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortCaseSensitivity(Qt::CaseInsensitive);
    sort(0, Qt::AscendingOrder);
}

bool TKeyGridSortModel::hasChildren(const QModelIndex& parent) const {
    if (!sourceModel()) return false;
    return sourceModel()->hasChildren(mapToSource(parent));
}
