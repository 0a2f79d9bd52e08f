// Counts words with a dictionary and prints them sorted, most frequent first.
var text = "the quick brown fox jumps over the lazy dog the fox";
var d = WScript.CreateObject("Scripting.Dictionary");
var words = text.split(" ");
for (var i = 0; i < words.length; i++) d.Item(words[i]) = d.Exists(words[i]) ? d.Item(words[i]) + 1 : 1;
var keys = new VBArray(d.Keys()).toArray();
keys.sort(function (a, b) { return d.Item(b) - d.Item(a) || (a < b ? -1 : 1); });
for (var k = 0; k < keys.length; k++) WScript.Echo(keys[k], d.Item(keys[k]));
d.Remove("the");
WScript.Echo("count", d.Count, "has the:", d.Exists("the"), "ratio", 1 / 3, "sum", 0.1 + 0.2);
WScript.Quit(d.Count);
