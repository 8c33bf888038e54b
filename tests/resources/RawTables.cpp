#include "RawTables.h"

namespace rawtables {
namespace {

QString WithoutApostrophes(QString text) {
    return text.remove(QLatin1Char('\''));
}

} // namespace

QString RawBinding::Combination() const {
    QStringList modifiers = reformers;
    modifiers.sort();
    return key.toUpper() + QLatin1Char('|') + modifiers.join(QLatin1Char('+'));
}

QStringList CrLfLines(const QByteArray& text) {
    QStringList lines = QString::fromLatin1(text).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<RawBinding> ReadBindings(const QByteArray& kesKeys) {
    QList<RawBinding> bindings;
    for (const QString& line : CrLfLines(kesKeys)) {
        RawBinding binding;
        binding.line = line;
        for (const QString& field : line.split(QLatin1Char('@'))) {
            const qsizetype equals = field.indexOf(QLatin1Char('='));
            binding.fields.insert(field.left(equals).trimmed(), field.mid(equals + 1).trimmed());
        }
        binding.key = WithoutApostrophes(binding.fields.value("key"));
        if (binding.key.isEmpty())
            binding.key = QStringLiteral("'");
        if (binding.fields.contains("reformers"))
            for (const QString& piece : binding.fields.value("reformers").split(QLatin1Char(';')))
                binding.reformers << WithoutApostrophes(piece);
        binding.name = WithoutApostrophes(binding.fields.value("name"));
        binding.category = WithoutApostrophes(binding.fields.value("category"));
        bindings << binding;
    }
    return bindings;
}

QList<Columns> ReadColumns(const QByteArray& table) {
    QList<Columns> rows;
    for (const QString& line : CrLfLines(table))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

QList<qsizetype> MatchingBindings(const QList<RawBinding>& bindings, const Columns& extra) {
    static const char* const pairs[3][2] = {{"LShift", "RShift"}, {"LAlt", "RAlt"}, {"LCtrl", "RCtrl"}};
    QList<qsizetype> found;
    for (qsizetype index = 0; index < bindings.size(); ++index) {
        const RawBinding& binding = bindings[index];
        bool matches = binding.key.compare(extra.value(0), Qt::CaseInsensitive) == 0 &&
                       !binding.reformers.contains("LWin") && !binding.reformers.contains("RWin");
        for (int pair = 0; pair < 3 && matches; ++pair) {
            for (const char* modifier : pairs[pair]) {
                const bool wanted = extra.value(pair + 1).compare(QLatin1String(modifier), Qt::CaseInsensitive) == 0;
                matches = matches && binding.reformers.contains(QLatin1String(modifier)) == wanted;
            }
        }
        if (matches)
            found << index;
    }
    return found;
}

void AttachFinerCategories(QList<RawBinding>& bindings, const QList<Columns>& extras) {
    for (const Columns& extra : extras) {
        const QList<qsizetype> found = MatchingBindings(bindings, extra);
        if (found.size() == 1)
            bindings[found.first()].finerCategory = extra.value(4);
    }
}

QSet<QString> DisplayCategories(const QList<RawBinding>& bindings) {
    QSet<QString> categories;
    for (const RawBinding& binding : bindings)
        categories.insert(binding.DisplayCategory());
    return categories;
}

} // namespace rawtables
