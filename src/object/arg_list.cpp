// ArgList: conversion from and to the engine's dispatch parameters.
#include "object/arg_list.h"

ArgList::ArgList(const DISPPARAMS* params) {
    if (!params || !params->rgvarg) return;
    args_.reserve(params->cArgs);
    for (UINT i = params->cArgs; i-- > 0;) args_.emplace_back(params->rgvarg[i]);
}

std::vector<VARIANT> ArgList::ReversedShallow() const {
    std::vector<VARIANT> out(args_.size());
    for (size_t i = 0; i < args_.size(); ++i) out[args_.size() - 1 - i] = args_[i].v;
    return out;
}

OutgoingParams::OutgoingParams(const ArgList* args) {
    if (args) values_ = args->ReversedShallow();
    params_.cArgs = static_cast<UINT>(values_.size());
    params_.rgvarg = values_.empty() ? nullptr : values_.data();
}
