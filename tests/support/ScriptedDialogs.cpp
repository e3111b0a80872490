#include "ScriptedDialogs.h"

namespace zeto::test {

void ScriptedDialogs::message(QWidget*, const QString& text, Icon icon) {
    messages.append({text, icon});
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor& initial) {
    colorDialogInitials.append(initial);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& defaultSuffix, QString* chosenFilter) {
    fileQuestions.append(title + QLatin1Char('|') + filter + QLatin1Char('|') + defaultSuffix);
    if (fileAnswers.empty()) return QString();
    QString chosen = filter.section(QStringLiteral(";;"), 0, 0);
    if (!filterAnswers.empty()) {
        chosen = filterAnswers.front();
        filterAnswers.pop_front();
    }
    if (chosenFilter) *chosenFilter = chosen;
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::inputText(QWidget*, const QString& prompt, const QString& title) {
    inputPrompts.append(prompt);
    inputTitles.append(title);
    if (inputAnswers.empty()) return QString();
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::printPreview(QWidget*, const std::function<void(QPrinter&)>& paint) {
    ++printPreviews;
    if (printer) paint(*printer);
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const auto& m : messages) texts.append(m.text);
    return texts;
}

void ScriptedDialogs::clear() {
    messages.clear();
    colorDialogInitials.clear();
    inputPrompts.clear();
    inputTitles.clear();
    fileQuestions.clear();
}

}  // namespace zeto::test
