// NProgress: the script's Progress object, which opens, updates and closes one
// progress box at a time.
#pragma once

#include <memory>

#include "object/member_dispatch.h"

class ProgressBox;

class NProgress : public NMembers<NProgress> {
public:
    using NMembers<NProgress>::NMembers;
    // Closes a box that is still open.
    ~NProgress() override;

    // new Progress(), without arguments.
    NObjectWrap* Create(ArgList& args, com_var& result) override;

    static const MethodInfo<NProgress> methodList[];
    static const MemberTable<MethodInfo<NProgress>> methods;
    static const PropertyInfo<NProgress> propertyList[];
    static const MemberTable<PropertyInfo<NProgress>> properties;

private:
    HRESULT Open(ArgList& args, com_var& result);
    HRESULT Step(ArgList& args, com_var& result);
    HRESULT Close(ArgList& args, com_var& result);
    HRESULT GetText(com_var& value);
    HRESULT PutText(com_var& value);

    std::shared_ptr<ProgressBox> box_;
};
