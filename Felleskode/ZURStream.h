#pragma once
// The object stream behind TSDLListe::SaveToFile / LoadFromFile.
//
// Every class written must be known to the class registry, so that reading can make it again by name.
// An object is written with the streaming routine of its class or of its nearest ancestor that has
// one, together with that routine's version; reading hands the written version to the routine.
// TSDLItem (version 1: its ID) and TSDLListe (version 2: ID, AllItems, the name of ClassToCreate)
// are registered before the first use.

#include "Exceptions.h"
#include "ZURData.h"

#include <QDataStream>
#include <QString>

class EWriteError : public Exception {
public:
    using Exception::Exception;
};

using TWriteRoutine = void (*)(QDataStream&, const TSDLItem&);
using TReadRoutine = void (*)(QDataStream&, TSDLItem&, int Version);

// The class registry: item classes by name. Registering a class twice does nothing.
void RegisterClass(TSDLItemClass AClass);
TSDLItemClass FindClass(const QString& Name);

void RegisterStreamRoutine(TSDLItemClass AClass, int Version, TWriteRoutine Write, TReadRoutine Read);

// Raise EWriteError when a class is not registered; AfterWrite follows each object.
void WriteItem(QDataStream& Stream, TSDLItem& Item);
void WriteItemArray(QDataStream& Stream, const std::vector<TSDLItem*>& Items);

// Raise EReadError on anything that is not a well-formed stream of registered classes; nothing read
// so far is left behind. AfterRead follows each object.
TSDLItem* ReadItem(QDataStream& Stream);
std::vector<TSDLItem*> ReadItemArray(QDataStream& Stream);

// The routines of the two registered classes, for descendants that stream more fields after them.
void WriteItemFields(QDataStream& Stream, const TSDLItem& Item);
void ReadItemFields(QDataStream& Stream, TSDLItem& Item, int Version);
void WriteListFields(QDataStream& Stream, const TSDLItem& List);
void ReadListFields(QDataStream& Stream, TSDLItem& List, int Version);
