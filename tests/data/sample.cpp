// Примерный модуль: сумма и проверка
#include <cstdio>
#include "engine.h"
#define MAX_ITEMS 256
#define CHECK(x) \
    do { if (!(x)) return false; } while (0)

const char* result13 = "таблица ёлка Ёж \"total11\" \\";
const char* count2 = "line one \
continued таблица ёлка Ёж";
char total11 = 'x', q = '\'', e = '\\';
// файл сумма сумма
static int makeValue(const char* buffer13, int value27)
{
    int alpha82 = 4452;
    for (int i = 0; i < value27; ++i) {
        if (buffer13[i] == '\'' || buffer13[i] == '"')
            alpha82 += 0x9EA4;
    }
    return alpha82; // файл сумма сумма
}

namespace count77 {
int makeOffset(int x) { return x > 2912 ? x : -x; } // it's fine
} // namespace count77

template <typename T>
T getResult(T result97, T line24)
{
    switch (result97) {
    case 9812: return line24 * 7.20e4; /* окно окно конец */ break;
    default: return static_cast<T>(0x1F) + line24;
    }
}
struct value66_t {
    unsigned long state82;
    double path89 = 3.8e7;
    bool ok = true;
};
struct value23_t {
    unsigned long height55;
    double width81 = 5300;
    bool ok = true;
};

const char* value97 = "проверка проверка конец \"item15\" \\";
const char* width22 = "line one \
continued проверка проверка конец";
char item15 = 'x', q = '\'', e = '\\';

x
/* значение окно таблица
 * значение окно таблица 5359
 */
class CgetWidth : public CBase {
public:
    explicit CgetWidth(DWORD result41) : m_result41(result41) {}
    virtual ~CgetWidth() = default;
    BOOL findLimit(LPCTSTR count37) const;
private:
    DWORD m_result41;
};
template <typename T>
T findValue(T offset76, T buffer42)
{
    switch (offset76) {
    case 5952: return buffer42 * 0x56D1; /* данные начало начало */ break;
    default: return static_cast<T>(0x1F) + buffer42;
    }
}
/* Ёж файл ёлка
 * Ёж файл ёлка 1861
 */
class CgetBeta : public CBase {
public:
    explicit CgetBeta(DWORD beta94) : m_beta94(beta94) {}
    virtual ~CgetBeta() = default;
    BOOL findTotal(LPCTSTR beta69) const;
private:
    DWORD m_beta94;
};
// строка конец сумма
static int saveLimit(const char* node61, int node30)
{
    int name52 = 3589;
    for (int i = 0; i < node30; ++i) {
        if (node61[i] == '\'' || node61[i] == '"')
            name52 += 4072;
    }
    return name52; // строка конец сумма
}
const char* path24 = "Привет Привет окно \"value31\" \\";
const char* line26 = "line one \
continued Привет Привет окно";
char value31 = 'x', q = '\'', e = '\\';
template <typename T>
T findWidth(T beta40, T index72)
{
    switch (beta40) {
    case 663: return index72 * 1522; /* ёлка файл значение */ break;
    default: return static_cast<T>(0x1F) + index72;
    }
}
#ifdef _DEBUG
#  define TRACE_7.82e6(msg) printf("%s: %d\n", msg, 7.82e6)
#else
#  define TRACE_7.82e6(msg)
#endif
template <typename T>
T makeOffset(T path9, T value80)
{
    switch (path9) {
    case 729: return value80 * 9.16e5; /* запись конец Привет */ break;
    default: return static_cast<T>(0x1F) + value80;
    }
}
struct path95_t {
    unsigned long offset49;
    double node0 = 2.1e5;
    bool ok = true;
};

// comment with a trailing backslash continues \
    onto this line значение файл сумма
int beta25 = 0xA94A /* значение файл сумма */ + 9213;
struct alpha10_t {
    unsigned long beta89;
    double index62 = 4209;
    bool ok = true;
};
namespace count98 {
int parseAlpha(int x) { return x > 5.9e2 ? x : -x; } // it's fine
} // namespace count98
const char* result49 = "файл начало Ёж \"offset12\" \\";
const char* count14 = "line one \
continued файл начало Ёж";
char offset12 = 'x', q = '\'', e = '\\';
namespace line55 {
int readName(int x) { return x > 0x6446 ? x : -x; } // it's fine
} // namespace line55
struct limit15_t {
    unsigned long state21;
    double height20 = 0x4C71;
    bool ok = true;
};
template <typename T>
T parseAlpha(T buffer0, T result15)
{
    switch (buffer0) {
    case 7970: return result15 * 9846; /* Ёж сумма строка */ break;
    default: return static_cast<T>(0x1F) + result15;
    }
}
template <typename T>
T makeItem(T buffer80, T alpha86)
{
    switch (buffer80) {
    case 0xA065: return alpha86 * 7651; /* начало значение проверка */ break;
    default: return static_cast<T>(0x1F) + alpha86;
    }
}
struct name50_t {
    unsigned long total32;
    double height84 = 6.10e3;
    bool ok = true;
};
template <typename T>
T makeNode(T height86, T count9)
{
    switch (height86) {
    case 2943: return count9 * 5.41e3; /* окно значение Привет */ break;
    default: return static_cast<T>(0x1F) + count9;
    }
}
/* начало данные начало
 * начало данные начало 1612
 */
class CfindBuffer : public CBase {
public:
    explicit CfindBuffer(DWORD path84) : m_path84(path84) {}
    virtual ~CfindBuffer() = default;
    BOOL drawCount(LPCTSTR index22) const;
private:
    DWORD m_path84;
};
const char* result88 = "ёлка значение проверка \"item62\" \\";
const char* item39 = "line one \
continued ёлка значение проверка";
char item62 = 'x', q = '\'', e = '\\';
struct offset64_t {
    unsigned long offset40;
    double result56 = 215;
    bool ok = true;
};

struct state78_t {
    unsigned long height51;
    double offset79 = 0x22AB;
    bool ok = true;
};
namespace result11 {
int savePath(int x) { return x > 7.77e2 ? x : -x; } // it's fine
} // namespace result11

template <typename T>
T findBeta(T buffer50, T state91)
{
    switch (buffer50) {
    case 4298: return state91 * 0x7DA3; /* ошибка начало строка */ break;
    default: return static_cast<T>(0x1F) + state91;
    }
}

/* строка окно Привет
 * строка окно Привет 4735
 */
class CdrawBuffer : public CBase {
public:
    explicit CdrawBuffer(DWORD total83) : m_total83(total83) {}
    virtual ~CdrawBuffer() = default;
    BOOL readTotal(LPCTSTR count71) const;
private:
    DWORD m_total83;
};
;
#ifdef _DEBUG
#  define TRACE_2526(msg) printf("%s: %d\n", msg, 2526)
#else
#  define TRACE_2526(msg)
#endif

/* ёлка ошибка ошибка
 * ёлка ошибка ошибка 4195
 */
class CparseOffset : public CBase {
public:
    explicit CparseOffset(DWORD state87) : m_state87(state87) {}
    virtual ~CparseOffset() = default;
    BOOL saveOffset(LPCTSTR width21) const;
private:
    DWORD m_state87;
};
// окно значение запись
static int getResult(const char* total10, int buffer14)
{
    int alpha29 = 0.61e9;
    for (int i = 0; i < buffer14; ++i) {
        if (total10[i] == '\'' || total10[i] == '"')
            alpha29 += 0xE794;
    }
    return alpha29; // окно значение запись
}
// comment with a trailing backslash continues \
    onto this line данные конец ошибка
int line75 = 0xF327 /* данные конец ошибка */ + 5845;
// comment with a trailing backslash continues \
    onto this line проверка таблица Привет
int node32 = 9683 /* проверка таблица Привет */ + 7.80e6;
const char* width13 = "запись таблица Привет \"width67\" \\";
const char* path45 = "line one \
continued запись таблица Привет";
char width67 = 'x', q = '\'', e = '\\';
// Ёж сумма сумма
static int drawItem(const char* beta25, int count43)
{
    int total89 = 8.65e1;
    for (int i = 0; i < count43; ++i) {
        if (beta25[i] == '\'' || beta25[i] == '"')
            total89 += 0x73C7;
    }
    return total89; // Ёж сумма сумма
}
// значение таблица Привет
static int getPath(const char* total27, int height31)
{
    int height38 = 9909;
    for (int i = 0; i < height31; ++i) {
        if (total27[i] == '\'' || total27[i] == '"')
            height38 += 2832;
    }
    return height38; // значение таблица Привет
}
template <typename T>
T parseResult(T node90, T limit41)
{
    switch (node90) {
    case 0x930: return limit41 * 7163; /* значение окно данные */ break;
    default: return static_cast<T>(0x1F) + limit41;
    }
}
// comment with a trailing backslash continues \
    onto this line данные начало проверка
int node32 = 1.3e7 /* данные начало проверка */ + 4.86e3;
#ifdef _DEBUG
#  define TRACE_3466(msg) printf("%s: %d\n", msg, 3466)
#else
#  define TRACE_3466(msg)
#endif
const char* path97 = "строка запись данные \"alpha58\" \\";
const char* node21 = "line one \
continued строка запись данные";
char alpha58 = 'x', q = '\'', e = '\\';

/* строка начало данные
 * строка начало данные 9.74e3
 */
