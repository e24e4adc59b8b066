#include "report/jpegwriter.h"

#include "common/errors.h"

#include <QImage>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

struct Decoded
{
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = true;
    std::vector<unsigned char> rgb;
};

struct DecodeErrors
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

extern "C" void failDecoding(j_common_ptr codec)
{
    std::longjmp(reinterpret_cast<DecodeErrors *>(codec->err)->jump, 1);
}

// Holds no object with a destructor between setjmp and the jump.
bool decodeRaw(const QByteArray &bytes, Decoded &out)
{
    jpeg_decompress_struct codec;
    DecodeErrors errors;
    codec.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&codec);
        return false;
    }
    jpeg_create_decompress(&codec);
    jpeg_mem_src(&codec, reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&codec, TRUE);
    out.width = int(codec.image_width);
    out.height = int(codec.image_height);
    out.components = codec.num_components;
    out.progressive = codec.progressive_mode;
    codec.out_color_space = JCS_RGB;
    jpeg_start_decompress(&codec);
    out.rgb.resize(size_t(out.width) * size_t(out.height) * 3);
    while (codec.output_scanline < codec.output_height) {
        JSAMPROW row = out.rgb.data() + size_t(codec.output_scanline) * size_t(out.width) * 3;
        jpeg_read_scanlines(&codec, &row, 1);
    }
    jpeg_finish_decompress(&codec);
    jpeg_destroy_decompress(&codec);
    return true;
}

// A plan-sized picture: white, a black frame, a blue patch and a one-pixel red line.
QImage testPicture()
{
    QImage image(449, 217, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 0, qRgb(0, 0, 0));
        image.setPixel(x, image.height() - 1, qRgb(0, 0, 0));
        image.setPixel(x, 100, qRgb(255, 0, 0));
    }
    for (int y = 20; y < 60; ++y)
        for (int x = 30; x < 130; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

bool hasMarker(const QByteArray &bytes, unsigned char marker)
{
    const char pattern[] = {char(0xFF), char(marker)};
    return bytes.contains(QByteArray(pattern, 2));
}

TEST(JpegEncoderTest, BaselineFullColourCloseToThePicture)
{
    const QImage picture = testPicture();
    const QByteArray bytes = tragvel::report::JpegEncoder(100).encode(picture);
    ASSERT_GT(bytes.size(), 4);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xD8", 2));
    EXPECT_TRUE(hasMarker(bytes, 0xC0));  // baseline frame
    EXPECT_FALSE(hasMarker(bytes, 0xC2)); // never progressive

    Decoded decoded;
    ASSERT_TRUE(decodeRaw(bytes, decoded));
    EXPECT_EQ(decoded.width, 449);
    EXPECT_EQ(decoded.height, 217);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_FALSE(decoded.progressive);

    double error = 0;
    for (int y = 0; y < decoded.height; ++y) {
        for (int x = 0; x < decoded.width; ++x) {
            const QRgb want = picture.pixel(x, y);
            const unsigned char *got = &decoded.rgb[(size_t(y) * size_t(decoded.width) + size_t(x)) * 3];
            error += std::abs(got[0] - qRed(want)) + std::abs(got[1] - qGreen(want)) + std::abs(got[2] - qBlue(want));
        }
    }
    EXPECT_LT(error / (decoded.width * decoded.height * 3.0), 1.0);

    // Without chroma subsampling the one-pixel red line stays red.
    for (int x = 5; x < 444; x += 37) {
        const unsigned char *got = &decoded.rgb[(size_t(100) * size_t(decoded.width) + size_t(x)) * 3];
        EXPECT_GT(got[0], 220) << x;
        EXPECT_LT(got[1], 40) << x;
        EXPECT_LT(got[2], 40) << x;
    }
}

TEST(JpegEncoderTest, PictureWithAlphaIsWrittenAsColour)
{
    QImage picture(20, 10, QImage::Format_ARGB32);
    picture.fill(qRgb(0, 128, 0));
    Decoded decoded;
    ASSERT_TRUE(decodeRaw(tragvel::report::JpegEncoder(100).encode(picture), decoded));
    EXPECT_EQ(decoded.components, 3);
    const unsigned char *got = &decoded.rgb[(5 * 20 + 10) * 3];
    EXPECT_NEAR(got[0], 0, 3);
    EXPECT_NEAR(got[1], 128, 3);
    EXPECT_NEAR(got[2], 0, 3);
}

TEST(JpegEncoderTest, CodecFailureBecomesAnError)
{
    try {
        tragvel::report::JpegEncoder(100).encode(QImage());
        FAIL() << "no exception";
    } catch (const tragvel::Error &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("JPEG error: "))) << e.text().toStdString();
        EXPECT_GT(e.text().size(), 12);
    }
}

} // namespace
