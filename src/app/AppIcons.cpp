#include "app/AppIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "tools/ToolTable.h"

namespace AppIcons {

namespace {

QString iconPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

}  // namespace

QIcon icon(const QString& name) {
    return QIcon(iconPath(name));
}

QCursor toolCursor(ToolId tool) {
    const ToolEntry& entry = toolEntry(tool);
    if (entry.crosshair) {
        return QCursor(Qt::CrossCursor);
    }
    QSvgRenderer svg(iconPath(QString::fromLatin1(entry.icon)));
    if (!svg.isValid()) {
        return QCursor(Qt::ArrowCursor);
    }
    constexpr int Size = 32;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(Size, Size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    svg.render(&p, QRectF(0, 0, Size, Size));
    p.end();
    // Hot spots are given on the 24-pixel drawing grid of the icons.
    return QCursor(picture, entry.hotX * Size / 24, entry.hotY * Size / 24);
}

}  // namespace AppIcons
