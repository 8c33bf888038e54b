#pragma once
// Virtual-key codes: the platform's standard numbering of keyboard keys, independent of the layout.
// Letters and digits are their upper-case ASCII codes ('A' 0x41 .. 'Z' 0x5A, '0' 0x30 .. '9' 0x39)
// and have no names of their own.

#include <QtGlobal>

constexpr quint16 VK_BACK = 0x08;
constexpr quint16 VK_TAB = 0x09;
constexpr quint16 VK_CLEAR = 0x0C;
constexpr quint16 VK_RETURN = 0x0D;
constexpr quint16 VK_SHIFT = 0x10;
constexpr quint16 VK_CONTROL = 0x11;
constexpr quint16 VK_MENU = 0x12;
constexpr quint16 VK_PAUSE = 0x13;
constexpr quint16 VK_CAPITAL = 0x14;
constexpr quint16 VK_ESCAPE = 0x1B;
constexpr quint16 VK_SPACE = 0x20;
constexpr quint16 VK_PRIOR = 0x21;
constexpr quint16 VK_NEXT = 0x22;
constexpr quint16 VK_END = 0x23;
constexpr quint16 VK_HOME = 0x24;
constexpr quint16 VK_LEFT = 0x25;
constexpr quint16 VK_UP = 0x26;
constexpr quint16 VK_RIGHT = 0x27;
constexpr quint16 VK_DOWN = 0x28;
constexpr quint16 VK_SELECT = 0x29;
constexpr quint16 VK_EXECUTE = 0x2B;
constexpr quint16 VK_SNAPSHOT = 0x2C;
constexpr quint16 VK_INSERT = 0x2D;
constexpr quint16 VK_DELETE = 0x2E;
constexpr quint16 VK_HELP = 0x2F;
constexpr quint16 VK_LWIN = 0x5B;
constexpr quint16 VK_RWIN = 0x5C;
constexpr quint16 VK_APPS = 0x5D;
constexpr quint16 VK_NUMPAD0 = 0x60;
constexpr quint16 VK_NUMPAD1 = 0x61;
constexpr quint16 VK_NUMPAD2 = 0x62;
constexpr quint16 VK_NUMPAD3 = 0x63;
constexpr quint16 VK_NUMPAD4 = 0x64;
constexpr quint16 VK_NUMPAD5 = 0x65;
constexpr quint16 VK_NUMPAD6 = 0x66;
constexpr quint16 VK_NUMPAD7 = 0x67;
constexpr quint16 VK_NUMPAD8 = 0x68;
constexpr quint16 VK_NUMPAD9 = 0x69;
constexpr quint16 VK_MULTIPLY = 0x6A;
constexpr quint16 VK_ADD = 0x6B;
constexpr quint16 VK_SUBTRACT = 0x6D;
constexpr quint16 VK_DECIMAL = 0x6E;
constexpr quint16 VK_DIVIDE = 0x6F;
constexpr quint16 VK_F1 = 0x70;
constexpr quint16 VK_F2 = 0x71;
constexpr quint16 VK_F3 = 0x72;
constexpr quint16 VK_F4 = 0x73;
constexpr quint16 VK_F5 = 0x74;
constexpr quint16 VK_F6 = 0x75;
constexpr quint16 VK_F7 = 0x76;
constexpr quint16 VK_F8 = 0x77;
constexpr quint16 VK_F9 = 0x78;
constexpr quint16 VK_F10 = 0x79;
constexpr quint16 VK_F11 = 0x7A;
constexpr quint16 VK_F12 = 0x7B;
constexpr quint16 VK_NUMLOCK = 0x90;
constexpr quint16 VK_SCROLL = 0x91;
constexpr quint16 VK_LSHIFT = 0xA0;
constexpr quint16 VK_RSHIFT = 0xA1;
constexpr quint16 VK_LCONTROL = 0xA2;
constexpr quint16 VK_RCONTROL = 0xA3;
constexpr quint16 VK_LMENU = 0xA4;
constexpr quint16 VK_RMENU = 0xA5;
constexpr quint16 VK_OEM_1 = 0xBA;      // ;:
constexpr quint16 VK_OEM_PLUS = 0xBB;   // =+
constexpr quint16 VK_OEM_COMMA = 0xBC;  // ,<
constexpr quint16 VK_OEM_MINUS = 0xBD;  // -_
constexpr quint16 VK_OEM_PERIOD = 0xBE; // .>
constexpr quint16 VK_OEM_2 = 0xBF;      // /?
constexpr quint16 VK_OEM_3 = 0xC0;      // `~
constexpr quint16 VK_OEM_4 = 0xDB;      // [{
constexpr quint16 VK_OEM_5 = 0xDC;      // \|
constexpr quint16 VK_OEM_6 = 0xDD;      // ]}
constexpr quint16 VK_OEM_7 = 0xDE;      // '"
