// libFuzzer target for the picture loader: `make fuzz`, then build-fuzz/bin/fuzz_picture.
#include "tests/fuzz/PictureFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzPictureInput(data, size);
}
