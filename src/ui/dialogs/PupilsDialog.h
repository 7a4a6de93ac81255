#pragma once

// The pupils dialog TFPupils ("Ученики") and its name editor TFPupils_e
// ("Информация об ученике"). TFPupils owns the pupils: it reads Pupils.ini when
// created (start-up) and writes it when destroyed (normal end).

#include <QDialog>
#include <QPointer>
#include <QString>

#include <string>
#include <utility>
#include <vector>

#include "settings/Pupils.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace korvan {

// Names compared as the user's language sorts them (Russian), ignoring case.
TNameCompare RussianCollation();

class TFPupils_e : public QDialog
{
    Q_OBJECT
public:
    explicit TFPupils_e(QWidget* parent = nullptr);

    // Shows the editor with `name` in EName, all of it selected; when closed
    // with "Да", hands back the field's text (trimmed) and returns true.
    bool Execute(QString& name);

private:
    void BOkClick();

    QLabel* LName = nullptr;
    QLineEdit* EName = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BCancel = nullptr;
};

class TFPupils : public QDialog
{
    Q_OBJECT
public:
    explicit TFPupils(QWidget* parent = nullptr);
    // Writes Pupils.ini; a failed write is ignored (nothing is reported).
    ~TFPupils() override;

    // The name editor created after this dialog; without one the dialog makes
    // its own when first needed.
    void SetEditor(TFPupils_e* editor) { Editor = editor; }

    // Shows the dialog modally; true when a pupil was chosen with "Выбрать" (or
    // a double click), and only then are the pupils changed.
    bool Execute();
    // At start-up: Execute when ShowPupilsAtStartup is on, else false.
    bool ExecuteAtStartup();

    const TPupils& Settings() const { return Pupils; }
    // The chosen pupil's name, 1251.
    const std::string& CurrentPupil() const { return Pupils.CurrentPupil(); }
    bool ShowPupilsAtStartup() const { return Pupils.ShowPupilsAtStartup; }
    // The renames confirmed since the last call, in the order made (old and
    // new 1251 names): whoever keeps things by a pupil's name follows them.
    std::vector<std::pair<std::string, std::string>> TakeRenames();

    // The actions of the keys Insert, F2 and Delete and of the three buttons.
    void BInsertClick();
    void BEditClick();
    void BDeleteClick();
    // "Выбрать" and a double click on the list.
    void BOkClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // Shows the working list, selecting entry `select` (none when -1).
    void ShowNames(int select);
    int SelectedRow() const;
    TFPupils_e& NameEditor();

    std::string IniPath;
    TPupils Pupils;
    // What the list box shows while the dialog is open.
    TPupilList Edit;
    bool Confirmed = false;
    std::vector<std::pair<std::string, std::string>> Renames;        // confirmed
    std::vector<std::pair<std::string, std::string>> PendingRenames; // this showing's
    QPointer<TFPupils_e> Editor;

    QToolButton* BInsert = nullptr;
    QToolButton* BEdit = nullptr;
    QToolButton* BDelete = nullptr;
    QListWidget* LBPupils = nullptr;
    QCheckBox* CBShowPupilsAtStartup = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BCancel = nullptr;
};

} // namespace korvan
