#pragma once
// The outline of our single-seat gunship, seen from its left side with the nose to the left, in a
// design space of kDesignSize. The painted livery, the silhouette and the cut-away all draw these
// same parts, so the aircraft looks alike in every picture.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace heli {

inline constexpr QSizeF kDesignSize{1000, 560};

QPainterPath Fuselage();       // nose, cabin, engine deck and tail boom in one outline
QPainterPath Canopy();         // the single-seat bubble
QPainterPath TailFin();        // swept fin with its ventral part
QPainterPath Stabiliser();     // horizontal tail plane
QPainterPath StubWing();       // the near stub wing, seen edge-on
QPainterPath RocketPod();      // pod under the near wing
QPainterPath WingtipMissile(); // missile on the wing-tip rail
QPainterPath Skids();          // landing skids with their struts
QPainterPath ChinGun();        // turret and barrel under the cockpit
QPainterPath NoseSensor();     // sighting ball at the nose
QPainterPath RotorMast();      // mast and hub
QPainterPath MainBlades();     // the two blades seen from the side
QPainterPath EngineNacelle();  // side bulge of the turbine
QPainterPath EngineIntake();
QPainterPath Exhaust();

inline constexpr QPointF kRotorHub{565, 180};
inline constexpr QPointF kTailRotorHub{934, 214};
inline constexpr double kTailRotorRadius = 62;
inline constexpr double kMainRotorRadius = 470;

// Everything solid, united: for silhouettes and shadows.
QPainterPath Solid();

// The box that holds the whole aircraft with its turning rotors, to fit pictures to.
QRectF Bounds();

} // namespace heli
