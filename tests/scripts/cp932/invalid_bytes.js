// Bytes that are not valid Shift_JIS text do not stop the file from parsing
// (the platform decides what they become): a lead byte without a proper trail
// byte: ‚ x, and a byte that is no character at all: ÿ.
print("parsed");
