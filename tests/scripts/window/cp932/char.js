// Under code page 932 a frame puts a double-byte character's two WM_CHAR bytes
// together into one onChar; a lead byte followed by a byte that cannot trail it is
// dropped, and a single-byte katakana is a character of its own.
var SendMessage = new DllFunc("user32.dll", "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
var FindWindow = new DllFunc("user32.dll", "handle FindWindowA(ptr, string) stdcall");
var frame = new Frame(50, 50, "char test");
var sending = false, fired = false;

function codes(text) {
    var list = [];
    for (var i = 0; i < text.length; i++) list.push("U+" + text.charCodeAt(i).toString(16).toUpperCase());
    return list.join(" ");
}
function onOpen(e) { frame.setTimer(1, 10); }
function onChar(e) { if (sending) print("onChar ", codes(e.charCode)); }
function onTimer(e) {
    // clearTimer serves one message first, perhaps this timer's next one.
    if (fired) return;
    fired = true;
    frame.clearTimer(1);
    var hwnd = FindWindow(0, "char test");
    var bytes = [[0x82, 0xA0], [0x88, 0x9F], [0x82, 0x20], [0xB1], [0x41]];
    for (var i = 0; i < bytes.length; i++) {
        print("-- ", bytes[i].join(" "));
        sending = true;
        for (var j = 0; j < bytes[i].length; j++) SendMessage(hwnd, 0x0102, bytes[i][j], 1);
        sending = false;
    }
    frame.close();
}
function main() { frame.modal(); }
