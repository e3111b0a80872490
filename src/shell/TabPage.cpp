#include "shell/TabPage.h"

#include "platform/Picture.h"
#include "platform/Twips.h"
#include "platform/core/ProgramFiles.h"
#include "script/core/FormulaError.h"
#include "shell/NumberCheck.h"
#include "shell/PlaneAccess.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeto {

TabPage::TabPage(const PageContext& context, int pageTopPixels, QWidget* parent)
    : QWidget(parent), context_(context), pageTop_(pageTopPixels) {}

void TabPage::showMessage(const QString& text, Dialogs::Icon icon) {
    dialogs().message(window(), text, icon);
}

void TabPage::reportFormulaFailure(const QString& message, const VbError& error, QLineEdit* field) {
    showMessage(message, Dialogs::Icon::Exclamation);
    const auto* failure = dynamic_cast<const script::FormulaError*>(&error);
    if (!failure || !failure->hasStretch()) return;
    field->setFocus(Qt::OtherFocusReason);
    field->setSelection(failure->start(), failure->length());
}

void TabPage::place(QWidget* child, int left, int top, int width, int height) {
    QRect r = twipsRect(left, top, width, height);
    r.translate(-1, -pageTop_);
    child->setGeometry(r);
}

void TabPage::placeIn(QWidget* child, int left, int top, int width, int height) {
    placeTwips(child, left, top, width, height);
}

QGroupBox* TabPage::addFrame(const char* name, const QString& caption, int left, int top, int width,
                             int height) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QLatin1String(name));
    place(frame, left, top, width, height);
    return frame;
}

QPushButton* TabPage::addButton(const char* name, const QString& caption, int left, int top,
                                int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    place(button, left, top, width, height);
    return button;
}

QLabel* TabPage::addLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                          int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (width > 0 && height > 0) {
        placeTwips(label, left, top, width, height);
    } else {
        label->adjustSize();
        moveTwips(label, left, top);
    }
    return label;
}

QLineEdit* TabPage::addField(QWidget* parent, const char* name, const QString& text, int left,
                             int top, int width, int height) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QLatin1String(name));
    placeTwips(field, left, top, width, height);
    return field;
}

QLineEdit* TabPage::addNumberField(QWidget* parent, const char* name, const QString& text, int left,
                                   int top, int width, int height) {
    QLineEdit* field = addField(parent, name, text, left, top, width, height);
    NumberCheck::watch(context_.host, context_.dialogs, field);
    return field;
}

void TabPage::addPlaneButtons(const char* showName, const char* clearName,
                              const char* settingsName) {
    QPushButton* show = addButton(showName, QStringLiteral("查看坐标"), 5280, 1140, 1425, 345);
    QPushButton* clear = addButton(clearName, QStringLiteral("清空坐标"), 5280, 1620, 1425, 345);
    QPushButton* settings =
        addButton(settingsName, QStringLiteral("坐标设置"), 5280, 2100, 1425, 345);
    connect(show, &QPushButton::clicked, this, [this] { plane().showPlane(); });
    // Clearing redraws the plane in place; the coordinate window is not brought forward.
    connect(clear, &QPushButton::clicked, this, [this] { plane().clearPlane(); });
    connect(settings, &QPushButton::clicked, this, [this] { plane().showSettings(); });
}

void TabPage::makeTextRed(QWidget* widget) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    p.setColor(QPalette::Text, Qt::red);
    widget->setPalette(p);
}

QLabel* TabPage::addIcon(const char* name, const QString& file, int left, int top) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QLatin1String(name));
    place(icon, left, top, 480, 480);
    showPicture(icon, files().path(file));
    return icon;
}

}  // namespace zeto
