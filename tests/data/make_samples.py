#!/usr/bin/env python3
"""Writes the sample sources of tests/data: one file of a few thousand lines per source type,
assembled from small hand-written fragments with varied names and numbers. The output is
fixed by the seed, so running it again gives the same files. Text is Windows-1251 with LF
line ends; comments and strings carry Russian words.

Usage: tests/data/make_samples.py [OUT_FOLDER]   (default: the folder of this script)
"""
import os
import random
import sys

TARGET_LINES = 2500

RU = ["Привет", "строка", "ошибка", "файл", "окно", "данные", "ёлка", "Ёж", "сумма",
      "проверка", "запись", "таблица", "начало", "конец", "значение"]
NAMES = ["alpha", "beta", "count", "index", "total", "buffer", "node", "item", "value",
         "result", "width", "height", "offset", "limit", "name", "path", "line", "state"]
VERBS = ["get", "set", "find", "load", "save", "make", "read", "write", "parse", "draw"]


class Fill:
    """Random names, numbers and Russian words for one fragment."""

    def __init__(self, rng):
        self.rng = rng

    def name(self):
        return self.rng.choice(NAMES) + str(self.rng.randint(0, 99))

    def func(self):
        return self.rng.choice(VERBS) + self.rng.choice(NAMES).capitalize()

    def num(self):
        r = self.rng.random()
        if r < 0.2:
            return "0x%X" % self.rng.randint(0, 0xFFFF)
        if r < 0.4:
            return "%d.%de%d" % (self.rng.randint(0, 9), self.rng.randint(0, 99), self.rng.randint(1, 9))
        return str(self.rng.randint(0, 10000))

    def ru(self, n=3):
        return " ".join(self.rng.choice(RU) for _ in range(n))

    def __getitem__(self, key):
        return {"a": self.name, "b": self.name, "c": self.name, "f": self.func, "g": self.func,
                "n": self.num, "m": self.num, "r": self.ru}[key]()


class Values(dict):
    def __init__(self, fill):
        super().__init__()
        self.fill = fill

    def __missing__(self, key):
        value = self.fill[key]
        self[key] = value
        return value


def expand(rng, fragments):
    fragment = rng.choice(fragments)
    return fragment.format_map(Values(Fill(rng))).split("\n")


def build(rng, head, fragments, tail=""):
    lines = head.split("\n") if head else []
    while len(lines) < TARGET_LINES:
        lines += expand(rng, fragments)
        if rng.random() < 0.3:
            lines.append("")
        if rng.random() < 0.05:
            lines.append(rng.choice(["}", ")", "x", "\t", ";", "\\"]))  # one-character lines
    if tail:
        lines += tail.split("\n")
    return "\n".join(lines) + "\n"


# Each file: its head, the fragments repeated after it, and an optional tail. Braces in
# fragments are doubled.
LANGUAGES = {}

LANGUAGES["sample.txt"] = ("", [
    "{r} {r}\n{r} {n} {a}.",
    "Глава {n}: {r}\n\n    {r} (см. {a}) {r}",
    "- {r}\n- {r} \"{a}\" {r}\n- 'x' {n}",
], "")

