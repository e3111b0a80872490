#include "PlaneFixture.h"

#include "platform/core/NumberText.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QUrl>

#include <functional>

namespace zeto::test {
namespace {

constexpr BgrColor kGreen = 0x00FF00;

using SettingsWindow = PlaneFixture;

TEST_F(SettingsWindow, ControlsStartWithTheirDesignedValues) {
    EXPECT_EQ(form4.windowTitle(), QStringLiteral("系统设置"));
    EXPECT_EQ(form4.size(), QSize(369, 326));
    auto* tabs = form4.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("坐标设置"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("数列"));
    EXPECT_EQ(tabs->currentIndex(), 0);

    EXPECT_FALSE(control<QRadioButton>("Opmdf")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Oplxf")->isChecked());
    EXPECT_EQ(control<QRadioButton>("Opmdf")->toolTip(), QStringLiteral("不显示画图过程,速度慢"));
    EXPECT_EQ(control<QRadioButton>("Oplxf")->toolTip(), QStringLiteral("显示画图过程,速度快"));
    EXPECT_TRUE(form4.lineMethod());
    EXPECT_EQ(control<QComboBox>("bold")->currentText(), QStringLiteral("粗"));
    QStringList dpiItems;
    for (int i = 0; i < control<QComboBox>("dpi")->count(); ++i)
        dpiItems << control<QComboBox>("dpi")->itemText(i);
    EXPECT_EQ(dpiItems, QStringList({"狂低(狂快)", "很低(较快)", "低(快)", "正常", "高(慢)",
                                     "很高(较慢)", "狂高(狂慢)"}));
    EXPECT_EQ(control<QComboBox>("dpi")->currentText(), QStringLiteral("正常"));
    EXPECT_FALSE(control<QCheckBox>("opnet")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("kd")->isChecked());
    EXPECT_EQ(control<ColorSwatch>("wgcolor")->color(), 0xFFE1DFu);
    EXPECT_EQ(control<ColorSwatch>("zbcolor")->color(), 0x000000u);
    EXPECT_EQ(control<ColorSwatch>("bgcolor")->color(), 0xFFFFFFu);
    EXPECT_EQ(control<QLineEdit>("txtsl")->text(), QStringLiteral("10"));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(control<QLineEdit>("SLYLN")->text(), QStringLiteral("100"));
    EXPECT_EQ(form4.previewCountText(), QStringLiteral("100"));
    EXPECT_EQ(control<QLabel>("Label3")->text(),
              QStringLiteral("注意：这些设置将清空坐标上的图像"));
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("确定"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("帮助"));
}

void choose(QComboBox* box, const QString& item) {
    box->setCurrentIndex(box->findText(item));
    emit box->activated(box->currentIndex());
}

struct SettingChange {
    const char* name;
    bool erasesGraphs;
    std::function<void(PlaneFixture&)> change;
};

class SettingChanges : public PlaneFixture, public ::testing::WithParamInterface<SettingChange> {
  public:
    void run(const std::function<void(PlaneFixture&)>& f) { f(*this); }
};

TEST_P(SettingChanges, OnlyPlaneSettingsEraseTheGraphs) {
    const SettingChange c = GetParam();
    form3.DrawDot(3.3, 4.4, kGreen);
    ASSERT_GT(countColor(image(), kGreen), 0);
    run(c.change);
    EXPECT_EQ(countColor(image(), kGreen) == 0, c.erasesGraphs) << c.name;
    EXPECT_TRUE(shell.scripted.messages.isEmpty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, SettingChanges,
    ::testing::Values(
        SettingChange{"thin", false,
                      [](PlaneFixture& f) { choose(f.control<QComboBox>("bold"), "细"); }},
        SettingChange{"fineness", false,
                      [](PlaneFixture& f) { choose(f.control<QComboBox>("dpi"), "高(慢)"); }},
        SettingChange{"method", false,
                      [](PlaneFixture& f) { f.control<QRadioButton>("Opmdf")->click(); }},
        SettingChange{"grid", true,
                      [](PlaneFixture& f) { f.control<QCheckBox>("opnet")->click(); }},
        SettingChange{"labels", true, [](PlaneFixture& f) { f.control<QCheckBox>("kd")->click(); }},
        SettingChange{"grid colour", true,
                      [](PlaneFixture& f) { f.chooseSwatchColor("wgcolor", 0x808080); }},
        SettingChange{"axis colour", true,
                      [](PlaneFixture& f) { f.chooseSwatchColor("zbcolor", 0x808080); }},
        SettingChange{"background", true,
                      [](PlaneFixture& f) { f.chooseSwatchColor("bgcolor", 0xF0F0F0); }},
        SettingChange{"axis length", true, [](PlaneFixture& f) { f.leaveField("txtsl", "15"); }},
        SettingChange{"small", true,
                      [](PlaneFixture& f) { f.control<QRadioButton>("Option1")->click(); }},
        SettingChange{"medium again", true,
                      [](PlaneFixture& f) { f.control<QRadioButton>("Option2")->click(); }},
        SettingChange{"preview terms", false,
                      [](PlaneFixture& f) { f.leaveField("SLYLN", "50"); }}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

TEST_F(SettingsWindow, ThinPenTakesEffectForTheNextDrawingOnly) {
    const QImage before = image();
    choose(control<QComboBox>("bold"), "细");
    EXPECT_EQ(shell.state.bl, 1);
    EXPECT_EQ(surface.drawWidth(), 1);
    EXPECT_EQ(image(), before);
    form4.selectBold("粗");
    EXPECT_EQ(shell.state.bl, 2);
    EXPECT_EQ(surface.drawWidth(), 2);
    form4.selectBold("中等");
    EXPECT_EQ(shell.state.bl, 2);
    EXPECT_EQ(control<QComboBox>("bold")->currentText(), QStringLiteral("粗"));
}

TEST_F(SettingsWindow, CancelledColourDialogChangesNothing) {
    form3.DrawDot(3.3, 4.4, kGreen);
    for (const char* name : {"wgcolor", "zbcolor", "bgcolor"}) {
        auto* swatch = control<ColorSwatch>(name);
        const BgrColor before = swatch->color();
        shell.scripted.colorDialogInitials.clear();
        QTest::mouseClick(swatch, Qt::LeftButton);  // no answer scripted: cancelled
        ASSERT_EQ(shell.scripted.colorDialogInitials.size(), 1) << name;
        EXPECT_EQ(bgrFromColor(shell.scripted.colorDialogInitials.front()), before) << name;
        EXPECT_EQ(swatch->color(), before) << name;
        EXPECT_GT(countColor(image(), kGreen), 0) << name;
    }
    EXPECT_EQ(surface.backColor(), 0xFFFFFFu);
}

struct AxisLengthCase {
    const char* text;
    bool accepted;
    int sl;
};

class AxisLength : public PlaneFixture, public ::testing::WithParamInterface<AxisLengthCase> {};

TEST_P(AxisLength, ValidatesOnLeavingTheBox) {
    const AxisLengthCase c = GetParam();
    form3.DrawDot(3.3, 4.4, kGreen);
    leaveField("txtsl", QString::fromUtf8(c.text));
    EXPECT_EQ(shell.state.sl, c.sl) << c.text;
    EXPECT_EQ(control<QLineEdit>("txtsl")->text(), QString::fromUtf8(c.text));
    if (c.accepted) {
        EXPECT_TRUE(shell.scripted.messages.isEmpty()) << c.text;
        EXPECT_EQ(countColor(image(), kGreen), 0) << c.text;
        // The plane now spans -sl..sl: the arrowhead tip sits on the right edge.
        const PlaneGrid g = grid();
        EXPECT_TRUE(colorNear(image(), g.col(c.sl - 0.25), g.row(0.25), 0));
    } else {
        ASSERT_EQ(shell.scripted.messages.size(), 1) << c.text;
        EXPECT_EQ(shell.scripted.messages.front().text, QStringLiteral("请输入5到20之间的正整数"));
        EXPECT_EQ(shell.scripted.messages.front().icon, Dialogs::Icon::None);
        EXPECT_GT(countColor(image(), kGreen), 0) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AxisLength,
    ::testing::Values(AxisLengthCase{"15", true, 15}, AxisLengthCase{"5", true, 5},
                      AxisLengthCase{"20", true, 20}, AxisLengthCase{"12abc", true, 12},
                      AxisLengthCase{" 8", true, 8}, AxisLengthCase{"4", false, 10},
                      AxisLengthCase{"21", false, 10}, AxisLengthCase{"-6", false, 10},
                      AxisLengthCase{"7.5", false, 10}, AxisLengthCase{"", false, 10},
                      AxisLengthCase{"abc", false, 10}, AxisLengthCase{"1e400", false, 10},
                      AxisLengthCase{"20.0001", false, 10}));

TEST_F(SettingsWindow, RejectedAxisLengthDoesNotHoldTheFocus) {
    form4.show();
    QApplication::setActiveWindow(&form4);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form4));
    auto* txtsl = control<QLineEdit>("txtsl");
    txtsl->setFocus();
    txtsl->setText("3");
    control<QComboBox>("dpi")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(shell.scripted.messageTexts(), QStringList{"请输入5到20之间的正整数"});
    EXPECT_EQ(QApplication::focusWidget(), control<QComboBox>("dpi"));
    EXPECT_EQ(shell.state.sl, 10);
}

TEST_F(SettingsWindow, NonNumericPreviewCountAsksForANumberAndTakesTheFocusBack) {
    form4.show();
    QApplication::setActiveWindow(&form4);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form4));
    auto* tabs = control<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(1);
    auto* slyln = control<QLineEdit>("SLYLN");
    slyln->setFocus();
    slyln->setText("1x");
    control<QPushButton>("Command2")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(shell.scripted.messages.size(), 1);
    EXPECT_EQ(shell.scripted.messages.front().text, QStringLiteral("请输入数字"));
    EXPECT_EQ(shell.scripted.messages.front().icon, Dialogs::Icon::None);
    EXPECT_EQ(QApplication::focusWidget(), slyln);
    EXPECT_EQ(form4.previewCountText(), QStringLiteral("1x"));

    // A numeric text passes quietly.
    slyln->setText("30");
    control<QPushButton>("Command2")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(shell.scripted.messages.size(), 1);
}

TEST_F(SettingsWindow, FocusLostToAnotherWindowIsNotAChange) {
    auto* slyln = control<QLineEdit>("SLYLN");
    slyln->setText("x");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(slyln, &out);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shell.scripted.messages.isEmpty());
}

struct FinenessCase {
    const char* item;
    double divisor;
};

class Fineness : public PlaneFixture, public ::testing::WithParamInterface<FinenessCase> {};

TEST_P(Fineness, SetsThePointStep) {
    const FinenessCase c = GetParam();
    choose(control<QComboBox>("dpi"), QString::fromUtf8(c.item));
    EXPECT_FLOAT_EQ(shell.state.JXD, static_cast<float>(3.1415926535 / c.divisor)) << c.item;
    shell.state.JXD = 0;
    form4.selectDpi(QString::fromUtf8(c.item));
    EXPECT_FLOAT_EQ(shell.state.JXD, static_cast<float>(3.1415926535 / c.divisor)) << c.item;
    // A text that is no item changes nothing.
    form4.selectDpi("超高");
    EXPECT_FLOAT_EQ(shell.state.JXD, static_cast<float>(3.1415926535 / c.divisor)) << c.item;
}

INSTANTIATE_TEST_SUITE_P(Items, Fineness,
                         ::testing::Values(FinenessCase{"狂低(狂快)", 50},
                                           FinenessCase{"很低(较快)", 500},
                                           FinenessCase{"低(快)", 1000}, FinenessCase{"正常", 2000},
                                           FinenessCase{"高(慢)", 3000},
                                           FinenessCase{"很高(较慢)", 4000},
                                           FinenessCase{"狂高(狂慢)", 5000}));

struct SizeCase {
    const char* option;
    QSize pixels;
};

class PlaneSize : public PlaneFixture, public ::testing::WithParamInterface<SizeCase> {};

// Twips become pixels at 15 a pixel, rounded to the nearest pixel.
TEST_P(PlaneSize, OptionsSetTheClientAreaAndRedraw) {
    const SizeCase c = GetParam();
    control<QRadioButton>(c.option)->click();
    EXPECT_EQ(form3.size(), c.pixels);
    EXPECT_EQ(surface.geometry(), QRect(QPoint(0, 0), c.pixels));
    EXPECT_EQ(image().size(), c.pixels);
    const PlaneGrid g = grid();
    EXPECT_TRUE(hasColor(image(), g.col(0), g.row(-3.5), 0));
    EXPECT_TRUE(hasColor(image(), g.col(-3.5), g.row(0), 0));
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(-7.5), 0xFFFFFF));
}

