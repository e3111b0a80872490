#pragma once

#include <QWidget>

namespace zeto {

class Shell;

// One page of the main window's tab control. Page layouts are designed relative to the
// whole tab control, tab row included; place() turns those positions into positions on the
// page, which starts below the tab row.
class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(Shell& shell, int pageTopPixels, QWidget* parent);

    Shell& shell() { return shell_; }

protected:
    // Positions a direct child of the page from tab-control twips.
    void place(QWidget* child, int left, int top, int width, int height);
    // Positions a child of a frame (or any other container) from twips relative to it.
    static void placeIn(QWidget* child, int left, int top, int width, int height);

private:
    Shell& shell_;
    int pageTop_;
};

}  // namespace zeto
