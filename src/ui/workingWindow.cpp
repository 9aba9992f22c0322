// SPDX-License-Identifier: MIT
#include "ui/workingWindow.h"

#include "lang/language.h"
#include "lang/workingText.h"
#include "model/working.h"
#include "ui/uiFont.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int InitialWidth = 480;
constexpr int InitialHeight = 380;
constexpr int GapToOwner = 8;
// Lines under a heading stand in from it.
constexpr int LineIndent = 14;
constexpr int HeadingSpace = 8;
const QColor NoteColour(0x70, 0x70, 0x70);
const QColor FaultColour(0x8B, 0x00, 0x00);

void addLine(QTextCursor& cursor, bool first, TWorking::Line::Kind kind, const QString& text)
{
    QTextBlockFormat block;
    QTextCharFormat characters;
    switch (kind) {
    case TWorking::Line::Kind::Heading:
        block.setTopMargin(first ? 0 : HeadingSpace);
        block.setBottomMargin(2);
        characters.setFontWeight(QFont::Bold);
        break;
    case TWorking::Line::Kind::Given:
    case TWorking::Line::Kind::Step:
        block.setLeftMargin(LineIndent);
        break;
    case TWorking::Line::Kind::Note:
        block.setLeftMargin(LineIndent);
        characters.setForeground(NoteColour);
        break;
    case TWorking::Line::Kind::Fault:
        block.setLeftMargin(LineIndent);
        characters.setForeground(FaultColour);
        break;
    }
    if (first) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(characters);
    } else {
        cursor.insertBlock(block, characters);
    }
    cursor.insertText(text, characters);
}

} // namespace

TfrmWorking::TfrmWorking(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmWorking"));
    setWindowTitle(QStringLiteral("Working"));
    resize(InitialWidth, InitialHeight);
    setMinimumSize(240, 160);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtWorking"));
    m_text->setOpenLinks(false);
    // The interface font: it has · ² √ π and the other signs of the formulas.
    m_text->setFont(interfaceFont());
    m_text->document()->setDefaultFont(interfaceFont());

    m_btnCopy = new QPushButton(QStringLiteral("Copy working"), this);
    m_btnCopy->setObjectName(QStringLiteral("btnCopyWorking"));
    m_btnCopy->setEnabled(false);
    connect(m_btnCopy, &QPushButton::clicked, this, &TfrmWorking::btnCopyClick);
    m_btnClose = new QPushButton(QStringLiteral("Close"), this);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(m_btnClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnCopy);
    buttons->addWidget(m_btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    translate();
}

void TfrmWorking::translate()
{
    setWindowTitle(langTextOr(QStringLiteral("frmWorking"), QStringLiteral("Working")));
    m_btnCopy->setText(langTextOr(QStringLiteral("copyworking"), QStringLiteral("Copy working")));
    m_btnClose->setText(langTextOr(QStringLiteral("close"), QStringLiteral("Close")));
}

void TfrmWorking::showWorking(const QString& subject, const TWorking& working)
{
    const Place before = subject == m_subject ? place() : Place();
    m_subject = subject;
    m_text->clear();
    QTextCursor cursor(m_text->document());
    bool first = true;
    for (const TWorkingText& line : workingText(working)) {
        addLine(cursor, first, line.kind, line.text);
        first = false;
    }
    m_plainText = workingPlainText(working);
    m_btnCopy->setEnabled(true);
    restore(before);
}

void TfrmWorking::showNote(const QString& text)
{
    m_subject.clear();
    m_text->clear();
    QTextCursor cursor(m_text->document());
    addLine(cursor, true, TWorking::Line::Kind::Note, text);
    m_plainText.clear();
    m_btnCopy->setEnabled(false);
}

TfrmWorking::Place TfrmWorking::place() const
{
    const int top = m_text->verticalScrollBar()->value();
    const QTextBlock block = m_text->cursorForPosition(QPoint(0, 0)).block();
    const int blockTop = qRound(m_text->document()->documentLayout()->blockBoundingRect(block).top());
    return {block.blockNumber(), top - blockTop};
}

void TfrmWorking::restore(const Place& place)
{
    QTextBlock block = m_text->document()->findBlockByNumber(place.line);
    if (!block.isValid())
        block = m_text->document()->lastBlock();
    const int blockTop = qRound(m_text->document()->documentLayout()->blockBoundingRect(block).top());
    m_text->verticalScrollBar()->setValue(blockTop + place.offset);
}

void TfrmWorking::scrollToLine(int line)
{
    restore({line, 0});
}

void TfrmWorking::placeBesideOwner()
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (m_placed || !owner || !owner->isVisible())
        return;
    m_placed = true;
    const QScreen* screen = owner->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int right = beside.right() + 1 + GapToOwner;
    const int left = beside.left() - GapToOwner - width();
    const int top = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height()));
    // Without room on either side it covers the picture, not the fields and results.
    if (right + width() <= room.right() + 1)
        move(right, top);
    else if (left >= room.left())
        move(left, top);
    else
        move(room.left(), top);
}

void TfrmWorking::btnCopyClick()
{
    if (!m_plainText.isEmpty())
        QGuiApplication::clipboard()->setText(m_plainText);
}

void TfrmWorking::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    handBackKeyboard(this);
}

void TfrmWorking::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
