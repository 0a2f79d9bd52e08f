// MemberNameTable: append-only name table, exact byte-for-byte comparison.
#include "object/member_name_table.h"

MemberNameTable& MemberNameTable::Instance() {
    // Never destroyed: host objects may still be looked up during process exit.
    static MemberNameTable* table = new MemberNameTable;
    return *table;
}

DISPID MemberNameTable::IdOf(const std::string& name) {
    if (name.empty()) return DISPID_VALUE;
    MemberNameTable& t = Instance();
    auto it = t.ids_.find(name);
    if (it != t.ids_.end()) return it->second;
    DISPID id = kFirstId + static_cast<DISPID>(t.names_.size());
    t.names_.push_back(name);
    t.ids_.emplace(name, id);
    return id;
}

const std::string& MemberNameTable::NameOf(DISPID id) {
    static const std::string empty;
    MemberNameTable& t = Instance();
    if (id < kFirstId || static_cast<size_t>(id - kFirstId) >= t.names_.size()) return empty;
    return t.names_[static_cast<size_t>(id - kFirstId)];
}

size_t MemberNameTable::size() { return Instance().names_.size(); }
