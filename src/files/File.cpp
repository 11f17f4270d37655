#include "files/File.h"

#include <cstdarg>

#include "files/FileLoader.h"

File::~File() { Close(); }

bool File::Open(const std::string& path, const char* mode) {
    Close();
    if (mode[0] == 'r') {
        const FileLoader::ReadHandle handle = FileLoader::Instance().OpenForReading(path);
        stream_ = handle.stream;
        entry_ = handle.entry;
        packSize_ = handle.readableSize;
        packPosition_ = 0;
        packEof_ = false;
        return stream_ != nullptr;
    }
    stream_ = std::fopen(FileLoader::DiskPath(path).c_str(), mode);
    return stream_ != nullptr;
}

void File::Close() {
    if (stream_ && !entry_) std::fclose(stream_);
    stream_ = nullptr;
    entry_ = nullptr;
}

bool File::IsOpen() const { return stream_ != nullptr; }

int32_t File::PackBytesLeft() const { return packSize_ - packPosition_; }

size_t File::Read(void* buffer, size_t count) {
    if (!stream_) return 0;
    if (!entry_) return std::fread(buffer, 1, count, stream_);
    // The pack stream is shared: position it for every read and never read past the entry.
    const size_t left = static_cast<size_t>(PackBytesLeft() > 0 ? PackBytesLeft() : 0);
    if (count > left) count = left;
    if (count == 0) {
        packEof_ = true;
        return 0;
    }
    std::fseek(stream_, static_cast<long>(entry_->offset) + packPosition_, SEEK_SET);
    const size_t read = std::fread(buffer, 1, count, stream_);
    packPosition_ += static_cast<int32_t>(read);
    if (PackBytesLeft() <= 0 || read < count) packEof_ = true;
    return read;
}

size_t File::Write(const void* buffer, size_t count) {
    if (!stream_ || entry_) return 0;
    return std::fwrite(buffer, 1, count, stream_);
}

bool File::IsEndOfFile() const {
    if (!stream_) return true;
    if (entry_) return packEof_;
    return std::feof(stream_) != 0;
}

int32_t File::Tell() const {
    if (!stream_) return 0;
    if (entry_) return packPosition_;
    return static_cast<int32_t>(std::ftell(stream_));
}

int32_t File::GetSize() {
    if (!stream_) return 0;
    if (entry_) return packSize_;  // the entry's size, cut at the pack's real end
    const long position = std::ftell(stream_);
    std::fseek(stream_, 0, SEEK_END);
    const long size = std::ftell(stream_);
    std::fseek(stream_, position, SEEK_SET);
    return static_cast<int32_t>(size);
}

char* File::ReadLine(char* buffer, int capacity) {
    if (!stream_ || capacity < 2 || IsEndOfFile()) return nullptr;
    if (!entry_) return std::fgets(buffer, capacity, stream_);
    int length = 0;
    while (length < capacity - 1) {
        char c;
        if (Read(&c, 1) != 1) break;
        buffer[length++] = c;
        if (c == '\n') break;
    }
    if (length == 0) return nullptr;
    buffer[length] = '\0';
    return buffer;
}

int File::Print(const char* format, ...) {
    if (!stream_ || entry_) return 0;
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(stream_, format, args);
    va_end(args);
    return written;
}

int32_t GetFileSize(const std::string& path) {
    File file;
    if (!file.Open(path, "rb")) return 0;
    return file.GetSize();
}
