#include "script/FormulaCallbacks.h"

#include "plane/core/PlotCanvas.h"
#include "platform/Dialogs.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <cctype>
#include <cmath>

namespace zeto {
namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k) {
        if (std::tolower(static_cast<unsigned char>(a[k])) !=
            std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    }
    return true;
}

template <typename T>
T& required(T* control) {
    if (!control) throw VbError(VbError::ObjectRequired);
    return *control;
}

// A formula whose value is Empty named something the engine does not know; showing "=" or an
// empty term would pass that off as a result.
const script::Value& defined(const script::Value& value) {
    if (value.isEmpty()) throw VbError(VbError::VariableUndefined);
    return value;
}

QString valueText(const script::Value& value) {
    return QString::fromStdString(defined(value).toText());
}

}  // namespace

FormulaCallbacks::FormulaCallbacks(Shell& shell) : shell_(shell) {}

FormulaCallbacks::Binding::Binding(FormulaCallbacks& callbacks, const FormulaTargets& targets)
    : callbacks_(callbacks), previous_(callbacks.targets_) {
    callbacks_.targets_ = targets;
}

FormulaCallbacks::Binding::~Binding() {
    callbacks_.targets_ = previous_;
}

void FormulaCallbacks::call(std::string_view method, const std::vector<script::Value>& args) {
    auto expect = [&](size_t count) {
        if (args.size() != count) throw VbError(VbError::WrongArgumentCount);
    };
    if (sameName(method, "SS")) {
        expect(1);
        SS(args[0]);
    } else if (sameName(method, "sl")) {
        expect(1);
        sl(args[0]);
    } else if (sameName(method, "slsum")) {
        expect(1);
        slsum(args[0]);
    } else if (sameName(method, "fcf")) {
        expect(2);
        fcf(args[0], args[1]);
    } else {
        throw VbError(VbError::ObjectDoesNotSupport);
    }
}

void FormulaCallbacks::SS(const script::Value& Z) {
    QPlainTextEdit& box = required(targets_.results);
    QString s = valueText(Z);
    // A number never comes out as ".5" here, but a value the script built as text may.
    if (s.startsWith(QLatin1Char('.'))) s.prepend(QLatin1Char('0'));
    if (s.startsWith(QLatin1String("-."))) s = QLatin1String("-0") + s.mid(1);
    box.setPlainText(QLatin1Char('=') + s + QLatin1String("\r\n") + box.toPlainText());
}

void FormulaCallbacks::sl(const script::Value& Z) {
    required(targets_.preview).addItem(valueText(Z));
}

void FormulaCallbacks::slsum(const script::Value& Z) {
    QLabel& label = required(targets_.sum);
    double sum = leadingNumber(label.text()) + defined(Z).toNumber();
    if (!std::isfinite(sum)) throw VbError(VbError::Overflow);
    label.setText(numberText(sum));
}

void FormulaCallbacks::fcf(const script::Value& Z, const script::Value& Z1) {
    FunctionPlotTarget& plot = required(targets_.plot);
    // A plot that is ending draws nothing more, whatever the formula goes on calling.
    if (plot.failed || !plot.task.live()) return;
    try {
        const double y = Z.toNumber();
        if (y > 20 || y < -20) return;
        const double x = shell_.shared().ZBL;
        const BgrColor color = plot.color();
        if (shell_.planeSettings().lineMethod) {
            plot.canvas.segment(toSingle(x), toSingle(y), toSingle(x + 0.01),
                                toSingle(Z1.toNumber()), color);
        } else {
            plot.canvas.dot(x, y, color);
        }
    } catch (const VbError&) {
        plot.failed = true;
        shell_.dialogs().message(shell_.mainWidget(),
                                 QStringLiteral("画图出错，请检查参数是否设置正确"),
                                 Dialogs::Icon::Exclamation);
        return;
    }
    plot.task.yield();
}

}  // namespace zeto
