// native.js: calling functions of the system's DLLs with DllFunc, and handing them
// memory to fill with BinaryBlob.
// Run it as: kova native.js

function main() {
    // A declaration reads like a C prototype: result type, name, parameter types and
    // the calling convention. The Windows API uses stdcall; 64-bit Windows has only
    // one convention, and there both keywords mean it.
    var getTickCount = new DllFunc("kernel32.dll", "uint GetTickCount() stdcall");
    // 32-bit results come back signed; ">>> 0" reads them as unsigned.
    var ms = getTickCount() >>> 0;
    print("the system has been up for ", Math.floor(ms / 60000), " minutes");

    // Memory a function fills is a BinaryBlob, passed as "binary". Here one blob
    // takes the name, another the size in and out.
    var name = new BinaryBlob(64);
    var size = new BinaryBlob(4);
    size.set([name.size], "uint32");
    var getComputerName = new DllFunc("kernel32.dll", "int GetComputerNameA(binary, binary) stdcall");
    if (getComputerName(name, size)) {
        var length = size.get("uint32")[0];
        var text = String.fromCharCode.apply(null, name.get().slice(0, length));
        print("computer name: ", text, " (", length, " characters)");
    }

    // Handles and addresses are pointer-sized: declare them "handle" or "ptr".
    var getModuleHandle = new DllFunc("kernel32.dll", "handle GetModuleHandleA(string) stdcall");
    print("kernel32.dll is loaded at 0x", getModuleHandle("kernel32.dll").toString(16));

    // Strings are copied for the call; wstring passes them as UTF-16.
    var lstrlenW = new DllFunc("kernel32.dll", "int lstrlenW(wstring) stdcall");
    print("lstrlenW(\"KOVA\") = ", lstrlenW("KOVA"));

    var messageBeep = new DllFunc("user32.dll", "int MessageBeep(uint) stdcall");
    print("MessageBeep: ", messageBeep(0) ? "done" : "failed");
    return 0;
}
