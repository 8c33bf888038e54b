#pragma once
// The in-memory object store under the key tables: items whose published properties are read and
// written by name, and a list that owns items, hands out their IDs and keeps a filtered view of them.
// A filter is a text of condition lines ("Category=General", "LShift=True"); an item passes when it
// satisfies every line. Every question asked of a list is asked by setting such a filter.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

class QDataStream;
class TSDLItem;
class TSDLListe;

// A class reference: the meta-object of a TSDLItem descendant that has a Q_INVOKABLE default constructor.
using TSDLItemClass = const QMetaObject*;

class TSDLItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ID READ ID WRITE SetID)

public:
    Q_INVOKABLE TSDLItem() = default;

    // Creates an instance of AClass (the virtual constructor) with its ID set to AID.
    static TSDLItem* Create(TSDLItemClass AClass, int AID);

    int ID() const { return FID; }
    // Takes effect only while IDWritable: the list alone hands out IDs.
    void SetID(int value);

    virtual void AfterRead() {}
    virtual void AfterWrite() {}
    // Appends one line per published property (methods aside), in ascending order of name.
    virtual void WriteXML(QStringList& Lines, int Indent) const;

protected:
    bool IDWritable = false;

private:
    friend class TSDLListe;
    friend void ReadItemFields(QDataStream&, TSDLItem&, int);
    int FID = 0;
};

// A position in the active view of a list; the list moves it to the start when its view changes.
class TSDLCursor {
public:
    explicit TSDLCursor(TSDLListe* list) : FList(list) {}
    TSDLCursor(const TSDLCursor&) = delete;
    TSDLCursor& operator=(const TSDLCursor&) = delete;

    TSDLListe* List() const { return FList; }
    int Position() const { return FPosition; }
    void First() { FPosition = 0; }

private:
    TSDLListe* FList;
    int FPosition = 0;
};

class TSDLListe : public TSDLItem {
    Q_OBJECT

public:
    Q_INVOKABLE TSDLListe();
    explicit TSDLListe(TSDLItemClass AClassToCreate);
    ~TSDLListe() override;
    TSDLListe(const TSDLListe&) = delete;
    TSDLListe& operator=(const TSDLListe&) = delete;

    void AfterRead() override;
    void WriteXML(QStringList& Lines, int Indent) const override;

    // The active view: FilteredItems while Filtered, else AllItems.
    int Count() const { return int(activeView().size()); }
    TSDLItem* Items(int Index) const { return GetItem(Index); }
    virtual TSDLItem* GetItem(int Index) const;
    int IndexOf(const TSDLItem* Item) const;
    TSDLItem* FindByID(int AID) const;

    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool Value);
    void SetFilter(const QString& Text);
    QString GetFilter() const;
    void Refilter();

    int Locate(const QString& Text, bool InView);

    int LastID() const { return FLastID; }
    int NextID() { return ++FLastID; }
    void UpdateLastID();

    TSDLItem* New(TSDLItemClass AClass);
    virtual TSDLItem* Add(TSDLItemClass AClass);
    virtual TSDLItem* Insert(int Index, TSDLItemClass AClass);
    virtual int Add(TSDLItem* Item, int Index = -1);

    virtual void Swap(TSDLItem* Item1, TSDLItem* Item2);
    virtual void Swap(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    virtual void Move(TSDLItem* Item, int NewIndex);

    void Clear();

    // Orders two items by the property named by SortField: 1, -1 or 0, negated when SortReversed.
    virtual int Compare(TSDLItem* Item1, TSDLItem* Item2) const;

    virtual bool TestItem(const QStringList& Lines, TSDLItem* Item);
    virtual bool TestItem(const QString& Text, TSDLItem* Item);
    virtual bool TestProperties(TSDLItem* Item, QStringView FieldName, int Operator, QStringView Value);

    // Writing and reading AllItems through the object stream (see ZURStream.h).
    virtual void SaveToFile(const QString& FileName);
    virtual void LoadFromFile(const QString& FileName);

    const std::vector<TSDLItem*>& AllItems() const { return FAllItems; }
    const std::vector<TSDLItem*>& FilteredItems() const { return FFilteredItems; }
    TSDLCursor& Cursor() const { return *FCursor; }

    QString SortField;
    bool SortReversed = false;
    TSDLItemClass ClassToCreate = nullptr;
    bool OwnsObjects = true;

protected:
    virtual bool MatchesFilter(TSDLItem* Item);
    virtual bool MatchesSearch(TSDLItem* Item);

private:
    friend void WriteListFields(QDataStream&, const TSDLItem&);
    friend void ReadListFields(QDataStream&, TSDLItem&, int);

    const std::vector<TSDLItem*>& activeView() const { return FFiltered ? FFilteredItems : FAllItems; }
    void checkAllItemsIndex(qsizetype Index, qsizetype Limit) const;
    void replaceAllItems(std::vector<TSDLItem*> Items);

    std::vector<TSDLItem*> FAllItems;
    std::vector<TSDLItem*> FFilteredItems;
    int FLastID = 0;
    QStringList FFilterLines;
    bool FFiltered = false;
    std::unique_ptr<TSDLCursor> FCursor;
    std::optional<QStringList> FSearchLines;
};
