#pragma once
// Published-property access by name over Qt's meta-object system: what the item list needs to read,
// compare, write and dump the properties an item class declares with Q_PROPERTY.
//
// Only the properties a class declares itself or inherits from classes below QObject count as
// published; QObject's own "objectName" does not belong to the items' tables. Names are looked up
// ignoring ASCII case. Tables are built once per class and kept for the whole run (UI thread only).

#include <QMetaProperty>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <vector>

enum class TTypeKind {
    Integer,     // signed 32-bit
    Word,        // unsigned 16-bit
    Int64,       // 64-bit and the other integer types wider than a Word
    Char,        // 8-bit character
    Boolean,     // the enumeration False, True
    Enumeration, // any other Q_ENUM
    Float,
    String, // QString and QByteArray
    WChar,  // QChar
    Set,    // Q_FLAG
    Class,  // pointer to a QObject
    Variant,
    Unknown
};

struct TPropInfo {
    QMetaProperty Meta;
    QString Name;
    TTypeKind Kind;
    QString TypeName; // as written in dumps: "Integer", "Word", "Boolean", "string", ...
};

// The published properties of a class, in declaration order (ancestors first).
const std::vector<TPropInfo>& PublishedProps(const QMetaObject* meta);

// The property of that name, or nullptr when the class does not publish it.
const TPropInfo* FindPropInfo(const QMetaObject* meta, QStringView name);
bool IsPublishedProp(const QObject* obj, QStringView name);

// All published properties, sorted ascending by name (ignoring ASCII case).
std::vector<const TPropInfo*> GetPropList(const QMetaObject* meta);

// The value as a tagged value: enumerations by the name of their value ("True", "False"), sets as
// their value names joined by ",", characters by their code, numbers and text as themselves.
QVariant GetPropValue(const QObject* obj, const TPropInfo& prop);
// The value converted to T; read straight into T, without a QVariant, when the property is of type T.
template <typename T> T ReadPropAs(const QObject* obj, const TPropInfo& prop) {
    if (prop.Meta.metaType() == QMetaType::fromType<T>()) {
        T value{};
        void* argv[] = {&value};
        QMetaObject::metacall(const_cast<QObject*>(obj), QMetaObject::ReadProperty, prop.Meta.propertyIndex(),
                              argv);
        return value;
    }
    return prop.Meta.read(obj).template value<T>();
}

// The object an object-reference property holds (nullptr when none or not an object reference).
QObject* GetObjectProp(const QObject* obj, const TPropInfo& prop);

// Raises EPropertyError "Property %s does not exist" when the class publishes no writable Boolean
// property of that name: a flag name must not write a text or a number.
void SetBoolProp(QObject* obj, QStringView name, bool value);

// Ordinal of the enumeration value of that name (ASCII case ignored), -1 when there is none.
int EnumOrdinalOf(const TPropInfo& prop, QStringView name);
// Ordinal of the property's current value, -1 when the value is not one of the enumeration's.
int EnumOrdinal(const QObject* obj, const TPropInfo& prop);
