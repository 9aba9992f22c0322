// SPDX-License-Identifier: MIT
#include "ui/shapeCalculator.h"

#include "lang/error.h"
#include "lang/language.h"
#include "lang/workingText.h"
#include "base/numbers.h"
#include "base/settings.h"
#include "model/messages.h"
#include "model/primitive2D.h"
#include "model/primitive3D.h"
#include "model/primitiveCompound.h"
#include "model/working.h"
#include "ui/copyButton.h"
#include "ui/fieldChecks.h"
#include "ui/gifImage.h"
#include "ui/resultLabel.h"
#include "ui/selectImage.h"
#include "ui/uiFont.h"
#include "ui/workingWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int PictureSize = 300;
// The right-hand column: rows, Calculate and results. It is wide enough for a
// result with 15 decimals, or 17 significant digits in scientific form.
constexpr int ColumnLeft = 312;
constexpr int ColumnWidth = 262;
constexpr int CopyButtonLeft = ColumnLeft + ColumnWidth - 14;
constexpr int ExtraBoxLeft = ColumnLeft + ColumnWidth + 9;
constexpr int ExtraBoxWidth = TfrShapeCalculator::WideWidth - 7 - ExtraBoxLeft;
constexpr int EditWidth = 160;
constexpr int ExtraValueLeft = 38;
// "More info" and "Working" share the row under the results.
constexpr int BottomButtonGap = 2;
constexpr int BottomButtonWidth = (ColumnWidth - BottomButtonGap) / 2;
constexpr int RowStep = 18;
// Shown in place of results while the fields do not give a valid shape.
const QString NoResult = QStringLiteral("—");
constexpr int FirstRowTop = 8;
// Long enough for the main window to be on the screen first.
constexpr int PrepareDelayMs = 300;
const QColor ResultColour(0x00, 0x00, 0x80);

// A result value: navy, and a click on it opens its working.
void setValueLook(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ResultColour);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
}

// The line of the working that heads a value: a headline's section by its
// heading key; an extra value's as the first section after the headlines
// that works it out. -1 when the working has none (a refused shape).
int headingLine(const TWorking& working, const QStringList& headingKeys, const QString& symbol)
{
    using Kind = TWorking::Line::Kind;
    const std::vector<TWorking::Line>& lines = working.lines();
    static const QStringList areaKeys{QStringLiteral("area"), QStringLiteral("worksurface")};
    bool pastHeadlines = false;
    int heading = -1;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const TWorking::Line& line = lines[i];
        if (line.kind == Kind::Heading) {
            if (symbol.isEmpty() && headingKeys.contains(line.key))
                return i;
            heading = pastHeadlines ? i : -1;
            pastHeadlines = pastHeadlines || areaKeys.contains(line.key);
        } else if (!symbol.isEmpty() && heading >= 0 && line.kind == Kind::Step && line.symbol == symbol) {
            return heading;
        }
    }
    return -1;
}

QScrollArea* makeBox(QWidget* parent, const QString& name, const QRect& geometry, QWidget** inner)
{
    auto* box = new QScrollArea(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::NoFocus);
    box->setWidgetResizable(false);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    *inner = new QWidget;
    (*inner)->setObjectName(name + QStringLiteral("Content"));
    box->setWidget(*inner);
    (*inner)->resize(box->viewport()->size());
    return box;
}

// Makes the inner widget of a box tall enough for its rows, so the box scrolls
// only when they do not fit.
void fitContents(QScrollArea* box, QWidget* inner)
{
    int bottom = 0;
    for (const QWidget* child : inner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    const int height = std::max(bottom + FirstRowTop, box->maximumViewportSize().height());
    const bool scrolls = height > box->maximumViewportSize().height();
    int width = box->maximumViewportSize().width();
    if (scrolls)
        width -= box->verticalScrollBar()->sizeHint().width();
    inner->resize(width, scrolls ? height : box->maximumViewportSize().height());
}

// Headline results by the shape's group; none for a group without them.
std::optional<std::pair<double, double>> headlineValues(const TPrimitive* shape)
{
    const QString group = shape->getGroup();
    if (group == QLatin1String("flat")) {
        if (const auto* flat = dynamic_cast<const T2DPrimitive*>(shape))
            return std::pair(flat->getMeasure(), flat->getArea());
    } else if (group == QLatin1String("solid")) {
        if (const auto* solid = dynamic_cast<const T3DPrimitive*>(shape))
            return std::pair(solid->getMeasure(), solid->getArea());
    } else if (group == QLatin1String("compound")) {
        if (const auto* compound = dynamic_cast<const TPrimitiveCompound*>(shape))
            return std::pair(compound->getMeasure(), compound->getArea());
    }
    return std::nullopt;
}

} // namespace

