// The readers of outside bytes as fuzz targets: libFuzzer drives them in the
// fuzzing build, and their seed corpora run through them in every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tw::fuzz {

struct Target
{
    const char *name; // also the name of its corpus folder
    void (*run)(const std::uint8_t *data, std::size_t size);
};

// Every target. Each takes any bytes; a crash, a hang or undefined behaviour
// is a fault of the reader.
std::span<const Target> targets();

// The target called `name`, or null.
const Target *findTarget(const char *name);

} // namespace tw::fuzz
