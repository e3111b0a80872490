#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/ActivityLamp.h"
#include "app/Banner.h"
#include "app/Links.h"
#include "curves/CurvePage.h"
#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"
#include "plane/PlaneWindows.h"
#include "plane/SettingsWindow.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Picture.h"
#include "platform/SoundPlayer.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "script/core/ScriptHost.h"
#include "shell/PageContext.h"
#include "tools/CalculatorPage.h"
#include "tools/EquationPage.h"
#include "tools/RadicalPage.h"
#include "tools/SequencePage.h"
#include "tools/StepsWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace zeto {

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), engine_(std::make_unique<script::ScriptHost>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZETO"));
    setWindowIcon(QIcon(files().path(QStringLiteral("\\data\\zeto.png"))));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(7200), twipsToPixels(4980));
    setCentralWidget(client);
    // The plane windows come before the pages, which reach the plane from the start.
    planes_ = std::make_unique<PlaneWindows>(*this);
    buildMenus();
    buildToolButtons(client);
    buildStatusLine(client);
    buildPages(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    load();
}

MainWindow::~MainWindow() {
    // The plane windows ask whether the program is closing while they go.
    closing_ = true;
    planes_.reset();
}

void MainWindow::buildMenus() {
    struct Item {
        const char* name;
        QString caption;
        void (MainWindow::*action)();
    };
    auto addMenu = [this](const char* name, const QString& title,
                          std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Menu"));
        for (const Item& item : items) {
            QAction* action = item.action ? menu->addAction(item.caption) : menu->addSeparator();
            action->setObjectName(QLatin1String(item.name));
            action->setParent(menu);
            if (item.action) connect(action, &QAction::triggered, this, item.action);
        }
    };
    addMenu("sys", QStringLiteral("系统(&S)"),
            {{"config", QStringLiteral("系统设置"), &MainWindow::showSettings},
             {"hypen", QStringLiteral("-"), nullptr},
             {"EXIT", QStringLiteral("退出ZETO"), &MainWindow::exitNow}});
    addMenu("tools", QStringLiteral("工具(&T)"),
            {{"calc", QStringLiteral("计算器"), &MainWindow::startCalculator}});
    addMenu("help", QStringLiteral("帮助(&H)"),
            {{"toppic", QStringLiteral("帮助主题"), &MainWindow::openHelp},
             {"web", QStringLiteral("公司网站"), &MainWindow::openWebPage},
             {"email", QStringLiteral("作者信箱"), &MainWindow::writeMail},
             {"line", QStringLiteral("-"), nullptr},
             {"ABOUT", QStringLiteral("关于ZETO"), &MainWindow::showAbout}});
}

void MainWindow::buildToolButtons(QWidget* client) {
    struct Button {
        const char* name;
        QString tip;
        const char* icon;
        int left;
        int top;
        void (MainWindow::*action)();
    };
    const Button buttons[] = {
        {"FlatBttn1", QStringLiteral("计算器"), "calc.png", 120, 45, &MainWindow::startCalculator},
        {"FlatBttn2", QStringLiteral("查看坐标"), "plane.png", 700, 40, &MainWindow::showPlane},
        {"FlatBttn3", QStringLiteral("系统设置"), "settings.png", 1320, 40,
         &MainWindow::showSettings},
        {"FlatBttn4", QStringLiteral("公司网站"), "web.png", 1920, 40, &MainWindow::openWebPage},
        {"FlatBttn5", QStringLiteral("系统帮助"), "help.png", 2520, 40, &MainWindow::openHelp},
        {"FlatBttn6", QStringLiteral("关于系统"), "about.png", 3120, 40, &MainWindow::showAbout},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(client);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(b.tip);
        button->setAutoRaise(true);
        button->setIcon(QIcon(files().path(QStringLiteral("\\data\\") + QLatin1String(b.icon))));
        button->setIconSize(QSize(32, 32));
        placeTwips(button, b.left, b.top, 540, 540);
        connect(button, &QToolButton::clicked, this, b.action);
    }

    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    placeTwips(picture, 4470, 75, 2610, 540);
    picture->setToolTip(QStringLiteral("公司网站:") + Links::webPage());
    showPicture(picture, files().path(QStringLiteral("\\data\\sl.kvt")));
    banner_ = new Banner(picture, files(), this);

    auto* strip = new QLabel(client);
    strip->setObjectName(QStringLiteral("Image2"));
    placeTwips(strip, 0, 0, 7500, 30);
    strip->setScaledContents(true);
    showPicture(strip, files().path(QStringLiteral("\\data\\strip.png")));
}

void MainWindow::buildStatusLine(QWidget* client) {
    auto* lamp = new QLabel(client);
    lamp->setObjectName(QStringLiteral("CC"));
    placeTwips(lamp, 0, 4560, 480, 480);
    lamp->setAlignment(Qt::AlignCenter);
    // The lamp shows its designed picture, the idle one, until the first task ends.
    showPicture(lamp, files().path(QStringLiteral("\\DATA\\N.kvt")));
    lamp_ = new ActivityLamp(lamp, files(), this);

    auto* label = new QLabel(QStringLiteral("状态:"), client);
    label->setObjectName(QStringLiteral("Label1"));
    placeTwips(label, 495, 4710, 495, 255);
    status_ = new QLabel(QStringLiteral("就绪"), client);
    status_->setObjectName(QStringLiteral("status"));
    placeTwips(status_, 1080, 4710, 2280, 255);

    auto* mark = new QLabel(client);
    mark->setObjectName(QStringLiteral("Image3"));
    placeTwips(mark, 5280, 4650, 1800, 300);
    showPicture(mark, files().path(QStringLiteral("\\data\\mark.png")));
}

