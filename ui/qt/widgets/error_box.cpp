#include "ui/qt/widgets/error_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace morvanta {

void ShowErrorBox(const QString& errorText) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    ErrorBoxText(errorText), QMessageBox::Ok);
    box.setObjectName("ErrorBox");
    box.exec();
}

}  // namespace morvanta
