// SPDX-License-Identifier: MIT
// One thumbnail of the shape picker: a picture fitted into a box, a caption
// band under it and a selection band around it.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <functional>

class CImgContainer;

// The picture shrunk (never enlarged) with a Mitchell filter so that it fits
// the box, keeping its aspect ratio; a picture that fits is copied unscaled.
// Sizes are logical pixels: the result has the given device pixel ratio, and
// a picture of another ratio (a 1x picture on a 2x screen) is first taken at
// its logical size. At ratio 1 for a 1x picture, logical and device pixels are one.
QImage fitBitmap(const QImage& picture, int boxWidth, int boxHeight, qreal ratio = 1.0);
// A bitmap of exactly the box size (box x ratio device pixels), filled with
// the background colour, with the fitted picture centred on it.
QImage makeThumbnail(const QImage& picture, int boxWidth, int boxHeight, QRgb background, qreal ratio = 1.0);

// Data flow: picture + caption (assignImage) -> fitted thumbnail -> painted bitmap (redraw); clicks -> OnSelect/OnActivate(key).
class CImgContainer : public QWidget {
    Q_OBJECT
public:
    using Callback = std::function<void(CImgContainer* sender, int key)>;

    explicit CImgContainer(QWidget* parent = nullptr);

    int Key = -1;
    int MarginX = 3;
    int MarginY = 3;
    QRgb BackColor = 0xFF7F7F7F;
    bool Selected = false;
    QRgb SelectColor = 0xFFFF0000;
    Callback OnSelect;
    Callback OnActivate;

    bool showCaption() const { return m_showCaption; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void hideCaption();

    int thumbWidth() const { return m_thumbWidth; }
    int thumbHeight() const { return m_thumbHeight; }
    // Sets the picture area, resizes the item and places the picture at the margins.
    void setThumbSize(int width, int height);

    int itemWidth() const;
    int itemHeight() const;
    int captionHeight() const;

    // The prepared picture of thumbWidth x thumbHeight logical pixels, drawn
    // at the item's device pixel ratio.
    const QImage& thumbnail() const { return m_thumbnail; }
    // What the item shows, as painted by the last redraw, at the same ratio.
    const QImage& bitmap() const { return m_bitmap; }

    // Without a bitmap the thumbnail is the "NO IMAGE" placeholder.
    virtual void assignImage(const QImage* bitmap, const QString& caption);
    virtual void assignGraphic(const QPixmap* picture, const QString& caption);
    // A file that does not exist gives the placeholder; false when the file
    // exists but cannot be decoded (the item is then left as it was).
    virtual bool loadImage(const QString& fileName, const QString& caption);
    virtual void redraw();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void updateSize();
    QImage placeholder() const;
    // An image of a logical size at the item's device pixel ratio.
    QImage deviceImage(QSize logical) const;

    bool m_showCaption = false;
    QString m_caption;
    int m_thumbWidth = 150;
    int m_thumbHeight = 150;
    QImage m_thumbnail;
    QImage m_bitmap;
};
