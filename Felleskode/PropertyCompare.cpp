#include "PropertyCompare.h"

#include "ConditionParser.h"
#include "Exceptions.h"
#include "TextRules.h"

namespace {

template <typename T> int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

bool booleanOf(QStringView value) {
    if (SameText(value, u"True")) return true;
    if (SameText(value, u"False")) return false;
    if (const auto number = TextToFloat(value)) return *number != 0.0;
    throw EConvertError(QStringLiteral("'%1' is not a valid boolean value").arg(value));
}

qint64 integerOf(const QObject* obj, const TPropInfo& prop) {
    const QVariant raw = prop.Meta.read(obj);
    if (prop.Kind == TTypeKind::Char) return static_cast<unsigned char>(raw.value<char>());
    return raw.toLongLong();
}

int enumOrdinalOfValue(const TPropInfo& prop, QStringView value) {
    const QStringView name = value.trimmed();
    const int ordinal = EnumOrdinalOf(prop, name);
    if (ordinal >= 0) return ordinal;
    // A value of digits alone names the ordinal itself.
    if (const auto number = TextToInt64(name)) return int(*number);
    return -1;
}

} // namespace

bool ApplyOperator(int comparison, int op) {
    switch (op) {
    case opEqual:
        return comparison == 0;
    case opNotEqual:
        return comparison != 0;
    case opLess:
        return comparison < 0;
    case opGreater:
        return comparison > 0;
    case opLessEqual:
        return comparison <= 0;
    case opGreaterEqual:
        return comparison >= 0;
    default:
        return false;
    }
}

bool CompareProperty(const QObject* obj, const TPropInfo& prop, int op, QStringView value) {
    switch (prop.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Word:
    case TTypeKind::Int64:
    case TTypeKind::Char: {
        const auto wanted = TextToInt64(value);
        return wanted && ApplyOperator(threeWay(integerOf(obj, prop), *wanted), op);
    }
    case TTypeKind::Boolean: {
        const bool wanted = booleanOf(value);
        return ApplyOperator(threeWay(int(wanted), int(ReadPropAs<bool>(obj, prop))), op);
    }
    case TTypeKind::Enumeration:
        return ApplyOperator(threeWay(EnumOrdinal(obj, prop), enumOrdinalOfValue(prop, value)), op);
    case TTypeKind::Float: {
        const auto wanted = TextToFloat(value);
        return wanted && ApplyOperator(threeWay(prop.Meta.read(obj).toDouble(), *wanted), op);
    }
    case TTypeKind::String:
        return ApplyOperator(CompareText(value, ReadPropAs<QString>(obj, prop)), op);
    case TTypeKind::WChar:
        return ApplyOperator(
            CompareText(value, QString::number(prop.Meta.read(obj).value<QChar>().unicode())), op);
    case TTypeKind::Set:
    case TTypeKind::Class:
    case TTypeKind::Variant:
    case TTypeKind::Unknown:
        break;
    }
    return false;
}
