' prompt under VBScript: cancelled it gives Empty, confirmed the text; alert without
' a message is refused (Wine's VBScript reports DISP_E_BADPARAMCOUNT as 450).
Dim FindWindow, PostMessage, SetDlgItemText, owner, pending, typed
Set FindWindow = DllFunc.New("user32.dll", "handle FindWindowA(string, string) stdcall")
Set PostMessage = DllFunc.New("user32.dll", "int PostMessageA(handle, uint, ptr, ptr) stdcall")
Set SetDlgItemText = DllFunc.New("user32.dll", "int SetDlgItemTextA(handle, int, string) stdcall")

' The frame's timer presses the button numbered pending (1 OK, 2 Cancel) of the input
' box, after typing the text typed into it when that is not empty.
Sub onTimer(e)
    Dim box
    If pending = 0 Then Exit Sub
    box = FindWindow("#32770", "vb prompt")
    If box = 0 Then Exit Sub
    If typed <> "" Then SetDlgItemText box, 1000, typed
    PostMessage box, &H111, pending, 0
    pending = 0
End Sub

Set owner = Frame.New(80, 40, "vb owner")
owner.open
owner.setTimer 1, 20
pending = 2
result = prompt(owner, "Name?", "default", "vb prompt")
Print "cancelled: ", TypeName(result), " ", IsEmpty(result)
pending = 1
typed = "Taro"
result = prompt("Name?", "", "vb prompt")
Print "typed: ", TypeName(result), " ", result
On Error Resume Next
alert
Print "alert: ", Err.Number
Err.Clear
alert owner
Print "alert owner: ", Err.Number
owner.close
