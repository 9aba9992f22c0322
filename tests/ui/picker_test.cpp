// SPDX-License-Identifier: MIT
// The shape picker: thumbnails, flow layout, selection and how it closes.
#include "ui/imageViewer.h"
#include "ui/imgContainer.h"
#include "ui/selectImage.h"
#include "ui/uiFont.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;

// A one-colour GIF written with giflib's encoder.
bool writeGif(const QString& path, int width, int height, GifColorType colour)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (gif == nullptr)
        return false;
    GifColorType colours[2] = {colour, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    bool ok = EGifPutScreenDesc(gif, width, height, 1, 1, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<std::size_t>(width), 0);
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        applyInterfaceFont();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(writeGif(dir.filePath("wide.gif"), 300, 150, {0, 0, 200}));
        ASSERT_TRUE(writeGif(dir.filePath("small.gif"), 100, 80, {0, 150, 0}));
        QFile damaged(dir.filePath("damaged.gif"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("GIF89a\x10\x00\x10\x00", 10);
    }

    // Keys 0..5: key 3 names a damaged file, key 4 a missing one.
    void fill(TfrmSelectImage& dialog)
    {
        dialog.clearImages();
        const QString files[] = {"wide.gif", "small.gif", "wide.gif", "damaged.gif", "missing.gif", "small.gif"};
        for (int key = 0; key < 6; ++key) {
            dialog.addImageFile(dir.filePath(files[key]), key, true, QStringLiteral("Shape %1").arg(key),
                                0xFFFFFF);
        }
        dialog.arrange();
    }

    QTemporaryDir dir;
};

TEST_F(PickerTest, ItemSizesAndSelectionBand)
{
    CImgContainer item;
    EXPECT_EQ(item.itemWidth(), 156);
    EXPECT_EQ(item.itemHeight(), 156);
    item.setCaption(QString());
    const int captionHeight = QFontMetrics(item.font()).height() + 4;
    EXPECT_EQ(item.captionHeight(), captionHeight);
    EXPECT_EQ(item.size(), QSize(156, 156 + captionHeight));

    item.BackColor = White;
    item.assignImage(nullptr, QString());
    item.redraw();
    EXPECT_EQ(item.bitmap().size(), item.size());
    EXPECT_EQ(item.bitmap().pixel(0, 0), White);
    item.Selected = true;
    item.redraw();
    // A band three pixels wide around the edge.
    for (const QPoint p : {QPoint(0, 0), QPoint(2, 2), QPoint(155, 100), QPoint(80, item.height() - 1)})
        EXPECT_EQ(item.bitmap().pixel(p), Red) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(3, 3), QPoint(152, 100), QPoint(80, item.height() - 4)})
        EXPECT_EQ(item.bitmap().pixel(p), White) << p.x() << "," << p.y();
}

TEST_F(PickerTest, MissingPictureShowsPlaceholderAndCaptionIsDrawn)
{
    CImgContainer item;
    item.BackColor = White;
    item.setCaption(QStringLiteral("Cone"));
    ASSERT_TRUE(item.loadImage(dir.filePath("missing.gif"), QStringLiteral("Cone")));
    item.redraw();
    // The placeholder is white with light grey letters in the picture area.
    std::set<QRgb> colours;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 150; ++x)
            colours.insert(item.thumbnail().pixel(x, y));
    }
    EXPECT_TRUE(colours.count(White));
    EXPECT_TRUE(colours.count(0xFFC8C8C8));
    EXPECT_EQ(item.thumbnail().pixel(0, 0), White);
    // The caption band holds dark pixels of the text, centred under the picture.
    int darkLeft = 156;
    int darkRight = -1;
    for (int y = 156; y < item.height(); ++y) {
        for (int x = 0; x < 156; ++x) {
            if (qGray(item.bitmap().pixel(x, y)) < 128) {
                darkLeft = std::min(darkLeft, x);
                darkRight = std::max(darkRight, x);
            }
        }
    }
    ASSERT_GE(darkRight, 0);
    EXPECT_NEAR((darkLeft + darkRight) / 2.0, 78, 4);

    EXPECT_FALSE(item.loadImage(dir.filePath("damaged.gif"), QStringLiteral("Cone")));
}

