#pragma once
// The key browser's rows as a two-level item model: the category records of one data source at the
// top, each opening into the command records that a second source gives for it. Like a loaded grid,
// the model keeps what a source answered until that source reports a change; the sources keep
// nothing and filter the key list again for every answer, so a repaint asks them nothing new.

#include <QAbstractItemModel>
#include <QHash>
#include <QSortFilterProxyModel>

class TGridDataSource;

class TKeyGridModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    // The command view's columns; a category row uses the first only.
    static constexpr int ColumnCount = 6;

    explicit TKeyGridModel(QObject* parent = nullptr);
    ~TKeyGridModel() override;

    // The sources are not owned. A source may go before the model (the window's fields go before its
    // controls), but must not report a change once the model is gone.
    void SetCategorySource(TGridDataSource* Source);
    void SetKeysSource(TGridDataSource* Source);

    static bool IsKeyRow(const QModelIndex& index);
    // The category record of a category row, or of the category a command row belongs to.
    static int CategoryRecord(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The command view's column headers.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void bind(TGridDataSource*& field, TGridDataSource* source);
    void reload();
    QVariant value(const QModelIndex& index) const;

    // The category records counted at the first question after a reload, kept until the next:
    // counting rebuilds the categories from what Keys shows, and the command views leave Keys
    // filtered to one category, so counting again would lose every other category.
    mutable int FCategoryCount = -1;
    // Command record counts by category record, and display values by level, row and column,
    // asked for since the last reload.
    mutable QHash<int, int> FKeyCounts;
    mutable QHash<quint64, QVariant> FValues;
    TGridDataSource* FCategorySource = nullptr;
    TGridDataSource* FKeysSource = nullptr;
};

// Both views sorted ascending by their first column. Whether a category opens is the source's own
// answer: the proxy's default would sort every category's commands just to find out.
class TKeyGridSortModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TKeyGridSortModel(QObject* parent = nullptr);
    bool hasChildren(const QModelIndex& parent = {}) const override;
};
