#include "PublishedProps.h"

#include "Exceptions.h"
#include "TextRules.h"

#include <QMetaEnum>
#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

TTypeKind kindOf(const QMetaProperty& p) {
    if (p.isFlagType()) return TTypeKind::Set;
    if (p.isEnumType()) return TTypeKind::Enumeration;
    const QMetaType type = p.metaType();
    if (type.flags() & QMetaType::PointerToQObject) return TTypeKind::Class;
    switch (type.id()) {
    case QMetaType::Int:
        return TTypeKind::Integer;
    case QMetaType::UShort:
        return TTypeKind::Word;
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TTypeKind::Int64;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return TTypeKind::Char;
    case QMetaType::Bool:
        return TTypeKind::Boolean;
    case QMetaType::Double:
    case QMetaType::Float:
        return TTypeKind::Float;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return TTypeKind::String;
    case QMetaType::QChar:
        return TTypeKind::WChar;
    case QMetaType::QVariant:
        return TTypeKind::Variant;
    default:
        return TTypeKind::Unknown;
    }
}

QString typeNameOf(const QMetaProperty& p, TTypeKind kind) {
    switch (kind) {
    case TTypeKind::Integer:
        return QStringLiteral("Integer");
    case TTypeKind::Word:
        return QStringLiteral("Word");
    case TTypeKind::Char:
        return QStringLiteral("Char");
    case TTypeKind::Boolean:
        return QStringLiteral("Boolean");
    case TTypeKind::String:
        return p.metaType().id() == QMetaType::QString ? QStringLiteral("string")
                                                       : QStringLiteral("AnsiString");
    case TTypeKind::WChar:
        return QStringLiteral("WideChar");
    case TTypeKind::Variant:
        return QStringLiteral("Variant");
    case TTypeKind::Float:
        return p.metaType().id() == QMetaType::Float ? QStringLiteral("Single") : QStringLiteral("Double");
    case TTypeKind::Int64:
        switch (p.metaType().id()) {
        case QMetaType::Short:
            return QStringLiteral("SmallInt");
        case QMetaType::UInt:
        case QMetaType::ULong:
            return QStringLiteral("Cardinal");
        case QMetaType::ULongLong:
            return QStringLiteral("UInt64");
        default:
            return QStringLiteral("Int64");
        }
    case TTypeKind::Enumeration:
    case TTypeKind::Set:
        return QString::fromLatin1(p.enumerator().name());
    case TTypeKind::Class: {
        const QMetaObject* target = p.metaType().metaObject();
        return QString::fromLatin1(target ? target->className() : "TObject");
    }
    case TTypeKind::Unknown:
        break;
    }
    return QString::fromLatin1(p.typeName());
}

std::vector<TPropInfo> buildTable(const QMetaObject* meta) {
    std::vector<TPropInfo> table;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const TTypeKind kind = kindOf(p);
        table.push_back({p, QString::fromLatin1(p.name()), kind, typeNameOf(p, kind)});
    }
    return table;
}

} // namespace

const std::vector<TPropInfo>& PublishedProps(const QMetaObject* meta) {
    // The filter asks for the same class thousands of times in a row: remember the last answer.
    static std::unordered_map<const QMetaObject*, std::unique_ptr<std::vector<TPropInfo>>> tables;
    static const QMetaObject* lastMeta = nullptr;
    static const std::vector<TPropInfo>* lastTable = nullptr;
    if (meta == lastMeta) return *lastTable;
    auto& slot = tables[meta];
    if (!slot) slot = std::make_unique<std::vector<TPropInfo>>(buildTable(meta));
    lastMeta = meta;
    lastTable = slot.get();
    return *slot;
}

const TPropInfo* FindPropInfo(const QMetaObject* meta, QStringView name) {
    for (const TPropInfo& p : PublishedProps(meta))
        if (SameText(p.Name, name)) return &p;
    return nullptr;
}

bool IsPublishedProp(const QObject* obj, QStringView name) {
    return FindPropInfo(obj->metaObject(), name) != nullptr;
}

std::vector<const TPropInfo*> GetPropList(const QMetaObject* meta) {
    std::vector<const TPropInfo*> list;
    for (const TPropInfo& p : PublishedProps(meta))
        list.push_back(&p);
    std::stable_sort(list.begin(), list.end(), [](const TPropInfo* a, const TPropInfo* b) {
        return CompareText(a->Name, b->Name) < 0;
    });
    return list;
}

QVariant GetPropValue(const QObject* obj, const TPropInfo& prop) {
    const QVariant raw = prop.Meta.read(obj);
    switch (prop.Kind) {
    case TTypeKind::Boolean:
        return raw.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TTypeKind::Enumeration: {
        const QMetaEnum e = prop.Meta.enumerator();
        return QString::fromLatin1(e.valueToKey(raw.toInt()));
    }
    case TTypeKind::Set: {
        const QMetaEnum e = prop.Meta.enumerator();
        const int bits = raw.toInt();
        QStringList names;
        for (int i = 0; i < e.keyCount(); ++i)
            if (e.value(i) != 0 && (bits & e.value(i)) == e.value(i))
                names.append(QString::fromLatin1(e.key(i)));
        return names.join(u',');
    }
    case TTypeKind::Char:
        return qint64(static_cast<unsigned char>(raw.value<char>()));
    case TTypeKind::WChar:
        return qint64(raw.value<QChar>().unicode());
    case TTypeKind::String:
        return raw.toString();
    default:
        return raw;
    }
}

QObject* GetObjectProp(const QObject* obj, const TPropInfo& prop) {
    if (prop.Kind != TTypeKind::Class) return nullptr;
    return prop.Meta.read(obj).value<QObject*>();
}

void SetBoolProp(QObject* obj, QStringView name, bool value) {
    const TPropInfo* prop = FindPropInfo(obj->metaObject(), name);
    if (!prop || prop->Kind != TTypeKind::Boolean || !prop->Meta.isWritable())
        throw EPropertyError(QStringLiteral("Property %1 does not exist").arg(name));
    prop->Meta.write(obj, QVariant(value));
}

int EnumOrdinalOf(const TPropInfo& prop, QStringView name) {
    const QMetaEnum e = prop.Meta.enumerator();
    for (int i = 0; i < e.keyCount(); ++i)
        if (SameText(QString::fromLatin1(e.key(i)), name)) return i;
    return -1;
}

int EnumOrdinal(const QObject* obj, const TPropInfo& prop) {
    const QMetaEnum e = prop.Meta.enumerator();
    const int value = prop.Meta.read(obj).toInt();
    for (int i = 0; i < e.keyCount(); ++i)
        if (e.value(i) == value) return i;
    return -1;
}
