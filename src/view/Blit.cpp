#include "view/Blit.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace Blit {

QRect copy(QImage& dst, QPoint to, const QImage& src, const QRect& from) {
    const QPoint shift = to - from.topLeft();
    const QRect source = from & src.rect() & dst.rect().translated(-shift);
    if (source.isEmpty()) {
        return {};
    }
    const QRect target = source.translated(shift);
    const qsizetype inStride = src.bytesPerLine();
    const qsizetype outStride = dst.bytesPerLine();
    uchar* out = dst.bits() + target.top() * outStride + target.left() * qsizetype{sizeof(QRgb)};
    if (src.format() == QImage::Format_Indexed8) {
        // Indexes past a short colour table draw black instead of reading beyond it.
        std::array<QRgb, 256> palette{};
        const QList<QRgb> table = src.colorTable();
        std::copy_n(table.begin(), std::min<qsizetype>(table.size(), 256), palette.begin());
        const uchar* in = src.constBits() + source.top() * inStride + source.left();
        for (int row = 0; row < target.height(); ++row, in += inStride, out += outStride) {
            auto* line = reinterpret_cast<QRgb*>(out);
            for (int x = 0; x < target.width(); ++x) {
                line[x] = palette[in[x]];
            }
        }
        return target;
    }
    const uchar* in = src.constBits() + source.top() * inStride + source.left() * qsizetype{sizeof(QRgb)};
    const auto rowBytes = static_cast<size_t>(target.width()) * sizeof(QRgb);
    for (int row = 0; row < target.height(); ++row, in += inStride, out += outStride) {
        std::memcpy(out, in, rowBytes);
    }
    return target;
}

void fill(QImage& dst, const QRect& area, QRgb colour) {
    const QRect r = area & dst.rect();
    if (r.isEmpty()) {
        return;
    }
    const qsizetype stride = dst.bytesPerLine();
    uchar* line = dst.bits() + r.top() * stride + r.left() * qsizetype{sizeof(QRgb)};
    for (int row = 0; row < r.height(); ++row, line += stride) {
        auto* out = reinterpret_cast<QRgb*>(line);
        std::fill(out, out + r.width(), colour);
    }
}

}  // namespace Blit
