#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

#include "ui/qt/screen/x11_window_canvas.h"

class QLineEdit;

namespace morvanta {

// A number box's digits, drawn straight on the screen as the box's own painting would draw
// them. The digits must be equally wide and whole pixels wide, so that a digit looks the same
// at every place; but a smoothed digit's edge reaches into the next one's cell, so a cell
// is rendered for every digit after every digit (and after none), and for the end of a number
// after every digit. They are rendered once by a line edit like the box (same size, font,
// colours, style) and kept on the X server; a new number then costs a copy or two per
// changed digit. Before they are used, numbers composed of them are checked to be pixel for
// pixel what the line edit paints; if not, the box is left to paint itself.
class NumberDigits {
public:
    explicit NumberDigits(const QLineEdit& box);
    ~NumberDigits();
    NumberDigits(const NumberDigits&) = delete;
    NumberDigits& operator=(const NumberDigits&) = delete;

    // Puts the number (decimal digits) on the screen in the box's text area and flushes it to
    // the X server; false, having sent nothing, where that cannot be done exactly.
    bool Show(const QString& number);
    // The toolkit painted the box: what its text area shows is no longer known.
    void ScreenRepainted() { onScreen_.clear(); }
    // The box's look changed: render the digits again before the next use.
    void Forget();

private:
    enum class State { Stale, Ready, Unusable };
    bool Render();
    // The kept cell of a digit (or of the end of a number, 10) after a digit (or none, 10).
    QRect Cell(int before, int digit) const;
    // Where a place of a number of the given length starts.
    QPoint Place(int place, qsizetype length) const;
    // Copies the cells of places from..end of the number (the end's cell included).
    template <typename CopyCell>
    void ComposeCells(const QString& number, qsizetype from, CopyCell copy) const;
    // What the box's digits would look like composed into an image of the empty box.
    QImage Composed(const QImage& empty, const QImage& strip, const QString& digits) const;

    const QLineEdit& box_;
    X11WindowCanvas canvas_;
    State state_ = State::Stale;
    std::uint32_t pixmap_ = 0;
    QRect textArea_;                     // where the line edit draws text, in box coordinates
    static constexpr int MaxDigits = 4;  // 1000 steps, 100 trials
    int textLeft_ = 0;                   // where the first digit's cell starts
    int directDigits_ = 0;               // the longest numbers drawn here
    // How far the line edit scrolls its text left, by the number's length: a number that
    // fills the text area is scrolled to show the cursor after it.
    std::array<int, MaxDigits + 1> scroll_{};
    int advance_ = 0;  // the width of every digit
    QRgb base_ = 0;
    QString onScreen_;  // the digits the screen shows in the text area; empty if unknown
};

}  // namespace morvanta
