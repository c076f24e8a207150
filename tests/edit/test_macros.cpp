// The macros: insertion, the macro file's reader and writer, export and import, and the
// tw-macrofile driver.
#include "EditFixture.h"
#include "MemorySettings.h"

#include "edit/core/MacroFile.h"
#include "edit/core/Macros.h"
#include "support/TempDir.h"

#include <dirent.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

using MacroInsertTest = EditFixture;

TEST_F(MacroInsertTest, WrapsTheSelectionOrSurroundsTheCaret)
{
    MemorySettings store;
    store.WriteString(kMacrosBeforeKey, "Macros 3", "<!--");
    store.WriteString(kMacrosAfterKey, "Macros 3", "-->");
    store.WriteString(kMacrosBeforeKey, "Macros 4", "\tx\r\n\xD1\x8F"); // ya in UTF-8

    SetLines({"a word b"});
    state = InsertMacro(rules, store, Sel({2, 0}, {6, 0}), 3);
    EXPECT_EQ(Lines(), (TextLines{"a <!--word--> b"}));
    EXPECT_EQ(state, At(6, 0));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Macros insert\tCtrl+Z");

    SetLines({"ab"});
    state = InsertMacro(rules, store, At(1, 0), 4);
    EXPECT_EQ(Lines(), (TextLines{"a\tx", "\xFF"
                                          "b"}));
    EXPECT_EQ(state, At(1, 1));
}

// The store keeps UTF-8; the buffer gets Windows-1251, '?' for what it cannot hold.
TEST(MacroTexts, AreReadFromTheStoresUtf8)
{
    MemorySettings store;
    store.WriteString(kMacrosBeforeKey, "Macros 1", "\xE2\x82\xAC \xD0\x81 \xE4\xB8\x80 \xFF \xD0");
    EXPECT_EQ(ReadMacro(store, 1).before, "\x88 \xA8 ? ? ?");
}

