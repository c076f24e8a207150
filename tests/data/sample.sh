#!/bin/sh
# Сценарий оболочки
set -e

while read beta66 index65; do
    echo "$beta66 $index65" >> /tmp/node50.log  # данные сумма окно
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 9748

case "$value13" in
    start) echo "начало данные значение" ;;
    stop|restart) export result2=3303 ;;
    *) exit 1 ;;
esac
parseName() {
    # ёлка конец таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count12' || echo "ёлка конец таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1627
}
case "$name84" in
    start) echo "окно проверка значение" ;;
    stop|restart) export line20=6658 ;;
    *) exit 1 ;;
esac

while read index26 offset24; do
    echo "$index26 $offset24" >> /tmp/total17.log  # запись Ёж строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7505

case "$index66" in
    start) echo "Ёж конец сумма" ;;
    stop|restart) export path47=8879 ;;
    *) exit 1 ;;
esac
setAlpha() {
    # Ёж ёлка Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index86' || echo "Ёж ёлка Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4307
}
case "$offset37" in
    start) echo "таблица ошибка Ёж" ;;
    stop|restart) export name38=0.9e4 ;;
    *) exit 1 ;;
esac
case "$index59" in
    start) echo "строка Ёж сумма" ;;
    stop|restart) export name84=2870 ;;
    *) exit 1 ;;
esac
findBuffer() {
    # ёлка окно значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name14' || echo "ёлка окно значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.87e2
}
getOffset() {
    # проверка запись окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'beta72' || echo "проверка запись окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 5842
}
while read width7 alpha99; do
    echo "$width7 $alpha99" >> /tmp/value83.log  # конец файл строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xEE94
case "$line33" in
    start) echo "сумма значение таблица" ;;
    stop|restart) export result82=8663 ;;
    *) exit 1 ;;
esac

case "$path7" in
    start) echo "конец конец файл" ;;
    stop|restart) export total5=1896 ;;
    *) exit 1 ;;
esac
case "$name89" in
    start) echo "ёлка запись данные" ;;
    stop|restart) export width47=0xA9D0 ;;
    *) exit 1 ;;
esac
while read line57 limit79; do
    echo "$line57 $limit79" >> /tmp/beta46.log  # строка данные ёлка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 9.93e6

loadOffset() {
    # Привет ошибка ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path84' || echo "Привет ошибка ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1751
}
drawLimit() {
    # Привет таблица запись
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total78' || echo "Привет таблица запись: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8.93e9
}
loadResult() {
    # строка проверка конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name16' || echo "строка проверка конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xE639
}
makeIndex() {
    # запись файл окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total44' || echo "запись файл окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9158
}

case "$beta74" in
    start) echo "конец начало Ёж" ;;
    stop|restart) export index24=8081 ;;
    *) exit 1 ;;
esac

case "$height57" in
    start) echo "Привет сумма ёлка" ;;
    stop|restart) export alpha73=4.71e4 ;;
    *) exit 1 ;;
esac

while read total88 state29; do
    echo "$total88 $state29" >> /tmp/total58.log  # ошибка таблица проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4573
drawAlpha() {
    # таблица файл конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count34' || echo "таблица файл конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2.94e9
}
case "$alpha17" in
    start) echo "строка ошибка ёлка" ;;
    stop|restart) export alpha34=8024 ;;
    *) exit 1 ;;
esac
saveBuffer() {
    # начало строка сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result3' || echo "начало строка сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x18F2
}
while read name8 beta11; do
    echo "$name8 $beta11" >> /tmp/offset88.log  # Ёж окно данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4607
while read beta5 height23; do
    echo "$beta5 $height23" >> /tmp/index81.log  # данные Ёж данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7.13e9
getBuffer() {
    # окно начало проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset40' || echo "окно начало проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xFB42
}
\
case "$item85" in
    start) echo "проверка значение ошибка" ;;
    stop|restart) export buffer21=2785 ;;
    *) exit 1 ;;
esac
saveIndex() {
    # ошибка запись Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line64' || echo "ошибка запись Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8795
}

case "$height77" in
    start) echo "файл данные сумма" ;;
    stop|restart) export total80=3171 ;;
    *) exit 1 ;;
esac
saveResult() {
    # конец таблица ёлка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name23' || echo "конец таблица ёлка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8787
}

while read alpha72 name74; do
    echo "$alpha72 $name74" >> /tmp/value66.log  # значение значение запись
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7378
while read width12 path16; do
    echo "$width12 $path16" >> /tmp/state68.log  # значение ёлка ошибка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xC8E9
setHeight() {
    # запись ошибка Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset47' || echo "запись ошибка Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8444
}
findState() {
    # конец Привет значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path20' || echo "конец Привет значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.19e5
}

case "$result66" in
    start) echo "Ёж ёлка окно" ;;
    stop|restart) export offset49=3723 ;;
    *) exit 1 ;;
esac
loadAlpha() {
    # начало ошибка запись
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'beta95' || echo "начало ошибка запись: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1.44e9
}
while read height68 offset52; do
    echo "$height68 $offset52" >> /tmp/name61.log  # начало начало строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xB4DC
case "$total46" in
    start) echo "окно сумма ёлка" ;;
    stop|restart) export path43=0xB4D1 ;;
    *) exit 1 ;;
