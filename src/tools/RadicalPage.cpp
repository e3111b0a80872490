#include "tools/RadicalPage.h"

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
#include "tools/core/QuadraticNumber.h"
#include "tools/core/RadicalSteps.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace zeto {
namespace {

// Longer texts are not taken as a radicand.
constexpr int kMaxInputLength = 10;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

RadicalPage::RadicalPage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    buildInputFrame();
    buildResultFrame();

    auto* compute = new QPushButton(QStringLiteral("计算(&S)"), this);
    compute->setObjectName(QStringLiteral("Command1"));
    place(compute, 5520, 660, 1215, 330);
    connect(compute, &QPushButton::clicked, this, &RadicalPage::computeClicked);

    auto* clear = new QPushButton(QStringLiteral("清空(&R)"), this);
    clear->setObjectName(QStringLiteral("Command5"));
    place(clear, 5520, 1140, 1215, 330);
    connect(clear, &QPushButton::clicked, this, &RadicalPage::clearClicked);

    QPushButton* steps = addButton("Cmdsteps2", QStringLiteral("解题步骤"), 5520, 1620, 1215, 330);
    connect(steps, &QPushButton::clicked, this, &RadicalPage::stepsClicked);

    addIcon("Image1", QStringLiteral("\\data\\page1.png"), 5880, 2100);
}

void RadicalPage::buildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("被开方数"), this);
    frame->setObjectName(QStringLiteral("Frame5"));
    place(frame, 360, 540, 4935, 855);

    placeIn(makeLabel(frame, "Label3", QStringLiteral("被开方数:")), 240, 405, 1200, 240);
    radicand_ = new QLineEdit(QStringLiteral("8"), frame);
    NumberCheck::watch(host(), dialogs(), radicand_);
    radicand_->setObjectName(QStringLiteral("sqrx"));
    placeIn(radicand_, 1110, 360, 3345, 255);
    connect(radicand_, &QLineEdit::returnPressed, this, &RadicalPage::computeClicked);
}

void RadicalPage::buildResultFrame() {
    auto* frame = new QGroupBox(QStringLiteral("结果"), this);
    frame->setObjectName(QStringLiteral("Fsqr"));
    place(frame, 360, 1500, 4935, 2010);

    placeIn(makeLabel(frame, "Label2", QStringLiteral("最简根式:")), 240, 465, 855, 255);

    coefficient_ = makeLabel(frame, "mm", QStringLiteral("0"));
    coefficient_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wholeOne_ = makeLabel(frame, "spec", QStringLiteral("1"));
    placeIn(wholeOne_, 1260, 480, 240, 255);
    remaining_ = makeLabel(frame, "nn", QStringLiteral("0"));
    remaining_->setAlignment(Qt::AlignCenter);

    // The radical sign: the bar over the radicand, the long stroke down to the left and the
    // short hook rising back up.
    const char* names[3] = {"Line1", "Line2", "Line3"};
    const int ends[3][4] = {{1830, 360, 3030, 360}, {1830, 360, 1710, 720}, {1695, 690, 1620, 540}};
    for (int k = 0; k < 3; ++k) {
        radicalSign_[k] = new LineShape(frame);
        radicalSign_[k]->setObjectName(QString::fromLatin1(names[k]));
        radicalSign_[k]->setLineTwips(ends[k][0], ends[k][1], ends[k][2], ends[k][3]);
    }
    designedBar_ = radicalSign_[0]->line();
    showResultTexts(QStringLiteral("0"), QStringLiteral("0"));

    placeIn(makeLabel(frame, "Label5", QStringLiteral("精确值:")), 240, 960, 720, 255);
    decimal_ = makeLabel(frame, "jqz", QString());
    placeIn(decimal_, 960, 960, 3735, 255);
    placeIn(makeLabel(frame, "Label4", QStringLiteral("注意：被开方数必须大于等于0")), 240, 1440,
            3030, 210);

    coefficient_->hide();
    wholeOne_->hide();
    remaining_->hide();
    setRadicalVisible(false);
}

void RadicalPage::setRadicalVisible(bool visible) {
    for (LineShape* line : radicalSign_) line->setVisible(visible);
}

void RadicalPage::showResultTexts(const QString& m, const QString& r) {
    coefficient_->setText(m);
    fitLabel(coefficient_, twipsRect(780, 480, 735, 255));
    remaining_->setText(r);
    fitLabel(remaining_, twipsRect(1950, 480, 960, 255));
    // The bar reaches over a radicand wider than designed.
    const int end = std::max(designedBar_.x2(), remaining_->geometry().right());
    radicalSign_[0]->setLine(designedBar_.p1(), QPoint(end, designedBar_.y2()));
}

void RadicalPage::rejectInput() {
    showMessage(QStringLiteral("错误：被开方数输入不合法"), Dialogs::Icon::Exclamation);
    clearClicked();
}

void RadicalPage::computeClicked() {
    const QString text = radicand_->text();
    const double value = leadingNumber(text);
    // A number beyond the range of doubles reads as infinite and has no root to show.
    if (text.isEmpty() || text.size() > kMaxInputLength || value < 0 || !std::isfinite(value)) {
        rejectInput();
        return;
    }
    wholeOne_->hide();
    if (value == 0) {
        setRadicalVisible(false);
        showResultTexts(QString(), QStringLiteral("0"));
        coefficient_->hide();
        remaining_->show();
        decimal_->setText(QStringLiteral("0"));
        setReduced(value);
        host().playCompletionSound();
        return;
    }
    decimal_->setText(QString::fromStdString(QuadraticNumber::squareRootOf(value).text()));
    const std::optional<Radical> result = reduceRadical(host(), this, value);
    if (!result) return;
    showResultTexts(numberText(result->m), numberText(result->r));
    applyDisplayRules(value);
    setReduced(value);
}

void RadicalPage::applyDisplayRules(double input) {
    coefficient_->setVisible(leadingNumber(coefficient_->text()) != 1);
    const bool rootShown = leadingNumber(remaining_->text()) != 1;
    remaining_->setVisible(rootShown);
    setRadicalVisible(rootShown);
    wholeOne_->setVisible(input == 1);
}

void RadicalPage::clearClicked() {
    // A reduction still waiting for its turn must not fill the emptied result in afterwards.
    host().tasks().supersede(this);
    radicand_->clear();
    setRadicalVisible(false);
    coefficient_->hide();
    remaining_->hide();
    wholeOne_->hide();
    decimal_->clear();
    setReduced(std::nullopt);
}

void RadicalPage::stepsClicked() {
    stepsWindow().open(this, steps());
}

void RadicalPage::setReduced(std::optional<double> value) {
    reduced_ = value;
    if (stepsWindow().follows(this)) stepsWindow().showSteps(QString(), steps());
}

std::vector<MathBox> RadicalPage::steps() const {
    if (!reduced_) return {};
    return RadicalSteps::of(*reduced_);
}

}  // namespace zeto
