#include "JpegProbe.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

// Quiet, but counting warnings (a truncated file is only a warning to libjpeg, padded with grey).
void OnMessage(j_common_ptr info, int level) {
    if (level < 0)
        ++info->err->num_warnings;
}

} // namespace

JpegFacts ProbeJpeg(const QByteArray& data) {
    JpegFacts facts;
    jpeg_decompress_struct info{};
    ErrorExit errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnError;
    errors.manager.emit_message = OnMessage;
    std::vector<unsigned char> row;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return JpegFacts{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    facts.progressive = jpeg_has_multiple_scans(&info);
    facts.components = info.num_components;
    jpeg_start_decompress(&info);
    facts.width = int(info.output_width);
    facts.height = int(info.output_height);
    row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    facts.decoded = errors.manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return facts;
}
