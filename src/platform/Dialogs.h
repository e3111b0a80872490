#pragma once

#include <QColor>
#include <QString>

#include <optional>

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
    // Empty when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The one-line input box; a cancelled box yields the empty text.
    virtual QString inputText(QWidget* parent, const QString& prompt, const QString& title) = 0;
};

}  // namespace zeto
