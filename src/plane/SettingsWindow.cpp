#include "plane/SettingsWindow.h"

#include "plane/PlaneHost.h"
#include "platform/Dialogs.h"
#include "platform/FocusLossWatcher.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
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

SettingsWindow::SettingsWindow(PlaneHost& host, QWidget* parent) : PlaneWindow(host, parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("系统设置"));
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

    tabs_ = named(new QTabWidget(this), "SSTab1");
    tabs_->addTab(buildPlaneTab(), QStringLiteral("坐标设置"));
    tabs_->addTab(buildSequenceTab(), QStringLiteral("数列"));

    Command1_ = named(new QPushButton(QStringLiteral("确定"), this), "Command1");
    Command2_ = named(new QPushButton(QStringLiteral("帮助"), this), "Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1_);
    buttons->addWidget(Command2_);
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
    Opmdf_ = named(new QRadioButton(QStringLiteral("描点法"), lines), "Opmdf");
    Opmdf_->setToolTip(QStringLiteral("不显示画图过程,速度慢"));
    Oplxf_ = named(new QRadioButton(QStringLiteral("连线法"), lines), "Oplxf");
    Oplxf_->setToolTip(QStringLiteral("显示画图过程,速度快"));
    Oplxf_->setChecked(true);
    bold_ = named(new QComboBox(lines), "bold");
    bold_->addItems({QStringLiteral("粗"), QStringLiteral("细")});
    dpi_ = named(new QComboBox(lines), "dpi");
    for (const Fineness& f : kFineness) dpi_->addItem(QString::fromUtf8(f.item));
    dpi_->setCurrentText(QStringLiteral("正常"));
    auto* linesGrid = new QGridLayout(lines);
    auto* methods = new QHBoxLayout;
    methods->addWidget(Opmdf_);
    methods->addWidget(Oplxf_);
    methods->addStretch();
    linesGrid->addLayout(methods, 0, 0, 1, 2);
    addRow(linesGrid, 1, QStringLiteral("线条粗细:"), bold_, lines);
    addRow(linesGrid, 2, QStringLiteral("精细度:"), dpi_, lines);

    auto* grid = named(new QGroupBox(QStringLiteral("网格"), page), "Frame2");
    opnet_ = named(new QCheckBox(QStringLiteral("显示网格"), grid), "opnet");
    wgcolor_ = swatch(grid, "wgcolor", 0xFFE1DF);
    auto* gridGrid = new QGridLayout(grid);
    gridGrid->addWidget(opnet_, 0, 0, 1, 2);
    addRow(gridGrid, 1, QStringLiteral("网格颜色:"), wgcolor_, grid);

    auto* axes = named(new QGroupBox(QStringLiteral("坐标相关"), page), "Frame3");
    kd_ = named(new QCheckBox(QStringLiteral("标出长度"), axes), "kd");
    kd_->setChecked(true);
    zbcolor_ = swatch(axes, "zbcolor", 0x000000);
    txtsl_ = named(new QLineEdit(QStringLiteral("10"), axes), "txtsl");
    txtsl_->setFixedWidth(twipsToPixels(855));
    Option1_ = named(new QRadioButton(QStringLiteral("小"), axes), "Option1");
    Option2_ = named(new QRadioButton(QStringLiteral("中"), axes), "Option2");
    Option3_ = named(new QRadioButton(QStringLiteral("大"), axes), "Option3");
    Option2_->setChecked(true);
    bgcolor_ = swatch(axes, "bgcolor", 0xFFFFFF);
    auto* sizes = new QWidget(axes);
    auto* sizesRow = new QHBoxLayout(sizes);
    sizesRow->setContentsMargins(12, 0, 0, 0);
    sizesRow->addWidget(Option1_);
    sizesRow->addWidget(Option2_);
    sizesRow->addWidget(Option3_);
    auto* axesGrid = new QGridLayout(axes);
    axesGrid->addWidget(kd_, 0, 0, 1, 2);
    addRow(axesGrid, 1, QStringLiteral("坐标颜色:"), zbcolor_, axes);
    addRow(axesGrid, 2, QStringLiteral("坐标轴长:"), txtsl_, axes);
    axesGrid->addWidget(new QLabel(QStringLiteral("坐标大小:"), axes), 3, 0, 1, 2);
    axesGrid->addWidget(sizes, 4, 0, 1, 2);
    addRow(axesGrid, 5, QStringLiteral("背景颜色:"), bgcolor_, axes);
    axesGrid->setRowStretch(6, 1);

    Label3_ = named(new QLabel(QStringLiteral("注意：这些设置将清空坐标上的图像"), page), "Label3");

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
    layout->addWidget(Label3_);
    return page;
}

