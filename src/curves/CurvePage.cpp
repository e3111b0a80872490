#include "curves/CurvePage.h"

#include "curves/core/CurveCatalogue.h"
#include "curves/core/CurvePlotter.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "shell/PlotFrame.h"
#include "shell/Shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeto {

CurvePage::CurvePage(Shell& shell, int pageTopPixels, QWidget* parent)
    : TabPage(shell, pageTopPixels, parent) {
    setObjectName(QStringLiteral("CurvePage"));
    buildLayout();
}

void CurvePage::buildLayout() {
    QGroupBox* frame8 = addFrame("Frame8", QStringLiteral("曲线类型"), 240, 540, 4680, 855);
    addLabel(frame8, "Label26", QStringLiteral("选择:"), 120, 405);
    qusort_ = new QComboBox(frame8);
    qusort_->setObjectName(QStringLiteral("qusort"));
    for (const CurveKind& kind : CurveCatalogue::kinds()) qusort_->addItem(kind.item);
    qusort_->setCurrentIndex(-1);
    placeIn(qusort_, 600, 345, 3825, 300);
    connect(qusort_, &QComboBox::activated, this, [this] { qusort_Click(); });

    QGroupBox* frame7 = addFrame("Frame7", QStringLiteral("曲线系数"), 240, 1620, 4695, 1215);
    addLabel(frame7, "Label25", QStringLiteral("方程:"), 120, 360);
    QFC_ = addLabel(frame7, "QFC", QStringLiteral("Y=KX+B"), 960, 360, 3015, 255);
    makeTextRed(QFC_);
    const char* captionNames[3] = {"CQXS1", "CQXS2", "CQXS3"};
    const char* fieldNames[3] = {"QXS1", "QXS2", "QXS3"};
    const QString captions[3] = {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")};
    const int captionLefts[3] = {120, 1080, 2040};
    const int fieldLefts[3] = {360, 1320, 2400};
    for (int k = 0; k < 3; ++k) {
        CQXS_[k] = addLabel(frame7, captionNames[k], captions[k], captionLefts[k], 720, 240, 255);
        QXS_[k] = addNumberField(frame7, fieldNames[k], QStringLiteral("1"), fieldLefts[k], 690,
                                 615, 285);
    }

    QGroupBox* frame6 = addFrame("Frame6", QStringLiteral("图象样式"), 240, 3060, 4695, 615);
    addLabel(frame6, "Label13", QStringLiteral("图像颜色:"), 240, 270);
    qucolor_ = new ColorSwatch(frame6);
    qucolor_->setObjectName(QStringLiteral("qucolor"));
    placeIn(qucolor_, 1080, 240, 855, 255);
    connect(qucolor_, &ColorSwatch::clicked, this, &CurvePage::qucolor_Click);
    quchk_ = new QCheckBox(QStringLiteral("画出准线"), frame6);
    quchk_->setObjectName(QStringLiteral("quchk"));
    quchk_->adjustSize();
    moveTwips(quchk_, 2760, 240);

    QPushButton* plot = addButton("Command8", QStringLiteral("作图..."), 5280, 660, 1425, 345);
    connect(plot, &QPushButton::clicked, this, &CurvePage::Command8_Click);
    connect(QXS_[2], &QLineEdit::returnPressed, plot, &QPushButton::click);
    addPlaneButtons("Command7", "Command6", "Command10");

    addIcon("Image5", QStringLiteral("\\data\\page3.png"), 5760, 2940);
}

void CurvePage::selectKind(const QString& item) {
    qusort_->setCurrentText(item);
    qusort_Click();
}

void CurvePage::qusort_Click() {
    auto kind = CurveCatalogue::find(qusort_->currentText());
    if (!kind) return;
    for (int k = 0; k < 3; ++k) {
        QXS_[k]->setVisible(kind->shown[k]);
        CQXS_[k]->setVisible(kind->shown[k]);
    }
    for (int k = 0; k < 3; ++k)
        if (kind->shown[k]) CQXS_[k]->setText(kind->captions[k]);
    QFC_->setText(kind->caption);
    quchk_->setVisible(kind->directrix);
}

void CurvePage::qucolor_Click() {
    auto chosen = shell().dialogs().chooseColor(shell().mainWidget(), qucolor_->qcolor());
    if (chosen) qucolor_->setColor(bgrFromColor(*chosen));
}

void CurvePage::Command8_Click() {
    Shell& sh = shell();
    if (PlotFrame::busy(sh)) return;
    // Fields hidden for the selected curve are not looked at, whatever they hold.
    for (QLineEdit* field : QXS_) {
        if (!field->isHidden() && field->text().isEmpty()) {
            sh.dialogs().message(sh.mainWidget(), QStringLiteral("未填系数"), Dialogs::Icon::None);
            return;
        }
    }
    const PlaneSettings settings = sh.planeSettings();
    if (settings.lineMethod) sh.showPlane();

    CurvePlan plan;
    plan.lineMethod = settings.lineMethod;
    plan.pointStep = settings.JXD;
    plan.sl = settings.sl;
    plan.bl = settings.bl;
    plan.directrices = quchk_->isChecked();
    const QString item = qusort_->currentText();
    const std::optional<CurveRoutine> routine = CurveRoutines::find(item);
    const bool circle = item == QStringLiteral("圆");
    if (!circle && !routine) return;
    PlotFrame::run(sh, {{QXS_[0], QXS_[1], QXS_[2]}, qucolor_}, [&](PlotInputs& inputs) {
        return circle ? CurvePlotter::circle(plan, sh.canvas(), inputs)
                      : CurvePlotter::plot(*routine, plan, sh.canvas(), inputs);
    });
}

}  // namespace zeto
