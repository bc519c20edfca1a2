#include "ui/qt/widgets/bitmaps.h"

#include <QImageReader>

namespace morvanta {

QImage LoadBitmap(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace morvanta
