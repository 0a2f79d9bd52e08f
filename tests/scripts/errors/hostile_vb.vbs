' Wrong argument counts under VBScript, for a callable object held in a variable (whose
' status Wine's engine drops) and for members of each class, and the report of an
' engine error that comes without a text.
Sub Check(name)
    Print name, ": ", Hex(Err.Number)
    Err.Clear
End Sub

On Error Resume Next
Set md = DllFunc.New("kernel32.dll", "int MulDiv(int, int, int) stdcall")
x = md(1, 2) : Check "x = md(1, 2)"
md 1, 2, 3, 4 : Check "md 1, 2, 3, 4"
x = md(6, 7, 3) : Check "x = md(6, 7, 3) gives " & x
Set blob = BinaryBlob.New(4)
x = blob.get(1, 2) : Check "blob.get(1, 2)"
blob.set : Check "blob.set"
Set f = Frame.New(100, 100)
f.setTimer 1 : Check "frame.setTimer 1"
x = f.valid(1) : Check "frame.valid(1)"
Set img = Image.New(2, 2)
img.pset : Check "image.pset"
Set fl = File.New("nul", "w")
fl.puts : Check "file.puts"
x = COM.getobj() : Check "COM.getobj()"
x = sprintf() : Check "sprintf()"
x = tick(1) : Check "tick(1)"
Set p = Progress.New()
x = p.close(1, 2, 3) : Check "progress.close(1, 2, 3)"
Set g = Frame.New(1, 2, 3, 4, 5) : Check "Frame.New with 5"
On Error GoTo 0
Foo.Bar "hi"
