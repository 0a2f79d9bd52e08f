// NGlobal: the host's global object, whose unknown names belong to the engine's.
#pragma once

#include "object/nobject.h"

// Holds the global functions and objects as attached properties. Scripts find the
// engine's own global object through it too (this.Object, this.x = 1 in global
// code), as libraries written for several hosts expect of the global `this`.
class NGlobal final : public NObject {
public:
    explicit NGlobal(NScript* script) : NObject(script) {}
    IDispatchEx* Fallback() override;
};
