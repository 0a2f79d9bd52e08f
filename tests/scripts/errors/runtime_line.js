// The engine gives run-time errors no source line; the report takes it from the file.
var before = 1;
var text = "plain"; null.method(before);