esac
case "$name35" in
    start) echo "запись сумма начало" ;;
    stop|restart) export count56=5275 ;;
    *) exit 1 ;;
esac
while read node46 total70; do
    echo "$node46 $total70" >> /tmp/offset56.log  # конец конец окно
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5163

while read state31 path84; do
    echo "$state31 $path84" >> /tmp/alpha21.log  # начало таблица начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3447
case "$result0" in
    start) echo "данные ёлка ошибка" ;;
    stop|restart) export width66=2238 ;;
    *) exit 1 ;;
esac
while read index56 beta35; do
    echo "$index56 $beta35" >> /tmp/height32.log  # проверка окно таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4257
case "$line46" in
    start) echo "начало Привет начало" ;;
    stop|restart) export limit38=7201 ;;
    *) exit 1 ;;
esac

case "$path37" in
    start) echo "Привет сумма конец" ;;
    stop|restart) export item47=0xE664 ;;
    *) exit 1 ;;
esac
case "$name95" in
    start) echo "проверка ошибка конец" ;;
    stop|restart) export index33=7050 ;;
    *) exit 1 ;;
esac
case "$buffer96" in
    start) echo "строка строка данные" ;;
    stop|restart) export index26=8638 ;;
    *) exit 1 ;;
esac

drawOffset() {
    # значение конец сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path38' || echo "значение конец сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3.86e3
}
parseIndex() {
    # проверка конец конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total52' || echo "проверка конец конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6780
}
\
parseCount() {
    # сумма файл значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width70' || echo "сумма файл значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9722
}
case "$item24" in
    start) echo "запись ошибка ёлка" ;;
    stop|restart) export state56=0xF485 ;;
    *) exit 1 ;;
esac
case "$item95" in
    start) echo "Ёж строка запись" ;;
    stop|restart) export alpha62=8.19e6 ;;
    *) exit 1 ;;
esac
x
writeWidth() {
    # конец Ёж начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node38' || echo "конец Ёж начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x7409
}
while read state54 height45; do
    echo "$state54 $height45" >> /tmp/width72.log  # ошибка сумма таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xF580

findNode() {
    # строка начало ёлка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset53' || echo "строка начало ёлка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x5E06
}

makeItem() {
    # проверка Ёж значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset46' || echo "проверка Ёж значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1680
}

while read alpha86 name34; do
    echo "$alpha86 $name34" >> /tmp/height13.log  # строка конец данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2302

saveIndex() {
    # сумма строка сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path37' || echo "сумма строка сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1464
}
}
drawResult() {
    # строка файл начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result52' || echo "строка файл начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7946
}
getNode() {
    # сумма проверка ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result36' || echo "сумма проверка ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6101
}
case "$node8" in
    start) echo "ёлка Ёж конец" ;;
    stop|restart) export limit91=0x6B63 ;;
    *) exit 1 ;;
esac
writePath() {
    # строка проверка данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'alpha52' || echo "строка проверка данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2.75e5
}

parseResult() {
    # начало Ёж ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total16' || echo "начало Ёж ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xFC14
}
case "$result87" in
    start) echo "данные значение файл" ;;
    stop|restart) export line89=6.90e4 ;;
    *) exit 1 ;;
esac
case "$height47" in
    start) echo "ёлка проверка ёлка" ;;
    stop|restart) export node75=1786 ;;
    *) exit 1 ;;
esac
case "$width43" in
    start) echo "ошибка конец файл" ;;
    stop|restart) export index77=4081 ;;
    *) exit 1 ;;
esac
case "$node99" in
    start) echo "проверка таблица данные" ;;
    stop|restart) export beta72=0xA5F2 ;;
    *) exit 1 ;;
esac
while read height38 result27; do
    echo "$height38 $result27" >> /tmp/path21.log  # таблица ошибка данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xE92A

case "$total74" in
    start) echo "запись окно таблица" ;;
    stop|restart) export offset93=9803 ;;
    *) exit 1 ;;
esac

case "$value0" in
    start) echo "окно сумма конец" ;;
    stop|restart) export value67=1376 ;;
    *) exit 1 ;;
esac
while read state58 state43; do
    echo "$state58 $state43" >> /tmp/offset81.log  # запись ошибка файл
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.22e5
makeLine() {
    # строка файл таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count2' || echo "строка файл таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7909
}
writeBuffer() {
    # Ёж сумма ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset89' || echo "Ёж сумма ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8801
}
case "$item23" in
    start) echo "значение начало запись" ;;
    stop|restart) export node17=0.34e9 ;;
    *) exit 1 ;;
esac
case "$count85" in
    start) echo "ошибка окно таблица" ;;
    stop|restart) export limit65=8.29e9 ;;
    *) exit 1 ;;
esac
loadLine() {
    # сумма запись начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line50' || echo "сумма запись начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x5CBD
}

while read total34 total45; do
    echo "$total34 $total45" >> /tmp/result10.log  # сумма данные Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2578
setLimit() {
    # файл таблица файл
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state31' || echo "файл таблица файл: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8672
}
setPath() {
    # ошибка окно начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset38' || echo "ошибка окно начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x83F6
}
readLimit() {
    # данные запись сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'height69' || echo "данные запись сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xF504
}

