#include "tools/RadicalPage.h"

#include "platform/Dialogs.h"
#include "platform/LineShape.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/ProgramFiles.h"
#include "shell/NumberCheck.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"
#include "tools/LabelFit.h"
#include "tools/Mysqr.h"
#include "tools/core/QuadraticNumber.h"

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

RadicalPage::RadicalPage(Shell& shell, int pageTopPixels, QWidget* parent)
    : TabPage(shell, pageTopPixels, parent) {
    buildInputFrame();
    buildResultFrame();

    auto* compute = new QPushButton(QStringLiteral("计算(&S)"), this);
    compute->setObjectName(QStringLiteral("Command1"));
    place(compute, 5520, 660, 1215, 330);
    connect(compute, &QPushButton::clicked, this, &RadicalPage::Command1_Click);

    auto* clear = new QPushButton(QStringLiteral("清空(&R)"), this);
    clear->setObjectName(QStringLiteral("Command5"));
    place(clear, 5520, 1140, 1215, 330);
    connect(clear, &QPushButton::clicked, this, &RadicalPage::Command5_Click);

    addIcon("Image1", QStringLiteral("\\data\\page1.png"), 5880, 2100);
}

void RadicalPage::buildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("被开方数"), this);
    frame->setObjectName(QStringLiteral("Frame5"));
    place(frame, 360, 540, 4935, 855);

    placeIn(makeLabel(frame, "Label3", QStringLiteral("被开方数:")), 240, 405, 1200, 240);
    sqrx_ = new QLineEdit(QStringLiteral("8"), frame);
    NumberCheck::watch(shell(), sqrx_);
    sqrx_->setObjectName(QStringLiteral("sqrx"));
    placeIn(sqrx_, 1110, 360, 3345, 255);
    connect(sqrx_, &QLineEdit::returnPressed, this, &RadicalPage::Command1_Click);
}

void RadicalPage::buildResultFrame() {
    auto* frame = new QGroupBox(QStringLiteral("结果"), this);
    frame->setObjectName(QStringLiteral("Fsqr"));
    place(frame, 360, 1500, 4935, 2010);

    placeIn(makeLabel(frame, "Label2", QStringLiteral("最简根式:")), 240, 465, 855, 255);

    mm_ = makeLabel(frame, "mm", QStringLiteral("0"));
    mm_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spec_ = makeLabel(frame, "spec", QStringLiteral("1"));
    placeIn(spec_, 1260, 480, 240, 255);
    nn_ = makeLabel(frame, "nn", QStringLiteral("0"));
    nn_->setAlignment(Qt::AlignCenter);

    // The radical sign: the bar over the radicand, the long stroke down to the left and the
    // short hook rising back up.
    const char* names[3] = {"Line1", "Line2", "Line3"};
    const int ends[3][4] = {{1830, 360, 3030, 360}, {1830, 360, 1710, 720}, {1695, 690, 1620, 540}};
    for (int k = 0; k < 3; ++k) {
        lines_[k] = new LineShape(frame);
        lines_[k]->setObjectName(QString::fromLatin1(names[k]));
        lines_[k]->setLineTwips(ends[k][0], ends[k][1], ends[k][2], ends[k][3]);
    }
    designedBar_ = lines_[0]->line();
    showResultTexts(QStringLiteral("0"), QStringLiteral("0"));

    placeIn(makeLabel(frame, "Label5", QStringLiteral("精确值:")), 240, 960, 720, 255);
    jqz_ = makeLabel(frame, "jqz", QString());
    placeIn(jqz_, 960, 960, 3735, 255);
    placeIn(makeLabel(frame, "Label4", QStringLiteral("注意：被开方数必须大于等于0")), 240, 1440,
            3030, 210);

    mm_->hide();
    spec_->hide();
    nn_->hide();
    setRadicalVisible(false);
}

void RadicalPage::setRadicalVisible(bool visible) {
    for (LineShape* line : lines_) line->setVisible(visible);
}

void RadicalPage::showResultTexts(const QString& m, const QString& r) {
    mm_->setText(m);
    fitLabel(mm_, twipsRect(780, 480, 735, 255));
    nn_->setText(r);
    fitLabel(nn_, twipsRect(1950, 480, 960, 255));
    // The bar reaches over a radicand wider than designed.
    const int end = std::max(designedBar_.x2(), nn_->geometry().right());
    lines_[0]->setLine(designedBar_.p1(), QPoint(end, designedBar_.y2()));
}

void RadicalPage::rejectInput() {
    shell().dialogs().message(shell().mainWidget(), QStringLiteral("错误：被开方数输入不合法"),
                              Dialogs::Icon::Exclamation);
    Command5_Click();
}

void RadicalPage::Command1_Click() {
    const QString text = sqrx_->text();
    const double value = leadingNumber(text);
    // A number beyond the range of doubles reads as infinite and has no root to show.
    if (text.isEmpty() || text.size() > kMaxInputLength || value < 0 || !std::isfinite(value)) {
        rejectInput();
        return;
    }
    spec_->hide();
    if (value == 0) {
        setRadicalVisible(false);
        showResultTexts(QString(), QStringLiteral("0"));
        mm_->hide();
        nn_->show();
        jqz_->setText(QStringLiteral("0"));
        shell().soundout();
        return;
    }
    jqz_->setText(QString::fromStdString(QuadraticNumber::squareRootOf(value).text()));
    const std::optional<Radical> result = mysqr(shell(), this, value);
    if (!result) return;
    showResultTexts(numberText(result->m), numberText(result->r));
    applyDisplayRules(value);
}

void RadicalPage::applyDisplayRules(double input) {
    mm_->setVisible(leadingNumber(mm_->text()) != 1);
    const bool rootShown = leadingNumber(nn_->text()) != 1;
    nn_->setVisible(rootShown);
    setRadicalVisible(rootShown);
    spec_->setVisible(input == 1);
}

void RadicalPage::Command5_Click() {
    // A reduction still waiting for its turn must not fill the emptied result in afterwards.
    shell().tasks().supersede(this);
    sqrx_->clear();
    setRadicalVisible(false);
    mm_->hide();
    nn_->hide();
    spec_->hide();
    jqz_->clear();
}

}  // namespace zeto
