// Both programs as their descriptions list them.
#include <gtest/gtest.h>

#include "fractio/screens.h"
#include "harness.h"
#include "numeria/screens.h"

using testing_support::Harness;

namespace {

const std::vector<const model::ProgramDescription*> programs = {&numeria::program(), &fractio::program()};

TEST(Programs, EveryListedScreenOpensUnderItsOwnNameAndTheStartScreenIsListed)
{
    for (const auto* program : programs) {
        EXPECT_NO_THROW(program->screen(program->start)) << program->id;
        for (const auto& entry : program->screens) {
            SCOPED_TRACE(std::string(program->id) + " " + std::string(entry.name));
            Harness h{std::string(program->title)};
            entry.show(h.program);
            EXPECT_EQ(h.name(), entry.name);
        }
    }
}

}  // namespace
