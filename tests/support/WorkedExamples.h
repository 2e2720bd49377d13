#pragma once

#include "PageTexts.h"

#include <QString>

// One statement that a record page's "Add" writes: what the user typed over
// the declared defaults, and the line that results.
struct WorkedExample {
    const char *name;
    QString page;
    TextOverrides typed;
    QString statement;
    qsizetype statedLength = 0; // where the example's length is given independently
};

inline void PrintTo(const WorkedExample &example, std::ostream *os)
{
    *os << example.name;
}

// The four pages' reference statements, each with an ID and, where the page
// has one, a name with an apostrophe typed in.
inline const WorkedExample kWorkedExamples[] = {
    {"Armor", u"Armor"_qs, {{u"ArmorID"_qs, u"9001"_qs}, {u"ArmorName"_qs, u"Scout's Vest"_qs}},
        u"INSERT INTO `custom_armor` VALUES ('9001','9001','Scout''s Vest', 'fullarmor', 'false', 'none', '1110', "
        u"'cloth', 's', '0', '-1', '-1','249','0','866', '0', '748', 'false', 'false', 'true', 'true', '0-0;');"_qs,
        205},
    {"EtcItem", u"EtcItem"_qs, {{u"ItemID"_qs, u"9001"_qs}, {u"ItemName"_qs, u"Hunter's Charm"_qs}},
        u"INSERT INTO `custom_etcitem` VALUES ('9001','9001','Hunter''s Charm', 'false', 'material', '0', "
        u"'stackable', 'steel', 'none', '-1','-1', '0', '0', 'false', 'false', 'true', 'true', '0-0;', 'false');"_qs,
        198},
    {"Weapon", u"Weapon"_qs, {{u"WID"_qs, u"9001"_qs}, {u"WN"_qs, u"Knight's Blade"_qs}},
        u"INSERT INTO `custom_weapon` VALUES ('9001', '9001', 'Knight''s Blade', 'lhand', 'false', '1300', '1', '1', "
        u"'steel', 's', '305', '5', 'none', '5', '5', '0', '0', '0', '379', '0', '226', '-1', '-1', '0', '2850', "
        u"'false', 'false', 'true', '0-0;', '0-0;', '0-0;', '0-0;');"_qs,
        268},
    {"ArmorSets", u"ArmorSets"_qs,
        {{u"ArmorSetID"_qs, u"9001"_qs}, {u"ArmorSetHelmet"_qs, u"9002"_qs}, {u"ArmorSetChest"_qs, u"9003"_qs},
            {u"ArmorSetLegs"_qs, u"9004"_qs}, {u"ArmorSetGloves"_qs, u"9005"_qs}, {u"ArmorSetFeet"_qs, u"9006"_qs},
            {u"ArmorSetShield"_qs, u"9007"_qs}, {u"ArmorSetSkill"_qs, u"9101"_qs}, {u"ArmorSetSkillLvl"_qs, u"1"_qs},
            {u"SkillSetID"_qs, u"9102"_qs}, {u"ShieldSkill"_qs, u"9103"_qs}, {u"ArmorSet6ESkill"_qs, u"9104"_qs}},
        u"INSERT INTO `custom_armorsets` VALUES ('9001', '9002', '9003', '9004', '9005', '9006', '9007', '9101', '1', "
        u"'9102', '9103', '9104');"_qs,
        132},
};
