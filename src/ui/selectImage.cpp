// SPDX-License-Identifier: MIT
#include "ui/selectImage.h"

#include "ui/imageViewer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace {
constexpr int ClientWidth = 702;
constexpr int ClientHeight = 563;
}

TfrmSelectImage::TfrmSelectImage(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectImage"));
    setWindowTitle(QStringLiteral("Select a figure"));
    setFixedSize(ClientWidth, ClientHeight);
    m_frImageViewer = new TfrImageViewer(this);
    m_frImageViewer->setGeometry(0, 0, ClientWidth, ClientHeight);
    m_frImageViewer->setOnActivate([this](TfrImageViewer*, int) { closeWithOk(); });
}

void TfrmSelectImage::clearImages()
{
    m_frImageViewer->clearImages();
}

CImgContainer* TfrmSelectImage::addImageFile(const QString& fileName, int key, bool showCaption,
                                             const QString& caption, QRgb background)
{
    return m_frImageViewer->addImageFile(fileName, key, showCaption, caption, background);
}

void TfrmSelectImage::arrange()
{
    m_frImageViewer->arrange();
}

int TfrmSelectImage::selectedKey() const
{
    return m_frImageViewer->selectedKey();
}

void TfrmSelectImage::closeWithOk()
{
    accept();
}

void TfrmSelectImage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not on the owner.
    if (const QScreen* screen = this->screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(),
                                 screen->availableGeometry()).topLeft());
}
