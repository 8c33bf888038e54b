#pragma once
// The key-binding database: the simulator's bindings and the program's key names, loaded from the
// embedded tables when the database is made. It answers which binding a key with its left and right
// modifiers has, names keys, serves categories to the key browser, and loads the cockpit-panel
// picture of a found binding's category 800 ms after the binding was found.
//
// Every question is asked by filtering a list and reading its view, and the lists keep the last
// filter: Keys stays filtered by whatever was asked last.

#include "KeyItems.h"
#include "Timer.h"
#include "ZURData.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;

// Gives a table's text by its resource name ("KES_KEYS", "VK_KEYS", "EXTRA_CATEGORY"); raises
// EResNotFound when there is none. The program reads the embedded resources; tests give fixtures.
using TKeyTableSource = std::function<QByteArray(const QString& Name)>;

// Where panel pictures go: decodes the picture in Stream and shows it. The database only refers to
// the viewer; the main window connects it.
using TPanelPictureViewer = std::function<void(QIODevice* Stream, bool IsJPEG)>;

// Display category -> the first binding of the view with it, in a fixed (sorted) order.
using TCategoryMap = QMap<QString, TKey_Kes*>;

// The address the duplicate-shortcut message asks the user to write to.
inline constexpr char SupportMailAddress[] = "support@kestrova-shortcuts.example";

class TdmKeys {
public:
    // Loads all three tables; any error of the loaders ends the construction with nothing left behind.
    explicit TdmKeys(TKeyTableSource TableSource = {});
    ~TdmKeys();
    TdmKeys(const TdmKeys&) = delete;
    TdmKeys& operator=(const TdmKeys&) = delete;

    TSDLListe& VKKeys() const { return *FVKKeys; }
    TSDLListe& Keys() const { return *FKeys; }

    // Set by the main window.
    TPanelPictureViewer Viewer;
    std::function<void(bool Shown)> OnPanelPicture;
    bool PanelVisible = false;

    // The one binding of VK with exactly these modifiers: its command and its main category. Command
    // is empty when none or several bindings match (several also show the duplicate message);
    // Category is then left as it was. With PanelVisible, a found binding schedules its panel picture.
    void FindCommand(quint16 VK, bool LAlt, bool RAlt, bool LWin, bool RWin, bool LShift, bool RShift,
                     bool LCtrl, bool RCtrl, QString& Command, QString& Category);

    // The key-name table's name of VK, empty when it has none.
    QString GetVKKeyName(quint16 VK);
    // The key of a key-name table name (ASCII case ignored), 0 when none.
    quint16 VirtualKeyOf(const QString& Name);

    // Filters Keys to one category: the main one (Category) or the finer one (Category_Ekstra).
    // Remember keeps the filter for SetCategoryFilter(true).
    void FilterByCategory(const QString& Name, bool IsMainCategory, bool Remember);
    bool KeysFiltered() const { return FKeys->Filtered(); }
    void SetCategoryFilter(bool On);
    const QString& SavedFilter() const { return FSavedFilter; }

    // Rebuilds Categories from the bindings Keys shows now; returns the number of categories.
    int BuildCategories();
    // nullptr before the first BuildCategories.
    const TCategoryMap* Categories() const { return FCategories.get(); }
    // The binding of the Index-th category in iteration order, nullptr when there is none.
    TKey_Kes* CategoryAt(int Index) const;

    void LoadPanelPicture(TKey_Kes* Key);
    void PanelTimerTimer();

    TTimer& PanelTimer() const { return *FPanelTimer; }
    TKey_Kes* PendingKey() const { return FPendingKey; }
    const QString& CurrentPicture() const { return FCurrentPicture; }
    int CurrentKeyID() const { return FCurrentKeyID; }

    // The loaders, run once by the constructor in this order.
    void LoadKeys();
    void LoadVKKeys();
    void Fill_EkstraInfo();

private:
    QStringList tableLines(const QString& Name) const;
    void showDuplicates() const;
    void panelPictureShown(bool Shown) const;

    TKeyTableSource FTableSource;
    std::unique_ptr<TSDLListe> FVKKeys;
    std::unique_ptr<TTimer> FPanelTimer;
    TKey_Kes* FPendingKey = nullptr;
    QString FCurrentPicture;
    int FCurrentKeyID = 0;
    QString FSavedFilter;
    std::unique_ptr<TSDLListe> FKeys;
    std::unique_ptr<TCategoryMap> FCategories;
};

// The program's one key database, made and freed by the main window.
extern TdmKeys* dmKeys;

// The last non-blank character KeyNameOf had from the keyboard layout; empty at start.
extern QString LastChar;

// The name the user sees for VK: its character on the keyboard layout without modifiers ("z"), else
// its key-name table name ("SPACE", "F1"), else LastChar. Keys answers for the key-name table; the
// one-argument form asks dmKeys (no table while there is none).
QString KeyNameOf(quint16 VK, TdmKeys* Keys);
QString KeyNameOf(quint16 VK);

// The resource name of a category's panel picture, before upper-casing: " " -> "_", "_&" removed,
// "-" -> "_", "__" removed ("Radio & Data - Panel" -> "Radio_Data_Panel").
QString PanelPictureName(const QString& Category);