TBusyCursor::TBusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TBusyCursor::~TBusyCursor()
{
    QApplication::restoreOverrideCursor();
}

TfrShapeCalculator::TfrShapeCalculator(QWidget* parent, const QString& programFolder)
    : QWidget(parent)
    , m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
    , m_inputSeparator(DecimalSeparator)
{
    setObjectName(QStringLiteral("frShapeCalculator"));
    setFixedSize(NarrowWidth, FrameHeight);

    m_imgShape = new QLabel(this);
    m_imgShape->setObjectName(QStringLiteral("imgShape"));
    m_imgShape->setGeometry(4, 8, PictureSize, PictureSize);
    m_imgShape->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_imgShape->setCursor(Qt::PointingHandCursor);
    m_imgShape->setToolTip(QStringLiteral("Click here to select a shape"));
    m_imgShape->installEventFilter(this);

    m_lblNoImage = new QLabel(QStringLiteral("NO IMAGE"), m_imgShape);
    m_lblNoImage->setObjectName(QStringLiteral("lblNoImage"));
    QFont noImageFont = font();
    noImageFont.setBold(true);
    noImageFont.setPointSize(16);
    m_lblNoImage->setFont(noImageFont);
    QPalette silver = m_lblNoImage->palette();
    silver.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    m_lblNoImage->setPalette(silver);
    m_lblNoImage->setCursor(Qt::PointingHandCursor);
    m_lblNoImage->move(90, 120);
    m_lblNoImage->hide();
    m_lblNoImage->installEventFilter(this);

    m_lblSelShape = new QLabel(QStringLiteral("Click here to select a shape"), m_imgShape);
    m_lblSelShape->setObjectName(QStringLiteral("lblSelShape"));
    QFont promptFont = font();
    promptFont.setBold(true);
    m_lblSelShape->setFont(promptFont);
    QPalette grey = m_lblSelShape->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    m_lblSelShape->setPalette(grey);
    m_lblSelShape->setCursor(Qt::PointingHandCursor);
    m_lblSelShape->move(64, 128);
    m_lblSelShape->hide();
    m_lblSelShape->installEventFilter(this);

    m_lblShapeName = new QLabel(QStringLiteral("shape"), this);
    m_lblShapeName->setObjectName(QStringLiteral("lblShapeName"));
    QFont boldFont = font();
    boldFont.setBold(true);
    m_lblShapeName->setFont(boldFont);
    m_lblShapeName->move(312, 8);

    m_scrVars = makeBox(this, QStringLiteral("scrVars"), QRect(ColumnLeft, 24, ColumnWidth, 217), &m_varsBox);

    m_btnCalculate = new QPushButton(QStringLiteral("Calculate"), this);
    m_btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
    m_btnCalculate->setGeometry(ColumnLeft, 243, ColumnWidth, 24);
    // Tab reaches the buttons; a click leaves the focus in the field being edited.
    m_btnCalculate->setFocusPolicy(Qt::TabFocus);
    m_btnCalculate->setAutoDefault(true);
    connect(m_btnCalculate, &QPushButton::clicked, this, &TfrShapeCalculator::btnCalculateClick);

    m_lblVol = new QLabel(QStringLiteral("Volume"), this);
    m_lblVol->setObjectName(QStringLiteral("lblVol"));
    m_lblVol->move(312, 274);
    m_lblVolValue = new QLabel(QStringLiteral("0.0"), this);
    m_lblVolValue->setObjectName(QStringLiteral("lblVolValue"));
    m_lblVolValue->move(368, 274);
    setValueLook(m_lblVolValue);
    m_lblVolValue->installEventFilter(this);

    m_lblArea = new QLabel(QStringLiteral("Area"), this);
    m_lblArea->setObjectName(QStringLiteral("lblArea"));
    m_lblArea->move(312, 290);
    m_lblAreaValue = new QLabel(QStringLiteral("0.0"), this);
    m_lblAreaValue->setObjectName(QStringLiteral("lblAreaValue"));
    m_lblAreaValue->move(368, 290);
    setValueLook(m_lblAreaValue);
    m_lblAreaValue->installEventFilter(this);

    const QString uiImages = QDir(m_programFolder).filePath(QStringLiteral("img/ui/"));
    auto makeCopyButton = [&](const QString& name, const QString& hint, const QString& picture, int top) {
        auto* button = new TCopyButton(this);
        button->setObjectName(name);
        button->setGeometry(CopyButtonLeft, top, 14, 14);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(hint);
        // The icon at its own size, 1x and 2x, so that no screen scales it.
        QIcon icon;
        for (const qreal ratio : {1.0, 2.0}) {
            if (const auto variant = loadGifPicture(uiImages + picture, ratio))
                icon.addPixmap(QPixmap::fromImage(*variant));
        }
        button->setIconSize(QSize(14, 14));
        if (!icon.isNull())
            button->setIcon(icon);
        else
            button->setText(QStringLiteral("⧉"));
        return button;
    };
    m_btnCopyVolume = makeCopyButton(QStringLiteral("btnCopyVolume"),
        QStringLiteral("Copy volume value to clipboard"), QStringLiteral("copy_volume.gif"), 274);
    connect(m_btnCopyVolume, &QToolButton::clicked, this, &TfrShapeCalculator::btnCopyVolumeClick);
    m_btnCopyArea = makeCopyButton(QStringLiteral("btnCopyArea"),
        QStringLiteral("Copy area value to clipboard"), QStringLiteral("copy_area.gif"), 290);
    connect(m_btnCopyArea, &QToolButton::clicked, this, &TfrShapeCalculator::btnCopyAreaClick);

    m_btnMoreInfo = new QPushButton(QStringLiteral("More info >>"), this);
    m_btnMoreInfo->setObjectName(QStringLiteral("btnMoreInfo"));
    m_btnMoreInfo->setGeometry(ColumnLeft, 308, BottomButtonWidth, 20);
    // Not a toggle: "More info" and "Less info" look alike, the caption tells the state.
    m_btnMoreInfo->setFlat(true);
    m_btnMoreInfo->setFocusPolicy(Qt::TabFocus);
    m_btnMoreInfo->setAutoDefault(true);
    connect(m_btnMoreInfo, &QPushButton::clicked, this, &TfrShapeCalculator::btnMoreInfoClick);
    m_btnWorking = new QPushButton(QStringLiteral("Working"), this);
    m_btnWorking->setObjectName(QStringLiteral("btnWorking"));
    m_btnWorking->setGeometry(ColumnLeft + ColumnWidth - BottomButtonWidth, 308, BottomButtonWidth, 20);
    m_btnWorking->setFlat(true);
    m_btnWorking->setFocusPolicy(Qt::TabFocus);
    m_btnWorking->setAutoDefault(true);
    connect(m_btnWorking, &QPushButton::clicked, this, [this] { openWorking(); });
    QWidget::setTabOrder(m_btnCalculate, m_btnCopyVolume);
    QWidget::setTabOrder(m_btnCopyVolume, m_btnCopyArea);
    QWidget::setTabOrder(m_btnCopyArea, m_btnMoreInfo);
    QWidget::setTabOrder(m_btnMoreInfo, m_btnWorking);

    m_scrExtraVars = makeBox(this, QStringLiteral("scrExtraVars"), QRect(ExtraBoxLeft, 24, ExtraBoxWidth, 284), &m_extraBox);
    m_scrExtraVars->hide();

    clearView();
}

