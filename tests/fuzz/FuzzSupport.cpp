#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace FuzzSupport {

namespace {

// In memory where the system offers it: saving syncs its files to the disk, which would cost more
// than everything the targets check.
const QTemporaryDir& folder() {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/quarn-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/quarn-fuzz-XXXXXX"));
    return dir;
}

}  // namespace

QString path(const char* name) {
    return folder().filePath(QString::fromLatin1(name));
}

QString writeFile(const char* name, const uint8_t* data, size_t size) {
    const QString file = path(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        fail("the input could not be written to the run's folder");
    }
    return file;
}

void fail(const char* what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

}  // namespace FuzzSupport
