' An error raised inside a VBScript main is reported with the file name and
' line; main runs once and the exit code stays 0.
Print "global code"
Function main(args)
    Print "in main"
    Err.Raise 5001, "test", "raised in main"
    main = 3
End Function
