// NDllFunc: declarations prepared into a libffi call interface once, script values
// turned into typed arguments in one place, and results back into numbers.
#include "data/ndllfunc.h"

#include "data/nbinary_blob.h"
#include "globals/encoding.h"
#include "host/platform.h"
#include "object/nclass.h"
#include "object/nobject_wrap.h"
#include "object/text.h"

namespace {
// x64 Windows has a single calling convention, so both keywords name it there; on x86
// the keyword decides who removes the arguments from the stack. The targets' calling
// conventions differ here and nowhere else.
ffi_abi AbiOf(int convention) {
#ifdef _WIN64
    (void)convention;
    return FFI_WIN64;
#else
    return convention == kConventionStdcall ? FFI_STDCALL : FFI_MS_CDECL;
#endif
}

// Each type is passed at its own width: on x86 libffi widens narrow integers to a
// stack word, on x64 a float travels in its own register as a float and a double as
// one argument.
ffi_type* FfiTypeOf(int code) {
    switch (code) {
    case kNativeUInt: return &ffi_type_uint32;
    case kNativeUShort: return &ffi_type_uint16;
    case kNativeUChar: return &ffi_type_uint8;
    case kNativeInt: return &ffi_type_sint32;
    case kNativeShort: return &ffi_type_sint16;
    case kNativeChar: return &ffi_type_sint8;
    case kNativeFloat: return &ffi_type_float;
    case kNativeDouble: return &ffi_type_double;
    case kNativeVoid: return &ffi_type_void;
    default: return &ffi_type_pointer;  // string, wstring, binary, ptr
    }
}

// One argument while a call is made: the value passed, and for strings the
// zero-terminated copy it points to, so that native changes never reach the script.
struct NativeArgument {
    NativeValue value;
    std::string buffer;
};

// Script value to typed argument, for every type code and both targets.
void ToNativeArgument(int code, const com_var& script, NativeArgument& arg) {
    switch (code) {
    case kNativeString:
        arg.buffer = script.ToText();
        arg.buffer.push_back('\0');
        arg.value.p = &arg.buffer[0];
        break;
    case kNativeWString:
        arg.buffer = NarrowToUtf16(script.ToText());
        arg.buffer.append(2, '\0');
        arg.value.p = &arg.buffer[0];
        break;
    case kNativeBinary: {
        NBinaryBlob* blob = InstanceOf<NBinaryBlob>(script);
        arg.value.p = blob ? blob->data() : nullptr;
        break;
    }
    default:
        arg.value = NumberArgument(code, script.ToNumber());
        break;
    }
}

// Most declarations take a few arguments: those live on the stack of the call.
constexpr size_t kInlineArguments = 8;
constexpr size_t kMaxParameters = 256;
}  // namespace

NObjectWrap* NDllFunc::Create(ArgList& args, com_var&) {
    if (args.count() != 2) return nullptr;
    // Native code may create windows of the common control and container classes, and
    // may sleep or set timers at the 1 ms resolution.
    EnsureWindowServices();
    library_ = args[0].ToText();
    wideLibrary_ = ToWide(library_);
    info_.reset(new dllfunc_info);
    // No native function takes more than a few dozen arguments; libffi places them
    // all on the stack, so a declaration of thousands is refused, not overflowed.
    if (!ParseSignature(args[1].ToText(), *info_) || info_->params.size() > kMaxParameters || !Find())
        return nullptr;
    for (int code : info_->params) {
        if (code == kNativeVoid) continue;
        argumentTypes_.push_back(code);
        ffiTypes_.push_back(FfiTypeOf(code));
    }
    if (ffi_prep_cif(&cif_, AbiOf(info_->convention), static_cast<unsigned>(ffiTypes_.size()),
                     FfiTypeOf(info_->returnType), ffiTypes_.data()) != FFI_OK)
        return nullptr;
    return new NObjectWrap(this);
}

FARPROC NDllFunc::Find() {
    HMODULE module = GetModuleHandleW(wideLibrary_.c_str());
    // A library loaded here stays loaded for the life of the process: its functions
    // are looked up again at every call, and native code may hold on to its data.
    if (!module) module = LoadLibraryA(library_.c_str());
    // The same handle is the same image at the same place, so the same export.
    if (module != module_) {
        module_ = module;
        function_ = module ? GetProcAddress(module, info_->name.c_str()) : nullptr;
    }
    return function_;
}

HRESULT NDllFunc::Call(const std::string& name, ArgList& args, com_var& result) {
    if (!name.empty()) return DISP_E_MEMBERNOTFOUND;
    size_t n = argumentTypes_.size();
    if (args.count() != n) return DISP_E_BADPARAMCOUNT;
    const int type = info_->returnType;
    if (!IsCallableReturn(type)) return S_OK;

    NativeArgument inlineValues[kInlineArguments];
    void* inlinePointers[kInlineArguments];
    std::vector<NativeArgument> moreValues;
    std::vector<void*> morePointers;
    NativeArgument* values = inlineValues;
    void** pointers = inlinePointers;
    if (n > kInlineArguments) {
        moreValues.resize(n);
        morePointers.resize(n);
        values = moreValues.data();
        pointers = morePointers.data();
    }
    for (size_t i = 0; i < n; ++i) {
        ToNativeArgument(argumentTypes_[i], args[i], values[i]);
        pointers[i] = &values[i].value;
    }

    FARPROC function = Find();
    if (!function) {
        // Integer results say -1, floating and pointer results 0.
        if (type != kNativeVoid) result = com_var(type <= kNativeChar ? -1.0 : 0.0);
        return S_OK;
    }
    NativeValue returned;
    returned.u64 = 0;
    ffi_call(&cif_, FFI_FN(function), &returned, pointers);
    if (type != kNativeVoid) result = com_var(NumberResult(type, returned));
    return S_OK;
}
