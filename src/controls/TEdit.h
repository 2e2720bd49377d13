#pragma once

#include "TypingRules.h"

#include <QLineEdit>

// A single-line edit box. Unlike QLineEdit, its length limit and digits-only
// rule bound typing only, never a text the program sets, and its
// placeholder shows only while the box is empty and unfocused.
class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget *parent = nullptr);

    void setTypingRules(TypingRules rules) { m_rules = rules; }
    TypingRules typingRules() const { return m_rules; }

    void setTextHint(const QString &hint);
    QString textHint() const { return m_textHint; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TypingRules m_rules;
    QString m_textHint;
};
