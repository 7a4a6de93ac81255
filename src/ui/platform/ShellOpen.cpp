#include "ui/platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

#include "settings/LessonAuthoring.h"
#include "ui/platform/UiHelpers.h"

namespace korvan {

const char* const KorvanWebPage = "https://korvan.example.org/";
const char* const AuthorHomePage = "https://sedov.example.org/";
const char* const AuthorEmail = "pavel.sedov@example.org";

namespace {

std::function<void(const QUrl&)>& Opener()
{
    static std::function<void(const QUrl&)> opener;
    return opener;
}

} // namespace

void ShellOpen(const std::string& target)
{
    const std::string cut = CutShellTarget(target);
    const QUrl url = !cut.empty() && cut.front() == '/' ? QUrl::fromLocalFile(PathText(cut))
                                                        : QUrl(QString::fromUtf8(cut));
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void SetShellOpener(std::function<void(const QUrl&)> opener)
{
    Opener() = std::move(opener);
}

} // namespace korvan
