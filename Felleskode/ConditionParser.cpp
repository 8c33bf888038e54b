#include "ConditionParser.h"

#include <QLocale>

QString OperatorText(int op) {
    switch (op) {
    case opEqual:
        return QStringLiteral("=");
    case opNotEqual:
        return QStringLiteral("<>");
    case opLess:
        return QStringLiteral("<");
    case opGreater:
        return QStringLiteral(">");
    case opLessEqual:
        return QStringLiteral("<=");
    case opGreaterEqual:
        return QStringLiteral(">=");
    default:
        return QString();
    }
}

namespace {

enum class TToken { End, Identifier, Number, Dot, Operator, Other };

inline bool isLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
inline bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads one line token by token. It remembers where the last identifier or number stands;
// operators and other tokens leave that unchanged.
class TTokenizer {
public:
    explicit TTokenizer(QStringView text) : FText(text) {}

    void Next() {
        const qsizetype n = FText.size();
        while (FPos < n && FText[FPos].unicode() >= 1 && FText[FPos].unicode() <= 32)
            ++FPos;
        if (FPos >= n || FText[FPos].unicode() == 0) {
            Kind = TToken::End;
            return;
        }
        const qsizetype start = FPos;
        const char16_t c = FText[FPos].unicode();
        if (isLetter(c)) {
            while (FPos < n && (isLetter(at(FPos)) || isDigit(at(FPos))))
                ++FPos;
            remember(start, TToken::Identifier);
        } else if (isDigit(c)) {
            scanNumber();
            remember(start, TToken::Number);
        } else if (c == u'<') {
            ++FPos;
            Kind = TToken::Operator;
            Op = opLess;
            if (FPos < n && at(FPos) == u'=') {
                Op = opLessEqual;
                ++FPos;
            } else if (FPos < n && at(FPos) == u'>') {
                Op = opNotEqual;
                ++FPos;
            }
        } else if (c == u'>') {
            ++FPos;
            Kind = TToken::Operator;
            Op = opGreater;
            if (FPos < n && at(FPos) == u'=') {
                Op = opGreaterEqual;
                ++FPos;
            }
        } else if (c == u'=') {
            ++FPos;
            Kind = TToken::Operator;
            Op = opEqual;
        } else {
            ++FPos;
            Kind = c == u'.' ? TToken::Dot : TToken::Other;
        }
    }

    QStringView Remembered() const { return FText.mid(FRememberedStart, FRememberedLength); }
    qsizetype RememberedStart() const { return FRememberedStart; }
    qsizetype Position() const { return FPos; }

    TToken Kind = TToken::End;
    int Op = opEqual;

private:
    char16_t at(qsizetype i) const { return FText[i].unicode(); }

    void remember(qsizetype start, TToken kind) {
        Kind = kind;
        FRememberedStart = start;
        FRememberedLength = FPos - start;
    }

    void scanDigits() {
        while (FPos < FText.size() && isDigit(at(FPos)))
            ++FPos;
    }

    // Digits, then an optional fraction and exponent; each is taken only when digits follow it.
    void scanNumber() {
        const qsizetype n = FText.size();
        scanDigits();
        if (FPos + 1 < n && isDigit(at(FPos + 1)) && isDecimalSeparator(at(FPos))) {
            ++FPos;
            scanDigits();
        }
        if (FPos < n && (at(FPos) == u'e' || at(FPos) == u'E')) {
            qsizetype p = FPos + 1;
            if (p < n && (at(p) == u'+' || at(p) == u'-')) ++p;
            if (p < n && isDigit(at(p))) {
                FPos = p;
                scanDigits();
            }
        }
    }

    static bool isDecimalSeparator(char16_t c) {
        if (c == u'.') return true;
        if (isLetter(c) || c <= 32 || c == u'=' || c == u'<' || c == u'>') return false;
        const QString separator = QLocale().decimalPoint();
        return separator.size() == 1 && separator[0] == QChar(c);
    }

    QStringView FText;
    qsizetype FPos = 0;
    qsizetype FRememberedStart = 0;
    qsizetype FRememberedLength = 0;
};

// Collects the field name's pieces; stays a view into the line while the pieces follow each other.
class TFieldName {
public:
    TFieldName(QStringView line, TCondition& condition) : FLine(line), FCondition(condition) {}

    void Append(qsizetype start, qsizetype length) {
        if (length == 0) return;
        if (FStart < 0) {
            FStart = start;
            FEnd = start + length;
        } else if (!FSplit && start == FEnd) {
            FEnd += length;
        } else {
            if (!FSplit) FCondition.Storage = FLine.mid(FStart, FEnd - FStart).toString();
            FSplit = true;
            FCondition.Storage.append(FLine.mid(start, length));
        }
    }

    QStringView View() const {
        if (FSplit) return FCondition.Storage;
        return FStart < 0 ? QStringView() : FLine.mid(FStart, FEnd - FStart);
    }

private:
    QStringView FLine;
    TCondition& FCondition;
    qsizetype FStart = -1;
    qsizetype FEnd = -1;
    bool FSplit = false;
};

} // namespace

void ParseCondition(QStringView line, TCondition& condition) {
    condition.Storage.clear();
    TTokenizer tokens(line);
    TFieldName field(line, condition);
    tokens.Next();
    for (;;) {
        if (tokens.Kind == TToken::Dot) {
            field.Append(tokens.Position() - 1, 1);
            tokens.Next();
        }
        field.Append(tokens.RememberedStart(), tokens.Remembered().size());
        tokens.Next();
        if (tokens.Kind != TToken::Dot) break;
    }
    if (tokens.Kind != TToken::Operator) {
        QString message = QStringLiteral("Feil i filter: \"");
        message.append(line).append(QStringLiteral("\"\r\nFant ikke gyldig operator. (CurrToken="));
        message.append(tokens.Remembered()).append(u')');
        throw EFilterError(message);
    }
    condition.FieldName = field.View();
    condition.Operator = tokens.Op;
    condition.Value = line.mid(tokens.Position());
}
