// Text arguments under code page 932: a string goes as its Shift_JIS bytes, a
// wstring as UTF-16 units, each a copy ending in zero.
var k32 = "kernel32.dll";

function main() {
    var text = "“ú–{Œê‚ÌƒeƒLƒXƒg";
    print("lstrlenA ", new DllFunc(k32, "int lstrlenA(string)")(text), ", lstrlenW ",
          new DllFunc(k32, "int lstrlenW(wstring) stdcall")(text), ", empty ",
          new DllFunc(k32, "int lstrlenW(wstr)")(""));
    var blob = new BinaryBlob(10);
    new DllFunc(k32, "ptr lstrcpyA(binary, string)")(blob, "“ú–{Œê");
    print("bytes: ", blob.get().join(" "));
    new DllFunc(k32, "ptr lstrcpyW(binary, wstring)")(blob, "“ú–{Œê");
    var units = blob.get("ushort");
    for (var i = 0; i < units.length; i++) units[i] = units[i].toString(16);
    print("units: ", units.join(" "));
    var lower = new DllFunc("user32.dll", "ptr CharLowerW(wstring)");
    var wide = "‚`‚a‚b";
    lower(wide);
    print("unchanged: ", wide == "‚`‚a‚b");
}
