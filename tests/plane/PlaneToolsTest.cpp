#include "PlaneFixture.h"

#include "plane/PlaneTools.h"
#include "platform/LineShape.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace zeto::test {
namespace {

// The plane drawn in red axes, a green function colour and a mark of each colour, shown.
class Tools : public PlaneFixture {
  public:
    Tools() : tools(*form3.findChild<PlaneTools*>()) {
        chooseSwatchColor("zbcolor", kRed);
        shell.tucolor = kGreen;
        form3.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form3));
    }

    QToolButton* button(const char* name) {
        return form3.findChild<QToolButton*>(QLatin1String(name));
    }
    QString readOut() { return form3.findChild<QLabel*>("location")->text(); }
    LineShape& band() { return *surface.findChild<LineShape*>("Linexp"); }
    QPoint at(double x, double y) const { return QPoint(grid().col(x), grid().row(y)); }
    void click(Qt::MouseButton b, QPoint p) { QTest::mouseClick(&surface, b, {}, p); }
    Qt::CursorShape cursor() const { return surface.cursor().shape(); }

    // The pixels that differ between two pictures of the same size.
    static QRect changedArea(const QImage& a, const QImage& b, int* count = nullptr) {
        QRect area;
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    area |= QRect(x, y, 1, 1);
                    ++n;
                }
        if (count) *count = n;
        return area;
    }

    PlaneTools& tools;
};

TEST_F(Tools, ReadOutCutsToHundredthsTowardMinusInfinityInSinglePrecision) {
    struct Row {
        double x, y;
        const char* caption;
    };
    // Worked by hand: 0.29 is 0.28999999 as a float, and times 100 rounds to exactly 29.
    const Row rows[] = {{1.237, -0.5, "(1.23,-0.5)"},    {0, 0, "(0,0)"},
                        {0.29, -0.29, "(0.29,-0.29)"},   {-0.001, 0.004, "(-0.01,0)"},
                        {-3.999, 2.5, "(-4,2.5)"},       {9.999, 0.1, "(9.99,0.1)"},
                        {19.995, -19.995, "(19.99,-20)"}};
    for (const Row& r : rows) {
        tools.Picture1_MouseMove(0, r.x, r.y);
        EXPECT_EQ(readOut(), QString::fromLatin1(r.caption)) << r.x << ", " << r.y;
    }
    // Through the mouse on the 586 by 567 pixel default surface: pixel 293 lies 0.017 right
    // of the centre, row 200 at y = 10 - 200 * 20 / 566 = 2.9329.
    const std::pair<QPoint, const char*> pointed[] = {{QPoint(0, 566), "(-10,-10)"},
                                                      {QPoint(585, 0), "(10,10)"},
                                                      {QPoint(293, 200), "(0.01,2.93)"}};
    ASSERT_EQ(image().size(), QSize(586, 567));
    for (const auto& [pixel, caption] : pointed) {
        QTest::mouseMove(&surface, pixel);
        EXPECT_EQ(readOut(), QString::fromLatin1(caption)) << pixel.x();
    }
}

TEST_F(Tools, StripSitsOverTheSurfaceWithoutOverlapsAndStaysOutOfThePicture) {
    const QList<QWidget*> strip = {button("Command1"), button("Optext"), button("Opline"),
                                   form3.findChild<QLabel*>("location")};
    for (int i = 0; i < strip.size(); ++i) {
        ASSERT_NE(strip[i], nullptr) << i;
        EXPECT_TRUE(surface.geometry().contains(strip[i]->geometry())) << i;
        for (int j = i + 1; j < strip.size(); ++j)
            EXPECT_FALSE(strip[i]->geometry().intersects(strip[j]->geometry())) << i << j;
    }
    EXPECT_EQ(button("Command1")->toolTip(), "导出图像");
    EXPECT_EQ(button("Optext")->toolTip(), "文字工具");
    EXPECT_EQ(button("Opline")->toolTip(), "直线工具");
    for (const char* name : {"Command1", "Optext", "Opline"})
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    EXPECT_TRUE(readOut().isEmpty());
    // What lies under the strip is the plane: nothing drawn there but the background.
    EXPECT_EQ(countColor(image(), QRect(0, 0, 60, 30), kWhite), 60 * 30);
}

