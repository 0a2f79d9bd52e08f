// The standard streams redirected: StdIn read by characters, lines and in whole with
// Line and Column kept; StdOut and StdErr written in order with print, printf, the
// stdout object and Echo; reading past the end is the stock host's error.
var input = WScript.StdIn, out = WScript.StdOut;
print("print first");
WScript.Echo("echo", 2);
out.Write("write ");
printf("printf %d ", 3);
stdout.puts("puts ");
out.WriteLine("writeline");
WScript.StdErr.WriteLine("to stderr");
var read = input.Read(3);
WScript.Echo("Read(3) [" + read + "] line", input.Line, "column", input.Column);
input.Skip(2);
WScript.Echo("after Skip(2) [" + input.ReadLine() + "] line", input.Line, "column", input.Column);
WScript.Echo("AtEndOfLine of an empty line", input.AtEndOfLine);
input.SkipLine();
var lines = [];
while (!input.AtEndOfLine) lines.push(input.Read(1));
WScript.Echo("characters of a line [" + lines.join(",") + "]");
input.SkipLine();
WScript.Echo("ReadAll [" + input.ReadAll().replace(/\n/g, "\\n") + "]");
WScript.Echo("AtEndOfStream", input.AtEndOfStream, "AtEndOfLine", input.AtEndOfLine);
try { input.ReadLine(); } catch (e) { WScript.Echo("ReadLine at the end:", e.message); }
try { input.Read(1); } catch (e) { WScript.Echo("Read at the end:", e.message); }
out.Close();
try { out.Write("x"); } catch (e) { WScript.Echo("Write after Close:", e.message); }
