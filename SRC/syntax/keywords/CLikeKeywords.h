// Keyword tables of the C-like parsers: C/C++, InstallShield, Java, resource scripts and DCL.
#pragma once

#include <string_view>

// C/C++ keywords and compiler extensions.
inline constexpr std::string_view kCppKeywords[] = {
    "_asm", "__asm", "_far16", "__far16", "enum", "__multiple_inheritance", "template", "auto",
    "__except", "__single_inheritance", "this", "__based", "explicit", "__virtual_inheritance",
    "thread", "bool", "extern", "mutable", "throw", "break", "false", "naked", "true", "case",
    "_fastcall", "__fastcall", "namespace", "try", "catch", "__finally", "new", "__try", "__cdecl",
    "__pascal", "_cdecl", "_pascal", "float", "operator", "typedef", "char", "for", "private",
    "typeid", "class", "friend", "protected", "typename", "const", "goto", "public", "union",
    "const_cast", "if", "register", "unsigned", "continue", "inline", "reinterpret_cast", "using",
    "__declspec", "__inline", "return", "uuid", "default", "int", "short", "__uuidof", "delete",
    "__int8", "signed", "virtual", "_export", "__export", "dllexport", "__int16", "sizeof", "void",
    "dllimport", "__int32", "static", "volatile", "do", "__int64", "static_cast", "wmain", "double",
    "__leave", "_stdcall", "__stdcall", "_syscall", "__syscall", "while", "dynamic_cast", "long",
    "struct", "xalloc", "else", "main", "switch", "interface", "persistent", "_persistent",
    "transient", "depend", "ondemand", "transient", "cset", "useindex", "indexdef",
};

// Type and constant names of the Windows API.
inline constexpr std::string_view kCppTypeNames[] = {
    "LPTSTR", "LPCTSTR", "LPWSTR", "LPCWSTR", "LPTSTR", "LPCTSTR", "CHAR", "WCHAR", "TCHAR", "BYTE",
    "BOOL", "TRUE", "FALSE", "INT", "UINT", "WORD", "DWORD", "WPARAM", "LPARAM", "LRESULT",
    "CString",
};

// InstallShield script keywords and data types.
inline constexpr std::string_view kInstallShieldKeywords[] = {
    "begin", "call", "case", "declare", "default", "downto", "else", "elseif", "end", "endif",
    "endswitch", "endwhile", "external", "for", "function", "goto", "if", "program", "prototype",
    "repeat", "return", "step", "switch", "then", "to", "typedef", "until", "void", "while", "BOOL",
    "BYREF", "CHAR", "HIWORD", "HWND", "INT", "LIST", "LONG", "LOWORD", "NUMBER", "POINTER", "QUAD",
    "RGB", "SHORT", "STRING",
};

// InstallShield predefined constants.
inline constexpr std::string_view kInstallShieldConstants[] = {
    "AFTER", "APPEND", "BACK", "BEFORE", "CANCEL", "COMMAND", "COMMANDEX", "CONTINUE", "DISABLE",
    "DLG_ERR", "ENABLE", "EXCLUSIVE", "EisvTS", "FAILIFEisvTS", "FALSE", "FULL", "NEXT", "NO",
    "NONEXCLUSIVE", "NOSET", "OFF", "ON", "PARTIAL", "REPLACE", "REPLACE_ITEM", "RESET", "RESTART",
    "SET", "TRUE", "YES",
};

// InstallShield system variables.
inline constexpr std::string_view kInstallShieldVariables[] = {
    "CMDLINE", "ERRORFILENAME", "INFOFILENAME", "ISRES", "ISUSER", "ISVERSION", "SRCDIR", "SRCDISK",
    "SUPPORTDIR", "TARGETDIR", "TARGETDISK", "WINDIR", "WINDISK", "WINSYSDIR", "WINSYSDISK",
};

// Java keywords.
inline constexpr std::string_view kJavaKeywords[] = {
    "abstract", "default", "goto", "null", "synchronized", "boolean", "do", "if", "package", "this",
    "break", "double", "implements", "private", "threadsafe", "byte", "else", "import", "protected",
    "throw", "byvalue", "extends", "instanceof", "public", "transient", "case", "false", "int",
    "return", "true", "catch", "final", "interface", "short", "try", "char", "finally", "long",
    "static", "void", "class", "float", "native", "super", "while", "const", "for", "new", "switch",
    "continue",
};

// Resource-script statements.
inline constexpr std::string_view kResourceKeywords[] = {
    "MENU", "POPUP", "MENUITEM", "SEPARATOR", "BEGIN", "END",
};

// Resource-script virtual keys.
inline constexpr std::string_view kResourceKeys[] = {
    "VK_F1", "VK_F2",
};

// DCL tiles.
inline constexpr std::string_view kDclTiles[] = {
    "boxed_column", "boxed_radio_column", "boxed_radio_row", "boxed_row", "button", "column",
    "concatenation", "dialog", "edit_box", "image", "list_box", "paragraph", "popup_list",
    "radio_button", "row", "slider", "spacer", "text_part", "text", "toggle",
};

// DCL predefined tiles and subassemblies.
inline constexpr std::string_view kDclPredefinedTiles[] = {
    "spacer_0", "spacer_1", "default_button", "retirement_button", "ok_cancel_help_errtile",
    "ok_cancel_help_info", "ok_cancel", "ok_cancel_err", "ok_cancel_help", "ok_only", "ok_button",
    "cancel_button", "help_button", "info_button", "errtile", "image_button", "radio_column",
    "radio_row",
};

// DCL tile attributes.
inline constexpr std::string_view kDclAttributes[] = {
    "action", "alignment", "allow_accept", "aspect_ratio", "big_increment", "children_alignment",
    "children_fixed_height", "children_fixed_width", "edit_limit", "edit_width", "fixed_height",
    "fixed_width", "height", "initial_focus", "is_bold", "is_cancel", "is_default", "is_enabled",
    "is_tab_stop", "key", "label", "layout", "list", "max_value", "min_value", "mnemonic",
    "multiple_select", "small_increment", "tabs", "value", "width",
};
