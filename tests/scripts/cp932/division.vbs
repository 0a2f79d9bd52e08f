' The engine gives this run-time error no description; the report names it.
print "before"
print "x", 1 / 0
