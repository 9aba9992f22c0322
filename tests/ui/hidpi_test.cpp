// SPDX-License-Identifier: MIT
// The program on a screen of device pixel ratio 2: the @2x pictures are
// loaded and shown pixel for pixel, thumbnails and copy buttons are made at
// device pixels, and a 1x picture keeps its logical size.
#include "program_state.h"
#include "shape_keys.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"
#include "ui/gifImage.h"
#include "ui/imageViewer.h"
#include "ui/imgContainer.h"
#include "ui/installation.h"
#include "ui/main_window.h"
#include "ui/selectImage.h"
#include "ui/shapeCalculator.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString dataImages = QStringLiteral(KOLVENT_BINARY_DIR "/img");

// The number of pixels of a that differ from the same pixel of b.
long differingPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size())
        return -1;
    long count = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x)
            count += left.pixel(x, y) != right.pixel(x, y) ? 1 : 0;
    }
    return count;
}

class HiDpiWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerCatalogue(PrimitivesLibrary);
        window = std::make_unique<TfrmMain>(QStringLiteral(KOLVENT_BINARY_DIR));
        window->show();
    }

    void TearDown() override
    {
        window.reset();
    }

    int keyOf(const QString& id) const { return shapeKey(window->calculator()->shapeList(), id); }

    ProgramState state;
    QStringList& messages = state.messages;
    std::unique_ptr<TfrmMain> window;
};

} // namespace

TEST(HiDpiScreen, TheTestRunsAtRatioTwo)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST(HiDpiPictures, VariantNamesFollowTheQtConvention)
{
    const struct {
        const char* path;
        int ratio;
        const char* variant;
    } rows[] = {
        {"/data/img/flat/circle.gif", 2, "/data/img/flat/circle@2x.gif"},
        {"/data/img/flat/circle.gif", 1, "/data/img/flat/circle.gif"},
        {"img.d/ui/kolvent.gif", 3, "img.d/ui/kolvent@3x.gif"},
        {"img.d/picture", 2, "img.d/picture@2x"},
        {"folder/.hidden", 2, "folder/.hidden@2x"},
        {"a.tar.gif", 2, "a.tar@2x.gif"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(pictureVariantPath(QString::fromLatin1(row.path), row.ratio), QString::fromLatin1(row.variant));
    }
}

TEST(HiDpiPictures, TheVariantThatFitsTheRatioIsLoaded)
{
    const QString circle = QDir(dataImages).filePath(QStringLiteral("flat/circle.gif"));
    const std::optional<QImage> single = loadGifImage(circle);
    ASSERT_TRUE(single.has_value());

    const std::optional<QImage> sharp = loadGifPicture(circle, 2.0);
    ASSERT_TRUE(sharp.has_value());
    EXPECT_EQ(sharp->devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp->size(), single->size() * 2);
    EXPECT_EQ(sharp->deviceIndependentSize(), QSizeF(single->size()));

    // A fractional ratio above 1 also takes the sharper drawing.
    const std::optional<QImage> scaled = loadGifPicture(circle, 1.5);
    ASSERT_TRUE(scaled.has_value());
    EXPECT_EQ(scaled->size(), single->size() * 2);

    const std::optional<QImage> plain = loadGifPicture(circle, 1.0);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->devicePixelRatio(), 1.0);
    EXPECT_EQ(differingPixels(*plain, *single), 0);
}

