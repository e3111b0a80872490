#pragma once

#include "platform/Dialogs.h"

#include <QColor>
#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace zeto::test {

// Dialogs whose answers a test sets in advance; every question asked is recorded.
class ScriptedDialogs : public Dialogs {
  public:
    struct Message {
        QString text;
        Icon icon;
    };

    void message(QWidget* parent, const QString& text, Icon icon) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix, QString* chosenFilter = nullptr) override;
    QString inputText(QWidget* parent, const QString& prompt, const QString& title) override;
    // Counts the preview and prints on `printer` when a test set one.
    void printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;

    QList<Message> messages;
    QList<QColor> colorDialogInitials;
    std::deque<std::optional<QColor>> colorAnswers;  // empty queue: the dialog is cancelled
    std::deque<QString> fileAnswers;                 // empty queue: the dialog is cancelled
    std::deque<QString> filterAnswers;               // empty queue: the first filter stays
    std::deque<QString> inputAnswers;                // empty queue: the box is cancelled
    QStringList inputPrompts;
    QStringList inputTitles;
    QStringList fileQuestions;  // title, filter and default suffix of each, joined by '|'
    QPrinter* printer = nullptr;
    int printPreviews = 0;

    QStringList messageTexts() const;
    void clear();
};

}  // namespace zeto::test
