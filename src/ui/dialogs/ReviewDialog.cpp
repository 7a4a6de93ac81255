#include "ui/dialogs/ReviewDialog.h"

#include "ui/platform/Accessibility.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/UiHelpers.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

#include "settings/MemorySettings.h"
#include "util/Errors.h"
#include "util/Paths.h"

namespace korvan {

// The dialog is no QObject of its own: its texts are in the context
// "korvan::TFReview".
namespace {

std::optional<QString> NextFolder;

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* SpinBox(QWidget* parent, const char* name, int low, int high, const char* suffix)
{
    auto* box = Named(new QSpinBox(parent), name);
    box->setRange(low, high);
    box->setSuffix(QString::fromUtf8(suffix));
    return box;
}

} // namespace

TFReview::TFReview(QWidget* parent, std::string korvanIni, std::string defaultFolder)
    : QDialog(parent), KorvanIni(std::move(korvanIni)), DefaultFolder(std::move(defaultFolder))
{
    setObjectName(QStringLiteral("FReview"));
    setWindowTitle(QCoreApplication::translate("korvan::TFReview", "Повторение"));
    setFont(DialogFont());

    EHistoryFolder = Named(new QLineEdit(this), "EHistoryFolder");
    EHistoryFolder->setPlaceholderText(PathText(DefaultFolder));
    EHistoryFolder->setMinimumWidth(320);
    BHistoryFolder =
        Named(new QPushButton(QCoreApplication::translate("korvan::TFReview", "Обзор ..."), this),
              "BHistoryFolder");
    BHistoryFolder->setAutoDefault(false);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(EHistoryFolder, 1);
    folderRow->addWidget(BHistoryFolder);

    SERetention = SpinBox(this, "SERetention", static_cast<int>(MinDesiredRetention * 100 + 0.5),
                          static_cast<int>(MaxDesiredRetention * 100 + 0.5), " %");
    SEDayStartsAt = SpinBox(this, "SEDayStartsAt", 0, 23, ":00");
    SEReviewLimit = SpinBox(this, "SEReviewLimit", 1, MaxReviewLimit, "");

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("korvan::TFReview", "&Папка истории:"), folderRow);
    form->addRow(QCoreApplication::translate("korvan::TFReview", "Желаемое &припоминание:"),
                 SERetention);
    form->addRow(QCoreApplication::translate("korvan::TFReview", "&День ученика начинается в:"),
                 SEDayStartsAt);
    form->addRow(
        QCoreApplication::translate("korvan::TFReview", "&Не больше карточек за одно повторение:"),
        SEReviewLimit);
    auto* note =
        new QLabel(QCoreApplication::translate(
                       "korvan::TFReview", "Пустое поле папки: папка history в папке пользователя. "
                                           "Общая папка (например, синхронизируемая) даёт ученику "
                                           "одну историю на всех компьютерах."),
                   this);
    note->setObjectName(QStringLiteral("LNote"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    BOk = Named(buttons->addButton(QCoreApplication::translate("korvan::TFReview", "ОК"),
                                   QDialogButtonBox::AcceptRole),
                "BOk");
    BCancel = Named(buttons->addButton(QCoreApplication::translate("korvan::TFReview", "Отмена"),
                                       QDialogButtonBox::RejectRole),
                    "BCancel");
    BOk->setDefault(true);
    connect(BOk, &QPushButton::clicked, this, [this] { BOkClick(); });
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHistoryFolder, &QPushButton::clicked, this, [this] { BHistoryFolderClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyAccessibleTexts(this);
}

void TFReview::SetNextFolder(const QString& folder)
{
    NextFolder = folder;
}

bool TFReview::Execute()
{
    const TMemorySettings s = LoadMemorySettings(KorvanIni);
    EHistoryFolder->setText(PathText(s.HistoryFolder));
    SERetention->setValue(static_cast<int>(std::lround(s.DesiredRetention * 100)));
    SEDayStartsAt->setValue(s.DayStartsAt);
    SEReviewLimit->setValue(s.ReviewLimit);
    Saved = false;
    EHistoryFolder->setFocus(Qt::OtherFocusReason);
    exec();
    return Saved;
}

QString TFReview::WriteProblem(const std::string& folder)
{
    // Tried, not guessed from the permissions: a network or synced folder
    // may refuse what its mode bits allow.
    // A folder typed in that is not there yet is made.
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    std::string probe = folder + (folder.back() == '/' ? "" : "/") + ".korvan-write-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return QCoreApplication::translate("Paths", FolderErrorText(errno).c_str());
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

bool TFReview::Writable(const std::string& folder)
{
    const QString problem = WriteProblem(folder);
    if (problem.isEmpty())
        return true;
    ShowMsgBox(
        this,
        QCoreApplication::translate("korvan::TFReview",
                                    "В папку \"%1\" нельзя записывать: %2.\nВыберите другую папку.")
            .arg(PathText(folder), problem),
        false);
    return false;
}

void TFReview::BHistoryFolderClick()
{
    QString chosen;
    if (NextFolder) {
        chosen = *NextFolder;
        NextFolder.reset();
    } else {
        const QString start =
            EHistoryFolder->text().isEmpty() ? PathText(DefaultFolder) : EHistoryFolder->text();
        chosen = QFileDialog::getExistingDirectory(
            this, QCoreApplication::translate("korvan::TFReview", "Папка истории"), start);
    }
    if (chosen.isEmpty())
        return;
    if (!Writable(PathOf(chosen)))
        return;
    EHistoryFolder->setText(chosen);
}

void TFReview::BOkClick()
{
    TMemorySettings s;
    s.HistoryFolder = PathOf(EHistoryFolder->text().trimmed());
    // A folder typed in is checked as one chosen would be.
    if (!s.HistoryFolder.empty() && !Writable(s.HistoryFolder)) {
        EHistoryFolder->setFocus(Qt::OtherFocusReason);
        return;
    }
    s.DesiredRetention = SERetention->value() / 100.0;
    s.DayStartsAt = SEDayStartsAt->value();
    s.ReviewLimit = SEReviewLimit->value();
    try {
        SaveMemorySettings(KorvanIni, s);
    } catch (const TIoError& e) {
        ShowMsgBox(this, QString::fromUtf8(e.what()), false);
        return;
    }
    Saved = true;
    accept();
}

} // namespace korvan
