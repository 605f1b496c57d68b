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

    std::array<QRadioButton*, 3> areaButtons{};
    QComboBox* zoomCombo;
    QCheckBox* gridCheck;
    QCheckBox* numbersCheck;
    QLabel* sizeLabel;

private:
    void updateSize();

    ExportImageOptions offered;
};
