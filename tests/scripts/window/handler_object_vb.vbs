' A VBScript class instance as a frame's handler object gets the frame's events: the
' engine's class objects name their members through IDispatchEx only.
Dim ticks : ticks = 0
Class Handler
    Public Sub onOpen(e)
        e.window.setTimer 1, 10
    End Sub
    Public Sub onTimer(e)
        ticks = ticks + 1
        If ticks = 3 Then e.window.close
    End Sub
End Class
Dim f : Set f = Frame.New(40, 30, "handler")
f.modal New Handler
print "instance ticks: " & ticks
