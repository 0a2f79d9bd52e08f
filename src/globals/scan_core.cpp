// The formatted scanner: format items, the input walk, and the text conversions.
#include "globals/scan_core.h"

#include <limits.h>
#include <stdlib.h>

#include <algorithm>

namespace {
constexpr uint32_t kEnd = 0;

// The C locale's isspace; a double-byte character is never white space.
bool IsSpace(uint32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }
bool IsSign(uint32_t c) { return c == '+' || c == '-'; }

int DigitValue(uint32_t c) {
    if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return -1;
}

bool IsDigitOf(uint32_t c, int base) {
    int d = DigitValue(c);
    return d >= 0 && d < base;
}

// Two's complement without relying on the implementation's narrowing.
int32_t ToSigned32(uint32_t u) {
    if (u <= static_cast<uint32_t>(INT32_MAX)) return static_cast<int32_t>(u);
    return static_cast<int32_t>(u - 0x80000000u) - INT32_MAX - 1;
}

// Walks narrow text one character at a time; a lead byte followed by a trail byte is
// one character. The text ends at its first NUL byte.
class CharReader {
public:
    CharReader(const std::string& text, const MultiByteTable& table)
        : bytes_(reinterpret_cast<const uint8_t*>(text.data())), table_(&table) {
        size_t nul = text.find('\0');
        size_ = nul == std::string::npos ? text.size() : nul;
        Load();
    }
    uint32_t code() const { return code_; }
    const char* bytes() const { return reinterpret_cast<const char*>(bytes_ + pos_); }
    size_t length() const { return length_; }
    void Next() {
        pos_ += length_;
        Load();
    }

private:
    void Load() {
        if (pos_ >= size_) {
            code_ = kEnd;
            length_ = 0;
        } else if (table_->IsPair(bytes_, size_, pos_)) {
            code_ = bytes_[pos_] * 256u + bytes_[pos_ + 1];
            length_ = 2;
        } else {
            code_ = bytes_[pos_];
            length_ = 1;
        }
    }

    const uint8_t* bytes_;
    const MultiByteTable* table_;
    size_t size_ = 0;
    size_t pos_ = 0;
    uint32_t code_ = kEnd;
    size_t length_ = 0;
};

int KindOfLetter(uint32_t c) {
    switch (c) {
    case 'd': case 'u': return kScanDecimal;
    case 'i': return kScanInteger;
    case 'x': case 'X': return kScanHex;
    case 'o': return kScanOctal;
    case 'b': return kScanBinary;
    case 'e': case 'f': case 'g': case 'E': case 'G': return kScanFloat;
    case 'c': return kScanChar;
    case 's': return kScanWord;
    default: return 0;
    }
}

ScanItem Literal(uint32_t c) {
    ScanItem item;
    item.kind = kScanChar;
    item.width = 1;
    item.suppress = true;
    item.set.push_back(c);
    return item;
}

// Reads the members after "[" or "[^" up to "]". False when the format ends first.
bool ReadSetMembers(CharReader& r, ScanItem& item) {
    for (;;) {
        uint32_t c = r.code();
        if (c == kEnd) return false;
        r.Next();
        if (c == ']') return true;
        if (r.code() == '-') {
            CharReader after = r;
            after.Next();
            uint32_t high = after.code();
            // A "-" just before "]" is a member of its own, as in every scanf.
            if (high != kEnd && high != ']') {
                item.ranges.emplace_back(std::min(c, high), std::max(c, high));
                r = after;  // the second end is read again as an ordinary member
                continue;
            }
        }
        item.set.push_back(c);
    }
}

bool SkipsSpace(const ScanItem& item) {
    switch (item.kind) {
    case kScanDecimal: case kScanHex: case kScanOctal: case kScanBinary:
    case kScanFloat: case kScanWord:
        return true;
    case kScanChar:
        return item.set.size() == 1;
    default:
        return false;
    }
}

// The text an item has collected so far, with where its body starts: after the
// white space and the sign that come first. Kept as it grows, so that no test
// rescans the text.
class Collected {
public:
    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    bool signSeen() const { return sign_; }
    size_t bodySize() const { return text_.size() - body_; }
    char body(size_t i) const { return text_[body_ + i]; }

