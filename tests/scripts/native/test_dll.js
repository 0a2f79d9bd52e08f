// The project's test DLL: an echo of every parameter and result type, and one call
// with all types at once, each in both conventions, also thousands of times; void parameters and results;
// wrong argument counts refused before anything is called; the blob guard.
exec("file/common.inc");
var dll = "native_test.dll";

function main() {
    // declared type, exported echo, arguments
    var echoes = [
        ["uint", "uint", [4294967295, 7, -1]], ["ushort", "ushort", [65535, 65537]], ["uchar", "uchar", [300, 255]],
        ["int", "int", [-2147483648, 4294967297, -3.9]], ["short", "short", [40000, -2]],
        ["char", "char", [200, -128]], ["float", "float", [0.1, -2.5, 1e300]], ["double", "double", [0.1, -1e300]],
        ["ptr", "ptr", [1099511627776, 4096, -1]], ["handle", "ptr", [1]]];
    for (var i = 0; i < echoes.length; i++) {
        var e = echoes[i];
        var c = new DllFunc(dll, e[0] + " echo_" + e[1] + "_c(" + e[0] + ")");
        var s = new DllFunc(dll, e[0] + " echo_" + e[1] + "_s(" + e[0] + ") __stdcall");
        var line = [];
        for (var j = 0; j < e[2].length; j++) line.push(e[2][j] + " -> " + c(e[2][j]) + " " + s(e[2][j]));
        print(e[0], ": ", line.join(", "));
    }
    var echoPointer = new DllFunc(dll, "ptr echo_ptr_c(ptr)");
    print("an all-ones pointer passes back: ", echoPointer(echoPointer(-1)) == echoPointer(-1));

    var types = "(binary, float, char, double, uchar, short, ushort, int, uint, float, double, ptr, string, wstring)";
    var conventions = [["record_c", "cdecl"], ["record_s", "stdcall"]];
    for (i = 0; i < conventions.length; i++) {
        var record = new DllFunc(dll, "int " + conventions[i][0] + types + " " + conventions[i][1]);
        var blob = new BinaryBlob(15 * 8), text = "abc", wide = "wxyz";
        var n = record(blob, 0.5, -5, 2.25, 200, -300, 60000, -70000, 4000000000, -1.5, 1e300, 1099511627776, text, wide);
        print(conventions[i][1], ": ", n, " [", blob.get("double").join(" "), "] ", text, " ", wide);
        // Fourteen arguments 2,000 times: arguments cleaned up by the wrong side would
        // move the stack by 76 bytes a call.
        var same = 0;
        for (var k = 0; k < 2000; k++)
            if (record(blob, k, -5, 2.25, 200, -300, 60000, -70000, 4000000000, -1.5, 1e300, k, text, wide) == 15 &&
                blob.get("double")[10] == k) same++;
        print(conventions[i][1], ": ", same, " calls");
    }

    var keep = new DllFunc(dll, "void keep_s(int, void) stdcall");
    var kept = new DllFunc(dll, "kept_c(void)");
    print("void: ", keep(42), " ", kept(), "; counts: ", status(function () { keep(); }), " ",
          status(function () { keep(1, 2); }), " ", status(function () { kept(0); }), " ", kept());

    var fill = new DllFunc(dll, "void fill_c(binary, int, int)");
    var full = new BinaryBlob(4);
    fill(full, 4, 255);
    var address = new DllFunc(dll, "ptr echo_ptr_c(binary)");
    print("filled: ", full.get().join(" "), "; addresses: ", address(full) > 0, " ", address(5), " ", address(null));
    full = null;
    var over = new BinaryBlob(5);
    fill(over, 6, 1);
    over = null;
    print("after the overrun");
}
