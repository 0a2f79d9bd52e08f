// Fuzzes the formatter: the first byte picks how many values follow, the rest is the
// format text followed by the value texts, separated by NUL bytes. Formats with
// widths or precisions of more than five digits are skipped: rendering those is the
// C library's own work, and glibc pads them one byte at a time (seconds per input).
// Values are taken in order, each at most once and never beyond the last; a format
// without conversions comes out as it stands; each rendering stays within its limit.
// The format also serves as the spec of %b, whose digits must read back as the value.
#include "check.h"
#include "globals/format_core.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
class Values final : public FormatValues {
public:
    explicit Values(std::vector<std::string> texts) : texts_(std::move(texts)) {}
    size_t count() const override { return texts_.size(); }
    double Number(size_t i) const override { return atof(Take(i).c_str()); }
    std::string Text(size_t i) const override { return Take(i); }
    size_t taken() const { return next_; }

private:
    const std::string& Take(size_t i) const {
        Check(i < texts_.size() && i == next_);
        ++next_;
        return texts_[i];
    }
    std::vector<std::string> texts_;
    mutable size_t next_ = 0;
};

constexpr size_t kRendering = 8191;  // the longest one conversion may render

void CheckBinary(const std::string& spec, uint32_t value) {
    const std::string out = FormatBinary(spec, value);
    Check(!out.empty() && out.size() <= kRendering);
    size_t i = 0;
    while (i + 1 < out.size() && out[i] == ' ') ++i;
    uint64_t back = 0;
    for (; i < out.size(); ++i) {
        Check(out[i] == '0' || out[i] == '1');
        back = back << 1 | static_cast<uint64_t>(out[i] - '0');
    }
    Check(back == value);
}
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
    const size_t count = parts.size();
    Values values(std::move(parts));
    const std::string out = FormatText(format, values);
    const size_t percents = static_cast<size_t>(std::count(format.begin(), format.end(), '%'));
    Check(values.taken() <= count && values.taken() <= percents);
    if (percents == 0) Check(out == format);
    Check(out.size() <= format.size() + values.taken() * kRendering);

    uint32_t value = 0;
    memcpy(&value, data, size < 4 ? size : 4);
    CheckBinary(format, value);
    return 0;
}
