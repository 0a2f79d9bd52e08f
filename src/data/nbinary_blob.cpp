// NBinaryBlob: get and set over the binary value table, and the guard check.
#include "data/nbinary_blob.h"

#include "host/console_writer.h"

#include "data/binary_array.h"
#include "data/binary_type.h"
#include "object/nobject_wrap.h"

#include <stdio.h>
#include <string.h>

#include <new>
#include <vector>

const MethodInfo<NBinaryBlob> NBinaryBlob::methodList[] = {
    {"get", 0, 1, &NBinaryBlob::Get},
    {"set", 1, 2, &NBinaryBlob::Set},
};
const MemberTable<MethodInfo<NBinaryBlob>> NBinaryBlob::methods(methodList);
const PropertyInfo<NBinaryBlob> NBinaryBlob::propertyList[] = {
    {"size", &NBinaryBlob::GetSize, nullptr},
};
const MemberTable<PropertyInfo<NBinaryBlob>> NBinaryBlob::properties(propertyList);

NBinaryBlob::~NBinaryBlob() {
    if (!block_) return;
    const uint8_t* after = data() + size_;
    for (int32_t i = 0; i < kGuard; ++i) {
        if (block_[i] != kGuardByte || after[i] != kGuardByte) {
            PrintOutput(stdout, "Alert: memory bounds broken in BinaryBlob [block size:%d]\n", static_cast<int>(size_));
            break;
        }
    }
}

NObjectWrap* NBinaryBlob::Create(ArgList& args, com_var&) {
    if (args.count() != 1) return nullptr;
    int32_t size = args[0].ToInt();
    if (size < 0) return nullptr;
    // A size the machine cannot give refuses the construction like a bad one.
    block_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(size) + 2 * kGuard]);
    if (!block_) return nullptr;
    size_ = size;
    memset(block_.get(), kGuardByte, kGuard);
    memset(data(), 0, static_cast<size_t>(size));
    memset(data() + size, kGuardByte, kGuard);
    return new NObjectWrap(this);
}

HRESULT NBinaryBlob::Get(ArgList& args, com_var& result) {
    int code = args.count() == 1 ? BinaryTypeOf(args[0]) : kBinaryUChar;
    if (code == kBinaryUnknown) return DISP_E_BADVARTYPE;
    size_t step = BinaryTypeSize(code);
    std::vector<double> values(static_cast<size_t>(size_) / step);
    for (size_t i = 0; i < values.size(); ++i) values[i] = ReadBinary(code, data() + i * step);
    return NumbersToScript(script(), values, result);
}

HRESULT NBinaryBlob::Set(ArgList& args, com_var&) {
    int code = args.count() == 2 ? BinaryTypeOf(args[1]) : kBinaryUChar;
    if (code == kBinaryUnknown) return DISP_E_BADVARTYPE;
    const size_t step = BinaryTypeSize(code);
    // Elements beyond the block would be ignored: they are not even read, so a script
    // array of absurd length costs nothing.
    const long fit = static_cast<long>(static_cast<size_t>(size_) / step);
    std::vector<double> values;
    HRESULT hr = NumbersInRange(args[0], code, values, fit);
    if (FAILED(hr)) return hr;
    for (size_t i = 0; i < values.size(); ++i) WriteBinary(code, values[i], data() + i * step);
    return S_OK;
}

HRESULT NBinaryBlob::GetSize(com_var& value) {
    value = com_var(static_cast<double>(size_));
    return S_OK;
}
