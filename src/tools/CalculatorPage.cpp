#include "tools/CalculatorPage.h"

#include "platform/Dialogs.h"
#include "platform/core/VbError.h"
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ProcedureText.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zeto {
CalculatorPage::CalculatorPage(Shell& shell, int pageTopPixels, QWidget* parent)
    : TabPage(shell, pageTopPixels, parent) {
    QGroupBox* Frame11 = addFrame("Frame11", QStringLiteral("输入表达式:"), 360, 660, 4695, 855);
    txtshi_ = addField(Frame11, "txtshi", QStringLiteral("log(3.2)/log(10)+cos(3)-2*sqr(2)"), 240,
                       360, 4095, 270);
    makeTextRed(txtshi_);

    QGroupBox* Frame12 = addFrame("Frame12", QStringLiteral("计算结果:"), 360, 1620, 4695, 1935);
    txtrlt_ = new QPlainTextEdit(Frame12);
    txtrlt_->setObjectName(QStringLiteral("txtrlt"));
    txtrlt_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeIn(txtrlt_, 240, 360, 4095, 1335);

    QPushButton* Command12 = addButton("Command12", QStringLiteral("计算"), 5400, 780, 1335, 375);
    QPushButton* Command13 =
        addButton("Command13", QStringLiteral("清空结果"), 5400, 1260, 1335, 375);
    QPushButton* Command14 =
        addButton("Command14", QStringLiteral("复制结果"), 5400, 1800, 1335, 375);

    connect(Command12, &QPushButton::clicked, this, &CalculatorPage::Command12_Click);
    connect(Command13, &QPushButton::clicked, this, &CalculatorPage::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &CalculatorPage::Command14_Click);
    connect(txtshi_, &QLineEdit::returnPressed, this, &CalculatorPage::Command12_Click);
}

void CalculatorPage::Command12_Click() {
    Shell& sh = shell();
    if (txtshi_->text().isEmpty()) {
        sh.dialogs().message(sh.mainWidget(), QStringLiteral("请填入表达式"),
                             Dialogs::Icon::Information);
        return;
    }
    sh.shared().BDS = txtshi_->text();
    {
        BusyScope task(sh, this, QStringLiteral("计算中,请稍等..."), BusyScope::Lamp::Off);
        try {
            FormulaTargets targets;
            targets.results = txtrlt_;
            sh.scripts().run(script::ProcedureText::calculator(sh.shared().BDS.toStdString()),
                             targets);
        } catch (const VbError&) {
            sh.dialogs().message(sh.mainWidget(),
                                 QStringLiteral("计算出错，请严格按照计算机数学符号规范书写!"),
                                 Dialogs::Icon::Exclamation);
            return;
        }
    }
    sh.soundout();
}

void CalculatorPage::Command13_Click() {
    txtrlt_->setPlainText(QString());
}

void CalculatorPage::Command14_Click() {
    QGuiApplication::clipboard()->setText(txtrlt_->toPlainText());
}

}  // namespace zeto
