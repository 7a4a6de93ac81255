#pragma once

// The lesson editor's table: a Qt model over the core's document, so that a
// view shows only the rows in sight (a lesson may have 100,000 questions).
// Edits go to the core editor as undoable edits; the document tells the model
// what changed.

#include <QAbstractTableModel>

#include "editor/LessonEditor.h"

namespace korvan {

class TRecordingFolder;

class TLessonTableModel : public QAbstractTableModel, public IDocumentListener
{
    Q_OBJECT
public:
    enum Column
    {
        ColNumber,
        ColComment,
        ColRussian,
        ColEnglish,
        ColTime,
        ColRuAudio,
        ColEnAudio,
        ColumnCount
    };

    // The folder may be null (a lesson never saved has none).
    TLessonTableModel(TLessonEditor& editor, QObject* parent = nullptr);
    ~TLessonTableModel() override;
    void SetRecordingFolder(const TRecordingFolder* folder);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Every cell may show something else (the recordings rescanned); or, with
    // the pair, the document is read afresh.
    void Refresh();
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    static std::optional<TColumn> TextColumn(int column);

    void AboutToInsertRows(int at, int count) override;
    void RowsInserted() override;
    void AboutToRemoveRows(int first, int count) override;
    void RowsRemoved() override;
    void AboutToMoveRow(int from, int to) override;
    void RowMoved() override;
    void RowsChanged(int first, int last) override;
    void HeaderChanged() override;

signals:
    // A cell was typed into (after the edit is on the undo stack).
    void Edited();

private:
    QString Problem(int row, int column) const;

    TLessonEditor& Editor;
    const TRecordingFolder* Folder = nullptr;
};

} // namespace korvan
