// FormatArgs: printf-style formatting of a call's arguments (format first).
#pragma once

#include "object/arg_list.h"

#include <string>

std::string FormatArgs(const ArgList& args);
