#pragma once
// The two item classes of the key tables: a key binding of the simulator (TKey_Kes) and a key name
// of the program's own key-name table (TKey_VK).

#include "ZURData.h"

#include <QString>

// One binding: a key, the exact set of left and right modifiers that must be down with it, and the
// command it triggers. The flags are published so that filters and the loader reach them by name;
// the command text is not.
class TKey_Kes : public TSDLItem {
    Q_OBJECT
    Q_PROPERTY(QString Category READ Category WRITE SetCategory)
    Q_PROPERTY(QString Category_Ekstra READ Category_Ekstra WRITE SetCategory_Ekstra)
    Q_PROPERTY(QString KeyName READ KeyName WRITE SetKeyName)
    Q_PROPERTY(bool LAlt READ LAlt WRITE SetLAlt)
    Q_PROPERTY(bool RAlt READ RAlt WRITE SetRAlt)
    Q_PROPERTY(bool LWin READ LWin WRITE SetLWin)
    Q_PROPERTY(bool RWin READ RWin WRITE SetRWin)
    Q_PROPERTY(bool LShift READ LShift WRITE SetLShift)
    Q_PROPERTY(bool RShift READ RShift WRITE SetRShift)
    Q_PROPERTY(bool LCtrl READ LCtrl WRITE SetLCtrl)
    Q_PROPERTY(bool RCtrl READ RCtrl WRITE SetRCtrl)

public:
    Q_INVOKABLE TKey_Kes() = default;

    const QString& KeyName() const { return FKeyName; }
    bool RAlt() const { return FRAlt; }
    bool LCtrl() const { return FLCtrl; }
    bool LWin() const { return FLWin; }
    bool LShift() const { return FLShift; }
    bool LAlt() const { return FLAlt; }
    bool RCtrl() const { return FRCtrl; }
    bool RWin() const { return FRWin; }
    bool RShift() const { return FRShift; }
    const QString& CommandName() const { return FCommandName; }
    const QString& Category() const { return FCategory; }
    const QString& Category_Ekstra() const { return FCategory_Ekstra; }

    void SetKeyName(const QString& value) { FKeyName = value; }
    void SetRAlt(bool value) { FRAlt = value; }
    void SetLCtrl(bool value) { FLCtrl = value; }
    void SetLWin(bool value) { FLWin = value; }
    void SetLShift(bool value) { FLShift = value; }
    void SetLAlt(bool value) { FLAlt = value; }
    void SetRCtrl(bool value) { FRCtrl = value; }
    void SetRWin(bool value) { FRWin = value; }
    void SetRShift(bool value) { FRShift = value; }
    void SetCommandName(const QString& value) { FCommandName = value; }
    void SetCategory(const QString& value) { FCategory = value; }
    void SetCategory_Ekstra(const QString& value) { FCategory_Ekstra = value; }

    // Category_Ekstra when set, else Category: what names the panel picture and the grid's rows.
    const QString& DisplayCategory() const {
        return FCategory_Ekstra.isEmpty() ? FCategory : FCategory_Ekstra;
    }

private:
    QString FKeyName;
    bool FRAlt = false;
    bool FLCtrl = false;
    bool FLWin = false;
    bool FLShift = false;
    bool FLAlt = false;
    bool FRCtrl = false;
    bool FRWin = false;
    bool FRShift = false;
    QString FCommandName;
    QString FCategory;
    QString FCategory_Ekstra;
};

// One key name: a virtual-key code and the name the binding table uses for that key.
class TKey_VK : public TSDLItem {
    Q_OBJECT
    Q_PROPERTY(quint16 Key READ Key WRITE SetKey)
    Q_PROPERTY(QString KeyName READ KeyName WRITE SetKeyName)

public:
    Q_INVOKABLE TKey_VK() = default;

    quint16 Key() const { return FKey; }
    const QString& KeyName() const { return FKeyName; }
    void SetKey(quint16 value) { FKey = value; }
    void SetKeyName(const QString& value) { FKeyName = value; }

private:
    quint16 FKey = 0;
    QString FKeyName;
};
