// A text view of a document with its own settings file, sized to a number of lines and
// columns of its font.
#pragma once

#include "doc/FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "support/TempDir.h"
#include "text/KTextBuffer.h"
#include "view/KTextView.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ViewFixture : public testing::Test {
protected:
    ViewFixture()
        : store(QString::fromStdString(dir.File("settings.ini"))), settings(store), session(store),
          doc(std::make_unique<CTagwrightDoc>(settings, session, host))
    {
        doc->OnNewDocument();
    }

    CPreferences& Preferences() { return settings.Preferences(); }
    CKTextBuffer& Buffer() { return doc->Buffer(); }

    // Replaces the text; the view resets as after loading a file.
    void SetLines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
        int line, ch;
        Buffer().InsertText(nullptr, 0, 0, text, line, ch, 0);
        Buffer().SetModified(false);
    }

    // A view showing rows lines of columns characters beside the margin.
    CKTextView& MakeView(int rows = 10, int columns = 40)
    {
        view.reset(CKTextView::Create(*doc));
        const int lineHeight = view->GetLineHeight();
        const int charWidth = view->GetCharWidth();
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setFrameStyle(0);
        view->resize(view->MarginWidth() + columns * charWidth, rows * lineHeight);
        view->show();
        return *view;
    }

    // The pixel at the middle of a character cell.
    QPoint CellCentre(TextPoint p)
    {
        const QPoint topLeft = view->PositionToPixel(p);
        return topLeft + QPoint(view->GetCharWidth() / 2, view->GetLineHeight() / 2);
    }
    QPoint CellLeft(TextPoint p)
    {
        return view->PositionToPixel(p) + QPoint(1, view->GetLineHeight() / 2);
    }

    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pos, view->viewport()->mapToGlobal(pos),
                          type == QEvent::MouseMove ? Qt::NoButton : button, buttons, mods);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Click(QPoint pos, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, pos, Qt::LeftButton, mods);
        Mouse(QEvent::MouseButtonRelease, pos, Qt::LeftButton, mods);
    }

    TempDir dir;
    CKSettingsStore store;
    AppSettings settings;
    CSession session;
    FakeHost host;
    std::unique_ptr<CTagwrightDoc> doc;
    std::unique_ptr<CKTextView> view;
};

inline void PrintTo(const TextPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}
