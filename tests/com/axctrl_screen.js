// Driven by axctrl_screen.test.sh: a frame with a white canvas and the test control at
// (20, 10), 120 x 60, on top of every other window. It writes the frame's client
// origin into the ready file; a click on the control reaches the handler object's
// Clicked, which writes the point into the clicked file and turns the control red
// through its object. The frame stays up until the done file appears.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var SetWindowPos = new DllFunc(user32, "int SetWindowPos(handle, handle, int, int, int, int, uint) stdcall");
var ClientToScreen = new DllFunc(user32, "int ClientToScreen(handle, binary) stdcall");
var GetFileAttributes = new DllFunc("kernel32.dll", "uint GetFileAttributesA(string) stdcall");
var HWND_TOPMOST = -1, SWP_NOSIZE = 1, SWP_NOACTIVATE = 0x10;

function main(args) {
    var frame = new Frame(200, 100, "axctrl-shot");
    frame.image.cls(0xFFFFFFFF);
    var control = frame.axctrl("KovaTest.Control", [20, 10, 120, 60], "ctl");
    frame.open({ Clicked: function (x, y) {
        var clicked = new File(args[1], "w");
        clicked.print("clicked " + x + " " + y);
        clicked.close();
        control.data.Color = 0x0000FF;  // 0x00BBGGRR: red
    } });
    var hwnd = FindWindow(0, "axctrl-shot");
    SetWindowPos(hwnd, HWND_TOPMOST, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    frame.update();
    var point = new BinaryBlob(8);
    ClientToScreen(hwnd, point);
    sleep(300);
    var ready = new File(args[0], "w");
    ready.print("frame " + point.get("int32").join(" "));
    ready.close();
    // Serving messages meanwhile repaints whatever the display asks for.
    for (var waited = 0; (GetFileAttributes(args[2]) >>> 0) == 0xFFFFFFFF && waited < 30000; waited += 50) sleep(50);
    frame.close();
}
