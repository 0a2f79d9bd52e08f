// The standard texts of the script engines' well-known error numbers, for reports
// of errors whose engine gave no description.
#pragma once

#include <stdint.h>

#include <string>

enum class EngineFamily { Other, JScript, VBScript };

// The family of an engine ProgID: JScript's names, VBScript, or neither.
EngineFamily EngineFamilyOf(const std::string& progid);
// The engine's own error number of a status (0x800A0000 plus the number): the status
// itself when it is one, the number the engines give an automation status such as
// DISP_E_BADPARAMCOUNT (0x800A01C2), else 0.
uint32_t EngineErrorNumber(uint32_t status);
// The message of an error status, e.g. 0x800A000B or DISP_E_DIVBYZERO "Division by zero";
// null when the status is not one of the family's own numbers.
const char* StandardErrorMessage(EngineFamily family, uint32_t status);
// The description an error report shows: the engine's own when it gave one, else
// the standard message, else the status in hexadecimal ("0x80004005") after the
// error's source when there is one ("Microsoft VBScript compilation error").
std::string ErrorDescription(EngineFamily family, const std::string& description, const std::string& source,
                             uint32_t status);
