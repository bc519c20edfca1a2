#pragma once

#include <array>
#include <cstddef>

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

// A pair of densities in the number type a step is computed in: double for a trial, a lane
// of many starts for the outcome map, a dual number for the step's derivatives. A Number is
// made from a double and takes +, -, *, / with doubles and with itself; the stop rules
// compare it with doubles.
template <class Number>
using Pair = std::array<Number, 2>;

// What a step needs besides the densities: the competition matrix, each species' growth term
// (species 2's negated in the reversed scenario) and the capacities.
struct Dynamics {
    Matrix2 A{};
    Vector2 g{};
    Vector2 K{};
};

// The dynamics of a model state under a scenario's growth terms.
Dynamics DynamicsOf(const ModelState& model, Scenario scenario);

// The product A N, each row summed left to right from 0.0.
template <class Number>
Pair<Number> MatVec2(const Matrix2& A, const Pair<Number>& N) {
    Pair<Number> product{Number(0.0), Number(0.0)};
    for (std::size_t i = 0; i < 2; ++i) {
        Number sum(0.0);
        for (std::size_t j = 0; j < 2; ++j) sum = sum + A[i][j] * N[j];
        product[i] = sum;
    }
    return product;
}

// The change of one step, in this order of operations: g N, (A N) / K, one minus it, their
// product, times the time step:  dN_i = (g_i N_i) (1 - (A N)_i / K_i) dt.
template <class Number>
Pair<Number> StepChange(const Dynamics& d, const Pair<Number>& N) {
    const Pair<Number> AN = MatVec2(d.A, N);
    Pair<Number> change{Number(0.0), Number(0.0)};
    for (std::size_t i = 0; i < 2; ++i) {
        const Number growth = d.g[i] * N[i];
        const Number load = AN[i] / d.K[i];
        change[i] = (growth * (1.0 - load)) * TimeStep;
    }
    return change;
}

// The densities after one step: N + dN, both from the densities before it.
template <class Number>
Pair<Number> Stepped(const Dynamics& d, const Pair<Number>& N) {
    const Pair<Number> change = StepChange(d, N);
    return {change[0] + N[0], change[1] + N[1]};
}

// The stop rules after a step (stepCount counts it): the step limit, a density below the
// extinction level, or a density at its capacity.
template <class Number>
bool ExtinctIn(const Pair<Number>& N) {
    return N[0] < ExtinctionLevel || N[1] < ExtinctionLevel;
}
template <class Number>
bool AtCapacityIn(const Pair<Number>& N, const Vector2& K) {
    return N[0] >= K[0] || N[1] >= K[1];
}
template <class Number>
bool StopsAfter(const Pair<Number>& N, const Vector2& K, int stepCount) {
    return stepCount >= MaxSteps || ExtinctIn(N) || AtCapacityIn(N, K);
}

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
