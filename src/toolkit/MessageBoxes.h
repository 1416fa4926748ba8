#pragma once
// The program's message boxes.
#include <QString>

class QWidget;

namespace vm {

struct MessageButtonTexts {
    QString ok = "OK", yes = "Yes", no = "No";
};

// Kind 0: warning, one OK button; kind 1: information, one OK button;
// kind 2: information with Yes (result 6) and No (result 7). Returns 1 for OK.
int SuiMsgBox(QWidget* parent, int kind, const QString& text, const QString& title, const MessageButtonTexts& buttons);

// The application's error box, for errors that reach an event handler.
void ShowErrorBox(QWidget* parent, const QString& message);

// A plain message without a parent, for the fatal start-up messages.
void ShowPlainMessage(const QString& message);

} // namespace vm
