// SPDX-License-Identifier: MIT
#include "ui/about.h"

#include "lang/language.h"
#include "ui/gifImage.h"
#include "ui/uiFont.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

const QString KolventWebSite = QStringLiteral("https://kolvent.example.org");
const QString KolventEmail = QStringLiteral("kolvent@example.org");

namespace {

TfrmAbout::UrlOpener& urlOpener()
{
    static TfrmAbout::UrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

const QString Version = QStringLiteral("0.9.2");

// The texts right of the picture end 2 pixels before the right edge.
constexpr int TextLeft = 96;
constexpr int TextWidth = 255 - TextLeft - 2;

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(TextLeft, y);
    fitLabel(label, TextWidth);
    return label;
}

// Blue, underlined, with a hand cursor: a label that opens an address.
QLabel* makeLink(const QString& name, const QString& text, QWidget* parent, int y)
{
    QLabel* label = makeLabel(name, text, parent, y);
    QFont font = parent->font();
    font.setUnderline(true);
    fitLabel(label, TextWidth, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(const QString& iconPath, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kolvent"));
    setFixedSize(255, 140);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
    setPalette(palette);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(9, 8, 72, 51);
    icon->setScaledContents(true);
    if (const std::optional<QImage> picture = loadGifPicture(iconPath, devicePixelRatioF()))
        icon->setPixmap(QPixmap::fromImage(*picture));

    QLabel* name = makeLabel(QStringLiteral("Label3"), QStringLiteral("Kolvent"), this, 5);
    QFont large = name->font();
    large.setBold(true);
    large.setPointSize(16);
    name->setFont(large);
    name->adjustSize();

    m_lblVersion = makeLabel(QStringLiteral("Label1"), QString(), this, 31);
    m_lblNotice = makeLabel(QStringLiteral("lblNotice"), QString(), this, 48);
    m_lblWebSite = makeLink(QStringLiteral("lblWebSite"), KolventWebSite, this, 64);
    m_lblComments = makeLabel(QStringLiteral("Label4"), QString(), this, 104);
    m_lblEmail = makeLink(QStringLiteral("lblEmail"), KolventEmail, this, 120);
    m_lblWebSite->installEventFilter(this);
    m_lblEmail->installEventFilter(this);

    m_btnOK = new QPushButton(this);
    m_btnOK->setObjectName(QStringLiteral("OKButton"));
    m_btnOK->setGeometry(9, 108, 72, 25);
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);
    translate();
}

void TfrmAbout::translate()
{
    setWindowTitle(langTextOr(QStringLiteral("frmAbout"), QStringLiteral("About Kolvent")));
    m_lblVersion->setText(langTextOr(QStringLiteral("aboutversion"), QStringLiteral("Version %s")).replace(
        QStringLiteral("%s"), Version));
    m_lblNotice->setText(langTextOr(QStringLiteral("aboutnotice"), QStringLiteral("Free software, MIT licence")));
    m_lblComments->setText(
        langTextOr(QStringLiteral("aboutcomments"), QStringLiteral("Please send your comments to")));
    for (QLabel* label : {m_lblVersion, m_lblNotice, m_lblComments})
        fitLabel(label, TextWidth);
    m_btnOK->setText(langTextOr(QStringLiteral("ok"), QStringLiteral("OK")));
}

QString TfrmAbout::defaultIconPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/img/ui/kolvent.gif");
}

TfrmAbout::UrlOpener TfrmAbout::setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(urlOpener());
    urlOpener() = std::move(opener);
    return previous;
}

void TfrmAbout::lblWebSiteClick()
{
    if (urlOpener())
        urlOpener()(QUrl(KolventWebSite));
}

void TfrmAbout::lblEmailClick()
{
    if (urlOpener())
        urlOpener()(QUrl(QStringLiteral("mailto:") + KolventEmail));
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_lblWebSite) {
            lblWebSiteClick();
            return true;
        }
        if (watched == m_lblEmail) {
            lblEmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    handBackKeyboard(this);
}
