#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest print QStrings as readable text in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << "\" (" << text.size() << " UTF-16 units)";
}
QT_END_NAMESPACE
