// docs/reference.md against the program: every global name, member and frame event
// the code registers has a heading there, and every name a heading shows exists.
#include <gtest/gtest.h>

#include <ctype.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/namespace.h"
#include "com/ncom_support.h"
#include "com/nwscript.h"
#include "com/nwsh_arguments.h"
#include "com/nwsh_stream.h"
#include "data/nbinary_blob.h"
#include "data/nfile.h"
#include "image/nimage.h"
#include "object/nclass.h"
#include "window/ncontrol.h"
#include "window/nframe.h"
#include "window/nprogress.h"

namespace {
using Names = std::set<std::string>;

// The names of a class's own method and property tables.
template <class T>
Names Members() {
    Names names;
    for (size_t i = 0; i < T::methods.count; ++i) names.insert(T::methods.entries[i].name);
    for (size_t i = 0; i < T::properties.count; ++i) names.insert(T::properties.entries[i].name);
    return names;
}

// The owner a heading writes before the dot, and the members it stands for. Tables a
// class inherits are documented once under their base: every class object's under
// "Class", the frame base's (all seven frame classes have nothing else) under "frame",
// and the control base's under "control". A new host class with tables gets a line here.
std::map<std::string, Names> Owners() {
    Names script, events;
    for (const char* name : ScriptValueNames()) script.insert(name);
    for (const char* name : kFrameEventNames) events.insert(name);
    return {
        {"Script", script},
        {"Class", Members<NClassBase>()},
        {"Image", Members<NImageClass>()},
        {"File", Members<NFileClass>()},
        {"COM", Members<NComSupport>()},
        {"frame", Members<NFrameBase>()},
        {"control", Members<NControl>()},
        {"progress", Members<NProgress>()},
        {"image", Members<NImage>()},
        {"file", Members<NFile>()},
        {"blob", Members<NBinaryBlob>()},
        {"handler", events},
        {"WScript", Members<NWScript>()},
        {"Arguments", Members<NWshArguments>()},
        {"stream", Members<NWshStream>()},
    };
}

// What the reference's headings name: "name" or "owner.name", each with the engine its
// heading marks it for.
struct Documented {
    std::map<std::string, Engine> names;
    std::vector<std::string> malformed;  // backticked heading texts that name nothing
};

// Every text in backticks on a heading line is a name: a global as `name(…)` or
// `new Name(…)`, a member or event as `owner.name…`.
Documented ReadReference(const std::string& path) {
    Documented doc;
    std::ifstream in(path);
    std::string line;
    bool code = false;
    while (std::getline(in, line)) {
        if (line.compare(0, 3, "```") == 0) code = !code;
        if (code || line.empty() || line[0] != '#') continue;
        const Engine engine = line.find("(JScript only)") != std::string::npos    ? Engine::JScript
                              : line.find("(VBScript only)") != std::string::npos ? Engine::VBScript
                                                                                  : Engine::Any;
        for (size_t open = line.find('`'); open != std::string::npos; open = line.find('`', open)) {
            const size_t close = line.find('`', open + 1);
            if (close == std::string::npos) break;
            std::string text = line.substr(open + 1, close - open - 1);
            open = close + 1;
            if (text.compare(0, 4, "new ") == 0) text.erase(0, 4);
            size_t end = 0;
            while (end < text.size() && (isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_' ||
                                         text[end] == '.'))
                ++end;
            const std::string name = text.substr(0, end);
            if (name.empty() || name.front() == '.' || name.back() == '.' ||
                name.find('.') != name.rfind('.')) {
                doc.malformed.push_back(text);
                continue;
            }
            doc.names[name] = engine;
        }
    }
    return doc;
}

// The program's side: each global with its engine, each member as owner.name.
const std::map<std::string, Engine>& Program() {
    static const std::map<std::string, Engine> names = [] {
        std::map<std::string, Engine> all;
        for (const GlobalName& g : GlobalNames()) all[g.name] = g.engine;
        for (const auto& [owner, members] : Owners())
            for (const std::string& member : members) all[owner + "." + member] = Engine::Any;
        return all;
    }();
    return names;
}

const Documented& Reference() {
    static const Documented doc = ReadReference(KOVA_REFERENCE_MD);
    return doc;
}

std::string List(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}
}  // namespace

TEST(ReferenceTest, DocumentsEveryName) {
    ASSERT_FALSE(Reference().names.empty()) << "no names read from " << KOVA_REFERENCE_MD;
    std::vector<std::string> missing;
    for (const auto& entry : Program())
        if (!Reference().names.count(entry.first)) missing.push_back(entry.first);
    EXPECT_TRUE(missing.empty()) << "not in docs/reference.md: " << List(missing);
}

TEST(ReferenceTest, DocumentsOnlyWhatExists) {
    std::vector<std::string> unknown;
    for (const auto& entry : Reference().names)
        if (!Program().count(entry.first)) unknown.push_back(entry.first);
    EXPECT_TRUE(unknown.empty()) << "in docs/reference.md, not in the program: " << List(unknown);
    EXPECT_TRUE(Reference().malformed.empty()) << "headings naming nothing: " << List(Reference().malformed);
}

// JScript-only and VBScript-only globals say so in their headings, and no other does.
TEST(ReferenceTest, MarksEngineOnlyNames) {
    std::vector<std::string> wrong;
    for (const auto& [name, engine] : Program()) {
        const auto found = Reference().names.find(name);
        if (found != Reference().names.end() && found->second != engine) wrong.push_back(name);
    }
    EXPECT_TRUE(wrong.empty()) << "engine marks differ from the registration: " << List(wrong);
}
