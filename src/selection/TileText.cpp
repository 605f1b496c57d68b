#include "selection/TileText.h"

#include <array>
#include <cmath>
#include <string>

#include "model/Level.h"

namespace TileText {

namespace {

// The decimal text of -1..255 followed by ":", built once; cell values are always in that range.
struct ValueTexts {
    std::array<std::array<char, 5>, 257> text{};
    std::array<uint8_t, 257> length{};
    ValueTexts() {
        for (int v = -1; v <= 255; ++v) {
            const std::string s = std::to_string(v) + ':';
            auto& t = text[static_cast<size_t>(v + 1)];
            std::copy(s.begin(), s.end(), t.begin());
            length[static_cast<size_t>(v + 1)] = static_cast<uint8_t>(s.size());
        }
    }
};

const ValueTexts& valueTexts() {
    static const ValueTexts texts;
    return texts;
}

void append(std::string& out, int16_t v) {
    const ValueTexts& t = valueTexts();
    if (v < -1 || v > 255) {
        out += std::to_string(v);
        out += ':';
        return;
    }
    const auto i = static_cast<size_t>(v + 1);
    out.append(t.text[i].data(), t.length[i]);
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

QString format(const Level& level, const CellRect& rect) {
    const int w = std::abs(rect.x2 - rect.x1) + 1;
    const int h = std::abs(rect.y2 - rect.y1) + 1;
    std::string out;
    out.reserve(static_cast<size_t>(w) * static_cast<size_t>(h) * 4 + 32);
    out += "QuarnTiles:";
    out += std::to_string(w);
    out += ':';
    out += std::to_string(h);
    out += ':';
    const int16_t* cells = level.cells();
    for (int y = rect.y1; y <= rect.y2; ++y) {
        const bool rowInGrid = y >= 0 && y < Level::Size;
        for (int x = rect.x1; x <= rect.x2; ++x) {
            if (rowInGrid && x >= 0 && x < Level::Size) {
                append(out, cells[static_cast<size_t>(y) * Level::Size + static_cast<size_t>(x)]);
            } else {
                out += "0:";
            }
        }
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

bool hasKeyword(QStringView text) {
    const qsizetype colon = text.indexOf(u':');
    return (colon < 0 ? text : text.first(colon)) == keyword;
}

double readValue(QStringView field, bool* ok) {
    if (ok) {
        *ok = true;
    }
    const char16_t* c = field.utf16();
    qsizetype i = 0;
    const qsizetype n = field.size();
    while (i < n && isBlank(c[i])) {
        ++i;
    }
    bool negative = false;
    if (i < n && (c[i] == u'-' || c[i] == u'+')) {
        negative = c[i] == u'-';
        ++i;
    }
    // The whole part stays in integer arithmetic: that is all the editor writes.
    int whole = 0;
    qsizetype digits = 0;
    while (i < n && c[i] >= u'0' && c[i] <= u'9') {
        if (whole > 100'000'000) {
            if (ok) {
                *ok = false;
            }
            return 0;
        }
        whole = whole * 10 + (c[i] - u'0');
        ++i;
        ++digits;
    }
    double value = whole;
    if (i < n && c[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && c[i] >= u'0' && c[i] <= u'9'; ++i, scale /= 10) {
            value += (c[i] - u'0') * scale;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    return negative ? -value : value;
}

int readNumber(QStringView field, bool* ok) {
    return static_cast<int>(std::nearbyint(readValue(field, ok)));
}

std::optional<TileBlock> parse(QStringView text) {
    if (text.size() > MaxLength || !hasKeyword(text)) {
        return std::nullopt;
    }
    qsizetype pos = keyword.size() + 1;
    // The next field, or nothing past the end of the text; the last field runs to the end.
    auto nextField = [&]() -> std::optional<QStringView> {
        if (pos > text.size()) {
            return std::nullopt;
        }
        qsizetype end = text.indexOf(u':', pos);
        if (end < 0) {
            end = text.size();
        }
        const QStringView field = text.sliced(pos, end - pos);
        pos = end + 1;
        return field;
    };
    const auto wField = nextField();
    const auto hField = nextField();
    if (!wField || !hField) {
        return std::nullopt;
    }
    bool wOk = false;
    bool hOk = false;
    const int w = readNumber(*wField, &wOk);
    const int h = readNumber(*hField, &hOk);
    if (!wOk || !hOk || w < 1 || w > MaxSide || h < 1 || h > MaxSide) {
        return std::nullopt;
    }
    const qsizetype cellCount = qsizetype{w} * h;
    // A cell field is a value followed by a colon, or a last value without one; they are counted
    // before the block is allocated, so a short text costs nothing.
    const QStringView rest = pos < text.size() ? text.sliced(pos) : QStringView();
    const qsizetype fields = rest.count(u':') + (rest.isEmpty() || rest.endsWith(u':') ? 0 : 1);
    if (fields < cellCount) {
        return std::nullopt;
    }
    TileBlock block(w, h);
    int16_t* out = block.data();
    for (qsizetype i = 0; i < cellCount; ++i) {
        const auto field = nextField();
        if (!field) {
            return std::nullopt;
        }
        bool ok = false;
        const int v = readNumber(*field, &ok);
        out[i] = ok && v >= -1 && v <= 255 ? static_cast<int16_t>(v) : int16_t{0};
    }
    block.makeConsistent();
    return block;
}

}  // namespace TileText
