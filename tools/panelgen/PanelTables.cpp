#include "PanelTables.h"

#include <QRegularExpression>
#include <stdexcept>

namespace panelgen {
namespace {

// The modifiers in the order the finer table's columns name them: Shift, Alt, Ctrl, each left or right.
const char* const kColumnModifiers[3][2] = {{"LShift", "RShift"}, {"LAlt", "RAlt"}, {"LCtrl", "RCtrl"}};

struct Binding {
    QString key;
    QStringList reformers;
    PanelCommand command;
    QString category;
    QString finerCategory;

    bool Has(const QString& modifier) const {
        return reformers.contains(modifier, Qt::CaseInsensitive);
    }
};

QString Unquoted(const QString& value) {
    QString text = value.trimmed();
    return text.remove(QLatin1Char('\''));
}

Binding ParseBinding(const QString& line) {
    Binding binding;
    for (const QString& field : line.split(QLatin1Char('@'))) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        const QString name = field.left(equals < 0 ? field.size() : equals).trimmed();
        const QString value = equals < 0 ? QString() : field.mid(equals + 1);
        if (name == QLatin1String("key")) {
            binding.key = Unquoted(value);
            if (binding.key.isEmpty())
                binding.key = QStringLiteral("'"); // written as three apostrophes
        } else if (name == QLatin1String("reformers")) {
            for (const QString& piece : value.split(QLatin1Char(';')))
                binding.reformers << Unquoted(piece);
        } else if (name == QLatin1String("name")) {
            binding.command.name = Unquoted(value);
        } else if (name == QLatin1String("category")) {
            binding.category = Unquoted(value);
        } else if (name == QLatin1String("up")) {
            binding.command.hasUp = true;
        } else if (name == QLatin1String("pressed")) {
            binding.command.hasPressed = true;
        }
    }
    binding.command.combination = (binding.reformers + QStringList{binding.key}).join(QLatin1Char('+'));
    return binding;
}

bool MatchesFinerLine(const Binding& binding, const QStringList& columns) {
    if (binding.key.compare(columns.value(0), Qt::CaseInsensitive) != 0 || binding.Has("LWin") ||
        binding.Has("RWin"))
        return false;
    for (int pair = 0; pair < 3; ++pair) {
        for (const char* modifier : kColumnModifiers[pair]) {
            const bool wanted = columns.value(pair + 1).compare(QLatin1String(modifier), Qt::CaseInsensitive) == 0;
            if (binding.Has(QLatin1String(modifier)) != wanted)
                return false;
        }
    }
    return true;
}

} // namespace

QStringList TableLines(const QByteArray& text) {
    QStringList lines = QString::fromLatin1(text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

PanelTables ReadPanelTables(const QByteArray& kesKeys, const QByteArray& extraCategory) {
    QList<Binding> bindings;
    for (const QString& line : TableLines(kesKeys))
        bindings << ParseBinding(line);

    for (const QString& line : TableLines(extraCategory)) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        Binding* found = nullptr;
        for (Binding& binding : bindings) {
            if (!MatchesFinerLine(binding, columns))
                continue;
            if (found)
                throw std::runtime_error("finer category line names two bindings: " + line.toStdString());
            found = &binding;
        }
        if (!found)
            throw std::runtime_error("finer category line names no binding: " + line.toStdString());
        found->finerCategory = columns.value(4);
    }

    PanelTables tables;
    for (const Binding& binding : bindings) {
        const QString display = binding.finerCategory.isEmpty() ? binding.category : binding.finerCategory;
        tables.commandsByCategory[display] << binding.command;
    }
    return tables;
}

} // namespace panelgen
