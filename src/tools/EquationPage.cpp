#include "tools/EquationPage.h"

#include "platform/Dialogs.h"
#include "platform/LineShape.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/ProgramFiles.h"
#include "shell/NumberCheck.h"
#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"
#include "tools/LabelFit.h"
#include "tools/RadicalReduction.h"
#include "tools/StepsWindow.h"
#include "tools/core/EquationSteps.h"
#include "tools/core/QuadraticSolver.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace zeto {
namespace {

// The second root's display sits this far below the first one's: far enough that the first
// root's denominator keeps clear of the second root's radical sign.
constexpr int kRowSpacing = 600;
// Room in pixels between the radical sign and its radicand, before it and above it.
constexpr int kRadicandIndent = 2;
constexpr int kBarClearance = 2;
// Least room in pixels between a root's exact form and the "=" after it.
constexpr int kGap = 4;
// A root too wide for the frame is written smaller, down to this size.
constexpr qreal kSmallestPointSize = 5;
constexpr qreal kPointSizeStep = 0.5;

// The first root's design, in twips within the result frame.
struct Box {
    int left, top, width, height;
    QRect at(int rowTop) const { return twipsRect(left, top + rowTop, width, height); }
};
struct Stroke {
    int x1, y1, x2, y2;
    QLine at(int rowTop) const {
        return QLine(twipsToPixels(x1), twipsToPixels(y1 + rowTop), twipsToPixels(x2),
                     twipsToPixels(y2 + rowTop));
    }
};
constexpr Box kH{600, 360, 375, 240};
constexpr Box kSign{960, 360, 240, 240};
constexpr Box kM{1200, 360, 255, 240};
constexpr Box kN{1560, 360, 615, 240};
constexpr Box kFm{960, 645, 735, 240};
constexpr Box kEquals{2355, 510, 240, 255};
constexpr Box kValue{2595, 510, 2040, 255};  // wide enough for 15 digits, sign and exponent
constexpr Stroke kHook{1470, 420, 1560, 500};
constexpr Stroke kRise{1545, 500, 1565, 360};
constexpr Stroke kBar{1560, 360, 2160, 360};
constexpr Stroke kFraction{600, 600, 2280, 600};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

LineShape* makeLine(QWidget* parent, const char* name) {
    auto* line = new LineShape(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->hide();
    return line;
}

QString wholeText(std::int64_t value) {
    return numberText(static_cast<double>(value));
}

// Where a vertically centred label draws its text's baseline.
int centredBaseline(const QLabel* label, const QRect& box) {
    const QFontMetrics metrics = label->fontMetrics();
    return box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
}

}  // namespace

EquationPage::EquationPage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    buildInputFrame();
    buildResultFrame();

    auto* solve = new QPushButton(QStringLiteral("计算"), this);
    solve->setObjectName(QStringLiteral("Command11"));
    place(solve, 5385, 780, 1215, 375);
    connect(solve, &QPushButton::clicked, this, &EquationPage::solveClicked);

    auto* clear = new QPushButton(QStringLiteral("清空"), this);
    clear->setObjectName(QStringLiteral("Command18"));
    place(clear, 5400, 1305, 1215, 375);
    connect(clear, &QPushButton::clicked, this, &EquationPage::clearClicked);

    addIcon("Image6", QStringLiteral("\\data\\page4.png"), 5760, 1800);

    QPushButton* steps = addButton("Cmdsteps", QStringLiteral("解题步骤"), 5400, 2400, 1215, 375);
    connect(steps, &QPushButton::clicked, this, &EquationPage::stepsClicked);
}

