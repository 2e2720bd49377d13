#include "TComboBox.h"

#include "SingleLineValidator.h"

#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

// QComboBox gives an edit part that has no completer one of its own, with a
// popup list, only for setCompleter(nullptr) to drop it again below. Lending
// every edit part this one idle completer for that moment spares the window
// a few hundred widgets.
QCompleter *IdleCompleter()
{
    static QPointer<QCompleter> completer;
    if (!completer)
        completer = new QCompleter(qApp);
    return completer;
}

} // namespace

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    // Giving the edit part directly makes the list editable without building
    // its popup up front, as setEditable() would.
    auto *edit = new QLineEdit(this);
    edit->setCompleter(IdleCompleter());
    edit->setValidator(new SingleLineValidator(edit));
    setLineEdit(edit);
    setInsertPolicy(NoInsert);
    setMaxVisibleItems(8);
    // QComboBox matches an edited text against the choices with its
    // completer's case rule and then replaces the text by the matching
    // choice. Without a completer that match is exact, which leaves every
    // typed text alone; completion is done below instead.
    setCompleter(nullptr);
}

void TComboBox::keyPressEvent(QKeyEvent *event)
{
    if (m_rules.refuses(event, lineEdit())) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        stepFromTypedChoice();
    const bool typing = TypingRules::typesText(event);
    QComboBox::keyPressEvent(event);
    if (typing)
        completeInline();
}

// The arrow keys step through the list from the choice the text names, also
// when the user typed or completed it rather than picking it.
void TComboBox::stepFromTypedChoice()
{
    const int typed = findText(currentText(), Qt::MatchFixedString);
    if (typed >= 0 && typed != currentIndex())
        setCurrentIndex(typed);
}

void TComboBox::completeInline()
{
    QLineEdit *edit = lineEdit();
    const QString typed = edit->text();
    if (typed.isEmpty() || edit->hasSelectedText() || edit->cursorPosition() != typed.size())
        return;
    for (int i = 0; i < count(); ++i) {
        const QString choice = itemText(i);
        if (choice.size() > typed.size() && choice.startsWith(typed, Qt::CaseInsensitive)) {
            // The typed characters stay as typed; the rest of the choice
            // follows them, selected, so that the next character replaces it.
            edit->setText(typed + choice.mid(typed.size()));
            edit->setSelection(int(typed.size()), int(choice.size() - typed.size()));
            return;
        }
    }
}
