// Placeholder until the main window is built: says so, in a window when there is a display.
#include <QApplication>
#include <QLabel>
#include <cstdio>

int main(int argc, char** argv) {
    const char* note = "Vortal Kestrova - ShortCuts: the main window is not built yet.";
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::printf("%s\n", note);
        return 0;
    }
    QApplication app(argc, argv);
    QLabel label(note);
    label.show();
    return app.exec();
}
