#pragma once
// The text rules the item list and the table loaders share: line splitting, ASCII-case comparison,
// trimming of control characters and number conversion.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Splits at CR LF, CR or LF; a final line break adds no empty line, an empty line inside stays one,
// a zero character ends the text.
QStringList SplitLines(QStringView text);
// Each line followed by CR LF; empty when there are none.
QString JoinLines(const QStringList& lines);

// Compares ignoring the case of A-Z only: negative, 0 or positive.
int CompareText(QStringView a, QStringView b);
inline bool SameText(QStringView a, QStringView b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}
QString UpperCaseAscii(QStringView text);

// Removes leading and trailing characters with codes 0 to 32.
QStringView TrimControl(QStringView text);

// Decimal with optional leading blanks and sign, or hexadecimal after "$" or "0x"; nothing after it.
std::optional<qint64> TextToInt64(QStringView text);
// A floating-point number in the current locale's format, surrounding blanks allowed.
std::optional<double> TextToFloat(QStringView text);
