#include "cli/FileNames.h"

#include <QString>

namespace FileNames {

QByteArray text(const QByteArray& name) {
    QByteArray shown;
    shown.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<uchar>(c);
        if (c == '\\') {
            shown += "\\\\";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            shown += c;
        }
    }
    return shown;
}

QJsonObject json(const QByteArray& name) {
    const QString decoded = QString::fromUtf8(name);
    QJsonObject object{{QStringLiteral("file"), decoded}};
    if (decoded.toUtf8() != name) {
        object.insert(QStringLiteral("fileBytes"), QString::fromLatin1(name.toHex()));
    }
    return object;
}

}  // namespace FileNames
