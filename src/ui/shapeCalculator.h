// SPDX-License-Identifier: MIT
// The calculator frame. The main window chooses which shapes are in view
// (showGroup, showCategories); the picker hands back a position in ShapeList;
// that prototype becomes the current shape, whose input and extra variables
// become rows named after the variables. Calculate and leaving a field write
// the typed numbers into the prototype and read its results back.
#pragma once

#include "model/primitivesLibrary.h"

#include <QChar>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class TfrmSelectImage;
class TfrmWorking;

// Busy cursor for the lifetime of the guard.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

class TfrShapeCalculator : public QWidget {
    Q_OBJECT
public:
    using WidthChanged = std::function<void(TfrShapeCalculator* sender)>;

    static constexpr int NarrowWidth = 581;
    static constexpr int WideWidth = 828;
    static constexpr int FrameHeight = 329;

    // The program folder is the base of every picture path; empty means the
    // folder of the running executable.
    explicit TfrShapeCalculator(QWidget* parent = nullptr, const QString& programFolder = QString());
    ~TfrShapeCalculator() override;

    bool initialize(const QString& imageFolder, const QString& language, WidthChanged onWidthChanged);
    void translate(const QString& language);
    bool showGroup(const QString& group);
    bool showCategories(const QString& group, const QStringList& categoryKeys);
    // Opens the picker; true when a shape was chosen.
    bool pickShape();
    void selectShape(int index);

    // What is in view: the group, its picture folder and the shapes the picker offers.
    struct View {
        QString group;
        QString groupFolder;
        TNameList shapes;
    };
    View view() const { return {m_group, m_groupFolder, m_shapeList}; }
    // Puts back a view taken before a change that the user abandoned.
    void restoreView(const View& view);

    void btnCalculateClick();
    void btnCopyVolumeClick();
    void btnCopyAreaClick();
    void btnMoreInfoClick();
    // Opens the Working window on what the fields hold, at the heading of the
    // value given (one of the result labels), or where it was.
    void openWorking(const QLabel* value = nullptr);
    // Made when first opened: nullptr before.
    TfrmWorking* workingWindow() const;

    TPrimitive* currentShape() const { return m_current; }
    const TNameList& shapeList() const { return m_shapeList; }
    QString group() const { return m_group; }
    // The picker with every thumbnail of the shapes in view.
    TfrmSelectImage* picker()
    {
        completePicker();
        return m_picker;
    }
    bool extrasShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showShape();
    void clearView();
    void buildInputs();
    void buildExtras();
    void clearInputs();
    void clearExtras();
    void fillPicker();
    void completePicker();
    // Writes every field that holds a number into the shape; the first field
    // that does not is returned.
    QLineEdit* storeFields();
    // Dimensions that give no valid shape: Calculate says so and keeps the
    // last results on show; leaving a field, often before the shape is wholly
    // typed, shows dashes in place of results, with the reason as their hint.
    enum class InvalidShown { AsMessage, AsDash };
    void showResults(InvalidShown invalid);
    // Shows the results of what the fields hold, when they all hold numbers.
    void showFieldResults();
    int resultRoom() const;
    int extraRoom() const;
    void showExtras();
    void hideExtras();
    void imgShapeClick();
    void editExit(QLineEdit* edit);
    void setGroupTexts(const QString& group);
    void placeResults();
    QString picturePath(const TPrimitive* shape) const;
    QString picturePath(const TPrimitive* shape, const QString& groupFolder) const;
    // Position of the current shape in ShapeList, -1 when it is not there.
    int currentKey() const;
    QList<QLineEdit*> inputEdits() const;
    QList<QLabel*> extraValueLabels() const;
    bool isValueLabel(const QObject* object) const;
    const QLineEdit* firstFieldWithoutNumber() const;
    // Rebuilds the working shown, when the Working window is open.
    void refreshWorking();

    QString m_language;
    QString m_programFolder;
    QString m_imageFolder;
    QString m_groupFolder;
    TPrimitive* m_current = nullptr;
    TNameList m_shapeList;
    QString m_group = QStringLiteral("solid");
    WidthChanged m_onWidthChanged;
    TfrmSelectImage* m_picker = nullptr;
    // Captions of the thumbnails still to be made, and whether they are made.
    QStringList m_pickerCaptions;
    bool m_pickerFilled = true;
    // The separator in force when the input fields were last written.
    QChar m_inputSeparator;
    QPointer<TfrmWorking> m_working;

    QLabel* m_imgShape;
    QLabel* m_lblNoImage;
    QLabel* m_lblSelShape;
    QLabel* m_lblShapeName;
    QScrollArea* m_scrVars;
    QWidget* m_varsBox;
    QPushButton* m_btnCalculate;
    QLabel* m_lblVol;
    QLabel* m_lblVolValue;
    QToolButton* m_btnCopyVolume;
    QLabel* m_lblArea;
    QLabel* m_lblAreaValue;
    QToolButton* m_btnCopyArea;
    QPushButton* m_btnMoreInfo;
    QPushButton* m_btnWorking;
    QScrollArea* m_scrExtraVars;
    QWidget* m_extraBox;
};
