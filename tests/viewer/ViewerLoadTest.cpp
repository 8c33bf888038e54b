// Loading pictures into the viewer, its published properties and the zoom rule's side effects.
#include "Exceptions.h"
#include "ViewerFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using ViewerLoad = ViewerTest;

TEST_F(ViewerLoad, NoStreamReturnsFalseAndChangesNothing) {
    Load(TwelveColours());
    EXPECT_FALSE(View->LoadFromStream(nullptr, true));
    EXPECT_EQ(View->Picture().size(), QSize(4, 3));
}

TEST_F(ViewerLoad, JpegBecomesTheLoadedAndTheWorkingPicture) {
    EXPECT_TRUE(LoadBytes(EncodeJpeg(PhotoLikePicture(160, 100), 90), true));
    EXPECT_EQ(View->Picture().size(), QSize(160, 100));
    EXPECT_EQ(View->Picture().format(), QImage::Format_RGB888);
    EXPECT_EQ(View->WorkingPicture(), View->Picture());
    EXPECT_EQ(View->Geometry().PictureWidth, 160);
    EXPECT_FALSE(View->Busy());
}

TEST_F(ViewerLoad, CorruptJpegKeepsThePreviousPictureAndReportsSuccess) {
    Load(TwelveColours());
    const QByteArray sound = EncodeJpeg(PhotoLikePicture(160, 100), 90);
    EXPECT_TRUE(LoadBytes(sound.left(sound.size() / 2), true));
    EXPECT_TRUE(LoadBytes("not a picture", true));
    EXPECT_EQ(Labels(View->Picture()), Labels(TwelveColours()));
    EXPECT_EQ(View->WorkingPicture(), View->Picture());
    EXPECT_FALSE(View->Busy());
}

TEST_F(ViewerLoad, UnreadableBitmapRaisesOnceTheLoadHasFinished) {
    Load(TwelveColours());
    View->SetFitting(true);
    EXPECT_THROW(LoadBytes("BM, but nothing more", false), EReadError);
    EXPECT_FALSE(View->Busy());
    EXPECT_EQ(Labels(View->Picture()), Labels(TwelveColours()));
    // The closing steps ran: the kept picture was fitted again.
    EXPECT_EQ(View->Zoom(), 300.0L / 3);
    EXPECT_EQ(View->xCent(), 2);
}

TEST_F(ViewerLoad, WithoutFittingALoadKeepsZoomAndCentre) {
    LoadPlain(1000, 800);
    View->SetZoom(2);
    CentreOn(123, 45);
    LoadPlain(600, 500);
    EXPECT_EQ(View->Zoom(), 2);
    EXPECT_EQ(View->xCent(), 123);
    EXPECT_EQ(View->yCent(), 45);
}

TEST_F(ViewerLoad, WithFittingEveryLoadEndsFitted) {
    View->SetFitting(true);
    View->resize(200, 100);
    LoadPlain(1000, 1000);
    EXPECT_EQ(View->Zoom(), 100.0L / 1000);
    EXPECT_EQ(View->xCent(), 500);
    EXPECT_EQ(View->yCent(), 500);
}

TEST_F(ViewerLoad, FitOfAControlWithoutHeightChangesNothing) {
    LoadPlain(1000, 1000);
    View->resize(200, 0);
    View->FitToWindow();
    EXPECT_EQ(View->Zoom(), 1);
    EXPECT_EQ(View->xCent(), 0);
}

class ViewerFile : public ViewerTest {
protected:
    QTemporaryDir Dir;
    QString Write(const QString& name, const QByteArray& data) {
        const QString path = Dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }
};

TEST_F(ViewerFile, LoadsJpgAndBmpFilesByTheirExtension) {
    View->SetFileName(Write("panel.jpg", EncodeJpeg(PhotoLikePicture(40, 30), 90)));
    EXPECT_EQ(View->Picture().size(), QSize(40, 30));
    View->SetFileName(Write("panel.BMP", EncodeBmp(TwelveColours(), 24, false)));
    EXPECT_EQ(Labels(View->Picture()), Labels(TwelveColours()));
}