TEST_F(MacroInsertTest, BothTextsEmptyChangeNothing)
{
    MemorySettings store;
    SetLines({"ab"});
    EXPECT_EQ(InsertMacro(rules, store, Sel({0, 0}, {1, 0}), 5), Sel({0, 0}, {1, 0}));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

std::vector<MacroRecord> EmptyMacros()
{
    std::vector<MacroRecord> records;
    for (int k = 0; k < kMacroCount; ++k)
        records.push_back({MacroName(k), "", ""});
    return records;
}

std::vector<MacroRecord> Decode(std::string_view bytes, MacroFileStatus expected)
{
    std::vector<MacroRecord> records;
    EXPECT_EQ(DecodeMacroFile(bytes, [&](const MacroRecord& r) { records.push_back(r); }),
              expected);
    return records;
}

TEST(MacroFile, TenEmptyMacrosTake127Bytes)
{
    const std::string bytes = EncodeMacroFile(EmptyMacros());
    EXPECT_EQ(bytes.size(), 127u);
    EXPECT_EQ(bytes.substr(0, 17), "\x10TGWRMACROFILE100");
    EXPECT_EQ(bytes.substr(17, 11), std::string("\x08Macros 0\0\0", 11));
    EXPECT_EQ(Decode(bytes, MacroFileStatus::Ok), EmptyMacros());
}

TEST(MacroFile, WritesEachLengthInItsPrefixForm)
{
    const std::pair<size_t, std::string> forms[] = {
        {254, "\xFE"s},
        {255, "\xFF\xFF\x00"s},
        {4096, "\xFF\x00\x10"s},
        {65533, "\xFF\xFD\xFF"s},
        {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
        {70000, "\xFF\xFF\xFF\x70\x11\x01\x00"s},
    };
    for (const auto& [length, prefix] : forms) {
        const std::vector<MacroRecord> records = {{std::string(length, 'n'), "", ""}};
        const std::string bytes = EncodeMacroFile(records);
        EXPECT_EQ(bytes.substr(17, prefix.size()), prefix) << length;
        EXPECT_EQ(bytes.size(), 17 + prefix.size() + length + 2) << length;
    }
}

TEST(MacroFile, ReadsAllThreePrefixFormsAndEveryByte)
{
    const std::string first = "\x10TGWRMACROFILE100"s + "\x08Macros 0"s
                              + "\xFF\x03\x00"
                                "a\tb"s
                              + "\xFF\xFF\xFF\x04\x00\x00\x00"
                                "x\r\ny"s;
    const std::string rest = EncodeMacroFile(EmptyMacros()).substr(17 + 11);
    std::vector<MacroRecord> expected = EmptyMacros();
    expected[0] = {"Macros 0", "a\tb", "x\r\ny"};
    EXPECT_EQ(Decode(first + rest, MacroFileStatus::Ok), expected);

    std::vector<MacroRecord> all = EmptyMacros();
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    all[9].before = every;
    all[9].after = std::string(4096, '\xE9');
    EXPECT_EQ(Decode(EncodeMacroFile(all) + "trailing bytes", MacroFileStatus::Ok), all);
}

TEST(MacroFile, RefusesAnyOtherMagic)
{
    for (std::string magic : {"TGWRMACROFILE101", "tGWRMACROFILE100", "TGWRMACROFILE10"}) {
        std::string bytes = EncodeMacroFile(EmptyMacros());
        bytes.replace(0, 17, std::string(1, static_cast<char>(magic.size())) + magic);
        EXPECT_TRUE(Decode(bytes, MacroFileStatus::BadFile).empty()) << magic;
    }
    EXPECT_TRUE(Decode("", MacroFileStatus::BadFile).empty());
}

// The first two records are whole; the fault is in the third record's After text.
TEST(MacroFile, NeverTrustsALengthPrefix)
{
    const std::string good = EncodeMacroFile(EmptyMacros()).substr(0, 17 + 2 * 11 + 9);
    const std::pair<std::string, MacroFileStatus> faults[] = {
        {"\xFF\x01\x10"s, MacroFileStatus::BadFile},                 // 4097, over the limit
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s, MacroFileStatus::BadFile}, // 4 GB
        {"\x05"
         "abc"s,
         MacroFileStatus::BadFile},               // past the end of the file
        {"\xFF\x01"s, MacroFileStatus::CutShort}, // the prefix itself cut
        {""s, MacroFileStatus::CutShort},         // ends between strings
    };
    for (const auto& [tail, status] : faults) {
        const std::vector<MacroRecord> records = Decode(good + tail, status);
        EXPECT_EQ(records.size(), 2u);
    }
}

class MacroTransferTest : public testing::Test {
protected:
    TempDir dir;
    MemorySettings store;
};

TEST_F(MacroTransferTest, ExportThenImportRestoresAllTwentyTexts)
{
    for (int k = 0; k < kMacroCount; ++k) {
        store.WriteString(kMacrosBeforeKey, MacroName(k), "<b k=" + std::to_string(k) + ">\r\n\t");
        // Cyrillic a and ya, as the store keeps them.
        store.WriteString(kMacrosAfterKey, MacroName(k),
                          "\t</b>\r\n\xD0\xB0\xD1\x8F" + std::to_string(k));
    }
    const std::string path = dir.File("all.tgm");
    const MacroTransfer exported = ExportMacros(store, path);
    ASSERT_TRUE(exported.ok) << exported.message;
    std::vector<MacroRecord> records;
    DecodeMacroFile(ReadFile(path), [&](const MacroRecord& r) { records.push_back(r); });
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[7].after, "\t</b>\r\n\xE0\xFF"
                                "7"); // the file holds Windows-1251

    MemorySettings fresh;
    const MacroTransfer imported = ImportMacros(fresh, path);
    ASSERT_TRUE(imported.ok) << imported.message;
    EXPECT_EQ(fresh.values, store.values);
}

TEST_F(MacroTransferTest, ImportMatchesNamesInAnyCaseAndSkipsOthers)
{
    std::vector<MacroRecord> records = EmptyMacros();
    records[2] = {"MACROS 2", "after", "before"};
    records[3] = {"Macro 3", "x", "y"};
    const std::string path = dir.File("names.tgm");
    WriteFile(path, EncodeMacroFile(records));
    ASSERT_TRUE(ImportMacros(store, path).ok);
    const MacroTexts two = ReadMacro(store, 2);
    EXPECT_EQ(two.before, "before");
    EXPECT_EQ(two.after, "after");
    EXPECT_EQ(ReadMacro(store, 3).after, "");
    EXPECT_EQ(store.values.size(), 18u);
}