LANGUAGES["sample.cpp"] = ("""// Примерный модуль: сумма и проверка
#include <cstdio>
#include "engine.h"
#define MAX_ITEMS 256
#define CHECK(x) \\
    do { if (!(x)) return false; } while (0)
""", [
    """// {r}
static int {f}(const char* {a}, int {b})
{{
    int {c} = {n};
    for (int i = 0; i < {b}; ++i) {{
        if ({a}[i] == '\\'' || {a}[i] == '"')
            {c} += {m};
    }}
    return {c}; // {r}
}}""",
    """/* {r}
 * {r} {n}
 */
class C{f} : public CBase {{
public:
    explicit C{f}(DWORD {a}) : m_{a}({a}) {{}}
    virtual ~C{f}() = default;
    BOOL {g}(LPCTSTR {b}) const;
private:
    DWORD m_{a};
}};""",
    """#ifdef _DEBUG
#  define TRACE_{n}(msg) printf("%s: %d\\n", msg, {n})
#else
#  define TRACE_{n}(msg)
#endif""",
    """const char* {a} = "{r} \\"{b}\\" \\\\";
const char* {c} = "line one \\
continued {r}";
char {b} = 'x', q = '\\'', e = '\\\\';""",
    """template <typename T>
T {f}(T {a}, T {b})
{{
    switch ({a}) {{
    case {n}: return {b} * {m}; /* {r} */ break;
    default: return static_cast<T>(0x1F) + {b};
    }}
}}""",
    """namespace {a} {{
int {f}(int x) {{ return x > {n} ? x : -x; }} // it's fine
}} // namespace {a}""",
    """// comment with a trailing backslash continues \\
    onto this line {r}
int {a} = {n} /* {r} */ + {m};""",
    """struct {a}_t {{
    unsigned long {b};
    double {c} = {n};
    bool ok = true;
}};""",
])

LANGUAGES["sample.java"] = ("""// {Образец} Java
package com.example.sample;

import java.util.List;
""".replace("{Образец}", "Образец"), [
    """/**
 * {r}
 */
public class {f} extends Object implements Runnable {{
    private static final int {a} = {n};
    public void run() {{
        synchronized (this) {{
            {b}++; // {r}
        }}
    }}
}}""",
    """    protected boolean {f}(String {a}) throws Exception {{
        if ({a} == null) return false;
        char c = '\\'';
        String s = "{r} \\"{b}\\"";
        return {a}.length() > {n};
    }}""",
    """    for (int i = 0; i < {n}; i++) {{
        try {{ {f}(i); }} catch (Exception e) {{ /* {r} */ }} finally {{ }}
    }}""",
    """#pragma {a}
    double {a} = {n} * 1.5e3 + 0x{n};""",
])

LANGUAGES["sample.rc"] = ("""// Сценарий ресурсов
#include "resource.h"
""", [
    """IDR_MENU{n} MENU
BEGIN
    POPUP "&{r}"
    BEGIN
        MENUITEM "&Open...\\tCtrl+O", ID_FILE_OPEN
        MENUITEM SEPARATOR
        MENUITEM "E&xit", ID_APP_EXIT
    END
END""",
    """IDR_ACCEL{n} ACCELERATORS
begin
    VK_F1, ID_HELP, VIRTKEY
    vk_f2, ID_RENAME, VIRTKEY
    "C", ID_EDIT_COPY, VIRTKEY, CONTROL
end""",
    """STRINGTABLE
BEGIN
    IDS_{a} "{r} \\"{b}\\""
    IDS_{b} "It's '{r}'"
END""",
    """IDD_{a} DIALOG 0, 0, {n}, {m} /* {r} */
CAPTION "{r}"
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT "{r}", IDC_STATIC, 7, 7, 100, 8
    DEFPUSHBUTTON "OK", IDOK, 7, 24, 50, 14
END""",
])

LANGUAGES["sample.dcl"] = ("""// Диалоги
@include "base.dcl"
""", [
    """{a} : dialog {{
    label = "{r}";
    : row {{
        : edit_box {{ key = "{b}"; label = "{r}:"; edit_width = {n}; }}
        : button {{ key = "{c}"; label = "&Go"; is_default = true; }}
    }}
    ok_cancel;
}}""",
    """{a}.{b} : boxed_column {{ // {r}
    label = "It's \\"{r}\\"";
    : toggle {{ key = "t{n}"; value = "1"; }}
    spacer_1;
}}""",
    """/* {r}
   {r} */
{a} : list_box {{ height = {n}; width = 0x{n}; multiple_select = false; }}""",
])

