// The EtcItem page: one custom miscellaneous item for `custom_etcitem`. Its
// inputs bear the database columns' own lower-case names.

#include "RecordPage.h"

namespace composer {

namespace {

// The page's declaration reads best as the table it is.
// clang-format off
constexpr Text kConsumeTypes[] = {u"stackable", u"asset", u"normal"};
constexpr Text kTrueFalse[] = {u"true", u"false"};
constexpr Text kGrades[] = {u"none", u"d", u"c", u"b", u"a", u"s"};
constexpr Text kItemTypes[] = {u"material", u"potion", u"none",    u"quest",      u"scroll",      u"recipe",
                               u"arrow",    u"spellbook", u"dye",  u"shot",       u"seed",        u"harvest",
                               u"herb",     u"lure",   u"pet_collar", u"castle_guard"};
constexpr Text kMaterials[] = {u"gold",   u"liquid", u"wood",       u"paper",   u"cloth",       u"steel",  u"leather",
                               u"bone",   u"silver", u"fine_steel", u"mithril", u"adamantaite", u"crystal"};

constexpr auto Edit = InputKind::Edit;
constexpr auto DropDown = InputKind::DropDown;

constexpr InputDecl kInputs[] = {
    {.name = u"ItemID", .kind = Edit, .label = {u"Label1", u"ID:", {38, 5, 15, 13}},
     .defaultText = u"", .maxLength = 5, .digitsOnly = true, .tooltip = u"ID", .placeholder = u"Item ID",
     .tabOrder = 0, .place = {66, 3, 58, 21}},
    {.name = u"ItemName", .kind = Edit, .label = {u"Label2", u"Nome do Item:", {129, 5, 71, 13}},
     .defaultText = u"", .maxLength = 80, .tooltip = u"Item Name", .placeholder = u"Nome do Item",
     .tabOrder = 1, .place = {206, 2, 169, 21}},
    {.name = u"consume_type", .kind = DropDown, .label = {u"Label6", u"Consumação", {389, 5, 61, 13}},
     .defaultText = u"stackable", .maxLength = 9, .tooltip = u"Consume Type", .choices = kConsumeTypes,
     .tabOrder = 2, .place = {456, 2, 87, 21}},
    {.name = u"duration", .kind = Edit, .label = {u"Label9", u"Duration", {587, 22, 41, 13}},
     .defaultText = u"-1", .maxLength = 5, .digitsOnly = true, .tooltip = u"Duration Time",
     .tabOrder = 3, .place = {634, 19, 41, 21}},
    {.name = u"dropable", .kind = DropDown, .label = {u"Label14", u"Dropar?", {22, 33, 38, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"dropable", .choices = kTrueFalse,
     .tabOrder = 4, .place = {66, 30, 58, 21}},
    {.name = u"tradeable", .kind = DropDown, .label = {u"Label16", u"Tradear?", {17, 60, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"tradeable", .choices = kTrueFalse,
     .tabOrder = 5, .place = {66, 57, 57, 21}},
    {.name = u"destroyable", .kind = DropDown, .label = {u"Label15", u"Destruir?", {17, 87, 43, 13}},
     .defaultText = u"true", .maxLength = 5, .tooltip = u"destroyable", .choices = kTrueFalse,
     .tabOrder = 6, .place = {66, 84, 57, 21}},
    {.name = u"crystallizable", .kind = DropDown, .label = {u"Label3", u"Cristalizar?", {134, 32, 52, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"Crystallizable", .choices = kTrueFalse,
     .tabOrder = 7, .place = {192, 29, 57, 21}},
    {.name = u"crystal_type", .kind = DropDown, .label = {u"Label8", u"Cristal Grade", {132, 59, 62, 13}},
     .defaultText = u"none", .maxLength = 4, .tooltip = u"Crystal Type", .choices = kGrades,
     .tabOrder = 8, .place = {200, 56, 49, 21}},
    {.name = u"crystal_count", .kind = Edit, .label = {u"Label12", u"Nº Cristais?", {142, 86, 55, 13}},
     .defaultText = u"0", .maxLength = 4, .digitsOnly = true, .tooltip = u"crystal_count",
     .tabOrder = 9, .place = {206, 83, 43, 21}},
    {.name = u"weight", .kind = Edit, .label = {u"Label5", u"Peso do Item", {257, 32, 63, 13}},
     .defaultText = u"0", .maxLength = 4, .digitsOnly = true, .tooltip = u"Weight",
     .tabOrder = 10, .place = {325, 29, 50, 21}},
    {.name = u"sellable", .kind = DropDown, .label = {u"Label13", u"Vender?", {262, 59, 39, 13}},
     .defaultText = u"false", .maxLength = 5, .tooltip = u"sellable", .choices = kTrueFalse,
     .tabOrder = 11, .place = {318, 56, 57, 21}},
    {.name = u"price", .kind = Edit, .label = {u"Label11", u"Preço", {268, 86, 27, 13}},
     .defaultText = u"0", .maxLength = 11, .digitsOnly = true, .tooltip = u"Price",
     .tabOrder = 12, .place = {301, 83, 74, 21}},
    {.name = u"item_type", .kind = DropDown, .label = {u"Label4", u"Tipo de Item", {390, 32, 60, 13}},
     .defaultText = u"material", .maxLength = 14, .tooltip = u"Item Type", .choices = kItemTypes,
     .tabOrder = 13, .place = {456, 29, 87, 21}},
    {.name = u"material", .kind = DropDown, .label = {u"Label7", u"Material", {412, 59, 38, 13}},
     .defaultText = u"steel", .maxLength = 11, .tooltip = u"Material", .choices = kMaterials,
     .tabOrder = 14, .place = {456, 56, 87, 21}},
    {.name = u"lifetime", .kind = Edit, .label = {u"Label10", u"Lifetime", {587, 49, 37, 13}},
     .defaultText = u"-1", .maxLength = 11, .digitsOnly = true, .tooltip = u"LifeTime",
     .tabOrder = 15, .place = {634, 46, 41, 21}},
    {.name = u"skill", .kind = Edit, .label = {u"Label17", u"Item Skills:", {399, 86, 51, 13}},
     .defaultText = u"0-0;", .maxLength = 70, .tooltip = u"Item Skills", .placeholder = u"Item Skills",
     .tabOrder = 16, .place = {456, 84, 219, 21}},
};

constexpr ValueSlot kSlots[] = {
    InputSlot(kInputs, u"ItemID", u","),
    InputSlot(kInputs, u"ItemID", u","),
    InputSlot(kInputs, u"ItemName", u", "),
    InputSlot(kInputs, u"crystallizable", u", "),
    InputSlot(kInputs, u"item_type", u", "),
    InputSlot(kInputs, u"weight", u", "),
    InputSlot(kInputs, u"consume_type", u", "),
    InputSlot(kInputs, u"material", u", "),
    InputSlot(kInputs, u"crystal_type", u", "),
    InputSlot(kInputs, u"duration", u","),
    InputSlot(kInputs, u"lifetime", u", "),
    InputSlot(kInputs, u"price", u", "),
    InputSlot(kInputs, u"crystal_count", u", "),
    InputSlot(kInputs, u"sellable", u", "),
    InputSlot(kInputs, u"dropable", u", "),
    InputSlot(kInputs, u"destroyable", u", "),
    InputSlot(kInputs, u"tradeable", u", "),
    InputSlot(kInputs, u"skill", u", "),
    FixedSlot(u"'false'", u");"),
};

// clang-format on

} // namespace

constexpr RecordPage kEtcItemPage{
    .name = u"EtcItem",
    .caption = u"EtcItem",
    .inputs = kInputs,
    .add = {u"EtcItemAdd", u"Add", 17, {690, 5, 126, 69}},
    .clear = {u"EtcSQLClear", u"Limpar Linhas", 19, {720, 80, 96, 25}},
    .pane = {u"EtcItemSQL", 18, {10, 111, 806, 330}},
    .statement = {u"custom_etcitem", kSlots},
};

} // namespace composer
