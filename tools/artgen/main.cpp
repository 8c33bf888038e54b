// artgen: draws every window picture, key cap, cursor and the icon of the program and writes them as
// PNG files into the resources folder (see tools/README.md).

#include "Buttons.h"
#include "Cursors.h"
#include "Icon.h"
#include "KeyCaps.h"
#include "PreviewSheet.h"
#include "SplashPicture.h"
#include "WindowPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Output {
    QString path; // relative to the resources folder
    std::function<QImage()> make;
};

std::vector<Output> AllOutputs() {
    std::vector<Output> outputs = {
        {"pictures/BACKGROUND.png", MakeBackground},
        {"pictures/PANEL_VIEW.png", MakePanelView},
        {"pictures/CLOSE.png", MakeCloseButton},
        {"pictures/FORM_SIZE.png", MakeGaugeButton},
        {"pictures/KEY_SHIFT.png",
         [] {
             return MakeLabelledKeyCap({81, 48}, "Shift");
         }},
        {"pictures/KEY_CTRL.png",
         [] {
             return MakeLabelledKeyCap({81, 48}, "Ctrl");
         }},
        {"pictures/KEY_ALT.png",
         [] {
             return MakeLabelledKeyCap({71, 48}, "Alt");
         }},
        {"pictures/KEY_WIN.png", MakeWindowKeyCap},
        {"pictures/SPLASH.png", MakeSplashPicture},
    };
    for (int size : {16, 32, 48, 256})
        outputs.push_back({QStringLiteral("icon/ICON_%1.png").arg(size), [size] { return MakeIcon(size); }});
    for (const CursorArt& cursor : AllCursors())
        outputs.push_back(
            {QStringLiteral("cursors/%1.png").arg(cursor.name), [&cursor] { return MakeCursor(cursor); }});
    return outputs;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: artgen <resources folder> [preview sheet.png]\n");
        return 2;
    }
    const QDir root(args[1]);
    QHash<QString, QImage> drawn;
    for (const Output& out : AllOutputs()) {
        const QString file = root.filePath(out.path);
        const QImage picture = out.make();
        QDir().mkpath(QFileInfo(file).path());
        if (!picture.save(file, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
            return 1;
        }
        drawn.insert(QFileInfo(file).completeBaseName(), picture);
        std::printf("%s\n", qPrintable(file));
    }
    if (args.size() == 3 && !MakePreviewSheet(drawn).save(args[2], "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
