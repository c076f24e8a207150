// Keyword tables of the ASP, PHP and SGML parsers (ASP script words are the Visual Basic table).
#pragma once

#include <string_view>

// HTML tag names known to the ASP and PHP parsers.
inline constexpr std::string_view kMarkupTagNames[] = {
    "DOCTYPE", "PUBLIC", "FRAME", "FRAMESET", "NOFRAMES", "HEAD", "TITLE", "ISINDEX", "META",
    "LINK", "BASE", "SCRIPT", "STYLE", "BODY", "H1", "H2", "H3", "H4", "H5", "H6", "UL", "OL",
    "DIR", "MENU", "LI", "DL", "DT", "DD", "P", "PRE", "BLOCKQUOTE", "ADDRESS", "DIV", "SPAN",
    "CENTER", "HR", "FORM", "TABLE", "LEFT", "RIGHT", "TOP", "EM", "STRONG", "DFN", "CODE", "SAMP",
    "KBD", "VAR", "CITE", "TT", "I", "B", "U", "STRIKE", "BIG", "SMALL", "SUB", "SUP", "A",
    "BASEFONT", "IMG", "APPLET", "PARAM", "FONT", "BR", "MAP", "AREA", "INPUT", "SELECT", "OPTION",
    "TEXTAREA", "ONCLICK", "CAPTION", "TR", "TH", "TD", "HTML",
};

// HTML attribute names known to the ASP and PHP parsers.
inline constexpr std::string_view kMarkupAttributeNames[] = {
    "ACTION", "ALIGN", "ALINK", "BACKGROUND", "BGCOLOR", "COLOR", "COMPACT", "CONTENT", "ENCTYPE",
    "FACE", "HEIGHT", "HREF", "HTTP-EQUIV", "LINK", "METHOD", "NAME", "PROMPT", "REL", "REV",
    "START", "TEXT", "TYPE", "VALUE", "VLINK", "WIDTH", "ADD_DATE", "ALT", "BORDER", "CELLPADDING",
    "CELLSPACING", "CHECKED", "CLEAR", "CODE", "CODEBASE", "COLS", "COLSPAN", "COORDS", "FOLDED",
    "HSPACE", "ISMAP", "LAST_MODIFIED", "LAST_VISIT", "MAXLENGTH", "MULTIPLE", "NORESIZE",
    "NOSHADE", "NOWRAP", "ROWS", "ROWSPAN", "SELECTED", "SHAPE", "SIZE", "SRC", "TARGET", "USEMAP",
    "VALIGN", "VSPACE",
};

// Character entity names known to the ASP, PHP and SGML parsers.
inline constexpr std::string_view kMarkupEntityNames[] = {
    "nbsp", "quot", "amp", "lt", "lt", "gt", "copy", "reg", "acute", "laquo", "raquo", "iexcl",
    "iquest", "Agrave", "agrave", "Aacute", "aacute", "Acirc", "acirc", "Atilde", "atilde", "Auml",
    "auml", "Aring", "aring", "AElig", "aelig", "Ccedil", "ccedil", "ETH", "eth", "Egrave",
    "egrave", "Eacute", "eacute", "Ecirc", "ecirc", "Euml", "euml", "Igrave", "igrave", "Iacute",
    "iacute", "Icirc", "icirc", "Iuml", "iuml", "Ntilde", "ntilde", "Ograve", "ograve", "Oacute",
    "oacute", "Ocirc", "ocirc", "Otilde", "otilde", "Ouml", "ouml", "Oslash", "oslash", "Ugrave",
    "ugrave", "Uacute", "uacute", "Ucirc", "ucirc", "Uuml", "uuml", "Yacute", "yacute", "yuml",
    "THORN", "thorn", "szlig", "sect", "para", "micro", "brvbar", "plusmn", "middot", "uml",
    "cedil", "ordf", "ordm", "not", "shy", "macr", "deg", "sup1", "sup2", "sup3", "frac14",
    "frac12", "frac34", "times", "divide", "cent", "pound", "curren", "yen",
};

// PHP keywords and language constructs.
inline constexpr std::string_view kPhpKeywords[] = {
    "exit", "die", "old_function", "function", "cfunction", "const", "return", "if", "elseif",
    "endif", "else", "while", "endwhile", "do", "for", "endfor", "foreach", "endforeach", "as",
    "switch", "endswitch", "case", "default", "break", "continue", "echo", "print", "class",
    "extends", "new", "var", "int", "integer", "real", "double", "float", "string", "array",
    "object", "bool", "boolean", "eval", "include", "require", "global", "isvset", "empty",
    "static", "unset", "list", "array",
};

// PHP operators written as words.
inline constexpr std::string_view kPhpWordOperators[] = {
    "OR", "AND", "XOR",
};

// PHP magic constants.
inline constexpr std::string_view kPhpConstants[] = {
    "__LINE__", "__FILE__",
};

// SGML tag names.
inline constexpr std::string_view kSgmlTagNames[] = {
    "ABSTRACT", "ARTICLE", "AUTHOR", "BF", "BOOK", "CHAPT", "CODE", "COPYRIGHT", "DATE",
    "DEBIANDOC", "DESCRIP", "DOCTYPE", "EM", "EMAIL", "ENUM", "ENUMLIST", "EXAMPLE", "FOOTNOTE",
    "FTPSITE", "FTPPATH", "HEADING", "HTMLURL", "HTTPSITE", "HTTPPATH", "IT", "ITEM", "ITEMIZE",
    "LABEL", "LIST", "MANREF", "NAME", "P", "PRGN", "PUBLIC", "QREF", "QUOTE", "REF", "SECT",
    "SECT1", "SECT2", "SECT3", "SECT4", "STRONG", "SYSTEM", "TAG", "TAGLIST", "TITLE", "TITLEPAG",
    "TOC", "TSCREEN", "TT", "URL", "VAR", "VERB", "VERSION",
};

// SGML attribute names.
inline constexpr std::string_view kSgmlAttributeNames[] = {
    "COMPACT", "ID", "NAME", "SECTION",
};
