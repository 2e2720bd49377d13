// The Windows resources as a resource compiler builds them from
// resources/Varnholt.rc: the version record, the manifest and MAINICON.
// The build compiles the script with MinGW's windres into a .res file,
// which holds the same records that the program file carries.

#include "BinaryFormats.h"
#include "QStringPrinter.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>

using namespace identity;

namespace {

constexpr std::uint16_t RT_ICON = 3;
constexpr std::uint16_t RT_GROUP_ICON = 14;
constexpr std::uint16_t RT_VERSION = 16;
constexpr std::uint16_t RT_MANIFEST = 24;

const QString kResources = QStringLiteral(VARNHOLT_RESOURCES_DIR);

const std::vector<ResEntry> &compiled()
{
    static const std::vector<ResEntry> entries = parseRes(readFile(QStringLiteral(VARNHOLT_COMPILED_RES)));
    return entries;
}

std::vector<const ResEntry *> ofType(std::uint16_t type)
{
    std::vector<const ResEntry *> found;
    for (const ResEntry &e : compiled())
        if (e.type.isNumber && e.type.number == type)
            found.push_back(&e);
    return found;
}

const ResEntry *numbered(std::uint16_t type, std::uint16_t name)
{
    for (const ResEntry *e : ofType(type))
        if (e->name.isNumber && e->name.number == name)
            return e;
    return nullptr;
}

// The fixed part of the version record, VS_FIXEDFILEINFO.
struct FixedInfo {
    std::uint32_t signature, fileMS, fileLS, productMS, productLS;
};

FixedInfo fixedInfo(const QByteArray &v)
{
    return {u32(v, 0), u32(v, 8), u32(v, 12), u32(v, 16), u32(v, 20)};
}

// "1.0.0.9" as the two 32-bit halves of a binary version number.
std::pair<std::uint32_t, std::uint32_t> versionWords(const QString &dotted)
{
    const QStringList parts = dotted.split(u'.');
    std::uint32_t n[4] = {};
    for (qsizetype i = 0; i < parts.size() && i < 4; ++i)
        n[i] = parts[i].toUInt();
    return {(n[0] << 16) | n[1], (n[2] << 16) | n[3]};
}

class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto records = ofType(RT_VERSION);
        ASSERT_EQ(records.size(), 1u) << "the program file carries exactly one version record";
        root = parseVersionInfo(records.front()->data);
    }
    VersionNode root;
};

TEST_F(VersionRecord, FixedVersionNumbers)
{
    ASSERT_EQ(root.key, u"VS_VERSION_INFO"_qs);
    ASSERT_EQ(root.value.size(), 52) << "VS_FIXEDFILEINFO is 52 bytes";
    const FixedInfo fixed = fixedInfo(root.value);
    EXPECT_EQ(fixed.signature, 0xFEEF04BDu);

    EXPECT_EQ(fixed.fileMS, 0x00010000u);
    EXPECT_EQ(fixed.fileLS, 0x00000009u);
    EXPECT_EQ(fixed.productMS, 0x00010000u);
    EXPECT_EQ(fixed.productLS, 0x00000000u);
}

TEST_F(VersionRecord, OneStringTableInBrazilianPortugueseCodePage1252)
{
    const VersionNode *strings = root.child(u"StringFileInfo"_qs);
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    EXPECT_EQ(strings->children.front().key, u"041604E4"_qs);
}

TEST_F(VersionRecord, Strings)
{
    const VersionNode *strings = root.child(u"StringFileInfo"_qs);
    ASSERT_NE(strings, nullptr);
    const VersionNode *table = strings->child(u"041604E4"_qs);
    ASSERT_NE(table, nullptr);

    const struct {
        const char16_t *key;
        const char16_t *value;
    } expected[] = {
        {u"FileDescription", u"Aplicativo desenvolvido para ajudar a adaptar itens custom para o projeto Quarnet."},
        {u"FileVersion", u"1.0.0.9"},
        {u"ProductVersion", u"1.0.0.0"},
        {u"ProductName", u"Quarnet Varnholt"},
        {u"InternalName", u"Quarnet Varnholt"},
        {u"OriginalFilename", u"Quarnet Varnholt"},
    };
    for (const auto &e : expected) {
        const QString key = QString::fromUtf16(e.key);
        SCOPED_TRACE(key.toStdString());
        const VersionNode *value = table->child(key);
        ASSERT_NE(value, nullptr) << "missing string";
        EXPECT_EQ(value->type, 1) << "strings are stored as text";
        EXPECT_EQ(value->text(), QString::fromUtf16(e.value));
    }
}

// The version that CMake's project() declares is the one Windows shows.
TEST_F(VersionRecord, FileVersionIsTheProjectVersion)
{
    const QString project = QStringLiteral(VARNHOLT_PROJECT_VERSION);
    const FixedInfo fixed = fixedInfo(root.value);
    const auto words = versionWords(project);
    EXPECT_EQ(fixed.fileMS, words.first);
    EXPECT_EQ(fixed.fileLS, words.second);
    const VersionNode *strings = root.child(u"StringFileInfo"_qs);
    ASSERT_NE(strings, nullptr);
    ASSERT_FALSE(strings->children.empty());
    const VersionNode *fileVersion = strings->children.front().child(u"FileVersion"_qs);
    ASSERT_NE(fileVersion, nullptr);
    EXPECT_EQ(fileVersion->text(), project);
}

