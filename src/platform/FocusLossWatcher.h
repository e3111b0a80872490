#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zeto {

// Runs a check when a field loses focus to another control of the program. The check runs
// from the event loop, after the focus change has finished, so that it may open a message
// box or hand the focus back without disturbing the change in progress. Focus lost because
// the window itself was deactivated (another window or a message box came up) is ignored,
// and a check never starts while the previous one is pending or running. Nor does one start
// when another field's check hands the focus back to its own field: two fields that both
// fail their checks would otherwise take the focus from each other for ever.
class FocusLossWatcher : public QObject {
    Q_OBJECT
  public:
    FocusLossWatcher(QWidget* field, std::function<void()> check);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True while the focus is going to a watched field whose check is running.
    static bool handingBack();

    std::function<void()> check_;
    bool pending_ = false;
    bool running_ = false;
};

}  // namespace zeto
