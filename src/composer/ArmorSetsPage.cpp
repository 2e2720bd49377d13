// The ArmorSets page: one custom armor set for `custom_armorsets`. Here the
// output pane and the two buttons come first in the focus order.

#include "RecordPage.h"

namespace composer {

namespace {

// The page's declaration reads best as the table it is.
// clang-format off
constexpr auto Edit = InputKind::Edit;

constexpr InputDecl kInputs[] = {
    {.name = u"ArmorSetID", .kind = Edit, .label = {u"Label18", u"ID:", {18, 8, 15, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"ID",
     .tabOrder = 3, .place = {39, 5, 50, 21}},
    {.name = u"ArmorSetHelmet", .kind = Edit, .label = {u"Label70", u"Capacete:", {95, 8, 50, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Helmet",
     .tabOrder = 4, .place = {151, 5, 50, 21}},
    {.name = u"ArmorSetChest", .kind = Edit, .label = {u"Label71", u"Peito:", {207, 8, 28, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Chest",
     .tabOrder = 5, .place = {241, 5, 50, 21}},
    {.name = u"ArmorSetLegs", .kind = Edit, .label = {u"Label72", u"Calça:", {303, 8, 30, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Legs",
     .tabOrder = 6, .place = {337, 5, 50, 21}},
    {.name = u"ArmorSetGloves", .kind = Edit, .label = {u"Label73", u"Luva:", {395, 8, 27, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Gloves",
     .tabOrder = 7, .place = {431, 5, 50, 21}},
    {.name = u"ArmorSetFeet", .kind = Edit, .label = {u"Label74", u"Bota:", {487, 8, 26, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Feet",
     .tabOrder = 8, .place = {521, 5, 50, 21}},
    {.name = u"ArmorSetSkill", .kind = Edit, .label = {u"Label75", u"ArmorSet Skill:", {22, 33, 69, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true,
     .tabOrder = 9, .place = {97, 30, 50, 21}},
    {.name = u"ArmorSetSkillLvl", .kind = Edit, .label = {u"Label76", u"Skill Lvl:", {153, 33, 37, 13}},
     .defaultText = u"", .maxLength = 3, .digitsOnly = true,
     .tabOrder = 10, .place = {193, 30, 50, 21}},
    {.name = u"SkillSetID", .kind = Edit, .label = {u"Label77", u"SkillSet ID:", {251, 33, 51, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true,
     .tabOrder = 11, .place = {310, 30, 50, 21}},
    {.name = u"ArmorSetShield", .kind = Edit, .label = {u"Label78", u"Shield:", {579, 8, 32, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"Shield",
     .tabOrder = 12, .place = {617, 5, 50, 21}},
    {.name = u"ShieldSkill", .kind = Edit, .label = {u"Label79", u"Shield Skill:", {369, 33, 52, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true,
     .tabOrder = 13, .place = {427, 30, 50, 21}},
    {.name = u"ArmorSet6ESkill", .kind = Edit, .label = {u"Label80", u"Enchant +6 Skill:", {491, 33, 80, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true,
     .tabOrder = 14, .place = {577, 30, 50, 21}},
};

constexpr ValueSlot kSlots[] = {
    InputSlot(kInputs, u"ArmorSetID", u", "),
    InputSlot(kInputs, u"ArmorSetHelmet", u", "),
    InputSlot(kInputs, u"ArmorSetChest", u", "),
    InputSlot(kInputs, u"ArmorSetLegs", u", "),
    InputSlot(kInputs, u"ArmorSetGloves", u", "),
    InputSlot(kInputs, u"ArmorSetFeet", u", "),
    InputSlot(kInputs, u"ArmorSetShield", u", "),
    InputSlot(kInputs, u"ArmorSetSkill", u", "),
    InputSlot(kInputs, u"ArmorSetSkillLvl", u", "),
    InputSlot(kInputs, u"SkillSetID", u", "),
    InputSlot(kInputs, u"ShieldSkill", u", "),
    InputSlot(kInputs, u"ArmorSet6ESkill", u");"),
};

// clang-format on

} // namespace

constexpr RecordPage kArmorSetsPage{
    .name = u"ArmorSets",
    .caption = u"ArmorSets",
    .inputs = kInputs,
    .add = {u"Button1", u"Add", 1, {690, 5, 126, 35}},
    .clear = {u"ArmorSetSQLClear", u"Limpar Linhas", 2, {720, 46, 96, 25}},
    .pane = {u"ArmorSetsSQL", 0, {10, 77, 806, 362}},
    .statement = {u"custom_armorsets", kSlots},
};

} // namespace composer
