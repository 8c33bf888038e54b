#pragma once
// A label that opens its address with the system's default handler when clicked (a web page, or a new
// mail for a "mailto:" address); navy, and purple once it has been visited.

#include <QLabel>
#include <QString>

class TURLLabel : public QLabel {
    Q_OBJECT

public:
    TURLLabel(const QString& caption, const QString& address, QWidget* parent);

    const QString& Address() const { return FAddress; }
    bool Visited() const { return FVisited; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowColor();

    QString FAddress;
    bool FVisited = false;
};
