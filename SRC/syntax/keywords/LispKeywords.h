// Keyword tables of the Lisp parsers.
#pragma once

#include <string_view>

// AutoLISP functions.
inline constexpr std::string_view kLispKeywords[] = {
    "abs", "acad_colordlg", "acad_helpdlg", "acad_strlsort", "action_tile", "add_list", "ads",
    "alert", "alloc", "and", "angle", "angtof", "angtos", "append", "apply", "arxload", "arxunload",
    "arx", "ascii", "assoc", "atan", "atof", "atoi", "atoms-family", "atom", "autoarxload",
    "autoload", "autoxload", "boole", "boundp", "caaaar", "caaadr", "caaar", "caadar", "caaddr",
    "caadr", "caar", "cadaar", "cadadr", "cadar", "caddar", "cadddr", "caddr", "cadr", "car",
    "cdaaar", "cdaadr", "cdaar", "cdadar", "cdaddr", "cdadr", "cdar", "cddaar", "cddadr", "cddar",
    "cdddar", "cddddr", "cdddr", "cddr", "cdr", "chr", "client_data_tile", "close", "command",
    "cond", "cons", "cos", "cvunit", "defun", "dictnext", "dictsearch", "dimx_tile", "dimy_tile",
    "distance", "distof", "done_dialog", "end_image", "end_list", "entdel", "entget", "entlast",
    "entmake", "entmod", "entnext", "entsel", "entupd", "equal", "eq", "eval", "exit", "expand",
    "expt", "exp", "fill_image", "findfile", "fix", "float", "foreach", "gcd", "gc", "get_attr",
    "get_tile", "getangle", "getcfg", "getcorner", "getdist", "getenv", "getfield", "getint",
    "getkword", "getorient", "getpoint", "getreal", "getstring", "getvar", "graphscr", "grclear",
    "grdraw", "grread", "grtext", "grvecs", "handent", "if", "help", "initget", "inters", "itoa",
    "lambda", "last", "length", "listp", "list", "load_dialog", "load", "logand", "logior", "log",
    "lsh", "mapcar", "max", "member", "mem", "menucmd", "minusp", "min", "mode_tile",
    "namedobjdict", "nentsel", "nentselp", "new_dialog", "not", "nth", "null", "numberp", "open",
    "or", "osnap", "polar", "prin1", "princ", "print", "progn", "prompt", "quit", "quote",
    "read-char", "read-line", "read", "redraw", "regapp", "rem", "repeat", "reverse", "rtos",
    "setcfg", "setfunhelp", "setq", "setvar", "set_tile", "set", "sin", "slide_image", "snvalid",
    "sqrt", "ssadd", "ssdel", "ssget", "sslength", "ssmemb", "ssname", "startapp", "start_dialog",
    "start_image", "start_list", "strcase", "strcat", "strlen", "substr", "subst", "tablet",
    "tblnext", "tblobjname", "tblsearch", "term_dialog", "terpri", "textbox", "textpage", "textscr",
    "trace", "trans", "type", "unload_dialog", "untrace", "vector_image", "ver", "vmon", "vports",
    "wcmatch", "while", "write-char", "write-line", "xdroom", "xdsize", "xload", "xunload", "zerop",
};

// SIOD special forms and list functions.
inline constexpr std::string_view kSiodKeywords[] = {
    "abs", "alarm", "and", "append", "apply", "ass", "assoc", "assq", "assv", "base64decode",
    "base64encode", "begin", "caaar", "caadr", "caar", "cadar", "caddr", "cadr", "car", "cdaar",
    "cdadr", "cdar", "cddar", "cdddr", "cddr", "cdr", "cond", "cons-array", "define", "eq?",
    "equal?", "eqv?", "eval", "exec", "exit", "fclose", "fopen", "if", "lambda", "length", "let",
    "let*", "letrec", "list", "load", "max", "min", "member", "memq", "memv", "nil", "not", "null?",
    "number?", "number->string", "or", "pair?", "quit", "quote", "set!", "set-car!", "set-cdr!",
    "string->number", "string-length", "string?", "string-append", "substring", "symbol?", "read",
    "reverse",
};

// SIOD mathematical functions.
inline constexpr std::string_view kSiodMathFunctions[] = {
    "acos", "asin", "atan", "cos", "exp", "log", "sin", "tan", "sqrt",
};

// SIOD library functions; entries with characters that never form a word cannot match.
inline constexpr std::string_view kSiodLibraryFunctions[] = {
    "%%%memref", "%%closure", "%%closure-code", "%%closure-env", "%%stack-limit", "*after-gc*",
    "*args*", "*catch", "*env*", "*eval-history-ptr*", "*pi*", "*plists*", "*throw", "*traced*",
    "F_GETLK", "F_SETLK", "F_SETLKW", "access-problem?", "allocate-heap", "apropos", "aref",
    "array->hexstr", "aset", "ash", "atan2", "benchmark-eval", "benchmark-funcall1",
    "benchmark-funcall2", "bit-and", "bit-not", "bit-or", "bit-xor", "butlast", "bytes-append",
    "chdir", "chmod", "chown", "closedir", "copy-list", "cpu-usage-limits", "crypt",
    "current-resource-usage", "datlength", "datref", "decode-file-mode", "delete-file", "delq",
    "encode-file-mode", "encode-open-flags", "endpwent", "env-lookup", "eof-val", "errobj", "error",
    "fast-load", "fast-print", "fast-read", "fast-save", "fchmod", "fflush", "file-times", "first",
    "fmod", "fnmatch", "fork", "fread", "fseek", "fstat", "ftell", "fwrite", "gc", "gc-info",
    "gc-status", "get", "getc", "getcwd", "getenv", "getgid", "getgrgid", "getpass", "getpgrp",
    "getpid", "getppid", "getpwent", "getpwnam", "getpwuid", "gets", "getuid", "gmtime",
    "hexstr->bytes", "href", "hset", "html-encode", "intern", "kill", "larg-default", "last",
    "last-c-error", "lchown", "link", "lkey-default", "load-so", "localtime", "lref-default",
    "lstat", "make-list", "mapcar", "md5-final", "md5-init", "md5-update", "mkdatref", "mkdir",
    "mktime", "nconc", "nice", "nreverse", "nth", "opendir", "os-classification", "parse-number",
    "pclose", "popen", "pow", "prin1", "print", "print-to-string", "prog1", "putc", "putenv",
    "putprop", "puts", "qsort", "rand", "random", "read-from-string", "readdir", "readline",
    "readlink", "realtime", "rename", "require", "require-so", "rest", "rld-pathnames", "rmdir",
    "runtime", "save-forms", "sdatref", "set-eval-history", "set-symbol-value!", "setprop",
    "setpwent", "setuid", "siod-lib", "sleep", "so-ext", "srand", "srandom", "stat", "strbreakup",
    "strcat", "strcmp", "strcpy", "strcspn", "strftime", "string-dimension", "string-downcase",
    "string-lessp", "string-search", "string-trim", "string-trim-left", "string-trim-right",
    "string-upcase", "strptime", "strspn", "subset", "substring-equal?", "swrite", "sxhash",
    "symbol-bound?", "symbol-value", "symbolconc", "symlink", "system", "t", "the-environment",
    "trace", "trunc", "typeof", "unbreakupstr", "ungetc", "unix-ctime", "unix-time",
    "unix-time->strtime", "unlink", "untrace", "url-decode", "url-encode", "utime", "verbose",
    "wait", "while", "writes",
};