makeResult() {
    # Ёж ёлка значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name12' || echo "Ёж ёлка значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2794
}
while read item67 value27; do
    echo "$item67 $value27" >> /tmp/limit13.log  # Привет Ёж конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7490
case "$buffer90" in
    start) echo "Ёж строка значение" ;;
    stop|restart) export name9=7.93e4 ;;
    *) exit 1 ;;
esac
case "$node24" in
    start) echo "значение Привет значение" ;;
    stop|restart) export value91=2251 ;;
    *) exit 1 ;;
esac
while read path57 result73; do
    echo "$path57 $result73" >> /tmp/result55.log  # проверка значение файл
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7372
while read width91 line53; do
    echo "$width91 $line53" >> /tmp/index72.log  # данные конец проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 9648
case "$total16" in
    start) echo "Ёж Привет проверка" ;;
    stop|restart) export limit10=526 ;;
    *) exit 1 ;;
esac
makeLine() {
    # сумма Привет окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index2' || echo "сумма Привет окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.60e6
}
case "$width85" in
    start) echo "таблица файл данные" ;;
    stop|restart) export width16=7770 ;;
    *) exit 1 ;;
esac

while read item2 height65; do
    echo "$item2 $height65" >> /tmp/alpha54.log  # значение Ёж Привет
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4674

case "$buffer16" in
    start) echo "ёлка проверка сумма" ;;
    stop|restart) export item33=9.16e1 ;;
    *) exit 1 ;;
esac
case "$path0" in
    start) echo "Ёж запись проверка" ;;
    stop|restart) export count96=0x1D4B ;;
    *) exit 1 ;;
esac
case "$item79" in
    start) echo "ёлка строка таблица" ;;
    stop|restart) export node70=3054 ;;
    *) exit 1 ;;
esac

while read node16 item50; do
    echo "$node16 $item50" >> /tmp/index33.log  # Ёж значение файл
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x78CC
case "$path35" in
    start) echo "Ёж таблица ошибка" ;;
    stop|restart) export buffer28=8.21e3 ;;
    *) exit 1 ;;
esac
case "$total18" in
    start) echo "сумма файл ёлка" ;;
    stop|restart) export width67=6.98e6 ;;
    *) exit 1 ;;
esac
writeState() {
    # данные ёлка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit3' || echo "данные ёлка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1939
}
while read count14 total47; do
    echo "$count14 $total47" >> /tmp/total69.log  # строка Ёж данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1719

while read name92 buffer53; do
    echo "$name92 $buffer53" >> /tmp/line7.log  # Ёж файл таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5.73e5
case "$beta53" in
    start) echo "начало запись запись" ;;
    stop|restart) export node37=8387 ;;
    *) exit 1 ;;
esac
readName() {
    # файл проверка окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit32' || echo "файл проверка окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9978
}
setState() {
    # Привет файл проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total40' || echo "Привет файл проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x3CE6
}
while read beta92 height75; do
    echo "$beta92 $height75" >> /tmp/value92.log  # ошибка ошибка запись
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7125

while read name34 width31; do
    echo "$name34 $width31" >> /tmp/width50.log  # таблица сумма значение
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6835
readResult() {
    # строка таблица запись
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line63' || echo "строка таблица запись: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x3BEF
}
case "$alpha50" in
    start) echo "ёлка Ёж запись" ;;
    stop|restart) export node65=0xB2E2 ;;
    *) exit 1 ;;
esac
while read line20 width5; do
    echo "$line20 $width5" >> /tmp/line59.log  # запись окно ошибка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x30CE
case "$alpha61" in
    start) echo "начало конец значение" ;;
    stop|restart) export state36=3292 ;;
    *) exit 1 ;;
esac
;
case "$result81" in
    start) echo "конец файл файл" ;;
    stop|restart) export item65=6.67e7 ;;
    *) exit 1 ;;
esac
getState() {
    # значение окно конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name16' || echo "значение окно конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3990
}
readItem() {
    # ошибка ёлка Привет
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count55' || echo "ошибка ёлка Привет: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2188
}
readState() {
    # конец файл проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line96' || echo "конец файл проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9020
}
case "$node5" in
    start) echo "окно окно проверка" ;;
    stop|restart) export line94=6.99e8 ;;
    *) exit 1 ;;
esac
savePath() {
    # таблица таблица Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit80' || echo "таблица таблица Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6.68e3
}

drawState() {
    # данные ёлка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit47' || echo "данные ёлка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0.58e3
}
while read item24 alpha7; do
    echo "$item24 $alpha7" >> /tmp/total99.log  # Ёж запись окно
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x971C
saveCount() {
    # файл проверка ёлка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value4' || echo "файл проверка ёлка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3611
}
case "$result4" in
    start) echo "файл Ёж таблица" ;;
    stop|restart) export limit11=249 ;;
    *) exit 1 ;;
esac
readOffset() {
    # значение Ёж данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total71' || echo "значение Ёж данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x8C89
}
x
while read buffer33 item57; do
    echo "$buffer33 $item57" >> /tmp/result1.log  # таблица данные начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x12B7
makeLine() {
    # ошибка ёлка проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit91' || echo "ошибка ёлка проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.60e5
}
while read offset84 name60; do
    echo "$offset84 $name60" >> /tmp/limit6.log  # таблица Ёж начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4716

while read value73 count91; do
    echo "$value73 $count91" >> /tmp/offset70.log  # Привет таблица конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2597

