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

struct Kind {
    QString item;
    QString formula;
    QString fields;  // the captions of the three coefficient fields, "-" where hidden
    QString shown;   // which of the panel's other controls show
};

}  // namespace

// Every entry of the three kind lists, chosen as a user chooses it. Hidden fields and check
// boxes keep what they hold, and captions and fields shown do not overlap.
TEST_F(ShellFixture, EveryKindConfiguresItsPanel) {
    const struct {
        const char* list;
        const char* formula;
        const char* caption;
        const char* field;
        QStringList others;
        std::vector<Kind> kinds;
    } panels[] = {
        {"fsort",
         "JXS",
         "CXS",
         "XS",
         {"zdyjxs", "note", "funchk"},
         {{"一次函数", "Y=KX+B", "K= B= -", "funchk"},
          {"二次函数", "Y=AX^2+BX+C", "A= B= C=", "funchk"},
          {"对数函数", "Y=LOG(a)X", "a= - -", "funchk"},
          {"指数函数", "Y=a^X", "a= - -", "funchk"},
          {"幂函数", "Y=X^a", "a= - -", "funchk"},
          {"正弦函数", "Y=Asin(wX+$)", "A= w= $=", "funchk"},
          {"余弦函数", "Y=Acos(wX+$)", "A= w= $=", "funchk"},
          {"正切函数", "Y=tg(X)", "- - -", "funchk"},
          {"余切函数", "Y=ctg(X)", "- - -", "funchk"},
          {"自定义函数", "Y=", "- - -", "zdyjxs note"}}},
        {"qusort",
         "QFC",
         "CQXS",
         "QXS",
         {"quchk"},
         {{"直线", "AX+BY+C=0", "A= B= C=", ""},
          {"圆", "(X+a)^2+(Y+b)^2=r^2", "a= b= r=", ""},
          {"椭圆", "(X/a)^2+(Y/b)^2=1", "a= b= -", "quchk"},
          {"双曲线1", "(X/a)^2-(Y/b)^2=1", "a= b= -", "quchk"},
          {"双曲线2", "(Y/a)^2-(X/b)^2=1", "a= b= -", "quchk"},
          {"抛物线1", "Y^2=2pX", "P= - -", "quchk"},
          {"抛物线2", "X^2=2pY", "P= - -", "quchk"},
          {"直线", "AX+BY+C=0", "A= B= C=", ""}}},
        {"slsort",
         "TXGS",
         "CLXS",
         "LXS",
         {"Zdytxgs", "note2"},
         {{"等比数列", "An=a1q^(n-1)", "a1= q= -", ""},
          {"自定义数列", "An=", "- - -", "Zdytxgs note2"},
          {"等差数列", "An=a1+(n-1)d", "a1= d= -", ""}}},
    };
    for (const auto& panel : panels) {
        auto* list = find<QComboBox>(panel.list);
        for (const Kind& kind : panel.kinds) {
            SCOPED_TRACE(kind.item.toStdString());
            for (int k = 1; k <= 3; ++k)
                find<QLineEdit>(qPrintable(panel.field + QString::number(k)))->setText("-7");
            for (const QString& name : panel.others) {
                if (auto* box = mainWindow->findChild<QCheckBox*>(name)) box->setChecked(true);
                if (auto* field = mainWindow->findChild<QLineEdit*>(name)) field->setText("-7");
            }
            list->setCurrentText(kind.item);
            emit list->activated(list->currentIndex());

            EXPECT_EQ(find<QLabel>(panel.formula)->text(), kind.formula);
            QStringList fields;
            int right = -1;  // the right edge of the last field shown
            for (int k = 1; k <= 3; ++k) {
                auto* caption = find<QLabel>(qPrintable(panel.caption + QString::number(k)));
                auto* field = find<QLineEdit>(qPrintable(panel.field + QString::number(k)));
                EXPECT_EQ(caption->isHidden(), field->isHidden()) << k;
                if (field->isHidden()) {
                    fields << "-";
                    EXPECT_EQ(field->text(), "-7") << k;
                } else {
                    fields << caption->text();
                    EXPECT_LT(right, caption->x()) << k;
                    EXPECT_LT(caption->geometry().right(), field->x()) << k;
                    right = field->geometry().right();
                }
            }
            EXPECT_EQ(fields.join(' '), kind.fields);
            QStringList shown;
            for (const QString& name : panel.others) {
                auto* control = find<QWidget>(qPrintable(name));
                if (!control->isHidden()) shown << name;
                auto* box = qobject_cast<QCheckBox*>(control);
                auto* field = qobject_cast<QLineEdit*>(control);
                EXPECT_TRUE((!box || box->isChecked()) && (!field || field->text() == "-7"))
                    << name.toStdString();
            }
            EXPECT_EQ(shown.join(' '), kind.shown);
        }
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

TEST_F(ShellFixture, ColourSwatchesOpenOnTheirColourAndIgnoreCancel) {
    auto* tucolor = find<ColorSwatch>("tucolor");
    auto* qucolor = find<ColorSwatch>("qucolor");
    EXPECT_EQ(tucolor->color(), 0u);

    dialogs.colorAnswers.push_back(QColor(255, 0, 0));
    emit tucolor->clicked();
    EXPECT_EQ(tucolor->color(), 0x0000FFu);  // red sits in the low byte

    emit tucolor->clicked();  // cancelled
    EXPECT_EQ(tucolor->color(), 0x0000FFu);

    dialogs.colorAnswers.push_back(QColor(0, 128, 255));
    emit qucolor->clicked();
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
