// Talk mode: the interactive loop that evaluates typed lines with the engine's eval.
#pragma once

class NScript;

void RunTalkMode(NScript& script);
