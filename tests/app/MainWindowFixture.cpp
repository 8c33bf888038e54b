#include "MainWindowFixture.h"

#include "VirtualKeys.h"

quint16 TMainWindowFixture::GenericOf(quint16 sidedVK) {
    switch (sidedVK) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return sidedVK;
    }
}
