#include "import/AnkiPackage.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "import/AnkiTestDeck.h"
#include "util/Errors.h"

namespace korvan {
namespace {

using test::TDeckSpec;
using test::TMediaSpec;
using test::TTestLayout;

// Two decks, a note with two sounds (one named with an entity), a note of a
// second note type, a cloze note.
TDeckSpec SampleDeck(int schema)
{
    TDeckSpec deck;
    deck.Schema = schema;
    deck.Decks = {{1, "Default"}, {20, "Russian::Phrases"}, {30, "Words"}};
    deck.Types = {{100, "Basic", {"Front", "Back"}},
                  {200, "Reversed", {"Russian", "English", "Note"}},
                  {300, "Cloze", {"Text", "Extra"}, true}};
    deck.Notes = {
        {100, 20, {"Доброе утро[sound:ru&amp;1.mp3]", "Good <b>morning</b>[sound:en 1.mp3]"}},
        {200, 30, {"кот", "cat", "a pet"}},
        {300, 20, {"{{c1::Кот}} спит", ""}},
    };
    return deck;
}

std::vector<TMediaSpec> SampleMedia()
{
    return {{"ru&1.mp3", "RU-BYTES"}, {"en 1.mp3", "EN-BYTES"}, {"unused.jpg", "JPG"}};
}

struct TLayoutRow
{
    const char* Name;
    TTestLayout Layout;
    int Schema;
    bool Meta;
    TAnkiLayout Expected;
};

class AnkiLayouts : public ::testing::TestWithParam<TLayoutRow>
{
};

TEST_P(AnkiLayouts, ReadsNotesAndMedia)
{
    const TLayoutRow& row = GetParam();
    test::TTempDir dir;
    const std::string path = dir.File("deck.apkg");
    auto members =
        test::PackageMembers(row.Layout, SampleDeck(row.Schema), SampleMedia(), row.Meta);
    if (!row.Meta)
        std::erase_if(members, [](const test::TMember& member) { return member.Name == "meta"; });
    test::WriteZip(path, members);

    TAnkiPackage package(path);
    EXPECT_EQ(package.Layout(), row.Expected);
    const TAnkiNotes& notes = package.Notes();
    ASSERT_EQ(notes.Decks, (std::vector<std::string>{"Russian::Phrases", "Words"}));
    ASSERT_EQ(notes.NoteTypes.size(), 3u);
    EXPECT_EQ(notes.NoteTypes[1].FieldNames,
              (std::vector<std::string>{"Russian", "English", "Note"}));
    EXPECT_TRUE(notes.NoteTypes[2].Cloze);
    EXPECT_EQ(notes.Skipped[static_cast<std::size_t>(TAnkiSkip::Cloze)], 1u);
    // The placeholder's "Please update" note is never read.
    ASSERT_EQ(notes.Notes.size(), 2u);
    const TAnkiNote& first = notes.Notes[0];
    EXPECT_EQ(first.Deck, 0);
    EXPECT_EQ(first.Place, 1u);
    EXPECT_EQ(first.Fields[0].Text, "Доброе утро");
    EXPECT_EQ(first.Fields[0].Sounds, (std::vector<std::string>{"ru&1.mp3"}));
    EXPECT_EQ(first.Fields[1].Text, "Good morning");
    EXPECT_EQ(notes.Notes[1].Deck, 1);
    EXPECT_EQ(notes.Notes[1].Fields[2].Text, "a pet");

    EXPECT_TRUE(package.ExtractMedia("ru&1.mp3", dir.File("001R.MP3")));
    EXPECT_TRUE(package.ExtractMedia("en 1.mp3", dir.File("001E.MP3")));
    EXPECT_FALSE(package.ExtractMedia("absent.mp3", dir.File("002R.MP3")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("001R.MP3")), "RU-BYTES");
    EXPECT_EQ(test::ReadFileBytes(dir.File("001E.MP3")), "EN-BYTES");
    EXPECT_FALSE(std::filesystem::exists(dir.File("002R.MP3")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnkiLayouts,
    ::testing::Values(
        TLayoutRow{"Legacy1", TTestLayout::Legacy1, 11, false, TAnkiLayout::Legacy1},
        TLayoutRow{"Legacy1Meta", TTestLayout::Legacy1, 11, true, TAnkiLayout::Legacy1},
        TLayoutRow{"Legacy2", TTestLayout::Legacy2, 11, false, TAnkiLayout::Legacy2},
        TLayoutRow{"Legacy2Meta", TTestLayout::Legacy2, 11, true, TAnkiLayout::Legacy2},
        TLayoutRow{"Latest", TTestLayout::Latest, 18, true, TAnkiLayout::Latest},
        TLayoutRow{"LatestWithoutMeta", TTestLayout::Latest, 18, false, TAnkiLayout::Latest},
        TLayoutRow{"LatestSchema15", TTestLayout::Latest, 15, true, TAnkiLayout::Latest}),
    [](const auto& info) { return std::string(info.param.Name); });

// The media names Anki itself refuses, a name given to two files and a member
// the list names but the zip lacks: each costs only its own recording.
TEST(AnkiPackage, UnsafeDuplicateAndMissingMedia)
{
    for (const TTestLayout layout : {TTestLayout::Legacy1, TTestLayout::Latest}) {
        test::TTempDir dir;
        const std::string path = dir.File("deck.apkg");
        test::WritePackage(path, layout, SampleDeck(layout == TTestLayout::Latest ? 18 : 11),
                           {{"../x.mp3", "A"},
                            {"/etc/x.mp3", "B"},
                            {"sub/x.mp3", "C"},
                            {"twice.mp3", "D"},
                            {"twice.mp3", "E"},
                            {"gone.mp3", "F", false},
                            {"good.mp3", "G"}});
        TAnkiPackage package(path);
        EXPECT_EQ(package.UnsafeMediaNames(), 3u);
        EXPECT_EQ(package.DuplicateMediaNames(), 1u);
        const std::filesystem::path out = dir.File("out");
        std::filesystem::create_directory(out);
        for (const char* name : {"../x.mp3", "/etc/x.mp3", "sub/x.mp3", "twice.mp3", "gone.mp3"})
            EXPECT_FALSE(package.ExtractMedia(name, (out / "001R.MP3").string())) << name;
        EXPECT_TRUE(package.ExtractMedia("good.mp3", (out / "002R.MP3").string()));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 1);
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.mp3")));
    }
}

TEST(AnkiPackage, FieldsPastTheLimitSkipTheirNoteOnly)
{
    test::TTempDir dir;
    TDeckSpec deck = SampleDeck(18);
    deck.Notes.push_back({100, 30, {std::string(3 << 20, 'x'), "big"}});
    deck.Notes.push_back({100, 30, {"ещё", "more"}, false}); // no card, so no deck
    deck.Notes.push_back({999, 30, {"чей", "whose"}});       // a note type that is gone
    const std::string path = dir.File("deck.apkg");
    test::WritePackage(path, TTestLayout::Latest, deck, {});
    TAnkiPackage package(path);
    const TAnkiNotes& notes = package.Notes();
    EXPECT_EQ(notes.Notes.size(), 2u);
    EXPECT_EQ(notes.Skipped[static_cast<std::size_t>(TAnkiSkip::FieldTooLong)], 1u);
    EXPECT_EQ(notes.Skipped[static_cast<std::size_t>(TAnkiSkip::NoDeck)], 1u);
    EXPECT_EQ(notes.Skipped[static_cast<std::size_t>(TAnkiSkip::UnknownNoteType)], 1u);
}

struct TBadRow
{
    const char* Name;
    std::function<void(const std::string& path)> Write;
    TAnkiLimits Limits;
    const char* Message; // a part of the English message
};

TAnkiLimits Limits(std::uint64_t members, std::uint64_t total, std::uint64_t collection,
                   std::uint64_t media)
{
    TAnkiLimits limits;
    limits.MaxMembers = members;
    limits.MaxUnpackedBytes = total;
    limits.MaxCollectionBytes = collection;
    limits.MaxMediaBytes = media;
    return limits;
}

std::string Package(TTestLayout layout, const TDeckSpec& deck,
                    const std::vector<TMediaSpec>& media = {})
{
    test::TTempDir dir;
    test::WritePackage(dir.File("p"), layout, deck, media);
    return test::ReadFileBytes(dir.File("p"));
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A collection of some 2 MB (its one big note is skipped when read).
TDeckSpec BigDeck(int schema)
{
    TDeckSpec deck = SampleDeck(schema);
    deck.Notes.push_back({100, 30, {std::string(2 << 20, 'x'), "big"}});
    return deck;
}

class AnkiBadPackages : public ::testing::TestWithParam<TBadRow>
{
};

TEST_P(AnkiBadPackages, RefusedWithAMessage)
{
    const TBadRow& row = GetParam();
    test::TTempDir dir;
    const std::string path = dir.File("bad.apkg");
    row.Write(path);
    try {
        TAnkiPackage package(path, row.Limits);
        FAIL() << "read without an error";
    } catch (const TImportError& error) {
        EXPECT_NE(std::string(error.what()).find(row.Message), std::string::npos) << error.what();
        EXPECT_FALSE(error.Russian.empty());
    }
    // Nothing is left behind in the folder of the package.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

const TAnkiLimits Default;

INSTANTIATE_TEST_SUITE_P(
    Table, AnkiBadPackages,
    ::testing::Values(
        TBadRow{"NotAZip",
                [](const std::string& p) { WriteBytes(p, "just some text, no zip at all"); },
                Default, "damaged or truncated"},
        TBadRow{"Truncated",
                [](const std::string& p) {
                    const std::string bytes = Package(TTestLayout::Latest, SampleDeck(18));
                    WriteBytes(p, bytes.substr(0, bytes.size() / 2));
                },
                Default, "damaged or truncated"},
        TBadRow{"CorruptCollection",
                [](const std::string& p) {
                    test::WriteZip(p, {{"collection.anki21b", test::Zstd("x") + "garbage"},
                                       {"meta", "\x08\x03"}});
                },
                Default, "damaged"},
        TBadRow{"NotSqlite",
                [](const std::string& p) {
                    test::WriteZip(p, {{"collection.anki2", std::string(4096, 'q')}});
                },
                Default, "cannot be read"},
        TBadRow{"NoCollection",
                [](const std::string& p) {
                    test::WriteZip(p, {{"media", "{}"}});
                },
                Default, "no Anki collection (collection.anki2)"},
        TBadRow{"NewerMeta",
                [](const std::string& p) {
                    korvan::anki::PackageMetadata meta;
                    meta.set_version(4);
                    test::WriteZip(p, {{"meta", meta.SerializeAsString()}});
                },
                Default, "version (4)"},
        TBadRow{"UnknownSchema",
                [](const std::string& p) {
                    TDeckSpec deck = SampleDeck(18);
                    deck.Version = 19;
                    WriteBytes(p, Package(TTestLayout::Latest, deck));
                },
                Default, "schema version 19"},
        TBadRow{"BadMediaList",
                [](const std::string& p) {
                    test::WriteZip(p, {{"collection.anki2", test::BuildCollection(SampleDeck(11))},
                                       {"media", "{\"0\": 12}"}});
                },
                Default, "media list"},
        TBadRow{"TooManyMembers",
                [](const std::string& p) {
                    WriteBytes(p, Package(TTestLayout::Legacy1, SampleDeck(11), SampleMedia()));
                },
                Limits(3, 1 << 30, 1 << 30, 1 << 20), "more than the 3"},
        TBadRow{
            "CollectionTooLarge",
            [](const std::string& p) { WriteBytes(p, Package(TTestLayout::Latest, BigDeck(18))); },
            Limits(100, 1 << 30, 1 << 20, 1 << 20), "collection.anki21b"},
        TBadRow{"ZstdBomb",
                [](const std::string& p) {
                    test::WriteZip(p, {{"collection.anki21b", test::Zstd(std::string(64 << 20, 0))},
                                       {"meta", "\x08\x03"}});
                },
                Limits(100, std::uint64_t{4} << 30, 8 << 20, 1 << 20), "more than 8 MB"},
        TBadRow{
            "TotalTooLarge",
            [](const std::string& p) { WriteBytes(p, Package(TTestLayout::Legacy2, BigDeck(11))); },
            Limits(100, 1 << 20, 1 << 30, 1 << 20), "more than 1 MB"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(AnkiPackage, MissingFileIsAnInputError)
{
    EXPECT_THROW(TAnkiPackage("/nonexistent/deck.apkg"), TIoError);
}

TEST(AnkiPackage, DamagedOrOversizedMediaMemberIsAnError)
{
    test::TTempDir dir;
    const std::string path = dir.File("deck.apkg");
    auto members = test::PackageMembers(TTestLayout::Latest, SampleDeck(18),
                                        {{"a.mp3", "AAAA"}, {"b.mp3", std::string(3 << 20, 'b')}});
    members[3].Bytes = "not zstd"; // member "0"
    test::WriteZip(path, members);
    TAnkiPackage package(path);
    EXPECT_THROW(package.ExtractMedia("a.mp3", dir.File("1.mp3")), TImportError);
    TAnkiLimits small;
    small.MaxMediaBytes = 1 << 20;
    TAnkiPackage limited(path, small);
    EXPECT_THROW(limited.ExtractMedia("b.mp3", dir.File("2.mp3")), TImportError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("1.mp3")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("2.mp3")));
}

} // namespace
} // namespace korvan
