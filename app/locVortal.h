#pragma once
// The main window: the command display of the last key, the modifier key caps, and, expanded, the
// panel picture and the key browser.

#include "Keyboard.h"
#include "Messages.h"
#include "ModifierSet.h"

#include <QString>
#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QTabWidget;
class TKeyGrid;
class TViewCategoryDS;
class TViewKeysDS;
class TGradientBackground;
class TALZoomImage;
class TPictureImage;
class TTimer;
class TfrmSplash;

class TfrmVortal_Kes_Commands : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)

public:
    // The design's client area; the outer height adds the frame, as the window's heights count it.
    static constexpr int DesignClientWidth = 752;
    static constexpr int DesignClientHeight = 754;
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 26;
    static constexpr int CollapsedHeight = 320;
    static constexpr int ExpandedHeight = 913;
    static constexpr int TopPanelHeight = 294;

    static const QString DesignCaption;

    explicit TfrmVortal_Kes_Commands(QWidget* parent = nullptr);
    ~TfrmVortal_Kes_Commands() override;

    // The window's outer size, frame included.
    int Height() const { return height() + FrameHeight; }
    int Width() const { return width() + FrameWidth; }
    void SetHeight(int outerHeight);

    int AlphaBlendValue() const;
    void SetAlphaBlendValue(int value);

    const QString& Version() const { return FVersion; }
    const TModifierSet& Modifiers() const { return FModifiers; }

    void imgFormSizeClick();
    void ApplyPanelHeight();

    // Keystrokes: the application's message hook, the window's key preview and the modifier set.
    void AppMessage(MSG& Msg, bool& Handled);
    void FormKeyDown(quint16 Key);
    void ToggleModifiers();
    void ShowModifiers();
    void ClearLeftModifiers();
    void ClearRightModifiers();
    void SwitchKeyboardLayout(bool Load);
    // The key database's report whether a panel picture is showing.
    void PanelPictureChanged(bool Shown);
    // Reloads the key browser from the key database.
    void RefreshGrid();

    // Fades, About and the hand-over with the splash window.
    void imgCloseClick();
    void imgClosePropertiesCustomClick();
    void TimerSplashTimer();
    void FadeOutAndClose();
    void CloseAfterFade();
    void SplashFadedIn();
    void SplashFadedOut();

    const MSG& LastKeyMsg() const { return FLastKeyMsg; }
    bool Hooked() const { return FHooked; }
    TALZoomImage* Viewer() const { return FViewer; }

    // The components of the layout, named as the design names them.
    QWidget* pnlTop = nullptr;
    TGradientBackground* Background = nullptr;
    TPictureImage* imgClose = nullptr;
    TPictureImage* imgFormSize = nullptr;
    QLabel* lblCategory = nullptr;
    QLabel* lblCommand = nullptr;
    QLabel* lblKey = nullptr;
    QGroupBox* GroupBoxL = nullptr;
    QGroupBox* GroupBoxR = nullptr;
    TPictureImage* imgLShift = nullptr;
    TPictureImage* imgLCtrl = nullptr;
    TPictureImage* imgLWin = nullptr;
    TPictureImage* imgLAlt = nullptr;
    TPictureImage* imgRAlt = nullptr;
    TPictureImage* imgRCtrl = nullptr;
    TPictureImage* imgRShift = nullptr;
    QWidget* pnlBottom = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* tshPanelView = nullptr;
    QWidget* tshPanelKeys = nullptr;
    TGradientBackground* Background_Bottom = nullptr;
    TKeyGrid* Grid = nullptr;
    std::unique_ptr<TTimer> TimerSplash;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateLayout();
    void CreateCommandDisplay();
    void CreateBottomPanel();
    void AlignPanels();
    void FormCreate();
    void FormDestroy();
    void PlaceWindow();
    void CreateViewer();
    void ConnectGrid();
    void OpenSplash(int topOffset);
    void ReleaseSplash();
    void DisplayKey(MSG& Msg);
    void ReShowLastKey();
    void ShowCommand(quint16 VK);

    QString FVersion;
    TModifierSet FModifiers;
    HKL FKeyboardLayout = 0;
    MSG FLastKeyMsg;
    bool FHooked = false;
    bool FModifierToggled = false;
    TALZoomImage* FViewer = nullptr;
    // The key browser's data sources: none until its first reload, then kept for the window's life.
    std::unique_ptr<TViewCategoryDS> FCategoryDS;
    std::unique_ptr<TViewKeysDS> FKeysDS;
    int FAlphaBlendValue = 255;
};

// The main window, set before its creation handler runs and cleared when it is gone.
extern TfrmVortal_Kes_Commands* frmVortal_Kes_Commands;

// The splash window showing now, or none.
extern TfrmSplash* frmSplash;
