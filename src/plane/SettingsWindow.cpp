#include "plane/SettingsWindow.h"

#include "plane/PlaneHost.h"
#include "platform/Dialogs.h"
#include "platform/FocusLossWatcher.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/InterfaceZoom.h"
#include "platform/core/NumberText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace zeto {

namespace {

constexpr int kClientWidthTwips = 5535;
constexpr int kClientHeightTwips = 4890;

struct Fineness {
    const char* item;
    int divisor;  // the plotting step is pi / divisor
};

constexpr Fineness kFineness[] = {
    {"狂低(狂快)", 50}, {"很低(较快)", 500},  {"低(快)", 1000},     {"正常", 2000},
    {"高(慢)", 3000},   {"很高(较慢)", 4000}, {"狂高(狂慢)", 5000},
};

constexpr double kPi = 3.1415926535;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

ColorSwatch* swatch(QWidget* parent, const char* name, BgrColor color) {
    auto* s = named(new ColorSwatch(parent), name);
    s->setColor(color);
    s->setFixedSize(twipsToPixels(855), twipsToPixels(255));
    return s;
}

// A caption label followed by its control on one grid row.
void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* control, QWidget* parent) {
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(control, row, 1, Qt::AlignLeft);
}

}  // namespace

SettingsWindow::SettingsWindow(PlaneHost& host, PlaneSettingsModel& settings, QWidget* parent)
    : PlaneWindow(host, parent), settings_(settings) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("系统设置"));
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

    tabs_ = named(new QTabWidget(this), "SSTab1");
    tabs_->addTab(buildPlaneTab(), QStringLiteral("坐标设置"));
    tabs_->addTab(buildSequenceTab(), QStringLiteral("数列"));
    tabs_->addTab(buildInterfaceTab(), QStringLiteral("界面"));

    okButton_ = named(new QPushButton(QStringLiteral("确定"), this), "Command1");
    helpButton_ = named(new QPushButton(QStringLiteral("帮助"), this), "Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(helpButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connectHandlers();

    // Load steps.
    centreOnScreen(this);
    tabs_->setCurrentIndex(0);
}