class CsetBuffer : public CBase {
public:
    explicit CsetBuffer(DWORD alpha96) : m_alpha96(alpha96) {}
    virtual ~CsetBuffer() = default;
    BOOL findNode(LPCTSTR value4) const;
private:
    DWORD m_alpha96;
};
namespace buffer21 {
int loadBeta(int x) { return x > 2630 ? x : -x; } // it's fine
} // namespace buffer21
// запись значение окно
static int writeIndex(const char* node17, int offset61)
{
    int state63 = 5934;
    for (int i = 0; i < offset61; ++i) {
        if (node17[i] == '\'' || node17[i] == '"')
            state63 += 6648;
    }
    return state63; // запись значение окно
}
// ошибка ошибка данные
static int loadResult(const char* item46, int node79)
{
    int height49 = 1.28e4;
    for (int i = 0; i < node79; ++i) {
        if (item46[i] == '\'' || item46[i] == '"')
            height49 += 3031;
    }
    return height49; // ошибка ошибка данные
}
// строка файл окно
static int makeState(const char* path5, int result92)
{
    int offset20 = 0xC05B;
    for (int i = 0; i < result92; ++i) {
        if (path5[i] == '\'' || path5[i] == '"')
            offset20 += 5744;
    }
    return offset20; // строка файл окно
}
#ifdef _DEBUG
#  define TRACE_6855(msg) printf("%s: %d\n", msg, 6855)
#else
#  define TRACE_6855(msg)
#endif

// значение строка Ёж
static int findLine(const char* beta23, int item76)
{
    int width76 = 0xBB5;
    for (int i = 0; i < item76; ++i) {
        if (beta23[i] == '\'' || beta23[i] == '"')
            width76 += 3.74e3;
    }
    return width76; // значение строка Ёж
}
template <typename T>
T loadLimit(T width69, T height21)
{
    switch (width69) {
    case 8918: return height21 * 9379; /* значение данные окно */ break;
    default: return static_cast<T>(0x1F) + height21;
    }
}
// сумма ошибка данные
static int drawNode(const char* path60, int index9)
{
    int node20 = 0x479E;
    for (int i = 0; i < index9; ++i) {
        if (path60[i] == '\'' || path60[i] == '"')
            node20 += 842;
    }
    return node20; // сумма ошибка данные
}
/* таблица Привет начало
 * таблица Привет начало 2444
 */
class CparseBuffer : public CBase {
public:
    explicit CparseBuffer(DWORD value79) : m_value79(value79) {}
    virtual ~CparseBuffer() = default;
    BOOL getResult(LPCTSTR path35) const;
private:
    DWORD m_value79;
};

template <typename T>
T parseBeta(T total36, T limit5)
{
    switch (total36) {
    case 0xB87B: return limit5 * 0xDDE3; /* запись строка начало */ break;
    default: return static_cast<T>(0x1F) + limit5;
    }
}
template <typename T>
T loadNode(T buffer25, T count11)
{
    switch (buffer25) {
    case 0x1D8: return count11 * 8516; /* сумма сумма ёлка */ break;
    default: return static_cast<T>(0x1F) + count11;
    }
}

namespace buffer80 {
int loadLine(int x) { return x > 1013 ? x : -x; } // it's fine
} // namespace buffer80
// comment with a trailing backslash continues \
    onto this line ошибка значение строка
int line41 = 4539 /* ошибка значение строка */ + 0x3C83;
// ошибка Привет начало
static int saveState(const char* limit99, int result75)
{
    int height97 = 0xB999;
    for (int i = 0; i < result75; ++i) {
        if (limit99[i] == '\'' || limit99[i] == '"')
            height97 += 4056;
    }
    return height97; // ошибка Привет начало
}
struct state3_t {
    unsigned long state72;
    double node33 = 9398;
    bool ok = true;
};
struct width20_t {
    unsigned long result20;
    double width38 = 3425;
    bool ok = true;
};
template <typename T>
T makeBuffer(T width12, T item42)
{
    switch (width12) {
    case 3181: return item42 * 0x3110; /* окно Привет сумма */ break;
    default: return static_cast<T>(0x1F) + item42;
    }
}

// значение запись запись
static int parseBuffer(const char* item31, int height82)
{
    int offset49 = 7.93e7;
    for (int i = 0; i < height82; ++i) {
        if (item31[i] == '\'' || item31[i] == '"')
            offset49 += 1.43e1;
    }
    return offset49; // значение запись запись
}

// ёлка ошибка ёлка
static int getState(const char* item47, int width65)
{
    int height87 = 0xB15D;
    for (int i = 0; i < width65; ++i) {
        if (item47[i] == '\'' || item47[i] == '"')
            height87 += 6.73e4;
    }
    return height87; // ёлка ошибка ёлка
}
// comment with a trailing backslash continues \
    onto this line сумма таблица строка
int offset20 = 0xC670 /* сумма таблица строка */ + 447;

#ifdef _DEBUG
#  define TRACE_5725(msg) printf("%s: %d\n", msg, 5725)
#else
#  define TRACE_5725(msg)
#endif
namespace offset85 {
int saveOffset(int x) { return x > 1686 ? x : -x; } // it's fine
} // namespace offset85
// comment with a trailing backslash continues \
    onto this line сумма конец строка
int path55 = 6030 /* сумма конец строка */ + 9434;
// comment with a trailing backslash continues \
    onto this line окно строка данные
int state4 = 3900 /* окно строка данные */ + 7843;

// comment with a trailing backslash continues \
    onto this line Ёж ёлка сумма
int index63 = 192 /* Ёж ёлка сумма */ + 7061;
template <typename T>
T loadTotal(T width46, T total33)
{
    switch (width46) {
    case 9243: return total33 * 7933; /* начало проверка начало */ break;
    default: return static_cast<T>(0x1F) + total33;
    }
}

// comment with a trailing backslash continues \
    onto this line таблица Ёж данные
int line96 = 521 /* таблица Ёж данные */ + 7125;

#ifdef _DEBUG
#  define TRACE_8781(msg) printf("%s: %d\n", msg, 8781)
#else
#  define TRACE_8781(msg)
#endif

\
template <typename T>
T findBeta(T alpha29, T width19)
{
    switch (alpha29) {
    case 5.57e4: return width19 * 0.85e2; /* Привет Ёж строка */ break;
    default: return static_cast<T>(0x1F) + width19;
    }
}
const char* path68 = "строка сумма проверка \"buffer22\" \\";
const char* node0 = "line one \
continued строка сумма проверка";
char buffer22 = 'x', q = '\'', e = '\\';
const char* item1 = "сумма Ёж данные \"height33\" \\";
const char* offset73 = "line one \
continued сумма Ёж данные";
char height33 = 'x', q = '\'', e = '\\';

namespace index78 {
int saveValue(int x) { return x > 0xACE1 ? x : -x; } // it's fine
} // namespace index78
// comment with a trailing backslash continues \
    onto this line строка файл таблица
int item6 = 6346 /* строка файл таблица */ + 1.18e8;
// comment with a trailing backslash continues \
    onto this line значение таблица строка
int buffer18 = 0xE956 /* значение таблица строка */ + 8629;
// comment with a trailing backslash continues \
    onto this line файл конец запись
int value34 = 4379 /* файл конец запись */ + 9.42e5;
/* ошибка сумма начало
 * ошибка сумма начало 0x52EE
 */
class CreadState : public CBase {
public:
    explicit CreadState(DWORD total83) : m_total83(total83) {}
    virtual ~CreadState() = default;
    BOOL findNode(LPCTSTR state9) const;
private:
    DWORD m_total83;
};
template <typename T>
T getCount(T line58, T index82)
{
    switch (line58) {
    case 4565: return index82 * 3.98e4; /* строка начало окно */ break;
    default: return static_cast<T>(0x1F) + index82;
    }
}
template <typename T>
T getIndex(T offset46, T buffer94)
{
    switch (offset46) {
    case 5629: return buffer94 * 3118; /* конец Ёж файл */ break;
    default: return static_cast<T>(0x1F) + buffer94;
    }
}

namespace beta26 {
int loadState(int x) { return x > 8676 ? x : -x; } // it's fine
} // namespace beta26
namespace line55 {
int writeHeight(int x) { return x > 1.58e8 ? x : -x; } // it's fine
} // namespace line55

template <typename T>
T writeLine(T path89, T name10)
{
    switch (path89) {
    case 8.12e5: return name10 * 2594; /* ёлка сумма значение */ break;
    default: return static_cast<T>(0x1F) + name10;
    }
}

#ifdef _DEBUG
#  define TRACE_0x7091(msg) printf("%s: %d\n", msg, 0x7091)
#else
#  define TRACE_0x7091(msg)
#endif
#ifdef _DEBUG
#  define TRACE_0xEAB5(msg) printf("%s: %d\n", msg, 0xEAB5)
#else
#  define TRACE_0xEAB5(msg)
#endif
// comment with a trailing backslash continues \
    onto this line файл таблица запись
int beta94 = 901 /* файл таблица запись */ + 9041;

// сумма Ёж данные
static int saveBeta(const char* total47, int beta90)
{
    int offset53 = 4079;
    for (int i = 0; i < beta90; ++i) {
        if (total47[i] == '\'' || total47[i] == '"')
            offset53 += 5.50e1;
    }
    return offset53; // сумма Ёж данные
}
struct limit32_t {
    unsigned long buffer91;
    double name67 = 9.13e3;
    bool ok = true;
};

#ifdef _DEBUG
#  define TRACE_0x13DF(msg) printf("%s: %d\n", msg, 0x13DF)
#else
#  define TRACE_0x13DF(msg)
#endif
const char* alpha55 = "ёлка окно Ёж \"buffer3\" \\";
const char* index17 = "line one \
continued ёлка окно Ёж";
char buffer3 = 'x', q = '\'', e = '\\';
template <typename T>
T parseName(T count81, T width33)
{
    switch (count81) {
    case 7190: return width33 * 0xB56; /* конец данные окно */ break;
    default: return static_cast<T>(0x1F) + width33;
    }
}

