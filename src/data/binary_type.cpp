// Stand-in until the real implementation lands.
#include "data/binary_type.h"

int BinaryTypeCode(const std::string&) { return kBinaryUnknown; }
size_t BinaryTypeSize(int) { return 0; }
bool InBinaryRange(int, double) { return false; }
double ReadBinary(int, const uint8_t*) { return 0; }
void WriteBinary(int, double, uint8_t*) {}
