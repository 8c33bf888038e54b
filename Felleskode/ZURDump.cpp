#include "ZURDump.h"

#include "PublishedProps.h"
#include "ZURData.h"

#include <algorithm>
#include <vector>

namespace {

QString attribute(QStringView name, QStringView value) {
    return QStringLiteral(" %1=\"%2\"").arg(name, value);
}

QString line(int indent, QStringView text) {
    QString result(std::max(indent, 0), u' ');
    result.append(text);
    return result;
}

// Objects whose lines are being written, outermost first: an object that holds itself, directly or
// through others, is written as an empty reference instead of recursing without end.
std::vector<const TSDLItem*>& objectsBeingWritten() {
    static std::vector<const TSDLItem*> chain;
    return chain;
}

QString valueText(const QVariant& value) {
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace

void WriteXMLObject(QStringList& Lines, int Indent, const TSDLItem& Object) {
    auto& chain = objectsBeingWritten();
    Lines.append(line(Indent, QStringLiteral("<object") +
                                  attribute(u"type", QString::fromLatin1(Object.metaObject()->className())) +
                                  QStringLiteral(">")));
    chain.push_back(&Object);
    try {
        Object.WriteXML(Lines, Indent + 2);
    } catch (...) {
        chain.pop_back();
        throw;
    }
    chain.pop_back();
    Lines.append(line(Indent, u"</object>"));
}

void TSDLItem::WriteXML(QStringList& Lines, int Indent) const {
    const auto& chain = objectsBeingWritten();
    for (const TPropInfo* prop : GetPropList(metaObject())) {
        const QString head =
            QStringLiteral("<property") + attribute(u"name", prop->Name) + attribute(u"type", prop->TypeName);
        if (prop->Kind == TTypeKind::Class) {
            const auto* held = qobject_cast<const TSDLItem*>(GetObjectProp(this, *prop));
            if (held && std::find(chain.begin(), chain.end(), held) == chain.end()) {
                Lines.append(line(Indent, head + QStringLiteral(" >")));
                WriteXMLObject(Lines, Indent + 2, *held);
                Lines.append(line(Indent, u"</property>"));
            } else {
                Lines.append(line(Indent, head + QStringLiteral(" />")));
            }
        } else {
            Lines.append(line(Indent, head + attribute(u"verdi", valueText(GetPropValue(this, *prop))) +
                                          QStringLiteral(" />")));
        }
    }
}

void TSDLListe::WriteXML(QStringList& Lines, int Indent) const {
    TSDLItem::WriteXML(Lines, Indent);
    auto setting = [&](QStringView name, QStringView type, QStringView value) {
        Lines.append(line(Indent, QStringLiteral("<property") + attribute(u"name", name) +
                                      attribute(u"type", type) + attribute(u"value", value) +
                                      QStringLiteral(" />")));
    };
    auto boolean = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    setting(u"Filtered", u"Boolean", boolean(Filtered()));
    setting(u"Filter", u"String", EscapeC(GetFilter()));
    setting(u"SortReversed", u"Boolean", boolean(SortReversed));
    setting(u"SortField", u"String", EscapeC(SortField));
    Lines.append(line(Indent, QStringLiteral("<property") + attribute(u"name", u"Items") +
                                  attribute(u"type", u"DArray") + QStringLiteral(" >")));
    for (int i = 0; i < Count(); ++i)
        WriteXMLObject(Lines, Indent + 2, *GetItem(i));
    Lines.append(line(Indent, u"</property>"));
}

QString EscapeC(QStringView text) {
    static const char letters[] = "abtnvfr"; // codes 7 to 13
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 7 && code <= 13) {
            result.append(u'\\').append(QLatin1Char(letters[code - 7]));
        } else if (code == u'"' || code == u'\\') {
            result.append(u'\\').append(c);
        } else if (code < 32) {
            result.append(QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0')));
        } else {
            result.append(c);
        }
    }
    return result;
}
