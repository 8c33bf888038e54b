#pragma once
// How the key browser draws its two views in one tree: the category view's header above the tree,
// and the command view's header above the first command of an opened category.

#include <QHeaderView>
#include <QStyledItemDelegate>

class TKeyGrid;

// One header section in the widget's style; a sorted section shows the ascending mark.
void DrawHeaderSection(QPainter* painter, const QWidget* widget, const QRect& rect, const QString& text,
                       bool sorted);

// The tree's own header, drawn as the category view's: one section as wide as the category column.
// Its sections still size the tree's columns, which are the command view's.
class TCategoryHeader final : public QHeaderView {
    Q_OBJECT

public:
    explicit TCategoryHeader(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Draws a row in the style the grid gives it, and the command view's header above the first command.
class TKeyGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TKeyGridDelegate(TKeyGrid& Grid);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    TKeyGrid& FGrid;
};
