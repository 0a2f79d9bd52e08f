' A frame opened with a VBScript class instance as its handler object never calls
' the instance's onTimer; a global Sub onTimer of a frame opened without a handler is
' called. Expected "instance ticks" above 0 (JScript's handler objects get their
' events). Prints "instance ticks 0" under Wine.
Dim ticks : ticks = 0
Class Handler
    Public Sub onTimer(e)
        ticks = ticks + 1
    End Sub
End Class
Dim f : Set f = Frame.New(40, 30, "handler")
f.open New Handler
f.setTimer 1, 10
sleep 300
print "instance ticks " & ticks
