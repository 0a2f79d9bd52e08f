// WScript on a console under code page 932: Echo, print and the streams reach the
// pane as characters in order, and StdIn reads a typed line.
WScript.Echo("あい", "echo");
print("日本 print");
WScript.StdOut.Write("カナ ");
WScript.StdErr.WriteLine("エラー stderr");
WScript.StdOut.WriteLine("stdout");
WScript.StdOut.Write("入力> ");
var line = WScript.StdIn.ReadLine();
WScript.Echo("[" + line + "]", line.length);
