#include "ZURData.h"

#include "ConditionParser.h"
#include "Exceptions.h"
#include "MessageBox.h"
#include "PropertyCompare.h"
#include "PublishedProps.h"
#include "TextRules.h"

#include <algorithm>

namespace {

QString listIndexError(qsizetype index) {
    return QStringLiteral("List index out of bounds (%1)").arg(index);
}

template <typename T> int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

enum class TValueRank { None, Integer, Float, Text };

TValueRank rankOf(const QVariant& v) {
    if (!v.isValid()) return TValueRank::None;
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UShort:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TValueRank::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TValueRank::Float;
    default:
        return TValueRank::Text;
    }
}

// Sort values: no value first, then numbers by value, then everything else as text.
int compareValues(const QVariant& a, const QVariant& b) {
    const TValueRank ra = rankOf(a);
    const TValueRank rb = rankOf(b);
    const bool numberA = ra == TValueRank::Integer || ra == TValueRank::Float;
    const bool numberB = rb == TValueRank::Integer || rb == TValueRank::Float;
    if (numberA && numberB) {
        if (ra == TValueRank::Integer && rb == TValueRank::Integer)
            return threeWay(a.toLongLong(), b.toLongLong());
        return threeWay(a.toDouble(), b.toDouble());
    }
    if (numberA != numberB || ra == TValueRank::None || rb == TValueRank::None)
        return threeWay(int(ra), int(rb));
    return threeWay(CompareText(a.toString(), b.toString()), 0);
}

} // namespace

// --- TSDLItem ---------------------------------------------------------------------------------------

TSDLItem* TSDLItem::Create(TSDLItemClass AClass, int AID) {
    if (!AClass || !AClass->inherits(&TSDLItem::staticMetaObject))
        throw EAssertionFailed(QStringLiteral("TSDLItem.Create: %1 is not an item class")
                                   .arg(QString::fromLatin1(AClass ? AClass->className() : "nil")));
    QObject* object = AClass->newInstance();
    if (!object)
        throw EAssertionFailed(QStringLiteral("TSDLItem.Create: %1 has no invokable constructor")
                                   .arg(QString::fromLatin1(AClass->className())));
    auto* item = static_cast<TSDLItem*>(object);
    item->FID = AID;
    return item;
}

void TSDLItem::SetID(int value) {
    if (IDWritable) FID = value;
}

// --- TSDLListe: construction ------------------------------------------------------------------------

TSDLListe::TSDLListe() : FCursor(std::make_unique<TSDLCursor>(this)) {}

TSDLListe::TSDLListe(TSDLItemClass AClassToCreate) : TSDLListe() {
    ClassToCreate = AClassToCreate;
}

TSDLListe::~TSDLListe() {
    FCursor.reset();
    FFilterLines.clear();
    Clear();
}

void TSDLListe::AfterRead() {
    FFilteredItems.clear();
    FFilterLines.clear();
    FCursor = std::make_unique<TSDLCursor>(this);
    UpdateLastID();
}

// --- the active view --------------------------------------------------------------------------------

TSDLItem* TSDLListe::GetItem(int Index) const {
    const auto& view = activeView();
    if (Index < 0 || Index >= qsizetype(view.size())) return nullptr;
    return view[size_t(Index)];
}

int TSDLListe::IndexOf(const TSDLItem* Item) const {
    const auto& view = activeView();
    const auto it = std::find(view.begin(), view.end(), Item);
    return it == view.end() ? -1 : int(it - view.begin());
}

TSDLItem* TSDLListe::FindByID(int AID) const {
    for (TSDLItem* item : activeView())
        if (item->ID() == AID) return item;
    return nullptr;
}

// --- filtering --------------------------------------------------------------------------------------

void TSDLListe::SetFiltered(bool Value) {
    if (Value == FFiltered) return;
    FFiltered = Value;
    FCursor->First();
    Refilter();
}

void TSDLListe::SetFilter(const QString& Text) {
    if (Text == GetFilter()) return;
    FFilterLines = SplitLines(Text);
    if (Text.isEmpty()) SetFiltered(false);
    FCursor->First();
    Refilter();
}

QString TSDLListe::GetFilter() const {
    return JoinLines(FFilterLines);
}

void TSDLListe::Refilter() {
    // Without filter lines the view keeps what the last filter selected.
    if (!FFiltered || FFilterLines.isEmpty()) return;
    FFilteredItems.clear();
    for (TSDLItem* item : FAllItems)
        if (MatchesFilter(item)) FFilteredItems.push_back(item);
}

bool TSDLListe::MatchesFilter(TSDLItem* Item) {
    return TestItem(FFilterLines, Item);
}

bool TSDLListe::MatchesSearch(TSDLItem* Item) {
    return TestItem(FSearchLines.value_or(QStringList()), Item);
}

bool TSDLListe::TestItem(const QStringList& Lines, TSDLItem* Item) {
    // Parsed again for every item: a filter is a few short lines, and the items are a few hundred.
    TCondition condition;
    for (const QString& line : Lines) {
        ParseCondition(line, condition);
        if (!TestProperties(Item, condition.FieldName, condition.Operator, condition.Value)) return false;
    }
    return true;
}

bool TSDLListe::TestItem(const QString& Text, TSDLItem* Item) {
    return TestItem(SplitLines(Text), Item);
}

