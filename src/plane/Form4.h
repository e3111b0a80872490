#pragma once

#include <QWidget>

namespace zeto {

class Shell;

// The settings window "系统设置": plotting method, pen width, fineness, grid, labels,
// colours, axis length, window size and the number of preview terms.
class Form4 : public QWidget {
    Q_OBJECT
public:
    // Runs the window's load steps without showing it.
    explicit Form4(Shell& shell, QWidget* parent = nullptr);

    // True when the line method ("连线法", option `Oplxf`) is selected.
    bool lineMethod() const;
    // The text of the preview-terms box `SLYLN`.
    QString previewCountText() const;

    // Selecting an item applies it exactly as the user's choice does.
    void selectBold(const QString& item);
    void selectDpi(const QString& item);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Shell& shell_;
};

}  // namespace zeto
