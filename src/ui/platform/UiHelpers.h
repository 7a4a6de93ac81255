#pragma once

// Room ui/platform: sound and modules, fonts and icons, single instance, Qt ports, helpers.
//
// Window helpers shared by every dialog of the program.

#include <QString>
#include <QStringList>

#include <string>

class QAbstractButton;
class QMenu;
class QWidget;

namespace korvan {

// The program's message box: application-modal, caption "Сообщение", OK or OK
// and Cancel. Returns true for OK.
bool ShowMsgBox(QWidget* parent, const QString& text, bool withCancel);

// For widget tests: the next ShowMsgBox shows nothing and returns `ok` (answers
// queue up in order); the texts it was given are kept for TakeShownMessages.
void SetNextAnswer(bool ok);
// The texts of the pre-answered message boxes since the last call, oldest first.
QStringList TakeShownMessages();

// Opens the menu with its top-left corner at the bottom-left corner of the button.
void PopupUnderButton(QAbstractButton* button, QMenu* menu);

// A path (the file system's bytes) as the user reads it, and back.
QString PathText(const std::string& path);
std::string PathOf(const QString& text);

// Makes the tab page holding the control current (if any), then focuses it.
void FocusControl(QWidget* control);

} // namespace korvan
