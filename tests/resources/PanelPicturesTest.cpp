// Every cockpit panel of the shipped tables has its picture under the name the program looks for,
// and no other display category has one.

#include "JpegProbe.h"
#include "RawTables.h"
#include "Resources.h"
#include "dmKeys.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

using namespace rawtables;

namespace {

QStringList PanelCategories() {
    QFile file(QStringLiteral(KES_PANEL_LIST_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KES_PANEL_LIST_FILE;
    return CrLfLines(file.readAll());
}

QStringList NonPanelCategories() {
    QList<RawBinding> bindings = ReadBindings(LoadResource("KES_KEYS"));
    AttachFinerCategories(bindings, ReadColumns(LoadResource("EXTRA_CATEGORY")));
    const QStringList panels = PanelCategories();
    QStringList others;
    for (const QString& category : DisplayCategories(bindings))
        if (!panels.contains(category))
            others << category;
    return others;
}

// The resource the program opens for a display category.
QString PictureName(const QString& category) {
    return PanelPictureName(category).toUpper();
}

} // namespace

TEST(PanelPictures, EveryPanelHasABaselineColourJpegOfTheRightSize) {
    const QStringList panels = PanelCategories();
    ASSERT_EQ(panels.size(), 45);
    for (const QString& category : panels) {
        const QString name = PictureName(category);
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(ResourceExists(name));
        const QByteArray data = LoadResource(name);
        EXPECT_GE(data.size(), 100 * 1024);
        EXPECT_LE(data.size(), 200 * 1024);
        const JpegFacts facts = ProbeJpeg(data);
        EXPECT_TRUE(facts.decoded);
        EXPECT_EQ(facts.components, 3);
        EXPECT_FALSE(facts.progressive);
        EXPECT_GE(facts.width, 1400);
        EXPECT_LE(facts.width, 1800);
        EXPECT_GE(facts.height, 900);
        EXPECT_LE(facts.height, 1200);
    }
}

TEST(PanelPictures, NoPictureForTheNineCategoriesThatAreNoPanels) {
    // The simulation, view and communication categories.
    const QStringList others = NonPanelCategories();
    EXPECT_EQ(others.size(), 9);
    EXPECT_TRUE(others.contains("General"));
    EXPECT_TRUE(others.contains("View"));
    for (const QString& category : others)
        EXPECT_FALSE(ResourceExists(PictureName(category))) << category.toStdString();
}

TEST(PanelPictures, ProbeRejectsDataThatIsNoCompleteJpeg) {
    const QByteArray picture = LoadResource(PictureName(PanelCategories().value(0)));
    EXPECT_TRUE(ProbeJpeg(picture).decoded);
    EXPECT_FALSE(ProbeJpeg(picture.left(picture.size() / 2)).decoded);
    EXPECT_FALSE(ProbeJpeg(QByteArray("not a picture")).decoded);
}
