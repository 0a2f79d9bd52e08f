// Hostile-argument sweep (JScript): every member of every host class and every
// global function, called with awkward values and 0 to 3 arguments, on fresh, open
// and closed objects. Run by sweep.test.sh:
//   sweep.js MEMBERS [full|small|tiny [CALLS [timed|trace]]]
// MEMBERS lists the member tables of src/ ("M class name min max", "P class name
// get put") and the global names ("G name engine"). Every call is caught; a call
// outside a method's argument counts that succeeds is a fault, and so is a class or
// global name the sweep does not know. Blocking members are ended by the timer of a
// frame of the sweep's own (dialogs closed, menus ended, modal frames closed).
// The last line is "sweep: done, N faults".

// Faults known and not yet fixed: the calls they hit are left out. Each entry: where
// (class/member, "*" for any) and which value (its name in the value table, "*" for
// any), or a count check ("count").
var known = [];

// Value sets: full (19 values), small (8) or tiny (4, for the emulated 32-bit build,
// which also sweeps fewer object states).
var size = Script.args.length < 2 ? "full" : Script.args[1];
var full = size == "full", tiny = size == "tiny";
// The third word (the VBScript calls file) is not used here; a fourth word "timed"
// adds the milliseconds spent to the summary, "trace" names each call on stderr first.
var timed = Script.args.length > 3 && Script.args[3] == "timed";
var tracing = Script.args.length > 3 && Script.args[3] == "trace";

// ---- what the runtime has: read from the member tables of src/
var tables = {}, globalNames = [], globalSeen = {};
(function () {
    var f = File.open(Script.args[0]);
    while (!f.eof) {
        var w = f.gets().replace(/[\r\n]+$/, "").split(" ");
        if (w[0] == "G") {
            if (w[2] == "Any" || w[2] == "JScript") { globalNames.push(w[1]); globalSeen[w[1]] = true; }
        } else if (w[0] == "M" || w[0] == "P") {
            if (!tables[w[1]]) tables[w[1]] = [];
            tables[w[1]].push({ kind: w[0], name: w[2], a: +w[3], b: +w[4] });
        }
    }
    f.close();
})();

// ---- counting
var counts = {}, order = [], faults = [], longWaits = 0;
function fault(text) { faults.push(text); }
function count(cls, refused, ms) {
    if (!counts[cls]) { counts[cls] = { calls: 0, refused: 0, ms: 0 }; order.push(cls); }
    counts[cls].ms += ms || 0;
    counts[cls].calls++;
    if (refused) counts[cls].refused++;
}
function isKnown(where, value) {
    for (var i = 0; i < known.length; i++) {
        var k = known[i];
        // "class/*" stands for every member of the class.
        var whole = k.where.slice(-2) == "/*" && where.indexOf(k.where.slice(0, -1)) == 0;
        if ((k.where == "*" || k.where == where || whole) && (k.value == "*" || k.value == value)) return true;
    }
    return false;
}

// ---- the closer: a frame whose timer ends whatever blocks
var FindWindow = new DllFunc("user32.dll", "int FindWindowA(string, int) stdcall");
var PostMessage = new DllFunc("user32.dll", "int PostMessageA(int, uint, uint, int) stdcall");
var EndMenu = new DllFunc("user32.dll", "int EndMenu() stdcall");
var armed = null, modalTarget = null;
var closer = new Frame(40, 30, "sweep-closer");
closer.open({ onTimer: function () {
    if (armed == "dialog") {
        var h = FindWindow("#32770", 0);
        if (h) PostMessage(h, 0x10, 0, 0);  // WM_CLOSE
    } else if (armed == "menu") {
        EndMenu();
    } else if (armed == "modal" && modalTarget) {
        try { modalTarget.close(); } catch (e) {}
    }
} });
closer.setTimer(1, 10);

