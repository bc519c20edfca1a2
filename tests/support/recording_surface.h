#pragma once

// Plot surfaces for tests: one that writes every operation, as text, into a journal, and one
// that does nothing.

#include <string>
#include <vector>

#include "plot/plot_surface.h"

namespace morvanta::testkit {

using Journal = std::vector<std::string>;

std::string ToText(Color color);

// Records each operation as text, e.g. "LineTo 172 228" or "SetPenColor 255,255,255".
class RecordingSurface : public PlotSurface {
public:
    explicit RecordingSurface(Journal& journal) : journal_(journal) {}
    void SetPenColor(Color color) override;
    void SetBrushColor(Color color) override;
    void SetFont(const std::string& face, int points, Color color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;

private:
    Journal& journal_;
};

}  // namespace morvanta::testkit