TEST_F(VersionRecord, TranslationMatchesTheStringTable)
{
    const VersionNode *vars = root.child(u"VarFileInfo"_qs);
    ASSERT_NE(vars, nullptr);
    const VersionNode *translation = vars->child(u"Translation"_qs);
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4) << "one language and code page pair";
    EXPECT_EQ(u16(translation->value, 0), 0x0416) << "Portuguese (Brazil)";
    EXPECT_EQ(u16(translation->value, 2), 1252) << "Windows code page 1252";
}

// --- manifest ------------------------------------------------------------

// The attributes of the first element called `name`, or nothing.
std::optional<QXmlStreamAttributes> element(const QByteArray &xml, QStringView name, int *count = nullptr)
{
    QXmlStreamReader reader(xml);
    std::optional<QXmlStreamAttributes> first;
    int seen = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name) {
            if (!first)
                first = reader.attributes();
            ++seen;
        }
    }
    if (count)
        *count = seen;
    return first;
}

TEST(Manifest, IsResourceOneOfTheManifestTypeAndMatchesTheFile)
{
    const ResEntry *manifest = numbered(RT_MANIFEST, 1);
    ASSERT_NE(manifest, nullptr) << "no RT_MANIFEST resource 1";
    EXPECT_EQ(ofType(RT_MANIFEST).size(), 1u);
    EXPECT_EQ(manifest->data, readFile(kResources + u"/Varnholt.manifest"_qs));
}

TEST(Manifest, Content)
{
    const ResEntry *manifest = numbered(RT_MANIFEST, 1);
    ASSERT_NE(manifest, nullptr);
    const QByteArray xml = manifest->data;

    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();

    // Themed controls: a dependency on version 6 of the common controls.
    QXmlStreamReader deps(xml);
    bool commonControls = false;
    bool inDependency = false;
    while (!deps.atEnd()) {
        deps.readNext();
        if (deps.isStartElement() && deps.name() == u"dependentAssembly")
            inDependency = true;
        else if (deps.isEndElement() && deps.name() == u"dependentAssembly")
            inDependency = false;
        else if (inDependency && deps.isStartElement() && deps.name() == u"assemblyIdentity") {
            const QXmlStreamAttributes a = deps.attributes();
            if (a.value(QLatin1StringView("name")) == u"Microsoft.Windows.Common-Controls") {
                commonControls = true;
                EXPECT_EQ(a.value(QLatin1StringView("version")).toString(), u"6.0.0.0"_qs);
                EXPECT_EQ(a.value(QLatin1StringView("type")).toString(), u"win32"_qs);
                EXPECT_EQ(a.value(QLatin1StringView("publicKeyToken")).toString(), u"6595b64144ccf1df"_qs);
            }
        }
    }
    EXPECT_TRUE(commonControls) << "no dependency on Microsoft.Windows.Common-Controls";

    int levels = 0;
    const auto level = element(xml, u"requestedExecutionLevel", &levels);
    ASSERT_TRUE(level.has_value()) << "no requestedExecutionLevel";
    EXPECT_EQ(levels, 1);
    EXPECT_EQ(level->value(QLatin1StringView("level")).toString(), u"asInvoker"_qs);
    EXPECT_EQ(level->value(QLatin1StringView("uiAccess")).toString(), u"false"_qs);

    // No DPI awareness is declared, in either of its spellings.
    EXPECT_FALSE(element(xml, u"dpiAware").has_value());
    EXPECT_FALSE(element(xml, u"dpiAwareness").has_value());
}

// --- MAINICON ------------------------------------------------------------

TEST(MainIcon, GroupHoldsTheIconFileImages)
{
    const ResEntry *group = nullptr;
    for (const ResEntry *e : ofType(RT_GROUP_ICON))
        if (!e->name.isNumber && e->name.text == u"MAINICON"_qs)
            group = e;
    ASSERT_NE(group, nullptr) << "no icon group named MAINICON";

    const QByteArray &g = group->data;
    ASSERT_EQ(u16(g, 0), 0);
    ASSERT_EQ(u16(g, 2), 1) << "an icon group, not a cursor group";
    const std::vector<IcoImage> file = parseIco(readFile(kResources + u"/mainicon.ico"_qs));
    ASSERT_EQ(u16(g, 4), file.size()) << "the group lists every image of mainicon.ico";

    // Each group entry (14 bytes) names an RT_ICON resource that must hold
    // exactly the bytes of the file's image of that size.
    for (std::size_t i = 0; i < file.size(); ++i) {
        const qsizetype entry = 6 + 14 * qsizetype(i);
        const int width = static_cast<unsigned char>(g.at(entry));
        const int height = static_cast<unsigned char>(g.at(entry + 1));
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        EXPECT_EQ(u16(g, entry + 6), 32) << "bits per pixel";
        const ResEntry *icon = numbered(RT_ICON, u16(g, entry + 12));
        ASSERT_NE(icon, nullptr) << "the group names a missing RT_ICON";
        const auto same = std::find_if(
            file.begin(), file.end(), [&](const IcoImage &f) { return f.width == width && f.height == height; });
        ASSERT_NE(same, file.end()) << "no image of this size in mainicon.ico";
        EXPECT_EQ(icon->data, same->data);
    }
}

} // namespace
