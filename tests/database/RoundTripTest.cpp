// Runs the statements that the record pages compose on a real MariaDB server
// in its default SQL mode and reads the rows back: whatever was typed must be
// what the database holds, character for character, and no typed text may
// change what the statement does.

#include "Connection.h"
#include "PageTexts.h"
#include "Statement.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace {

// The longest name that the name inputs take.
constexpr std::u16string_view kFullLengthName
    = u"Mantle of the Wanderer's Oath \\ \"Edição\" Preço; `Ouro` (Lv80), a name that fills";
static_assert(kFullLengthName.size() == 80);

// Texts that try to end the value, and the statement with it, and run SQL of
// their own.
const QString kInjection = u"'); DROP TABLE custom_armor; -- "_qs;
const QString kInjectionBehindBackslash = u"\\'); DROP TABLE custom_armor; -- "_qs;

// Texts that a statement with faulty quoting would store wrongly, refuse, or
// turn into SQL of their own.
struct HostileText {
    const char *name;
    QString text;
};

const HostileText kHostileTexts[] = {
    {"OneApostrophe", u"'"_qs},
    {"TwoApostrophes", u"''"_qs},
    {"ApostrophesAtBothEnds", u"'Quoted'"_qs},
    {"InnerApostrophe", u"Miner's Cap"_qs},
    {"OneBackslash", u"\\"_qs},
    {"InnerBackslash", u"back\\slash"_qs},
    {"TrailingBackslash", u"end\\"_qs},
    {"TwoBackslashes", u"\\\\"_qs},
    {"BackslashBeforeApostrophe", u"a\\'b"_qs},
    {"ApostropheBeforeTrailingBackslash", u"it'\\"_qs},
    {"BackslashEscapeSequences", u"\\n\\r\\t\\0\\Z\\b\\%\\_\\x"_qs},
    {"DoubleQuotes", u"\"Double\" \"quotes"_qs},
    {"Backticks", u"`custom_armor`"_qs},
    {"Semicolons", u";a;b;"_qs},
    {"SeparatorLookalike", u"a', 'b"_qs},
    {"InjectionAttempt", kInjection},
    {"InjectionBehindBackslash", kInjectionBehindBackslash},
    {"CommentMarkers", u"/* not a comment */ -- # "_qs},
    {"LeadingAndTrailingBlanks", u"  padded  "_qs},
    {"OnlyBlanks", u"   "_qs},
    {"Empty", u""_qs},
    {"FullLengthName", QString::fromUtf16(kFullLengthName.data(), qsizetype(kFullLengthName.size()))},
    {"NonAscii", u"Preço"_qs},
    {"LookAlikeApostrophe", u"it\u2019s"_qs},
    {"OutsideTheBasicPlane", u"\U0001F5E1 Blade \U0001F6E1 \U0002070E"_qs},
    {"OutsideTheBasicPlaneNextToApostrophes", u"'\U0001F409''"_qs},
};

// Where a statement-shaped text is most dangerous: in the last value that an
// input fills, right before the statement's end, a text that escapes its
// quotes can end the statement itself and have a statement of its own run.
const HostileText kStatementEnders[] = {
    {"InjectionAttempt", kInjection},
    {"InjectionBehindBackslash", kInjectionBehindBackslash},
};

// Each record page and the input that takes its ID.
struct PageIds {
    const char *page;
    const char *idInput;
};

const PageIds kPages[] = {
    {"Armor", "ArmorID"},
    {"EtcItem", "ItemID"},
    {"Weapon", "WID"},
    {"ArmorSets", "ArmorSetID"},
};

struct RoundTripCase {
    std::string name;
    QString page;
    TextOverrides typed;
};

void PrintTo(const RoundTripCase &c, std::ostream *os)
{
    *os << c.name;
}

// The last input-filled value of `page` that takes any text; empty if none.
QString LastFreeTextValue(const composer::RecordPage &page)
{
    for (auto slot = page.statement.values.rbegin(); slot != page.statement.values.rend(); ++slot) {
        if (slot->source == composer::ValueSlot::Source::Input)
            return page.inputs[std::size_t(slot->input)].digitsOnly ? QString() : ToQString(slot->text);
    }
    return {};
}

std::vector<RoundTripCase> RoundTripCases()
{
    std::vector<RoundTripCase> cases;
    for (const auto &[pageName, idInput] : kPages) {
        const composer::RecordPage &page = PageNamed(QString::fromLatin1(pageName));
        const QString id = QString::fromLatin1(idInput);
        auto add = [&](std::string_view what, TextOverrides typed) {
            cases.push_back({std::string(pageName) + "_" + std::string(what), ToQString(page.name), std::move(typed)});
        };

        // The window as it starts, and with an ID typed.
        add("Defaults", {});
        add("DefaultsWithId", {{id, u"9001"_qs}});

        // Every digits-only input filled to its limit, leading zeros
        // included, each with a number of its own.
        TextOverrides digits;
        int number = 0;
        for (const composer::InputDecl &input : page.inputs) {
            if (input.digitsOnly)
                digits.emplace_back(
                    ToQString(input.name), QString::number(++number).rightJustified(input.maxLength, u'0'));
        }
        add("DigitsAtTheirLimits", std::move(digits));

        // The inputs that take any text: names, drop-downs and skill lists.
        std::vector<QString> freeInputs;
        for (const composer::InputDecl &input : page.inputs) {
            if (!input.digitsOnly)
                freeInputs.push_back(ToQString(input.name));
        }
        if (freeInputs.empty())
            continue;

        for (const HostileText &hostile : kHostileTexts) {
            TextOverrides typed = {{id, u"9001"_qs}};
            for (const QString &input : freeInputs)
                typed.emplace_back(input, hostile.text);
            add(hostile.name, std::move(typed));
        }
        // A different text in each input, so that a value spilling into its
        // neighbour cannot pass for the neighbour's own. A step prime to the
        // list's length spreads the picks over all of it.
        constexpr std::size_t step = 7;
        static_assert(std::gcd(step, std::size(kHostileTexts)) == 1);
        TextOverrides mixed = {{id, u"9001"_qs}};
        for (std::size_t i = 0; i < freeInputs.size(); ++i)
            mixed.emplace_back(freeInputs[i], kHostileTexts[(i * step) % std::size(kHostileTexts)].text);
        add("EachInputADifferentText", std::move(mixed));

        if (const QString last = LastFreeTextValue(page); !last.isEmpty()) {
            for (const HostileText &ender : kStatementEnders)
                add(std::string(ender.name) + "InLastValue", {{id, u"9001"_qs}, {last, ender.text}});
        }
    }
    return cases;
}

