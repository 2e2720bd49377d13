#pragma once

#include "RecordPage.h"

#include <QString>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// What an administrator typed into one input of a record page.
struct Typed {
    composer::Text input;
    composer::Text text;
};

using composer::ToQString;

// The input texts of `page` as the window starts with them, every input at
// its declared default, with `typed` written over them by control name.
inline std::vector<QString> PageTexts(const composer::RecordPage &page, std::initializer_list<Typed> typed)
{
    std::vector<QString> texts;
    texts.reserve(page.inputs.size());
    for (const composer::InputDecl &input : page.inputs)
        texts.push_back(ToQString(input.defaultText));
    for (const Typed &entry : typed) {
        std::size_t i = 0;
        while (i < page.inputs.size() && page.inputs[i].name != entry.input)
            ++i;
        if (i == page.inputs.size())
            throw std::invalid_argument("no input named " + ToQString(entry.input).toStdString());
        texts[i] = ToQString(entry.text);
    }
    return texts;
}

// A typical item for each record page: the declared defaults with an ID and
// a name typed (the armor set names its five pieces and its skills instead).
// The names carry an apostrophe and accented letters, as players' item names
// do.
inline std::vector<QString> TypicalTexts(const composer::RecordPage &page)
{
    if (&page == &composer::kArmorPage)
        return PageTexts(page, {{u"ArmorID", u"9001"}, {u"ArmorName", u"Dragon's Armadura Ancião"}});
    if (&page == &composer::kEtcItemPage)
        return PageTexts(page, {{u"ItemID", u"9101"}, {u"ItemName", u"Pergaminho de Teleporte d'Aden"}});
    if (&page == &composer::kWeaponPage)
        return PageTexts(page, {{u"WID", u"9201"}, {u"WN", u"Espada do Trovão"}});
    if (&page == &composer::kArmorSetsPage)
        return PageTexts(page,
            {{u"ArmorSetID", u"51"}, {u"ArmorSetHelmet", u"9002"}, {u"ArmorSetChest", u"9001"},
                {u"ArmorSetLegs", u"9003"}, {u"ArmorSetGloves", u"9004"}, {u"ArmorSetFeet", u"9005"},
                {u"ArmorSetSkill", u"3500;1"}, {u"ArmorSetSkillLvl", u"1"}, {u"SkillSetID", u"3501"},
                {u"ArmorSetShield", u"0"}, {u"ShieldSkill", u"0"}, {u"ArmorSet6ESkill", u"3623;1"}});
    throw std::invalid_argument("not a record page");
}
