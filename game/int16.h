#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace croquel {

// Any run-time error of a handler: it aborts the handler, nothing in the
// game catches it, and the window layer turns it into one fatal report.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError("Overflow") {}
};

// A window operation (message box, unloading) that could not be carried out.
class WindowError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// Every integer of the game is 16-bit with overflow detection, so a value
// that leaves -32768..32767 fails loudly instead of wrapping.
std::int16_t checked16(std::int64_t value);

inline std::int16_t add16(std::int16_t a, int b)
{
    return checked16(std::int64_t{a} + b);
}

// Reads a single-precision twip coordinate back as an integer: nearest,
// ties to even, overflow outside the 16-bit range (NaN included).
std::int16_t toInt16(float twips);

// Plain decimal with a leading '-' only when negative, as every caption shows numbers.
inline std::string decimal(int value)
{
    return std::to_string(value);
}

}  // namespace croquel
