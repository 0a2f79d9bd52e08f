// Prints the version resource of the kova.exe that runs this script as Windows reads
// it (version.dll): the fixed file and product versions as a.b.c.d, then FileVersion
// and ProductVersion of the US English strings.
var k32 = "kernel32.dll", ver = "version.dll";

function main() {
    var path = new BinaryBlob(2 * 1024);
    new DllFunc(k32, "uint GetModuleFileNameW(handle, binary, uint) stdcall")(0, path, 1024);
    var size = new DllFunc(ver, "uint GetFileVersionInfoSizeW(binary, ptr) stdcall")(path, 0);
    if (size <= 0) { print("no version resource"); return 1; }
    var info = new BinaryBlob(size);
    new DllFunc(ver, "int GetFileVersionInfoW(binary, uint, uint, binary) stdcall")(path, 0, size, info);
    var query = new DllFunc(ver, "int VerQueryValueW(binary, wstring, binary, binary) stdcall");
    var copy = new DllFunc(k32, "void RtlMoveMemory(binary, ptr, ptr) stdcall");

    // The bytes VerQueryValueW points to inside info, or null; length is in bytes for
    // the fixed part and in characters (with the terminator) for strings.
    function value(name, unit) {
        var at = new BinaryBlob(8), length = new BinaryBlob(4);
        if (!query(info, name, at, length)) return null;
        var words = at.get("uint32"), n = length.get("uint32")[0] * unit;
        var bytes = new BinaryBlob(n);
        copy(bytes, words[0] + words[1] * 4294967296, n);
        return bytes;
    }
    function numbers(high, low) {
        return [high >>> 16, high & 0xffff, low >>> 16, low & 0xffff].join(".");
    }
    var fixed = value("\\", 1);
    if (fixed) {
        var f = fixed.get("uint32");  // signature, structure version, file MS/LS, product MS/LS
        print("fixed ", numbers(f[2], f[3]), " ", numbers(f[4], f[5]));
    }
    var names = ["FileVersion", "ProductVersion"];
    for (var i = 0; i < names.length; i++) {
        var text = value("\\StringFileInfo\\040904B0\\" + names[i], 2);
        var units = text ? text.get("ushort") : [];
        var s = "";
        for (var j = 0; j < units.length && units[j] != 0; j++) s += String.fromCharCode(units[j]);
        print(names[i], " ", s);
    }
    return 0;
}
