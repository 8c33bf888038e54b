#pragma once
// Which cockpit control fits a command: chosen from the words of its name and from how the
// simulator receives the key (released keys are buttons, held keys continuous controls).

#include "PanelTables.h"

namespace panelgen {

enum class ControlKind {
    Toggle,     // two-position lever switch
    Guarded,    // lever switch under a red hinged cover
    PushButton, // round momentary button
    Keycap,     // square keypad key with its legend on the cap
    Knob,       // rotary selector over a scale
    Rocker,     // spring-loaded rocker held in one direction
};

// The direction a rocker is pushed in, read from the command's name.
enum class RockerDirection { Up, Down, Left, Right };

ControlKind KindOf(const PanelCommand& command);
RockerDirection DirectionOf(const PanelCommand& command);

// The words engraved at a lever switch's two positions: "AUTO" and "MANUAL" for "... auto/manual",
// "NORTH" and "TRACK" for "... north up/track up", "ON" and "OFF" when the name names none.
struct PositionWords {
    QString upper;
    QString lower;
};
PositionWords PositionWordsOf(const PanelCommand& command);

// The short legend printed on a keypad key or button cap ("7", "ENT"), empty when there is none.
QString CapLegend(const PanelCommand& command);

} // namespace panelgen
