#include "Statement.h"
#include "PageTexts.h"

#include <gtest/gtest.h>

namespace {

struct StatementCase {
    const char *name;
    QString page;
    TextOverrides typed;
    QString statement;
    qsizetype statedLength = 0; // the length the worked example gives, where it gives one
};

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
    {"ArmorWorkedExample", u"Armor"_qs, {{u"ArmorID"_qs, u"9001"_qs}, {u"ArmorName"_qs, u"Scout's Vest"_qs}},
        u"INSERT INTO `custom_armor` VALUES ('9001','9001','Scout''s Vest', 'fullarmor', 'false', 'none', '1110', "
        u"'cloth', 's', '0', '-1', '-1','249','0','866', '0', '748', 'false', 'false', 'true', 'true', '0-0;');"_qs,
        205},
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
    {"EtcItemWorkedExample", u"EtcItem"_qs, {{u"ItemID"_qs, u"9001"_qs}, {u"ItemName"_qs, u"Hunter's Charm"_qs}},
        u"INSERT INTO `custom_etcitem` VALUES ('9001','9001','Hunter''s Charm', 'false', 'material', '0', "
        u"'stackable', 'steel', 'none', '-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs,
        198},
    {"EtcItemDefaults", u"EtcItem"_qs, {},
        u"INSERT INTO `custom_etcitem` VALUES ('','','', 'false', 'material', '0', 'stackable', 'steel', 'none', "
        u"'-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs,
        175},
    {"EtcItemNameIsOneApostrophe", u"EtcItem"_qs, {{u"ItemName"_qs, u"'"_qs}, {u"item_type"_qs, u"Potion2"_qs}},
        u"INSERT INTO `custom_etcitem` VALUES ('','','''', 'false', 'Potion2', '0', 'stackable', 'steel', 'none', "
        u"'-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs},
    {"WeaponWorkedExample", u"Weapon"_qs, {{u"WID"_qs, u"9001"_qs}, {u"WN"_qs, u"Knight's Blade"_qs}},
        u"INSERT INTO `custom_weapon` VALUES ('9001', '9001', 'Knight''s Blade', 'lhand', 'false', '1300', '1', '1', "
        u"'steel', 's', '305', '5', 'none', '5', '5', '0', '0', '0', '379', '0', '226', '-1', '-1', '0', '2850', "
        u"'false', 'false', 'true', '0-0;', '0-0;', '0-0;', '0-0;');"_qs,
        268},
    {"WeaponDefaults", u"Weapon"_qs, {}, kWeaponDefaults, 245},
    {"WeaponDestroyIsNotWritten", u"Weapon"_qs, {{u"WDestroy"_qs, u"false"_qs}}, kWeaponDefaults},
    {"ArmorSetsWorkedExample", u"ArmorSets"_qs, {{u"ArmorSetID"_qs, u"9001"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('9001', '', '', '', '', '', '', '', '', '', '', '');"_qs, 91},
    {"ArmorSetsEveryInput", u"ArmorSets"_qs,
        {{u"ArmorSetID"_qs, u"9001"_qs}, {u"ArmorSetHelmet"_qs, u"9002"_qs}, {u"ArmorSetChest"_qs, u"9003"_qs},
            {u"ArmorSetLegs"_qs, u"9004"_qs}, {u"ArmorSetGloves"_qs, u"9005"_qs}, {u"ArmorSetFeet"_qs, u"9006"_qs},
            {u"ArmorSetShield"_qs, u"9007"_qs}, {u"ArmorSetSkill"_qs, u"9101"_qs}, {u"ArmorSetSkillLvl"_qs, u"1"_qs},
            {u"SkillSetID"_qs, u"9102"_qs}, {u"ShieldSkill"_qs, u"9103"_qs}, {u"ArmorSet6ESkill"_qs, u"9104"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('9001', '9002', '9003', '9004', '9005', '9006', '9007', '9101', '1', "
        u"'9102', '9103', '9104');"_qs,
        132},
    {"ArmorSetsLeadingZerosStay", u"ArmorSets"_qs, {{u"ArmorSetID"_qs, u"007"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('007', '', '', '', '', '', '', '', '', '', '', '');"_qs},
};

INSTANTIATE_TEST_SUITE_P(Pages, StatementTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<StatementCase> &info) { return std::string(info.param.name); });

} // namespace
