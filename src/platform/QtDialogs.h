#pragma once

#include "platform/Dialogs.h"

namespace zeto {

// The real dialogs: QMessageBox titled "ZETO" and Qt's standard colour, file, input and print
// preview dialogs.
class QtDialogs : public Dialogs {
  public:
    void message(QWidget* parent, const QString& text, Icon icon) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix, QString* chosenFilter = nullptr) override;
    QString inputText(QWidget* parent, const QString& prompt, const QString& title) override;
    void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace zeto
