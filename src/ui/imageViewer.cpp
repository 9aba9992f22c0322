// SPDX-License-Identifier: MIT
#include "ui/imageViewer.h"

#include "ui/gifImage.h"
#include "ui/imgContainer.h"

#include <QFileInfo>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

TfrImageViewer::TfrImageViewer(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frImageViewer"));
    m_scrImages = new QScrollArea(this);
    m_scrImages->setObjectName(QStringLiteral("scrImages"));
    m_scrImages->setWidgetResizable(false);
    m_imgImageBrowser = new QWidget;
    m_imgImageBrowser->setObjectName(QStringLiteral("imgImageBrowser"));
    QPalette palette = m_imgImageBrowser->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    m_imgImageBrowser->setPalette(palette);
    m_imgImageBrowser->setAutoFillBackground(true);
    m_scrImages->setWidget(m_imgImageBrowser);
}

void TfrImageViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitBrowser();
}

// The browser behind the items fills the scroll box and grows with the items,
// so that the scroll box scrolls when they do not fit.
void TfrImageViewer::fitBrowser()
{
    m_scrImages->setGeometry(rect());
    int right = 0;
    int bottom = 0;
    for (const CImgContainer* item : m_items) {
        right = std::max(right, item->x() + item->width() + Spacing);
        bottom = std::max(bottom, item->y() + item->height() + Spacing);
    }
    // A vertical scroll bar, when the rows need one, narrows the visible part.
    QSize viewport = m_scrImages->maximumViewportSize();
    if (bottom > viewport.height())
        viewport.rwidth() -= m_scrImages->verticalScrollBar()->sizeHint().width();
    m_imgImageBrowser->resize(std::max(viewport.width(), right), std::max(viewport.height(), bottom));
}

TfrImageViewer::~TfrImageViewer() = default;

void TfrImageViewer::clearImages()
{
    for (CImgContainer* item : m_items)
        delete item;
    m_items.clear();
    m_selectedKey = -1;
    fitBrowser();
}

CImgContainer* TfrImageViewer::addImageFile(const QString& fileName, int key, bool showCaption,
                                            const QString& caption, QRgb background)
{
    if (!QFileInfo::exists(fileName))
        return addImage(nullptr, key, showCaption, caption, background);
    const std::optional<QImage> picture = loadGifPicture(fileName, devicePixelRatioF());
    if (!picture)
        return nullptr;
    return addImage(&*picture, key, showCaption, caption, background);
}

CImgContainer* TfrImageViewer::addImage(const QImage* bitmap, int key, bool showCaption,
                                        const QString& caption, QRgb background)
{
    auto* item = new CImgContainer(m_imgImageBrowser);
    item->Key = key < 0 ? static_cast<int>(m_items.size()) : key;
    if (showCaption)
        item->setCaption(caption);
    else
        item->hideCaption();
    item->setThumbSize(ThumbWidth, ThumbHeight);
    item->BackColor = background;
    item->assignImage(bitmap, caption);
    item->OnSelect = [this](CImgContainer*, int itemKey) { itemClicked(itemKey); };
    item->OnActivate = [this](CImgContainer*, int) { itemActivated(); };
    m_items.push_back(item);
    return item;
}

void TfrImageViewer::arrange()
{
    const int clientWidth = width();
    int x = Spacing;
    int y = Spacing;
    int rowTop = Spacing;
    const int leftEdge = Spacing;
    int maxWidth = 0;
    int rowHeight = 0;
    int countInRow = 0;
    for (CImgContainer* item : m_items) {
        maxWidth = std::max(maxWidth, item->width());
        rowHeight = std::max(rowHeight, item->height());
        item->move(x, y);
        item->redraw();
        item->show();
        ++countInRow;
        x += maxWidth + Spacing;
        if (x + maxWidth + Spacing < clientWidth || countInRow <= 1)
            continue;
        rowTop += rowHeight + Spacing;
        y = rowTop;
        x = leftEdge;
        countInRow = 1;
        rowHeight = 0;
    }
    fitBrowser();
}

CImgContainer* TfrImageViewer::findItem(int key) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [key](const CImgContainer* item) { return item->Key == key; });
    return found == m_items.end() ? nullptr : *found;
}

void TfrImageViewer::selectKey(int key)
{
    if (key == m_selectedKey)
        return;
    if (CImgContainer* previous = findItem(m_selectedKey)) {
        previous->Selected = false;
        previous->redraw();
    }
    CImgContainer* chosen = findItem(key);
    if (chosen) {
        chosen->Selected = true;
        chosen->redraw();
    }
    m_selectedKey = chosen ? key : -1;
}

void TfrImageViewer::itemClicked(int key)
{
    selectKey(key);
    if (OnSelect)
        OnSelect(this, m_selectedKey);
}

void TfrImageViewer::itemActivated()
{
    if (m_onActivate)
        m_onActivate(this, m_selectedKey);
}
