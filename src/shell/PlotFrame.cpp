#include "shell/PlotFrame.h"

#include "platform/ColorSwatch.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"
#include "shell/PlaneAccess.h"
#include "shell/TabPage.h"
#include "shell/TaskHost.h"

#include <QLineEdit>

namespace zeto {
namespace {

// What plots take turns on.
const void* owner(TabPage& page) {
    return &page.plane();
}

}  // namespace

bool PlotFrame::busy(TabPage& page) {
    return page.host().tasks().running(owner(page));
}

void PlotFrame::run(TabPage& page, const PlotFields& fields, const PlotDescription& description,
                    const std::function<bool(PlotRecording&, PlotInputs&)>& draw,
                    const FailureReport& failure) {
    {
        BusyScope task(page.host(), owner(page), QStringLiteral("作图中,请稍等..."),
                       BusyScope::Lamp::On, BusyScope::Policy::RefuseWhileBusy);
        if (!task.yield()) return;
        std::unique_ptr<PlotRecording> plot = page.plane().beginPlot(description);
        PageInputs inputs(fields, task, plot->description());
        try {
            if (!draw(*plot, inputs)) return;
        } catch (const VbError& error) {
            // A plot refused before it drew anything is no plot.
            plot->dropIfEmpty();
            if (!task.live()) return;
            if (failure) {
                if (!failure(error)) return;
            } else {
                page.showMessage(QStringLiteral("画图出错，请检查参数是否设置正确"),
                                 Dialogs::Icon::Exclamation);
            }
        }
    }
    page.host().playCompletionSound();
    page.plane().showPlane();
}

std::array<QString, 3> PageInputs::coefficientTexts() {
    std::array<QString, 3> texts = {fields_.coefficients[0]->text(),
                                    fields_.coefficients[1]->text(),
                                    fields_.coefficients[2]->text()};
    if (texts != description_.coefficientTexts) {
        description_.coefficientTexts = texts;
        for (std::size_t k = 0; k < texts.size(); ++k)
            description_.coefficients[k] = leadingNumber(texts[k]);
    }
    return texts;
}

BgrColor PageInputs::color() {
    description_.color = fields_.color->color();
    return description_.color;
}

bool PageInputs::yield() {
    return task_.yield();
}

}  // namespace zeto
