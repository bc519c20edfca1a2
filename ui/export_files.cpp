#include "ui/export_files.h"

#include <QSaveFile>
#include <sstream>

namespace morvanta {
namespace {

QString CannotWrite(const QString& path, const QString& reason) {
    return QString("cannot write '%1': %2").arg(path, reason);
}

}  // namespace

QString SaveTrialsCsv(const QString& path, const std::vector<TrialRecord>& records) {
    std::ostringstream text;
    WriteTrialsCsv(text, records);
    const std::string bytes = text.str();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, reason);
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return {};
}

QString SavePlotPng(const QString& path, const QImage& plot) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    if (!plot.save(&file, "PNG")) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, reason.isEmpty() ? QString("the image could not be encoded")
                                                  : reason);
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return {};
}

}  // namespace morvanta
