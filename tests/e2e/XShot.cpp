// Saves a screenshot of an X display as PNG: the whole screen, or one window given by its id.
//   kes_xshot out.png [window-id]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kes_xshot out.png [window-id]\n");
        return 2;
    }
    const WId window = argc > 2 ? WId(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "kes_xshot: no screenshot of %s\n", argc > 2 ? argv[2] : "the screen");
        return 1;
    }
    return 0;
}