    void Append(uint32_t c, const char* bytes, size_t length) {
        bool started = body_ < text_.size();
        text_.append(bytes, length);
        if (!started && (IsSpace(c) || IsSign(c))) {
            body_ = text_.size();
            sign_ = sign_ || IsSign(c);
        }
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    size_t body_ = 0;
    bool sign_ = false;
};

bool IsPrefix(const Collected& t, char lower) {
    return t.bodySize() >= 2 && t.body(0) == '0' && (t.body(1) | 0x20) == lower;
}

// %i takes white space and a sign before its digits (the conversion skips them, so
// "%i %i" reads "1 2" although %i skips nothing itself), then follows the prefix it
// has collected: decimal digits, or after "0" the octal digits and "x"/"b", after
// "0x" hex digits, after "0b" binary digits.
bool IntegerTakes(uint32_t c, const Collected& t) {
    if (t.bodySize() == 0) return (!t.signSeen() && (IsSpace(c) || IsSign(c))) || IsDigit(c);
    if (t.bodySize() == 1 && t.body(0) == '0') return c == 'x' || c == 'X' || c == 'b' || c == 'B' || IsDigitOf(c, 8);
    if (IsPrefix(t, 'x')) return IsDigitOf(c, 16);
    if (IsPrefix(t, 'b')) return IsDigitOf(c, 2);
    if (t.body(0) == '0') return IsDigitOf(c, 8);
    return IsDigit(c);
}

// %x, %o and %b take a leading sign and the digits of their base; %x also takes the
// "x" of a "0x" prefix and %b the "b" of "0b" (the radix rules skip both).
bool RadixTakes(uint32_t c, const Collected& t, int base) {
    if (t.empty() && IsSign(c)) return true;
    if (IsDigitOf(c, base)) return true;
    uint32_t prefix = base == 16 ? 'x' : base == 2 ? 'b' : 0;
    return prefix && (c | 0x20) == prefix && t.bodySize() == 1 && t.body(0) == '0';
}

bool Takes(const ScanItem& item, uint32_t c, const Collected& text) {
    switch (item.kind) {
    case kScanDecimal: return IsDigit(c) || (text.empty() && IsSign(c));
    case kScanInteger: return IntegerTakes(c, text);
    case kScanHex: return RadixTakes(c, text, 16);
    case kScanOctal: return RadixTakes(c, text, 8);
    case kScanBinary: return RadixTakes(c, text, 2);
    case kScanFloat: return IsDigit(c) || c == '.' || IsSign(c) || c == 'e' || c == 'E';
    case kScanChar: return item.set.empty() || c == item.set[0];
    case kScanWord: return !IsSpace(c);
    case kScanSet: return item.IsMember(c);
    case kScanNotSet: return !item.IsMember(c);
    default: return false;
    }
}

size_t SkipSpaceBytes(const std::string& text, size_t p) {
    while (p < text.size() && IsSpace(static_cast<uint8_t>(text[p]))) ++p;
    return p;
}
}  // namespace

bool ScanItem::IsMember(uint32_t code) const {
    if (std::find(set.begin(), set.end(), code) != set.end()) return true;
    for (const auto& r : ranges)
        if (code >= r.first && code <= r.second) return true;
    return false;
}

std::vector<ScanItem> ParseScanFormat(const std::string& format, const MultiByteTable& narrow) {
    std::vector<ScanItem> items;
    CharReader r(format, narrow);
    while (r.code() != kEnd) {
        uint32_t c = r.code();
        if (IsSpace(c)) {
            r.Next();
            continue;
        }
        if (c != '%') {
            items.push_back(Literal(c));
            r.Next();
            continue;
        }
        r.Next();
        ScanItem item;
        if (r.code() == '*') {
            item.suppress = true;
            r.Next();
        }
        if (r.code() == '?') {
            item.required = false;
            r.Next();
        }
        long long width = 0;
        while (IsDigit(r.code())) {
            width = std::min<long long>(width * 10 + (r.code() - '0'), INT_MAX);
            r.Next();
        }
        item.width = static_cast<int>(width);
        uint32_t conversion = r.code();
        if (int kind = KindOfLetter(conversion)) {
            item.kind = kind;
            if (kind == kScanChar && item.width == 0) item.width = 1;
            items.push_back(std::move(item));
            r.Next();
        } else if (conversion == '%') {
            item.kind = kScanChar;
            item.set.push_back('%');
            if (item.width == 0) item.width = 1;
            items.push_back(std::move(item));
            r.Next();
        } else if (conversion == '[') {
            r.Next();
            item.kind = kScanSet;
            if (r.code() == '^') {
                item.kind = kScanNotSet;
                r.Next();
            }
            if (!ReadSetMembers(r, item)) break;
            if (!item.set.empty() || !item.ranges.empty()) items.push_back(std::move(item));
        }
        // Any other character (or the end) makes no item and is read as an ordinary one.
    }
    return items;
}

ScanResult ScanInput(const std::string& input, const std::vector<ScanItem>& items, const MultiByteTable& narrow) {
    ScanResult result;
    CharReader r(input, narrow);
    size_t i = 0;
    for (; i < items.size(); ++i) {
        const ScanItem& item = items[i];
        if (SkipsSpace(item))
            while (IsSpace(r.code())) r.Next();
        // A double-byte character is appended whole, so a width that ends inside
        // one lets the text run one byte past it.
        Collected text;
        while (r.code() != kEnd && Takes(item, r.code(), text)) {
            text.Append(r.code(), r.bytes(), r.length());
            r.Next();
            if (item.width > 0 && text.text().size() >= static_cast<size_t>(item.width)) break;
        }
        if (text.empty()) {
            if (item.required) break;
            continue;
        }
        if (!item.suppress) result.texts.push_back(ScanText{i, text.Take()});
        if (r.code() == kEnd) {
            ++i;
            break;
        }
    }
    // Items left when the input ran out would collect nothing: optional ones are
    // passed over, a required one makes the scan incomplete.
    bool missing = std::any_of(items.begin() + static_cast<std::ptrdiff_t>(i), items.end(),
                               [](const ScanItem& item) { return item.required; });
    while (IsSpace(r.code())) r.Next();
    result.complete = !missing && r.code() == kEnd;
    return result;
}

int32_t ScanAtoi(const std::string& text) {
    size_t p = SkipSpaceBytes(text, 0);
    bool negative = false;
    if (p < text.size() && IsSign(static_cast<uint8_t>(text[p]))) negative = text[p++] == '-';
    long long value = 0;
    const long long limit = 2147483648LL;
    for (; p < text.size() && IsDigit(static_cast<uint8_t>(text[p])); ++p)
        value = std::min(value * 10 + (text[p] - '0'), limit);
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min<long long>(value, INT32_MAX));
}

