#include "sound/OggMemorySource.h"

#include <algorithm>
#include <cstring>

bool OggMemorySource::Open(OggVorbis_File& file) {
    position_ = 0;
    const ov_callbacks callbacks{ReadCallback, nullptr, nullptr, nullptr};
    return ov_open_callbacks(this, &file, nullptr, 0, callbacks) == 0;
}

size_t OggMemorySource::ReadCallback(void* dest, size_t size, size_t count, void* source) {
    auto* self = static_cast<OggMemorySource*>(source);
    if (size == 0) return 0;
    const size_t wanted = std::min(count, (self->size_ - self->position_) / size);
    std::memcpy(dest, self->bytes_ + self->position_, wanted * size);
    self->position_ += wanted * size;
    return wanted;
}
