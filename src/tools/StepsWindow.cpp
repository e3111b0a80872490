#include "tools/StepsWindow.h"

#include "shell/MathView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zeto {
namespace {

// Steps are read more than glanced at: a size above the dialog text.
constexpr qreal kTextScale = 1.35;

}  // namespace

StepsWindow::StepsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmsteps"));
    setWindowTitle(QStringLiteral("解题步骤"));

    view_ = new MathView(this);
    view_->setObjectName(QStringLiteral("mathsteps"));
    QFont font = view_->font();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * kTextScale);
    view_->setFont(font);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(view_);
    scroll->setBackgroundRole(QPalette::Base);

    auto* copyButton = new QPushButton(QStringLiteral("复制"), this);
    copyButton->setObjectName(QStringLiteral("cmdcopy"));
    connect(copyButton, &QPushButton::clicked, this, &StepsWindow::copy);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(copyButton, 0, Qt::AlignRight);

    clear();
    resize(560, 480);
}

void StepsWindow::open(const QObject* source, std::vector<MathBox> steps) {
    source_ = source;
    showSteps(QString(), std::move(steps));
    show();
    raise();
    activateWindow();
}

bool StepsWindow::follows(const QObject* source) const {
    return isVisible() && source_ == source;
}

void StepsWindow::showSteps(const QString& title, std::vector<MathBox> steps) {
    if (steps.empty()) return clear();
    if (!title.isEmpty()) steps.insert(steps.begin(), MathBox::text(title));
    view_->setLines(std::move(steps));
    view_->adjustSize();
}

void StepsWindow::clear() {
    view_->setLines({MathBox::text(QStringLiteral("请先求解"))});
    view_->adjustSize();
}

void StepsWindow::copy() {
    QGuiApplication::clipboard()->setText(view_->linearText());
}

}  // namespace zeto
