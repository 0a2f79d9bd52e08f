// Driven by progress_screen.test.sh: opens a progress box at 12.3 %, writes where its
// bar, button and client area are on the screen into the ready file, then computes
// without serving any message until the done file appears, and prints what step and
// close answer afterwards.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var ClientToScreen = new DllFunc(user32, "int ClientToScreen(handle, binary) stdcall");
var GetSysColor = new DllFunc(user32, "uint GetSysColor(int) stdcall");
var GetFileAttributes = new DllFunc("kernel32.dll", "uint GetFileAttributesA(string) stdcall");
var COLOR_WINDOW = 5, COLOR_HIGHLIGHT = 13, COLOR_BTNFACE = 15;

function rect(hwnd) {
    var r = new BinaryBlob(16);
    GetWindowRect(hwnd, r);
    return r.get("int32").join(" ");
}
function rgb(index) {
    var c = GetSysColor(index) >>> 0;  // 0x00BBGGRR
    return (c & 255) + " " + (c >> 8 & 255) + " " + (c >> 16 & 255);
}

function main(args) {
    var p = new Progress();
    p.open("Computing\twithout a pause", "progress-screen", 0);
    p.step(12.3);
    var box = FindWindow(0, "progress-screen [12.3%]");
    var origin = new BinaryBlob(8);
    ClientToScreen(box, origin);
    var ready = new File(args[0], "w");
    ready.print("box " + rect(box));
    ready.print("client " + origin.get("int32").join(" "));
    ready.print("bar " + rect(GetDlgItem(box, 1000)));
    ready.print("button " + rect(GetDlgItem(box, 2)));
    ready.print("face " + rgb(COLOR_BTNFACE));
    ready.print("highlight " + rgb(COLOR_HIGHLIGHT));
    ready.print("window " + rgb(COLOR_WINDOW));
    ready.close();
    var start = tick(), n = 0;
    while ((GetFileAttributes(args[1]) >>> 0) == 0xFFFFFFFF && tick() - start < 30000) n++;
    print("computed for ", tick() - start >= 1000 ? "a second or more" : "less than a second");
    print("step: ", p.step(50), ", close: ", p.close());
}
