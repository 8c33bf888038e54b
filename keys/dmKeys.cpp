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
}

TdmKeys::~TdmKeys() {
    FVKKeys.reset();
    FKeys.reset();
}

QStringList TdmKeys::tableLines(const QString& Name) const {
    // The tables are 8-bit text.
    return SplitLines(QString::fromLatin1(FTableSource(Name)));
}