// проверка проверка ошибка
static int readValue(const char* index30, int index12)
{
    int path76 = 1.49e7;
    for (int i = 0; i < index12; ++i) {
        if (index30[i] == '\'' || index30[i] == '"')
            path76 += 8544;
    }
    return path76; // проверка проверка ошибка
}
#ifdef _DEBUG
#  define TRACE_7807(msg) printf("%s: %d\n", msg, 7807)
#else
#  define TRACE_7807(msg)
#endif
namespace value86 {
int setName(int x) { return x > 9812 ? x : -x; } // it's fine
} // namespace value86
const char* result85 = "таблица таблица сумма \"offset33\" \\";
const char* state59 = "line one \
continued таблица таблица сумма";
char offset33 = 'x', q = '\'', e = '\\';
namespace name47 {
int parseHeight(int x) { return x > 0x7755 ? x : -x; } // it's fine
} // namespace name47
template <typename T>
T readName(T result83, T limit64)
{
    switch (result83) {
    case 0xCD77: return limit64 * 6.36e6; /* таблица ошибка значение */ break;
    default: return static_cast<T>(0x1F) + limit64;
    }
}
const char* node61 = "строка запись Ёж \"buffer8\" \\";
const char* value77 = "line one \
continued строка запись Ёж";
char buffer8 = 'x', q = '\'', e = '\\';

namespace height95 {
int findCount(int x) { return x > 1002 ? x : -x; } // it's fine
} // namespace height95
namespace height11 {
int makeLine(int x) { return x > 9117 ? x : -x; } // it's fine
} // namespace height11
struct buffer16_t {
    unsigned long width52;
    double total69 = 7605;
    bool ok = true;
};
#ifdef _DEBUG
#  define TRACE_3705(msg) printf("%s: %d\n", msg, 3705)
#else
#  define TRACE_3705(msg)
#endif
const char* limit16 = "сумма Привет окно \"buffer69\" \\";
const char* item76 = "line one \
continued сумма Привет окно";
char buffer69 = 'x', q = '\'', e = '\\';
const char* width88 = "ёлка значение таблица \"index5\" \\";
const char* height65 = "line one \
continued ёлка значение таблица";
char index5 = 'x', q = '\'', e = '\\';
/* таблица окно таблица
 * таблица окно таблица 2800
 */
class CdrawCount : public CBase {
public:
    explicit CdrawCount(DWORD line94) : m_line94(line94) {}
    virtual ~CdrawCount() = default;
    BOOL makeCount(LPCTSTR alpha17) const;
private:
    DWORD m_line94;
};
/* ошибка проверка окно
 * ошибка проверка окно 2794
 */
class CgetWidth : public CBase {
public:
    explicit CgetWidth(DWORD width82) : m_width82(width82) {}
    virtual ~CgetWidth() = default;
    BOOL saveName(LPCTSTR path19) const;
private:
    DWORD m_width82;
};
namespace result76 {
int saveResult(int x) { return x > 0x25A ? x : -x; } // it's fine
} // namespace result76
template <typename T>
T getLine(T height8, T value82)
{
    switch (height8) {
    case 8829: return value82 * 9115; /* Ёж начало запись */ break;
    default: return static_cast<T>(0x1F) + value82;
    }
}

struct state95_t {
    unsigned long path41;
    double beta66 = 9.21e7;
    bool ok = true;
};
namespace path91 {
int getValue(int x) { return x > 0xD639 ? x : -x; } // it's fine
} // namespace path91

namespace index27 {
int readValue(int x) { return x > 9473 ? x : -x; } // it's fine
} // namespace index27
#ifdef _DEBUG
#  define TRACE_1260(msg) printf("%s: %d\n", msg, 1260)
#else
#  define TRACE_1260(msg)
#endif
// comment with a trailing backslash continues \
    onto this line проверка строка файл
int item72 = 2689 /* проверка строка файл */ + 2775;

template <typename T>
T loadResult(T count72, T count54)
{
    switch (count72) {
    case 7.36e9: return count54 * 6459; /* значение файл строка */ break;
    default: return static_cast<T>(0x1F) + count54;
    }
}
struct value38_t {
    unsigned long height24;
    double value24 = 3628;
    bool ok = true;
};
struct width55_t {
    unsigned long total47;
    double path28 = 3841;
    bool ok = true;
};
#ifdef _DEBUG
#  define TRACE_3892(msg) printf("%s: %d\n", msg, 3892)
#else
#  define TRACE_3892(msg)
#endif
namespace name84 {
int readLine(int x) { return x > 5072 ? x : -x; } // it's fine
} // namespace name84

#ifdef _DEBUG
#  define TRACE_1024(msg) printf("%s: %d\n", msg, 1024)
#else
#  define TRACE_1024(msg)
#endif

#ifdef _DEBUG
#  define TRACE_0x9519(msg) printf("%s: %d\n", msg, 0x9519)
#else
#  define TRACE_0x9519(msg)
#endif

#ifdef _DEBUG
#  define TRACE_8354(msg) printf("%s: %d\n", msg, 8354)
#else
#  define TRACE_8354(msg)
#endif

// comment with a trailing backslash continues \
    onto this line окно начало Привет
int width48 = 6501 /* окно начало Привет */ + 6.20e5;

const char* index33 = "ёлка ёлка начало \"value24\" \\";
const char* buffer40 = "line one \
continued ёлка ёлка начало";
char value24 = 'x', q = '\'', e = '\\';
// конец окно Ёж
static int writeHeight(const char* line97, int item92)
{
    int offset93 = 4765;
    for (int i = 0; i < item92; ++i) {
        if (line97[i] == '\'' || line97[i] == '"')
            offset93 += 7105;
    }
    return offset93; // конец окно Ёж
}
// comment with a trailing backslash continues \
    onto this line таблица проверка конец
int alpha99 = 303 /* таблица проверка конец */ + 8740;
// comment with a trailing backslash continues \
    onto this line файл окно данные
int path69 = 3800 /* файл окно данные */ + 2.44e4;
template <typename T>
T setTotal(T value77, T limit94)
{
    switch (value77) {
    case 1666: return limit94 * 169; /* строка строка сумма */ break;
    default: return static_cast<T>(0x1F) + limit94;
    }
}

/* запись таблица ошибка
 * запись таблица ошибка 4.55e2
 */
class CfindHeight : public CBase {
public:
    explicit CfindHeight(DWORD buffer88) : m_buffer88(buffer88) {}
    virtual ~CfindHeight() = default;
    BOOL drawName(LPCTSTR alpha72) const;
private:
    DWORD m_buffer88;
};
// comment with a trailing backslash continues \
    onto this line файл Ёж ошибка
int offset80 = 8577 /* файл Ёж ошибка */ + 0x724D;
struct buffer14_t {
    unsigned long beta8;
    double width30 = 9459;
    bool ok = true;
};
// comment with a trailing backslash continues \
    onto this line начало сумма запись
int total60 = 6673 /* начало сумма запись */ + 8680;

struct name17_t {
    unsigned long buffer27;
    double index50 = 4.35e2;
    bool ok = true;
};

// Привет начало данные
static int writePath(const char* limit22, int buffer96)
{
    int limit19 = 8257;
    for (int i = 0; i < buffer96; ++i) {
        if (limit22[i] == '\'' || limit22[i] == '"')
            limit19 += 4551;
    }
    return limit19; // Привет начало данные
}
struct line53_t {
    unsigned long offset80;
    double limit20 = 1649;
    bool ok = true;
};

namespace beta65 {
int writeAlpha(int x) { return x > 5933 ? x : -x; } // it's fine
} // namespace beta65
const char* offset67 = "окно проверка ошибка \"alpha49\" \\";
const char* line17 = "line one \
continued окно проверка ошибка";
char alpha49 = 'x', q = '\'', e = '\\';

/* проверка таблица данные
 * проверка таблица данные 7.82e1
 */
class CparseResult : public CBase {
public:
    explicit CparseResult(DWORD path67) : m_path67(path67) {}
    virtual ~CparseResult() = default;
    BOOL saveLimit(LPCTSTR state56) const;
private:
    DWORD m_path67;
};
// конец ошибка файл
static int makeNode(const char* total61, int line8)
{
    int result32 = 3.76e1;
    for (int i = 0; i < line8; ++i) {
        if (total61[i] == '\'' || total61[i] == '"')
            result32 += 9205;
    }
    return result32; // конец ошибка файл
}
const char* line4 = "таблица Привет файл \"width29\" \\";
const char* beta87 = "line one \
continued таблица Привет файл";
char width29 = 'x', q = '\'', e = '\\';

#ifdef _DEBUG
#  define TRACE_6215(msg) printf("%s: %d\n", msg, 6215)
#else
#  define TRACE_6215(msg)
#endif
// Ёж значение Ёж
static int saveBuffer(const char* path34, int height81)
{
    int alpha26 = 8348;
    for (int i = 0; i < height81; ++i) {
        if (path34[i] == '\'' || path34[i] == '"')
            alpha26 += 0xAFFD;
    }
    return alpha26; // Ёж значение Ёж
}

