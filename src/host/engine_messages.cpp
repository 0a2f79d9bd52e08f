// Error numbers of the JScript and VBScript engines with their standard texts. Both
// engines raise them as 0x800A0000 plus the number; the numbers below 1100 are
// shared by both languages' syntax errors but not their texts.
#include "host/engine_messages.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

namespace {
struct MessageInfo {
    uint16_t number;
    const char* text;
};

// Run-time errors that both engines raise from the automation layer underneath.
const MessageInfo kCommon[] = {
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {10, "This array is fixed or temporarily locked"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {14, "Out of string space"},
    {17, "Can't perform requested operation"},
    {28, "Out of stack space"},
    {35, "Sub or Function not defined"},
    {48, "Error in loading DLL"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {74, "Can't rename with different drive"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {91, "Object variable not set"},
    {92, "For loop not initialized"},
    {94, "Invalid use of Null"},
    {322, "Can't create necessary temporary file"},
    {424, "Object required"},
    {429, "ActiveX component can't create object"},
    {430, "Class doesn't support Automation"},
    {432, "File name or class name not found during Automation operation"},
    {438, "Object doesn't support this property or method"},
    {440, "Automation error"},
    {445, "Object doesn't support this action"},
    {446, "Object doesn't support named arguments"},
    {447, "Object doesn't support current locale setting"},
    {448, "Named argument not found"},
    {449, "Argument not optional"},
    {450, "Wrong number of arguments or invalid property assignment"},
    {451, "Object not a collection"},
    {453, "Specified DLL function not found"},
    {457, "This key is already associated with an element of this collection"},
    {458, "Variable uses an Automation type not supported"},
    {462, "The remote server machine does not exist or is unavailable"},
    {500, "Variable is undefined"},
    {501, "Illegal assignment"},
    {502, "Object not safe for scripting"},
    {503, "Object not safe for initializing"},
    {504, "Object not safe for creating"},
    {505, "Invalid or unqualified reference"},
    {506, "Class not defined"},
    {507, "An exception occurred"},
    {5017, "Syntax error in regular expression"},
    {5018, "Unexpected quantifier"},
    {5019, "Expected ']' in regular expression"},
    {5020, "Expected ')' in regular expression"},
    {5021, "Invalid range in character set"},
    {32811, "Element not found"},
};

const MessageInfo kVBScript[] = {
    {1001, "Out of memory"},
    {1002, "Syntax error"},
    {1003, "Expected ':'"},
    {1005, "Expected '('"},
    {1006, "Expected ')'"},
    {1007, "Expected ']'"},
    {1010, "Expected identifier"},
    {1011, "Expected '='"},
    {1012, "Expected 'If'"},
    {1013, "Expected 'To'"},
    {1014, "Expected 'End'"},
    {1015, "Expected 'Function'"},
    {1016, "Expected 'Sub'"},
    {1017, "Expected 'Then'"},
    {1018, "Expected 'Wend'"},
    {1019, "Expected 'Loop'"},
    {1020, "Expected 'Next'"},
    {1021, "Expected 'Case'"},
    {1022, "Expected 'Select'"},
    {1023, "Expected expression"},
    {1024, "Expected statement"},
    {1025, "Expected end of statement"},
    {1026, "Expected integer constant"},
    {1027, "Expected 'While' or 'Until'"},
    {1028, "Expected 'While', 'Until' or end of statement"},
    {1029, "Expected 'With'"},
    {1030, "Identifier too long"},
    {1031, "Invalid number"},
    {1032, "Invalid character"},
    {1033, "Unterminated string constant"},
    {1034, "Unterminated comment"},
    {1037, "Invalid use of 'Me' keyword"},
    {1038, "'loop' without 'do'"},
    {1039, "Invalid 'exit' statement"},
    {1040, "Invalid 'for' loop control variable"},
    {1041, "Name redefined"},
    {1042, "Must be first statement on the line"},
    {1043, "Cannot assign to non-ByVal argument"},
    {1044, "Cannot use parentheses when calling a Sub"},
    {1045, "Expected literal constant"},
    {1046, "Expected 'In'"},
    {1047, "Expected 'Class'"},
    {1048, "Must be defined inside a Class"},
    {1049, "Expected Let or Set or Get in property declaration"},
    {1050, "Expected 'Property'"},
    {1052, "Cannot have multiple default property/method in a Class"},
    {1053, "Class initialize or terminate do not have arguments"},
    {1054, "Property set or let must have at least one argument"},
    {1055, "Unexpected 'Next'"},
    {1056, "'Default' can be specified only on 'Property' or 'Function' or 'Sub'"},
};

const MessageInfo kJScript[] = {
    {1002, "Syntax error"},
    {1003, "Expected ':'"},
    {1004, "Expected ';'"},
    {1005, "Expected '('"},
    {1006, "Expected ')'"},
    {1007, "Expected ']'"},
    {1008, "Expected '{'"},
    {1009, "Expected '}'"},
    {1010, "Expected identifier"},
    {1011, "Expected '='"},
    {1012, "Expected '/'"},
    {1013, "Invalid number"},
    {1014, "Invalid character"},
    {1015, "Unterminated string constant"},
    {1016, "Unterminated comment"},
    {1018, "'return' statement outside of function"},
    {1019, "Can't have 'break' outside of loop"},
    {1020, "Can't have 'continue' outside of loop"},
    {1023, "Expected hexadecimal digit"},
    {1024, "Expected 'while'"},
    {1025, "Label redefined"},
    {1026, "Label not found"},
    {1027, "'default' can only appear once in a 'switch' statement"},
    {1028, "Expected identifier, string or number"},
    {1029, "Expected '@end'"},
    {1030, "Conditional compilation is turned off"},
    {1031, "Expected constant"},
    {1032, "Expected '@'"},
    {1033, "Expected 'catch'"},
    {1034, "Expected 'var'"},
    {1035, "'throw' must be followed by an expression on the same source line"},
    {5000, "Cannot assign to 'this'"},
    {5001, "Number expected"},
    {5002, "Function expected"},
    {5003, "Cannot assign to a function result"},
    {5004, "Cannot index object"},
    {5005, "String expected"},
    {5006, "Date object expected"},
    {5007, "Object expected"},
    {5008, "Illegal assignment"},
    {5009, "Undefined identifier"},
    {5010, "Boolean expected"},
    {5011, "Can't execute code from a freed script"},
    {5012, "Object member expected"},
    {5013, "VBArray expected"},
    {5014, "JScript object expected"},
    {5015, "Enumerator object expected"},
    {5016, "Regular Expression object expected"},
    {5022, "Exception thrown and not caught"},
    {5023, "Function does not have a valid prototype object"},
    {5024, "The URI to be encoded contains an invalid character"},
    {5025, "The URI to be decoded is not a valid encoding"},
    {5026, "The number of fractional digits is out of range"},
    {5027, "The precision is out of range"},
    {5028, "Array or arguments object expected"},
    {5029, "Array length must be a finite positive integer"},
    {5030, "Array length must be assigned a finite positive number"},
    {5031, "Array object expected"},
    {5034, "Circular reference in value argument not supported"},
    {5035, "Invalid replacer argument"},
    {5038, "Argument list too large to apply"},
    {5039, "Redeclaration of const property"},
};

// Automation statuses that the engines turn into error numbers of their own when a
// host or COM object raises them.
const struct {
    uint32_t status;
    uint16_t number;
} kStatusNumbers[] = {
    {0x8002000Bu, 9},    // DISP_E_BADINDEX
    {0x8002000Du, 10},   // DISP_E_ARRAYISLOCKED
    {0x80020012u, 11},   // DISP_E_DIVBYZERO
    {0x8002000Au, 6},    // DISP_E_OVERFLOW
    {0x80020005u, 13},   // DISP_E_TYPEMISMATCH
    {0x8007000Eu, 7},    // E_OUTOFMEMORY
    {0x80020003u, 438},  // DISP_E_MEMBERNOTFOUND
    {0x80020006u, 438},  // DISP_E_UNKNOWNNAME
    {0x80020007u, 446},  // DISP_E_NONAMEDARGS
    {0x80020008u, 458},  // DISP_E_BADVARTYPE
    {0x8002000Cu, 447},  // DISP_E_UNKNOWNLCID
    {0x8002000Eu, 450},  // DISP_E_BADPARAMCOUNT
    {0x8002000Fu, 449},  // DISP_E_PARAMNOTOPTIONAL
    {0x80020004u, 448},  // DISP_E_PARAMNOTFOUND
    {0x80020010u, 451},  // DISP_E_NOTACOLLECTION
    {0x800401F3u, 429},  // CO_E_CLASSSTRING
    {0x80040154u, 429},  // REGDB_E_CLASSNOTREG
    {0x80070057u, 5},    // E_INVALIDARG
};

// The system's texts of general COM statuses, for errors that come with neither a
// description nor an engine number (Wine's VBScript gives E_FAIL for "Object required").
const MessageInfo kSystem[] = {
    {0x4001, "Not implemented"},
    {0x4002, "No such interface supported"},
    {0x4003, "Invalid pointer"},
    {0x4004, "Operation aborted"},
    {0x4005, "Unspecified error"},
    {0xFFFF, "Catastrophic failure"},
};

template <size_t N>
const char* Find(const MessageInfo (&table)[N], uint32_t number) {
    for (const MessageInfo& m : table)
        if (m.number == number) return m.text;
    return nullptr;
}
}  // namespace

EngineFamily EngineFamilyOf(const std::string& progid) {
    const char* p = progid.c_str();
    if (strcasecmp(p, "VBScript") == 0 || strcasecmp(p, "VBS") == 0) return EngineFamily::VBScript;
    if (strcasecmp(p, "JavaScript") == 0 || strcasecmp(p, "JScript") == 0 || strcasecmp(p, "ECMAScript") == 0)
        return EngineFamily::JScript;
    return EngineFamily::Other;
}

uint32_t EngineErrorNumber(uint32_t status) {
    if ((status & 0xFFFF0000u) == 0x800A0000u) return status;
    for (const auto& s : kStatusNumbers)
        if (s.status == status) return 0x800A0000u | s.number;
    return 0;
}

const char* StandardErrorMessage(EngineFamily family, uint32_t status) {
    if (family == EngineFamily::Other) return nullptr;
    uint32_t number = EngineErrorNumber(status) & 0xFFFFu;
    if (number == 0) return nullptr;
    const char* own = family == EngineFamily::VBScript ? Find(kVBScript, number) : Find(kJScript, number);
    return own ? own : Find(kCommon, number);
}

std::string ErrorDescription(EngineFamily family, const std::string& description, const std::string& source,
                             uint32_t status) {
    if (!description.empty()) return description;
    if (const char* standard = StandardErrorMessage(family, status)) return standard;
    char hex[16];
    snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status));
    if (!source.empty()) return source + " (" + hex + ")";
    if ((status & 0xFFFF0000u) == 0x80000000u)
        if (const char* system = Find(kSystem, status & 0xFFFFu)) return system;
    return hex;
}
