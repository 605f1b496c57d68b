#pragma once

#include <QDialog>
#include <array>

#include "app/ExportImageOptions.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// The options of File > Export Image: the area, the zoom step, grid and cell numbers, with the size
// of the picture they give.
class ExportImageDialog : public QDialog {
    Q_OBJECT
public:
    ExportImageDialog(QWidget* parent, const ExportImageOptions& offered);

    // The options as the dialog shows them.
    ExportImageOptions options() const;

    const std::array<QRadioButton*, 3>& areaButtons() const { return ui.areaButtons; }
    QComboBox* zoomCombo() const { return ui.zoomCombo; }
    QCheckBox* gridCheck() const { return ui.gridCheck; }
    QCheckBox* numbersCheck() const { return ui.numbersCheck; }
    QLabel* sizeLabel() const { return ui.sizeLabel; }

private:
    void updateSize();

    ExportImageOptions offered;

    // The parts built in the constructor.
    struct Ui {
        std::array<QRadioButton*, 3> areaButtons{};
        QComboBox* zoomCombo;
        QCheckBox* gridCheck;
        QCheckBox* numbersCheck;
        QLabel* sizeLabel;
    } ui;
};
