// panelgen: draws one picture per cockpit panel from the shipped key tables and writes it as a JPEG
// under the resource name the program looks for (see tools/README.md).
//
//     panelgen <repository root>
//
// Reads resources/tables/KES_KEYS.txt, resources/tables/EXTRA_CATEGORY.txt and
// resources/sources/panel_categories.txt; replaces every resources/panels/*.jpg.

#include "JpegWriter.h"
#include "PanelPicture.h"
#include "PanelTables.h"
#include "dmKeys.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr qsizetype kMinBytes = 100 * 1024;
constexpr qsizetype kMaxBytes = 190 * 1024; // some room below the 200 KB the program is sized for

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

int Generate(const QDir& root) {
    const panelgen::PanelTables tables = panelgen::ReadPanelTables(
        ReadFile(root.filePath("resources/tables/KES_KEYS.txt")),
        ReadFile(root.filePath("resources/tables/EXTRA_CATEGORY.txt")));
    const QStringList panels =
        panelgen::TableLines(ReadFile(root.filePath("resources/sources/panel_categories.txt")));

    QDir output(root.filePath("resources/panels"));
    output.mkpath(".");
    for (const QString& stale : output.entryList({"*.jpg"}, QDir::Files))
        output.remove(stale);

    for (const QString& category : panels) {
        const auto commands = tables.commandsByCategory.find(category);
        if (commands == tables.commandsByCategory.end())
            throw std::runtime_error("no binding has the panel category " + category.toStdString());
        const QImage picture = panelgen::DrawPanelPicture(category, *commands);
        const panelgen::SizedJpeg jpeg = panelgen::EncodeJpegWithin(picture, kMaxBytes);
        if (jpeg.data.size() < kMinBytes)
            throw std::runtime_error("picture too small even at best quality: " + category.toStdString());
        // The program opens the picture by this name, upper-cased.
        const QString file = output.filePath(PanelPictureName(category).toUpper() + ".jpg");
        WriteFile(file, jpeg.data);
        std::printf("%-60s %4dx%-4d q%-3d %6lld bytes\n", qPrintable(file), picture.width(), picture.height(),
                    jpeg.quality, static_cast<long long>(jpeg.data.size()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // it draws into images only
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: panelgen <repository root>\n");
        return 2;
    }
    try {
        return Generate(QDir(app.arguments()[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "panelgen: %s\n", error.what());
        return 1;
    }
}
