// The cockpit-panel picture of a found binding's category, loaded 800 ms after the binding was found.

#include "dmKeys.h"

#include "Resources.h"
#include "TextRules.h"

#include <QBuffer>
#include <exception>

QString PanelPictureName(const QString& Category) {
    QString name = Category;
    name.replace(u' ', u'_');
    name.remove(QStringLiteral("_&"));
    name.replace(u'-', u'_');
    name.remove(QStringLiteral("__"));
    return name;
}

void TdmKeys::panelPictureShown(bool Shown) const {
    if (OnPanelPicture) OnPanelPicture(Shown);
}

void TdmKeys::PanelTimerTimer() {
    FPanelTimer->SetEnabled(false);
    LoadPanelPicture(FPendingKey);
}

void TdmKeys::LoadPanelPicture(TKey_Kes* Key) {
    if (!Key) {
        panelPictureShown(false);
        return;
    }
    const QString name = PanelPictureName(Key->DisplayCategory());
    if (!FCurrentPicture.isEmpty() && FCurrentPicture == name) return;
    // Kept also when the picture is missing: the same name is not tried again.
    FCurrentPicture = name;
    bool loaded = false;
    try {
        QByteArray data = LoadResource(UpperCaseAscii(name));
        QBuffer stream(&data);
        stream.open(QIODevice::ReadOnly);
        if (Viewer) {
            Viewer(&stream, true);
            loaded = true;
        }
    } catch (const std::exception&) {
        // No picture for this category: the viewer is told to hide, the user sees no message.
    }
    panelPictureShown(loaded);
}
