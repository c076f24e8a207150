// The debug report dialog as a screen reader finds it: the report and every button named.
#include "settings/DebugReportDialog.h"
#include "support/AccessibleNames.h"

#include <gtest/gtest.h>

TEST(DebugReportDialogTest, EveryControlHasAnAccessibleName)
{
    CKDebugReportDialog dialog("step 1\r\nstep 2");
    EXPECT_EQ(UnnamedControls(dialog), std::vector<std::string>());
}
