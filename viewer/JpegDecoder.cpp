#include "JpegDecoder.h"

#include "PictureLimits.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg's own error_exit ends the process and its warnings go to stderr. Ours jumps back to the
// decoder, and counts warnings: libjpeg reports damaged or missing data only as warnings.
struct TJpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

extern "C" void JpegErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->Jump, 1);
}

extern "C" void JpegEmitMessage(j_common_ptr info, int level) {
    if (level < 0) ++info->err->num_warnings;
}

// Kept free of C++ objects with destructors: a longjmp out of libjpeg lands here, and everything it
// changes outside libjpeg's own state lives in the caller's frame (out).
bool DecodeInto(const unsigned char* data, unsigned long size, QImage& out) {
    jpeg_decompress_struct info;
    TJpegErrors errors;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JpegErrorExit;
    errors.Manager.emit_message = JpegEmitMessage;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (info.image_width > static_cast<JDIMENSION>(kMaxPictureSide) ||
        info.image_height > static_cast<JDIMENSION>(kMaxPictureSide)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (out.isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool sound = errors.Manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return sound;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    QImage picture;
    if (data.isEmpty()) return picture;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), picture))
        return QImage();
    return picture;
}
