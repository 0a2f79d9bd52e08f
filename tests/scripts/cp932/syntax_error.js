// 構文エラーの報告: Wine の JScript は日本語のメッセージを出す。
// The report of a compile error under code page 932: the message (the engine's
// own, in Japanese) and the source line are written as Shift_JIS text.
print("実行されない");
var 値 = "表" +;
