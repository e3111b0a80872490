#include "tools/SequencePage.h"

#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "shell/PlaneAccess.h"
#include "shell/PlotFrame.h"
#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"
#include "tools/StepsWindow.h"
#include "tools/core/SequenceMath.h"
#include "tools/core/SequencePlotter.h"
#include "tools/core/SequenceSteps.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace zeto {
namespace {

const QString kArithmetic = QStringLiteral("等差数列");
const QString kGeometric = QStringLiteral("等比数列");
const QString kCustom = QStringLiteral("自定义数列");

// Designed lefts of the parameter row in `Frame15`: captions, then their fields.
constexpr int kCaptionLeft[3] = {120, 960, 1920};
constexpr int kFieldLeft[3] = {360, 1320, 2280};
constexpr int kCaptionTop = 720;
constexpr int kFieldTop = 690;
constexpr int kFieldWidth = 495;
constexpr int kFieldHeight = 270;

// The designed box of a wrapped hint holds its lines at the line height of the classic 9 pt
// face; a face with looser lines would push the last line out of the frame, so the box takes
// the room left in the frame and the lines close up as far as that needs.
void fitWrappedText(QLabel* label, int roomHeight) {
    label->resize(label->width(), std::max(label->height(), roomHeight));
    const QString plain = label->text();
    for (int percent = 95; percent >= 65; percent -= 5) {
        if (label->heightForWidth(label->width()) <= label->height()) return;
        label->setText(QStringLiteral("<p style=\"margin:0; line-height:%1%\">%2</p>")
                           .arg(percent)
                           .arg(plain.toHtmlEscaped()));
    }
}

// The large "S" of the sum row; a heavy fallback where the designed face is not installed.
QFont sumSignFont() {
    QFont font(QStringLiteral("Arial Black"));
    font.setPointSizeF(26.25);
    if (!QFontInfo(font).family().contains(QLatin1String("Arial Black"), Qt::CaseInsensitive))
        font.setWeight(QFont::Black);
    return font;
}

}  // namespace