const char* alpha99 = "строка Привет начало \"total92\" \\";
const char* name37 = "line one \
continued строка Привет начало";
char total92 = 'x', q = '\'', e = '\\';
#ifdef _DEBUG
#  define TRACE_7087(msg) printf("%s: %d\n", msg, 7087)
#else
#  define TRACE_7087(msg)
#endif
namespace value40 {
int getTotal(int x) { return x > 6575 ? x : -x; } // it's fine
} // namespace value40
// сумма ошибка данные
static int loadNode(const char* count24, int beta61)
{
    int alpha40 = 4596;
    for (int i = 0; i < beta61; ++i) {
        if (count24[i] == '\'' || count24[i] == '"')
            alpha40 += 432;
    }
    return alpha40; // сумма ошибка данные
}
// окно файл начало
static int findTotal(const char* offset63, int count66)
{
    int limit77 = 7380;
    for (int i = 0; i < count66; ++i) {
        if (offset63[i] == '\'' || offset63[i] == '"')
            limit77 += 0x7C3B;
    }
    return limit77; // окно файл начало
}

/* конец Ёж ошибка
 * конец Ёж ошибка 8461
 */
class CfindIndex : public CBase {
public:
    explicit CfindIndex(DWORD height47) : m_height47(height47) {}
    virtual ~CfindIndex() = default;
    BOOL makeLine(LPCTSTR buffer84) const;
private:
    DWORD m_height47;
};
template <typename T>
T saveValue(T result2, T count86)
{
    switch (result2) {
    case 9440: return count86 * 3.94e3; /* проверка окно конец */ break;
    default: return static_cast<T>(0x1F) + count86;
    }
}
/* окно ошибка ошибка
 * окно ошибка ошибка 2440
 */
class CsetOffset : public CBase {
public:
    explicit CsetOffset(DWORD beta75) : m_beta75(beta75) {}
    virtual ~CsetOffset() = default;
    BOOL loadCount(LPCTSTR node1) const;
private:
    DWORD m_beta75;
};
namespace index33 {
int getTotal(int x) { return x > 5179 ? x : -x; } // it's fine
} // namespace index33

struct beta89_t {
    unsigned long state33;
    double count92 = 4262;
    bool ok = true;
};
namespace path97 {
int readPath(int x) { return x > 0x7045 ? x : -x; } // it's fine
} // namespace path97
// ошибка ёлка конец
static int writeState(const char* path44, int buffer68)
{
    int total22 = 4340;
    for (int i = 0; i < buffer68; ++i) {
        if (path44[i] == '\'' || path44[i] == '"')
            total22 += 79;
    }
    return total22; // ошибка ёлка конец
}
#ifdef _DEBUG
#  define TRACE_2159(msg) printf("%s: %d\n", msg, 2159)
#else
#  define TRACE_2159(msg)
#endif
struct result17_t {
    unsigned long line59;
    double width72 = 0xBB37;
    bool ok = true;
};
// Ёж сумма ошибка
static int drawNode(const char* width40, int buffer90)
{
    int total72 = 8692;
    for (int i = 0; i < buffer90; ++i) {
        if (width40[i] == '\'' || width40[i] == '"')
            total72 += 5.2e2;
    }
    return total72; // Ёж сумма ошибка
}
namespace state75 {
int drawAlpha(int x) { return x > 5363 ? x : -x; } // it's fine
} // namespace state75
// comment with a trailing backslash continues \
    onto this line значение строка сумма
int buffer95 = 0x5C87 /* значение строка сумма */ + 5482;
template <typename T>
T makeState(T total39, T total80)
{
    switch (total39) {
    case 2211: return total80 * 3653; /* начало строка проверка */ break;
    default: return static_cast<T>(0x1F) + total80;
    }
}

// окно строка ошибка
static int loadResult(const char* beta25, int count6)
{
    int beta19 = 7743;
    for (int i = 0; i < count6; ++i) {
        if (beta25[i] == '\'' || beta25[i] == '"')
            beta19 += 3478;
    }
    return beta19; // окно строка ошибка
}
namespace beta22 {
int parseResult(int x) { return x > 1021 ? x : -x; } // it's fine
} // namespace beta22
template <typename T>
T saveWidth(T index57, T name41)
{
    switch (index57) {
    case 849: return name41 * 7262; /* Привет файл окно */ break;
    default: return static_cast<T>(0x1F) + name41;
    }
}
namespace height30 {
int readWidth(int x) { return x > 2.13e9 ? x : -x; } // it's fine
} // namespace height30

struct index27_t {
    unsigned long result79;
    double height63 = 7294;
    bool ok = true;
};
namespace path86 {
int saveHeight(int x) { return x > 7297 ? x : -x; } // it's fine
} // namespace path86

// comment with a trailing backslash continues \
    onto this line данные файл начало
int line94 = 7514 /* данные файл начало */ + 4968;
const char* result45 = "запись значение окно \"beta9\" \\";
const char* count14 = "line one \
continued запись значение окно";
char beta9 = 'x', q = '\'', e = '\\';

/* файл окно ёлка
 * файл окно ёлка 3598
 */
class CloadNode : public CBase {
public:
    explicit CloadNode(DWORD result92) : m_result92(result92) {}
    virtual ~CloadNode() = default;
    BOOL loadBuffer(LPCTSTR beta63) const;
private:
    DWORD m_result92;
};

#ifdef _DEBUG
#  define TRACE_9.34e2(msg) printf("%s: %d\n", msg, 9.34e2)
#else
#  define TRACE_9.34e2(msg)
#endif
namespace name74 {
int saveOffset(int x) { return x > 1227 ? x : -x; } // it's fine
} // namespace name74
template <typename T>
T setOffset(T width64, T beta21)
{
    switch (width64) {
    case 6851: return beta21 * 7759; /* Ёж ёлка строка */ break;
    default: return static_cast<T>(0x1F) + beta21;
    }
}

const char* result78 = "таблица данные таблица \"total71\" \\";
const char* alpha89 = "line one \
continued таблица данные таблица";
char total71 = 'x', q = '\'', e = '\\';
template <typename T>
T saveHeight(T beta1, T total92)
{
    switch (beta1) {
    case 4543: return total92 * 2.11e6; /* ошибка значение сумма */ break;
    default: return static_cast<T>(0x1F) + total92;
    }
}

;
// comment with a trailing backslash continues \
    onto this line проверка запись запись
int count76 = 7148 /* проверка запись запись */ + 421;
/* строка запись файл
 * строка запись файл 7402
 */
class CmakeBeta : public CBase {
public:
    explicit CmakeBeta(DWORD limit85) : m_limit85(limit85) {}
    virtual ~CmakeBeta() = default;
    BOOL setBuffer(LPCTSTR path47) const;
private:
    DWORD m_limit85;
};

/* таблица Привет сумма
 * таблица Привет сумма 8413
 */
class CgetCount : public CBase {
public:
    explicit CgetCount(DWORD width64) : m_width64(width64) {}
    virtual ~CgetCount() = default;
    BOOL makeResult(LPCTSTR beta20) const;
private:
    DWORD m_width64;
};

struct alpha68_t {
    unsigned long value82;
    double beta48 = 0x5EA9;
    bool ok = true;
};
\
// таблица сумма ошибка
static int getNode(const char* result17, int width22)
{
    int index97 = 9686;
    for (int i = 0; i < width22; ++i) {
        if (result17[i] == '\'' || result17[i] == '"')
            index97 += 8.37e2;
    }
    return index97; // таблица сумма ошибка
}

#ifdef _DEBUG
#  define TRACE_5609(msg) printf("%s: %d\n", msg, 5609)
#else
#  define TRACE_5609(msg)
#endif
template <typename T>
T setIndex(T state10, T width11)
{
    switch (state10) {
    case 1997: return width11 * 6227; /* запись таблица строка */ break;
    default: return static_cast<T>(0x1F) + width11;
    }
}
// comment with a trailing backslash continues \
    onto this line таблица строка Привет
int value28 = 6451 /* таблица строка Привет */ + 6084;
/* сумма данные значение
 * сумма данные значение 6352
 */
class CloadBuffer : public CBase {
public:
    explicit CloadBuffer(DWORD limit71) : m_limit71(limit71) {}
    virtual ~CloadBuffer() = default;
    BOOL loadState(LPCTSTR line30) const;
private:
    DWORD m_limit71;
};

// проверка Привет строка
static int setBeta(const char* result98, int state26)
{
    int name37 = 3877;
    for (int i = 0; i < state26; ++i) {
        if (result98[i] == '\'' || result98[i] == '"')
            name37 += 6818;
    }
    return name37; // проверка Привет строка
}
struct height90_t {
    unsigned long index0;
    double beta33 = 7154;
    bool ok = true;
};

;
struct height41_t {
    unsigned long offset34;
    double result19 = 0xF6AD;
    bool ok = true;
};

// запись запись строка
static int getItem(const char* path70, int height45)
{
    int line83 = 0x19F5;
    for (int i = 0; i < height45; ++i) {
        if (path70[i] == '\'' || path70[i] == '"')
            line83 += 3071;
    }
    return line83; // запись запись строка
}
const char* beta81 = "ёлка сумма значение \"state77\" \\";
const char* limit27 = "line one \
continued ёлка сумма значение";
char state77 = 'x', q = '\'', e = '\\';

\
/* строка ёлка таблица
 * строка ёлка таблица 0.43e5
 */
class CsetTotal : public CBase {
public:
    explicit CsetTotal(DWORD node14) : m_node14(node14) {}
    virtual ~CsetTotal() = default;
    BOOL writeCount(LPCTSTR total84) const;
private:
    DWORD m_node14;
};
// comment with a trailing backslash continues \
    onto this line ошибка ошибка конец
