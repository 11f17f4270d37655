#include "OggWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <vorbis/vorbisenc.h>

namespace {

constexpr int kChunkFrames = 4096;
// How much of the loop's start the encoder sees after its end. The decoder trims the surplus
// only inside the final packet, so an encoding whose second-last packet already ends beyond the
// loop is redone with less continuation (down to none).
constexpr std::size_t kLoopContextFrames = 128;

// The libvorbis encoder objects, cleared in reverse order of their set-up.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (dspReady) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

void AppendPage(std::vector<unsigned char>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

struct Encoded {
    std::vector<unsigned char> bytes;
    ogg_int64_t lastFullGranule = 0;  // where the packet before the final one ends
};

// Encodes the buffer followed by `context` frames taken from its start; the final packet's
// granule position is set to the buffer's length. False when the encoder refuses the format.
bool Encode(const Buffer& buffer, float quality, uint32_t serial, std::size_t context, Encoded& result) {
    Encoder enc;
    const int channels = buffer.Channels();
    if (vorbis_encode_init_vbr(&enc.info, channels, buffer.Rate(), quality) != 0) {
        return false;
    }
    vorbis_comment_add_tag(&enc.comment, "TITLE", "Reedjumper");
    vorbis_analysis_init(&enc.dsp, &enc.info);
    vorbis_block_init(&enc.dsp, &enc.block);
    ogg_stream_init(&enc.stream, static_cast<int>(serial));
    enc.dspReady = true;

    ogg_packet header;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &comments);
    ogg_stream_packetin(&enc.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        AppendPage(result.bytes, page);
    }

    const std::size_t loopFrames = buffer.Frames();
    const std::size_t total = loopFrames + std::min(context, loopFrames);
    std::size_t pos = 0;
    bool analysed = false;
    while (!analysed) {
        const std::size_t frames = std::min<std::size_t>(kChunkFrames, total - pos);
        if (frames == 0) {
            vorbis_analysis_wrote(&enc.dsp, 0);
            analysed = true;
        } else {
            float** in = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(frames));
            for (int c = 0; c < channels; ++c) {
                const Mono& samples = buffer.Channel(c);
                for (std::size_t i = 0; i < frames; ++i) {
                    in[c][i] = samples[(pos + i) % loopFrames];
                }
            }
            vorbis_analysis_wrote(&enc.dsp, static_cast<int>(frames));
            pos += frames;
        }
        while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
            vorbis_analysis(&enc.block, nullptr);
            vorbis_bitrate_addblock(&enc.block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) != 0) {
                if (packet.e_o_s != 0) {
                    packet.granulepos = std::min(packet.granulepos, static_cast<ogg_int64_t>(loopFrames));
                } else {
                    result.lastFullGranule = packet.granulepos;
                }
                ogg_stream_packetin(&enc.stream, &packet);
                while (ogg_stream_pageout(&enc.stream, &page) != 0) {
                    AppendPage(result.bytes, page);
                }
            }
        }
    }
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        AppendPage(result.bytes, page);
    }
    return true;
}

bool Fail(const std::string& path, const char* what) {
    std::fprintf(stderr, "rjsoundgen: cannot write %s: %s\n", path.c_str(), what);
    return false;
}

}  // namespace

bool WriteOgg(const std::string& path, const Buffer& buffer, float quality, uint32_t serial, bool loop) {
    const auto loopFrames = static_cast<ogg_int64_t>(buffer.Frames());
    std::size_t context = loop ? kLoopContextFrames : 0;
    Encoded encoded;
    for (;;) {
        encoded = Encoded();
        if (!Encode(buffer, quality, serial, context, encoded)) {
            return Fail(path, "the Vorbis encoder refused the format");
        }
        const ogg_int64_t overshoot = encoded.lastFullGranule - loopFrames;
        if (overshoot <= 0 || context == 0) {
            break;
        }
        context -= std::min(context, static_cast<std::size_t>(overshoot));
    }

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return Fail(path, std::strerror(errno));
    }
    const bool written = std::fwrite(encoded.bytes.data(), 1, encoded.bytes.size(), file) == encoded.bytes.size();
    if (std::fclose(file) != 0 || !written) {
        return Fail(path, std::strerror(errno));
    }
    return true;
}