// ---- the values
var long = "x";
while (long.length < 131072) long += long;
var hugeArray = [];
hugeArray.length = 268435457;
var spareImage = new Image(4, 4);
function scriptFunction() { return 1; }
var values = [
    ["undefined", undefined], ["null", null], ["0", 0], ["-1", -1],
    ["2^31", 2147483648], ["-2^31", -2147483648], ["1e308", 1e308], ["NaN", NaN],
    ["Infinity", Infinity], ["-Infinity", -Infinity], ["empty", ""], ["bomb", "%s%s%n%999999d"],
    ["long", long], ["surrogate", "\uD800"], ["hostObject", spareImage], ["scriptObject", { a: 1 }],
    ["array", [1, 2, 3]], ["function", scriptFunction], ["date", new Date(2001, 0, 2)],
    ["hugeArray", hugeArray]
];
if (!full) {
    var few = tiny ? { "undefined": 1, "-1": 1, "bomb": 1, "hostObject": 1 }
                   : { "undefined": 1, "-1": 1, "2^31": 1, "NaN": 1, "bomb": 1, "long": 1, "hostObject": 1, "array": 1,
                       "hugeArray": 1 };
    var kept = [];
    for (var i = 0; i < values.length; i++) if (few[values[i][0]]) kept.push(values[i]);
    values = kept;
}
// Argument lists: none; each value alone; each with two others, in a fixed order.
var argLists = [[]];
(function () {
    var n = values.length;
    for (var i = 0; i < n; i++) argLists.push([values[i]]);
    for (var i = 0; i < n; i++) argLists.push([values[i], values[(i + 3) % n]]);
    for (var i = 0; i < n; i++) argLists.push([values[i], values[(i + 5) % n], values[(i + 11) % n]]);
})();
function skipped(where, list) {
    for (var i = 0; i < list.length; i++) if (isKnown(where, list[i][0])) return true;
    return false;
}

// One call of o[name] (or of o itself when name is "") with the values of list.
function invoke(o, name, list) {
    var a = [];
    for (var i = 0; i < list.length; i++) a.push(list[i][1]);
    if (name == "") {
        switch (a.length) {
        case 0: return o();
        case 1: return o(a[0]);
        case 2: return o(a[0], a[1]);
        default: return o(a[0], a[1], a[2]);
        }
    }
    switch (a.length) {
    case 0: return o[name]();
    case 1: return o[name](a[0]);
    case 2: return o[name](a[0], a[1]);
    default: return o[name](a[0], a[1], a[2]);
    }
}

// Calls one method with every argument list. counts: [min, max] (-1: any); prepare
// makes the object for each call (its state); block names what the closer ends.
function sweepMethod(cls, where, name, range, prepare, block) {
    for (var i = 0; i < argLists.length; i++) {
        var list = argLists[i];
        if (skipped(where, list)) continue;
        if (block && block.skip && block.skip(list)) { longWaits++; continue; }
        var o = prepare();
        var refused = false;
        armed = block ? block.kind : null;
        modalTarget = o;
        if (tracing) stderr.print("call " + where + " " + list.length);
        var t0 = tick();
        try { invoke(o, name, list); } catch (e) { refused = true; }
        armed = null;
        modalTarget = null;
        count(cls, refused, tick() - t0);
        var n = list.length;
        if (!refused && range && ((range[0] >= 0 && n < range[0]) || (range[1] >= 0 && n > range[1])))
            fault(where + " with " + n + " arguments succeeded");
    }
}
function sweepProperty(cls, where, name, writable, prepare) {
    var o = prepare(), refused = false;
    try { var x = o[name]; } catch (e) { refused = true; }
    count(cls, refused);
    for (var i = 0; i < values.length; i++) {
        if (isKnown(where, values[i][0])) continue;
        o = prepare();
        refused = false;
        try { o[name] = values[i][1]; } catch (e) { refused = true; }
        count(cls, refused);
        if (!refused && !writable) fault(where + " = " + values[i][0] + " written though read-only");
    }
}
// Every member of the C++ class table on objects made by prepare.
var used = {};
function sweepTable(table, cls, prepare, blocks) {
    used[table] = true;
    var members = tables[table];
    if (!members) { fault("no member table " + table); return; }
    for (var i = 0; i < members.length; i++) {
        var m = members[i], where = cls + "/" + m.name;
        if (m.kind == "M") sweepMethod(cls, where, m.name, [m.a, m.b], prepare, blocks && blocks[m.name]);
        else sweepProperty(cls, where, m.name, m.b == 1, prepare);
    }
}

var dialogBlock = { kind: "dialog" };
var menuBlock = { kind: "menu" };
var modalBlock = { kind: "modal" };