void MainWindow::buildPages(QWidget* client) {
    pages_ = new QTabWidget(client);
    pages_->setObjectName(QStringLiteral("SSTab1"));
    placeTwips(pages_, 120, 610, 6975, 4020);
    pages_->tabBar()->setExpanding(true);
    pages_->setUsesScrollButtons(false);

    // Page layouts are designed relative to the whole tab control; the pages begin below the
    // tab row, whose height depends on the font.
    QTabBar probe;
    probe.setFont(pages_->font());
    probe.addTab(QStringLiteral("最简根式"));
    const int pageTop = probe.sizeHint().height() + 1;

    // One window of worked steps serves the equation, radical and sequence pages.
    steps_ = new StepsWindow(this);
    const PageContext context{*this,    platform_.dialogs, *planes_,
                              *engine_, platform_.files,   *steps_};
    auto addPage = [this](TabPage* page, const QString& caption) { pages_->addTab(page, caption); };
    addPage(new RadicalPage(context, pageTop, pages_), QStringLiteral("最简根式"));
    functionPage_ = new FunctionPage(context, pageTop, pages_);
    addPage(functionPage_, QStringLiteral("函数图象"));
    curvePage_ = new CurvePage(context, pageTop, pages_);
    addPage(curvePage_, QStringLiteral("平面解析几何"));
    addPage(new EquationPage(context, pageTop, pages_), QStringLiteral("一元二次方程"));
    addPage(new CalculatorPage(context, pageTop, pages_), QStringLiteral("表达式的值"));
    sequencePage_ = new SequencePage(context, pageTop, pages_);
    addPage(sequencePage_, QStringLiteral("数列"));
}

void MainWindow::load() {
    PlaneSettingsModel& model = planes_->model();
    const auto setValue = [&model](auto change) {
        PlaneSettings next = model.value();
        change(next);
        model.apply(next, PlaneSettingsModel::Effect::None);
    };
    setValue([](PlaneSettings& s) { s.axisLength = 10; });
    centreOnScreen(this);

    settingsWindow().selectPenWidth(QStringLiteral("粗"));
    setValue([](PlaneSettings& s) { s.penWidth = 2; });

    sequencePage_->selectKind(QStringLiteral("等差数列"));
    functionPage_->selectKind(QStringLiteral("一次函数"));
    curvePage_->selectKind(QStringLiteral("圆"));

    closing_ = false;
    pages_->setCurrentIndex(0);

    settingsWindow().selectFineness(QStringLiteral("正常"));
    setValue([](PlaneSettings& s) { s.pointStep = toSingle(3.1415926535 / 1000); });
}

void MainWindow::setStatus(const QString& text) {
    status_->setText(text);
}

void MainWindow::startLamp() {
    lamp_->start();
}

void MainWindow::stopLamp() {
    lamp_->stop();
}

void MainWindow::playCompletionSound() {
    platform_.sound.play(files().path(Links::completionSound()));
}

bool MainWindow::yieldToEvents() {
    if (closing_) return false;
    QCoreApplication::processEvents();
    return !closing_;
}

CoordinateWindow& MainWindow::coordinateWindow() {
    return planes_->plane();
}

SettingsWindow& MainWindow::settingsWindow() {
    return planes_->settingsWindow();
}

void MainWindow::clearPlane() {
    planes_->clearPlane();
}

void MainWindow::showWindow(QWidget* window) {
    if (closing_) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showPlane() {
    planes_->showPlane();
}

void MainWindow::showSettings() {
    planes_->showSettings();
}

AboutWindow* MainWindow::about() const {
    return about_.data();
}

void MainWindow::showAbout() {
    if (!about_) about_ = new AboutWindow(files(), this);
    showWindow(about_);
}

std::function<void()> MainWindow::failureMessage(const QString& text) {
    return [window = QPointer<MainWindow>(this), text] {
        if (window) window->dialogs().message(window, text, Dialogs::Icon::Exclamation);
    };
}

void MainWindow::openHelp() {
    const QString page = files().path(Links::helpPage());
    platform_.launcher.openDocument(page,
                                    failureMessage(QStringLiteral("无法打开帮助文件：") + page));
}

BgrColor MainWindow::pointColor() const {
    return functionPage_->graphColor();
}

void MainWindow::minimiseMainWindow() {
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void MainWindow::openWebPage() {
    platform_.launcher.openDocument(
        Links::webPage(), failureMessage(QStringLiteral("无法打开网页：") + Links::webPage()));
}

void MainWindow::writeMail() {
    platform_.launcher.openDocument(
        QStringLiteral("mailto:") + Links::mailAddress(),
        failureMessage(QStringLiteral("无法打开邮件程序：") + Links::mailAddress()));
}

void MainWindow::startCalculator() {
    const QString program = files().path(Links::calculator());
    platform_.launcher.startProgram(program, files().folder(),
                                    failureMessage(QStringLiteral("无法启动计算器：") + program));
}

void MainWindow::exitNow() {
    closing_ = true;
    for (QWidget* window :
         {static_cast<QWidget*>(&planes_->plane()),
          static_cast<QWidget*>(&planes_->settingsWindow()), static_cast<QWidget*>(about_.data()),
          static_cast<QWidget*>(steps_), static_cast<QWidget*>(this)})
        if (window) window->hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // From here on every long task stops at its next yield, and the plane windows close
    // instead of hiding.
    closing_ = true;
    planes_->close();
    if (about_) about_->close();
    steps_->close();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace zeto
