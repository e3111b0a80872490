#include "functions/FunctionPage.h"

#include "functions/core/FunctionCatalogue.h"
#include "functions/core/GraphPlotter.h"
#include "plane/core/Sweep.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "shell/PlotFrame.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zeto {

FunctionPage::FunctionPage(Shell& shell, int pageTopPixels, QWidget* parent)
    : TabPage(shell, pageTopPixels, parent) {
    setObjectName(QStringLiteral("FunctionPage"));
    buildLayout();
}

void FunctionPage::buildLayout() {
    QGroupBox* frame1 = addFrame("Frame1", QStringLiteral("函数类型"), 240, 540, 2760, 855);
    addLabel(frame1, "Label6", QStringLiteral("选择:"), 120, 405);
    fsort_ = new QComboBox(frame1);
    fsort_->setObjectName(QStringLiteral("fsort"));
    for (const FunctionKind& kind : FunctionCatalogue::kinds()) fsort_->addItem(kind.item);
    fsort_->setCurrentIndex(-1);
    placeIn(fsort_, 630, 345, 1905, 300);
    // Choosing the kind already shown applies it again, as a fresh choice does.
    connect(fsort_, &QComboBox::activated, this, [this] { fsort_Click(); });

    QGroupBox* frame2 = addFrame("Frame2", QStringLiteral("定义域"), 3240, 540, 1695, 855);
    addLabel(frame2, "Label8", QStringLiteral("["), 240, 400);
    zy1_ = addField(frame2, "zy1", QStringLiteral("-5"), 360, 360, 390, 285);
    addLabel(frame2, "Label7", QStringLiteral(","), 770, 400);
    zy2_ = addField(frame2, "zy2", QStringLiteral("5"), 840, 360, 345, 285);
    addLabel(frame2, "Label9", QStringLiteral("]"), 1200, 400);

    QGroupBox* frame3 = addFrame("Frame3", QStringLiteral("函数系数"), 240, 1620, 4695, 1335);
    addLabel(frame3, "Label10", QStringLiteral("解析式:"), 120, 360);
    JXS_ = addLabel(frame3, "JXS", QStringLiteral("Y=KX+B"), 960, 360, 2415, 255);
    makeTextRed(JXS_);
    const char* captionNames[3] = {"CXS1", "CXS2", "CXS3"};
    const char* fieldNames[3] = {"XS1", "XS2", "XS3"};
    const QString captions[3] = {QStringLiteral("K="), QStringLiteral("B="), QStringLiteral("C=")};
    const int captionLefts[3] = {120, 1080, 2040};
    const int fieldLefts[3] = {360, 1320, 2280};
    for (int k = 0; k < 3; ++k) {
        CXS_[k] = addLabel(frame3, captionNames[k], captions[k], captionLefts[k], 720, 240, 255);
        XS_[k] = addNumberField(frame3, fieldNames[k], QStringLiteral("1"), fieldLefts[k], 690, 615,
                                285);
    }
    zdyjxs_ = addField(frame3, "zdyjxs", QStringLiteral("X+1/X"), 1155, 330, 3135, 285);
    makeTextRed(zdyjxs_);
    zdyjxs_->hide();
    note_ = addLabel(
        frame3, "note",
        QStringLiteral(
            "注意：输入自定义函数式时用\"X\"代表自变量，其它数学符号请严格按照计算机数学符号规范"
            "书写(详见帮助)，否则会造成错误。同时也请注意函数的定义域。"),
        120, 645, 4455, 615);
    note_->setWordWrap(true);
    note_->hide();

    QGroupBox* frame4 = addFrame("Frame4", QStringLiteral("图象样式"), 240, 3060, 4695, 615);
    addLabel(frame4, "Label11", QStringLiteral("图像颜色:"), 240, 270);
    tucolor_ = new ColorSwatch(frame4);
    tucolor_->setObjectName(QStringLiteral("tucolor"));
    placeIn(tucolor_, 1080, 240, 855, 255);
    connect(tucolor_, &ColorSwatch::clicked, this, &FunctionPage::tucolor_Click);
    funchk_ = new QCheckBox(QStringLiteral("写出解析式"), frame4);
    funchk_->setObjectName(QStringLiteral("funchk"));
    funchk_->setChecked(true);
    funchk_->adjustSize();
    moveTwips(funchk_, 2640, 240);

    QPushButton* plot = addButton("Command2", QStringLiteral("作图..."), 5280, 660, 1425, 345);
    connect(plot, &QPushButton::clicked, this, &FunctionPage::Command2_Click);
    // Enter in the last coefficient or in the formula plots at once.
    connect(XS_[2], &QLineEdit::returnPressed, plot, &QPushButton::click);
    connect(zdyjxs_, &QLineEdit::returnPressed, plot, &QPushButton::click);
    addPlaneButtons("Command3", "Command4", "Command9");

    // Carries the generated procedure text of the last engine run; never shown.
    Txtscript_ = new QPlainTextEdit(this);
    Txtscript_->setObjectName(QStringLiteral("Txtscript"));
    Txtscript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(Txtscript_, 5160, 2820, 1575, 975);
    Txtscript_->hide();

    addIcon("Image4", QStringLiteral("\\data\\page2.png"), 5760, 2940);
}

