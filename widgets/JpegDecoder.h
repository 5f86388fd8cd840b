#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>

// Decoding a JPEG with libjpeg, kept apart because it returns through setjmp/longjmp: no
// C++ object with a destructor lives in its frame, and it never throws.
struct JpegFailure {
    enum Kind { None, Damaged, TooLarge } kind = None;
    unsigned width = 0;
    unsigned height = 0;
    char detail[200] = {}; // libjpeg's own words, for diagnostics
};

// Decodes into *out (RGBX). Corrupt-data warnings, a truncated file among them, fail like
// errors. A header announcing more than maxPixels fails before anything is allocated.
// With a valid fitInto, decodes at the largest reduction that still covers the size the
// picture takes when fitted proportionally into it.
bool decodeJpeg(const unsigned char* data, std::size_t size, QSize fitInto, long long maxPixels,
                QImage* out, JpegFailure* failure);

// The picture's size from its header alone; false for data that is not a JPEG.
bool readJpegSize(const unsigned char* data, std::size_t size, QSize* out);
