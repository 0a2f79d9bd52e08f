' Hostile-argument sweep (VBScript): the members of sweep.js, reached through
' VBScript's own calls (names lower-cased, arguments by reference, real arrays).
' Run by sweep.test.sh:  sweep.vbs MEMBERS full|small|tiny CALLS [trace [ONLY]]
' CALLS is members.sh --vbs: Subs that call each member by its own name.
' The last line is "sweep: done, N faults".
Option Explicit

' Faults known and not yet fixed: the calls they hit are left out. Each entry:
' "where|value" (where is class/member or *, value a name of the value table, * for
' any, or count for wrong argument counts).
Dim known
known = Array()

' Value sets: full (18 values), small (10) or tiny (4, for the emulated 32-bit build,
' which also sweeps fewer object states).
Dim full, tiny : full = True : tiny = False
If UBound(Script.args) >= 1 Then
    full = (Script.args(1) = "full")
    tiny = (Script.args(1) = "tiny")
End If
' A fourth word "trace" names each call on standard error before it is made.
Dim tracing : tracing = False
If UBound(Script.args) >= 3 Then tracing = (Script.args(3) = "trace")
' A fifth word limits the calls to the members whose key holds it.
Dim only : only = ""
If UBound(Script.args) >= 4 Then only = Script.args(4)

Function IsKnown(where, valueName)
    Dim k, p
    IsKnown = False
    For Each k In known
        p = Split(k, "|")
        If (p(0) = "*" Or p(0) = where) And (p(1) = "*" Or p(1) = valueName) Then IsKnown = True
    Next
End Function

' ---- the member tables of src/
Dim tables : Set tables = CreateObject("Scripting.Dictionary")
Dim globalNames : Set globalNames = CreateObject("Scripting.Dictionary")
Sub ReadMembers()
    Dim f, w
    Set f = File.open(Script.args(0))
    Do While Not f.eof
        w = Split(Replace(Replace(f.gets(), vbCr, ""), vbLf, ""), " ")
        If UBound(w) >= 2 Then
            If w(0) = "G" Then
                If w(2) = "Any" Or w(2) = "VBScript" Then globalNames(LCase(w(1))) = True
            ElseIf w(0) = "M" Or w(0) = "P" Then
                If Not tables.Exists(w(1)) Then tables.Add w(1), CreateObject("Scripting.Dictionary")
                tables(w(1)).Add w(0) & LCase(w(2)), Array(w(0), LCase(w(2)), CLng(w(3)), CLng(w(4)), w(2))
            End If
        End If
    Loop
    f.close
End Sub
ReadMembers
exec Script.args(2)

' ---- counting
Dim counts : Set counts = CreateObject("Scripting.Dictionary")
Dim faults : Set faults = CreateObject("Scripting.Dictionary")
Dim used : Set used = CreateObject("Scripting.Dictionary")
Dim notCalled : notCalled = 0
Sub Count(cls, refused)
    If Not counts.Exists(cls) Then counts.Add cls, Array(0, 0)
    Dim c : c = counts(cls)
    c(0) = c(0) + 1
    If refused Then c(1) = c(1) + 1
    counts(cls) = c
End Sub
Sub Fault(text)
    faults(faults.Count) = text
End Sub

' ---- the closer: its timer ends whatever blocks
Dim FindWindow, PostMessage, EndMenu
Set FindWindow = DllFunc.New("user32.dll", "int FindWindowA(string, int) stdcall")
Set PostMessage = DllFunc.New("user32.dll", "int PostMessageA(int, uint, uint, int) stdcall")
' VBScript calls an object without arguments only as a value, never as a function:
' EndMenu takes one word it ignores, which cdecl gives back on 32 bits.
Set EndMenu = DllFunc.New("user32.dll", "int EndMenu(int) cdecl")
Dim armed : armed = ""
Dim modalTarget : Set modalTarget = Nothing
' The closer's handler is a global Sub of its event prefix.
Sub closer_onTimer(e)
    Dim h
    On Error Resume Next
    If armed = "dialog" Then
        h = FindWindow("#32770", 0)
        If h <> 0 Then PostMessage h, &H10, 0, 0
    ElseIf armed = "menu" Then
        EndMenu 0
    ElseIf armed = "modal" Then
        If Not modalTarget Is Nothing Then modalTarget.close
    End If
