// The pictures the program carries: the application icon (mainicon.ico and
// the same images as PNG for the desktop's icon theme) and the banner.

#include "BinaryFormats.h"
#include "QStringPrinter.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace identity;

namespace {

const QString kResources = QStringLiteral(VARNHOLT_RESOURCES_DIR);
const QString kIconFile = kResources + u"/mainicon.ico"_qs;
const std::set<int> kIconSizes = {16, 32, 64};

QString themePng(int size)
{
    return kResources + u"/icons/hicolor/%1x%1/apps/varnholt.png"_qs.arg(size);
}

// --- mainicon.ico, as stored ---------------------------------------------

TEST(IconFile, HoldsExactlyTheThreeSizesAt32BitsPerPixel)
{
    const QByteArray file = readFile(kIconFile);
    const std::vector<IcoImage> images = parseIco(file);

    std::multiset<int> sizes;
    for (const IcoImage &image : images) {
        SCOPED_TRACE("image at offset " + std::to_string(image.offset));
        EXPECT_EQ(image.width, image.height) << "square images";
        sizes.insert(image.width);
        EXPECT_EQ(image.bitCount, 32) << "directory entry";
        EXPECT_EQ(image.planes, 1);

        // Classic layout: BITMAPINFOHEADER, BGRA rows, then the AND mask;
        // the header counts both masks in its height.
        const BitmapInfo info = parseBitmapInfo(image.data, 0);
        EXPECT_EQ(info.headerSize, 40u);
        EXPECT_EQ(info.width, image.width);
        EXPECT_EQ(info.height, 2 * image.height);
        EXPECT_EQ(info.planes, 1);
        EXPECT_EQ(info.bitCount, 32) << "bitmap header";
        EXPECT_EQ(info.compression, 0u) << "BI_RGB, not an embedded PNG";
        const qsizetype maskRow = (image.width + 31) / 32 * 4;
        EXPECT_EQ(image.data.size(), 40 + image.width * image.height * 4 + maskRow * image.height);
    }
    EXPECT_EQ(sizes, std::multiset<int>(kIconSizes.begin(), kIconSizes.end()));

    // The images follow the directory and do not overlap.
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    for (const IcoImage &image : images)
        spans.emplace_back(image.offset, image.offset + image.data.size());
    std::sort(spans.begin(), spans.end());
    qsizetype end = 6 + 16 * qsizetype(images.size());
    for (const auto &[begin, finish] : spans) {
        EXPECT_GE(begin, end) << "an image overlaps the directory or another image";
        end = finish;
    }
}

// --- mainicon.ico, as Qt reads it ----------------------------------------

TEST(IconFile, QtReadsEachImageWithTransparency)
{
    QImageReader reader(kIconFile);
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    ASSERT_EQ(reader.imageCount(), 3);

    std::set<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        sizes.insert(image.width());
        EXPECT_EQ(image.width(), image.height());
        ASSERT_TRUE(image.hasAlphaChannel());

        // The emblem does not fill its square: the corners are see-through
        // and the middle is solid.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        const int last = argb.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            EXPECT_EQ(qAlpha(argb.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();
        EXPECT_EQ(qAlpha(argb.pixel(argb.width() / 2, argb.height() / 2)), 255);
    }
    EXPECT_EQ(sizes, kIconSizes);
}

// The window icon is built from the icon file, and must offer every size.
TEST(IconFile, AsWindowIconOffersEverySize)
{
    const QIcon icon(kIconFile);
    std::set<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes.insert(size.width());
    EXPECT_EQ(sizes, kIconSizes);
}

// --- the desktop's icon theme --------------------------------------------

class ThemeIcon : public ::testing::TestWithParam<int> { };

TEST_P(ThemeIcon, IsTheIconFileImageOfTheSameSize)
{
    const int size = GetParam();
    const QImage png(themePng(size));
    ASSERT_FALSE(png.isNull()) << "cannot read " << themePng(size).toStdString();
    ASSERT_EQ(png.size(), QSize(size, size));

    QImageReader reader(kIconFile);
    QImage ico;
    for (int i = 0; i < reader.imageCount() && ico.isNull(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage candidate = reader.read();
        if (candidate.width() == size)
            ico = candidate;
    }
    ASSERT_FALSE(ico.isNull()) << "mainicon.ico has no image of this size";

    // Qt's icon reader hands out premultiplied pixels; compare both that way.
    const QImage a = png.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = ico.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            differing += a.pixel(x, y) == b.pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0) << "pixels that differ between the PNG and the ICO image";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThemeIcon, ::testing::Values(16, 32, 64),
    [](const ::testing::TestParamInfo<int> &info) { return std::to_string(info.param) + "px"; });

// --- banner --------------------------------------------------------------

TEST(Banner, IsAnUncompressed32BitBitmapOf700By95)
{
    const QByteArray file = readFile(kResources + u"/banner.bmp"_qs);
    const BmpFile bmp = parseBmp(file);
    EXPECT_EQ(bmp.declaredFileSize, std::uint32_t(file.size()));
    EXPECT_EQ(bmp.info.headerSize, 40u) << "a plain BITMAPINFOHEADER";
    EXPECT_EQ(bmp.info.width, 700);
    EXPECT_EQ(std::abs(bmp.info.height), 95);
    EXPECT_EQ(bmp.info.planes, 1);
    EXPECT_EQ(bmp.info.bitCount, 32);
    EXPECT_EQ(bmp.info.compression, 0u) << "BI_RGB";
    const qsizetype pixels = 700 * 95 * 4;
    ASSERT_GE(file.size() - qsizetype(bmp.pixelOffset), pixels) << "the pixel rows are cut short";

    // The fourth byte of a BI_RGB pixel is unused; it is 255 throughout so
    // that a reader that takes it for alpha still shows the whole banner.
    int seeThrough = 0;
    for (qsizetype i = bmp.pixelOffset + 3; i < qsizetype(bmp.pixelOffset) + pixels; i += 4)
        seeThrough += static_cast<unsigned char>(file[i]) != 255 ? 1 : 0;
    EXPECT_EQ(seeThrough, 0);
}

TEST(Banner, QtReadsIt)
{
    QImageReader reader(kResources + u"/banner.bmp"_qs);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(700, 95));
}

} // namespace
