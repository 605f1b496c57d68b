#include "app/RightPanel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QToolButton>
#include <algorithm>

#include "app/AppIcons.h"
#include "view/PictureBox.h"

namespace {

constexpr int TilesetTop = 29;
constexpr int TilesetWidth = 304;
constexpr int TilesetHeight = 224;
constexpr int RowTop = TilesetTop + TilesetHeight + 8;
constexpr int RadarTop = RowTop + 83;

QLabel* label(QWidget* parent, const QString& text, const QString& name, bool heading) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (heading) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QFrame* marker(QWidget* parent, const QString& name, const char* colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setStyleSheet(QStringLiteral("QFrame { border: 1px solid %1; background: transparent; }").arg(colour));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->resize(16, 16);
    return frame;
}

}  // namespace

RightPanel::RightPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picRightBar"));
    setFixedWidth(ExpandedWidth);
    setMinimumHeight(0);

    ui.togglerightpanel = new QPushButton(QStringLiteral("->"), this);
    ui.togglerightpanel->setObjectName(QStringLiteral("togglerightpanel"));
    ui.togglerightpanel->setToolTip(tr("Collapse or expand this panel"));
    ui.togglerightpanel->setFocusPolicy(Qt::NoFocus);
    connect(ui.togglerightpanel, &QPushButton::clicked, this, [this] { togglerightpanel_Click(); });

    ui.tilePreview = new PictureBox(this);
    ui.tilePreview->setObjectName(QStringLiteral("picsmalltilepreview"));
    ui.tilePreview->setFixedSize(18, 37);
    ui.tilePreview->resizeImage(QSize(18, 37));
    ui.tilePreview->setFocusPolicy(Qt::NoFocus);
    ui.tilePreview->hide();

    ui.Label4 = label(this, tr("Tileset"), QStringLiteral("Label4"), true);

    ui.tilesetArea = new QScrollArea(this);
    ui.tilesetArea->setFrameShape(QFrame::NoFrame);
    ui.tilesetArea->setBackgroundRole(QPalette::Window);
    ui.tilesetPicture = new PictureBox;
    ui.tilesetPicture->setObjectName(QStringLiteral("pictileset"));
    ui.tilesetArea->setWidget(ui.tilesetPicture);
    ui.leftsel = marker(ui.tilesetPicture, QStringLiteral("leftsel"), "#ff0000");
    ui.rightsel = marker(ui.tilesetPicture, QStringLiteral("rightsel"), "#ffff00");
    ui.rightsel->move(16, 0);
    showTileset(QImage());

    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("optLineW%1").arg(i));
        button->setIcon(AppIcons::icon(QStringLiteral("linewidth-%1").arg(i * 2 + 1)));
        button->setIconSize(QSize(24, 24));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setAutoRaise(true);
        button->setToolTip(tr("Line width %1").arg(i * 2 + 1));
        ui.lineWidthButtons[static_cast<size_t>(i)] = button;
    }
    ui.lineWidthButtons[0]->setChecked(true);

    ui.createWallsButton = new QPushButton(tr("Create Wall Tiles"), this);
    ui.createWallsButton->setObjectName(QStringLiteral("cmdCreateWalls"));
    ui.createWallsButton->setEnabled(false);

    ui.separatorLine = new QFrame(this);
    ui.separatorLine->setFrameShape(QFrame::HLine);
    ui.separatorLine->setFrameShadow(QFrame::Sunken);

    ui.Label5 = label(this, tr("Position:"), QStringLiteral("Label5"), false);
    ui.cellPositionLabel = label(this, QString(), QStringLiteral("lblposition"), false);
    ui.Label1 = label(this, tr("Radar"), QStringLiteral("Label1"), true);

    ui.radarPicture = new PictureBox(this);
    ui.radarPicture->setObjectName(QStringLiteral("picradar"));
    ui.radarPicture->setFocusPolicy(Qt::NoFocus);
    ui.radarPicture->setGeometry((ExpandedWidth - RadarSize) / 2, RadarTop, RadarSize, RadarSize);
    ui.radarPicture->resizeImage(QSize(RadarSize, RadarSize));

    placeControls();
}

void RightPanel::placeControls() {
    ui.togglerightpanel->setGeometry(2, 3, 23, 22);
    ui.tilePreview->move(4, 30);
    ui.Label4->setGeometry(32, 3, 200, 22);
    ui.tilesetArea->setGeometry((ExpandedWidth - TilesetWidth) / 2, TilesetTop, TilesetWidth, TilesetHeight);
    for (int i = 0; i < 3; ++i) {
        ui.lineWidthButtons[static_cast<size_t>(i)]->setGeometry(2 + i * 34, RowTop, 32, 28);
    }
    ui.createWallsButton->setGeometry(ExpandedWidth - 150, RowTop, 146, 28);
    ui.separatorLine->setGeometry(4, RowTop + 36, ExpandedWidth - 8, 2);
    ui.Label5->setGeometry(4, RowTop + 43, 60, 18);
    ui.cellPositionLabel->setGeometry(66, RowTop + 43, ExpandedWidth - 70, 18);
    ui.Label1->setGeometry(4, RowTop + 63, 200, 18);
}

int RightPanel::fittedRadarSize(int panelHeight, int top, int size) {
    const int room = panelHeight - top - RadarMargin;
    if (panelHeight < top + size + RadarMargin) {
        return std::max(room, 0);
    }
    // The panel is only RadarSize wide plus a margin, so the radar grows back no further than that.
    return size < RadarSize ? std::min(room, RadarSize) : size;
}

void RightPanel::layoutPanel() {
    const int size = fittedRadarSize(height(), ui.radarPicture->y(), ui.radarPicture->height());
    ui.radarPicture->setGeometry(ExpandedWidth / 2 - size / 2, ui.radarPicture->y(), size, size);
    ui.radarPicture->resizeImage(QSize(size, size));
}

bool RightPanel::expanded() const {
    return ui.togglerightpanel->text() == QLatin1String("->");
}

void RightPanel::togglerightpanel_Click() {
    const bool expand = !expanded();
    ui.togglerightpanel->setText(expand ? QStringLiteral("->") : QStringLiteral("<-"));
    setFixedWidth(expand ? ExpandedWidth : CollapsedWidth);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.tilesetPicture, ui.tilesetArea, ui.radarPicture, ui.separatorLine,
                                         ui.Label5, ui.Label4, ui.cellPositionLabel, ui.Label1, ui.createWallsButton}) {
        w->setVisible(expand);
    }
    for (QToolButton* button : ui.lineWidthButtons) {
        button->setVisible(expand);
    }
    ui.tilePreview->setVisible(!expand);
}

void RightPanel::showTileset(const QImage& picture) {
    if (picture.isNull()) {
        // No level open: an empty picker the colour of the panel, without markers.
        ui.tilesetPicture->image() = QImage(TilesetWidth, TilesetHeight, QImage::Format_RGB32);
        ui.tilesetPicture->image().fill(palette().color(QPalette::Window));
    } else {
        ui.tilesetPicture->image() = picture.convertToFormat(QImage::Format_RGB32);
    }
    ui.tilesetPicture->setFixedSize(ui.tilesetPicture->image().size());
    ui.leftsel->setVisible(!picture.isNull());
    ui.rightsel->setVisible(!picture.isNull());
    ui.tilesetPicture->refresh();
}

void RightPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutPanel();
    emit resized();
}
