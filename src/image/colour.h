// Colour values from scripts, and the global functions rgb and rgba.
#pragma once

#include "image/colour_core.h"
#include "object/arg_list.h"

class NScript;

// A colour from a number 0xAARRGGBB, a colour text or a name; false (and colour
// untouched) for any other kind of value.
bool ParseColour(const com_var& value, Colour& colour);

// One colour component from a number: read as unsigned 32 bits, at most 255 (so
// negative numbers give 255).
uint32_t ColourComponent(const com_var& value);

HRESULT f_rgb(NScript* script, ArgList& args, com_var& result);
HRESULT f_rgba(NScript* script, ArgList& args, com_var& result);
