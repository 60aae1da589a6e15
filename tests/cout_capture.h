// Collects what a block of code writes to std::cout, for the length of a scope.
#pragma once

#include <iostream>
#include <streambuf>
#include <string>

// Swaps std::cout's buffer for its own, and back on destruction, even when an assertion returns
// early. Room reserved up front lets a line of the usual length be written with no allocation,
// even while allocations are made to fail (one failing past it would fail std::cout for good).
class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(&sink)) {}
    ~CoutCapture() { std::cout.rdbuf(saved); }
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;
    CoutCapture(CoutCapture&&) = delete;
    CoutCapture& operator=(CoutCapture&&) = delete;

    // Returns everything written so far and starts afresh. Each line must have been flushed on its
    // own as written (std::endl does that, '\n' does not); what was not comes back after a
    // "(not flushed) " mark, which no expected text matches.
    std::string take() {
        sink.settle(false);
        std::string text = sink.text;
        sink.text.clear();
        return text;
    }

private:
    class Sink : public std::streambuf {
    public:
        Sink() {
            text.reserve(4096);
            pending.reserve(4096);
        }
        std::string text;     // what was written and flushed, one line per flush
        std::string pending;  // what was written since the last flush

        // Moves what is pending to the text, marked unless it is one whole line being flushed.
        void settle(bool flushed) {
            const bool one_line = !pending.empty() && pending.find('\n') == pending.size() - 1;
            if (!pending.empty() && !(flushed && one_line)) {
                text += "(not flushed) ";
            }
            text += pending;
            pending.clear();
        }

    protected:
        int_type overflow(int_type c) override {
            if (!traits_type::eq_int_type(c, traits_type::eof())) {
                pending.push_back(traits_type::to_char_type(c));
            }
            return traits_type::not_eof(c);
        }
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            pending.append(s, static_cast<std::size_t>(n));
            return n;
        }
        int sync() override {
            settle(true);
            return 0;
        }
    };

    Sink sink;
    std::streambuf* saved;
};
