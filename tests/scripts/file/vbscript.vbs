' The File object under VBScript: member names without regard to case, the class
' object's New and open, binary arrays from VBScript arrays, and statuses as the
' error numbers Wine's VBScript maps them to (458 for DISP_E_BADVARTYPE, 13 for
' DISP_E_TYPEMISMATCH). Wine's VBScript has neither ChrW nor Join.
Function Main(args)
    path = args(0) & "/v.txt"
    Set f = File.New(path, "w", "UTF8")
    Print "puts: ", f.PUTS("caf" & Chr(233) & vbLf), " isinst: ", FILE.IsInst(f)
    f.Print "line ", 2
    f.printF "%03d" & vbLf, 7
    f.Close
    Set f = File.Open(path, "rb", "utf8")
    Do
        line = f.Gets()
        If line = "" Then Exit Do
        Print "[", Replace(line, vbLf, "\n"), "]"
    Loop
    Print "eof: ", f.EOF
    f.close

    Set f = File.open(args(0) & "/v.bin", "w+b")
    Print "write: ", f.Write(Array(1, 2, 255)), " ", f.write(-1, "Short"), " ", f.write(Array(CByte(7), True), "UINT16")
    f.Rewind
    r = f.Read(7)
    text = ""
    For i = 0 To UBound(r)
        text = text & " " & r(i)
    Next
    Print TypeName(r), " ", UBound(r), ":", text
    On Error Resume Next
    f.write Array(1, 256)
    Print "out of range: ", Hex(Err.Number)
    Err.Clear
    f.read 1, "int64"
    Print "unknown type: ", Hex(Err.Number)
    Err.Clear
    f.puts 5
    Print "puts(5): ", Hex(Err.Number)
    Err.Clear
    Set g = File.New(args(0) & "/missing.txt")
    Print "New missing fails: ", Err.Number <> 0
    Err.Clear
    On Error GoTo 0
    Print "open missing: ", IsEmpty(File.open(args(0) & "/missing.txt"))
    f.close
    Main = 0
End Function
