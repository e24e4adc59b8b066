#include "report/jpegwriter.h"

#include "common/errors.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <jerror.h>

namespace tragvel::report {

namespace {

// libjpeg reports a fatal error through error_exit, which must not return. Jumping back to the
// encoding routine keeps C++ exceptions out of the codec's C frames; the routine holds no object
// with a destructor between setjmp and the jump.
struct JumpingErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void jumpOnError(j_common_ptr codec)
{
    auto *manager = reinterpret_cast<JumpingErrorManager *>(codec->err);
    (*codec->err->format_message)(codec, manager->message);
    std::longjmp(manager->jump, 1);
}

extern "C" void ignoreMessage(j_common_ptr) {}

struct RawPicture
{
    const unsigned char *pixels; // rows of width * 3 bytes, red, green, blue
    qsizetype bytesPerLine;
    int width;
    int height;
};

// A destination growing a malloc'd buffer that stays the caller's to free, also after a failure.
struct EncodedBuffer
{
    jpeg_destination_mgr base;
    unsigned char *data = nullptr;
    size_t capacity = 0;
    size_t size = 0;
};

constexpr size_t kFirstCapacity = 64 * 1024;

extern "C" void startBuffer(j_compress_ptr codec)
{
    auto *buffer = reinterpret_cast<EncodedBuffer *>(codec->dest);
    buffer->data = static_cast<unsigned char *>(std::malloc(kFirstCapacity));
    if (!buffer->data)
        ERREXIT1(codec, JERR_OUT_OF_MEMORY, 0);
    buffer->capacity = kFirstCapacity;
    buffer->base.next_output_byte = buffer->data;
    buffer->base.free_in_buffer = buffer->capacity;
}

extern "C" boolean growBuffer(j_compress_ptr codec)
{
    // Called when the whole buffer is full.
    auto *buffer = reinterpret_cast<EncodedBuffer *>(codec->dest);
    const size_t capacity = buffer->capacity * 2;
    auto *grown = static_cast<unsigned char *>(std::realloc(buffer->data, capacity));
    if (!grown)
        ERREXIT1(codec, JERR_OUT_OF_MEMORY, 1);
    buffer->data = grown;
    buffer->base.next_output_byte = grown + buffer->capacity;
    buffer->base.free_in_buffer = capacity - buffer->capacity;
    buffer->capacity = capacity;
    return TRUE;
}

extern "C" void finishBuffer(j_compress_ptr codec)
{
    auto *buffer = reinterpret_cast<EncodedBuffer *>(codec->dest);
    buffer->size = buffer->capacity - buffer->base.free_in_buffer;
}

// Returns false with the codec's message in `manager.message` on failure. The buffer, if any, is
// the caller's to free in both cases.
bool encodeRaw(const RawPicture &picture, int quality, JumpingErrorManager &manager, EncodedBuffer &out)
{
    jpeg_compress_struct codec;
    codec.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = jumpOnError;
    manager.base.output_message = ignoreMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.jump)) {
        jpeg_destroy_compress(&codec);
        return false;
    }
    jpeg_create_compress(&codec);
    out.base.init_destination = startBuffer;
    out.base.empty_output_buffer = growBuffer;
    out.base.term_destination = finishBuffer;
    codec.dest = &out.base;
    codec.image_width = JDIMENSION(picture.width);
    codec.image_height = JDIMENSION(picture.height);
    codec.input_components = 3;
    codec.in_color_space = JCS_RGB;
    jpeg_set_defaults(&codec);
    jpeg_set_quality(&codec, quality, TRUE);
    // No chroma subsampling: thin coloured lines keep their colour.
    for (int c = 0; c < codec.num_components; ++c) {
        codec.comp_info[c].h_samp_factor = 1;
        codec.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&codec, TRUE);
    while (codec.next_scanline < codec.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.pixels + qsizetype(codec.next_scanline) * picture.bytesPerLine);
        jpeg_write_scanlines(&codec, &row, 1);
    }
    jpeg_finish_compress(&codec);
    jpeg_destroy_compress(&codec);
    return true;
}

} // namespace

JpegEncoder::JpegEncoder(int quality) : m_quality(quality) {}

QByteArray JpegEncoder::encode(const QImage &image) const
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const RawPicture picture{rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height()};
    JumpingErrorManager manager;
    EncodedBuffer buffer{};
    const bool encoded = encodeRaw(picture, m_quality, manager, buffer);
    QByteArray bytes;
    if (encoded)
        bytes = QByteArray(reinterpret_cast<const char *>(buffer.data), qsizetype(buffer.size));
    std::free(buffer.data);
    if (!encoded)
        throw Error(QStringLiteral("JPEG error: ") + QString::fromLocal8Bit(manager.message));
    return bytes;
}

} // namespace tragvel::report
