#include "plane/PlaneTools.h"

#include "plane/CoordinateWindow.h"
#include "plane/PlaneHost.h"
#include "plane/PlanePage.h"
#include "plane/ProjectionView.h"
#include "plane/VectorExport.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/ImageExport.h"
#include "platform/LineShape.h"
#include "platform/Twips.h"
#include "platform/core/NumberText.h"
#include "platform/core/ProgramFiles.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace zeto {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// The 32-pixel pictures of the icon set, halved: the buttons are 23 by 22 pixels.
constexpr int kIconPixels = 16;

// The buttons after the line tool `Opline` follow it this far apart, left edge to left edge,
// in twips.
constexpr int kLineToolLeftTwips = 863;
constexpr int kStripPitchTwips = 360;
constexpr int kStripTopTwips = 75;

// The export's formats: the extension of the name decides the format, the filter left chosen
// the size of a raster picture.
struct ExportChoice {
    const char* filter;
    int factor;
};
constexpr ExportChoice kExportChoices[] = {
    {"JPG (*.jpg *.jpeg)", 1}, {"JPG 2× (*.jpg *.jpeg)", 2}, {"JPG 4× (*.jpg *.jpeg)", 4},
    {"PNG (*.png)", 1},        {"PNG 2× (*.png)", 2},        {"PNG 4× (*.png)", 4},
    {"BMP (*.bmp)", 1},        {"BMP 2× (*.bmp)", 2},        {"BMP 4× (*.bmp)", 4},
    {"SVG (*.svg)", 1},        {"PDF (*.pdf)", 1},
};

QString exportFilters() {
    QStringList filters;
    for (const ExportChoice& c : kExportChoices) filters << QString::fromUtf8(c.filter);
    return filters.join(QStringLiteral(";;"));
}

const ExportChoice& exportChoice(const QString& filter) {
    for (const ExportChoice& c : kExportChoices)
        if (filter == QString::fromUtf8(c.filter)) return c;
    return kExportChoices[0];
}

// "PNG 2× (*.png)" gives "png".
QString filterSuffix(const char* filter) {
    const QString text = QString::fromUtf8(filter);
    const qsizetype dot = text.indexOf(QLatin1String("*."));
    return text.mid(dot + 2).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')'));
}

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
    buildShortcuts();
    connect(&surface_, &DrawingSurface::mousePressed, this, &PlaneTools::pointerPressed);
    connect(&surface_, &DrawingSurface::mouseMoved, this, &PlaneTools::pointerMoved);
    // The traced point follows the pointer and goes with it.
    connect(&surface_, &DrawingSurface::mouseLeft, this, [this] { window_.showTrace({}); });
}

void PlaneTools::buildStrip() {
    exportButton_ = addToolButton("Command1", QStringLiteral("导出图像"), "export.png", 120, 75);
    textTool_ = addToolButton("Optext", QStringLiteral("文字工具"), "text.png", 480, 75);
    lineTool_ =
        addToolButton("Opline", QStringLiteral("直线工具"), "line.png", kLineToolLeftTwips, 99);
    textTool_->setCheckable(true);
    lineTool_->setCheckable(true);
    connect(exportButton_, &QToolButton::clicked, this, &PlaneTools::exportPicture);
    connect(textTool_, &QToolButton::clicked, this, &PlaneTools::chooseTextTool);
    connect(lineTool_, &QToolButton::clicked, this, &PlaneTools::chooseLineTool);
    connect(addStripButton("Cmdfull", QStringLiteral("全屏显示"), "full.png"),
            &QToolButton::clicked, this, &PlaneTools::toggleProjection);
    connect(addStripButton("Cmdprint", QStringLiteral("打印"), "print.png"), &QToolButton::clicked,
            this, &PlaneTools::printPicture);
    panelButton_ = addStripButton("Cmdlist", QStringLiteral("图像与特殊点"), "list.png");
    connect(panelButton_, &QToolButton::clicked, &window_, &CoordinateWindow::togglePanel);

    readout_ = new QLabel(&window_);
    readout_->setObjectName(QStringLiteral("location"));
    placeTwips(readout_, 120, 480, 2535, 255);
    // The read-out floats over the plane: the pointer keeps reading coordinates across it.
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->raise();
    strip_.push_back(readout_);

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
    // Buttons stay before the read-out.
    strip_.insert(std::find(strip_.begin(), strip_.end(), readout_), button);
    return button;
}

QToolButton* PlaneTools::addStripButton(const char* name, const QString& tip, const char* icon) {
    const int last = static_cast<int>(std::count_if(strip_.begin(), strip_.end(), [](QWidget* w) {
        return qobject_cast<QToolButton*>(w) != nullptr;
    }));
    // The designed three stand at their own places; the ones after them follow at one pitch.
    const int left = kLineToolLeftTwips + (last - 2) * kStripPitchTwips;
    return addToolButton(name, tip, icon, left, kStripTopTwips);
}

