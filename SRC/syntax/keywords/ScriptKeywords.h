// Keyword tables of the script-language parsers (TeX has a file of its own).
#pragma once

#include <string_view>

// Perl keywords, operators and built-in functions.
inline constexpr std::string_view kPerlKeywords[] = {
    "q", "qq", "qw", "qx", "m", "s", "y", "tr", "if", "sub", "return", "while", "for", "elsif",
    "foreach", "else", "unless", "eq", "not", "and", "or", "ne", "until", "abs", "accept", "alarm",
    "atan2", "bind", "binmode", "bless", "caller", "chdir", "chmod", "chomp", "chop", "chown",
    "chr", "chroot", "close", "closedir", "connect", "cos", "crypt", "dbmclose", "dbmopen",
    "defined", "delete", "die", "do", "dump", "each", "eof", "eval", "exec", "eisvts", "exit",
    "exp", "fcntl", "fileno", "flock", "fork", "formline", "getc", "getlogin", "getpeername",
    "getpgrp", "getppid", "getpriority", "getpwnam", "getgrname", "gethostbyname", "getnetbyname",
    "getprotobyname", "getpwuid", "getgrgid", "getservbyname", "gethostbyaddr", "getnetbyaddr",
    "getprotobynumber", "getservbyport", "getpwent", "getgrent", "gethostent", "getnetent",
    "getprotoent", "getservent", "setpwent", "setgrent", "sethostent", "setnetent", "setprotoent",
    "setservent", "endpwent", "endgrent", "endhostent", "endnetent", "endprotoent", "endservent",
    "getsockname", "getsockopt", "glob", "gmtime", "goto", "grep", "hex", "import", "index", "int",
    "ioctl", "join", "keys", "kill", "last", "lc", "lcfirst", "length", "link", "listen", "local",
    "localtime", "log", "lstat", "map", "mkdir", "msgctl", "msgget", "msgsnd", "msgrcv", "my",
    "next", "no", "oct", "open", "opendir", "ord", "pack", "pipe", "pop", "pos", "print", "printf",
    "push", "quotemeta", "rand", "read", "readdir", "readlink", "recv", "redo", "ref", "rename",
    "require", "reset", "return", "reverse", "rewinddir", "rindex", "rmdir", "scalar", "seek",
    "seekdir", "select", "semctl", "semget", "semop", "send", "setpgrp", "setpriority",
    "setsockopt", "shift", "shmctl", "sgmget", "shmread", "shmwrite", "shutdown", "sin", "sleep",
    "socket", "socketpair", "sort", "splice", "split", "sprintf", "sqrt", "srand", "stat", "study",
    "substr", "symlink", "syscall", "sysread", "system", "syswrite", "tell", "telldir", "tie",
    "time", "times", "truncate", "uc", "ucfirst", "umask", "undef", "unlink", "unpack", "untie",
    "unshift", "use", "utime", "values", "vec", "wait", "waitpid", "wantarray", "warn", "write",
    "x", "continue", "package", "bootstrap", "getgrnam", "tan",
};

// TCL keywords.
inline constexpr std::string_view kTclKeywords[] = {
    "case", "do", "done", "elif", "else", "esac", "fi", "for", "function", "if", "in", "then",
    "until", "while",
};

// Shell keywords and built-in commands.
inline constexpr std::string_view kShellKeywords[] = {
    "case", "do", "done", "elif", "else", "esac", "fi", "for", "function", "if", "in", "then",
    "until", "while", "exec", "export", "set", "echo", "exit", "select", "source", "unset", "alias",
    "unalias", "shift", "break", "read", "return",
};

// Common shell programs.
inline constexpr std::string_view kShellCommands[] = {
    "ls", "pwd", "chown", "chmod", "logout", "ssh", "telnet", "who",
};

// Python keywords.
inline constexpr std::string_view kPythonKeywords[] = {
    "access", "and", "break", "class", "continue", "def", "del", "elif", "else", "except", "exec",
    "finally", "for", "from", "global", "if", "import", "in", "is", "lambda", "not", "or", "pass",
    "print", "raise", "return", "try", "while",
};

