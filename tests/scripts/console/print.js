// print: no argument writes only a line break; several arguments are written
// without separators; each kind of value in its text form. Objects print as
// <IDispatch:pointer>, and exponent forms depend on the C run-time, so those
// are matched by pattern through sprintf's %s, which uses the same text form.
print();
print("a", 1, "b");
print("");
print("x", "", "y");
print(10, "|", -5, "|", 0.1, "|", 1/3, "|", -2.5, "|", 123456, "|", 0.0001);
print(true, "|", false, "|", null, "|", undefined, "|", NaN, "|", 1/0, "|", -1/0);
print("a\0b", "|after");
var v;
print(v, "|", [1, 2][5]);
print(/^1\.23457e\+0?06$/.test(sprintf("%s", 1234567)), " ", /^1e\+0?21$/.test(sprintf("%s", 1e21)),
      " ", /^1e-0?05$/.test(sprintf("%s", 1e-5)), " ", /^2\.14748e\+0?09$/.test(sprintf("%s", 2147483648)));
var dispatch = /^<IDispatch:[0-9A-Fa-f]+>$/;
print(dispatch.test(sprintf("%s", {})), " ", dispatch.test(sprintf("%s", [1, 2])), " ",
      dispatch.test(sprintf("%s", function () {})), " ", dispatch.test(sprintf("%s", new Date(0))), " ",
      dispatch.test(sprintf("%s", Script)), " ", dispatch.test(sprintf("%s", print)));
var o = {};
print(sprintf("%s", o) == sprintf("%s", o), " ", sprintf("%s", {}) != sprintf("%s", o));
// print gives back nothing; it is the same function object as Script.print
print(typeof print("r"), " ", Script.print === print, " ", Script.sprintf === sprintf);
