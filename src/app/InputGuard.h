#pragma once

#include <QObject>

class QWidget;
class MainWindow;

// Keeps the keyboard with the active map and the Ctrl-held dropper with the press that started it,
// whichever window the events reach. Watches the whole application: a Ctrl release anywhere, an
// opening dialog or the program losing the focus ends the temporary tool; a closing dialog and
// every menu or toolbar command give the keyboard back to the active map's view (a dialog opened
// from another dialog gives it back to that one). Without a window manager nothing else would.
class InputGuard : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application and on the actions of `general`'s menus and toolbars.
    explicit InputGuard(MainWindow& general);
    ~InputGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dialogClosed(const QWidget* dialog);

    MainWindow& general;
};
