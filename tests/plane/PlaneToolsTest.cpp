#include "PlaneFixture.h"

#include "plane/PlaneTools.h"
#include "platform/LineShape.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <optional>

namespace zeto::test {
namespace {

// A shown plane with red axes and a green function colour.
class Tools : public PlaneFixture {
  public:
    Tools() : tools(*coordinates.findChild<PlaneTools*>()) {
        chooseSwatchColor("zbcolor", kRed);
        shell.tucolor = kGreen;
        coordinates.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&coordinates));
    }
    QToolButton* button(const char* name) { return coordinates.findChild<QToolButton*>(name); }
    QString readOut() { return coordinates.findChild<QLabel*>("location")->text(); }
    LineShape& band() { return *surface.findChild<LineShape*>("Linexp"); }
    QPoint at(double x, double y) const { return QPoint(grid().col(x), grid().row(y)); }
    void click(Qt::MouseButton b, QPoint p) { QTest::mouseClick(&surface, b, {}, p); }

    // The box of the pixels changed since `before`, every one of which must now be red.
    QRect redChanges(const QImage& before) {
        QRect box;
        for (int y = 0; y < image().height(); ++y)
            for (int x = 0; x < image().width(); ++x)
                if (image().pixel(x, y) != before.pixel(x, y)) {
                    box |= QRect(x, y, 1, 1);
                    EXPECT_TRUE(hasColor(image(), x, y, kRed)) << x << ", " << y;
                }
        return box;
    }

    PlaneTools& tools;
};

TEST_F(Tools, ReadOutCutsToHundredthsTowardMinusInfinityInSinglePrecision) {
    struct Row {
        double x, y;
        const char* caption;
    };
    // Worked by hand: 0.29 is 0.28999999 as a float, and times 100 rounds to exactly 29.
    const Row rows[] = {{1.237, -0.5, "(1.23,-0.5)"},  {0, 0, "(0,0)"},
                        {0.29, -0.29, "(0.29,-0.29)"}, {-0.001, 0.004, "(-0.01,0)"},
                        {-3.999, 2.5, "(-4,2.5)"},     {19.995, -19.995, "(19.99,-20)"}};
    for (const Row& r : rows) {
        tools.pointerMoved(0, r.x, r.y);
        EXPECT_EQ(readOut(), QString::fromLatin1(r.caption)) << r.x;
    }
    // Through the mouse on the 586 x 567 surface: column 293 lies at 10 * (2 * 293 / 585 - 1)
    // = 0.0171, row 200 at 10 * (1 - 2 * 200 / 566) = 2.9329.
    ASSERT_EQ(image().size(), QSize(586, 567));
    const std::pair<QPoint, const char*> pointed[] = {
        {{0, 566}, "(-10,-10)"}, {{585, 0}, "(10,10)"}, {{293, 200}, "(0.01,2.93)"}};
    for (const auto& [pixel, caption] : pointed) {
        QTest::mouseMove(&surface, pixel);
        EXPECT_EQ(readOut(), QString::fromLatin1(caption)) << pixel.x();
    }
}

TEST_F(Tools, StripButtonsHaveIconsAndOverlapNeitherEachOtherNorTheReadOut) {
    const QWidget* strip[] = {button("Command1"), button("Optext"), button("Opline"),
                              coordinates.findChild<QLabel*>("location")};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            EXPECT_FALSE(strip[i]->geometry().intersects(strip[j]->geometry())) << i << j;
    for (const char* name : {"Command1", "Optext", "Opline"})
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
}

