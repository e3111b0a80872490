#include "plane/PlaneTools.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "plane/SettingsWindow.h"
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

PlaneTools::PlaneTools(PlaneHost& host, CoordinateWindow& window, const SettingsWindow& settings)
    : QObject(&window),
      host_(host),
      window_(window),
      surface_(window.surface()),
      settings_(settings) {
    setObjectName(QStringLiteral("PlaneTools"));
    buildStrip();
    connect(&surface_, &DrawingSurface::mousePressed, this, &PlaneTools::Picture1_MouseDown);
    connect(&surface_, &DrawingSurface::mouseMoved, this, &PlaneTools::Picture1_MouseMove);
}

void PlaneTools::buildStrip() {
    Command1_ = addToolButton("Command1", QStringLiteral("导出图像"), "export.png", 120, 75);
    Optext_ = addToolButton("Optext", QStringLiteral("文字工具"), "text.png", 480, 75);
    Opline_ = addToolButton("Opline", QStringLiteral("直线工具"), "line.png", 863, 99);
    Optext_->setCheckable(true);
    Opline_->setCheckable(true);
    connect(Command1_, &QToolButton::clicked, this, &PlaneTools::Command1_Click);
    connect(Optext_, &QToolButton::clicked, this, &PlaneTools::Optext_Click);
    connect(Opline_, &QToolButton::clicked, this, &PlaneTools::Opline_Click);

    location_ = new QLabel(&window_);
    location_->setObjectName(QStringLiteral("location"));
    placeTwips(location_, 120, 480, 2535, 255);
    // The read-out floats over the plane: the pointer keeps reading coordinates across it.
    location_->setAttribute(Qt::WA_TransparentForMouseEvents);
    location_->raise();

    Linexp_ = new LineShape(&surface_);
    Linexp_->setObjectName(QStringLiteral("Linexp"));
    Linexp_->hide();
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

void PlaneTools::Optext_Click() {
    selectTool(Optext_, Opline_);
}

void PlaneTools::Opline_Click() {
    selectTool(Opline_, Optext_);
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

void PlaneTools::Picture1_MouseMove(int, double xPlane, double yPlane) {
    const float x = toSingle(xPlane);
    const float Y = toSingle(yPlane);
    location_->setText(QLatin1Char('(') + cutToHundredths(x) + QLatin1Char(',') +
                       cutToHundredths(Y) + QLatin1Char(')'));
    if (Opline_->isChecked()) {
        bandTo_ = QPointF(x, Y);
        placeRubberBand();
    }
    const QColor axis = colorFromBgr(settings_.settings().axisColor);
    if (Linexp_->color() != axis) Linexp_->setColor(axis);
}

void PlaneTools::Picture1_MouseDown(int Button, double xPlane, double yPlane) {
    const float x = toSingle(xPlane);
    const float Y = toSingle(yPlane);
    // The tests run one after another, each reading the tools as the previous one left them.
    if (!Optext_->isChecked() && Button == kRightButton) {
        window_.DrawDot(x, Y, host_.pointColor());
    }
    if (Optext_->isChecked() && Button == kLeftButton) {
        host_.minimiseMainWindow();
        const QString text = host_.dialogs().inputText(
            &window_, QStringLiteral("请输入你要输入的字符:"), QStringLiteral("文字工具"));
        window_.PrintWord(x, Y, text, numberText(settings_.settings().axisColor));
        deselect(Optext_);
    }
    if (Optext_->isChecked() && Button == kRightButton) deselect(Optext_);
    if (Opline_->isChecked() && Button == kLeftButton && stage_ == 0) {
        // Both ends start at the press, so the band never shows a stale pointer position.
        bandFrom_ = QPointF(x, Y);
        bandTo_ = bandFrom_;
        placeRubberBand();
        Linexp_->show();
        stage_ = 1;
    } else if (Opline_->isChecked() && Button == kLeftButton && stage_ == 1) {
        Linexp_->hide();
        Opline_->setChecked(false);
        surface_.line(bandFrom_.x(), bandFrom_.y(), x, Y);
        stage_ = 0;
        surface_.setCursor(Qt::ArrowCursor);
    }
}

void PlaneTools::placeRubberBand() {
    // Held in plane units and placed through the surface's present scale.
    Linexp_->setLine(surface_.toPixel(bandFrom_.x(), bandFrom_.y()).toPoint(),
                     surface_.toPixel(bandTo_.x(), bandTo_.y()).toPoint());
}

void PlaneTools::Command1_Click() {
    // The picture as it is now: a plot still running may draw on while the dialog is open.
    const QImage picsav = surface_.image();
    const QString chosen = host_.dialogs().saveFileName(
        &window_, QStringLiteral("导出图像"),
        QStringLiteral("JPG (*.jpg *.jpeg);;PNG (*.png);;BMP (*.bmp)"), QStringLiteral("jpg"));
    if (chosen.isEmpty()) return;
    if (!writeImageFile(picsav, withDefaultSuffix(chosen, QStringLiteral("jpg")))) {
        host_.dialogs().message(&window_, QStringLiteral("导出图像失败。"),
                                Dialogs::Icon::Exclamation);
        return;
    }
    host_.dialogs().message(&window_, QStringLiteral("导出图像成功。"), Dialogs::Icon::None);
}

}  // namespace zeto
