// Native declarations: the name tables, the signature parser, and numbers to and from
// the typed values of a call. Integer and floating widths are the binary value table's.
#include "data/native_signature.h"

#include "data/binary_type.h"

namespace {
struct NameCode {
    const char* name;
    int code;
};

const NameCode kTypes[] = {
    {"uint", kNativeUInt},       {"ulong", kNativeUInt},     {"uint32", kNativeUInt},
    {"ushort", kNativeUShort},   {"uint16", kNativeUShort},  {"uchar", kNativeUChar},
    {"byte", kNativeUChar},      {"int", kNativeInt},        {"long", kNativeInt},
    {"int32", kNativeInt},       {"short", kNativeShort},    {"int16", kNativeShort},
    {"char", kNativeChar},       {"sbyte", kNativeChar},     {"float", kNativeFloat},
    {"double", kNativeDouble},   {"string", kNativeString},  {"str", kNativeString},
    {"wstring", kNativeWString}, {"wstr", kNativeWString},   {"void", kNativeVoid},
    {"binary", kNativeBinary},   {"ptr", kNativePointer},    {"handle", kNativePointer},
};

const NameCode kConventions[] = {
    {"__cdecl", kConventionCdecl},     {"_cdecl", kConventionCdecl},     {"cdecl", kConventionCdecl},
    {"__stdcall", kConventionStdcall}, {"_stdcall", kConventionStdcall}, {"stdcall", kConventionStdcall},
};

template <size_t N>
int Lookup(const NameCode (&table)[N], const std::string& name) {
    for (const NameCode& n : table) {
        if (name == n.name) return n.code;
    }
    return 0;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsIdentifierStart(char c) { return IsLetter(c) || c == '_' || c == '$'; }
bool IsIdentifierPart(char c) { return IsIdentifierStart(c) || IsDigit(c); }
// A token that starts with a digit runs on over hexadecimal, binary and separator marks.
bool IsNumberPart(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == 'x' || c == 'X' || c == 'b' ||
           c == 'B' || c == '_';
}

// Splits the text into tokens one at a time.
class Tokenizer {
public:
    explicit Tokenizer(const std::string& text) : text_(text) {}

    // False at the end of the text.
    bool Next(std::string& token) {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return false;
        size_t start = pos_++;
        char first = text_[start];
        if (IsIdentifierStart(first)) {
            while (pos_ < text_.size() && IsIdentifierPart(text_[pos_])) ++pos_;
        } else if (IsDigit(first)) {
            while (pos_ < text_.size() && IsNumberPart(text_[pos_])) ++pos_;
        }
        token.assign(text_, start, pos_ - start);
        return true;
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

// The binary value type of the same width and sign as a numeric native type.
int ArgumentBinaryCode(int code) {
    switch (code) {
    case kNativeUInt: return kBinaryULong;
    case kNativeUShort: return kBinaryUShort;
    case kNativeUChar: return kBinaryUChar;
    case kNativeInt: return kBinaryLong;
    case kNativeShort: return kBinaryShort;
    case kNativeChar: return kBinaryChar;
    case kNativeFloat: return kBinaryFloat;
    case kNativeDouble: return kBinaryDouble;
    default: return kBinaryUnknown;
    }
}

// Results are read at their width; a uint then counts as signed, like every 32-bit result.
int ResultBinaryCode(int code) { return code == kNativeUInt ? kBinaryLong : ArgumentBinaryCode(code); }
}  // namespace

int NativeTypeCode(const std::string& name) { return Lookup(kTypes, name); }

int NativeConventionCode(const std::string& name) { return Lookup(kConventions, name); }

size_t dllfunc_info::ArgumentCount() const {
    size_t n = 0;
    for (int code : params) n += code != kNativeVoid;
    return n;
}

bool ParseSignature(const std::string& text, dllfunc_info& info) {
    info = dllfunc_info();
    bool haveReturn = false, haveConvention = false, haveName = false, haveList = false;
    Tokenizer tokens(text);
    std::string token;
    while (tokens.Next(token)) {
        if (token == "(") {
            if (haveList) return false;
            haveList = true;
            for (;;) {
                if (!tokens.Next(token)) return false;
                if (token == ")") break;
                if (token == ",") continue;
                int code = NativeTypeCode(token);
                if (code == kNativeUnknown) return false;
                info.params.push_back(code);
            }
            continue;
        }
        int type = NativeTypeCode(token);
        int convention = NativeConventionCode(token);
        if (type != kNativeUnknown && !haveReturn) {
            info.returnType = type;
            haveReturn = true;
        } else if (convention != 0 && !haveConvention) {
            info.convention = convention;
            haveConvention = true;
        } else if (!haveName) {
            info.name = token;
            haveName = true;
        } else {
            return false;
        }
    }
    return haveName && haveList;
}

bool IsCallableReturn(int code) {
    return code != kNativeString && code != kNativeWString && code != kNativeBinary && code != kNativeUnknown;
}

NativeValue NumberArgument(int code, double value) {
    NativeValue v;
    v.u64 = 0;
    if (code == kNativePointer) {
        // 2^64 is what an all-ones result (INVALID_HANDLE_VALUE) reads as, so it
        // passes back as all ones.
        uint64_t bits = 0;
        if (value >= 0 && value < 18446744073709551616.0) {
            bits = static_cast<uint64_t>(value);
        } else if (value == 18446744073709551616.0) {
            bits = UINT64_MAX;
        } else if (value < 0 && value >= -9223372036854775808.0) {
            bits = static_cast<uint64_t>(static_cast<int64_t>(value));
        }
        v.ptr = static_cast<uintptr_t>(bits);
        return v;
    }
    int binary = ArgumentBinaryCode(code);
    if (binary != kBinaryUnknown) WriteBinary(binary, value, reinterpret_cast<uint8_t*>(&v));
    return v;
}

double NumberResult(int code, const NativeValue& value) {
    if (code == kNativePointer) return static_cast<double>(value.ptr);
    int binary = ResultBinaryCode(code);
    return binary == kBinaryUnknown ? 0 : ReadBinary(binary, reinterpret_cast<const uint8_t*>(&value));
}