TEST_F(Tools, RightClickMarksAPointUnlessTheTextToolIsOnAndToolsExcludeEachOther) {
    click(Qt::RightButton, at(3, 4));
    EXPECT_EQ(countColor(image(), QRect(at(3, 4) - QPoint(1, 1), QSize(2, 2)), kGreen), 4);
    button("Opline")->click();
    button("Optext")->click();
    button("Optext")->click();  // a second click keeps a tool on
    EXPECT_TRUE(button("Optext")->isChecked() && !button("Opline")->isChecked());
    EXPECT_EQ(surface.cursor().shape(), Qt::CrossCursor);
    click(Qt::RightButton, at(-3, -4));  // turns the text tool off, asks and marks nothing
    EXPECT_FALSE(button("Optext")->isChecked());
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    button("Opline")->click();
    click(Qt::RightButton, at(-3, -4));  // the line tool does not stop the point
    EXPECT_EQ(countColor(image(), kGreen), 8);
    EXPECT_EQ(tools.lineStage(), 0);
    EXPECT_TRUE(shell.scripted.inputPrompts.isEmpty());
}

TEST_F(Tools, TextToolPrintsTheAnswerInTheAxisColourWithItsCornerAtThePress) {
    const std::optional<QString> answers[] = {std::nullopt, QString(), QStringLiteral("ZETO 图像"),
                                              QString(1000, QLatin1Char('W'))};
    for (const auto& answer : answers) {
        coordinates.drawAxes();
        surface.setForeColor(kBlue);
        if (answer) shell.scripted.inputAnswers.push_back(*answer);
        const QImage before = image();
        button("Optext")->click();
        click(Qt::LeftButton, at(2, 3));
        const QFontMetrics fm(surface.font());
        const QString text = answer.value_or(QString());
        const QRect changed = redChanges(before);
        EXPECT_EQ(changed.isEmpty(), text.isEmpty()) << text.size();
        if (!text.isEmpty()) {
            EXPECT_TRUE(QRect(at(2, 3), QSize(fm.horizontalAdvance(text), fm.height()))
                            .adjusted(-1, -1, 1, 1)
                            .contains(changed));
        }
        EXPECT_EQ(surface.foreColor(), kRed);
        EXPECT_FALSE(button("Optext")->isChecked());
        EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_EQ(shell.scripted.inputPrompts, QStringList(4, "请输入你要输入的字符:"));
    EXPECT_EQ(shell.scripted.inputTitles, QStringList(4, "文字工具"));
    EXPECT_EQ(shell.minimised, 4);
}

TEST_F(Tools, LineToolDrawsOneSegmentBetweenTwoPressesAndKeepsItsFirstPoint) {
    button("Opline")->click();
    const QImage picture = image();
    click(Qt::LeftButton, at(-6, -2));
    QTest::mouseMove(&surface, at(5, 7));
    EXPECT_TRUE(band().isVisible());
    EXPECT_EQ(band().line(), QLine(at(-6, -2), at(5, 7)));
    EXPECT_EQ(band().color(), colorFromBgr(kRed));
    EXPECT_EQ(image(), picture);  // the rubber band is not part of the picture

    // A right press, a clear, the text tool and the line tool again: the first point stays.
    click(Qt::RightButton, at(8, -8));
    shell.planes().clearPlane();
    button("Optext")->click();
    button("Opline")->click();
    EXPECT_EQ(tools.lineStage(), 1);
    const QImage before = image();
    click(Qt::LeftButton, at(5, 7));
    EXPECT_FALSE(band().isVisible() || button("Opline")->isChecked() || tools.lineStage());
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(QRect(at(-6, 7), at(5, -2)).adjusted(-2, -2, 2, 2).contains(redChanges(before)));
    for (double t : {0.0, 0.3, 0.6, 1.0})
        EXPECT_TRUE(colorNear(image(), at(-6 + 11 * t, 0).x(), at(0, -2 + 9 * t).y(), kRed)) << t;

    const QImage drawn = image();
    click(Qt::LeftButton, at(0, -8));  // the tool is off now
    click(Qt::LeftButton, at(0, 8));
    EXPECT_EQ(image(), drawn);

    // Corner to corner, at the very edges of the surface (QTest reads (0, 0) as the centre).
    button("Opline")->click();
    click(Qt::LeftButton, QPoint(0, 566));
    click(Qt::LeftButton, QPoint(585, 0));
    EXPECT_TRUE(hasColor(image(), 0, 566, kRed) && hasColor(image(), 585, 0, kRed));
    EXPECT_TRUE(colorNear(image(), 292, 283, kRed));
}

// The routines draw a segment and yield; the user works with the tools meanwhile.
TEST_F(Tools, PressesAndMovesWhileAPlotRunsAddToItAndLoseNothing) {
    const auto f = [](double x) { return x * x / 10 - 5; };
    button("Opline")->click();
    QTimer::singleShot(0, &coordinates, [&] {
        click(Qt::LeftButton, at(-5, 5));
        QTest::mouseMove(&surface, at(0, 0));
        click(Qt::RightButton, at(5, -6));
        click(Qt::LeftButton, at(5, 5));
    });
    for (int k = -1000; k < 1000; ++k) {
        surface.line(k / 100.0, f(k / 100.0), (k + 1) / 100.0, f((k + 1) / 100.0), kBlue);
        shell.yieldToEvents();
    }
    for (double x : {-9.0, -4.0, 0.0, 3.0, 9.5})
        EXPECT_TRUE(colorNear(image(), at(x, 0).x(), at(0, f(x)).y(), kBlue)) << x;
    for (double x : {-5.0, 0.0, 5.0})
        EXPECT_TRUE(hasColor(image(), at(x, 5).x(), at(x, 5).y(), kRed));
    EXPECT_TRUE(hasColor(image(), at(5, -6).x(), at(5, -6).y(), kGreen));
}

// Every entry under a folder with a digest of its contents.
QStringList folderContents(const QString& folder) {
    QStringList contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "<folder>";
        contents << it.fileName() +
                        QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
    }
    contents.sort();
    return contents;
}

