#pragma once

#include <QValidator>

// Keeps an input on one line: of a pasted or dropped text with line breaks,
// only the first line goes in, as in any single-line edit box. An input text
// can then never split a statement over two lines.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
