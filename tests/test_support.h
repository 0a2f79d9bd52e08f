// Shared helpers of the unit tests: a started script context and small host objects.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/nscript.h"
#include "object/member_dispatch.h"
#include "object/nobject_wrap.h"

// A script context with the namespace registered, for JScript or VBScript.
class ScriptTest : public ::testing::Test {
protected:
    void Start(const std::string& language = "JavaScript");
    void TearDown() override { script.Close(); }
    // Runs text (no file behind it) and answers whether the engine accepted it.
    bool Run(const std::string& code);
    // The value of a JScript or VBScript expression through a helper function.
    com_var Eval(const std::string& expression);

    NScript script;
    std::string language;
};

// A host object with one method, one read-write and one read-only property, that
// counts how many of its kind are alive.
class NThing : public NMembers<NThing> {
public:
    explicit NThing(NScript* script) : NMembers(script) { ++alive; }
    ~NThing() override { --alive; }
    NObjectWrap* Create(ArgList& args, com_var& result) override;

    static int alive;
    double value = 0;

    static const MethodInfo<NThing> methodList[];
    static const MemberTable<MethodInfo<NThing>> methods;
    static const PropertyInfo<NThing> propertyList[];
    static const MemberTable<PropertyInfo<NThing>> properties;

private:
    HRESULT Add(ArgList& args, com_var& result);
    HRESULT GetValue(com_var& v);
    HRESULT PutValue(com_var& v);
    HRESULT GetKind(com_var& v);
};

// A second class, to test that instances of one class are not taken for another.
class NOther : public NObject {
public:
    using NObject::NObject;
    NObjectWrap* Create(ArgList&, com_var&) override { return new NObjectWrap(this); }
};

// Registers the class objects Thing and Other on the global object.
void RegisterTestClasses(NScript& script);

// The highest GDI handle index (a handle's low 16 bits; the high ones count reuses)
// after creating and freeing a batch of brushes. Wine answers GetGuiResources with 0,
// so leaks show as growth of this value instead: each handle leaked between two
// measurements raises it by one.
uintptr_t HighestGdiHandle();
