#include "TEdit.h"

#include "SingleLineValidator.h"

#include <QKeyEvent>

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new SingleLineValidator(this));
}

void TEdit::setTextHint(const QString &hint)
{
    m_textHint = hint;
    setPlaceholderText(hasFocus() ? QString() : hint);
}

void TEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_rules.refuses(event, this)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::focusInEvent(QFocusEvent *event)
{
    setPlaceholderText(QString());
    QLineEdit::focusInEvent(event);
}

void TEdit::focusOutEvent(QFocusEvent *event)
{
    setPlaceholderText(m_textHint);
    QLineEdit::focusOutEvent(event);
}
