// NBinaryBlob: a fixed block of memory that scripts fill and read as little-endian
// values and hand to native functions, with guard zones checked at destruction.
#pragma once

#include <stdint.h>

#include <memory>

#include "object/member_dispatch.h"

class NBinaryBlob : public NMembers<NBinaryBlob> {
public:
    using NMembers<NBinaryBlob>::NMembers;
    // Prints an alert on standard output when native code wrote into a guard zone.
    ~NBinaryBlob() override;

    // new BinaryBlob(size): exactly one argument, a size from 0 up.
    NObjectWrap* Create(ArgList& args, com_var& result) override;

    // The usable memory, the address native functions receive.
    uint8_t* data() const noexcept { return block_.get() + kGuard; }
    int32_t size() const noexcept { return size_; }

    static const MethodInfo<NBinaryBlob> methodList[];
    static const MemberTable<MethodInfo<NBinaryBlob>> methods;
    static const PropertyInfo<NBinaryBlob> propertyList[];
    static const MemberTable<PropertyInfo<NBinaryBlob>> properties;

private:
    // Bytes of each guard zone, and the value they hold.
    static constexpr int32_t kGuard = 32;
    static constexpr uint8_t kGuardByte = 0xCD;

    HRESULT Get(ArgList& args, com_var& result);
    HRESULT Set(ArgList& args, com_var& result);
    HRESULT GetSize(com_var& value);

    std::unique_ptr<uint8_t[]> block_;  // guard, data, guard
    int32_t size_ = 0;
};
