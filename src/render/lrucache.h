#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>

// A string-keyed cache that keeps at most a fixed number of entries and drops the one used
// longest ago, so scrolling through thousands of fonts never holds more than the limit.
template <class Value>
class TLruCache {
public:
    explicit TLruCache(std::size_t limit) : limit_(limit < 1 ? 1 : limit) {}

    // The entry for key, marked as just used; null when absent.
    Value* Find(const std::string& key) {
        const auto found = index_.find(key);
        if (found == index_.end()) {
            return nullptr;
        }
        order_.splice(order_.begin(), order_, found->second);
        return &found->second->second;
    }

    // Stores value under key (replacing an entry of that key) and returns the stored value.
    // The reference stays valid until the entry is evicted by later insertions.
    Value& Insert(const std::string& key, Value value) {
        if (Value* existing = Find(key)) {
            *existing = std::move(value);
            return *existing;
        }
        order_.emplace_front(key, std::move(value));
        index_.emplace(key, order_.begin());
        while (order_.size() > limit_) {
            index_.erase(order_.back().first);
            order_.pop_back();
        }
        return order_.front().second;
    }

    void Clear() {
        index_.clear();
        order_.clear();
    }
    std::size_t Size() const { return order_.size(); }
    std::size_t Limit() const { return limit_; }

private:
    using Entry = std::pair<std::string, Value>;
    std::size_t limit_;
    std::list<Entry> order_;
    std::unordered_map<std::string, typename std::list<Entry>::iterator> index_;
};
