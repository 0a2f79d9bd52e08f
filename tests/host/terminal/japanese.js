// Shift_JIS text for the terminal test.
print("あい terminal");
printf("%s\n", "日本");
stdout.puts("カナ\n");
throw new Error("エラー text");
