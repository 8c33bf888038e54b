#include "KeyGrid.h"

#include "DesignFonts.h"
#include "KeyGridModel.h"
#include "KeyGridPainting.h"
#include "Keyboard.h"
#include "dmGridDataSource.h"
#include "dmKeys.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

const QString TKeyGrid::CategoryHeader = QStringLiteral("Category    (Right click for all keys)");
const QString TKeyGrid::NoKeysText = QStringLiteral("<No keys>");

namespace {

// Stops the grid's drawing for the lifetime of the guard, and lets it draw again however the scope ends.
class TUpdatesSuspended {
public:
    explicit TUpdatesSuspended(QWidget* widget) : FWidget(widget), FWasEnabled(widget->updatesEnabled()) {
        FWidget->setUpdatesEnabled(false);
    }
    ~TUpdatesSuspended() { FWidget->setUpdatesEnabled(FWasEnabled); }
    TUpdatesSuspended(const TUpdatesSuspended&) = delete;
    TUpdatesSuspended& operator=(const TUpdatesSuspended&) = delete;

private:
    QWidget* FWidget;
    bool FWasEnabled;
};

// The key a binding's key name stands for: a name of two or more characters through the key-name
// table, one character as the US layout types it (its shift state is the binding's own flags' business).
// 0 when there is no such key.
quint16 KeyCodeOf(TdmKeys& Keys, const QString& KeyName) {
    if (KeyName.size() >= 2) return Keys.VirtualKeyOf(KeyName);
    if (KeyName.size() != 1 || KeyName[0].unicode() > 0x7F) return 0;
    const qint16 scan = VkKeyScan(char(KeyName[0].unicode()));
    // No key types it: the layout's -1 would read as key 255.
    if (scan == -1) return 0;
    return quint16(scan & 0xFF);
}

const TKey_Kes* BindingWithID(const TdmKeys& Keys, int ID) {
    // All bindings, not only those Keys shows: the command view that answered last may have left
    // Keys filtered to another category than the one of the command.
    for (const TSDLItem* item : Keys.Keys().AllItems())
        if (item->ID() == ID) return static_cast<const TKey_Kes*>(item);
    return nullptr;
}

} // namespace

TKeyGrid::TKeyGrid(QWidget* parent)
    : QTreeView(parent), FModel(new TKeyGridModel(this)), FSortModel(new TKeyGridSortModel(this)) {
    cxStyle_Selected.Font = DesignFont(QStringLiteral("Tahoma"), 11, true);
    cxStyle_Selected.TextColor = QColor(0x00, 0x00, 0x80);

    setHeader(new TCategoryHeader(this));
    FSortModel->setSourceModel(FModel);
    setModel(FSortModel);
    setItemDelegate(new TKeyGridDelegate(*this));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(false);
    setSortingEnabled(false);
    setColumnWidth(0, indentation() + CommandColumnWidth);

    connect(FSortModel, &QAbstractItemModel::modelReset, this, &TKeyGrid::spanCategoryRows);
    connect(FSortModel, &QAbstractItemModel::layoutChanged, this, &TKeyGrid::spanCategoryRows);
}

TKeyGrid::~TKeyGrid() = default;

void TKeyGrid::SetHost(TKeyGridHost Host) {
    FHost = std::move(Host);
}

void TKeyGrid::spanCategoryRows() {
    // Each category row is one cell wide as the category column, whatever the command columns are.
    for (int row = 0, rows = FSortModel->rowCount(); row < rows; ++row)
        setFirstColumnSpanned(row, {}, true);
}

void TKeyGrid::RefreshGrid(std::unique_ptr<TViewCategoryDS>& CategoryDS,
                           std::unique_ptr<TViewKeysDS>& KeysDS) {
    TUpdatesSuspended suspended(this);
    if (!CategoryDS) {
        CategoryDS = std::make_unique<TViewCategoryDS>(*FHost.Keys);
        FModel->SetCategorySource(CategoryDS.get());
    }
    if (!KeysDS) {
        KeysDS = std::make_unique<TViewKeysDS>(*FHost.Keys);
        FModel->SetKeysSource(KeysDS.get());
    }
    FKeysDS = KeysDS.get();
    CategoryDS->DataChanged();
    KeysDS->DataChanged();
    if (FHost.Keys->KeysFiltered() && FModel->rowCount() > 0) expand(ViewIndexOf(0));
}

void TKeyGrid::viewKeysMouseUp(Qt::MouseButton Button) {
    if (Button != Qt::RightButton || !FHost.Keys) return;
    FHost.Keys->SetCategoryFilter(!FHost.Keys->KeysFiltered());
    if (FHost.RefreshGrid) FHost.RefreshGrid();
}

