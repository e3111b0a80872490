#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace zeto {

// Sliders that move a graph's coefficients: one row per coefficient (`sld1`..`sld3`), each
// with its name as the page shows it, a value field (`sldv1`..) and the two ends of its range
// (`sldmin1`/`sldmax1`..), and `Cmdplay` ("播放"), which sweeps the first slider from its
// minimum to its maximum and back until pressed again ("停止").
class SliderBox : public QWidget {
    Q_OBJECT
  public:
    // Steps of a slider.
    static constexpr double kStep = 0.1;
    // A range starts this far either side of the value.
    static constexpr double kReach = 5;
    // One way of the sweep.
    static constexpr int kSweepMs = 4000;

    explicit SliderBox(QWidget* parent);

    // Offers sliders for the named coefficients at their values; none when there are no names.
    void bind(const std::vector<QString>& names, const std::array<double, 3>& values);
    void unbind();
    bool playing() const;
    void stop();
    const std::array<double, 3>& values() const { return values_; }

  signals:
    void valuesChanged(const std::array<double, 3>& values);

  private:
    struct Row {
        QLabel* name = nullptr;
        QSlider* slider = nullptr;
        QDoubleSpinBox* value = nullptr;
        QDoubleSpinBox* minimum = nullptr;
        QDoubleSpinBox* maximum = nullptr;
    };

    void buildRow(int k);
    // Sets the slider's range from the range fields and keeps the value inside it.
    void rangeChanged(int k);
    void sliderMoved(int k);
    void valueTyped(int k);
    // Puts `value` into row k's slider and value field without announcing it.
    void show(int k, double value);
    void playClicked();
    void sweepStep();

    std::array<Row, 3> rows_;
    std::array<double, 3> values_{};
    int count_ = 0;
    bool quiet_ = false;
    QPushButton* play_ = nullptr;
    QTimer* sweep_ = nullptr;
    double sweepPhase_ = 0;  // 0..2: up from 0 to 1, then down to 2
};

}  // namespace zeto
