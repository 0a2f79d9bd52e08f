// Number rules shared by every host function; free of platform headers.
#pragma once

#include <stdint.h>

// A double truncated toward zero to a 64-bit integer, of which the low 32 bits are
// kept: 4294967296 gives 0 and -1 stays -1. NaN, the infinities and values beyond
// 64 bits give 0, as the processor's own conversion does.
inline int32_t TruncateToInt32(double d) {
    if (!(d > -9.2233720368547758e18 && d < 9.2233720368547758e18)) return 0;
    long long ll = static_cast<long long>(d);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(ll)));
}