case "$limit7" in
    start) echo "окно таблица ёлка" ;;
    stop|restart) export result56=6.96e7 ;;
    *) exit 1 ;;
esac

while read offset98 node3; do
    echo "$offset98 $node3" >> /tmp/alpha72.log  # строка файл данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x130E
while read name85 count13; do
    echo "$name85 $count13" >> /tmp/name6.log  # данные строка сумма
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6.3e7

case "$count95" in
    start) echo "строка Ёж ёлка" ;;
    stop|restart) export total16=1545 ;;
    *) exit 1 ;;
esac

case "$count59" in
    start) echo "ошибка Ёж ёлка" ;;
    stop|restart) export path62=3.29e5 ;;
    *) exit 1 ;;
esac
while read node63 count16; do
    echo "$node63 $count16" >> /tmp/buffer62.log  # значение запись ошибка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.7e8
while read result10 state45; do
    echo "$result10 $state45" >> /tmp/item32.log  # запись ошибка начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x9CA0
while read index87 node20; do
    echo "$index87 $node20" >> /tmp/path89.log  # конец файл Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4190

writeOffset() {
    # Ёж таблица сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'alpha25' || echo "Ёж таблица сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7625
}
drawBeta() {
    # сумма значение таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total12' || echo "сумма значение таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2017
}
readName() {
    # ошибка сумма строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'buffer28' || echo "ошибка сумма строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x2561
}
findResult() {
    # значение ёлка таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node17' || echo "значение ёлка таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2277
}

case "$height31" in
    start) echo "сумма Привет файл" ;;
    stop|restart) export state67=2642 ;;
    *) exit 1 ;;
esac

writeCount() {
    # значение ёлка данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'item38' || echo "значение ёлка данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8084
}
while read name5 line19; do
    echo "$name5 $line19" >> /tmp/state21.log  # таблица таблица данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 699
while read path77 buffer87; do
    echo "$path77 $buffer87" >> /tmp/state78.log  # проверка сумма Привет
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4228
while read buffer20 name78; do
    echo "$buffer20 $name78" >> /tmp/total8.log  # файл запись значение
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x5282
while read limit12 value3; do
    echo "$limit12 $value3" >> /tmp/line38.log  # окно файл строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7217
setState() {
    # данные начало данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value90' || echo "данные начало данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3056
}
while read value10 item95; do
    echo "$value10 $item95" >> /tmp/state99.log  # ошибка запись таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4059
case "$node57" in
    start) echo "ошибка ошибка начало" ;;
    stop|restart) export result7=0xC438 ;;
    *) exit 1 ;;
esac

saveLimit() {
    # ёлка Ёж таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path9' || echo "ёлка Ёж таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9440
}

case "$buffer31" in
    start) echo "файл проверка проверка" ;;
    stop|restart) export path5=0.73e4 ;;
    *) exit 1 ;;
esac
makeLine() {
    # запись значение Привет
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path47' || echo "запись значение Привет: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8322
}

findLimit() {
    # ошибка ошибка проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index57' || echo "ошибка ошибка проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.26e7
}
readState() {
    # ошибка файл сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index50' || echo "ошибка файл сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3057
}
while read height9 value19; do
    echo "$height9 $value19" >> /tmp/total32.log  # конец Привет данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3176
case "$height31" in
    start) echo "начало проверка начало" ;;
    stop|restart) export value27=8146 ;;
    *) exit 1 ;;
esac
writeValue() {
    # запись значение таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node41' || echo "запись значение таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x57D5
}
makeResult() {
    # строка запись ёлка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'item6' || echo "строка запись ёлка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xDFDC
}
while read count3 total96; do
    echo "$count3 $total96" >> /tmp/total54.log  # значение запись проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xCCC5
case "$state40" in
    start) echo "начало ошибка сумма" ;;
    stop|restart) export limit32=3290 ;;
    *) exit 1 ;;
esac
findNode() {
    # окно конец данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state21' || echo "окно конец данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1.65e9
}
makeBuffer() {
    # значение запись ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total64' || echo "значение запись ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x3714
}

case "$beta32" in
    start) echo "сумма ошибка строка" ;;
    stop|restart) export node15=4953 ;;
    *) exit 1 ;;
esac
saveValue() {
    # окно Ёж начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line32' || echo "окно Ёж начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0.23e6
}
case "$limit65" in
    start) echo "строка начало запись" ;;
    stop|restart) export node34=0.59e5 ;;
    *) exit 1 ;;
esac
case "$height46" in
    start) echo "ёлка ошибка проверка" ;;
    stop|restart) export width16=8.43e5 ;;
    *) exit 1 ;;
esac

writeHeight() {
    # начало таблица Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width44' || echo "начало таблица Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xDE1B
}
while read offset63 offset7; do
    echo "$offset63 $offset7" >> /tmp/height15.log  # начало значение Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 8.18e1
readHeight() {
    # ёлка Ёж ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node67' || echo "ёлка Ёж ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x585F
}
while read path73 limit14; do
    echo "$path73 $limit14" >> /tmp/value47.log  # конец данные конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1325
case "$path21" in
    start) echo "конец значение ошибка" ;;
    stop|restart) export item21=5145 ;;
    *) exit 1 ;;