void PlaneTools::buildShortcuts() {
    const auto add = [this](const QKeySequence& keys, void (PlaneTools::*handler)()) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        shortcuts_.push_back(action);
        return action;
    };
    // The projection view takes the same keys when it is first shown; the window keeps them,
    // for it may still hold the keyboard while the view is up.
    window_.addAction(add(Qt::Key_F11, &PlaneTools::toggleProjection));
    window_.addAction(add(QKeySequence::Copy, &PlaneTools::copyPicture));
    window_.addAction(add(Qt::Key_Escape, &PlaneTools::leaveProjection));
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
    view()->setCursor(Qt::CrossCursor);
    if (other->isChecked()) other->setChecked(false);
}

void PlaneTools::deselect(QToolButton* tool) {
    tool->setChecked(false);
    view()->setCursor(Qt::ArrowCursor);
}

QWidget* PlaneTools::view() const {
    if (projecting()) return projection_;
    return &surface_;
}

QPointF PlaneTools::viewPixel(const QPointF& plane) const {
    if (projecting()) return projection_->toPixel(plane.x(), plane.y());
    return surface_.toPixel(plane.x(), plane.y());
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
            view()->window(), QStringLiteral("请输入你要输入的字符:"), QStringLiteral("文字工具"));
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
        view()->setCursor(Qt::ArrowCursor);
    }
}

void PlaneTools::placeRubberBand() {
    // Held in plane units and placed through the present view's scale.
    rubberBand_->setLine(viewPixel(bandFrom_).toPoint(), viewPixel(bandTo_).toPoint());
}

void PlaneTools::exportPicture() {
    // The picture as it is now: a plot still running may draw on while the dialog is open.
    const PlanePicture picture = window_.picture();
    QWidget* parent = view()->window();
    QString filter;
    const QString chosen = host_.dialogs().saveFileName(
        parent, QStringLiteral("导出图像"), exportFilters(), QStringLiteral("jpg"), &filter);
    if (chosen.isEmpty()) return;
    const ExportChoice& choice = exportChoice(filter);
    const QString file = withDefaultSuffix(chosen, filterSuffix(choice.filter));
    if (!VectorExport::write(picture, file, choice.factor)) {
        host_.dialogs().message(parent, QStringLiteral("导出图像失败。"),
                                Dialogs::Icon::Exclamation);
        return;
    }
    host_.dialogs().message(parent, QStringLiteral("导出图像成功。"), Dialogs::Icon::None);
}

void PlaneTools::printPicture() {
    const PlanePicture picture = window_.picture();
    host_.dialogs().printPreview(
        view()->window(), [&picture](QPrinter& printer) { PlanePage::print(picture, printer); });
}

void PlaneTools::copyPicture() {
    const PlanePicture picture = window_.picture();
    const QImage image = picture.raster(2);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    // The clipboard takes the data over.
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("image/svg+xml"), VectorExport::svg(picture));
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

bool PlaneTools::projecting() const {
    return projection_ && projection_->isVisible();
}

void PlaneTools::toggleProjection() {
    if (projecting()) {
        leaveProjection();
    } else {
        enterProjection();
    }
}

void PlaneTools::enterProjection() {
    if (!projection_) {
        projection_ = new ProjectionView(window_);
        projection_->addActions({shortcuts_.begin(), shortcuts_.end()});
        connect(projection_, &ProjectionView::mousePressed, this, &PlaneTools::pointerPressed);
        connect(projection_, &ProjectionView::mouseMoved, this, &PlaneTools::pointerMoved);
    }
    projection_->setCursor(surface_.cursor());
    // The screen the window is on, whole, also where no window manager makes it so.
    if (QScreen* screen = window_.screen()) projection_->setGeometry(screen->geometry());
    projection_->showFullScreen();
    moveTo(projection_);
    projection_->raise();
    projection_->activateWindow();
}

void PlaneTools::leaveProjection() {
    if (!projecting()) return;
    surface_.setCursor(projection_->cursor());
    projection_->hide();
    moveTo(&surface_);
    window_.raise();
    window_.activateWindow();
}

void PlaneTools::moveTo(QWidget* host) {
    // The strip sits on the window over the surface, or on the view.
    QWidget* stripHost = host == &surface_ ? static_cast<QWidget*>(&window_) : host;
    for (QWidget* w : strip_) {
        w->setParent(stripHost);
        w->show();
        w->raise();
    }
    const bool banding = rubberBand_->isVisible();
    rubberBand_->setParent(host);
    placeRubberBand();
    rubberBand_->setVisible(banding);
}

}  // namespace zeto
