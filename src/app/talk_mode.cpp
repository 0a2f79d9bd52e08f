// Talk mode: one eval per line, with the .cls, .quit, .edit and .help commands.
#include "app/talk_mode.h"

#include "app/command_line.h"
#include "app/namespace.h"
#include "editor/open_editor.h"
#include "host/console_writer.h"
#include "host/nscript.h"
#include "object/text.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

void RunTalkMode(NScript& script) {
    char line[512];
    for (;;) {
        WriteOutput(stdout, ">", 1);
        fflush(stdout);
        std::string pending;
        if (!fgets(line, sizeof line, stdin)) break;
        size_t len = strlen(line);
        if (len > 0 && line[len - 1] == '\n') line[--len] = '\0';

        if (EqualsNoCase(line, ".quit")) break;
        if (EqualsNoCase(line, ".help")) {
            PrintOutput(stdout, "%s\n\nCommand:\n    .cls, .quit, .edit, .help,\n\n", ProductBanner);
            continue;
        }
        if (EqualsNoCase(line, ".edit")) {
            pending = openEditor(VersionText);
            line[0] = '\0';
        }
        if (EqualsNoCase(line, ".cls")) {
            fflush(stdout);
            system("cls");
            continue;
        }
        if (pending.empty()) pending = line;
        if (pending.empty()) continue;

        ArgList args;
        args.push_back(com_var(pending));
        com_var result;
        if (script.CallFunction("eval", &args, &result)) {
            std::string text = result.ToText();
            if (!text.empty()) WriteOutput(stdout, text + "\n");
        }
    }
}
