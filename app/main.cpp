// The program: one main window that shows, for every key that goes down, the command bound to it.
#include "DesignFonts.h"
#include "animator.h"
#include "locVortal.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The task-bar button belongs to the main window itself: Qt gives every top-level window its own.
    // The application title; a display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Vortal Kestrova - ShortCuts"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    RegisterDesignFonts();

    TfrmVortal_Kes_Commands mainWindow;
    mainWindow.show();
    const int status = application.exec();
    TAnimator::FreeRunner();
    return status;
}
