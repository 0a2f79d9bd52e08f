// NComSupport: creating, finding and enumerating automation objects, and their events.
#include "com/ncom_support.h"

#include "com/dotnet_host.h"
#include "host/busy_retry.h"
#include "host/console_writer.h"
#include "host/nscript.h"
#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/text.h"

#include <vector>

const MethodInfo<NComSupport> NComSupport::methodList[] = {
    {"create", 1, 2, &NComSupport::CreateObject},
    {"getobj", 1, 1, &NComSupport::GetObject},
    {"dotnet", 2, 2, &NComSupport::DotNet},
    {"attach", 2, 2, &NComSupport::Attach},
    {"detach", 1, 1, &NComSupport::Detach},
    {"enumAll", 1, 1, &NComSupport::EnumAll},
};
const MemberTable<MethodInfo<NComSupport>> NComSupport::methods{methodList};
const MemberTable<PropertyInfo<NComSupport>> NComSupport::properties{};

namespace {
// The class of a ProgID, read in the system code page.
bool ClassOf(const std::string& progId, CLSID* clsid) {
    return SUCCEEDED(CLSIDFromProgID(ToWide(progId).c_str(), clsid));
}

// An object's dispatch interface, given as a new reference in result.
void SetDispatch(IUnknown* object, com_var& result) {
    com_ptr<IDispatch> dispatch;
    if (object && SUCCEEDED(object->QueryInterface(IID_IDispatch, dispatch.put_void())) && dispatch)
        result = com_var(dispatch.get());
}

// The items of a collection, through its _NewEnum enumerator: a script Array (a
// variant array under an engine without Array). DISP_E_TYPEMISMATCH when the object
// gives no enumerator.
HRESULT EnumerateCollection(NScript* script, IDispatch* collection, com_var& result) {
    // Some collections publish _NewEnum as a method, others as a property.
    com_var enumerator;
    if (FAILED(InvokeRetrying(collection, DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr,
                              &enumerator.v)))
        return DISP_E_TYPEMISMATCH;
    com_ptr<IUnknown> object = com_ptr<IUnknown>::adopt(enumerator.ToUnknown());
    com_ptr<IEnumVARIANT> items = object.query<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!items) return DISP_E_TYPEMISMATCH;
    items->Reset();
    std::vector<com_var> list;
    for (;;) {
        com_var item;
        ULONG fetched = 0;
        if (items->Next(1, &item.v, &fetched) != S_OK || fetched != 1) break;
        list.push_back(std::move(item));
    }
    com_array array;
    array.create(static_cast<long>(list.size()));
    for (size_t i = 0; i < list.size(); ++i) array.set(static_cast<long>(i), list[i]);
    result = ArrayToScript(script, array);
    return S_OK;
}
}  // namespace

HRESULT CreateAutomationObject(const std::string& progId, com_var& result) {
    CLSID clsid;
    com_ptr<IUnknown> object;
    HRESULT hr = CLSIDFromProgID(ToWide(progId).c_str(), &clsid);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                              object.put_void());
    if (FAILED(hr)) return hr;
    SetDispatch(object.get(), result);
    return result.type() == VT_DISPATCH ? S_OK : E_NOINTERFACE;
}

HRESULT NComSupport::CreateObject(ArgList& args, com_var& result) {
    const bool events = args.count() == 2;
    if (events && !args[1].IsString()) return DISP_E_TYPEMISMATCH;
    // An object that cannot be made gives an empty value.
    if (FAILED(CreateAutomationObject(args[0].ToText(), result))) return S_OK;
    if (events && result.type() == VT_DISPATCH)
        script()->sinks().Attach(script(), result.v.pdispVal, args[1].ToText(), nullptr);
    return S_OK;
}

HRESULT NComSupport::GetObject(ArgList& args, com_var& result) {
    const std::string progId = args[0].ToText();
    PrintOutput(stdout, "f_comget : %s\n", progId.c_str());
    CLSID clsid;
    com_ptr<IUnknown> object;
    if (ClassOf(progId, &clsid) && SUCCEEDED(GetActiveObject(clsid, nullptr, object.put())))
        SetDispatch(object.get(), result);
    return S_OK;
}

HRESULT NComSupport::DotNet(ArgList& args, com_var& result) { return CreateDotNetObject(args, result); }

HRESULT NComSupport::Attach(ArgList& args, com_var& result) {
    com_ptr<IUnknown> object = com_ptr<IUnknown>::adopt(args[0].ToUnknown());
    if (!object || !args[1].IsString()) return DISP_E_TYPEMISMATCH;
    com_ptr<IDispatch> dispatch = object.query<IDispatch>(IID_IDispatch);
    bool attached = false;
    if (dispatch) {
        attached = script()->sinks().Attach(script(), dispatch.get(), args[1].ToText(), nullptr);
    } else {
        // An object that cannot be connected still loses an earlier connection.
        script()->sinks().Detach(object.get());
    }
    result = com_var(attached);
    return S_OK;
}

HRESULT NComSupport::Detach(ArgList& args, com_var& result) {
    com_ptr<IUnknown> object = com_ptr<IUnknown>::adopt(args[0].ToUnknown());
    if (!object) return DISP_E_TYPEMISMATCH;
    result = com_var(script()->sinks().Detach(object.get()));
    return S_OK;
}

HRESULT NComSupport::EnumAll(ArgList& args, com_var& result) {
    com_ptr<IDispatch> collection = com_ptr<IDispatch>::adopt(args[0].ToDispatch());
    if (!collection) return DISP_E_TYPEMISMATCH;
    return EnumerateCollection(script(), collection.get(), result);
}
