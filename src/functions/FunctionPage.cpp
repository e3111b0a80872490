#include "functions/FunctionPage.h"

#include "functions/core/FormulaSource.h"
#include "functions/core/FunctionKind.h"
#include "plane/core/RecordedInputs.h"
#include "platform/ColorSwatch.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "script/core/CompiledFormula.h"
#include "script/core/ScriptHost.h"
#include "shell/PlaneAccess.h"
#include "shell/PlotFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeto {
namespace {

// The formula as the plot evaluates it: compiled once, X bound at every sample.
class CompiledSource : public FormulaSource {
  public:
    CompiledSource(script::ScriptHost& engine, const QString& formula)
        : formula_(engine, formula, "fc", {"x"}) {}
    script::Value at(const script::Value& x) override { return formula_.evaluate(x); }
    const script::CompiledFormula& compiled() const { return formula_; }

  private:
    script::CompiledFormula formula_;
};

// The formula with its one-letter names bound as well, at the values of a plot's coefficients:
// what the plot is drawn again and analysed with when a slider moves a letter.
class LetterSource : public FormulaSource {
  public:
    LetterSource(const script::CompiledFormula& formula, const std::array<double, 3>& letters)
        : formula_(formula), count_(formula.variables().size()) {
        for (std::size_t k = 1; k < count_; ++k) values_[k] = script::Value::number(letters[k - 1]);
    }
    script::Value at(const script::Value& x) override {
        values_[0] = x;
        return formula_.evaluate(values_.data(), count_);
    }

  private:
    const script::CompiledFormula& formula_;
    std::size_t count_;
    std::array<script::Value, 4> values_;
};

// Most letters a plot offers sliders for.
constexpr std::size_t kMostLetters = 3;

}  // namespace

// The letter version of the formula, compiled once the plot has compiled its own; shared by
// the plot's description, which outlives the page's run.
struct LetterFormula {
    std::unique_ptr<script::CompiledFormula> compiled;
};

namespace {

// How a plot of a function is drawn, as its description says: the first time and again.
GraphPlan planOf(const PlotDescription& d) {
    GraphPlan plan;
    plan.start = d.start;
    plan.end = d.end;
    plan.lineMethod = d.lineMethod;
    plan.pointStep = d.pointStep;
    plan.labelled = d.labelled;
    return plan;
}

const QString kFormulaFailure = QStringLiteral("自定义画图出错，请严格按照计算机数学符号规范书写!");

}  // namespace

FunctionPage::FunctionPage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    setObjectName(QStringLiteral("FunctionPage"));
    buildLayout();
}

