#include "app/General.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace General {

QString GetFileName(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    // Both separators count: names may come from either kind of system (recent lists, drops).
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    const QStringList parts = path.split(separator);
    if (parts.last().isEmpty() && parts.size() > 1) {
        return parts.at(parts.size() - 2);
    }
    return parts.last();
}

QString GetExtension(const QString& name) {
    return name.split(QLatin1Char('.')).last();
}

QStringList quotedFileNames(const QString& commandLine) {
    const QStringList pieces = commandLine.split(QLatin1Char('"'));
    QStringList names;
    for (qsizetype i = 1; i < pieces.size(); i += 2) {
        names << pieces.at(i);
    }
    return names;
}

bool isLevelName(const QString& name) {
    return GetExtension(GetFileName(name)) == QLatin1String("lvl");
}

void DrawRectangle(QImage& surface, int x1, int y1, int x2, int y2, QRgb color) {
    QPainter p(&surface);
    p.setPen(QColor::fromRgb(color));
    p.drawLine(x1, y1, x2, y1);
    p.drawLine(x2, y1, x2, y2);
    p.drawLine(x2, y2, x1, y2);
    p.drawLine(x1, y2, x1, y1);
}

}  // namespace General