TEST_F(ViewerFile, OtherExtensionsAndMissingFilesReadNothingButTakeTheName) {
    Load(TwelveColours());
    const QString jpeg = Write("panel.jpeg", EncodeJpeg(PhotoLikePicture(40, 30), 90));
    View->SetFileName(jpeg);
    EXPECT_EQ(View->FileName(), jpeg);
    const QString missing = Dir.filePath("missing.jpg");
    View->SetFileName(missing);
    EXPECT_EQ(View->FileName(), missing);
    const QString broken = Write("broken.bmp", "BM!");
    View->SetFileName(broken);
    EXPECT_EQ(View->FileName(), broken);
    EXPECT_EQ(Labels(View->Picture()), Labels(TwelveColours()));
    EXPECT_FALSE(View->Busy());
}

TEST_F(ViewerFile, TheSameNameDoesNotLoadAgain) {
    const QString path = Write("panel.bmp", EncodeBmp(TwelveColours(), 24, false));
    View->SetFileName(path);
    Write("panel.bmp", EncodeBmp(LabelledPicture({"ab", "cd"}), 24, false));
    View->SetFileName(path);
    EXPECT_EQ(View->Picture().size(), QSize(4, 3));
}

TEST_F(ViewerLoad, ZoomRuleBeforeAnyPictureRefusesButStillNotifiesAndHidesTheSelection) {
    Click({100, 100});
    ASSERT_TRUE(View->SelectionShown());
    std::vector<std::tuple<double, double, double, int, int>> notices;
    View->OnChangeWindow = [&](QObject*, double, double, double xWorld, double yWorld, double zoom, int x, int y) {
        notices.emplace_back(xWorld, yWorld, zoom, x, y);
    };
    View->SetZoom(2);
    EXPECT_EQ(View->Zoom(), 1);
    // At the anchor, the last press, and the picture point under it at zoom 1 about centre (0, 0).
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], std::make_tuple(-100.0, -50.0, 1.0, 100, 100));
    EXPECT_FALSE(View->SelectionShown());
    EXPECT_EQ(View->SelectionState(), ssStarted);
}

TEST_F(ViewerLoad, SettingTheCurrentZoomDoesNothingAtAll) {
    int notices = 0;
    View->OnChangeWindow = [&](QObject*, double, double, double, double, double, int, int) { ++notices; };
    View->SetZoom(1);
    EXPECT_EQ(notices, 0);
}

TEST_F(ViewerLoad, CenteredMovesTheCentreOnceToTheMiddle) {
    LoadPlain(300, 200);
    View->SetCentered(true);
    EXPECT_EQ(View->xCent(), 150);
    EXPECT_EQ(View->yCent(), 100);
    View->DragPicture(10, 10);
    Frame();
    EXPECT_EQ(View->xCent(), 140);
}

TEST_F(ViewerLoad, OverMoveOffClampsTheCentreAtTheNextPaint) {
    LoadPlain(1000, 800);
    View->SetOverMove(false);
    CentreOn(-50, 3000);
    Frame();
    EXPECT_EQ(View->xCent(), 0);
    EXPECT_EQ(View->yCent(), 800);
}

TEST_F(ViewerLoad, ResizingKeepsZoomAndTheMiddlePicturePoint) {
    LoadPlain(1000, 800);
    View->SetZoom(2);
    CentreOn(300, 200);
    View->resize(301, 150);
    Frame();
    EXPECT_EQ(View->Zoom(), 2);
    EXPECT_EQ(View->xCent(), 300);
    EXPECT_EQ(View->ScreenToWorldX(301) - View->ScreenToWorldX(0), 301 / 2.0);
    EXPECT_EQ(View->WorldToScreenY(200), 75);
}

TEST_F(ViewerLoad, ChannelFilterWorksOnTheWorkingCopyOnly) {
    Load(LabelledPicture({"ab"}));
    TRGBChanel onlyGreen;
    onlyGreen.SetR(false);
    onlyGreen.SetB(false);
    View->SetRGBList(&onlyGreen);
    const QColor a = LabelColor('a');
    EXPECT_EQ(View->WorkingPicture().pixelColor(0, 0), QColor(0, a.green(), 0));
    EXPECT_EQ(View->Picture().pixelColor(0, 0), a);
    // A load brings an unfiltered copy; the filter runs again only when told.
    Load(LabelledPicture({"ab"}));
    EXPECT_EQ(View->WorkingPicture().pixelColor(0, 0), a);
}

TEST_F(ViewerLoad, ChangingAChannelFlagFiltersAgain) {
    Load(LabelledPicture({"ab"}));
    View->RGBList()->SetRGB(false);
    EXPECT_EQ(View->WorkingPicture().pixelColor(1, 0), QColor(0, 0, 0));
    View->RGBList()->SetRGB(true);
    View->RGBList()->SetMonoRGB(true);
    const QColor b = LabelColor('b');
    const int grey = (b.red() + b.green() + b.blue()) / 3;
    EXPECT_EQ(View->WorkingPicture().pixelColor(1, 0), QColor(grey, grey, grey));
}

