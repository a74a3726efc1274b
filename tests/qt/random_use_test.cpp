// SPDX-License-Identifier: GPL-3.0-or-later
// Both programs used at random through their real windows and modal boxes, one after the other,
// checked for the faults the random use watches for. A short run by default;
// RANDOM_USE_EVENTS=100000 for the long one. How long handlers take is the benchmarks' business.
#include <cstdlib>
#include <iostream>

#include "random_use.h"
#include "view_fixture.h"

namespace {

long event_budget()
{
    const char* v = std::getenv("RANDOM_USE_EVENTS");
    return v != nullptr ? std::atol(v) : 1500;
}

TEST(RandomUse, BothProgramsTakeAnyClickTypingAndAnswerWithinTheirRules)
{
    testing_support::RandomUse use(testing_support::property_seed());
    const auto go_on = [&] { return use.events() < event_budget() && use.faults().empty(); };
    for (int run = 0; go_on(); ++run)
        use.session(run % 2 == 0 ? numeria::program() : fractio::program(), go_on);
    EXPECT_EQ(use.faults(), std::vector<std::string>{});
    EXPECT_GE(use.visited().size(), 8u) << "screens reached: " << ::testing::PrintToString(use.visited());
    RecordProperty("events", static_cast<int>(use.events()));
    std::cout << use.events() << " events on " << use.visited().size() << " screens\n";
}

}  // namespace
