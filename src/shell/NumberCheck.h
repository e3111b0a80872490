#pragma once

class QLineEdit;

namespace zeto {

class Dialogs;
class TaskHost;

// The coefficient fields of the main window accept only numbers: leaving one that does not
// hold a number shows "请输入数字" and hands the focus back, the text unchanged.
class NumberCheck {
  public:
    // The page that owns `field` hands it over when it builds it.
    static void watch(TaskHost& host, Dialogs& dialogs, QLineEdit* field);
};

}  // namespace zeto
