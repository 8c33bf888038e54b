// Names of keys: from the keyboard layout, from the key-name table, and back from a name to its key.

#include "dmKeys.h"

#include "Exceptions.h"
#include "Keyboard.h"
#include "TextRules.h"
#include "VirtualKeys.h"

QString LastChar;

QString KeyNameOf(quint16 VK, TdmKeys* Keys) {
    quint8 state[256];
    if (!GetKeyboardState(state)) throw Exception(QStringLiteral("The keyboard state cannot be read"));
    // The character of the key itself, as if no modifier were down.
    state[VK_SHIFT] = 0;
    state[VK_CONTROL] = 0;
    state[VK_MENU] = 0;
    state[VK_LWIN] = 0;

    char buffer[2] = {0, 0};
    QString candidate;
    if (ToAscii(VK, MapVirtualKey(VK, MAPVK_VK_TO_VSC), state, buffer, 0) == 1) {
        candidate = QString(QLatin1Char(buffer[0]));
        if (!TrimControl(candidate).isEmpty()) LastChar = candidate;
    }
    QString name = TrimControl(candidate).toString();
    if (name.isEmpty() && Keys) name = Keys->GetVKKeyName(VK);
    if (name.isEmpty()) name = LastChar;
    return name;
}

QString KeyNameOf(quint16 VK) {
    return KeyNameOf(VK, dmKeys);
}

QString TdmKeys::GetVKKeyName(quint16 VK) {
    FVKKeys->SetFiltered(false);
    FVKKeys->SetFilter(QStringLiteral("Key=%1").arg(VK));
    FVKKeys->SetFiltered(true);
    if (FVKKeys->Count() != 1) return QString();
    return static_cast<TKey_VK*>(FVKKeys->Items(0))->KeyName();
}

quint16 TdmKeys::VirtualKeyOf(const QString& Name) {
    FVKKeys->SetFiltered(false);
    const int found = FVKKeys->Locate(QStringLiteral("KeyName=") + Name, true);
    return found < 0 ? 0 : static_cast<TKey_VK*>(FVKKeys->Items(found))->Key();
}
