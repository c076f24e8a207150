// Command routing: actions built from the command table, the chain of targets, update
// handlers that run once after changes and never while nothing changes, and a command that
// runs out of memory.
#include "frame/CommandRouter.h"
#include "res/CommandIds.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <new>

namespace {

// A target that handles one command and records what reached it.
class Target : public CKCommandTarget {
public:
    Target(int id, bool enable) : m_id(id), m_enable(enable) {}
    bool OnCommand(int id) override
    {
        calls.push_back(id);
        return id == m_id;
    }
    bool OnUpdateCommand(CmdUI& ui) override
    {
        if (ui.id != m_id)
            return false;
        ui.Enable(m_enable);
        ui.SetCheck(true);
        return true;
    }
    std::vector<int> calls;

private:
    int m_id;
    bool m_enable;
};

TEST(CommandRouterTest, CommandsTravelTheChainAndUnhandledOnesAreDisabled)
{
    Target view(ID_EDIT_COPY, true), app(ID_VIEW_STATUS_BAR, false);
    QObject owner;
    CKCommandRouter router(
        [&] {
            return std::vector<CKCommandTarget*>{&view, &app};
        },
        nullptr, &owner);
    QAction* copy = router.Action(ID_EDIT_COPY);
    QAction* bar = router.Action(ID_VIEW_STATUS_BAR);
    QAction* open = router.Action(ID_FILE_OPEN);
    EXPECT_EQ(copy->text(), QStringLiteral("&Copy"));
    EXPECT_EQ(copy->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+C")),
                                                      QKeySequence(QStringLiteral("Ctrl+Ins"))}));
    EXPECT_EQ(copy->statusTip(), QStringLiteral("Copy the selection and put it on the Clipboard"));
    EXPECT_EQ(copy->toolTip(), QStringLiteral("Copy"));
    EXPECT_FALSE(copy->isCheckable());
    EXPECT_TRUE(bar->isCheckable());
    router.UpdateAll();
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_TRUE(bar->isChecked());
    EXPECT_FALSE(open->isEnabled());

    EXPECT_TRUE(router.Route(ID_VIEW_STATUS_BAR));
    EXPECT_EQ(view.calls, std::vector<int>{ID_VIEW_STATUS_BAR});
    EXPECT_EQ(app.calls, std::vector<int>{ID_VIEW_STATUS_BAR});
    EXPECT_TRUE(router.Route(ID_EDIT_COPY));
    EXPECT_EQ(app.calls.size(), 1u);
    EXPECT_FALSE(router.Route(ID_FILE_OPEN));
}

TEST(CommandRouterTest, StatesAreRecomputedOnceAfterChangesAndNeverWhileNothingChanges)
{
    Target view(ID_EDIT_COPY, true);
    int chainBuilt = 0;
    QObject owner;
    CKCommandRouter router(
        [&] {
            ++chainBuilt;
            return std::vector<CKCommandTarget*>{&view};
        },
        nullptr, &owner);
    router.Action(ID_EDIT_COPY);
    int passes = 0;
    QObject::connect(&router, &CKCommandRouter::updated, [&] { ++passes; });
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(chainBuilt, 0);

    // Several changes before the program waits again make one pass.
    router.Invalidate();
    router.Invalidate();
    router.Invalidate();
    EXPECT_EQ(passes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);
    // An explicit pass takes the place of one that was due.
    router.Invalidate();
    router.UpdateAll();
    EXPECT_EQ(passes, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 2);
}

// A target whose command fails to allocate.
class Exhausted : public CKCommandTarget {
public:
    bool OnCommand(int) override { throw std::bad_alloc(); }
    bool OnUpdateCommand(CmdUI&) override { return true; }
};

TEST(CommandRouterTest, CommandOutOfMemoryIsReportedAndTheProgramGoesOn)
{
    Exhausted target;
    QObject owner;
    QStringList reports;
    CKCommandRouter router([&] { return std::vector<CKCommandTarget*>{&target}; },
                           [&](const QString& text) { reports << text; }, &owner);
    EXPECT_TRUE(router.Route(ID_FILE_SAVE));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.front().contains(QStringLiteral("not enough memory")));
    // The action's path goes through the same boundary.
    router.Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(reports.size(), 2);
}

} // namespace
