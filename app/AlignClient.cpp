#include "AlignClient.h"

#include <QEvent>

namespace {

class TAlignClientFilter final : public QObject {
public:
    explicit TAlignClientFilter(QWidget* child) : QObject(child), FChild(child) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == FChild->parentWidget() && event->type() == QEvent::Resize)
            FChild->setGeometry(FChild->parentWidget()->rect());
        return false;
    }

private:
    QWidget* FChild;
};

} // namespace

void AlignClient(QWidget* child) {
    QWidget* parent = child->parentWidget();
    if (!parent) return;
    parent->installEventFilter(new TAlignClientFilter(child));
    child->setGeometry(parent->rect());
}
