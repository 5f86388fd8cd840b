#pragma once

#include <cstddef>
#include <cstdint>

// One fuzz input through the picture loader: the first byte picks the reader (bitmap or
// JPEG, full or reduced scale), the rest is the file. Returns 0; a crash, a sanitizer report
// or an escaping exception other than PictureError is the finding.
int FuzzPictureInput(const std::uint8_t* data, std::size_t size);