void EquationPage::buildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("方程:"), this);
    frame->setObjectName(QStringLiteral("Frame9"));
    place(frame, 360, 660, 4695, 855);

    const char* fieldNames[3] = {"fxs1", "fxs2", "fxs3"};
    const int fieldLefts[3] = {240, 1200, 1920};
    for (int k = 0; k < 3; ++k) {
        coefficientFields_[k] = new QLineEdit(QStringLiteral("1"), frame);
        NumberCheck::watch(host(), dialogs(), coefficientFields_[k]);
        coefficientFields_[k]->setObjectName(QString::fromLatin1(fieldNames[k]));
        placeIn(coefficientFields_[k], fieldLefts[k], 330, 465, 285);
    }
    coefficientFields_[1]->setText(QStringLiteral("3"));
    placeIn(makeLabel(frame, "Label12", QStringLiteral("X^2+")), 720, 360, 480, 255);
    placeIn(makeLabel(frame, "Label14", QStringLiteral("X+")), 1680, 360, 240, 255);
    placeIn(makeLabel(frame, "Label15", QStringLiteral("=0")), 2400, 360, 360, 255);
    connect(coefficientFields_[2], &QLineEdit::returnPressed, this, &EquationPage::solveClicked);
}

void EquationPage::buildResultFrame() {
    auto* frame = new QGroupBox(QStringLiteral("结果:"), this);
    frame->setObjectName(QStringLiteral("Frame10"));
    place(frame, 360, 1740, 4695, 1635);

    rows_[0] = buildRow(frame,
                        {"jie1h", "plus", "jie1m", "jie1n", "jie1fm", "jj1", "Line7", "Line6",
                         "Line5", "fline", "Label16", "Label20"},
                        QStringLiteral("+"), 0);
    rows_[1] = buildRow(frame,
                        {"jie2h", "dage", "jie2m", "jie2n", "jie2fm", "jj2", "Line9", "Line8",
                         "Line4", "fline2", "Label17", "Label21"},
                        QStringLiteral("-"), kRowSpacing);
    clearResults();
}

EquationPage::RootRow EquationPage::buildRow(QWidget* frame, const RowNames& names,
                                             const QString& sign, int top) {
    placeIn(makeLabel(frame, names.name, top == 0 ? QStringLiteral("X1=") : QStringLiteral("X2=")),
            240, 480 + top, 360, 255);
    RootRow row;
    row.top = top;
    row.equals = makeLabel(frame, names.equals, QStringLiteral("="));
    row.h = makeLabel(frame, names.h);
    row.sign = makeLabel(frame, names.sign, sign);
    row.sign->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    row.m = makeLabel(frame, names.m);
    row.m->setAlignment(Qt::AlignTop | Qt::AlignRight);
    row.n = makeLabel(frame, names.n);
    row.n->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    row.fm = makeLabel(frame, names.fm);
    row.fm->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    row.value = makeLabel(frame, names.value);

    setRowFont(row, frame->font());

    row.hook = makeLine(frame, names.hook);
    row.stroke = makeLine(frame, names.stroke);
    row.bar = makeLine(frame, names.bar);
    row.fraction = makeLine(frame, names.fraction);
    return row;
}

void EquationPage::setRowFont(RootRow& row, const QFont& font) {
    for (QLabel* label : {row.h, row.sign, row.m, row.n, row.fm, row.equals, row.value})
        label->setFont(font);
    // The numerator's parts share one baseline, level with the foot of the radical sign and
    // just under its bar, as one writes it by hand; a face that ascends further than the
    // designed line allows takes the line lower.
    const int top = twipsToPixels(kH.top);
    const int designed = twipsToPixels(kHook.y2) + 1;
    const int baseline = std::max(designed, top + row.n->fontMetrics().ascent());
    row.drop = baseline - designed;
    // The coefficient keeps a pixel from the radical sign, the radicand a little more. (A
    // label's indent would move a top-aligned text down as well.)
    for (QLabel* part : {row.h, row.sign, row.m, row.n}) {
        const int left = part == row.n ? kRadicandIndent : 0;
        const int right = part == row.m ? 1 : 0;
        part->setContentsMargins(left, baseline - top - part->fontMetrics().ascent(), right, 0);
    }
}

void EquationPage::layoutRow(RootRow& row) {
    placeRow(row, 0);
    // A long root grows to the left into "X1=": then it starts where the design starts it
    // and runs on to the right instead.
    const int designLeft = twipsToPixels(kH.left);
    int left = designLeft;
    for (QLabel* part : {row.h, row.fm})
        if (!part->text().isEmpty()) left = std::min(left, part->x());
    if (left < designLeft) placeRow(row, designLeft - left);
}

