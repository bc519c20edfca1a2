#include "core/competition_model.h"

#include "core/uniform_random.h"

namespace morvanta {

Scenario ScenarioFromItem(int item) {
    return item >= 0 && item < ScenarioCount ? static_cast<Scenario>(item) : Scenario::StartPoint;
}

Dynamics DynamicsOf(const ModelState& model, Scenario scenario) {
    // In the reversed scenario species 2 shrinks below its capacity and grows above it.
    const double g2 = scenario == Scenario::ReversedGrowth ? -1.0 * model.r[1] : model.r[1];
    return {model.A, {model.r[0], g2}, model.K};
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
    model.N = Stepped(DynamicsOf(model, scenario), model.N);
}

bool AnyExtinct(const ModelState& model) { return ExtinctIn(model.N); }

bool AnyAtCapacity(const ModelState& model) { return AtCapacityIn(model.N, model.K); }

bool ShouldStop(const ModelState& model, int stepCount) {
    return StopsAfter(model.N, model.K, stepCount);
}

}  // namespace morvanta
