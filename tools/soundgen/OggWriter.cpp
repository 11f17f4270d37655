#include "OggWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <vorbis/vorbisenc.h>

namespace {

constexpr int kChunkFrames = 4096;

bool WritePage(std::FILE* file, const ogg_page& page)
{
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) == static_cast<std::size_t>(page.header_len)
        && std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) == static_cast<std::size_t>(page.body_len);
}

// The libvorbis encoder objects, cleared in reverse order of their set-up.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false;

    Encoder()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder()
    {
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

bool Fail(const std::string& path, const char* what)
{
    std::fprintf(stderr, "rjsoundgen: cannot write %s: %s\n", path.c_str(), what);
    return false;
}

} // namespace

bool WriteOgg(const std::string& path, const Buffer& buffer, float quality, uint32_t serial)
{
    Encoder enc;
    const int channels = buffer.Channels();
    if (vorbis_encode_init_vbr(&enc.info, channels, buffer.Rate(), quality) != 0) {
        return Fail(path, "the Vorbis encoder refused the format");
    }
    vorbis_comment_add_tag(&enc.comment, "TITLE", "Reedjumper");
    vorbis_analysis_init(&enc.dsp, &enc.info);
    vorbis_block_init(&enc.dsp, &enc.block);
    ogg_stream_init(&enc.stream, static_cast<int>(serial));
    enc.dspReady = true;

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return Fail(path, std::strerror(errno));
    }
    bool ok = true;
    ogg_packet header;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &comments);
    ogg_stream_packetin(&enc.stream, &codebooks);
    ogg_page page;
    while (ok && ogg_stream_flush(&enc.stream, &page) != 0) {
        ok = WritePage(file, page);
    }

    std::size_t pos = 0;
    bool ended = false;
    while (ok && !ended) {
        const std::size_t frames = std::min<std::size_t>(kChunkFrames, buffer.Frames() - pos);
        if (frames == 0) {
            vorbis_analysis_wrote(&enc.dsp, 0);
        } else {
            float** in = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(frames));
            for (int c = 0; c < channels; ++c) {
                std::copy_n(buffer.Channel(c).begin() + static_cast<std::ptrdiff_t>(pos), frames, in[c]);
            }
            vorbis_analysis_wrote(&enc.dsp, static_cast<int>(frames));
            pos += frames;
        }
        while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
            vorbis_analysis(&enc.block, nullptr);
            vorbis_bitrate_addblock(&enc.block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) != 0) {
                ogg_stream_packetin(&enc.stream, &packet);
                while (ok && ogg_stream_pageout(&enc.stream, &page) != 0) {
                    ok = WritePage(file, page);
                    ended = ended || ogg_page_eos(&page) != 0;
                }
            }
        }
        if (frames == 0 && !ended) {
            // Everything is analysed; flush whatever the stream still holds.
            while (ok && ogg_stream_flush(&enc.stream, &page) != 0) {
                ok = WritePage(file, page);
            }
            ended = true;
        }
    }
    if (std::fclose(file) != 0 || !ok) {
        return Fail(path, std::strerror(errno));
    }
    return true;
}
