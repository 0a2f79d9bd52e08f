// Conversions of com_var and the element rules of com_array.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>

#include "object/com_array.h"
#include "object/com_ptr.h"
#include "object/com_var.h"
#include "object/nfunction.h"
#include "object/nobject_wrap.h"

namespace {
com_var Typed(VARTYPE vt) {
    com_var v;
    v.v.vt = vt;
    return v;
}
}  // namespace

TEST(ComVarTest, NumbersToText) {
    EXPECT_EQ(com_var(10.0).ToText(), "10");
    EXPECT_EQ(com_var(0.1).ToText(), "0.1");
    EXPECT_EQ(com_var(1.0 / 3).ToText(), "0.333333");
    EXPECT_EQ(com_var(1234567.0).ToText().substr(0, 9), "1.23457e+");
    EXPECT_EQ(com_var(1e21).ToText().substr(0, 3), "1e+");
    EXPECT_EQ(com_var(NAN).ToText(), "NaN");
    EXPECT_EQ(com_var(INFINITY).ToText(), "Infinity");
    EXPECT_EQ(com_var(-INFINITY).ToText(), "-Infinity");
    com_var i2 = Typed(VT_I2);
    i2.v.iVal = -7;
    EXPECT_EQ(i2.ToText(), "-7");
}

TEST(ComVarTest, OtherTypesToText) {
    EXPECT_EQ(com_var(true).ToText(), "true");
    com_var one = Typed(VT_BOOL);
    one.v.boolVal = 1;  // not VARIANT_TRUE
    EXPECT_EQ(one.ToText(), "false");
    EXPECT_EQ(one.ToNumber(), 0.0);
    EXPECT_EQ(Typed(VT_NULL).ToText(), "null");
    EXPECT_EQ(com_var().ToText(), "undefined");
    EXPECT_EQ(Typed(VT_CY).ToText(), "");
    com_var nullString = Typed(VT_BSTR);
    EXPECT_EQ(nullString.ToText(), "");
    EXPECT_EQ(nullString.ToNumber(), 0.0);
    com_var withNul;
    withNul.v.vt = VT_BSTR;
    withNul.v.bstrVal = SysAllocStringLen(L"ab\0cd", 5);
    EXPECT_EQ(withNul.ToText(), "ab");
}

TEST(ComVarTest, TextToNumber) {
    EXPECT_EQ(com_var(" 12abc").ToNumber(), 12.0);
    EXPECT_EQ(com_var("abc").ToNumber(), 0.0);
    EXPECT_EQ(com_var("-2.5e1").ToNumber(), -25.0);
    EXPECT_EQ(com_var("7").ToNumberStrict(), 0.0);
    EXPECT_EQ(Typed(VT_NULL).ToNumber(), 0.0);
    EXPECT_EQ(com_var(3.9).ToInt(), 3);
    EXPECT_EQ(com_var(-3.9).ToInt(), -3);
    EXPECT_EQ(com_var(4294967296.0).ToInt(), 0);
    EXPECT_EQ(com_var(NAN).ToInt(), 0);
}

TEST(ComVarTest, ReferencesAreFollowed) {
    VARIANT inner;
    VariantInit(&inner);
    inner.vt = VT_R8;
    inner.dblVal = 2.5;
    VARIANT ref;
    VariantInit(&ref);
    ref.vt = VT_BYREF | VT_VARIANT;
    ref.pvarVal = &inner;
    com_var copy(ref);
    EXPECT_EQ(copy.type(), VT_R8);
    EXPECT_EQ(copy.ToNumber(), 2.5);

    double d = 4.0;
    com_var byref = Typed(VT_BYREF | VT_R8);
    byref.v.pdblVal = &d;
    EXPECT_TRUE(byref.IsNumeric());
    EXPECT_EQ(byref.ToText(), "4");
    byref.v.vt = VT_EMPTY;  // nothing to free
    EXPECT_FALSE(com_var("1").IsNumeric());
}

TEST(ComVarTest, ObjectsToTextAndDispatch) {
    com_var object = Wrap(new NShell(nullptr));
    char expected[64];
    _snprintf(expected, sizeof expected - 1, "<IDispatch:%p>", static_cast<void*>(object.v.pdispVal));
    EXPECT_EQ(object.ToText(), expected);

    com_var unknown;
    unknown.v.vt = VT_UNKNOWN;
    unknown.v.punkVal = object.v.pdispVal;
    unknown.v.punkVal->AddRef();
    com_ptr<IDispatch> disp = com_ptr<IDispatch>::adopt(unknown.ToDispatch());
    EXPECT_EQ(disp.get(), object.v.pdispVal);
    EXPECT_EQ(com_var(2.0).ToDispatch(), nullptr);
    EXPECT_EQ(com_var(2.0).ToUnknown(), nullptr);
}

TEST(ComArrayTest, BoundsAreChecked) {
    com_array a;
    EXPECT_EQ(a.count(), 0);
    ASSERT_TRUE(a.create(3));
    EXPECT_EQ(a.count(), 3);
    EXPECT_TRUE(a.set(0, com_var("x")));
    EXPECT_TRUE(a.set(2, com_var(5.0)));
    EXPECT_FALSE(a.set(-1, com_var(1.0)));
    EXPECT_FALSE(a.set(3, com_var(1.0)));
    EXPECT_EQ(a.get(0).ToText(), "x");
    EXPECT_TRUE(a.get(1).empty());
    EXPECT_EQ(a.get(2).ToNumber(), 5.0);
    EXPECT_TRUE(a.get(-1).empty());
    EXPECT_TRUE(a.get(3).empty());

    com_var value = a.detach();
    EXPECT_EQ(value.type(), VT_ARRAY | VT_VARIANT);
    EXPECT_EQ(a.count(), 0);
    com_array b;
    ASSERT_TRUE(b.attach(value.v));
    EXPECT_TRUE(b.borrowed());
    EXPECT_EQ(b.get(0).ToText(), "x");
    com_var copied = b.detach();  // a borrowed array is copied, never handed out twice
    EXPECT_NE(copied.v.parray, value.v.parray);
}

TEST(ComArrayTest, RefusesWhatItCannotHold) {
    com_array a;
    EXPECT_FALSE(a.attach(com_var(1.0).v));
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
    com_var twoDim;
    twoDim.v.vt = VT_ARRAY | VT_VARIANT;
    twoDim.v.parray = SafeArrayCreate(VT_VARIANT, 2, bounds);
    EXPECT_FALSE(a.attach(twoDim.v));
    EXPECT_FALSE(a.attach_copy(twoDim.v));

    // An array of integers from outside: readable count, but no element is read as a variant.
    SAFEARRAYBOUND bound{4, 1};
    com_var ints;
    ints.v.vt = VT_ARRAY | VT_I4;
    ints.v.parray = SafeArrayCreate(VT_I4, 1, &bound);
    ASSERT_TRUE(a.attach(ints.v));
    EXPECT_EQ(a.count(), 4);
    EXPECT_TRUE(a.get(0).empty());
    EXPECT_FALSE(a.set(0, com_var(1.0)));
}
