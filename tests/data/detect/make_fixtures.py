#!/usr/bin/env python3
"""Writes the code-page detector's fixtures: one file per page, one short text per line, in
that page's bytes. Russian lines go to every page; Ukrainian lines to the pages that have its
letters (KOI8-R and CP866 do not), and in KOI8-U, the Ukrainian KOI8, to koi8u.txt. dos-table.txt
is a CP866 report framed in box-drawing characters."""
import os

RUSSIAN = [
    "Без труда не вытащишь и рыбку из пруда.",
    "Утро выдалось холодным, и мы решили остаться дома.",
    "Сохраните файл перед тем, как закрыть окно редактора.",
    "Ёлка стояла в углу, вся в огнях и блестящих шарах.",
    "Поезд отправляется с третьего пути через десять минут.",
    "ВНИМАНИЕ: не выключайте компьютер во время обновления!",
    "Мы долго гуляли по старому парку и говорили о жизни.",
    "Съешь же ещё этих мягких французских булок, да выпей чаю.",
]
UKRAINIAN = [
    "Добрий вечір, я приїхав з України, щоб побачити вас.",
    "Наша хата завжди була повна квітів і сонця.",
    "Будь ласка, збережіть зміни перед виходом з програми.",
    "Їжак біг стежкою через ліс, шукаючи яблука.",
    "Єдність народу - це його сила, а мова - його душа.",
]
PAGES = {"cp1251": "cp1251", "cp866": "cp866", "koi8r": "koi8_r", "iso8859-5": "iso8859_5",
         "mac": "mac_cyrillic", "utf8": "utf_8"}

DOS_TABLE = """\
╔══════════════════════════════╗
║ Отчёт о продажах за квартал  ║
╠════════════╤═════════════════╣
║ Январь     │ 1200 шт.        ║
║ Февраль    │ 980 шт.         ║
║ Март       │ 1530 шт.        ║
╚════════════╧═════════════════╝
"""

folder = os.path.dirname(os.path.abspath(__file__))
for name, codec in PAGES.items():
    lines = RUSSIAN + ([] if name in ("cp866", "koi8r") else UKRAINIAN)
    with open(os.path.join(folder, name + ".txt"), "wb") as f:
        f.write(b"".join(line.encode(codec) + b"\n" for line in lines))
with open(os.path.join(folder, "koi8u.txt"), "wb") as f:
    f.write(b"".join(line.encode("koi8_u") + b"\n" for line in UKRAINIAN))
with open(os.path.join(folder, "dos-table.txt"), "wb") as f:
    f.write(DOS_TABLE.encode("cp866"))
