#pragma once
// Stand-in for the key database until keys/ provides it: finds nothing, remembers the panel state.
// Delete when keys/dmKeys.h lands.

#include <QString>

#include <functional>

class TdmKeys {
public:
    std::function<void(bool Shown)> OnPanelPicture;
    bool PanelVisible = false;

    void FindCommand(quint16, bool, bool, bool, bool, bool, bool, bool, bool, QString& Command, QString&) {
        Command.clear();
    }
};

inline QString KeyNameOf(quint16 VK) { return QString::number(VK); }

inline TdmKeys* dmKeys = nullptr;
