' encode and decode from VBScript: the byte list comes back as a variant array,
' decode takes VBScript's own arrays, a string variable (passed by reference) is a
' string, and the argument errors arrive as VBScript error numbers.
Dim s, a, i, line
s = "AB"
a = encode(s, "utf16")
line = TypeName(a) & " " & LBound(a) & " " & UBound(a) & ":"
For i = 0 To UBound(a)
    line = line & " " & a(i)
Next
Print line
Print decode(Array(72, 105), "ascii"), " ", Asc(Mid(decode(encode("caf" & Chr(233), "utf8"), "UTF8"), 4))
Print Len(decode(Array(65, 0, 66), "sjis"))
Print IsEmpty(encode("x", "latin")), " ", IsEmpty(decode(Array(65), "latin"))

Dim bytes(2)
bytes(0) = CByte(65) : bytes(1) = 66.7 : bytes(2) = "67"
Print decode(bytes, "ascii")

On Error Resume Next
encode 5, "utf8"
Print "encode number: ", Hex(Err.Number)
Err.Clear
encode "x"
Print "encode one argument: ", Hex(Err.Number)
Err.Clear
decode "abc", "utf8"
Print "decode string: ", Hex(Err.Number)
Err.Clear