void EquationPage::placeRow(RootRow& row, int along) {
    const int top = row.top;
    const bool radical = !row.n->text().isEmpty();
    const bool fraction = !row.fm->text().isEmpty();
    // A root without a fraction bar is written on the line of "=".
    const int baseline = kHook.at(top).y2() + 1 + row.drop;
    const int toEqualsLine = centredBaseline(row.equals, kEquals.at(top)) - baseline;
    const QPoint down(along, fraction ? 0 : toEqualsLine);
    fitLabel(row.m, kM.at(top).translated(down));
    // h and the sign close up to the radical without a coefficient before it, and make way
    // for a coefficient wider than designed.
    const int mWidth = twipsToPixels(kM.width);
    const int closeUp = !radical                  ? 0
                        : row.m->text().isEmpty() ? mWidth
                                                  : -std::max(0, row.m->width() - mWidth);

    if (radical) {
        row.h->setAlignment(Qt::AlignTop | Qt::AlignRight);
        fitLabel(row.h, kH.at(top).translated(closeUp, 0).translated(down));
    } else {
        // A whole or fractional root stands centred over its denominator.
        const QRect column = kFm.at(top);
        const QRect line = kH.at(top);
        row.h->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        fitLabel(row.h,
                 QRect(column.left(), line.top(), column.width(), line.height()).translated(down));
    }
    row.sign->setGeometry(kSign.at(top).translated(closeUp, 0).translated(down));
    // The radicand stands close after the radical sign, as long as its text.
    const QRect slot = kN.at(top).translated(down);
    fitLabel(row.n, QRect(slot.left(), slot.top(), 0, slot.height()));
    const QPoint lower(along, row.drop);
    fitLabel(row.fm, kFm.at(top).translated(lower));

    // The radical sign stands on the numerator's line; its bar clears the radicand's highest
    // point, covers it and ends with it.
    const QPoint sign = down + QPoint(0, row.drop);
    const QFontMetrics metrics = row.n->fontMetrics();
    const int radicandTop = baseline + down.y() + metrics.tightBoundingRect(row.n->text()).top();
    const QLine bar = kBar.at(top).translated(sign);
    const int barY = std::min(bar.y1(), radicandTop - kBarClearance - 1);
    const int barEnd = radical ? row.n->geometry().right() : bar.x2();
    row.hook->setLine(kHook.at(top).p1() + sign, kHook.at(top).p2() + sign);
    row.stroke->setLine(kRise.at(top).p1() + sign, QPoint(kRise.at(top).x2() + sign.x(), barY));
    row.bar->setLine(QPoint(bar.x1(), barY), QPoint(barEnd, barY));
    const QLine rule = kFraction.at(top).translated(lower);
    const int left = std::min(rule.x1(), row.h->geometry().left());
    const int right = std::max({rule.x2(), barEnd + kGap / 2, row.fm->geometry().right()});
    row.fraction->setLine(QPoint(left, rule.y1()), QPoint(right, rule.y2()));

    // "=" and the decimal value make way for a root wider than designed.
    const int end =
        std::max({fraction ? right : 0, radical ? barEnd : 0, row.h->geometry().right()});
    const int shift = std::max(0, end + kGap - kEquals.at(top).left());
    row.equals->setGeometry(kEquals.at(top).translated(shift, 0));
    QRect value = kValue.at(top);
    if (shift > 0) {
        // Moved along, the value closes up to "=" to keep its room inside the frame.
        const QFontMetrics metrics = row.equals->fontMetrics();
        value.moveLeft(std::min(value.left() + shift,
                                row.equals->x() + metrics.horizontalAdvance(QStringLiteral("= "))));
    }
    row.value->setGeometry(value);
}

void EquationPage::clearRow(RootRow& row) {
    for (QLabel* label : {row.h, row.m, row.n, row.fm, row.value}) label->clear();
    setRowFont(row, row.value->parentWidget()->font());
    row.sign->hide();
    for (LineShape* line : {row.hook, row.stroke, row.bar, row.fraction}) line->hide();
    layoutRow(row);
}

