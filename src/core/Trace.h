#pragma once

// The diagnostic trace: texts are formatted and then discarded, unless tracing was switched on
// (the RJ_TRACE environment variable, or SetTraceEnabled), in which case they go to standard error.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetTraceEnabled(bool enabled);
bool IsTraceEnabled();
