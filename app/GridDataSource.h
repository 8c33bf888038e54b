#pragma once
// The key browser's side of a custom data source: the grid asks a source how many records a view
// has, whether a record opens into detail rows and what a record's column holds, and holds none of
// the answers. A source tells the grid that its data have changed; the grid then asks again.

#include <QVariant>

#include <functional>

class TGridDataSource {
public:
    virtual ~TGridDataSource() = default;

    // MasterRecord is the record of the master view that a nested view belongs to; -1 for the top view.
    virtual int GetRecordCount(int MasterRecord) = 0;
    virtual bool HasDetailRows(int Record) = 0;
    // An invalid QVariant when the record or the column has no value.
    virtual QVariant GetValue(int MasterRecord, int Record, int ItemIndex) = 0;

    void DataChanged() const {
        if (OnDataChanged) OnDataChanged();
    }

    // Set by the grid the source is bound to.
    std::function<void()> OnDataChanged;
};
