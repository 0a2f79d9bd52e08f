// NDllFunc: a function of a native library, declared by a signature and called like
// a script function through libffi.
#pragma once

#include <ffi.h>

#include <memory>
#include <string>
#include <vector>

#include "data/native_signature.h"
#include "object/nobject.h"

class NDllFunc : public NObject {
public:
    using NObject::NObject;

    // new DllFunc(library, signature): refused when the signature does not parse or
    // the library or its export cannot be found.
    NObjectWrap* Create(ArgList& args, com_var& result) override;
    // f(args...): one script argument per parameter that is not void.
    HRESULT Call(const std::string& name, ArgList& args, com_var& result) override;

private:
    // The export, with its library looked up anew each time so that a library
    // unloaded by someone else is loaded again; null when it cannot be found. The
    // export's own look-up is repeated only when the library's handle changed.
    FARPROC Find();

    std::string library_;
    std::wstring wideLibrary_;  // made once: the ANSI look-up would convert it every call
    std::unique_ptr<dllfunc_info> info_;
    std::vector<int> argumentTypes_;    // the parameters without void
    std::vector<ffi_type*> ffiTypes_;   // theirs, referred to by cif_
    ffi_cif cif_{};                     // prepared once, used by every call
    HMODULE module_ = nullptr;          // where function_ was found
    FARPROC function_ = nullptr;
};
