#include "dmGridDataSource.h"

#include "dmKeys.h"

namespace {

// The Shift, Ctrl, Alt and Win columns: the left key wins when a binding names both sides.
QString SideOf(bool Left, bool Right, const QString& Name) {
    if (Left) return QStringLiteral("L") + Name;
    if (Right) return QStringLiteral("R") + Name;
    return {};
}

} // namespace

int TViewCategoryDS::GetRecordCount(int) {
    return Keys().BuildCategories();
}

bool TViewCategoryDS::HasDetailRows(int) {
    return Keys().Keys().Count() > 0;
}

QVariant TViewCategoryDS::GetValue(int, int Record, int ItemIndex) {
    const TKey_Kes* key = Keys().CategoryAt(Record);
    if (!key || ItemIndex != 0) return {};
    return key->DisplayCategory();
}

bool TViewKeysDS::FilterToCategory(int MasterRecord) {
    const TKey_Kes* key = Keys().CategoryAt(MasterRecord);
    if (!key) return false;
    if (!key->Category_Ekstra().isEmpty())
        Keys().FilterByCategory(key->Category_Ekstra(), false, false);
    else
        Keys().FilterByCategory(key->Category(), true, false);
    return true;
}

int TViewKeysDS::GetRecordCount(int MasterRecord) {
    if (!FilterToCategory(MasterRecord)) return 0;
    return Keys().Keys().Count();
}

bool TViewKeysDS::HasDetailRows(int) {
    return false;
}

TKey_Kes* TViewKeysDS::KeyOf(int MasterRecord, int Record) {
    if (!FilterToCategory(MasterRecord)) return nullptr;
    return static_cast<TKey_Kes*>(Keys().Keys().Items(Record));
}

QVariant TViewKeysDS::GetValue(int MasterRecord, int Record, int ItemIndex) {
    const TKey_Kes* key = KeyOf(MasterRecord, Record);
    if (!key) return {};
    switch (ItemIndex) {
    case 0:
        return key->CommandName();
    case 1:
        return key->KeyName();
    case 2:
        return SideOf(key->LShift(), key->RShift(), QStringLiteral("Shift"));
    case 3:
        return SideOf(key->LCtrl(), key->RCtrl(), QStringLiteral("Ctrl"));
    case 4:
        return SideOf(key->LAlt(), key->RAlt(), QStringLiteral("Alt"));
    case 5:
        return SideOf(key->LWin(), key->RWin(), QStringLiteral("Win"));
    default:
        return {};
    }
}
