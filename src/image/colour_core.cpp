// Colour texts: the hexadecimal forms, the named-colour table and the "@" names.
#include "image/colour_core.h"

namespace {
struct NamedColour {
    const char* name;
    uint32_t rgb;
};

// The colour keywords of the web's colour table (only "lightgrey" is spelt with an
// e), then one name of the host's own.
const NamedColour kNamedColours[] = {
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4}, {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF}, {"blueviolet", 0x8A2BE2}, {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887}, {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E}, {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC}, {"crimson", 0xDC143C}, {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B}, {"darkcyan", 0x008B8B}, {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400}, {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B}, {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC}, {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F}, {"darkslateblue", 0x483D8B}, {"darkslategray", 0x2F4F4F},
    {"darkturquoise", 0x00CED1}, {"darkviolet", 0x9400D3}, {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF}, {"dimgray", 0x696969}, {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0}, {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC}, {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
    {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C}, {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0}, {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5}, {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6}, {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2}, {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1}, {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA}, {"lightslategray", 0x778899}, {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00}, {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371}, {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC}, {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA}, {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD}, {"navy", 0x000080},
    {"oldlace", 0xFDF5E6}, {"olive", 0x808000}, {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500}, {"orangered", 0xFF4500}, {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093}, {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6}, {"purple", 0x800080}, {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE}, {"sienna", 0xA0522D}, {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB}, {"slateblue", 0x6A5ACD}, {"slategray", 0x708090},
    {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C}, {"teal", 0x008080}, {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347}, {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3}, {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32}, {"honeydewtab", 0x00DEAB},
};

struct SystemColour {
    const char* name;
    int index;
};

// The desktop scheme's colours by their platform index (COLOR_SCROLLBAR is 0).
const SystemColour kSystemColours[] = {
    {"@scrollbar", 0}, {"@background", 1}, {"@desktop", 1}, {"@activecaption", 2},
    {"@inactivecaption", 3}, {"@menu", 4}, {"@window", 5}, {"@windowframe", 6},
    {"@menutext", 7}, {"@windowtext", 8}, {"@captiontext", 9}, {"@activeborder", 10},
    {"@inactiveborder", 11}, {"@appworkspace", 12}, {"@highlight", 13}, {"@highlighttext", 14},
    {"@3dface", 15}, {"@btnface", 15}, {"@3dshadow", 16}, {"@btnshadow", 16},
    {"@graytext", 17}, {"@btntext", 18}, {"@inactivecaptiontext", 19}, {"@3dhilight", 20},
    {"@3dhighlight", 20}, {"@btnhilight", 20}, {"@btnhighlight", 20}, {"@3ddkshadow", 21},
    {"@3dlight", 22}, {"@infotext", 23}, {"@infobk", 24},
};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when the text equals the lower-case name, ignoring the case of ASCII letters.
bool SameName(const char* text, size_t length, const char* name) {
    size_t i = 0;
    for (; i < length; ++i) {
        if (name[i] == '\0' || LowerAscii(text[i]) != name[i]) return false;
    }
    return name[i] == '\0';
}

// Hexadecimal digits read left to right; a sign before the first digit is taken and
// every other character skipped. The result wraps to 32 bits.
uint32_t ReadHex(const char* text, size_t length) {
    uint32_t value = 0;
    bool digits = false, negative = false;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        uint32_t digit;
        if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
        else {
            if (!digits && c == '-') negative = true;
            continue;
        }
        value = value << 4 | digit;
        digits = true;
    }
    return negative ? 0u - value : value;
}
}  // namespace

int SystemColourIndex(const char* text, size_t length) {
    for (const SystemColour& s : kSystemColours) {
        if (SameName(text, length, s.name)) return s.index;
    }
    return -1;
}

Colour ColourFromText(const char* text, size_t length, uint32_t (*systemColour)(int index)) {
    if (length > 0 && text[0] == '#' && (length == 7 || length == 9)) {
        Colour c = UnpackColour(ReadHex(text + 1, length - 1));
        if (length == 7) c.a = 255;
        return c;
    }
    if (length > 0 && text[0] == '@') {
        int index = SystemColourIndex(text, length);
        if (index >= 0) {
            uint32_t bgr = systemColour ? systemColour(index) : 0;
            return {bgr & 255, (bgr >> 8) & 255, (bgr >> 16) & 255, 255};
        }
    }
    for (const NamedColour& n : kNamedColours) {
        if (SameName(text, length, n.name)) {
            Colour c = UnpackColour(n.rgb);
            c.a = 255;
            return c;
        }
    }
    return {0, 0, 0, 255};
}
