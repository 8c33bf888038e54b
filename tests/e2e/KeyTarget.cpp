// Another application's window for the program to watch: a line to type into. What was typed is
// printed when the window closes, so a caller can see that every key arrived unchanged.
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
    window.setGeometry(260, 520, 760, 90);
    window.show();
    window.activateWindow();
    line->setFocus();
    const int status = application.exec();
    std::printf("%s\n", qPrintable(line->text()));
    return status;
}
