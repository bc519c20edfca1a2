#include "ui/qt/widgets/plot_image.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/qt/widgets/colors.h"
#include "ui/qt/widgets/fonts.h"

namespace morvanta {
namespace {

// The plot's fonts are sized in points at the classic 96 dots per inch: the plot is a
// fixed 400 x 400 pixels whatever the screen.
constexpr int PlotDotsPerInch = 96;

}  // namespace

PlotImage::PlotImage()
    : image_(reinterpret_cast<uchar*>(Bits()), MapWidth, MapHeight, BytesPerLine,
             QImage::Format_RGB32) {}

void PlotImage::TextOut(int x, int y, const std::string& text) {
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

}  // namespace morvanta
