// SPDX-License-Identifier: MIT
#include "ui/selectImage.h"

#include "lang/language.h"
#include "ui/gifImage.h"
#include "ui/imageViewer.h"
#include "ui/imgContainer.h"
#include "ui/uiFont.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <malloc.h>

TfrmSelectImage::TfrmSelectImage(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectImage"));
    setWindowTitle(QStringLiteral("Select a figure"));
    setFixedSize(ClientWidth, ClientHeight);
    m_frImageViewer = new TfrImageViewer(this);
    m_frImageViewer->setGeometry(0, 0, ClientWidth, ClientHeight);
    m_frImageViewer->setOnActivate([this](TfrImageViewer*, int) { closeWithOk(); });
    // The scroll box has the focus: its arrow keys move the selection instead of scrolling.
    m_frImageViewer->scrollBox()->installEventFilter(this);
    m_prepareTimer.setSingleShot(true);
    connect(&m_prepareTimer, &QTimer::timeout, this, &TfrmSelectImage::prepareNext);
}

void TfrmSelectImage::clearImages()
{
    m_frImageViewer->clearImages();
}

CImgContainer* TfrmSelectImage::addImageFile(const QString& fileName, int key, bool showCaption,
                                             const QString& caption, QRgb background)
{
    const Prepared& picture = prepared(fileName);
    if (!picture.exists)
        return m_frImageViewer->addImage(nullptr, key, showCaption, caption, background);
    if (!picture.picture)
        return nullptr;
    return m_frImageViewer->addImage(&*picture.picture, key, showCaption, caption, background);
}

// Fitting a fitted picture again copies it unchanged, so the thumbnail is the
// one the viewer would make from the file.
const TfrmSelectImage::Prepared& TfrmSelectImage::prepared(const QString& fileName)
{
    // Fitted at the device pixels of the screen: a screen of another ratio needs its own.
    const qreal ratio = devicePixelRatioF();
    const QString key = fileName + QLatin1Char('@') + QString::number(ratio);
    if (const auto found = m_prepared.constFind(key); found != m_prepared.constEnd())
        return *found;
    Prepared picture;
    picture.exists = QFileInfo::exists(fileName);
    if (picture.exists) {
        if (const std::optional<QImage> decoded = loadGifPicture(fileName, ratio)) {
            const QImage fitted =
                fitBitmap(*decoded, m_frImageViewer->ThumbWidth, m_frImageViewer->ThumbHeight, ratio);
            // Three bytes a pixel where there is no transparency to keep.
            if (fitted.isNull())
                picture.picture = *decoded;
            else
                picture.picture = fitted.hasAlphaChannel() ? fitted : fitted.convertToFormat(QImage::Format_RGB888);
        }
    }
    return *m_prepared.insert(key, picture);
}

void TfrmSelectImage::prepareInAdvance(const QStringList& fileNames, int delayMs)
{
    m_toPrepare = fileNames;
    m_prepareTimer.start(delayMs);
}

void TfrmSelectImage::prepareNext()
{
    if (m_toPrepare.isEmpty()) {
        m_prepareTimer.stop();
        // The window made and drawn once off the screen, with a thumbnail of
        // its own: the first opening finds its fonts and style ready and only
        // maps it.
        winId();
        CImgContainer sample;
        sample.setThumbSize(m_frImageViewer->ThumbWidth, m_frImageViewer->ThumbHeight);
        sample.setCaption(windowTitle());
        sample.assignImage(nullptr, windowTitle());
        sample.redraw();
        grab();
        // Decoding left freed buffers between the kept thumbnails: give them back.
        malloc_trim(0);
        return;
    }
    prepared(m_toPrepare.takeFirst());
    m_prepareTimer.start(0);
}

