#pragma once
// One condition line of a filter, such as "Category=General" or "Owner.Name<>X": a field name,
// one of six comparison operators and the rest of the line as the value, exactly as written.

#include "Exceptions.h"

#include <QString>
#include <QStringView>

enum TSDLOperator {
    opEqual = 0,
    opNotEqual = 1,
    opLess = 2,
    opGreater = 3,
    opLessEqual = 4,
    opGreaterEqual = 5
};

// "=", "<>", "<", ">", "<=", ">=".
QString OperatorText(int op);

// A condition line without a valid operator.
class EFilterError : public Exception {
public:
    using Exception::Exception;
};

struct TCondition {
    // A view into the parsed line when the name was written in one piece, else into Storage.
    QStringView FieldName;
    int Operator = opEqual;
    QStringView Value;
    QString Storage;

    TCondition() = default;
    TCondition(const TCondition&) = delete; // FieldName may point into Storage
    TCondition& operator=(const TCondition&) = delete;
};

// Parses line into condition (whose views point into line). Raises EFilterError
// "Feil i filter: "<line>"\r\nFant ikke gyldig operator. (CurrToken=<last identifier or number>)".
void ParseCondition(QStringView line, TCondition& condition);
