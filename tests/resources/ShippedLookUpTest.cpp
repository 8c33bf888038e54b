// Every binding of the shipped table can be reached by typing: the key it names, pressed with its
// own modifiers, is found by the program's look-up and answers that binding's command.

#include "KeyState.h"
#include "KeyboardLayout.h"
#include "dmKeys.h"
#include "support/FakeMessageBox.h"
#include "support/FakeTimer.h"

#include <gtest/gtest.h>

namespace {

class ShippedLookUp : public ::testing::Test {
protected:
    ShippedLookUp() : PreviousKeyState(SetKeyStateTable(&KeyState)) { LastChar.clear(); }
    ~ShippedLookUp() override {
        Keys.reset();
        SetKeyStateTable(PreviousKeyState);
        LastChar.clear();
    }

    // The virtual key a user presses for a binding's key name: the key-name table's key for a word,
    // else the US-layout key that types the character without Shift.
    quint16 KeyToPress(const QString& keyName) {
        if (const quint16 vk = Keys->VirtualKeyOf(keyName))
            return vk;
        if (keyName.size() != 1)
            return 0;
        const auto key = KeyOfCharacter(keyName.toLower().at(0).toLatin1());
        return key && !key->Shift ? key->VK : 0;
    }

    FakeClock Clock;
    FakeTimerFactory Timers{Clock};
    FakeMessageBox Boxes;
    TKeyStateTable KeyState;
    TKeyStateTable* PreviousKeyState;
    std::unique_ptr<TdmKeys> Keys = std::make_unique<TdmKeys>();
};

} // namespace

TEST_F(ShippedLookUp, EveryBindingIsFoundByTypingItsKeyWithItsModifiers) {
    ASSERT_TRUE(Boxes.Texts.isEmpty()) << "loading the shipped tables showed a message";
    const std::vector<TSDLItem*> bindings(Keys->Keys().AllItems().begin(), Keys->Keys().AllItems().end());
    ASSERT_EQ(bindings.size(), 500u);
    for (TSDLItem* item : bindings) {
        const auto* key = static_cast<TKey_Kes*>(item);
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(key->KeyName(), key->CommandName()).toStdString());
        const quint16 vk = KeyToPress(key->KeyName());
        ASSERT_NE(vk, 0) << "no key types it";
        QString command;
        QString category;
        Keys->FindCommand(vk, key->LAlt(), key->RAlt(), key->LWin(), key->RWin(), key->LShift(), key->RShift(),
                          key->LCtrl(), key->RCtrl(), command, category);
        EXPECT_EQ(command, key->CommandName());
        EXPECT_EQ(category, key->Category());
    }
    EXPECT_TRUE(Boxes.Texts.isEmpty()) << "a look-up found a duplicated shortcut";
}