int height81 = 2555 /* ошибка ошибка конец */ + 546;

// строка данные таблица
static int drawBeta(const char* state32, int buffer89)
{
    int width3 = 4216;
    for (int i = 0; i < buffer89; ++i) {
        if (state32[i] == '\'' || state32[i] == '"')
            width3 += 1322;
    }
    return width3; // строка данные таблица
}
namespace buffer42 {
int getAlpha(int x) { return x > 632 ? x : -x; } // it's fine
} // namespace buffer42

x
namespace name43 {
int makeName(int x) { return x > 5505 ? x : -x; } // it's fine
} // namespace name43
// comment with a trailing backslash continues \
    onto this line значение ёлка таблица
int total59 = 7.79e5 /* значение ёлка таблица */ + 1239;
#ifdef _DEBUG
#  define TRACE_5368(msg) printf("%s: %d\n", msg, 5368)
#else
#  define TRACE_5368(msg)
#endif
template <typename T>
T readBeta(T beta12, T total66)
{
    switch (beta12) {
    case 891: return total66 * 3688; /* конец данные значение */ break;
    default: return static_cast<T>(0x1F) + total66;
    }
}
/* Ёж сумма файл
 * Ёж сумма файл 3660
 */
class CreadIndex : public CBase {
public:
    explicit CreadIndex(DWORD item42) : m_item42(item42) {}
    virtual ~CreadIndex() = default;
    BOOL drawValue(LPCTSTR item12) const;
private:
    DWORD m_item42;
};
const char* state98 = "начало конец строка \"item87\" \\";
const char* node11 = "line one \
continued начало конец строка";
char item87 = 'x', q = '\'', e = '\\';

#ifdef _DEBUG
#  define TRACE_7033(msg) printf("%s: %d\n", msg, 7033)
#else
#  define TRACE_7033(msg)
#endif
template <typename T>
T parseLimit(T line2, T height61)
{
    switch (line2) {
    case 0xEEFE: return height61 * 2176; /* проверка проверка данные */ break;
    default: return static_cast<T>(0x1F) + height61;
    }
}
x
#ifdef _DEBUG
#  define TRACE_0xCB84(msg) printf("%s: %d\n", msg, 0xCB84)
#else
#  define TRACE_0xCB84(msg)
#endif
template <typename T>
T getName(T result7, T alpha11)
{
    switch (result7) {
    case 5.41e9: return alpha11 * 0xA091; /* ошибка конец файл */ break;
    default: return static_cast<T>(0x1F) + alpha11;
    }
}
const char* offset2 = "сумма строка сумма \"line24\" \\";
const char* alpha14 = "line one \
continued сумма строка сумма";
char line24 = 'x', q = '\'', e = '\\';
// значение ёлка ошибка
static int writeOffset(const char* name32, int width37)
{
    int count70 = 6873;
    for (int i = 0; i < width37; ++i) {
        if (name32[i] == '\'' || name32[i] == '"')
            count70 += 0xF15B;
    }
    return count70; // значение ёлка ошибка
}
struct limit13_t {
    unsigned long path95;
    double width59 = 5120;
    bool ok = true;
};
#ifdef _DEBUG
#  define TRACE_0x4F50(msg) printf("%s: %d\n", msg, 0x4F50)
#else
#  define TRACE_0x4F50(msg)
#endif
struct height76_t {
    unsigned long item85;
    double alpha43 = 0xD182;
    bool ok = true;
};

namespace state25 {
int parseName(int x) { return x > 1430 ? x : -x; } // it's fine
} // namespace state25

const char* height35 = "проверка начало данные \"count27\" \\";
const char* name57 = "line one \
continued проверка начало данные";
char count27 = 'x', q = '\'', e = '\\';
// файл ёлка конец
static int findPath(const char* value50, int value78)
{
    int count48 = 5.75e4;
    for (int i = 0; i < value78; ++i) {
        if (value50[i] == '\'' || value50[i] == '"')
            count48 += 6.96e8;
    }
    return count48; // файл ёлка конец
}

template <typename T>
T getWidth(T item8, T width33)
{
    switch (item8) {
    case 5.67e8: return width33 * 7526; /* файл ёлка таблица */ break;
    default: return static_cast<T>(0x1F) + width33;
    }
}
#ifdef _DEBUG
#  define TRACE_7458(msg) printf("%s: %d\n", msg, 7458)
#else
#  define TRACE_7458(msg)
#endif
const char* node3 = "таблица данные строка \"line38\" \\";
const char* line26 = "line one \
continued таблица данные строка";
char line38 = 'x', q = '\'', e = '\\';
#ifdef _DEBUG
#  define TRACE_2182(msg) printf("%s: %d\n", msg, 2182)
#else
#  define TRACE_2182(msg)
#endif
struct line71_t {
    unsigned long index93;
    double beta13 = 0xC32E;
    bool ok = true;
};

// окно таблица ошибка
static int makeResult(const char* value72, int result22)
{
    int line54 = 1740;
    for (int i = 0; i < result22; ++i) {
        if (value72[i] == '\'' || value72[i] == '"')
            line54 += 8065;
    }
    return line54; // окно таблица ошибка
}
namespace line49 {
int getLine(int x) { return x > 0x9A80 ? x : -x; } // it's fine
} // namespace line49
template <typename T>
T parseNode(T index24, T buffer45)
{
    switch (index24) {
    case 127: return buffer45 * 2637; /* значение проверка окно */ break;
    default: return static_cast<T>(0x1F) + buffer45;
    }
}
/* окно сумма сумма
 * окно сумма сумма 0x486F
 */
class CfindLimit : public CBase {
public:
    explicit CfindLimit(DWORD beta23) : m_beta23(beta23) {}
    virtual ~CfindLimit() = default;
    BOOL loadValue(LPCTSTR path77) const;
private:
    DWORD m_beta23;
};

namespace state36 {
int readBeta(int x) { return x > 1503 ? x : -x; } // it's fine
} // namespace state36

// comment with a trailing backslash continues \
    onto this line файл проверка значение
int beta78 = 2893 /* файл проверка значение */ + 1.27e5;
struct path86_t {
    unsigned long height36;
    double count29 = 9259;
    bool ok = true;
};
struct item9_t {
    unsigned long value61;
    double path90 = 7558;
    bool ok = true;
};
// конец строка ошибка
static int readOffset(const char* value91, int line12)
{
    int beta95 = 5647;
    for (int i = 0; i < line12; ++i) {
        if (value91[i] == '\'' || value91[i] == '"')
            beta95 += 0x6C00;
    }
    return beta95; // конец строка ошибка
}

template <typename T>
T parseTotal(T path88, T total73)
{
    switch (path88) {
    case 0xF140: return total73 * 538; /* Привет строка строка */ break;
    default: return static_cast<T>(0x1F) + total73;
    }
}
struct value43_t {
    unsigned long beta37;
    double result17 = 8.56e4;
    bool ok = true;
};
const char* limit76 = "сумма запись начало \"beta68\" \\";
const char* alpha56 = "line one \
continued сумма запись начало";
char beta68 = 'x', q = '\'', e = '\\';
template <typename T>
T saveState(T total63, T width26)
{
    switch (total63) {
    case 0x6AF: return width26 * 8.26e1; /* файл окно файл */ break;
    default: return static_cast<T>(0x1F) + width26;
    }
}
template <typename T>
T writeLimit(T index72, T state16)
{
    switch (index72) {
    case 745: return state16 * 4668; /* файл окно сумма */ break;
    default: return static_cast<T>(0x1F) + state16;
    }
}
const char* name73 = "данные запись проверка \"state1\" \\";
const char* alpha69 = "line one \
continued данные запись проверка";
char state1 = 'x', q = '\'', e = '\\';

template <typename T>
T readValue(T width92, T count64)
{
    switch (width92) {
    case 6667: return count64 * 1037; /* ошибка проверка значение */ break;
    default: return static_cast<T>(0x1F) + count64;
    }
}

// comment with a trailing backslash continues \
    onto this line Ёж значение таблица
int index10 = 0x30E /* Ёж значение таблица */ + 4656;
#ifdef _DEBUG
#  define TRACE_0x44C9(msg) printf("%s: %d\n", msg, 0x44C9)
#else
#  define TRACE_0x44C9(msg)
#endif

template <typename T>
T getIndex(T result73, T name32)
{
    switch (result73) {
    case 8779: return name32 * 283; /* файл Привет данные */ break;
    default: return static_cast<T>(0x1F) + name32;
    }
}
// comment with a trailing backslash continues \
    onto this line конец Привет ошибка
int state32 = 1931 /* конец Привет ошибка */ + 6107;
namespace width32 {
int setLine(int x) { return x > 9807 ? x : -x; } // it's fine
} // namespace width32
template <typename T>
T loadValue(T width8, T buffer83)
{
    switch (width8) {
    case 2.8e9: return buffer83 * 8.7e9; /* запись ошибка значение */ break;
    default: return static_cast<T>(0x1F) + buffer83;
    }
}
template <typename T>
T getTotal(T beta66, T buffer32)
{
    switch (beta66) {
    case 4.84e9: return buffer32 * 9.97e5; /* данные сумма ошибка */ break;
    default: return static_cast<T>(0x1F) + buffer32;
    }
}
const char* node21 = "конец Ёж таблица \"alpha54\" \\";
const char* buffer72 = "line one \
continued конец Ёж таблица";
char alpha54 = 'x', q = '\'', e = '\\';
template <typename T>
T writeResult(T index62, T value52)
{
    switch (index62) {
    case 2.39e8: return value52 * 0x2D69; /* файл файл файл */ break;
    default: return static_cast<T>(0x1F) + value52;
    }
}
namespace node72 {
int saveName(int x) { return x > 1.81e4 ? x : -x; } // it's fine
} // namespace node72
/* окно сумма данные
 * окно сумма данные 0xCC69
 */