esac
makeOffset() {
    # файл значение окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name78' || echo "файл значение окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8.66e7
}
drawIndex() {
    # начало проверка окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'height76' || echo "начало проверка окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1544
}

while read alpha50 buffer92; do
    echo "$alpha50 $buffer92" >> /tmp/result13.log  # ёлка конец файл
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1844
while read node94 line75; do
    echo "$node94 $line75" >> /tmp/name36.log  # значение ёлка ёлка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1.28e9

while read beta64 buffer1; do
    echo "$beta64 $buffer1" >> /tmp/path92.log  # запись ёлка значение
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6247
while read line29 path88; do
    echo "$line29 $path88" >> /tmp/total71.log  # Ёж таблица запись
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.63e4
\
readAlpha() {
    # ошибка значение строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'alpha36' || echo "ошибка значение строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8.15e7
}
case "$limit87" in
    start) echo "начало значение значение" ;;
    stop|restart) export total11=9.30e2 ;;
    *) exit 1 ;;
esac

parseName() {
    # ёлка ошибка проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path98' || echo "ёлка ошибка проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x97B6
}

case "$path94" in
    start) echo "Ёж Привет таблица" ;;
    stop|restart) export count96=9054 ;;
    *) exit 1 ;;
esac
while read width82 height56; do
    echo "$width82 $height56" >> /tmp/index91.log  # значение ёлка данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.55e5
case "$path17" in
    start) echo "ёлка сумма сумма" ;;
    stop|restart) export result28=3197 ;;
    *) exit 1 ;;
esac
case "$alpha46" in
    start) echo "ошибка ёлка файл" ;;
    stop|restart) export value45=1574 ;;
    *) exit 1 ;;
esac

makeLine() {
    # начало начало конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'height55' || echo "начало начало конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 5196
}

while read value15 width87; do
    echo "$value15 $width87" >> /tmp/offset37.log  # значение файл данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6945
case "$index75" in
    start) echo "значение ошибка строка" ;;
    stop|restart) export alpha25=7.67e4 ;;
    *) exit 1 ;;
esac
case "$buffer84" in
    start) echo "Привет ошибка ёлка" ;;
    stop|restart) export index66=8.97e7 ;;
    *) exit 1 ;;
esac

makeWidth() {
    # значение Привет значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state5' || echo "значение Привет значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2275
}
while read total34 beta22; do
    echo "$total34 $beta22" >> /tmp/path36.log  # ёлка проверка проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3.43e1
case "$height97" in
    start) echo "запись запись файл" ;;
    stop|restart) export total29=0.31e3 ;;
    *) exit 1 ;;
esac

while read limit7 line90; do
    echo "$limit7 $line90" >> /tmp/result86.log  # строка начало данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7.26e4
case "$width38" in
    start) echo "ошибка данные запись" ;;
    stop|restart) export result23=3.44e4 ;;
    *) exit 1 ;;
esac
while read line57 result23; do
    echo "$line57 $result23" >> /tmp/buffer32.log  # сумма данные данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6936
case "$index51" in
    start) echo "ёлка ошибка таблица" ;;
    stop|restart) export width11=7586 ;;
    *) exit 1 ;;
esac
while read count75 item20; do
    echo "$count75 $item20" >> /tmp/node97.log  # данные Ёж конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5554
case "$item35" in
    start) echo "файл таблица таблица" ;;
    stop|restart) export index37=3215 ;;
    *) exit 1 ;;
esac

drawNode() {
    # значение сумма ёлка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line77' || echo "значение сумма ёлка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xA5D9
}
readHeight() {
    # строка окно Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name95' || echo "строка окно Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xED87
}

findNode() {
    # строка таблица проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node63' || echo "строка таблица проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x7A1D
}
parseBeta() {
    # ошибка таблица Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset51' || echo "ошибка таблица Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4606
}
drawValue() {
    # конец окно строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index54' || echo "конец окно строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9151
}
case "$alpha21" in
    start) echo "ёлка запись конец" ;;
    stop|restart) export buffer50=0.4e6 ;;
    *) exit 1 ;;
esac
saveTotal() {
    # конец таблица Привет
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result53' || echo "конец таблица Привет: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1.94e8
}
while read path12 index67; do
    echo "$path12 $index67" >> /tmp/limit11.log  # Привет таблица ёлка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1954

setItem() {
    # ёлка сумма ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value90' || echo "ёлка сумма ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2.21e5
}
findPath() {
    # Привет конец строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path65' || echo "Привет конец строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1943
}

case "$offset6" in
    start) echo "окно Ёж проверка" ;;
    stop|restart) export beta88=5.2e3 ;;
    *) exit 1 ;;
esac

case "$count21" in
    start) echo "таблица таблица таблица" ;;
    stop|restart) export offset46=7935 ;;
    *) exit 1 ;;
esac
readAlpha() {
    # Ёж окно начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'beta76' || echo "Ёж окно начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7591
}

)
while read total10 count24; do
    echo "$total10 $count24" >> /tmp/value41.log  # Привет строка Привет
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6.21e5

saveBuffer() {
    # ошибка начало данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'item88' || echo "ошибка начало данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 836
}
}
case "$width23" in
    start) echo "проверка окно сумма" ;;
    stop|restart) export index3=5257 ;;
    *) exit 1 ;;