SequencePage::SequencePage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    QGroupBox* previewFrame =
        addFrame("Frame14", QStringLiteral("数列预览:"), 240, 600, 1455, 3135);
    preview_ = new QListWidget(previewFrame);
    preview_->setObjectName(QStringLiteral("SLEXP"));
    preview_->setToolTip(QStringLiteral("括号里的是项数"));
    // Every item is one line of the same font: the list need not measure each one.
    preview_->setUniformItemSizes(true);
    placeIn(preview_, 120, 240, 1215, 2760);

    QGroupBox* kindFrame = addFrame("Frame13", QStringLiteral("数列类型:"), 1800, 600, 3615, 855);
    addLabel(kindFrame, "Label18", QStringLiteral("选择:"), 240, 360);
    kindList_ = new QComboBox(kindFrame);
    kindList_->setObjectName(QStringLiteral("slsort"));
    kindList_->addItems({kArithmetic, kGeometric, kCustom});
    // Nothing is selected until start-up picks the first kind.
    kindList_->setCurrentIndex(-1);
    placeIn(kindList_, 720, 300, 2655, 300);

    QGroupBox* termFrame = addFrame("Frame15", QStringLiteral("通项公式:"), 1800, 1560, 3615, 1095);
    addLabel(termFrame, "Label19", QStringLiteral("通项公式:"), 120, 360);
    termCaption_ = addLabel(termFrame, "TXGS", QStringLiteral("An="), 960, 360, 2175, 255);
    makeTextRed(termCaption_);
    const char* captionNames[3] = {"CLXS1", "CLXS2", "CLXS3"};
    const char* fieldNames[3] = {"LXS1", "LXS2", "LXS3"};
    const QString captions[3] = {QStringLiteral("d="), QStringLiteral("a1="),
                                 QStringLiteral("an=")};
    const QString values[3] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")};
    for (int k = 0; k < 3; ++k) {
        parameterCaptions_[k] =
            addLabel(termFrame, captionNames[k], captions[k], kCaptionLeft[k], kCaptionTop);
        parameterFields_[k] = addNumberField(termFrame, fieldNames[k], values[k], kFieldLeft[k],
                                             kFieldTop, kFieldWidth, kFieldHeight);
    }
    formulaField_ = addField(termFrame, "Zdytxgs", QStringLiteral("N^2+N+2"), 1250, 330, 2175, 270);
    makeTextRed(formulaField_);
    formulaHint_ = addLabel(
        termFrame, "note2",
        QStringLiteral("注意:用\"N\"代表项数，其它数学符号请严格按照计算机数学符号规范书写"), 120,
        650, 3375, 375);
    formulaHint_->setWordWrap(true);
    fitWrappedText(formulaHint_, termFrame->height() - formulaHint_->y() - 2);
    arrangeParameters();

    QGroupBox* sumFrame = addFrame("Frame16", QStringLiteral("前N项和:"), 1800, 2760, 3615, 975);
    QLabel* sumSign = addLabel(sumFrame, "Label23", QStringLiteral("S"), 240, 120, 495, 735);
    sumSign->setFont(sumSignFont());
    sumSign->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A stand-in face sits the letter on the designed face's baseline (Arial Black ascends
    // 1.1 em), so that it stays clear of the frame's caption; the letter is never cut off and
    // its box does not reach over `Sumn`.
    const int designedAscent = qRound(1.1 * QFontInfo(sumSign->font()).pixelSize());
    const int drop = std::max(0, designedAscent - sumSign->fontMetrics().ascent());
    const QSize letter = sumSign->sizeHint();
    sumSign->setGeometry(sumSign->x(), sumSign->y() + drop, letter.width(),
                         std::max(sumSign->height(), letter.height()));
    termCount_ = addField(sumFrame, "Sumn", QStringLiteral("20"), 650, 500, 495, 270);
    addLabel(sumFrame, "Label24", QStringLiteral("="), 1200, 420);
    sum_ = addLabel(sumFrame, "SUM", QString(), 1320, 440, 1935, 255);

    QPushButton* previewButton =
        addButton("Command15", QStringLiteral("产生预览"), 5640, 720, 1095, 375);
    QPushButton* sumButton =
        addButton("Command16", QStringLiteral("求前N项和"), 5640, 1200, 1095, 375);
    QPushButton* clearButton =
        addButton("Command17", QStringLiteral("清空预览"), 5640, 1680, 1095, 375);
    QPushButton* plotButton =
        addButton("Cmdseqplot", QStringLiteral("描点"), 5640, 2160, 1095, 375);
    QPushButton* stepsButton =
        addButton("Cmdsteps3", QStringLiteral("解题步骤"), 5640, 2640, 1095, 375);

    connect(kindList_, &QComboBox::currentIndexChanged, this, &SequencePage::kindChosen);
    connect(previewButton, &QPushButton::clicked, this, &SequencePage::previewClicked);
    connect(sumButton, &QPushButton::clicked, this, &SequencePage::sumClicked);
    connect(clearButton, &QPushButton::clicked, this, &SequencePage::clearPreviewClicked);
    connect(plotButton, &QPushButton::clicked, this, &SequencePage::plotClicked);
    connect(stepsButton, &QPushButton::clicked, this, &SequencePage::stepsClicked);
    connect(formulaField_, &QLineEdit::returnPressed, this, &SequencePage::sumClicked);
}

void SequencePage::selectKind(const QString& item) {
    kindList_->setCurrentText(item);
    kindChosen();
}

void SequencePage::kindChosen() {
    struct Configuration {
        const QString& item;
        QString formula;
        QString secondCaption;
        bool custom;
    };
    const Configuration table[] = {
        {kArithmetic, QStringLiteral("An=a1+(n-1)d"), QStringLiteral("d="), false},
        {kGeometric, QStringLiteral("An=a1q^(n-1)"), QStringLiteral("q="), false},
        {kCustom, QStringLiteral("An="), QString(), true},
    };
    const QString item = kindList_->currentText();
    auto row = std::find_if(std::begin(table), std::end(table),
                            [&](const Configuration& c) { return c.item == item; });
    if (row == std::end(table)) return;
    termCaption_->setText(row->formula);
    if (!row->custom) {
        parameterCaptions_[0]->setText(QStringLiteral("a1="));
        parameterCaptions_[1]->setText(row->secondCaption);
    }
    for (int k = 0; k < 2; ++k) {
        parameterCaptions_[k]->setVisible(!row->custom);
        parameterFields_[k]->setVisible(!row->custom);
    }
    parameterCaptions_[2]->setVisible(false);
    parameterFields_[2]->setVisible(false);
    formulaField_->setVisible(row->custom);
    formulaHint_->setVisible(row->custom);
    arrangeParameters();
}

