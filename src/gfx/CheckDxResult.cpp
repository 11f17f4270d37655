#include "gfx/CheckDxResult.h"

#include "core/StringUtil.h"
#include "core/Trace.h"

std::string DxResultName(platform::DisplayResult result) {
    if (const char* name = platform::FindDisplayResultName(result)) return name;
    return StringFormat("Unknown error (%x)", static_cast<unsigned>(result));
}

std::string DescribeDxResult(platform::DisplayResult result, const char* file, int line) {
    if (result == platform::DD_OK) return {};
    return StringFormat("DirectX Error (%x) in file %s in line %d: \"%s\"\n", static_cast<unsigned>(result), file, line,
                        DxResultName(result).c_str());
}

bool CheckDxResult(platform::DisplayResult result, const char* file, int line) {
    if (result == platform::DD_OK) return false;
    Trace("%s", DescribeDxResult(result, file, line).c_str());
    return true;
}