TfrShapeCalculator::~TfrShapeCalculator()
{
    // The edits must not report a focus loss while the frame is half destroyed.
    for (QLineEdit* edit : inputEdits())
        edit->removeEventFilter(this);
}

bool TfrShapeCalculator::initialize(const QString& imageFolder, const QString& language, WidthChanged onWidthChanged)
{
    m_imageFolder = imageFolder;
    m_groupFolder.clear();
    m_current = nullptr;
    m_shapeList.clear();
    m_group = QStringLiteral("solid");
    translate(language);
    m_lblSelShape->show();
    m_lblNoImage->hide();
    if (!m_picker)
        m_picker = new TfrmSelectImage(this);
    // The thumbnails of both groups are made while the user looks at the new
    // window, so that the picker opens at once.
    QStringList pictures;
    for (const QString& group : {QStringLiteral("solid"), QStringLiteral("flat")}) {
        if (const TNameList* shapes = PrimitivesLibrary.getGroupList(group)) {
            for (const auto& [id, shape] : *shapes)
                pictures.append(picturePath(shape, group));
        }
    }
    m_picker->prepareInAdvance(pictures, PrepareDelayMs);
    m_onWidthChanged = std::move(onWidthChanged);
    if (extrasShown())
        showExtras();
    else
        hideExtras();
    return true;
}

