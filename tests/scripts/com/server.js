// The COM test server through JScript's own ActiveXObject: each property keeps a value
// of its own type, the methods answer, the Items collection reads and refuses a bad
// index, and LiveObjects is back at its start once the objects are dropped.
function main(args) {
    var live = new DllFunc(args[0], "int LiveObjects() stdcall");
    var start = live();
    use(function () { return live() - start; });
    CollectGarbage();
    print("live after: ", live() - start);
}

function hex(n) { return (n >>> 0).toString(16).toUpperCase(); }

// value() or "error HRESULT"
function attempt(f) {
    try { return f(); } catch (e) { return "error " + hex(e.number); }
}

function use(held) {
    var s = new ActiveXObject("KovaTest.Server");
    print("initial: ", [s.Long, s.Short, s.Byte, s.Double, s.Single, s.Bool, "[" + s.Text + "]", s.Currency,
                        typeof s.Variant, s.Object === null].join(" "));
    // Wine's JScript reads no VT_DATE or VT_ERROR value: server.vbs checks Date and Error.
    var writes = [["Long", -2147483648], ["Short", -32768], ["Short", 32768], ["Byte", 255], ["Byte", 256],
                  ["Double", 0.1], ["Single", 0.1], ["Bool", 2], ["Text", 12.5], ["Currency", 1.23456],
                  ["Variant", "v"], ["Variant", 2.5], ["Object", s]];
    for (var i = 0; i < writes.length; i++) {
        var name = writes[i][0], value = writes[i][1];
        var result = attempt(function () {
            s[name] = value;
            var back = s[name];
            return (back === s ? "the server" : "" + back) + " (" + typeof back + ", type " + s.TypeOf(back) + ")";
        });
        print(name, " = ", value === s ? "the server" : "" + value, ": ", result);
    }

    var values = [7, 1.5, "text", true, s];
    var echoes = [], types = [];
    for (i = 0; i < values.length; i++) {
        echoes.push(s.Echo(values[i]) === values[i]);
        types.push(s.TypeOf(values[i]));
    }
    print("Echo: ", echoes.join(" "), "; TypeOf: ", types.join(" "));
    print("Add: ", s.Add(2, 3), " ", "" + s.Add(2147483647, 1), "; Concat: [", s.Concat("ab", "cd"), "] [",
          s.Concat("", ""), "]");

    var items = s.Items, numbers = s.MakeItems(3, 0);
    items.Add(4);
    print("Items: ", items.Count, " ", items.Item(0), " ", items.Item(1), " ", items(2), " ", items.Item(3),
          "; out of range: ", attempt(function () { return items.Item(4); }), ", ",
          attempt(function () { return items.Item(-1); }));
    print("MakeItems: ", numbers.Count, " ", numbers.Item(0) + numbers.Item(2), " calls ", numbers.Calls);
    print("live while held: ", held());
    // The server holds itself through Object: the cycle is broken here.
    s.Object = null;
    print("Object = null: ", s.Object === null);
}
