#pragma once
// A key database on the shipped tables, with fake timers, message boxes and key state, and a record
// of what it hands the viewer and the main window.

#include "KeyState.h"
#include "dmKeys.h"
#include "support/FakeMessageBox.h"
#include "support/FakeTimer.h"

#include <gtest/gtest.h>

class ShippedKeysTest : public ::testing::Test {
protected:
    ShippedKeysTest();
    ~ShippedKeysTest() override;

    // FindCommand with the modifier flags given by name ("LCtrl", "RShift"...); returns the command.
    QString Find(quint16 vk, const QStringList& flags = {});
    // The binding with this key name and exactly these flags, from all bindings.
    TKey_Kes* Binding(const QString& keyName, const QStringList& flags = {}) const;
    static QStringList FlagsOf(const TKey_Kes& key);

    FakeClock Clock;
    FakeTimerFactory Timers{Clock};
    FakeMessageBox Boxes;
    TKeyStateTable KeyState;
    TKeyStateTable* PreviousKeyState;
    std::unique_ptr<TdmKeys> Keys;

    QString Category;
    QList<bool> PictureReports; // every OnPanelPicture call
    QList<QByteArray> Shown;    // every stream the viewer was given
};
