#include "Quoting.h"

namespace composer {

namespace {

constexpr bool needsDoubling(QChar c)
{
    return c == u'\'' || c == u'\\';
}

} // namespace

qsizetype QuotedLength(QStringView text)
{
    qsizetype length = text.size() + 2;
    for (QChar c : text)
        length += needsDoubling(c);
    return length;
}

void AppendQuotedValue(QString &out, QStringView text)
{
    out += u'\'';
    for (QChar c : text) {
        if (needsDoubling(c))
            out += c;
        out += c;
    }
    out += u'\'';
}

QString QuoteValue(QStringView text)
{
    QString quoted;
    quoted.reserve(QuotedLength(text));
    AppendQuotedValue(quoted, text);
    return quoted;
}

} // namespace composer
