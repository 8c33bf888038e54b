// The main window's components at the positions and sizes of the design.
#include "locVortal.h"

#include "AlignClient.h"
#include "DesignFonts.h"
#include "DesignPictures.h"
#include "GradientBackground.h"
#include "KeyGrid.h"
#include "PictureImage.h"
#include "SystemColors.h"
#include "Timer.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>

namespace {

const QString Tahoma = QStringLiteral("Tahoma");
constexpr TColor clGreen = 0x008000;
// The lower end of the backgrounds' gradient: red 240, green 251, blue 255.
constexpr TColor BackgroundBottomEnd = 16776176;

QColor ColorOf(TColor color) { return ToQColor(ColorToRGB(color)); }
const QString Verdana = QStringLiteral("Verdana");

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void SetBackgroundColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A fixed-size label with centred text. An opaque label fills its box with the window colour, as the
// design's labels do unless they are marked transparent.
QLabel* CreateLabel(QWidget* parent, const char* name, const QRect& box, const QFont& font, const QColor& color,
                    const QString& text, bool transparent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(box);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(font);
    SetTextColor(label, color);
    if (!transparent) SetBackgroundColor(label, ColorOf(clBtnFace));
    return label;
}

QGroupBox* CreateGroupBox(QWidget* parent, const char* name, const QRect& box, const QColor& color,
                          const QString& caption) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(box);
    group->setAlignment(Qt::AlignHCenter);
    group->setFont(DesignFont(Verdana, 16, true));
    SetTextColor(group, color);
    return group;
}

// A key cap; the left and right pictures of one modifier are the same image.
TPictureImage* CreateKeyCap(QWidget* parent, const char* name, const QRect& box, const QImage& picture,
                            bool stretch = false) {
    auto* cap = new TPictureImage(parent);
    cap->setObjectName(QLatin1String(name));
    cap->setGeometry(box);
    cap->SetPicture(picture, stretch);
    cap->setAttribute(Qt::WA_TransparentForMouseEvents);
    return cap;
}

