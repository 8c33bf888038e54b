// Another application's window for the program to watch: a line to type into. The text is printed
// after every change, so a caller can see that every key arrived unchanged.
//   kes_keytarget [top]    top: the window's distance from the top of the screen (520)
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Key target"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Another application: keys typed here are shown by the "
                                                "program above, and still arrive here.")));
    auto* line = new QLineEdit;
    line->setObjectName(QStringLiteral("typed"));
    layout->addWidget(line);
    QObject::connect(line, &QLineEdit::textChanged, [](const QString& text) {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    const int top = argc > 1 ? QByteArray(argv[1]).toInt() : 520;
    window.setGeometry(260, top, 760, 90);
    window.show();
    window.activateWindow();
    line->setFocus();
    return application.exec();
}
