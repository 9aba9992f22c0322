// SPDX-License-Identifier: MIT
#include "ui/main_window.h"

#include "lang/language.h"
#include "base/settings.h"
#include "model/primitivesLibrary.h"
#include "ui/about.h"
#include "ui/categories.h"
#include "ui/settingsDialog.h"
#include "ui/shapeCalculator.h"
#include "ui/workingWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {
constexpr int FrameLeft = 4;
constexpr int FrameTop = 4;
}

TfrmMain::TfrmMain(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kolvent"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createMenus();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_frShapeCalculator = new TfrShapeCalculator(m_client, m_programFolder);
    formCreate();
}

TfrmMain::~TfrmMain() = default;

// Captions are set by translateMenus, from the language file or the built-in texts.
void TfrmMain::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));
    bar->setNativeMenuBar(false);

    m_itmSettings = bar->addAction(QString());
    m_itmSettings->setObjectName(QStringLiteral("itmSettings"));
    connect(m_itmSettings, &QAction::triggered, this, &TfrmMain::itmSettingsClick);

    m_itmView = bar->addMenu(QString());
    m_itmView->setObjectName(QStringLiteral("itmView"));
    auto* radioGroup = new QActionGroup(this);
    radioGroup->setExclusive(true);
    auto addRadio = [&](const QString& name) {
        QAction* item = m_itmView->addAction(QString());
        item->setObjectName(name);
        item->setCheckable(true);
        radioGroup->addAction(item);
        return item;
    };
    m_itmViewFlatAll = addRadio(QStringLiteral("itmViewFlatAll"));
    connect(m_itmViewFlatAll, &QAction::triggered, this, &TfrmMain::itmViewFlatAllClick);
    m_itmViewFlatCategories = addRadio(QStringLiteral("itmViewFlatCategories"));
    connect(m_itmViewFlatCategories, &QAction::triggered, this, &TfrmMain::itmViewFlatCategoriesClick);
    m_itmView->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_itmViewSolidAll = addRadio(QStringLiteral("itmViewSolidAll"));
    connect(m_itmViewSolidAll, &QAction::triggered, this, &TfrmMain::itmViewSolidAllClick);
    m_itmViewSolidCategories = addRadio(QStringLiteral("itmViewSolidCategories"));
    connect(m_itmViewSolidCategories, &QAction::triggered, this, &TfrmMain::itmViewSolidCategoriesClick);
    m_itmViewCompound = addRadio(QStringLiteral("itmViewCompound"));
    m_itmViewCompound->setText(QStringLiteral("Compound shapes"));
    m_itmViewCompound->setVisible(false);
    m_itmView->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_itmWorking = m_itmView->addAction(QString());
    m_itmWorking->setObjectName(QStringLiteral("itmWorking"));
    m_itmWorking->setShortcut(QKeySequence(Qt::Key_F4));
    connect(m_itmWorking, &QAction::triggered, this, &TfrmMain::itmWorkingClick);
    addAction(m_itmWorking);
    // A program without a File menu still quits with the usual key.
    m_itmView->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_itmQuit = m_itmView->addAction(QString());
    m_itmQuit->setObjectName(QStringLiteral("itmQuit"));
    m_itmQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_itmQuit, &QAction::triggered, this, &QWidget::close);
    // The shortcut works while the menu is closed too.
    addAction(m_itmQuit);

    m_itmHelp = bar->addMenu(QString());
    m_itmHelp->setObjectName(QStringLiteral("itmHelp"));
    m_itmHelpAbout = m_itmHelp->addAction(QString());
    m_itmHelpAbout->setObjectName(QStringLiteral("itmHelpAbout"));
    connect(m_itmHelpAbout, &QAction::triggered, this, &TfrmMain::itmHelpAboutClick);
}

// At start-up and after every language switch, so that the captions and their
// accelerators never depend on whether the settings were changed yet.
void TfrmMain::translateMenus()
{
    m_itmSettings->setText(langTextOr(QStringLiteral("mnuSettings"), QStringLiteral("&Settings")));
    m_itmView->setTitle(langTextOr(QStringLiteral("mnuView"), QStringLiteral("&View")));
    m_itmViewFlatAll->setText(langTextOr(QStringLiteral("mnuViewFlatAll"), QStringLiteral("&Flat shapes...")));
    m_itmViewFlatCategories->setText(
        langTextOr(QStringLiteral("mnuViewFlatCategories"), QStringLiteral("Flat shape &categories...")));
    m_itmViewSolidAll->setText(langTextOr(QStringLiteral("mnuViewSolidAll"), QStringLiteral("&Solid shapes...")));
    m_itmViewSolidCategories->setText(
        langTextOr(QStringLiteral("mnuViewSolidCategories"), QStringLiteral("Solid shape c&ategories...")));
    m_itmWorking->setText(langTextOr(QStringLiteral("mnuWorking"), QStringLiteral("&Working...")));
    m_itmQuit->setText(langTextOr(QStringLiteral("mnuQuit"), QStringLiteral("&Quit")));
    m_itmHelp->setTitle(langTextOr(QStringLiteral("mnuHelp"), QStringLiteral("&Help")));
    m_itmHelpAbout->setText(langTextOr(QStringLiteral("mnuHelpAbout"), QStringLiteral("&About...")));
}

