// Decodes bytes into a sequence of constructions and operations on the five character classes
// and runs it twice: on the real classes and on an independent model of their rules. After
// every step the two must agree on every field and on the exact report line.
#pragma once

#include <cstddef>
#include <cstdint>

// Runs the sequence that `data` encodes. Any byte string is a valid sequence. On the first
// disagreement it describes the step on standard error and aborts.
void runcharactersequence(const std::uint8_t* data, std::size_t size);
