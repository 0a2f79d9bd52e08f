// The platform's own automation objects through COM: a dictionary and the file
// system object, their collections as arrays, the browser control's events delivered
// to prefix + event name, and what the COM object does with bad arguments.
function errorOf(f) {
    try { f(); return "no error"; } catch (e) { return "0x" + (e.number >>> 0).toString(16); }
}

var seen = [];
function browser_OnStatusBar(on) { seen.push("status bar " + on); }
function browser_OnVisible(on) { seen.push("visible " + on); }
function again_OnVisible(on) { seen.push("again: visible " + on); }
function dropping_OnVisible(on) { seen.push("detach in the handler: " + COM.detach(browser)); }
var browser;

function main(args) {
    var words = COM.create("Scripting.Dictionary");
    var text = "the cat and the hat and the bat";
    var list = text.split(" ");
    for (var i = 0; i < list.length; i++)
        words.Exists(list[i]) ? words.Item(list[i]) += 1 : words.Add(list[i], 1);
    var keys = COM.enumAll(words), counts = [];
    for (var i = 0; i < keys.length; i++) counts.push(keys[i] + "=" + words.Item(keys[i]));
    print("dictionary: ", counts.join(" "), " (an Array: ", keys instanceof Array, ")");
    print("empty dictionary: ", COM.enumAll(COM.create("Scripting.Dictionary")).length, " items");

    var fso = COM.create("Scripting.FileSystemObject"), folder = args[0];
    var names = ["b.txt", "a.txt", "c.dat"];
    for (var i = 0; i < names.length; i++) fso.CreateTextFile(folder + "\\" + names[i]).Close();
    var files = COM.enumAll(fso.GetFolder(folder).Files), found = [];
    for (var i = 0; i < files.length; i++) found.push(files[i].Name);
    print("files: ", found.sort().join(" "));

    browser = COM.create("Shell.Explorer", "browser_");
    browser.StatusBar = true;
    browser.Visible = false;
    browser.MenuBar = true;  // no handler: ignored
    print("attach again: ", COM.attach(browser, "again_"));
    browser.Visible = true;
    browser.StatusBar = false;
    print("detach: ", COM.detach(browser), ", and again: ", COM.detach(browser));
    browser.Visible = false;
    COM.attach(browser, "dropping_");
    browser.Visible = true;
    browser.Visible = false;
    print("events: ", seen.join(", "));

    print("unknown ProgID: ", typeof COM.create("Kova.NoSuchThing"), ", ", typeof COM.create("Kova.NoSuchThing", "x_"));
    print("not running: ", typeof COM.getobj("Scripting.Dictionary"));
    print("detach of an object never attached: ", COM.detach(words));
    print("attach to an object without events: ", COM.attach(words, "words_"));
    print("CreateDotNet: ", typeof CreateDotNet("mscorlib", "System.Text.StringBuilder"), ", ",
          typeof COM.dotnet("mscorlib", "System.Collections.ArrayList"));
    var refused = [
        function () { COM.create("Scripting.Dictionary", 5); },
        function () { COM.attach(5, "x_"); },
        function () { COM.attach(words, 5); },
        function () { COM.detach("words"); },
        function () { COM.enumAll(null); },
        function () { COM.enumAll(fso); },
        function () { COM.create(); },
        function () { COM.create("a", "b", "c"); },
        function () { COM.getobj(); },
        function () { COM.attach(words); },
        function () { COM.enumAll(); },
        function () { CreateDotNet("mscorlib"); },
        function () { COM.dotnet("a", "b", "c"); },
        function () { COM.nothing(); }
    ], errors = [];
    for (var i = 0; i < refused.length; i++) errors.push(errorOf(refused[i]));
    print("refused: ", errors.join(" "));
}
