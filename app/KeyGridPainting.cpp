#include "KeyGridPainting.h"

#include "KeyGrid.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>

void DrawHeaderSection(QPainter* painter, const QWidget* widget, const QRect& rect, const QString& text,
                       bool sorted) {
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    option.orientation = Qt::Horizontal;
    option.rect = rect;
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    // The platform's habit: an ascending column shows the downward mark.
    option.sortIndicator = sorted ? QStyleOptionHeader::SortDown : QStyleOptionHeader::None;
    // The style leaves its clip behind, which would hide every cell drawn after the section.
    painter->save();
    widget->style()->drawControl(QStyle::CE_Header, &option, painter, widget);
    painter->restore();
}

TCategoryHeader::TCategoryHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsMovable(false);
    setSectionsClickable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignCenter);
    setDefaultSectionSize(TKeyGrid::DefaultColumnWidth);
}

void TCategoryHeader::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect section(-offset(), 0, TKeyGrid::CategoryColumnWidth, viewport()->height());
    QStyleOptionHeader empty;
    empty.initFrom(this);
    empty.rect = viewport()->rect();
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &empty, &painter, this);
    DrawHeaderSection(&painter, this, section, TKeyGrid::CategoryHeader, true);
}

namespace {

constexpr int RowPadding = 6;

} // namespace

TKeyGridDelegate::TKeyGridDelegate(TKeyGrid& Grid) : QStyledItemDelegate(&Grid), FGrid(Grid) {}

void TKeyGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const TcxStyle* style = FGrid.ContentStyle(index);
    if (!style) return;
    option->font = style->Font;
    option->fontMetrics = QFontMetrics(style->Font);
    option->palette.setColor(QPalette::Text, style->TextColor);
}

QSize TKeyGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // Room around the text, as the grid's rows have; the style alone gives a row the text's height.
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + RowPadding));
    if (FGrid.HasKeysHeader(index)) size.rheight() += FGrid.HeaderHeight();
    return size;
}

void TKeyGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    cell.rect = FGrid.CellRect(option.rect, index);
    if (FGrid.HasKeysHeader(index)) {
        const QRect header(option.rect.left(), option.rect.top(), option.rect.width(), FGrid.HeaderHeight());
        const QString text = index.model()->headerData(index.column(), Qt::Horizontal).toString();
        DrawHeaderSection(painter, FGrid.viewport(), header, text, index.column() == 0);
    }
    QStyledItemDelegate::paint(painter, cell, index);
}
