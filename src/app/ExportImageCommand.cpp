#include "app/ExportImageCommand.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <algorithm>
#include <memory>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/ExportImageOptions.h"
#include "app/MapWindow.h"
#include "view/DialogFolder.h"
#include "view/ImageExportJob.h"
#include "view/MapView.h"

namespace {

// Pictures up to this many pixels take well under a second: they are written at once, without a
// progress dialog that would only flash.
constexpr qint64 QuickPixels = qint64{1} << 20;

QRect gridRect() {
    return {0, 0, Level::Size, Level::Size};
}

// Every cell the view shows, also the last ones it shows only in part.
QRect visibleCells(const ViewTransform& view) {
    const int t = std::max(1, static_cast<int>(view.cellSize()));
    const QPoint first(view.startX(), view.startY());
    return QRect(first, QSize((view.width + t - 1) / t, (view.height + t - 1) / t)) & gridRect();
}

QString suggestedName(const MapWindow& map) {
    if (map.level().activeFile().isEmpty()) {
        return {};
    }
    const QFileInfo level(map.level().activeFile());
    return level.dir().filePath(level.completeBaseName() + QStringLiteral(".png"));
}

QString runInBackground(DocumentManager& documents, ImageExportJob& job) {
    QProgressDialog progress(QCoreApplication::translate("ExportImageCommand", "Exporting the image..."),
                             QCoreApplication::translate("ExportImageCommand", "Cancel"), 0, 1000, documents.window());
    progress.setObjectName(QStringLiteral("frmExportProgress"));
    progress.setWindowTitle(QApplication::applicationDisplayName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    // Escape closes the dialog without its cancel signal.
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&job] { job.cancel(); });
    QObject::connect(&progress, &QDialog::rejected, &progress, [&job] { job.cancel(); });
    // The job reports from its own thread; the dialog hears it through its event queue, which drops
    // what is still queued when the dialog goes.
    job.onProgress = [&progress](int permille) {
        QMetaObject::invokeMethod(
            &progress, [&progress, permille] { progress.setValue(permille); }, Qt::QueuedConnection);
    };
    QString error;
    std::unique_ptr<QThread> worker(QThread::create([&job, &error] { error = job.run(); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    progress.show();
    worker->start();
    loop.exec();
    worker->wait();
    return error;
}

}  // namespace

namespace ExportImageCommand {

ExportImageOptions offered(const MapWindow& map) {
    ExportImageOptions options;
    options.areas[ExportImageOptions::WholeLevel] = gridRect();
    if (map.sel().selstate() == SelectionState::Selected) {
        const CellRect cells = map.sel().rect().clipped(Level::Size);
        if (!cells.isEmpty()) {
            options.areas[ExportImageOptions::Selection] = QRect(cells.x1, cells.y1, cells.width(), cells.height());
            options.area = ExportImageOptions::Selection;
        }
    }
    options.areas[ExportImageOptions::VisibleView] = visibleCells(map.view()->transform());
    options.zoom = map.zoomFactor();
    options.grid = map.showGrid();
    options.numbers = map.showTileNumbers();
    return options;
}

void run(DocumentManager& documents) {
    const MapWindow* map = documents.activeMap();
    if (map == nullptr) {
        return;
    }
    ExportImageOptions options = offered(*map);
    if (!documents.dialogs().exportImageOptions(documents.window(), options)) {
        return;
    }
    const LevelPicture::Options picture = options.picture();
    if (picture.cells.isEmpty()) {
        return;
    }
    const QSize size = LevelPicture::size(picture);
    if (const QString refusal = ImageExportJob::refusal(size); !refusal.isEmpty()) {
        documents.dialogs().message(documents.window(), refusal, Dialogs::Icon::Warning);
        return;
    }
    const QString path = documents.dialogs().saveFile(
        documents.window(), QCoreApplication::translate("ExportImageCommand", "Export Image"),
        QCoreApplication::translate("ExportImageCommand", "PNG images (*.png)"), suggestedName(*map));
    if (path.isEmpty()) {
        return;
    }
    ImageExportJob job(map->level(), picture, path);
    QString error;
    if (qint64{size.width()} * size.height() <= QuickPixels) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        error = job.run();
        QApplication::restoreOverrideCursor();
    } else {
        error = runInBackground(documents, job);
    }
    if (!error.isEmpty()) {
        documents.dialogs().message(
            documents.window(),
            QCoreApplication::translate("ExportImageCommand", "The image could not be written to %1:\n%2")
                .arg(QDir::toNativeSeparators(path), error),
            Dialogs::Icon::Warning);
        return;
    }
    DialogFolder::remember(path);
}

}  // namespace ExportImageCommand
