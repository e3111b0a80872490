#pragma once

#include "platform/ColorSwatch.h"

#include <QSize>
#include "plane/PlaneWindow.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zeto {

class Shell;

// The settings window "系统设置": plotting method, pen width, fineness, grid, labels,
// colours, axis length, window size and the number of preview terms.
class SettingsWindow : public PlaneWindow {
    Q_OBJECT
  public:
    // Runs the window's load steps without showing it.
    explicit SettingsWindow(Shell& shell, QWidget* parent = nullptr);

    // True when the line method ("连线法", option `Oplxf`) is selected.
    bool lineMethod() const;
    // The text of the preview-terms box `SLYLN`.
    QString previewCountText() const;

    // Selecting an item applies it exactly as the user's choice does.
    void selectBold(const QString& item);
    void selectDpi(const QString& item);

    // The plane settings the coordinate window draws with.
    bool gridShown() const;
    bool labelsShown() const;
    BgrColor axisColor() const;
    BgrColor gridColor() const;
    BgrColor backgroundColor() const;

    // Coordinate-window client sizes of the size options, in twips.
    static constexpr QSize kSmallTwips{4000, 4000};
    static constexpr QSize kMediumTwips{6580, 6000};
    static constexpr QSize kLargeTwips{8880, 8000};

  protected:
  private:
    QWidget* buildPlaneTab();
    QWidget* buildSequenceTab();
    void connectHandlers();

    void bold_Click();
    void dpi_Click();
    void colorSwatch_Click(ColorSwatch* swatch);
    void txtsl_LostFocus();
    void resizeOption_Click(QSize sizeTwips);
    void SLYLN_LostFocus();
    void Command2_Click();
    void redrawPlane();

    QTabWidget* tabs_ = nullptr;
    QRadioButton* Opmdf_ = nullptr;
    QRadioButton* Oplxf_ = nullptr;
    QComboBox* bold_ = nullptr;
    QComboBox* dpi_ = nullptr;
    QCheckBox* opnet_ = nullptr;
    ColorSwatch* wgcolor_ = nullptr;
    QCheckBox* kd_ = nullptr;
    ColorSwatch* zbcolor_ = nullptr;
    QLineEdit* txtsl_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option3_ = nullptr;
    ColorSwatch* bgcolor_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* SLYLN_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
};

}  // namespace zeto