LANGUAGES["sample.rul"] = ("""// Сценарий установки
#include "ifx.h"
prototype {f}(STRING, NUMBER);
""", [
    """function {f}(szDir, nMode)
    STRING szMsg;
    NUMBER nResult;
begin
    if (nMode = {n}) then
        szMsg = "{r}: " + TARGETDIR;
        MessageBox(szMsg, INFORMATION);
    elseif (nMode > {m}) then
        nResult = CreateDir(SRCDIR ^ "{a}");
    endif;
    return TRUE;
end;""",
    """    repeat
        nResult = AskYesNo("{r}?", YES);
    until (nResult = NO); // {r}""",
    """    /* {r} */
    switch (nMode)
    case {n}: Enable(BACK);
    default: Disable(NEXT);
    endswitch;""",
])

LANGUAGES["sample.tcl"] = ("""#!/usr/bin/tclsh
# Сценарий TCL
package require Tcl 8.4
""", [
    """proc {f} {{{a} {b}}} {{
    # {r}
    if {{${a} > {n}}} {{
        puts "{r} ${a}"
    }} elseif {{${b} == {{}}}} {{
        return -code error "bad {b}"
    }} else {{
        set {c} [expr {{${a} * {m}}}]
    }}
    return ${c}
}}""",
    """foreach {a} $list {{
    set {b}($#{a}) {n} ;# {r}
    puts '{r}'
}}""",
    """set {a} "line one \\
continued {r}"
while {{${a} < {n}}} {{ incr {a} }}""",
])

LANGUAGES["sample.pl"] = ("""#!/usr/bin/perl -w
# Сценарий Perl
use strict;
use warnings;
""", [
    """sub {f} {{
    my ($self, ${a}) = @_;
    # {r}
    foreach my ${b} (@{{$self->{{items}}}}) {{
        next unless defined ${b};
        print "{r}: ${b}\\n" if ${b} =~ m/^\\d+$/;
    }}
    return scalar(@{a}) + {n};
}}""",
    """my %{a} = (key => '{r}', count => {n}); # $#{a} is the last index
open(my $fh, '<', "{b}.txt") or die "cannot open: $!";
while (my $line = <$fh>) {{ chomp $line; push @{c}, split(/,/, $line); }}
close($fh);""",
    """if (${a} eq "{r}" and ${b} ne 'x') {{
    printf("%d items\\n", {n});
}} elsif (${a} lt ${b}) {{ warn "it's {r}"; }}""",
])

LANGUAGES["sample.sh"] = ("""#!/bin/sh
# Сценарий оболочки
set -e
""", [
    """{f}() {{
    # {r}
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep '{a}' || echo "{r}: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return {n}
}}""",
    """case "${a}" in
    start) echo "{r}" ;;
    stop|restart) export {b}={n} ;;
    *) exit 1 ;;
esac""",
    """while read {a} {b}; do
    echo "${a} ${b}" >> /tmp/{c}.log  # {r}
done < input.txt
pwd; who; ssh host 'uptime' \\
    && telnet host {n}""",
])

LANGUAGES["sample.py"] = ("""#!/usr/bin/env python
# -*- coding: cp1251 -*-
# Модуль Python
import sys, os
""", [
    """class {f}(object):
    \"\"\"{r}\"\"\"

    def __init__(self, {a}={n}):
        self.{a} = {a}
        self.{b} = '{r}'

    def __repr__(self):
        return "{f}(%r)" % self.{a}""",
    """def {f}({a}, {b}=None):
    # {r}
    try:
        for i in range(len({a})):
            if {a}[i] is not None and i in {b}:
                yield divmod(i, {n})
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's {r}", e
        raise
    finally:
        pass""",
    """if __name__ == '__main__':
    {a} = lambda x: x * {n} + {m}
    sys.exit({f}(sys.argv[1:]))""",
    """{a} = "line \\
continued {r}"
{b} = [int(x) for x in {a}.split() if x.isdigit()]  # {r}""",
])

