// The seeds of the runs of --runs.

#include "session/batch_runs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/uniform_random.h"

namespace morvanta {
namespace {

// The first draw of a run seeded so: what its first trial's start or coefficient scales.
double FirstDraw(std::uint32_t seed) {
    ProcessRandom().seed = seed;
    return NextUniform();
}

TEST(BatchRuns, RunsAreSeededFromAWellMixedSequenceNotALattice) {
    constexpr std::uint32_t First = 43'200'000;
    constexpr long Runs = 1000;
    EXPECT_EQ(SeedOfRun(First, 0), First) << "the first run keeps the first seed";
    std::set<std::uint32_t> seeds;
    std::set<long long> steps;  // successive differences of the first draws, mod 1
    std::array<int, 10> deciles{};
    double previous = 0.0;
    for (long run = 0; run < Runs; ++run) {
        const std::uint32_t seed = SeedOfRun(First, run);
        ASSERT_LE(seed, LastSeed);
        seeds.insert(seed);
        const double draw = FirstDraw(seed);
        ++deciles[static_cast<std::size_t>(draw * 10.0)];
        if (run > 0) {
            const double step = draw - previous;
            steps.insert(std::llround((step - std::floor(step)) * 1e9));
        }
        previous = draw;
    }
    EXPECT_EQ(seeds.size(), static_cast<std::size_t>(Runs)) << "no run repeats another";
    // Seeds one apart would give one step, 134775813 / 2^32, every time.
    EXPECT_GT(steps.size(), 990U) << "the starts lie on a lattice";
    // 100 a decile expected; 40 to 160 is far beyond chance for independent draws.
    for (int count : deciles) EXPECT_TRUE(count > 40 && count < 160) << count;
    EXPECT_EQ(SeedOfRun(First, 7), SeedOfRun(First, 7)) << "a run's seed is reproducible";
}

}  // namespace
}  // namespace morvanta
