#pragma once

#include "FakeShell.h"

#include "plane/SettingsWindow.h"
#include "tools/CalculatorPage.h"
#include "tools/SequencePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

namespace zeto::test {

// Both calculation pages under the fake main window, with the callback object registered as
// the main window registers it.
class CalcFixture : public ::testing::Test {
  protected:
    CalcFixture() {
        calculator = new CalculatorPage(shell.context(), 24, &shell.main);
        sequences = new SequencePage(shell.context(), 24, &shell.main);
        sequences->selectKind(QStringLiteral("等差数列"));
    }

    template <typename T>
    T* control(const char* name) {
        return shell.control<T>(name);
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    void click(const char* name) { control<QPushButton>(name)->click(); }

    QString results() { return control<QPlainTextEdit>("txtrlt")->toPlainText(); }
    QStringList items() {
        QStringList texts;
        QListWidget* list = control<QListWidget>("SLEXP");
        for (int k = 0; k < list->count(); ++k) texts << list->item(k)->text();
        return texts;
    }
    QString sum() { return control<QLabel>("SUM")->text(); }
    QStringList messages() { return shell.scripted.messageTexts(); }

    // Exactly one message was shown since the last check, with this text and icon.
    void expectOnlyMessage(const QString& text, Dialogs::Icon icon = Dialogs::Icon::Exclamation) {
        ASSERT_EQ(messages(), QStringList{text});
        EXPECT_EQ(shell.scripted.messages[0].icon, icon);
        shell.scripted.clear();
    }

    void setPreviewCount(const QString& text) {
        auto* box = shell.settingsWindow().findChild<QLineEdit*>(QStringLiteral("SLYLN"));
        ASSERT_NE(box, nullptr);
        box->setText(text);
    }

    FakeShell shell;
    CalculatorPage* calculator = nullptr;
    SequencePage* sequences = nullptr;
};

}  // namespace zeto::test
