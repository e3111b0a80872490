#pragma once

#include "platform/Dialogs.h"
#include "shell/PageContext.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeto {

class VbError;

// One page of the main window's tab control. Page layouts are designed relative to the
// whole tab control, tab row included; place() turns those positions into positions on the
// page, which starts below the tab row.
class TabPage : public QWidget {
    Q_OBJECT
  public:
    TabPage(const PageContext& context, int pageTopPixels, QWidget* parent);

    TaskHost& host() { return context_.host; }
    Dialogs& dialogs() { return context_.dialogs; }
    PlaneAccess& plane() { return context_.plane; }
    script::ScriptHost& engine() { return context_.engine; }
    const ProgramFiles& files() const { return context_.files; }
    StepsWindow& stepsWindow() { return context_.steps; }

    // A message box over the main window.
    void showMessage(const QString& text, Dialogs::Icon icon);
    // A formula that failed: `message`, then the part of the user's text where the engine
    // stopped selected in `field`, for the user to mend.
    void reportFormulaFailure(const QString& message, const VbError& error, QLineEdit* field);

  protected:
    // Positions a direct child of the page from tab-control twips.
    void place(QWidget* child, int left, int top, int width, int height);
    // Positions a child of a frame (or any other container) from twips relative to it.
    static void placeIn(QWidget* child, int left, int top, int width, int height);

    // Named controls at designed positions. Frames and buttons sit on the page (tab-control
    // twips); labels and fields sit in `parent` (twips relative to it). A width or height of 0
    // lets the control take its natural size.
    QGroupBox* addFrame(const char* name, const QString& caption, int left, int top, int width,
                        int height);
    QPushButton* addButton(const char* name, const QString& caption, int left, int top, int width,
                           int height);
    static QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left,
                            int top, int width = 0, int height = 0);
    static QLineEdit* addField(QWidget* parent, const char* name, const QString& text, int left,
                               int top, int width, int height);
    // A coefficient field: it refuses to be left with anything but a number in it.
    QLineEdit* addNumberField(QWidget* parent, const char* name, const QString& text, int left,
                              int top, int width, int height);
    // The three buttons "查看坐标", "清空坐标" and "坐标设置" that the plotting pages share,
    // stacked under the page's plot button.
    void addPlaneButtons(const char* showName, const char* clearName, const char* settingsName);
    // Formula captions and formula fields show their text in red.
    static void makeTextRed(QWidget* widget);
    // A decorative 480 x 480 picture from the program folder.
    QLabel* addIcon(const char* name, const QString& file, int left, int top);

  private:
    PageContext context_;
    int pageTop_;
};

}  // namespace zeto
