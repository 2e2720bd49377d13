// The Weapon page: one custom weapon for `custom_weapon`. Every control name
// but the labels begins with W.

#include "RecordPage.h"

namespace composer {

namespace {

// The page's declaration reads best as the table it is.
// clang-format off
constexpr Text kBodyParts[] = {u"lhand", u"rhand", u"lrhand"};
constexpr Text kWeaponTypes[] = {u"sword", u"blunt", u"bigblunt", u"dualfist", u"dagger",
                                 u"bigsword", u"pole", u"bow", u"etc", u"none"};
constexpr Text kMaterials[] = {u"steel", u"bone", u"wood"};
constexpr Text kTrueFalse[] = {u"true", u"false"};
constexpr Text kGrades[] = {u"none", u"d", u"c", u"b", u"a", u"s"};

constexpr auto Edit = InputKind::Edit;
constexpr auto DropDown = InputKind::DropDown;

constexpr InputDecl kInputs[] = {
    {.name = u"WID", .kind = Edit, .label = {u"Label44", u"ID:", {38, 6, 15, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .placeholder = u"ID",
     .tabOrder = 0, .place = {59, 3, 58, 21}},
    {.name = u"WN", .kind = Edit, .label = {u"Label42", u"Nome:", {126, 6, 31, 13}},
     .defaultText = u"", .maxLength = 80, .placeholder = u"Weapon Name",
     .tabOrder = 1, .place = {163, 3, 174, 21}},
    {.name = u"WBodyPart", .kind = DropDown, .label = {u"Label46", u"Local:", {348, 6, 28, 13}},
     .defaultText = u"lhand", .maxLength = 9, .tooltip = u"BodyPart", .choices = kBodyParts,
     .tabOrder = 2, .place = {382, 3, 53, 21}},
    {.name = u"WType", .kind = DropDown, .label = {u"Label49", u"Tipo:", {442, 6, 24, 13}},
     .defaultText = u"none", .maxLength = 9, .tooltip = u"Weapon Type", .choices = kWeaponTypes,
     .tabOrder = 3, .place = {472, 3, 63, 21}},
    {.name = u"WMat", .kind = DropDown, .label = {u"Label41", u"Material:", {541, 6, 42, 13}},
     .defaultText = u"steel", .maxLength = 11, .tooltip = u"Material", .choices = kMaterials,
     .tabOrder = 4, .place = {589, 3, 87, 21}},
    {.name = u"WTrade", .kind = DropDown, .label = {u"Label45", u"Tradear?", {10, 33, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"tradable", .choices = kTrueFalse,
     .tabOrder = 5, .place = {59, 30, 58, 21}},
    {.name = u"WDrop", .kind = DropDown, .label = {u"Label47", u"Dropar?", {15, 60, 38, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"dropable", .choices = kTrueFalse,
     .tabOrder = 6, .place = {59, 57, 58, 21}},
    // Shown and editable like the others, but the weapon table has no destroy
    // column: no slot reads it.
    {.name = u"WDestroy", .kind = DropDown, .label = {u"Label43", u"Destruir?", {10, 87, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"destroyable?", .choices = kTrueFalse,
     .tabOrder = 7, .place = {59, 84, 58, 21}},
    {.name = u"WSell", .kind = DropDown, .label = {u"Label56", u"Vender?", {14, 114, 39, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"sellable", .choices = kTrueFalse,
     .tabOrder = 8, .place = {59, 111, 58, 21}},
    {.name = u"WPrice", .kind = Edit, .label = {u"Label54", u"Preço:", {18, 141, 31, 13}},
     .defaultText = u"0", .maxLength = 11, .digitsOnly = true, .tooltip = u"Price",
     .tabOrder = 9, .place = {59, 138, 58, 21}},
    {.name = u"WCrystalize", .kind = DropDown, .label = {u"Label50", u"Cristalizar?", {126, 33, 52, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"Crystallizable", .choices = kTrueFalse,
     .tabOrder = 10, .place = {184, 30, 57, 21}},
    {.name = u"WGrade", .kind = DropDown, .label = {u"Label58", u"Grade:", {145, 60, 33, 13}},
     .defaultText = u"s", .maxLength = 4, .tooltip = u"Crystal Type", .choices = kGrades,
     .tabOrder = 11, .place = {191, 57, 50, 21}},
    {.name = u"WCQ", .kind = Edit, .label = {u"Label55", u"Nº Cristais?", {130, 87, 55, 13}},
     .defaultText = u"2850", .maxLength = 4, .digitsOnly = true, .tooltip = u"crystal_count",
     .tabOrder = 12, .place = {191, 84, 50, 21}},
    {.name = u"WWeight", .kind = Edit, .label = {u"Label57", u"Peso:", {158, 114, 27, 13}},
     .defaultText = u"1300", .maxLength = 4, .digitsOnly = true, .tooltip = u"Weight",
     .tabOrder = 13, .place = {191, 111, 50, 21}},
    {.name = u"WMPConsume", .kind = Edit, .label = {u"Label61", u"MP Consume:", {123, 141, 65, 13}},
     .defaultText = u"0", .maxLength = 3, .digitsOnly = true, .tooltip = u"MP Consume",
     .tabOrder = 14, .place = {191, 138, 50, 21}},
    {.name = u"WAtkSpd", .kind = Edit, .label = {u"Label60", u"Atk Spd:", {252, 33, 41, 13}},
     .defaultText = u"379", .maxLength = 3, .digitsOnly = true, .tooltip = u"Atk Speed",
     .tabOrder = 15, .place = {296, 30, 41, 21}},
    {.name = u"WPDam", .kind = Edit, .label = {u"Label67", u"P Dam:", {252, 60, 34, 13}},
     .defaultText = u"305", .maxLength = 5, .digitsOnly = true, .tooltip = u"P Damage",
     .tabOrder = 16, .place = {296, 57, 41, 21}},
    {.name = u"WMDam", .kind = Edit, .label = {u"Label62", u"M Dam:", {249, 87, 36, 13}},
     .defaultText = u"226", .maxLength = 3, .digitsOnly = true, .tooltip = u"M Damage",
     .tabOrder = 17, .place = {296, 84, 41, 21}},
    {.name = u"WDuration", .kind = Edit, .label = {u"Label40", u"Duration:", {249, 114, 45, 13}},
     .defaultText = u"-1", .maxLength = 5, .digitsOnly = true, .tooltip = u"Duration Time",
     .tabOrder = 18, .place = {296, 111, 41, 21}},
    {.name = u"WLt", .kind = Edit, .label = {u"Label39", u"Lifetime:", {249, 141, 41, 13}},
     .defaultText = u"-1", .maxLength = 11, .digitsOnly = true, .tooltip = u"LifeTime",
     .tabOrder = 19, .place = {296, 138, 41, 21}},
    {.name = u"WCrit", .kind = Edit, .label = {u"Label52", u"Critical:", {359, 33, 36, 13}},
     .defaultText = u"5", .maxLength = 2, .digitsOnly = true, .tooltip = u"Critical",
     .tabOrder = 20, .place = {406, 30, 41, 21}},
    {.name = u"WShDef", .kind = Edit, .label = {u"Label53", u"Shield Def:", {346, 60, 52, 13}},
     .defaultText = u"0", .maxLength = 3, .digitsOnly = true, .tooltip = u"Shield Defense",
     .tabOrder = 21, .place = {406, 57, 41, 21}},
    {.name = u"WShDefRate", .kind = Edit, .label = {u"Label51", u"S Def Rate:", {344, 87, 56, 13}},
     .defaultText = u"0", .maxLength = 2, .digitsOnly = true, .tooltip = u"Shield Defense Rate",
     .tabOrder = 22, .place = {406, 84, 41, 21}},
    {.name = u"WHitMod", .kind = Edit, .label = {u"Label63", u"Hit Modify:", {346, 114, 52, 13}},
     .defaultText = u"5", .maxLength = 6, .digitsOnly = true, .tooltip = u"Hit Modify",
     .tabOrder = 23, .place = {406, 111, 41, 21}},
    {.name = u"WRndDam", .kind = Edit, .label = {u"Label68", u"Rnd Dam:", {350, 141, 47, 13}},
     .defaultText = u"5", .maxLength = 2, .digitsOnly = true, .tooltip = u"Rnd Damage",
     .tabOrder = 24, .place = {406, 138, 41, 21}},
    {.name = u"WSS", .kind = Edit, .label = {u"Label69", u"SoulShot:", {455, 33, 46, 13}},
     .defaultText = u"1", .maxLength = 2, .digitsOnly = true, .tooltip = u"SoulShots per shot",
     .tabOrder = 25, .place = {508, 30, 41, 21}},
    {.name = u"WSpS", .kind = Edit, .label = {u"Label65", u"SpiritShot:", {579, 33, 50, 13}},
     .defaultText = u"1", .maxLength = 2, .digitsOnly = true, .tooltip = u"SpiritShots per cast",
     .tabOrder = 26, .place = {635, 30, 41, 21}},
    {.name = u"WSk", .kind = Edit, .label = {u"Label48", u"Skills:", {475, 60, 26, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Item Skills", .placeholder = u"W Skills",
     .tabOrder = 27, .place = {507, 57, 169, 21}},
    {.name = u"WSkE4", .kind = Edit, .label = {u"Label59", u"Skills +4:", {459, 88, 43, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Skills Enchant +4", .placeholder = u"Item Skills",
     .tabOrder = 28, .place = {508, 84, 168, 21}},
    {.name = u"WSkOnCast", .kind = Edit, .label = {u"Label66", u"Skills OnCast:", {460, 114, 65, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Item Skills", .placeholder = u"Item Skills",
     .tabOrder = 29, .place = {531, 111, 145, 21}},
    {.name = u"WSkOnCrit", .kind = Edit, .label = {u"Label64", u"Skills OnCrit:", {460, 141, 60, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Item Skills", .placeholder = u"Item Skills",
     .tabOrder = 30, .place = {531, 138, 145, 21}},
};

constexpr ValueSlot kSlots[] = {
    InputSlot(kInputs, u"WID", u", "),
    InputSlot(kInputs, u"WID", u", "),
    InputSlot(kInputs, u"WN", u", "),
    InputSlot(kInputs, u"WBodyPart", u", "),
    InputSlot(kInputs, u"WCrystalize", u", "),
    InputSlot(kInputs, u"WWeight", u", "),
    InputSlot(kInputs, u"WSS", u", "),
    InputSlot(kInputs, u"WSpS", u", "),
    InputSlot(kInputs, u"WMat", u", "),
    InputSlot(kInputs, u"WGrade", u", "),
    InputSlot(kInputs, u"WPDam", u", "),
    InputSlot(kInputs, u"WRndDam", u", "),
    InputSlot(kInputs, u"WType", u", "),
    InputSlot(kInputs, u"WCrit", u", "),
    InputSlot(kInputs, u"WHitMod", u", "),
    FixedSlot(u"'0'", u", "),
    InputSlot(kInputs, u"WShDef", u", "),
    InputSlot(kInputs, u"WShDefRate", u", "),
    InputSlot(kInputs, u"WAtkSpd", u", "),
    InputSlot(kInputs, u"WMPConsume", u", "),
    InputSlot(kInputs, u"WMDam", u", "),
    InputSlot(kInputs, u"WDuration", u", "),
    InputSlot(kInputs, u"WLt", u", "),
    InputSlot(kInputs, u"WPrice", u", "),
    InputSlot(kInputs, u"WCQ", u", "),
    InputSlot(kInputs, u"WSell", u", "),
    InputSlot(kInputs, u"WDrop", u", "),
    InputSlot(kInputs, u"WTrade", u", "),
    InputSlot(kInputs, u"WSk", u", "),
    InputSlot(kInputs, u"WSkE4", u", "),
    InputSlot(kInputs, u"WSkOnCast", u", "),
    InputSlot(kInputs, u"WSkOnCrit", u");"),
};

// clang-format on

} // namespace

constexpr RecordPage kWeaponPage{
    .name = u"Weapon",
    .caption = u"Weapon",
    .inputs = kInputs,
    .add = {u"WAdd", u"Add", 31, {690, 5, 126, 69}},
    .clear = {u"WSQLClear", u"Limpar Linhas", 33, {720, 80, 96, 25}},
    .pane = {u"WSQL", 32, {10, 168, 806, 273}},
    .statement = {u"custom_weapon", kSlots},
};

} // namespace composer
