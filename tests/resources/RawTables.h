#pragma once
// The embedded key tables read straight from their text, independently of the program's loaders,
// so that the shipped data itself can be checked.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace rawtables {

// One line of KES_KEYS: its fields as written (name -> value, trimmed, apostrophes kept).
struct RawBinding {
    QString line;
    QMap<QString, QString> fields;
    QString key;                // apostrophes removed; three apostrophes stand for the apostrophe key
    QStringList reformers;      // apostrophes removed, in table order
    QString name;
    QString category;
    QString finerCategory;      // from EXTRA_CATEGORY, empty when none names this binding

    QString DisplayCategory() const { return finerCategory.isEmpty() ? category : finerCategory; }
    // The key upper-cased and the modifier set, which together must be unique.
    QString Combination() const;
};

// One line of VK_KEYS or EXTRA_CATEGORY, cut at TAB characters.
using Columns = QStringList;

// Lines split at CR LF only: the shipped tables use nothing else. A final CR LF adds no line.
QStringList CrLfLines(const QByteArray& text);

QList<RawBinding> ReadBindings(const QByteArray& kesKeys);
QList<Columns> ReadColumns(const QByteArray& table);

// The bindings an EXTRA_CATEGORY line names: same key ignoring case, exactly the modifiers of its
// Shift, Alt and Ctrl columns, no Windows key.
QList<qsizetype> MatchingBindings(const QList<RawBinding>& bindings, const Columns& extra);

// Gives each binding that exactly one EXTRA_CATEGORY line names that line's finer category.
void AttachFinerCategories(QList<RawBinding>& bindings, const QList<Columns>& extras);

// The display categories of the bindings, each once.
QSet<QString> DisplayCategories(const QList<RawBinding>& bindings);

} // namespace rawtables
