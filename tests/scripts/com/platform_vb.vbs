' The dictionary and the file system object from VBScript: enumAll gives a variant
' array, events reach Subs named prefix + event name, and the host's errors arrive
' as VBScript's numbers.
Dim seen
Sub browser_OnStatusBar(onOff)
    seen = seen & " status bar " & onOff
End Sub

Function main(args)
    Set words = COM.create("Scripting.Dictionary")
    For Each w In Split("one two two three three three")
        If words.Exists(w) Then words.Item(w) = words.Item(w) + 1 Else words.Add w, 1
    Next
    keys = COM.enumAll(words)
    line = "dictionary (" & TypeName(keys) & "):"
    For Each k In keys
        line = line & " " & k & "=" & words.Item(k)
    Next
    print line

    Set fso = COM.create("Scripting.FileSystemObject")
    fso.CreateTextFile(args(0) & "\only.txt").Close
    files = COM.enumAll(fso.GetFolder(args(0)).Files)
    print "files: " & (UBound(files) + 1) & " " & files(0).Name

    Set browser = COM.create("Shell.Explorer", "browser_")
    browser.StatusBar = True
    print "events:" & seen & "; detach: " & COM.detach(browser)

    On Error Resume Next
    COM.attach 5, "x_"
    print "attach(5): " & Err.Number
    Err.Clear
    COM.enumAll
    print "enumAll(): " & Err.Number
End Function
