// Showing the document as a web page in the system's default browser or in browser 1 or 2.
#pragma once

#include <QString>

class CSession;
class CTagwrightDoc;

enum class PreviewTarget { DefaultBrowser = 0, Browser1 = 1, Browser2 = 2 };

inline constexpr char kPreviewFileName[] = "~TagwrightPreview.HTML";

// Deletes the preview file written last, if any, and forgets it.
void DeletePreviewFile(CSession& session);
// At exit: removes the private folder that held the previews of untitled texts.
void RemovePreviewFolder();
// Writes the text where a browser can read it and starts the browser on it.
void ExternalPreview(CTagwrightDoc& doc, PreviewTarget target);
// Whether folder is a folder of this user's own that nobody else can enter (owned by the user,
// mode 0700, not a link): nobody else can plant a file or a link in it.
bool IsPrivateFolder(const QString& folder);
// TMPDIR, then TMP, then TEMP, then /tmp.
QString TemporaryFolder();