End Sub
Dim closerFrame : Set closerFrame = Frame.New(40, 30, "sweep-closer", "closer_")
closerFrame.open
closerFrame.setTimer 1, 10

' ---- the values
Class ScriptObject
    Public a
End Class
Function ScriptFunction()
    ScriptFunction = 1
End Function
Function DoubleOf(b6, b7)
    Dim blob : Set blob = BinaryBlob.New(8)
    blob.set Array(0, 0, 0, 0, 0, 0, b6, b7)
    Dim a : a = blob.get("double")
    DoubleOf = a(0)
End Function
' (Arrays of fixed size: ReDim of a Dim x() array crashes Wine's VBScript engine.)
Dim values(31), valueNames(31), valueCount : valueCount = 0
Sub AddValue(name, v)
    Dim n : n = valueCount
    valueCount = valueCount + 1
    valueNames(n) = name
    If IsObject(v) Then Set values(n) = v Else values(n) = v
End Sub
Dim spareImage : Set spareImage = Image.New(4, 4)
AddValue "undefined", Empty
If Not tiny Then AddValue "null", Null
If Not tiny Then AddValue "0", 0
AddValue "-1", -1
If Not tiny Then AddValue "2^31", 2147483648
If full Then AddValue "-2^31", -2147483648
If full Then AddValue "1e308", 1E308
If Not tiny Then AddValue "NaN", DoubleOf(248, 127)
If full Then AddValue "Infinity", DoubleOf(240, 127)
If full Then AddValue "-Infinity", DoubleOf(240, 255)
If full Then AddValue "empty", ""
AddValue "bomb", "%s%s%n%999999d"
If Not tiny Then AddValue "long", String(131072, "x")
' A lone surrogate where the engine can make one: Wine's VBScript has no ChrW (the
' JScript sweep passes one to every member all the same).
If full Then
    Dim surrogate
    On Error Resume Next
    surrogate = ChrW(&HD800)
    If Err.Number = 0 Then AddValue "surrogate", surrogate
    Err.Clear
    On Error GoTo 0
End If
AddValue "hostObject", spareImage
If full Then AddValue "scriptObject", New ScriptObject
If Not tiny Then AddValue "array", Array(1, 2, 3)
' (No function value: GetRef is missing from Wine's VBScript.)
If full Then AddValue "date", DateSerial(2001, 1, 2)

' Argument lists, as in sweep.js: none; each value; each with two others.
Dim lists(99), listCount
Sub MakeLists()
    Dim n, i : n = valueCount
    listCount = 3 * n + 1
    lists(0) = Array()
    For i = 0 To n - 1
        lists(1 + i) = Array(i)
        lists(1 + n + i) = Array(i, (i + 3) Mod n)
        lists(1 + 2 * n + i) = Array(i, (i + 5) Mod n, (i + 11) Mod n)
    Next
End Sub
MakeLists

' The object under test, the arguments of one call and a result, for the generated Subs.
Dim gO, gA(2), gR
Function ArgText(list)
    Dim i, t : t = ""
    For i = 0 To UBound(list)
        If IsObject(values(list(i))) Then Set gA(i) = values(list(i)) Else gA(i) = values(list(i))
        If i > 0 Then t = t & ", "
        t = t & "gA(" & i & ")"
    Next
    ArgText = t
End Function
Function ListKnown(where, list)
    Dim i
    ListKnown = False
    For i = 0 To UBound(list)
        If IsKnown(where, valueNames(list(i))) Then ListKnown = True
    Next
End Function

' One call per argument list of o.name (of o itself when name is "").
Function Skip(skipKind, list)
    Dim n, v : n = UBound(list) + 1
    Skip = False
    If skipKind = "exit" Then Skip = (n < 2)
    If skipKind = "text" Then
        Dim i
        For i = 0 To n - 1
            If IsObject(values(list(i))) Then Skip = True
        Next
    End If
    If skipKind = "sleep" And n = 1 Then
        If Not IsObject(values(list(0))) Then
            v = values(list(0))
            If VarType(v) >= 2 And VarType(v) <= 5 Then
                If Abs(v) > 2000 And Abs(v) < 9.2E18 Then Skip = True
            End If
            If VarType(v) = 7 Then Skip = True
        End If
    End If
