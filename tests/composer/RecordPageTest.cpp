// Checks over the declarations of all four record pages: the kind of slip a
// hand-written table invites (a missing slot, a duplicated name, a gap in the
// focus order) shows up here rather than in a user's database.

#include "PageTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using composer::RecordPage;
using composer::ValueSlot;

class RecordPageTest : public testing::TestWithParam<const RecordPage *> { };

TEST_P(RecordPageTest, StatementReadsEveryInputButTheWeaponDestroyFlag)
{
    const RecordPage &page = *GetParam();
    std::set<int> read;
    for (const ValueSlot &slot : page.statement.values) {
        if (slot.source == ValueSlot::Source::Input)
            read.insert(slot.input);
    }
    for (std::size_t i = 0; i < page.inputs.size(); ++i) {
        const QString name = ToQString(page.inputs[i].name);
        EXPECT_EQ(read.count(int(i)) == 1, name != u"WDestroy"_qs) << name.toStdString();
    }
}

TEST_P(RecordPageTest, FollowersSeparateAndTheLastOneTerminates)
{
    const auto values = GetParam()->statement.values;
    ASSERT_FALSE(values.empty());
    for (std::size_t i = 0; i + 1 < values.size(); ++i)
        EXPECT_TRUE(values[i].follower == u"," || values[i].follower == u", ") << "slot " << i + 1;
    EXPECT_TRUE(values.back().follower == u");");
}

TEST_P(RecordPageTest, FocusOrderNumbersEveryControlOnce)
{
    const RecordPage &page = *GetParam();
    std::vector<int> order = {page.add.tabOrder, page.clear.tabOrder, page.pane.tabOrder};
    for (const composer::InputDecl &input : page.inputs)
        order.push_back(input.tabOrder);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i], int(i));
}

TEST_P(RecordPageTest, DefaultsAreChoicesAndEachLabelStandsLeftOfItsInput)
{
    for (const composer::InputDecl &input : GetParam()->inputs) {
        const std::string name = ToQString(input.name).toStdString();
        if (!input.choices.empty()) {
            EXPECT_NE(std::find(input.choices.begin(), input.choices.end(), input.defaultText), input.choices.end())
                << name;
        }
        EXPECT_LE(qsizetype(input.defaultText.size()), input.maxLength) << name;
        EXPECT_LE(input.label.place.left + input.label.place.width, input.place.left) << name;
        EXPECT_LT(input.label.place.top, input.place.top + input.place.height) << name;
        EXPECT_GT(input.label.place.top + input.label.place.height, input.place.top) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, RecordPageTest, testing::ValuesIn(composer::RecordPages()),
    [](const testing::TestParamInfo<const RecordPage *> &info) { return ToQString(info.param->name).toStdString(); });

TEST(RecordPages, ControlNamesAreUniqueAcrossTheWindow)
{
    std::set<QString> names;
    auto add = [&names](composer::Text name) {
        EXPECT_TRUE(names.insert(ToQString(name)).second) << ToQString(name).toStdString();
    };
    for (const RecordPage *page : composer::RecordPages()) {
        add(page->name);
        add(page->add.name);
        add(page->clear.name);
        add(page->pane.name);
        for (const composer::InputDecl &input : page->inputs) {
            add(input.name);
            add(input.label.name);
        }
    }
}

TEST(RecordPages, OnlyTheRingChoiceIsLongerThanItsInputsLimit)
{
    std::vector<QString> longer;
    for (const RecordPage *page : composer::RecordPages()) {
        for (const composer::InputDecl &input : page->inputs) {
            for (composer::Text choice : input.choices) {
                if (qsizetype(choice.size()) > input.maxLength)
                    longer.push_back(ToQString(input.name) + u'=' + ToQString(choice));
            }
        }
    }
    EXPECT_EQ(longer, std::vector<QString>{u"ArmorBodyPart=rfinger,lfinger"_qs});
}

} // namespace