QWidget* SettingsWindow::buildPlaneTab() {
    auto* page = new QWidget;

    auto* lines = named(new QGroupBox(QStringLiteral("线条相关"), page), "Frame1");
    pointMethod_ = named(new QRadioButton(QStringLiteral("描点法"), lines), "Opmdf");
    pointMethod_->setToolTip(QStringLiteral("不显示画图过程,速度慢"));
    lineMethod_ = named(new QRadioButton(QStringLiteral("连线法"), lines), "Oplxf");
    lineMethod_->setToolTip(QStringLiteral("显示画图过程,速度快"));
    lineMethod_->setChecked(true);
    penWidth_ = named(new QComboBox(lines), "bold");
    penWidth_->addItems({QStringLiteral("粗"), QStringLiteral("细")});
    fineness_ = named(new QComboBox(lines), "dpi");
    for (const Fineness& f : kFineness) fineness_->addItem(QString::fromUtf8(f.item));
    fineness_->setCurrentText(QStringLiteral("正常"));
    antialiased_ = named(new QCheckBox(QStringLiteral("平滑曲线"), lines), "chkaa");
    auto* linesGrid = new QGridLayout(lines);
    auto* methods = new QHBoxLayout;
    methods->addWidget(pointMethod_);
    methods->addWidget(lineMethod_);
    methods->addStretch();
    linesGrid->addLayout(methods, 0, 0, 1, 2);
    addRow(linesGrid, 1, QStringLiteral("线条粗细:"), penWidth_, lines);
    addRow(linesGrid, 2, QStringLiteral("精细度:"), fineness_, lines);
    linesGrid->addWidget(antialiased_, 3, 0, 1, 2);

    auto* grid = named(new QGroupBox(QStringLiteral("网格"), page), "Frame2");
    gridShown_ = named(new QCheckBox(QStringLiteral("显示网格"), grid), "opnet");
    gridColor_ = swatch(grid, "wgcolor", 0xFFE1DF);
    auto* gridGrid = new QGridLayout(grid);
    gridGrid->addWidget(gridShown_, 0, 0, 1, 2);
    addRow(gridGrid, 1, QStringLiteral("网格颜色:"), gridColor_, grid);

    auto* axes = named(new QGroupBox(QStringLiteral("坐标相关"), page), "Frame3");
    labelsShown_ = named(new QCheckBox(QStringLiteral("标出长度"), axes), "kd");
    labelsShown_->setChecked(true);
    axisColor_ = swatch(axes, "zbcolor", 0x000000);
    axisLength_ = named(new QLineEdit(QStringLiteral("10"), axes), "txtsl");
    axisLength_->setFixedWidth(twipsToPixels(855));
    smallSize_ = named(new QRadioButton(QStringLiteral("小"), axes), "Option1");
    mediumSize_ = named(new QRadioButton(QStringLiteral("中"), axes), "Option2");
    largeSize_ = named(new QRadioButton(QStringLiteral("大"), axes), "Option3");
    mediumSize_->setChecked(true);
    backgroundColor_ = swatch(axes, "bgcolor", 0xFFFFFF);
    auto* sizes = new QWidget(axes);
    auto* sizesRow = new QHBoxLayout(sizes);
    sizesRow->setContentsMargins(12, 0, 0, 0);
    sizesRow->addWidget(smallSize_);
    sizesRow->addWidget(mediumSize_);
    sizesRow->addWidget(largeSize_);
    auto* axesGrid = new QGridLayout(axes);
    axesGrid->addWidget(labelsShown_, 0, 0, 1, 2);
    addRow(axesGrid, 1, QStringLiteral("坐标颜色:"), axisColor_, axes);
    addRow(axesGrid, 2, QStringLiteral("坐标轴长:"), axisLength_, axes);
    axesGrid->addWidget(new QLabel(QStringLiteral("坐标大小:"), axes), 3, 0, 1, 2);
    axesGrid->addWidget(sizes, 4, 0, 1, 2);
    addRow(axesGrid, 5, QStringLiteral("背景颜色:"), backgroundColor_, axes);
    axesGrid->setRowStretch(6, 1);

    auto* note =
        named(new QLabel(QStringLiteral("注意：这些设置将清空坐标上的图像"), page), "Label3");

    auto* left = new QVBoxLayout;
    left->addWidget(lines);
    left->addWidget(grid);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(axes);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(columns);
    layout->addWidget(note);
    return page;
}

QWidget* SettingsWindow::buildSequenceTab() {
    auto* page = new QWidget;
    auto* preview = named(new QGroupBox(QStringLiteral("数列预览"), page), "Frame4");
    previewCount_ = named(new QLineEdit(QStringLiteral("100"), preview), "SLYLN");
    previewCount_->setFixedWidth(twipsToPixels(855));
    auto* grid = new QGridLayout(preview);
    addRow(grid, 0, QStringLiteral("预览项数:"), previewCount_, preview);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(preview);
    layout->addStretch();
    return page;
}

QWidget* SettingsWindow::buildInterfaceTab() {
    auto* page = new QWidget;
    zoom_ = named(new QComboBox(page), "cmbzoom");
    for (int percent : InterfaceZoom::choices()) zoom_->addItem(QStringLiteral("%1%").arg(percent));
    zoom_->setCurrentText(QStringLiteral("%1%").arg(InterfaceZoom::stored(QSettings())));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("界面缩放:"), page), 0, 0);
    grid->addWidget(zoom_, 0, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("重新启动后生效"), page), "lblzoom"), 0, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

