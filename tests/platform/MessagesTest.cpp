#include "platform/Messages.h"

#include <gtest/gtest.h>

#include "platform/Headless.h"

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetQuitState();
        platform::SetHeadless(true);
    }
    void TearDown() override {
        platform::ResetQuitState();
        platform::SetHeadless(false);
    }
};

TEST_F(MessagesTest, FirstQuitRequestKeepsItsExitCode) {
    EXPECT_FALSE(platform::IsQuitPosted());
    platform::PostQuitMessage(1);
    platform::PostQuitMessage(0);
    EXPECT_TRUE(platform::IsQuitPosted());
    EXPECT_EQ(platform::GetQuitExitCode(), 1);
}

TEST_F(MessagesTest, HeadlessErrorGoesToStandardError) {
    ::testing::internal::CaptureStderr();
    platform::ShowErrorMessage("Datei \"data\\x.jpg\" fehlt");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("ERROR: Datei \"data\\x.jpg\" fehlt"), std::string::npos);
}

TEST_F(MessagesTest, HeadlessMessageBoxGoesToStandardError) {
    ::testing::internal::CaptureStderr();
    platform::MessageBox("Hallo", "Info");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Info: Hallo\n");
}

}  // namespace