// Writes past `bytes` fail as on a full disk, for root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

  private:
    void (*handler_)(int);
    rlimit saved_{};
};

class Export : public Tools {
  public:
    Export() {
        coordinates.markDot(-4, 6, kGreen);
        surface.setForeColor(kBlue);
        coordinates.markLine(-8, -8, 7, 3);
    }
    void exportAs(const QString& name) {
        shell.scripted.clear();
        shell.scripted.fileAnswers.push_back(name);
        button("Command1")->click();
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder;
};

const QString kExportFilters = QStringLiteral(
    "JPG (*.jpg *.jpeg);;JPG 2× (*.jpg *.jpeg);;JPG 4× (*.jpg *.jpeg);;PNG (*.png);;PNG 2× "
    "(*.png);;PNG 4× (*.png);;BMP (*.bmp);;BMP 2× (*.bmp);;BMP 4× (*.bmp);;SVG (*.svg);;PDF "
    "(*.pdf)");

// True when every aligned `factor` x `factor` block has one colour: the picture would then be
// the plane's pixels enlarged, not the plane painted at that size.
bool blocksOnly(const QImage& image, int factor) {
    for (int y = 0; y + factor <= image.height(); y += factor)
        for (int x = 0; x + factor <= image.width(); x += factor)
            for (int k = 0; k < factor * factor; ++k)
                if (image.pixel(x + k % factor, y + k / factor) != image.pixel(x, y)) return false;
    return true;
}

TEST_F(Export, WritesTheWholePictureInTheFormatItsExtensionNames) {
    const struct {
        const char* answer;
        const char* filter;  // null: the first, as the dialog opens
        const char* written;
        const char* format;
        int factor;
    } rows[] = {{"a.png", nullptr, "a.png", "png", 1},
                {"b.BMP", nullptr, "b.BMP", "bmp", 1},
                {"c.jpg", nullptr, "c.jpg", "jpeg", 1},
                {"d.jpeg", nullptr, "d.jpeg", "jpeg", 1},
                {"e", nullptr, "e.jpg", "jpeg", 1},
                {"图像 一.png", nullptr, "图像 一.png", "png", 1},
                {"f.gif", nullptr, "f.gif", "bmp", 1},
                {"g.png", "PNG 2× (*.png)", "g.png", "png", 2},
                {"h", "BMP 4× (*.bmp)", "h.bmp", "bmp", 4},
                {"i.png", "JPG 4× (*.jpg *.jpeg)", "i.png", "png", 4}};
    QFile(path("a.png")).open(QIODevice::WriteOnly);  // an empty file is replaced
    for (const auto& r : rows) {
        SCOPED_TRACE(r.answer);
        if (r.filter) shell.scripted.filterAnswers.push_back(QString::fromUtf8(r.filter));
        exportAs(path(r.answer));
        EXPECT_EQ(shell.scripted.fileQuestions, QStringList{"导出图像|" + kExportFilters + "|jpg"});
        ASSERT_EQ(shell.scripted.messageTexts(), QStringList{"导出图像成功。"});
        EXPECT_EQ(shell.scripted.messages[0].icon, Dialogs::Icon::None);
        QImageReader reader(path(r.written));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), r.format);
        const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(read.size(), image().size() * r.factor);
        if (r.factor > 1) {
            EXPECT_FALSE(blocksOnly(read, r.factor));
            continue;
        }
        if (QByteArray(r.format) != "jpeg") {
            EXPECT_EQ(read, image());
            continue;
        }
        // JPEG: close on the whole, and the blue line still blue where it was drawn.
        long long difference = 0, blueness = 0, blue = 0;
        for (int y = 0; y < read.height(); ++y)
            for (int x = 0; x < read.width(); ++x) {
                const QRgb a = read.pixel(x, y), b = image().pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b));
                if (hasColor(image(), x, y, kBlue)) blueness += qBlue(a) - qRed(a), ++blue;
            }
        EXPECT_LT(difference / (3.0 * read.width() * read.height()), 1.5);
        EXPECT_GT(blueness / std::max(blue, 1LL), 100);
    }
    EXPECT_EQ(folderContents(folder.path()).size(), 10);  // no temporary file stays behind
}