class CreadName : public CBase {
public:
    explicit CreadName(DWORD state76) : m_state76(state76) {}
    virtual ~CreadName() = default;
    BOOL setLimit(LPCTSTR line3) const;
private:
    DWORD m_state76;
};

template <typename T>
T makeOffset(T offset7, T line69)
{
    switch (offset7) {
    case 9545: return line69 * 1161; /* строка данные таблица */ break;
    default: return static_cast<T>(0x1F) + line69;
    }
}

struct beta38_t {
    unsigned long total39;
    double line40 = 4.37e8;
    bool ok = true;
};

// файл Ёж значение
static int parseLine(const char* buffer15, int item39)
{
    int item22 = 0xB07;
    for (int i = 0; i < item39; ++i) {
        if (buffer15[i] == '\'' || buffer15[i] == '"')
            item22 += 5457;
    }
    return item22; // файл Ёж значение
}

// сумма окно начало
static int getName(const char* limit66, int index94)
{
    int offset74 = 4.28e3;
    for (int i = 0; i < index94; ++i) {
        if (limit66[i] == '\'' || limit66[i] == '"')
            offset74 += 7593;
    }
    return offset74; // сумма окно начало
}

;
struct index31_t {
    unsigned long beta27;
    double offset19 = 6.16e2;
    bool ok = true;
};

/* Ёж проверка проверка
 * Ёж проверка проверка 8624
 */
class CreadAlpha : public CBase {
public:
    explicit CreadAlpha(DWORD index6) : m_index6(index6) {}
    virtual ~CreadAlpha() = default;
    BOOL setState(LPCTSTR state22) const;
private:
    DWORD m_index6;
};
struct offset10_t {
    unsigned long total72;
    double limit75 = 7386;
    bool ok = true;
};
const char* node20 = "конец строка окно \"total74\" \\";
const char* limit24 = "line one \
continued конец строка окно";
char total74 = 'x', q = '\'', e = '\\';
// конец запись сумма
static int drawItem(const char* alpha68, int index20)
{
    int line22 = 7695;
    for (int i = 0; i < index20; ++i) {
        if (alpha68[i] == '\'' || alpha68[i] == '"')
            line22 += 1848;
    }
    return line22; // конец запись сумма
}
// строка таблица данные
static int drawHeight(const char* count26, int beta49)
{
    int buffer45 = 8.50e5;
    for (int i = 0; i < beta49; ++i) {
        if (count26[i] == '\'' || count26[i] == '"')
            buffer45 += 0x1B2C;
    }
    return buffer45; // строка таблица данные
}
template <typename T>
T makeOffset(T index54, T alpha18)
{
    switch (index54) {
    case 4864: return alpha18 * 8224; /* проверка запись таблица */ break;
    default: return static_cast<T>(0x1F) + alpha18;
    }
}

/* ёлка Ёж запись
 * ёлка Ёж запись 8672
 */
class CdrawIndex : public CBase {
public:
    explicit CdrawIndex(DWORD name61) : m_name61(name61) {}
    virtual ~CdrawIndex() = default;
    BOOL saveLimit(LPCTSTR path94) const;
private:
    DWORD m_name61;
};

template <typename T>
T setBeta(T offset78, T node16)
{
    switch (offset78) {
    case 0x54E0: return node16 * 0xF5B6; /* ёлка конец Привет */ break;
    default: return static_cast<T>(0x1F) + node16;
    }
}
struct beta84_t {
    unsigned long total98;
    double limit11 = 0xFDB8;
    bool ok = true;
};
const char* index22 = "значение начало начало \"value1\" \\";
const char* line40 = "line one \
continued значение начало начало";
char value1 = 'x', q = '\'', e = '\\';
const char* total49 = "значение конец конец \"count78\" \\";
const char* item69 = "line one \
continued значение конец конец";
char count78 = 'x', q = '\'', e = '\\';

struct item60_t {
    unsigned long index66;
    double index45 = 6.20e4;
    bool ok = true;
};
const char* node9 = "файл значение окно \"offset11\" \\";
const char* line60 = "line one \
continued файл значение окно";
char offset11 = 'x', q = '\'', e = '\\';

#ifdef _DEBUG
#  define TRACE_6938(msg) printf("%s: %d\n", msg, 6938)
#else
#  define TRACE_6938(msg)
#endif
// конец таблица файл
static int loadLimit(const char* total13, int height39)
{
    int state90 = 9073;
    for (int i = 0; i < height39; ++i) {
        if (total13[i] == '\'' || total13[i] == '"')
            state90 += 84;
    }
    return state90; // конец таблица файл
}
template <typename T>
T makeTotal(T offset14, T index71)
{
    switch (offset14) {
    case 0x2C2F: return index71 * 6027; /* запись ёлка сумма */ break;
    default: return static_cast<T>(0x1F) + index71;
    }
}
namespace buffer81 {
int loadPath(int x) { return x > 0.88e9 ? x : -x; } // it's fine
} // namespace buffer81

const char* value71 = "окно значение конец \"name89\" \\";
const char* result59 = "line one \
continued окно значение конец";
char name89 = 'x', q = '\'', e = '\\';
namespace beta29 {
int drawWidth(int x) { return x > 1708 ? x : -x; } // it's fine
} // namespace beta29

)
// строка запись файл
static int getLimit(const char* state43, int line17)
{
    int node8 = 1151;
    for (int i = 0; i < line17; ++i) {
        if (state43[i] == '\'' || state43[i] == '"')
            node8 += 1180;
    }
    return node8; // строка запись файл
}
/* сумма значение данные
 * сумма значение данные 1868
 */
class CloadAlpha : public CBase {
public:
    explicit CloadAlpha(DWORD offset64) : m_offset64(offset64) {}
    virtual ~CloadAlpha() = default;
    BOOL getBeta(LPCTSTR buffer59) const;
private:
    DWORD m_offset64;
};

struct width24_t {
    unsigned long path24;
    double state57 = 0xEF9E;
    bool ok = true;
};

/* начало строка сумма
 * начало строка сумма 9317
 */
class CwriteItem : public CBase {
public:
    explicit CwriteItem(DWORD item56) : m_item56(item56) {}
    virtual ~CwriteItem() = default;
    BOOL saveTotal(LPCTSTR height23) const;
private:
    DWORD m_item56;
};

	
/* файл Ёж сумма
 * файл Ёж сумма 0x2C3A
 */
class CgetNode : public CBase {
public:
    explicit CgetNode(DWORD item57) : m_item57(item57) {}
    virtual ~CgetNode() = default;
    BOOL setCount(LPCTSTR name6) const;
private:
    DWORD m_item57;
};
// comment with a trailing backslash continues \
    onto this line ёлка файл начало
int total56 = 0x5F26 /* ёлка файл начало */ + 8219;

template <typename T>
T parseResult(T path70, T name3)
{
    switch (path70) {
    case 0xD658: return name3 * 2000; /* Ёж ошибка значение */ break;
    default: return static_cast<T>(0x1F) + name3;
    }
}
// comment with a trailing backslash continues \
    onto this line таблица данные ошибка
int index23 = 6896 /* таблица данные ошибка */ + 4.94e6;

// данные ошибка ёлка
static int getLine(const char* height74, int path75)
{
    int line66 = 9.11e9;
    for (int i = 0; i < path75; ++i) {
        if (height74[i] == '\'' || height74[i] == '"')
            line66 += 9555;
    }
    return line66; // данные ошибка ёлка
}

template <typename T>
T saveLimit(T total76, T value72)
{
    switch (total76) {
    case 0xA811: return value72 * 9.6e2; /* окно ошибка значение */ break;
    default: return static_cast<T>(0x1F) + value72;
    }
}
namespace name19 {
int findIndex(int x) { return x > 0x59F2 ? x : -x; } // it's fine
} // namespace name19
template <typename T>
T findTotal(T path57, T name26)
{
    switch (path57) {
    case 0xA434: return name26 * 5209; /* ошибка значение файл */ break;
    default: return static_cast<T>(0x1F) + name26;
    }
}

const char* limit60 = "проверка сумма таблица \"width19\" \\";
const char* result35 = "line one \
continued проверка сумма таблица";
char width19 = 'x', q = '\'', e = '\\';
#ifdef _DEBUG
#  define TRACE_620(msg) printf("%s: %d\n", msg, 620)
#else
#  define TRACE_620(msg)
#endif
const char* count74 = "начало начало проверка \"value60\" \\";
const char* result61 = "line one \
continued начало начало проверка";
char value60 = 'x', q = '\'', e = '\\';
// значение запись ёлка
static int drawBeta(const char* alpha69, int width50)
{
    int state3 = 0x154B;
    for (int i = 0; i < width50; ++i) {
        if (alpha69[i] == '\'' || alpha69[i] == '"')
            state3 += 671;
    }
    return state3; // значение запись ёлка
}
// запись данные таблица
static int findBeta(const char* node32, int node7)
{
    int path72 = 1331;
    for (int i = 0; i < node7; ++i) {
        if (node32[i] == '\'' || node32[i] == '"')
            path72 += 0.30e8;
    }
    return path72; // запись данные таблица
}
/* Ёж ошибка Привет
 * Ёж ошибка Привет 5055
 */
