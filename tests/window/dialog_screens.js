// Driven by dialog_screens.test.sh: shows input boxes one after another. While each
// is up, a timer writes where it and its parts are on the screen into the file
// ready<N> of the folder given, for the test to type into it and take its picture;
// what the box returns is printed when the test has pressed Return.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(string, string) stdcall");
var FindTitle = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var GetClientRect = new DllFunc(user32, "int GetClientRect(handle, binary) stdcall");
var ClientToScreen = new DllFunc(user32, "int ClientToScreen(handle, binary) stdcall");
var SetWindowPos = new DllFunc(user32, "int SetWindowPos(handle, handle, int, int, int, int, uint) stdcall");
var GetSysColor = new DllFunc(user32, "uint GetSysColor(int) stdcall");

// "name x y w h" for a window's rectangle on the screen.
function place(name, hwnd) {
    var blob = new BinaryBlob(16);
    GetWindowRect(hwnd, blob);
    var r = blob.get("int32");
    return [name, r[0], r[1], r[2] - r[0], r[3] - r[1]].join(" ");
}
function clientPlace(hwnd) {
    var size = new BinaryBlob(16), origin = new BinaryBlob(8);
    GetClientRect(hwnd, size);
    ClientToScreen(hwnd, origin);
    var s = size.get("int32"), o = origin.get("int32");
    return ["client", o[0], o[1], s[2], s[3]].join(" ");
}

// caption, the function, its message
var boxes = [
    ["screen prompt", prompt, "First line of the question\nand its second line"],
    ["screen passwd", passwd, "Password:"],
    ["screen stars", prompt, "Six stars:"]
];
var folder, pending = -1;
var driver = new PopupFrame(1, 1, "dialog screens driver");
function onTimer(e) {
    if (pending < 0) return;
    var box = FindWindow("#32770", boxes[pending][0]);
    if (!box) return;
    var n = pending;
    pending = -1;
    var face = GetSysColor(15) >>> 0;  // 0x00BBGGRR
    var lines = [place("window", box), clientPlace(box), place("edit", GetDlgItem(box, 1000)), place("ok", GetDlgItem(box, 1)),
                 "face " + (face & 255) + " " + (face >> 8 & 255) + " " + (face >> 16 & 255)];
    var ready = new File(folder + "\\ready" + n, "w");
    for (var i = 0; i < lines.length; i++) ready.print(lines[i]);
    ready.close();
}

function main(args) {
    folder = args[0];
    driver.open();
    // Out of the way of the boxes, which are centred.
    SetWindowPos(FindTitle(0, "dialog screens driver"), 0, 0, 0, 1, 1, 0x14);
    driver.setTimer(1, 50);
    for (var i = 0; i < boxes.length; i++) {
        pending = i;
        print(boxes[i][0], ": ", boxes[i][1](boxes[i][2], "", boxes[i][0]));
    }
    driver.close();
}
