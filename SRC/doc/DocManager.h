// What the windows ask of whoever keeps the open documents: the list, opening a file, the
// recent files, saving before exit, and the end of a document's last view. It also takes the
// commands that reach the end of the routing chain.
#pragma once

#include "res/CommandTarget.h"
#include "text/FileFormat.h"

#include <QString>

#include <vector>

class CSession;
class CTagwrightDoc;
struct CommandLine;

class CKDocManager : public CKCommandTarget {
public:
    virtual std::vector<CTagwrightDoc*> Documents() const = 0;
    // Activates the document already open at path, or opens it in a new window.
    virtual CTagwrightDoc* OpenDocumentFile(const QString& path) = 0;
    // The same in the given code page and line ending (Auto detects it) when it is not open yet.
    virtual CTagwrightDoc* OpenDocumentInPage(const QString& path, CodePage codePage,
                                              LineEnding lineEnding)
    {
        (void)codePage;
        (void)lineEnding;
        return OpenDocumentFile(path);
    }
    // Opens the files of a command line or of one handed over by a later start; the number
    // opened.
    virtual int OpenCommandLine(const CommandLine& request) = 0;
    // The recent files and what else a run leaves for the next.
    virtual CSession& Session() = 0;
    // Asks to save each modified document; false when the user cancels.
    virtual bool SaveAllModified() = 0;
    // A window of doc closed; the document goes when it has no view left.
    virtual void OnViewClosed(CTagwrightDoc* doc) = 0;
};
