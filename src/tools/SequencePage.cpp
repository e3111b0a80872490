#include "tools/SequencePage.h"

#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"
#include "tools/core/SequenceMath.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

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

SequencePage::SequencePage(Shell& shell, int pageTopPixels, QWidget* parent)
    : TabPage(shell, pageTopPixels, parent) {
    QGroupBox* Frame14 = addFrame("Frame14", QStringLiteral("数列预览:"), 240, 600, 1455, 3135);
    SLEXP_ = new QListWidget(Frame14);
    SLEXP_->setObjectName(QStringLiteral("SLEXP"));
    SLEXP_->setToolTip(QStringLiteral("括号里的是项数"));
    // Every item is one line of the same font: the list need not measure each one.
    SLEXP_->setUniformItemSizes(true);
    placeIn(SLEXP_, 120, 240, 1215, 2760);

    QGroupBox* Frame13 = addFrame("Frame13", QStringLiteral("数列类型:"), 1800, 600, 3615, 855);
    addLabel(Frame13, "Label18", QStringLiteral("选择:"), 240, 360);
    slsort_ = new QComboBox(Frame13);
    slsort_->setObjectName(QStringLiteral("slsort"));
    slsort_->addItems({kArithmetic, kGeometric, kCustom});
    // Nothing is selected until start-up picks the first kind.
    slsort_->setCurrentIndex(-1);
    placeIn(slsort_, 720, 300, 2655, 300);

    QGroupBox* Frame15 = addFrame("Frame15", QStringLiteral("通项公式:"), 1800, 1560, 3615, 1095);
    addLabel(Frame15, "Label19", QStringLiteral("通项公式:"), 120, 360);
    TXGS_ = addLabel(Frame15, "TXGS", QStringLiteral("An="), 960, 360, 2175, 255);
    makeTextRed(TXGS_);
    const char* captionNames[3] = {"CLXS1", "CLXS2", "CLXS3"};
    const char* fieldNames[3] = {"LXS1", "LXS2", "LXS3"};
    const QString captions[3] = {QStringLiteral("d="), QStringLiteral("a1="),
                                 QStringLiteral("an=")};
    const QString values[3] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")};
    for (int k = 0; k < 3; ++k) {
        CLXS_[k] = addLabel(Frame15, captionNames[k], captions[k], kCaptionLeft[k], kCaptionTop);
        LXS_[k] = addNumberField(Frame15, fieldNames[k], values[k], kFieldLeft[k], kFieldTop,
                                 kFieldWidth, kFieldHeight);
    }
    Zdytxgs_ = addField(Frame15, "Zdytxgs", QStringLiteral("N^2+N+2"), 1250, 330, 2175, 270);
    makeTextRed(Zdytxgs_);
    note2_ = addLabel(
        Frame15, "note2",
        QStringLiteral("注意:用\"N\"代表项数，其它数学符号请严格按照计算机数学符号规范书写"), 120,
        650, 3375, 375);
    note2_->setWordWrap(true);
    fitWrappedText(note2_, Frame15->height() - note2_->y() - 2);
    arrangeParameters();

    QGroupBox* Frame16 = addFrame("Frame16", QStringLiteral("前N项和:"), 1800, 2760, 3615, 975);
    QLabel* Label23 = addLabel(Frame16, "Label23", QStringLiteral("S"), 240, 120, 495, 735);
    Label23->setFont(sumSignFont());
    Label23->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A stand-in face sits the letter on the designed face's baseline (Arial Black ascends
    // 1.1 em), so that it stays clear of the frame's caption; the letter is never cut off and
    // its box does not reach over `Sumn`.
    const int designedAscent = qRound(1.1 * QFontInfo(Label23->font()).pixelSize());
    const int drop = std::max(0, designedAscent - Label23->fontMetrics().ascent());
    const QSize letter = Label23->sizeHint();
    Label23->setGeometry(Label23->x(), Label23->y() + drop, letter.width(),
                         std::max(Label23->height(), letter.height()));
    Sumn_ = addField(Frame16, "Sumn", QStringLiteral("20"), 650, 500, 495, 270);
    addLabel(Frame16, "Label24", QStringLiteral("="), 1200, 420);
    SUM_ = addLabel(Frame16, "SUM", QString(), 1320, 440, 1935, 255);

    QPushButton* Command15 =
        addButton("Command15", QStringLiteral("产生预览"), 5640, 720, 1095, 375);
    QPushButton* Command16 =
        addButton("Command16", QStringLiteral("求前N项和"), 5640, 1200, 1095, 375);
    QPushButton* Command17 =
        addButton("Command17", QStringLiteral("清空预览"), 5640, 1680, 1095, 375);

    connect(slsort_, &QComboBox::currentIndexChanged, this, &SequencePage::slsort_Click);
    connect(Command15, &QPushButton::clicked, this, &SequencePage::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &SequencePage::Command16_Click);
    connect(Command17, &QPushButton::clicked, this, &SequencePage::Command17_Click);
    connect(Zdytxgs_, &QLineEdit::returnPressed, this, &SequencePage::Command16_Click);
}

