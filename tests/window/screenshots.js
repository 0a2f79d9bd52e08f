// Driven by screenshots.test.sh: opens frames of known colours at fixed places, on
// top of every other window, writes their client origins into the ready file and
// keeps them up until the done file appears.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var SetWindowPos = new DllFunc(user32, "int SetWindowPos(handle, handle, int, int, int, int, uint) stdcall");
var ClientToScreen = new DllFunc(user32, "int ClientToScreen(handle, binary) stdcall");
var GetSysColor = new DllFunc(user32, "uint GetSysColor(int) stdcall");
var GetFileAttributes = new DllFunc("kernel32.dll", "uint GetFileAttributesA(string) stdcall");
var HWND_TOPMOST = -1, SWP_NOSIZE = 1, SWP_NOACTIVATE = 0x10;

function block(width, height, colour) {
    var image = new Image(width, height, true);
    image.cls(colour);
    return image;
}

// Places the frame with its window's top left at x, y; answers "name x y" with the
// screen position of its client area's top left.
function place(frame, title, x, y) {
    frame.open();
    var hwnd = FindWindow(0, title);
    SetWindowPos(hwnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    frame.update();
    var point = new BinaryBlob(8);
    ClientToScreen(hwnd, point);
    var p = point.get("int32");
    return title + " " + p[0] + " " + p[1];
}

function main(args) {
    var lines = [];
    // A frame: red, a blue square at (10, 10)-(29, 29), a white last pixel.
    var frame = new Frame(120, 80, "shot-frame");
    frame.image.cls(0xFFFF0000);
    frame.image.draw(block(20, 20, 0xFF0000FF), 10, 10);
    frame.image.pset(119, 79, 0xFFFFFFFF);
    lines.push(place(frame, "shot-frame", 660, 430));

    // A pop-up frame: green with a yellow top-left pixel; no border, so the client
    // area starts where the window does.
    var popup = new PopupFrame(60, 40, "shot-popup");
    popup.image.cls(0xFF00FF00);
    popup.image.pset(0, 0, 0xFFFFFF00);
    lines.push(place(popup, "shot-popup", 820, 430));

    // A tool frame has no canvas: its client area is the button face colour.
    var tool = new ToolFrame(100, 50, "shot-tool");
    lines.push(place(tool, "shot-tool", 660, 560));
    var face = GetSysColor(15) >>> 0;  // 0x00BBGGRR
    lines.push("btnface " + (face & 255) + " " + (face >> 8 & 255) + " " + (face >> 16 & 255));

    // A layered frame over a magenta pop-up: its left half fully transparent, its
    // right half opaque cyan.
    var behind = new PopupFrame(100, 60, "shot-behind");
    behind.image.cls(0xFFFF00FF);
    lines.push(place(behind, "shot-behind", 820, 560));
    var layered = new LayeredFrame(80, 40, "shot-layered");
    layered.image.cls(0x00000000);
    layered.image.draw(block(40, 40, 0xFF00FFFF), 40, 0);
    lines.push(place(layered, "shot-layered", 830, 570));

    // A dialog frame with a button and an edit box on the button face.
    var dialog = new Dialog(160, 70, "shot-controls");
    dialog.button("OK", [10, 10, 60, 24]);
    dialog.editbox("", [10, 40, 140, 22]);
    lines.push(place(dialog, "shot-controls", 660, 650));

    sleep(300);
    var ready = new File(args[0], "w");
    for (var i = 0; i < lines.length; i++) ready.print(lines[i]);
    ready.close();
    // Serving messages meanwhile repaints whatever the display asks for.
    for (var waited = 0; (GetFileAttributes(args[1]) >>> 0) == 0xFFFFFFFF && waited < 30000; waited += 50) sleep(50);
    dialog.close();
    layered.close();
    behind.close();
    tool.close();
    popup.close();
    frame.close();
}
