#include "Statement.h"

#include "Quoting.h"

namespace composer {

namespace {

constexpr Text kPrefixHead = u"INSERT INTO `";
constexpr Text kPrefixTail = u"` VALUES (";

QStringView view(Text text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

} // namespace

QString ComposeStatement(const StatementTemplate &statement, InputTexts texts)
{
    auto valueOf = [&texts](const ValueSlot &slot) { return QStringView(texts[std::size_t(slot.input)]); };

    // Measure first so the line is built in one pass without reallocating.
    qsizetype length = qsizetype(kPrefixHead.size() + statement.table.size() + kPrefixTail.size());
    for (const ValueSlot &slot : statement.values) {
        length += slot.source == ValueSlot::Source::Input ? QuotedLength(valueOf(slot)) : qsizetype(slot.text.size());
        length += qsizetype(slot.follower.size());
    }

    QString line;
    line.reserve(length);
    line += view(kPrefixHead);
    line += view(statement.table);
    line += view(kPrefixTail);
    for (const ValueSlot &slot : statement.values) {
        if (slot.source == ValueSlot::Source::Input)
            AppendQuotedValue(line, valueOf(slot));
        else
            line += view(slot.text);
        line += view(slot.follower);
    }
    return line;
}

} // namespace composer
