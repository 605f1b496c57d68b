#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class QAction;
class QMenu;

// The ten most recently opened or saved levels, newest first, shown as the items `recentActions(0..9)`
// of the "Recent" menu and kept in `recent.ini` (section "Recent", keys "0".."9").
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 10;

    // Adds the ten items to `menu` and fills them from the ini file when it exists.
    RecentFiles(QMenu* menu, const QString& iniFile, QObject* parent = nullptr);

    // recent.ini beside the program, or in the user's configuration folder when the program's
    // folder cannot be written.
    static QString defaultIniPath();

    bool isInRecent(const QString& filename) const;
    // Puts a file on top unless it is in the list already (then the list stays as it is).
    void addRecent(const QString& filename);
    // Makes entry `index` the newest, shifting the entries above it down by one.
    void moveRecentToTop(int index);

    QString entry(int index) const { return entries.at(static_cast<size_t>(index)); }
    QAction* recentActions(int index) const { return items.at(static_cast<size_t>(index)); }
    const QString& iniFile() const { return ini; }

signals:
    // A recent item was clicked.
    void chosen(int index);

private:
    void setEntry(int index, const QString& filename);
    void store(int index) const;

    QString ini;
    std::array<QString, Count> entries;
    std::array<QAction*, Count> items{};
};