TEST(HiDpiPictures, AMissingOrDamagedVariantFallsBackToThePicture)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString picture = folder.filePath(QStringLiteral("circle.gif"));
    ASSERT_TRUE(QFile::copy(QDir(dataImages).filePath(QStringLiteral("flat/circle.gif")), picture));
    const std::optional<QImage> alone = loadGifPicture(picture, 2.0);
    ASSERT_TRUE(alone.has_value());
    EXPECT_EQ(alone->devicePixelRatio(), 1.0);
    EXPECT_EQ(alone->size(), QSize(280, 280));

    QFile damaged(folder.filePath(QStringLiteral("circle@2x.gif")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("GIF89a\x10\x00");
    damaged.close();
    const std::optional<QImage> fallback = loadGifPicture(picture, 2.0);
    ASSERT_TRUE(fallback.has_value());
    EXPECT_EQ(fallback->devicePixelRatio(), 1.0);

    // Without the picture itself there is nothing, whatever the variant.
    ASSERT_TRUE(QFile::remove(picture));
    EXPECT_FALSE(loadGifPicture(picture, 2.0).has_value());
}

TEST(HiDpiPictures, FittingWorksInLogicalPixelsAndDrawsAtDevicePixels)
{
    const struct {
        const char* name;
        QSize picture;
        qreal pictureRatio;
        qreal ratio;
        QSize device; // expected size in device pixels
    } rows[] = {
        // 300 x 150 logical into 150 x 150: 150 x 75 logical, 300 x 150 at ratio 2.
        {"1x picture shrunk at ratio 2", {300, 150}, 1.0, 2.0, {300, 150}},
        // A 2x drawing of 280 logical pixels: 300 device pixels on the limiting side.
        {"2x picture shrunk at ratio 2", {560, 560}, 2.0, 2.0, {300, 300}},
        // A small 1x picture keeps its logical size: enlarged to 200 x 160 device pixels.
        {"small 1x picture at ratio 2", {100, 80}, 1.0, 2.0, {200, 160}},
        // A small 2x picture is copied as it is.
        {"small 2x picture at ratio 2", {200, 160}, 2.0, 2.0, {200, 160}},
        // At ratio 1, a 2x drawing is taken at its logical size.
        {"2x picture at ratio 1", {560, 560}, 2.0, 1.0, {150, 150}},
        {"1x picture at ratio 1", {300, 150}, 1.0, 1.0, {150, 75}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QImage picture(row.picture, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.setDevicePixelRatio(row.pictureRatio);
        const QImage fitted = fitBitmap(picture, 150, 150, row.ratio);
        EXPECT_EQ(fitted.size(), row.device);
        EXPECT_EQ(fitted.devicePixelRatio(), row.ratio);
        EXPECT_EQ(fitted.pixel(fitted.width() / 2, fitted.height() / 2), QColor(Qt::darkBlue).rgb());

        const QImage thumbnail = makeThumbnail(picture, 150, 150, 0xFFFFFFFF, row.ratio);
        EXPECT_EQ(thumbnail.size(), QSize(150, 150) * row.ratio);
        EXPECT_EQ(thumbnail.deviceIndependentSize(), QSizeF(150, 150));
        // Centred in device pixels: the fitted picture starts at half the free room.
        const int left = (thumbnail.width() - row.device.width()) / 2;
        const int top = (thumbnail.height() - row.device.height()) / 2;
        EXPECT_EQ(thumbnail.pixel(left, top), QColor(Qt::darkBlue).rgb());
        if (left > 0) {
            EXPECT_EQ(thumbnail.pixel(left - 1, top), qRgb(255, 255, 255));
        }
        if (top > 0) {
            EXPECT_EQ(thumbnail.pixel(left, top - 1), qRgb(255, 255, 255));
        }
    }
}

TEST_F(HiDpiWindowTest, TheShapePictureIsTheSharpDrawingShownPixelForPixel)
{
    ASSERT_TRUE(window->calculator()->showGroup(QStringLiteral("solid")));
    const int key = keyOf(QStringLiteral("sphere:cap"));
    ASSERT_GE(key, 0);
    window->calculator()->selectShape(key);

    const auto* picture = window->findChild<QLabel*>(QStringLiteral("imgShape"));
    ASSERT_NE(picture, nullptr);
    const QPixmap shown = picture->pixmap();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(300, 300));
    EXPECT_EQ(shown.size(), QSize(600, 600));

    // The 560-pixel drawing sits at (10, 10) logical, (20, 20) device pixels, unscaled.
    const std::optional<QImage> sharp = loadGifImage(QDir(dataImages).filePath(QStringLiteral("solid/sphere_cap@2x.gif")));
    ASSERT_TRUE(sharp.has_value());
    EXPECT_EQ(differingPixels(shown.toImage().copy(20, 20, 560, 560), *sharp), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HiDpiWindowTest, ThumbnailsAreFittedAtDevicePixels)
{
    ASSERT_TRUE(window->calculator()->showGroup(QStringLiteral("flat")));
    TfrImageViewer* viewer = window->calculator()->picker()->viewer();
    ASSERT_EQ(viewer->items().size(), 14u);
    for (const CImgContainer* item : viewer->items()) {
        SCOPED_TRACE(item->caption().toStdString());
        EXPECT_EQ(item->thumbnail().devicePixelRatio(), 2.0);
        EXPECT_EQ(item->thumbnail().size(), QSize(300, 300));
        EXPECT_EQ(item->bitmap().size(), item->size() * 2);
        EXPECT_EQ(item->size(), QSize(156, item->itemHeight()));
    }
    // The 560-pixel drawing is shrunk once, to 300 device pixels, and centred.
    const std::optional<QImage> sharp = loadGifImage(QDir(dataImages).filePath(QStringLiteral("flat/circle@2x.gif")));
    ASSERT_TRUE(sharp.has_value());
    const int key = keyOf(QStringLiteral("circle"));
    ASSERT_GE(key, 0);
    const CImgContainer* circle = viewer->findItem(key);
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(differingPixels(circle->thumbnail(), makeThumbnail(*sharp, 300, 300, 0xFFFFFFFF)), 0);
}

TEST_F(HiDpiWindowTest, CopyButtonsDrawTheirTwiceSizedIcons)
{
    for (const auto& [button, file] : {std::pair{"btnCopyVolume", "ui/copy_volume@2x.gif"},
                                       std::pair{"btnCopyArea", "ui/copy_area@2x.gif"}}) {
        SCOPED_TRACE(button);
        auto* copy = window->findChild<QToolButton*>(QString::fromLatin1(button));
        ASSERT_NE(copy, nullptr);
        ASSERT_FALSE(copy->icon().isNull());
        const QPixmap drawn = copy->icon().pixmap(copy->iconSize(), 2.0);
        EXPECT_EQ(drawn.size(), QSize(28, 28));
        const std::optional<QImage> sharp = loadGifImage(QDir(dataImages).filePath(QString::fromLatin1(file)));
        ASSERT_TRUE(sharp.has_value());
        EXPECT_EQ(differingPixels(drawn.toImage(), *sharp), 0);
        // The button paints the whole icon unscaled: the style leaves no frame around it.
        EXPECT_EQ(differingPixels(copy->grab().toImage(), *sharp), 0);
    }
}

TEST(HiDpiIdentity, TheWindowIconHasBothShippedSizes)
{
    const QIcon icon = programIcon(QStringLiteral(KOLVENT_BINARY_DIR), false);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(64, 64), 2.0).size(), QSize(128, 128));
    EXPECT_EQ(icon.pixmap(QSize(64, 64), 1.0).size(), QSize(64, 64));
}
