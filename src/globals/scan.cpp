// sscanf: the host's own scanner over narrow text, its values handed back as an array.
#include "globals/scan.h"

#include <math.h>

#include "globals/scan_core.h"
#include "object/com_array.h"
#include "object/dispatch_helpers.h"
#include "object/text.h"

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
    result = ArrayToScript(script, array);
    return S_OK;
}