double ScanAtof(const std::string& text) {
    // The digits are rewritten as an integer mantissa with a decimal exponent, so no
    // decimal point reaches strtod and the process locale cannot change the reading.
    size_t p = SkipSpaceBytes(text, 0);
    bool negative = false;
    if (p < text.size() && IsSign(static_cast<uint8_t>(text[p]))) negative = text[p++] == '-';
    std::string mantissa;
    long long exponent = 0;
    bool digits = false;
    bool dropped = false;
    // Enough significant digits for correct rounding of any double; the rest only
    // decides whether a sticky digit is kept.
    const size_t kMaxDigits = 800;
    auto add = [&](char d, bool fraction) {
        digits = true;
        if (mantissa.empty() && d == '0') {
            if (fraction) --exponent;
            return;
        }
        if (mantissa.size() < kMaxDigits) {
            mantissa += d;
            if (fraction) --exponent;
        } else {
            if (d != '0') dropped = true;
            if (!fraction) ++exponent;
        }
    };
    for (; p < text.size() && IsDigit(static_cast<uint8_t>(text[p])); ++p) add(text[p], false);
    if (p < text.size() && text[p] == '.')
        for (++p; p < text.size() && IsDigit(static_cast<uint8_t>(text[p])); ++p) add(text[p], true);
    if (!digits) return 0.0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        size_t q = p + 1;
        bool expNegative = false;
        if (q < text.size() && IsSign(static_cast<uint8_t>(text[q]))) expNegative = text[q++] == '-';
        if (q < text.size() && IsDigit(static_cast<uint8_t>(text[q]))) {
            long long e = 0;
            for (; q < text.size() && IsDigit(static_cast<uint8_t>(text[q])); ++q)
                e = std::min<long long>(e * 10 + (text[q] - '0'), 100000000LL);
            exponent += expNegative ? -e : e;
        }
    }
    if (mantissa.empty()) return negative ? -0.0 : 0.0;
    if (dropped) {
        mantissa += '1';
        --exponent;
    }
    exponent = std::max<long long>(std::min<long long>(exponent, 100000000LL), -100000000LL);
    std::string number = mantissa + "e" + std::to_string(exponent);
    double value = strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

int32_t ScanRadix(const std::string& text, int base) {
    uint32_t value = 0;
    bool negative = false;
    bool digitSeen = false;
    bool signSeen = false;
    for (char ch : text) {
        uint32_t c = static_cast<uint8_t>(ch);
        if (IsDigitOf(c, base)) {
            value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(c));
            digitSeen = true;
        } else if (base == 2) {
            if (!signSeen && IsSign(c)) {
                signSeen = true;
                negative = c == '-';
            }
        } else if (!digitSeen && c == '-') {
            negative = true;
        }
    }
    return ToSigned32(negative ? 0u - value : value);
}

int32_t ScanInteger(const std::string& text) {
    size_t p = SkipSpaceBytes(text, 0);
    if (p < text.size() && IsSign(static_cast<uint8_t>(text[p]))) p = SkipSpaceBytes(text, p + 1);
    if (text.size() - p >= 2 && text[p] == '0') {
        char next = text[p + 1];
        if (next == 'x' || next == 'X') return ScanRadix(text, 16);
        if (next == 'b' || next == 'B') return ScanRadix(text, 2);
        return ScanRadix(text, 8);
    }
    return ScanAtoi(text);
}

std::vector<ScanValue> ConvertScanTexts(const std::vector<ScanText>& texts, const std::vector<ScanItem>& items) {
    std::vector<ScanValue> values;
    values.reserve(texts.size());
    for (const ScanText& t : texts) {
        ScanValue v;
        int kind = t.item < items.size() ? items[t.item].kind : kScanWord;
        v.isNumber = true;
        switch (kind) {
        case kScanDecimal: v.number = ScanAtoi(t.text); break;
        case kScanInteger: v.number = ScanInteger(t.text); break;
        case kScanHex: v.number = ScanRadix(t.text, 16); break;
        case kScanOctal: v.number = ScanRadix(t.text, 8); break;
        case kScanBinary: v.number = ScanRadix(t.text, 2); break;
        case kScanFloat: v.number = ScanAtof(t.text); break;
        default:
            v.isNumber = false;
            v.text = t.text;
            break;
        }
        values.push_back(std::move(v));
    }
    return values;
}
