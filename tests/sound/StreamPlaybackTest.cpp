#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Mixer.h"
#include "sound/OggStreaming.h"
#include "sound/SoundData.h"
#include "sound/SoundEngine.h"
#include "sound/SoundHelpers.h"
#include "sound/SoundTestFiles.h"
#include "sound/StreamingSoundFx.h"

namespace {

// The whole way of a streamed sound — Ogg decoder, refill timer, looping buffer, mixer — played
// for several passes of a short loop: what comes out is the decoded sound, pass after pass,
// without a missing or repeated sample, after the silent gap the stream starts with.
TEST(StreamPlayback, MixerPlaysTheStreamSeamlesslyAcrossItsLoop) {
    SoundTestFiles::UseAsDataRoot();
    ASSERT_TRUE(SoundTestFiles::Sox("-n -r 44100 -c 2 -b 16", "pass.wav", "synth 0.7 sine 500 sine 700 vol 0.4"));
    ASSERT_TRUE(SoundTestFiles::OggEnc("pass.wav", "pass.ogg"));
    const std::string path = SoundTestFiles::DataPath("pass.ogg");

    std::vector<int16_t> pass;
    {
        OggStreaming decoder;
        SoundData format;
        ASSERT_TRUE(decoder.Open(path, format));
        int16_t chunk[2048];
        for (int got; (got = decoder.Read(chunk, sizeof chunk)) > 0;) pass.insert(pass.end(), chunk, chunk + got / 2);
    }
    ASSERT_GT(pass.size(), 44100u);

    platform::UseVirtualClock(true);
    SoundEngine& engine = SoundEngine::Instance();
    ASSERT_TRUE(engine.Init(platform::SoundOutput::Manual));
    engine.SetEnabled(true);
    ASSERT_TRUE(engine.LoadSound("SOUND_PASS", path, SoundEngine::kFlagStream | SoundEngine::kFlagVolume, false));
    PlaySfxLooped("SOUND_PASS");
    const auto* stream = static_cast<const StreamingSoundFx*>(engine.GetSound("SOUND_PASS"));
    const uint32_t silentFrames = stream->GetWritePosition() / 4;

    constexpr int kTickFrames = platform::Mixer::kRate / 10;
    constexpr int kTicks = 40;  // four seconds: more than five passes
    std::vector<int16_t> played(static_cast<size_t>(kTicks) * kTickFrames * 2);
    for (int tick = 0; tick < kTicks; ++tick) {
        platform::AdvanceVirtualTime(100);  // the refill timer fires
        engine.GetDevice()->GetManualMixer()->Mix(played.data() + static_cast<size_t>(tick) * kTickFrames * 2,
                                                  kTickFrames);
    }
    engine.Shutdown();
    engine.SetEnabled(false);
    platform::UseVirtualClock(false);

    for (size_t i = 0; i < played.size(); ++i) {
        const size_t frame = i / 2;
        const int16_t expected = frame < silentFrames ? 0 : pass[(i - 2 * silentFrames) % pass.size()];
        ASSERT_EQ(played[i], expected) << "frame " << frame << ", pass " << (i - 2 * silentFrames) / pass.size();
    }
}

}  // namespace
