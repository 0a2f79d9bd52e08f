// NGlobal: names the host does not know are the engine's global object's.
#include "object/nglobal.h"

#include "object/script_context.h"

IDispatchEx* NGlobal::Fallback() { return script() ? ScriptGlobalObject(script()) : nullptr; }
