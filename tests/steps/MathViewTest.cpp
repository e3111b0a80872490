// The typesetter by its layout rules, and the steps window as a user meets it.

#include "shell/MathView.h"
#include "tools/StepsWindow.h"
#include "tools/core/EquationSteps.h"
#include "tools/core/RadicalSteps.h"
#include "tools/core/SequenceSteps.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

using zeto::MathBox;
using zeto::MathLayout;

namespace {

using Kind = MathBox::Kind;

constexpr qreal kTolerance = 1e-6;

MathBox t(const char* text) {
    return MathBox::text(QString::fromUtf8(text));
}

bool overlap(const QRectF& a, const QRectF& b) {
    const QRectF common = a.intersected(b);
    return common.width() > kTolerance && common.height() > kTolerance;
}

// Empty rectangles count too: QRectF::contains() turns them down.
bool inside(const QRectF& outer, const QRectF& inner) {
    return inner.left() >= outer.left() - kTolerance && inner.top() >= outer.top() - kTolerance &&
           inner.right() <= outer.right() + kTolerance &&
           inner.bottom() <= outer.bottom() + kTolerance;
}

// Every rule the typesetter keeps, over every piece of a layout.
void expectLayoutRules(const MathLayout& layout) {
    const std::vector<MathLayout::Piece>& pieces = layout.pieces();
    std::vector<std::vector<int>> parts(pieces.size());
    std::vector<int> lines;
    for (int k = 0; k < static_cast<int>(pieces.size()); ++k)
        (pieces[k].parent < 0 ? lines : parts[pieces[k].parent]).push_back(k);
    for (size_t k = 0; k < pieces.size(); ++k) {
        SCOPED_TRACE(testing::Message() << "piece " << k);
        const MathLayout::Piece& p = pieces[k];
        for (int child : parts[k])
            EXPECT_TRUE(inside(p.rect, pieces[child].rect)) << "a part outside its piece";
        for (size_t i = 0; i < parts[k].size(); ++i)
            for (size_t j = i + 1; j < parts[k].size(); ++j)
                EXPECT_FALSE(overlap(pieces[parts[k][i]].rect, pieces[parts[k][j]].rect))
                    << "parts " << i << " and " << j << " overlap";
        if (p.kind == Kind::Fraction) {
            const QRectF top = pieces[parts[k][0]].rect;
            const QRectF bottom = pieces[parts[k][1]].rect;
            EXPECT_NEAR(p.bar.length(), std::max(top.width(), bottom.width()), kTolerance);
            EXPECT_NEAR(top.center().x(), p.bar.center().x(), kTolerance);
            EXPECT_NEAR(bottom.center().x(), p.bar.center().x(), kTolerance);
            EXPECT_LT(top.bottom(), p.bar.y1());
            EXPECT_GT(bottom.top(), p.bar.y1());
        }
        if (p.kind == Kind::Radical) {
            const QRectF radicand = pieces[parts[k][0]].rect;
            ASSERT_FALSE(p.sign.isEmpty());
            EXPECT_EQ(p.sign.last(), p.bar.p1()) << "a gap between sign and bar";
            EXPECT_LE(p.bar.x1(), radicand.left());
            EXPECT_GE(p.bar.x2(), radicand.right());
            EXPECT_LT(p.bar.y1(), radicand.top());
        }
        if (p.kind == Kind::Superscript || p.kind == Kind::Subscript) {
            const MathLayout::Piece& base = pieces[parts[k][0]];
            const MathLayout::Piece& script = pieces[parts[k][1]];
            EXPECT_LT(script.scale, base.scale);
            if (p.kind == Kind::Superscript)
                EXPECT_LT(script.baseline, base.baseline);
            else
                EXPECT_GT(script.baseline, base.baseline);
        }
    }
    const std::vector<QRectF>& rects = layout.lineRects();
    ASSERT_EQ(rects.size(), lines.size());
    for (size_t k = 1; k < rects.size(); ++k)
        EXPECT_GT(rects[k].top(), rects[k - 1].bottom()) << "lines " << k - 1 << " and " << k;
    for (const QRectF& r : rects) EXPECT_TRUE(inside(QRectF(QPointF(0, 0), layout.size()), r));
}

}  // namespace

