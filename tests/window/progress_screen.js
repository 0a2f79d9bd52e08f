// Driven by progress_screen.test.sh: opens a progress box at 12.3 %, writes where its
// bar, button and client area are and the colours it should show into the ready file,
// then computes without serving a message until the done file appears.
var user32 = "user32.dll";
var FindWindow = new DllFunc(user32, "handle FindWindowA(ptr, string) stdcall");
var GetDlgItem = new DllFunc(user32, "handle GetDlgItem(handle, int) stdcall");
var GetWindowRect = new DllFunc(user32, "int GetWindowRect(handle, binary) stdcall");
var ClientToScreen = new DllFunc(user32, "int ClientToScreen(handle, binary) stdcall");
var GetSysColor = new DllFunc(user32, "uint GetSysColor(int) stdcall");
var GetFileAttributes = new DllFunc("kernel32.dll", "uint GetFileAttributesA(string) stdcall");

function main(args) {
    var p = new Progress();
    p.open("Computing\twithout a pause", "progress-screen", 0);
    p.step(12.3);
    var box = FindWindow(0, "progress-screen [12.3%]"), blob = new BinaryBlob(16), ready = new File(args[0], "w");
    ClientToScreen(box, blob);
    ready.print("client " + blob.get("int32").slice(0, 2).join(" "));
    var parts = [["bar", GetDlgItem(box, 1000)], ["button", GetDlgItem(box, 2)]];
    for (var i = 0; i < parts.length; i++) {
        GetWindowRect(parts[i][1], blob);
        ready.print(parts[i][0] + " " + blob.get("int32").join(" "));
    }
    var colours = [["window", 5], ["highlight", 13], ["face", 15]];  // as 0xBBGGRR
    for (var i = 0; i < colours.length; i++)
        ready.print(colours[i][0] + " " + ("00000" + (GetSysColor(colours[i][1]) >>> 0).toString(16)).slice(-6));
    ready.close();
    for (var start = tick(); (GetFileAttributes(args[1]) >>> 0) == 0xFFFFFFFF && tick() - start < 30000;) {}
    print(tick() - start >= 1000 ? "computed for a second or more" : "computed for less than a second");
    print("step: ", p.step(50), ", close: ", p.close());
}