void SequencePage::selectKind(const QString& item) {
    slsort_->setCurrentText(item);
    slsort_Click();
}

void SequencePage::slsort_Click() {
    struct Configuration {
        const QString& item;
        QString formula;
        QString secondCaption;
        bool custom;
    };
    const Configuration table[] = {
        {kArithmetic, QStringLiteral("An=a1+(n-1)d"), QStringLiteral("d="), false},
        {kGeometric, QStringLiteral("An=a1q^n-1"), QStringLiteral("q="), false},
        {kCustom, QStringLiteral("An="), QString(), true},
    };
    const QString item = slsort_->currentText();
    auto row = std::find_if(std::begin(table), std::end(table),
                            [&](const Configuration& c) { return c.item == item; });
    if (row == std::end(table)) return;
    TXGS_->setText(row->formula);
    if (!row->custom) {
        CLXS_[0]->setText(QStringLiteral("a1="));
        CLXS_[1]->setText(row->secondCaption);
    }
    for (int k = 0; k < 2; ++k) {
        CLXS_[k]->setVisible(!row->custom);
        LXS_[k]->setVisible(!row->custom);
    }
    CLXS_[2]->setVisible(false);
    LXS_[2]->setVisible(false);
    Zdytxgs_->setVisible(row->custom);
    note2_->setVisible(row->custom);
    arrangeParameters();
}

// Captions change with the kind; a field moves right only as far as its caption needs, and
// ends before the next caption.
void SequencePage::arrangeParameters() {
    for (int k = 0; k < 3; ++k) {
        CLXS_[k]->adjustSize();
        moveTwips(CLXS_[k], kCaptionLeft[k], kCaptionTop);
        const QRect designed = twipsRect(kFieldLeft[k], kFieldTop, kFieldWidth, kFieldHeight);
        int left = std::max(designed.left(), CLXS_[k]->geometry().right() + 3);
        int right = designed.right();
        if (k < 2) right = std::min(right, twipsToPixels(kCaptionLeft[k + 1]) - 4);
        LXS_[k]->setGeometry(left, designed.top(), std::max(right - left + 1, 16),
                             designed.height());
    }
    // The formula field starts after the general term's caption "An=".
    const QRect designed = twipsRect(1250, 330, 2175, 270);
    const int captionEnd = TXGS_->x() + TXGS_->contentsMargins().left() +
                           TXGS_->fontMetrics().horizontalAdvance(TXGS_->text());
    const int left = std::max(designed.left(), captionEnd + 3);
    Zdytxgs_->setGeometry(left, designed.top(), designed.right() - left + 1, designed.height());
}

SequencePage::Kind SequencePage::currentKind() const {
    const QString item = slsort_->currentText();
    if (item == kArithmetic) return Kind::Arithmetic;
    if (item == kGeometric) return Kind::Geometric;
    if (item == kCustom) return Kind::Custom;
    return Kind::None;
}

