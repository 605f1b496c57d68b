#pragma once

#include <QList>
#include <QString>

struct RecoveryCopy;
class QWidget;
struct ExportImageOptions;

// Every message box and file dialog of the application goes through here, so tests can answer
// them without a person.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical };
    enum class RecoveryChoice { Restore, Discard, Later };

    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, const QString& text, Icon icon = Icon::None);
    // Yes/No question with a question icon; true for Yes. No is the default and the Escape answer.
    virtual bool ask(QWidget* parent, const QString& text);
    // Full path of the chosen file, or an empty string when cancelled. `filter` is a Qt name filter
    // such as "*.lvl (*.lvl)"; a saved name without extension gets the filter's first one.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // `start` is the file the dialog offers (its folder and name); empty for the last folder used.
    // The open and save dialogs start where the last one ended, also in an earlier run.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start);
    // Lists the recovery copies left by editors that no longer run and asks what to do with them;
    // Restore is the default, Escape means Later.
    virtual RecoveryChoice offerRecovery(QWidget* parent, const QList<RecoveryCopy>& copies);
    // The options of an image export, starting from `options`; false when cancelled.
    virtual bool exportImageOptions(QWidget* parent, ExportImageOptions& options);
};
