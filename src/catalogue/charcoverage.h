#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// The characters a face maps, kept as runs of consecutive code points: a character map of
// tens of thousands of characters is a few hundred runs, and a look-up is a binary search.
class TCharCoverage {
public:
    TCharCoverage() = default;
    // codes in any order; repeats count once.
    explicit TCharCoverage(std::vector<char32_t> codes);
    // Runs of first and last code, in any order; overlapping and touching runs join.
    static TCharCoverage FromRuns(std::vector<std::pair<char32_t, char32_t>> runs);

    bool operator==(const TCharCoverage&) const = default;
    bool Empty() const { return runs_.empty(); }
    bool Covers(char32_t code) const;
    // The first count covered code points that keep takes, ascending.
    std::vector<char32_t> First(std::size_t count, const std::function<bool(char32_t)>& keep) const;

private:
    std::vector<std::pair<char32_t, char32_t>> runs_;  // first and last code of each run
};
