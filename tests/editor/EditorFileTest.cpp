#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "editor/EditorFile.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;

const std::string Magic = "Korvan Lesson File Format, Version 2\r\n";

TEST(EditorFileTest, OpensSavesAs1251AndReadsBack)
{
    TTempDir dir;
    TLessonEditor editor;
    const std::string path = dir.File("урок.sl2");
    EXPECT_EQ(OpenForEditing(path, editor).Status, TOpenStatus::New);
    editor.SetHeader({"Слова", true, false, false});
    editor.InsertRows(0, 2);
    editor.SetCell(0, TColumn::Comment, "[dɒɡ]");
    editor.SetCell(0, TColumn::Russian, "собака");
    editor.SetCell(0, TColumn::English, "dog");
    editor.SetCell(1, TColumn::English, "naïve");
    EXPECT_THROW(SaveEdited(editor, path), TUnencodableError);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(editor.Modified());

    // Accepted as "?" (the transcription's ɒ and ɡ too), then saved.
    editor.ReplaceUnencodable();
    SaveEdited(editor, path);
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(ReadFileBytes(path), Magic + "<header>\r\n" +
                                       ToCp1251("Title=Слова\r\nWords\r\n<body>\r\n1\r\n[d??]\r\n"
                                                "собака\r\ndog\r\n2\r\n\r\n\r\nna?ve\r\n"));

    TLessonEditor again;
    const TOpenResult opened = OpenForEditing(path, again);
    EXPECT_EQ(opened.Status, TOpenStatus::Opened);
    EXPECT_FALSE(opened.FromUtf8);
    EXPECT_EQ(again.Document.Header().Title, "Слова");
    EXPECT_EQ(again.Document.Row(0).RText, "собака");
}

TEST(EditorFileTest, Utf8AndForeignFilesAndFailedWrites)
{
    TTempDir dir;
    TLessonEditor editor;
    const std::string utf8 =
        dir.Write("u.sl2", Magic + "<header>\r\nTitle=Тест\r\n<body>\r\n1\r\n\r\nпривет\r\nhi\r\n");
    const TOpenResult opened = OpenForEditing(utf8, editor);
    EXPECT_TRUE(opened.FromUtf8);
    EXPECT_EQ(editor.Document.Row(0).RText, "привет");
    SaveEdited(editor, utf8);
    EXPECT_NE(ReadFileBytes(utf8).find(ToCp1251("привет")), std::string::npos);

    EXPECT_EQ(OpenForEditing(dir.Write("t.txt", "собака\tdog\n"), editor).Status,
              TOpenStatus::NotALesson);

    // A write that fails keeps the edits and says they are unsaved.
    editor.SetCell(0, TColumn::English, "hello");
    EXPECT_THROW(SaveEdited(editor, dir.File("no/such/folder.sl2")), TIoError);
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(editor.Document.Row(0).EText, "hello");
}

TEST(EditorFileTest, RecordingsFollowTheirQuestions)
{
    TTempDir dir;
    const std::string folderPath = dir.Path() + "/";
    dir.Write("001R.WAV", "one");
    dir.Write("002r.wav", "two");
    dir.Write("002E.MP3", "two-e");
    dir.Write("005R.WAV", "stale");
    TLessonEditor editor;
    editor.Document.Reset(
        {"", false, true, true},
        {{1, "", "a", "a", 0, 1}, {2, "", "b", "b", 0, 2}, {3, "", "c", "c", 0, 3}});
    TRecordingFolder folder(folderPath);
    EXPECT_FALSE(MissingRecording(editor.Document, folder, 0, TLanguage::Russian));
    EXPECT_TRUE(MissingRecording(editor.Document, folder, 0, TLanguage::English));
    EXPECT_TRUE(MissingRecording(editor.Document, folder, 2, TLanguage::Russian));
    const TEditorHeader proposed = ProposedAudioFlags(editor.Document, folder);
    EXPECT_TRUE(proposed.HasRuAudio && proposed.HasEnAudio);

    // Swap 1 and 2, and number 3 as 5: each file follows its question.
    editor.SetCell(0, TColumn::Number, "2");
    editor.SetCell(1, TColumn::Number, "1");
    editor.SetCell(2, TColumn::Number, "5");
    SaveEdited(editor, dir.File("l.sl2"));
    folder.Rescan();
    EXPECT_EQ(ReadFileBytes(*folder.Find(2, TLanguage::Russian)), "one");
    EXPECT_EQ(ReadFileBytes(*folder.Find(1, TLanguage::Russian)), "two");
    EXPECT_EQ(ReadFileBytes(*folder.Find(1, TLanguage::English)), "two-e");
    EXPECT_EQ(folder.Find(1, TLanguage::English)->substr(folderPath.size()), "001E.MP3");
    EXPECT_FALSE(folder.Find(5, TLanguage::Russian)); // question 3 had none
    EXPECT_FALSE(folder.Find(2, TLanguage::English));

    // Attaching replaces any other file of the recording; removing deletes it.
    const std::string wav = MakeWavHeader(PcmFormat(8000, 1, 16), 2) + std::string(2, '\0');
    AttachRecording(folder, 1, TLanguage::English, dir.Write("take.wav", wav));
    EXPECT_EQ(folder.AllOf(1, TLanguage::English),
              std::vector<std::string>{folderPath + "001E.WAV"});
    EXPECT_THROW(AttachRecording(folder, 1, TLanguage::English, dir.Write("bad.wav", "x")),
                 TIoError);
    EXPECT_THROW(AttachRecording(folder, 1, TLanguage::English, dir.Write("a.ogg", "x")), TIoError);
    WriteRecording(folder, 7, TLanguage::Russian, PcmFormat(8000, 1, 16), std::string(4, '\1'));
    EXPECT_EQ(ReadWavFile(folderPath + "007R.WAV").Info.DataBytes, 4u);
    RemoveRecording(folder, 1, TLanguage::English);
    EXPECT_FALSE(folder.Has(1, TLanguage::English));
    EXPECT_FALSE(std::filesystem::exists(folderPath + "001E.WAV"));
}

TEST(EditorFileTest, SharedNumbersKeepACopyEach)
{
    TLessonDocument document;
    document.Reset({}, {{4, "", "", "", 0, 4}, {6, "", "", "", 0, 4}, {9, "", "", "", 0, 9}});
    const auto moves = RecordingMoves(document);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].From, 4);
    EXPECT_EQ(moves[0].To, 6);
    EXPECT_TRUE(moves[0].KeepSource);
}

} // namespace
} // namespace korvan
