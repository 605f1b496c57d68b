#include "view/ImageExportJob.h"

#include <QCoreApplication>
#include <QImage>
#include <algorithm>

#include "model/Level.h"
#include "view/PngWriter.h"

QString ImageExportJob::refusal(QSize size) {
    const qint64 bytes = qint64{size.width()} * size.height() * 4;
    if (size.width() <= MaxSide && size.height() <= MaxSide && bytes <= MaxBytes) {
        return {};
    }
    return QCoreApplication::translate(
               "ImageExportJob",
               "The image would be %1 x %2 pixels; the largest that can be exported is 32767 pixels on a side and "
               "1 GiB of pixels.")
        .arg(size.width())
        .arg(size.height());
}

ImageExportJob::ImageExportJob(const Level& level, const LevelPicture::Options& options, const QString& path)
    : copy(std::make_unique<Level>()),
      options(options),
      path(path),
      height(LevelPicture::size(options).height()),
      // Each picture row is drawn, then looked at and compressed by the writer; compressing takes about as
      // long as the other two together, so it counts twice.
      rowsTotal(std::max<qint64>(1, qint64{height} * 4)) {
    const int16_t* cells = level.cells();
    for (int16_t y = 0; y < Level::Size; ++y) {
        for (int16_t x = 0; x < Level::Size; ++x) {
            copy->putTile(x, y, cells[y * Level::Size + x]);
        }
    }
    copy->overview() = level.overview();
    copy->tileset() = level.tileset();
    copy->tileset().setZoom(options.zoom);
}

ImageExportJob::~ImageExportJob() = default;

bool ImageExportJob::advance(int rows) {
    rowsDone += rows;
    const int now = permille();
    // Several threads of the writer report at once; only the one that moves the mark on tells.
    int last = reported.load();
    while (now > last && !reported.compare_exchange_weak(last, now)) {
    }
    if (now > last && onProgress) {
        onProgress(now);
    }
    return !stopped;
}

QString ImageExportJob::run() {
    const int t = static_cast<int>(options.zoom * 16);
    int drawnRows = 0;
    const QImage picture = LevelPicture::draw(*copy, options, [this, t, &drawnRows](int rows) {
        advance((rows - drawnRows) * t);
        drawnRows = rows;
        return !stopped;
    });
    if (picture.isNull()) {
        return stopped ? QString()
                       : QCoreApplication::translate("ImageExportJob", "there is not enough memory for the picture");
    }
    return PngWriter::write(picture, path, [this](int rows) {
        // The writer's first `height` rows are the look at the colours, the rest are compressed.
        const qint64 before = writerRows.fetch_add(rows);
        const qint64 compressed = std::max<qint64>(0, before + rows - std::max<qint64>(before, height));
        return advance(static_cast<int>(rows + compressed));
    });
}
