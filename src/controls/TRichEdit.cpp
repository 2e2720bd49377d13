#include "TRichEdit.h"

#include "TypingRules.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TRichEdit::TRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setLineWrapMode(WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setAcceptRichText(true);
    hideInactiveSelection();
}

qsizetype TRichEdit::length() const
{
    // The document counts one more character than its text holds: the
    // paragraph separator that ends its last block.
    return document()->characterCount() - 1;
}

bool TRichEdit::addLine(QStringView line)
{
    QTextDocument *doc = document();
    const bool startsOwnLine = doc->lastBlock().length() == 1; // empty last line
    if (length() + line.size() + 1 > kCapacity)
        return false;

    // The program writes plain text in the pane's own font, whatever
    // formatting the user pasted before it.
    const QTextCharFormat plain;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!startsOwnLine)
        cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.insertText(line.toString(), plain);
    if (startsOwnLine)
        cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

qsizetype TRichEdit::room() const
{
    const QTextCursor cursor = textCursor();
    return kCapacity - length() + (cursor.selectionEnd() - cursor.selectionStart());
}

void TRichEdit::keyPressEvent(QKeyEvent *event)
{
    const bool typesCharacters = TypingRules::typesText(event);
    const bool breaksLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((typesCharacters || breaksLine) && room() < qMax<qsizetype>(event->text().size(), 1)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TRichEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText() || source->text().size() <= room()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    // Too long to go in whole: as much of its plain text as fits.
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text().left(room()));
    setTextCursor(cursor);
}

void TRichEdit::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        hideInactiveSelection();
}

// An unfocused pane draws its selection in the palette's inactive colours:
// make those the plain text colours so that the selection disappears.
void TRichEdit::hideInactiveSelection()
{
    QPalette p = palette();
    if (p.color(QPalette::Inactive, QPalette::Highlight) == p.color(QPalette::Inactive, QPalette::Base)
        && p.color(QPalette::Inactive, QPalette::HighlightedText) == p.color(QPalette::Inactive, QPalette::Text))
        return;
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Inactive, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
    setPalette(p);
}
