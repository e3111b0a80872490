#include "plane/SliderBox.h"

#include "platform/core/NumberText.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeto {
namespace {

// A slider's positions are whole steps from its minimum; the value of a position is written
// and read back as the program writes numbers, so that ten steps of 0.1 from 1 give 2, not
// 1.9999999999999998.
double tidy(double value) {
    return leadingNumber(formatNumber(value));
}

constexpr int kFrameMs = 16;
// The number fields are narrow enough for a row to fit the panel beside a slider.
constexpr int kFieldPixels = 76;
constexpr double kLargest = 1e9;

QDoubleSpinBox* numberField(QWidget* parent, const char* name, int k) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name) + QString::number(k + 1));
    field->setDecimals(3);
    field->setRange(-kLargest, kLargest);
    field->setSingleStep(SliderBox::kStep);
    // Typing changes nothing until Enter or leaving the field.
    field->setKeyboardTracking(false);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    field->setMaximumWidth(kFieldPixels);
    return field;
}

}  // namespace

SliderBox::SliderBox(QWidget* parent) : QWidget(parent), sweep_(new QTimer(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 3; ++k) buildRow(k);
    play_ = new QPushButton(QStringLiteral("播放"), this);
    play_->setObjectName(QStringLiteral("Cmdplay"));
    grid->addWidget(play_, 6, 0, 1, 4);
    connect(play_, &QPushButton::clicked, this, &SliderBox::playClicked);
    sweep_->setInterval(kFrameMs);
    connect(sweep_, &QTimer::timeout, this, &SliderBox::sweepStep);
    unbind();
}

void SliderBox::buildRow(int k) {
    auto* grid = static_cast<QGridLayout*>(layout());
    Row& row = rows_[static_cast<std::size_t>(k)];
    row.name = new QLabel(this);
    row.slider = new QSlider(Qt::Horizontal, this);
    row.slider->setObjectName(QStringLiteral("sld%1").arg(k + 1));
    row.value = numberField(this, "sldv", k);
    row.minimum = numberField(this, "sldmin", k);
    row.maximum = numberField(this, "sldmax", k);
    grid->addWidget(row.name, 2 * k, 0);
    grid->addWidget(row.slider, 2 * k, 1, 1, 2);
    grid->addWidget(row.value, 2 * k, 3);
    grid->addWidget(row.minimum, 2 * k + 1, 1);
    grid->addWidget(row.maximum, 2 * k + 1, 2);
    connect(row.slider, &QSlider::valueChanged, this, [this, k] { sliderMoved(k); });
    connect(row.value, &QDoubleSpinBox::valueChanged, this, [this, k] { valueTyped(k); });
    connect(row.minimum, &QDoubleSpinBox::valueChanged, this, [this, k] { rangeChanged(k); });
    connect(row.maximum, &QDoubleSpinBox::valueChanged, this, [this, k] { rangeChanged(k); });
}

void SliderBox::bind(const std::vector<QString>& names, const std::array<double, 3>& values) {
    stop();
    values_ = values;
    count_ = static_cast<int>(std::min<std::size_t>(names.size(), 3));
    quiet_ = true;
    for (int k = 0; k < 3; ++k) {
        Row& row = rows_[static_cast<std::size_t>(k)];
        const bool shown = k < count_;
        for (QWidget* w : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.slider),
                           static_cast<QWidget*>(row.value), static_cast<QWidget*>(row.minimum),
                           static_cast<QWidget*>(row.maximum)})
            w->setVisible(shown);
        if (!shown) continue;
        QString name = names[static_cast<std::size_t>(k)];
        if (!name.endsWith(QLatin1Char('='))) name += QLatin1Char('=');
        row.name->setText(name);
        const double value = std::isfinite(values_[static_cast<std::size_t>(k)])
                                 ? values_[static_cast<std::size_t>(k)]
                                 : 0;
        row.minimum->setValue(tidy(value - kReach));
        row.maximum->setValue(tidy(value + kReach));
        quiet_ = true;
        rangeChanged(k);
        show(k, value);
    }
    quiet_ = false;
    play_->setVisible(count_ > 0);
}

void SliderBox::unbind() {
    bind({}, {});
}

void SliderBox::rangeChanged(int k) {
    Row& row = rows_[static_cast<std::size_t>(k)];
    const double low = row.minimum->value();
    const double high = std::max(low, row.maximum->value());
    const bool wasQuiet = quiet_;
    quiet_ = true;
    row.slider->setRange(0, static_cast<int>(std::lround((high - low) / kStep)));
    quiet_ = wasQuiet;
    const double value = values_[static_cast<std::size_t>(k)];
    const double inside = std::clamp(value, low, high);
    show(k, inside);
    if (inside != value && !quiet_) {
        values_[static_cast<std::size_t>(k)] = inside;
        emit valuesChanged(values_);
    }
}

void SliderBox::show(int k, double value) {
    Row& row = rows_[static_cast<std::size_t>(k)];
    const bool wasQuiet = quiet_;
    quiet_ = true;
    values_[static_cast<std::size_t>(k)] = value;
    row.value->setValue(value);
    row.slider->setValue(static_cast<int>(std::lround((value - row.minimum->value()) / kStep)));
    quiet_ = wasQuiet;
}

void SliderBox::sliderMoved(int k) {
    if (quiet_) return;
    Row& row = rows_[static_cast<std::size_t>(k)];
    const double value = tidy(row.minimum->value() + row.slider->value() * kStep);
    quiet_ = true;
    row.value->setValue(value);
    quiet_ = false;
    values_[static_cast<std::size_t>(k)] = value;
    emit valuesChanged(values_);
}

void SliderBox::valueTyped(int k) {
    if (quiet_) return;
    Row& row = rows_[static_cast<std::size_t>(k)];
    const double value = row.value->value();
    // A value typed beyond the range widens it to the value.
    quiet_ = true;
    if (value < row.minimum->value()) row.minimum->setValue(value);
    if (value > row.maximum->value()) row.maximum->setValue(value);
    rangeChanged(k);
    quiet_ = false;
    show(k, value);
    emit valuesChanged(values_);
}

bool SliderBox::playing() const {
    return sweep_->isActive();
}

void SliderBox::stop() {
    sweep_->stop();
    play_->setText(QStringLiteral("播放"));
}

void SliderBox::playClicked() {
    if (playing()) return stop();
    if (count_ == 0) return;
    const Row& row = rows_[0];
    const double span = row.maximum->value() - row.minimum->value();
    sweepPhase_ = span > 0 ? (values_[0] - row.minimum->value()) / span : 0;
    play_->setText(QStringLiteral("停止"));
    sweep_->start();
}

void SliderBox::sweepStep() {
    sweepPhase_ += static_cast<double>(kFrameMs) / kSweepMs;
    if (sweepPhase_ >= 2) sweepPhase_ -= 2;
    const double along = sweepPhase_ <= 1 ? sweepPhase_ : 2 - sweepPhase_;
    QSlider* slider = rows_[0].slider;
    slider->setValue(static_cast<int>(std::lround(along * slider->maximum())));
}

}  // namespace zeto
