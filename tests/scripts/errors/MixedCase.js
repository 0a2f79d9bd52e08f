var x = ];
// The error report uses the file-name part of the path, lower-cased, whatever
// folder the script was given with; an error in the first line is line 1.
