#include "game/Replay.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "files/AtomicWrite.h"

namespace {

constexpr const char* kMagic = "reedjumper replay";
// Time steps per "T" line, so that lines stay short.
constexpr size_t kStepsPerLine = 40;

bool ParseNumber(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= min && value <= max;
}

}  // namespace

std::string Replay::Serialize() const {
    std::ostringstream out;
    out << kMagic << ' ' << kFormatVersion << '\n'
        << "game " << gameVersion << '\n'
        << "data " << dataHash << '\n'
        << "seed " << seed << '\n'
        << "shadows " << (shadows ? 1 : 0) << '\n'
        << "ticks " << stepsUs.size() << '\n';
    size_t onLine = 0;
    for (size_t i = 0; i < stepsUs.size();) {
        size_t run = 1;
        while (i + run < stepsUs.size() && stepsUs[i + run] == stepsUs[i]) ++run;
        out << (onLine == 0 ? "T " : " ") << stepsUs[i];
        if (run > 1) out << '*' << run;
        i += run;
        if (++onLine == kStepsPerLine) {
            out << '\n';
            onLine = 0;
        }
    }
    if (onLine != 0) out << '\n';
    for (const Event& e : events) {
        out << "E " << e.tick << ' ' << static_cast<char>(e.kind) << ' ' << e.a;
        if (e.kind == Event::Kind::Down || e.kind == Event::Kind::Up) out << ' ' << e.b;
        out << '\n';
    }
    out << "end\n";
    return out.str();
}

bool Replay::Parse(std::string_view text, Replay& out, std::string& error) {
    Replay r;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNo) + ": " + what;
        return false;
    };
    auto header = [&](const char* key, std::string& value) {
        ++lineNo;
        if (!std::getline(in, line)) return fail(std::string("the file ends before \"") + key + "\"");
        const std::string prefix = std::string(key) + " ";
        if (line.rfind(prefix, 0) != 0) return fail(std::string("\"") + key + "\" expected");
        value = line.substr(prefix.size());
        return true;
    };
    std::string value;
    if (!header(kMagic, value)) return fail("not a replay file");
    long long number = 0;
    if (!ParseNumber(value, 0, 1000000, number)) return fail("unreadable format version \"" + value + "\"");
    if (number != kFormatVersion) {
        return fail("recorded in replay format " + value + ", this game plays format " +
                    std::to_string(kFormatVersion));
    }
    if (!header("game", r.gameVersion) || !header("data", r.dataHash) || !header("seed", value)) return false;
    if (!ParseNumber(value, 0, 0xFFFFFFFFll, number)) return fail("unreadable seed \"" + value + "\"");
    r.seed = static_cast<uint32_t>(number);
    if (!header("shadows", value)) return false;
    if (value != "0" && value != "1") return fail("shadows must be 0 or 1");
    r.shadows = value == "1";
    if (!header("ticks", value)) return false;
    long long ticks = 0;
    if (!ParseNumber(value, 0, 100000000ll, ticks)) return fail("unreadable tick count \"" + value + "\"");
    bool ended = false;
    while (std::getline(in, line)) {
        ++lineNo;
        if (ended) return fail("text after \"end\"");
        if (line == "end") {
            ended = true;
            continue;
        }
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "T") {
            if (!r.events.empty()) return fail("time steps after the input");
            while (words >> word) {
                const size_t star = word.find('*');
                long long us = 0;
                long long repeat = 1;
                if (!ParseNumber(word.substr(0, star), 1, kMaxStepUs, us) ||
                    (star != std::string::npos && !ParseNumber(word.substr(star + 1), 1, ticks, repeat))) {
                    return fail("unreadable time step \"" + word + "\"");
                }
                if (static_cast<long long>(r.stepsUs.size()) + repeat > ticks)
                    return fail("more time steps than ticks");
                r.stepsUs.insert(r.stepsUs.end(), static_cast<size_t>(repeat), static_cast<uint32_t>(us));
            }
        } else if (word == "E") {
            std::string tick;
            std::string kind;
            std::string a;
            std::string b;
            words >> tick >> kind >> a;
            Event e;
            long long t = 0;
            long long va = 0;
            long long vb = 0;
            if (!ParseNumber(tick, 0, ticks, t)) return fail("input at an unknown tick \"" + tick + "\"");
            if (!r.events.empty() && static_cast<uint32_t>(t) < r.events.back().tick) return fail("input out of order");
            if (kind.size() != 1 || std::strchr("kcdupfr", kind[0]) == nullptr)
                return fail("unknown input \"" + kind + "\"");
            e.kind = static_cast<Event::Kind>(kind[0]);
            if (!ParseNumber(a, 0, 0xFFFF, va)) return fail("unreadable input value \"" + a + "\"");
            if (e.kind == Event::Kind::Down || e.kind == Event::Kind::Up) {
                words >> b;
                if (!ParseNumber(b, 0, 0xFFFF, vb)) return fail("unreadable input value \"" + b + "\"");
            }
            if (words >> word) return fail("extra text \"" + word + "\"");
            e.tick = static_cast<uint32_t>(t);
            e.a = static_cast<int>(va);
            e.b = static_cast<int>(vb);
            r.events.push_back(e);
        } else {
            return fail("unknown line \"" + line + "\"");
        }
    }
    if (!ended) return fail("the file ends without \"end\" (cut short?)");
    if (static_cast<long long>(r.stepsUs.size()) != ticks) {
        return fail("holds " + std::to_string(r.stepsUs.size()) + " time steps for " + std::to_string(ticks) +
                    " ticks");
    }
    out = std::move(r);
    return true;
}

bool Replay::Save(const std::string& path, std::string& error) const {
    if (!WriteFileAtomically(path, Serialize())) {
        error = "cannot write the replay " + path;
        return false;
    }
    return true;
}

bool Replay::Load(const std::string& path, Replay& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the replay " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string why;
    if (!Parse(text.str(), out, why)) {
        error = "the replay " + path + " is damaged: " + why;
        return false;
    }
    return true;
}
