#pragma once

#include "Buffer.h"

// The finishing steps every sound goes through before it is written: no DC, soft edges,
// a common loudness and peaks safely below full scale.
namespace mastering {

// A gentle high-pass far below hearing takes out any DC the voices left. For a loop the
// filter runs over the loop twice so its state joins up.
void RemoveDc(Buffer& buffer, bool loop);

// Takes out what is left of the mean of a short sound without moving its ends.
void RemoveMean(Buffer& buffer);

// Halves the sample rate through a windowed-sinc low-pass, so the effects can be synthesized
// at twice their file rate and keep no aliasing from their bright partials. A loop is
// filtered round its seam.
void Downsample(Buffer& buffer, bool loop);

// Raised-cosine fades at the start and end (seconds).
void Fade(Buffer& buffer, float fadeIn, float fadeOut);

// Drops trailing frames quieter than `thresholdDb` (keeps at least `minSeconds`).
void TrimTail(Buffer& buffer, float thresholdDb, float minSeconds);

// A look-ahead limiter: the gain falls smoothly before any peak above `ceiling` and recovers
// over `releaseSeconds`. For loops the gain curve wraps round the loop point.
void Limit(Buffer& buffer, float ceiling, float releaseSeconds, bool loop);

// Gain to `targetRmsDb` (RMS over the whole sound, as sox measures it), then limiting at
// `ceilingDb`; where reaching the target would squash peaks by more than `maxReductionDb`,
// the sound stays quieter instead.
void Normalize(Buffer& buffer, float targetRmsDb, float ceilingDb, float maxReductionDb, bool loop);

}  // namespace mastering
