#include "app/ExportImageDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "view/ImageExportJob.h"
#include "view/LevelRenderer.h"
#include "view/ViewTransform.h"

namespace {

struct ZoomStep {
    float zoom;
    const char* caption;
};
constexpr std::array<ZoomStep, 5> zoomSteps{{
    {1.0f / 16, QT_TRANSLATE_NOOP("ExportImageDialog", "1/16 (1 pixel a cell)")},
    {0.25f, QT_TRANSLATE_NOOP("ExportImageDialog", "1/4 (4 pixels a cell)")},
    {0.5f, QT_TRANSLATE_NOOP("ExportImageDialog", "1/2 (8 pixels a cell)")},
    {1.0f, QT_TRANSLATE_NOOP("ExportImageDialog", "1 (16 pixels a cell)")},
    {2.0f, QT_TRANSLATE_NOOP("ExportImageDialog", "2 (32 pixels a cell)")},
}};

}  // namespace

ExportImageDialog::ExportImageDialog(QWidget* parent, const ExportImageOptions& offered)
    : QDialog(parent), offered(offered) {
    setObjectName(QStringLiteral("frmExportImage"));
    setWindowTitle(tr("Export Image"));

    auto* areaBox = new QVBoxLayout;
    const std::array<QString, 3> areaCaptions{tr("&Whole level"), tr("&Selection"), tr("&Visible view")};
    for (size_t i = 0; i < ui.areaButtons.size(); ++i) {
        ui.areaButtons[i] = new QRadioButton(areaCaptions[i]);
        ui.areaButtons[i]->setEnabled(!offered.areas[i].isEmpty());
        areaBox->addWidget(ui.areaButtons[i]);
    }
    ui.areaButtons[static_cast<size_t>(offered.area)]->setChecked(true);

    ui.zoomCombo = new QComboBox;
    for (const ZoomStep& step : zoomSteps) {
        ui.zoomCombo->addItem(tr(step.caption));
        if (step.zoom == offered.zoom) {
            ui.zoomCombo->setCurrentIndex(ui.zoomCombo->count() - 1);
        }
    }
    ui.gridCheck = new QCheckBox(tr("&Grid"));
    ui.gridCheck->setChecked(offered.grid);
    ui.numbersCheck = new QCheckBox(tr("Tile &numbers"));
    ui.numbersCheck->setChecked(offered.numbers);
    ui.sizeLabel = new QLabel;

    auto* form = new QFormLayout;
    form->addRow(tr("Area:"), areaBox);
    form->addRow(tr("&Zoom:"), ui.zoomCombo);
    form->addRow(QString(), ui.gridCheck);
    form->addRow(QString(), ui.numbersCheck);
    form->addRow(tr("Size:"), ui.sizeLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Export..."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    for (QRadioButton* option : ui.areaButtons) {
        connect(option, &QRadioButton::toggled, this, &ExportImageDialog::updateSize);
    }
    connect(ui.zoomCombo, &QComboBox::currentIndexChanged, this, &ExportImageDialog::updateSize);
    updateSize();
}

ExportImageOptions ExportImageDialog::options() const {
    ExportImageOptions chosen = offered;
    for (size_t i = 0; i < ui.areaButtons.size(); ++i) {
        if (ui.areaButtons[i]->isChecked()) {
            chosen.area = static_cast<ExportImageOptions::Area>(i);
        }
    }
    chosen.zoom = zoomSteps[static_cast<size_t>(std::max(0, ui.zoomCombo->currentIndex()))].zoom;
    chosen.grid = ui.gridCheck->isChecked();
    chosen.numbers = ui.numbersCheck->isChecked();
    return chosen;
}

void ExportImageDialog::updateSize() {
    const ExportImageOptions chosen = options();
    const QSize size = LevelPicture::size(chosen.picture());
    const bool tooLarge = !ImageExportJob::refusal(size).isEmpty();
    ui.sizeLabel->setText(
        tr("%1 x %2 pixels%3").arg(size.width()).arg(size.height()).arg(tooLarge ? tr(" (too large)") : QString()));
    ui.sizeLabel->setStyleSheet(tooLarge ? QStringLiteral("color: #b00000") : QString());
    // Both are drawn only where the view draws them: no grid at one pixel a cell, numbers from 16.
    ViewTransform view;
    view.zoom = chosen.zoom;
    ui.gridCheck->setEnabled(!view.usingPixels());
    ui.numbersCheck->setEnabled(LevelRenderer::numbersShown(view));
}
