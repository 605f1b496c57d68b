#include "walls/WallSetsDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>

#include "walls/RandomSetsPage.h"
#include "walls/SetTilePicker.h"
#include "walls/WallSetsPage.h"

WallSetsDialog::WallSetsDialog(QWidget* owner, Dialogs& dialogs)
    : QDialog(owner),
      pages(new QTabWidget(this)),
      walls(new WallSetsPage(dialogs, pages)),
      randoms(new RandomSetsPage(dialogs, pages)),
      picker(new SetTilePicker(this)) {
    setObjectName(QStringLiteral("frmCreateWallTile"));
    setWindowTitle(tr("Create Walltiles"));
    pages->addTab(walls, tr("Wall Sets"));
    pages->addTab(randoms, tr("Random Sets"));
    picker->setToolTip(
        tr("Wall sets: drag a 4 x 4 block to fill the set, or click a tile for the chosen entry.\n"
           "Random sets: click tiles to add them."));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(pages);
    columns->addWidget(picker);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(walls, &WallSetsPage::changed, this, &WallSetsDialog::setsChanged);
    connect(randoms, &RandomSetsPage::changed, this, &WallSetsDialog::setsChanged);
    connect(picker, &SetTilePicker::tilesPicked, this, [this](QRect cells) {
        if (pages->currentWidget() == walls) {
            walls->tilesPicked(cells);
        } else {
            randoms->tilesPicked(cells);
        }
    });
}

void WallSetsDialog::init(QWidget* mapWindow, LevelSets* sets, const QImage& tileset) {
    if (map) {
        disconnect(map, nullptr, this, nullptr);
    }
    map = mapWindow;
    if (!map) {
        unbind();
        return;
    }
    connect(map, &QObject::destroyed, this, [this] {
        unbind();
        close();
    });
    picker->setTileset(tileset);
    walls->bind(sets, tileset);
    randoms->bind(sets, tileset);
}

void WallSetsDialog::unbind() {
    walls->bind(nullptr, {});
    randoms->bind(nullptr, {});
}