End Function
Sub SweepMethod(cls, where, key, lo, hi, prepare, block)
    Dim i, list, n, refused, code
    For i = 0 To listCount - 1
        list = lists(i)
        n = UBound(list) + 1
        If ListKnown(where, list) Or (InStr(key, only) = 0 And InStr(only, key) = 0) Then
        ElseIf IsKnown(where, "count") And ((lo >= 0 And n < lo) Or (hi >= 0 And n > hi)) Then
        ElseIf Skip(block, list) Then
            notCalled = notCalled + 1
        Else
            Set gO = Prepared(prepare)
            code = ArgText(list)
            If tracing Then stderr.print "call " & key & " " & n
            If block = "modal" Then Set modalTarget = gO
            If block = "dialog" Or block = "menu" Or block = "modal" Then armed = block
            On Error Resume Next
            InvokeMember key, n
            refused = (Err.Number <> 0)
            Err.Clear
            On Error GoTo 0
            armed = ""
            Set modalTarget = Nothing
            Count cls, refused
            If Not refused And ((lo >= 0 And n < lo) Or (hi >= 0 And n > hi)) Then
                Fault where & " with " & n & " arguments succeeded"
            End If
        End If
    Next
End Sub
Sub SweepProperty(cls, where, key, writable, prepare)
    Dim i, refused
    Set gO = Prepared(prepare)
    On Error Resume Next
    GetMember key
    refused = (Err.Number <> 0)
    Err.Clear
    On Error GoTo 0
    Count cls, refused
    For i = 0 To valueCount - 1
        If Not IsKnown(where, valueNames(i)) Then
            Set gO = Prepared(prepare)
            If IsObject(values(i)) Then Set gA(0) = values(i) Else gA(0) = values(i)
            On Error Resume Next
            PutMember key
            refused = (Err.Number <> 0)
            Err.Clear
            On Error GoTo 0
            Count cls, refused
            If Not refused And Not writable Then Fault where & " = " & valueNames(i) & " written though read-only"
        End If
    Next
End Sub
Sub SweepTable(table, cls, prepare, blocks)
    Dim m, e, block
    used(table) = True
    If Not tables.Exists(table) Then
        Fault "no member table " & table
        Exit Sub
    End If
    For Each m In tables(table).Keys
        e = tables(table)(m)
        block = ""
        If blocks.Exists(e(1)) Then block = blocks(e(1))
        If e(0) = "M" Then
            SweepMethod cls, LCase(cls) & "/" & e(1), table & "." & e(4), e(2), e(3), prepare, block
        Else
            SweepProperty cls, LCase(cls) & "/" & e(1), table & "." & e(4), e(3) = 1, prepare
        End If
    Next
End Sub
Dim noBlocks : Set noBlocks = CreateObject("Scripting.Dictionary")

' ---- the objects under test, made anew (or kept) for each call
Dim currentClass, frameKind, frameState, keptFrame, control, progressBox, dllFn, imageFile
Set keptFrame = Nothing
imageFile = "sweep-vbs.png"
Function MakeFrame(kind, state)
    Dim f
    Select Case kind
    Case "Frame": Set f = Frame.New(120, 80, "sweep-target")
    Case "Dialog": Set f = Dialog.New(120, 80, "sweep-target")
    Case "ToolFrame": Set f = ToolFrame.New(120, 80, "sweep-target")
    Case "PopupFrame": Set f = PopupFrame.New(120, 80, "sweep-target")
    Case "LayeredFrame": Set f = LayeredFrame.New(120, 80, "sweep-target")
    Case "TrayTool": Set f = TrayTool.New(120, 80, "sweep-target")
    Case "FullScreen": Set f = FullScreen.New(120, 80, "sweep-target")
    End Select
    f.addmenu "File", Array("One", "Two")
    If state <> "fresh" Then f.open
    If state = "closed" Then f.close
    Set MakeFrame = f