// Captions change with the kind; a field moves right only as far as its caption needs, and
// ends before the next caption.
void SequencePage::arrangeParameters() {
    for (int k = 0; k < 3; ++k) {
        parameterCaptions_[k]->adjustSize();
        moveTwips(parameterCaptions_[k], kCaptionLeft[k], kCaptionTop);
        const QRect designed = twipsRect(kFieldLeft[k], kFieldTop, kFieldWidth, kFieldHeight);
        int left = std::max(designed.left(), parameterCaptions_[k]->geometry().right() + 3);
        int right = designed.right();
        if (k < 2) right = std::min(right, twipsToPixels(kCaptionLeft[k + 1]) - 4);
        parameterFields_[k]->setGeometry(left, designed.top(), std::max(right - left + 1, 16),
                                         designed.height());
    }
    // The formula field starts after the general term's caption "An=".
    const QRect designed = twipsRect(1250, 330, 2175, 270);
    const int captionEnd = termCaption_->x() + termCaption_->contentsMargins().left() +
                           termCaption_->fontMetrics().horizontalAdvance(termCaption_->text());
    const int left = std::max(designed.left(), captionEnd + 3);
    formulaField_->setGeometry(left, designed.top(), designed.right() - left + 1,
                               designed.height());
}

SequencePage::Kind SequencePage::currentKind() const {
    const QString item = kindList_->currentText();
    if (item == kArithmetic) return Kind::Arithmetic;
    if (item == kGeometric) return Kind::Geometric;
    if (item == kCustom) return Kind::Custom;
    return Kind::None;
}

void SequencePage::previewClicked() {
    followSteps();
    preview_->clear();
    switch (currentKind()) {
        case Kind::Arithmetic:
            previewComputed(false);
            break;
        case Kind::Geometric:
            previewComputed(true);
            break;
        case Kind::Custom:
            previewCustom();
            break;
        case Kind::None:
            break;
    }
}

void SequencePage::previewComputed(bool geometric) {
    BusyScope task(host(), this, QStringLiteral("生成中..."));
    const std::optional<double> count = plane().settings().previewCount;
    if (!count || *count > kMostListedTerms) return reportDataSize();
    // Items reach the list once per screen frame: every insertion makes the list lay out all
    // its items again, which must not happen at every term of a long preview.
    QStringList pending;
    const auto show = [&] {
        preview_->addItems(pending);
        pending.clear();
    };
    for (double i = 1; i <= *count; ++i) {
        // The fields are read again for every term: an edit during the preview counts.
        const double a1 = leadingNumber(parameterFields_[0]->text());
        std::optional<double> term;
        if (geometric) {
            const auto q = strictNumber(parameterFields_[1]->text());
            if (q) term = geometricTerm(a1, *q, i);
        } else {
            term = arithmeticTerm(a1, leadingNumber(parameterFields_[1]->text()), i);
        }
        if (!term) {
            show();
            return reportDataSize();
        }
        pending << QLatin1Char('(') + numberText(i) + QLatin1Char(')') + numberText(*term);
        if (task.frameDue()) show();
        // A newer preview or a clear has taken the list over: what is pending is not shown.
        if (!task.yield()) return;
    }
    show();
}

namespace {

// The user's formula in N, compiled when its first term is needed: a preview of no terms
// says nothing about the formula.
class TermFormula {
  public:
    TermFormula(script::ScriptHost& engine, const QString& text) : engine_(engine), text_(text) {}

    // Term k; a formula that names nothing the engine knows gives no term.
    script::Value term(double k) {
        if (!compiled_)
            compiled_ = std::make_unique<script::CompiledFormula>(engine_, text_, "fc",
                                                                  std::vector<std::string>{"n"});
        script::Value value = compiled_->evaluate(script::literalValueOf(k, 15));
        if (value.isEmpty()) throw VbError(VbError::VariableUndefined);
        return value;
    }

  private:
    script::ScriptHost& engine_;
    QString text_;
    std::unique_ptr<script::CompiledFormula> compiled_;
};

}  // namespace

void SequencePage::previewCustom() {
    TermFormula formula(engine(), formulaField_->text());
    {
        BusyScope task(host(), this, QStringLiteral("生成中,请稍等..."));
        const std::optional<double> count = plane().settings().previewCount;
        if (!count || *count > kMostFormulaTerms) return reportDataSize();
        for (double i = 1; i <= *count; ++i) {
            try {
                preview_->addItem(QString::fromStdString(formula.term(i).toText()));
            } catch (const VbError& error) {
                return reportFormula(error);
            }
        }
    }
    host().playCompletionSound();
}

void SequencePage::sumClicked() {
    followSteps();
    sum_->setText(QString());
    const Kind kind = currentKind();
    if (kind == Kind::Custom) return sumCustom();
    if (kind == Kind::None) return;

    const double a1 = leadingNumber(parameterFields_[0]->text());
    std::optional<double> sum;
    if (kind == Kind::Arithmetic) {
        sum = arithmeticSum(a1, leadingNumber(parameterFields_[1]->text()),
                            leadingNumber(termCount_->text()));
    } else {
        const auto n = strictNumber(termCount_->text());
        const auto q = strictNumber(parameterFields_[1]->text());
        if (n && q) sum = geometricSum(a1, *q, *n);
    }
    if (!sum) return reportDataSize();
    sum_->setText(numberText(*sum));
    host().playCompletionSound();
}

