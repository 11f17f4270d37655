#include "Sequencer.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr double kBeatsPerEighth = 0.5;
constexpr int kSemitonesFromC[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g

// "c#5" → 73; false when the token names no note.
bool NoteNumber(std::string_view name, float& midi) {
    if (name.empty() || name[0] < 'a' || name[0] > 'g') {
        return false;
    }
    int semitone = kSemitonesFromC[name[0] - 'a'];
    std::size_t pos = 1;
    if (pos < name.size() && (name[pos] == '#' || name[pos] == 'b')) {
        semitone += name[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos >= name.size() || !std::isdigit(static_cast<unsigned char>(name[pos]))) {
        return false;
    }
    int octave = 0;
    for (; pos < name.size(); ++pos) {
        if (!std::isdigit(static_cast<unsigned char>(name[pos]))) {
            return false;
        }
        octave = octave * 10 + (name[pos] - '0');
    }
    midi = static_cast<float>((octave + 1) * 12 + semitone);
    return true;
}

}  // namespace

double Sequencer::Parse(std::string_view line, double startBeat, float velocity, std::vector<Note>& notes) {
    double beat = startBeat;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && line[pos] == ' ') {
            ++pos;
        }
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        if (end == pos) {
            break;
        }
        const std::string_view token = line.substr(pos, end - pos);
        pos = end;
        const std::size_t slash = token.find('/');
        const std::string_view name = token.substr(0, slash);
        double eighths = 1.0;
        if (slash != std::string_view::npos) {
            eighths = std::atof(std::string(token.substr(slash + 1)).c_str());
        }
        const double beats = eighths * kBeatsPerEighth;
        float midi = 0.0f;
        if (name != "r") {
            if (NoteNumber(name, midi)) {
                notes.push_back({beat, beats, midi, velocity});
            } else {
                std::fprintf(stderr, "rjsoundgen: not a note: \"%.*s\"\n", static_cast<int>(token.size()),
                             token.data());
            }
        }
        beat += beats;
    }
    return beat;
}

void Sequencer::Play(Buffer& out, const Instrument& instrument, const std::vector<Note>& notes, float transpose) const {
    for (const Note& note : notes) {
        Voice v = instrument.voice;
        const float ratio = MidiHz(note.midi + transpose) / v.hz;
        v.hz *= ratio;
        if (v.hzEnd > 0.0f) {
            v.hzEnd *= ratio;
        }
        v.gate = static_cast<float>(Seconds(note.beats)) * instrument.legato;
        v.gain *= note.velocity;
        out.Mix(Render(v, out.Rate()), Seconds(note.beat), instrument.gain, instrument.pan);
    }
}

void Sequencer::Hit(Buffer& out, const Mono& sound, double beat, float gain, float pan) const {
    out.Mix(sound, Seconds(beat), gain, pan);
}