TEST_F(PickerTest, FlowLayoutHoldsFourPerRowAndSkipsUndecodablePictures)
{
    TfrmSelectImage dialog;
    fill(dialog);
    TfrImageViewer* viewer = dialog.viewer();
    ASSERT_EQ(viewer->items().size(), 5u);
    EXPECT_EQ(viewer->findItem(3), nullptr);
    const int itemHeight = viewer->items().front()->height();
    const struct {
        int key, x, y;
    } places[] = {
        {0, 10, 10}, {1, 176, 10}, {2, 342, 10}, {4, 508, 10}, {5, 10, 10 + itemHeight + 10},
    };
    for (const auto& p : places) {
        const CImgContainer* item = viewer->findItem(p.key);
        ASSERT_NE(item, nullptr) << p.key;
        EXPECT_EQ(item->pos(), QPoint(p.x, p.y)) << p.key;
    }
    // The wide picture is fitted to 150 x 75 and centred; the missing one is the placeholder.
    const QImage wide = viewer->findItem(0)->thumbnail();
    EXPECT_EQ(wide.pixel(75, 36), White);
    EXPECT_EQ(wide.pixel(75, 37), qRgb(0, 0, 200));
    EXPECT_EQ(wide.pixel(75, 112), White);
    EXPECT_EQ(viewer->findItem(1)->thumbnail().pixel(25, 35), qRgb(0, 150, 0));
    EXPECT_EQ(viewer->findItem(1)->thumbnail().pixel(24, 35), White);
    EXPECT_EQ(dialog.selectedKey(), -1);

    dialog.clearImages();
    EXPECT_TRUE(viewer->items().empty());
    dialog.arrange();
    EXPECT_EQ(dialog.selectedKey(), -1);
}

TEST_F(PickerTest, NegativeKeyBecomesTheItemCount)
{
    TfrImageViewer viewer;
    viewer.addImage(nullptr, 7, false, QString(), White);
    viewer.addImage(nullptr, -1, false, QString(), White);
    EXPECT_EQ(viewer.items()[1]->Key, 1);
    EXPECT_EQ(viewer.items()[0]->height(), 156);
}

