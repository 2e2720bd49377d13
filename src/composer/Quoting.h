#pragma once

#include <QString>
#include <QStringView>

namespace composer {

// Returns `text` as an SQL string literal for the server's MySQL-family
// database: wrapped in single quotes, with every single quote (U+0027) and
// every backslash (U+005C) written twice. Nothing else is touched, so the
// literal stores exactly the characters of `text`, whatever the server's
// SQL mode says about backslash escapes.
QString QuoteValue(QStringView text);

// The length of QuoteValue(text), without building it.
qsizetype QuotedLength(QStringView text);

// Appends QuoteValue(text) to `out`.
void AppendQuotedValue(QString &out, QStringView text);

} // namespace composer
