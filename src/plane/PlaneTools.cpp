#include "plane/PlaneTools.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/ImageExport.h"
#include "platform/LineShape.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/ProgramFiles.h"

#include <QImage>
#include <QLabel>
#include <QToolButton>

#include <cmath>

namespace zeto {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// The 32-pixel pictures of the icon set, halved: the buttons are 23 by 22 pixels.
constexpr int kIconPixels = 16;

// Int(v * 100) / 100 in single precision: the product is rounded to a float before it is cut,
// so a pointer at 0.29 reads 0.29 and not 0.28.
QString cutToHundredths(float v) {
    const float hundredths = v * 100.0f;
    return singleText(std::floor(hundredths) / 100.0f);
}

}  // namespace

PlaneTools::PlaneTools(PlaneHost& host, CoordinateWindow& window)
    : QObject(&window), host_(host), window_(window), surface_(window.surface()) {
    setObjectName(QStringLiteral("PlaneTools"));
    buildStrip();
    connect(&surface_, &DrawingSurface::mousePressed, this, &PlaneTools::pointerPressed);
    connect(&surface_, &DrawingSurface::mouseMoved, this, &PlaneTools::pointerMoved);
}

void PlaneTools::buildStrip() {
    exportButton_ = addToolButton("Command1", QStringLiteral("导出图像"), "export.png", 120, 75);
    textTool_ = addToolButton("Optext", QStringLiteral("文字工具"), "text.png", 480, 75);
    lineTool_ = addToolButton("Opline", QStringLiteral("直线工具"), "line.png", 863, 99);
    textTool_->setCheckable(true);
    lineTool_->setCheckable(true);
    connect(exportButton_, &QToolButton::clicked, this, &PlaneTools::exportPicture);
    connect(textTool_, &QToolButton::clicked, this, &PlaneTools::chooseTextTool);
    connect(lineTool_, &QToolButton::clicked, this, &PlaneTools::chooseLineTool);
    panelButton_ = addToolButton("Cmdlist", QStringLiteral("图像与特殊点"), "list.png", 1245, 75);
    connect(panelButton_, &QToolButton::clicked, &window_, &CoordinateWindow::togglePanel);

    readout_ = new QLabel(&window_);
    readout_->setObjectName(QStringLiteral("location"));
    placeTwips(readout_, 120, 480, 2535, 255);
    // The read-out floats over the plane: the pointer keeps reading coordinates across it.
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->raise();

    rubberBand_ = new LineShape(&surface_);
    rubberBand_->setObjectName(QStringLiteral("Linexp"));
    rubberBand_->hide();
}

QToolButton* PlaneTools::addToolButton(const char* name, const QString& tip, const char* icon,
                                       int left, int top) {
    auto* button = new QToolButton(&window_);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setIcon(QIcon(host_.files().path(QStringLiteral("\\data\\") + QLatin1String(icon))));
    button->setIconSize(QSize(kIconPixels, kIconPixels));
    placeTwips(button, left, top, 345, 330);
    button->raise();
    return button;
}

void PlaneTools::chooseTextTool() {
    selectTool(textTool_, lineTool_);
}

void PlaneTools::chooseLineTool() {
    selectTool(lineTool_, textTool_);
}

void PlaneTools::selectTool(QToolButton* chosen, QToolButton* other) {
    // The tools behave as option buttons: a click on the selected one keeps it selected.
    chosen->setChecked(true);
    surface_.setCursor(Qt::CrossCursor);
    if (other->isChecked()) other->setChecked(false);
}

void PlaneTools::deselect(QToolButton* tool) {
    tool->setChecked(false);
    surface_.setCursor(Qt::ArrowCursor);
}

void PlaneTools::pointerMoved(int, double xPlane, double yPlane) {
    const float x = toSingle(xPlane);
    const float y = toSingle(yPlane);
    // Near a function's graph the read-out follows the graph at the pointer's x.
    const std::optional<QPointF> traced = window_.traceAt(x, y);
    window_.showTrace(traced);
    const QPointF shown = traced ? *traced : QPointF(x, y);
    readout_->setText(QLatin1Char('(') + cutToHundredths(toSingle(shown.x())) + QLatin1Char(',') +
                      cutToHundredths(toSingle(shown.y())) + QLatin1Char(')'));
    if (lineTool_->isChecked()) {
        bandTo_ = QPointF(x, y);
        placeRubberBand();
    }
    const QColor axis = colorFromBgr(window_.settings().axisColor);
    if (rubberBand_->color() != axis) rubberBand_->setColor(axis);
}

void PlaneTools::pointerPressed(int button, double xPlane, double yPlane) {
    const float x = toSingle(xPlane);
    const float y = toSingle(yPlane);
    // A marked special point tells its exact coordinates.
    if (!textTool_->isChecked() && !lineTool_->isChecked() && button == kLeftButton) {
        if (const std::optional<QString> mark = window_.markNear(x, y)) readout_->setText(*mark);
    }
    // The tests run one after another, each reading the tools as the previous one left them.
    if (!textTool_->isChecked() && button == kRightButton) {
        window_.markDot(x, y, host_.pointColor());
    }
    if (textTool_->isChecked() && button == kLeftButton) {
        host_.minimiseMainWindow();
        const QString text = host_.dialogs().inputText(
            &window_, QStringLiteral("请输入你要输入的字符:"), QStringLiteral("文字工具"));
        window_.markText(x, y, text, window_.settings().axisColor);
        deselect(textTool_);
    }
    if (textTool_->isChecked() && button == kRightButton) deselect(textTool_);
    if (lineTool_->isChecked() && button == kLeftButton && stage_ == 0) {
        // Both ends start at the press, so the band never shows a stale pointer position.
        bandFrom_ = QPointF(x, y);
        bandTo_ = bandFrom_;
        placeRubberBand();
        rubberBand_->show();
        stage_ = 1;
    } else if (lineTool_->isChecked() && button == kLeftButton && stage_ == 1) {
        rubberBand_->hide();
        lineTool_->setChecked(false);
        window_.markLine(bandFrom_.x(), bandFrom_.y(), x, y);
        stage_ = 0;
        surface_.setCursor(Qt::ArrowCursor);
    }
}

void PlaneTools::placeRubberBand() {
    // Held in plane units and placed through the surface's present scale.
    rubberBand_->setLine(surface_.toPixel(bandFrom_.x(), bandFrom_.y()).toPoint(),
                         surface_.toPixel(bandTo_.x(), bandTo_.y()).toPoint());
}

void PlaneTools::exportPicture() {
    // The picture as it is now: a plot still running may draw on while the dialog is open.
    const QImage picture = surface_.image();
    const QString chosen = host_.dialogs().saveFileName(
        &window_, QStringLiteral("导出图像"),
        QStringLiteral("JPG (*.jpg *.jpeg);;PNG (*.png);;BMP (*.bmp)"), QStringLiteral("jpg"));
    if (chosen.isEmpty()) return;
    if (!writeImageFile(picture, withDefaultSuffix(chosen, QStringLiteral("jpg")))) {
        host_.dialogs().message(&window_, QStringLiteral("导出图像失败。"),
                                Dialogs::Icon::Exclamation);
        return;
    }
    host_.dialogs().message(&window_, QStringLiteral("导出图像成功。"), Dialogs::Icon::None);
}

}  // namespace zeto
