// A document with its own settings file and a scripted desktop.
#pragma once

#include "FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

class DocFixture : public testing::Test {
protected:
    DocFixture()
        : store(QString::fromStdString(dir.File("settings.ini"))), settings(store), session(store),
          doc(std::make_unique<CTagwrightDoc>(settings, session, host))
    {
    }

    QString Path(const std::string& name) const { return QString::fromStdString(dir.File(name)); }
    // Replaces the whole text through the buffer in one undo group; lines end with "\r".
    void SetText(const std::string& text)
    {
        CKTextBuffer& buffer = doc->Buffer();
        buffer.OpenUndoGroup();
        buffer.DeleteText(nullptr, 0, 0, buffer.LineCount() - 1,
                          buffer.LineLength(buffer.LineCount() - 1), 0);
        int line, ch;
        buffer.InsertText(nullptr, 0, 0, text, line, ch, 0);
        buffer.CloseUndoGroup(nullptr);
    }

    TempDir dir;
    CKSettingsStore store;
    AppSettings settings;
    CSession session;
    FakeHost host;
    std::unique_ptr<CTagwrightDoc> doc;
};