End Function
Function ClassObject(name)
    Select Case name
    Case "Frame": Set ClassObject = Frame
    Case "Dialog": Set ClassObject = Dialog
    Case "ToolFrame": Set ClassObject = ToolFrame
    Case "PopupFrame": Set ClassObject = PopupFrame
    Case "LayeredFrame": Set ClassObject = LayeredFrame
    Case "TrayTool": Set ClassObject = TrayTool
    Case "FullScreen": Set ClassObject = FullScreen
    Case "Image": Set ClassObject = Image
    Case "File": Set ClassObject = File
    Case "Progress": Set ClassObject = Progress
    Case "DllFunc": Set ClassObject = DllFunc
    Case "BinaryBlob": Set ClassObject = BinaryBlob
    End Select
End Function
Function Prepared(kind)
    Select Case kind
    Case "none": Set Prepared = Nothing
    Case "class": Set Prepared = ClassObject(currentClass)
    Case "frame"
        If frameState = "fresh" Or keptFrame Is Nothing Then
            ' A fresh frame that a call opened is closed before the next is made.
            If Not keptFrame Is Nothing Then
                If keptFrame.valid Then keptFrame.close
            End If
            Set keptFrame = MakeFrame(frameKind, frameState)
        ElseIf keptFrame.valid <> (frameState = "open") Then
            Set keptFrame = MakeFrame(frameKind, frameState)
        End If
        Set Prepared = keptFrame
    Case "control": Set Prepared = control
    Case "progress"
        ' Opened again only when a call closed it: step answers nothing then.
        If frameState = "threaded" Then
            If IsEmpty(progressBox.step(0)) Then progressBox.open "sweeping", "sweep", 2
        End If
        Set Prepared = progressBox
    Case "image": Set Prepared = Image.New(16, 16)
    Case "loadedImage": Set Prepared = Image.load(imageFile)
    Case "blob": Set Prepared = BinaryBlob.New(16)
    Case "fileIn": Set Prepared = File.open(imageFile, "r")
    Case "fileOut": Set Prepared = File.open("sweep-vbs.txt", "w")
    Case "fileClosed"
        Set Prepared = File.open("sweep-vbs.txt", "w")
        Prepared.close
    Case "stdin": Set Prepared = stdin
    Case "com": Set Prepared = COM
    Case "wscript": Set Prepared = WScript
    Case "arguments": Set Prepared = WScript.Arguments
    Case "named": Set Prepared = WScript.Arguments.Named
    Case "wstdin": Set Prepared = WScript.StdIn
    Case "wstderr": Set Prepared = WScript.StdErr
    Case "dllfunc": Set Prepared = dllFn
    End Select
End Function

' ---- globals
Dim globalCounts : Set globalCounts = CreateObject("Scripting.Dictionary")
Sub GlobalCount(name, lo, hi, block)
    globalCounts.Add LCase(name), Array(lo, hi, block)
End Sub
GlobalCount "CreateDotNet", 2, 2, ""
GlobalCount "print", -1, -1, ""
GlobalCount "printf", -1, -1, ""
GlobalCount "sprintf", -1, -1, ""
GlobalCount "sscanf", -1, -1, ""
GlobalCount "sleep", 1, 1, "sleep"
GlobalCount "beep", 0, 0, ""
GlobalCount "tick", 0, 0, ""
GlobalCount "exit", 0, 1, "exit"
GlobalCount "exec", 1, 1, ""
GlobalCount "system", 0, 1, "text"
GlobalCount "startfile", 1, 1, "text"
GlobalCount "process", 1, 3, "text"
GlobalCount "guid", 0, 0, ""
GlobalCount "fps", 1, 1, ""
GlobalCount "sync", 0, 0, ""
GlobalCount "encode", -1, -1, ""
GlobalCount "decode", -1, -1, ""
GlobalCount "getch", 0, 0, ""
GlobalCount "getche", 0, 0, ""
GlobalCount "kbhit", 0, 0, ""
GlobalCount "alert", 1, 2, "dialog"
GlobalCount "confirm", 1, 2, "dialog"
GlobalCount "prompt", 1, 3, "dialog"
GlobalCount "passwd", 1, 3, "dialog"
GlobalCount "openDlg", 0, 1, "dialog"
GlobalCount "saveDlg", 0, 1, "dialog"
GlobalCount "folderDlg", 0, 2, "dialog"
GlobalCount "rgb", -1, -1, ""
GlobalCount "rgba", -1, -1, ""
GlobalCount "esc", 1, 1, ""
GlobalCount "cstring", 1, 1, ""
Dim objectGlobals
objectGlobals = "|com|frame|dialog|toolframe|popupframe|layeredframe|traytool|fullscreen|image|file|progress" & _
    "|dllfunc|binaryblob|stdin|stdout|stderr|"