LANGUAGES["sample.tex"] = ("""% Документ TeX
\\documentclass[12pt]{article}
\\usepackage[cp1251]{inputenc}
\\usepackage[russian]{babel}
\\begin{document}
""", [
    """\\section{{{r}}}
\\label{{sec:{a}}}
{r} $x^{{{n}}} + \\alpha_{{i}}$ \\cite{{{b}}}. % {r}
\\begin{{itemize}}
\\item {r} \\ref{{sec:{a}}}
\\item \\textbf{{{r}}} ``{a}'' and "{b}"
\\end{{itemize}}""",
    """\\begin{{equation}}
  \\sum_{{i=1}}^{{{n}}} \\frac{{a_i}}{{b_i}} \\leq \\sqrt{{{m}}} \\cdot \\pi
\\end{{equation}}
\\newcommand{{\\{a}}}[1]{{\\emph{{#1}}}} % it's a macro
\\vspace{{{n}pt}} \\\\""",
    """\\begin{{tabular}}{{|l|r|}}
\\hline
{r} & {n} \\\\
{a}.{b} & $\\infty$ \\\\ \\hline
\\end{{tabular}}""",
], "\\end{document}")

LANGUAGES["sample.f"] = ("""C     Программа Fortran
      PROGRAM SAMPLE
      IMPLICIT NONE
""", [
    """C     {r}
      SUBROUTINE {f}(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. {n}.0) THEN
            B(I) = SQRT(A(I)) * {m} ! {r}
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END""",
    """c     {r}
      WRITE (*, '(A, I5)') '{r}', {n}
      PRINT *, "It's ", {a}, .TRUE. .and. .NOT. .FALSE.""",
    """      integer function {f}(x)
      integer, intent(in) :: x
      {f} = mod(x, {n}) + max(x, {m})   ! {r}
      end function""",
], "      END")

LANGUAGES["sample.bat"] = ("""@ECHO OFF
REM Пакетный файл
SETLOCAL
""", [
    """:{a}
    REM {r}
    IF "%1"=="" GOTO {b}
    COPY %1 C:\\{a}\\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END""",
    """FOR %%F IN (*.TXT) DO TYPE %%F
set {a}={n}
echo "{r}" & echo 'it''s'
  rem {r}
DELTREE /Y C:\\TEMP\\{b}
:END""",
    """IF EXIST {a}.BAK DEL {a}.BAK
CALL {b}.BAT %{n}
ATTRIB +R {c}.DAT
MEM /C | MORE
PAUSE""",
], "ENDLOCAL")

LANGUAGES["sample.bas"] = ("""' Модуль Visual Basic
Option Explicit
""", [
    """Function {f}(ByVal {a} As Integer) As Long
    ' {r}
    Dim {b} As Long
    For i = 1 To {n} Step 2
        If {a} > i Then
            {b} = {b} + Abs(i) * {m}
        Else
            {b} = {b} - 1 REM {r}
        End If
    Next i
    {f} = {b}
End Function""",
    """Sub {f}()
    Rem {r}
    MsgBox "{r}: " & Str({n}), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, {a}$
    Loop
End Sub""",
    """Select Case {a}
    Case {n}: {b} = Left$({c}, 3) ' it's {r}
    Case Else: {b} = UCase({c})
End Select""",
])

LANGUAGES["sample.pas"] = ("""{ Модуль Pascal }
program Sample;
uses Crt, Dos;
""", [
    """procedure {f}(var {a}: Integer; const {b}: string);
(* {r} *)
var
  i: Integer;
begin
  for i := 1 to {n} do
    if ({a} mod i = 0) and not ({b} = '') then
      {a} := {a} + i * {m}
    else
      WriteLn('{r}: ', i);
end;""",
    """function {f}(x: Real): Real;
(* {r}
   {r} *)
begin
  {f} := Sqrt(x) * {n};
end;""",
    """type
  T{f} = record
    {a}: array[1..{n}] of Byte;
    {b}: set of Char; (*) not closed here *)
  end;""",
], "begin\nend.")

