// SPDX-License-Identifier: MIT
// The shape picker dialog "Select a figure".
#pragma once

#include <QDialog>
#include <QRgb>
#include <QString>

class CImgContainer;
class TfrImageViewer;

// Data flow: owner fills the viewer -> modal run -> double click closes Accepted, close box/Esc Rejected -> owner reads selectedKey().
class TfrmSelectImage : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectImage(QWidget* parent = nullptr);

    TfrImageViewer* viewer() const { return m_frImageViewer; }

    void clearImages();
    CImgContainer* addImageFile(const QString& fileName, int key, bool showCaption,
                                const QString& caption, QRgb background);
    void arrange();
    // Key of the selected thumbnail, -1 for none.
    int selectedKey() const;
    // Ends the modal run with the OK result.
    void closeWithOk();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TfrImageViewer* m_frImageViewer;
};
