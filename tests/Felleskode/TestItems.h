#pragma once
// Item classes of the tests: TTestItem publishes one property of every kind Qt can publish.

#include "Felleskode/QtPrinters.h"
#include "ZURData.h"

#include <QChar>
#include <QVariant>

class TTestItem : public TSDLItem {
    Q_OBJECT
    Q_PROPERTY(int Count MEMBER Count)
    Q_PROPERTY(quint16 Port MEMBER Port)
    Q_PROPERTY(qint64 Big MEMBER Big)
    Q_PROPERTY(char Initial MEMBER Initial)
    Q_PROPERTY(bool LShift MEMBER LShift)
    Q_PROPERTY(bool LCtrl MEMBER LCtrl)
    Q_PROPERTY(TColour Colour MEMBER Colour)
    Q_PROPERTY(double Weight MEMBER Weight)
    Q_PROPERTY(QString KeyName MEMBER KeyName)
    Q_PROPERTY(QString Category MEMBER Category)
    Q_PROPERTY(QChar Symbol MEMBER Symbol)
    Q_PROPERTY(TOptions Options READ GetOptions WRITE SetOptions)
    Q_PROPERTY(TSDLItem* Owner MEMBER Owner)
    Q_PROPERTY(QObject* Helper MEMBER Helper)
    Q_PROPERTY(QVariant Extra MEMBER Extra)

public:
    enum TColour { Red, Green, Blue };
    Q_ENUM(TColour)
    enum TOption { Lit = 1, Blinking = 2 };
    Q_DECLARE_FLAGS(TOptions, TOption)
    Q_FLAG(TOptions)

    Q_INVOKABLE TTestItem() = default;

    // moc of Qt 6.4 cannot publish a set through MEMBER.
    TOptions GetOptions() const { return Options; }
    void SetOptions(TOptions value) { Options = value; }

    int Count = 0;
    quint16 Port = 0;
    qint64 Big = 0;
    char Initial = 0;
    bool LShift = false;
    bool LCtrl = false;
    TColour Colour = Red;
    double Weight = 0;
    QString KeyName;
    QString Category;
    QChar Symbol;
    TOptions Options;
    TSDLItem* Owner = nullptr;
    QObject* Helper = nullptr;
    QVariant Extra;
};

// A descendant that is not registered with the class registry.
class TUnregisteredItem : public TSDLItem {
    Q_OBJECT
public:
    Q_INVOKABLE TUnregisteredItem() = default;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TTestItem::TOptions)

// Makes items for a list of the tests.
TTestItem* AddTestItem(TSDLListe& list, const QString& keyName, bool lShift = false, bool lCtrl = false,
                       const QString& category = QString());
