#include "BinaryFormats.h"

#include <QFile>

#include <stdexcept>
#include <string>

namespace identity {

namespace {

[[noreturn]] void fail(const std::string &what)
{
    throw std::runtime_error(what);
}

void need(const QByteArray &data, qsizetype offset, qsizetype count, const char *what)
{
    if (offset < 0 || count < 0 || offset > data.size() || count > data.size() - offset)
        fail(std::string(what) + ": " + std::to_string(count) + " bytes at offset " + std::to_string(offset)
            + " lie outside the " + std::to_string(data.size()) + " bytes read");
}

qsizetype align4(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

// A null-terminated UTF-16 string starting at offset and ending before
// limit; returns the text and sets `after` to the offset past the null.
QString utf16z(const QByteArray &data, qsizetype offset, qsizetype limit, qsizetype &after)
{
    QString text;
    for (qsizetype pos = offset; pos + 2 <= limit; pos += 2) {
        const std::uint16_t unit = u16(data, pos);
        if (unit == 0) {
            after = pos + 2;
            return text;
        }
        text.append(QChar(unit));
    }
    fail("unterminated UTF-16 string at offset " + std::to_string(offset));
}

ResId resId(const QByteArray &data, qsizetype offset, qsizetype limit, qsizetype &after)
{
    ResId id;
    if (u16(data, offset) == 0xFFFF) {
        id.isNumber = true;
        id.number = u16(data, offset + 2);
        after = offset + 4;
    } else {
        id.isNumber = false;
        id.text = utf16z(data, offset, limit, after);
    }
    return id;
}

VersionNode versionNode(const QByteArray &data, qsizetype offset, qsizetype limit, qsizetype &end)
{
    need(data, offset, 6, "version record node header");
    const std::uint16_t length = u16(data, offset);
    const std::uint16_t valueLength = u16(data, offset + 2);
    VersionNode node;
    node.type = u16(data, offset + 4);
    end = offset + length;
    if (length < 6 || end > limit)
        fail("version record node at offset " + std::to_string(offset) + " has the impossible length "
            + std::to_string(length));

    qsizetype pos = 0;
    node.key = utf16z(data, offset + 6, end, pos);
    pos = align4(pos);
    // Text values count UTF-16 units, binary values bytes.
    const qsizetype valueBytes = node.type == 1 ? qsizetype(valueLength) * 2 : valueLength;
    if (valueBytes > 0) {
        if (pos + valueBytes > end)
            fail("value of version record node \"" + node.key.toStdString() + "\" runs past the node");
        node.value = data.mid(pos, valueBytes);
        pos = align4(pos + valueBytes);
    }
    while (pos < end) {
        qsizetype childEnd = 0;
        node.children.push_back(versionNode(data, pos, end, childEnd));
        pos = align4(childEnd);
    }
    return node;
}

} // namespace

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    return file.readAll();
}

std::uint16_t u16(const QByteArray &data, qsizetype offset)
{
    need(data, offset, 2, "16-bit field");
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + offset);
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t u32(const QByteArray &data, qsizetype offset)
{
    need(data, offset, 4, "32-bit field");
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + offset);
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

std::int32_t i32(const QByteArray &data, qsizetype offset)
{
    return static_cast<std::int32_t>(u32(data, offset));
}

BitmapInfo parseBitmapInfo(const QByteArray &data, qsizetype offset)
{
    need(data, offset, 40, "BITMAPINFOHEADER");
    return {u32(data, offset), i32(data, offset + 4), i32(data, offset + 8), u16(data, offset + 12),
        u16(data, offset + 14), u32(data, offset + 16)};
}

BmpFile parseBmp(const QByteArray &data)
{
    need(data, 0, 14, "BITMAPFILEHEADER");
    if (!data.startsWith("BM"))
        fail("not a BMP file: it does not begin with \"BM\"");
    return {u32(data, 2), u32(data, 10), parseBitmapInfo(data, 14)};
}

std::vector<IcoImage> parseIco(const QByteArray &data)
{
    need(data, 0, 6, "ICONDIR");
    if (u16(data, 0) != 0 || u16(data, 2) != 1)
        fail("not an icon file: ICONDIR must hold reserved 0 and type 1");
    const int count = u16(data, 4);
    std::vector<IcoImage> images;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        need(data, entry, 16, "ICONDIRENTRY");
        IcoImage image;
        image.width = static_cast<unsigned char>(data[entry]);
        image.height = static_cast<unsigned char>(data[entry + 1]);
        image.planes = u16(data, entry + 4);
        image.bitCount = u16(data, entry + 6);
        const std::uint32_t size = u32(data, entry + 8);
        image.offset = u32(data, entry + 12);
        need(data, image.offset, size, "icon image");
        image.data = data.mid(image.offset, size);
        images.push_back(image);
    }
    return images;
}

std::vector<ResEntry> parseRes(const QByteArray &data)
{
    std::vector<ResEntry> entries;
    qsizetype offset = 0;
    while (offset < data.size()) {
        need(data, offset, 8, "resource header");
        const std::uint32_t dataSize = u32(data, offset);
        const std::uint32_t headerSize = u32(data, offset + 4);
        const qsizetype headerEnd = offset + headerSize;
        need(data, offset, headerSize, "resource header");
        qsizetype pos = 0;
        ResEntry entry;
        entry.type = resId(data, offset + 8, headerEnd, pos);
        entry.name = resId(data, pos, headerEnd, pos);
        pos = align4(pos);
        // DataVersion (4 bytes) and MemoryFlags (2) come before the language.
        need(data, pos, 16, "resource header tail");
        entry.language = u16(data, pos + 6);
        need(data, headerEnd, dataSize, "resource data");
        entry.data = data.mid(headerEnd, dataSize);
        // The file starts with an empty entry that only marks it as 32-bit.
        if (!(entry.type.isNumber && entry.type.number == 0 && dataSize == 0))
            entries.push_back(entry);
        offset = align4(headerEnd + dataSize);
    }
    return entries;
}

const VersionNode *VersionNode::child(const QString &childKey) const
{
    for (const VersionNode &c : children)
        if (c.key == childKey)
            return &c;
    return nullptr;
}

QString VersionNode::text() const
{
    QString result;
    for (qsizetype pos = 0; pos + 2 <= value.size(); pos += 2) {
        const std::uint16_t unit = u16(value, pos);
        if (unit == 0)
            break;
        result.append(QChar(unit));
    }
    return result;
}

VersionNode parseVersionInfo(const QByteArray &data)
{
    qsizetype end = 0;
    return versionNode(data, 0, data.size(), end);
}

} // namespace identity
