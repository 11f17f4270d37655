#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct PackEntry;

// One open data file: a loose file on disk, or a file inside the pack (which shares the pack's
// stream and never reads past its entry). Not copyable; owned by whoever reads or writes.
class File {
public:
    File() = default;
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // A mode beginning with "r" reads a data path through the FileLoader (pack or folder);
    // any other mode opens the loose file directly, pack or not.
    virtual bool Open(const std::string& path, const char* mode);
    virtual void Close();
    virtual bool IsOpen() const;
    virtual size_t Read(void* buffer, size_t count);
    virtual size_t Write(const void* buffer, size_t count);
    virtual bool IsEndOfFile() const;
    virtual int32_t Tell() const;
    virtual int32_t GetSize();
    // fgets conventions: up to and including the newline, at most capacity − 1 characters,
    // NUL-terminated; nothing (nullptr) when no character could be read.
    virtual char* ReadLine(char* buffer, int capacity);
    virtual int Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    int32_t PackBytesLeft() const;

    FILE* stream_ = nullptr;
    const PackEntry* entry_ = nullptr;
    // Inside the pack: our own read position and the entry's readable length (the entry's size
    // cut at the pack's real end), so two files of the pack never disturb each other.
    int32_t packPosition_ = 0;
    int32_t packSize_ = 0;
    bool packEof_ = false;
};

// Size of a data file in bytes, 0 when it cannot be opened.
int32_t GetFileSize(const std::string& path);