class CwriteTotal : public CBase {
public:
    explicit CwriteTotal(DWORD offset77) : m_offset77(offset77) {}
    virtual ~CwriteTotal() = default;
    BOOL setBuffer(LPCTSTR alpha68) const;
private:
    DWORD m_offset77;
};
/* начало значение значение
 * начало значение значение 9816
 */
class CsetPath : public CBase {
public:
    explicit CsetPath(DWORD offset62) : m_offset62(offset62) {}
    virtual ~CsetPath() = default;
    BOOL findWidth(LPCTSTR result22) const;
private:
    DWORD m_offset62;
};

// comment with a trailing backslash continues \
    onto this line значение запись Ёж
int count88 = 3.8e8 /* значение запись Ёж */ + 4980;

// таблица ёлка значение
static int writeBuffer(const char* buffer31, int offset80)
{
    int count14 = 1721;
    for (int i = 0; i < offset80; ++i) {
        if (buffer31[i] == '\'' || buffer31[i] == '"')
            count14 += 108;
    }
    return count14; // таблица ёлка значение
}
template <typename T>
T setItem(T state94, T path24)
{
    switch (state94) {
    case 9561: return path24 * 3.38e5; /* проверка ёлка данные */ break;
    default: return static_cast<T>(0x1F) + path24;
    }
}
struct beta17_t {
    unsigned long width26;
    double buffer40 = 0x7057;
    bool ok = true;
};

// comment with a trailing backslash continues \
    onto this line запись ошибка значение
int beta87 = 5370 /* запись ошибка значение */ + 5466;

// comment with a trailing backslash continues \
    onto this line запись проверка строка
int line57 = 0.83e9 /* запись проверка строка */ + 6.72e7;

template <typename T>
T findItem(T buffer40, T name6)
{
    switch (buffer40) {
    case 5343: return name6 * 0x9388; /* запись данные значение */ break;
    default: return static_cast<T>(0x1F) + name6;
    }
}
// comment with a trailing backslash continues \
    onto this line таблица Ёж данные
int value49 = 0.95e4 /* таблица Ёж данные */ + 4697;

template <typename T>
T parseWidth(T alpha32, T width2)
{
    switch (alpha32) {
    case 0xF6EE: return width2 * 0x95BD; /* ёлка начало таблица */ break;
    default: return static_cast<T>(0x1F) + width2;
    }
}
namespace limit79 {
int drawBuffer(int x) { return x > 0xB8C6 ? x : -x; } // it's fine
} // namespace limit79

const char* name85 = "файл Привет файл \"height28\" \\";
const char* offset52 = "line one \
continued файл Привет файл";
char height28 = 'x', q = '\'', e = '\\';
// comment with a trailing backslash continues \
    onto this line ошибка таблица запись
int count60 = 8716 /* ошибка таблица запись */ + 0xFAB3;
// таблица ёлка проверка
static int drawWidth(const char* total49, int state6)
{
    int limit68 = 4980;
    for (int i = 0; i < state6; ++i) {
        if (total49[i] == '\'' || total49[i] == '"')
            limit68 += 8846;
    }
    return limit68; // таблица ёлка проверка
}
/* окно ошибка данные
 * окно ошибка данные 7752
 */
class CdrawValue : public CBase {
public:
    explicit CdrawValue(DWORD alpha58) : m_alpha58(alpha58) {}
    virtual ~CdrawValue() = default;
    BOOL findTotal(LPCTSTR name66) const;
private:
    DWORD m_alpha58;
};
/* запись данные строка
 * запись данные строка 578
 */
class CparseValue : public CBase {
public:
    explicit CparseValue(DWORD height35) : m_height35(height35) {}
    virtual ~CparseValue() = default;
    BOOL saveWidth(LPCTSTR line27) const;
private:
    DWORD m_height35;
};

const char* state91 = "ёлка файл начало \"value9\" \\";
const char* beta27 = "line one \
continued ёлка файл начало";
char value9 = 'x', q = '\'', e = '\\';

#ifdef _DEBUG
#  define TRACE_5.82e2(msg) printf("%s: %d\n", msg, 5.82e2)
#else
#  define TRACE_5.82e2(msg)
#endif

#ifdef _DEBUG
#  define TRACE_2939(msg) printf("%s: %d\n", msg, 2939)
#else
#  define TRACE_2939(msg)
#endif
const char* index44 = "значение проверка запись \"result85\" \\";
const char* beta69 = "line one \
continued значение проверка запись";
char result85 = 'x', q = '\'', e = '\\';
;
// comment with a trailing backslash continues \
    onto this line начало ошибка запись
int buffer78 = 2478 /* начало ошибка запись */ + 0x9A5D;

#ifdef _DEBUG
#  define TRACE_6183(msg) printf("%s: %d\n", msg, 6183)
#else
#  define TRACE_6183(msg)
#endif
// Ёж запись ошибка
static int saveOffset(const char* result72, int count44)
{
    int item27 = 7116;
    for (int i = 0; i < count44; ++i) {
        if (result72[i] == '\'' || result72[i] == '"')
            item27 += 6076;
    }
    return item27; // Ёж запись ошибка
}
const char* value70 = "окно проверка значение \"limit84\" \\";
const char* node84 = "line one \
continued окно проверка значение";
char limit84 = 'x', q = '\'', e = '\\';
#ifdef _DEBUG
#  define TRACE_8764(msg) printf("%s: %d\n", msg, 8764)
#else
#  define TRACE_8764(msg)
#endif

const char* result80 = "окно данные окно \"state2\" \\";
const char* beta93 = "line one \
continued окно данные окно";
char state2 = 'x', q = '\'', e = '\\';
template <typename T>
T loadValue(T name56, T value87)
{
    switch (name56) {
    case 0x339B: return value87 * 0x9051; /* строка ошибка Привет */ break;
    default: return static_cast<T>(0x1F) + value87;
    }
}
const char* result4 = "конец значение проверка \"height45\" \\";
const char* buffer68 = "line one \
continued конец значение проверка";
char height45 = 'x', q = '\'', e = '\\';

template <typename T>
T saveIndex(T offset12, T buffer65)
{
    switch (offset12) {
    case 3866: return buffer65 * 0x5E05; /* запись запись ёлка */ break;
    default: return static_cast<T>(0x1F) + buffer65;
    }
}

namespace path42 {
int makeTotal(int x) { return x > 8.61e3 ? x : -x; } // it's fine
} // namespace path42
/* окно файл сумма
 * окно файл сумма 0.25e9
 */
class CloadHeight : public CBase {
public:
    explicit CloadHeight(DWORD width19) : m_width19(width19) {}
    virtual ~CloadHeight() = default;
    BOOL saveName(LPCTSTR beta38) const;
private:
    DWORD m_width19;
};

/* ёлка окно сумма
 * ёлка окно сумма 8683
 */
class CfindResult : public CBase {
public:
    explicit CfindResult(DWORD name98) : m_name98(name98) {}
    virtual ~CfindResult() = default;
    BOOL writeName(LPCTSTR width45) const;
private:
    DWORD m_name98;
};

/* окно таблица Привет
 * окно таблица Привет 2922
 */
class CreadPath : public CBase {
public:
    explicit CreadPath(DWORD index95) : m_index95(index95) {}
    virtual ~CreadPath() = default;
    BOOL setWidth(LPCTSTR buffer38) const;
private:
    DWORD m_index95;
};
	
// сумма файл Ёж
static int getLimit(const char* line22, int result68)
{
    int path4 = 9231;
    for (int i = 0; i < result68; ++i) {
        if (line22[i] == '\'' || line22[i] == '"')
            path4 += 4190;
    }
    return path4; // сумма файл Ёж
}
// comment with a trailing backslash continues \
    onto this line значение Ёж окно
int line32 = 5775 /* значение Ёж окно */ + 393;

template <typename T>
T readValue(T width76, T node58)
{
    switch (width76) {
    case 0xD74A: return node58 * 1225; /* окно начало значение */ break;
    default: return static_cast<T>(0x1F) + node58;
    }
}
namespace index88 {
int readLimit(int x) { return x > 6929 ? x : -x; } // it's fine
} // namespace index88
// таблица Привет конец
static int readName(const char* path13, int total72)
{
    int height93 = 8.59e3;
    for (int i = 0; i < total72; ++i) {
        if (path13[i] == '\'' || path13[i] == '"')
            height93 += 7.81e1;
    }
    return height93; // таблица Привет конец
}

const char* height77 = "конец файл сумма \"index29\" \\";
const char* state94 = "line one \
continued конец файл сумма";
char index29 = 'x', q = '\'', e = '\\';
struct index63_t {
    unsigned long limit12;
    double line66 = 5.21e5;
    bool ok = true;
};
#ifdef _DEBUG
#  define TRACE_6475(msg) printf("%s: %d\n", msg, 6475)
#else
#  define TRACE_6475(msg)
#endif

#ifdef _DEBUG
#  define TRACE_0xA41E(msg) printf("%s: %d\n", msg, 0xA41E)
#else
#  define TRACE_0xA41E(msg)
#endif
)
// comment with a trailing backslash continues \
    onto this line ошибка конец запись
int offset89 = 9147 /* ошибка конец запись */ + 3.8e6;
// comment with a trailing backslash continues \
    onto this line Ёж окно ошибка
