#pragma once
// Readable failure messages for Qt texts in GoogleTest.

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* os) {
    *os << "{\n";
    for (const QString& line : lines)
        *os << "  \"" << line.toStdString() << "\"\n";
    *os << "}";
}
