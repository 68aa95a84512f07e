#include "app/form/qtports.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <clocale>

namespace app {

void QtPorts::messageBox(const std::string& title, const std::string& prompt) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::Ok, owner_);
    box.exec();
}

void QtPorts::openDocument(const std::string& address) {
    const QString text = QString::fromStdString(address);
    const QUrl url(text);
    const bool opened = opener_ ? opener_(url) : QDesktopServices::openUrl(url);
    if (!opened)
        openFailed(text);
}

void QtPorts::openFailed(const QString& address) {
    QMessageBox box(QMessageBox::Warning, tr("Guida"),
                    tr("Il desktop non ha potuto aprire l'indirizzo della guida:"), QMessageBox::NoButton,
                    owner_);
    box.setInformativeText(address);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* builtIn = nullptr;
    if (builtInGuide_)
        builtIn = box.addButton(tr("Apri la guida integrata"), QMessageBox::AcceptRole);
    QPushButton* close = box.addButton(QMessageBox::Close);
    box.setDefaultButton(builtIn ? builtIn : close);
    box.setEscapeButton(close);
    box.exec();
    if (builtIn && box.clickedButton() == builtIn)
        builtInGuide_();
}

char systemDecimalSign() {
    // The numbers the window reads and writes never go through the C library, so taking over the
    // regional setting here changes nothing but this answer.
    std::setlocale(LC_NUMERIC, "");
    const char* sign = std::localeconv()->decimal_point;
    return sign && sign[0] == ',' && sign[1] == '\0' ? ',' : '.';
}

} // namespace app
