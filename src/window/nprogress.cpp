// NProgress: the member tables and the arguments of open and step.
#include "window/nprogress.h"

#include "object/nobject_wrap.h"
#include "window/nframe.h"
#include "window/nwindow.h"
#include "window/progress_box.h"

const MethodInfo<NProgress> NProgress::methodList[] = {
    {"open", 0, 4, &NProgress::Open},
    {"step", 1, 2, &NProgress::Step},
    {"close", 0, 0, &NProgress::Close},
};
const MemberTable<MethodInfo<NProgress>> NProgress::methods(methodList);

const PropertyInfo<NProgress> NProgress::propertyList[] = {
    {"text", &NProgress::GetText, &NProgress::PutText},
};
const MemberTable<PropertyInfo<NProgress>> NProgress::properties(propertyList);

NProgress::~NProgress() {
    if (box_) box_->Close();
}

NObjectWrap* NProgress::Create(ArgList& args, com_var&) {
    if (!args.empty()) return nullptr;
    return new NObjectWrap(this);
}

// open([ownerFrame,] [message [, title [, mode]]]): a frame that is not open gives an
// unowned box. An argument left undefined takes its default.
HRESULT NProgress::Open(ArgList& args, com_var&) {
    HWND owner = nullptr;
    size_t first = 0;
    if (!args.empty() && FrameOwner(args[0], &owner)) first = 1;
    const size_t n = args.count() - first;
    if (n > 3) return DISP_E_BADPARAMCOUNT;
    auto given = [&](size_t i) { return i < n && !args[first + i].empty(); };
    std::string message = given(0) ? args[first].ToText() : std::string();
    std::string title = given(1) ? args[first + 1].ToText() : ProgramBaseName();
    const int32_t mode = given(2) ? args[first + 2].ToInt() : 0;
    // The old box goes first: a handler served while it closes may look at box_.
    if (std::shared_ptr<ProgressBox> old = std::move(box_)) old->Close();
    box_ = ProgressBox::Open(owner, std::move(message), std::move(title), mode);
    return S_OK;
}

// step(percent [, text]) or step(text).
HRESULT NProgress::Step(ArgList& args, com_var& result) {
    if (!box_) return S_OK;
    // Kept for the call: messages served inside may reach a handler that closes it.
    const std::shared_ptr<ProgressBox> box = box_;
    const bool withText = args.count() == 2;
    if (args[0].IsNumeric()) {
        const double percent = args[0].ToNumber();
        const std::string text = withText ? args[1].ToText() : std::string();
        result = com_var(box->Step(&percent, withText ? &text : nullptr));
        return S_OK;
    }
    if (!args[0].IsString() || withText) return DISP_E_BADVARTYPE;
    const std::string text = args[0].ToText();
    result = com_var(box->Step(nullptr, &text));
    return S_OK;
}

HRESULT NProgress::Close(ArgList&, com_var& result) {
    if (!box_) return S_OK;
    const std::shared_ptr<ProgressBox> box = std::move(box_);
    result = com_var(box->Close());
    return S_OK;
}

HRESULT NProgress::GetText(com_var&) { return DISP_E_BADVARTYPE; }

// Accepted, and without effect.
HRESULT NProgress::PutText(com_var&) { return S_OK; }
