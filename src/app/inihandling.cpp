#include "app/inihandling.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace inihandling {

namespace {

QStringList readLines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// The name of a "[name]" line, or a null string for any other line.
QString sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
        return t.mid(1, t.size() - 2).trimmed();
    }
    return {};
}

bool isKeyLine(const QString& line, const QString& key) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq >= 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

bool sameName(const QString& a, const QString& b) {
    return !a.isNull() && a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString readIni(const QString& section, const QString& key, const QString& defaultValue, const QString& file) {
    bool inSection = false;
    for (const QString& line : readLines(file)) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
        } else if (inSection && isKeyLine(line, key)) {
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        }
    }
    return defaultValue;
}

bool writeIni(const QString& section, const QString& key, const QString& value, const QString& file) {
    QStringList lines = readLines(file);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull()) {
            if (sectionStart >= 0) {
                break;  // past the end of our section
            }
            if (sameName(name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
        } else if (sectionStart >= 0) {
            if (isKeyLine(lines[i], key)) {
                lines[i] = entry;
                written = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                insertAt = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionStart < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']');
            insertAt = lines.size();
        }
        lines.insert(insertAt, entry);
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return out.commit();
}

}  // namespace inihandling
