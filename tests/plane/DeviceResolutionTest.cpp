#include "PlaneFixture.h"

#include <QProcess>

namespace zeto::test {
namespace {

// With two device pixels to a pixel (QT_SCALE_FACTOR=2, which Qt takes only when the
// application starts: the test runs its own program again) the plane keeps its logical layout
// and is drawn on the device pixels, sharp: a line is as many device pixels wide as its pen in
// pixels at two to one, all of the pure colour.
TEST(DeviceResolution, ThePlaneIsDrawnOnDevicePixelsInTheSameLayout) {
    if (!qEnvironmentVariableIsSet("ZETO_DEVICE_RATIO_CHILD")) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", "2");
        environment.insert("ZETO_DEVICE_RATIO_CHILD", "1");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=DeviceResolution.*"});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }
    FakeShell shell;
    CoordinateWindow& coordinates = shell.coordinateWindow();
    DrawingSurface& surface = coordinates.surface();
    EXPECT_EQ(coordinates.size(), QSize(586, 567));
    EXPECT_EQ(surface.toPixel(-10, 10), QPointF(0, 0));
    EXPECT_EQ(surface.toPixel(10, -10), QPointF(585, 566));
    ASSERT_EQ(surface.image().size(), QSize(1172, 1134));
    // y = 3 lies at (10 - 3) / 20 * 1133 = 396.55 device rows down.
    for (int pen : {1, 2}) {
        coordinates.drawAxes();
        surface.setDrawWidth(pen);
        surface.setForeColor(kRed);
        coordinates.markLine(-8, 3, -2, 3);
        int rows = 0, first = -1;
        for (int y = 0; y < 500; ++y) {                        // above the x axis and its numbers
            const QRgb c = surface.image().pixel(2 * 146, y);  // x = -5
            if (c == colorFromBgr(kRed).rgb() && ++rows == 1) first = y;
            EXPECT_TRUE(c == colorFromBgr(kRed).rgb() || c == colorFromBgr(kWhite).rgb()) << y;
        }
        EXPECT_EQ(rows, 2 * pen);
        EXPECT_NEAR(first + rows / 2.0, 396.55, 1.5) << pen;
    }
}

}  // namespace
}  // namespace zeto::test