LANGUAGES["sample.rex"] = ("""/* REXX: сценарий */
""", [
    """{f}: PROCEDURE EXPOSE {a}.
  PARSE ARG {b}, {c}
  /* {r} */
  DO i = 1 TO {n} BY 2
    IF {b} > i THEN SAY '{r}' {b}
    ELSE ITERATE
  END
  RETURN {b} * {m}""",
    """SELECT
  WHEN {a} = {n} THEN CALL {f} {a}
  WHEN {a} > {m} THEN NOP // {r}
  OTHERWISE SAY "It's" {a}
END""",
    """SIGNAL ON ERROR
NUMERIC DIGITS {n}
{a} = VALUE('{b}', , 'ENVIRONMENT') /* {r}
   {r} */""",
])

LANGUAGES["sample.sql"] = ("""-- Скрипт SQL
""", [
    """SELECT {a}.id, {a}.name, COUNT(*) AS {b}
FROM {a} JOIN {c} ON {a}.id = {c}.{a}_id
WHERE {a}.name <> '{r}' AND {c}.total > {n}
GROUP BY {a}.id, {a}.name
ORDER BY {b} DESC;""",
    """/* {r}
   {r} */
CREATE TABLE {a} (
    id INTEGER NOT NULL,
    name VARCHAR({n}),
    price DOUBLE,
    created DATE,
    note MEMO
);""",
    """INSERT INTO {a} (id, name) VALUES ({n}, 'It''s {r}');
UPDATE {a} SET name = "{b}" WHERE id IN (SELECT DISTINCT id FROM {c}); // {r}""",
])

LANGUAGES["sample.lsp"] = (""";;; Программа AutoLISP
""", [
    """(defun c:{f} (/ {a} {b})
  ;; {r}
  (setq {a} (getpoint "\\n{r}: "))
  (if (and {a} (> (car {a}) {n}))
    (progn
      (setq {b} (polar {a} (/ pi 2) {m}))
      (command "_.LINE" {a} {b} "")
    )
    (princ "\\nIt's {r}")
  )
  (princ)
)""",
    """;| {r}
   {r} |;
(defun {f} ({a} / {c}) (foreach {c} {a} (print {c})) (strcat "{r}" (itoa {n})))""",
    """(setq {a}.{b} (list 1.5e3 {n} "x\\"y")) ; {r}
(mapcar '(lambda (x) (* x {m})) {a}.{b})""",
])

LANGUAGES["sample.scm"] = (""";;; Программа SIOD
""", [
    """(define ({f} {a} {b})
  ;; {r}
  (cond ((null? {a}) {b})
        ((> (car {a}) {n}) ({f} (cdr {a}) (+ {b} (sqrt (car {a})))))
        (else (begin (print "{r}") {b}))))""",
    """(let* (({a} (getenv "HOME")) ({b} (strcat {a} "/{c}")))
  (if (string? {b}) (fopen {b} "r") nil)) ; {r}""",
    """;| {r} |; (set! {a} (string-append "{r}" (number->string {n})))
(define {a} '({n} {m} 0x1F))""",
])

LANGUAGES["sample.asp"] = ("""<%@ LANGUAGE="VBSCRIPT" %>
<HTML>
<HEAD><TITLE>Страница ASP</TITLE></HEAD>
<BODY BGCOLOR="#FFFFFF">
""", [
    """<H1>{r}</H1>
<% Dim {a}
   {a} = Request.QueryString("{b}") ' {r}
   If {a} = "" Then
       {a} = {n}
   End If
%>
<P ALIGN="left">{r} &nbsp; &copy; &foo; <%= {a} %></P>""",
    """<TABLE BORDER=1 CELLPADDING={n}>
<TR><TD WIDTH="50%">{r}</TD><TD><A HREF="page{n}.asp?x={m}">{r}</A></TD></TR>
</TABLE>
<!-- {r}
     {r} -->""",
    """<FORM ACTION="{a}.asp" METHOD="post">
<INPUT TYPE="text" NAME="{b}" VALUE='{r}'
       SIZE={n}>
<% For i = 1 To {n} : Response.Write(i) : Next %>
</FORM>""",
], "</BODY>\n</HTML>")

