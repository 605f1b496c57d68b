#include "app/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/RecoveryCopy.h"

RecoveryDialog::RecoveryDialog(const QList<RecoveryCopy>& copies, QWidget* parent)
    : QDialog(parent), lstCopies(new QTreeWidget) {
    setObjectName(QStringLiteral("frmRecovery"));
    setWindowTitle(QStringLiteral("Recover Unsaved Levels"));
    auto* text = new QLabel(
        QStringLiteral("Quarn did not end properly. Recovery copies of levels with unsaved changes were found.\n"
                       "Restore opens them with their changes; Save then writes each to its own file."));
    text->setWordWrap(true);

    lstCopies->setObjectName(QStringLiteral("lstCopies"));
    lstCopies->setRootIsDecorated(false);
    lstCopies->setSelectionMode(QAbstractItemView::NoSelection);
    lstCopies->setFocusPolicy(Qt::NoFocus);
    lstCopies->setHeaderLabels(
        {QStringLiteral("Level"), QStringLiteral("Original file"), QStringLiteral("Copy taken")});
    const QLocale locale;
    for (const RecoveryCopy& copy : copies) {
        auto* item = new QTreeWidgetItem(lstCopies);
        item->setText(0, copy.caption.isEmpty() ? QStringLiteral("(unknown)") : copy.caption);
        item->setText(1, !copy.problem.isEmpty()   ? QStringLiteral("(damaged: %1)").arg(copy.problem)
                         : copy.original.isEmpty() ? QStringLiteral("(never saved)")
                                                   : QDir::toNativeSeparators(copy.original));
        item->setText(2,
                      copy.time.isValid() ? locale.toString(copy.time.toLocalTime(), QLocale::ShortFormat) : QString());
        item->setToolTip(1, item->text(1));
    }
    lstCopies->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstCopies->setMinimumWidth(560);

    auto* buttons = new QDialogButtonBox;
    QPushButton* restore = buttons->addButton(QStringLiteral("Restore"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(QStringLiteral("Later"), QDialogButtonBox::RejectRole);
    restore->setObjectName(QStringLiteral("cmdRestore"));
    discard->setObjectName(QStringLiteral("cmdDiscard"));
    later->setObjectName(QStringLiteral("cmdLater"));
    restore->setDefault(true);
    restore->setFocus();
    const auto answer = [this](AppDialogs::RecoveryChoice c) {
        chosen = c;
        accept();
    };
    connect(restore, &QPushButton::clicked, this, [answer] { answer(AppDialogs::RecoveryChoice::Restore); });
    connect(discard, &QPushButton::clicked, this, [answer] { answer(AppDialogs::RecoveryChoice::Discard); });
    // Escape and the window's close button keep the copies, like Later: nothing is lost by accident.
    connect(later, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(lstCopies);
    layout->addWidget(buttons);
}
