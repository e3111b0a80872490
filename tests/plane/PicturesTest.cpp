#include "PlaneFixture.h"

#include "plane/PlaneFrame.h"
#include "plane/PlaneRenderer.h"
#include "plane/PlaneTools.h"
#include "plane/ProjectionView.h"
#include "plane/core/PlotCanvas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTransform>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>

namespace zeto::test {
namespace {

bool reddish(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The box of the pixels the test accepts.
template <typename Accept>
QRect boxOf(const QImage& image, Accept&& accept) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (accept(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

class Pictures : public PlaneFixture {
  public:
    Pictures() : tools(*coordinates.findChild<PlaneTools*>()) {}

    QToolButton* button(const char* name) { return coordinates.findChild<QToolButton*>(name); }
    void showActive(QWidget& window) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // A red segment of the pen's width, drawn with the line tool's own call.
    void redLine(double x1, double y1, double x2, double y2) {
        surface.setForeColor(kRed);
        coordinates.markLine(x1, y1, x2, y2);
    }
    void exportAs(const QString& file) {
        shell.scripted.clear();
        shell.scripted.fileAnswers.push_back(file);
        button("Command1")->click();
        EXPECT_EQ(shell.scripted.messageTexts(), QStringList{"导出图像成功。"})
            << file.toStdString();
    }

    PlaneTools& tools;
    QTemporaryDir folder;
};

// One path of the SVG: its stroke colour and its points, the subpaths' starts included.
struct SvgPath {
    QString stroke;
    std::vector<QPointF> points;
};

QTransform svgMatrix(QStringView text) {
    static const QRegularExpression number(QStringLiteral("-?[0-9.]+(e-?[0-9]+)?"));
    std::vector<double> m;
    for (const auto& match : number.globalMatch(text)) m.push_back(match.captured().toDouble());
    return m.size() == 6 ? QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) : QTransform();
}

// Every path with the stroke and transform its groups give it; the reader's error, if any.
std::vector<SvgPath> svgPaths(const QByteArray& svg, QString* error) {
    static const QRegularExpression pair(QStringLiteral("(-?[0-9.e-]+),(-?[0-9.e-]+)"));
    std::vector<SvgPath> paths;
    std::vector<std::pair<QString, QTransform>> groups{{QString(), QTransform()}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("g")) groups.pop_back();
        if (!reader.isStartElement()) continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == QLatin1String("g")) {
            const QString stroke =
                a.hasAttribute("stroke") ? a.value("stroke").toString() : groups.back().first;
            groups.emplace_back(stroke, svgMatrix(a.value("transform")) * groups.back().second);
        } else if (reader.name() == QLatin1String("path")) {
            SvgPath path{groups.back().first, {}};
            for (const auto& m : pair.globalMatch(a.value("d")))
                path.points.push_back(groups.back().second.map(
                    QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())));
            paths.push_back(path);
        }
    }
    *error = reader.hasError() ? reader.errorString() : QString();
    return paths;
}

// A segment and a curve in SVG: XML, paths and no raster image, true scale. At the axis length
// 10 a unit is 9 mm (worked by hand: A4's 210 mm less two 15 mm margins is 180 mm for 20
// units), and the plane is centred on the picture.
TEST_F(Pictures, SvgHoldsPathsAtTrueScaleAndNoImage) {
    redLine(-8, -8, 7, 3);
    {
        const std::unique_ptr<PlotRecording> plot = coordinates.beginPlot({});
        for (int k = -100; k < 100; ++k)
            plot->segment(k / 20.0, std::sin(k / 20.0), (k + 1) / 20.0, std::sin((k + 1) / 20.0),
                          kBlue);
        plot->label(-6, 6, QStringLiteral("正弦"), kBlue);
    }
    exportAs(folder.filePath("a.svg"));
    QFile file(folder.filePath("a.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QString error;
    const std::vector<SvgPath> paths = svgPaths(svg, &error);
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(svg.contains("<image"));
    EXPECT_TRUE(svg.contains(QStringLiteral(">正弦</text>").toUtf8()));

    QXmlStreamReader root(svg);
    root.readNextStartElement();
    const double widthMm = root.attributes().value("width").chopped(2).toDouble();
    const QStringList view = root.attributes().value("viewBox").toString().split(' ');
    ASSERT_EQ(view.size(), 4);
    const double side = view[2].toDouble();
    const double unit = 9 * side / widthMm;  // viewBox units per plane unit
    const auto toPlane = [&](const QPointF& p) {
        return QPointF((p.x() - side / 2) / unit, (side / 2 - p.y()) / unit);
    };

    std::vector<const SvgPath*> red, blue;
    for (const SvgPath& p : paths) {
        if (p.stroke == QLatin1String("#ff0000")) red.push_back(&p);
        if (p.stroke == QLatin1String("#0000ff")) blue.push_back(&p);
    }
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(red[0]->points.size(), 2u);
    const QPointF ends[] = {{-8, -8}, {7, 3}};
    for (int k = 0; k < 2; ++k) {
        const QPointF at = toPlane(red[0]->points[k]);
        EXPECT_NEAR(at.x(), ends[k].x(), 0.01) << k;
        EXPECT_NEAR(at.y(), ends[k].y(), 0.01) << k;
    }
    // The curve is one path through its points.
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_GT(blue[0]->points.size(), 50u);
    for (const QPointF& p : blue[0]->points) {
        const QPointF at = toPlane(p);
        EXPECT_NEAR(at.y(), std::sin(at.x()), 0.01) << at.x();
    }
}

// The scale written under the plane, and the red segment from (-5, 0) to (5, 0) as the page
// shows it (rendered at 10 pixels a millimetre; its length is its extent less its width,
// which the round caps add).
struct PageReading {
    std::optional<int> millimetres;
    double segmentMm = 0;
};

PageReading readPage(const QString& pdf, const QString& folder) {
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished();
    static const QRegularExpression scale(QStringLiteral("1 单位 = (\\d+) mm"));
    const QRegularExpressionMatch m = scale.match(QString::fromUtf8(text.readAllStandardOutput()));
    PageReading reading;
    if (m.hasMatch()) reading.millimetres = m.captured(1).toInt();
    const QString stem = folder + "/page";
    QProcess::execute("pdftoppm", {"-r", "254", "-png", "-singlefile", pdf, stem});
    const QRect red = boxOf(QImage(stem + ".png"), reddish);
    reading.segmentMm = (red.width() - red.height()) / 10.0;
    return reading;
}

TEST_F(Pictures, PdfAndPrintAreAtTrueScaleOnTheirPaper) {
    if (QProcess::execute("pdftoppm", {"-v"}) != 0) GTEST_SKIP() << "poppler-utils missing";
    const struct {
        const char* name;
        int L;
        std::optional<QPageSize::PageSizeId> paper;  // none: the PDF export's A4
        double marginMm;
        int millimetres;  // worked by hand: the paper's width less two margins, over 2L
    } rows[] = {{"export, L 10", 10, std::nullopt, 15, 9},
                {"export, L 5", 5, std::nullopt, 15, 10},  // 180 / 10 = 18: 1 cm fits
                {"print A5, L 10", 10, QPageSize::A5, 10, 6},
                {"print A4, L 20", 20, QPageSize::A4, 15, 4}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        drawPlane(r.L, true, true);
        redLine(-5, 0, 5, 0);
        const QString pdf = folder.filePath(QString::fromLatin1(r.name) + ".pdf");
        if (r.paper) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(*r.paper));
            printer.setPageMargins(QMarginsF(r.marginMm, r.marginMm, r.marginMm, r.marginMm),
                                   QPageLayout::Millimeter);
            shell.scripted.printer = &printer;
            button("Cmdprint")->click();
            shell.scripted.printer = nullptr;
        } else {
            exportAs(pdf);
        }
        const PageReading page = readPage(pdf, folder.path());
        ASSERT_EQ(page.millimetres, r.millimetres);
        EXPECT_NEAR(page.segmentMm, 10 * r.millimetres, 0.5);
    }
    EXPECT_EQ(shell.scripted.printPreviews, 2);
}

// Off, the plane has only the colours asked for; on, a diagonal's edges blend into the
// background. Either way the switch paints the record again and erases nothing.
TEST_F(Pictures, SmoothLinesBlendOnlyWhenSwitchedOn) {
    surface.setForeColor(kBlue);
    coordinates.markLine(-8, -7, 7, 6);
    // Away from the axes, their ticks and numbers: only the line and the background.
    const QRect along(QPoint(grid().col(-7.5), grid().row(-2.2)),
                      QPoint(grid().col(-2.5), grid().row(-6.6)));
    for (bool smooth : {true, false, true}) {
        control<QCheckBox>("chkaa")->setChecked(smooth);
        EXPECT_EQ(shell.settings().antialiased, smooth);
        int pure = 0, blended = 0;
        for (int y = along.top(); y <= along.bottom(); ++y)
            for (int x = along.left(); x <= along.right(); ++x) {
                const bool blue = hasColor(image(), x, y, kBlue);
                pure += blue;
                blended += !blue && !hasColor(image(), x, y, kWhite);
            }
        EXPECT_GT(pure, 100) << smooth;
        EXPECT_EQ(blended > 0, smooth) << blended;
    }
    EXPECT_EQ(coordinates.record().entries().size(), 1u);
}

// Ctrl+C puts the plane on the clipboard twice as large as PNG, and as SVG.
TEST_F(Pictures, CopyPutsPngAtTwiceTheSizeAndSvgOnTheClipboard) {
    showActive(coordinates);
    redLine(-8, -8, 7, 3);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&coordinates, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_EQ(png.size(), QSize(2 * 586, 2 * 567));
    // The red line from (-8, -8) to (7, 3): its box on the larger picture, within a pen.
    const QRect red = boxOf(png, reddish);
    EXPECT_NEAR(red.left(), 2 * 2 * 585 / 20.0, 4);
    EXPECT_NEAR(red.right(), 17 * 2 * 585 / 20.0, 4);
    QString error;
    EXPECT_FALSE(svgPaths(data->data("image/svg+xml"), &error).empty());
    EXPECT_EQ(error, QString());
}

// F11 shows the plane full screen: a circle is round, the record follows, the tools read and
// mark in plane units; Esc brings the window back with everything drawn meanwhile.
TEST_F(Pictures, ProjectionShowsTheRecordRoundAndTheToolsWorkInPlaneUnits) {
    showActive(coordinates);
    std::unique_ptr<PlotRecording> plot = coordinates.beginPlot({});
    plot->circle(0, 0, 5, kBlue);
    QTest::keyClick(&coordinates, Qt::Key_F11);
    ProjectionView* view = tools.projection();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible() && view->isFullScreen());
    EXPECT_EQ(button("Cmdfull")->window(), view);
    // The offscreen screen is 800 x 800: the plane is the square of 800 less 2 % margins, so
    // 38.4 pixels a unit about (400, 400).
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->size() == QSize(800, 800); }));
    const auto blue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; };
    const QRect circle = boxOf(view->picture(), blue);
    EXPECT_LE(std::abs(circle.width() - circle.height()), 1);
    EXPECT_NEAR(circle.center().x(), 400, 1);
    EXPECT_NEAR(circle.width(), 10 * 38.4, 5);  // plus the pen

    // A plot drawing on while the plane is projected.
    plot->segment(5, 5, 8, 5, kGreen);
    EXPECT_TRUE(hasColor(view->picture(), 400 + 6 * 38.4, 400 - 5 * 38.4, kGreen));

    // Pixel (515, 247) is (115 / 38.4, 153 / 38.4) = (2.9948, 3.9844).
    // Sent to the view itself: the offscreen screen stacks no windows, the pointer would find
    // the window beneath.
    QMouseEvent move(QEvent::MouseMove, QPointF(515, 247), view->mapToGlobal(QPointF(515, 247)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    EXPECT_EQ(coordinates.findChild<QLabel*>("location")->text(), "(2.99,3.98)");
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(515, 477));  // (2.9948, -2.0052)
    const PlaneRecord::Entry& mark = coordinates.record().entries().back();
    ASSERT_EQ(mark.pieces.size(), 1u);
    EXPECT_NEAR(mark.pieces[0].x1, 2.9948, 0.0001);
    EXPECT_NEAR(mark.pieces[0].y1, -2.0052, 0.0001);

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([view] { return QApplication::activeWindow() == view; }));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(button("Cmdfull")->window(), &coordinates);
    EXPECT_TRUE(colorNear(image(), grid().col(2.9948), grid().row(-2.0052), shell.tucolor));
    EXPECT_TRUE(colorNear(image(), grid().col(6), grid().row(5), kGreen));
}

}  // namespace
}  // namespace zeto::test

