' Host names under VBScript compare without case; Script.args is a variant array
' indexed through the property (an index is truncated; one outside the array
' fails) that prints as the empty text; the functions only
' registered for JScript are absent; main(args) receives the options and its
' result is the exit code. Error numbers are the ones Wine's VBScript maps
' the host's statuses to.
PRINT SCRIPT.VERSION
script.print "a", 1, "b"
Printf "%d-%s|", 7, "x"
PrintF "%b" & vbLf, 5
Print SPRINTF("[%5s]", "ab")
Print TypeName(Script.Args), " ", UBound(Script.args), " ", Script.args(0), " ", Script.ARGS(1)
Print Script.args(1.7)
Print Script.args, "|"

On Error Resume Next
x = Script.args(2)
Print "args(2): ", Err.Number
Err.Clear
x = Script.args(-1)
Print "args(-1): ", Err.Number
Err.Clear
x = Script.args("1")
Print "args(""1"") fails: ", Err.Number <> 0
Err.Clear
Script.args(1) = "changed"
Print "put args(1): ", Err.Number, " ", Script.args(1)
Script.args(2) = "z"
Print "put args(2): ", Err.Number
Err.Clear
x = ord("a")
Print "ord absent: ", Err.Number <> 0
Err.Clear
x = uint(-1)
Print "uint absent: ", Err.Number <> 0
Err.Clear
On Error GoTo 0

Function Main(args)
    Print "main: ", TypeName(args), " ", UBound(args), " ", args(0), " ", args(1)
    Main = UBound(args) + 10
End Function