TEST_F(Tools, ToolsExcludeEachOtherAndARightClickOutsideTheTextToolMarksAPoint) {
    click(Qt::RightButton, at(3, 4));           // no tool
    EXPECT_EQ(countColor(image(), kGreen), 4);  // a 2 by 2 dot: the pen is 2 pixels wide
    EXPECT_TRUE(hasColor(image(), at(3, 4).x(), at(3, 4).y(), kGreen));

    button("Opline")->click();
    button("Optext")->click();
    button("Optext")->click();  // a second click keeps a tool on
    EXPECT_TRUE(button("Optext")->isChecked());
    EXPECT_FALSE(button("Opline")->isChecked());
    EXPECT_EQ(cursor(), Qt::CrossCursor);
    click(Qt::RightButton, at(-3, -4));  // turns the text tool off, asks and marks nothing
    EXPECT_FALSE(button("Optext")->isChecked());
    EXPECT_EQ(cursor(), Qt::ArrowCursor);
    EXPECT_EQ(countColor(image(), kGreen), 4);

    button("Opline")->click();
    click(Qt::RightButton, at(-3, -4));  // the line tool does not stop the point
    EXPECT_EQ(countColor(image(), kGreen), 8);
    EXPECT_EQ(tools.lineStage(), 0);
    EXPECT_TRUE(shell.scripted.inputPrompts.isEmpty());
}

TEST_F(Tools, TextToolPrintsTheAnswerInTheAxisColourAtThePressedPoint) {
    const std::optional<QString> answers[] = {std::nullopt, QString(), QStringLiteral("ZETO 图像"),
                                              QString(1000, QLatin1Char('W'))};
    int asked = 0;
    for (const auto& answer : answers) {
        form3.XY();
        surface.setForeColor(kBlue);
        if (answer) shell.scripted.inputAnswers.push_back(*answer);
        const QImage before = image();
        button("Optext")->click();
        click(Qt::LeftButton, at(2, 3));
        ++asked;
        ASSERT_EQ(shell.scripted.inputPrompts.size(), asked);
        EXPECT_EQ(shell.scripted.inputPrompts.last(), "请输入你要输入的字符:");
        EXPECT_EQ(shell.scripted.inputTitles.last(), "文字工具");
        EXPECT_EQ(shell.minimised, asked);
        EXPECT_FALSE(button("Optext")->isChecked());
        EXPECT_EQ(cursor(), Qt::ArrowCursor);
        EXPECT_EQ(surface.foreColor(), kRed);

        const QString text = answer.value_or(QString());
        const QFontMetrics fm(surface.font());
        const QRect box(at(2, 3), QSize(fm.horizontalAdvance(text), fm.height()));
        int changed = 0;
        const QRect area = changedArea(before, image(), &changed);
        EXPECT_EQ(changed > 0, !text.isEmpty()) << text.size();
        if (changed) {
            EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(area)) << text.size();
        }
        EXPECT_EQ(countColor(image(), area, kRed) - countColor(before, area, kRed), changed);
    }
}

TEST_F(Tools, LineToolDrawsOneSegmentBetweenTwoPressesAndKeepsItsFirstPoint) {
    button("Opline")->click();
    const QImage plane = image();
    click(Qt::LeftButton, at(-6, -2));
    QTest::mouseMove(&surface, at(5, 7));
    EXPECT_EQ(tools.lineStage(), 1);
    EXPECT_TRUE(band().isVisible());
    EXPECT_EQ(band().line(), QLine(at(-6, -2), at(5, 7)));
    EXPECT_EQ(band().color(), colorFromBgr(kRed));
    EXPECT_EQ(image(), plane);  // the rubber band is not part of the picture

    // A right press, a clear, the text tool and the line tool again: the first point stays.
    click(Qt::RightButton, at(8, -8));
    shell.clearPlane();
    button("Optext")->click();
    button("Opline")->click();
    EXPECT_EQ(tools.lineStage(), 1);
    const QImage before = image();
    click(Qt::LeftButton, at(5, 7));
    EXPECT_FALSE(band().isVisible());
    EXPECT_FALSE(button("Opline")->isChecked());
    EXPECT_EQ(cursor(), Qt::ArrowCursor);
    EXPECT_EQ(tools.lineStage(), 0);
    int changed = 0;
    const QRect area = changedArea(before, image(), &changed);
    EXPECT_TRUE(QRect(at(-6, 7), at(5, -2)).adjusted(-2, -2, 2, 2).contains(area));
    EXPECT_EQ(countColor(image(), area, kRed) - countColor(before, area, kRed), changed);
    for (double t : {0.0, 0.3, 0.6, 1.0}) {
        const QPoint p = at(-6 + 11 * t, -2 + 9 * t);
        EXPECT_TRUE(colorNear(image(), p.x(), p.y(), kRed)) << t;
    }

    const QImage drawn = image();
    click(Qt::LeftButton, at(0, -8));  // the tool is off now
    click(Qt::LeftButton, at(0, 8));
    EXPECT_EQ(image(), drawn);

    // Corner to corner, at the very edges of the surface (QTest reads (0, 0) as the centre).
    button("Opline")->click();
    click(Qt::LeftButton, QPoint(0, 566));
    click(Qt::LeftButton, QPoint(585, 0));
    EXPECT_TRUE(hasColor(image(), 0, 566, kRed));
    EXPECT_TRUE(hasColor(image(), 585, 0, kRed));
    EXPECT_TRUE(colorNear(image(), 292, 283, kRed));
}

