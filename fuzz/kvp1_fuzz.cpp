// Fuzzes the test plug-in's KVP1 decoder with any bytes. A file that parses has its
// rows within the input, and its header and bitmap fill exactly the sizes it reports.
#include "check.h"
#include "../tests/image/plugin/kvp1.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    kvp1_picture picture;
    if (kvp1_parse(data, size, &picture) != KVP1_OK) return 0;
    Check(picture.rows + picture.row_bytes * picture.height <= data + size);
    Check(picture.stride % 4 == 0 && picture.stride >= picture.row_bytes);
    if (picture.bits_bytes > (1u << 24)) return 0;
    std::vector<uint8_t> info(picture.info_bytes), bits(picture.bits_bytes);
    kvp1_write_info(&picture, info.data());
    kvp1_write_bits(&picture, bits.data());
    Check(info[0] == 40 && info[14] == picture.bits && info[32] == (picture.colours & 255));
    return 0;
}
