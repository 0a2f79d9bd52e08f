// NObjectWrap: names to DISPIDs, the flag rules of InvokeEx, attached properties,
// enumeration and the lifetime of wrapped objects.
#include <gtest/gtest.h>

#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/member_name_table.h"
#include "object/nclass.h"
#include "object/nfunction.h"
#include "object/text.h"
#include "test_support.h"

namespace {
// Calls InvokeEx with the arguments given first-first, as a script writes them.
HRESULT Invoke(IDispatchEx* d, DISPID id, WORD flags, std::vector<com_var> args, com_var* result,
               bool withThis = false) {
    std::vector<VARIANT> params;
    DISPID named = DISPID_THIS;
    com_var self;
    if (withThis) params.push_back(self.v);  // the this-value comes first in rgvarg
    for (size_t i = args.size(); i-- > 0;) params.push_back(args[i].v);
    DISPPARAMS dp{params.empty() ? nullptr : params.data(), withThis ? &named : nullptr,
                  static_cast<UINT>(params.size()), withThis ? 1u : 0u};
    VARIANT out;
    VariantInit(&out);
    HRESULT hr = d->InvokeEx(id, 0, flags, &dp, result ? &out : nullptr, nullptr, nullptr);
    if (result) result->adopt(out);
    return hr;
}

DISPID IdOf(IDispatchEx* d, const wchar_t* name, HRESULT* hr = nullptr) {
    bstr_ptr b(SysAllocString(name));
    DISPID id = DISPID_UNKNOWN;
    HRESULT h = d->GetDispID(b.get(), fdexNameCaseSensitive, &id);
    if (hr) *hr = h;
    return id;
}

class WrapTest : public ::testing::Test {
protected:
    void SetUp() override {
        thing = new NThing(nullptr);
        value = Wrap(thing);
        wrap = static_cast<IDispatchEx*>(value.v.pdispVal);
    }
    NThing* thing;
    com_var value;
    IDispatchEx* wrap;
};
}  // namespace

TEST_F(WrapTest, NamesResolveOnlyForMembers) {
    HRESULT hr;
    DISPID add = IdOf(wrap, L"add", &hr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(IdOf(wrap, L"value"), MemberNameTable::IdOf("value"));
    IdOf(wrap, L"Add", &hr);
    EXPECT_EQ(hr, DISP_E_UNKNOWNNAME);
    IdOf(wrap, L"nothing", &hr);
    EXPECT_EQ(hr, DISP_E_UNKNOWNNAME);

    bstr_ptr names[2] = {bstr_ptr(SysAllocString(L"add")), bstr_ptr(SysAllocString(L"missing"))};
    LPOLESTR raw[2] = {names[0].get(), names[1].get()};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(wrap->GetIDsOfNames(IID_NULL, raw, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], add);
}

TEST(WrapCaseTest, VBScriptNamesIgnoreCase) {
    NScript vb;
    EXPECT_FALSE(vb.Initialize("No.Such.Engine", false));  // keeps the case rule
    com_var value = Wrap(new NThing(&vb));
    auto* d = static_cast<IDispatchEx*>(value.v.pdispVal);
    HRESULT hr;
    DISPID id = IdOf(d, L"VALUE", &hr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(MemberNameTable::NameOf(id), "value");
    com_var r;
    EXPECT_EQ(Invoke(d, IdOf(d, L"ADD"), DISPATCH_METHOD, {com_var(2.0)}, &r), S_OK);
    EXPECT_EQ(r.ToNumber(), 2.0);
}

TEST_F(WrapTest, FlagsReachTheRightOperation) {
    com_var r;
    DISPID add = IdOf(wrap, L"add");
    DISPID val = IdOf(wrap, L"value");
    DISPID kind = IdOf(wrap, L"kind");
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_METHOD, {com_var(1.0), com_var(2.0)}, &r), S_OK);
    EXPECT_EQ(r.ToNumber(), 3.0);
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_METHOD, {}, &r), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_METHOD, {com_var(1.0), com_var(1.0), com_var(1.0)}, &r),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(wrap, val, DISPATCH_PROPERTYGET, {}, &r), S_OK);
    EXPECT_EQ(r.ToNumber(), 3.0);
    EXPECT_EQ(Invoke(wrap, val, DISPATCH_PROPERTYPUT, {com_var(9.0)}, nullptr), S_OK);
    EXPECT_EQ(thing->value, 9.0);
    EXPECT_EQ(Invoke(wrap, val, DISPATCH_PROPERTYPUT, {}, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(wrap, kind, DISPATCH_PROPERTYPUT, {com_var(1.0)}, nullptr), DISP_E_BADVARTYPE);
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_PROPERTYGET, {}, &r), DISP_E_MEMBERNOTFOUND);
    // METHOD|PROPERTYGET falls back to the method and passes its status on; a
    // refused construction still answers S_OK with no value.
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {com_var(1.0)}, &r), S_OK);
    EXPECT_EQ(r.ToNumber(), 10.0);
    r.clear();
    EXPECT_EQ(Invoke(wrap, add, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, &r), DISP_E_BADPARAMCOUNT);
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(Invoke(wrap, DISPID_VALUE, DISPATCH_CONSTRUCT, {}, &r), S_OK);
    EXPECT_EQ(Invoke(wrap, add, 0x20, {}, &r), E_FAIL);
    EXPECT_EQ(Invoke(wrap, 0x7FFF0000, DISPATCH_METHOD, {}, &r), DISP_E_UNKNOWNNAME);
}