void EquationPage::clearResults() {
    for (RootRow& row : rows_) clearRow(row);
}

void EquationPage::showRoot(RootRow& row, const std::optional<ExactRoot>& exact,
                            const std::string& value) {
    clearRow(row);
    row.value->setText(QString::fromStdString(value));
    if (!exact) return;
    const ExactRoot& root = *exact;
    const bool radical = root.hasRadical();
    // A zero rational part is left out before a radical: "√2", "-√2", not "0 + √2".
    if (!radical || root.h != 0) row.h->setText(wholeText(root.h));
    if (radical) {
        row.sign->setText(root.sign < 0 ? QStringLiteral("-") : QStringLiteral("+"));
        row.sign->setVisible(root.h != 0 || root.sign < 0);
        if (root.m != 1) row.m->setText(wholeText(root.m));
        row.n->setText(wholeText(root.n));
        for (LineShape* line : {row.hook, row.stroke, row.bar}) line->show();
    }
    if (root.fm != 1) {
        row.fm->setText(wholeText(root.fm));
        row.fraction->show();
    }
    layoutRow(row);
    // Long parts push the decimal value past the frame: then the whole row is written smaller.
    const QWidget* frame = row.value->parentWidget();
    QFont font = frame->font();
    while (row.value->x() + row.value->fontMetrics().horizontalAdvance(row.value->text()) >
               frame->contentsRect().right() &&
           font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
        setRowFont(row, font);
        layoutRow(row);
    }
}

void EquationPage::solveClicked() {
    const std::array<double, 3> coefficients = {leadingNumber(coefficientFields_[0]->text()),
                                                leadingNumber(coefficientFields_[1]->text()),
                                                leadingNumber(coefficientFields_[2]->text())};
    const QuadraticSolver solver(coefficients[0], coefficients[1], coefficients[2]);
    // A refused equation has steps too: they say why it has no roots to show. They are in
    // place before the message box comes up.
    switch (solver.kind()) {
        case QuadraticSolution::Kind::NotANumber:
            clearResults();
            setSolved(coefficients);
            showMessage(QStringLiteral("请输入数字"), Dialogs::Icon::None);
            return;
        case QuadraticSolution::Kind::NotQuadratic:
            clearResults();
            setSolved(coefficients);
            showMessage(QStringLiteral("二次项系数不能为0"), Dialogs::Icon::Exclamation);
            return;
        case QuadraticSolution::Kind::NoRealRoots:
            clearResults();
            setSolved(coefficients);
            showMessage(QStringLiteral("无解!"), Dialogs::Icon::None);
            return;
        case QuadraticSolution::Kind::Roots:
            break;
    }
    WholeRadical simplified;
    if (const std::optional<mpz_class> radicand = solver.radicand()) {
        const std::optional<WholeRadical> result = reduceRadical(host(), this, *radicand);
        if (!result) return;
        simplified = *result;
    }
    const QuadraticSolution solution = solver.solve(simplified);
    showRoot(rows_[0], solution.exact1, solution.x1);
    showRoot(rows_[1], solution.exact2, solution.x2);
    setSolved(coefficients);
    host().playCompletionSound();
}

void EquationPage::clearClicked() {
    // A solve still waiting for its turn must not fill the emptied result in afterwards.
    host().tasks().supersede(this);
    clearResults();
    setSolved(std::nullopt);
    for (QLineEdit* field : coefficientFields_) field->clear();
    coefficientFields_[0]->setFocus();
}

void EquationPage::stepsClicked() {
    stepsWindow().open(this, steps());
}

void EquationPage::setSolved(const std::optional<std::array<double, 3>>& coefficients) {
    solved_ = coefficients;
    if (stepsWindow().follows(this)) stepsWindow().showSteps(QString(), steps());
}

std::vector<MathBox> EquationPage::steps() const {
    if (!solved_) return {};
    const std::array<double, 3>& c = *solved_;
    return EquationSteps::of(c[0], c[1], c[2]);
}

}  // namespace zeto
