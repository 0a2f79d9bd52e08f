' A text filter of the usual kind, StdIn to StdOut: drops comment lines, numbers the
' rest in upper case, reports on StdErr and exits with the number of lines dropped.
' (The stock host under Wine has no standard streams: this is checked against the
' documented behaviour.)
Dim line, kept, dropped
Do While Not WScript.StdIn.AtEndOfStream
    line = WScript.StdIn.ReadLine
    If Left(Trim(line), 1) = "#" Then
        dropped = dropped + 1
    Else
        kept = kept + 1
        WScript.StdOut.WriteLine Right("  " & kept, 3) & ": " & UCase(line)
    End If
Loop
WScript.StdErr.WriteLine kept & " kept, " & dropped & " dropped"
WScript.Quit dropped
