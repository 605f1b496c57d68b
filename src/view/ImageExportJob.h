#pragma once

#include <QSize>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "view/LevelPicture.h"

class Level;

// One export of a level's picture to a PNG file, made to run on a worker thread while the level stays
// in use: it takes its own copy of the cells and the tileset when it is made. Cancelling at any time
// leaves the file as it was (the picture is written through a temporary file).
class ImageExportJob {
public:
    // The largest picture written: a side must fit the 16-bit coordinates of common image programs,
    // and its 32-bit pixels must fit in 1 GiB.
    static constexpr int MaxSide = 32767;
    static constexpr qint64 MaxBytes = qint64{1} << 30;

    // Why a picture of `size` is not exported, or an empty string when it may be.
    static QString refusal(QSize size);

    // Copies what it draws from `level` (on the level's thread).
    ImageExportJob(const Level& level, const LevelPicture::Options& options, const QString& path);
    ~ImageExportJob();

    // Draws and writes the picture. Returns why writing failed, or an empty string when it was written
    // or cancelled.
    QString run();
    // Asks a running job to stop soon; safe from any thread.
    void cancel() { stopped = true; }
    // Work done so far, 0..1000.
    int permille() const { return static_cast<int>(rowsDone * 1000 / rowsTotal); }

    // Called on the running thread each time permille() grows, so a window can follow without polling.
    std::function<void(int permille)> onProgress;

private:
    bool advance(int rows);

    std::unique_ptr<Level> copy;
    LevelPicture::Options options;
    QString path;
    int height;
    qint64 rowsTotal;
    std::atomic<qint64> rowsDone = 0;
    std::atomic<qint64> writerRows = 0;
    std::atomic<int> reported = 0;
    std::atomic<bool> stopped = false;
};
