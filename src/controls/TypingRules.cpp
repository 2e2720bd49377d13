#include "TypingRules.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

// Shortcuts (Ctrl+V, Ctrl+A, ...) and editing keys (Backspace, Enter, Tab)
// type nothing, even where they carry a control character as their text.
bool TypingRules::typesText(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

bool TypingRules::refuses(const QKeyEvent *event, const QLineEdit *edit) const
{
    if (!typesText(event))
        return false;
    const QString typed = event->text();
    if (numbersOnly && !std::all_of(typed.begin(), typed.end(), isDigit))
        return true;
    // Typing replaces the selection, so the selected characters make room.
    const qsizetype after = edit->text().size() - edit->selectedText().size() + typed.size();
    return maxLength > 0 && after > maxLength;
}
