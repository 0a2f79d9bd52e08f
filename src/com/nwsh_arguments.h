// NWshArguments: the script options as the stock host's argument collections:
// all of them (WScript.Arguments), the named ones (/name or /name:value) and the rest.
#pragma once

#include "object/member_dispatch.h"

#include <string>
#include <vector>

class NWshArguments : public NMembers<NWshArguments> {
public:
    enum class Kind { All, Named, Unnamed };
    NWshArguments(NScript* script, Kind kind, const std::vector<std::string>& options,
                  const std::string& scriptName);

    bool StandardErrors() const override { return true; }

    static const MethodInfo<NWshArguments> methodList[];
    static const MemberTable<MethodInfo<NWshArguments>> methods;
    static const PropertyInfo<NWshArguments> propertyList[];
    static const MemberTable<PropertyInfo<NWshArguments>> properties;

    HRESULT Call(const std::string& name, ArgList& args, com_var& result) override;
    HRESULT NewEnum(com_var& value) override;
    // Item(index), or Item(name) of the named collection.
    HRESULT Item(ArgList& args, com_var& result);

private:
    HRESULT Count(ArgList& args, com_var& result);
    HRESULT Exists(ArgList& args, com_var& result);
    HRESULT CallNamed(ArgList& args, com_var& result);
    HRESULT CallUnnamed(ArgList& args, com_var& result);
    HRESULT ShowUsage(ArgList& args, com_var& result);
    HRESULT GetLength(com_var& value);
    HRESULT GetNamed(com_var& value);
    HRESULT GetUnnamed(com_var& value);

    // The position of a named option (names compare without case), or -1.
    long Find(const std::string& name) const;
    // The collection of another kind over the same options, made on first use.
    HRESULT Collection(Kind kind, com_var& slot, com_var& value);
    HRESULT CallCollection(Kind kind, com_var& slot, ArgList& args, com_var& result);

    Kind kind_;
    std::vector<std::string> options_;  // as given, for the sub-collections
    std::string scriptName_;
    // The items: the options, or the unnamed ones, or the named ones' names and
    // values (a /name without a value has none: VT_EMPTY).
    std::vector<std::string> names_;
    std::vector<com_var> values_;
    com_var named_, unnamed_;
};
