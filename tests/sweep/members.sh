#!/usr/bin/env bash
# Prints what the runtime has, from its sources (run from the source root):
# "M class name min max" per method-table row (-1: any count), "P class name get put"
# per property-table row (1 or 0), "G name engine" per global name.
# With --vbs it prints the same as VBScript instead: VBScript here cannot call a
# member by a name held in a variable, so sweep.vbs loads these Subs, which call each
# member of the tables by its own name with 0 to 3 arguments (gO, gA(0..2)).
set -euo pipefail
if [ "${1:-}" = --vbs ]; then
    "$0" | awk '
        function calls(target, prefix) {
            print "        Select Case n"
            print "        Case 0: Call " target "()"
            print "        Case 1: Call " target "(gA(0))"
            print "        Case 2: Call " target "(gA(0), gA(1))"
            print "        Case 3: Call " target "(gA(0), gA(1), gA(2))"
            print "        End Select"
        }
        $1 == "M" { m[++nm] = $2 "." $3; mt[nm] = "gO." $3 }
        $1 == "P" { p[++np] = $2 "." $3; pt[np] = "gO." $3 }
        $1 == "G" && $3 != "JScript" { m[++nm] = "G." tolower($2); mt[nm] = ($2 == "exit" ? "Script.exit" : $2) }
        END {
            m[++nm] = "Script.args"; mt[nm] = "Script.args"
            m[++nm] = "Script.version"; mt[nm] = "Script.version"
            m[++nm] = "Script.pwd"; mt[nm] = "Script.pwd"
            print "Sub InvokeMember(key, n)"
            print "    Select Case key"
            for (i = 1; i <= nm; i++) { print "    Case \"" m[i] "\""; calls(mt[i]) }
            print "    Case \"default\""; calls("gO")
            print "    Case Else: Fault \"no call for \" & key"
            print "    End Select"
            print "End Sub"
            print "Sub GetMember(key)"
            print "    Select Case key"
            for (i = 1; i <= np; i++) {
                print "    Case \"" p[i] "\""
                print "        If IsObject(" pt[i] ") Then Set gR = " pt[i] " Else gR = " pt[i]
            }
            print "    Case Else: Fault \"no property \" & key"
            print "    End Select"
            print "End Sub"
            print "Sub PutMember(key)"
            print "    Select Case key"
            for (i = 1; i <= np; i++) {
                print "    Case \"" p[i] "\""
                print "        If IsObject(gA(0)) Then Set " pt[i] " = gA(0) Else " pt[i] " = gA(0)"
            }
            print "    Case Else: Fault \"no property \" & key"
            print "    End Select"
            print "End Sub"
        }'
    exit
fi
for file in src/*/*.cpp; do
    awk -v file="$file" '
        /MethodInfo<[A-Za-z_]+> [A-Za-z_]+::methodList\[\] = \{/ { split($0, a, /[<>]/); cls = a[2]; kind = "M"; next }
        /PropertyInfo<[A-Za-z_]+> [A-Za-z_]+::propertyList\[\] = \{/ { split($0, a, /[<>]/); cls = a[2]; kind = "P"; next }
        kind != "" && /^\};/ { kind = ""; next }
        kind == "M" && /\{"/ {
            match($0, /\{"[^"]*"/); name = substr($0, RSTART + 2, RLENGTH - 3)
            rest = substr($0, RSTART + RLENGTH); gsub(/kAnyCount/, "-1", rest); split(rest, f, /[ ,]+/)
            print "M", cls, name, f[2], f[3]
        }
        kind == "P" && /\{"/ {
            match($0, /\{"[^"]*"/); name = substr($0, RSTART + 2, RLENGTH - 3)
            print "P", cls, name, 1, ($0 ~ /nullptr\}/ ? 0 : 1)
        }' "$file"
done
awk '/kGlobals\[\] = \{/ { on = 1; next } on && /^\};/ { on = 0 }
     on && /\{"/ { match($0, /\{"[^"]*"/); name = substr($0, RSTART + 2, RLENGTH - 3)
                   match($0, /Engine::[A-Za-z]+/); print "G", name, substr($0, RSTART + 8, RLENGTH - 8) }' src/app/namespace.cpp
