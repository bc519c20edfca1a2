#include "ui/plot_paint_box.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/wayland_frame_gate.h"

namespace morvanta {
namespace {

// The plot's fonts are sized in points at the classic 96 dots per inch: the plot is a
// fixed 400 x 400 pixels whatever the screen.
constexpr int PlotDotsPerInch = 96;

}  // namespace

PlotPaintBox::PlotPaintBox(QWidget* parent)
    : QWidget(parent),
      image_(reinterpret_cast<uchar*>(Bits()), MapWidth, MapHeight, BytesPerLine,
             QImage::Format_RGB32),
      canvas_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the image
    setFocusPolicy(Qt::NoFocus);
    resize(MapWidth, MapHeight);
}

void PlotPaintBox::TextOut(int x, int y, const std::string& text) {
    QFont font = InstalledFont(QString::fromStdString(FontFace()), FontText::Captions);
    // Points to pixels as the classic desktop does: rounded, 10 points -> 13 pixels.
    font.setPixelSize((FontPoints() * PlotDotsPerInch + 36) / 72);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QString qtext = QString::fromStdString(text);
    const QRect cell(x, y, metrics.horizontalAdvance(qtext), metrics.height());

    QPainter painter(&image_);
    painter.fillRect(cell, ToQColor(BrushColor()));
    painter.setFont(font);
    painter.setPen(ToQColor(FontColor()));
    painter.drawText(x, y + metrics.ascent(), qtext);
    painter.end();
    Changed(ClipToSurface({cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1}));
}

void PlotPaintBox::Changed(const PixelRect& rect) { Show(rect, std::nullopt); }

void PlotPaintBox::ChangedInPenColor(const PixelRect& rect) { Show(rect, Pack(PenColor())); }

void PlotPaintBox::Show(const PixelRect& rect, std::optional<QRgb> lineColor) {
    if (rect.Empty() || !isVisible()) return;
    const QRect area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    // A run draws a line after showing each step's number, and the number of the next step,
    // or the trial's end dot, follows before anything else is computed. So a line waits for
    // that flush: one flush a step, as a bare X program would make. Should nothing follow,
    // the event loop flushes.
    if (!canvas_.Begin()) {
        // A line goes with the next repaint in the window; so does anything the compositor
        // is not showing now.
        if (lineColor || !WaylandFrameGate::BeforeRepaint(*this))
            update(area);
        else
            repaint(area);
        return;
    }
    if (lineColor) {
        canvas_.PutPixelsOf(image_, area, *lineColor);
    } else {
        canvas_.PutImage(image_, area, area.topLeft());
        canvas_.Flush();
    }
    // The toolkit paints the same pixels from the image once the run lets events through.
    if (!unpainted_.contains(area)) {
        unpainted_ |= area;
        update(unpainted_);
    }
}

void PlotPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect() & QRect(0, 0, MapWidth, MapHeight);
    painter.drawImage(area.topLeft(), image_, area);
    if ((QRegion(unpainted_) - event->region()).isEmpty()) unpainted_ = QRect();
}

void PlotPaintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

void PlotPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool click = leftPressed_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click) emit Clicked();
}

void PlotPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is not a new click: its release clicks nothing.
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
}

}  // namespace morvanta