// Names of the Python sys module and the standard exceptions.
inline constexpr std::string_view kPythonSysNames[] = {
    "argv", "builtin_module_names", "exc_type", "exc_value", "exc_traceback", "exit", "exitfunc",
    "last_type", "last_value", "last_traceback", "modules", "path", "ps1", "ps2", "settrace",
    "setprofile", "stdin", "stdout", "stderr", "tracebacklimit", "AttributeError", "EOFError",
    "IOError", "ImportError", "IndexError", "KeyError", "KeyboardInterrupt", "MemoryError",
    "NameError", "OverflowError", "RuntimeError", "SyntaxError", "SystemError", "SystemExit",
    "TypeError", "ValueError", "ZeroDivisionError",
};

// Python special methods and built-in functions.
inline constexpr std::string_view kPythonSpecialNames[] = {
    "id", "__init__", "__del__", "__repr__", "__str__", "__cmp__", "__hash__", "__dict__",
    "__methods__", "__members__", "__class__", "__bases__", "__add__", "__mul__", "__mod__",
    "__sub__", "__div__", "divmod", "__divmod__", "pow", "__pow__", "__and__", "__xor__", "__or__",
    "__lshift__", "__rshift__", "nonzero", "__nonzero__", "coerce", "__coerce__", "__neg__",
    "__pos__", "abs", "__abs__", "__invert__", "int", "__int__", "float", "__float__", "long",
    "__long__", "float", "__float__", "oct", "__oct__", "hex", "__hex__", "range", "round",
    "xrange", "len", "__len__", "__getitem__",
};

// Fortran keywords and intrinsic procedures.
inline constexpr std::string_view kFortranKeywords[] = {
    "abs", "achar", "acos", "adjustl", "adjustr", "aimag", "aint", "all", "allocatable", "allocate",
    "allocated", ".and.", "anint", "any", "asin", "assignment", "associated", "atan", "atan2",
    "backspace", "bit_size", "block", "blockdata", "btest", "call", "random_number", "random_seed",
    "system_clock", "call", "case", "ceiling", "char", "character", "close", "cmplx", "common",
    "complex", "conjg", "contains", "continue", "cos", "cosh", "count", "cshift", "cycle", "data",
    "date_and_time", "dble", "deallocate", "default", "digits", "dim", "dimension", "do",
    "dot_product", "double", "doubleprecision", "dprod", "else", "elseif", "elsewhere", "end",
    "endblock", "endblockdata", "enddo", "endfile", "endif", "endinterface", "endselect", "endtype",
    "endwhere", "entry", "eoshift", "epsilon", "equivalence", "exit", "exp", "exponent", "external",
    "file", "floor", "format.", "fraction", "function", "go", "goto", "huge", "iachar", "iand",
    "ibclr", "ibits", "ibset", "ichar", "ieor", "if", "implicit", "in", "index", "inout", "inquire",
    "int", "integer", "intent", "interface", "intrinsic", "iolength", "ior", "ishftc", "ishift",
    "kind", "lbound", "len", "len_trim", "lge", "lgt", "lle", "llt", "log", "log10", "logical",
    "matmul", "max", "maxexponent", "maxloc", "maxval", "merge", "min", "minexponent", "minloc",
    "minval", "mod", "module", "modulo", "mvbits", "namelist", "nearest", "nint", "none", ".not.",
    "nullify", "only", "open", "operator", "optional", ".or.", "out", "pack", "parameter",
    "pointer", "precision", "present", "print", "private", "procedure", "product", "program",
    "public", "radix", "rangereal", "read", "real", "recursive", "repeat", "reshape", "result",
    "return", "rewrind", "rrspacing", "save", "scale", "scan", "select", "selectcase",
    "selected_int_kind", "selected_real_kind", "sequence", "set_exponent", "shape", "sign", "sin",
    "sinh", "size", "spacing", "spread", "sqrt", "stop", "subroutine", "sum", "tan", "tanh",
    "target", "then", "tiny", "to", "transfer", "transpose", "trim", "type", "unbound", "unpack",
    "use", "verify", "where", "while", "write",
};

