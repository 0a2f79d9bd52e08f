// Fuzzes the declaration parser with any bytes. A declaration that parses has a name,
// known codes and a void-free argument count no larger than its list; when its name is
// a plain identifier, writing it out again in canonical form parses to the same thing.
#include "check.h"
#include "data/native_signature.h"

#include <string>

namespace {
bool KnownType(int code) { return (code >= kNativeUInt && code <= kNativeBinary) || code == kNativePointer; }

// The first name of a code in the parser's tables.
std::string TypeName(int code) {
    for (const char* name : {"uint", "ushort", "uchar", "int", "short", "char", "float", "double", "string", "wstring",
                             "void", "binary", "ptr"}) {
        if (NativeTypeCode(name) == code) return name;
    }
    return "?";
}

bool PlainIdentifier(const std::string& s) {
    if (s.empty() || NativeTypeCode(s) != kNativeUnknown || NativeConventionCode(s) != 0) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
        if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    dllfunc_info info;
    if (!ParseSignature(text, info)) return 0;
    Check(!info.name.empty() && info.name.size() <= size);
    Check(info.convention == kConventionCdecl || info.convention == kConventionStdcall);
    Check(KnownType(info.returnType));
    size_t arguments = 0;
    for (int code : info.params) {
        Check(KnownType(code));
        arguments += code != kNativeVoid;
    }
    Check(info.ArgumentCount() == arguments && arguments <= info.params.size());
    if (!PlainIdentifier(info.name)) return 0;
    std::string canonical = TypeName(info.returnType) + " " + info.name + "(";
    for (int code : info.params) canonical += TypeName(code) + ",";
    canonical += info.convention == kConventionStdcall ? ") stdcall" : ") cdecl";
    dllfunc_info again;
    Check(ParseSignature(canonical, again));
    Check(again.name == info.name && again.returnType == info.returnType && again.convention == info.convention &&
          again.params == info.params);
    return 0;
}