TPictureImage* CreateButton(QWidget* parent, const char* name, QPoint at, QSize designSize, const QImage& picture,
                            const QString& hint) {
    auto* button = new TPictureImage(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(at, designSize));
    button->SetPicture(picture);
    button->SetHint(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TGradientBackground* CreateBackground(QWidget* parent, const char* name, const QString& picture) {
    auto* background = new TGradientBackground(parent);
    background->setObjectName(QLatin1String(name));
    background->SetColors(ColorOf(clGradientInactiveCaption), ColorOf(BackgroundBottomEnd));
    background->SetPicture(DesignPicture(picture));
    return background;
}

} // namespace

void TfrmVortal_Kes_Commands::CreateLayout() {
    setObjectName(QStringLiteral("frmVortal_Kes_Commands"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(DesignCaption);
    setWindowIcon(DesignIcon());
    setFont(DesignFont(Tahoma, 11));
    SetBackgroundColor(this, ColorOf(clBtnFace));
    SetTextColor(this, ColorOf(clWindowText));

    pnlTop = new QWidget(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    Background = CreateBackground(pnlTop, "Background", QStringLiteral("BACKGROUND"));
    Background->setGeometry(-2, -51, 757, 345);
    CreateCommandDisplay();
    imgClose = CreateButton(pnlTop, "imgClose", {707, 4}, {32, 32}, DesignPicture(QStringLiteral("CLOSE")),
                            QStringLiteral("Close - (Right click for About)"));
    imgClose->SetCustomMenuEntry(QStringLiteral("About"));
    connect(imgClose, &TPictureImage::clicked, this, &TfrmVortal_Kes_Commands::imgCloseClick);
    connect(imgClose, &TPictureImage::customClick, this, &TfrmVortal_Kes_Commands::imgClosePropertiesCustomClick);
    imgFormSize = CreateButton(pnlTop, "imgFormSize", {8, 4}, {36, 36}, DesignPicture(QStringLiteral("FORM_SIZE")),
                               QStringLiteral("Show panel"));
    connect(imgFormSize, &TPictureImage::clicked, this, &TfrmVortal_Kes_Commands::imgFormSizeClick);

    CreateBottomPanel();

    TimerSplash = CreateTimer();
    TimerSplash->SetInterval(2000);
    TimerSplash->OnTimer = [this] { TimerSplashTimer(); };

    resize(DesignClientWidth, DesignClientHeight);
    AlignPanels();
}

void TfrmVortal_Kes_Commands::CreateCommandDisplay() {
    lblCategory = CreateLabel(pnlTop, "lblCategory", {8, 23, 735, 19}, DesignFont(Tahoma, 16, true),
                              ColorOf(clWindowText), QStringLiteral("Category"), false);
    lblCommand = CreateLabel(pnlTop, "lblCommand", {8, 64, 735, 57}, DesignFont(Tahoma, 21, true),
                             ColorOf(clNavy), QStringLiteral("Command"), true);
    lblCommand->setWordWrap(true);
    lblKey = CreateLabel(pnlTop, "lblKey", {296, 175, 176, 57}, DesignFont(Tahoma, 33), ColorOf(clWindowText),
                         QStringLiteral("lblKey"), false);

    GroupBoxL = CreateGroupBox(pnlTop, "GroupBoxL", {8, 127, 281, 151}, ColorOf(clNavy), QStringLiteral("LEFT"));
    GroupBoxR = CreateGroupBox(pnlTop, "GroupBoxR", {478, 127, 265, 151}, ColorOf(clGreen), QStringLiteral("RIGHT"));

    const QImage shift = DesignPicture(QStringLiteral("KEY_SHIFT"));
    const QImage ctrl = DesignPicture(QStringLiteral("KEY_CTRL"));
    const QImage alt = DesignPicture(QStringLiteral("KEY_ALT"));
    const QImage win = DesignPicture(QStringLiteral("KEY_WIN"));
    imgLShift = CreateKeyCap(GroupBoxL, "imgLShift", {14, 25, 81, 48}, shift);
    imgLCtrl = CreateKeyCap(GroupBoxL, "imgLCtrl", {38, 83, 81, 48}, ctrl);
    imgLWin = CreateKeyCap(GroupBoxL, "imgLWin", {129, 83, 55, 52}, win, true);
    imgLAlt = CreateKeyCap(GroupBoxL, "imgLAlt", {190, 83, 71, 48}, alt);
    imgRAlt = CreateKeyCap(GroupBoxR, "imgRAlt", {17, 83, 71, 48}, alt);
    imgRCtrl = CreateKeyCap(GroupBoxR, "imgRCtrl", {134, 83, 81, 48}, ctrl);
    imgRShift = CreateKeyCap(GroupBoxR, "imgRShift", {166, 25, 81, 48}, shift);
}

void TfrmVortal_Kes_Commands::CreateBottomPanel() {
    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    SetBackgroundColor(pnlBottom, ColorOf(clGradientInactiveCaption));

    PageControl = new QTabWidget(pnlBottom);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setTabPosition(QTabWidget::North);
    AlignClient(PageControl);

    tshPanelView = new QWidget;
    tshPanelView->setObjectName(QStringLiteral("tshPanelView"));
    PageControl->addTab(tshPanelView, QStringLiteral("Panel View"));
    Background_Bottom = CreateBackground(tshPanelView, "Background_Bottom", QStringLiteral("PANEL_VIEW"));
    AlignClient(Background_Bottom);

    tshPanelKeys = new QWidget;
    tshPanelKeys->setObjectName(QStringLiteral("tshPanelKeys"));
    PageControl->addTab(tshPanelKeys, QStringLiteral("Panel Keys"));
    Grid = new TKeyGrid(tshPanelKeys);
    Grid->setObjectName(QStringLiteral("Grid"));
    AlignClient(Grid);
}

void TfrmVortal_Kes_Commands::AlignPanels() {
    // pnlTop is aligned to the top; pnlBottom takes what is left, nothing when collapsed.
    pnlTop->setGeometry(0, 0, width(), TopPanelHeight);
    pnlBottom->setGeometry(0, TopPanelHeight, width(), std::max(0, height() - TopPanelHeight));
}

void TfrmVortal_Kes_Commands::resizeEvent(QResizeEvent* event) {
    AlignPanels();
    QWidget::resizeEvent(event);
}
