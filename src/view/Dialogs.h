#pragma once

#include <QString>

class QWidget;

// Every message box and file dialog of the application goes through here, so tests can answer
// them without a person.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, const QString& text, Icon icon = Icon::None);
    // Yes/No question with a question icon; true for Yes. No is the default and the Escape answer.
    virtual bool ask(QWidget* parent, const QString& text);
    // Full path of the chosen file, or an empty string when cancelled. `filter` is a Qt name filter
    // such as "*.lvl (*.lvl)"; a saved name without extension gets the filter's first one.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter);
    // `start` is the file the dialog offers (its folder and name); empty for the remembered folder.
    // The dialogs start in the folder of the last file really opened or written (DialogFolder),
    // also from an earlier run; the caller remembers it once the file has been read or written.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start);
};
