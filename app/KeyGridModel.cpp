#include "KeyGridModel.h"

#include "GridDataSource.h"

#include <QStringList>

namespace {

// A category row's internal id is 0; a command row's is its category's row plus one.
constexpr quintptr CategoryLevel = 0;

const QStringList KeyHeaders = {QStringLiteral("Command   (Double-click)"), QStringLiteral("Key"), {}, {}, {}, {}};

} // namespace

TKeyGridModel::TKeyGridModel(QObject* parent) : QAbstractItemModel(parent) {}

TKeyGridModel::~TKeyGridModel() {
    // A source outliving the grid must not call back into it.
    for (TGridDataSource* source : {FCategorySource, FKeysSource})
        if (source) source->OnDataChanged = nullptr;
}

void TKeyGridModel::bind(TGridDataSource*& field, TGridDataSource* source) {
    beginResetModel();
    if (field) field->OnDataChanged = nullptr;
    field = source;
    if (field)
        field->OnDataChanged = [this] {
            beginResetModel();
            endResetModel();
        };
    endResetModel();
}

void TKeyGridModel::SetCategorySource(TGridDataSource* Source) { bind(FCategorySource, Source); }

void TKeyGridModel::SetKeysSource(TGridDataSource* Source) { bind(FKeysSource, Source); }

bool TKeyGridModel::IsKeyRow(const QModelIndex& index) { return index.isValid() && index.internalId() != CategoryLevel; }

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
    if (!parent.isValid()) return FCategorySource ? FCategorySource->GetRecordCount(-1) : 0;
    if (IsKeyRow(parent) || parent.column() != 0 || !FKeysSource) return 0;
    return FKeysSource->GetRecordCount(parent.row());
}

int TKeyGridModel::columnCount(const QModelIndex& parent) const { return IsKeyRow(parent) ? 0 : ColumnCount; }

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
        if (keyRow) return FKeysSource ? FKeysSource->GetValue(CategoryRecord(index), index.row(), index.column()) : QVariant();
        return FCategorySource ? FCategorySource->GetValue(-1, index.row(), index.column()) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (keyRow && index.column() > 0 ? Qt::AlignHCenter : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant TKeyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return KeyHeaders[section];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TKeyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | (IsKeyRow(index) ? Qt::ItemNeverHasChildren : Qt::NoItemFlags);
}

TKeyGridSortModel::TKeyGridSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortCaseSensitivity(Qt::CaseInsensitive);
    sort(0, Qt::AscendingOrder);
}

bool TKeyGridSortModel::hasChildren(const QModelIndex& parent) const {
    if (!sourceModel()) return false;
    return sourceModel()->hasChildren(mapToSource(parent));
}
