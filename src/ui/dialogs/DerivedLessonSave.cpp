#include "ui/dialogs/DerivedLessonSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include <deque>
#include <exception>
#include <utility>

#include "drill/Messages.h"
#include "drill/MistakesOffer.h"
#include "lesson/Lesson.h"
#include "lesson/LessonSounds.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/UiHelpers.h"

namespace korvan {

namespace {

struct TPreAnswers
{
    std::deque<QString> Answers;
    QList<TFileDialogRequest> Requests;
};

TPreAnswers& PreAnswers()
{
    static TPreAnswers answers;
    return answers;
}

} // namespace

void SetNextFileName(const QString& fileName)
{
    PreAnswers().Answers.push_back(fileName);
}

QList<TFileDialogRequest> TakeFileDialogRequests()
{
    return std::exchange(PreAnswers().Requests, {});
}

QString ExecFileDialog(QFileDialog& dialog, const QString& proposedFile)
{
    if (TPreAnswers& pre = PreAnswers(); !pre.Answers.empty()) {
        QString answer = pre.Answers.front();
        pre.Answers.pop_front();
        pre.Requests.push_back({dialog.objectName(), dialog.windowTitle(),
                                dialog.directory().absolutePath(), proposedFile});
        return answer;
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

TDerivedLessonSave::TDerivedLessonSave(QWidget* window) : Window(window) {}

QFileDialog* TDerivedLessonSave::SaveLessonDialog()
{
    if (Dialog == nullptr) {
        Dialog = new QFileDialog(Window);
        Dialog->setObjectName(QStringLiteral("SaveLessonDialog"));
        Dialog->setAcceptMode(QFileDialog::AcceptSave);
        Dialog->setFileMode(QFileDialog::AnyFile);
        Dialog->setNameFilter(
            QCoreApplication::translate("TDerivedLessonSave", "Файлы уроков (*.sl2)"));
        // Asking before an existing file is overwritten is the dialog's own.
        Dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
        Dialog->setSizeGripEnabled(true);
    }
    return Dialog;
}

std::optional<std::string> TDerivedLessonSave::Execute(const std::string& proposedPath,
                                                       const std::string& title)
{
    QFileDialog* dialog = SaveLessonDialog();
    // Qt's own standard title would be English; this is the same in Russian.
    dialog->setWindowTitle(title.empty()
                               ? QCoreApplication::translate("TDerivedLessonSave", "Сохранить как")
                               : QCoreApplication::translate("DerivedLessons", title.c_str()));
    const QString folder = QFile::decodeName(FolderOf(proposedPath).c_str());
    const QString file = QFile::decodeName(FileNameOf(proposedPath).c_str());
    dialog->setDirectory(folder.isEmpty() ? QStringLiteral(".") : folder);
    dialog->selectFile(file);
    const QString chosen = ExecFileDialog(*dialog, file);
    if (chosen.isEmpty())
        return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

bool TDerivedLessonSave::ConfirmReplace(const std::string& path)
{
    return ShowMsgBox(Window,
                      QCoreApplication::translate("TDerivedLessonSave",
                                                  "Файл \"%1\" уже существует.\nЗаменить его?")
                          .arg(QFile::decodeName(path.c_str())),
                      true);
}

template <typename Work> void TDerivedLessonSave::Report(const Work& work)
{
    try {
        work();
    } catch (const TSilentAbort&) {
    } catch (const std::exception& e) {
        // The failure's own text names the file and the reason.
        ShowMsgBox(Window,
                   QCoreApplication::translate("TDerivedLessonSave", "Урок не сохранён.\n%1")
                       .arg(QString::fromUtf8(e.what())),
                   false);
    }
}

void TDerivedLessonSave::SaveRestOrWithMistakes(const TLesson& lesson, const std::string& pupil1251)
{
    Report([&] { SaveRestOrWithMistakesAs(lesson, pupil1251, *this); });
}

void TDerivedLessonSave::OfferMistakesSave(const TLesson& lesson, const TBehaviorCfg& cfg,
                                           const std::string& pupil1251)
{
    Report([&] { korvan::OfferMistakesSave(lesson, cfg, pupil1251, *this); });
}

} // namespace korvan
