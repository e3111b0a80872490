#include "platform/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zeto {

void QtDialogs::message(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("ZETO"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    box.exec();
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString QtDialogs::inputText(QWidget* parent, const QString& prompt, const QString& title) {
    bool ok = false;
    QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

}  // namespace zeto
