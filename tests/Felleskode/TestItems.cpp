#include "TestItems.h"

TTestItem* AddTestItem(TSDLListe& list, const QString& keyName, bool lShift, bool lCtrl,
                       const QString& category) {
    auto* item = new TTestItem;
    item->KeyName = keyName;
    item->LShift = lShift;
    item->LCtrl = lCtrl;
    item->Category = category;
    list.Add(item);
    return item;
}