bool TSDLListe::TestProperties(TSDLItem* Item, QStringView FieldName, int Operator, QStringView Value) {
    if (SameText(FieldName, u"classname"))
        return ApplyOperator(CompareText(Value, QString::fromLatin1(Item->metaObject()->className())),
                             Operator);

    const qsizetype dot = FieldName.indexOf(u'.');
    if (dot >= 0) {
        const TPropInfo* reference = FindPropInfo(Item->metaObject(), FieldName.left(dot));
        if (!reference) return false;
        auto* held = qobject_cast<TSDLItem*>(GetObjectProp(Item, *reference));
        if (!held) return false;
        return TestProperties(held, FieldName.mid(dot + 1), Operator, Value);
    }

    const TPropInfo* prop = FindPropInfo(Item->metaObject(), FieldName);
    if (!prop) return false;
    try {
        return CompareProperty(Item, *prop, Operator, Value);
    } catch (const Exception&) {
        QString text = QString::fromLatin1(metaObject()->className());
        text.append(QStringLiteral(".TestProperties(): Ugyldig filter. Feltet ")).append(FieldName);
        text.append(QStringLiteral(" har ikke gyldig verdi.\r\n\r\n(...")).append(FieldName);
        text.append(OperatorText(Operator)).append(Value).append(QStringLiteral("...)"));
        ShowMessage(text);
        return false;
    }
}

int TSDLListe::Locate(const QString& Text, bool InView) {
    struct TSearchScope {
        std::optional<QStringList>& Lines;
        ~TSearchScope() { Lines.reset(); }
    } scope{FSearchLines};
    FSearchLines = SplitLines(Text);
    const auto& searched = (InView && FFiltered) ? FFilteredItems : FAllItems;
    for (size_t i = 0; i < searched.size(); ++i)
        if (MatchesSearch(searched[i])) return int(i);
    return -1;
}

// --- IDs and adding ---------------------------------------------------------------------------------

void TSDLListe::UpdateLastID() {
    for (const TSDLItem* item : FAllItems)
        FLastID = std::max(FLastID, item->ID());
}

TSDLItem* TSDLListe::New(TSDLItemClass AClass) {
    const TSDLItemClass cls = AClass ? AClass : ClassToCreate;
    if (!cls) throw EAssertionFailed(QStringLiteral("TSDLListe.New: ClassToCreate not assigned"));
    return TSDLItem::Create(cls, NextID());
}

TSDLItem* TSDLListe::Add(TSDLItemClass AClass) {
    TSDLItem* item = New(AClass);
    FAllItems.push_back(item);
    return item;
}

void TSDLListe::checkAllItemsIndex(qsizetype Index, qsizetype Limit) const {
    if (Index < 0 || Index > Limit) throw EListError(listIndexError(Index));
}

TSDLItem* TSDLListe::Insert(int Index, TSDLItemClass AClass) {
    checkAllItemsIndex(Index, qsizetype(FAllItems.size()));
    TSDLItem* item = New(AClass);
    FAllItems.insert(FAllItems.begin() + Index, item);
    return item;
}

int TSDLListe::Add(TSDLItem* Item, int Index) {
    if (!Item) throw EAssertionFailed(QStringLiteral("TSDLListe.Add: Item not assigned"));
    if (Index != -1) checkAllItemsIndex(Index, qsizetype(FAllItems.size()));
    // Tested before the item is taken in, so that a filter error leaves the list as it was
    // and the item with its caller.
    const bool passes = FFiltered && MatchesFilter(Item);
    if (Index == -1)
        FAllItems.push_back(Item);
    else
        FAllItems.insert(FAllItems.begin() + Index, Item);
    if (passes) FFilteredItems.push_back(Item);
    Item->FID = NextID();
    return Item->FID;
}

// --- reordering -------------------------------------------------------------------------------------

void TSDLListe::Swap(TSDLItem* Item1, TSDLItem* Item2) {
    Swap(IndexOf(Item1), IndexOf(Item2));
}

void TSDLListe::Swap(int Index1, int Index2) {
    if (Index1 < 0 || Index1 >= Count())
        throw EAssertionFailed(QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx1 = ") +
                               QString::number(Index1));
    if (Index2 < 0 || Index2 >= Count())
        throw EAssertionFailed(QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx2 = ") +
                               QString::number(Index2));
    auto& view = FFiltered ? FFilteredItems : FAllItems;
    std::swap(view[size_t(Index1)], view[size_t(Index2)]);
}

void TSDLListe::Move(int CurIndex, int NewIndex) {
    checkAllItemsIndex(CurIndex, qsizetype(FAllItems.size()) - 1);
    Move(FAllItems[size_t(CurIndex)], NewIndex);
}

void TSDLListe::Move(TSDLItem* Item, int NewIndex) {
    const auto it = std::find(FAllItems.begin(), FAllItems.end(), Item);
    if (it == FAllItems.end()) throw EListError(listIndexError(-1));
    checkAllItemsIndex(NewIndex, qsizetype(FAllItems.size()) - 1);
    FAllItems.erase(it);
    FAllItems.insert(FAllItems.begin() + NewIndex, Item);
}

void TSDLListe::Clear() {
    FFilteredItems.clear();
    std::vector<TSDLItem*> items;
    items.swap(FAllItems);
    if (OwnsObjects)
        for (TSDLItem* item : items)
            delete item;
}

void TSDLListe::replaceAllItems(std::vector<TSDLItem*> Items) {
    Clear();
    FAllItems = std::move(Items);
}

// --- sort order -------------------------------------------------------------------------------------

int TSDLListe::Compare(TSDLItem* Item1, TSDLItem* Item2) const {
    auto valueOf = [this](const TSDLItem* item) {
        const TPropInfo* prop = FindPropInfo(item->metaObject(), SortField);
        return prop ? GetPropValue(item, *prop) : QVariant();
    };
    const int result = compareValues(valueOf(Item1), valueOf(Item2));
    return SortReversed ? -result : result;
}
