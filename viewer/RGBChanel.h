#pragma once
// Settings of the viewer's colour-channel filter. Every setter stores its value and then notifies OnChange.

#include "Channels.h"
#include "Types.h"

#include <QObject>

class TRGBChanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool MonoRGB READ MonoRGB WRITE SetMonoRGB)
    Q_PROPERTY(bool RGB READ RGB WRITE SetRGB)
    Q_PROPERTY(bool R READ R WRITE SetR)
    Q_PROPERTY(bool G READ G WRITE SetG)
    Q_PROPERTY(bool B READ B WRITE SetB)

public:
    explicit TRGBChanel(QObject* parent = nullptr);

    bool MonoRGB() const { return FMonoRGB; }
    void SetMonoRGB(bool value);
    // Setting it sets R, G and B to the same value as well: four notifications in all.
    bool RGB() const { return FRGB; }
    void SetRGB(bool value);
    bool R() const { return FR; }
    void SetR(bool value);
    bool G() const { return FG; }
    void SetG(bool value);
    bool B() const { return FB; }
    void SetB(bool value);

    // Copies the five flags of source without notifying anyone.
    void CopyFlagsFrom(const TRGBChanel& source);
    TChannelFlags Flags() const { return {FMonoRGB, FR, FG, FB}; }

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FMonoRGB = false;
    bool FRGB = false;
    bool FR = true;
    bool FG = true;
    bool FB = true;
};
