#pragma once

// The hand-over of documents and addresses to the desktop's default
// application, and the program's own addresses (the about box, the help menu).

#include <functional>
#include <string>

class QUrl;

namespace korvan {

// The program's web page, the author's home page and e-mail address.
extern const char* const KorvanWebPage;
extern const char* const AuthorHomePage;
extern const char* const AuthorEmail;

// Hands a document (an absolute UTF-8 path, beginning with "/") or an address
// ("https:", "mailto:") to the desktop's default application; the target is cut
// to 255 characters. Whether anything opens is not looked at.
void ShellOpen(const std::string& target);
// For tests: every later ShellOpen goes to `opener` instead of the desktop
// (an empty function restores the desktop).
void SetShellOpener(std::function<void(const QUrl&)> opener);

} // namespace korvan
