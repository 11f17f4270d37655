#pragma once

#include <source_location>
#include <string>

#include "platform/DisplayResult.h"

// The display's result reporter: false for DD_OK; for any other result true, after building the
// diagnostic "DirectX Error (%x) in file %s in line %d: \"%s\"\n" with the code's symbolic name
// (or "Unknown error (%x)") and handing it to the trace.
bool CheckDxResult(platform::DisplayResult result, const char* file, int line);
inline bool CheckDxResult(platform::DisplayResult result,
                          std::source_location where = std::source_location::current()) {
    return CheckDxResult(result, where.file_name(), static_cast<int>(where.line()));
}

// The diagnostic text for a result; empty for DD_OK.
std::string DescribeDxResult(platform::DisplayResult result, const char* file, int line);
// The symbolic name of a result, or "Unknown error (%x)" with the code in lower-case hexadecimal.
std::string DxResultName(platform::DisplayResult result);
