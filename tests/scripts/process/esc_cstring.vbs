' The VBScript value functions: esc turns backslash escapes into characters (an
' escaped NUL stays), cstring cuts at the first NUL. Wine's VBScript reports a type
' mismatch as error 13 and a wrong argument count (seen in statement calls) as 450.
' The JScript-only names are absent.
Dim s
s = esc("a\tb")
Print Len(s), " ", Asc(Mid(s, 2, 1))
s = esc("x\0y")
Print Len(s), " ", Len(cstring(s)), " ", cstring(s)
Print esc("x\q"), "|", esc("end\"), "|", esc("\""q\'\\"), "|", Len(esc("\r\n\v\f\a\b"))
Print cstring(12.5), " ", cstring(True), " ", cstring("plain")
On Error Resume Next
x = esc(5)
Print "esc(5): ", Err.Number
Err.Clear
cstring
Print "cstring: ", Err.Number
Err.Clear
esc "a", "b"
Print "esc a, b: ", Err.Number
Err.Clear
x = chr(65)
Print "chr is VBScript's own: ", x
x = cstr(5)
Print "cstr is VBScript's own: ", TypeName(x)
x = uint(1)
Print "uint absent: ", Err.Number <> 0
Err.Clear
On Error GoTo 0
