// An edit view on an opened page, shown; with the caret at its end, typed into as a user
// types: letters, every tenth key a line break, each key followed by painting the screen.
#pragma once

#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <memory>

// An edit view on an opened page, shown at a fixed size, painted offscreen on demand.
struct ShownEditView {
    ShownEditView(AppSettings& settings, CSession& session, CKDocHost& host, const QString& path)
        : doc(settings, session, host)
    {
        doc.OnOpenDocument(path);
        view.reset(CKTextView::Create<CKEditView>(doc));
        view->resize(1000, 700);
        view->show();
    }
    ~ShownEditView() { view.reset(); }

    void PaintScreen()
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        view->PaintClient(painter, image.rect());
    }

    CTagwrightDoc doc;
    std::unique_ptr<CKEditView> view;
};

struct TypingSession : ShownEditView {
    TypingSession(AppSettings& settings, CSession& session, CKDocHost& host, const QString& path)
        : ShownEditView(settings, session, host, path)
    {
        view->OnCommand(ID_EDIT_TEXT_END);
        PaintScreen();
    }

    // Key i of a run: "a", or a line break for every tenth, so that lines stay short.
    void TypeKey(int i)
    {
        const bool enter = i % 10 == 9;
        QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                        enter ? QStringLiteral("\r") : QStringLiteral("a"));
        QApplication::sendEvent(view.get(), &press);
        PaintScreen();
    }
};
