// Collects what a block of code writes to std::cout, for the length of a scope.
#pragma once

#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

// Swaps std::cout's buffer for a string buffer and puts the old one back on destruction, even
// when an assertion returns early.
class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(captured.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(saved); }
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;
    CoutCapture(CoutCapture&&) = delete;
    CoutCapture& operator=(CoutCapture&&) = delete;

    // Returns everything written so far and starts afresh.
    std::string take() {
        std::string text = captured.str();
        captured.str({});
        return text;
    }

private:
    std::ostringstream captured;
    std::streambuf* saved;
};
