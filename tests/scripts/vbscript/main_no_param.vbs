' A main declared without a parameter refuses the options array; it is then
' called with no argument, exactly once, and its result is the exit code.
' Without options Script.args is an empty array.
Print "options: ", TypeName(Script.args), " ", UBound(Script.args)
Dim calls
calls = 0
Function main
    calls = calls + 1
    Print "main call ", calls
    main = 6
End Function