LANGUAGES["sample.php"] = ("""<HTML>
<HEAD><TITLE>Страница PHP</TITLE></HEAD>
<BODY>
""", [
    """<?php
// {r}
function {f}(${a}, ${b} = {n}) {{
    # {r}
    if (${a} > ${b} OR ${a} == 0) {{
        echo "{r}: " . ${a};
    }} elseif (is_array(${b})) {{
        foreach (${b} as $k => $v) {{ print $v; }}
    }}
    return array(${a}, '{r}', __LINE__);
}}
?>""",
    """<P ALIGN="center">{r} &amp; &lt;<? echo ${a}; ?>&gt;</P>
<!-- {r} -->
<A HREF="index.php?id={n}">{r}</A>""",
    """<?
/* {r}
   {r} */
$echo = ${a} + {n}; $x = $$y; // it's fine
include("{b}.inc");
?>
<TABLE WIDTH={n}><TR><TD>{r}</TD></TR></TABLE>""",
], "</BODY>\n</HTML>")

LANGUAGES["sample.sgml"] = ("""<!doctype debiandoc system>
<debiandoc>
<book>
<titlepag><title>Руководство</title></titlepag>
""", [
    """<chapt id="{a}">{r}
<sect id="{a}-{n}">{r}
<p>
{r} <em>{a}</em> &amp; &lt;{b}&gt; &foo; {n}.
<example>
x = "{r}"; y = '{r}';
</example>""",
    """<p>{r} <ref id="{a}"> <url id="http://example.org/{b}" name="{r}">
<!-- {r}
     {r} -->
<list compact>
<item>{r}
<item>{{tag {a}}} {r} {n}
</list>""",
    """<taglist>
<tag><prgn>{a}</prgn>
<item>{r} <var>{b}</var> <tt>{n}</tt>
</taglist>""",
], "</book>\n</debiandoc>")


def html_fragments():
    return ("""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN">
<HTML>
<HEAD>
<TITLE>Страница</TITLE>
<SCRIPT LANGUAGE="JavaScript">
function init() { /* {r} */ return 0; }
</SCRIPT>
</HEAD>
<BODY ONLOAD="init()">
""".replace("{r}", "проверка"), [
        """<H2 ALIGN=CENTER>{r}</H2>
<P>{r} &nbsp;&copy; &#169; <B>{a}</B> <I>{b}</I></P>
<!-- {r} -->""",
        """<TABLE BORDER=1 WIDTH="100%" BGCOLOR=#C0C0C0>
<TR><TD COLSPAN={n}>{r}</TD>
    <TD><A HREF="{a}.html" TARGET=_blank>{r}</A></TD></TR>
</TABLE>""",
        """<FORM ACTION="/cgi-bin/{a}" METHOD=POST>
<INPUT TYPE=TEXT NAME="{b}" SIZE={n}
  VALUE="{r}">
<SELECT NAME={c}><OPTION SELECTED>{r}</SELECT>
</FORM>""",
        """<FOO x>{r}</FOO> <P <B> 12px <IMG SRC="x.gif" WIDTH=12px>""",
    ], "</BODY>\n</HTML>")


LANGUAGES["sample.html"] = html_fragments()


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for seed, (name, (head, fragments, *tail)) in enumerate(sorted(LANGUAGES.items())):
        rng = random.Random(seed + 1)
        text = build(rng, head, fragments, tail[0] if tail else "")
        with open(os.path.join(out, name), "wb") as f:
            f.write(text.encode("cp1251"))


if __name__ == "__main__":
    main()
