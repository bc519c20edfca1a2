#include "ui/qt/window/coefficients_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace morvanta {
namespace {

constexpr int Decimals = 2;
constexpr double StepSize = 0.05;

QDoubleSpinBox* CoefficientBox(double value, const char* name, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(Decimals);
    box->setRange(MinOwnCoefficient, MaxOwnCoefficient);
    box->setSingleStep(StepSize);
    box->setValue(value);
    return box;
}

}  // namespace

CoefficientsDialog::CoefficientsDialog(OffDiagonal shown, QWidget* parent) : QDialog(parent) {
    setObjectName("CoefficientsDialog");
    setWindowTitle("Coefficients");
    A12 = CoefficientBox(shown.a12, "A12", this);
    A21 = CoefficientBox(shown.a21, "A21", this);

    auto* form = new QFormLayout;
    form->addRow("A[1][2], the effect of species 2 on species 1:", A12);
    form->addRow("A[2][1], the effect of species 1 on species 2:", A21);
    auto* note = new QLabel(
        "For \"Comp Severe\", \"Comp Mild\" and \"?\", until you use the presets again. The "
        "diagonal stays 1.0; \"Start Point\" draws its own coefficients every trial.",
        this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    UsePresets = buttons->addButton("Use Presets", QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen_ = OffDiagonal{A12->value(), A21->value()};
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(UsePresets, &QPushButton::clicked, this, [this] {
        chosen_.reset();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

}  // namespace morvanta
