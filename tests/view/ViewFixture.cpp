#include "ViewFixture.h"

#include <QTest>

#include "history/Changes.h"

ViewFixture::ViewFixture() {
    zoomTool.setParent(&view);
    level.setObserver(this);
    radarBox.resizeImage(QSize(288, 288));
}

ViewFixture::~ViewFixture() {
    level.setObserver(nullptr);
}

void ViewFixture::showCentred() {
    view.resize(673 + 17, 505 + 17);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.centreView();
    view.UpdateLevel();
}

void ViewFixture::zoomTo(float zoom) {
    for (int i = 0; i < 8 && zoomTool.Zoom() != zoom; ++i) {
        if (zoomTool.Zoom() < zoom) {
            zoomTool.ZoomIn(512, 512);
        } else {
            zoomTool.ZoomOut(512, 512);
        }
    }
    ASSERT_EQ(zoomTool.Zoom(), zoom);
}

void ViewFixture::write(int16_t x, int16_t y, int16_t value, bool refresh) {
    Changes batch;
    level.setTile(x, y, value, batch, true);
    level.UpdateLevelTile(x, y, refresh);
}
