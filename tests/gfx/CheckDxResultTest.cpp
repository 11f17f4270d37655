#include "gfx/CheckDxResult.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace platform;

TEST(CheckDxResult, EveryPublishedNameIsThereOnceWithItsCode) {
    std::set<std::string> names;
    std::set<DisplayResult> codes;
    for (const DisplayResultName& entry : kDisplayResultNames) {
        names.insert(entry.name);
        codes.insert(entry.code);
        EXPECT_EQ(DxResultName(entry.code), entry.name);
    }
    EXPECT_EQ(names.size(), 100u);
    EXPECT_EQ(codes.size(), 100u);
}

TEST(CheckDxResult, NamesOfDirectDrawAndGenericCodes) {
    struct Case {
        uint32_t code;
        const char* name;
    };
    const Case cases[] = {
        {0x887601C2u, "DDERR_SURFACELOST"},
        {0x88760096u, "DDERR_INVALIDRECT"},
        {0x80004005u, "DDERR_GENERIC"},
        {0x80004001u, "DDERR_UNSUPPORTED"},
        {0x8007000Eu, "DDERR_OUTOFMEMORY"},
        {0x80070057u, "DDERR_INVALIDPARAMS"},
        {0x800401F0u, "DDERR_NOTINITIALIZED"},
        {0x887600E1u, "DDERR_NOEXCLUSIVEMODE"},
        {0x1234abcdu, "Unknown error (1234abcd)"},
        {0x5u, "Unknown error (5)"},
    };
    for (const Case& c : cases) EXPECT_EQ(DxResultName(static_cast<DisplayResult>(c.code)), c.name);
}

TEST(CheckDxResult, ReportsFailuresOnlyAndFormatsTheDiagnostic) {
    EXPECT_FALSE(CheckDxResult(DD_OK, "x.cpp", 1));
    EXPECT_EQ(DescribeDxResult(DD_OK, "x.cpp", 1), "");
    EXPECT_TRUE(CheckDxResult(DDERR_SURFACELOST, "x.cpp", 1));
    EXPECT_TRUE(CheckDxResult(DDERR_GENERIC));
    EXPECT_EQ(DescribeDxResult(DDERR_SURFACELOST, "Surface.cpp", 42),
              "DirectX Error (887601c2) in file Surface.cpp in line 42: \"DDERR_SURFACELOST\"\n");
}

}  // namespace
