// SPDX-License-Identifier: GPL-3.0-or-later
// A cache of a fixed greatest size that keeps what is asked for again and again.
#pragma once

#include <QHash>
#include <optional>
#include <utility>

namespace qtview {

// Two generations: new entries go into the young one; once it holds `bound` entries it becomes the
// old one and the previous old one is dropped whole. An entry found in the old generation moves
// back into the young one, so what is used often stays while a stream of texts seen once (every
// number a pupil types) passes through. Never more than 2 × bound entries.
template <class Key, class Value>
class BoundedCache {
public:
    explicit BoundedCache(qsizetype bound) : bound_(bound) {}

    std::optional<Value> find(const Key& key)
    {
        if (const auto it = young_.constFind(key); it != young_.cend())
            return *it;
        if (const auto it = old_.find(key); it != old_.end()) {
            Value value = std::move(*it);
            old_.erase(it);
            insert(key, value);
            return value;
        }
        return std::nullopt;
    }

    void insert(const Key& key, const Value& value)
    {
        if (young_.size() >= bound_ && !young_.contains(key))
            old_ = std::exchange(young_, {});
        young_.insert(key, value);
    }

    qsizetype size() const { return young_.size() + old_.size(); }

private:
    qsizetype bound_;
    QHash<Key, Value> young_, old_;
};

}  // namespace qtview
