// SPDX-License-Identifier: MIT
// The scrolling field of thumbnails in the shape picker.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class CImgContainer;
class QScrollArea;

// Data flow: pictures with keys (addImageFile) -> items laid out in rows (arrange); click -> SelectedKey, double click -> OnActivate.
class TfrImageViewer : public QWidget {
    Q_OBJECT
public:
    using Callback = std::function<void(TfrImageViewer* sender, int key)>;

    explicit TfrImageViewer(QWidget* parent = nullptr);
    ~TfrImageViewer() override;

    int ThumbWidth = 150;
    int ThumbHeight = 150;
    int Spacing = 10;
    Callback OnSelect;

    int selectedKey() const { return m_selectedKey; }
    const std::vector<CImgContainer*>& items() const { return m_items; }

    void clearImages();
    // The item for the picture file: the "NO IMAGE" placeholder when the file
    // does not exist; nullptr (no item) when it exists but cannot be decoded.
    CImgContainer* addImageFile(const QString& fileName, int key, bool showCaption,
                                const QString& caption, QRgb background);
    // A negative key becomes the number of items so far.
    CImgContainer* addImage(const QImage* bitmap, int key, bool showCaption,
                            const QString& caption, QRgb background);
    // Flow layout in rows, from the top-left corner, Spacing apart.
    void arrange();
    CImgContainer* findItem(int key) const;
    // Selects the item of the key, as a click does but without OnSelect; a key
    // without an item clears the selection.
    void selectKey(int key);
    QScrollArea* scrollBox() const { return m_scrImages; }
    void setOnActivate(Callback callback) { m_onActivate = std::move(callback); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitBrowser();
    void itemClicked(int key);
    void itemActivated();

    QScrollArea* m_scrImages;
    QWidget* m_imgImageBrowser;
    std::vector<CImgContainer*> m_items;
    int m_selectedKey = -1;
    Callback m_onActivate;
};
