#include "app/qtports.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <clocale>

namespace app {

void QtPorts::messageBox(const std::string& title, const std::string& prompt) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::Ok, owner_);
    box.exec();
}

void QtPorts::openDocument(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

char systemDecimalSign() {
    // The numbers the window reads and writes never go through the C library, so taking over the
    // regional setting here changes nothing but this answer.
    std::setlocale(LC_NUMERIC, "");
    const char* sign = std::localeconv()->decimal_point;
    return sign && sign[0] == ',' && sign[1] == '\0' ? ',' : '.';
}

} // namespace app
