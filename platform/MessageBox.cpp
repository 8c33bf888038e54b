#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

class SystemMessageBox final : public IMessageBox {
public:
    void Show(const QString& text) override {
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    }
};

SystemMessageBox systemBox;
IMessageBox* current = &systemBox;

} // namespace

void ShowMessage(const QString& text) { current->Show(text); }

IMessageBox* SetMessageBoxService(IMessageBox* service) {
    IMessageBox* previous = current;
    current = service ? service : &systemBox;
    return previous;
}