namespace zeto::test {
namespace {

// Drawn afresh for a projector, the plane is the largest square that fits the screen, and
// its numbers never run together: a roomy plane writes every one and 0 once, beside the
// origin; a small one thins them and leaves out what would touch.
TEST_F(Pictures, ProjectedNumbersFitTheirPlane) {
    const struct {
        QSize screen;
        int axisLength;
        int numbersAcross;  // written on the x axis, 0 included; -1: only checked apart
    } cases[] = {
        {{1920, 1080}, 10, 19}, {{1280, 1024}, 5, 9}, {{320, 240}, 20, -1}, {{200, 150}, 10, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height());
        const QRectF screen(QPointF(0, 0), QSizeF(c.screen));
        const PlaneFrame frame = PlaneFrame::fitted(screen, c.axisLength, 10, c.screen,
                                                    surface.toPixelTransform().m11());
        EXPECT_TRUE(screen.contains(frame.plane));
        EXPECT_NEAR(frame.plane.width(), c.screen.height() - 20, 1);
        PlaneSettings settings = shell.settings();
        settings.axisLength = c.axisLength;
        const PlaneRenderer renderer(settings, surface.font());
        QFont font = surface.font();
        font.setPointSizeF(font.pointSizeF() * frame.scale);
        const QFontMetricsF metrics(font);
        std::vector<QRectF> across;
        int zeros = 0;
        for (const Primitive& piece : renderer.axes(frame)) {
            if (piece.shape != Primitive::Shape::Text || piece.text == "X" || piece.text == "Y")
                continue;
            zeros += piece.text == "0";
            // A number of the x axis stands centred under its tick.
            const QPointF at = frame.toTarget.map(QPointF(piece.x1, piece.y1));
            const double width = metrics.horizontalAdvance(piece.text);
            const double tick = frame.toTarget.map(QPointF(piece.text.toInt(), 0)).x();
            if (piece.text == "0" || std::fabs(at.x() + width / 2 - tick) < 1)
                across.push_back(QRectF(at, QSizeF(width, 1)));
        }
        EXPECT_LE(zeros, 1);
        if (c.numbersAcross >= 0) {
            EXPECT_EQ(zeros, 1);
            EXPECT_EQ(static_cast<int>(across.size()), c.numbersAcross);
        }
        std::sort(across.begin(), across.end(),
                  [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
        for (std::size_t k = 1; k < across.size(); ++k)
            EXPECT_LT(across[k - 1].right(), across[k].left()) << k;
    }
}

}  // namespace
}  // namespace zeto::test
