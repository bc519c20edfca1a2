#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <optional>

#include "core/trial_overrides.h"

namespace morvanta {

// Asks for the two off-diagonal coefficients, A[1][2] and A[2][1], each 0 to 3 in steps of
// a hundredth, or for the scenarios' own again. Opened window-modal; Chosen() says what the
// teacher chose once it is accepted.
class CoefficientsDialog : public QDialog {
    Q_OBJECT

public:
    CoefficientsDialog(OffDiagonal shown, QWidget* parent);

    // The coefficients chosen; none when the teacher went back to the presets.
    std::optional<OffDiagonal> Chosen() const { return chosen_; }

    QDoubleSpinBox* A12 = nullptr;
    QDoubleSpinBox* A21 = nullptr;
    QPushButton* UsePresets = nullptr;

private:
    std::optional<OffDiagonal> chosen_;
};

}  // namespace morvanta