// ---- globals
// Argument counts of each global ([min, max], -1 for any), and what blocks.
var globalCounts = {
    CreateDotNet: [2, 2], print: [-1, -1], printf: [-1, -1], sprintf: [-1, -1], sscanf: [-1, -1],
    sleep: [1, 1], beep: [0, 0], tick: [0, 0], exit: [0, 1], exec: [1, 1], system: [0, 1],
    startfile: [1, 1], process: [1, 3], guid: [0, 0], fps: [1, 1], sync: [0, 0],
    encode: [-1, -1], decode: [-1, -1], getch: [0, 0], getche: [0, 0], kbhit: [0, 0],
    alert: [1, 2], confirm: [1, 2], prompt: [1, 3], passwd: [1, 3], openDlg: [0, 1], saveDlg: [0, 1],
    folderDlg: [0, 2], rgb: [-1, -1], rgba: [-1, -1], chr: [1, 1], ord: [1, 1], str: [1, 1],
    int: [1, 1], uint: [1, 1], cstr: [1, 1]
};
var objectGlobals = {
    COM: 1, Frame: 1, Dialog: 1, ToolFrame: 1, PopupFrame: 1, LayeredFrame: 1, TrayTool: 1, FullScreen: 1,
    Image: 1, File: 1, Progress: 1, DllFunc: 1, BinaryBlob: 1, stdin: 1, stdout: 1, stderr: 1
};
// Numbers of milliseconds that sleep waits by design for days: not called.
function longSleep(list) {
    if (list.length != 1) return false;
    var v = list[0][1];
    if (typeof v != "number" || !(Math.abs(v) < 9.2e18)) return false;
    var ms = ((v < 0 ? Math.ceil(v) : Math.floor(v)) % 4294967296 + 4294967296) % 4294967296;
    return ms > 2000 || list[0][0] == "date";
}
function textOnly(list) {
    // Programs are started with harmless texts only: no objects whose text could be anything.
    for (var i = 0; i < list.length; i++) {
        var t = typeof list[i][1];
        if (t == "object" && list[i][1] !== null && list[i][0] != "array" && list[i][0] != "date") return true;
        if (t == "function") return true;
    }
    return false;
}
var globalBlocks = {
    alert: dialogBlock, confirm: dialogBlock, prompt: dialogBlock, passwd: dialogBlock,
    openDlg: dialogBlock, saveDlg: dialogBlock, folderDlg: dialogBlock,
    sleep: { kind: null, skip: longSleep },
    // exit ends the process: only its refused forms run here; exit(0) ends the sweep.
    exit: { kind: null, skip: function (list) { return list.length < 2; } },
    system: { kind: null, skip: textOnly },
    startfile: { kind: null, skip: textOnly },
    process: { kind: null, skip: textOnly }
};
for (var g = 0; g < globalNames.length; g++) {
    var name = globalNames[g];
    if (objectGlobals[name]) continue;
    if (!globalCounts[name]) { fault("global " + name + " unknown to the sweep"); continue; }
    var fn = Script[name];
    // Programs started write to standard error: marked for the driver.
    var starts = name == "system" || name == "startfile" || name == "process";
    if (starts) stderr.print("sweep: stderr writes begin");
    sweepMethod("globals", "globals/" + name, "", globalCounts[name], function () { return fn; }, globalBlocks[name]);
    if (starts) { stderr.print(""); stderr.print("sweep: stderr writes end"); }
    if (name == "fps") fps(30);
}
// A waited process with a frame as owner, ended by its own command.
try { process(closer, "cmd /c exit 3", 1); count("globals", false); } catch (e) { count("globals", true); }
for (var name in Script) {
    if (!globalSeen[name] && name != "args" && name != "version" && name != "pwd")
        fault("Script member " + name + " unknown to the sweep");
}
for (var name in globalSeen)
    if (!globalCounts[name] && !objectGlobals[name]) fault("global " + name + " not swept");
// Script's own values.
(function () {
    var props = ["args", "version", "pwd"];
    for (var i = 0; i < props.length; i++) {
        var where = "Script/" + props[i];
        if (isKnown(where, "*")) continue;
        for (var j = 0; j < argLists.length; j++) {
            var refused = false;
            try { invoke(Script, props[i], argLists[j]); } catch (e) { refused = true; }
            count("Script", refused);
        }
    }
})();

// ---- class objects (isinst, New, and the static load and open)
var classNames = ["Frame", "Dialog", "ToolFrame", "PopupFrame", "LayeredFrame", "TrayTool", "FullScreen",
                  "Image", "File", "Progress", "DllFunc", "BinaryBlob"];
