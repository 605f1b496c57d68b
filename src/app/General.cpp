#include "app/General.h"

#include <QRegularExpression>
#include <QStringList>

namespace General {

QString fileNameOf(const QString& path) {
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

QString extensionOf(const QString& name) {
    return name.split(QLatin1Char('.')).last();
}

bool isLevelName(const QString& name) {
    return extensionOf(fileNameOf(name)) == QLatin1String("lvl");
}

}  // namespace General
