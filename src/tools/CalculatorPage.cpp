#include "tools/CalculatorPage.h"

#include "platform/core/VbError.h"
#include "script/core/CompiledFormula.h"
#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zeto {
namespace {

// "=" and the value, as a result line reads. A number never comes out as ".5" here, but a
// value the expression built as text may.
QString resultLine(const script::Value& value) {
    // A value that is Empty named something the engine does not know; showing "=" alone would
    // pass that off as a result.
    if (value.isEmpty()) throw VbError(VbError::VariableUndefined);
    QString s = QString::fromStdString(value.toText());
    if (s.startsWith(QLatin1Char('.'))) s.prepend(QLatin1Char('0'));
    if (s.startsWith(QLatin1String("-."))) s = QLatin1String("-0") + s.mid(1);
    return QLatin1Char('=') + s;
}

}  // namespace

CalculatorPage::CalculatorPage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : TabPage(context, pageTopPixels, parent) {
    QGroupBox* inputFrame = addFrame("Frame11", QStringLiteral("输入表达式:"), 360, 660, 4695, 855);
    expression_ = addField(inputFrame, "txtshi", QStringLiteral("log(3.2)/log(10)+cos(3)-2*sqr(2)"),
                           240, 360, 4095, 270);
    makeTextRed(expression_);

    QGroupBox* resultFrame =
        addFrame("Frame12", QStringLiteral("计算结果:"), 360, 1620, 4695, 1935);
    results_ = new QPlainTextEdit(resultFrame);
    results_->setObjectName(QStringLiteral("txtrlt"));
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeIn(results_, 240, 360, 4095, 1335);

    QPushButton* evaluate = addButton("Command12", QStringLiteral("计算"), 5400, 780, 1335, 375);
    QPushButton* clear = addButton("Command13", QStringLiteral("清空结果"), 5400, 1260, 1335, 375);
    QPushButton* copy = addButton("Command14", QStringLiteral("复制结果"), 5400, 1800, 1335, 375);

    connect(evaluate, &QPushButton::clicked, this, &CalculatorPage::evaluateClicked);
    connect(clear, &QPushButton::clicked, this, &CalculatorPage::clearResultsClicked);
    connect(copy, &QPushButton::clicked, this, &CalculatorPage::copyResultsClicked);
    connect(expression_, &QLineEdit::returnPressed, this, &CalculatorPage::evaluateClicked);
}

void CalculatorPage::evaluateClicked() {
    const QString expression = expression_->text();
    if (expression.isEmpty()) {
        showMessage(QStringLiteral("请填入表达式"), Dialogs::Icon::Information);
        return;
    }
    {
        BusyScope task(host(), this, QStringLiteral("计算中,请稍等..."), BusyScope::Lamp::Off);
        try {
            script::CompiledFormula formula(engine(), expression, "eq", {});
            const QString line = resultLine(formula.evaluate({}));
            results_->setPlainText(line + QLatin1String("\r\n") + results_->toPlainText());
        } catch (const VbError& error) {
            reportFormulaFailure(QStringLiteral("计算出错，请严格按照计算机数学符号规范书写!"),
                                 error, expression_);
            return;
        }
    }
    host().playCompletionSound();
}

void CalculatorPage::clearResultsClicked() {
    results_->setPlainText(QString());
}

void CalculatorPage::copyResultsClicked() {
    QGuiApplication::clipboard()->setText(results_->toPlainText());
}

}  // namespace zeto
