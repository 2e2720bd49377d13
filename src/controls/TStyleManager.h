#pragma once

#include <QString>

#include <QPalette>
#include <QStringList>

// Looks up and applies the visual styles that the program carries. A style
// is a palette file named after the style, "<Name>.palette", in the style
// directory, drawn with the Fusion widget style. (A palette rather than a
// style sheet: an application-wide sheet makes every widget's construction
// several times dearer, and the window has a few hundred of them.)
class TStyleManager {
public:
    // Where the carried styles are looked up; the program's own resources
    // unless a test points elsewhere.
    static void setStyleDirectory(const QString &directory);
    static QString styleDirectory();

    // Applies the style called `name`, compared without regard to case.
    // When there is no such style, nothing changes and, if `showErrorDialog`
    // is set, a modal error message says so. Returns whether the style is
    // now active.
    static bool TrySetStyle(const QString &name, bool showErrorDialog);

    // The name of the active style, empty while none is.
    static QString activeStyle();

    // Reads a palette file: "[All]" or "[Disabled]" (or another colour
    // group) headings over "Role = #RRGGBB" lines, where Role names a
    // QPalette::ColorRole; "#" starts a comment. Lines that are none of
    // these are described in `problems`.
    static QPalette ReadPalette(const QString &path, QStringList *problems = nullptr);
};