// Batch commands of the command interpreter.
inline constexpr std::string_view kBatchCommands[] = {
    "?", "CALL", "CD", "CDD", "CHCP", "CLS", "COLOR", "COPY", "CTTY", "DATE", "DEL", "DELAY",
    "DESCRIBE", "DIR", "DIRHISTORY", "DIRS", "DO", "DRAWBOX", "DRAWHLINE", "DRAWVLINE", "ECHO",
    "ECHOERR", "ECHOS", "ECHOSERR", "ENDLOCAL", "ERASE", "ESET", "EXCEPT", "EXIT", "FFIND", "FOR",
    "FREE", "GLOBAL", "GOSUB", "GOTO", "HELP", "HISTORY", "IF", "IFF", "INKEY", "INPUT", "KEYBD",
    "KEYSTACK", "LH", "LOADHIGH", "LIST", "LOADBTM", "LOCK", "LOG", "MD", "MKDIR", "MEMORY", "MOVE",
    "ON", "OPTION", "PATH", "PAUSE", "POPD", "PROMPT", "PUSHD", "QUIT", "RD", "REBOOT", "REM",
    "REN", "RENAME", "RETURN", "SCREEN", "SCRPUT", "SELECT", "SET", "SETDOS", "SETLOCAL", "SHIFT",
    "START", "SWAPPING", "SWITCH", "TEE", "TEXT", "TIME", "TIMER", "TOUCH", "TREE", "TRUENAME",
    "TYPE", "UNALIAS", "UNLOCK", "UNSET", "VER", "VERIFY", "VOL", "VSCRPUT", "Y",
};

// External programs that batch files call; each also matches with ".COM" or ".EXE" appended.
inline constexpr std::string_view kBatchPrograms[] = {
    "APPEND", "ATTRIB", "BUSETUP", "CHKDSK", "CHOICE", "COMMAND", "DEBUG", "DEFRAG", "DELOLDOS",
    "DELTREE", "DISKCOMP", "DISKCOPY", "DOSKEY", "DRVSPACE", "EDIT", "EMM386", "EXPAND", "FASTHELP",
    "FASTOPEN", "FC", "FDISK", "FIND", "FORMAT", "GRAPHICS", "HELP", "INTERLNK", "INTERSVR", "KEYB",
    "LABEL", "LOADFIX", "MEM", "MEMMAKER", "MODE", "MORE", "MOUSE", "MOVE", "MSAV", "MSBACKUP",
    "MSCDEX", "MSD", "MWAV", "MWAVTSR", "MWBACKUP", "MWUNDEL", "NLSFUNC", "POWER", "PRINT",
    "QBASIC", "REPLACE", "RESTORE", "SCANDISK", "SETUP", "SETVER", "SHARE", "SIZER", "SMARTDRV",
    "SMARTMON", "SORT", "SUBST", "SYS", "TREE", "UNDELETE", "UNFORMAT", "UNINSTAL", "VSAFE",
    "XCOPY",
};

