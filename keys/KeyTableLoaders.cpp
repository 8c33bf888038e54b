// The three loaders of the key database. The table formats:
//   KES_KEYS        fields "name = value" separated by "@"; key, reformers, name, category are used
//   VK_KEYS         VK constant name <TAB> hexadecimal code <TAB> display name
//   EXTRA_CATEGORY  key <TAB> shift <TAB> alt <TAB> ctrl <TAB> finer category

#include "dmKeys.h"

#include "Exceptions.h"
#include "FilterText.h"
#include "MessageBox.h"
#include "PublishedProps.h"
#include "TextRules.h"

#include <memory>

namespace {

// Cuts text at the first separator: what comes before it is returned, text keeps what follows.
QStringView cutAt(QStringView& text, QChar separator) {
    const qsizetype at = text.indexOf(separator);
    const QStringView head = at < 0 ? text : text.left(at);
    text = at < 0 ? QStringView() : text.mid(at + 1);
    return head;
}

QString withoutApostrophes(QStringView text) {
    QString result = text.toString();
    result.remove(u'\'');
    return result;
}

// Every apostrophe goes: they quote values but protect nothing.
void applyKeyField(TKey_Kes& key, QStringView field) {
    QStringView value = field;
    const QStringView name = TrimControl(cutAt(value, u'='));
    const QString text = withoutApostrophes(TrimControl(value));
    if (name == u"key") {
        key.SetKeyName(text.isEmpty() ? QStringLiteral("'") : text); // the apostrophe key is "'''"
    } else if (name == u"reformers") {
        QStringView rest = text;
        do {
            SetBoolProp(&key, cutAt(rest, u';'), true);
        } while (!rest.isEmpty());
    } else if (name == u"name") {
        key.SetCommandName(text);
    } else if (name == u"category") {
        key.SetCategory(text);
    }
}

} // namespace

void TdmKeys::LoadKeys() {
    for (const QString& line : tableLines(QStringLiteral("KES_KEYS"))) {
        auto key = std::make_unique<TKey_Kes>();
        QStringView rest = line;
        do {
            applyKeyField(*key, cutAt(rest, u'@'));
        } while (!rest.isEmpty());
        FKeys->Add(key.get());
        key.release();
    }
}

void TdmKeys::LoadVKKeys() {
    for (const QString& line : tableLines(QStringLiteral("VK_KEYS"))) {
        auto name = std::make_unique<TKey_VK>();
        QStringView rest = line;
        if (rest.indexOf(u'\t') < 0)
            rest = QStringView(); // the line is all first column
        else
            cutAt(rest, u'\t');
        const QString code = QStringLiteral("$") + cutAt(rest, u'\t').toString();
        const auto value = TextToInt64(code);
        if (!value) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(code));
        if (*value < 0 || *value > 0xFFFF) throw ERangeError(QStringLiteral("Range check error"));
        name->SetKey(quint16(*value));
        name->SetKeyName(TrimControl(rest).toString());
        FVKKeys->Add(name.get());
        name.release();
    }
}

void TdmKeys::Fill_EkstraInfo() {
    for (const QString& line : tableLines(QStringLiteral("EXTRA_CATEGORY"))) {
        QStringView rest = line;
        const QString key = cutAt(rest, u'\t').toString();
        const QString shift = cutAt(rest, u'\t').toString();
        const QString alt = cutAt(rest, u'\t').toString();
        const QString ctrl = cutAt(rest, u'\t').toString();
        const QString category = cutAt(rest, u'\t').toString();

        const QString shiftUp = UpperCaseAscii(shift);
        const QString altUp = UpperCaseAscii(alt);
        const QString ctrlUp = UpperCaseAscii(ctrl);
        // The table has no column for the Windows keys: it names bindings without them.
        const QStringList filter{QStringLiteral("KeyName=") + key,
                                 FlagCondition("LShift", shiftUp == u"LSHIFT"),
                                 FlagCondition("RShift", shiftUp == u"RSHIFT"),
                                 FlagCondition("LAlt", altUp == u"LALT"),
                                 FlagCondition("RAlt", altUp == u"RALT"),
                                 FlagCondition("LCtrl", ctrlUp == u"LCTRL"),
                                 FlagCondition("RCtrl", ctrlUp == u"RCTRL"),
                                 FlagCondition("LWin", false),
                                 FlagCondition("RWin", false)};
        FKeys->SetFiltered(false);
        FKeys->SetFilter(filter.join(QStringLiteral("\r\n")));
        FKeys->SetFiltered(true);

        if (FKeys->Count() == 1) {
            static_cast<TKey_Kes*>(FKeys->Items(0))->SetCategory_Ekstra(category);
        } else {
            ShowMessage(QStringLiteral("\"Fill_EkstraInfo\" feilet\"\r\n\r\n") + QStringLiteral("Key   = ") +
                        key + QStringLiteral("\r\nShift = ") + shift + QStringLiteral("\r\nAlt   = ") + alt +
                        QStringLiteral("\r\nCtrl  = ") + ctrl + QStringLiteral("\r\nCat   = ") + category);
        }
    }
}
