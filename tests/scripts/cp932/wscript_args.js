// Japanese script options under code page 932 reach Arguments, Named and Unnamed as
// the characters they are; Echo, StdOut and StdIn (read by characters and by lines)
// keep them in Shift_JIS.
var args = WScript.Arguments, named = args.Named;
WScript.Echo(args.length, args(0), args(0).length, "[" + args(1) + "]");
WScript.Echo(named("名前"), named.Exists("名前"), named("色"), args.Unnamed.length, args.Unnamed(1));
WScript.StdOut.WriteLine("出力 " + WScript.StdIn.Read(2) + "|" + WScript.StdIn.ReadLine());
WScript.StdOut.Write("列 ");
WScript.Echo(WScript.StdOut.Column, WScript.StdIn.ReadLine().length);
