#include "dmKeys.h"

#include "Resources.h"
#include "TextRules.h"

TdmKeys* dmKeys = nullptr;

TdmKeys::TdmKeys(TKeyTableSource TableSource)
    : FTableSource(TableSource ? std::move(TableSource) : TKeyTableSource(LoadResource)) {
    FKeys = std::make_unique<TSDLListe>(&TKey_Kes::staticMetaObject);
    FVKKeys = std::make_unique<TSDLListe>(&TKey_VK::staticMetaObject);
    LoadKeys();
    LoadVKKeys();
    Fill_EkstraInfo();
    FPanelTimer = CreateTimer();
    FPanelTimer->SetInterval(800);
    FPanelTimer->OnTimer = [this] { PanelTimerTimer(); };
}

TdmKeys::~TdmKeys() {
    // The timer goes first: nothing may fire at a half-freed database.
    FPanelTimer.reset();
    FPendingKey = nullptr;
    FVKKeys.reset();
    FKeys.reset();
    FCategories.reset();
}

QStringList TdmKeys::tableLines(const QString& Name) const {
    // The tables are 8-bit text.
    return SplitLines(QString::fromLatin1(FTableSource(Name)));
}
