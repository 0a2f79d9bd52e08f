// FormatArgs: the formatter fed with the string and number conversions of com_var.
#include "globals/format.h"

#include "globals/format_core.h"

namespace {
class ArgValues final : public FormatValues {
public:
    explicit ArgValues(const ArgList& args) : args_(args) {}
    size_t count() const override { return args_.count() - 1; }
    double Number(size_t i) const override { return args_[i + 1].ToNumber(); }
    std::string Text(size_t i) const override { return args_[i + 1].ToText(); }

private:
    const ArgList& args_;
};
}  // namespace

std::string FormatArgs(const ArgList& args) {
    if (args.empty()) return std::string();
    return FormatText(args[0].ToText(), ArgValues(args));
}
