#include "jpegreader.h"
#include "picturelimits.h"

#include <chrono>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>

namespace {
using Clock = std::chrono::steady_clock;

// libjpeg reports an error by calling error_exit, which must not return: it jumps back to the
// decode, past libjpeg's own frames only.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf failed{};
    Clock::time_point deadline;
    DecodeFailure failure = DecodeFailure::Bytes;
    QSize oversize;
};

Decoder& decoderOf(j_common_ptr info) {
    return *static_cast<Decoder*>(info->client_data);
}

[[noreturn]] void fail(j_common_ptr info) {
    if (info->err->msg_code == JERR_OUT_OF_MEMORY) decoderOf(info).failure = DecodeFailure::Passing;
    std::longjmp(decoderOf(info).failed, 1);
}

// Warnings and traces are not printed; a warning does not stop the decode.
void ignoreMessage(j_common_ptr, int) {}

void checkLimits(j_common_ptr info) {
    Decoder& decoder = decoderOf(info);
    if (decoder.info.input_scan_number > PictureLimits::kMaxScans) fail(info);
    if (Clock::now() > decoder.deadline) {
        decoder.failure = DecodeFailure::OutOfTime;
        fail(info);
    }
}

// Qt's reader takes CMYK as Adobe writes it, inverted, and multiplies each colour by black.
void cmykToRgb(const uchar* cmyk, QRgb* rgb, int width) {
    for (int x = 0; x < width; ++x, cmyk += 4) {
        const int k = cmyk[3];
        rgb[x] = qRgb(k * cmyk[0] / 255, k * cmyk[1] / 255, k * cmyk[2] / 255);
    }
}

// Between setjmp and a jump nothing here may need destroying: the caller owns the image and the row.
bool decodeInto(Decoder& decoder, const QByteArray& bytes, QImage& image, QByteArray& cmykRow) {
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.failed)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    // The declared size alone bounds the work: arithmetic-coded data holds a flat picture of
    // millions of pixels in a few hundred bytes.
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (!PictureLimits::withinPixels(info.image_width, info.image_height)) {
        decoder.oversize = QSize(int(info.image_width), int(info.image_height));
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX; // BGRX is the image's own 0xffRRGGBB
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.progress = &decoder.progress;
    decoder.progress.progress_monitor = checkLimits;
    decoder.deadline = Clock::now() + PictureLimits::timeLimit();
    image = QImage(int(info.image_width), int(info.image_height), QImage::Format_RGB32);
    if (image.isNull()) {
        decoder.failure = DecodeFailure::Passing;
        return false;
    }
    if (cmyk) cmykRow.resize(qsizetype(info.image_width) * 4);
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(info.output_scanline)));
        JSAMPROW row = cmyk ? reinterpret_cast<JSAMPROW>(cmykRow.data()) : reinterpret_cast<JSAMPROW>(line);
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
        if (cmyk) cmykToRgb(row, line, image.width());
    }
    jpeg_finish_decompress(&info);
    return true;
}
} // namespace

DecodedPicture decodeJpeg(const QByteArray& bytes) {
    Decoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.errors);
    decoder.errors.error_exit = fail;
    decoder.errors.emit_message = ignoreMessage;
    decoder.info.client_data = &decoder; // both kept by jpeg_create_decompress
    QImage image;
    QByteArray cmykRow;
    const bool decoded = decodeInto(decoder, bytes, image, cmykRow);
    jpeg_destroy_decompress(&decoder.info); // also after a failed create: the struct starts zeroed
    if (!decoded) return {{}, decoder.failure, decoder.oversize};
    return {image};
}