TEST_F(Export, CancelAndFailuresLeaveTheFolderAsItWas) {
    QDir(folder.path()).mkdir("sub");
    QFile old(path("old.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("an older picture") > 0);
    old.close();
    const auto before = folderContents(folder.path());
    struct Row {
        std::optional<QString> answer;  // none: the dialog is cancelled
        bool diskFull;
    };
    const Row rows[] = {{std::nullopt, false},          {QString(), false},
                        {path("missing/x.png"), false}, {path("sub"), false},
                        {path("old.bmp"), true},        {path("new.bmp"), true},
                        {path("missing/x.svg"), false}, {path("new.svg"), true},
                        {path("missing/x.pdf"), false}, {path("new.pdf"), true}};
    for (size_t k = 0; k < std::size(rows); ++k) {
        shell.scripted.clear();
        if (rows[k].answer) shell.scripted.fileAnswers.push_back(*rows[k].answer);
        {
            std::optional<FileSizeLimit> full;
            if (rows[k].diskFull) full.emplace(4096);
            button("Command1")->click();
        }
        const bool asked = rows[k].answer && !rows[k].answer->isEmpty();
        EXPECT_EQ(shell.scripted.messageTexts(),
                  asked ? QStringList{"导出图像失败。"} : QStringList{})
            << k;
        EXPECT_EQ(shell.scripted.messages.value(0).icon,
                  asked ? Dialogs::Icon::Exclamation : Dialogs::Icon::None);
        EXPECT_EQ(folderContents(folder.path()), before) << k;
    }
    if (geteuid() == 0) return;  // permissions do not stop root
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    exportAs(path("locked.png"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(shell.scripted.messageTexts(), QStringList{"导出图像失败。"});
    EXPECT_EQ(folderContents(folder.path()), before);
}

}  // namespace
}  // namespace zeto::test
