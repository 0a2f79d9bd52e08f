// DllFunc over the platform's own DLLs: integer, string, stdcall, double and pointer
// results, a string passed as a copy and a blob passed as itself, and the refusals.
exec("file/common.inc");
var k32 = "kernel32.dll";

function main() {
    var ticks = new DllFunc(k32, "uint GetTickCount()");
    print("GetTickCount agrees with tick(): ", Math.abs((ticks() >>> 0) - tick()) < 1000);
    print("lstrlenA: ", new DllFunc(k32, "int lstrlenA(string)")("hello"));
    var mulDiv = new DllFunc(k32, "stdcall int MulDiv(int, int, int)");
    print("MulDiv: ", mulDiv(10, 20, 3), " ", mulDiv(-7, 3, 2), " ", mulDiv(1, 2, 0));
    var pow = new DllFunc("msvcrt.dll", "double pow(double, double)");
    var sqrt = new DllFunc("msvcrt.dll", "double sqrt(double) cdecl");
    print("pow, sqrt: ", pow(2, 10), " ", String(pow(2, -0.5)), " ", String(sqrt(2)), " ", sqrt(-1));

    // a module handle, as a pointer-sized number, goes back into GetProcAddress
    var module = new DllFunc(k32, "ptr GetModuleHandleA(string) stdcall");
    var proc = new DllFunc(k32, "handle GetProcAddress(handle, str) stdcall");
    var h = module(k32);
    print("GetProcAddress: ", h > 0 && h == module("KERNEL32"), " ", proc(h, "GetTickCount") > 0,
          " ", proc(h, "GetTickCount") == proc(module("kernel32.dll"), "GetTickCount"), " ", proc(h, "NoSuchFunction"));

    // native changes reach a blob but not a script string
    var text = "abc";
    var blob = new BinaryBlob(6);
    blob.set([97, 98, 99]);
    var upperA = new DllFunc("user32.dll", "ptr CharUpperA(string)");
    var upperBlob = new DllFunc("user32.dll", "ptr CharUpperA(binary)");
    upperA(text);
    upperBlob(blob);
    print("CharUpperA: ", text, " ", hex(blob.get()));
    new DllFunc(k32, "ptr lstrcpyA(binary, string)")(blob, "KOVA");
    print("lstrcpyA into a blob: ", hex(blob.get()));

    // refused declarations and calls
    var refused = [[k32, "int NoSuchFunction()"], ["no_such_library.dll", "int f()"], [k32, "GetTickCount"],
                   [k32, "int GetTickCount(int a)"], [k32]];
    for (var i = 0; i < refused.length; i++) {
        var r = refused[i];
        var made = r.length == 2 ? new DllFunc(r[0], r[1]) : new DllFunc(r[0]);
        print("refused ", r.join(" "), ": ", typeof made, " ",
              status(function () { r.length == 2 ? DllFunc.New(r[0], r[1]) : DllFunc.New(r[0]); }));
    }
    print("257 parameters: ", typeof new DllFunc(k32, "int GetTickCount(" + new Array(258).join("int ") + ")"));
    print("counts: ", status(function () { ticks(1); }), " ", status(function () { mulDiv(1, 2); }));
    var noResult = new DllFunc(k32, "string GetCommandLineA()");
    print("a string result calls nothing: ", noResult(), " ", status(function () { noResult(1); }));
    // Classes that start-up leaves for later are there for native code all the same.
    var createWindow = new DllFunc("user32.dll",
        "ptr CreateWindowExA(uint, string, string, uint, int, int, int, int, ptr, ptr, ptr, ptr)");
    var destroyWindow = new DllFunc("user32.dll", "int DestroyWindow(ptr)");
    var bar = createWindow(0, "msctls_progress32", "", 0, 0, 0, 10, 10, 0, 0, 0, 0);
    print("a progress bar from native code: ", bar != 0, " ", destroyWindow(bar));
    print("isinst: ", DllFunc.isinst(ticks), " ", DllFunc.isinst(blob), " ", BinaryBlob.isinst(blob));
}
