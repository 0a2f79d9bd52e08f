' Under VBScript sscanf answers a variant array (there is no Array object), Empty
' when nothing is returned, and its argument errors as Wine's VBScript numbers
' them: a wrong count (seen in statement calls) 450, a type mismatch 13.
Sub Show(r)
    If IsEmpty(r) Then
        Print "Empty"
    Else
        Dim s, i
        s = TypeName(r) & " " & UBound(r) & ":"
        For i = 0 To UBound(r)
            s = s & " " & TypeName(r(i)) & "(" & r(i) & ")"
        Next
        Print s
    End If
End Sub

Show sscanf("2008/12/31", "%d/%d/%d")
Show sscanf("key=value", "%[^=]=%s")
Show sscanf("x=5", "%*[^=]=%d")
Show sscanf("abc", "%d")
Show sscanf("12 34 xyz", "%d %d", True)
Show sscanf("12 34 xyz", "%d %d", False)
Show SSCANF("1.25 word", "%f %s", 1)

On Error Resume Next
sscanf "1"
Print "one arg: ", Err.Number
Err.Clear
x = sscanf("1", "%d", "yes")
Print "strict string: ", Err.Number
Err.Clear
