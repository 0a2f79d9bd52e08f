// NClass<T>: class objects that construct host objects, and the InstanceOf test.
#pragma once

#include "object/member_dispatch.h"
#include "object/nobject_wrap.h"

class NClassBase : public NMembers<NClassBase> {
public:
    using NMembers<NClassBase>::NMembers;

    // A new instance (not yet created) of the class, or null.
    virtual NObject* NewInstance() = 0;
    virtual bool IsInstance(NObject* object) const = 0;

    HRESULT Construct(ArgList& args, com_var& result) override;

    static const MethodInfo<NClassBase> methodList[];
    static const MemberTable<MethodInfo<NClassBase>> methods;
    static const MemberTable<PropertyInfo<NClassBase>> properties;

private:
    HRESULT isinst(ArgList& args, com_var& result);
    HRESULT New(ArgList& args, com_var& result);
};

template <class T>
class NClass : public NClassBase {
public:
    using NClassBase::NClassBase;
    NObject* NewInstance() override { return new T(script()); }
    bool IsInstance(NObject* object) const override { return dynamic_cast<T*>(object) != nullptr; }
};

// The wrapped host object behind a value when it is a T (or derives from T); borrowed,
// valid while the value holds its reference. Null for anything else.
NObject* WrappedObject(const com_var& value);

template <class T>
T* InstanceOf(const com_var& value) {
    return dynamic_cast<T*>(WrappedObject(value));
}