TEST_F(MacroTransferTest, BadFilesAreReportedAndKeepWhatWasImported)
{
    // What cannot be read is named with the reason; a FIFO is refused at once instead of
    // waiting for a writer for ever.
    const std::string fifo = dir.File("fifo.tgm");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> unreadable[] = {
        {dir.File("missing.tgm"), "No such file or directory"},
        {dir.Path(), "Is a directory"},
        {fifo, "It is not a regular file."},
    };
    for (const auto& [path, reason] : unreadable)
        EXPECT_EQ(ImportMacros(store, path).message,
                  "Cannot open file for read!\n\n" + path + "\n" + reason);

    std::vector<MacroRecord> records = EmptyMacros();
    records[0].before = "kept";
    const std::string bytes = EncodeMacroFile(records);
    const std::string bad = dir.File("bad.tgm");
    const size_t firstTwo = 17 + 15 + 11;
    WriteFile(bad, bytes.substr(0, firstTwo) + "\x08Macros 2\xFF\xFF\x0F"s);
    EXPECT_EQ(ImportMacros(store, bad).message,
              "Bad macroses file, or file for older version of editor");
    EXPECT_EQ(ReadMacro(store, 0).before, "kept");

    MemorySettings second;
    const std::string cut = dir.File("cut.tgm");
    WriteFile(cut, bytes.substr(0, firstTwo));
    const MacroTransfer transfer = ImportMacros(second, cut);
    EXPECT_FALSE(transfer.ok);
    EXPECT_NE(transfer.message.find(cut), std::string::npos) << transfer.message;
    EXPECT_EQ(ReadMacro(second, 0).before, "kept");
}

int TemporaryFiles(const std::string& folder)
{
    int count = 0;
    DIR* d = opendir(folder.c_str());
    while (const dirent* e = readdir(d))
        count += std::string_view(e->d_name).starts_with("TGW");
    closedir(d);
    return count;
}

TEST_F(MacroTransferTest, AFailedExportIsReportedAndKeepsTheOldFile)
{
    const MacroTransfer missingFolder = ExportMacros(store, dir.File("no/such/folder.tgm"));
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_TRUE(missingFolder.message.starts_with("Cannot open file for writing!"))
        << missingFolder.message;

    // Over the file size limit the write fails half way: the old file stays whole.
    const std::string target = dir.File("old.tgm");
    WriteFile(target, "old");
    const std::string driver = TW_BUILD_DIR "/tw-macrofile";
    std::string output;
    const int status =
        RunCommand("printf '0 name=41 after=%04000d before=\\n' 0 | bash -c 'ulimit -f 1; exec "
                       + driver + " write \"" + target + "\"' 2>&1",
                   &output);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("File too large"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(TemporaryFiles(dir.Path()), 0);
}

TEST_F(MacroTransferTest, DriverPrintsTheRecordsAndTheError)
{
    const std::string driver = TW_BUILD_DIR "/tw-macrofile";
    const std::string path = dir.File("d.tgm");
    std::string output;
    ASSERT_EQ(RunCommand("printf '0 name=4d30 after= before=0d0a09e0\\n1 name=31 after=ff "
                         "before=\\n' | "
                             + driver + " write '" + path + "'",
                         &output),
              0);
    EXPECT_EQ(output, "");
    EXPECT_EQ(ReadFile(path), "\x10TGWRMACROFILE100"s + "\x02M0\x00\x04\r\n\t\xE0"s
                                  + "\x01"
                                    "1"s
                                  + "\x01\xFF\x00"s);

    WriteFile(path, EncodeMacroFile(EmptyMacros()).substr(0, 17 + 11));
    EXPECT_EQ(RunCommand(driver + " read '" + path + "'", &output), 1);
    EXPECT_EQ(output, "0 name=4d6163726f732030 after= before=\nerror: The macro file " + path
                          + " ends before its ten macros are complete. The macros before that "
                            "point were imported.\n");
}

} // namespace
