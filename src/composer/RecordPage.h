#pragma once

#include "Statement.h"

#include <span>

namespace composer {

// Pixels at 96 DPI, relative to the client area of the control's page.
struct Placement {
    int left;
    int top;
    int width;
    int height;
};

struct LabelDecl {
    Text name;
    Text caption;
    Placement place;
};

enum class InputKind {
    Edit, // single-line edit box, text centred
    DropDown, // editable drop-down list with a fixed list of choices
};

// One input of a record page. An empty tooltip or placeholder means the
// input has none.
struct InputDecl {
    Text name;
    InputKind kind;
    LabelDecl label; // the caption standing left of the input
    Text defaultText;
    int maxLength; // bounds what the user types, never what the program sets
    bool digitsOnly = false;
    Text tooltip = {};
    Text placeholder = {};
    std::span<const Text> choices = {};
    int tabOrder;
    Placement place;
};

struct ButtonDecl {
    Text name;
    Text caption;
    int tabOrder;
    Placement place;
};

struct PaneDecl {
    Text name;
    int tabOrder;
    Placement place;
};

// Everything about one record page: its inputs, its "Add" and "Limpar Linhas"
// buttons, its output pane and the statement its "Add" composes.
struct RecordPage {
    Text name;
    Text caption;
    std::span<const InputDecl> inputs;
    ButtonDecl add;
    ButtonDecl clear;
    PaneDecl pane;
    StatementTemplate statement;
};

// A slot that takes its value from the input named `name` of `inputs`.
// Resolved while compiling: a name that the page does not declare stops the
// build instead of silently reading nothing.
consteval ValueSlot InputSlot(std::span<const InputDecl> inputs, Text name, Text follower)
{
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].name == name)
            return {ValueSlot::Source::Input, name, int(i), follower};
    }
    throw "statement slot names an input that its page does not declare";
}

extern const RecordPage kArmorPage;
extern const RecordPage kEtcItemPage;
extern const RecordPage kWeaponPage;
extern const RecordPage kArmorSetsPage;

// The four record pages in the order of the window's tabs.
std::span<const RecordPage *const> RecordPages();

} // namespace composer
