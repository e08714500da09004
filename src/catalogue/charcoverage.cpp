#include "catalogue/charcoverage.h"

#include <algorithm>

TCharCoverage::TCharCoverage(std::vector<char32_t> codes) {
    // Character maps list their codes in order already; tens of thousands of them for a CJK
    // face, read while a page of never-drawn rows is painted.
    if (!std::is_sorted(codes.begin(), codes.end())) {
        std::sort(codes.begin(), codes.end());
    }
    for (const char32_t code : codes) {
        // Sorted, a code is either in the last run, next to it, or starts a new one.
        if (!runs_.empty() && code - runs_.back().second <= 1) {
            runs_.back().second = code;
        } else {
            runs_.emplace_back(code, code);
        }
    }
    runs_.shrink_to_fit();
}

TCharCoverage TCharCoverage::FromRuns(std::vector<std::pair<char32_t, char32_t>> runs) {
    std::sort(runs.begin(), runs.end());
    TCharCoverage coverage;
    for (const auto& [first, last] : runs) {
        auto& joined = coverage.runs_;
        if (!joined.empty() &&
            (first <= joined.back().second || first - joined.back().second == 1)) {
            joined.back().second = std::max(joined.back().second, last);
        } else {
            joined.emplace_back(first, last);
        }
    }
    coverage.runs_.shrink_to_fit();
    return coverage;
}

bool TCharCoverage::Covers(char32_t code) const {
    // The first run that ends at or after code covers it when it also starts at or before it.
    const auto run = std::lower_bound(
        runs_.begin(), runs_.end(), code,
        [](const std::pair<char32_t, char32_t>& r, char32_t c) { return r.second < c; });
    return run != runs_.end() && run->first <= code;
}

std::vector<char32_t> TCharCoverage::First(std::size_t count,
                                           const std::function<bool(char32_t)>& keep) const {
    std::vector<char32_t> codes;
    for (const auto& [first, last] : runs_) {
        for (char32_t code = first; codes.size() < count; ++code) {
            if (keep(code)) {
                codes.push_back(code);
            }
            if (code == last) {
                break;
            }
        }
    }
    return codes;
}
