// NWshArguments: indexed and named access to the script options, their count and
// their enumeration.
#include "com/nwsh_arguments.h"

#include "host/console_writer.h"
#include "object/dispatch_helpers.h"
#include "object/nobject_wrap.h"
#include "object/text.h"
#include "object/variant_enum.h"

#include <stdio.h>

const MethodInfo<NWshArguments> NWshArguments::methodList[] = {
    {"Item", 1, 1, &NWshArguments::Item},
    {"Count", 0, 0, &NWshArguments::Count},
    {"Exists", 1, 1, &NWshArguments::Exists},
    {"Named", 0, 1, &NWshArguments::CallNamed},
    {"Unnamed", 0, 1, &NWshArguments::CallUnnamed},
    {"ShowUsage", 0, 0, &NWshArguments::ShowUsage},
};
const MemberTable<MethodInfo<NWshArguments>> NWshArguments::methods{methodList};
const PropertyInfo<NWshArguments> NWshArguments::propertyList[] = {
    {"length", &NWshArguments::GetLength, nullptr},
    {"Count", &NWshArguments::GetLength, nullptr},
    {"Named", &NWshArguments::GetNamed, nullptr},
    {"Unnamed", &NWshArguments::GetUnnamed, nullptr},
};
const MemberTable<PropertyInfo<NWshArguments>> NWshArguments::properties{propertyList};

namespace {
// "/name" or "/name:value": the name, and the value after the first colon.
bool SplitNamed(const std::string& option, std::string* name, std::string* value, bool* hasValue) {
    if (option.size() < 2 || option[0] != '/' || option[1] == ':') return false;
    size_t colon = option.find(':');
    *hasValue = colon != std::string::npos;
    *name = option.substr(1, *hasValue ? colon - 1 : std::string::npos);
    if (*hasValue) *value = option.substr(colon + 1);
    return true;
}
}  // namespace

NWshArguments::NWshArguments(NScript* script, Kind kind, const std::vector<std::string>& options,
                             const std::string& scriptName)
    : NMembers(script), kind_(kind), options_(options), scriptName_(scriptName) {
    for (const std::string& option : options) {
        std::string name, value;
        bool hasValue = false;
        bool named = SplitNamed(option, &name, &value, &hasValue);
        if (kind == Kind::All || (kind == Kind::Unnamed && !named)) {
            values_.emplace_back(option);
        } else if (kind == Kind::Named && named && Find(name) < 0) {
            names_.push_back(name);
            values_.push_back(hasValue ? com_var(value) : com_var());
        }
    }
}

long NWshArguments::Find(const std::string& name) const {
    for (size_t i = 0; i < names_.size(); ++i)
        if (EqualsNoCase(names_[i].c_str(), name.c_str())) return static_cast<long>(i);
    return -1;
}

HRESULT NWshArguments::Item(ArgList& args, com_var& result) {
    if (kind_ == Kind::Named) {
        // A name the options do not hold gives an empty value, as a /name alone does.
        std::string name;
        HRESULT hr = AutomationText(args[0], &name);
        if (FAILED(hr)) return hr;
        long at = Find(name);
        if (at >= 0) result = values_[static_cast<size_t>(at)];
        return S_OK;
    }
    LONG index = 0;
    HRESULT hr = AutomationLong(args[0], &index);
    if (FAILED(hr)) return hr;
    if (index < 0 || static_cast<size_t>(index) >= values_.size()) return DISP_E_BADINDEX;
    result = values_[static_cast<size_t>(index)];
    return S_OK;
}

HRESULT NWshArguments::Count(ArgList&, com_var& result) { return GetLength(result); }

HRESULT NWshArguments::GetLength(com_var& value) {
    value = com_var(static_cast<double>(values_.size()));
    return S_OK;
}

HRESULT NWshArguments::Exists(ArgList& args, com_var& result) {
    if (kind_ != Kind::Named) return DISP_E_MEMBERNOTFOUND;
    std::string name;
    HRESULT hr = AutomationText(args[0], &name);
    if (FAILED(hr)) return hr;
    result = com_var(Find(name) >= 0);
    return S_OK;
}

HRESULT NWshArguments::Collection(Kind kind, com_var& slot, com_var& value) {
    if (kind_ != Kind::All) return DISP_E_MEMBERNOTFOUND;
    if (slot.empty()) slot = Wrap(new NWshArguments(script(), kind, options_, scriptName_));
    value = slot;
    return S_OK;
}

HRESULT NWshArguments::GetNamed(com_var& value) { return Collection(Kind::Named, named_, value); }
HRESULT NWshArguments::GetUnnamed(com_var& value) { return Collection(Kind::Unnamed, unnamed_, value); }

// Named(x) and Unnamed(x) read an item at once, as Arguments(0) does on WScript.
HRESULT NWshArguments::CallCollection(Kind kind, com_var& slot, ArgList& args, com_var& result) {
    HRESULT hr = Collection(kind, slot, result);
    if (FAILED(hr) || args.empty()) return hr;
    result.clear();
    NObjectWrap* wrap = NObjectWrap::FromUnknown(slot.v.pdispVal);
    return static_cast<NWshArguments*>(wrap->object())->Item(args, result);
}

HRESULT NWshArguments::CallNamed(ArgList& args, com_var& result) {
    return CallCollection(Kind::Named, named_, args, result);
}
HRESULT NWshArguments::CallUnnamed(ArgList& args, com_var& result) {
    return CallCollection(Kind::Unnamed, unnamed_, args, result);
}

HRESULT NWshArguments::ShowUsage(ArgList&, com_var&) {
    if (kind_ != Kind::All) return DISP_E_MEMBERNOTFOUND;
    WriteOutput(stdout, "Usage: " + scriptName_ + " [/name:value ...] [argument ...]\n");
    return S_OK;
}

// The collection called as a function, args(0), reads an item.
HRESULT NWshArguments::Call(const std::string& name, ArgList& args, com_var& result) {
    return NMembers::Call(name.empty() ? "Item" : name, args, result);
}

// The named collection enumerates its names, the others their values.
HRESULT NWshArguments::NewEnum(com_var& value) {
    std::vector<com_var> items;
    if (kind_ == Kind::Named) {
        for (const std::string& name : names_) items.emplace_back(name);
    } else {
        items = values_;
    }
    value = NewVariantEnum(std::move(items));
    return S_OK;
}