INSTANTIATE_TEST_SUITE_P(Options, PlaneSize,
                         ::testing::Values(SizeCase{"Option1", QSize(267, 267)},
                                           SizeCase{"Option2", QSize(439, 400)},
                                           SizeCase{"Option3", QSize(592, 533)}));

TEST_F(SettingsWindow, SmallPlaneHasEqualUnitsAcrossAndDown) {
    control<QRadioButton>("Option1")->click();
    const QPointF unit = surface.toPixel(1, -1) - surface.toPixel(0, 0);
    EXPECT_DOUBLE_EQ(unit.x(), unit.y());
}

TEST_F(SettingsWindow, ClosingHidesUntilTheProgramEnds) {
    for (QWidget* w : {static_cast<QWidget*>(&form3), static_cast<QWidget*>(&form4)}) {
        w->show();
        EXPECT_FALSE(w->close()) << w->objectName().toStdString();
        EXPECT_FALSE(w->isVisible());
    }
    form3.show();
    shell.state.EXITZETO = true;
    EXPECT_TRUE(form3.close());
    EXPECT_TRUE(form4.close());
}

TEST_F(SettingsWindow, ConfirmHidesTheWindow) {
    form4.show();
    control<QPushButton>("Command1")->click();
    EXPECT_FALSE(form4.isVisible());
}

class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

TEST_F(SettingsWindow, HelpOpensTheHelpPageInTheProgramFolder) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    control<QPushButton>("Command2")->click();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_TRUE(recorder.urls.front().isLocalFile());
    EXPECT_TRUE(
        recorder.urls.front().toLocalFile().endsWith("help/index.htm", Qt::CaseInsensitive));
    EXPECT_TRUE(recorder.urls.front().toLocalFile().startsWith(shell.programFiles.folder()));
}

}  // namespace
}  // namespace zeto::test

#include "SettingsWindowTest.moc"
