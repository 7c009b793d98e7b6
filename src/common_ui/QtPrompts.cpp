#include "common_ui/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon toIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toButton(PromptAnswer answer)
{
    switch (answer) {
    case PromptAnswer::Yes: return QMessageBox::Yes;
    case PromptAnswer::No: return QMessageBox::No;
    case PromptAnswer::Cancel: return QMessageBox::Cancel;
    case PromptAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

PromptAnswer fromButton(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: return PromptAnswer::Ok;
    }
}
} // namespace

PromptAnswer QtPrompts::ask(PromptIcon icon, const QString& title, const QString& text, PromptButtons buttons,
                            PromptAnswer defaultAnswer)
{
    QMessageBox box(toIcon(icon), title, text, toButtons(buttons), QApplication::activeWindow());
    box.setDefaultButton(toButton(defaultAnswer));
    if (buttons == PromptButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return fromButton(box.exec());
}

std::optional<QString> QtPrompts::input(const QString& title, const QString& label, const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompts::inputWithSuggestions(const QString& title, const QString& label,
                                                      const QStringList& suggestions)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(suggestions);
    dialog.setComboBoxEditable(true);
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompts::password(const QString& title, const QString& label)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompts::openFile(const QString& title, const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter);
}

QString QtPrompts::saveFile(const QString& title, const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, directory, filter);
}

QString QtPrompts::chooseFolder(const QString& title, const QString& directory)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, directory);
}

void QtPrompts::beep()
{
    QApplication::beep();
}
