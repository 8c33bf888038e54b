// Looking bindings up by key and modifiers, and by category.

#include "dmKeys.h"

#include "FilterText.h"
#include "MessageBox.h"
#include "TextRules.h"

namespace {

QString side(bool left, const char* leftName, bool right, const char* rightName) {
    if (left) return QString::fromLatin1(leftName);
    if (right) return QString::fromLatin1(rightName);
    return QString();
}

} // namespace

void TdmKeys::FindCommand(quint16 VK, bool LAlt, bool RAlt, bool LWin, bool RWin, bool LShift, bool RShift,
                          bool LCtrl, bool RCtrl, QString& Command, QString& Category) {
    Command.clear();

    // The key-name table first ("Num5" for the keypad 5), else the layout's character.
    FVKKeys->SetFiltered(false);
    FVKKeys->SetFilter(QStringLiteral("Key=%1").arg(VK));
    FVKKeys->SetFiltered(true);
    const QString name = FVKKeys->Count() == 1 ? static_cast<TKey_VK*>(FVKKeys->Items(0))->KeyName()
                                               : UpperCaseAscii(KeyNameOf(VK, this));

    // All eight flags must match: left and right count apart.
    const QStringList filter{
        QStringLiteral("KeyName=") + name, FlagCondition("RAlt", RAlt),   FlagCondition("LAlt", LAlt),
        FlagCondition("RWin", RWin),       FlagCondition("LWin", LWin),   FlagCondition("RShift", RShift),
        FlagCondition("LShift", LShift),   FlagCondition("RCtrl", RCtrl), FlagCondition("LCtrl", LCtrl)};
    FKeys->SetFiltered(false);
    FKeys->SetFilter(filter.join(QStringLiteral("\r\n")));
    FKeys->SetFiltered(true);

    if (FKeys->Count() == 1) {
        auto* key = static_cast<TKey_Kes*>(FKeys->Items(0));
        Command = key->CommandName();
        Category = key->Category();
        if (!PanelVisible) return;
        // A report of the binding already scheduled cancels its load: the timer stays stopped.
        FPanelTimer->SetEnabled(false);
        if (FCurrentKeyID < 0 || FCurrentKeyID != key->ID()) {
            FPendingKey = key;
            FCurrentKeyID = key->ID();
            if (!key->Category_Ekstra().isEmpty())
                FilterByCategory(key->Category_Ekstra(), false, true);
            else
                FilterByCategory(key->Category(), true, true);
            FPanelTimer->SetEnabled(true);
        }
    } else if (FKeys->Count() == 0) {
        if (!PanelVisible) return;
        FCurrentKeyID = -1;
        FCurrentPicture.clear();
        panelPictureShown(false);
    } else {
        showDuplicates();
    }
}

void TdmKeys::showDuplicates() const {
    QString text = QString(26, u' ') + QStringLiteral("ERROR IN SHORTCUTS!!!\r\n\r\n") +
                   QStringLiteral("Please send printscreen of error to \"") +
                   QString::fromLatin1(SupportMailAddress) +
                   QStringLiteral("\"\r\n\r\n\r\nDUPLICATED SHORTCUTS:\r\n\r\n");
    for (int i = 0; i < FKeys->Count(); ++i) {
        const auto* key = static_cast<const TKey_Kes*>(FKeys->Items(i));
        text += key->Category() + u'-' + key->CommandName() + QStringLiteral("-\"") + key->KeyName() + u'"';
        text += u'-' + side(key->LShift(), "LShift", key->RShift(), "RShift");
        text += u'-' + side(key->LAlt(), "LAlt", key->RAlt(), "RAlt");
        text += u'-' + side(key->LCtrl(), "LCtrl", key->RCtrl(), "RCtrl");
        text += u'-' + side(key->LWin(), "LWin", key->RWin(), "RWin");
        text += QStringLiteral("\r\n\r\n");
    }
    ShowMessage(text);
}

void TdmKeys::FilterByCategory(const QString& Name, bool IsMainCategory, bool Remember) {
    FKeys->SetFiltered(false);
    FKeys->SetFilter((IsMainCategory ? QStringLiteral("Category=") : QStringLiteral("Category_Ekstra=")) +
                     Name);
    FKeys->SetFiltered(true);
    if (Remember) FSavedFilter = FKeys->GetFilter();
}

void TdmKeys::SetCategoryFilter(bool On) {
    FKeys->SetFiltered(false);
    if (!On) return;
    FKeys->SetFilter(FSavedFilter);
    FKeys->SetFiltered(true);
}

int TdmKeys::BuildCategories() {
    FCategories = std::make_unique<TCategoryMap>();
    for (int i = 0; i < FKeys->Count(); ++i) {
        auto* key = static_cast<TKey_Kes*>(FKeys->Items(i));
        const QString& category = key->DisplayCategory();
        if (!FCategories->contains(category)) FCategories->insert(category, key);
    }
    return int(FCategories->size());
}

TKey_Kes* TdmKeys::CategoryAt(int Index) const {
    if (!FCategories || Index < 0 || Index >= FCategories->size()) return nullptr;
    return *std::next(FCategories->cbegin(), Index);
}
