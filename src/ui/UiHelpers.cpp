#include "UiHelpers.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTabWidget>

namespace korvan {

bool ShowMsgBox(QWidget* parent, const QString& text, bool withCancel)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8("Сообщение"), text,
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

} // namespace korvan
