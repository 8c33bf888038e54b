#pragma once
// The key browser's two data sources: the categories of the bindings the key database shows, and
// the bindings of one category. Every answer is read from the database when it is asked for; the
// sources keep nothing, and they leave Keys filtered to the category they answered for last.

#include "GridDataSource.h"

class TdmKeys;
class TKey_Kes;

class TKeysDataSource : public TGridDataSource {
public:
    explicit TKeysDataSource(TdmKeys& Keys) : FKeys(Keys) {}

protected:
    TdmKeys& Keys() const { return FKeys; }

private:
    TdmKeys& FKeys;
};

// One record per entry of Categories, rebuilt from what Keys shows whenever the count is asked.
class TViewCategoryDS final : public TKeysDataSource {
public:
    using TKeysDataSource::TKeysDataSource;

    int GetRecordCount(int MasterRecord) override;
    bool HasDetailRows(int Record) override;
    QVariant GetValue(int MasterRecord, int Record, int ItemIndex) override;
};

// The bindings of the category record MasterRecord: command, key and the four modifier columns.
class TViewKeysDS final : public TKeysDataSource {
public:
    using TKeysDataSource::TKeysDataSource;

    int GetRecordCount(int MasterRecord) override;
    bool HasDetailRows(int Record) override;
    QVariant GetValue(int MasterRecord, int Record, int ItemIndex) override;

    // The binding of Record in the category record MasterRecord, Keys filtered to that category;
    // nullptr when there is none.
    TKey_Kes* KeyOf(int MasterRecord, int Record);

private:
    // Filters Keys to the category record's display category, unremembered; false when there is no
    // such record (Keys is then left as it was).
    bool FilterToCategory(int MasterRecord);
};
