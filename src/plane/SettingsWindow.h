#pragma once

#include "plane/PlaneWindow.h"
#include "plane/core/PlaneSettings.h"
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

// The settings window "系统设置": plotting method, pen width, fineness, grid, labels,
// colours, axis length, window size and the number of preview terms. It keeps the plane's
// axis half-length `sl`, pen width `bl` and point step `JXD`; it does not draw: the plane
// follows its signals.
class SettingsWindow : public PlaneWindow {
    Q_OBJECT
  public:
    // Runs the window's load steps without showing it.
    explicit SettingsWindow(PlaneHost& host, QWidget* parent = nullptr);

    // The settings as they stand now.
    PlaneSettings settings() const;
    // The text of the preview-terms box `SLYLN`.
    QString previewCountText() const;

    // Selecting an item applies it exactly as the user's choice does.
    void selectBold(const QString& item);
    void selectDpi(const QString& item);

    // The three values as the program's start sets them; nothing is redrawn.
    void setAxisLength(std::int16_t sl) { settings_.sl = sl; }
    void setPenWidthValue(int bl) { settings_.bl = bl; }
    void setPointStep(float JXD) { settings_.JXD = JXD; }

  signals:
    // The plane must be drawn afresh (grid, labels, a colour or the axis length changed).
    void planeChanged();
    void penWidthChosen(int pixels);
    void backgroundChosen(BgrColor color);
    // A size option was chosen: the coordinate window's client size in twips.
    void sizeChosen(QSize twips);

  public:
    // Coordinate-window client sizes of the size options, in twips.
    static constexpr QSize kSmallTwips{4000, 4000};
    static constexpr QSize kMediumTwips{6580, 6000};
    static constexpr QSize kLargeTwips{8880, 8000};

  private:
    QWidget* buildPlaneTab();
    QWidget* buildSequenceTab();
    void connectHandlers();

    void bold_Click();
    void dpi_Click();
    void colorSwatch_Click(ColorSwatch* swatch);
    void txtsl_LostFocus();
    void SLYLN_LostFocus();
    void Command2_Click();

    PlaneSettings settings_;
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
