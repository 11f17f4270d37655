#include "gfx/JpegLoader.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

// The library's header needs FILE and size_t declared first.
#include <jpeglib.h>
#include <jerror.h>

#include "core/Trace.h"
#include "files/File.h"
#include "gfx/Image.h"

namespace {

constexpr size_t kInputChunk = 32 * 1024;
// Rows asked of the library at once (it gives back fewer when its buffers hold fewer).
constexpr int kRowsPerRead = 16;
constexpr int kColourComponents = 3;

// The library's error exit must not return: it jumps back into Decode, which then cleans up.
// Warnings (corrupt data the library would paper over) are treated as errors too.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) ErrorExit(info);
}

void OutputMessage(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
}

// Reads through File, so a picture inside the pack never reads past its entry.
struct FileSource {
    jpeg_source_mgr base;
    File* file;
    JOCTET buffer[kInputChunk];
};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<FileSource*>(info->src);
    size_t n = source->file->Read(source->buffer, kInputChunk);
    if (n == 0) {
        // The data ended early: the warning ends decoding (see EmitMessage).
        WARNMS(info, JWRN_JPEG_EOF);
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        n = 2;
    }
    source->base.next_input_byte = source->buffer;
    source->base.bytes_in_buffer = n;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    auto* source = reinterpret_cast<FileSource*>(info->src);
    while (count > static_cast<long>(source->base.bytes_in_buffer)) {
        count -= static_cast<long>(source->base.bytes_in_buffer);
        FillInputBuffer(info);
    }
    if (count > 0) {
        source->base.next_input_byte += count;
        source->base.bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void TermSource(j_decompress_ptr) {}

// Decodes into `image`. Only plain data lives in this frame, so the jump back from the error exit
// skips no destructor. On failure `message` says why.
bool Decode(File& file, Image& image, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    FileSource source;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = OutputMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        std::strcpy(message, errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    source.file = &file;
    source.base.init_source = InitSource;
    source.base.fill_input_buffer = FillInputBuffer;
    source.base.skip_input_data = SkipInputData;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = TermSource;
    source.base.next_input_byte = nullptr;
    source.base.bytes_in_buffer = 0;
    info.src = &source.base;

    jpeg_read_header(&info, TRUE);
    if (info.image_width > static_cast<JDIMENSION>(JpegLoader::kMaxDimension) ||
        info.image_height > static_cast<JDIMENSION>(JpegLoader::kMaxDimension)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "size %u x %u is larger than %d", info.image_width, info.image_height,
                      JpegLoader::kMaxDimension);
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Greyscale pictures come out as grey colour pixels; CMYK and other spaces are refused.
    if (info.num_components != 1 && info.num_components != kColourComponents) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%d colour components are not supported", info.num_components);
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Colour comes out in the picture's own byte order (blue, green, red) where the library can
    // give it (libjpeg-turbo): the same values as its RGB, straight into the picture's rows.
#ifdef JCS_EXTENSIONS
    constexpr J_COLOR_SPACE kColourOut = JCS_EXT_BGR;
#else
    constexpr J_COLOR_SPACE kColourOut = JCS_RGB;
#endif
    if (info.jpeg_color_space != JCS_GRAYSCALE) info.out_color_space = kColourOut;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if ((components != 1 && components != kColourComponents) ||
        !image.Create(static_cast<int>(info.output_width), static_cast<int>(info.output_height), 24)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%d colour components are not supported", components);
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (components == kColourComponents && kColourOut != JCS_RGB) {
        JSAMPROW rows[kRowsPerRead];
        while (info.output_scanline < info.output_height) {
            const int y = static_cast<int>(info.output_scanline);
            const int count = std::min<int>(kRowsPerRead, static_cast<int>(info.output_height) - y);
            for (int i = 0; i < count; ++i) rows[i] = image.PixelAddress(0, y + i);
            jpeg_read_scanlines(&info, rows, static_cast<JDIMENSION>(count));
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return true;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        const JSAMPLE* in = row[0];
        uint8_t* out = image.PixelAddress(0, y);
        for (JDIMENSION x = 0; x < info.output_width; ++x, in += components, out += 3) {
            const bool grey = components == 1;
            out[0] = in[grey ? 0 : 2];
            out[1] = in[grey ? 0 : 1];
            out[2] = in[0];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::unique_ptr<Image> JpegLoader::Load(const std::string& path) {
    File file;
    if (!file.Open(path, "rb")) {
        Trace("can't open %s\n", path.c_str());
        std::fprintf(stderr, "%s: cannot open the JPEG file\n", path.c_str());
        return nullptr;
    }
    auto image = std::make_unique<Image>();
    char message[JMSG_LENGTH_MAX] = {};
    if (!Decode(file, *image, message)) {
        Trace("error while decoding\n");
        std::fprintf(stderr, "%s: unreadable JPEG: %s\n", path.c_str(), message);
        return nullptr;
    }
    return image;
}
