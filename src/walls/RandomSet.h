#pragma once

#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

// One random set: a name and the tiles it draws from, each with a whole-number weight. A tile of
// weight 3 comes up three times as often as one of weight 1; weight 0 keeps a tile listed but never
// drawn. Special tiles are never drawn whatever their weight.
class RandomSet {
public:
    struct Entry {
        int16_t tile = 0;
        int weight = 0;
        bool operator==(const Entry&) const = default;
    };

    RandomSet() = default;
    RandomSet(QString name, std::vector<Entry> entries) : nameText(std::move(name)), list(std::move(entries)) {}

    const QString& name() const { return nameText; }
    void setName(const QString& name) { nameText = name; }
    const std::vector<Entry>& entries() const { return list; }
    void setEntries(std::vector<Entry> entries) { list = std::move(entries); }

    bool operator==(const RandomSet&) const = default;

private:
    QString nameText;
    std::vector<Entry> list;
};