QWidget* SettingsWindow::buildSequenceTab() {
    auto* page = new QWidget;
    auto* preview = named(new QGroupBox(QStringLiteral("数列预览"), page), "Frame4");
    SLYLN_ = named(new QLineEdit(QStringLiteral("100"), preview), "SLYLN");
    SLYLN_->setFixedWidth(twipsToPixels(855));
    auto* grid = new QGridLayout(preview);
    addRow(grid, 0, QStringLiteral("预览项数:"), SLYLN_, preview);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(preview);
    layout->addStretch();
    return page;
}

void SettingsWindow::connectHandlers() {
    connect(bold_, &QComboBox::activated, this, [this] { bold_Click(); });
    connect(dpi_, &QComboBox::activated, this, [this] { dpi_Click(); });
    connect(opnet_, &QCheckBox::toggled, this, &SettingsWindow::planeChanged);
    connect(kd_, &QCheckBox::toggled, this, &SettingsWindow::planeChanged);
    for (ColorSwatch* s : {wgcolor_, zbcolor_, bgcolor_}) {
        connect(s, &ColorSwatch::clicked, this, [this, s] { colorSwatch_Click(s); });
    }
    new FocusLossWatcher(txtsl_, [this] { txtsl_LostFocus(); });
    new FocusLossWatcher(SLYLN_, [this] { SLYLN_LostFocus(); });
    connect(Option1_, &QRadioButton::clicked, this, [this] { emit sizeChosen(kSmallTwips); });
    connect(Option2_, &QRadioButton::clicked, this, [this] { emit sizeChosen(kMediumTwips); });
    connect(Option3_, &QRadioButton::clicked, this, [this] { emit sizeChosen(kLargeTwips); });
    connect(Command1_, &QPushButton::clicked, this, &QWidget::hide);
    connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

PlaneSettings SettingsWindow::settings() const {
    PlaneSettings s = settings_;
    s.lineMethod = Oplxf_->isChecked();
    s.gridShown = opnet_->isChecked();
    s.labelsShown = kd_->isChecked();
    s.axisColor = zbcolor_->color();
    s.gridColor = wgcolor_->color();
    s.backgroundColor = bgcolor_->color();
    return s;
}

QString SettingsWindow::previewCountText() const {
    return SLYLN_->text();
}

void SettingsWindow::selectBold(const QString& item) {
    const int index = bold_->findText(item);
    if (index < 0) return;
    bold_->setCurrentIndex(index);
    bold_Click();
}

void SettingsWindow::selectDpi(const QString& item) {
    const int index = dpi_->findText(item);
    if (index < 0) return;
    dpi_->setCurrentIndex(index);
    dpi_Click();
}

void SettingsWindow::bold_Click() {
    const QString item = bold_->currentText();
    int width = 0;
    if (item == QStringLiteral("粗")) width = 2;
    if (item == QStringLiteral("细")) width = 1;
    if (width == 0) return;
    settings_.bl = width;
    emit penWidthChosen(width);
}

void SettingsWindow::dpi_Click() {
    const QString item = dpi_->currentText();
    for (const Fineness& f : kFineness) {
        if (item == QString::fromUtf8(f.item)) {
            // The step goes through its decimal text, as a typed value would.
            settings_.JXD = toSingle(leadingNumber(formatNumber(kPi / f.divisor)));
            return;
        }
    }
}

void SettingsWindow::colorSwatch_Click(ColorSwatch* swatch) {
    const std::optional<QColor> chosen = host_.dialogs().chooseColor(this, swatch->qcolor());
    // A cancelled dialog leaves the setting, and therefore the plane, as it was.
    if (!chosen) return;
    swatch->setColor(bgrFromColor(*chosen));
    if (swatch == bgcolor_) emit backgroundChosen(swatch->color());
    emit planeChanged();
}

void SettingsWindow::txtsl_LostFocus() {
    const QString text = txtsl_->text();
    const double v = leadingNumber(text);
    if (text.isEmpty() || v > 20 || v < 5 || v != std::fabs(v) || v != std::floor(v)) {
        host_.dialogs().message(this, QStringLiteral("请输入5到20之间的正整数"),
                                Dialogs::Icon::None);
        return;
    }
    settings_.sl = static_cast<std::int16_t>(v);
    emit planeChanged();
}

void SettingsWindow::SLYLN_LostFocus() {
    if (isNumeric(SLYLN_->text())) return;
    host_.dialogs().message(this, QStringLiteral("请输入数字"), Dialogs::Icon::None);
    SLYLN_->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::Command2_Click() {
    host_.openHelp();
}

}  // namespace zeto
