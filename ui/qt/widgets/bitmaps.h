#pragma once

#include <QImage>
#include <QString>

namespace morvanta {

// One of the program's own BMP images, read by the toolkit's built-in reader. (Read by file
// name alone, the first image would first load every image-format plugin installed and ask
// each whether it reads the file.)
QImage LoadBitmap(const QString& path);

}  // namespace morvanta
