#pragma once

#include <cstddef>
#include <cstdint>

// The pixel loops of the display device. The keyed loops work on whole vector registers and choose
// between source and target with masks, so a row costs the same whatever its pixels are.
namespace platform::blit {

// Copies `rows` rows of `rowBytes` bytes; one copy when both sides are contiguous. The regions may
// overlap (a blit within one surface).
void CopyRows(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, size_t rowBytes, int rows);

// Source pixels whose value lies in low … high are skipped; the others are copied.
void KeyedRow16(uint16_t* dst, const uint16_t* src, int count, uint16_t low, uint16_t high);
void KeyedRow32(uint32_t* dst, const uint32_t* src, int count, uint32_t low, uint32_t high);

void FillRow16(uint16_t* dst, int count, uint16_t value);
void FillRow32(uint32_t* dst, int count, uint32_t value);

// Nearest-sample row: dst[i] = src[columns[i]], skipping keyed pixels when `keyed`.
void StretchRow16(uint16_t* dst, const uint16_t* src, const int* columns, int count, bool keyed, uint16_t low,
                  uint16_t high);
void StretchRow32(uint32_t* dst, const uint32_t* src, const int* columns, int count, bool keyed, uint32_t low,
                  uint32_t high);

}  // namespace platform::blit
