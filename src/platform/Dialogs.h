#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zeto {

// Every question the program asks the user goes through this interface, so that tests can
// script the answers. Message boxes carry the title "ZETO" and a single OK button.
class Dialogs {
  public:
    enum class Icon { None, Information, Exclamation };

    virtual ~Dialogs() = default;

    virtual void message(QWidget* parent, const QString& text, Icon icon) = 0;
    // The colour dialog opens on `initial`; nothing is returned when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Empty when the user cancels. `chosenFilter`, when given, receives the filter the user
    // left selected (one of those `filter` lists, separated by ";;").
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix, QString* chosenFilter = nullptr) = 0;
    // The one-line input box; a cancelled box yields the empty text.
    virtual QString inputText(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // Qt's print preview: `paint` draws the pages on the printer for the preview and again for
    // printing, if the user prints.
    virtual void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

}  // namespace zeto
