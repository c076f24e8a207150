// Text crossing between the editor's Windows-1251 bytes and Qt's Unicode: the clipboard, drops
// and typed characters.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Clipboard or dropped text as the buffer takes it.
struct BufferText {
    std::string bytes;   // Windows-1251, line breaks CR LF
    int64_t missing = 0; // characters Windows-1251 lacks: left out, for the caller to report
};

// Text for the clipboard or a drag from buffer text: LF line ends, as programs on this
// desktop expect. CR LF and a lone CR both become LF.
QString ClipboardTextFromBuffer(std::string_view bytes);
// Text from the clipboard or a drop: any line end (CR LF, CR, LF) becomes CR LF; composed
// forms are taken first, so a letter with a combining accent finds its Windows-1251 byte.
BufferText BufferTextFromClipboard(const QString& text);
// The byte of one typed character (from a key event or an input method), or nothing when the
// text is not exactly one character that Windows-1251 has and that can be typed (control
// characters arrive as commands). Nothing means the view refuses it with a beep.
std::optional<uint8_t> TypedByte(const QString& typed);
