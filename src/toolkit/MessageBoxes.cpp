#include "toolkit/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vm {

int SuiMsgBox(QWidget* parent, int kind, const QString& text, const QString& title, const MessageButtonTexts& buttons)
{
    QMessageBox box(kind == 0 ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::NoButton, parent);
    if (kind == 2) {
        QPushButton* yes = box.addButton(buttons.yes, QMessageBox::YesRole);
        box.addButton(buttons.no, QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == yes ? 6 : 7;
    }
    box.addButton(buttons.ok, QMessageBox::AcceptRole);
    box.exec();
    return 1;
}

void ShowErrorBox(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
}

void ShowPlainMessage(const QString& message)
{
    QMessageBox::information(nullptr, QApplication::applicationName(), message);
}

} // namespace vm