Dim g, gc, gk
For Each gk In globalNames.Keys
    g = LCase(gk)
    If InStr(objectGlobals, "|" & g & "|") = 0 Then
        If Not globalCounts.Exists(g) Then
            Fault "global " & gk & " unknown to the sweep"
        Else
            gc = globalCounts(g)
            ' Programs started write to standard error: marked for the driver.
            If gc(2) = "text" Then stderr.print "sweep: stderr writes begin"
            SweepMethod "globals", "globals/" & g, "G." & g, gc(0), gc(1), "none", gc(2)
            If gc(2) = "text" Then
                stderr.print ""
                stderr.print "sweep: stderr writes end"
            End If
            If g = "fps" Then fps 30
        End If
    End If
Next
For Each g In globalCounts.Keys
    Dim found : found = False
    For Each gk In globalNames.Keys
        If LCase(gk) = g Then found = True
    Next
    If Not found Then Fault "global " & g & " of the sweep is not registered"
Next
' A waited process with a frame as owner, ended by its own command.
On Error Resume Next
process closerFrame, "cmd /c exit 3", 1
Count "globals", Err.Number <> 0
Err.Clear
On Error GoTo 0
' Script's own values.
Dim sp
For Each sp In Array("args", "version", "pwd")
    If Not IsKnown("script/" & sp, "*") Then SweepMethod "Script", "script/" & sp, "Script." & sp, -1, -1, "none", ""
Next

' ---- class objects
Dim cn
For Each cn In Array("Frame", "Dialog", "ToolFrame", "PopupFrame", "LayeredFrame", "TrayTool", "FullScreen", _
                     "Image", "File", "Progress", "DllFunc", "BinaryBlob")
    currentClass = cn
    If cn = "Image" Then SweepTable "NImageClass", "class Image", "class", noBlocks
    If cn = "File" Then SweepTable "NFileClass", "class File", "class", noBlocks
    SweepTable "NClassBase", "class " & cn, "class", noBlocks
Next

' ---- frames: Frame and Dialog fresh, open and closed; the other kinds open
Dim frameBlocks : Set frameBlocks = CreateObject("Scripting.Dictionary")
frameBlocks("modal") = "modal"
frameBlocks("popup") = "menu"
Dim fk, fs, kindIndex : kindIndex = 0
For Each fk In Array("Frame", "Dialog", "ToolFrame", "PopupFrame", "LayeredFrame", "TrayTool", "FullScreen")
    For Each fs In Array("fresh", "open", "closed")
        If (kindIndex < 2 Or fs = "open") And (full Or kindIndex < 2) And (Not tiny Or (kindIndex = 0 And fs = "open")) Then
            frameKind = fk : frameState = fs : Set keptFrame = Nothing
            SweepTable "NFrameBase", fk & " " & fs, "frame", frameBlocks
            If Not keptFrame Is Nothing Then
                If keptFrame.valid Then keptFrame.close
            End If
        End If
    Next
    kindIndex = kindIndex + 1
Next

