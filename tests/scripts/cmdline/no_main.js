print("global code runs; no main is fine");
