// Script arrays of binary values, shared by File read and write and BinaryBlob get
// and set: the type named by an argument, the range check of a whole array, and
// numbers handed back as one script array.
#pragma once

#include "object/arg_list.h"
#include "object/com_array.h"

#include <vector>

class NScript;

// The binary type named by a value: strings only, anything else is unknown.
int BinaryTypeOf(const com_var& value);
// The first `limit` elements of a script array or variant array as numbers, all within
// the range of the type, or DISP_E_BADVARTYPE (and no numbers) when the value is no
// array or any of them is not such a number; E_OUTOFMEMORY for an array too long to
// convert.
HRESULT NumbersInRange(const com_var& value, int code, std::vector<double>& numbers,
                       long limit = com_array::kMaxCount);
// The numbers as one script array (a variant array for engines without Array).
HRESULT NumbersToScript(NScript* script, const std::vector<double>& numbers, com_var& result);
