// NGlobal: names the host does not know are the engine's global object's.
#include "object/nglobal.h"

#include "host/nscript.h"

IDispatchEx* NGlobal::Fallback() { return script() ? script()->globalObject() : nullptr; }
