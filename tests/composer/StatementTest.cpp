#include "Statement.h"
#include "PageTexts.h"
#include "WorkedExamples.h"

#include <gtest/gtest.h>

namespace {

// The worked examples, and further cases over each page's declared defaults.
using StatementCase = WorkedExample;

class StatementTest : public testing::TestWithParam<StatementCase> { };

TEST_P(StatementTest, ComposesTheExactLine)
{
    const StatementCase &c = GetParam();
    const composer::RecordPage &page = PageNamed(c.page);
    const std::vector<QString> texts = PageTexts(page, c.typed);

    const QString statement = composer::ComposeStatement(page.statement, texts);

    EXPECT_EQ(statement, c.statement);
    if (c.statedLength != 0) {
        EXPECT_EQ(statement.size(), c.statedLength);
    }
    // Composing reads the texts and changes none of them.
    EXPECT_EQ(texts, PageTexts(page, c.typed));
}

const QString kWeaponDefaults
    = u"INSERT INTO `custom_weapon` VALUES ('', '', '', 'lhand', 'false', '1300', '1', '1', 'steel', 's', '305', '5', "
      u"'none', '5', '5', '0', '0', '0', '379', '0', '226', '-1', '-1', '0', '2850', 'false', 'false', 'true', '0-0;', "
      u"'0-0;', '0-0;', '0-0;');"_qs;

const StatementCase kCases[] = {
    {"ArmorDefaults", u"Armor"_qs, {},
        u"INSERT INTO `custom_armor` VALUES ('','','', 'fullarmor', 'false', 'none', '1110', 'cloth', 's', '0', '-1', "
        u"'-1','249','0','866', '0', '748', 'false', 'false', 'true', 'true', '0-0;');"_qs},
    {"ArmorBodyPartLongerThanItsLimit", u"Armor"_qs,
        {{u"ArmorID"_qs, u"7"_qs}, {u"ArmorBodyPart"_qs, u"rfinger,lfinger"_qs}, {u"ArmorType"_qs, u"Heavy"_qs}},
        u"INSERT INTO `custom_armor` VALUES ('7','7','', 'rfinger,lfinger', 'false', 'Heavy', '1110', 'cloth', 's', "
        u"'0', '-1', '-1','249','0','866', '0', '748', 'false', 'false', 'true', 'true', '0-0;');"_qs},
    {"ArmorEveryInputEmpty", u"Armor"_qs,
        {{u"ArmorBodyPart"_qs, {}}, {u"ArmorType"_qs, {}}, {u"ArmorMaterial"_qs, {}}, {u"ArmorTrade"_qs, {}},
            {u"ArmorDrop"_qs, {}}, {u"ArmorDestroy"_qs, {}}, {u"ArmorPDef"_qs, {}}, {u"ArmorMDef"_qs, {}},
            {u"ArmorMPBonus"_qs, {}}, {u"ArmorCrystalyze"_qs, {}}, {u"ArmorGrade"_qs, {}}, {u"ArmorCrystalQnt"_qs, {}},
            {u"ArmorWeight"_qs, {}}, {u"ArmorSellable"_qs, {}}, {u"ArmorPrice"_qs, {}}, {u"ArmorDuration"_qs, {}},
            {u"ArmorLifetime"_qs, {}}, {u"ArmorSkills"_qs, {}}},
        u"INSERT INTO `custom_armor` VALUES ('','','', '', '', '', '', '', '', '0', '', '','','','', '', '', '', '', "
        u"'', '', '');"_qs},
    {"EtcItemDefaults", u"EtcItem"_qs, {},
        u"INSERT INTO `custom_etcitem` VALUES ('','','', 'false', 'material', '0', 'stackable', 'steel', 'none', "
        u"'-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs,
        175},
    {"EtcItemNameIsOneApostrophe", u"EtcItem"_qs, {{u"ItemName"_qs, u"'"_qs}, {u"item_type"_qs, u"Potion2"_qs}},
        u"INSERT INTO `custom_etcitem` VALUES ('','','''', 'false', 'Potion2', '0', 'stackable', 'steel', 'none', "
        u"'-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs},
    {"WeaponDefaults", u"Weapon"_qs, {}, kWeaponDefaults, 245},
    {"WeaponDestroyIsNotWritten", u"Weapon"_qs, {{u"WDestroy"_qs, u"false"_qs}}, kWeaponDefaults},
    {"ArmorSetsWorkedExample", u"ArmorSets"_qs, {{u"ArmorSetID"_qs, u"9001"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('9001', '', '', '', '', '', '', '', '', '', '', '');"_qs, 91},
    {"ArmorSetsLeadingZerosStay", u"ArmorSets"_qs, {{u"ArmorSetID"_qs, u"007"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('007', '', '', '', '', '', '', '', '', '', '', '');"_qs},
};

INSTANTIATE_TEST_SUITE_P(WorkedExamples, StatementTest, testing::ValuesIn(kWorkedExamples),
    [](const testing::TestParamInfo<StatementCase> &info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Pages, StatementTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<StatementCase> &info) { return std::string(info.param.name); });

} // namespace
