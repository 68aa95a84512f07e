#include "app/shell/icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace app {

namespace {

constexpr const char* kIconResource = ":/icons/hamlinecalc.svg";

} // namespace

QIcon applicationIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        QSvgRenderer svg(QString::fromLatin1(kIconResource));
        // The sizes a window manager shows a window's icon at (larger ones come from the icon theme);
        // drawn once at start-up, so no more of them than needed.
        for (const int side : {16, 24, 32, 48, 64, 128}) {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            svg.render(&painter);
            painter.end();
            drawn.addPixmap(QPixmap::fromImage(image));
        }
        return drawn;
    }();
    return icon;
}

} // namespace app
