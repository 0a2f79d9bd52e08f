// paint.js: a window to draw in with the mouse. Hold the left button down and move to
// draw; choose a colour from the Colour menu or with the keys 1 to 6; the File menu
// clears the picture, saves it as paint.bmp or paint.tga, and quits (so does Escape).
// Run it as: kova paint.js [folder]          (pictures are saved there, or in the current folder)
//            kova paint.js --demo [folder]   (draws a figure by itself, saves it both ways, quits)
//
// The demo moves no real mouse: it sends the window the messages a mouse and the menus
// would send, through DllFunc, so the drawing goes through the same handlers.

var WIDTH = 400, HEIGHT = 300, PAPER = rgb(255, 255, 255);
var palette = [
    ["Black", rgb(0, 0, 0)], ["Red", rgb(220, 0, 0)], ["Green", rgb(0, 160, 0)],
    ["Blue", rgb(0, 0, 220)], ["Orange", rgb(255, 140, 0)], ["White", PAPER]
];
var frame, folder = "", colour = 0, drawing = false, lastX = 0, lastY = 0;

function main(args) {
    var demo = args.length > 0 && args[0] == "--demo";
    if (demo) args = args.slice(1);
    if (args.length > 0) folder = args[0] + "\\";

    // Menus belong before open: the menu bar is made with the window.
    frame = new Frame(WIDTH, HEIGHT, "KOVA Paint");
    frame.addmenu("File", ["Clear", "Save as BMP", "Save as TGA", "-", "Quit"], "file_");
    var names = [];
    for (var i = 0; i < palette.length; i++) names.push(palette[i][0] + "\t" + (i + 1));
    frame.addmenu("Colour", names, "colour_");
    frame.statusbar = true;
    frame.image.cls(PAPER);
    chooseColour(0);
    if (demo) demoOnOpen = true;
    // modal() returns when the window closes.
    frame.modal();
    return 0;
}

// A line of 2 x 2 dots from one point to the next (Bresenham's steps), so that a fast
// stroke, whose mouse positions lie far apart, stays one line.
function line(x0, y0, x1, y1) {
    var img = frame.image, c = palette[colour][1];
    var dx = Math.abs(x1 - x0), dy = -Math.abs(y1 - y0);
    var sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        img.pset(x0, y0, c); img.pset(x0 + 1, y0, c);
        img.pset(x0, y0 + 1, c); img.pset(x0 + 1, y0 + 1, c);
        if (x0 == x1 && y0 == y1) break;
        var e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

function chooseColour(index) {
    colour = index;
    frame.status = "Colour: " + palette[index][0] + ". Hold the left button down to draw.";
}

// Pressing starts a stroke. capture = true keeps the mouse messages coming to this
// window while the button is down, even outside it; the release ends the capture.
function onMouseDown(e) {
    if (e.button != 0) return;
    drawing = true;
    e.capture = true;
    lastX = e.x; lastY = e.y;
    line(lastX, lastY, lastX, lastY);
    e.window.update();
}

function onMouseMove(e) {
    if (!drawing) return;
    line(lastX, lastY, e.x, e.y);
    lastX = e.x; lastY = e.y;
    e.window.update();
}

function onMouseUp(e) {
    drawing = false;
}

function onKeyDown(e) {
    if (e.keyCode >= 0x31 && e.keyCode < 0x31 + palette.length) chooseColour(e.keyCode - 0x31);
    else if (e.keyCode == 27) e.window.close();
}

function save(name) {
    var path = folder + name;
    var done = frame.image.save(path);
    frame.status = (done ? "Saved " : "Could not save ") + path;
    print(frame.status);
}

// File menu: e.index counts the items without the separator.
function file_onMenu(e) {
    switch (e.index) {
    case 0: frame.image.cls(PAPER); frame.update(); break;
    case 1: save("paint.bmp"); break;
    case 2: save("paint.tga"); break;
    case 3: frame.close(); break;
    }
}

function colour_onMenu(e) {
    chooseColour(e.index);
}

// --- the demo: a red star inside a blue ring, then File > Save as BMP, Save as TGA, Quit.

var demoOnOpen = false;
var user32 = "user32.dll";

function onOpen(e) {
    // The window is not shown yet while onOpen runs: the demo starts from a timer.
    if (demoOnOpen) e.window.setTimer(1, 100);
}

function onTimer(e) {
    e.window.clearTimer(1);
    // SendMessageA hands each message to the window at once. Posted ones would wait in
    // the queue, and every use of a frame serves one waiting message, so a handler
    // touching the frame would run the next handler in the middle of its own.
    var send = new DllFunc(user32, "ptr SendMessageA(handle, uint, ptr, ptr) stdcall");
    var getMenu = new DllFunc(user32, "handle GetMenu(handle) stdcall");
    var getSubMenu = new DllFunc(user32, "handle GetSubMenu(handle, int) stdcall");
    var getMenuItemID = new DllFunc(user32, "uint GetMenuItemID(handle, int) stdcall");
    var WM_COMMAND = 0x0111, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202;
    var MK_LBUTTON = 1;

    var hwnd = ownWindow("KOVA Paint");
    var bar = getMenu(hwnd);
    // A menu item's command as a click on it sends it; positions count the separator.
    function choose(menu, position) {
        send(hwnd, WM_COMMAND, getMenuItemID(getSubMenu(bar, menu), position), 0);
    }
    function stroke(points) {
        for (var i = 0; i < points.length; i++) {
            var msg = i == 0 ? WM_LBUTTONDOWN : WM_MOUSEMOVE;
            send(hwnd, msg, MK_LBUTTON, points[i][1] << 16 | points[i][0]);
        }
        send(hwnd, WM_LBUTTONUP, 0, points[i - 1][1] << 16 | points[i - 1][0]);
    }
    function around(corners, step, radius) {
        var points = [];
        for (var i = 0; i <= corners; i++) {
            var angle = (i * step / corners - 0.25) * 2 * Math.PI;
            points.push([Math.round(200 + radius * Math.cos(angle)), Math.round(150 + radius * Math.sin(angle))]);
        }
        return points;
    }
    choose(1, 1);                  // Colour > Red
    stroke(around(5, 2, 100));     // a five-pointed star, its top at (200, 50)
    choose(1, 3);                  // Colour > Blue
    stroke(around(36, 1, 120));    // a ring through (320, 150)
    choose(0, 1);                  // File > Save as BMP
    choose(0, 2);                  // File > Save as TGA
    choose(0, 4);                  // File > Quit
}

// The window of this program with the given title: frames are of the class
// "NWindow Class Name", and the window's thread is this script's.
function ownWindow(title) {
    var findWindowEx = new DllFunc(user32, "handle FindWindowExA(handle, handle, string, string) stdcall");
    var threadOf = new DllFunc(user32, "uint GetWindowThreadProcessId(handle, ptr) stdcall");
    var thread = new DllFunc("kernel32.dll", "uint GetCurrentThreadId() stdcall")();
    for (var h = 0; (h = findWindowEx(0, h, "NWindow Class Name", title)) != 0;) {
        if (threadOf(h, 0) == thread) return h;
    }
    return 0;
}
