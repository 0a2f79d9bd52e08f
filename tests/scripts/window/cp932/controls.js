// Under code page 932 an edit box keeps Japanese text byte for byte: what set() puts
// in comes back from get() and, as Shift_JIS, from the window itself; "表" and
// "ソ" end in the byte 0x5C, which must not be taken for a backslash.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var FindWindowEx = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, ptr) stdcall");
var GetWindowText = new DllFunc(user32, "int GetWindowTextA(handle, binary, int) stdcall");

function hex(bytes) {
    var out = [];
    for (var i = 0; i < bytes.length; i++) out.push((bytes[i] < 16 ? "0" : "") + bytes[i].toString(16).toUpperCase());
    return out.join(" ");
}
function main() {
    var frame = new Dialog(200, 60, "cp932 controls");
    var edit = frame.editbox("", [10, 10, 180, 22]);
    frame.open();
    var box = FindWindowEx(FindWindow(0, "cp932 controls"), 0, "EDIT", 0);
    // 日本語, 表示 and ソフト with half-width ｶﾅ, and one with a line break
    var texts = ["\u65E5\u672C\u8A9E", "\u8868\u793A \u30BD\u30D5\u30C8 \uFF76\uFF85", "\u8868\n\u30BD"];
    for (var i = 0; i < texts.length; i++) {
        edit.set(texts[i]);
        var blob = new BinaryBlob(64);
        var n = GetWindowText(box, blob, 64);
        print(i, ": get ", edit.get() === texts[i] ? "same" : "differs",
              ", window ", hex(blob.get("byte").slice(0, n)), " (", hex(encode(texts[i].replace(/\n/g, "\r\n"), "sjis")), ")");
    }
    frame.close();
    print("after close: ", edit.data === texts[2] ? "same" : "differs");
}
