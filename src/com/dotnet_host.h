// In-process .NET hosting: one runtime and one application domain per process,
// started on first use, in which scripts create objects by assembly and type name.
#pragma once

#include "object/arg_list.h"

// Creates an object of a .NET class: (assembly name, type name), exactly two
// arguments. The result is the object's dispatch interface, or empty when the runtime,
// the domain or the object could not be had. The runtime is started by the first call
// with BaseDirectory() as the domain's application base; a failed start is final.
HRESULT CreateDotNetObject(ArgList& args, com_var& result);

// Unloads the domain and stops the runtime, if a call started them.
void StopDotNet();

// How many times a start of the runtime was attempted in this process (0 or 1).
int DotNetStartAttempts();
