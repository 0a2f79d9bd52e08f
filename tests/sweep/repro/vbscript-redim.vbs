' Wine's VBScript engine (not the host) faults on ReDim of an array declared with
' Dim x(): a page fault at address 2 inside vbscript.dll, exit code 5.
Dim values()
ReDim values(0)
print "not reached under Wine"
