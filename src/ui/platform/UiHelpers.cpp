#include "ui/platform/UiHelpers.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTabWidget>

#include <deque>
#include <utility>

namespace korvan {

namespace {

struct TPreAnswers
{
    std::deque<bool> Answers;
    QStringList Shown;
};

TPreAnswers& PreAnswers()
{
    static TPreAnswers answers;
    return answers;
}

} // namespace

void SetNextAnswer(bool ok)
{
    PreAnswers().Answers.push_back(ok);
}

QStringList TakeShownMessages()
{
    return std::exchange(PreAnswers().Shown, {});
}

bool ShowMsgBox(QWidget* parent, const QString& text, bool withCancel)
{
    if (TPreAnswers& pre = PreAnswers(); !pre.Answers.empty()) {
        const bool ok = pre.Answers.front();
        pre.Answers.pop_front();
        pre.Shown << text;
        return ok || !withCancel; // a box with OK alone has no other answer
    }
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("korvan::ShowMsgBox", "Сообщение"), text,
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Ok;
}

void PopupUnderButton(QAbstractButton* button, QMenu* menu)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void FocusControl(QWidget* control)
{
    // A tab page's parent is the tab widget's stack.
    for (QWidget* w = control; w && w->parentWidget(); w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (!stack)
            continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
            tabs->setCurrentWidget(w);
            break;
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathOf(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

} // namespace korvan
