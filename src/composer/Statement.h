#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace composer {

using Text = std::u16string_view;

inline QString ToQString(Text text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// One value of an INSERT statement and the text written right after it.
struct ValueSlot {
    enum class Source { Input, Fixed };

    Source source;
    // Input: the control name of the input whose quoted text is the value.
    // Fixed: the value itself, written as it stands (quotes included).
    Text text;
    // Input: the position of that input in its page's declaration.
    int input;
    // "," or ", " between values, ");" after the last one.
    Text follower;
};

// The constant description of one table's statement: the values stand in the
// table's column order, so no column list is written.
struct StatementTemplate {
    Text table;
    std::span<const ValueSlot> values;
};

constexpr ValueSlot FixedSlot(Text value, Text follower)
{
    return {ValueSlot::Source::Fixed, value, -1, follower};
}

// The current texts of a page's inputs, in the order the page declares them.
using InputTexts = std::span<const QString>;

// Builds the one-line statement
//   INSERT INTO `table` VALUES (<value><follower>...)
// from the template and the page's input texts. Validates nothing and cannot
// fail; `texts` must hold one text for every input of the template's page.
QString ComposeStatement(const StatementTemplate &statement, InputTexts texts);

} // namespace composer