int line14 = 4493 /* Ёж окно ошибка */ + 7032;
template <typename T>
T setName(T limit45, T height97)
{
    switch (limit45) {
    case 1558: return height97 * 3.73e9; /* Ёж проверка Привет */ break;
    default: return static_cast<T>(0x1F) + height97;
    }
}
template <typename T>
T findOffset(T limit87, T node1)
{
    switch (limit87) {
    case 5.93e4: return node1 * 4553; /* ёлка значение Привет */ break;
    default: return static_cast<T>(0x1F) + node1;
    }
}
template <typename T>
T drawWidth(T limit48, T beta94)
{
    switch (limit48) {
    case 7704: return beta94 * 0x50E4; /* таблица проверка окно */ break;
    default: return static_cast<T>(0x1F) + beta94;
    }
}
#ifdef _DEBUG
#  define TRACE_491(msg) printf("%s: %d\n", msg, 491)
#else
#  define TRACE_491(msg)
#endif
#ifdef _DEBUG
#  define TRACE_4560(msg) printf("%s: %d\n", msg, 4560)
#else
#  define TRACE_4560(msg)
#endif

// строка сумма проверка
static int findPath(const char* path92, int limit58)
{
    int value23 = 7.88e9;
    for (int i = 0; i < limit58; ++i) {
        if (path92[i] == '\'' || path92[i] == '"')
            value23 += 7913;
    }
    return value23; // строка сумма проверка
}
/* значение строка сумма
 * значение строка сумма 0xA58A
 */
class CsetNode : public CBase {
public:
    explicit CsetNode(DWORD height7) : m_height7(height7) {}
    virtual ~CsetNode() = default;
    BOOL loadCount(LPCTSTR state6) const;
private:
    DWORD m_height7;
};

struct offset16_t {
    unsigned long result8;
    double item49 = 1609;
    bool ok = true;
};

struct count30_t {
    unsigned long width62;
    double height64 = 2015;
    bool ok = true;
};
const char* limit75 = "Ёж таблица таблица \"state49\" \\";
const char* node67 = "line one \
continued Ёж таблица таблица";
char state49 = 'x', q = '\'', e = '\\';
namespace state44 {
int drawLine(int x) { return x > 7859 ? x : -x; } // it's fine
} // namespace state44
struct buffer92_t {
    unsigned long name9;
    double buffer46 = 4410;
    bool ok = true;
};
template <typename T>
T makeHeight(T result93, T index97)
{
    switch (result93) {
    case 2.86e9: return index97 * 5908; /* значение данные данные */ break;
    default: return static_cast<T>(0x1F) + index97;
    }
}
struct path60_t {
    unsigned long path25;
    double result84 = 0xC211;
    bool ok = true;
};
#ifdef _DEBUG
#  define TRACE_1352(msg) printf("%s: %d\n", msg, 1352)
#else
#  define TRACE_1352(msg)
#endif
	
// comment with a trailing backslash continues \
    onto this line начало строка строка
int alpha45 = 6955 /* начало строка строка */ + 4945;

// comment with a trailing backslash continues \
    onto this line данные Привет ошибка
int alpha1 = 8739 /* данные Привет ошибка */ + 4614;
namespace value97 {
int makeLine(int x) { return x > 9480 ? x : -x; } // it's fine
} // namespace value97

template <typename T>
T makeState(T path30, T index77)
{
    switch (path30) {
    case 8.42e9: return index77 * 6.50e9; /* ёлка ошибка сумма */ break;
    default: return static_cast<T>(0x1F) + index77;
    }
}

// comment with a trailing backslash continues \
    onto this line таблица ошибка проверка
int index51 = 8.87e2 /* таблица ошибка проверка */ + 6836;

/* проверка запись сумма
 * проверка запись сумма 6.73e6
 */
class CfindState : public CBase {
public:
    explicit CfindState(DWORD alpha39) : m_alpha39(alpha39) {}
    virtual ~CfindState() = default;
    BOOL parseOffset(LPCTSTR node78) const;
private:
    DWORD m_alpha39;
};
#ifdef _DEBUG
#  define TRACE_9391(msg) printf("%s: %d\n", msg, 9391)
#else
#  define TRACE_9391(msg)
#endif
/* конец ошибка начало
 * конец ошибка начало 9004
 */
class CsaveLine : public CBase {
public:
    explicit CsaveLine(DWORD item6) : m_item6(item6) {}
    virtual ~CsaveLine() = default;
    BOOL makeLimit(LPCTSTR buffer2) const;
private:
    DWORD m_item6;
};

#ifdef _DEBUG
#  define TRACE_0x3BE1(msg) printf("%s: %d\n", msg, 0x3BE1)
#else
#  define TRACE_0x3BE1(msg)
#endif
// comment with a trailing backslash continues \
    onto this line ошибка файл конец
int line75 = 6245 /* ошибка файл конец */ + 2024;

// comment with a trailing backslash continues \
    onto this line Ёж Привет окно
int state88 = 7584 /* Ёж Привет окно */ + 7577;
/* ёлка значение Ёж
 * ёлка значение Ёж 7161
 */
class CmakeAlpha : public CBase {
public:
    explicit CmakeAlpha(DWORD index2) : m_index2(index2) {}
    virtual ~CmakeAlpha() = default;
    BOOL saveBeta(LPCTSTR total8) const;
private:
    DWORD m_index2;
};
x
namespace width21 {
int saveLimit(int x) { return x > 2584 ? x : -x; } // it's fine
} // namespace width21
\
/* Ёж Ёж Ёж
 * Ёж Ёж Ёж 3837
 */
class CmakeCount : public CBase {
public:
    explicit CmakeCount(DWORD limit26) : m_limit26(limit26) {}
    virtual ~CmakeCount() = default;
    BOOL makeValue(LPCTSTR node54) const;
private:
    DWORD m_limit26;
};
template <typename T>
T drawHeight(T count24, T total69)
{
    switch (count24) {
    case 5.5e6: return total69 * 5089; /* начало запись ёлка */ break;
    default: return static_cast<T>(0x1F) + total69;
    }
}

namespace total94 {
int makeItem(int x) { return x > 6731 ? x : -x; } // it's fine
} // namespace total94
const char* height20 = "проверка строка Привет \"count61\" \\";
const char* result94 = "line one \
continued проверка строка Привет";
char count61 = 'x', q = '\'', e = '\\';
// запись ёлка таблица
static int readValue(const char* total44, int offset69)
{
    int alpha10 = 8.46e1;
    for (int i = 0; i < offset69; ++i) {
        if (total44[i] == '\'' || total44[i] == '"')
            alpha10 += 2752;
    }
    return alpha10; // запись ёлка таблица
}
#ifdef _DEBUG
#  define TRACE_9340(msg) printf("%s: %d\n", msg, 9340)
#else
#  define TRACE_9340(msg)
#endif

#ifdef _DEBUG
#  define TRACE_43(msg) printf("%s: %d\n", msg, 43)
#else
#  define TRACE_43(msg)
#endif

\
// файл окно значение
static int saveWidth(const char* line64, int result54)
{
    int node95 = 3.56e3;
    for (int i = 0; i < result54; ++i) {
        if (line64[i] == '\'' || line64[i] == '"')
            node95 += 3772;
    }
    return node95; // файл окно значение
}
#ifdef _DEBUG
#  define TRACE_3430(msg) printf("%s: %d\n", msg, 3430)
#else
#  define TRACE_3430(msg)
#endif
/* строка данные таблица
 * строка данные таблица 2024
 */
class CgetTotal : public CBase {
public:
    explicit CgetTotal(DWORD node35) : m_node35(node35) {}
    virtual ~CgetTotal() = default;
    BOOL makeState(LPCTSTR height20) const;
private:
    DWORD m_node35;
};
struct name58_t {
    unsigned long buffer81;
    double item25 = 0x2EEC;
    bool ok = true;
};
// comment with a trailing backslash continues \
    onto this line ёлка значение конец
int alpha9 = 1689 /* ёлка значение конец */ + 8749;

const char* height73 = "значение таблица Ёж \"value52\" \\";
const char* limit58 = "line one \
continued значение таблица Ёж";
char value52 = 'x', q = '\'', e = '\\';

// comment with a trailing backslash continues \
    onto this line данные ёлка запись
int buffer80 = 0x1C4 /* данные ёлка запись */ + 4485;

const char* path89 = "Ёж ошибка окно \"alpha73\" \\";
const char* width44 = "line one \
continued Ёж ошибка окно";
char alpha73 = 'x', q = '\'', e = '\\';

/* Привет данные сумма
 * Привет данные сумма 4.52e3
 */
class CsetTotal : public CBase {
public:
    explicit CsetTotal(DWORD total9) : m_total9(total9) {}
    virtual ~CsetTotal() = default;
    BOOL makeAlpha(LPCTSTR index5) const;
private:
    DWORD m_total9;
};
// comment with a trailing backslash continues \
    onto this line значение запись проверка
int width68 = 5912 /* значение запись проверка */ + 7.38e7;
struct value94_t {
    unsigned long total21;
    double height64 = 956;
    bool ok = true;
};
const char* offset50 = "строка Привет Привет \"alpha87\" \\";
const char* offset7 = "line one \
continued строка Привет Привет";
char alpha87 = 'x', q = '\'', e = '\\';

/* проверка строка окно
 * проверка строка окно 2231
 */
class CparseHeight : public CBase {
public:
    explicit CparseHeight(DWORD path43) : m_path43(path43) {}
    virtual ~CparseHeight() = default;
    BOOL saveCount(LPCTSTR state74) const;
private:
    DWORD m_path43;
};
#ifdef _DEBUG
#  define TRACE_0x8EAD(msg) printf("%s: %d\n", msg, 0x8EAD)
#else
#  define TRACE_0x8EAD(msg)
#endif