TEST_F(PickerTest, ClickSelectsAndMovesTheBand)
{
    TfrmSelectImage dialog;
    fill(dialog);
    dialog.show();
    TfrImageViewer* viewer = dialog.viewer();
    std::vector<int> raised;
    viewer->OnSelect = [&](TfrImageViewer*, int key) { raised.push_back(key); };

    QTest::mouseClick(viewer->findItem(2), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(dialog.selectedKey(), 2);
    EXPECT_TRUE(viewer->findItem(2)->Selected);
    EXPECT_EQ(viewer->findItem(2)->bitmap().pixel(1, 1), Red);

    QTest::mouseClick(viewer->findItem(5), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(dialog.selectedKey(), 5);
    EXPECT_FALSE(viewer->findItem(2)->Selected);
    EXPECT_EQ(viewer->findItem(2)->bitmap().pixel(1, 1), White);
    EXPECT_EQ(viewer->findItem(5)->bitmap().pixel(1, 1), Red);

    // Clicking the selected item again changes nothing but is still reported.
    QTest::mouseClick(viewer->findItem(5), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(raised, (std::vector<int> {2, 5, 5}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PickerTest, DoubleClickChoosesAndClosesWithOk)
{
    TfrmSelectImage dialog;
    fill(dialog);
    dialog.open();
    QTest::mouseDClick(dialog.viewer()->findItem(4), Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedKey(), 4);
}

TEST_F(PickerTest, CloseBoxAndEscapeCancelButKeepTheSelection)
{
    TfrmSelectImage dialog;
    fill(dialog);
    dialog.open();
    QTest::mouseClick(dialog.viewer()->findItem(1), Qt::LeftButton, {}, QPoint(50, 50));
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.selectedKey(), 1);

    // The selection survives reopening; Esc cancels as well.
    dialog.open();
    EXPECT_EQ(dialog.selectedKey(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    // Only a refill clears it.
    fill(dialog);
    EXPECT_EQ(dialog.selectedKey(), -1);
}

TEST_F(PickerTest, ManyRowsMakeTheViewerScroll)
{
    TfrmSelectImage dialog;
    for (int key = 0; key < 21; ++key)
        dialog.addImageFile(dir.filePath("small.gif"), key, true, QStringLiteral("Shape"), 0xFFFFFF);
    dialog.arrange();
    dialog.show();
    QApplication::processEvents();
    auto* browser = dialog.findChild<QWidget*>(QStringLiteral("imgImageBrowser"));
    ASSERT_NE(browser, nullptr);
    const CImgContainer* last = dialog.viewer()->items().back();
    EXPECT_EQ(last->x(), 10); // 21 = 5 rows of four and one more
    EXPECT_GE(browser->height(), last->y() + last->height());
    EXPECT_GT(browser->height(), dialog.height());
    EXPECT_EQ(dialog.size(), QSize(702, 563));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a figure"));
}

// The keys of the selected items: the band is on exactly one, or none.
std::vector<int> banded(const TfrmSelectImage& dialog)
{
    std::vector<int> keys;
    for (const CImgContainer* item : dialog.viewer()->items()) {
        if (item->Selected)
            keys.push_back(item->Key);
    }
    return keys;
}

TEST_F(PickerTest, TheKeyboardMovesTheBandPicksAndCancels)
{
    TfrmSelectImage dialog;
    fill(dialog);  // keys 0 1 2 4 in the first row, 5 in the second
    dialog.open();
    QApplication::processEvents();
    QWidget* keys = QApplication::focusWidget();
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->window(), &dialog);

    const struct {
        Qt::Key key;
        int selected;
    } steps[] = {
        {Qt::Key_Right, 0}, {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 4}, {Qt::Key_Right, 5},
        {Qt::Key_Right, 5}, {Qt::Key_Left, 4},  {Qt::Key_Home, 0},  {Qt::Key_Left, 0},  {Qt::Key_Down, 5},
        {Qt::Key_Down, 5},  {Qt::Key_Up, 0},    {Qt::Key_Up, 0},    {Qt::Key_End, 5},   {Qt::Key_Up, 0},
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 5},  // a shorter row below: its last item
    };
    for (const auto& step : steps) {
        QTest::keyClick(keys, step.key);
        EXPECT_EQ(dialog.selectedKey(), step.selected) << "after key " << step.key;
        EXPECT_EQ(banded(dialog), std::vector<int> {step.selected}) << "after key " << step.key;
        EXPECT_TRUE(dialog.isVisible());
    }
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedKey(), 5);

    // Enter picks too; Esc closes without choosing
    for (const Qt::Key key : {Qt::Key_Enter, Qt::Key_Escape}) {
        dialog.open();
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), key == Qt::Key_Enter ? QDialog::Accepted : QDialog::Rejected);
    }

    // Return without a selection picks nothing and leaves the picker open
    fill(dialog);
    dialog.open();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
}

TEST_F(PickerTest, TheBandIsScrolledIntoViewAndEveryOpeningStartsAtTheTop)
{
    TfrmSelectImage dialog;
    for (int key = 0; key < 21; ++key)
        dialog.addImageFile(dir.filePath("small.gif"), key, true, QStringLiteral("Shape"), 0xFFFFFF);
    dialog.arrange();
    QScrollArea* box = dialog.viewer()->scrollBox();
    QScrollBar* bar = box->verticalScrollBar();
    auto inView = [box](int key, const TfrmSelectImage& picker) {
        const CImgContainer* item = picker.viewer()->findItem(key);
        const QRect shown(box->widget()->mapFrom(box->viewport(), QPoint(0, 0)), box->viewport()->size());
        return shown.contains(item->geometry());
    };

    dialog.open();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(dialog.selectedKey(), 20);
    EXPECT_GT(bar->value(), 0);
    EXPECT_TRUE(inView(20, dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(inView(16, dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(inView(0, dialog));

    // left scrolled down: the next opening is at the top again
    bar->setValue(bar->maximum());
    dialog.reject();
    dialog.open();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    dialog.reject();

    // unless the selected thumbnail lies further down: then just far enough to show it
    dialog.selectKey(20);
    dialog.open();
    QApplication::processEvents();
    EXPECT_TRUE(inView(20, dialog));
    EXPECT_EQ(banded(dialog), std::vector<int> {20});
    dialog.reject();
    dialog.selectKey(-1);
    EXPECT_TRUE(banded(dialog).empty());
    EXPECT_EQ(dialog.selectedKey(), -1);
}

TEST_F(PickerTest, TheWindowFitsItsRows)
{
    TfrmSelectImage dialog;
    dialog.arrange();
    const int empty = dialog.height();
    EXPECT_GE(empty, 150);  // never less than one row

    for (const int count : {1, 4, 5, 8, 21}) {
        dialog.clearImages();
        for (int key = 0; key < count; ++key)
            dialog.addImageFile(dir.filePath("small.gif"), key, true, QStringLiteral("Shape"), 0xFFFFFF);
        dialog.arrange();
        dialog.show();
        QApplication::processEvents();
        const CImgContainer* last = dialog.viewer()->items().back();
        EXPECT_EQ(dialog.width(), 702) << count;
        if (count <= 8) {
            // two rows at most: the last row shows whole, with no grey field under it
            EXPECT_LT(dialog.height(), 563) << count;
            EXPECT_FALSE(dialog.viewer()->scrollBox()->verticalScrollBar()->isVisible()) << count;
            EXPECT_GE(dialog.height(), last->y() + last->height() + 10) << count;
            EXPECT_LE(dialog.height(), last->y() + last->height() + 10 + 8) << count;
        } else {
            EXPECT_EQ(dialog.height(), 563) << count;
        }
        dialog.hide();
    }
}

TEST_F(PickerTest, PreparedPicturesGiveTheSameThumbnailsWithoutReadingAgain)
{
    // what the viewer makes straight from the files
    TfrImageViewer direct;
    const char* files[] = {"wide.gif", "small.gif", "damaged.gif", "missing.gif"};
    std::vector<CImgContainer*> expected;
    for (int key = 0; key < 4; ++key)
        expected.push_back(direct.addImageFile(dir.filePath(files[key]), key, true, QStringLiteral("Shape"), White));

    TfrmSelectImage dialog;
    QStringList names;
    for (const char* file : files)
        names << dir.filePath(file);
    dialog.prepareInAdvance(names, 0);
    QTest::qWait(200);
    // the files are gone: the thumbnails come from what was prepared
    for (const char* file : {"wide.gif", "small.gif"})
        ASSERT_TRUE(QFile::remove(dir.filePath(file)));
    ASSERT_TRUE(writeGif(dir.filePath("missing.gif"), 20, 20, {0, 0, 0}));
    for (int round = 0; round < 2; ++round) {
        dialog.clearImages();
        for (int key = 0; key < 4; ++key) {
            CImgContainer* item = dialog.addImageFile(dir.filePath(files[key]), key, true, QStringLiteral("Shape"), White);
            ASSERT_EQ(item == nullptr, expected[static_cast<std::size_t>(key)] == nullptr) << files[key];
            if (item) {
                EXPECT_EQ(item->thumbnail(), expected[static_cast<std::size_t>(key)]->thumbnail()) << files[key];
            }
        }
    }
}

} // namespace
