// WScript.CreateObject with a prefix sends the test server's events to prefix + event
// name; ConnectObject and DisconnectObject change that; Quit from an event handler
// ends everything at once with its code.
var seen = [];
function s_Started() { seen.push("s_Started"); }
function s_Tick(index, text, value) { seen.push("s_Tick(" + [index, text, value].join(", ") + ")"); }
function s_Done(total) { seen.push("s_Done(" + total + ")"); }
function q_Tick(index) {
    WScript.Echo(seen.join(" "), "quitting in q_Tick(" + index + ")");
    WScript.Quit(7);
}

var server = WScript.CreateObject("KovaTest.Server", "s_");
server.Fire(1);
WScript.Echo(seen.join(" ") || "nothing", "; connections", server.Connections);
seen = [];
WScript.DisconnectObject(server);
server.Fire(1);
WScript.Echo("after DisconnectObject:", seen.join(" ") || "nothing", server.Connections);
WScript.ConnectObject(server, "q_");
seen = ["connected"];
server.Fire(3);
WScript.Echo("not reached");
