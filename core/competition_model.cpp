#include "core/competition_model.h"

#include "core/uniform_random.h"

namespace morvanta {

Scenario ScenarioFromItem(int item) {
    return item >= 0 && item < ScenarioCount ? static_cast<Scenario>(item) : Scenario::StartPoint;
}

Vector2 MatVec2(const Matrix2& A, const Vector2& N) {
    Vector2 product{};
    for (std::size_t i = 0; i < 2; ++i) {
        double sum = 0.0;
        for (std::size_t j = 0; j < 2; ++j) sum = sum + A[i][j] * N[j];
        product[i] = sum;
    }
    return product;
}

void InitRunParameters(ModelState& model) {
    model.r = {GrowthRate, GrowthRate};
    model.K = {CarryingCapacity, CarryingCapacity};
}

namespace {

double OffDiagonalCoefficient(Scenario scenario) {
    switch (scenario) {
        case Scenario::StartPoint:
            return NextUniform() * RandomCoefficientScale;
        case Scenario::CompMild:
            return MildCoefficient;
        case Scenario::CompSevere:
        case Scenario::ReversedGrowth:
            break;
    }
    return SevereCoefficient;
}

}  // namespace

void SetUpTrial(ModelState& model, Scenario scenario) {
    // The order of the draws is part of the model: N[1] then N[2] in the random-start
    // scenarios, A[1][2] then A[2][1] in the random-coefficient one.
    for (std::size_t i = 0; i < 2; ++i) {
        model.N[i] =
            scenario == Scenario::StartPoint ? StartDensity : NextUniform() * RandomStartScale;
        for (std::size_t j = 0; j < 2; ++j)
            model.A[i][j] = i == j ? DiagonalCoefficient : OffDiagonalCoefficient(scenario);
    }
}

void Step(ModelState& model, Scenario scenario) {
    const Vector2 AN = MatVec2(model.A, model.N);
    // In the reversed scenario species 2 shrinks below its capacity and grows above it.
    const Vector2 g{model.r[0],
                    scenario == Scenario::ReversedGrowth ? -1.0 * model.r[1] : model.r[1]};
    Vector2 dN{};
    for (std::size_t i = 0; i < 2; ++i) {
        const double growth = g[i] * model.N[i];
        const double load = AN[i] / model.K[i];
        dN[i] = growth * (1.0 - load);
    }
    for (std::size_t i = 0; i < 2; ++i) model.N[i] = dN[i] * TimeStep + model.N[i];
}

bool AnyExtinct(const ModelState& model) {
    return model.N[0] < ExtinctionLevel || model.N[1] < ExtinctionLevel;
}

bool AnyAtCapacity(const ModelState& model) {
    return model.N[0] >= model.K[0] || model.N[1] >= model.K[1];
}

bool ShouldStop(const ModelState& model, int stepCount) {
    if (stepCount >= MaxSteps || AnyExtinct(model)) return true;
    return AnyAtCapacity(model);
}

}  // namespace morvanta