struct PropertyCase {
    const char* Name;
    QVariant Initial;
    QVariant Changed;
};

class PublishedProperty : public ViewerTest, public testing::WithParamInterface<PropertyCase> {};

TEST_P(PublishedProperty, StartsAtItsValueAndCanBeWrittenByName) {
    const PropertyCase& c = GetParam();
    LoadPlain(100, 100);
    EXPECT_EQ(View->property(c.Name), c.Initial);
    EXPECT_TRUE(View->setProperty(c.Name, c.Changed));
    EXPECT_EQ(View->property(c.Name), c.Changed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PublishedProperty,
    testing::Values(PropertyCase{"Zoom", 1.0, 2.0}, PropertyCase{"Centered", false, true},
                    PropertyCase{"Fitting", false, true}, PropertyCase{"OverMove", true, false},
                    PropertyCase{"BackColor", QColor(192, 192, 192), QColor(10, 20, 30)},
                    PropertyCase{"BackCross", false, true}, PropertyCase{"CentralCross", true, false},
                    PropertyCase{"CursorCross", true, false}, PropertyCase{"BulbRadius", 0, 5},
                    PropertyCase{"PixelGrid", false, true}, PropertyCase{"EnableSelect", true, false},
                    PropertyCase{"EnableActions", false, true},
                    PropertyCase{"ClipBoardAction", QVariant::fromValue(TALCustomZoomImage::cbaTotal),
                                 QVariant::fromValue(TALCustomZoomImage::cbaFixWindow)},
                    PropertyCase{"FileName", QString(), QStringLiteral("no such file.jpg")},
                    PropertyCase{"TabStop", true, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ViewerLoad, GridAndChannelsArePublishedOwnedObjects) {
    auto* grid = View->property("Grid").value<TImageGrid*>();
    auto* channels = View->property("RGBList").value<TRGBChanel*>();
    ASSERT_EQ(grid, View->Grid());
    ASSERT_EQ(channels, View->RGBList());
    EXPECT_FALSE(grid->Visible());
    EXPECT_TRUE(channels->R() && channels->G() && channels->B() && !channels->MonoRGB());
}

} // namespace

namespace {

TEST(ViewerConstruction, StartsAsTheProgramExpects) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    TALZoomImage view;
    EXPECT_EQ(view.size(), QSize(100, 100));
    EXPECT_TRUE(view.Picture().isNull());
    EXPECT_FALSE(view.Busy());
    EXPECT_FALSE(view.SelectionShown());
    EXPECT_EQ(view.SelectionState(), ssNone);
    EXPECT_TRUE(view.PointerCrossShown());
    EXPECT_EQ(view.CursorId(), crDefault);
    EXPECT_EQ(view.AnchorPoint(), QPoint(0, 0));
    EXPECT_EQ(view.xCent(), 0);
    // The edge timer runs from construction on, every 10 ms.
    ASSERT_EQ(timers.Timers().size(), 1u);
    EXPECT_TRUE(timers.Timers()[0]->Running());
    EXPECT_EQ(timers.Timers()[0]->Interval(), 10);
}

TEST_F(ViewerTest, APaintDuringALoadShowsOnlyTheBackground) {
    Load(TwelveColours());
    View->SetFitting(true);
    View->SetCentralCross(false);
    bool busySeen = false;
    QImage during;
    View->OnChangeWindow = [&](QObject*, double, double, double, double, double, int, int) {
        busySeen = View->Busy();
        View->Paint();
        during = View->BackBuffer();
    };
    Load(TwelveColours());
    ASSERT_TRUE(busySeen);
    QImage background(during.size(), QImage::Format_RGB32);
    background.fill(QColor(192, 192, 192));
    EXPECT_EQ(during, background);
}

TEST_F(ViewerTest, AnErrorInAnInputHandlerIsShownNotThrownThroughQt) {
    Load(TwelveColours());
    View->SetZoom(100);
    View->SetBulbRadius(30000000); // x 100 does not fit 32 bits
    Frame();
    Move({50, 50});
    ASSERT_EQ(Boxes.Texts.size(), 1);
    EXPECT_EQ(Boxes.Texts[0], QStringLiteral("Range check error"));
}

} // namespace
