// NImage: the method table over the pixel buffer, and Image.load.
#include "image/nimage.h"

#include "image/colour.h"
#include "image/image_file.h"
#include "object/com_ptr.h"

#include <memory>

const MethodInfo<NImage> NImage::methodList[] = {
    {"draw", 1, 3, &NImage::Draw},
    {"save", 1, 1, &NImage::Save},
    {"color", 1, 4, &NImage::SetColour},
    {"pset", 2, 3, &NImage::Pset},
    {"point", 2, 2, &NImage::Point},
    {"cls", 0, 4, &NImage::Cls},
    {"scroll", 2, 2, &NImage::Scroll},
};
const MemberTable<MethodInfo<NImage>> NImage::methods(methodList);
const PropertyInfo<NImage> NImage::propertyList[] = {
    {"width", &NImage::GetWidth, nullptr},
    {"height", &NImage::GetHeight, nullptr},
};
const MemberTable<PropertyInfo<NImage>> NImage::properties(propertyList);

namespace {
// A colour from one value, or from r, g, b [, a] starting at index first (alpha 255
// when it is missing). False when the one value is no colour.
bool ColourArguments(ArgList& args, size_t first, Colour& colour) {
    if (args.count() == first + 1) return ParseColour(args[first], colour);
    colour = {ColourComponent(args[first]), ColourComponent(args[first + 1]), ColourComponent(args[first + 2]),
              args.count() > first + 3 ? ColourComponent(args[first + 3]) : 255};
    return true;
}
}  // namespace

NObjectWrap* NImage::Create(ArgList& args, com_var&) {
    if (args.count() != 2 && args.count() != 3) return nullptr;
    const bool alpha = args.count() == 3 && args[2].ToNumber() != 0;
    buffer_.create(args[0].ToInt(), args[1].ToInt(), alpha);
    return new NObjectWrap(this);
}

HRESULT NImage::Draw(ArgList& args, com_var&) {
    if (args.count() == 2) return DISP_E_BADPARAMCOUNT;
    NImage* source = InstanceOf<NImage>(args[0]);
    if (!source) return DISP_E_TYPEMISMATCH;
    const int x = args.count() == 3 ? args[1].ToInt() : 0;
    const int y = args.count() == 3 ? args[2].ToInt() : 0;
    source->buffer_.blendOnto(buffer_, x, y, 255);
    return S_OK;
}

HRESULT NImage::Save(ArgList& args, com_var& result) {
    if (!args[0].IsString()) return DISP_E_TYPEMISMATCH;
    result = com_var(saveImageFile(args[0].ToText(), buffer_));
    return S_OK;
}

HRESULT NImage::SetColour(ArgList& args, com_var& result) {
    if (args.count() == 2) return DISP_E_BADPARAMCOUNT;
    Colour colour;
    if (!ColourArguments(args, 0, colour)) return DISP_E_TYPEMISMATCH;
    result = com_var(static_cast<double>(PackColour(currentColour_)));
    currentColour_ = colour;
    return S_OK;
}

HRESULT NImage::Pset(ArgList& args, com_var&) {
    Colour colour = currentColour_;
    if (args.count() == 3 && !ParseColour(args[2], colour)) return DISP_E_TYPEMISMATCH;
    buffer_.setPixel(args[0].ToInt(), args[1].ToInt(), colour);
    return S_OK;
}

HRESULT NImage::Point(ArgList& args, com_var& result) {
    result = com_var(static_cast<double>(PackColour(buffer_.getPixel(args[0].ToInt(), args[1].ToInt()))));
    return S_OK;
}

HRESULT NImage::Cls(ArgList& args, com_var&) {
    if (args.count() == 2) return DISP_E_BADPARAMCOUNT;
    Colour colour = currentColour_;
    if (!args.empty() && !ColourArguments(args, 0, colour)) return DISP_E_TYPEMISMATCH;
    buffer_.fill(colour);
    return S_OK;
}

HRESULT NImage::Scroll(ArgList& args, com_var&) {
    buffer_.scrollBy(args[0].ToInt(), args[1].ToInt());
    return S_OK;
}

HRESULT NImage::GetWidth(com_var& value) {
    value = com_var(static_cast<double>(buffer_.width()));
    return S_OK;
}

HRESULT NImage::GetHeight(com_var& value) {
    value = com_var(static_cast<double>(buffer_.height()));
    return S_OK;
}

const MethodInfo<NImageClass> NImageClass::methodList[] = {
    {"load", 1, 1, &NImageClass::Load},
};
const MemberTable<MethodInfo<NImageClass>> NImageClass::methods(methodList);
const MemberTable<PropertyInfo<NImageClass>> NImageClass::properties;

HRESULT NImageClass::Load(ArgList& args, com_var& result) {
    const std::string name = args[0].ToText();
    // The wrapper holds the only reference, so a failed load frees the image.
    NImage* image = new NImage(script());
    com_ptr<IDispatch> wrap = com_ptr<IDispatch>::share(static_cast<IDispatchEx*>(new NObjectWrap(image)));
    if (loadImageFile(name, image->buffer())) result = com_var(wrap.get());
    return S_OK;
}
