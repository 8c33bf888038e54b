#pragma once
// The shipped key tables read the way the program reads them, reduced to what a panel picture shows:
// for each display category, its commands with their key combinations, in table order.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace panelgen {

// How the simulator receives the key, which decides the kind of control that fits.
struct PanelCommand {
    QString name;        // "Batteries power"
    QString combination; // "LShift+LCtrl+Q"
    bool hasUp = false;      // released keys are momentary controls
    bool hasPressed = false; // held keys are continuous controls
};

struct PanelTables {
    QMap<QString, QList<PanelCommand>> commandsByCategory; // display category -> commands
};

// Builds the commands of every display category from the texts of KES_KEYS and EXTRA_CATEGORY.
// Throws std::runtime_error for a finer-category line that names no binding or more than one.
PanelTables ReadPanelTables(const QByteArray& kesKeys, const QByteArray& extraCategory);

// The lines of a table text, split at CR LF, CR or LF; a final line break adds no empty line.
QStringList TableLines(const QByteArray& text);

} // namespace panelgen
