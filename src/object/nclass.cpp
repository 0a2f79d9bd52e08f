// NClassBase: construction through Create, and the isinst and New methods.
#include "object/nclass.h"

#include "object/com_ptr.h"

#include <memory>

const MethodInfo<NClassBase> NClassBase::methodList[] = {
    {"isinst", 1, 1, &NClassBase::isinst},
    {"New", kAnyCount, kAnyCount, &NClassBase::New},
};
const MemberTable<MethodInfo<NClassBase>> NClassBase::methods = methodList;
const MemberTable<PropertyInfo<NClassBase>> NClassBase::properties;

HRESULT NClassBase::Construct(ArgList& args, com_var& result) {
    std::unique_ptr<NObject> object(NewInstance());
    if (!object) return DISP_E_TYPEMISMATCH;
    NObjectWrap* wrap = object->Create(args, result);
    if (!wrap) return DISP_E_TYPEMISMATCH;
    object.release();  // the wrapper owns it now
    wrap->AddRef();
    // Handed out as VT_DISPATCH: every engine can use that directly, while some
    // (VBScript here) cannot call members of a VT_UNKNOWN value.
    result.clear();
    result.v.vt = VT_DISPATCH;
    result.v.pdispVal = static_cast<IDispatchEx*>(wrap);
    return S_OK;
}

HRESULT NClassBase::isinst(ArgList& args, com_var& result) {
    NObject* object = WrappedObject(args[0]);
    result = com_var(object != nullptr && IsInstance(object));
    return S_OK;
}

HRESULT NClassBase::New(ArgList& args, com_var& result) { return Construct(args, result); }

NObject* WrappedObject(const com_var& value) {
    com_ptr<IUnknown> unk = com_ptr<IUnknown>::adopt(value.ToUnknown());
    NObjectWrap* wrap = NObjectWrap::FromUnknown(unk.get());
    return wrap ? wrap->object() : nullptr;
}
