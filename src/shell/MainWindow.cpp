#include "shell/MainWindow.h"

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
#include "script/FormulaCallbacks.h"
#include "script/ScriptRunner.h"
#include "script/core/ScriptHost.h"
#include "shell/AboutWindow.h"
#include "shell/ActivityLamp.h"
#include "shell/Banner.h"
#include "shell/Links.h"
#include "tools/CalculatorPage.h"
#include "tools/EquationPage.h"
#include "tools/RadicalPage.h"
#include "tools/SequencePage.h"

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
    : QMainWindow(parent),
      platform_(platform),
      SC_(std::make_unique<script::ScriptHost>()),
      Myobj_(std::make_unique<FormulaCallbacks>(*this)) {
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
    state_.EXITZETO = true;
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
    CC_ = new QLabel(client);
    CC_->setObjectName(QStringLiteral("CC"));
    placeTwips(CC_, 0, 4560, 480, 480);
    CC_->setAlignment(Qt::AlignCenter);
    // The lamp shows its designed picture, the idle one, until the first task ends.
    showPicture(CC_, files().path(QStringLiteral("\\DATA\\N.kvt")));
    lamp_ = new ActivityLamp(CC_, state_.Cci, files(), this);

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
    SSTab1_ = new QTabWidget(client);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    placeTwips(SSTab1_, 120, 610, 6975, 4020);
    SSTab1_->tabBar()->setExpanding(true);
    SSTab1_->setUsesScrollButtons(false);

    // Page layouts are designed relative to the whole tab control; the pages begin below the
    // tab row, whose height depends on the font.
    QTabBar probe;
    probe.setFont(SSTab1_->font());
    probe.addTab(QStringLiteral("最简根式"));
    const int pageTop = probe.sizeHint().height() + 1;

    auto addPage = [this](TabPage* page, const QString& caption) {
        SSTab1_->addTab(page, caption);
    };
    addPage(new RadicalPage(*this, pageTop, SSTab1_), QStringLiteral("最简根式"));
    functionPage_ = new FunctionPage(*this, pageTop, SSTab1_);
    // The function page carries the hidden box every generated procedure passes through.
    runner_ = std::make_unique<ScriptRunner>(*SC_, *Myobj_, functionPage_->scriptBox());
    addPage(functionPage_, QStringLiteral("函数图象"));
    curvePage_ = new CurvePage(*this, pageTop, SSTab1_);
    addPage(curvePage_, QStringLiteral("平面解析几何"));
    addPage(new EquationPage(*this, pageTop, SSTab1_), QStringLiteral("一元二次方程"));
    addPage(new CalculatorPage(*this, pageTop, SSTab1_), QStringLiteral("表达式的值"));
    sequencePage_ = new SequencePage(*this, pageTop, SSTab1_);
    addPage(sequencePage_, QStringLiteral("数列"));
}

void MainWindow::load() {
    SettingsWindow& settings = planes_->settings();
    settings.setAxisLength(10);
    centreOnScreen(this);

    settings.selectBold(QStringLiteral("粗"));

    settings.setPenWidthValue(2);
    planes_->plane().setPenWidth(2);

    sequencePage_->selectKind(QStringLiteral("等差数列"));
    functionPage_->selectKind(QStringLiteral("一次函数"));
    state_.funsort = 1;
    curvePage_->selectKind(QStringLiteral("圆"));

    state_.EXITZETO = false;
    SSTab1_->setCurrentIndex(0);

    SC_->AddObject("OBJsc", Myobj_.get());

    settings.selectDpi(QStringLiteral("正常"));
    settings.setPointStep(toSingle(3.1415926535 / 1000));
    state_.Cci = 1;
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

void MainWindow::soundout() {
    platform_.sound.play(files().path(Links::completionSound()));
}

bool MainWindow::yieldToEvents() {
    if (state_.EXITZETO) return false;
    QCoreApplication::processEvents();
    return !state_.EXITZETO;
}

CoordinateWindow& MainWindow::coordinateWindow() {
    return planes_->plane();
}

SettingsWindow& MainWindow::settingsWindow() {
    return planes_->settings();
}

PlaneSettings MainWindow::planeSettings() const {
    return planes_->settings().settings();
}

PlotCanvas& MainWindow::canvas() {
    return planes_->plane();
}

void MainWindow::clearPlane() {
    planes_->clearPlane();
}

QString MainWindow::previewCountText() const {
    return planes_->settings().previewCountText();
}

ScriptRunner& MainWindow::scripts() {
    return *runner_;
}

void MainWindow::showWindow(QWidget* window) {
    if (state_.EXITZETO) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showPlane() {
    showWindow(&planes_->plane());
}

void MainWindow::showSettings() {
    showWindow(&planes_->settings());
}

AboutWindow* MainWindow::about() const {
    return about_.data();
}

void MainWindow::showAbout() {
    if (!about_) about_ = new AboutWindow(files(), this);
    showWindow(about_);
}

void MainWindow::openHelp() {
    platform_.launcher.openDocument(files().path(Links::helpPage()));
}

BgrColor MainWindow::pointColor() const {
    return functionPage_->graphColor();
}

void MainWindow::minimiseMainWindow() {
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void MainWindow::openWebPage() {
    platform_.launcher.openDocument(Links::webPage());
}

void MainWindow::writeMail() {
    platform_.launcher.openDocument(QStringLiteral("mailto:") + Links::mailAddress());
}

void MainWindow::startCalculator() {
    platform_.launcher.startProgram(files().path(Links::calculator()), files().folder());
}

void MainWindow::exitNow() {
    state_.EXITZETO = true;
    for (QWidget* window :
         {static_cast<QWidget*>(&planes_->plane()), static_cast<QWidget*>(&planes_->settings()),
          static_cast<QWidget*>(about_.data()), static_cast<QWidget*>(this)})
        if (window) window->hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // From here on every long task stops at its next yield, and the plane windows close
    // instead of hiding.
    state_.EXITZETO = true;
    planes_->close();
    if (about_) about_->close();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace zeto
