// Command routing: actions built from command rows, the chain of targets, update handlers,
// and a command that runs out of memory.
#include "frame/CommandRouter.h"
#include "res/CommandIds.h"

#include <QAction>
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

struct Rows {
    void Run(int) {}
};
const CommandRow<Rows> kRows[] = {
    {{ID_FILE_NEW, "&New", "Ctrl+N"}},
    {{ID_FILE_SAVE, "&Save", "Ctrl+S; F2", "Save it", "Save tip"}},
};

TEST(CommandRouterTest, CommandsTravelTheChainAndUnhandledOnesAreDisabled)
{
    Target view(ID_FILE_SAVE, true), app(ID_FILE_NEW, false);
    QObject owner;
    CCommandCatalogue catalogue;
    catalogue.Add<Rows>(kRows);
    CKCommandRouter router([&] { return std::vector<CKCommandTarget*>{&view, &app}; }, catalogue,
                           nullptr, &owner);
    QAction* save = router.Action(ID_FILE_SAVE);
    QAction* fresh = router.Action(ID_FILE_NEW);
    QAction* open = router.Action(ID_FILE_OPEN);
    EXPECT_EQ(save->text(), QStringLiteral("&Save"));
    EXPECT_EQ(save->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+S")), QKeySequence(Qt::Key_F2)}));
    EXPECT_EQ(save->statusTip(), QStringLiteral("Save it"));
    EXPECT_EQ(save->toolTip(), QStringLiteral("Save tip"));
    fresh->setCheckable(true);
    router.UpdateAll();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_FALSE(fresh->isEnabled());
    EXPECT_TRUE(fresh->isChecked());
    EXPECT_FALSE(open->isEnabled());

    EXPECT_TRUE(router.Route(ID_FILE_NEW));
    EXPECT_EQ(view.calls, std::vector<int>{ID_FILE_NEW});
    EXPECT_EQ(app.calls, std::vector<int>{ID_FILE_NEW});
    EXPECT_TRUE(router.Route(ID_FILE_SAVE));
    EXPECT_EQ(app.calls.size(), 1u);
    EXPECT_FALSE(router.Route(ID_FILE_OPEN));
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
    CCommandCatalogue catalogue;
    QStringList reports;
    CKCommandRouter router([&] { return std::vector<CKCommandTarget*>{&target}; }, catalogue,
                           [&](const QString& text) { reports << text; }, &owner);
    EXPECT_TRUE(router.Route(ID_FILE_SAVE));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.front().contains(QStringLiteral("not enough memory")));
    // The action's path goes through the same boundary.
    router.Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(reports.size(), 2);
}

} // namespace
