#pragma once

#include "platform/Dialogs.h"

#include <optional>

// Benchmarks measure work, not people: every question is answered at once, as cancelled.
class SilentDialogs : public zeto::Dialogs {
  public:
    void message(QWidget*, const QString&, Icon) override {}
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         QString* = nullptr) override {
        return {};
    }
    QString inputText(QWidget*, const QString&, const QString&) override { return {}; }
    void printPreview(QWidget*, const std::function<void(QPrinter&)>&) override {}
};
