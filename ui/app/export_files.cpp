#include "ui/app/export_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>
#include <sstream>

namespace morvanta {
namespace {

using Writer = std::function<bool(QIODevice& device)>;

QString CannotWrite(const QString& path, const QString& reason) {
    return QString("cannot write '%1': %2").arg(path, reason);
}

// A device or a pipe cannot be replaced by renaming a file over it, and leaves no partial file
// when a write fails: it is written in place.
QString WriteInPlace(const QString& path, const Writer& write) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    if (!write(file) || !file.flush()) return CannotWrite(path, file.errorString());
    return {};
}

QString WriteWhole(const QString& path, const Writer& write) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) return WriteInPlace(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    // The writes are buffered: a failure may only show when the buffer is flushed, and commit
    // does not report every failure of its own final flush.
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, reason);
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return {};
}

}  // namespace

QString SaveTrialsCsv(const QString& path, const std::vector<TrialRecord>& records) {
    std::ostringstream text;
    WriteTrialsCsv(text, records);
    const std::string bytes = text.str();
    return WriteWhole(path, [&](QIODevice& device) {
        return device.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    });
}

QString SavePlotPng(const QString& path, const QImage& plot) {
    return WriteWhole(path, [&](QIODevice& device) { return plot.save(&device, "PNG"); });
}

QString SaveTextFile(const QString& path, const std::string& text) {
    return WriteWhole(path, [&](QIODevice& device) {
        return device.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    });
}

}  // namespace morvanta
