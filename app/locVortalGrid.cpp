// The key browser on "Panel Keys": the window owns its data sources and hands it what it needs.
#include "locVortal.h"

#include "KeyGrid.h"
#include "dmGridDataSource.h"
#include "dmKeys.h"

void TfrmVortal_Kes_Commands::ConnectGrid() {
    TKeyGridHost host;
    host.Keys = dmKeys;
    host.RefreshGrid = [this] { RefreshGrid(); };
    host.SetModifiers = [this](const TModifierSet& Modifiers) {
        FModifiers = Modifiers;
        ShowModifiers();
    };
    host.Window = this;
    Grid->SetHost(std::move(host));
}

void TfrmVortal_Kes_Commands::RefreshGrid() {
    Grid->RefreshGrid(FCategoryDS, FKeysDS);
}
