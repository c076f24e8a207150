// The documents of the last session in the store: what comes back, and what is left out.
#include "session/core/Session.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SessionDocument Document(std::string path, bool split = false)
{
    return {
        std::move(path), {CodePage::Koi8R, LineEnding::Unix}, {{3, 7}, {1, 7}, {3, 7}, 5}, split};
}

TEST(SessionDocumentsTest, ComeBackInOrderWithTheActiveOne)
{
    MemorySettingsStore store;
    SessionDocuments open;
    open.documents = {Document("/site/a b.html", true), Document("/site/c.txt")};
    open.documents[1].format = {CodePage::Utf8, LineEnding::Dos};
    open.active = 1;
    {
        CSession session(store);
        session.Load();
        session.SetOpenDocuments(open);
        session.Save();
    }
    CSession next(store);
    next.Load();
    EXPECT_EQ(next.LastDocuments(), open);

    // A run that never says which documents are open leaves the list; a shorter one blanks the
    // values the longer one left.
    next.Save();
    SessionDocuments again;
    again.Load(store);
    EXPECT_EQ(again, open);
    SessionDocuments shorter;
    shorter.documents = {Document("/x.html")};
    shorter.Save(store);
    EXPECT_EQ(store.ReadString("Session", "Document2"), "");
    again.Load(store);
    EXPECT_EQ(again.documents.size(), 1u);
    EXPECT_EQ(again.active, -1);
}

TEST(SessionDocumentsTest, DamagedEntriesAreLeftOut)
{
    const char* const damaged[] = {
        "",
        "2 1 0 0 0 0 0 0 0 0",              // no path
        "9 1 0 0 0 0 0 0 0 0 /a",           // unknown page
        "2 -1 0 0 0 0 0 0 0 0 /a",          // no file's line ending
        "2 1 -4 0 0 0 0 0 0 0 /a",          // a negative position
        "2 1 0 0 0 0 0 0 0 2 /a",           // split neither on nor off
        "2 1 0 0 0 0 x 0 0 0 /a",           // not a number
        "2 1 99999999999 0 0 0 0 0 0 0 /a", // too large
    };
    for (const char* value : damaged) {
        SCOPED_TRACE(value);
        MemorySettingsStore store;
        store.WriteNumber("Session", "Count", 2);
        store.WriteNumber("Session", "Active", 0);
        store.WriteString("Session", "Document1", value);
        store.WriteString("Session", "Document2", "5 0 1 2 0 0 0 0 0 0 /ok.html");
        SessionDocuments read;
        read.Load(store);
        ASSERT_EQ(read.documents.size(), 1u);
        EXPECT_EQ(read.documents[0].path, "/ok.html");
        EXPECT_EQ(read.documents[0].place.caret, (TextPoint{1, 2}));
        EXPECT_EQ(read.active, -1); // the active one was the damaged one
    }
    // A count out of bounds reads as many as there may be.
    MemorySettingsStore store;
    store.WriteNumber("Session", "Count", 1 << 30);
    SessionDocuments read;
    read.Load(store);
    EXPECT_TRUE(read.documents.empty());
}

} // namespace