TEST(NFunctionTest, ThisValueIsDroppedAndOnlyTheObjectIsCallable) {
    static size_t seen;
    static double first;
    auto handler = [](NScript*, ArgList& args, com_var& result) -> HRESULT {
        seen = args.count();
        first = args.count() ? args[0].ToNumber() : -1;
        result = com_var(true);
        return S_OK;
    };
    com_var fn = Wrap(new NFunction(nullptr, handler));
    auto* d = static_cast<IDispatchEx*>(fn.v.pdispVal);
    com_var r;
    EXPECT_EQ(Invoke(d, DISPID_VALUE, DISPATCH_METHOD, {com_var(1.0), com_var(2.0)}, &r, true), S_OK);
    EXPECT_EQ(seen, 2u);
    EXPECT_EQ(first, 1.0);
    EXPECT_EQ(r.ToText(), "true");
    DISPID name = MemberNameTable::IdOf("call");
    EXPECT_EQ(Invoke(d, name, DISPATCH_METHOD, {}, &r), DISP_E_TYPEMISMATCH);
}

TEST_F(WrapTest, AttachedPropertiesAndArrays) {
    auto* w = NObjectWrap::FromUnknown(wrap);
    ASSERT_NE(w, nullptr);
    com_array a;
    a.create(2);
    a.set(0, com_var("zero"));
    a.set(1, com_var("one"));
    w->AddProperty("list", a.detach());
    w->AddProperty("list", com_var("second record"));
    DISPID list = IdOf(wrap, L"list");
    com_var r;
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {com_var(1.0)}, &r), S_OK);
    EXPECT_EQ(r.ToText(), "one");
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {com_var(-1.0)}, &r), DISP_E_BADINDEX);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {com_var(2.0)}, &r), DISP_E_BADINDEX);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {com_var("x")}, &r), E_FAIL);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYPUT, {com_var(0.0), com_var("new")}, nullptr), S_OK);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {com_var(0.0)}, &r), S_OK);
    EXPECT_EQ(r.ToText(), "new");
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYPUT, {com_var(5.0), com_var("x")}, nullptr), DISP_E_BADINDEX);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYPUT, {}, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_METHOD, {}, &r), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {}, nullptr), E_FAIL);

    // Enumeration lists only attached properties, in order, and ends with S_FALSE.
    DISPID id = DISPID_STARTENUM;
    EXPECT_EQ(wrap->GetNextDispID(0, id, &id), S_OK);
    EXPECT_EQ(id, list);
    EXPECT_EQ(wrap->GetNextDispID(0, id, &id), S_OK);  // the second record, same DISPID
    EXPECT_EQ(id, list);
    BSTR name = nullptr;
    EXPECT_EQ(wrap->GetMemberName(list, &name), S_OK);
    EXPECT_STREQ(name, L"list");
    SysFreeString(name);
    EXPECT_EQ(wrap->GetMemberName(IdOf(wrap, L"add"), &name), DISP_E_MEMBERNOTFOUND);

    // Deleting removes the first record; the second then answers.
    bstr_ptr b(SysAllocString(L"list"));
    EXPECT_EQ(wrap->DeleteMemberByName(b.get(), 0), S_OK);
    EXPECT_EQ(Invoke(wrap, list, DISPATCH_PROPERTYGET, {}, &r), S_OK);
    EXPECT_EQ(r.ToText(), "second record");
    EXPECT_EQ(wrap->DeleteMemberByDispID(list), S_OK);
    EXPECT_EQ(wrap->GetNextDispID(0, DISPID_STARTENUM, &id), S_FALSE);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST(WrapLifetimeTest, LastWrapperDeletesTheObject) {
    int before = NThing::alive;
    {
        NThing* thing = new NThing(nullptr);
        com_var first = Wrap(thing);
        com_var second = Wrap(thing);
        EXPECT_EQ(thing->wrapperCount, 2);
        first.clear();
        EXPECT_EQ(NThing::alive, before + 1);
    }
    EXPECT_EQ(NThing::alive, before);
}

TEST(NClassTest, ConstructIsinstAndInstanceOf) {
    NClass<NThing> cls(nullptr);
    ArgList args;
    args.push_back(com_var(4.0));
    com_var made;
    EXPECT_EQ(cls.Construct(args, made), S_OK);
    EXPECT_EQ(made.type(), VT_DISPATCH);
    NThing* thing = InstanceOf<NThing>(made);
    ASSERT_NE(thing, nullptr);
    EXPECT_EQ(thing->value, 4.0);
    EXPECT_EQ(InstanceOf<NOther>(made), nullptr);
    EXPECT_EQ(InstanceOf<NThing>(com_var(1.0)), nullptr);

    int before = NThing::alive;
    args.push_back(com_var(5.0));
    com_var refused;
    EXPECT_EQ(cls.Construct(args, refused), DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(NThing::alive, before);  // the refused instance is destroyed

    ArgList one;
    one.push_back(made);
    com_var r;
    EXPECT_EQ(cls.Call("isinst", one, r), S_OK);
    EXPECT_EQ(r.ToText(), "true");
    ArgList none;
    EXPECT_EQ(cls.Call("isinst", none, r), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(cls.Call("New", args, r), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(cls.Call("missing", none, r), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(cls.HasMember("New"), S_OK);
    EXPECT_EQ(cls.HasMember("new"), DISP_E_UNKNOWNNAME);
}