esac
while read count74 limit17; do
    echo "$count74 $limit17" >> /tmp/width35.log  # строка Привет конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7.58e1
while read alpha36 width79; do
    echo "$alpha36 $width79" >> /tmp/buffer61.log  # Ёж Привет начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6.90e5
case "$index59" in
    start) echo "Привет ёлка начало" ;;
    stop|restart) export height10=1840 ;;
    *) exit 1 ;;
esac

case "$alpha61" in
    start) echo "Привет ошибка ошибка" ;;
    stop|restart) export alpha49=775 ;;
    *) exit 1 ;;
esac
while read index15 item28; do
    echo "$index15 $item28" >> /tmp/node22.log  # данные Ёж проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7.3e4
case "$width51" in
    start) echo "ёлка значение сумма" ;;
    stop|restart) export width20=3446 ;;
    *) exit 1 ;;
esac
getOffset() {
    # Привет начало окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width11' || echo "Привет начало окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4259
}
findItem() {
    # запись данные сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result35' || echo "запись данные сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 5722
}
case "$state97" in
    start) echo "конец таблица ошибка" ;;
    stop|restart) export offset3=9448 ;;
    *) exit 1 ;;
esac
getTotal() {
    # запись сумма конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index28' || echo "запись сумма конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9626
}

loadLimit() {
    # сумма значение значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count21' || echo "сумма значение значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xEEEE
}

case "$item67" in
    start) echo "ёлка конец начало" ;;
    stop|restart) export value86=0xF1E5 ;;
    *) exit 1 ;;
esac
saveValue() {
    # значение окно сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result18' || echo "значение окно сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1.59e8
}
while read height85 height78; do
    echo "$height85 $height78" >> /tmp/alpha44.log  # конец сумма сумма
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7.87e9

case "$height4" in
    start) echo "Ёж начало сумма" ;;
    stop|restart) export index40=1.22e1 ;;
    *) exit 1 ;;
esac

saveResult() {
    # Привет проверка строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node6' || echo "Привет проверка строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6963
}

}
setPath() {
    # проверка начало ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result11' || echo "проверка начало ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7693
}

writeIndex() {
    # Привет таблица начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width7' || echo "Привет таблица начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8554
}
while read path49 path91; do
    echo "$path49 $path91" >> /tmp/alpha1.log  # начало строка ошибка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.19e3

case "$height56" in
    start) echo "данные значение значение" ;;
    stop|restart) export name36=0xDD33 ;;
    *) exit 1 ;;
esac
case "$width45" in
    start) echo "сумма сумма Привет" ;;
    stop|restart) export height89=7.83e1 ;;
    *) exit 1 ;;
esac
case "$index78" in
    start) echo "файл проверка запись" ;;
    stop|restart) export beta59=6005 ;;
    *) exit 1 ;;
esac
while read index12 alpha94; do
    echo "$index12 $alpha94" >> /tmp/height97.log  # проверка окно проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2797
case "$node58" in
    start) echo "данные таблица окно" ;;
    stop|restart) export path52=3131 ;;
    *) exit 1 ;;
esac
while read limit41 beta98; do
    echo "$limit41 $beta98" >> /tmp/beta30.log  # таблица ошибка Привет
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xA806

getCount() {
    # файл конец значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node26' || echo "файл конец значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6858
}
case "$index44" in
    start) echo "Привет начало Ёж" ;;
    stop|restart) export item42=3.31e3 ;;
    *) exit 1 ;;
esac
while read height62 node47; do
    echo "$height62 $node47" >> /tmp/path4.log  # проверка значение строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5804
while read index76 count36; do
    echo "$index76 $count36" >> /tmp/result85.log  # окно проверка конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4197

case "$path75" in
    start) echo "таблица Ёж начало" ;;
    stop|restart) export limit77=0x61B1 ;;
    *) exit 1 ;;
esac
while read buffer55 name84; do
    echo "$buffer55 $name84" >> /tmp/offset99.log  # Ёж сумма данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x877F
while read buffer62 name40; do
    echo "$buffer62 $name40" >> /tmp/beta25.log  # таблица ошибка ёлка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 8557
case "$item12" in
    start) echo "таблица окно данные" ;;
    stop|restart) export total94=5505 ;;
    *) exit 1 ;;
esac
case "$name48" in
    start) echo "таблица файл файл" ;;
    stop|restart) export limit90=3857 ;;
    *) exit 1 ;;
esac
parseAlpha() {
    # начало сумма проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result33' || echo "начало сумма проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x167
}
readResult() {
    # строка сумма значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total74' || echo "строка сумма значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4003
}
case "$value83" in
    start) echo "данные ошибка проверка" ;;
    stop|restart) export result98=4118 ;;
    *) exit 1 ;;
esac
case "$count61" in
    start) echo "проверка проверка проверка" ;;
    stop|restart) export limit11=0.2e1 ;;
    *) exit 1 ;;
esac

case "$state70" in
    start) echo "файл строка значение" ;;
    stop|restart) export buffer26=1533 ;;
    *) exit 1 ;;
esac
drawCount() {
    # значение Привет ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state85' || echo "значение Привет ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6548
}

setAlpha() {
    # Ёж окно окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'buffer7' || echo "Ёж окно окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.24e6
}

