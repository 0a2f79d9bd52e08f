// Calls on other programs' objects that a busy server rejects: repeated after a pause
// until it takes them or a limit is reached.
#pragma once

#include "object/arg_list.h"

#include <string>

// A rejected call (RPC_E_CALL_REJECTED) is repeated up to this many times, this many
// milliseconds apart; any other answer, success or failure, ends the call at once.
constexpr int kRejectedCallRetries = 100;
constexpr DWORD kRejectedCallPause = 100;

// GetIDsOfNames for one name (IID_NULL, the user's locale), through the retry rule.
HRESULT IdOfNameRetrying(IDispatch* disp, const std::string& name, DISPID* id);
// Invoke with the user's locale and no named arguments, through the retry rule; the
// parameters are passed as they are.
HRESULT InvokeRetrying(IDispatch* disp, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                       EXCEPINFO* excep = nullptr, UINT* argErr = nullptr);
// Looks the name up and invokes it with the arguments (reversed into the parameters,
// as COM expects) and flags, both calls through the retry rule. The result, when
// asked for, is written only on success.
HRESULT InvokeByNameRetrying(IDispatch* disp, const std::string& name, WORD flags, const ArgList* args,
                             com_var* result);
