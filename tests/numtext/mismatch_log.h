// Counts the cases of a differential test and keeps the first few mismatches for the failure
// message, so that millions of cases give one readable assertion.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <iostream>
#include <string>

namespace numtext::testing {

class MismatchLog {
public:
    // Counts one case; `describe` gives the text of a mismatch and is called only for one.
    template <typename Describe>
    void check(bool matches, Describe describe) {
        ++cases_;
        if (matches) return;
        if (mismatches_ < kShown) shown_ += "\n  " + describe();
        ++mismatches_;
    }
    std::size_t cases() const { return cases_; }
    std::size_t mismatches() const { return mismatches_; }
    // "N mismatches in M cases" followed by the first mismatches, one a line.
    std::string summary() const {
        return std::to_string(mismatches_) + " mismatches in " + std::to_string(cases_) + " cases" + shown_;
    }

private:
    static constexpr std::size_t kShown = 10;
    std::size_t cases_ = 0;
    std::size_t mismatches_ = 0;
    std::string shown_;
};

// Prints the summary (the case counts belong in the test log) and fails on any mismatch or on fewer
// cases than `atLeast`.
inline void expectNoMismatch(const MismatchLog& log, std::size_t atLeast) {
    std::cout << log.summary() << '\n';
    EXPECT_GE(log.cases(), atLeast);
    EXPECT_EQ(log.mismatches(), 0u) << log.summary();
}

}  // namespace numtext::testing
