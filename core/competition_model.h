#pragma once

#include <array>

namespace morvanta {

// The model's constants.
inline constexpr double GrowthRate = 0.03;
inline constexpr double CarryingCapacity = 0.9;
inline constexpr double ExtinctionLevel = 0.01;  // a density strictly below it is extinct
inline constexpr int MaxSteps = 1000;
inline constexpr double TimeStep = 1.0;
inline constexpr double StartDensity = 0.5;
inline constexpr double RandomStartScale = 0.8;
inline constexpr double RandomCoefficientScale = 3.0;
inline constexpr double SevereCoefficient = 1.5;
inline constexpr double MildCoefficient = 0.8;
inline constexpr double DiagonalCoefficient = 1.0;

// The four choices of the "Fixed" group, numbered by their place in it.
enum class Scenario { StartPoint = 0, CompSevere = 1, CompMild = 2, ReversedGrowth = 3 };
inline constexpr int ScenarioCount = 4;

// The scenario of a group item; an item outside 0..3 counts as the first.
Scenario ScenarioFromItem(int item);
// The group item of a scenario.
constexpr int ItemOf(Scenario scenario) { return static_cast<int>(scenario); }

using Vector2 = std::array<double, 2>;
using Matrix2 = std::array<Vector2, 2>;

// One competition system. Index 0 is species 1, index 1 is species 2; A[i][j] is the effect
// of species j on species i.
struct ModelState {
    Vector2 N{};  // population densities
    Vector2 r{};  // intrinsic growth rates
    Vector2 K{};  // carrying capacities
    Matrix2 A{};  // competition coefficients
};

// The product A N, each row summed left to right from 0.0.
Vector2 MatVec2(const Matrix2& A, const Vector2& N);

// Sets the growth rates and capacities, once per run.
void InitRunParameters(ModelState& model);

// Chooses the start densities and the competition matrix; always two draws from the
// process-wide random source.
void SetUpTrial(ModelState& model, Scenario scenario);

// Advances the densities by one time step.
void Step(ModelState& model, Scenario scenario);

// True when a density is below the extinction level.
bool AnyExtinct(const ModelState& model);

// True when a density has reached its carrying capacity.
bool AnyAtCapacity(const ModelState& model);

// The stop test after a step; stepCount counts the step just taken.
bool ShouldStop(const ModelState& model, int stepCount);

}  // namespace morvanta
