#pragma once

class QWidget;

namespace zeto {

class Shell;

// The coefficient fields of the main window accept only numbers: leaving one that does not
// hold a number shows "请输入数字" and hands the focus back, the text unchanged.
class NumberCheck {
  public:
    // Watches every coefficient field found under `root`.
    static void install(Shell& shell, QWidget* root);
};

}  // namespace zeto