void FunctionPage::buildLayout() {
    QGroupBox* kindFrame = addFrame("Frame1", QStringLiteral("函数类型"), 240, 540, 2760, 855);
    addLabel(kindFrame, "Label6", QStringLiteral("选择:"), 120, 405);
    kindList_ = new QComboBox(kindFrame);
    kindList_->setObjectName(QStringLiteral("fsort"));
    for (const FunctionKind& kind : FunctionCatalogue::kinds()) kindList_->addItem(kind.item);
    kindList_->setCurrentIndex(-1);
    placeIn(kindList_, 630, 345, 1905, 300);
    // Choosing the kind already shown applies it again, as a fresh choice does.
    connect(kindList_, &QComboBox::activated, this, [this] { kindChosen(); });

    QGroupBox* domainFrame = addFrame("Frame2", QStringLiteral("定义域"), 3240, 540, 1695, 855);
    addLabel(domainFrame, "Label8", QStringLiteral("["), 240, 400);
    domainStart_ = addField(domainFrame, "zy1", QStringLiteral("-5"), 360, 360, 390, 285);
    addLabel(domainFrame, "Label7", QStringLiteral(","), 770, 400);
    domainEnd_ = addField(domainFrame, "zy2", QStringLiteral("5"), 840, 360, 345, 285);
    addLabel(domainFrame, "Label9", QStringLiteral("]"), 1200, 400);

    QGroupBox* coefficientFrame =
        addFrame("Frame3", QStringLiteral("函数系数"), 240, 1620, 4695, 1335);
    addLabel(coefficientFrame, "Label10", QStringLiteral("解析式:"), 120, 360);
    formulaCaption_ =
        addLabel(coefficientFrame, "JXS", QStringLiteral("Y=KX+B"), 960, 360, 2415, 255);
    makeTextRed(formulaCaption_);
    const char* captionNames[3] = {"CXS1", "CXS2", "CXS3"};
    const char* fieldNames[3] = {"XS1", "XS2", "XS3"};
    const QString captions[3] = {QStringLiteral("K="), QStringLiteral("B="), QStringLiteral("C=")};
    const int captionLefts[3] = {120, 1080, 2040};
    const int fieldLefts[3] = {360, 1320, 2280};
    for (int k = 0; k < 3; ++k) {
        fieldCaptions_[k] = addLabel(coefficientFrame, captionNames[k], captions[k],
                                     captionLefts[k], 720, 240, 255);
        coefficientFields_[k] = addNumberField(coefficientFrame, fieldNames[k], QStringLiteral("1"),
                                               fieldLefts[k], 690, 615, 285);
    }
    formulaField_ =
        addField(coefficientFrame, "zdyjxs", QStringLiteral("X+1/X"), 1155, 330, 3135, 285);
    makeTextRed(formulaField_);
    formulaField_->hide();
    formulaHint_ = addLabel(
        coefficientFrame, "note",
        QStringLiteral(
            "注意：输入自定义函数式时用\"X\"代表自变量，其它数学符号请严格按照计算机数学符号规范"
            "书写(详见帮助)，否则会造成错误。同时也请注意函数的定义域。"),
        120, 645, 4455, 615);
    formulaHint_->setWordWrap(true);
    formulaHint_->hide();

    QGroupBox* styleFrame = addFrame("Frame4", QStringLiteral("图象样式"), 240, 3060, 4695, 615);
    addLabel(styleFrame, "Label11", QStringLiteral("图像颜色:"), 240, 270);
    graphColor_ = new ColorSwatch(styleFrame);
    graphColor_->setObjectName(QStringLiteral("tucolor"));
    placeIn(graphColor_, 1080, 240, 855, 255);
    connect(graphColor_, &ColorSwatch::clicked, this, &FunctionPage::chooseGraphColor);
    labelled_ = new QCheckBox(QStringLiteral("写出解析式"), styleFrame);
    labelled_->setObjectName(QStringLiteral("funchk"));
    labelled_->setChecked(true);
    labelled_->adjustSize();
    moveTwips(labelled_, 2640, 240);

    QPushButton* plot = addButton("Command2", QStringLiteral("作图..."), 5280, 660, 1425, 345);
    connect(plot, &QPushButton::clicked, this, &FunctionPage::plotClicked);
    // Enter in the last coefficient or in the formula plots at once.
    connect(coefficientFields_[2], &QLineEdit::returnPressed, plot, &QPushButton::click);
    connect(formulaField_, &QLineEdit::returnPressed, plot, &QPushButton::click);
    addPlaneButtons("Command3", "Command4", "Command9");

    addIcon("Image4", QStringLiteral("\\data\\page2.png"), 5760, 2940);
}

void FunctionPage::selectKind(const QString& item) {
    kindList_->setCurrentText(item);
    kindChosen();
}

void FunctionPage::kindChosen() {
    const FunctionKind* kind = FunctionCatalogue::find(kindList_->currentText());
    if (!kind) return;
    kind_ = kind;
    for (int k = 2; k >= 0; --k) {
        fieldCaptions_[k]->setVisible(kind->shows(k));
        coefficientFields_[k]->setVisible(kind->shows(k));
    }
    if (kind->formula) formulaField_->show();
    formulaCaption_->setText(kind->caption);
    for (int k = 0; k < 3; ++k)
        if (kind->shows(k)) fieldCaptions_[k]->setText(kind->fieldCaptions[k]);
    if (kind->writesLogDefaults) {
        domainStart_->setText(QStringLiteral("0.01"));
        coefficientFields_[0]->setText(QStringLiteral("10"));
    }
    formulaField_->setVisible(kind->formula);
    formulaHint_->setVisible(kind->formula);
    labelled_->setVisible(!kind->formula);
}

BgrColor FunctionPage::graphColor() const {
    return graphColor_->color();
}

void FunctionPage::chooseGraphColor() {
    auto chosen = dialogs().chooseColor(window(), graphColor_->qcolor());
    if (chosen) graphColor_->setColor(bgrFromColor(*chosen));
}

