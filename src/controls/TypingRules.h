#pragma once

class QKeyEvent;
class QLineEdit;

// What the user may type into a single-line input. The rules govern typing
// alone: text that the program sets, a picked or completed choice and pasted
// text are not held to them.
struct TypingRules {
    int maxLength = 0; // the most characters typing may leave; 0 for no limit
    bool numbersOnly = false; // only the digits 0 to 9 may be typed

    // True when `event` types characters, as opposed to a shortcut or an
    // editing key such as Backspace, Enter or Tab.
    static bool typesText(const QKeyEvent *event);

    // True when `event` types text into `edit` that these rules refuse.
    bool refuses(const QKeyEvent *event, const QLineEdit *edit) const;
};
