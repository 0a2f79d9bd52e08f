// wscript_io.js: one loop of console text for bench/wscript.sh. Run as
//   kova bench/wscript_io.js MODE COUNT     (or cscript //nologo ... echo COUNT)
// MODE: echo (WScript.Echo of COUNT lines), print (print of the same lines), readline
// (WScript.StdIn.ReadLine until the end) or gets (stdin.gets until the end).
var mode = WScript.Arguments(0), count = +WScript.Arguments(1), i, n = 0;
if (mode == "echo") {
    for (i = 0; i < count; i++) WScript.Echo("line", i, "of the benchmark");
} else if (mode == "print") {
    for (i = 0; i < count; i++) print("line ", i, " of the benchmark");
} else if (mode == "readline") {
    var input = WScript.StdIn;
    while (!input.AtEndOfStream) n += input.ReadLine().length;
    WScript.Echo(n);
} else if (mode == "gets") {
    for (var line; (line = stdin.gets()) != "";) n += line.length - 1;
    print(n);
}
