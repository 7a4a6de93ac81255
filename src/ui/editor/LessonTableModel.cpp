#include "ui/editor/LessonTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "editor/EditorFile.h"
#include "ui/platform/Fonts.h"

namespace korvan {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TLessonTableModel::TLessonTableModel(TLessonEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), Editor(editor)
{
    Editor.Document.SetListener(this);
}

TLessonTableModel::~TLessonTableModel()
{
    Editor.Document.SetListener(nullptr);
}

void TLessonTableModel::SetRecordingFolder(const TRecordingFolder* folder)
{
    Folder = folder;
    Refresh();
}

std::optional<TColumn> TLessonTableModel::TextColumn(int column)
{
    switch (column) {
    case ColNumber:
        return TColumn::Number;
    case ColComment:
        return TColumn::Comment;
    case ColRussian:
        return TColumn::Russian;
    case ColEnglish:
        return TColumn::English;
    default:
        return std::nullopt;
    }
}

int TLessonTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Editor.Document.RowCount();
}

int TLessonTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TLessonTableModel::Problem(int row, int column) const
{
    if (column == ColRuAudio || column == ColEnAudio) {
        const TLanguage language = column == ColRuAudio ? TLanguage::Russian : TLanguage::English;
        if (Folder != nullptr && MissingRecording(Editor.Document, *Folder, row, language))
            return tr("Заголовок обещает запись, но файла нет");
        return {};
    }
    const auto textColumn = TextColumn(column);
    if (!textColumn)
        return {};
    const TCellProblems problems = Editor.Problems(row, *textColumn);
    if (problems.Unencodable)
        return tr("Символ, которого нет в кодировке Windows-1251: замените его или "
                  "примите как \"?\"");
    if (problems.RepeatedNumber)
        return tr("Этот номер есть у нескольких вопросов: у них одни и те же записи");
    if (problems.Empty)
        return tr("Пустой текст");
    return {};
}

QVariant TLessonTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const TEditorRow& r = Editor.Document.Row(row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (const auto textColumn = TextColumn(column))
            return FromUtf8(Editor.Document.Cell(row, *textColumn));
        if (column == ColTime)
            return r.TimeNorm;
        if (role == Qt::EditRole || Folder == nullptr || !r.FileNumber)
            return QString();
        const TLanguage language = column == ColRuAudio ? TLanguage::Russian : TLanguage::English;
        return Folder->Has(*r.FileNumber, language) ? tr("есть") : QString();
    }
    case Qt::BackgroundRole: {
        const QString problem = Problem(row, column);
        if (problem.isEmpty())
            return {};
        const bool blocking = TextColumn(column) && column != ColNumber &&
                              Editor.Problems(row, *TextColumn(column)).Unencodable;
        return QBrush(blocking ? QColor(255, 150, 130) : QColor(255, 235, 160));
    }
    case Qt::ToolTipRole:
        return Problem(row, column);
    case Qt::AccessibleTextRole: {
        const QString header = headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString problem = Problem(row, column);
        const QString text = data(index, Qt::DisplayRole).toString();
        if (problem.isEmpty())
            return tr("Вопрос %1, %2: %3").arg(QString::number(r.Number), header, text);
        return tr("Вопрос %1, %2: %3. %4").arg(QString::number(r.Number), header, text, problem);
    }
    case Qt::FontRole:
        if (column == ColComment && Editor.Document.Header().Words)
            return QFont(PhoneticFamily);
        return {};
    case Qt::TextAlignmentRole:
        if (column == ColNumber || column == ColTime)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant TLessonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case ColNumber:
        return tr("Номер");
    case ColComment:
        return Editor.Document.Header().Words ? tr("Транскрипция") : tr("Комментарий");
    case ColRussian:
        return tr("По-русски");
    case ColEnglish:
        return tr("По-английски");
    case ColTime:
        return tr("Время, с");
    case ColRuAudio:
        return tr("Запись RU");
    case ColEnAudio:
        return tr("Запись EN");
    default:
        return {};
    }
}

Qt::ItemFlags TLessonTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (TextColumn(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TLessonTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const auto column = TextColumn(index.column());
    if (role != Qt::EditRole || !column)
        return false;
    const bool done = Editor.SetCell(index.row(), *column, value.toString().toStdString());
    emit Edited();
    return done;
}

void TLessonTableModel::Refresh()
{
    // Not a reset: the view keeps its current cell and selection.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void TLessonTableModel::AboutToInsertRows(int at, int count)
{
    beginInsertRows({}, at, at + count - 1);
}

void TLessonTableModel::RowsInserted()
{
    endInsertRows();
}

void TLessonTableModel::AboutToRemoveRows(int first, int count)
{
    beginRemoveRows({}, first, first + count - 1);
}

void TLessonTableModel::RowsRemoved()
{
    endRemoveRows();
}

void TLessonTableModel::AboutToMoveRow(int from, int to)
{
    beginMoveRows({}, from, from, {}, to);
}

void TLessonTableModel::RowMoved()
{
    endMoveRows();
}

void TLessonTableModel::RowsChanged(int first, int last)
{
    emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

void TLessonTableModel::HeaderChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    // The transcription face follows the Words flag; the missing marks follow
    // the audio flags.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

} // namespace korvan
