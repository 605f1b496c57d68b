#pragma once

#include <gtest/gtest.h>
#include <QAction>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/frmGeneral.h"
#include "view/Dialogs.h"

// Answers the application's dialogs from queues and records every message, so a test can drive
// the main window without a person.
class TestDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text, Icon) override { messages << text; }
    bool ask(QWidget*, const QString& text) override;
    QString openFile(QWidget*, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) override {
        starts << start;
        return openFile(parent, title, filter);
    }

    QStringList messages;
    QStringList questions;
    QStringList titles;          // titles of the file dialogs shown, in order
    QStringList filters;         // and their filters
    QStringList starts;          // the files the save dialogs offered
    std::deque<bool> answers;    // Yes/No for the next questions; No when empty
    std::deque<QString> chosen;  // names for the next file dialogs; cancelled when empty
};

// A main window with test dialogs, a private recent list and a folder for level files.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a level file with the given (column, row, tile) records into the folder.
    QString writeLevel(const QString& name, const QList<std::array<int, 3>>& cells = {});
    QString path(const QString& name) const { return dir.filePath(name); }
    QString recentIni() const { return dir.filePath(QStringLiteral("recent.ini")); }
    int openCount() const;
    // Closes a level's window as the user would; true when it went.
    bool closeMap(int slot);
    // Builds a fresh main window on the same recent.ini (as a restart would).
    void restart();
    // Paints one cell of a map as an undoable step.
    static void paintUndoable(frmMain* map, int16_t x, int16_t y, int16_t tile);
    static void expectEnabled(std::initializer_list<QAction*> actions, bool enabled);

    QTemporaryDir dir;
    TestDialogs* dialogs = nullptr;
    std::unique_ptr<frmGeneral> general;
};
