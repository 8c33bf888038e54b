#pragma once
// The key-binding database: the simulator's bindings and the program's key names, loaded from the
// embedded tables when the database is made.

#include "KeyItems.h"
#include "ZURData.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// Gives a table's text by its resource name ("KES_KEYS", "VK_KEYS", "EXTRA_CATEGORY"); raises
// EResNotFound when there is none. The program reads the embedded resources; tests give fixtures.
using TKeyTableSource = std::function<QByteArray(const QString& Name)>;

class TdmKeys {
public:
    // Loads all three tables; any error of the loaders ends the construction with nothing left behind.
    explicit TdmKeys(TKeyTableSource TableSource = {});
    ~TdmKeys();
    TdmKeys(const TdmKeys&) = delete;
    TdmKeys& operator=(const TdmKeys&) = delete;

    TSDLListe& VKKeys() const { return *FVKKeys; }
    TSDLListe& Keys() const { return *FKeys; }

    // The loaders, run once by the constructor in this order.
    void LoadKeys();
    void LoadVKKeys();
    void Fill_EkstraInfo();

private:
    QStringList tableLines(const QString& Name) const;

    TKeyTableSource FTableSource;
    std::unique_ptr<TSDLListe> FVKKeys;
    std::unique_ptr<TSDLListe> FKeys;
};

// The program's one key database, made and freed by the main window.
extern TdmKeys* dmKeys;
