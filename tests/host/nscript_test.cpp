// The script context with a real engine: the namespace as scripts see it, class
// objects, calls by name, and the bridges between arrays.
#include <gtest/gtest.h>

#include "host/nscript_site.h"
#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/dispatch_helpers.h"
#include "object/nfunction.h"
#include "test_support.h"

namespace {
class JScriptTest : public ScriptTest {
protected:
    void SetUp() override {
        Start("JavaScript");
        RegisterTestClasses(script);
    }
};

class VBScriptTest : public ScriptTest {
protected:
    void SetUp() override {
        Start("VBScript");
        RegisterTestClasses(script);
    }
};
}  // namespace

TEST_F(JScriptTest, ScriptObjectAndGlobalNames) {
    EXPECT_EQ(Eval("Script.version").ToText(), "KOVA ver.0.00a");
    EXPECT_EQ(Eval("Script.args.length").ToNumber(), 2);
    EXPECT_EQ(Eval("Script.args[1]").ToText(), "two");
    EXPECT_EQ(Eval("Script.args instanceof Array").ToText(), "true");
    EXPECT_NE(Eval("Script.pwd").ToText(), "");
    EXPECT_EQ(Eval("print === Script.print").ToText(), "true");
    EXPECT_EQ(Eval("typeof version").ToText(), "undefined");
    EXPECT_EQ(Eval("sprintf('%s-%d', 'a', 2)").ToText(), "a-2");
}

TEST_F(JScriptTest, HostObjectsRefuseNewMembers) {
    EXPECT_EQ(Eval("(function(){ try { Script.extra = 1; return 'kept'; } catch (e) { return 'refused'; } })()")
                  .ToText(),
              "refused");
    EXPECT_EQ(Eval("(function(){ var n = []; for (var k in Script) n.push(k); return n.join(','); })()").ToText(),
              "COM,Frame,Dialog,ToolFrame,PopupFrame,LayeredFrame,TrayTool,FullScreen,Image,File,Progress,DllFunc,"
              "BinaryBlob,CreateDotNet,print,printf,sprintf,sscanf,sleep,beep,tick,exit,exec,system,startfile,"
              "process,guid,fps,sync,encode,decode,getch,getche,kbhit,alert,confirm,prompt,passwd,openDlg,saveDlg,folderDlg,rgb,rgba,chr,ord,str,int,uint,cstr,stdin,"
              "stdout,stderr,args,version,pwd");
}

TEST_F(JScriptTest, ClassObjects) {
    EXPECT_EQ(Eval("new Thing(3).value").ToNumber(), 3);
    EXPECT_EQ(Eval("Thing.New(5).add(1, 1)").ToNumber(), 7);
    EXPECT_EQ(Eval("Thing.isinst(new Thing())").ToText(), "true");
    EXPECT_EQ(Eval("Thing.isinst(new Other())").ToText(), "false");
    EXPECT_EQ(Eval("Thing.isinst(1) || Thing.isinst(null) || Thing.isinst(Script)").ToText(), "false");
    EXPECT_EQ(Eval("typeof new Thing(1, 2)").ToText(), "undefined");  // refused: empty value
    EXPECT_EQ(Eval("(function(){ try { Thing.New(1, 2); return 'made'; } catch (e) { return 'error'; } })()")
                  .ToText(),
              "error");
    EXPECT_EQ(Eval("(function(){ try { Thing.isinst(); return 'ok'; } catch (e) { return 'error'; } })()").ToText(),
              "error");
    EXPECT_EQ(Eval("(function(){ try { new Thing().Value; return 'found'; } catch (e) { return 'error'; } })()")
                  .ToText(),
              "found");  // an unknown name reads as undefined in JScript, never as the member
    EXPECT_EQ(Eval("typeof new Thing().Value").ToText(), "undefined");
}

TEST_F(VBScriptTest, NamesIgnoreCase) {
    EXPECT_EQ(Eval("SCRIPT.VERSION").ToText(), "KOVA ver.0.00a");
    EXPECT_EQ(Eval("Thing.new(2).VALUE").ToNumber(), 2);
    EXPECT_EQ(Eval("thing.ISINST(Thing.New())").ToText(), "true");
    EXPECT_EQ(Eval("Script.args(1)").ToText(), "two");
    EXPECT_EQ(Eval("UBound(Script.args)").ToNumber(), 1);
    EXPECT_EQ(Eval("Sprintf(\"%d\", 7)").ToText(), "7");
    EXPECT_FALSE(Run("x = Script.args(2)\n"));
    EXPECT_FALSE(Run("x = Script.args(-1)\n"));
}

