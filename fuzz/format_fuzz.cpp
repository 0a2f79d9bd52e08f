// Fuzzes the formatter: the first byte picks how many values follow, the rest is the
// format text followed by the value texts, separated by NUL bytes. Formats with
// widths or precisions of more than five digits are skipped: rendering those is the
// C library's own work, and glibc pads them one byte at a time (seconds per input).
#include "globals/format_core.h"

#include <stdlib.h>

#include <string>
#include <vector>

namespace {
class Values final : public FormatValues {
public:
    explicit Values(std::vector<std::string> texts) : texts_(std::move(texts)) {}
    size_t count() const override { return texts_.size(); }
    double Number(size_t i) const override { return atof(texts_[i].c_str()); }
    std::string Text(size_t i) const override { return texts_[i]; }

private:
    std::vector<std::string> texts_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    if (size == 0) return 0;
    std::vector<std::string> parts(1);
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == 0) parts.emplace_back();
        else parts.back() += static_cast<char>(data[i]);
    }
    std::string format = parts[0];
    size_t digits = 0;
    for (char c : format) {
        digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
        if (digits > 5) return 0;
    }
    parts.erase(parts.begin());
    if (parts.size() > data[0] % 8) parts.resize(data[0] % 8);
    std::string out = FormatText(format, Values(parts));
    (void)out;
    return 0;
}
