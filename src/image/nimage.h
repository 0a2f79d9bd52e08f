// NImage: a picture scripts create, load, draw on, compose, scroll and save; and
// NImageClass, the class object with its load method.
#pragma once

#include "image/colour_core.h"
#include "image/dib32.h"
#include "object/member_dispatch.h"
#include "object/nclass.h"

class NImage : public NMembers<NImage> {
public:
    using NMembers<NImage>::NMembers;

    // new Image(width, height [, alpha]): two or three arguments. Sides of zero or
    // below (or too large for the platform) give an empty image of 0 × 0.
    NObjectWrap* Create(ArgList& args, com_var& result) override;

    dib32& buffer() { return buffer_; }

    static const MethodInfo<NImage> methodList[];
    static const MemberTable<MethodInfo<NImage>> methods;
    static const PropertyInfo<NImage> propertyList[];
    static const MemberTable<PropertyInfo<NImage>> properties;

private:
    HRESULT Draw(ArgList& args, com_var& result);
    HRESULT Save(ArgList& args, com_var& result);
    HRESULT SetColour(ArgList& args, com_var& result);
    HRESULT Pset(ArgList& args, com_var& result);
    HRESULT Point(ArgList& args, com_var& result);
    HRESULT Cls(ArgList& args, com_var& result);
    HRESULT Scroll(ArgList& args, com_var& result);
    HRESULT GetWidth(com_var& value);
    HRESULT GetHeight(com_var& value);

    dib32 buffer_;
    Colour currentColour_ = {255, 255, 255, 255};
};

class NImageClass : public NMembers<NImageClass, NClass<NImage>> {
public:
    using NMembers<NImageClass, NClass<NImage>>::NMembers;

    static const MethodInfo<NImageClass> methodList[];
    static const MemberTable<MethodInfo<NImageClass>> methods;
    static const MemberTable<PropertyInfo<NImageClass>> properties;

private:
    HRESULT Load(ArgList& args, com_var& result);
};
