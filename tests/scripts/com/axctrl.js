// ActiveX controls in frames: the control exists while its frame is open, data gives
// its object, a named control's events reach the frame's handler object by the bare
// event name (or, without a handler object, the global function name + event name),
// closing disconnects them and opening again connects them anew. No native call comes
// before the controls: nothing but the frame readies their container.
function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}

var seen = [];
var handler = { Clicked: function (x, y) { seen.push("handler " + x + "," + y); } };
function plainClicked(x, y) { seen.push("global " + x + "," + y); }
function ctlClicked(x, y) { seen.push("global ctlClicked: wrong"); }
function clicks(control, x, y) {
    seen = [];
    control.data.Click(x, y);
    return seen.join(" ") || "nothing";
}

function main(args) {
    var frame = new Frame(240, 100, "axctrl test");
    var ctl = frame.axctrl("KovaTest.Control", [10, 10, 100, 60], "ctl");
    var unnamed = frame.axctrl("{00000000-0000-0000-0000-000000000000}", [120, 10, 50, 50]);
    print("closed: ", typeof ctl.data);
    frame.open(handler);
    print("open: ", typeof ctl.data, ", colour 0x", ctl.get().Color.toString(16), ", unknown control: ",
          typeof unnamed.data);
    print("click: ", clicks(ctl, 3, 4));
    var named = frame.axctrl("KovaTest.Control", [180, 10, 50, 50], "plain");
    print("added while open, with a handler object: ", clicks(named, 5, 6));

    var bare = new Frame(100, 60, "axctrl test 2");
    var plain = bare.axctrl("KovaTest.Control", [0, 0, 50, 50], "plain");
    bare.open();
    print("without a handler object: ", clicks(plain, 7, 8));
    bare.close();

    frame.close();
    print("closed again: ", typeof ctl.data);
    frame.open(handler);
    print("opened again: ", clicks(ctl, 9, 10));
    frame.close();
    print("refused: ", [errorOf(function () { ctl.set(1); }),
                        errorOf(function () { frame.axctrl("KovaTest.Control", [1, 2, 3]); }),
                        errorOf(function () { frame.axctrl("KovaTest.Control"); })].join(" "));
    CollectGarbage();
    print("live objects: ", new DllFunc(args[0], "int LiveObjects() stdcall")());
}
