#pragma once
// The illustration of one cockpit panel: its face, its title and one labelled control per command.

#include "PanelTables.h"

#include <QImage>

namespace panelgen {

// A 24-bit picture of the panel named category carrying the given commands.
QImage DrawPanelPicture(const QString& category, const QList<PanelCommand>& commands);

} // namespace panelgen