void TKeyGrid::viewKeysCellDblClick(int MasterRecord, int FocusedRecord) {
    if (FocusedRecord < 0 || !FKeysDS) return;
    // The binding of the row the user sees, though another opened category may have answered last.
    const TKey_Kes* key = FKeysDS->KeyOf(MasterRecord, FocusedRecord);
    if (!key) return;
    TModifierSet modifiers;
    modifiers.LShift = key->LShift();
    modifiers.RShift = key->RShift();
    modifiers.LAlt = key->LAlt();
    modifiers.RAlt = key->RAlt();
    modifiers.LCtrl = key->LCtrl();
    modifiers.RCtrl = key->RCtrl();
    modifiers.LWin = key->LWin();
    if (FHost.SetModifiers) FHost.SetModifiers(modifiers);
    // Posted to our own window only: the display then shows it as a pressed key.
    PostMessage(FHost.Window, WM_KEYDOWN, KeyCodeOf(*FHost.Keys, key->KeyName()), 0);
}

const TcxStyle* TKeyGrid::viewCategoryStylesGetContentStyle(int Record) const {
    if (!FHost.Keys) return nullptr;
    const TKey_Kes* shown = FHost.Keys->CategoryAt(Record);
    if (!shown || FHost.Keys->CurrentKeyID() < 0) return nullptr;
    const TKey_Kes* current = BindingWithID(*FHost.Keys, FHost.Keys->CurrentKeyID());
    if (!current) return nullptr;
    if (!shown->Category_Ekstra().isEmpty())
        return shown->Category_Ekstra() == current->Category_Ekstra() ? &cxStyle_Selected : nullptr;
    return shown->Category() == current->Category() && current->Category_Ekstra().isEmpty()
               ? &cxStyle_Selected
               : nullptr;
}

const TcxStyle* TKeyGrid::viewKeysStylesGetContentStyle(int, int) const {
    return nullptr;
}

const TcxStyle* TKeyGrid::ContentStyle(const QModelIndex& index) const {
    if (index.model() != FSortModel) return nullptr;
    const QModelIndex source = FSortModel->mapToSource(index);
    if (!source.isValid()) return nullptr;
    if (TKeyGridModel::IsKeyRow(source))
        return viewKeysStylesGetContentStyle(TKeyGridModel::CategoryRecord(source), source.row());
    return viewCategoryStylesGetContentStyle(source.row());
}

bool TKeyGrid::HasKeysHeader(const QModelIndex& index) const {
    return index.parent().isValid() && index.row() == 0;
}

int TKeyGrid::HeaderHeight() const {
    return header()->sizeHint().height();
}

QRect TKeyGrid::CellRect(QRect rowRect, const QModelIndex& index) const {
    if (HasKeysHeader(index)) rowRect.setTop(rowRect.top() + HeaderHeight());
    if (index.isValid() && !index.parent().isValid())
        rowRect.setRight(
            std::min(rowRect.right(), header()->sectionViewportPosition(0) + CategoryColumnWidth - 1));
    return rowRect;
}

QRect TKeyGrid::CellRect(const QModelIndex& index) const {
    return CellRect(visualRect(index), index);
}

QString TKeyGrid::ClippedText(const QModelIndex& index) const {
    const QString text = index.data().toString();
    if (text.isEmpty()) return {};
    const TcxStyle* contentStyle = ContentStyle(index);
    const QFontMetrics metrics(contentStyle ? contentStyle->Font : font());
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return metrics.horizontalAdvance(text) + 2 * margin > CellRect(index).width() ? text : QString();
}

QString TKeyGrid::EmptyText() const {
    return FSortModel->rowCount() == 0 ? NoKeysText : QString();
}

QModelIndex TKeyGrid::ViewIndexOf(int CategoryRecord, int KeyRecord, int Column) const {
    QModelIndex source = FModel->index(CategoryRecord, KeyRecord < 0 ? Column : 0);
    if (KeyRecord >= 0) source = FModel->index(KeyRecord, Column, source);
    return FSortModel->mapFromSource(source);
}

void TKeyGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    viewKeysMouseUp(event->button());
}

void TKeyGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (event->button() != Qt::LeftButton || !index.parent().isValid() || !CellRect(index).contains(pos))
        return;
    const QModelIndex source = FSortModel->mapToSource(index);
    viewKeysCellDblClick(TKeyGridModel::CategoryRecord(source), source.row());
}

void TKeyGrid::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    const QString empty = EmptyText();
    if (empty.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop, empty);
}

bool TKeyGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? ClippedText(index) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), CellRect(index));
    return true;
}
