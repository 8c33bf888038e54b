#include "JpegWriter.h"

#include <cstdio>
#include <jpeglib.h>

namespace panelgen {

QByteArray EncodeJpeg(const QImage& picture, int quality) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a failure here is a programming error: libjpeg exits
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE; // smaller Huffman tables; the file stays baseline
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

SizedJpeg EncodeJpegWithin(const QImage& picture, qsizetype maxBytes) {
    // File size grows with quality, so a bisection finds the best quality that still fits.
    SizedJpeg best{EncodeJpeg(picture, 30), 30};
    int low = 31;
    int high = 95;
    while (low <= high) {
        const int quality = (low + high) / 2;
        QByteArray data = EncodeJpeg(picture, quality);
        if (data.size() <= maxBytes) {
            best = {std::move(data), quality};
            low = quality + 1;
        } else {
            high = quality - 1;
        }
    }
    return best;
}

} // namespace panelgen
