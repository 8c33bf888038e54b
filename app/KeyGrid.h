#pragma once
// The key browser: categories of commands, each opening into its commands with their key and
// modifiers. It follows the displayed command's category; a right click switches to every category
// and back; a double click shows a command in the window's display as if its keys had been pressed.

#include "Messages.h"
#include "ModifierSet.h"

#include <QColor>
#include <QFont>
#include <QTreeView>

#include <functional>
#include <memory>

class TdmKeys;
class TKeyGridModel;
class TKeyGridSortModel;
class TViewCategoryDS;
class TViewKeysDS;

// How a row is drawn when it is not drawn in the view's default style.
struct TcxStyle {
    QFont Font;
    QColor TextColor;
};

// What the grid needs of the window it sits on.
struct TKeyGridHost {
    TdmKeys* Keys = nullptr;
    // Makes the grid reload through the window, which owns the data sources.
    std::function<void()> RefreshGrid;
    // Replaces the window's modifier set and shows it.
    std::function<void(const TModifierSet& Modifiers)> SetModifiers;
    // Where a double-clicked command's key is posted.
    HWND Window = nullptr;
};

class TKeyGrid final : public QTreeView {
    Q_OBJECT

public:
    static const QString CategoryHeader;
    static const QString NoKeysText;
    static constexpr int CategoryColumnWidth = 407;
    static constexpr int CommandColumnWidth = 322;
    static constexpr int DefaultColumnWidth = 64;

    explicit TKeyGrid(QWidget* parent = nullptr);
    ~TKeyGrid() override;

    void SetHost(TKeyGridHost Host);

    // Binds the data sources on first use (into the caller's fields, which own them), reloads
    // everything with drawing suspended, and opens the first category when Keys is filtered.
    void RefreshGrid(std::unique_ptr<TViewCategoryDS>& CategoryDS, std::unique_ptr<TViewKeysDS>& KeysDS);

    void viewKeysMouseUp(Qt::MouseButton Button);
    // FocusedRecord is the command record in the category record MasterRecord; below 0, no row.
    void viewKeysCellDblClick(int MasterRecord, int FocusedRecord);
    // nullptr: the view's default style.
    const TcxStyle* viewCategoryStylesGetContentStyle(int Record) const;
    const TcxStyle* viewKeysStylesGetContentStyle(int MasterRecord, int Record) const;

    // Tahoma 11, bold, navy: the category of the command last shown with the panel visible.
    TcxStyle cxStyle_Selected;

    // The style a row of the view (an index of model()) is drawn in, nullptr for the default.
    const TcxStyle* ContentStyle(const QModelIndex& index) const;
    // Where a cell's text is drawn: a category cell ends with its column, the first command of a
    // category lies below the command view's header.
    QRect CellRect(const QModelIndex& index) const;
    QRect CellRect(QRect rowRect, const QModelIndex& index) const;
    bool HasKeysHeader(const QModelIndex& index) const;
    int HeaderHeight() const;
    // The text the hint shows for a cell: its full text when the cell clips it, else empty.
    QString ClippedText(const QModelIndex& index) const;
    // What the view shows in place of rows: NoKeysText when it has none, else empty.
    QString EmptyText() const;

    TKeyGridModel& Model() const { return *FModel; }
    TKeyGridSortModel& SortModel() const { return *FSortModel; }
    // The view's index of a category record or of a command record of a category record.
    QModelIndex ViewIndexOf(int CategoryRecord, int KeyRecord = -1, int Column = 0) const;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void spanCategoryRows();

    TKeyGridHost FHost;
    TKeyGridModel* FModel;
    TKeyGridSortModel* FSortModel;
    TViewKeysDS* FKeysDS = nullptr;
};