void TfrShapeCalculator::translate(const QString& language)
{
    m_language = language;
    m_imgShape->setToolTip(langText(QStringLiteral("selshape")));
    m_lblSelShape->setText(langText(QStringLiteral("selshape")));
    m_lblNoImage->setText(langText(QStringLiteral("noimage")));
    m_btnCalculate->setText(langText(QStringLiteral("calculate")));
    m_btnMoreInfo->setText(langText(extrasShown() ? QStringLiteral("hideinfo") : QStringLiteral("moreinfo")));
    m_btnWorking->setText(langTextOr(QStringLiteral("working"), QStringLiteral("Working")));
    m_btnWorking->setToolTip(
        langTextOr(QStringLiteral("workinghint"), QStringLiteral("How the results come about, step by step (F4)")));
    if (m_working)
        m_working->translate();
    setGroupTexts(m_group);
    m_lblArea->setText(langText(QStringLiteral("area")));
    m_lblArea->adjustSize();
    placeResults();
    m_btnCopyArea->setToolTip(langText(QStringLiteral("cpyarea")));

    for (QLabel* prompt : {m_lblSelShape, m_lblNoImage}) {
        prompt->adjustSize();
        prompt->move((m_imgShape->contentsRect().width() - prompt->width()) / 2, prompt->y());
    }

    // The rows are rebuilt for the new texts; what the user typed stays, with
    // the separator now in force in place of the old one.
    std::vector<std::pair<QString, QString>> typed;
    for (const QLineEdit* edit : inputEdits()) {
        QString text = edit->text();
        if (m_inputSeparator != DecimalSeparator && readDecimal(text, m_inputSeparator))
            text.replace(m_inputSeparator, DecimalSeparator);
        typed.emplace_back(edit->objectName(), text);
    }
    showShape();
    for (const auto& [name, text] : typed) {
        if (auto* edit = m_varsBox->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly))
            edit->setText(text);
    }
    showFieldResults();
}

// A caption longer than its column (in some languages) pushes both values right.
void TfrShapeCalculator::placeResults()
{
    const int captionsRight = std::max(m_lblVol->geometry().right(), m_lblArea->geometry().right());
    const int left = std::max(368, captionsRight + 6);
    m_lblVolValue->move(left, m_lblVolValue->y());
    m_lblAreaValue->move(left, m_lblAreaValue->y());
    const int room = resultRoom();
    setResultText(m_lblVolValue, m_lblVolValue->text(), room);
    setResultText(m_lblAreaValue, m_lblAreaValue->text(), room);
}

void TfrShapeCalculator::setGroupTexts(const QString& group)
{
    const bool flat = group == QLatin1String("flat");
    m_lblVol->setText(langText(flat ? QStringLiteral("perimeter") : QStringLiteral("volume")));
    m_lblVol->adjustSize();
    placeResults();
    m_btnCopyVolume->setToolTip(langText(flat ? QStringLiteral("cpyperim") : QStringLiteral("cpyvol")));
}