// Every entry under a folder with the digest of its contents, to see that a folder stayed
// exactly as it was.
std::vector<std::string> folderContents(const QString& folder) {
    std::vector<std::string> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "<folder>";
        contents.push_back(
            QDir(folder).relativeFilePath(it.filePath()).toStdString() + ' ' +
            QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toStdString());
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

// Writes past `bytes` fail as on a full disk, for root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

  private:
    rlimit saved_{};
    void (*handler_)(int) = nullptr;
};

class Export : public Tools {
  public:
    Export() {
        form3.DrawDot(-4, 6, kGreen);
        surface.line(-8, -8, 7, 3, kBlue);
        shell.scripted.clear();
    }
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(Export, WritesTheWholePictureInTheFormatItsExtensionNames) {
    struct Row {
        const char* answer;
        const char* written;
        const char* format;
    };
    const Row rows[] = {{"a.png", "a.png", "png"},  {"b.BMP", "b.BMP", "bmp"},
                        {"c.jpg", "c.jpg", "jpeg"}, {"d.jpeg", "d.jpeg", "jpeg"},
                        {"e", "e.jpg", "jpeg"},     {"图像 一.png", "图像 一.png", "png"},
                        {"f.gif", "f.gif", "bmp"}};
    QFile(path("a.png")).open(QIODevice::WriteOnly);  // an empty file is replaced
    for (const Row& r : rows) {
        shell.scripted.clear();
        shell.scripted.fileAnswers.push_back(path(QString::fromUtf8(r.answer)));
        button("Command1")->click();
        EXPECT_EQ(shell.scripted.fileQuestions,
                  QStringList{"导出图像|JPG (*.jpg *.jpeg);;PNG (*.png);;BMP (*.bmp)|jpg"});
        ASSERT_EQ(shell.scripted.messages.size(), 1) << r.answer;
        EXPECT_EQ(shell.scripted.messages[0].text, "导出图像成功。");
        EXPECT_EQ(shell.scripted.messages[0].icon, Dialogs::Icon::None);

        QImageReader reader(path(QString::fromUtf8(r.written)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(r.format)) << r.answer;
        const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(read.size(), image().size()) << r.answer;
        if (QByteArray(r.format) != "jpeg") {
            EXPECT_EQ(read, image()) << r.answer;
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
        EXPECT_LT(difference / (3.0 * read.width() * read.height()), 1.5) << r.answer;
        EXPECT_GT(blueness / std::max(blue, 1LL), 100) << r.answer;
    }
    EXPECT_EQ(folderContents(folder.path()).size(), 7u);  // no temporary file stays behind
}

TEST_F(Export, CancelAndFailuresLeaveTheFolderAsItWas) {
    QDir(folder.path()).mkdir("sub");
    QFile old(path("old.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older picture");
    old.close();
    struct Row {
        std::optional<QString> answer;  // none: the dialog is cancelled
        bool diskFull;
        bool failure;
    };
    const Row rows[] = {{std::nullopt, false, false},         {QString(""), false, false},
                        {path("missing/x.png"), false, true}, {path("sub"), false, true},
                        {path("old.bmp"), true, true},        {path("new.bmp"), true, true}};
    const auto before = folderContents(folder.path());
    for (size_t k = 0; k < std::size(rows); ++k) {
        const Row& r = rows[k];
        shell.scripted.clear();
        if (r.answer) shell.scripted.fileAnswers.push_back(*r.answer);
        {
            std::optional<FileSizeLimit> full;
            if (r.diskFull) full.emplace(4096);
            button("Command1")->click();
        }
        const QStringList expected = r.failure ? QStringList{"导出图像失败。"} : QStringList{};
        EXPECT_EQ(shell.scripted.messageTexts(), expected) << k;
        if (r.failure && !shell.scripted.messages.isEmpty()) {
            EXPECT_EQ(shell.scripted.messages[0].icon, Dialogs::Icon::Exclamation);
        }
        EXPECT_EQ(folderContents(folder.path()), before) << k;
    }
    // Permissions only stop a user that is not root.
    if (geteuid() != 0) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        shell.scripted.clear();
        shell.scripted.fileAnswers.push_back(path("locked.png"));
        button("Command1")->click();
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(shell.scripted.messageTexts(), QStringList{"导出图像失败。"});
        EXPECT_EQ(folderContents(folder.path()), before);
    }
}

}  // namespace
}  // namespace zeto::test
