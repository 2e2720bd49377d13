#pragma once

#include <QString>

// Looks up and applies the visual styles that the program carries. A style
// is a Qt style sheet named after the style, "<Name>.qss", in the style
// directory; it is drawn over the Fusion widget style.
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
};
