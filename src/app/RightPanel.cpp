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

    togglerightpanel = new QPushButton(QStringLiteral("->"), this);
    togglerightpanel->setObjectName(QStringLiteral("togglerightpanel"));
    togglerightpanel->setToolTip(tr("Collapse or expand this panel"));
    togglerightpanel->setFocusPolicy(Qt::NoFocus);
    connect(togglerightpanel, &QPushButton::clicked, this, [this] { togglerightpanel_Click(); });

    tilePreview = new PictureBox(this);
    tilePreview->setObjectName(QStringLiteral("picsmalltilepreview"));
    tilePreview->setFixedSize(18, 37);
    tilePreview->resizeImage(QSize(18, 37));
    tilePreview->setFocusPolicy(Qt::NoFocus);
    tilePreview->hide();

    Label4 = label(this, tr("Tileset"), QStringLiteral("Label4"), true);

    tilesetArea = new QScrollArea(this);
    tilesetArea->setFrameShape(QFrame::NoFrame);
    tilesetArea->setBackgroundRole(QPalette::Window);
    tilesetPicture = new PictureBox;
    tilesetPicture->setObjectName(QStringLiteral("pictileset"));
    tilesetArea->setWidget(tilesetPicture);
    leftsel = marker(tilesetPicture, QStringLiteral("leftsel"), "#ff0000");
    rightsel = marker(tilesetPicture, QStringLiteral("rightsel"), "#ffff00");
    rightsel->move(16, 0);
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
        lineWidthButtons[static_cast<size_t>(i)] = button;
    }
    lineWidthButtons[0]->setChecked(true);

    createWallsButton = new QPushButton(tr("Create Wall Tiles"), this);
    createWallsButton->setObjectName(QStringLiteral("cmdCreateWalls"));
    createWallsButton->setEnabled(false);

    separatorLine = new QFrame(this);
    separatorLine->setFrameShape(QFrame::HLine);
    separatorLine->setFrameShadow(QFrame::Sunken);

    Label5 = label(this, tr("Position:"), QStringLiteral("Label5"), false);
    cellPositionLabel = label(this, QString(), QStringLiteral("lblposition"), false);
    Label1 = label(this, tr("Radar"), QStringLiteral("Label1"), true);

    radarPicture = new PictureBox(this);
    radarPicture->setObjectName(QStringLiteral("picradar"));
    radarPicture->setFocusPolicy(Qt::NoFocus);
    radarPicture->setGeometry((ExpandedWidth - RadarSize) / 2, RadarTop, RadarSize, RadarSize);
    radarPicture->resizeImage(QSize(RadarSize, RadarSize));

    placeControls();
}

void RightPanel::placeControls() {
    togglerightpanel->setGeometry(2, 3, 23, 22);
    tilePreview->move(4, 30);
    Label4->setGeometry(32, 3, 200, 22);
    tilesetArea->setGeometry((ExpandedWidth - TilesetWidth) / 2, TilesetTop, TilesetWidth, TilesetHeight);
    for (int i = 0; i < 3; ++i) {
        lineWidthButtons[static_cast<size_t>(i)]->setGeometry(2 + i * 34, RowTop, 32, 28);
    }
    createWallsButton->setGeometry(ExpandedWidth - 150, RowTop, 146, 28);
    separatorLine->setGeometry(4, RowTop + 36, ExpandedWidth - 8, 2);
    Label5->setGeometry(4, RowTop + 43, 60, 18);
    cellPositionLabel->setGeometry(66, RowTop + 43, ExpandedWidth - 70, 18);
    Label1->setGeometry(4, RowTop + 63, 200, 18);
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
    const int size = fittedRadarSize(height(), radarPicture->y(), radarPicture->height());
    radarPicture->setGeometry(ExpandedWidth / 2 - size / 2, radarPicture->y(), size, size);
    radarPicture->resizeImage(QSize(size, size));
}

bool RightPanel::expanded() const {
    return togglerightpanel->text() == QLatin1String("->");
}

void RightPanel::togglerightpanel_Click() {
    const bool expand = !expanded();
    togglerightpanel->setText(expand ? QStringLiteral("->") : QStringLiteral("<-"));
    setFixedWidth(expand ? ExpandedWidth : CollapsedWidth);
    for (QWidget* w : std::initializer_list<QWidget*>{tilesetPicture, tilesetArea, radarPicture, separatorLine, Label5,
                                                      Label4, cellPositionLabel, Label1, createWallsButton}) {
        w->setVisible(expand);
    }
    for (QToolButton* button : lineWidthButtons) {
        button->setVisible(expand);
    }
    tilePreview->setVisible(!expand);
}

void RightPanel::showTileset(const QImage& picture) {
    if (picture.isNull()) {
        // No level open: an empty picker the colour of the panel, without markers.
        tilesetPicture->image() = QImage(TilesetWidth, TilesetHeight, QImage::Format_RGB32);
        tilesetPicture->image().fill(palette().color(QPalette::Window));
    } else {
        tilesetPicture->image() = picture.convertToFormat(QImage::Format_RGB32);
    }
    tilesetPicture->setFixedSize(tilesetPicture->image().size());
    leftsel->setVisible(!picture.isNull());
    rightsel->setVisible(!picture.isNull());
    tilesetPicture->refresh();
}

void RightPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutPanel();
    emit resized();
}
