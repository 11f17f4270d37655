#pragma once

#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "sound/SoundEngine.h"
#include "sound/SoundTestFiles.h"

// The engine on the null device under the virtual clock: cursors and stream timers move only
// when a test advances the time.
class SoundEngineTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        SoundTestFiles::UseAsDataRoot();
        platform::UseVirtualClock(true);
        ASSERT_TRUE(engine().Init(platform::SoundOutput::Null));
        engine().SetEnabled(true);
    }

    void TearDown() override {
        engine().Shutdown();
        engine().SetEnabled(false);
        engine().SetRecordStarts(false);
        engine().SetUnheard(false);
        platform::UseVirtualClock(false);
    }

    static SoundEngine& engine() { return SoundEngine::Instance(); }
};
