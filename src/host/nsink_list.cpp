// NSinkList: the event connections of one script context.
#include "host/nsink_list.h"

bool NSinkList::Attach(NScript* script, IDispatch* object, const std::string& prefix, IDispatch* forward) {
    Detach(object);
    com_ptr<NEventSink> sink = com_ptr<NEventSink>::share(new NEventSink(script));
    if (!sink->Connect(object, prefix, forward)) return false;
    sinks_.push_back(std::move(sink));
    return true;
}

bool NSinkList::Detach(IUnknown* object) {
    com_ptr<IUnknown> identity;
    if (!object || FAILED(object->QueryInterface(IID_IUnknown, identity.put_void())) || !identity) return false;
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (!(*it)->IsFor(identity.get())) continue;
        // Out of the list before it is disconnected: ending the connection may run
        // code that reaches this list again.
        com_ptr<NEventSink> sink = std::move(*it);
        sinks_.erase(it);
        sink->Disconnect();
        return true;
    }
    return false;
}

void NSinkList::Clear() {
    std::vector<com_ptr<NEventSink>> sinks;
    sinks.swap(sinks_);
    for (auto& sink : sinks) sink->Disconnect();
}
