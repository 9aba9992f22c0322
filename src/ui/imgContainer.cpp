// SPDX-License-Identifier: MIT
#include "ui/imgContainer.h"

#include "ui/gifImage.h"

#include <stb/stb_image_resize.h>

#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The light grey of the desktop's scroll bars, in which "NO IMAGE" is written.
constexpr QRgb ScrollBarColour = 0xFFC8C8C8;

QRgb opaque(QRgb colour)
{
    return colour | 0xFF000000u;
}

} // namespace

QImage fitBitmap(const QImage& picture, int boxWidth, int boxHeight)
{
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    if (w <= boxWidth && h <= boxHeight)
        return picture.copy();

    // The side that limits the fit touches the box; the other one is
    // trunc(side / factor), computed in integers so that no rounding of the
    // factor loses a pixel. A sliver keeps at least one pixel.
    int outWidth = 0;
    int outHeight = 0;
    if (static_cast<double>(boxWidth) / boxHeight > static_cast<double>(w) / static_cast<double>(h)) {
        outHeight = boxHeight;
        outWidth = static_cast<int>(w * boxHeight / h);
    } else {
        outWidth = boxWidth;
        outHeight = static_cast<int>(h * boxWidth / w);
    }
    outWidth = std::max(outWidth, 1);
    outHeight = std::max(outHeight, 1);

    // An opaque picture already is premultiplied (alpha 0xFF): share it rather
    // than copy a canvas that may be 4096 pixels on a side.
    const QImage source = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage result(outWidth, outHeight, QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return QImage();
    const int done = stbir_resize_uint8_generic(
        source.constBits(), source.width(), source.height(), static_cast<int>(source.bytesPerLine()),
        result.bits(), outWidth, outHeight, static_cast<int>(result.bytesPerLine()),
        4, 3, STBIR_FLAG_ALPHA_PREMULTIPLIED, STBIR_EDGE_CLAMP, STBIR_FILTER_MITCHELL,
        STBIR_COLORSPACE_LINEAR, nullptr);
    if (done == 0)
        return QImage();
    return picture.hasAlphaChannel() ? result : result.convertToFormat(QImage::Format_RGB32);
}

QImage makeThumbnail(const QImage& picture, int boxWidth, int boxHeight, QRgb background)
{
    QImage thumbnail(boxWidth, boxHeight, QImage::Format_RGB32);
    thumbnail.fill(opaque(background));
    const QImage fitted = fitBitmap(picture, boxWidth, boxHeight);
    if (!fitted.isNull()) {
        QPainter painter(&thumbnail);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage((boxWidth - fitted.width()) / 2, (boxHeight - fitted.height()) / 2, fitted);
    }
    return thumbnail;
}

CImgContainer::CImgContainer(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateSize();
}

void CImgContainer::setCaption(const QString& caption)
{
    m_caption = caption;
    m_showCaption = true;
    updateSize();
}

void CImgContainer::hideCaption()
{
    m_showCaption = false;
    updateSize();
}

void CImgContainer::setThumbSize(int width, int height)
{
    m_thumbWidth = width;
    m_thumbHeight = height;
    updateSize();
}

int CImgContainer::itemWidth() const
{
    return m_thumbWidth + 2 * MarginX;
}

int CImgContainer::itemHeight() const
{
    return m_thumbHeight + 2 * MarginY + captionHeight();
}

int CImgContainer::captionHeight() const
{
    if (!m_showCaption)
        return 0;
    // Every text of a font has the same line height, "NULL" for an empty caption included.
    return QFontMetrics(font()).height() + 4;
}

void CImgContainer::updateSize()
{
    const QSize size(itemWidth(), itemHeight());
    if (m_bitmap.size() != size) {
        m_bitmap = QImage(size, QImage::Format_RGB32);
        m_bitmap.fill(opaque(BackColor));
    }
    resize(size);
}

QImage CImgContainer::placeholder() const
{
    QImage image(m_thumbWidth, m_thumbHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString text = QStringLiteral("NO IMAGE");
    // Placed by the extent of the plain font, drawn in bold 10-point type.
    const QFontMetrics plain(font(), &image);
    const int x = (m_thumbWidth - plain.horizontalAdvance(text) - 20) / 2;
    const int y = (m_thumbHeight - plain.height() - 20) / 2;
    QFont bold = font();
    bold.setPointSize(10);
    bold.setBold(true);
    QPainter painter(&image);
    painter.setFont(bold);
    painter.setPen(QColor::fromRgb(ScrollBarColour));
    painter.drawText(x, y + QFontMetrics(bold, &image).ascent(), text);
    return image;
}

void CImgContainer::assignImage(const QImage* bitmap, const QString& caption)
{
    m_caption = caption;
    updateSize();
    const QImage picture = (bitmap != nullptr && !bitmap->isNull()) ? *bitmap : placeholder();
    m_thumbnail = makeThumbnail(picture, m_thumbWidth, m_thumbHeight, BackColor);
}

void CImgContainer::assignGraphic(const QPixmap* picture, const QString& caption)
{
    if (picture == nullptr) {
        assignImage(nullptr, caption);
        return;
    }
    const QImage bitmap = picture->toImage();
    assignImage(&bitmap, caption);
}

bool CImgContainer::loadImage(const QString& fileName, const QString& caption)
{
    if (!QFileInfo::exists(fileName)) {
        assignImage(nullptr, caption);
        return true;
    }
    const std::optional<QImage> picture = loadGifImage(fileName);
    if (!picture)
        return false;
    assignImage(&*picture, caption);
    return true;
}

void CImgContainer::redraw()
{
    const int w = itemWidth();
    const int h = itemHeight();
    m_bitmap = QImage(w, h, QImage::Format_RGB32);
    m_bitmap.fill(opaque(Selected ? SelectColor : BackColor));
    QPainter painter(&m_bitmap);
    painter.fillRect(QRect(MarginX, MarginY, w - 2 * MarginX, h - 2 * MarginY), QColor::fromRgb(opaque(BackColor)));
    painter.drawImage(MarginX, MarginY, m_thumbnail);
    if (!m_caption.isEmpty() && m_showCaption) {
        painter.setFont(font());
        const QFontMetrics metrics(font(), &m_bitmap);
        const int tw = metrics.horizontalAdvance(m_caption);
        const int th = metrics.height();
        const int x = 5 + std::max(0, (w - tw - 8) / 2);
        const int y = h - 5 - th;
        painter.setClipRect(QRect(QPoint(3, 3), QPoint(w - 5 - 1, h - 3 - 1)));
        painter.setPen(Qt::black);
        painter.drawText(x, y + metrics.ascent(), m_caption);
    }
    painter.end();
    update();
}

void CImgContainer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
}

void CImgContainer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnSelect)
        OnSelect(this, Key);
    event->accept();
}

void CImgContainer::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // The first click of the pair selected the item already; selecting
        // again is harmless and covers a double click that arrives alone.
        if (OnSelect)
            OnSelect(this, Key);
        if (OnActivate)
            OnActivate(this, Key);
    }
    event->accept();
}
