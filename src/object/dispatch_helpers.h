// Reading, calling and constructing members of any dispatch value, and the bridge
// between variant arrays and the engine's Array objects.
#pragma once

#include "object/arg_list.h"
#include "object/com_array.h"

class NScript;

// The DISPID of a name (GetIDsOfNames); the empty name is DISPID_VALUE.
HRESULT NameToId(IDispatch* disp, const std::string& name, DISPID* id);
// Invoke or InvokeEx with the user's locale and the arguments reversed into the
// dispatch parameters; the result is written only on success.
HRESULT InvokeWith(IDispatch* disp, DISPID id, WORD flags, const ArgList* args, com_var* result);
HRESULT InvokeExWith(IDispatchEx* disp, DISPID id, WORD flags, const ArgList* args, com_var* result);

// Property get of a member (the empty name is the value itself); needs IDispatchEx.
bool GetMemberByName(const com_var& value, const std::string& name, com_var* result);
// Method call; the empty name calls DISPID_VALUE.
bool CallDispatch(IDispatch* disp, const std::string& name, const ArgList* args, com_var* result);
// DISPATCH_CONSTRUCT on DISPID_VALUE.
bool ConstructDispatch(IDispatchEx* disp, const ArgList* args, com_var* result);

// A script Array holding the elements, where the engine has a global Array;
// otherwise a copy of the variant array.
com_var ArrayToScript(NScript* script, const com_array& array);
// Fills array from a variant array or from any object with "length" and indexed
// members, of which it reads the first `limit` at most: S_OK, DISP_E_TYPEMISMATCH for
// anything else, E_OUTOFMEMORY when the elements to read are more than an array can
// hold or memory gives. The length is checked before any element is read.
HRESULT ScriptToArray(const com_var& value, com_array& array, long limit = com_array::kMaxCount);

// A value as OLE Automation turns it into text (VariantChangeType): true gives "-1",
// 0.1 + 0.2 gives "0.3", an object its default value. DISP_E_TYPEMISMATCH (or the
// object's own failure) when it has no text.
HRESULT AutomationText(const com_var& value, std::string* text);
// A value as OLE Automation turns it into a 32-bit integer (rounding half to even);
// DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW when it is none.
HRESULT AutomationLong(const com_var& value, LONG* number);