void FunctionPage::selectKind(const QString& item) {
    fsort_->setCurrentText(item);
    fsort_Click();
}

void FunctionPage::fsort_Click() {
    auto kind = FunctionCatalogue::find(fsort_->currentText());
    if (!kind) return;
    shell().shared().funsort = kind->funsort;
    for (int k = 2; k >= 0; --k) {
        CXS_[k]->setVisible(kind->shown[k]);
        XS_[k]->setVisible(kind->shown[k]);
    }
    if (kind->custom) zdyjxs_->show();
    JXS_->setText(kind->caption);
    for (int k = 0; k < 3; ++k)
        if (kind->shown[k]) CXS_[k]->setText(kind->captions[k]);
    if (kind->writesLogDefaults) {
        zy1_->setText(QStringLiteral("0.01"));
        XS_[0]->setText(QStringLiteral("10"));
    }
    zdyjxs_->setVisible(kind->custom);
    note_->setVisible(kind->custom);
    funchk_->setVisible(!kind->custom);
}

BgrColor FunctionPage::graphColor() const {
    return tucolor_->color();
}

void FunctionPage::tucolor_Click() {
    auto chosen = shell().dialogs().chooseColor(shell().mainWidget(), tucolor_->qcolor());
    if (chosen) tucolor_->setColor(bgrFromColor(*chosen));
}

void FunctionPage::warn(const QString& text) {
    shell().dialogs().message(shell().mainWidget(), text, Dialogs::Icon::Exclamation);
}

void FunctionPage::Command2_Click() {
    Shell& sh = shell();
    if (PlotFrame::busy(sh)) return;
    const double start = leadingNumber(zy1_->text());
    const double end = leadingNumber(zy2_->text());
    // The plane reaches at most 20 either way: the largest axis length the settings allow.
    if (!(start >= -20 && end <= 20 && end >= start))
        return warn(QStringLiteral("定义域设置错误，必须在-20到20间"));
    const PlaneSettings settings = sh.planeSettings();
    if (settings.lineMethod) sh.showPlane();

    const int kind = sh.shared().funsort;
    const double base = leadingNumber(XS_[0]->text());
    if (kind == 4 && base <= 0) return warn(QStringLiteral("不能作图，指数函数底数必须大于0"));
    if (kind == 3 && (base <= 0 || base == 1 || start <= 0))
        return warn(QStringLiteral("不能作图，对数函数底数必须大于0且不等于1，定义域也必须大于0"));
    if (kind == 10) return plotFormula();
    const std::optional<GraphRoutine> routine = GraphRoutines::forKind(kind);
    if (!routine) return;

    GraphPlan plan;
    plan.start = start;
    plan.end = end;
    plan.lineMethod = settings.lineMethod;
    plan.pointStep = settings.JXD;
    plan.labelled = funchk_->isChecked();
    PlotFrame::run(sh, {{XS_[0], XS_[1], XS_[2]}, tucolor_}, [&](PlotInputs& inputs) {
        return GraphPlotter::plot(*routine, plan, sh.canvas(), inputs);
    });
}

void FunctionPage::plotFormula() {
    Shell& sh = shell();
    sh.shared().JXSC = zdyjxs_->text();
    {
        BusyScope task = PlotFrame::task(sh);
        if (!task.yield()) return;
        FunctionPlotTarget graph{sh.canvas(), [this] { return tucolor_->color(); }, task};
        FormulaTargets targets;
        targets.plot = &graph;
        const std::string formula = sh.shared().JXSC.toStdString();
        // The abscissa steps in single precision, so no sample of a domain around 0 lands on
        // 0 itself.
        Sweep sweep(leadingNumber(zy1_->text()), leadingNumber(zy2_->text()), 3.1415926535 / 600,
                    Sweep::Precision::Single);
        for (; sweep.more(); sweep.next()) {
            const float x = toSingle(sweep.x());
            sh.shared().ZBL = leadingNumber(singleText(x));
            try {
                sh.scripts().run(script::ProcedureText::functionSample(formula, x), targets);
            } catch (const VbError&) {
                if (task.live())
                    warn(QStringLiteral("自定义画图出错，请严格按照计算机数学符号规范书写!"));
                return;
            }
            // A sample the plane could not take has been reported; the plot ends with it.
            if (graph.failed || !task.live()) return;
        }
    }
    sh.soundout();
    sh.showPlane();
}

}  // namespace zeto