TEST(MathView, KeepsLayoutRules) {
    const MathBox wideTop = MathBox::fraction(t("12345678"), t("2"));
    const MathBox wideBottom = MathBox::fraction(t("1"), t("1000000"));
    const MathBox nested = MathBox::radical(MathBox::fraction(
        MathBox::row({t("1-"), MathBox::radical(MathBox::superscript(t("x"), t("2")))}),
        MathBox::fraction(t("3"), t("4"))));
    const MathBox bracketed = MathBox::row(
        {t("2"), t("("), t("1-"),
         MathBox::superscript(MathBox::row({t("("), MathBox::fraction(t("1"), t("2")), t(")")}),
                              t("n")),
         t(")")});
    const MathBox scripts = MathBox::row(
        {MathBox::subscript(t("a"), t("n")), t("="), MathBox::superscript(t("2"), t("n-1"))});
    const struct {
        const char* name;
        std::vector<MathBox> lines;
    } cases[] = {
        {"wide numerator", {wideTop}},
        {"wide denominator", {wideBottom}},
        {"nested", {nested, scripts}},
        {"tall brackets", {bracketed}},
        {"empty line", {MathBox(), t("x")}},
        {"equation steps", zeto::EquationSteps::of(2, -3, -5)},
        {"radical steps", zeto::RadicalSteps::of(2.5)},
        {"sequence steps", zeto::SequenceSteps::geometric(1, 0.5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        zeto::MathView view;
        view.setLines(c.lines);
        expectLayoutRules(view.layout());
        EXPECT_GE(view.sizeHint().width(), view.layout().size().width());
        EXPECT_GE(view.sizeHint().height(), view.layout().size().height());
    }
}

TEST(MathView, StretchesBracketsAroundFractions) {
    zeto::MathView view;
    view.setLines({MathBox::row({t("("), MathBox::fraction(t("1"), t("2")), t(")"), t("(x)")})});
    const std::vector<MathLayout::Piece>& pieces = view.layout().pieces();
    // Row, "(", fraction, 1, 2, ")", "(x)".
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_GT(pieces[1].stretch, 1);
    EXPECT_EQ(pieces[1].rect.top(), pieces[2].rect.top());
    EXPECT_EQ(pieces[5].rect.bottom(), pieces[2].rect.bottom());
    EXPECT_EQ(pieces[6].stretch, 1);
}

TEST(StepsWindow, ShowsCopiesAndClearsSteps) {
    zeto::StepsWindow window;
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.objectName(), QStringLiteral("frmsteps"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("解题步骤"));
    auto* view = window.findChild<zeto::MathView*>(QStringLiteral("mathsteps"));
    auto* copy = window.findChild<QPushButton*>(QStringLiteral("cmdcopy"));
    ASSERT_TRUE(view && copy);
    EXPECT_EQ(copy->text(), QStringLiteral("复制"));
    EXPECT_EQ(view->accessibleDescription(), QStringLiteral("请先求解"));

    window.showSteps(QStringLiteral("平方根"), zeto::RadicalSteps::of(72));
    const QString steps = QStringLiteral("平方根\n72=2³×3²\n√72=√(6²×2)=6√2\n所以√72=6√2");
    EXPECT_EQ(view->accessibleDescription(), steps);
    EXPECT_EQ(view->layout().lineRects().size(), 4u);
    QApplication::clipboard()->clear();
    copy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), steps);

    window.showSteps(QString(), zeto::RadicalSteps::of(0));
    EXPECT_EQ(view->accessibleDescription(), QStringLiteral("√0=0"));
    window.clear();
    EXPECT_EQ(view->accessibleDescription(), QStringLiteral("请先求解"));
}
