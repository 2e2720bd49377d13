#pragma once

// Readers for the binary files that carry the program's identity: BMP and
// ICO pictures, compiled Windows resources (.res) and the version record
// inside them. Each reader checks every offset against the data it reads
// and throws std::runtime_error on malformed input, so a broken file fails
// the test that reads it with a message instead of reading out of bounds.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace identity {

QByteArray readFile(const QString &path);

std::uint16_t u16(const QByteArray &data, qsizetype offset);
std::uint32_t u32(const QByteArray &data, qsizetype offset);
std::int32_t i32(const QByteArray &data, qsizetype offset);

// BITMAPINFOHEADER (and the first 40 bytes of its larger successors).
struct BitmapInfo {
    std::uint32_t headerSize;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
};
BitmapInfo parseBitmapInfo(const QByteArray &data, qsizetype offset);

struct BmpFile {
    std::uint32_t declaredFileSize;
    std::uint32_t pixelOffset;
    BitmapInfo info;
};
BmpFile parseBmp(const QByteArray &data);

// One image of an ICO file: its directory entry and its stored bytes.
struct IcoImage {
    int width; // 0 in the directory means 256
    int height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t offset;
    QByteArray data;
};
std::vector<IcoImage> parseIco(const QByteArray &data);

// A resource type or name: a number, or a string.
struct ResId {
    bool isNumber = true;
    std::uint16_t number = 0;
    QString text;
};

struct ResEntry {
    ResId type;
    ResId name;
    std::uint16_t language;
    QByteArray data;
};
std::vector<ResEntry> parseRes(const QByteArray &data);

// One node of a VS_VERSIONINFO tree: VS_VERSIONINFO itself, StringFileInfo,
// a string table, a string, VarFileInfo or a Var.
struct VersionNode {
    QString key;
    std::uint16_t type; // 1 text, 0 binary
    QByteArray value; // raw bytes of the value
    std::vector<VersionNode> children;

    const VersionNode *child(const QString &childKey) const;
    // The value of a text node, without its terminating null.
    QString text() const;
};
VersionNode parseVersionInfo(const QByteArray &data);

} // namespace identity
