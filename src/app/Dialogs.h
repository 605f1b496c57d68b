#pragma once

#include <QList>

// The dialogs seam lives below the application, where the tools and dialogs reach it.
#include "view/Dialogs.h"

struct ExportImageOptions;
struct RecoveryCopy;

// The seam with the dialogs only the application's own commands show.
class AppDialogs : public Dialogs {
public:
    enum class RecoveryChoice { Restore, Discard, Later };
    enum class CloseChoice { Proceed, Save, Stay };

    // Lists the recovery copies left by editors that no longer run and asks what to do with them;
    // Restore is the default, Escape means Later. On Restore and Discard `copies` keeps the ones
    // the user picked.
    virtual RecoveryChoice offerRecovery(QWidget* parent, QList<RecoveryCopy>& copies);
    // The question before changes are lost: Yes proceeds, Save saves first, No (the default and the
    // Escape answer) stays.
    virtual CloseChoice askToClose(QWidget* parent, const QString& text);
    // The options of an image export, starting from `options`; false when cancelled.
    virtual bool exportImageOptions(QWidget* parent, ExportImageOptions& options);
    // The tile layer of map `mapName` to import, one of `layers`; empty when cancelled.
    virtual QString chooseLayer(QWidget* parent, const QString& mapName, const QStringList& layers);
};
