#include "ShippedKeysFixture.h"

#include <QIODevice>

ShippedKeysTest::ShippedKeysTest() : PreviousKeyState(SetKeyStateTable(&KeyState)) {
    LastChar.clear();
    Keys = std::make_unique<TdmKeys>();
    Keys->OnPanelPicture = [this](bool shown) { PictureReports.append(shown); };
    Keys->Viewer = [this](QIODevice* stream, bool isJpeg) {
        EXPECT_TRUE(isJpeg);
        Shown.append(stream->readAll());
    };
}

ShippedKeysTest::~ShippedKeysTest() {
    Keys.reset();
    SetKeyStateTable(PreviousKeyState);
    LastChar.clear();
}

QString ShippedKeysTest::Find(quint16 vk, const QStringList& flags) {
    QString command = QStringLiteral("(not set)");
    auto has = [&](const char* flag) { return flags.contains(QString::fromLatin1(flag)); };
    Keys->FindCommand(vk, has("LAlt"), has("RAlt"), has("LWin"), has("RWin"), has("LShift"), has("RShift"),
                      has("LCtrl"), has("RCtrl"), command, Category);
    return command;
}

QStringList ShippedKeysTest::FlagsOf(const TKey_Kes& key) {
    QStringList flags;
    if (key.LAlt()) flags << "LAlt";
    if (key.RAlt()) flags << "RAlt";
    if (key.LWin()) flags << "LWin";
    if (key.RWin()) flags << "RWin";
    if (key.LShift()) flags << "LShift";
    if (key.RShift()) flags << "RShift";
    if (key.LCtrl()) flags << "LCtrl";
    if (key.RCtrl()) flags << "RCtrl";
    return flags;
}

TKey_Kes* ShippedKeysTest::Binding(const QString& keyName, const QStringList& flags) const {
    QStringList wanted = flags;
    wanted.sort();
    for (TSDLItem* item : Keys->Keys().AllItems()) {
        auto* key = static_cast<TKey_Kes*>(item);
        QStringList has = FlagsOf(*key);
        has.sort();
        if (key->KeyName().compare(keyName, Qt::CaseInsensitive) == 0 && has == wanted) return key;
    }
    return nullptr;
}