void SequencePage::sumCustom() {
    TermFormula formula(engine(), formulaField_->text());
    const double n = leadingNumber(termCount_->text());
    if (n > kMostFormulaTerms) return reportDataSize();
    for (double i = 1; i <= n; ++i) {
        try {
            // The running sum is kept as the label shows it, term by term.
            const double sum = leadingNumber(sum_->text()) + formula.term(i).toNumber();
            if (!std::isfinite(sum)) throw VbError(VbError::Overflow);
            sum_->setText(numberText(sum));
        } catch (const VbError& error) {
            return reportFormula(error);
        }
    }
}

void SequencePage::plotClicked() {
    const Kind kind = currentKind();
    // One plot at a time on the plane.
    if (kind == Kind::None || PlotFrame::busy(*this)) return;
    followSteps();
    const PlaneSettings& settings = plane().settings();
    const std::optional<double> count = settings.previewCount;
    std::optional<double> ratio;
    if (kind == Kind::Geometric) ratio = strictNumber(parameterFields_[1]->text());
    if (!count || (kind == Kind::Geometric && !ratio)) return reportDataSize();

    const PlotDescription description = pointsDescription(kind == Kind::Custom, *count);
    const double a1 = description.coefficients[0];
    const double d = description.coefficients[1];
    TermFormula formula(engine(), description.formula);
    const SequencePlotter::Term term = [&](double n) -> std::optional<double> {
        switch (kind) {
            case Kind::Arithmetic:
                return arithmeticTerm(a1, d, n);
            case Kind::Geometric:
                return geometricTerm(a1, *ratio, n);
            default:
                return formula.term(n).toNumber();
        }
    };
    std::unique_ptr<PlotRecording> plot = plane().beginPlot(description);
    try {
        SequencePlotter::plot(*plot, term,
                              {*count, settings.axisLength, settings.penWidth, description.color});
    } catch (const VbError& error) {
        plot->dropIfEmpty();
        plot.reset();
        return reportFormula(error);
    }
    // Points that all lie beyond the plane make no plot.
    plot->dropIfEmpty();
    plot.reset();
    host().playCompletionSound();
    plane().showPlane();
}

PlotDescription SequencePage::pointsDescription(bool custom, double count) {
    const PlaneSettings& settings = plane().settings();
    PlotDescription description;
    description.kind = GraphKind::Points;
    if (custom) {
        description.formula = formulaField_->text();
    } else {
        for (int k = 0; k < 2; ++k) {
            description.coefficientTexts[k] = parameterFields_[k]->text();
            description.coefficients[k] = leadingNumber(description.coefficientTexts[k]);
        }
    }
    // n runs from 1 to the preview's count in steps of 1.
    description.start = 1;
    description.end = count;
    description.lineMethod = false;
    description.pointStep = 1;
    description.axisLength = settings.axisLength;
    description.color = plane().graphColor();
    description.penWidth = SequencePlotter::kDotWidth;
    return description;
}

void SequencePage::stepsClicked() {
    stepsWindow().open(this, steps());
}

void SequencePage::followSteps() {
    if (stepsWindow().follows(this)) stepsWindow().showSteps(QString(), steps());
}

std::vector<MathBox> SequencePage::steps() const {
    switch (currentKind()) {
        case Kind::Arithmetic:
            return SequenceSteps::arithmetic(leadingNumber(parameterFields_[0]->text()),
                                             leadingNumber(parameterFields_[1]->text()));
        case Kind::Geometric:
            return SequenceSteps::geometric(leadingNumber(parameterFields_[0]->text()),
                                            leadingNumber(parameterFields_[1]->text()));
        case Kind::Custom:
            return SequenceSteps::custom(formulaField_->text());
        case Kind::None:
            break;
    }
    return {};
}

void SequencePage::clearPreviewClicked() {
    // Clearing also ends a preview still filling the list.
    host().tasks().supersede(this);
    preview_->clear();
}

void SequencePage::reportDataSize() {
    showMessage(QStringLiteral("错误，数据过大，请将参数调小一点"), Dialogs::Icon::Exclamation);
}

void SequencePage::reportFormula(const VbError& error) {
    reportFormulaFailure(QStringLiteral("自定义数列出错，请严格按照计算机数学符号规范书写!"), error,
                         formulaField_);
}

}  // namespace zeto
