// The Armor page: one custom armor piece for `custom_armor`.

#include "RecordPage.h"

namespace composer {

namespace {

// The page's declaration reads best as the table it is.
// clang-format off
constexpr Text kBodyParts[] = {u"fullarmor", u"head",      u"chest",           u"gloves", u"legs",
                               u"feet",      u"underwear", u"rear,lear",       u"rfinger,lfinger",
                               u"neck",      u"dhair",     u"face",            u"hair"};
constexpr Text kArmorTypes[] = {u"none", u"heavy", u"light", u"magic"};
constexpr Text kMaterials[] = {u"cloth", u"leather", u"wood", u"cotton", u"fine_steel", u"crystal", u"dyestuff"};
constexpr Text kTrueFalse[] = {u"true", u"false"};
constexpr Text kGrades[] = {u"none", u"d", u"c", u"b", u"a", u"s"};

constexpr auto Edit = InputKind::Edit;
constexpr auto DropDown = InputKind::DropDown;

constexpr InputDecl kInputs[] = {
    {.name = u"ArmorID", .kind = Edit, .label = {u"Label19", u"ID:", {38, 6, 15, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"ID",
     .tabOrder = 0, .place = {59, 3, 58, 21}},
    {.name = u"ArmorName", .kind = Edit, .label = {u"Label20", u"Nome:", {131, 6, 31, 13}},
     .defaultText = u"", .maxLength = 80, .placeholder = u"Armor Name",
     .tabOrder = 1, .place = {168, 3, 122, 21}},
    {.name = u"ArmorBodyPart", .kind = DropDown, .label = {u"Label23", u"Local?:", {308, 5, 33, 13}},
     .defaultText = u"fullarmor", .maxLength = 9, .tooltip = u"BodyPart", .choices = kBodyParts,
     .tabOrder = 2, .place = {347, 3, 82, 21}},
    {.name = u"ArmorType", .kind = DropDown, .label = {u"Label36", u"Tipo:", {435, 5, 24, 13}},
     .defaultText = u"none", .maxLength = 9, .tooltip = u"Heavy, Light or Robe", .choices = kArmorTypes,
     .tabOrder = 3, .place = {467, 3, 74, 21}},
    {.name = u"ArmorMaterial", .kind = DropDown, .label = {u"Label35", u"Material:", {549, 6, 42, 13}},
     .defaultText = u"cloth", .maxLength = 11, .tooltip = u"Material", .choices = kMaterials,
     .tabOrder = 4, .place = {597, 3, 87, 21}},
    {.name = u"ArmorTrade", .kind = DropDown, .label = {u"Label22", u"Tradear?", {10, 33, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"tradable", .choices = kTrueFalse,
     .tabOrder = 5, .place = {59, 30, 58, 21}},
    {.name = u"ArmorDrop", .kind = DropDown, .label = {u"Label21", u"Dropar?", {15, 60, 38, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"dropable", .choices = kTrueFalse,
     .tabOrder = 6, .place = {59, 57, 58, 21}},
    {.name = u"ArmorDestroy", .kind = DropDown, .label = {u"Label24", u"Destruir?", {10, 87, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"destroyable?", .choices = kTrueFalse,
     .tabOrder = 7, .place = {59, 84, 58, 21}},
    {.name = u"ArmorPDef", .kind = Edit, .label = {u"Label32", u"pDef:", {133, 33, 27, 13}},
     .defaultText = u"249", .maxLength = 3, .digitsOnly = true, .tooltip = u"Physical Defense",
     .tabOrder = 8, .place = {180, 30, 41, 21}},
    {.name = u"ArmorMDef", .kind = Edit, .label = {u"Label37", u"mDef:", {133, 60, 29, 13}},
     .defaultText = u"0", .maxLength = 2, .digitsOnly = true, .tooltip = u"Magical Defense",
     .tabOrder = 9, .place = {180, 57, 41, 21}},
    {.name = u"ArmorMPBonus", .kind = Edit, .label = {u"Label38", u"MP Bonus:", {124, 87, 50, 13}},
     .defaultText = u"866", .maxLength = 3, .digitsOnly = true, .tooltip = u"MP Bonus",
     .tabOrder = 10, .place = {180, 84, 41, 21}},
    {.name = u"ArmorCrystalyze", .kind = DropDown, .label = {u"Label25", u"Cristalizar?", {238, 33, 52, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"Crystallizable", .choices = kTrueFalse,
     .tabOrder = 11, .place = {296, 30, 57, 21}},
    {.name = u"ArmorGrade", .kind = DropDown, .label = {u"Label26", u"Armor Grade:", {235, 60, 65, 13}},
     .defaultText = u"s", .maxLength = 4, .tooltip = u"Crystal Type", .choices = kGrades,
     .tabOrder = 12, .place = {306, 57, 47, 21}},
    {.name = u"ArmorCrystalQnt", .kind = Edit, .label = {u"Label27", u"Nº Cristais?", {359, 33, 55, 13}},
     .defaultText = u"748", .maxLength = 4, .digitsOnly = true, .tooltip = u"crystal_count",
     .tabOrder = 13, .place = {420, 30, 50, 21}},
    {.name = u"ArmorWeight", .kind = Edit, .label = {u"Label30", u"Peso Armor", {359, 60, 55, 13}},
     .defaultText = u"1110", .maxLength = 4, .digitsOnly = true, .tooltip = u"Weight",
     .tabOrder = 14, .place = {420, 57, 50, 21}},
    {.name = u"ArmorSellable", .kind = DropDown, .label = {u"Label29", u"Vender?", {476, 33, 39, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"sellable", .choices = kTrueFalse,
     .tabOrder = 15, .place = {532, 30, 57, 21}},
    {.name = u"ArmorPrice", .kind = Edit, .label = {u"Label28", u"Preço:", {480, 60, 31, 13}},
     .defaultText = u"0", .maxLength = 11, .digitsOnly = true, .tooltip = u"Price",
     .tabOrder = 16, .place = {516, 57, 74, 21}},
    {.name = u"ArmorDuration", .kind = Edit, .label = {u"Label34", u"Duration", {596, 33, 41, 13}},
     .defaultText = u"-1", .maxLength = 5, .digitsOnly = true, .tooltip = u"Duration Time",
     .tabOrder = 17, .place = {643, 30, 41, 21}},
    {.name = u"ArmorLifetime", .kind = Edit, .label = {u"Label33", u"Lifetime", {596, 60, 37, 13}},
     .defaultText = u"-1", .maxLength = 11, .digitsOnly = true, .tooltip = u"LifeTime",
     .tabOrder = 18, .place = {643, 57, 41, 21}},
    {.name = u"ArmorSkills", .kind = Edit, .label = {u"Label31", u"Armor Skills?:", {227, 87, 63, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Item Skills", .placeholder = u"Item Skills",
     .tabOrder = 19, .place = {296, 84, 388, 21}},
};

constexpr ValueSlot kSlots[] = {
    InputSlot(kInputs, u"ArmorID", u","),
    InputSlot(kInputs, u"ArmorID", u","),
    InputSlot(kInputs, u"ArmorName", u", "),
    InputSlot(kInputs, u"ArmorBodyPart", u", "),
    InputSlot(kInputs, u"ArmorCrystalyze", u", "),
    InputSlot(kInputs, u"ArmorType", u", "),
    InputSlot(kInputs, u"ArmorWeight", u", "),
    InputSlot(kInputs, u"ArmorMaterial", u", "),
    InputSlot(kInputs, u"ArmorGrade", u", "),
    FixedSlot(u"'0'", u", "),
    InputSlot(kInputs, u"ArmorDuration", u", "),
    InputSlot(kInputs, u"ArmorLifetime", u","),
    InputSlot(kInputs, u"ArmorPDef", u","),
    InputSlot(kInputs, u"ArmorMDef", u","),
    InputSlot(kInputs, u"ArmorMPBonus", u", "),
    InputSlot(kInputs, u"ArmorPrice", u", "),
    InputSlot(kInputs, u"ArmorCrystalQnt", u", "),
    InputSlot(kInputs, u"ArmorSellable", u", "),
    InputSlot(kInputs, u"ArmorDrop", u", "),
    InputSlot(kInputs, u"ArmorDestroy", u", "),
    InputSlot(kInputs, u"ArmorTrade", u", "),
    InputSlot(kInputs, u"ArmorSkills", u");"),
};

// clang-format on

} // namespace

constexpr RecordPage kArmorPage{
    .name = u"Armor",
    .caption = u"Armor",
    .inputs = kInputs,
    .add = {u"ArmorAdd", u"Add", 20, {690, 5, 126, 69}},
    .clear = {u"ArmorSQLClear", u"Limpar Linhas", 22, {720, 80, 96, 25}},
    .pane = {u"ArmorSQL", 21, {10, 111, 806, 330}},
    .statement = {u"custom_armor", kSlots},
};

} // namespace composer
