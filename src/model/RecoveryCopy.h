#pragma once

#include <QDateTime>
#include <QString>

#include "model/FileStamp.h"

// One recovery copy as its description tells it: what the list offered at start shows, and what
// restoring needs to bind the level to its file again.
struct RecoveryCopy {
    QString id;        // names the copy's two files in the recovery folder
    QString original;  // the level's own file; empty for a level that was never saved
    QString caption;   // the window caption when the copy was taken
    QDateTime time;    // when the copy was taken
    qint64 pid = 0;    // the editor process that wrote it
    QString owner;     // the lock of the editor that wrote it
    QString problem;   // why the description cannot be read, in the user's words; empty when it can
    // The level's own file when the copy began; unknown in copies of older editors.
    FileStamp base;
    // What the level's own file went through since, as last looked at; None for a level never saved.
    FileStamp::Change fileChange = FileStamp::Change::Unknown;
};