void SettingsWindow::connectHandlers() {
    using Effect = PlaneSettingsModel::Effect;
    connect(penWidth_, &QComboBox::activated, this, [this] { penWidthChosen(); });
    connect(fineness_, &QComboBox::activated, this, [this] { finenessChosen(); });
    connect(lineMethod_, &QRadioButton::toggled, this, [this](bool on) {
        update(Effect::None, [on](PlaneSettings& s) { s.lineMethod = on; });
    });
    connect(antialiased_, &QCheckBox::toggled, this, [this](bool on) {
        update(Effect::Repaint, [on](PlaneSettings& s) { s.antialiased = on; });
    });
    connect(zoom_, &QComboBox::activated, this, [this](int index) {
        QSettings kept;
        InterfaceZoom::store(kept, InterfaceZoom::choices().value(index, 100));
    });
    connect(gridShown_, &QCheckBox::toggled, this, [this](bool on) {
        update(Effect::Redraw, [on](PlaneSettings& s) { s.gridShown = on; });
    });
    connect(labelsShown_, &QCheckBox::toggled, this, [this](bool on) {
        update(Effect::Redraw, [on](PlaneSettings& s) { s.labelsShown = on; });
    });
    for (ColorSwatch* s : {gridColor_, axisColor_, backgroundColor_}) {
        connect(s, &ColorSwatch::clicked, this, [this, s] { chooseSwatchColor(s); });
    }
    new FocusLossWatcher(axisLength_, [this] { axisLengthLeft(); });
    new FocusLossWatcher(previewCount_, [this] { previewCountLeft(); });
    connect(previewCount_, &QLineEdit::textChanged, this, [this](const QString& text) {
        update(Effect::None, [&text](PlaneSettings& s) { s.previewCount = strictNumber(text); });
    });
    const std::pair<QRadioButton*, QSize> sizes[] = {
        {smallSize_, kSmallTwips}, {mediumSize_, kMediumTwips}, {largeSize_, kLargeTwips}};
    for (const auto& [option, twips] : sizes) {
        connect(option, &QRadioButton::clicked, this, [this, size = twips] {
            update(Effect::Resize, [size](PlaneSettings& s) { s.planeTwips = size; });
        });
    }
    connect(okButton_, &QPushButton::clicked, this, &QWidget::hide);
    connect(helpButton_, &QPushButton::clicked, this, [this] { host_.openHelp(); });
}

template <typename Change>
void SettingsWindow::update(PlaneSettingsModel::Effect effect, Change&& change) {
    PlaneSettings next = settings_.value();
    change(next);
    settings_.apply(next, effect);
}

void SettingsWindow::selectPenWidth(const QString& item) {
    const int index = penWidth_->findText(item);
    if (index < 0) return;
    penWidth_->setCurrentIndex(index);
    penWidthChosen();
}

void SettingsWindow::selectFineness(const QString& item) {
    const int index = fineness_->findText(item);
    if (index < 0) return;
    fineness_->setCurrentIndex(index);
    finenessChosen();
}

void SettingsWindow::penWidthChosen() {
    const QString item = penWidth_->currentText();
    int width = 0;
    if (item == QStringLiteral("粗")) width = 2;
    if (item == QStringLiteral("细")) width = 1;
    if (width == 0) return;
    update(PlaneSettingsModel::Effect::None, [width](PlaneSettings& s) { s.penWidth = width; });
}

void SettingsWindow::finenessChosen() {
    const QString item = fineness_->currentText();
    for (const Fineness& f : kFineness) {
        if (item == QString::fromUtf8(f.item)) {
            // The step goes through its decimal text, as a typed value would.
            const float step = toSingle(leadingNumber(formatNumber(kPi / f.divisor)));
            update(PlaneSettingsModel::Effect::None,
                   [step](PlaneSettings& s) { s.pointStep = step; });
            return;
        }
    }
}

void SettingsWindow::chooseSwatchColor(ColorSwatch* swatch) {
    const std::optional<QColor> chosen = host_.dialogs().chooseColor(this, swatch->qcolor());
    // A cancelled dialog leaves the setting, and therefore the plane, as it was.
    if (!chosen) return;
    swatch->setColor(bgrFromColor(*chosen));
    const BgrColor color = swatch->color();
    update(PlaneSettingsModel::Effect::Redraw, [&](PlaneSettings& s) {
        if (swatch == gridColor_) s.gridColor = color;
        if (swatch == axisColor_) s.axisColor = color;
        if (swatch == backgroundColor_) s.backgroundColor = color;
    });
}

void SettingsWindow::axisLengthLeft() {
    const QString text = axisLength_->text();
    const double v = leadingNumber(text);
    if (text.isEmpty() || v > 20 || v < 5 || v != std::fabs(v) || v != std::floor(v)) {
        host_.dialogs().message(this, QStringLiteral("请输入5到20之间的正整数"),
                                Dialogs::Icon::None);
        return;
    }
    update(PlaneSettingsModel::Effect::Redraw,
           [v](PlaneSettings& s) { s.axisLength = static_cast<int>(v); });
}

void SettingsWindow::previewCountLeft() {
    if (isNumeric(previewCount_->text())) return;
    host_.dialogs().message(this, QStringLiteral("请输入数字"), Dialogs::Icon::None);
    previewCount_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zeto