' ---- controls on an open frame and on a closed one
Dim controlHost, ck
For Each ck In Array(Array("Button", "button", "OK", Array(10, 10, 60, 30)), _
                     Array("EditBox", "editbox", "text", Array(10, 40, 100, 60)), _
                     Array("EditBoxWide", "editbox", "wide", Array(0, 0, 100000, 20)), _
                     Array("AxCtrl", "axctrl", "No.Such.Control", Array(10, 70, 100, 90)))
    For Each fs In Array("open", "closed")
      If Not tiny Or (fs = "open" And (ck(0) = "Button" Or ck(0) = "EditBox")) Then
        Set controlHost = MakeFrame("Frame", "fresh")
        Set control = Nothing
        On Error Resume Next
        Select Case ck(1)
        Case "button": Set control = controlHost.button(ck(2), ck(3), "c")
        Case "editbox": Set control = controlHost.editbox(ck(2), ck(3), "c")
        Case "axctrl": Set control = controlHost.axctrl(ck(2), ck(3), "c")
        End Select
        Count ck(0), Err.Number <> 0
        Err.Clear
        On Error GoTo 0
        controlHost.open
        If fs = "closed" Then controlHost.close
        ' A control the frame refuses (the wide edit box may be) has nothing to sweep.
        If Not control Is Nothing Then SweepTable "NControl", ck(0), "control", noBlocks
        If controlHost.valid Then controlHost.close
      End If
    Next
Next

' ---- progress boxes: open in a thread of their own, and closed
For Each fs In Array("threaded", "closed")
  If Not tiny Or fs = "threaded" Then
    Set progressBox = Progress.New()
    frameState = fs
    If fs = "closed" Then
        progressBox.open "x"
        progressBox.close
    End If
    SweepTable "NProgress", "Progress", "progress", noBlocks
    On Error Resume Next
    progressBox.close
    On Error GoTo 0
  End If
Next

' ---- images, blobs, files, COM
Call Image.New(8, 8).save(imageFile)
SweepTable "NImage", "Image", "image", noBlocks
If Not tiny Then SweepTable "NImage", "Image", "loadedImage", noBlocks
SweepTable "NBinaryBlob", "BinaryBlob", "blob", noBlocks
If Not tiny Then SweepTable "NFile", "File", "fileIn", noBlocks
SweepTable "NFile", "File", "fileOut", noBlocks
If Not tiny Then SweepTable "NFile", "File", "fileClosed", noBlocks
SweepTable "NFile", "stdin", "stdin", noBlocks
SweepTable "NComSupport", "COM", "com", noBlocks

' ---- WScript, its argument collections and streams: Quit runs only in its refused
' forms, Sleep no longer than sleep does here
Dim wscriptBlocks : Set wscriptBlocks = CreateObject("Scripting.Dictionary")
wscriptBlocks.Add "quit", "exit"
wscriptBlocks.Add "sleep", "sleep"
SweepTable "NWScript", "WScript", "wscript", wscriptBlocks
WScript.Timeout = 0
SweepTable "NWshArguments", "Arguments", "arguments", noBlocks
SweepMethod "Arguments", "arguments/", "default", 1, 1, "arguments", ""
SweepTable "NWshArguments", "Named", "named", noBlocks
SweepTable "NWshStream", "StdIn", "wstdin", noBlocks
stderr.print "sweep: stderr writes begin"
SweepTable "NWshStream", "StdErr", "wstderr", noBlocks
stderr.print ""
stderr.print "sweep: stderr writes end"

' ---- DllFunc calls
Dim df, paramCount
used("NDllFunc") = True
For Each df In Array(Array("kernel32.dll", "uint GetTickCount() stdcall", 0), _
                     Array("kernel32.dll", "int MulDiv(int, int, int) stdcall", 3), _
                     Array("kernel32.dll", "int lstrlenA(string) stdcall", 1), _
                     Array("kernel32.dll", "int lstrlenW(wstring) stdcall", 1), _
                     Array("kernel32.dll", "int lstrcmpA(binary, string) stdcall", 2), _
                     Array("msvcrt.dll", "double floor(double) cdecl", 1))
    Set dllFn = DllFunc.New(df(0), df(1))
    paramCount = df(2)
    SweepMethod "DllFunc", "dllfunc/", "default", paramCount, paramCount, "dllfunc", ""
Next

Dim t
For Each t In tables.Keys
    If Not used.Exists(t) Then Fault "class table " & t & " unknown to the sweep"
Next

closerFrame.close
Dim cls, c
For Each cls In counts.Keys
    c = counts(cls)
    print cls & ": " & c(0) & " calls, " & c(1) & " refused"
Next
print "calls left out by design: " & notCalled
For Each t In faults.Keys
    print "FAULT: " & faults(t)
Next
print "sweep: done, " & faults.Count & " faults"
Script.exit 0