void TfrmSelectImage::arrange()
{
    m_frImageViewer->arrange();
    // A few thumbnails (one category) get a window of their rows, not a grey field.
    int bottom = 0;
    int rowHeight = 0;
    for (const CImgContainer* item : m_frImageViewer->items()) {
        bottom = std::max(bottom, item->y() + item->height());
        rowHeight = std::max(rowHeight, item->height());
    }
    const int spacing = m_frImageViewer->Spacing;
    const int frame = 2 * m_frImageViewer->scrollBox()->frameWidth();
    const int oneRow = spacing + (rowHeight > 0 ? rowHeight : m_frImageViewer->ThumbHeight) + spacing + frame;
    const int height = std::clamp(bottom + spacing + frame, oneRow, ClientHeight);
    setFixedSize(ClientWidth, height);
    m_frImageViewer->setGeometry(0, 0, ClientWidth, height);
}

int TfrmSelectImage::selectedKey() const
{
    return m_frImageViewer->selectedKey();
}

void TfrmSelectImage::selectKey(int key)
{
    m_frImageViewer->selectKey(key);
}

void TfrmSelectImage::closeWithOk()
{
    accept();
}

void TfrmSelectImage::showEvent(QShowEvent* event)
{
    setWindowTitle(langTextOr(QStringLiteral("frmSelectImage"), QStringLiteral("Select a figure")));
    QDialog::showEvent(event);
    // Every opening starts at the top, moved down only as far as the selected thumbnail needs.
    QScrollArea* box = m_frImageViewer->scrollBox();
    box->verticalScrollBar()->setValue(0);
    if (CImgContainer* selected = m_frImageViewer->findItem(selectedKey()))
        box->ensureWidgetVisible(selected, 0, m_frImageViewer->Spacing);
    box->setFocus(Qt::OtherFocusReason);
    // Centred on the screen, not on the owner.
    if (const QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(),
                                 screen->availableGeometry()).topLeft());
}

void TfrmSelectImage::keyPressEvent(QKeyEvent* event)
{
    if (!navigate(event))
        QDialog::keyPressEvent(event);
}

bool TfrmSelectImage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && navigate(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool TfrmSelectImage::navigate(const QKeyEvent* event)
{
    // Keys with Ctrl or Alt belong to the shortcuts.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int key = event->key();
    const std::vector<CImgContainer*>& items = m_frImageViewer->items();
    const int count = static_cast<int>(items.size());
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_frImageViewer->findItem(selectedKey()))
            closeWithOk();
        return true;
    }
    if (count == 0)
        return false;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [this](const CImgContainer* item) { return item->Key == selectedKey(); });
    const int current = found == items.end() ? -1 : static_cast<int>(found - items.begin());
    // Thumbnails in the first row: the number of columns.
    const int columns = static_cast<int>(std::count_if(
        items.begin(), items.end(), [&items](const CImgContainer* item) { return item->y() == items.front()->y(); }));
    switch (key) {
    case Qt::Key_Home:
        moveSelection(0);
        return true;
    case Qt::Key_End:
        moveSelection(count - 1);
        return true;
    case Qt::Key_Left:
        moveSelection(std::max(current - 1, 0));
        return true;
    case Qt::Key_Right:
        moveSelection(std::min(current + 1, count - 1));
        return true;
    case Qt::Key_Up:
        moveSelection(current < 0 ? 0 : (current >= columns ? current - columns : current));
        return true;
    case Qt::Key_Down:
        // A shorter last row: the band goes to its last thumbnail.
        if (current < 0)
            moveSelection(0);
        else if (current / columns < (count - 1) / columns)
            moveSelection(std::min(current + columns, count - 1));
        return true;
    default:
        return false;
    }
}

void TfrmSelectImage::moveSelection(int position)
{
    CImgContainer* item = m_frImageViewer->items()[static_cast<std::size_t>(position)];
    m_frImageViewer->selectKey(item->Key);
    m_frImageViewer->scrollBox()->ensureWidgetVisible(item, 0, m_frImageViewer->Spacing);
}

void TfrmSelectImage::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    handBackKeyboard(this);
}
