// Events of the project's test server: each reaches prefix + event name with its
// arguments in order, and missing handlers are ignored; a second attach replaces the
// first; detach ends the connection; a handler may detach its own source; a server
// without class information is connected through its first connection point.
var seen = [];
function s_Started() { seen.push("s_Started()"); }
function s_Tick(index, text, value) { seen.push("s_Tick(" + [index, text, value].join(", ") + ")"); }
// no s_Done: ignored
function t_Done(total) { seen.push("t_Done(" + total + ")"); }
function d_Tick(index) {
    seen.push("d_Tick(" + index + ")");
    if (index == 1) seen.push("detach: " + COM.detach(source));
}
var source;

function fired(server, count) {
    seen = [];
    server.Fire(count);
    return (seen.join(" ") || "nothing") + "; connections " + server.Connections;
}

function main() {
    var server = COM.create("KovaTest.Server", "s_");
    print("created with a prefix: ", fired(server, 2));
    print("attach again: ", COM.attach(server, "t_"), ": ", fired(server, 1));
    print("detach: ", COM.detach(server), ", again: ", COM.detach(server), ": ", fired(server, 1));
    print("re-attached: ", COM.attach(server, "s_"), ": ", fired(server, 1));

    source = COM.create("KovaTest.Server", "d_");
    print("handler detaching its source: ", fired(source, 3));

    var plain = COM.create("KovaTest.Plain", "s_");
    print("no class information: ", fired(plain, 1));
    print("a collection has no events: ", COM.attach(server.Items, "s_"));
}
