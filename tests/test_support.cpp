// Unit-test helpers: COM for the test process, a script context, the test classes.
#include "test_support.h"

#include "app/namespace.h"
#include "object/com_ptr.h"
#include "object/nclass.h"
#include "object/nfunction.h"
#include "object/text.h"

#include <algorithm>

namespace {
class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
};
::testing::Environment* const g_com = ::testing::AddGlobalTestEnvironment(new ComEnvironment);
}  // namespace

void ScriptTest::Start(const std::string& lang) {
    language = lang;
    ASSERT_TRUE(script.Initialize(lang, lang != "VBScript"));
    RegisterNamespace(&script, lang, {"one", "two"}, "");
}

bool ScriptTest::Run(const std::string& code) { return script.ParseText(ToWide(code)); }

com_var ScriptTest::Eval(const std::string& expression) {
    com_var result;
    if (language == "VBScript") {
        EXPECT_TRUE(Run("Function test_eval_\ntest_eval_ = " + expression + "\nEnd Function\n"));
        EXPECT_TRUE(script.CallFunction("test_eval_", nullptr, &result));
    } else {
        EXPECT_TRUE(Run("function test_eval_() { return " + expression + "; }"));
        EXPECT_TRUE(script.CallFunction("test_eval_", nullptr, &result));
    }
    return result;
}

int NThing::alive = 0;

const MethodInfo<NThing> NThing::methodList[] = {
    {"add", 1, 2, &NThing::Add},
};
const MemberTable<MethodInfo<NThing>> NThing::methods = methodList;
const PropertyInfo<NThing> NThing::propertyList[] = {
    {"value", &NThing::GetValue, &NThing::PutValue},
    {"kind", &NThing::GetKind, nullptr},
};
const MemberTable<PropertyInfo<NThing>> NThing::properties = propertyList;

NObjectWrap* NThing::Create(ArgList& args, com_var&) {
    if (args.count() > 1) return nullptr;  // refuses two or more arguments
    if (args.count() == 1) value = args[0].ToNumber();
    return new NObjectWrap(this);
}

HRESULT NThing::Add(ArgList& args, com_var& result) {
    value += args[0].ToNumber() + (args.count() > 1 ? args[1].ToNumber() : 0);
    result = com_var(value);
    return S_OK;
}

HRESULT NThing::GetValue(com_var& v) {
    v = com_var(value);
    return S_OK;
}

HRESULT NThing::PutValue(com_var& v) {
    value = v.ToNumber();
    return S_OK;
}

HRESULT NThing::GetKind(com_var& v) {
    v = com_var("thing");
    return S_OK;
}

void RegisterTestClasses(NScript& script) {
    // The classes become global names through a named item of their own.
    com_var shell = Wrap(new NShell(&script));
    NObjectWrap* wrap = NObjectWrap::FromUnknown(shell.v.pdispVal);
    com_var thing = Wrap(new NClass<NThing>(&script));
    com_var other = Wrap(new NClass<NOther>(&script));
    wrap->AddMember("Thing", thing.v.pdispVal);
    wrap->AddMember("Other", other.v.pdispVal);
    script.AddItem("__test", GUID_NULL, shell.v.pdispVal, true);
}

uintptr_t HighestGdiHandle() {
    HBRUSH brushes[2000];
    uintptr_t highest = 0;
    for (HBRUSH& b : brushes) {
        b = CreateSolidBrush(RGB(1, 2, 3));
        highest = std::max(highest, reinterpret_cast<uintptr_t>(b) & 0xFFFF);
    }
    for (HBRUSH b : brushes) DeleteObject(b);
    return highest;
}
