' A dictionary of prices, totals with a function, and formatted output.
Function Total(items)
    Dim key, sum
    For Each key In items.Keys
        sum = sum + items(key)
    Next
    Total = sum
End Function
Dim prices
Set prices = CreateObject("Scripting.Dictionary")
prices.Add "apple", 1.25
prices.Add "bread", 2.5
prices.Add "milk", 0.99
WScript.Echo "items:", prices.Count, "total:", Total(prices)
prices("apple") = 2
WScript.Echo "apple now", prices("apple"), "total", FormatNumber(Total(prices), 2), UCase("done"), True, Empty
If prices.Exists("tea") Then WScript.Quit 1
WScript.Quit 3
