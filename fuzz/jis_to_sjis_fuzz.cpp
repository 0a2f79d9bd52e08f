// Fuzzes JisToSjis: any bytes, no reads outside the input, never longer output.
#include "globals/encoding_core.h"

#include <stdlib.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string jis(reinterpret_cast<const char*>(data), size);
    if (JisToSjis(jis).size() > jis.size()) abort();
    return 0;
}
