' The members of WScript under VBScript, one row each: names without regard to case,
' calls without parentheses, For Each over the collections, and errors in Err.
Function Joined(collection)
    Dim item, text
    For Each item In collection
        text = text & "|" & item
    Next
    Joined = Mid(text, 2)
End Function

Function Value(name)
    Dim args, o
    Set args = WScript.Arguments
    Select Case name
    Case "WSH is WScript": Value = (WSH Is WScript) And (WScript.Application Is wscript)
    Case "Name": Value = WScript.Name & " / " & WScript
    Case "Version": Value = TypeName(WScript.Version) & " " & WScript.Version
    Case "BuildVersion": Value = IsNumeric(WScript.BuildVersion)
    Case "ScriptName": Value = WScript.ScriptName & " " & (InStr(WScript.ScriptFullName, "\wscript\members_vb.vbs") > 0)
    Case "Path": Value = (WScript.Path & "\" = Left(WScript.FullName, Len(WScript.Path) + 1))
    Case "Interactive": WScript.Interactive = False: Value = WScript.Interactive
    Case "Timeout": WScript.Timeout = 600: Value = WScript.Timeout: WScript.Timeout = 0
    Case "Timeout = ""x""": WScript.Timeout = "x"
    Case "Sleep": WScript.Sleep 10: Value = "slept"
    Case "Sleep -1": WScript.Sleep -1
    Case "Sleep()": WScript.Sleep
    Case "Quit 1, 2": WScript.Quit 1, 2
    Case "unknown member": WScript.NoSuch
    Case "Arguments": Value = args.Count & " " & args.length & " " & args.count() & " [" & Joined(args) & "]"
    Case "Arguments(i)": Value = args(0) & " " & args.Item(3) & " " & WScript.Arguments(1)
    Case "Arguments(4)": Value = args(4)
    Case "Named": Value = args.Named.Count & " [" & Joined(args.Named) & "] " & args.Named("NAME") & " " & IsEmpty(args.Named("flag"))
    Case "Named.Exists": Value = args.Named.Exists("flag") & " " & args.Named.Exists("none")
    Case "Unnamed": Value = args.Unnamed.Count & " [" & Joined(args.Unnamed) & "] " & args.Unnamed(1)
    Case "Unnamed(2)": Value = args.Unnamed(2)
    Case "StdIn.ReadLine": Value = WScript.StdIn.ReadLine & " " & WScript.StdIn.AtEndOfStream
    Case "StdIn.ReadLine at end": Value = WScript.StdIn.ReadLine
    Case "StdOut.Read": Value = WScript.StdOut.Read(1)
    Case "StdOut.Write": Set o = WScript.StdOut: o.Write "ab": o.WriteLine: o.WriteBlankLines 1: Value = o.Line & " " & o.Column
    Case "CreateObject": Set o = WScript.CreateObject("Scripting.Dictionary"): o.Add "k", 1: Value = o.Count
    Case "CreateObject bad": Set o = WScript.CreateObject("No.Such.Class")
    Case "DisconnectObject 1": WScript.DisconnectObject 1
    Case "Echo": WScript.Echo
    Case "Echo values": WScript.Echo True, 0.1 + 0.2, Null, Empty, "s", -2.5, CDate("2020-01-02 03:04:05")
    End Select
End Function

Dim names, n, v
names = Array("WSH is WScript", "Name", "Version", "BuildVersion", "ScriptName", "Path", "Interactive", _
    "Timeout", "Timeout = ""x""", "Sleep", "Sleep -1", "Sleep()", "Quit 1, 2", "unknown member", "Arguments", _
    "Arguments(i)", "Arguments(4)", "Named", "Named.Exists", "Unnamed", "Unnamed(2)", "StdIn.ReadLine", _
    "StdIn.ReadLine at end", "StdOut.Read", "StdOut.Write", "CreateObject", "CreateObject bad", _
    "DisconnectObject 1", "Echo", "Echo values")
For Each n In names
    On Error Resume Next
    Err.Clear
    v = Empty
    v = Value(n)
    If Err.Number <> 0 Then
        WScript.Echo n & ": error " & Err.Number & " " & Err.Description
    Else
        WScript.Echo n & ": " & v
    End If
    On Error GoTo 0
Next