bool TfrShapeCalculator::showGroup(const QString& group)
{
    const TNameList* shapes = PrimitivesLibrary.getGroupList(group);
    m_group = group;
    setGroupTexts(group);
    m_groupFolder = group == QLatin1String("flat") ? QStringLiteral("flat") : QStringLiteral("solid");
    m_shapeList.clear();
    if (shapes) {
        for (const auto& [id, shape] : *shapes)
            addSortedUnique(m_shapeList, id, shape);
    }
    if (m_shapeList.empty()) {
        clearView();
        showMessage(QStringLiteral("There are no shapes in group \"") + group + QLatin1Char('"'));
    }
    fillPicker();
    return !m_shapeList.empty();
}

bool TfrShapeCalculator::showCategories(const QString& group, const QStringList& categoryKeys)
{
    m_shapeList.clear();
    for (const QString& key : categoryKeys) {
        if (const TNameList* shapes = PrimitivesLibrary.getCategoryList(key)) {
            for (const auto& [id, shape] : *shapes)
                addSortedUnique(m_shapeList, id, shape);
        }
    }
    if (m_shapeList.empty()) {
        clearView();
        showMessage(langTextOr(QStringLiteral("noshapes"), QStringLiteral("There are no shapes in selected categories!")));
    }
    m_group = group;
    setGroupTexts(group);
    m_groupFolder = group == QLatin1String("flat") ? QStringLiteral("flat") : QStringLiteral("solid");
    fillPicker();
    return !m_shapeList.empty();
}

QString TfrShapeCalculator::picturePath(const TPrimitive* shape) const
{
    return picturePath(shape, m_groupFolder);
}

QString TfrShapeCalculator::picturePath(const TPrimitive* shape, const QString& groupFolder) const
{
    // A shape without a picture name has no file: the picture folder itself is
    // not one.
    if (shape->getImage().isEmpty())
        return QString();
    QDir folder(m_programFolder);
    if (!m_imageFolder.isEmpty())
        folder.setPath(folder.filePath(m_imageFolder));
    return QDir(folder.filePath(groupFolder)).filePath(shape->getImage());
}

void TfrShapeCalculator::fillPicker()
{
    // Decoding and shrinking the pictures is the slow part of a change of view;
    // it waits until the picker is opened, with the captions of this moment.
    m_picker->clearImages();
    m_pickerCaptions.clear();
    for (const auto& [id, shape] : m_shapeList) {
        const QString title = shape->getTitle(m_language);
        m_pickerCaptions.append(title.isEmpty() ? id : title);
    }
    m_pickerFilled = m_shapeList.empty();
}

void TfrShapeCalculator::completePicker()
{
    if (m_pickerFilled)
        return;
    m_pickerFilled = true;
    const TBusyCursor busy;
    for (int i = 0; i < static_cast<int>(m_shapeList.size()); ++i)
        m_picker->addImageFile(picturePath(m_shapeList[i].second), i, true, m_pickerCaptions[i], 0xFFFFFFFF);
    m_picker->arrange();
}

bool TfrShapeCalculator::pickShape()
{
    completePicker();
    m_picker->selectKey(currentKey());
    // Only a chosen thumbnail changes the shape; closing the picker otherwise
    // keeps the current shape and what was typed for it.
    if (m_picker->exec() != QDialog::Accepted)
        return false;
    selectShape(m_picker->selectedKey());
    return true;
}

void TfrShapeCalculator::restoreView(const View& view)
{
    m_group = view.group;
    m_groupFolder = view.groupFolder;
    m_shapeList = view.shapes;
    setGroupTexts(m_group);
    fillPicker();
}

void TfrShapeCalculator::selectShape(int index)
{
    m_current = index >= 0 && index < static_cast<int>(m_shapeList.size()) ? m_shapeList[index].second : nullptr;
    showShape();
    showFieldResults();
    // Typing goes straight into the first dimension.
    if (const QList<QLineEdit*> edits = inputEdits(); !edits.isEmpty())
        edits.first()->setFocus(Qt::OtherFocusReason);
}

