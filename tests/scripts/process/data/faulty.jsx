// Loaded by exec: a run-time error on line 3 ends this file's global code.
var beforeFault = 1;
var fault = noSuchName + beforeFault;
var afterFault = 2;
