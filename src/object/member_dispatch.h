// The common member-dispatch pattern: a host class lists its methods and properties in
// static tables, and NMembers answers Call, GetProp, PutProp and HasMember from them.
#pragma once

#include "object/nobject.h"

#include <stddef.h>

constexpr int kAnyCount = -1;

template <class T>
struct MethodInfo {
    const char* name;
    int minArgs;  // kAnyCount: the handler checks the count itself
    int maxArgs;  // kAnyCount: no upper limit
    HRESULT (T::*handler)(ArgList& args, com_var& result);
};

template <class T>
struct PropertyInfo {
    const char* name;
    HRESULT (T::*get)(com_var& value);
    HRESULT (T::*put)(com_var& value);  // null for a read-only property
};

template <class Info>
struct MemberTable {
    const Info* entries;
    size_t count;
    template <size_t N>
    constexpr MemberTable(const Info (&table)[N]) : entries(table), count(N) {}
    constexpr MemberTable() : entries(nullptr), count(0) {}
};

template <class T>
HRESULT MethodDispatcher(T& self, const MemberTable<MethodInfo<T>>& table, const std::string& name, ArgList& args,
                         com_var& result, bool act) {
    for (size_t i = 0; i < table.count; ++i) {
        const MethodInfo<T>& m = table.entries[i];
        if (!self.NameMatches(name, m.name)) continue;
        if (!act) return S_OK;
        int n = static_cast<int>(args.count());
        if ((m.minArgs != kAnyCount && n < m.minArgs) || (m.maxArgs != kAnyCount && n > m.maxArgs))
            return DISP_E_BADPARAMCOUNT;
        return (self.*m.handler)(args, result);
    }
    return DISP_E_MEMBERNOTFOUND;
}

template <class T>
HRESULT PropertyDispatcher(T& self, const MemberTable<PropertyInfo<T>>& table, const std::string& name,
                           com_var& value, bool get, bool act) {
    for (size_t i = 0; i < table.count; ++i) {
        const PropertyInfo<T>& p = table.entries[i];
        if (!self.NameMatches(name, p.name)) continue;
        if (!act) return S_OK;
        if (get) return p.get ? (self.*p.get)(value) : DISP_E_MEMBERNOTFOUND;
        return p.put ? (self.*p.put)(value) : DISP_E_BADVARTYPE;
    }
    return DISP_E_MEMBERNOTFOUND;
}

// Fills the four member slots of Base from T::methods and T::properties; names that
// T does not know fall through to Base, so derived tables stand in front of base ones.
template <class T, class Base = NObject>
class NMembers : public Base {
public:
    using Base::Base;

    HRESULT Call(const std::string& name, ArgList& args, com_var& result) override {
        HRESULT hr = MethodDispatcher(self(), T::methods, name, args, result, true);
        return hr == DISP_E_MEMBERNOTFOUND ? Base::Call(name, args, result) : hr;
    }
    HRESULT GetProp(const std::string& name, com_var& result) override {
        HRESULT hr = PropertyDispatcher(self(), T::properties, name, result, true, true);
        return hr == DISP_E_MEMBERNOTFOUND ? Base::GetProp(name, result) : hr;
    }
    HRESULT PutProp(const std::string& name, com_var value) override {
        HRESULT hr = PropertyDispatcher(self(), T::properties, name, value, false, true);
        if (hr == DISP_E_MEMBERNOTFOUND) return Base::PutProp(name, std::move(value));
        value.clear();
        return hr;
    }
    HRESULT HasMember(const std::string& name) override {
        ArgList none;
        com_var unused;
        if (MethodDispatcher(self(), T::methods, name, none, unused, false) == S_OK) return S_OK;
        if (PropertyDispatcher(self(), T::properties, name, unused, true, false) == S_OK) return S_OK;
        return Base::HasMember(name);
    }

private:
    T& self() { return static_cast<T&>(*this); }
};
