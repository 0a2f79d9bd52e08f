// sscanf: the host's own scanner over narrow text, its values handed back as an array.
#include "globals/scan.h"

#include <math.h>

#include "globals/encoding.h"
#include "globals/scan_core.h"
#include "object/com_array.h"
#include "object/dispatch_helpers.h"

namespace {
// JScript's Array constructor reads a single number as a length, so a lone numeric
// value would become that many empty elements: such an array is built empty and the
// value pushed into it.
com_var ValuesToScript(NScript* script, const com_array& array) {
    if (array.count() != 1) return ArrayToScript(script, array);
    com_var only = array.get(0);
    if (only.type() != VT_R8) return ArrayToScript(script, array);
    com_array none;
    if (!none.create(0)) return ArrayToScript(script, array);
    com_var empty = ArrayToScript(script, none);
    if (empty.type() != VT_DISPATCH || !empty.v.pdispVal) return ArrayToScript(script, array);
    ArgList args;
    args.push_back(only);
    if (!CallDispatch(empty.v.pdispVal, "push", &args, nullptr)) return ArrayToScript(script, array);
    return empty;
}
}  // namespace

HRESULT f_sscanf(NScript* script, ArgList& args, com_var& result) {
    if (args.count() != 2 && args.count() != 3) return DISP_E_BADPARAMCOUNT;
    bool strict = false;
    if (args.count() == 3) {
        if (!args[2].IsNumeric()) return DISP_E_TYPEMISMATCH;
        double d = args[2].ToNumber();
        strict = d != 0 && !isnan(d);
    }
    const MultiByteTable& narrow = NarrowTable();
    std::vector<ScanItem> items = ParseScanFormat(args[1].ToText(), narrow);
    if (items.empty()) return S_OK;
    ScanResult scan = ScanInput(args[0].ToText(), items, narrow);
    if (scan.texts.empty() || (strict && !scan.complete)) return S_OK;

    std::vector<ScanValue> values = ConvertScanTexts(scan.texts, items);
    com_array array;
    if (!array.create(static_cast<long>(values.size()))) return E_OUTOFMEMORY;
    {
        com_array::elements e(array);
        if (e.count() != static_cast<long>(values.size())) return E_FAIL;
        for (size_t i = 0; i < values.size(); ++i) {
            com_var value = values[i].isNumber ? com_var(values[i].number) : com_var(values[i].text);
            value.detach(&e[static_cast<long>(i)]);
        }
    }
    result = ValuesToScript(script, array);
    return S_OK;
}