void TfrmMain::formCreate()
{
    m_frShapeCalculator->move(FrameLeft, FrameTop);
    m_language = QStringLiteral("en");
    m_langsFolder = QDir(m_programFolder).filePath(QStringLiteral("langs")) + QLatin1Char('/');
    m_filePrefix = QStringLiteral("kolvent.");
    loadLanguage(languageFile(m_language), QStringLiteral("DEFAULT"));
    translateMenus();
    PrimitivesLibrary.loadShapeNames(m_langsFolder + QStringLiteral("flat.xml"));
    PrimitivesLibrary.loadShapeNames(m_langsFolder + QStringLiteral("solid.xml"));
    PrimitivesLibrary.loadCategories(m_langsFolder + QStringLiteral("categories.xml"));
    m_frShapeCalculator->initialize(QStringLiteral("img"), m_language,
        [this](TfrShapeCalculator* sender) { frameWidthChanged(sender); });
    rebuildCategories(QStringLiteral("solid"));
    m_viewGroup = QStringLiteral("solid");
    m_itmViewSolidAll->setChecked(true);
    m_viewItem = m_itmViewSolidAll;
    m_frShapeCalculator->showGroup(QStringLiteral("solid"));
}

QString TfrmMain::languageFile(const QString& code) const
{
    return m_langsFolder + m_filePrefix + code;
}

void TfrmMain::rebuildCategories(const QString& group)
{
    m_categories.reset();
    m_categories = std::make_unique<TfrmCategories>(this);
    m_categories->fillCategories(PrimitivesLibrary.categoryTitles()->child(group), m_language,
        languageFile(m_language));
}

TfrmMain::ViewState TfrmMain::viewState() const
{
    return {m_viewGroup, m_viewItem, m_frShapeCalculator->view(), nullptr};
}

void TfrmMain::switchView(const QString& group, QAction* item, ViewState& before)
{
    if (m_viewGroup != group) {
        before.categories = std::move(m_categories);
        rebuildCategories(group);
    }
    m_viewGroup = group;
    item->setChecked(true);
}

// A view change that ends without a shape chosen leaves the window as it was:
// group, captions, menu check mark, categories dialog and picture folder.
void TfrmMain::restoreViewState(ViewState& before)
{
    m_viewGroup = before.group;
    before.checked->setChecked(true);
    if (before.categories)
        m_categories = std::move(before.categories);
    m_frShapeCalculator->restoreView(before.frame);
}

void TfrmMain::viewAll(const QString& group, QAction* item)
{
    ViewState before = viewState();
    switchView(group, item, before);
    if (m_frShapeCalculator->showGroup(group) && m_frShapeCalculator->pickShape())
        m_viewItem = item;
    else
        restoreViewState(before);
}

void TfrmMain::viewCategories(const QString& group, QAction* item)
{
    ViewState before = viewState();
    switchView(group, item, before);
    if (m_categories->exec() == QDialog::Accepted
        && m_frShapeCalculator->showCategories(group, m_categories->checkedCategories())
        && m_frShapeCalculator->pickShape())
        m_viewItem = item;
    else
        restoreViewState(before);
}

void TfrmMain::itmViewFlatAllClick()
{
    viewAll(QStringLiteral("flat"), m_itmViewFlatAll);
}

void TfrmMain::itmViewFlatCategoriesClick()
{
    viewCategories(QStringLiteral("flat"), m_itmViewFlatCategories);
}

void TfrmMain::itmViewSolidAllClick()
{
    viewAll(QStringLiteral("solid"), m_itmViewSolidAll);
}

void TfrmMain::itmViewSolidCategoriesClick()
{
    viewCategories(QStringLiteral("solid"), m_itmViewSolidCategories);
}

void TfrmMain::itmSettingsClick()
{
    TfrmSettings dialog(this);
    dialog.translate();
    if (dialog.exec() == QDialog::Accepted) {
        applySettings();
        m_frShapeCalculator->btnCalculateClick();
    }
}

void TfrmMain::applySettings()
{
    CalcPrecision = OptPrecision;
    setLanguage(OptLanguage);
}

void TfrmMain::setLanguage(const QString& code)
{
    m_language = code;
    OptLanguage = code;
    loadLanguage(languageFile(code), QStringLiteral("DEFAULT"));
    m_frShapeCalculator->translate(code);
    if (m_categories)
        m_categories->translate(code, languageFile(code));
    translateMenus();
}

void TfrmMain::frameWidthChanged(TfrShapeCalculator* sender)
{
    const int width = 2 * sender->x() + sender->width();
    const int clientHeight = FrameTop + sender->height() + FrameTop;
    m_client->setFixedSize(width, clientHeight);
    setFixedSize(width, menuBar()->sizeHint().height() + clientHeight);
}

void TfrmMain::itmHelpAboutClick()
{
    if (!m_about)
        m_about = new TfrmAbout(QDir(m_programFolder).filePath(QStringLiteral("img/ui/kolvent.gif")), this);
    m_about->translate();
    m_about->exec();
}

void TfrmMain::itmWorkingClick()
{
    m_frShapeCalculator->openWorking();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (TfrmWorking* working = m_frShapeCalculator->workingWindow())
        working->close();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
