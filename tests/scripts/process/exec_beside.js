// exec finds a relative name beside the main script when the current folder (here,
// the folder above) has no such file; a name found nowhere is false.
print(exec("exec_beside.inc"), " ", typeof besideLoaded, " ", exec("no_such_file.inc"));