// Visual Basic keywords and functions; also the script words of ASP pages.
inline constexpr std::string_view kVisualBasicKeywords[] = {
    "If", "Function", "Else", "End", "For", "Next", "While", "Wend", "SMDoMenu", "GetAttrType",
    "GetAttrName", "GetAttrValString", "GetAttrValFloat", "GetAttrValInt", "GetAttrValBool",
    "GetAttrValEnumInt", "GetAttrValEnumString", "GetClassId", "GetGeoType", "SetAttrValString",
    "SetAttrValInt", "SetAttrValFloat", "SetAttrValBool", "SetAttrValEnumString",
    "SetAttrValEnumInt", "CreateVerifyItem", "VerifyCardinalities", "As", "Abs", "AppActivate",
    "Asc", "Atn", "Beep", "Call", "CDbl", "ChDir", "ChDrive", "CheckBox", "Chr", "CInt", "CLng",
    "Close", "Const", "Cos", "CreateObject", "CSng", "CStr", "CVar", "CurDir", "Date", "Declare",
    "Dialog", "Dim", "Dir", "DlgEnable", "DlgText", "DlgVisible", "Do", "Double", "Loop", "End",
    "EOF", "Erase", "Exit", "Exp", "FileCopy", "FileLen", "Fix", "For", "To", "Step", "Next",
    "Format", "Function", "GetObject", "Global", "GoSub", "Return", "GoTo", "Hex", "Hour", "If",
    "Then", "Else", "Input", "InputBox", "InStr", "Int", "IsDate", "IsEmpty", "IsNull", "IsNumeric",
    "Kill", "LBound", "LCase", "LCase$", "Left", "Left$", "Len", "Let", "Line", "Input#", "Log",
    "Long", "Mid", "Minute", "MkDir", "Month", "MsgBox", "Name", "Now", "Oct", "On", "Error",
    "Open", "Option", "Base", "Print", "Print", "Rem", "Right", "RmDir", "Rnd", "Second", "Seek",
    "Seek", "Select Case", "SendKeys", "Set", "Shell", "Sin", "Space", "Sqr", "Static", "Stop",
    "Str", "StrComp", "String", "StringFunction", "Sub", "Tan", "Text", "TextBox", "Time",
    "TimeSerial", "TimeValue", "Trim", "LTrim", "RTrim", "Type", "UBound", "UCase", "Val",
    "VarType", "While", "Wend", "With", "Write", "Year",
};

// Pascal keywords.
inline constexpr std::string_view kPascalKeywords[] = {
    "program", "const", "type", "var", "begin", "end", "array", "set", "record", "string", "if",
    "then", "else", "while", "for", "to", "downto", "do", "with", "repeat", "until", "case", "of",
    "goto", "exit", "label", "procedure", "function", "nil", "file", "and", "or", "not", "xor",
    "div", "mod", "unit", "uses", "implementation", "interface", "external", "asm", "inline",
    "object", "constructor", "destructor", "virtual", "far", "assembler", "near", "inherited",
};

// REXX instructions and subkeywords.
inline constexpr std::string_view kRexxKeywords[] = {
    "ADDRESS", "ARG", "CALL", "DO", "DROP", "EXIT", "IF", "INTERPRET", "ITERATE", "LEAVE", "NOP",
    "NUMERIC", "OPTIONS", "PARSE", "PROCEDURE", "PULL", "PUSH", "QUEUE", "RETURN", "SAY", "SELECT",
    "OTHERWISE", "SIGNAL", "TRACE", "END", "WHEN", "ELSE", "WITH", "TO", "BY", "ON", "END", "FOR",
    "OFF", "VAR", "THEN", "HALT", "NAME", "FORM", "FUZZ", "VALUE", "WHILE", "UNTIL", "ERROR",
    "UPPER", "WITH", "EXPOSE", "DIGITS", "FOREVER", "FAILURE", "VERSION", "NOVALUE", "SOURCE",
    "SYNTAX", "NOTREADY", "SCIENTIFIC", "ENGINEERING",
};

// Object-oriented REXX keywords.
inline constexpr std::string_view kRexxObjectKeywords[] = {
    "METHOD", "CLASS", "NULL", "LOOP", "CATCH", "RETURNS", "EXTENDS", "IMPLEMENTS", "CHAR",
    "BOOLEAN",
};

// SQL keywords.
inline constexpr std::string_view kSqlKeywords[] = {
    "select", "where", "insert", "into", "update", "from", "in", "order", "by", "and", "or", "not",
    "union", "distinct", "join", "all", "group",
};

// SQL data types.
inline constexpr std::string_view kSqlTypes[] = {
    "CHAR", "VARCHAR", "INTEGER", "REAL", "DOUBLE", "MEMO", "BYTE", "WORD", "DATE", "TIME",
};
