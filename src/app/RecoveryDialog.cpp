#include "app/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/General.h"

namespace {
enum Column { LevelColumn, FileColumn, TimeColumn, NoteColumn };
}  // namespace

RecoveryDialog::RecoveryDialog(const QList<RecoveryCopy>& copies, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), found(copies), dialogs(dialogs) {
    ui.copyList = new QTreeWidget;
    ui.restoreButton = new QPushButton(tr("Restore"));
    ui.discardButton = new QPushButton(tr("Discard"));
    setObjectName(QStringLiteral("frmRecovery"));
    setWindowTitle(tr("Recover Unsaved Levels"));
    auto* text =
        new QLabel(tr("Quarn did not end properly. Recovery copies of levels with unsaved changes were found.\n"
                      "Restore opens the ticked copies with their changes; Discard deletes them. Copies not ticked "
                      "stay for the next start."));
    text->setWordWrap(true);

    ui.copyList->setObjectName(QStringLiteral("lstCopies"));
    ui.copyList->setRootIsDecorated(false);
    ui.copyList->setSelectionMode(QAbstractItemView::NoSelection);
    ui.copyList->setHeaderLabels({tr("Level"), tr("Level file"), tr("Copy taken"), tr("Note")});
    const QLocale locale;
    for (const RecoveryCopy& copy : copies) {
        auto* item = new QTreeWidgetItem(ui.copyList);
        const QString name = copy.caption.isEmpty() ? General::fileNameOf(copy.original) : copy.caption;
        item->setText(LevelColumn, name.isEmpty() ? tr("(unknown)") : name);
        item->setCheckState(LevelColumn, Qt::Checked);
        item->setText(FileColumn,
                      copy.original.isEmpty() ? tr("(never saved)") : QDir::toNativeSeparators(copy.original));
        item->setText(TimeColumn,
                      copy.time.isValid() ? locale.toString(copy.time.toLocalTime(), QLocale::ShortFormat) : QString());
        item->setText(NoteColumn, copy.problem.isEmpty() ? fileNote(copy) : tr("Damaged: %1.").arg(copy.problem));
        for (const int column : {FileColumn, NoteColumn}) {
            item->setToolTip(column, item->text(column));
        }
    }
    ui.copyList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.copyList->setMinimumWidth(820);
    connect(ui.copyList, &QTreeWidget::itemChanged, this, &RecoveryDialog::updateButtons);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ui.restoreButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(ui.discardButton, QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    ui.restoreButton->setObjectName(QStringLiteral("cmdRestore"));
    ui.discardButton->setObjectName(QStringLiteral("cmdDiscard"));
    later->setObjectName(QStringLiteral("cmdLater"));
    ui.restoreButton->setDefault(true);
    ui.restoreButton->setFocus();
    connect(ui.restoreButton, &QPushButton::clicked, this, [this] {
        chosen = AppDialogs::RecoveryChoice::Restore;
        accept();
    });
    connect(ui.discardButton, &QPushButton::clicked, this, &RecoveryDialog::discard);
    // Escape and the window's close button keep the copies, like Later: nothing is lost by accident.
    connect(later, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ui.copyList);
    layout->addWidget(buttons);
}

QList<RecoveryCopy> RecoveryDialog::picked() const {
    QList<RecoveryCopy> ticked;
    for (int i = 0; i < found.size(); ++i) {
        if (ui.copyList->topLevelItem(i)->checkState(LevelColumn) == Qt::Checked) {
            ticked << found[i];
        }
    }
    return ticked;
}

QString RecoveryDialog::fileNote(const RecoveryCopy& copy) {
    const QString name = General::fileNameOf(copy.original);
    switch (copy.original.isEmpty() ? FileStamp::Change::None : copy.fileChange) {
        case FileStamp::Change::None:
            return {};
        case FileStamp::Change::Written:
            return tr("\"%1\" was saved after this copy was made.").arg(name);
        case FileStamp::Change::Removed:
            return tr("\"%1\" was moved or deleted after this copy was made.").arg(name);
        case FileStamp::Change::Unknown:
            break;
    }
    return tr("Whether \"%1\" was saved after this copy was made cannot be told.").arg(name);
}

void RecoveryDialog::updateButtons() {
    const bool any = !picked().isEmpty();
    ui.restoreButton->setEnabled(any);
    ui.discardButton->setEnabled(any);
}

void RecoveryDialog::discard() {
    const qsizetype count = picked().size();
    const QString question =
        count == 1 ? tr("Delete the ticked recovery copy? Its unsaved changes are lost for good.")
                   : tr("Delete the %1 ticked recovery copies? Their unsaved changes are lost for good.").arg(count);
    // Asked here, so that No comes back to the list with its ticks as they were.
    if (dialogs.ask(this, question)) {
        chosen = AppDialogs::RecoveryChoice::Discard;
        accept();
    }
}
