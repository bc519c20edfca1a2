#include "tests/support/recording_fakes.h"

namespace morvanta::testkit {

void RecordingOutlets::ShowTrialNumber(int n) {
    journal_.push_back("ShowTrialNumber " + std::to_string(n));
}
void RecordingOutlets::ShowStepNumber(int n) {
    journal_.push_back("ShowStepNumber " + std::to_string(n));
}
void RecordingOutlets::AppendLog(const std::string& line) {
    journal_.push_back("AppendLog " + line);
}

}  // namespace morvanta::testkit