TEST_F(JScriptTest, CallsByName) {
    ASSERT_TRUE(Run("function twice(a) { return a * 2; }"));
    ArgList args;
    args.push_back(com_var(21.0));
    com_var r;
    EXPECT_TRUE(script.CallFunction("twice", &args, &r));
    EXPECT_EQ(r.ToNumber(), 42);
    HRESULT status = S_OK;
    EXPECT_FALSE(script.CallFunction("noSuchFunction", nullptr, &r, &status));
    EXPECT_TRUE(FAILED(status));
    // InvokeByName passes the caller's parameters as they are (last argument first).
    VARIANT params[2];
    VariantInit(&params[0]);
    VariantInit(&params[1]);
    params[0].vt = VT_R8;
    params[0].dblVal = 4;
    ASSERT_TRUE(Run("function minus(a, b) { return a - b; }"));
    params[1].vt = VT_R8;
    params[1].dblVal = 10;
    DISPPARAMS dp{params, nullptr, 2, 0};
    VARIANT out;
    VariantInit(&out);
    EXPECT_TRUE(script.InvokeByName("minus", &dp, &out, nullptr, nullptr));
    EXPECT_EQ(out.vt, VT_I4);
    EXPECT_EQ(out.lVal, 6);
    EXPECT_FALSE(script.InvokeByName("noSuchFunction", &dp, &out, nullptr, nullptr));
    com_ptr<IDispatch> array = com_ptr<IDispatch>::adopt(script.GetScriptObject("Array"));
    EXPECT_TRUE(array);
    EXPECT_EQ(script.GetScriptObject("noSuchGlobal"), nullptr);
}

TEST_F(JScriptTest, ArraysBothWays) {
    com_array empty;
    empty.create(0);
    com_var a = ArrayToScript(&script, empty);
    EXPECT_EQ(a.type(), VT_DISPATCH);

    com_var holes = Eval("[1, , 'three']");
    com_array out;
    ASSERT_EQ(ScriptToArray(holes, out), S_OK);
    ASSERT_EQ(out.count(), 3);
    EXPECT_EQ(out.get(0).ToNumber(), 1);
    EXPECT_TRUE(out.get(1).empty());
    EXPECT_EQ(out.get(2).ToText(), "three");
    com_array none;
    EXPECT_EQ(ScriptToArray(com_var(5.0), none), DISP_E_TYPEMISMATCH);
    // A length no array can hold is refused before any element is read; a limit of the
    // caller's reads only the first elements.
    com_var huge = Eval("(function () { var h = [7, 8, 9]; h.length = 268435457; return h; })()");
    EXPECT_EQ(ScriptToArray(huge, none), E_OUTOFMEMORY);
    EXPECT_FALSE(none.create(com_array::kMaxCount + 1));
    ASSERT_EQ(ScriptToArray(huge, out, 2), S_OK);
    ASSERT_EQ(out.count(), 2);
    EXPECT_EQ(out.get(1).ToNumber(), 8);

    com_array two;
    two.create(2);
    two.set(0, com_var("a"));
    two.set(1, com_var(2.0));
    com_var back = ArrayToScript(&script, two);
    com_array again;
    ASSERT_EQ(ScriptToArray(back, again), S_OK);
    EXPECT_EQ(again.get(0).ToText(), "a");
    EXPECT_EQ(again.get(1).ToNumber(), 2);
}

TEST_F(VBScriptTest, ArraysWithoutAnArrayObject) {
    com_array empty;
    empty.create(0);
    com_var a = ArrayToScript(&script, empty);
    EXPECT_EQ(a.type(), VT_ARRAY | VT_VARIANT);
    com_array out;
    EXPECT_EQ(ScriptToArray(Eval("Array(1, 2)"), out), S_OK);
    EXPECT_EQ(out.count(), 2);
}

TEST_F(JScriptTest, NothingLeaksFromRepeatedUse) {
    int before = NThing::alive;
    ASSERT_TRUE(Run("for (var i = 0; i < 100000; i++) {"
                    "  var s = Script; var f = print; var t = new Thing(i); t = Thing.New(); t = null;"
                    "}"));
    script.Close();
    EXPECT_EQ(NThing::alive, before);
}

TEST(ScriptSiteTest, ItemInfo) {
    NScriptSite* site = new NScriptSite;
    site->AddRef();
    com_var object = Wrap(new NShell(nullptr));
    site->items.push_back(std::make_unique<NScriptItem>(L"__global", GUID_NULL, object.v.pdispVal));
    IUnknown* unk = reinterpret_cast<IUnknown*>(1);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(site->GetItemInfo(L"__global", SCRIPTINFO_IUNKNOWN, &unk, &info), S_OK);
    EXPECT_EQ(unk, object.v.pdispVal);
    unk->Release();
    HRESULT typeStatus = site->GetItemInfo(L"__global", SCRIPTINFO_ITYPEINFO, &unk, &info);
    EXPECT_TRUE(FAILED(typeStatus));
    EXPECT_EQ(info, nullptr);
    EXPECT_EQ(site->GetItemInfo(L"other", SCRIPTINFO_IUNKNOWN, &unk, &info), E_FAIL);
    EXPECT_EQ(unk, nullptr);
    EXPECT_EQ(site->GetItemInfo(L"__global", 0, &unk, &info), E_FAIL);
    site->Release();
}
