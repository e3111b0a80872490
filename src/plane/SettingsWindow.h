#pragma once

#include "plane/PlaneWindow.h"
#include "plane/core/PlaneSettingsModel.h"
#include "platform/ColorSwatch.h"

#include <QSize>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zeto {

// The settings window "系统设置": plotting method, pen width, fineness, smooth lines, grid,
// labels, colours, axis length, window size, the number of preview terms and the size of the
// whole program. It edits the settings model; it does not draw: the plane follows the model.
// The program's size is kept for the next start instead.
class SettingsWindow : public PlaneWindow {
    Q_OBJECT
  public:
    // Runs the window's load steps without showing it.
    SettingsWindow(PlaneHost& host, PlaneSettingsModel& settings, QWidget* parent = nullptr);

    // Selecting an item applies it exactly as the user's choice does.
    void selectPenWidth(const QString& item);
    void selectFineness(const QString& item);

    // Coordinate-window client sizes of the size options, in twips.
    static constexpr QSize kSmallTwips{4000, 4000};
    static constexpr QSize kMediumTwips{6580, 6000};
    static constexpr QSize kLargeTwips{8880, 8000};

  private:
    QWidget* buildPlaneTab();
    QWidget* buildSequenceTab();
    QWidget* buildInterfaceTab();
    void connectHandlers();
    // Takes `change` into a copy of the settings and hands it to the model.
    template <typename Change>
    void update(PlaneSettingsModel::Effect effect, Change&& change);

    void penWidthChosen();
    void finenessChosen();
    void chooseSwatchColor(ColorSwatch* swatch);
    void axisLengthLeft();
    void previewCountLeft();

    PlaneSettingsModel& settings_;
    QTabWidget* tabs_ = nullptr;
    QRadioButton* pointMethod_ = nullptr;
    QRadioButton* lineMethod_ = nullptr;
    QComboBox* penWidth_ = nullptr;
    QComboBox* fineness_ = nullptr;
    QCheckBox* antialiased_ = nullptr;
    QCheckBox* gridShown_ = nullptr;
    ColorSwatch* gridColor_ = nullptr;
    QCheckBox* labelsShown_ = nullptr;
    ColorSwatch* axisColor_ = nullptr;
    QLineEdit* axisLength_ = nullptr;
    QRadioButton* smallSize_ = nullptr;
    QRadioButton* mediumSize_ = nullptr;
    QRadioButton* largeSize_ = nullptr;
    ColorSwatch* backgroundColor_ = nullptr;
    QLineEdit* previewCount_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

}  // namespace zeto
