// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded cache behind fitted font sizes: a stream of texts seen once never makes it grow past
// its bound, and what is asked for between them stays.
#include <gtest/gtest.h>

#include "qt/bounded_cache.h"

namespace {

using Cache = qtview::BoundedCache<int, int>;

TEST(BoundedCache, StaysWithinTwiceItsBoundAndKeepsWhatIsAskedForOften)
{
    struct Case {
        qsizetype bound;
        int stream;  // keys seen once
        int every;   // the often-used key is asked for after this many of them
    };
    for (const Case c : {Case{1, 50, 1}, Case{4, 1000, 3}, Case{64, 10000, 63}, Case{64, 10000, 1}}) {
        SCOPED_TRACE(testing::Message() << "bound " << c.bound << ", asked for every " << c.every);
        Cache cache(c.bound);
        constexpr int often = -1;
        cache.insert(often, 7);
        for (int k = 0; k < c.stream; ++k) {
            cache.insert(k, k * 2);
            ASSERT_LE(cache.size(), 2 * c.bound);
            if (k % c.every == 0) {
                ASSERT_EQ(cache.find(often), 7) << "lost after " << k;
            }
        }
        EXPECT_EQ(cache.find(c.stream - 1), (c.stream - 1) * 2);
        EXPECT_EQ(cache.find(0), std::nullopt);
    }
}

TEST(BoundedCache, ALaterValueForAKeyHidesTheEarlierOneInTheOldGeneration)
{
    Cache cache(2);
    cache.insert(1, 10);
    cache.insert(2, 20);
    cache.insert(3, 30);  // 1 and 2 are now the old generation
    cache.insert(1, 11);
    EXPECT_EQ(cache.find(1), 11);
    EXPECT_EQ(cache.find(2), 20);
}

}  // namespace