// A fixed value is an SQL literal written as it stands. The pages' fixed
// values are quoted words with nothing to unescape, so the database stores
// the word; anything else would need a real SQL parser to predict.
QString StoredFixedValue(composer::Text literal)
{
    const QString text = ToQString(literal);
    const bool quoted = text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\'');
    const QString inner = quoted ? text.mid(1, text.size() - 2) : QString();
    if (!quoted || inner.contains(u'\'') || inner.contains(u'\\'))
        throw std::invalid_argument("fixed value is not a plain quoted word: " + text.toStdString());
    return inner;
}

QString ReadSchema()
{
    QFile file(QString::fromUtf8(VARNHOLT_SCHEMA_FILE));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " VARNHOLT_SCHEMA_FILE);
    return QString::fromUtf8(file.readAll());
}

QString Quoted(const QString &identifier)
{
    return u'`' + identifier + u'`';
}

// Every case works in a database of its own, made afresh from the schema,
// so that each starts from four empty tables and the cases cannot disturb
// one another when CTest runs them side by side.
class RoundTripTest : public testing::TestWithParam<RoundTripCase> {
protected:
    void SetUp() override
    {
        m_database = QString::fromStdString("roundtrip_" + GetParam().name);
        ASSERT_LE(m_database.size(), 64) << "database names are limited to 64 characters";
        m_db.emplace(TestServerSocket());
        m_db->run(
            u"DROP DATABASE IF EXISTS %1; CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_bin; USE %1"_qs.arg(
                Quoted(m_database)));
        m_db->run(ReadSchema());
    }

    void TearDown() override
    {
        if (!m_db)
            return;
        try {
            m_db->run(u"DROP DATABASE IF EXISTS %1"_qs.arg(Quoted(m_database)));
        } catch (const DatabaseError &error) {
            ADD_FAILURE() << error.what();
        }
    }

    QString m_database;
    std::optional<Connection> m_db;
};

TEST_P(RoundTripTest, StoresExactlyWhatWasTyped)
{
    const composer::RecordPage &page = PageNamed(GetParam().page);
    const std::vector<QString> texts = PageTexts(page, GetParam().typed);
    const QString statement = composer::ComposeStatement(page.statement, texts);
    SCOPED_TRACE("statement: " + statement.toStdString());
    const QString table = ToQString(page.statement.table);

    const std::vector<StatementOutcome> outcomes = m_db->run(statement);
    EXPECT_EQ(outcomes.size(), 1u) << "the line ran as more than one statement";
    EXPECT_EQ(outcomes.front().affectedRows, 1u);
    EXPECT_EQ(outcomes.front().warnings, 0u) << "the server adjusted a value on its way in";

    // Every table is still there, and only the one row went in.
    std::vector<QString> expectedTables;
    for (const composer::RecordPage *each : composer::RecordPages())
        expectedTables.push_back(ToQString(each->statement.table));
    std::sort(expectedTables.begin(), expectedTables.end());
    std::vector<QString> tables;
    for (const auto &row : m_db->query(u"SHOW TABLES"_qs).values)
        tables.push_back(row.at(0).value_or(QString()));
    std::sort(tables.begin(), tables.end());
    ASSERT_EQ(tables, expectedTables);
    for (const QString &each : tables) {
        const Rows count = m_db->query(u"SELECT COUNT(*) FROM %1"_qs.arg(Quoted(each)));
        EXPECT_EQ(count.values.at(0).at(0), std::optional(QString::number(each == table ? 1 : 0)))
            << "rows in " << each.toStdString();
    }

    // The row holds every text as typed, and every fixed value.
    const Rows stored = m_db->query(u"SELECT * FROM %1"_qs.arg(Quoted(table)));
    ASSERT_EQ(stored.columns.size(), page.statement.values.size()) << "schema.sql and the statement disagree";
    ASSERT_EQ(stored.values.size(), 1u);
    for (std::size_t i = 0; i < page.statement.values.size(); ++i) {
        const composer::ValueSlot &slot = page.statement.values[i];
        const QString expected = slot.source == composer::ValueSlot::Source::Input ? texts[std::size_t(slot.input)]
                                                                                   : StoredFixedValue(slot.text);
        EXPECT_EQ(stored.values[0][i], std::optional(expected))
            << "value " << i + 1 << ", column " << stored.columns[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, RoundTripTest, testing::ValuesIn(RoundTripCases()),
    [](const testing::TestParamInfo<RoundTripCase> &info) { return info.param.name; });

} // namespace
