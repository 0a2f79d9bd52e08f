// Fuzzes the scanner: the first byte is the length of the format, which follows it;
// the rest is the input. Each case runs with the Shift_JIS and the single-byte table
// and checks what every scan must keep: texts in item order, from unsuppressed items,
// never longer than their width allows, one value per text.
#include "check.h"
#include "globals/scan_core.h"

#include <string>
#include <vector>

namespace {
void Run(const std::string& format, const std::string& input, const MultiByteTable& table) {
    std::vector<ScanItem> items = ParseScanFormat(format, table);
    ScanResult scan = ScanInput(input, items, table);
    size_t previous = 0;
    for (size_t i = 0; i < scan.texts.size(); ++i) {
        const ScanText& t = scan.texts[i];
        Check(t.item < items.size() && !items[t.item].suppress && !t.text.empty());
        Check(i == 0 || t.item > previous);
        previous = t.item;
        // a double-byte character may run one byte past the width
        if (items[t.item].width > 0) Check(t.text.size() <= static_cast<size_t>(items[t.item].width) + 1);
        Check(t.text.size() <= input.size());
    }
    std::vector<ScanValue> values = ConvertScanTexts(scan.texts, items);
    Check(values.size() == scan.texts.size());
    for (size_t i = 0; i < values.size(); ++i) Check(values[i].isNumber || values[i].text == scan.texts[i].text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size == 0) return 0;
    size_t split = data[0] < size - 1 ? data[0] : size - 1;
    std::string format(reinterpret_cast<const char*>(data + 1), split);
    std::string input(reinterpret_cast<const char*>(data + 1 + split), size - 1 - split);
    Run(format, input, ShiftJisTable());
    Run(format, input, SingleByteTable());
    return 0;
}