for (var c = 0; c < classNames.length; c++) {
    var cls = classNames[c], classObject = Script[cls];
    var prep = function () { return classObject; };
    if (cls == "Image") sweepTable("NImageClass", "class Image", prep);
    if (cls == "File") sweepTable("NFileClass", "class File", prep);
    sweepTable("NClassBase", "class " + cls, prep);
}

// ---- frames, fresh, open and closed, with their controls
var frameKinds = ["Frame", "Dialog", "ToolFrame", "PopupFrame", "LayeredFrame", "TrayTool", "FullScreen"];
var frameBlocks = { modal: modalBlock, popup: menuBlock };
var states = ["fresh", "open", "closed"];
function makeFrame(kind, state) {
    var f = new Script[kind](120, 80, "sweep-target");
    f.addmenu("File", ["One", "Two"]);
    if (state != "fresh") f.open();
    if (state == "closed") f.close();
    return f;
}
for (var k = 0; k < frameKinds.length; k++) {
    var kind = frameKinds[k];
    for (var s = 0; s < states.length; s++) {
        var state = states[s], kept = null;
        // Frame and Dialog in every state, the other kinds open; tiny: Frame open.
        if (state != "open" && k > 1) continue;
        if (tiny && (k > 0 || state != "open")) continue;
        // Fresh objects are new for each call; open and closed ones are made again
        // only when a call changed their state.
        var prep = (function (kind, state) {
            return function () {
                if (state == "fresh" || !kept || kept.valid != (state == "open")) {
                    // A fresh frame that a call opened is closed before the next is made.
                    if (kept && kept.valid) kept.close();
                    kept = makeFrame(kind, state);
                }
                return kept;
            };
        })(kind, state);
        sweepTable("NFrameBase", kind + " " + state, prep, frameBlocks);
        if (kept && kept.valid) kept.close();
    }
}

// Controls: made on an open frame, on a closed one and on one never opened.
var controlKinds = [
    ["Button", "button", "OK", [10, 10, 60, 30]],
    ["EditBox", "editbox", "text", [10, 40, 100, 60]],
    ["EditBoxWide", "editbox", "wide", [0, 0, 100000, 20]],
    ["AxCtrl", "axctrl", "No.Such.Control", [10, 70, 100, 90]]
];
for (var c = 0; c < controlKinds.length; c++) {
    var ck = controlKinds[c];
    if (tiny && c > 1) continue;
    for (var s = 0; s < states.length; s++) {
        if (tiny && states[s] != "open") continue;
        var host = makeFrame("Frame", "fresh");
        var control = null;
        try { control = host[ck[1]](ck[2], ck[3], "c" + c); count(ck[0], false); } catch (e) { count(ck[0], true); }
        // A control the frame refuses (the wide edit box may be) has nothing to sweep.
        if (!control) continue;
        if (states[s] != "fresh") host.open();
        if (states[s] == "closed") host.close();
        sweepTable("NControl", ck[0], function () { return control; });
        if (host.valid) host.close();
    }
}

// ---- progress boxes: never opened, open (owned and threaded) and closed
var progressStates = ["fresh", "owned", "threaded", "closed"];
var owner = makeFrame("Frame", "open");
for (var s = 0; s < progressStates.length; s++) {
    var p = new Progress(), state = progressStates[s];
    if (tiny && state != "threaded") continue;
    var prep = (function (state) {
        return function () {
            // Opened again only when a call closed it: step answers nothing then.
            var open = false;
            try { open = p.step(0) !== undefined; } catch (e) {}
            if (open) return p;
            if (state == "owned") p.open(owner, "sweeping", "sweep", 2);
            else if (state == "threaded") p.open("sweeping", "sweep", 2);
            return p;
        };
    })(state);
    if (state == "closed") { p.open("x"); p.close(); }
    sweepTable("NProgress", "Progress", prep);
    try { p.close(); } catch (e) {}
}
owner.close();

// ---- images: made, loaded and a frame's canvas
var imageFile = "sweep.png";
new Image(8, 8).save(imageFile);
var imageMakers = [
    function () { return new Image(16, 16); },
    function () { return Image.load(imageFile); },
    function () { return makeFrame("Frame", "fresh").image; }
];
for (var i = 0; i < (tiny ? 1 : imageMakers.length); i++) sweepTable("NImage", "Image", imageMakers[i]);

