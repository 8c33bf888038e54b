#pragma once
// The real main window on the offscreen platform, with fake timers, a fake key state and captured
// message boxes, and helpers that hand it keys as the hook library and the window system would.

#include "DesignFonts.h"
#include "KeyState.h"
#include "Keyboard.h"
#include "Messages.h"
#include "dmKeys.h"
#include "locVortal.h"
#include "support/FakeClock.h"
#include "support/FakeMessageBox.h"
#include "support/FakeTimer.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

class TMainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // The hook library would watch a real keyboard when the test runs on a desktop.
        qunsetenv("DISPLAY");
        RegisterDesignFonts();
        // Every test starts as a fresh program does: no character typed yet.
        LastChar.clear();
        FPreviousKeyState = SetKeyStateTable(&KeyState);
        Window = std::make_unique<TfrmVortal_Kes_Commands>();
        Window->show();
        Pump();
    }

    void TearDown() override {
        Window.reset();
        SetKeyStateTable(FPreviousKeyState);
    }

    // Makes the window the active one, as a click on it would, so that its controls can take the focus.
    void Activate() {
        Window->activateWindow();
        QApplication::setActiveWindow(Window.get());
    }

    // Delivers everything posted so far, and what that posts in turn (the re-show).
    static void Pump() {
        for (int pass = 0; pass < 4; ++pass) QCoreApplication::sendPostedEvents();
    }

    // A key of another application going down, as the hook library delivers it: the key state
    // knows the sided key, the message carries the generic one.
    void HookKeyDown(quint16 sidedVK, bool repeat = false) {
        KeyState.KeyDown(sidedVK);
        TKeystroke keystroke;
        keystroke.ScanCode = quint8(MapVirtualKey(sidedVK, MAPVK_VK_TO_VSC));
        keystroke.WasDown = repeat;
        PostMessage(Window.get(), WM_KEYDOWN, GenericOf(sidedVK), KeystrokeData(keystroke));
        Pump();
    }
    void HookKeyUp(quint16 sidedVK) { KeyState.KeyUp(sidedVK); }
    void HookTap(quint16 sidedVK) {
        HookKeyDown(sidedVK);
        HookKeyUp(sidedVK);
    }

    static quint16 GenericOf(quint16 sidedVK);

    FakeClock Clock;
    FakeTimerFactory Timers{Clock};
    FakeMessageBox Boxes;
    TKeyStateTable KeyState;
    std::unique_ptr<TfrmVortal_Kes_Commands> Window;

private:
    TKeyStateTable* FPreviousKeyState = nullptr;
};
