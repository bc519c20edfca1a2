#include "session/plot_description.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/driver/lesson_outcomes.h"
#include "core/driver/outcome_shares.h"
#include "core/driver/run_summary.h"
#include "core/driver/step_pace.h"
#include "core/driver/time_course.h"

namespace morvanta {
namespace {

constexpr const char* AxesText =
    "Species 1 density across from 0 to 1.2, species 2 density up from 0 to 1.2.";
// A map region is told by one outcome when it holds at least this share of its starts.
constexpr double NearlyAll = 0.95;

// A density as a reader says it: at most two decimals, no trailing zeros ("0.36", "0.9", "0").
std::string Density(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

// An end density, which a reader would hear as 0 where it is below the extinction level.
std::string EndDensity(double value) {
    return value > 0.0 && value < ExtinctionLevel ? "below 0.01" : Density(value);
}

std::string Percent(double share) {
    return std::to_string(static_cast<int>(std::lround(share * 100.0))) + "%";
}

std::string EquilibriumText(const CompetitionSystem& system, const Equilibrium& e) {
    const std::string stability = e.stable ? ", stable" : ", unstable";
    if (e.n1 == 0.0 && e.n2 == 0.0) return "neither species at 0, 0" + stability;
    if (e.n2 == 0.0) return "species 1 alone at " + Density(e.n1) + stability;
    if (e.n1 == 0.0) return "species 2 alone at " + Density(e.n2) + stability;
    const std::string at = " at " + Density(e.n1) + ", " + Density(e.n2);
    if (e.stable) return "coexistence" + at + ", stable";
    // Where both grow and each hinders the other more than itself, the crossing is a saddle:
    // the line between the two species' basins runs through it.
    const bool saddle = system.g1 > 0.0 && system.g2 > 0.0 && system.a12 * system.a21 > 1.0;
    return (saddle ? "saddle" : "both species") + at + (saddle ? "" : ", unstable");
}

std::string IsoclinesText(const CompetitionSystem& system) {
    const auto lines = ZeroGrowthLines(system);
    std::string text = "Isoclines: species 1's";
    for (int species = 0; species < 2; ++species) {
        const ZeroGrowthLine& line = lines[static_cast<std::size_t>(species)];
        if (species == 1) text += ", species 2's";
        text += " from " + Density(line.k / line.a1) + " across to " + Density(line.k / line.a2) +
                " up";
    }
    text += ". Equilibria: ";
    const std::vector<Equilibrium> equilibria = EquilibriaInQuadrant(system);
    for (std::size_t i = 0; i < equilibria.size(); ++i)
        text += (i == 0 ? "" : "; ") + EquilibriumText(system, equilibria[i]);
    return text + ".";
}

// The result most starts of a region have, and its share of the region.
struct Majority {
    TrialResult result = TrialResult::BothAlive;
    double share = 0.0;
};

template <typename InRegion>
Majority MajorityOf(const OutcomeMap& map, InRegion inRegion) {
    std::array<int, TrialResultCount> counts{};
    int total = 0;
    for (const MapCell& cell : map.Cells()) {
        if (!inRegion(cell)) continue;
        ++counts[static_cast<std::size_t>(cell.result)];
        ++total;
    }
    Majority majority;
    for (int k = 0; k < TrialResultCount; ++k) {
        const double share = total ? counts[static_cast<std::size_t>(k)] / double(total) : 0.0;
        if (share > majority.share) majority = {static_cast<TrialResult>(k), share};
    }
    return majority;
}

std::string Result(const Majority& m) {
    return std::string(ResultName(m.result)) + " (" + Percent(m.share) + ")";
}

// Which part of the plane leads where: the whole plane where one outcome nearly fills it,
// else the two sides of the diagonal, on which the basins of the two species lie.
std::string OutcomeMapText(const OutcomeMap& map) {
    const Majority all = MajorityOf(map, [](const MapCell&) { return true; });
    if (all.share >= NearlyAll) return "Outcome map: nearly all starts, " + Result(all) + ".";
    const Majority below = MajorityOf(map, [](const MapCell& c) { return c.n1 > c.n2; });
    const Majority above = MajorityOf(map, [](const MapCell& c) { return c.n2 > c.n1; });
    if (below.result == above.result)
        return "Outcome map: most starts on both sides of the diagonal, " + Result(all) + ".";
    return "Outcome map: most starts below the diagonal, " + Result(below) + "; most above it, " +
           Result(above) + ".";
}

}  // namespace

std::string PlotDescription(const PlotContent& content) {
    std::string drawn;
    if (content.system) {
        if (content.ownCoefficients)
            drawn += " Own coefficients a12 " + Density(content.ownCoefficients->a12) + ", a21 " +
                     Density(content.ownCoefficients->a21) + ".";
        // Appended in two steps: GCC 12 at -O3 warns (-Wrestrict) on a literal + a temporary.
        if (content.isoclines) (drawn += ' ') += IsoclinesText(*content.system);
        if (content.outcomeMap) (drawn += ' ') += OutcomeMapText(*content.outcomeMap);
        if (content.isoclines || content.outcomeMap)
            drawn += std::string(" The system: ") + CaseText(CaseOf(*content.system)) + ".";
        if (content.axisNumbers) drawn += " Axis numbers from 0 to 0.9.";
        if (content.directionField) drawn += " Direction field shown.";
    }
    const bool optionsDrew =
        content.isoclines || content.outcomeMap || content.directionField || content.axisNumbers;
    if (!content.system || !optionsDrew)
        return (content.run ? RunSummaryText(content.scenarioCaption, *content.run)
                            : EmptyPlotText()) +
               drawn;
    const std::string head =
        content.run ? RunSummaryText(content.scenarioCaption, *content.run)
                    : "Plot of scenario " + content.scenarioCaption + ", no trials yet.";
    return head + " " + AxesText + drawn;
}

std::string RunEndAnnouncement(const std::string& scenarioCaption,
                               const std::vector<TrialRecord>& records, bool complete) {
    EndCounts counts;
    counts.Add(records);
    std::string text = complete ? "Normal End of Job" : EndedByEscapeLine;
    text += ". Scenario ";
    text += scenarioCaption;
    text += ", ";
    text += std::to_string(records.size());
    text += records.size() == 1 ? " trial:" : " trials:";
    // The tally's results in full words, only those that happened, so that it stays short.
    const char* separator = " ";
    for (int k = 0; k < TrialResultCount; ++k) {
        const auto result = static_cast<TrialResult>(k);
        if (counts.Of(result) == 0) continue;
        text += separator;
        text += ResultName(result);
        text += ' ';
        text += std::to_string(counts.Of(result));
        separator = ", ";
    }
    text += '.';
    return text;
}

std::string TimeCourseDescription(const std::vector<TrialRecord>& records) {
    if (records.empty()) return "Time course: no trials yet.";
    const std::size_t n = records.size();
    std::string text = "Time course of " + std::to_string(n) + (n == 1 ? " trial" : " trials") +
                       ", densities against the step. Last trial, number " +
                       std::to_string(records.back().trial) + ": ";
    const TimeCourse course = TimeCourseOf(records.back());
    const Vector2& start = course.densities.front();
    const Vector2& end = course.densities.back();
    for (std::size_t s = 0; s < 2; ++s)
        text += std::string(s ? "; " : "") + "species " + std::to_string(s + 1) + " from " +
                Density(start[s]) + " to " + EndDensity(end[s]);
    text += ". ";
    for (std::size_t step = 0; step < course.densities.size(); ++step) {
        const Vector2& d = course.densities[step];
        const bool fell1 = d[0] < ExtinctionLevel, fell2 = d[1] < ExtinctionLevel;
        if (!fell1 && !fell2) continue;
        const std::string who = fell1 && fell2 ? "Both species" : fell1 ? "Species 1" : "Species 2";
        return text + who + " fell below 0.01 at step " + std::to_string(step) + ".";
    }
    return text + "Both lived, " + std::to_string(course.densities.size() - 1) + " steps.";
}

}  // namespace morvanta