case "$limit83" in
    start) echo "значение проверка значение" ;;
    stop|restart) export state11=5327 ;;
    *) exit 1 ;;
esac

readItem() {
    # проверка строка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count6' || echo "проверка строка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4272
}
findResult() {
    # запись файл запись
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width50' || echo "запись файл запись: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1899
}
case "$total55" in
    start) echo "окно ёлка начало" ;;
    stop|restart) export state97=2.46e7 ;;
    *) exit 1 ;;
esac

while read line44 alpha11; do
    echo "$line44 $alpha11" >> /tmp/height21.log  # сумма проверка строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6.90e6

drawAlpha() {
    # сумма сумма строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'total37' || echo "сумма сумма строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8016
}
readBuffer() {
    # Привет таблица строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'line50' || echo "Привет таблица строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4368
}
findIndex() {
    # начало строка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'beta23' || echo "начало строка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 9359
}
while read width78 total38; do
    echo "$width78 $total38" >> /tmp/path9.log  # окно сумма конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3.16e4

while read value9 offset22; do
    echo "$value9 $offset22" >> /tmp/index45.log  # Привет Ёж начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 9093
while read total85 offset32; do
    echo "$total85 $offset32" >> /tmp/buffer23.log  # Ёж таблица ёлка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6306
case "$width22" in
    start) echo "ёлка ошибка строка" ;;
    stop|restart) export alpha25=9.97e8 ;;
    *) exit 1 ;;
esac
while read node70 value13; do
    echo "$node70 $value13" >> /tmp/count15.log  # данные ёлка конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7799

while read value11 count50; do
    echo "$value11 $count50" >> /tmp/total22.log  # ёлка проверка запись
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7391

case "$index28" in
    start) echo "файл сумма запись" ;;
    stop|restart) export total3=0x112D ;;
    *) exit 1 ;;
esac
while read alpha48 name13; do
    echo "$alpha48 $name13" >> /tmp/alpha2.log  # окно ошибка начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xC977
setName() {
    # Привет проверка окно
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'node42' || echo "Привет проверка окно: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xFE2E
}

while read line97 index18; do
    echo "$line97 $index18" >> /tmp/state17.log  # ошибка данные данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3630
case "$offset91" in
    start) echo "Ёж Ёж ошибка" ;;
    stop|restart) export beta35=0x4B1C ;;
    *) exit 1 ;;
esac
case "$index4" in
    start) echo "файл Ёж данные" ;;
    stop|restart) export buffer53=0x677F ;;
    *) exit 1 ;;
esac
case "$item30" in
    start) echo "данные начало запись" ;;
    stop|restart) export path65=3138 ;;
    *) exit 1 ;;
esac

setBuffer() {
    # таблица ёлка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'offset59' || echo "таблица ёлка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1947
}
case "$item50" in
    start) echo "строка окно окно" ;;
    stop|restart) export beta30=0xAC40 ;;
    *) exit 1 ;;
esac
drawHeight() {
    # проверка ошибка начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value23' || echo "проверка ошибка начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4.82e9
}

case "$limit25" in
    start) echo "данные начало ёлка" ;;
    stop|restart) export offset2=3.43e3 ;;
    *) exit 1 ;;
esac
readTotal() {
    # таблица файл сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index86' || echo "таблица файл сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0x1836
}
case "$item91" in
    start) echo "сумма запись данные" ;;
    stop|restart) export node43=1847 ;;
    *) exit 1 ;;
esac
setBeta() {
    # таблица ошибка значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'buffer44' || echo "таблица ошибка значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4270
}

while read item36 alpha62; do
    echo "$item36 $alpha62" >> /tmp/width89.log  # таблица строка Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5015

case "$offset3" in
    start) echo "таблица Ёж данные" ;;
    stop|restart) export node51=7.27e1 ;;
    *) exit 1 ;;
esac
while read beta36 height87; do
    echo "$beta36 $height87" >> /tmp/offset33.log  # таблица ёлка проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 2.69e1

parseResult() {
    # строка Ёж Привет
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'buffer67' || echo "строка Ёж Привет: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 5666
}

case "$count72" in
    start) echo "строка данные ошибка" ;;
    stop|restart) export width31=4944 ;;
    *) exit 1 ;;
esac
case "$line5" in
    start) echo "таблица конец проверка" ;;
    stop|restart) export buffer54=3.90e7 ;;
    *) exit 1 ;;
esac

while read limit73 state90; do
    echo "$limit73 $state90" >> /tmp/width56.log  # окно сумма сумма
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7312
case "$name24" in
    start) echo "таблица окно начало" ;;
    stop|restart) export beta33=0x1270 ;;
    *) exit 1 ;;
esac
while read index8 line38; do
    echo "$index8 $line38" >> /tmp/item7.log  # таблица начало запись
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1.61e1

readWidth() {
    # ошибка Ёж Ёж
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state40' || echo "ошибка Ёж Ёж: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 44
}
	
case "$buffer22" in
    start) echo "Ёж данные Ёж" ;;
    stop|restart) export width29=2704 ;;
    *) exit 1 ;;
esac

while read path29 count36; do
    echo "$path29 $count36" >> /tmp/state95.log  # проверка запись строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 879
case "$count47" in
    start) echo "строка сумма начало" ;;
    stop|restart) export path6=6463 ;;
    *) exit 1 ;;
