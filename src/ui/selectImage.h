// SPDX-License-Identifier: MIT
// The shape picker dialog "Select a figure".
#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <optional>

class CImgContainer;
class TfrImageViewer;

// Data flow: owner fills the viewer -> modal run -> double click or Return closes Accepted, close box/Esc
// Rejected -> owner reads selectedKey(). Arrow keys, Home and End move the selection band.
class TfrmSelectImage : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectImage(QWidget* parent = nullptr);

    TfrImageViewer* viewer() const { return m_frImageViewer; }

    void clearImages();
    // As the viewer's addImageFile, with each picture decoded and fitted once
    // per run: the picker opens without decoding again.
    CImgContainer* addImageFile(const QString& fileName, int key, bool showCaption,
                                const QString& caption, QRgb background);
    // Lays the thumbnails out and fits the window to their rows: at least one,
    // at most the full height.
    void arrange();
    // Key of the selected thumbnail, -1 for none.
    int selectedKey() const;
    // Selects the thumbnail of the key; -1 clears the selection.
    void selectKey(int key);
    // Ends the modal run with the OK result.
    void closeWithOk();
    // Decodes and fits the pictures while the program is idle, one per turn of
    // the event loop, beginning after the delay; the window is made ready too.
    void prepareInAdvance(const QStringList& fileNames, int delayMs);

    static constexpr int ClientWidth = 702;
    static constexpr int ClientHeight = 563;

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A picture file as the thumbnails need it: absent, damaged (no picture),
    // or the picture already fitted to the thumbnail box.
    struct Prepared {
        bool exists = false;
        std::optional<QImage> picture;
    };
    const Prepared& prepared(const QString& fileName);
    void prepareNext();

    // Handles a key of the picker; false for keys it leaves to others.
    bool navigate(const QKeyEvent* event);
    void moveSelection(int position);

    TfrImageViewer* m_frImageViewer;
    QHash<QString, Prepared> m_prepared;
    QStringList m_toPrepare;
    QTimer m_prepareTimer;
};
