#pragma once

#include <string>

// The characters a name can hold, in the order a gamepad steps through them: capitals with the
// umlauts after Z, small letters with their umlauts and ß, digits, the space, then the rest.
class PadLetters final {
public:
    // Every allowed name character once, in stepping order (Latin-1 bytes).
    static const std::string& Order();
    // The character `steps` places after `code` (before it when negative), wrapping around; the
    // first one for a character outside the order.
    static int Step(int code, int steps);
};