void TfrShapeCalculator::showFieldResults()
{
    if (m_current && !storeFields())
        showResults(InvalidShown::AsDash);
    else
        refreshWorking();
}

int TfrShapeCalculator::currentKey() const
{
    for (int i = 0; i < static_cast<int>(m_shapeList.size()); ++i) {
        if (m_current && m_shapeList[i].second == m_current)
            return i;
    }
    return -1;
}

void TfrShapeCalculator::showShape()
{
    clearView();
    m_lblSelShape->hide();
    if (!m_current) {
        m_lblNoImage->hide();
        m_lblSelShape->show();
        return;
    }
    m_lblShapeName->setText(m_current->getTitle(m_language));
    m_lblShapeName->adjustSize();
    buildInputs();
    buildExtras();

    std::optional<QImage> picture;
    const qreal ratio = m_imgShape->devicePixelRatioF();
    if (QFileInfo(picturePath(m_current)).isFile())
        picture = loadGifPicture(picturePath(m_current), ratio);
    // A damaged picture file shows as a missing one.
    if (!picture) {
        m_lblNoImage->show();
        return;
    }
    m_lblNoImage->hide();
    // Drawn at the screen's device pixels: a 2x picture on a 2x screen is copied pixel for pixel.
    QPixmap canvas(qRound(PictureSize * ratio), qRound(PictureSize * ratio));
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    const QSizeF shown = picture->deviceIndependentSize();
    const QPointF corner(std::trunc((PictureSize - shown.width()) / 2), std::trunc((PictureSize - shown.height()) / 2));
    painter.drawImage(corner, *picture);
    painter.end();
    m_imgShape->setPixmap(canvas);
}

void TfrShapeCalculator::clearView()
{
    QPixmap blank(m_imgShape->size());
    blank.fill(Qt::white);
    m_imgShape->setPixmap(blank);
    clearInputs();
    clearExtras();
    setResultText(m_lblVolValue, formatResult(0.0), resultRoom());
    setResultText(m_lblAreaValue, formatResult(0.0), resultRoom());
    m_lblShapeName->clear();
    m_lblSelShape->show();
}

void TfrShapeCalculator::clearInputs()
{
    for (QWidget* child : m_varsBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->removeEventFilter(this);
        delete child;
    }
    fitContents(m_scrVars, m_varsBox);
}

void TfrShapeCalculator::clearExtras()
{
    qDeleteAll(m_extraBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    fitContents(m_scrExtraVars, m_extraBox);
}

void TfrShapeCalculator::buildInputs()
{
    int y = FirstRowTop;
    QLineEdit* previous = nullptr;
    for (int i = 0; i < m_current->varCount(); ++i) {
        const QString name = m_current->varName(i);
        if (!m_current->isInputVar(name))
            continue;
        auto* label = new QLabel(name, m_varsBox);
        label->setObjectName(QStringLiteral("lblVar") + name);
        label->setFont(variableFont());
        label->move(8, y + 3);
        label->adjustSize();
        label->show();

        // The field shows what the shape holds: the value last typed for it.
        auto* edit = new QLineEdit(generalText(m_current->getVar(name), DecimalSeparator), m_varsBox);
        edit->setObjectName(name);
        // No taller than a row, so that the frames of neighbouring edits do not overlap.
        edit->setGeometry(30, y, EditWidth, std::min(edit->sizeHint().height(), RowStep));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::returnPressed, this, &TfrShapeCalculator::btnCalculateClick);
        edit->show();
        if (previous)
            QWidget::setTabOrder(previous, edit);
        previous = edit;
        y += RowStep;
    }
    // From the last field on to the buttons, and from the last button round to the first field.
    if (previous)
        QWidget::setTabOrder(previous, m_btnCalculate);
    m_inputSeparator = DecimalSeparator;
    fitContents(m_scrVars, m_varsBox);
}

