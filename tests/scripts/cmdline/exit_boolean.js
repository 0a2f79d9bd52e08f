function main() { return true; }
