// NSinkList: the event connections of one script context, ended when it closes.
#pragma once

#include <string>
#include <vector>

#include "host/nevent_sink.h"

class NSinkList {
public:
    NSinkList() = default;
    NSinkList(const NSinkList&) = delete;
    NSinkList& operator=(const NSinkList&) = delete;
    ~NSinkList() { Clear(); }

    // Connects the object's events to script (see NEventSink::Connect), replacing any
    // connection made for the same object before. Reports whether it connected.
    bool Attach(NScript* script, IDispatch* object, const std::string& prefix, IDispatch* forward);
    // Ends the connection made for the object (matched by COM identity), if any.
    bool Detach(IUnknown* object);
    void Clear();
    size_t size() const noexcept { return sinks_.size(); }

private:
    std::vector<com_ptr<NEventSink>> sinks_;
};
