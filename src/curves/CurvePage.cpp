#include "curves/CurvePage.h"

#include "curves/core/CurveKind.h"
#include "plane/core/RecordedInputs.h"
#include "platform/ColorSwatch.h"
#include "platform/Twips.h"
#include "shell/PlaneAccess.h"
#include "shell/PlotFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeto {

CurvePage::CurvePage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    setObjectName(QStringLiteral("CurvePage"));
    buildLayout();
}

void CurvePage::buildLayout() {
    QGroupBox* kindFrame = addFrame("Frame8", QStringLiteral("曲线类型"), 240, 540, 4680, 855);
    addLabel(kindFrame, "Label26", QStringLiteral("选择:"), 120, 405);
    kindList_ = new QComboBox(kindFrame);
    kindList_->setObjectName(QStringLiteral("qusort"));
    for (const CurveKind& kind : CurveCatalogue::kinds()) kindList_->addItem(kind.item);
    kindList_->setCurrentIndex(-1);
    placeIn(kindList_, 600, 345, 3825, 300);
    connect(kindList_, &QComboBox::activated, this, [this] { kindChosen(); });

    QGroupBox* coefficientFrame =
        addFrame("Frame7", QStringLiteral("曲线系数"), 240, 1620, 4695, 1215);
    addLabel(coefficientFrame, "Label25", QStringLiteral("方程:"), 120, 360);
    equationCaption_ =
        addLabel(coefficientFrame, "QFC", QStringLiteral("Y=KX+B"), 960, 360, 3015, 255);
    makeTextRed(equationCaption_);
    const char* captionNames[3] = {"CQXS1", "CQXS2", "CQXS3"};
    const char* fieldNames[3] = {"QXS1", "QXS2", "QXS3"};
    const QString captions[3] = {QStringLiteral("A="), QStringLiteral("B="), QStringLiteral("C=")};
    const int captionLefts[3] = {120, 1080, 2040};
    const int fieldLefts[3] = {360, 1320, 2400};
    for (int k = 0; k < 3; ++k) {
        fieldCaptions_[k] = addLabel(coefficientFrame, captionNames[k], captions[k],
                                     captionLefts[k], 720, 240, 255);
        coefficientFields_[k] = addNumberField(coefficientFrame, fieldNames[k], QStringLiteral("1"),
                                               fieldLefts[k], 690, 615, 285);
    }

    QGroupBox* styleFrame = addFrame("Frame6", QStringLiteral("图象样式"), 240, 3060, 4695, 615);
    addLabel(styleFrame, "Label13", QStringLiteral("图像颜色:"), 240, 270);
    curveColor_ = new ColorSwatch(styleFrame);
    curveColor_->setObjectName(QStringLiteral("qucolor"));
    placeIn(curveColor_, 1080, 240, 855, 255);
    connect(curveColor_, &ColorSwatch::clicked, this, &CurvePage::chooseCurveColor);
    directrices_ = new QCheckBox(QStringLiteral("画出准线"), styleFrame);
    directrices_->setObjectName(QStringLiteral("quchk"));
    directrices_->adjustSize();
    moveTwips(directrices_, 2760, 240);

    QPushButton* plot = addButton("Command8", QStringLiteral("作图..."), 5280, 660, 1425, 345);
    connect(plot, &QPushButton::clicked, this, &CurvePage::plotClicked);
    connect(coefficientFields_[2], &QLineEdit::returnPressed, plot, &QPushButton::click);
    addPlaneButtons("Command7", "Command6", "Command10");

    addIcon("Image5", QStringLiteral("\\data\\page3.png"), 5760, 2940);
}

void CurvePage::selectKind(const QString& item) {
    kindList_->setCurrentText(item);
    kindChosen();
}

void CurvePage::kindChosen() {
    const CurveKind* kind = CurveCatalogue::find(kindList_->currentText());
    if (!kind) return;
    kind_ = kind;
    for (int k = 0; k < 3; ++k) {
        coefficientFields_[k]->setVisible(kind->shows(k));
        fieldCaptions_[k]->setVisible(kind->shows(k));
    }
    for (int k = 0; k < 3; ++k)
        if (kind->shows(k)) fieldCaptions_[k]->setText(kind->fieldCaptions[k]);
    equationCaption_->setText(kind->caption);
    directrices_->setVisible(kind->directrix);
}

void CurvePage::chooseCurveColor() {
    auto chosen = dialogs().chooseColor(window(), curveColor_->qcolor());
    if (chosen) curveColor_->setColor(bgrFromColor(*chosen));
}

void CurvePage::plotClicked() {
    if (!kind_ || PlotFrame::busy(*this)) return;
    // Fields hidden for the selected curve are not looked at, whatever they hold.
    for (QLineEdit* field : coefficientFields_) {
        if (!field->isHidden() && field->text().isEmpty()) {
            showMessage(QStringLiteral("未填系数"), Dialogs::Icon::None);
            return;
        }
    }
    const PlaneSettings& settings = plane().settings();
    if (settings.lineMethod) plane().showPlane();

    PlotDescription description =
        PlotDescription::drawnWith(kind_->graph, settings, curveColor_->color());
    description.directrices = kind_->directrix && directrices_->isChecked();
    CurvePlan plan;
    plan.lineMethod = description.lineMethod;
    plan.pointStep = description.pointStep;
    plan.axisLength = description.axisLength;
    plan.penWidth = description.penWidth;
    plan.directrices = description.directrices;

    const CurveKind& kind = *kind_;
    for (int k = 0; k < 3; ++k)
        if (kind.shows(k)) description.coefficientNames.push_back(kind.fieldCaptions[k]);
    description.redraw = [&kind, plan](const PlotDescription& d, PlotCanvas& canvas) {
        RecordedInputs inputs(d);
        kind.plot(kind, plan, canvas, inputs);
    };
    PlotFrame::run(
        *this, {{coefficientFields_[0], coefficientFields_[1], coefficientFields_[2]}, curveColor_},
        description, [&](PlotRecording& canvas, PlotInputs& inputs) {
            return kind.plot(kind, plan, canvas, inputs);
        });
}

}  // namespace zeto
