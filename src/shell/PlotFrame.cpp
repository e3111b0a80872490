#include "shell/PlotFrame.h"

#include "plane/core/PlotCanvas.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/core/VbError.h"
#include "shell/Shell.h"

#include <QLineEdit>

namespace zeto {

const void* PlotFrame::owner(Shell& shell) {
    return &shell.canvas();
}

bool PlotFrame::busy(Shell& shell) {
    return shell.tasks().running(owner(shell));
}

BusyScope PlotFrame::task(Shell& shell) {
    return BusyScope(shell, owner(shell), QStringLiteral("作图中,请稍等..."), BusyScope::Lamp::On,
                     BusyScope::Policy::RefuseWhileBusy);
}

void PlotFrame::run(Shell& shell, const PlotFields& fields,
                    const std::function<bool(PlotInputs&)>& draw) {
    {
        BusyScope task = PlotFrame::task(shell);
        if (!task.yield()) return;
        PageInputs inputs(fields, task);
        try {
            if (!draw(inputs)) return;
        } catch (const VbError&) {
            shell.dialogs().message(shell.mainWidget(),
                                    QStringLiteral("画图出错，请检查参数是否设置正确"),
                                    Dialogs::Icon::Exclamation);
        }
    }
    shell.soundout();
    shell.showPlane();
}

std::array<QString, 3> PageInputs::coefficientTexts() {
    return {fields_.coefficients[0]->text(), fields_.coefficients[1]->text(),
            fields_.coefficients[2]->text()};
}

BgrColor PageInputs::color() {
    return fields_.color->color();
}

bool PageInputs::yield() {
    return task_.yield();
}

}  // namespace zeto
