// MemberNameTable: the process-wide names behind every DISPID of every host object.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <deque>
#include <string>
#include <unordered_map>

class MemberNameTable {
public:
    static constexpr DISPID kFirstId = 256;

    // The DISPID of a name, appending the name if it is new; the empty name is DISPID_VALUE.
    static DISPID IdOf(const std::string& name);
    // The name of a DISPID; empty for DISPID_VALUE and for ids outside the table.
    static const std::string& NameOf(DISPID id);
    static size_t size();

private:
    static MemberNameTable& Instance();
    // Names never move once added, so NameOf can hand out references.
    std::deque<std::string> names_;
    std::unordered_map<std::string, DISPID> ids_;
};
