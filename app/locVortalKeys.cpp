// Keystrokes: every key message passes the application's message hook, which shows the key and the
// command bound to it with the window's own modifier set; the key preview then toggles that set.
#include "locVortal.h"

#include "AL_ZoomImg.h"
#include "Exceptions.h"
#include "KeyState.h"
#include "PictureImage.h"
#include "VirtualKeys.h"
#include "dmKeys.h"

#include <QLabel>

namespace {

const QString NoCommand = QStringLiteral("< NONE >");

} // namespace

void TfrmVortal_Kes_Commands::AppMessage(MSG& Msg, bool& Handled) {
    Handled = false;
    if (Msg.wParam == VK_F10) {
        // F10 in one of our windows arrives as a system key; its release is shown the same way.
        DisplayKey(Msg);
        return;
    }
    if (Msg.message == WM_KEYDOWN) {
        // The generic modifiers go on to the key preview, which toggles the modifier set.
        if (Msg.wParam == VK_SHIFT || Msg.wParam == VK_CONTROL || Msg.wParam == VK_LWIN) return;
        DisplayKey(Msg);
        return;
    }
    if (Msg.message == WM_USER) {
        ReShowLastKey();
        Handled = true;
    }
}

void TfrmVortal_Kes_Commands::DisplayKey(MSG& Msg) {
    // Refused before anything is kept: a stored code out of range would fail every later re-show.
    if (Msg.wParam > 0xFFFF) throw ERangeError(QStringLiteral("Range check error"));
    FLastKeyMsg = Msg;
    const auto vk = static_cast<quint16>(Msg.wParam);
    lblKey->setText(KeyNameOf(vk).toUpper());
    ShowCommand(vk);
    // Dispatched on with key code 0: no control acts on the key, the key preview still runs.
    Msg.wParam = 0;
}

void TfrmVortal_Kes_Commands::ReShowLastKey() { ShowCommand(static_cast<quint16>(FLastKeyMsg.wParam)); }

void TfrmVortal_Kes_Commands::ShowCommand(quint16 VK) {
    QString command, category;
    dmKeys->FindCommand(VK, FModifiers.LAlt, FModifiers.RAlt, FModifiers.LWin, false, FModifiers.LShift,
                        FModifiers.RShift, FModifiers.LCtrl, FModifiers.RCtrl, command, category);
    if (!command.isEmpty()) {
        lblCommand->setText(command);
        lblCategory->setText(category);
    } else {
        lblCategory->clear();
        lblCommand->setText(NoCommand);
    }
}

void TfrmVortal_Kes_Commands::FormKeyDown(quint16 Key) {
    ToggleModifiers();
    ShowModifiers();
    // Posted, so that the re-show runs after this key event and after keys already queued.
    if (FModifierToggled && Key != 0 && FLastKeyMsg.wParam != 0)
        PostMessage(this, WM_USER, FLastKeyMsg.wParam, FLastKeyMsg.lParam);
}

void TfrmVortal_Kes_Commands::ToggleModifiers() {
    FModifierToggled = FModifiers.Toggle([](int vk) { return GetAsyncKeyState(vk); });
}

void TfrmVortal_Kes_Commands::ShowModifiers() {
    for (TPictureImage* cap : {imgLAlt, imgLShift, imgLCtrl, imgLWin, imgRAlt, imgRShift, imgRCtrl}) cap->hide();
    imgLAlt->setVisible(FModifiers.LAlt);
    imgRAlt->setVisible(FModifiers.RAlt);
    imgLWin->setVisible(FModifiers.LWin);
    imgLShift->setVisible(FModifiers.LShift);
    imgRShift->setVisible(FModifiers.RShift);
    imgLCtrl->setVisible(FModifiers.LCtrl);
    imgRCtrl->setVisible(FModifiers.RCtrl);
}

void TfrmVortal_Kes_Commands::ClearLeftModifiers() { FModifiers.ClearLeft(); }

void TfrmVortal_Kes_Commands::ClearRightModifiers() { FModifiers.ClearRight(); }

void TfrmVortal_Kes_Commands::SwitchKeyboardLayout(bool Load) {
    if (Load)
        FKeyboardLayout = LoadKeyboardLayout("00000409", KLF_ACTIVATE);
    else
        UnloadKeyboardLayout(FKeyboardLayout);
}

void TfrmVortal_Kes_Commands::PanelPictureChanged(bool Shown) {
    if (Shown) {
        FViewer->show();
        FViewer->FitToWindow();
        if (FViewer->isVisible() && FViewer->isEnabled() && FViewer->focusPolicy() != Qt::NoFocus)
            FViewer->setFocus();
    } else {
        FViewer->hide();
    }
    RefreshGrid();
}

bool TfrmVortal_Kes_Commands::event(QEvent* event) {
    if (event->type() == TMessageEvent::Type()) {
        const MSG& msg = static_cast<TMessageEvent*>(event)->Msg();
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) FormKeyDown(static_cast<quint16>(msg.wParam));
        return true;
    }
    return QWidget::event(event);
}
