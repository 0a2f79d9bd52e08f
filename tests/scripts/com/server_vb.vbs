' The COM test server from VBScript, which keeps every variant type it reads: the
' type of each property as the server hands it out, Date and Currency written and
' read back, and For Each over collections, which walks their enumerator.
Sub Walk(name, items)
    Dim item, line
    line = name & ":"
    For Each item In items
        line = line & " " & item
    Next
    Print line
End Sub

Set s = CreateObject("KovaTest.Server")
Walk "types", Array(s.TypeOf(s.Long), s.TypeOf(s.Short), s.TypeOf(s.Byte), s.TypeOf(s.Double), _
    s.TypeOf(s.Single), s.TypeOf(s.Bool), s.TypeOf(s.Text), s.TypeOf(s.Currency), s.TypeOf(s.Date), _
    s.TypeOf(s.Error), s.TypeOf(s.Variant), s.TypeOf(s.Object))
s.Date = DateSerial(2024, 2, 29)
s.Currency = 2.5
Print "Date: ", Year(s.Date), "-", Month(s.Date), "-", Day(s.Date), " ", TypeName(s.Date), _
    "; Currency: ", CStr(s.Currency * 2), " ", TypeName(s.Currency)

Walk "Items", s.Items
Walk "MakeItems(5, 0)", s.MakeItems(5, 0)
Walk "MakeItems(0, 0)", s.MakeItems(0, 0)
Set numbers = s.MakeItems(2, 0)
Walk "twice", numbers
Walk "twice", numbers
Print "calls: ", numbers.Calls
