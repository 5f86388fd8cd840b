#include "widgets/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    JpegFailure* failure;
};

[[noreturn]] void fail(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    char text[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, text);
    std::snprintf(err->failure->detail, sizeof err->failure->detail, "%s", text);
    err->failure->kind = JpegFailure::Damaged;
    std::longjmp(err->jump, 1);
}

// libjpeg's default prints warnings and goes on with grey filler; a damaged picture (data
// ending early, corrupt entropy-coded data) is refused. A file that is only untidy, such as
// the stray bytes before a marker many cameras write, is shown.
void message(j_common_ptr cinfo, int level) {
    if (level >= 0)
        return;
    switch (cinfo->err->msg_code) {
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
        return;
    default:
        fail(cinfo);
    }
}

int reductionFor(unsigned width, unsigned height, QSize fitInto) {
    if (!fitInto.isValid() || fitInto.isEmpty())
        return 1;
    // The fitted picture is never larger than the picture itself.
    const double scale =
        std::min({double(fitInto.width()) / width, double(fitInto.height()) / height, 1.0});
    int denom = 1;
    for (int d : {2, 4, 8})
        if (d * scale <= 1.0)
            denom = d;
    return denom;
}

void cmykToRgbx(unsigned char* row, unsigned width) {
    // Adobe writes CMYK JPEGs inverted: each channel already holds 255 - ink.
    for (unsigned x = 0; x < width; ++x, row += 4) {
        const unsigned k = row[3];
        row[0] = static_cast<unsigned char>(row[0] * k / 255);
        row[1] = static_cast<unsigned char>(row[1] * k / 255);
        row[2] = static_cast<unsigned char>(row[2] * k / 255);
        row[3] = 255;
    }
}

} // namespace

bool decodeJpeg(const unsigned char* data, std::size_t size, QSize fitInto, long long maxPixels,
                QImage* out, JpegFailure* failure) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = fail;
    err.pub.emit_message = message;
    err.failure = failure;

    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    failure->width = cinfo.image_width;
    failure->height = cinfo.image_height;
    if (static_cast<long long>(cinfo.image_width) * cinfo.image_height > maxPixels) {
        failure->kind = JpegFailure::TooLarge;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    cinfo.scale_num = 1;
    cinfo.scale_denom =
        static_cast<unsigned>(reductionFor(cinfo.image_width, cinfo.image_height, fitInto));
    jpeg_start_decompress(&cinfo);

    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                  QImage::Format_RGBX8888);
    if (out->isNull()) {
        failure->kind = JpegFailure::TooLarge;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            fail(reinterpret_cast<j_common_ptr>(&cinfo));
        if (cmyk)
            cmykToRgbx(row, cinfo.output_width);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    failure->kind = JpegFailure::None;
    return true;
}

bool readJpegSize(const unsigned char* data, std::size_t size, QSize* out) {
    // The header is all a decode reads before it refuses a picture larger than the limit.
    JpegFailure failure;
    QImage none;
    decodeJpeg(data, size, QSize(), 0, &none, &failure);
    if (failure.kind != JpegFailure::TooLarge)
        return false;
    *out = QSize(static_cast<int>(failure.width), static_cast<int>(failure.height));
    return true;
}
