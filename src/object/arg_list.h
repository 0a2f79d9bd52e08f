// ArgList: the arguments of one call, first script argument at index 0.
#pragma once

#include "object/com_var.h"

#include <vector>

class ArgList {
public:
    ArgList() = default;
    // Built from the engine's dispatch parameters, which arrive last argument first;
    // references to variants are followed once.
    explicit ArgList(const DISPPARAMS* params);

    size_t count() const noexcept { return args_.size(); }
    bool empty() const noexcept { return args_.empty(); }
    // Callers test the count first; an index beyond it is a host fault, which throws
    // std::out_of_range and reaches the engine as DISP_E_BADPARAMCOUNT.
    com_var& operator[](size_t i) { return args_.at(i); }
    const com_var& operator[](size_t i) const { return args_.at(i); }

    void push_back(const com_var& v) { args_.push_back(v); }
    void push_back(com_var&& v) { args_.push_back(std::move(v)); }
    void pop_back() { if (!args_.empty()) args_.pop_back(); }
    void reserve(size_t n) { args_.reserve(n); }

    // The dispatch parameters for calling out: shallow copies in reverse order.
    // The array is only valid while this list lives and is unchanged; the copies
    // must not be cleared.
    std::vector<VARIANT> ReversedShallow() const;

private:
    std::vector<com_var> args_;
};

// DISPPARAMS over an ArgList for one outgoing call.
class OutgoingParams {
public:
    explicit OutgoingParams(const ArgList* args);
    DISPPARAMS* get() noexcept { return &params_; }

private:
    std::vector<VARIANT> values_;
    DISPPARAMS params_{};
};
