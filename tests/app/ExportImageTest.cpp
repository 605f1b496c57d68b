#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>

#include "MapFixture.h"
#include "TestFiles.h"
#include "app/ExportImageCommand.h"
#include "app/ExportImageDialog.h"
#include "model/LevelFile.h"
#include "view/ImageExportJob.h"

namespace {

class ExportImageTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        putPattern(40, 40);
        // The selection below widens to take in the first and third; the second lies across rows drawn
        // apart, the third partly above the visible view.
        putObject(12, 3, 219);
        putObject(50, 125, 219);
        putObject(30, 17, 219);
        putObject(1019, 1019, 220);
        map->redrawView();
    }

    // Triggers File > Export Image with the options `choose` sets, and reads the picture written.
    QImage exportImage(const std::function<void(ExportImageOptions&)>& choose) {
        dialogs->exportChoice = choose;
        dialogs->chosen.push_back(out);
        general->mainMenu()->exportImageAction()->trigger();
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

    QImage render(const QStringList& options) {
        EXPECT_TRUE(LevelFile::saveLevel(map->level(), level).isEmpty());
        const TestFiles::ToolRun run = TestFiles::quarnLvl(QStringList{"render", level, rendered} + options);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return QImage(rendered).convertToFormat(QImage::Format_RGB32);
    }

    QString level = dir.filePath("level.lvl");
    QString out = dir.filePath("export.png");
    QString rendered = dir.filePath("rendered.png");
};

TEST_F(ExportImageTest, ExportEqualsQuarnLvlRenderOfTheSameCells) {
    // The whole level at 1/4 is large enough to be drawn on a worker behind the progress dialog.
    const std::pair<ExportImageOptions, QStringList> cases[] = {
        {{{}, ExportImageOptions::Selection, 1.0f, true, true}, {"--zoom", "1", "--grid", "--numbers"}},
        {{{}, ExportImageOptions::WholeLevel, 0.25f, true, false}, {"--zoom", "1/4", "--grid"}},
    };
    select(5, 6, 34, 25);
    for (const auto& [chosen, options] : cases) {
        const ExportImageOptions c = chosen;
        const QImage exported = exportImage([&c](ExportImageOptions& o) {
            const std::array<QRect, 3> offered = o.areas;
            o = c;
            o.areas = offered;
        });
        EXPECT_EQ(dialogs->offeredExport.area, ExportImageOptions::Selection);
        // Widened to take in the special tiles across its edges.
        EXPECT_EQ(dialogs->offeredExport.areas[ExportImageOptions::Selection], QRect(5, 3, 31, 23));
        EXPECT_EQ(dialogs->messages, QStringList());
        ASSERT_FALSE(exported.isNull()) << c.zoom;
        const QRect cells = dialogs->offeredExport.areas[c.area];
        const QString region =
            QStringLiteral("%1,%2,%3,%4").arg(cells.x()).arg(cells.y()).arg(cells.width()).arg(cells.height());
        EXPECT_EQ(exported, render(options + QStringList{"--region", region})) << c.zoom;
    }
}

TEST_F(ExportImageTest, DialogStartsFromTheMapsSwitchesAndShowsThePicturesSize) {
    map->setShowGrid(true);
    ExportImageDialog dialog(general.get(), ExportImageCommand::offered(*map));
    EXPECT_TRUE(dialog.areaButtons()[ExportImageOptions::WholeLevel]->isChecked());
    EXPECT_FALSE(dialog.areaButtons()[ExportImageOptions::Selection]->isEnabled());
    EXPECT_TRUE(dialog.gridCheck()->isChecked());
    EXPECT_FALSE(dialog.numbersCheck()->isChecked());
    EXPECT_EQ(dialog.sizeLabel()->text(), "16384 x 16384 pixels");
    dialog.zoomCombo()->setCurrentIndex(4);
    EXPECT_EQ(dialog.sizeLabel()->text(), "32768 x 32768 pixels (too large)");
    dialog.areaButtons()[ExportImageOptions::VisibleView]->setChecked(true);
    EXPECT_EQ(dialog.sizeLabel()->text(), "1376 x 1024 pixels");
    dialog.zoomCombo()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.numbersCheck()->isEnabled());  // no numbers below 16 pixels a cell
    const ExportImageOptions chosen = dialog.options();
    EXPECT_EQ(chosen.area, ExportImageOptions::VisibleView);
    EXPECT_EQ(chosen.zoom, 0.25f);
    EXPECT_TRUE(chosen.grid);
}

TEST_F(ExportImageTest, VisibleViewAtTheMapsZoomIsWhatTheViewShows) {
    scrollTo(16 * 10, 16 * 20);
    const QImage exported = exportImage([](ExportImageOptions& o) { o.area = ExportImageOptions::VisibleView; });
    const QImage& shown = map->view()->levelImage();
    // The last column and row are partly visible and exported whole.
    EXPECT_EQ(exported.size(), QSize(43 * 16, 32 * 16));
    EXPECT_EQ(exported.copy(shown.rect()), shown);
}

TEST_F(ExportImageTest, PictureTooLargeIsRefusedNamingItsSizeBeforeAFileIsChosen) {
    exportImage([](ExportImageOptions& o) { o.zoom = 2.0f; });
    EXPECT_EQ(dialogs->messages,
              QStringList{"The image would be 32768 x 32768 pixels; the largest that can be exported is 32767 "
                          "pixels on a side and 1 GiB of pixels."});
    EXPECT_FALSE(QFile::exists(out));

    const std::pair<QSize, bool> sizes[] = {
        {{16384, 16384}, true}, {{32767, 8192}, true}, {{16385, 16384}, false},
        {{32768, 1}, false},    {{1, 32768}, false},   {{20000, 20000}, false},
    };
    for (const auto& [size, allowed] : sizes) {
        EXPECT_EQ(ImageExportJob::refusal(size).isEmpty(), allowed) << size.width() << " x " << size.height();
    }
}

TEST_F(ExportImageTest, CancelledOrFailedExportLeavesTheFileAsItWas) {
    TestFiles::write(out, "the picture before");
    const LevelPicture::Options whole{{0, 0, Level::Size, Level::Size}, 0.25f, false, false};
    // Drawing is the first quarter of the work, looking at the colours the second, compressing the last half.
    for (const int cancelAt : {1, 400, 800}) {
        ImageExportJob job(map->level(), whole, out);
        job.onProgress = [&job, cancelAt](int permille) {
            if (permille >= cancelAt) {
                job.cancel();
            }
        };
        EXPECT_EQ(job.run(), QString()) << cancelAt;
        EXPECT_LT(job.permille(), 1000) << cancelAt;
        EXPECT_EQ(TestFiles::read(out), "the picture before") << cancelAt;
        EXPECT_EQ(QDir(dir.path()).entryList({"export*"}, QDir::Files), QStringList{"export.png"}) << cancelAt;
    }

    out = dir.filePath("missing/export.png");
    exportImage([](ExportImageOptions& o) { o.area = ExportImageOptions::VisibleView; });
    const QString said = QStringLiteral("The image could not be written to %1:\n").arg(QDir::toNativeSeparators(out));
    ASSERT_EQ(dialogs->messages.size(), 1);
    ASSERT_TRUE(dialogs->messages[0].startsWith(said)) << dialogs->messages[0].toStdString();
    EXPECT_FALSE(dialogs->messages[0].mid(said.size()).trimmed().isEmpty()) << "the reason";
}

}  // namespace
