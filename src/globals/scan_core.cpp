// Stand-in until the real implementation lands.
#include "globals/scan_core.h"

std::vector<ScanItem> ParseScanFormat(const std::string&, const MultiByteTable&) { return {}; }
ScanResult ScanInput(const std::string&, const std::vector<ScanItem>&, const MultiByteTable&) { return {}; }
std::vector<ScanValue> ConvertScanTexts(const std::vector<std::string>&, const std::vector<ScanItem>&) { return {}; }
