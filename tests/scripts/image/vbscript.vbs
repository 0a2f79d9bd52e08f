' Images and colours under VBScript: names without case, the host's rgb and rgba as
' members of Script, and colour texts.
Set img = Image.New(2, 1, True)
img.CLS "#80FF0000"
img.PSet 1, 0, Script.rgb(0, 255, 0)
print CStr(img.Point(0, 0)) & " " & CStr(img.point(1, 0)) & " " & img.WIDTH & "x" & img.Height
print CStr(Script.rgb(255, 0, 0)) & " " & CStr(rgba(1, 2, 3, 4)) & " " & CStr(Script.RGBA(300, -1, 0, 255))
print TypeName(Image.Load("missing.bmp")) & " " & Image.IsInst(img)
