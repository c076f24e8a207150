// The string table.
#include "res/Strings.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr std::pair<int, std::string_view> kStrings[] = {
    {IDS_DOC_DESCRIPTOR,
     "\nHTML\nHTML\nTagwright Files (*.html)\n.html\nTagwright.Document\nHTML Document"},
    {IDS_UNDO_MENU, "&Undo %1\tCtrl+Z"},
    {IDS_REDO_MENU, "&Redo %1\tCtrl+Y"},
    {IDS_UNDO_NOTHING, "&Undo\tCtrl+Z"},
    {IDS_CANNOT_FIND, "Cannot find string \"%1\""},
    {IDS_GOTO_LINE_PROMPT, "Enter Line Number (1-%1)"},
    {IDS_ISEARCH_FORWARD, "Incremental search: %1"},
    {IDS_ISEARCH_BACKWARD, "Incremental search backward: %1"},
    {IDS_ISEARCH_FAILED, "Incremental search failed: %1"},
    {IDS_INVALID_PATTERN, "Invalid regular expression \"%1\""},
    {IDS_PATTERN_TOO_COSTLY, "The regular expression \"%1\" is too costly to search"},
    {IDS_CANNOT_EXPAND,
     "The replacement \"%1\" cannot be made for the selected occurrence; it was left as it was"},
    {IDS_REPLACED_COUNT, "Replaced %1 occurrence(s)."},
    {IDS_DELETE_ALL_ASK, "Delete all %1 occurrences of \"%2\"?"},
    {IDS_FILE_FILTER,
     "All Supported (...)|*.htm;*.ihtml;*.html;*.shtml;*.xhtml;*.phtml;*.txt;*.diz;*.c;*.cpp;"
     "*.cxx;*.h;*.hpp;*.hxx;*.pas;*.bat;*.btm;*.cmd;*.bas;*.vb;*.vbs;*.java;*.jav;*.js;*.j;*.pl;"
     "*.me;*.css;*.py;*.rc;*.dlg;*.rexx;*.rex;*.sgml;*.sh;*.sql;*.tcl|"
     "HTML Files (.html;.htm;.shtml;.xhtml;.ihtml)|*.htm;*.html;*.shtml;*.xhtml;*.ihtml|"
     "Style Sheets (.css)|*.css|"
     "Java (scripts) (.j;.js;.java;.jav)|*.j;*.js;*.java;*.jav|"
     "C/C++ Files (.c;.cpp;.cxx;.h;.hpp;.hxx)|*.c;*.cpp;*.cxx;*.h;*.hpp;*.hxx|"
     "Pascal Files (.pas)|*.pas|"
     "Perl Files (.pl)|*.pl|"
     "Text Files (.txt;.doc;.diz;.me)|*.txt;*.doc;*.diz;*.me|"
     "Image Files (.jpg;.gif;.bmp;.png;.pcx)|*.jpg;*.gif;*.bmp;*.png;*.pcx|"
     "All Files (*.*)|*.*||"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {IDS_ASK_TO_SAVE, "Save changes to %1?"},
    {IDS_VERSION_LINE, "Version %1.%2, Build %3 ALPHA"},
    {IDS_COMPILED_ON, "Compiled on: %1"},
    {IDS_NO_TEMP_PREVIEW, "Cannot save tempopary file for preview!"},
    {IDS_NO_PREVIEW_PROGRAM, "Cannot open external preview program!"},
    {IDS_NO_BROWSER_PATH,
     "No program is set for browser %1.\nChoose one under \"External Browser %1:\" on the Files "
     "page of View > Options..."},
    {IDS_BROWSER_NOT_STARTED, "Cannot start browser %1:\n%2\n\n%3"},
    {IDS_OPEN_FAILED, "Cannot open the file\n%1\n\n%2"},
    {IDS_SAVE_FAILED, "Cannot save the file\n%1\n\n%2"},
    {IDS_LOSSY_LOAD,
     "%1\n\n%2 byte(s) of this file cannot be kept unchanged in the code page \"%3\". Saving "
     "the file will change them."},
    {IDS_LOSSY_SAVE,
     "%1\n\n%2 byte(s) of this file were changed when it was read in the code page \"%3\". "
     "Saving writes the changed text.\n\nSave anyway?"},
    {IDS_LOSSY_LOAD_UTF8,
     "%1\n\n%2 character(s) of this file cannot be kept unchanged in the code page \"%3\". "
     "Saving the file will change them."},
    {IDS_LOSSY_SAVE_UTF8,
     "%1\n\n%2 character(s) of this file were changed when it was read in the code page "
     "\"%3\". Saving writes the changed text.\n\nSave anyway?"},
    {IDS_UNSAVEABLE_SAVE,
     "%1\n\n%2 character(s) of the text have no place in the code page \"%3\": the file will "
     "hold other characters in their place.\n\nSave anyway?"},
    {IDS_SESSION_MISSING,
     "These files of the last session no longer exist and were not opened:\n\n%1"},
    {IDS_RECENT_MISSING,
     "%1\n\nThis file no longer exists.\n\nRemove it from the list of recent files?"},
    {IDS_SETTINGS_NOT_READ,
     "%1\n\nThis settings file is larger than %2 MB or is not a regular file, so it was not "
     "read. Tagwright runs with its default settings and leaves the file as it is; changes to "
     "the settings made now are not kept."},
    {IDS_SETTINGS_NOT_WRITTEN,
     "%1\n\nThe settings cannot be written to this file. Changes to the settings and the list "
     "of recent files are not kept until the file or its folder can be written again."},
    {IDS_DEBUG_TITLE, "Tagwright: Debug subsystem"},
    {IDS_DEBUG_WARNING,
     "WARNING!!!    Debug subsystem was detected that in previous time was an following error(s):"},
    {IDS_DEBUG_CHOOSE, "Please choose one of following buttons to continue:"},
    {IDS_DEBUG_RESET, "Reset settings to default state"},
    {IDS_DEBUG_IGNORE, "Ignore error"},
    {IDS_DEBUG_DISABLE, "Disable Debug subsytem"},
    {IDS_DEBUG_CLOSE, "Close program"},
    {IDS_DEBUG_RESET_TIP, "Reset program settings to default state"},
    {IDS_DEBUG_IGNORE_TIP, "Ignore this error and continue"},
    {IDS_DEBUG_DISABLE_TIP, "Disable debug subsystem"},
    {IDS_DEBUG_CLOSE_TIP, "Close application (don't start)"},
    {IDS_FILE_ENCODING, "File &encoding:"},
    {IDS_LINE_ENDING, "&Line ending:"},
    {IDS_OUT_OF_MEMORY, "There is not enough memory to finish the command."},
    {IDS_ABOUT_TITLE, "About Tagwright"},
    {IDS_CLIPBOARD_REFUSED, "The Clipboard did not take the text, so nothing was cut."},
    {IDS_TEXT_MISSING_CHARACTERS,
     "%1 character(s) of the text do not exist in Windows-1251 and were left out."},
    {IDS_REOPEN_DISCARDS,
     "%1\n\nThe text has changes that are not saved. Reopening the file discards them.\n\n"
     "Reopen anyway?"},
    {IDS_REOPEN_IN_PAGE,
     "%1\n\nThis file is already open in the code page \"%2\".\n\nReopen it in the code page "
     "\"%3\"?"},
    {IDS_MACRO_CANNOT_WRITE, "Cannot open file for writing!"},
    {IDS_MACRO_CANNOT_READ, "Cannot open file for read!"},
    {IDS_MACRO_BAD_FILE, "Bad macroses file, or file for older version of editor"},
    {IDS_MACRO_FILE_CUT_SHORT,
     "The macro file %1 ends before its ten macros are complete. The macros before that point "
     "were imported."},
    {IDS_HINT_LOOKS_LIKE, "This file looks like %1 but was opened as %2."},
    {IDS_HINT_DECLARES, "This page declares %1 but was opened as %2."},
    {IDS_PAGE_DETECTED, "Code page found by detection: %1"},
    {IDS_PAGE_NOT_DETECTED, "Detection was not sure of the code page; the file was opened as %1."},
    {IDS_PAGE_ASCII, "The file holds only ASCII characters; it was opened as %1."},
    {IDS_UPDATE_DECLARATION,
     "%1\n\nThe page declares its charset as \"%2\". Saved in the code page \"%3\", it should "
     "declare \"%4\", or browsers will show it wrongly.\n\nChange the declaration to \"%4\"?"},
    {IDS_HINT_NOT_UTF8, "This file was opened as UTF-8 but is not valid UTF-8."},
    {IDS_HINT_REOPEN, "Reopen as %1"},
    {IDS_HINT_REOPEN_OTHER, "Reopen in another code page"},
    // The names of the menus' numbered entries while they have nothing to show.
    {IDS_SLOT_RECENT_FILE, "Recent file %1"},
    {IDS_SLOT_TOOL, "Tool %1"},
    {IDS_SLOT_WINDOW, "Window %1"},
    {IDS_HINT_CLOSE_TIP, "Close this bar and keep the code page"},
    {IDS_OPEN_MISSING, "The file\n%1\nno longer exists, so it cannot be opened."},
    {IDS_DROPPED_FOLDERS, "Folders cannot be opened as documents:\n%1"},
    {IDS_NOT_SHOWN, "The desktop could not show\n%1"},
    {IDS_TOOL_NOT_FOUND, "The tool \"%1\" cannot be started: program \"%2\" not found."},
    {IDS_NO_MANUAL, "The manual is not installed; it was looked for in\n%1"},
    {IDS_TOOL_NOT_STARTED, "The tool \"%1\" cannot be started: program \"%2\" did not run."},
    {IDS_TOOL_FAILED, "The tool \"%1\" ended with exit status %2."},
    {IDS_TOOL_CRASHED, "The tool \"%1\" ended abnormally."},
    {IDS_RECOVERY_TITLE, "Recover Unsaved Changes"},
    {IDS_RECOVERY_INTRO, "Tagwright did not end normally, and these documents had changes that "
                         "were not saved. Choose what to do with each of them; the copies you do "
                         "not decide on now are offered again at the next start."},
    {IDS_RECOVERY_COLUMN_FILE, "Document"},
    {IDS_RECOVERY_COLUMN_WRITTEN, "Last written"},
    {IDS_RECOVERY_COLUMN_DISK, "File on disk"},
    {IDS_RECOVERY_DISK_UNCHANGED, "Unchanged"},
    {IDS_RECOVERY_DISK_CHANGED, "Changed since"},
    {IDS_RECOVERY_DISK_MISSING, "Missing"},
    {IDS_RECOVERY_DISK_NEVER_SAVED, "Never saved"},
    {IDS_RECOVERY_RESTORE, "&Restore"},
    {IDS_RECOVERY_SHOW_DIFFERENCES, "Show &Differences"},
    {IDS_RECOVERY_DISCARD, "D&iscard"},
    {IDS_RECOVERY_LATER, "Decide &Later"},
    {IDS_RECOVERY_DAMAGED,
     "The recovery copy %1 %2. It cannot be restored and is kept until you discard it."},
    {IDS_RECOVERY_DIFFERENCES_TITLE, "Differences - %1"},
    {IDS_RECOVERY_NO_DIFFERENCES, "The recovered text is the same as the file on disk."},
    {IDS_RECOVERY_CANNOT_START, "Recovery copies of unsaved changes cannot be kept in %1: %2"},
    {IDS_RECOVERY_CANNOT_WRITE, "The recovery copy %1 could not be written: %2"},
    {IDS_RECOVERY_CANNOT_DISCARD, "The recovery copy %1 could not be deleted: %2"},
    {IDS_RECOVERY_UNREADABLE, "Damaged"},
    {IDS_RECOVERY_RECOVERED, "recovered"},
    {IDS_DISK_CHANGED, "The file was changed by another program."},
    {IDS_DISK_GONE, "The file was deleted or moved."},
    {IDS_DISK_RELOAD, "Reload"},
    {IDS_DISK_SHOW_DIFFERENCES, "Show Differences"},
    {IDS_DISK_KEEP, "Keep my text"},
    {IDS_DISK_SAVE, "Save"},
    {IDS_DISK_CLOSE, "Close"},
    {IDS_DISK_ASK_OVERWRITE,
     "%1 was changed by another program since you opened it. Overwrite it with your text?"},
    {IDS_DISK_OVERWRITE, "Overwrite"},
    {IDS_DISK_CANCEL, "Cancel"},
    {IDS_DISK_YOUR_TEXT, "your text"},
    {IDS_DISK_RELOAD_ACTION, "Reload"},
    {IDS_DISK_NO_DIFFERENCES, "Your text is the same as the file on disk."},
    {IDS_RECOVERY_COLUMN_FOLDER, "Folder"},
    {IDS_RECOVERY_DISCARD_ASK,
     "Discard the unsaved changes of %1?\n\nThey cannot be restored afterwards."},
    {IDS_OLD_TEXT_FOUND,
     "%1\n\nA save of this file was interrupted while it wrote over the file, so the file may "
     "hold part of the new text and part of the old. The old text is kept in\n%2\n(%3 bytes, "
     "copied %4).\n\nRestore puts the old text back into the file. Keep opens the file as it is "
     "and asks again next time. Delete Copy opens the file as it is and deletes the copy."},
    {IDS_OLD_TEXT_RESTORE, "&Restore"},
    {IDS_OLD_TEXT_KEEP, "&Keep"},
    {IDS_OLD_TEXT_DELETE, "&Delete Copy"},
    {IDS_OLD_TEXT_NOT_RESTORED,
     "The old text could not be put back from\n%1\n\n%2\n\nThe copy is kept."},
    {IDS_OLD_TEXT_NOT_DELETED, "The copy of the old text\n%1\ncould not be deleted: %2"},
    {IDS_INSTANCE_UNGUARDED, "Tagwright cannot tell whether it is running already: %1.\n\nThis "
                             "window runs on its own, and files opened from the desktop or the "
                             "command line from now on open in windows of their own too."},
    {IDS_INSTANCE_NOT_HANDED_OVER,
     "Tagwright is running already but cannot be reached: %1.\n\nThis window runs on its own."},
    {IDS_INSTANCE_UNCONFIRMED,
     "Tagwright is running already but has not confirmed that it took these files:\n%1\n\nThey "
     "open there as soon as it answers. They are not opened here as well, so that no file is "
     "edited in two windows at once."},
    {IDS_INSTANCE_FOLDER_FAILED, "the folder %1 cannot be made: %2"},
    {IDS_INSTANCE_FOLDER_NOT_PRIVATE, "%1 is not a folder of this user alone"},
    {IDS_INSTANCE_LOCK_FOREIGN, "the lock %1 is not a file of this user"},
    {IDS_INSTANCE_LOCK_FAILED, "the lock %1 cannot be made"},
    {IDS_INSTANCE_SOCKET_FOREIGN, "%1 is not a socket of this user"},
    {IDS_INSTANCE_NO_ANSWER, "it does not answer at %1"},
    {IDS_INSTANCE_REFUSED, "it refused the request"},
    {IDS_INSTANCE_REQUEST_TOO_LONG, "the list of files is too long to be handed over"},
    {IDS_NAME_AMBIGUOUS,
     "The name\n%1\nis not valid UTF-8, and several files in its folder read the same, so it "
     "cannot be told which is meant. Rename the file, or open it from the command line."},
};

constexpr bool IdsAreUnique()
{
    for (size_t i = 0; i < std::size(kStrings); ++i)
        for (size_t j = i + 1; j < std::size(kStrings); ++j)
            if (kStrings[i].first == kStrings[j].first)
                return false;
    return true;
}
static_assert(IdsAreUnique(), "two messages of the table share a number");

} // namespace

std::string_view ResString(int id)
{
    const auto it = std::find_if(std::begin(kStrings), std::end(kStrings),
                                 [id](const auto& entry) { return entry.first == id; });
    return it == std::end(kStrings) ? std::string_view{} : it->second;
}

std::string_view DocDescriptorField(int field)
{
    std::string_view text = ResString(IDS_DOC_DESCRIPTOR);
    for (int i = 0; i < field; ++i) {
        const size_t nl = text.find('\n');
        if (nl == std::string_view::npos)
            return {};
        text.remove_prefix(nl + 1);
    }
    return text.substr(0, text.find('\n'));
}