// ---- blobs of sizes 0 and 16
for (var size = 0; size <= 16; size += 16) {
    (function (size) { sweepTable("NBinaryBlob", "BinaryBlob", function () { return new BinaryBlob(size); }); })(size);
}

// ---- files: open for reading, for writing, closed; the standard streams
function fileIn() { return File.open(imageFile, "r"); }
function fileOut() { return File.open("sweep-out.txt", "w"); }
function fileClosed() { var f = File.open("sweep-out.txt", "w"); f.close(); return f; }
if (!tiny) sweepTable("NFile", "File", fileIn);
sweepTable("NFile", "File", fileOut);
if (!tiny) sweepTable("NFile", "File", fileClosed);
sweepTable("NFile", "stdout", function () { return stdout; });
stderr.print("sweep: stderr writes begin");
sweepTable("NFile", "stderr", function () { return stderr; });
stderr.print("");
stderr.print("sweep: stderr writes end");
// stdin reads give end of file (the driver gives it none).
sweepTable("NFile", "stdin", function () { return stdin; });

// ---- COM
sweepTable("NComSupport", "COM", function () { return COM; });

// ---- WScript, its argument collections and streams. Quit ends the process and runs
// only in its refused forms; Sleep waits no longer than sleep does here. Their values
// become text or numbers as OLE Automation converts them, which asks an object for its
// value: the huge array's is a string of 268 million commas, minutes of work by design.
for (var wsh in { WScript: 1, Arguments: 1, Named: 1, StdIn: 1, StdOut: 1 }) known.push({ where: wsh + "/*", value: "hugeArray" });
sweepTable("NWScript", "WScript", function () { return WScript; }, { Quit: globalBlocks.exit, Sleep: globalBlocks.sleep });
WScript.Timeout = 0;
sweepTable("NWshArguments", "Arguments", function () { return WScript.Arguments; });
sweepMethod("Arguments", "Arguments/", "", [1, 1], function () { return WScript.Arguments; });
sweepTable("NWshArguments", "Named", function () { return WScript.Arguments.Named; });
sweepTable("NWshStream", "StdIn", function () { return WScript.StdIn; });
// Standard error was rewound above: its writes would land over earlier lines.
sweepTable("NWshStream", "StdOut", function () { return WScript.StdOut; });

// ---- DllFunc calls: one per parameter kind, each safe with any value (a blob
// argument that is no blob passes a null pointer, which lstrcmpA checks for)
var dllFuncs = [
    ["kernel32.dll", "uint GetTickCount() stdcall"],
    ["kernel32.dll", "int MulDiv(int, int, int) stdcall"],
    ["kernel32.dll", "int lstrlenA(string) stdcall"],
    ["kernel32.dll", "int lstrlenW(wstring) stdcall"],
    ["kernel32.dll", "int lstrcmpA(binary, string) stdcall"],
    ["msvcrt.dll", "double floor(double) cdecl"],
    ["msvcrt.dll", "int abs(short) cdecl"],
    ["msvcrt.dll", "double ldexp(double, int) cdecl"],
    ["user32.dll", "int GetSystemMetrics(int) stdcall"]
];
used["NDllFunc"] = true;
for (var i = 0; i < dllFuncs.length; i++) {
    var df = new DllFunc(dllFuncs[i][0], dllFuncs[i][1]);
    if (!df) { fault("DllFunc " + dllFuncs[i][1] + " not made"); continue; }
    var params = dllFuncs[i][1].replace(/^[^(]*\(|\).*$/g, "");
    var n = params == "" ? 0 : params.split(",").length;
    sweepMethod("DllFunc", "DllFunc/", "", [n, n], function () { return df; });
}

// ---- every class of src/ reached?
for (var t in tables) if (!used[t]) fault("class table " + t + " unknown to the sweep");

closer.close();
for (var i = 0; i < order.length; i++)
    print(order[i] + ": " + counts[order[i]].calls + " calls, " + counts[order[i]].refused + " refused" + (timed ? ", " + counts[order[i]].ms + " ms" : ""));
print("sleep calls of days not made: " + longWaits);
for (var i = 0; i < faults.length; i++) print("FAULT: " + faults[i]);
print("sweep: done, " + faults.length + " faults");
exit(0);
