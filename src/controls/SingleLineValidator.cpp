#include "SingleLineValidator.h"

#include <algorithm>

namespace {

// The mandatory line breaks of Unicode, and the two that editors also break at.
bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    const auto first = std::find_if(input.cbegin(), input.cend(), isLineBreak);
    if (first == input.cend())
        return Acceptable;

    // The text before the change held no break, so every break belongs to
    // the inserted text, which ends at the cursor: drop its lines after the
    // first.
    const auto last = std::find_if(input.crbegin(), input.crend(), isLineBreak);
    const qsizetype from = first - input.cbegin();
    const qsizetype to = std::max<qsizetype>(pos, input.size() - (last - input.crbegin()));
    input.remove(from, to - from);
    pos = int(from);
    return Acceptable;
}
