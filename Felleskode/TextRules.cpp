#include "TextRules.h"

#include <QLocale>
#include <limits>

QStringList SplitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c == u'\0') break;
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (i > start) lines.append(text.mid(start, i - start).toString());
    return lines;
}

QString JoinLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

namespace {
inline char16_t upperAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
} // namespace

int CompareText(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = upperAscii(pa[i]);
        const char16_t cb = upperAscii(pb[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QString UpperCaseAscii(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(upperAscii(text[i].unicode()));
    return result;
}

QStringView TrimControl(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.mid(b, e - b);
}

std::optional<qint64> TextToInt64(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n) return std::nullopt;
    // Accumulated as a negative number so that the lowest 64-bit value converts too.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        if (value < (lowest + digit) / base) return std::nullopt;
        value = value * base - digit;
    }
    if (!negative) {
        if (value == lowest) return std::nullopt;
        value = -value;
    }
    return value;
}

std::optional<double> TextToFloat(QStringView text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return value;
}
