#include "ShellFixture.h"

#include "curves/CurvePage.h"
#include "functions/FunctionPage.h"
#include "platform/ColorSwatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zeto;
using namespace zeto::test;

namespace {

QString visibleCaptions(MainWindow& mainWindow, const char* captionPrefix,
                        const char* fieldPrefix) {
    QStringList parts;
    for (int k = 1; k <= 3; ++k) {
        auto* caption =
            mainWindow.findChild<QLabel*>(QStringLiteral("%1%2").arg(captionPrefix).arg(k));
        auto* field =
            mainWindow.findChild<QLineEdit*>(QStringLiteral("%1%2").arg(fieldPrefix).arg(k));
        EXPECT_EQ(caption->isHidden(), field->isHidden()) << captionPrefix << k;
        parts.append(field->isHidden() ? QStringLiteral("-") : caption->text());
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

TEST_F(ShellFixture, EveryFunctionKindConfiguresThePanel) {
    struct Row {
        QString item;
        int funsort;
        QString caption;
        QString fields;
        bool custom;
    };
    const Row rows[] = {
        {"一次函数", 1, "Y=KX+B", "K= B= -", false},
        {"二次函数", 2, "Y=AX^2+BY+C", "A= B= C=", false},
        {"对数函数", 3, "Y=LOG(a)X", "a= - -", false},
        {"指数函数", 4, "Y=a^X", "a= - -", false},
        {"幂函数", 5, "Y=X^a", "a= - -", false},
        {"正弦函数", 6, "Y=Asin(wX+$)", "A= w= $=", false},
        {"余弦函数", 7, "Y=Acos(wX+$)", "A= w= $=", false},
        {"正切函数", 8, "Y=tg(X)", "- - -", false},
        {"余切函数", 9, "Y=ctg(X)", "- - -", false},
        {"自定义函数", 10, "Y=", "- - -", true},
    };
    auto* page = mainWindow->findChild<FunctionPage*>();
    ASSERT_NE(page, nullptr);
    for (const Row& row : rows) {
        page->selectKind(row.item);
        EXPECT_EQ(mainWindow->shared().funsort, row.funsort) << row.item.toStdString();
        EXPECT_EQ(find<QLabel>("JXS")->text(), row.caption);
        EXPECT_EQ(visibleCaptions(*mainWindow, "CXS", "XS"), row.fields) << row.item.toStdString();
        EXPECT_EQ(!find<QLineEdit>("zdyjxs")->isHidden(), row.custom);
        EXPECT_EQ(!find<QLabel>("note")->isHidden(), row.custom);
        EXPECT_EQ(find<QCheckBox>("funchk")->isHidden(), row.custom);
    }
}

TEST_F(ShellFixture, LogarithmKindWritesItsDefaultsEveryTime) {
    auto* page = mainWindow->findChild<FunctionPage*>();
    auto* zy1 = find<QLineEdit>("zy1");
    auto* zy2 = find<QLineEdit>("zy2");
    auto* xs1 = find<QLineEdit>("XS1");
    page->selectKind("对数函数");
    EXPECT_EQ(zy1->text(), "0.01");
    EXPECT_EQ(zy2->text(), "5");
    EXPECT_EQ(xs1->text(), "10");
    xs1->setText("2");
    zy1->setText("3");
    page->selectKind("二次函数");
    EXPECT_EQ(zy1->text(), "3");  // no other kind writes the domain
    page->selectKind("对数函数");
    EXPECT_EQ(zy1->text(), "0.01");
    EXPECT_EQ(xs1->text(), "10");
}

TEST_F(ShellFixture, HiddenFieldsKeepWhatWasTyped) {
    auto* page = mainWindow->findChild<FunctionPage*>();
    page->selectKind("二次函数");
    find<QLineEdit>("XS3")->setText("-7");
    page->selectKind("正切函数");
    page->selectKind("二次函数");
    EXPECT_EQ(find<QLineEdit>("XS3")->text(), "-7");
}

TEST_F(ShellFixture, EveryCurveConfiguresThePanel) {
    struct Row {
        QString item;
        QString caption;
        QString fields;
        bool directrix;
    };
    const Row rows[] = {
        {"直线", "AX+BY+C=0", "A= B= C=", false},
        {"圆", "(X+a)^2+(Y+b)^2=r^2", "a= b= r=", false},
        {"椭圆", "(X/a)^2+(Y/b)^2=1", "a= b= -", true},
        {"双曲线1", "(X/a)^2-(Y/b)^2=1", "a= b= -", true},
        {"双曲线2", "(Y/a)^2-(X/b)^2=1", "a= b= -", true},
        {"抛物线1", "Y^2=2pX", "P= - -", true},
        {"抛物线2", "X^2=2pY", "P= - -", true},
    };
    auto* page = mainWindow->findChild<CurvePage*>();
    ASSERT_NE(page, nullptr);
    for (const Row& row : rows) {
        page->selectKind(row.item);
        EXPECT_EQ(find<QLabel>("QFC")->text(), row.caption);
        EXPECT_EQ(visibleCaptions(*mainWindow, "CQXS", "QXS"), row.fields)
            << row.item.toStdString();
        EXPECT_EQ(!find<QCheckBox>("quchk")->isHidden(), row.directrix);
    }
}

TEST_F(ShellFixture, DirectrixCheckKeepsItsStateWhileHidden) {
    auto* page = mainWindow->findChild<CurvePage*>();
    page->selectKind("椭圆");
    find<QCheckBox>("quchk")->setChecked(true);
    page->selectKind("直线");
    EXPECT_TRUE(find<QCheckBox>("quchk")->isHidden());
    EXPECT_TRUE(find<QCheckBox>("quchk")->isChecked());
}

TEST_F(ShellFixture, ColourSwatchesOpenOnTheirColourAndIgnoreCancel) {
    auto* functionPage = mainWindow->findChild<FunctionPage*>();
    auto* curvePage = mainWindow->findChild<CurvePage*>();
    auto* tucolor = find<ColorSwatch>("tucolor");
    auto* qucolor = find<ColorSwatch>("qucolor");
    EXPECT_EQ(tucolor->color(), 0u);

    dialogs.colorAnswers.push_back(QColor(255, 0, 0));
    functionPage->tucolor_Click();
    EXPECT_EQ(tucolor->color(), 0x0000FFu);  // red sits in the low byte

    functionPage->tucolor_Click();  // cancelled
    EXPECT_EQ(tucolor->color(), 0x0000FFu);

    dialogs.colorAnswers.push_back(QColor(0, 128, 255));
    curvePage->qucolor_Click();
    EXPECT_EQ(qucolor->color(), 0xFF8000u);
    ASSERT_EQ(dialogs.colorDialogInitials.size(), 3);
    EXPECT_EQ(dialogs.colorDialogInitials[1], QColor(255, 0, 0));
    EXPECT_EQ(dialogs.colorDialogInitials[2], QColor(0, 0, 0));
}

TEST_F(ShellFixture, EnterInTheLastFieldRunsThePlotButton) {
    QSignalSpy functionPlots(find<QPushButton>("Command2"), &QPushButton::clicked);
    QSignalSpy curvePlots(find<QPushButton>("Command8"), &QPushButton::clicked);
    QTest::keyClick(find<QLineEdit>("XS1"), Qt::Key_Return);
    QTest::keyClick(find<QLineEdit>("QXS2"), Qt::Key_Return);
    EXPECT_EQ(functionPlots.count(), 0);
    EXPECT_EQ(curvePlots.count(), 0);
    QTest::keyClick(find<QLineEdit>("XS3"), Qt::Key_Return);
    QTest::keyClick(find<QLineEdit>("zdyjxs"), Qt::Key_Enter);
    QTest::keyClick(find<QLineEdit>("QXS3"), Qt::Key_Return);
    EXPECT_EQ(functionPlots.count(), 2);
    EXPECT_EQ(curvePlots.count(), 1);
}
