// Colour values from scripts: numbers, texts and names; rgb and rgba.
#include "image/colour.h"

#include "object/numeric.h"

namespace {
uint32_t SystemColour(int index) { return GetSysColor(index); }

HRESULT Pack(ArgList& args, size_t count, com_var& result) {
    if (args.count() != count) return DISP_E_BADPARAMCOUNT;
    Colour c = {ColourComponent(args[0]), ColourComponent(args[1]), ColourComponent(args[2]),
                count == 4 ? ColourComponent(args[3]) : 255};
    result = com_var(static_cast<double>(PackColour(c)));
    return S_OK;
}
}  // namespace

uint32_t ColourComponent(const com_var& value) {
    uint32_t v = static_cast<uint32_t>(TruncateToInt32(value.ToNumber()));
    return v < 255 ? v : 255;
}

bool ParseColour(const com_var& value, Colour& colour) {
    if (value.IsNumeric()) {
        colour = UnpackColour(static_cast<uint32_t>(TruncateToInt32(value.ToNumber())));
        return true;
    }
    if (value.IsString()) {
        std::string text = value.ToText();
        colour = ColourFromText(text.data(), text.size(), SystemColour);
        return true;
    }
    return false;
}

HRESULT f_rgb(NScript*, ArgList& args, com_var& result) { return Pack(args, 3, result); }
HRESULT f_rgba(NScript*, ArgList& args, com_var& result) { return Pack(args, 4, result); }