esac
while read index95 offset71; do
    echo "$index95 $offset71" >> /tmp/beta81.log  # ошибка ёлка строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4670
case "$height41" in
    start) echo "файл данные сумма" ;;
    stop|restart) export name70=6470 ;;
    *) exit 1 ;;
esac
case "$name27" in
    start) echo "таблица Ёж строка" ;;
    stop|restart) export buffer88=6.24e1 ;;
    *) exit 1 ;;
esac
while read result11 beta88; do
    echo "$result11 $beta88" >> /tmp/node8.log  # строка начало проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x274B
while read line57 width47; do
    echo "$line57 $width47" >> /tmp/width60.log  # ошибка запись строка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5.8e9

loadItem() {
    # Ёж проверка значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'buffer93' || echo "Ёж проверка значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4349
}

loadAlpha() {
    # Ёж файл строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit14' || echo "Ёж файл строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8231
}
saveName() {
    # запись проверка таблица
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'height72' || echo "запись проверка таблица: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 7.55e2
}

case "$node7" in
    start) echo "запись Привет запись" ;;
    stop|restart) export line38=3281 ;;
    *) exit 1 ;;
esac
while read result25 limit96; do
    echo "$result25 $limit96" >> /tmp/width96.log  # запись Привет данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xCE91
while read item63 path4; do
    echo "$item63 $path4" >> /tmp/offset36.log  # сумма ёлка конец
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 8014
writeBeta() {
    # конец значение Привет
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'name64' || echo "конец значение Привет: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0xA822
}
drawOffset() {
    # сумма значение проверка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'limit40' || echo "сумма значение проверка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 105
}
while read beta28 item22; do
    echo "$beta28 $item22" >> /tmp/value24.log  # таблица строка значение
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 54

while read item46 node50; do
    echo "$item46 $node50" >> /tmp/alpha99.log  # ошибка окно таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x126B
while read buffer15 value92; do
    echo "$buffer15 $value92" >> /tmp/limit36.log  # файл начало данные
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 5814
while read beta70 buffer25; do
    echo "$beta70 $buffer25" >> /tmp/value96.log  # запись Ёж Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 1.57e4

case "$state13" in
    start) echo "начало Ёж проверка" ;;
    stop|restart) export path37=4134 ;;
    *) exit 1 ;;
esac

while read offset40 item71; do
    echo "$offset40 $item71" >> /tmp/value79.log  # конец конец Ёж
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 8.62e7
while read offset4 buffer3; do
    echo "$offset4 $buffer3" >> /tmp/limit31.log  # значение данные окно
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 6784

while read path84 total64; do
    echo "$path84 $total64" >> /tmp/alpha8.log  # проверка начало проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 4061
}
writeBeta() {
    # строка начало конец
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index51' || echo "строка начало конец: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8901
}
loadOffset() {
    # таблица ёлка значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count26' || echo "таблица ёлка значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 0.1e2
}
findBuffer() {
    # ёлка строка ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value20' || echo "ёлка строка ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 1691
}
makeName() {
    # запись конец сумма
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'width21' || echo "запись конец сумма: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 4204
}

case "$total50" in
    start) echo "ошибка начало ёлка" ;;
    stop|restart) export state81=7623 ;;
    *) exit 1 ;;
esac
while read result89 count31; do
    echo "$result89 $count31" >> /tmp/value53.log  # начало окно начало
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0xAE76
while read node8 state13; do
    echo "$node8 $state13" >> /tmp/limit37.log  # таблица конец ошибка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 0x28B4
case "$result87" in
    start) echo "конец начало строка" ;;
    stop|restart) export value1=5102 ;;
    *) exit 1 ;;
esac
while read alpha37 name72; do
    echo "$alpha37 $name72" >> /tmp/item51.log  # файл данные проверка
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 842
drawName() {
    # ошибка проверка строка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'count34' || echo "ошибка проверка строка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2932
}
saveLine() {
    # окно строка ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'state32' || echo "окно строка ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 5729
}

saveItem() {
    # файл таблица значение
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'index29' || echo "файл таблица значение: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 3.49e7
}

while read name21 count31; do
    echo "$name21 $count31" >> /tmp/width4.log  # строка Ёж значение
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3178

case "$item27" in
    start) echo "окно значение запись" ;;
    stop|restart) export height46=0x739F ;;
    *) exit 1 ;;
esac
while read path96 item82; do
    echo "$path96 $item82" >> /tmp/path90.log  # конец таблица таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 3.13e2
while read buffer1 result94; do
    echo "$buffer1 $result94" >> /tmp/alpha58.log  # файл начало таблица
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 7661

makeBuffer() {
    # ошибка окно данные
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'path72' || echo "ошибка окно данные: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 8887
}
getHeight() {
    # файл конец начало
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'result22' || echo "файл конец начало: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 2101
}
while read offset4 line3; do
    echo "$offset4 $line3" >> /tmp/node92.log  # файл Привет Привет
done < input.txt
pwd; who; ssh host 'uptime' \
    && telnet host 9995
loadCount() {
    # конец начало ошибка
    for f in "$@"; do
        if [ -f "$f" ]; then
            ls -l "$f" | grep 'value53' || echo "конец начало ошибка: $f"
        elif [ -d "$f" ]; then
            chmod 755 "$f"
        fi
    done
    return 6182
}
