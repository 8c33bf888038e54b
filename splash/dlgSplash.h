#pragma once
// The splash and About window: title, version, picture, maker and links on a gradient. It shows
// centred over its owner without taking the activation, fades in, takes the activation, and fades out
// once another window of the program becomes active, calling its owner back at both ends. It is a
// child window of its owner, so the owner's destruction takes it along at the latest.

#include <QString>
#include <QWidget>

#include "Types.h"

#include <functional>

class QLabel;
class TShader;
class TURLLabel;

class TfrmSplash : public QWidget {
    Q_OBJECT
    // Window opacity, 0 transparent to 255 opaque.
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)

public:
    // Shows the window and starts its fade-in. Only ARect's left and top are used: the window is
    // centred on the owner's outer size, offset by them. AOnFadedOut may destroy the window.
    TfrmSplash(QWidget* AOwner, const TRect& ARect, TNotifyEvent AOnFadedIn, TNotifyEvent AOnFadedOut,
               const QString& AVersion);

    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value);

    // Another window of the program became the active one: hold 100 ms, then fade out in 200 ms.
    void FormDeactivate();

    TShader* Shader;
    QLabel* lblTop;
    QLabel* lblVersion;
    QLabel* lblMaker;
    TURLLabel* lblURL;
    TURLLabel* lblEPost;
    QLabel* imgSplash;

private:
    void CreateLayout();
    void SplashFadedIn();
    void SplashFadedOut();
    // Deactivation is the program's active window changing away from this one; another
    // application taking the activation is not.
    void FocusWindowChanged(QWindow* focusWindow);

    TRect FRect;
    TNotifyEvent FOnFadedIn;
    TNotifyEvent FOnFadedOut;
    int FAlphaBlendValue = 255;
    bool FActive = false;
};
