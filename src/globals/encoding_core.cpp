// The host's own byte arithmetic for EUC-JP, ISO-2022-JP and UTF-8.
#include "globals/encoding_core.h"

#include <stdint.h>

#include <utility>

namespace {
const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// Output is written through a raw pointer into a buffer sized for the worst case,
// then cut to what was written: these loops run over megabytes.
class Writer {
public:
    explicit Writer(size_t bound) : out_(bound, '\0') {
        p_ = reinterpret_cast<uint8_t*>(&out_[0]);
        begin_ = p_;
    }
    void Put(unsigned b) { *p_++ = static_cast<uint8_t>(b); }
    std::string Take() {
        out_.resize(static_cast<size_t>(p_ - begin_));
        return std::move(out_);
    }

private:
    std::string out_;
    uint8_t* begin_;
    uint8_t* p_;
};

// Shift_JIS pair to JIS X 0208 row and cell, each with the high bit set. Leads and
// trails of other double-byte sets go through the same arithmetic; the results are
// kept to eight bits.
inline unsigned EucRow(unsigned b, unsigned t) {
    unsigned row = b <= 0x9F ? (t <= 0x9E ? 2 * b - 0xE1 : 2 * b - 0xE0)
                             : (t <= 0x9E ? 2 * b - 0x161 : 2 * b - 0x160);
    return (row | 0x80) & 0xFF;
}
inline unsigned EucCell(unsigned t) {
    unsigned cell = t <= 0x7E ? t - 0x1F : t <= 0x9E ? t - 0x20 : t - 0x7E;
    return (cell | 0x80) & 0xFF;
}

// Walks Shift_JIS text and hands every EUC-JP byte to put.
template <class Put>
inline void EachEucByte(const std::string& sjis, const MultiByteTable& narrow, Put put) {
    const uint8_t* s = Bytes(sjis);
    const size_t n = sjis.size();
    for (size_t i = 0; i < n;) {
        unsigned b = s[i];
        if (i + 1 < n && narrow.lead[b] && narrow.trail[s[i + 1]]) {
            unsigned t = s[i + 1];
            put(EucRow(b, t));
            put(EucCell(t));
            i += 2;
            continue;
        }
        if (b >= 0xA1 && b <= 0xDF) put(0x8E);
        put(b);
        ++i;
    }
}
}  // namespace

int EncodingCode(const std::string& name) {
    static const char* const kNames[] = {"ascii", "sjis", "euc", "jis", "utf16", "utf8"};
    for (int code = 0; code < 6; ++code) {
        const char* want = kNames[code];
        size_t i = 0;
        for (; i < name.size() && want[i]; ++i) {
            char c = name[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != want[i]) break;
        }
        if (i == name.size() && want[i] == 0) return code;
    }
    return kEncodingUnknown;
}

std::string SjisToEuc(const std::string& sjis, const MultiByteTable& narrow) {
    Writer w(sjis.size() * 2);  // half-width katakana double
    EachEucByte(sjis, narrow, [&w](unsigned b) { w.Put(b); });
    return w.Take();
}

std::string EucToSjis(const std::string& euc) {
    const uint8_t* s = Bytes(euc);
    const size_t n = euc.size();
    Writer w(n);
    for (size_t i = 0; i < n;) {
        unsigned b = s[i];
        if (b < 0x80) {
            w.Put(b);
            ++i;
        } else if (b == 0x8F) {
            i += 3;  // JIS X 0212 has no Shift_JIS form
        } else if (i + 1 >= n) {
            break;   // a lead byte with no second byte: the incomplete character is dropped
        } else if (b == 0x8E) {
            w.Put(s[i + 1]);
            i += 2;
        } else {
            unsigned r = b & 0x7F, c = s[i + 1] & 0x7F;
            w.Put(r <= 0x5E ? (r + 0xE1) >> 1 : (r + 0x161) >> 1);
            w.Put((r & 1) ? (c < 0x60 ? c + 0x1F : c + 0x20) : c + 0x7E);
            i += 2;
        }
    }
    return w.Take();
}

std::string SjisToJis(const std::string& sjis, const MultiByteTable& narrow) {
    // Worst case per input byte: an escape and two bytes (ASCII, then half-width
    // katakana, alternating), plus the closing escape.
    Writer w(sjis.size() * 5 + 3);
    bool twoByte = false;
    EachEucByte(sjis, narrow, [&w, &twoByte](unsigned b) {
        bool high = (b & 0x80) != 0;
        if (high != twoByte) {
            w.Put(0x1B);
            w.Put(high ? '$' : '(');
            w.Put('B');
            twoByte = high;
        }
        w.Put(b & 0x7F);
    });
    if (twoByte) {
        w.Put(0x1B);
        w.Put('(');
        w.Put('B');
    }
    return w.Take();
}

std::string JisToSjis(const std::string& jis) {
    const uint8_t* s = Bytes(jis);
    const size_t n = jis.size();
    Writer w(n);
    unsigned high = 0;
    for (size_t i = 0; i < n;) {
        unsigned b = s[i];
        if (b == 0x1B && i + 2 < n) {
            unsigned b1 = s[i + 1], b2 = s[i + 2];
            if (b1 == '$' && (b2 == '@' || b2 == 'B')) {
                high = 0x80;
                i += 3;
                continue;
            }
            if (b1 == '(' && (b2 == 'B' || b2 == 'J')) {
                high = 0;
                i += 3;
                continue;
            }
        }
        w.Put(b | high);
        ++i;
    }
    return EucToSjis(w.Take());
}

std::string Utf16ToUtf8(const std::string& utf16) {
    const uint8_t* s = Bytes(utf16);
    const size_t units = utf16.size() / 2;
    Writer w(units * 3);
    for (size_t i = 0; i < units; ++i) {
        unsigned u = s[2 * i] | (static_cast<unsigned>(s[2 * i + 1]) << 8);
        if (u < 0x80) {
            w.Put(u);
        } else if (u < 0x800) {
            w.Put(0xC0 | (u >> 6));
            w.Put(0x80 | (u & 0x3F));
        } else {
            w.Put(0xE0 | (u >> 12));
            w.Put(0x80 | ((u >> 6) & 0x3F));
            w.Put(0x80 | (u & 0x3F));
        }
    }
    return w.Take();
}

std::string Utf8ToUtf16(const std::string& utf8) {
    const uint8_t* s = Bytes(utf8);
    const size_t n = utf8.size();
    Writer w(n * 2);
    for (size_t i = 0; i < n;) {
        unsigned b = s[i], u;
        if (b < 0x80) {
            u = b;
            i += 1;
        } else if (!(b & 0x20)) {
            if (n - i < 2) break;  // truncated sequence at the end: dropped
            u = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F);
            i += 2;
        } else if (!(b & 0x10)) {
            if (n - i < 3) break;
            u = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            i += 3;
        } else {
            // Four- to six-byte forms (and 0xFE, 0xFF) have no single unit.
            i += !(b & 0x08) ? 4 : !(b & 0x04) ? 5 : !(b & 0x02) ? 6 : 1;
            continue;
        }
        w.Put(u & 0xFF);
        w.Put(u >> 8);
    }
    return w.Take();
}
