// SPDX-License-Identifier: MIT
#include "ui/imgContainer.h"

#include "ui/gifImage.h"

#include <stb/stb_image_resize.h>

#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// The light grey of the desktop's scroll bars, in which "NO IMAGE" is written.
constexpr QRgb ScrollBarColour = 0xFFC8C8C8;

QRgb opaque(QRgb colour)
{
    return colour | 0xFF000000u;
}

// The mean of each block of k x k pixels, a partial block at the right or
// bottom edge by the pixels it has. Means of premultiplied (or opaque) pixels
// are exact, and one pass over a 4096-pixel square is cheap, where the
// Mitchell filter, whose support grows with the factor, takes most of a second.
QImage boxReduce(const QImage& source, int k)
{
    const int width = (source.width() + k - 1) / k;
    const int height = (source.height() + k - 1) / k;
    QImage result(width, height, source.format());
    if (result.isNull())
        return QImage();
    const auto columnsOf = [&source, k](int bx) { return std::min(k, source.width() - bx * k); };
    // Channel sums of one row of blocks: alpha, red, green, blue.
    std::vector<quint64> sums(static_cast<std::size_t>(width) * 4);
    for (int by = 0; by < height; ++by) {
        std::fill(sums.begin(), sums.end(), 0);
        const int top = by * k;
        const int rows = std::min(k, source.height() - top);
        for (int y = top; y < top + rows; ++y) {
            const QRgb* pixel = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            quint64* sum = sums.data();
            for (int bx = 0; bx < width; ++bx, sum += 4) {
                const int columns = columnsOf(bx);
                quint64 alpha = 0, red = 0, green = 0, blue = 0;
                for (int i = 0; i < columns; ++i, ++pixel) {
                    alpha += qAlpha(*pixel);
                    red += qRed(*pixel);
                    green += qGreen(*pixel);
                    blue += qBlue(*pixel);
                }
                sum[0] += alpha;
                sum[1] += red;
                sum[2] += green;
                sum[3] += blue;
            }
        }
        QRgb* target = reinterpret_cast<QRgb*>(result.scanLine(by));
        const quint64* sum = sums.data();
        for (int bx = 0; bx < width; ++bx, sum += 4) {
            const quint64 count = static_cast<quint64>(rows) * static_cast<quint64>(columnsOf(bx));
            const auto mean = [count](quint64 total) { return static_cast<int>((total + count / 2) / count); };
            target[bx] = qRgba(mean(sum[1]), mean(sum[2]), mean(sum[3]), mean(sum[0]));
        }
    }
    return result;
}

} // namespace

QImage fitBitmap(const QImage& picture, int boxWidth, int boxHeight, qreal ratio)
{
    if (picture.isNull())
        return QImage();
    // Sizes in device pixels of the target ratio: the picture as it would be
    // drawn at its logical size, and the box.
    const qreal scale = ratio / picture.devicePixelRatio();
    const qint64 w = std::max<qint64>(1, qRound64(picture.width() * scale));
    const qint64 h = std::max<qint64>(1, qRound64(picture.height() * scale));
    const qint64 bw = qRound64(boxWidth * ratio);
    const qint64 bh = qRound64(boxHeight * ratio);

    // The side that limits the fit touches the box; the other one is
    // trunc(side / factor), computed in integers so that no rounding of the
    // factor loses a pixel. A sliver keeps at least one pixel.
    qint64 outWidth = w;
    qint64 outHeight = h;
    if (w > bw || h > bh) {
        if (static_cast<double>(bw) / static_cast<double>(bh) > static_cast<double>(w) / static_cast<double>(h)) {
            outHeight = bh;
            outWidth = w * bh / h;
        } else {
            outWidth = bw;
            outHeight = h * bw / w;
        }
        outWidth = std::max<qint64>(outWidth, 1);
        outHeight = std::max<qint64>(outHeight, 1);
    }
    if (outWidth == picture.width() && outHeight == picture.height()) {
        QImage copy = picture.copy();
        copy.setDevicePixelRatio(ratio);
        return copy;
    }

    // An opaque picture already is premultiplied (alpha 0xFF): share it rather
    // than copy a canvas that may be 4096 pixels on a side.
    QImage source = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Shrinking by 4 or more: whole blocks averaged first, leaving the
    // Mitchell filter a factor of 2 to 3. The region taken from the blocks is
    // the picture's own extent, so a partial block at the edge shifts nothing.
    const int block = std::max(1, static_cast<int>(std::min(source.width() / outWidth, source.height() / outHeight) / 2));
    if (block >= 2)
        source = boxReduce(source, block);
    if (source.isNull())
        return QImage();
    const float right = float(picture.width()) / float(block * source.width());
    const float bottom = float(picture.height()) / float(block * source.height());
    QImage result(static_cast<int>(outWidth), static_cast<int>(outHeight), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return QImage();
    const int done = stbir_resize_region(
        source.constBits(), source.width(), source.height(), static_cast<int>(source.bytesPerLine()),
        result.bits(), result.width(), result.height(), static_cast<int>(result.bytesPerLine()),
        STBIR_TYPE_UINT8, 4, 3, STBIR_FLAG_ALPHA_PREMULTIPLIED, STBIR_EDGE_CLAMP, STBIR_EDGE_CLAMP,
        STBIR_FILTER_MITCHELL, STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_LINEAR, nullptr,
        0.0F, 0.0F, right, bottom);
    if (done == 0)
        return QImage();
    if (!picture.hasAlphaChannel())
        result = result.convertToFormat(QImage::Format_RGB32);
    result.setDevicePixelRatio(ratio);
    return result;
}

QImage makeThumbnail(const QImage& picture, int boxWidth, int boxHeight, QRgb background, qreal ratio)
{
    const int deviceWidth = qRound(boxWidth * ratio);
    const int deviceHeight = qRound(boxHeight * ratio);
    QImage thumbnail(deviceWidth, deviceHeight, QImage::Format_RGB32);
    thumbnail.fill(opaque(background));
    QImage fitted = fitBitmap(picture, boxWidth, boxHeight, ratio);
    if (!fitted.isNull()) {
        // Placed in device pixels, so that the centring loses no half pixel.
        fitted.setDevicePixelRatio(1.0);
        QPainter painter(&thumbnail);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage((deviceWidth - fitted.width()) / 2, (deviceHeight - fitted.height()) / 2, fitted);
    }
    thumbnail.setDevicePixelRatio(ratio);
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

QImage CImgContainer::deviceImage(QSize logical) const
{
    const qreal ratio = devicePixelRatioF();
    QImage image(qRound(logical.width() * ratio), qRound(logical.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

void CImgContainer::updateSize()
{
    const QSize size(itemWidth(), itemHeight());
    if (m_bitmap.deviceIndependentSize() != QSizeF(size) || m_bitmap.devicePixelRatio() != devicePixelRatioF()) {
        m_bitmap = deviceImage(size);
        m_bitmap.fill(opaque(BackColor));
    }
    resize(size);
}

QImage CImgContainer::placeholder() const
{
    QImage image = deviceImage(QSize(m_thumbWidth, m_thumbHeight));
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
    m_thumbnail = makeThumbnail(picture, m_thumbWidth, m_thumbHeight, BackColor, devicePixelRatioF());
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
    const std::optional<QImage> picture = loadGifPicture(fileName, devicePixelRatioF());
    if (!picture)
        return false;
    assignImage(&*picture, caption);
    return true;
}

void CImgContainer::redraw()
{
    const int w = itemWidth();
    const int h = itemHeight();
    m_bitmap = deviceImage(QSize(w, h));
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