void TfrShapeCalculator::buildExtras()
{
    int y = FirstRowTop;
    for (int i = 0; i < m_current->extraVarCount(); ++i) {
        const QString name = m_current->extraVarName(i);
        if (!m_current->isExtraVar(name))
            continue;
        auto* label = new QLabel(name, m_extraBox);
        label->setObjectName(QStringLiteral("_lblExtraVar") + name);
        label->setFont(variableFont());
        label->move(8, y + 3);
        label->adjustSize();
        label->show();

        auto* value = new QLabel(formatResult(0.0), m_extraBox);
        value->setObjectName(name);
        setValueLook(value);
        value->installEventFilter(this);
        value->setGeometry(ExtraValueLeft, y + 3, extraRoom(), label->height());
        value->show();
        y += RowStep;
    }
    fitContents(m_scrExtraVars, m_extraBox);
}

QList<QLineEdit*> TfrShapeCalculator::inputEdits() const
{
    return m_varsBox->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
}

QList<QLabel*> TfrShapeCalculator::extraValueLabels() const
{
    QList<QLabel*> labels;
    for (QLabel* label : m_extraBox->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->objectName().startsWith(QLatin1Char('_')))
            labels.append(label);
    }
    return labels;
}

QLineEdit* TfrShapeCalculator::storeFields()
{
    QLineEdit* firstBad = nullptr;
    for (QLineEdit* edit : inputEdits()) {
        if (const auto value = readDecimal(edit->text(), DecimalSeparator))
            m_current->setVar(edit->objectName(), *value);
        else if (!firstBad)
            firstBad = edit;
    }
    return firstBad;
}

void TfrShapeCalculator::btnCalculateClick()
{
    if (!m_current)
        return;
    if (QLineEdit* bad = storeFields()) {
        refreshWorking();
        checkFloatEdit(bad, bad->objectName(), m_language);
        return;
    }
    showResults(InvalidShown::AsMessage);
}

void TfrShapeCalculator::editExit(QLineEdit* edit)
{
    if (!m_current)
        return;
    if (!readDecimal(edit->text(), DecimalSeparator)) {
        refreshWorking();
        checkFloatEdit(edit, edit->objectName(), m_language);
        return;
    }
    // Results are shown only when every field holds a number: they would not
    // belong to what the fields show otherwise.
    if (!storeFields())
        showResults(InvalidShown::AsDash);
    else
        refreshWorking();
}

int TfrShapeCalculator::resultRoom() const
{
    return m_btnCopyVolume->x() - m_lblVolValue->x() - 2;
}

int TfrShapeCalculator::extraRoom() const
{
    return ExtraBoxWidth - ExtraValueLeft - m_scrExtraVars->verticalScrollBar()->sizeHint().width() - 2;
}

void TfrShapeCalculator::showResults(InvalidShown invalid)
{
    // First, so that the working is up to date while a message is on show.
    refreshWorking();
    const auto headline = headlineValues(m_current);
    const QList<QLabel*> extras = extraValueLabels();
    std::vector<double> extraValues;
    bool finite = !headline || (std::isfinite(headline->first) && std::isfinite(headline->second));
    for (const QLabel* label : extras) {
        extraValues.push_back(m_current->getVar(label->objectName()));
        finite = finite && std::isfinite(extraValues.back());
    }
    if (!finite) {
        const QString why = langTextOr(QStringLiteral("invalidshape"),
            QStringLiteral("The dimensions typed do not give a valid shape."));
        if (invalid == InvalidShown::AsMessage) {
            showMessage(why);
            return;
        }
        for (QLabel* label : QList<QLabel*>{m_lblVolValue, m_lblAreaValue} + extras) {
            label->setText(NoResult);
            label->setToolTip(why);
        }
        return;
    }
    if (headline) {
        showResult(m_lblVolValue, headline->first, resultRoom());
        showResult(m_lblAreaValue, headline->second, resultRoom());
    }
    for (int i = 0; i < extras.size(); ++i)
        showResult(extras[i], extraValues[i], extraRoom());
}

void TfrShapeCalculator::btnCopyVolumeClick()
{
    if (!m_current || m_lblVolValue->text() == NoResult)
        return;
    QGuiApplication::clipboard()->setText(m_lblVolValue->text());
}

void TfrShapeCalculator::btnCopyAreaClick()
{
    if (!m_current || m_lblAreaValue->text() == NoResult)
        return;
    QGuiApplication::clipboard()->setText(m_lblAreaValue->text());
}

