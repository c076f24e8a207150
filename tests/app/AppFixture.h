// The whole application on fakes: a scripted desktop, settings in memory and an instance guard
// in a folder of its own, started with a command line as the program parses it.
#pragma once

#include "app/Tagwright.h"
#include "doc/FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "frame/CommandRouter.h"
#include "frame/MainFrm.h"
#include "instance/CommandLine.h"
#include "instance/InstanceGuard.h"
#include "recovery/RecoveryDialog.h"
#include "settings/core/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

class AppFixture : public testing::Test {
protected:
    // Starts with the arguments after the program's name; relative paths are taken in the
    // fixture's folder.
    void Start(const QStringList& arguments)
    {
        AppServices services;
        services.guard = std::make_unique<CKInstanceGuard>(QString::fromStdString(dir.Path()));
        // The settings a test prepared, or those a former start left, or none.
        auto memory = std::make_unique<MemorySettingsStore>(preset);
        store = memory.get();
        services.store = std::move(memory);
        auto fake = std::make_unique<FakeHost>();
        host = fake.get();
        services.host = std::move(fake);
        services.askAfterCrash = [](const std::string&) { return DebugChoice::Ignore; };
        services.recoveryRoot = dir.File("recovery");
        services.offerRecovery = [this](CKRecoveryDialog& dialog) {
            if (offerRecovery)
                offerRecovery(dialog);
        };
        app = std::make_unique<CTagwrightApp>(std::move(services));
        std::vector<std::string> commandLine = {"tagwright"};
        for (const QString& argument : arguments)
            commandLine.push_back(argument.toStdString());
        ASSERT_TRUE(app->InitInstance(ParseCommandLine(commandLine, dir.Path())));
        frame = app->MainFrame();
    }
    // The update pass of the running program (command states, the menus that follow the
    // documents, the status panes), run now.
    void UpdatePass()
    {
        frame->Router().UpdateAll();
        QApplication::processEvents();
    }
    // Lets deleted windows and documents go.
    void Settle()
    {
        for (int i = 0; i < 5; ++i) {
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
    }
    void TearDown() override
    {
        if (app) {
            for (CTagwrightDoc* doc : app->Documents())
                doc->Buffer().SetModified(false);
            app->ExitInstance();
        }
    }

    TempDir dir;
    MemorySettingsStore preset; // the settings the next Start begins with
    // What a test does with the start-up dialog of recovery copies; by default nothing.
    std::function<void(CKRecoveryDialog&)> offerRecovery;
    MemorySettingsStore* store = nullptr;
    FakeHost* host = nullptr;
    std::unique_ptr<CTagwrightApp> app;
    CMainFrame* frame = nullptr;
};
