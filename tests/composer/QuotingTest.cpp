#include "Quoting.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct QuotingCase {
    const char *name;
    QString text;
    QString quoted;
};

void PrintTo(const QuotingCase &c, std::ostream *os)
{
    *os << c.name;
}

class QuotingTest : public testing::TestWithParam<QuotingCase> { };

TEST_P(QuotingTest, QuotesTheTextExactly)
{
    const QuotingCase &c = GetParam();
    const QString quoted = composer::QuoteValue(c.text);
    EXPECT_EQ(quoted, c.quoted);
    EXPECT_EQ(quoted.size(), c.quoted.size());
    EXPECT_EQ(composer::QuotedLength(c.text), c.quoted.size());
}

const QuotingCase kCases[] = {
    {"Empty", u""_qs, u"''"_qs},
    {"Digits", u"9001"_qs, u"'9001'"_qs},
    {"InnerApostrophe", u"Miner's Cap"_qs, u"'Miner''s Cap'"_qs},
    {"OneApostrophe", u"'"_qs, u"''''"_qs},
    {"TwoApostrophes", u"''"_qs, u"''''''"_qs},
    {"ApostrophesAtBothEnds", u"'x'"_qs, u"'''x'''"_qs},
    {"InnerBackslash", u"back\\slash"_qs, u"'back\\\\slash'"_qs},
    {"TrailingBackslash", u"end\\"_qs, u"'end\\\\'"_qs},
    {"BackslashBeforeApostrophe", u"a\\'b"_qs, u"'a\\\\''b'"_qs},
    {"ApostropheBeforeBackslash", u"a'\\"_qs, u"'a''\\\\'"_qs},
    {"PunctuationPassesUnchanged", u"\"`;,()%_"_qs, u"'\"`;,()%_'"_qs},
    {"LookAlikeApostropheIsNotDoubled", u"it\u2019s"_qs, u"'it\u2019s'"_qs},
    {"BlanksAtTheEndsStay", u"  pad  "_qs, u"'  pad  '"_qs},
    {"NonAscii", u"Preço"_qs, u"'Preço'"_qs},
    {"OutsideTheBasicPlane", u"\U0001F5E1 Blade \U0001F6E1"_qs, u"'\U0001F5E1 Blade \U0001F6E1'"_qs},
    {"ControlCharacter", u"tab\there"_qs, u"'tab\there'"_qs},
    {"InjectionAttempt", u"'); DROP TABLE custom_armor; -- "_qs, u"'''); DROP TABLE custom_armor; -- '"_qs},
};

INSTANTIATE_TEST_SUITE_P(Texts, QuotingTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<QuotingCase> &info) { return std::string(info.param.name); });

} // namespace
