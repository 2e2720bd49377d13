#pragma once

#include "TypingRules.h"

#include <QComboBox>

// An editable drop-down list with a fixed list of choices. Its text is a
// picked choice or whatever the user types, kept exactly as typed: unlike
// QComboBox it never rewrites a typed text to a choice's capitals and never
// adds a typed text to the list. Typing completes inline to the first choice
// that begins with the typed characters, compared without regard to case.
class TComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TComboBox(QWidget *parent = nullptr);

    void setTypingRules(TypingRules rules) { m_rules = rules; }
    TypingRules typingRules() const { return m_rules; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void completeInline();
    void stepFromTypedChoice();

    TypingRules m_rules;
};
