#include "tests/support/recording_surface.h"

#include <initializer_list>

namespace morvanta::testkit {
namespace {

std::string Numbers(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += ' ' + std::to_string(value);
    return text;
}

}  // namespace

std::string ToText(Color color) {
    return std::to_string(color.red) + ',' + std::to_string(color.green) + ',' +
           std::to_string(color.blue);
}

void RecordingSurface::SetPenColor(Color color) {
    journal_.push_back("SetPenColor " + ToText(color));
}
void RecordingSurface::SetBrushColor(Color color) {
    journal_.push_back("SetBrushColor " + ToText(color));
}
void RecordingSurface::SetFont(const std::string& face, int points, Color color) {
    journal_.push_back("SetFont " + face + Numbers({points}) + ' ' + ToText(color));
}
void RecordingSurface::MoveTo(int x, int y) { journal_.push_back("MoveTo" + Numbers({x, y})); }
void RecordingSurface::LineTo(int x, int y) { journal_.push_back("LineTo" + Numbers({x, y})); }
void RecordingSurface::Rectangle(int x1, int y1, int x2, int y2) {
    journal_.push_back("Rectangle" + Numbers({x1, y1, x2, y2}));
}
void RecordingSurface::Ellipse(int x1, int y1, int x2, int y2) {
    journal_.push_back("Ellipse" + Numbers({x1, y1, x2, y2}));
}
void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    journal_.push_back("TextOut" + Numbers({x, y}) + ' ' + text);
}

}  // namespace morvanta::testkit