void SequencePage::Command15_Click() {
    SLEXP_->clear();
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
    Shell& sh = shell();
    BusyScope task(sh, this, QStringLiteral("生成中..."));
    const auto count = strictNumber(sh.previewCountText());
    if (!count || *count > kMostListedTerms) return reportDataSize();
    // Items reach the list once per screen frame: every insertion makes the list lay out all
    // its items again, which must not happen at every term of a long preview.
    QStringList pending;
    const auto show = [&] {
        SLEXP_->addItems(pending);
        pending.clear();
    };
    for (double i = 1; i <= *count; ++i) {
        sh.shared().i = i;
        // The fields are read again for every term: an edit during the preview counts.
        const double a1 = leadingNumber(LXS_[0]->text());
        std::optional<double> term;
        if (geometric) {
            const auto q = strictNumber(LXS_[1]->text());
            if (q) term = geometricTerm(a1, *q, i);
        } else {
            term = arithmeticTerm(a1, leadingNumber(LXS_[1]->text()), i);
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

void SequencePage::previewCustom() {
    Shell& sh = shell();
    sh.shared().Zdysl = Zdytxgs_->text();
    {
        BusyScope task(sh, this, QStringLiteral("生成中,请稍等..."));
        const auto count = strictNumber(sh.previewCountText());
        if (!count || *count > kMostFormulaTerms) return reportDataSize();
        const std::string formula = sh.shared().Zdysl.toStdString();
        FormulaTargets targets;
        targets.preview = SLEXP_;
        for (double i = 1; i <= *count; ++i) {
            sh.shared().i = i;
            try {
                sh.scripts().run(script::ProcedureText::sequenceTerm(formula, i), targets);
            } catch (const VbError&) {
                return reportFormula();
            }
        }
    }
    sh.soundout();
}

void SequencePage::Command16_Click() {
    Shell& sh = shell();
    SUM_->setText(QString());
    const Kind kind = currentKind();
    if (kind == Kind::Custom) return sumCustom();
    if (kind == Kind::None) return;

    const double a1 = leadingNumber(LXS_[0]->text());
    std::optional<double> sum;
    if (kind == Kind::Arithmetic) {
        sum = arithmeticSum(a1, leadingNumber(LXS_[1]->text()), leadingNumber(Sumn_->text()));
    } else {
        const auto n = strictNumber(Sumn_->text());
        const auto q = strictNumber(LXS_[1]->text());
        if (n && q) sum = geometricSum(a1, *q, *n);
    }
    if (!sum) return reportDataSize();
    SUM_->setText(numberText(*sum));
    sh.soundout();
}

void SequencePage::sumCustom() {
    Shell& sh = shell();
    sh.shared().Zdysl = Zdytxgs_->text();
    const double n = leadingNumber(Sumn_->text());
    if (n > kMostFormulaTerms) return reportDataSize();
    const std::string formula = sh.shared().Zdysl.toStdString();
    FormulaTargets targets;
    targets.sum = SUM_;
    for (double i = 1; i <= n; ++i) {
        sh.shared().i = i;
        try {
            sh.scripts().run(script::ProcedureText::sequenceSum(formula, i), targets);
        } catch (const VbError&) {
            return reportFormula();
        }
    }
}

void SequencePage::Command17_Click() {
    // Clearing also ends a preview still filling the list.
    shell().tasks().supersede(this);
    SLEXP_->clear();
}

void SequencePage::reportDataSize() {
    Shell& sh = shell();
    sh.dialogs().message(sh.mainWidget(), QStringLiteral("错误，数据过大，请将参数调小一点"),
                         Dialogs::Icon::Exclamation);
}

void SequencePage::reportFormula() {
    Shell& sh = shell();
    sh.dialogs().message(sh.mainWidget(),
                         QStringLiteral("自定义数列出错，请严格按照计算机数学符号规范书写!"),
                         Dialogs::Icon::Exclamation);
}

}  // namespace zeto