void TfrShapeCalculator::btnMoreInfoClick()
{
    if (!extrasShown()) {
        m_btnMoreInfo->setText(langText(QStringLiteral("hideinfo")));
        showExtras();
    } else {
        m_btnMoreInfo->setText(langText(QStringLiteral("moreinfo")));
        hideExtras();
    }
}

bool TfrShapeCalculator::extrasShown() const
{
    return m_scrExtraVars->isVisibleTo(this);
}

void TfrShapeCalculator::showExtras()
{
    setFixedWidth(WideWidth);
    m_scrExtraVars->show();
    if (m_onWidthChanged)
        m_onWidthChanged(this);
}

void TfrShapeCalculator::hideExtras()
{
    m_scrExtraVars->hide();
    setFixedWidth(NarrowWidth);
    if (m_onWidthChanged)
        m_onWidthChanged(this);
}

void TfrShapeCalculator::openWorking(const QLabel* value)
{
    if (!m_working)
        m_working = new TfrmWorking(window());
    m_working->translate();
    m_working->placeBesideOwner();
    m_working->show();
    m_working->raise();
    m_working->activateWindow();
    // Opening it counts as leaving the field: the results and the working
    // both follow what the fields hold.
    showFieldResults();
    if (!value || !m_current || firstFieldWithoutNumber())
        return;
    TWorking working(CalcPrecision, DecimalSeparator);
    m_current->explain(working);
    int line = -1;
    if (value == m_lblVolValue)
        line = headingLine(working, {QStringLiteral("perimeter"), QStringLiteral("volume")}, QString());
    else if (value == m_lblAreaValue)
        line = headingLine(working, {QStringLiteral("area"), QStringLiteral("worksurface")}, QString());
    else
        line = headingLine(working, {}, value->objectName());
    // The text of a working may open with lines of its own (a refusal's).
    const int lead = static_cast<int>(workingText(working).size() - working.lines().size());
    if (line >= 0)
        m_working->scrollToLine(line + lead);
}

TfrmWorking* TfrShapeCalculator::workingWindow() const
{
    return m_working;
}

void TfrShapeCalculator::refreshWorking()
{
    if (!m_working || !m_working->isVisible())
        return;
    if (!m_current) {
        m_working->showNote(langTextOr(QStringLiteral("worknoshape"),
            QStringLiteral("Pick a shape to see how its results come about.")));
        return;
    }
    if (const QLineEdit* edit = firstFieldWithoutNumber()) {
        m_working->showNote(correctFieldMessage(edit->objectName(), m_language));
        return;
    }
    TWorking working(CalcPrecision, DecimalSeparator);
    m_current->explain(working);
    m_working->showWorking(m_current->getId(), working);
}

const QLineEdit* TfrShapeCalculator::firstFieldWithoutNumber() const
{
    for (const QLineEdit* edit : inputEdits()) {
        if (!readDecimal(edit->text(), DecimalSeparator))
            return edit;
    }
    return nullptr;
}

bool TfrShapeCalculator::isValueLabel(const QObject* object) const
{
    if (object == m_lblVolValue || object == m_lblAreaValue)
        return true;
    const auto* label = qobject_cast<const QLabel*>(object);
    return label && label->parentWidget() == m_extraBox && !label->objectName().startsWith(QLatin1Char('_'));
}

void TfrShapeCalculator::imgShapeClick()
{
    pickShape();
}

bool TfrShapeCalculator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == m_imgShape || watched == m_lblNoImage || watched == m_lblSelShape)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            imgShapeClick();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease && isValueLabel(watched)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            openWorking(label);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Entering a field selects its text, so typing replaces the "0"; queued so
        // that the click which gave the focus does not undo the selection.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && edit->parentWidget() == m_varsBox)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::FocusOut) {
        // Switching windows or opening a menu is not leaving the field, nor is the
        // focus the program moves itself (to a refused field, after a pick).
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && edit->parentWidget() == m_varsBox && reason != Qt::ActiveWindowFocusReason
            && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason
            && reason != Qt::OtherFocusReason)
            editExit(edit);
    }
    return QWidget::eventFilter(watched, event);
}
