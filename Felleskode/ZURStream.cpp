#include "ZURStream.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <memory>

namespace {

constexpr quint32 fileMagic = 0x5A55524C; // "ZURL"
constexpr qint32 fileFormat = 1;
// Deeper nesting of lists than this is taken for a damaged file rather than read until the stack ends.
constexpr int maxNesting = 64;

struct TStreamRoutine {
    int Version;
    TWriteRoutine Write;
    TReadRoutine Read;
};

struct TRegistry {
    QHash<QString, TSDLItemClass> Classes;
    QHash<TSDLItemClass, TStreamRoutine> Routines;

    TRegistry() {
        for (TSDLItemClass cls : {&TSDLItem::staticMetaObject, &TSDLListe::staticMetaObject})
            Classes.insert(QString::fromLatin1(cls->className()), cls);
        Routines.insert(&TSDLItem::staticMetaObject, {1, WriteItemFields, ReadItemFields});
        Routines.insert(&TSDLListe::staticMetaObject, {2, WriteListFields, ReadListFields});
    }
};

TRegistry& registry() {
    static TRegistry instance;
    return instance;
}

const TStreamRoutine& routineOf(TSDLItemClass cls) {
    // TSDLItem has a routine, so every item class finds one.
    auto& routines = registry().Routines;
    for (TSDLItemClass c = cls;; c = c->superClass()) {
        const auto it = routines.constFind(c);
        if (it != routines.constEnd()) return *it;
    }
}

void checkStatus(const QDataStream& stream) {
    if (stream.status() != QDataStream::Ok)
        throw EReadError(QStringLiteral("the data end too early or are damaged"));
}

int nesting = 0;

} // namespace

void RegisterClass(TSDLItemClass AClass) {
    auto& classes = registry().Classes;
    const QString name = QString::fromLatin1(AClass->className());
    if (!classes.contains(name)) classes.insert(name, AClass);
}

TSDLItemClass FindClass(const QString& Name) {
    return registry().Classes.value(Name, nullptr);
}

void RegisterStreamRoutine(TSDLItemClass AClass, int Version, TWriteRoutine Write, TReadRoutine Read) {
    registry().Routines.insert(AClass, {Version, Write, Read});
}

// --- writing ----------------------------------------------------------------------------------------

void WriteItem(QDataStream& Stream, TSDLItem& Item) {
    const TSDLItemClass cls = Item.metaObject();
    const QString name = QString::fromLatin1(cls->className());
    if (FindClass(name) != cls) throw EWriteError(QStringLiteral("Class %1 is not registered").arg(name));
    const TStreamRoutine& routine = routineOf(cls);
    Stream << name << qint32(routine.Version);
    routine.Write(Stream, Item);
    Item.AfterWrite();
}

void WriteItemArray(QDataStream& Stream, const std::vector<TSDLItem*>& Items) {
    Stream << qint32(Items.size());
    for (TSDLItem* item : Items)
        WriteItem(Stream, *item);
}

void WriteItemFields(QDataStream& Stream, const TSDLItem& Item) {
    Stream << qint32(Item.ID());
}

void WriteListFields(QDataStream& Stream, const TSDLItem& List) {
    const auto& list = static_cast<const TSDLListe&>(List);
    WriteItemFields(Stream, list);
    WriteItemArray(Stream, list.FAllItems);
    Stream << (list.ClassToCreate ? QString::fromLatin1(list.ClassToCreate->className()) : QString());
}

// --- reading ----------------------------------------------------------------------------------------

TSDLItem* ReadItem(QDataStream& Stream) {
    if (nesting >= maxNesting) throw EReadError(QStringLiteral("lists are nested too deeply"));
    struct TNestingScope {
        TNestingScope() { ++nesting; }
        ~TNestingScope() { --nesting; }
    } scope;

    QString name;
    qint32 version = 0;
    Stream >> name >> version;
    checkStatus(Stream);
    const TSDLItemClass cls = FindClass(name);
    if (!cls) throw EReadError(QStringLiteral("class \"%1\" is not registered").arg(name));
    const TStreamRoutine& routine = routineOf(cls);
    if (version < 1 || version > routine.Version)
        throw EReadError(QStringLiteral("version %1 of class %2 is unknown").arg(version).arg(name));
    std::unique_ptr<TSDLItem> item;
    try {
        item.reset(TSDLItem::Create(cls, 0));
    } catch (const EAssertionFailed& e) {
        throw EReadError(e.Message());
    }
    routine.Read(Stream, *item, version);
    checkStatus(Stream);
    item->AfterRead();
    return item.release();
}

std::vector<TSDLItem*> ReadItemArray(QDataStream& Stream) {
    qint32 count = 0;
    Stream >> count;
    checkStatus(Stream);
    // Every object takes at least its class name's length and its version: 8 bytes.
    const qint64 available = Stream.device() ? Stream.device()->bytesAvailable() : 0;
    if (count < 0 || qint64(count) * 8 > available)
        throw EReadError(QStringLiteral("the item count is damaged"));
    std::vector<std::unique_ptr<TSDLItem>> items;
    items.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i)
        items.emplace_back(ReadItem(Stream));
    std::vector<TSDLItem*> result;
    result.reserve(items.size());
    for (auto& item : items)
        result.push_back(item.release());
    return result;
}

void ReadItemFields(QDataStream& Stream, TSDLItem& Item, int) {
    qint32 id = 0;
    Stream >> id;
    checkStatus(Stream);
    Item.FID = id;
}

void ReadListFields(QDataStream& Stream, TSDLItem& List, int Version) {
    auto& list = static_cast<TSDLListe&>(List);
    ReadItemFields(Stream, list, Version);
    // Owned by the list at once, so that an error further on frees them with it.
    list.replaceAllItems(ReadItemArray(Stream));
    list.ClassToCreate = nullptr;
    if (Version >= 2) {
        QString className;
        Stream >> className;
        checkStatus(Stream);
        list.ClassToCreate = className.isEmpty() ? nullptr : FindClass(className);
    }
}

// --- files ------------------------------------------------------------------------------------------

void TSDLListe::SaveToFile(const QString& FileName) {
    // The read-only attribute, that is the owner's write permission: root may write anything.
    const QFileInfo info(FileName);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) return;
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EWriteError(QStringLiteral("Cannot create file %1: %2").arg(FileName, file.errorString()));
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << fileMagic << fileFormat;
    WriteItemArray(stream, FAllItems);
    if (stream.status() != QDataStream::Ok || !file.commit())
        throw EWriteError(QStringLiteral("Cannot write file %1: %2").arg(FileName, file.errorString()));
}

void TSDLListe::LoadFromFile(const QString& FileName) {
    if (!QFile::exists(FileName)) return;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot open file %1: %2").arg(FileName, file.errorString()));
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_0);
    std::vector<std::unique_ptr<TSDLItem>> items;
    try {
        quint32 magic = 0;
        qint32 format = 0;
        stream >> magic >> format;
        if (stream.status() != QDataStream::Ok || magic != fileMagic || format != fileFormat)
            throw EReadError(QStringLiteral("it is not a list file"));
        for (TSDLItem* item : ReadItemArray(stream))
            items.emplace_back(item);
        if (!stream.atEnd()) throw EReadError(QStringLiteral("data follow the items"));
    } catch (const EReadError& e) {
        throw EReadError(QStringLiteral("Cannot read file %1: %2").arg(FileName, e.Message()));
    }
    std::vector<TSDLItem*> loaded;
    for (auto& item : items)
        loaded.push_back(item.release());
    replaceAllItems(std::move(loaded));
    UpdateLastID();
    Refilter();
}