void FunctionPage::plotClicked() {
    if (!kind_ || PlotFrame::busy(*this)) return;
    const double start = leadingNumber(domainStart_->text());
    const double end = leadingNumber(domainEnd_->text());
    // The plane reaches at most 20 either way: the largest axis length the settings allow.
    if (!(start >= -20 && end <= 20 && end >= start))
        return showMessage(QStringLiteral("定义域设置错误，必须在-20到20间"),
                           Dialogs::Icon::Exclamation);
    const PlaneSettings& settings = plane().settings();
    if (settings.lineMethod) plane().showPlane();
    const QString refusal = kind_->refusal(leadingNumber(coefficientFields_[0]->text()), start);
    if (!refusal.isEmpty()) return showMessage(refusal, Dialogs::Icon::Exclamation);

    PlotDescription description =
        PlotDescription::drawnWith(kind_->graph, settings, graphColor_->color());
    description.start = start;
    description.end = end;
    description.labelled = !kind_->formula && labelled_->isChecked();
    if (kind_->formula) return plotFormula(description);

    const FunctionKind& kind = *kind_;
    const GraphPlan plan = planOf(description);
    for (int k = 0; k < 3; ++k)
        if (kind.shows(k)) description.coefficientNames.push_back(kind.fieldCaptions[k]);
    description.redraw = [&kind](const PlotDescription& d, PlotCanvas& canvas) {
        if (!kind.refusal(d.coefficients[0], d.start).isEmpty())
            throw VbError(VbError::InvalidProcedureCall);
        RecordedInputs inputs(d);
        kind.plot(kind, planOf(d), canvas, inputs);
    };
    PlotFrame::run(
        *this, {{coefficientFields_[0], coefficientFields_[1], coefficientFields_[2]}, graphColor_},
        description, [&](PlotRecording& canvas, PlotInputs& inputs) {
            return kind.plot(kind, plan, canvas, inputs);
        });
}

void FunctionPage::plotFormula(const PlotDescription& base) {
    PlotDescription description = base;
    description.formula = formulaField_->text();
    GraphPlan plan = planOf(description);
    const FunctionKind& kind = *kind_;
    // The letters get their values when the plot has compiled the formula: the description's
    // evaluations read them from here.
    auto letters = std::make_shared<LetterFormula>();
    description.value = [letters](double x, const std::array<double, 3>& c) {
        if (!letters->compiled) throw VbError(VbError::InvalidProcedureCall);
        LetterSource source(*letters->compiled, c);
        return source.at(script::Value::number(x)).toNumber();
    };
    description.redraw = [letters, &kind](const PlotDescription& d, PlotCanvas& canvas) {
        if (!letters->compiled) throw VbError(VbError::InvalidProcedureCall);
        LetterSource source(*letters->compiled, d.coefficients);
        GraphPlan again = planOf(d);
        again.formula = &source;
        RecordedInputs inputs(d);
        kind.plot(kind, again, canvas, inputs);
    };
    PlotFrame::run(
        *this, {{coefficientFields_[0], coefficientFields_[1], coefficientFields_[2]}, graphColor_},
        description,
        [&](PlotRecording& canvas, PlotInputs& inputs) {
            CompiledSource formula(engine(), description.formula);
            plan.formula = &formula;
            if (!kind.plot(kind, plan, canvas, inputs)) return false;
            bindLetters(formula.compiled(), *letters, canvas);
            return true;
        },
        [this](const VbError& error) { return reportPlotFailure(error); });
}

void FunctionPage::bindLetters(const script::CompiledFormula& plotted, LetterFormula& letters,
                               PlotRecording& plot) {
    std::vector<std::string> variables{"x"};
    PlotDescription& description = plot.description();
    for (const std::string& letter : plotted.oneLetterNames()) {
        if (variables.size() > kMostLetters) break;
        variables.push_back(letter);
        const std::size_t k = variables.size() - 2;
        // A letter starts at the value it had when the graph was drawn: 0 when nothing set it.
        const script::Value now = engine().variable(letter);
        double value = 0;
        try {
            value = now.toNumber();
        } catch (const VbError&) {
        }
        description.coefficients[k] = value;
        description.coefficientTexts[k] = numberText(value);
        description.coefficientNames.push_back(QString::fromStdString(letter).toUpper());
    }
    letters.compiled =
        std::make_unique<script::CompiledFormula>(engine(), description.formula, "fc", variables);
}

bool FunctionPage::reportPlotFailure(const VbError& error) {
    if (!dynamic_cast<const script::FormulaError*>(&error)) {
        showMessage(QStringLiteral("画图出错，请检查参数是否设置正确"), Dialogs::Icon::Exclamation);
        // A sample the plane could not take ends the plot without the completion sound.
        return false;
    }
    reportFormulaFailure(kFormulaFailure, error, formulaField_);
    return false;
}

}  // namespace zeto
