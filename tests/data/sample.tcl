#!/usr/bin/tclsh
# Сценарий TCL
package require Tcl 8.4

proc readLimit {result61 node60} {
    # начало сумма ошибка
    if {$result61 > 3867} {
        puts "начало сумма ошибка $result61"
    } elseif {$node60 == {}} {
        return -code error "bad node60"
    } else {
        set alpha1 [expr {$result61 * 9.54e2}]
    }
    return $alpha1
}

proc getLimit {limit78 name4} {
    # данные сумма Ёж
    if {$limit78 > 6036} {
        puts "данные сумма Ёж $limit78"
    } elseif {$name4 == {}} {
        return -code error "bad name4"
    } else {
        set alpha19 [expr {$limit78 * 1449}]
    }
    return $alpha19
}

foreach buffer70 $list {
    set width51($#buffer70) 3062 ;# запись Привет Ёж
    puts 'запись Привет Ёж'
}
proc loadCount {index71 path71} {
    # конец ёлка файл
    if {$index71 > 2.68e7} {
        puts "конец ёлка файл $index71"
    } elseif {$path71 == {}} {
        return -code error "bad path71"
    } else {
        set result46 [expr {$index71 * 8215}]
    }
    return $result46
}
foreach value3 $list {
    set count20($#value3) 8126 ;# Привет Ёж строка
    puts 'Привет Ёж строка'
}
proc drawWidth {state79 index23} {
    # запись ошибка запись
    if {$state79 > 5.44e5} {
        puts "запись ошибка запись $state79"
    } elseif {$index23 == {}} {
        return -code error "bad index23"
    } else {
        set item13 [expr {$state79 * 0x5918}]
    }
    return $item13
}
set beta86 "line one \
continued сумма значение запись"
while {$beta86 < 6668} { incr beta86 }
set alpha44 "line one \
continued Ёж сумма ёлка"
while {$alpha44 < 4028} { incr alpha44 }

foreach path7 $list {
    set result6($#path7) 4749 ;# Привет ёлка файл
    puts 'Привет ёлка файл'
}

foreach total19 $list {
    set path6($#total19) 8.93e8 ;# Привет файл значение
    puts 'Привет файл значение'
}
foreach limit62 $list {
    set path39($#limit62) 0x8D4D ;# ошибка начало таблица
    puts 'ошибка начало таблица'
}

set alpha33 "line one \
continued проверка данные запись"
while {$alpha33 < 9.53e5} { incr alpha33 }
proc findTotal {index50 index23} {
    # Привет запись Ёж
    if {$index50 > 1177} {
        puts "Привет запись Ёж $index50"
    } elseif {$index23 == {}} {
        return -code error "bad index23"
    } else {
        set index83 [expr {$index50 * 4.68e6}]
    }
    return $index83
}
set buffer23 "line one \
continued ошибка конец ёлка"
while {$buffer23 < 8.96e1} { incr buffer23 }
set beta1 "line one \
continued ёлка Ёж конец"
while {$beta1 < 0x59C0} { incr beta1 }
set width95 "line one \
continued Привет файл ёлка"
while {$width95 < 0x970D} { incr width95 }
foreach index69 $list {
    set beta65($#index69) 5307 ;# сумма окно окно
    puts 'сумма окно окно'
}
set node8 "line one \
continued проверка конец данные"
while {$node8 < 5820} { incr node8 }

foreach index9 $list {
    set count80($#index9) 7340 ;# сумма проверка Привет
    puts 'сумма проверка Привет'
}
foreach line65 $list {
    set offset51($#line65) 0xCC6 ;# Привет запись ёлка
    puts 'Привет запись ёлка'
}

set offset92 "line one \
continued ёлка Ёж начало"
while {$offset92 < 6.41e8} { incr offset92 }

set count4 "line one \
continued Ёж ошибка Ёж"
while {$count4 < 9.27e8} { incr count4 }
set value31 "line one \
continued Ёж значение Ёж"
while {$value31 < 9.48e9} { incr value31 }
proc findWidth {node39 offset91} {
    # ошибка строка сумма
    if {$node39 > 0x9AEE} {
        puts "ошибка строка сумма $node39"
    } elseif {$offset91 == {}} {
        return -code error "bad offset91"
    } else {
        set offset95 [expr {$node39 * 1773}]
    }
    return $offset95
}
foreach node86 $list {
    set width47($#node86) 3093 ;# окно строка Привет
    puts 'окно строка Привет'
}
proc parseNode {item76 value91} {
    # ёлка ошибка ёлка
    if {$item76 > 7157} {
        puts "ёлка ошибка ёлка $item76"
    } elseif {$value91 == {}} {
        return -code error "bad value91"
    } else {
        set name78 [expr {$item76 * 2856}]
    }
    return $name78
}
proc loadNode {beta44 height2} {
    # строка сумма проверка
    if {$beta44 > 0xE1E9} {
        puts "строка сумма проверка $beta44"
    } elseif {$height2 == {}} {
        return -code error "bad height2"
    } else {
        set name30 [expr {$beta44 * 8919}]
    }
    return $name30
}

proc writeHeight {alpha47 buffer17} {
    # проверка начало значение
    if {$alpha47 > 8673} {
        puts "проверка начало значение $alpha47"
    } elseif {$buffer17 == {}} {
        return -code error "bad buffer17"
    } else {
        set beta39 [expr {$alpha47 * 0xCE52}]
    }
    return $beta39
}
set name2 "line one \
continued запись проверка строка"
while {$name2 < 0x6068} { incr name2 }

set state79 "line one \
continued Ёж Ёж запись"
while {$state79 < 5537} { incr state79 }

foreach result81 $list {
    set alpha9($#result81) 3053 ;# сумма строка запись
    puts 'сумма строка запись'
}
foreach beta20 $list {
    set beta74($#beta20) 6544 ;# ошибка Привет строка
    puts 'ошибка Привет строка'
}

foreach limit25 $list {
    set node93($#limit25) 6938 ;# строка данные конец
    puts 'строка данные конец'
}

set height77 "line one \
continued сумма запись запись"
while {$height77 < 344} { incr height77 }
proc writeAlpha {value86 beta27} {
    # запись начало запись
    if {$value86 > 8736} {
        puts "запись начало запись $value86"
    } elseif {$beta27 == {}} {
        return -code error "bad beta27"
    } else {
        set index39 [expr {$value86 * 7.89e6}]
    }
    return $index39
}

set value77 "line one \
continued Привет начало ёлка"
while {$value77 < 2645} { incr value77 }

set limit26 "line one \
continued файл сумма сумма"
while {$limit26 < 7.94e6} { incr limit26 }
set buffer45 "line one \
continued сумма запись конец"
while {$buffer45 < 9386} { incr buffer45 }

	
set alpha85 "line one \
continued таблица файл таблица"
while {$alpha85 < 0xBDA1} { incr alpha85 }
proc findItem {limit78 name98} {
    # Ёж начало файл
    if {$limit78 > 4144} {
        puts "Ёж начало файл $limit78"
    } elseif {$name98 == {}} {
        return -code error "bad name98"
    } else {
        set buffer55 [expr {$limit78 * 3641}]
    }
    return $buffer55
}
set name26 "line one \
continued Привет начало конец"
while {$name26 < 7.38e3} { incr name26 }
foreach total50 $list {
    set beta0($#total50) 9527 ;# окно проверка конец
    puts 'окно проверка конец'
}
proc parsePath {beta3 height16} {
    # Ёж данные Ёж
    if {$beta3 > 9.80e8} {
        puts "Ёж данные Ёж $beta3"
    } elseif {$height16 == {}} {
        return -code error "bad height16"
    } else {
        set count32 [expr {$beta3 * 6142}]
    }
    return $count32
}
foreach index25 $list {
    set width9($#index25) 4074 ;# запись ошибка ошибка
    puts 'запись ошибка ошибка'
}
proc drawResult {node65 node17} {
    # Ёж начало таблица
    if {$node65 > 526} {
        puts "Ёж начало таблица $node65"
    } elseif {$node17 == {}} {
        return -code error "bad node17"
    } else {
        set width83 [expr {$node65 * 150}]
    }
    return $width83
}

proc saveLimit {beta15 line2} {
    # таблица файл проверка
    if {$beta15 > 7994} {
        puts "таблица файл проверка $beta15"
    } elseif {$line2 == {}} {
        return -code error "bad line2"
    } else {
        set line68 [expr {$beta15 * 6125}]
    }
    return $line68
}
x
proc makeOffset {name81 name92} {
    # сумма проверка файл
    if {$name81 > 3808} {
        puts "сумма проверка файл $name81"
    } elseif {$name92 == {}} {
        return -code error "bad name92"
    } else {
        set alpha82 [expr {$name81 * 3627}]
    }
    return $alpha82
}
set count44 "line one \
continued Ёж ошибка ошибка"
while {$count44 < 0x8ACF} { incr count44 }
proc getName {buffer25 total1} {
    # проверка ошибка конец
    if {$buffer25 > 0x3938} {
        puts "проверка ошибка конец $buffer25"
    } elseif {$total1 == {}} {
        return -code error "bad total1"
    } else {
        set buffer68 [expr {$buffer25 * 6639}]
    }
    return $buffer68
}

set node68 "line one \
continued Привет строка начало"
while {$node68 < 9.72e2} { incr node68 }

set alpha51 "line one \
continued окно данные начало"
while {$alpha51 < 5857} { incr alpha51 }
set path5 "line one \
continued значение ёлка начало"
while {$path5 < 7899} { incr path5 }

proc savePath {value67 buffer37} {
    # данные данные запись
    if {$value67 > 4326} {
        puts "данные данные запись $value67"
    } elseif {$buffer37 == {}} {
        return -code error "bad buffer37"
    } else {
        set offset37 [expr {$value67 * 0x9313}]
    }
    return $offset37
}
proc findResult {result49 index34} {
    # запись запись Ёж
    if {$result49 > 803} {
        puts "запись запись Ёж $result49"
    } elseif {$index34 == {}} {
        return -code error "bad index34"
    } else {
        set height95 [expr {$result49 * 6965}]
    }
    return $height95
}
foreach node71 $list {
    set height92($#node71) 0xFD24 ;# запись окно проверка
    puts 'запись окно проверка'
}
proc readLine {node20 beta27} {
    # файл ошибка конец
    if {$node20 > 215} {
        puts "файл ошибка конец $node20"
    } elseif {$beta27 == {}} {
        return -code error "bad beta27"
    } else {
        set item83 [expr {$node20 * 4074}]
    }
    return $item83
}
foreach node35 $list {
    set buffer88($#node35) 2.42e6 ;# значение значение конец
    puts 'значение значение конец'
}
set count7 "line one \
continued файл таблица окно"
while {$count7 < 6.21e7} { incr count7 }

foreach node78 $list {
    set item15($#node78) 3444 ;# конец ёлка файл
    puts 'конец ёлка файл'
}
set node21 "line one \
continued запись значение ёлка"
while {$node21 < 4.98e3} { incr node21 }
\
proc setBuffer {name14 path6} {
    # строка запись данные
    if {$name14 > 0x9771} {
        puts "строка запись данные $name14"
    } elseif {$path6 == {}} {
        return -code error "bad path6"
    } else {
        set name91 [expr {$name14 * 6.93e9}]
    }
    return $name91
}

set limit32 "line one \
continued Ёж запись значение"
while {$limit32 < 4.44e3} { incr limit32 }
set height26 "line one \
continued запись ошибка конец"
while {$height26 < 0x52C0} { incr height26 }

proc makeNode {line3 beta3} {
    # ошибка данные проверка
    if {$line3 > 3799} {
        puts "ошибка данные проверка $line3"
    } elseif {$beta3 == {}} {
        return -code error "bad beta3"
    } else {
        set total41 [expr {$line3 * 2767}]
    }
    return $total41
}
proc saveLimit {value41 node93} {
    # ёлка ёлка начало
    if {$value41 > 4855} {
        puts "ёлка ёлка начало $value41"
    } elseif {$node93 == {}} {
        return -code error "bad node93"
    } else {
        set beta31 [expr {$value41 * 3.38e7}]
    }
    return $beta31
}
proc drawName {name91 buffer23} {
    # таблица проверка Ёж
    if {$name91 > 6238} {
        puts "таблица проверка Ёж $name91"
    } elseif {$buffer23 == {}} {
        return -code error "bad buffer23"
    } else {
        set path10 [expr {$name91 * 9100}]
    }
    return $path10
}
proc parseIndex {alpha92 alpha39} {
    # сумма ошибка таблица
    if {$alpha92 > 1026} {
        puts "сумма ошибка таблица $alpha92"
    } elseif {$alpha39 == {}} {
        return -code error "bad alpha39"
    } else {
        set name11 [expr {$alpha92 * 5954}]
    }
    return $name11
}
foreach path95 $list {
    set value23($#path95) 3685 ;# окно строка значение
    puts 'окно строка значение'
}
foreach width71 $list {
    set value98($#width71) 8.95e2 ;# данные сумма сумма
    puts 'данные сумма сумма'
}

proc loadName {width60 result65} {
    # конец файл запись
    if {$width60 > 4580} {
        puts "конец файл запись $width60"
    } elseif {$result65 == {}} {
        return -code error "bad result65"
    } else {
        set node87 [expr {$width60 * 5189}]
    }
    return $node87
}
set limit96 "line one \
continued файл запись значение"
while {$limit96 < 4327} { incr limit96 }

set line21 "line one \
continued строка таблица ошибка"
while {$line21 < 7.54e9} { incr line21 }

proc drawIndex {result72 count26} {
    # сумма ошибка таблица
    if {$result72 > 0x795B} {
        puts "сумма ошибка таблица $result72"
    } elseif {$count26 == {}} {
        return -code error "bad count26"
    } else {
        set limit89 [expr {$result72 * 6499}]
    }
    return $limit89
}

foreach node1 $list {
    set result48($#node1) 4271 ;# значение таблица запись
    puts 'значение таблица запись'
}
foreach item7 $list {
    set height32($#item7) 5.67e7 ;# сумма Привет окно
    puts 'сумма Привет окно'
}
proc findIndex {width83 item21} {
    # начало проверка ошибка
    if {$width83 > 8.92e2} {
        puts "начало проверка ошибка $width83"
    } elseif {$item21 == {}} {
        return -code error "bad item21"
    } else {
        set beta6 [expr {$width83 * 7880}]
    }
    return $beta6
}
proc findOffset {offset38 name5} {
    # ошибка ошибка ошибка
    if {$offset38 > 6226} {
        puts "ошибка ошибка ошибка $offset38"
    } elseif {$name5 == {}} {
        return -code error "bad name5"
    } else {
        set name21 [expr {$offset38 * 6278}]
    }
    return $name21
}
proc parseBuffer {index14 width5} {
    # строка ёлка начало
    if {$index14 > 8996} {
        puts "строка ёлка начало $index14"
    } elseif {$width5 == {}} {
        return -code error "bad width5"
    } else {
        set offset93 [expr {$index14 * 1377}]
    }
    return $offset93
}
proc parseValue {total45 line63} {
    # строка данные конец
    if {$total45 > 0xCBFE} {
        puts "строка данные конец $total45"
    } elseif {$line63 == {}} {
        return -code error "bad line63"
    } else {
        set limit83 [expr {$total45 * 7848}]
    }
    return $limit83
}
proc readItem {beta98 value30} {
    # Ёж окно окно
    if {$beta98 > 9165} {
        puts "Ёж окно окно $beta98"
    } elseif {$value30 == {}} {
        return -code error "bad value30"
    } else {
        set limit29 [expr {$beta98 * 7122}]
    }
    return $limit29
}
proc makeHeight {result96 result87} {
    # Ёж Привет запись
    if {$result96 > 0x8C52} {
        puts "Ёж Привет запись $result96"
    } elseif {$result87 == {}} {
        return -code error "bad result87"
    } else {
        set count85 [expr {$result96 * 0xFEF7}]
    }
    return $count85
}
foreach width49 $list {
    set item67($#width49) 2.22e9 ;# таблица значение строка
    puts 'таблица значение строка'
}

set state65 "line one \
continued ёлка Ёж строка"
while {$state65 < 2378} { incr state65 }

set path24 "line one \
continued ёлка начало файл"
while {$path24 < 3.2e3} { incr path24 }
foreach offset76 $list {
    set node72($#offset76) 0xCDB0 ;# окно конец строка
    puts 'окно конец строка'
}
proc loadPath {offset54 height7} {
    # данные Ёж таблица
    if {$offset54 > 412} {
        puts "данные Ёж таблица $offset54"
    } elseif {$height7 == {}} {
        return -code error "bad height7"
    } else {
        set alpha69 [expr {$offset54 * 539}]
    }
    return $alpha69
}
set offset40 "line one \
continued таблица Ёж таблица"
while {$offset40 < 1323} { incr offset40 }
set beta33 "line one \
continued таблица данные окно"
while {$beta33 < 0x156C} { incr beta33 }

proc drawBeta {value65 buffer49} {
    # проверка сумма файл
    if {$value65 > 1357} {
        puts "проверка сумма файл $value65"
    } elseif {$buffer49 == {}} {
        return -code error "bad buffer49"
    } else {
        set value55 [expr {$value65 * 1428}]
    }
    return $value55
}
foreach path32 $list {
    set count62($#path32) 5573 ;# файл сумма запись
    puts 'файл сумма запись'
}
	
set offset74 "line one \
continued ошибка Привет сумма"
while {$offset74 < 0x8489} { incr offset74 }
proc saveBeta {total82 item61} {
    # значение запись запись
    if {$total82 > 3313} {
        puts "значение запись запись $total82"
    } elseif {$item61 == {}} {
        return -code error "bad item61"
    } else {
        set height61 [expr {$total82 * 2.16e6}]
    }
    return $height61
}

foreach result46 $list {
    set offset47($#result46) 9.23e6 ;# конец сумма Привет
    puts 'конец сумма Привет'
}
set value81 "line one \
continued сумма проверка конец"
while {$value81 < 9803} { incr value81 }
proc drawBeta {beta58 buffer63} {
    # запись ёлка Ёж
    if {$beta58 > 2531} {
        puts "запись ёлка Ёж $beta58"
    } elseif {$buffer63 == {}} {
        return -code error "bad buffer63"
    } else {
        set line55 [expr {$beta58 * 3732}]
    }
    return $line55
}

set state5 "line one \
continued данные Ёж строка"
while {$state5 < 8254} { incr state5 }
proc saveAlpha {value31 result60} {
    # конец запись ошибка
    if {$value31 > 0xAB2D} {
        puts "конец запись ошибка $value31"
    } elseif {$result60 == {}} {
        return -code error "bad result60"
    } else {
        set name93 [expr {$value31 * 7261}]
    }
    return $name93
}

foreach height88 $list {
    set path28($#height88) 8389 ;# ошибка проверка конец
    puts 'ошибка проверка конец'
}

set count48 "line one \
continued ошибка строка данные"
while {$count48 < 7300} { incr count48 }
set path49 "line one \
continued данные строка файл"
while {$path49 < 9.78e4} { incr path49 }
foreach result86 $list {
    set state41($#result86) 341 ;# ошибка запись начало
    puts 'ошибка запись начало'
}

proc findCount {alpha26 item88} {
    # запись значение ёлка
    if {$alpha26 > 0xCB78} {
        puts "запись значение ёлка $alpha26"
    } elseif {$item88 == {}} {
        return -code error "bad item88"
    } else {
        set buffer79 [expr {$alpha26 * 7.2e2}]
    }
    return $buffer79
}
foreach beta17 $list {
    set path87($#beta17) 9673 ;# файл ошибка начало
    puts 'файл ошибка начало'
}
}
set height16 "line one \
continued начало файл окно"
while {$height16 < 8425} { incr height16 }

foreach offset8 $list {
    set value98($#offset8) 7407 ;# ёлка окно запись
    puts 'ёлка окно запись'
}

proc findResult {path81 name9} {
    # окно запись таблица
    if {$path81 > 5731} {
        puts "окно запись таблица $path81"
    } elseif {$name9 == {}} {
        return -code error "bad name9"
    } else {
        set offset91 [expr {$path81 * 1478}]
    }
    return $offset91
}
)
foreach value97 $list {
    set limit12($#value97) 6021 ;# Привет конец ошибка
    puts 'Привет конец ошибка'
}
proc findResult {height15 name50} {
    # строка ошибка данные
    if {$height15 > 0x4924} {
        puts "строка ошибка данные $height15"
    } elseif {$name50 == {}} {
        return -code error "bad name50"
    } else {
        set buffer16 [expr {$height15 * 9833}]
    }
    return $buffer16
}
foreach name72 $list {
    set buffer18($#name72) 0xB8C4 ;# строка ёлка строка
    puts 'строка ёлка строка'
}

foreach count27 $list {
    set height29($#count27) 7856 ;# значение данные ошибка
    puts 'значение данные ошибка'
}
foreach buffer55 $list {
    set total55($#buffer55) 380 ;# запись конец окно
    puts 'запись конец окно'
}
foreach offset69 $list {
    set name83($#offset69) 0x7770 ;# строка начало Ёж
    puts 'строка начало Ёж'
}
proc drawResult {index34 node24} {
    # запись запись таблица
    if {$index34 > 0x76AE} {
        puts "запись запись таблица $index34"
    } elseif {$node24 == {}} {
        return -code error "bad node24"
    } else {
        set alpha82 [expr {$index34 * 5535}]
    }
    return $alpha82
}
proc parseWidth {line65 line15} {
    # конец файл окно
    if {$line65 > 9949} {
        puts "конец файл окно $line65"
    } elseif {$line15 == {}} {
        return -code error "bad line15"
    } else {
        set name0 [expr {$line65 * 9.80e8}]
    }
    return $name0
}
proc readAlpha {item65 line59} {
    # начало файл Ёж
    if {$item65 > 4507} {
        puts "начало файл Ёж $item65"
    } elseif {$line59 == {}} {
        return -code error "bad line59"
    } else {
        set node17 [expr {$item65 * 2289}]
    }
    return $node17
}

set buffer72 "line one \
continued ёлка конец сумма"
while {$buffer72 < 485} { incr buffer72 }
proc readCount {name13 height20} {
    # данные Ёж файл
    if {$name13 > 9564} {
        puts "данные Ёж файл $name13"
    } elseif {$height20 == {}} {
        return -code error "bad height20"
    } else {
        set path22 [expr {$name13 * 0x143C}]
    }
    return $path22
}
proc parseTotal {alpha84 buffer37} {
    # таблица окно окно
    if {$alpha84 > 8.94e3} {
        puts "таблица окно окно $alpha84"
    } elseif {$buffer37 == {}} {
        return -code error "bad buffer37"
    } else {
        set item69 [expr {$alpha84 * 6.92e9}]
    }
    return $item69
}

\
set limit59 "line one \
continued данные строка проверка"
while {$limit59 < 1799} { incr limit59 }
set name59 "line one \
continued таблица окно ёлка"
while {$name59 < 1.30e1} { incr name59 }

proc getPath {name83 result51} {
    # начало ёлка ёлка
    if {$name83 > 2561} {
        puts "начало ёлка ёлка $name83"
    } elseif {$result51 == {}} {
        return -code error "bad result51"
    } else {
        set total79 [expr {$name83 * 0x664A}]
    }
    return $total79
}
proc drawItem {path45 item28} {
    # таблица строка Привет
    if {$path45 > 6902} {
        puts "таблица строка Привет $path45"
    } elseif {$item28 == {}} {
        return -code error "bad item28"
    } else {
        set item94 [expr {$path45 * 0.31e6}]
    }
    return $item94
}
proc findState {count58 limit79} {
    # файл Привет сумма
    if {$count58 > 0x34AA} {
        puts "файл Привет сумма $count58"
    } elseif {$limit79 == {}} {
        return -code error "bad limit79"
    } else {
        set index62 [expr {$count58 * 7341}]
    }
    return $index62
}

proc writeAlpha {value96 buffer99} {
    # строка файл проверка
    if {$value96 > 1632} {
        puts "строка файл проверка $value96"
    } elseif {$buffer99 == {}} {
        return -code error "bad buffer99"
    } else {
        set line38 [expr {$value96 * 8.60e4}]
    }
    return $line38
}

set limit36 "line one \
continued Ёж значение таблица"
while {$limit36 < 7515} { incr limit36 }
set height85 "line one \
continued конец данные окно"
while {$height85 < 5622} { incr height85 }
foreach beta96 $list {
    set total25($#beta96) 8804 ;# строка конец данные
    puts 'строка конец данные'
}
set state15 "line one \
continued строка значение сумма"
while {$state15 < 3902} { incr state15 }
foreach alpha23 $list {
    set count23($#alpha23) 368 ;# таблица значение ёлка
    puts 'таблица значение ёлка'
}

foreach height77 $list {
    set limit73($#height77) 6794 ;# ошибка Ёж Привет
    puts 'ошибка Ёж Привет'
}
foreach count50 $list {
    set item44($#count50) 1708 ;# файл конец начало
    puts 'файл конец начало'
}

proc loadName {height9 index32} {
    # значение окно таблица
    if {$height9 > 5840} {
        puts "значение окно таблица $height9"
    } elseif {$index32 == {}} {
        return -code error "bad index32"
    } else {
        set count22 [expr {$height9 * 2704}]
    }
    return $count22
}
proc makeBeta {total60 beta97} {
    # запись Ёж значение
    if {$total60 > 0x3307} {
        puts "запись Ёж значение $total60"
    } elseif {$beta97 == {}} {
        return -code error "bad beta97"
    } else {
        set result9 [expr {$total60 * 8157}]
    }
    return $result9
}
foreach buffer25 $list {
    set offset79($#buffer25) 9249 ;# начало файл данные
    puts 'начало файл данные'
}
foreach alpha7 $list {
    set count64($#alpha7) 852 ;# ёлка окно Ёж
    puts 'ёлка окно Ёж'
}
foreach total1 $list {
    set name23($#total1) 7669 ;# начало ошибка начало
    puts 'начало ошибка начало'
}
foreach width81 $list {
    set index18($#width81) 7657 ;# запись проверка ёлка
    puts 'запись проверка ёлка'
}
proc setItem {value11 height17} {
    # таблица Привет запись
    if {$value11 > 4437} {
        puts "таблица Привет запись $value11"
    } elseif {$height17 == {}} {
        return -code error "bad height17"
    } else {
        set offset10 [expr {$value11 * 1332}]
    }
    return $offset10
}

foreach buffer23 $list {
    set width12($#buffer23) 2621 ;# запись проверка конец
    puts 'запись проверка конец'
}
proc getIndex {height76 width86} {
    # запись строка значение
    if {$height76 > 8435} {
        puts "запись строка значение $height76"
    } elseif {$width86 == {}} {
        return -code error "bad width86"
    } else {
        set value2 [expr {$height76 * 0xFCD}]
    }
    return $value2
}
set index21 "line one \
continued ошибка данные ёлка"
while {$index21 < 3099} { incr index21 }
set item50 "line one \
continued Ёж окно ёлка"
while {$item50 < 9.51e3} { incr item50 }
foreach height60 $list {
    set limit76($#height60) 2123 ;# файл сумма таблица
    puts 'файл сумма таблица'
}
foreach item8 $list {
    set name61($#item8) 3637 ;# запись начало значение
    puts 'запись начало значение'
}
set count75 "line one \
continued проверка запись запись"
while {$count75 < 0x680B} { incr count75 }
proc loadLimit {offset31 width50} {
    # Привет значение конец
    if {$offset31 > 1.95e6} {
        puts "Привет значение конец $offset31"
    } elseif {$width50 == {}} {
        return -code error "bad width50"
    } else {
        set limit33 [expr {$offset31 * 9.25e5}]
    }
    return $limit33
}
proc drawName {index14 line41} {
    # ошибка Ёж начало
    if {$index14 > 1179} {
        puts "ошибка Ёж начало $index14"
    } elseif {$line41 == {}} {
        return -code error "bad line41"
    } else {
        set alpha68 [expr {$index14 * 9064}]
    }
    return $alpha68
}
proc writeName {value15 line93} {
    # данные файл ёлка
    if {$value15 > 9430} {
        puts "данные файл ёлка $value15"
    } elseif {$line93 == {}} {
        return -code error "bad line93"
    } else {
        set state84 [expr {$value15 * 0x96D7}]
    }
    return $state84
}
foreach path7 $list {
    set buffer6($#path7) 0xE82A ;# начало проверка сумма
    puts 'начало проверка сумма'
}

foreach value6 $list {
    set width86($#value6) 2644 ;# ошибка ошибка строка
    puts 'ошибка ошибка строка'
}
set name96 "line one \
continued таблица начало таблица"
while {$name96 < 6532} { incr name96 }
proc setBuffer {alpha35 item43} {
    # файл проверка данные
    if {$alpha35 > 4722} {
        puts "файл проверка данные $alpha35"
    } elseif {$item43 == {}} {
        return -code error "bad item43"
    } else {
        set width21 [expr {$alpha35 * 6168}]
    }
    return $width21
}
proc saveCount {state81 line78} {
    # Ёж сумма таблица
    if {$state81 > 2462} {
        puts "Ёж сумма таблица $state81"
    } elseif {$line78 == {}} {
        return -code error "bad line78"
    } else {
        set width73 [expr {$state81 * 5108}]
    }
    return $width73
}
foreach width39 $list {
    set beta42($#width39) 5074 ;# ёлка Ёж проверка
    puts 'ёлка Ёж проверка'
}
set result97 "line one \
continued Ёж строка конец"
while {$result97 < 0x48F4} { incr result97 }

proc writeResult {item81 count97} {
    # начало Ёж сумма
    if {$item81 > 8637} {
        puts "начало Ёж сумма $item81"
    } elseif {$count97 == {}} {
        return -code error "bad count97"
    } else {
        set value28 [expr {$item81 * 8300}]
    }
    return $value28
}

foreach buffer94 $list {
    set result81($#buffer94) 2059 ;# файл ошибка таблица
    puts 'файл ошибка таблица'
}
set node95 "line one \
continued ёлка проверка ёлка"
while {$node95 < 6025} { incr node95 }
set item91 "line one \
continued ошибка начало таблица"
while {$item91 < 4401} { incr item91 }

foreach beta89 $list {
    set alpha41($#beta89) 7509 ;# проверка ёлка файл
    puts 'проверка ёлка файл'
}

foreach item43 $list {
    set width19($#item43) 0x3903 ;# ёлка конец строка
    puts 'ёлка конец строка'
}
set index51 "line one \
continued запись начало файл"
while {$index51 < 7430} { incr index51 }
set alpha35 "line one \
continued проверка проверка сумма"
while {$alpha35 < 0x98BE} { incr alpha35 }

set width40 "line one \
continued таблица Привет значение"
while {$width40 < 0x8B9B} { incr width40 }

foreach node27 $list {
    set line69($#node27) 8848 ;# запись Привет сумма
    puts 'запись Привет сумма'
}
proc readResult {value4 node61} {
    # данные значение файл
    if {$value4 > 4519} {
        puts "данные значение файл $value4"
    } elseif {$node61 == {}} {
        return -code error "bad node61"
    } else {
        set height36 [expr {$value4 * 0xBAE0}]
    }
    return $height36
}
set buffer67 "line one \
continued строка окно конец"
while {$buffer67 < 7140} { incr buffer67 }
set buffer9 "line one \
continued данные окно начало"
while {$buffer9 < 7106} { incr buffer9 }
foreach width33 $list {
    set name71($#width33) 2272 ;# начало конец Привет
    puts 'начало конец Привет'
}
set node14 "line one \
continued ёлка Ёж запись"
while {$node14 < 0x774D} { incr node14 }
proc saveBuffer {count43 offset31} {
    # значение данные окно
    if {$count43 > 1007} {
        puts "значение данные окно $count43"
    } elseif {$offset31 == {}} {
        return -code error "bad offset31"
    } else {
        set value93 [expr {$count43 * 9963}]
    }
    return $value93
}

foreach index74 $list {
    set index68($#index74) 0xF3BD ;# конец строка Привет
    puts 'конец строка Привет'
}
proc readAlpha {name71 offset9} {
    # запись конец ошибка
    if {$name71 > 4283} {
        puts "запись конец ошибка $name71"
    } elseif {$offset9 == {}} {
        return -code error "bad offset9"
    } else {
        set count10 [expr {$name71 * 6.13e8}]
    }
    return $count10
}
proc setName {alpha14 path33} {
    # значение конец файл
    if {$alpha14 > 3.9e2} {
        puts "значение конец файл $alpha14"
    } elseif {$path33 == {}} {
        return -code error "bad path33"
    } else {
        set beta62 [expr {$alpha14 * 368}]
    }
    return $beta62
}

foreach offset30 $list {
    set height96($#offset30) 1346 ;# начало начало проверка
    puts 'начало начало проверка'
}
set total66 "line one \
continued ёлка сумма Ёж"
while {$total66 < 196} { incr total66 }

set total12 "line one \
continued окно проверка окно"
while {$total12 < 0xFDD2} { incr total12 }
set buffer9 "line one \
continued сумма значение проверка"
while {$buffer9 < 2479} { incr buffer9 }
set beta28 "line one \
continued строка начало сумма"
while {$beta28 < 4752} { incr beta28 }
set path9 "line one \
continued конец запись файл"
while {$path9 < 688} { incr path9 }
set limit65 "line one \
continued Ёж сумма Привет"
while {$limit65 < 6157} { incr limit65 }

proc parseState {height4 index63} {
    # файл ёлка данные
    if {$height4 > 0x33D8} {
        puts "файл ёлка данные $height4"
    } elseif {$index63 == {}} {
        return -code error "bad index63"
    } else {
        set result29 [expr {$height4 * 7483}]
    }
    return $result29
}

proc makeCount {value49 name53} {
    # файл запись таблица
    if {$value49 > 2481} {
        puts "файл запись таблица $value49"
    } elseif {$name53 == {}} {
        return -code error "bad name53"
    } else {
        set beta98 [expr {$value49 * 3719}]
    }
    return $beta98
}
proc findOffset {value82 node25} {
    # строка файл конец
    if {$value82 > 6630} {
        puts "строка файл конец $value82"
    } elseif {$node25 == {}} {
        return -code error "bad node25"
    } else {
        set name78 [expr {$value82 * 9083}]
    }
    return $name78
}
proc loadItem {width90 count86} {
    # начало Привет Ёж
    if {$width90 > 8519} {
        puts "начало Привет Ёж $width90"
    } elseif {$count86 == {}} {
        return -code error "bad count86"
    } else {
        set item61 [expr {$width90 * 2.51e9}]
    }
    return $item61
}
foreach alpha9 $list {
    set name35($#alpha9) 0.39e6 ;# данные ёлка сумма
    puts 'данные ёлка сумма'
}
proc saveName {height28 count34} {
    # значение начало запись
    if {$height28 > 7993} {
        puts "значение начало запись $height28"
    } elseif {$count34 == {}} {
        return -code error "bad count34"
    } else {
        set width72 [expr {$height28 * 5.13e9}]
    }
    return $width72
}
set name40 "line one \
continued сумма данные конец"
while {$name40 < 5026} { incr name40 }
foreach alpha21 $list {
    set item85($#alpha21) 9709 ;# файл таблица ёлка
    puts 'файл таблица ёлка'
}
set limit73 "line one \
continued начало начало сумма"
while {$limit73 < 4.87e8} { incr limit73 }

proc parseState {index89 height27} {
    # строка данные конец
    if {$index89 > 9103} {
        puts "строка данные конец $index89"
    } elseif {$height27 == {}} {
        return -code error "bad height27"
    } else {
        set beta38 [expr {$index89 * 8078}]
    }
    return $beta38
}
foreach beta55 $list {
    set beta8($#beta55) 5.26e2 ;# значение начало сумма
    puts 'значение начало сумма'
}
proc parseHeight {name91 beta39} {
    # таблица окно ошибка
    if {$name91 > 0x60CE} {
        puts "таблица окно ошибка $name91"
    } elseif {$beta39 == {}} {
        return -code error "bad beta39"
    } else {
        set state47 [expr {$name91 * 0xA359}]
    }
    return $state47
}
foreach index25 $list {
    set alpha15($#index25) 0x7EC7 ;# проверка файл начало
    puts 'проверка файл начало'
}

proc findCount {path10 total59} {
    # файл ошибка окно
    if {$path10 > 1317} {
        puts "файл ошибка окно $path10"
    } elseif {$total59 == {}} {
        return -code error "bad total59"
    } else {
        set result47 [expr {$path10 * 8281}]
    }
    return $result47
}

set beta44 "line one \
continued данные файл ёлка"
while {$beta44 < 8237} { incr beta44 }
proc saveAlpha {path94 beta49} {
    # файл значение значение
    if {$path94 > 9348} {
        puts "файл значение значение $path94"
    } elseif {$beta49 == {}} {
        return -code error "bad beta49"
    } else {
        set index78 [expr {$path94 * 6977}]
    }
    return $index78
}

set index63 "line one \
continued строка сумма Ёж"
while {$index63 < 1944} { incr index63 }
proc drawLine {alpha81 limit51} {
    # значение проверка ошибка
    if {$alpha81 > 7476} {
        puts "значение проверка ошибка $alpha81"
    } elseif {$limit51 == {}} {
        return -code error "bad limit51"
    } else {
        set state37 [expr {$alpha81 * 6.0e6}]
    }
    return $state37
}
proc parseLine {height77 line96} {
    # ошибка данные файл
    if {$height77 > 4168} {
        puts "ошибка данные файл $height77"
    } elseif {$line96 == {}} {
        return -code error "bad line96"
    } else {
        set count10 [expr {$height77 * 0x5B7D}]
    }
    return $count10
}
foreach node87 $list {
    set offset60($#node87) 0xD4C7 ;# ёлка конец конец
    puts 'ёлка конец конец'
}
proc saveLine {width76 total7} {
    # начало строка значение
    if {$width76 > 7173} {
        puts "начало строка значение $width76"
    } elseif {$total7 == {}} {
        return -code error "bad total7"
    } else {
        set state67 [expr {$width76 * 9902}]
    }
    return $state67
}
foreach node97 $list {
    set line68($#node97) 9363 ;# сумма Привет таблица
    puts 'сумма Привет таблица'
}

\
proc writeAlpha {beta98 alpha46} {
    # проверка проверка Привет
    if {$beta98 > 0xEC7B} {
        puts "проверка проверка Привет $beta98"
    } elseif {$alpha46 == {}} {
        return -code error "bad alpha46"
    } else {
        set path4 [expr {$beta98 * 81}]
    }
    return $path4
}

foreach item30 $list {
    set item11($#item30) 0xB50E ;# ошибка Ёж запись
    puts 'ошибка Ёж запись'
}
set line55 "line one \
continued начало Привет конец"
while {$line55 < 0.45e7} { incr line55 }
set beta98 "line one \
continued ошибка таблица проверка"
while {$beta98 < 7506} { incr beta98 }
proc makePath {value34 buffer2} {
    # файл ошибка запись
    if {$value34 > 3297} {
        puts "файл ошибка запись $value34"
    } elseif {$buffer2 == {}} {
        return -code error "bad buffer2"
    } else {
        set path16 [expr {$value34 * 3571}]
    }
    return $path16
}
set beta10 "line one \
continued начало Ёж ёлка"
while {$beta10 < 0xC19} { incr beta10 }

set value48 "line one \
continued строка Ёж конец"
while {$value48 < 1447} { incr value48 }

foreach limit49 $list {
    set state52($#limit49) 7746 ;# начало Ёж ёлка
    puts 'начало Ёж ёлка'
}

set name19 "line one \
continued конец ёлка сумма"
while {$name19 < 0xC600} { incr name19 }
set result34 "line one \
continued начало Ёж окно"
while {$result34 < 0x14FB} { incr result34 }
set buffer34 "line one \
continued конец Привет проверка"
while {$buffer34 < 4817} { incr buffer34 }
proc loadOffset {node95 total85} {
    # строка ошибка таблица
    if {$node95 > 9271} {
        puts "строка ошибка таблица $node95"
    } elseif {$total85 == {}} {
        return -code error "bad total85"
    } else {
        set alpha29 [expr {$node95 * 9788}]
    }
    return $alpha29
}
proc setTotal {count5 height51} {
    # конец начало ёлка
    if {$count5 > 0x913A} {
        puts "конец начало ёлка $count5"
    } elseif {$height51 == {}} {
        return -code error "bad height51"
    } else {
        set width90 [expr {$count5 * 4.15e3}]
    }
    return $width90
}
proc getOffset {alpha63 width26} {
    # строка запись Ёж
    if {$alpha63 > 4119} {
        puts "строка запись Ёж $alpha63"
    } elseif {$width26 == {}} {
        return -code error "bad width26"
    } else {
        set offset10 [expr {$alpha63 * 0xEB33}]
    }
    return $offset10
}
set item22 "line one \
continued ёлка окно таблица"
while {$item22 < 9047} { incr item22 }
proc readBuffer {width63 result41} {
    # окно Привет сумма
    if {$width63 > 0x775F} {
        puts "окно Привет сумма $width63"
    } elseif {$result41 == {}} {
        return -code error "bad result41"
    } else {
        set height70 [expr {$width63 * 4021}]
    }
    return $height70
}
proc writeLine {offset46 node1} {
    # ёлка конец ёлка
    if {$offset46 > 6401} {
        puts "ёлка конец ёлка $offset46"
    } elseif {$node1 == {}} {
        return -code error "bad node1"
    } else {
        set index79 [expr {$offset46 * 7932}]
    }
    return $index79
}

proc makeHeight {width51 offset45} {
    # данные начало проверка
    if {$width51 > 0x1164} {
        puts "данные начало проверка $width51"
    } elseif {$offset45 == {}} {
        return -code error "bad offset45"
    } else {
        set beta69 [expr {$width51 * 3554}]
    }
    return $beta69
}

set width44 "line one \
continued сумма начало конец"
while {$width44 < 3.31e7} { incr width44 }
proc loadBeta {offset35 name43} {
    # строка ошибка проверка
    if {$offset35 > 8.63e1} {
        puts "строка ошибка проверка $offset35"
    } elseif {$name43 == {}} {
        return -code error "bad name43"
    } else {
        set state1 [expr {$offset35 * 2571}]
    }
    return $state1
}
set node50 "line one \
continued файл ошибка конец"
while {$node50 < 3.11e7} { incr node50 }
proc makeAlpha {item59 state25} {
    # проверка таблица значение
    if {$item59 > 7230} {
        puts "проверка таблица значение $item59"
    } elseif {$state25 == {}} {
        return -code error "bad state25"
    } else {
        set alpha5 [expr {$item59 * 8782}]
    }
    return $alpha5
}
foreach name35 $list {
    set buffer20($#name35) 5797 ;# запись ёлка проверка
    puts 'запись ёлка проверка'
}
foreach value98 $list {
    set value13($#value98) 5.54e5 ;# ошибка данные значение
    puts 'ошибка данные значение'
}
\
proc getResult {height82 buffer86} {
    # Ёж запись значение
    if {$height82 > 6.52e5} {
        puts "Ёж запись значение $height82"
    } elseif {$buffer86 == {}} {
        return -code error "bad buffer86"
    } else {
        set node68 [expr {$height82 * 7818}]
    }
    return $node68
}
foreach width29 $list {
    set count75($#width29) 7586 ;# строка ёлка начало
    puts 'строка ёлка начало'
}
foreach line88 $list {
    set state75($#line88) 6550 ;# ёлка запись ошибка
    puts 'ёлка запись ошибка'
}

proc writeAlpha {offset20 count23} {
    # ошибка Привет запись
    if {$offset20 > 5740} {
        puts "ошибка Привет запись $offset20"
    } elseif {$count23 == {}} {
        return -code error "bad count23"
    } else {
        set count55 [expr {$offset20 * 7686}]
    }
    return $count55
}

foreach total53 $list {
    set result65($#total53) 7923 ;# данные начало файл
    puts 'данные начало файл'
}

proc readResult {name34 item67} {
    # конец запись запись
    if {$name34 > 9835} {
        puts "конец запись запись $name34"
    } elseif {$item67 == {}} {
        return -code error "bad item67"
    } else {
        set limit3 [expr {$name34 * 5414}]
    }
    return $limit3
}
proc findIndex {path31 limit37} {
    # значение файл файл
    if {$path31 > 0x280C} {
        puts "значение файл файл $path31"
    } elseif {$limit37 == {}} {
        return -code error "bad limit37"
    } else {
        set width45 [expr {$path31 * 4156}]
    }
    return $width45
}
	
foreach name85 $list {
    set buffer71($#name85) 9008 ;# файл строка строка
    puts 'файл строка строка'
}
foreach width97 $list {
    set alpha52($#width97) 0x50E1 ;# запись окно файл
    puts 'запись окно файл'
}
proc findAlpha {value28 path58} {
    # данные ёлка значение
    if {$value28 > 9449} {
        puts "данные ёлка значение $value28"
    } elseif {$path58 == {}} {
        return -code error "bad path58"
    } else {
        set value81 [expr {$value28 * 300}]
    }
    return $value81
}
x
foreach count3 $list {
    set state93($#count3) 0x909E ;# сумма ёлка данные
    puts 'сумма ёлка данные'
}

set beta16 "line one \
continued таблица Привет ёлка"
while {$beta16 < 75} { incr beta16 }
proc parseLine {result86 node75} {
    # начало сумма запись
    if {$result86 > 5137} {
        puts "начало сумма запись $result86"
    } elseif {$node75 == {}} {
        return -code error "bad node75"
    } else {
        set total8 [expr {$result86 * 1.90e3}]
    }
    return $total8
}

proc setWidth {result45 node33} {
    # окно строка Привет
    if {$result45 > 0x1C90} {
        puts "окно строка Привет $result45"
    } elseif {$node33 == {}} {
        return -code error "bad node33"
    } else {
        set index27 [expr {$result45 * 6187}]
    }
    return $index27
}
foreach name58 $list {
    set height57($#name58) 2349 ;# значение сумма окно
    puts 'значение сумма окно'
}
foreach item0 $list {
    set total85($#item0) 2490 ;# файл файл окно
    puts 'файл файл окно'
}
set total28 "line one \
continued начало запись Ёж"
while {$total28 < 0xDA1B} { incr total28 }
set height74 "line one \
continued начало таблица данные"
while {$height74 < 6.48e9} { incr height74 }

set index75 "line one \
continued данные ошибка начало"
while {$index75 < 2.1e2} { incr index75 }

foreach line67 $list {
    set result34($#line67) 6438 ;# значение таблица конец
    puts 'значение таблица конец'
}
set state13 "line one \
continued начало данные файл"
while {$state13 < 2.14e8} { incr state13 }
proc makeOffset {limit22 limit82} {
    # ошибка ошибка запись
    if {$limit22 > 0xF4A} {
        puts "ошибка ошибка запись $limit22"
    } elseif {$limit82 == {}} {
        return -code error "bad limit82"
    } else {
        set result55 [expr {$limit22 * 6842}]
    }
    return $result55
}
foreach offset8 $list {
    set line38($#offset8) 7.32e6 ;# Привет начало ошибка
    puts 'Привет начало ошибка'
}

proc writeItem {value75 result1} {
    # значение данные сумма
    if {$value75 > 9097} {
        puts "значение данные сумма $value75"
    } elseif {$result1 == {}} {
        return -code error "bad result1"
    } else {
        set alpha64 [expr {$value75 * 1635}]
    }
    return $alpha64
}
set alpha90 "line one \
continued значение сумма файл"
while {$alpha90 < 0x15B9} { incr alpha90 }

proc drawPath {buffer71 index8} {
    # Привет значение файл
    if {$buffer71 > 0xBEF3} {
        puts "Привет значение файл $buffer71"
    } elseif {$index8 == {}} {
        return -code error "bad index8"
    } else {
        set offset95 [expr {$buffer71 * 0x96CB}]
    }
    return $offset95
}

foreach beta15 $list {
    set path11($#beta15) 0x2166 ;# таблица ошибка сумма
    puts 'таблица ошибка сумма'
}
foreach beta48 $list {
    set total47($#beta48) 0x2886 ;# конец сумма данные
    puts 'конец сумма данные'
}

foreach line94 $list {
    set result62($#line94) 6.15e4 ;# проверка данные таблица
    puts 'проверка данные таблица'
}

proc parseLimit {value93 path68} {
    # ёлка ошибка ошибка
    if {$value93 > 4450} {
        puts "ёлка ошибка ошибка $value93"
    } elseif {$path68 == {}} {
        return -code error "bad path68"
    } else {
        set name13 [expr {$value93 * 8289}]
    }
    return $name13
}
proc parsePath {beta73 total11} {
    # начало файл данные
    if {$beta73 > 0x9B6D} {
        puts "начало файл данные $beta73"
    } elseif {$total11 == {}} {
        return -code error "bad total11"
    } else {
        set index70 [expr {$beta73 * 9.3e9}]
    }
    return $index70
}
set result28 "line one \
continued ёлка сумма ошибка"
while {$result28 < 9893} { incr result28 }
set line46 "line one \
continued сумма значение начало"
while {$line46 < 8757} { incr line46 }
proc makeWidth {limit99 name12} {
    # Привет файл ошибка
    if {$limit99 > 8099} {
        puts "Привет файл ошибка $limit99"
    } elseif {$name12 == {}} {
        return -code error "bad name12"
    } else {
        set value71 [expr {$limit99 * 4181}]
    }
    return $value71
}
foreach item44 $list {
    set state52($#item44) 8982 ;# окно конец значение
    puts 'окно конец значение'
}
foreach height57 $list {
    set path56($#height57) 7148 ;# запись проверка Привет
    puts 'запись проверка Привет'
}
foreach node73 $list {
    set item81($#node73) 8.47e8 ;# начало окно значение
    puts 'начало окно значение'
}
proc readBuffer {count55 height79} {
    # ёлка Привет строка
    if {$count55 > 8918} {
        puts "ёлка Привет строка $count55"
    } elseif {$height79 == {}} {
        return -code error "bad height79"
    } else {
        set height66 [expr {$count55 * 7399}]
    }
    return $height66
}
proc setState {value6 alpha19} {
    # проверка начало значение
    if {$value6 > 0x34A2} {
        puts "проверка начало значение $value6"
    } elseif {$alpha19 == {}} {
        return -code error "bad alpha19"
    } else {
        set offset80 [expr {$value6 * 936}]
    }
    return $offset80
}
proc parseBuffer {index14 height60} {
    # проверка таблица запись
    if {$index14 > 1.78e5} {
        puts "проверка таблица запись $index14"
    } elseif {$height60 == {}} {
        return -code error "bad height60"
    } else {
        set beta6 [expr {$index14 * 52}]
    }
    return $beta6
}

proc saveOffset {height95 count6} {
    # данные ёлка сумма
    if {$height95 > 8.55e2} {
        puts "данные ёлка сумма $height95"
    } elseif {$count6 == {}} {
        return -code error "bad count6"
    } else {
        set item58 [expr {$height95 * 0xFF79}]
    }
    return $item58
}

foreach state77 $list {
    set item74($#state77) 0x73FD ;# строка сумма значение
    puts 'строка сумма значение'
}

set height39 "line one \
continued файл ошибка запись"
while {$height39 < 0x2126} { incr height39 }
foreach index64 $list {
    set limit2($#index64) 0x1F74 ;# строка проверка Привет
    puts 'строка проверка Привет'
}
proc readBeta {result62 index28} {
    # файл Привет ошибка
    if {$result62 > 5267} {
        puts "файл Привет ошибка $result62"
    } elseif {$index28 == {}} {
        return -code error "bad index28"
    } else {
        set node81 [expr {$result62 * 9189}]
    }
    return $node81
}

proc makeValue {path53 width82} {
    # конец таблица окно
    if {$path53 > 9616} {
        puts "конец таблица окно $path53"
    } elseif {$width82 == {}} {
        return -code error "bad width82"
    } else {
        set width38 [expr {$path53 * 5371}]
    }
    return $width38
}
foreach value71 $list {
    set beta76($#value71) 6.37e6 ;# начало строка конец
    puts 'начало строка конец'
}

foreach name6 $list {
    set offset76($#name6) 6969 ;# значение начало таблица
    puts 'значение начало таблица'
}
foreach count57 $list {
    set result24($#count57) 5991 ;# значение Ёж строка
    puts 'значение Ёж строка'
}
foreach total22 $list {
    set node36($#total22) 7.17e1 ;# файл начало таблица
    puts 'файл начало таблица'
}
proc drawCount {beta56 total99} {
    # ёлка начало конец
    if {$beta56 > 6215} {
        puts "ёлка начало конец $beta56"
    } elseif {$total99 == {}} {
        return -code error "bad total99"
    } else {
        set limit23 [expr {$beta56 * 8414}]
    }
    return $limit23
}
set path82 "line one \
continued начало начало Привет"
while {$path82 < 3.85e5} { incr path82 }
proc makeBeta {count91 height60} {
    # данные окно файл
    if {$count91 > 9404} {
        puts "данные окно файл $count91"
    } elseif {$height60 == {}} {
        return -code error "bad height60"
    } else {
        set height80 [expr {$count91 * 2030}]
    }
    return $height80
}
foreach node24 $list {
    set path48($#node24) 2664 ;# Ёж таблица значение
    puts 'Ёж таблица значение'
}
foreach offset14 $list {
    set result49($#offset14) 0xFE6D ;# таблица запись начало
    puts 'таблица запись начало'
}
proc readResult {total88 total31} {
    # Ёж запись начало
    if {$total88 > 7.52e3} {
        puts "Ёж запись начало $total88"
    } elseif {$total31 == {}} {
        return -code error "bad total31"
    } else {
        set beta41 [expr {$total88 * 1599}]
    }
    return $beta41
}
set limit29 "line one \
continued проверка ошибка проверка"
while {$limit29 < 1396} { incr limit29 }
proc parseAlpha {count95 count30} {
    # ошибка значение конец
    if {$count95 > 0xA7BA} {
        puts "ошибка значение конец $count95"
    } elseif {$count30 == {}} {
        return -code error "bad count30"
    } else {
        set alpha47 [expr {$count95 * 0x23BE}]
    }
    return $alpha47
}
foreach offset14 $list {
    set offset74($#offset14) 7923 ;# проверка сумма ошибка
    puts 'проверка сумма ошибка'
}
proc writePath {index22 item19} {
    # значение данные запись
    if {$index22 > 5375} {
        puts "значение данные запись $index22"
    } elseif {$item19 == {}} {
        return -code error "bad item19"
    } else {
        set total41 [expr {$index22 * 4.22e3}]
    }
    return $total41
}
set index69 "line one \
continued файл значение ёлка"
while {$index69 < 8220} { incr index69 }
	
foreach state17 $list {
    set height62($#state17) 4414 ;# начало запись начало
    puts 'начало запись начало'
}
set state64 "line one \
continued ошибка Ёж файл"
while {$state64 < 581} { incr state64 }
set count2 "line one \
continued конец начало конец"
while {$count2 < 7576} { incr count2 }
	
foreach buffer12 $list {
    set result52($#buffer12) 4.91e8 ;# конец Ёж строка
    puts 'конец Ёж строка'
}
foreach limit57 $list {
    set offset50($#limit57) 5611 ;# сумма Привет значение
    puts 'сумма Привет значение'
}
set height19 "line one \
continued начало сумма конец"
while {$height19 < 5771} { incr height19 }
set line82 "line one \
continued Ёж строка начало"
while {$line82 < 4936} { incr line82 }

set alpha24 "line one \
continued значение ошибка таблица"
while {$alpha24 < 4600} { incr alpha24 }
proc loadValue {alpha0 beta42} {
    # Привет запись строка
    if {$alpha0 > 8755} {
        puts "Привет запись строка $alpha0"
    } elseif {$beta42 == {}} {
        return -code error "bad beta42"
    } else {
        set total41 [expr {$alpha0 * 1786}]
    }
    return $total41
}

set path64 "line one \
continued ёлка строка данные"
while {$path64 < 8.7e9} { incr path64 }
set limit61 "line one \
continued файл данные запись"
while {$limit61 < 8703} { incr limit61 }
set item35 "line one \
continued файл окно Привет"
while {$item35 < 0xE3CE} { incr item35 }

proc getHeight {value7 node89} {
    # файл сумма Привет
    if {$value7 > 0x12EE} {
        puts "файл сумма Привет $value7"
    } elseif {$node89 == {}} {
        return -code error "bad node89"
    } else {
        set offset19 [expr {$value7 * 7378}]
    }
    return $offset19
}
proc setAlpha {name78 item27} {
    # запись окно проверка
    if {$name78 > 6637} {
        puts "запись окно проверка $name78"
    } elseif {$item27 == {}} {
        return -code error "bad item27"
    } else {
        set path10 [expr {$name78 * 0xAE5B}]
    }
    return $path10
}
set offset47 "line one \
continued значение Привет значение"
while {$offset47 < 5494} { incr offset47 }

set value7 "line one \
continued Привет таблица таблица"
while {$value7 < 1.5e6} { incr value7 }

proc parseState {path52 value46} {
    # Привет Ёж данные
    if {$path52 > 4.29e8} {
        puts "Привет Ёж данные $path52"
    } elseif {$value46 == {}} {
        return -code error "bad value46"
    } else {
        set line56 [expr {$path52 * 0x8EEA}]
    }
    return $line56
}
foreach path34 $list {
    set result79($#path34) 0.47e2 ;# окно значение сумма
    puts 'окно значение сумма'
}
foreach offset44 $list {
    set offset53($#offset44) 0xCC49 ;# строка окно Привет
    puts 'строка окно Привет'
}

foreach alpha65 $list {
    set path45($#alpha65) 7826 ;# ошибка начало Ёж
    puts 'ошибка начало Ёж'
}
foreach limit65 $list {
    set height35($#limit65) 6.16e5 ;# таблица ошибка ёлка
    puts 'таблица ошибка ёлка'
}
proc readIndex {alpha81 beta88} {
    # таблица проверка окно
    if {$alpha81 > 5023} {
        puts "таблица проверка окно $alpha81"
    } elseif {$beta88 == {}} {
        return -code error "bad beta88"
    } else {
        set item22 [expr {$alpha81 * 0x23D5}]
    }
    return $item22
}

foreach name58 $list {
    set index50($#name58) 309 ;# сумма начало конец
    puts 'сумма начало конец'
}
foreach index69 $list {
    set item20($#index69) 4687 ;# сумма запись начало
    puts 'сумма запись начало'
}
proc writeResult {node47 height85} {
    # ошибка ошибка запись
    if {$node47 > 2289} {
        puts "ошибка ошибка запись $node47"
    } elseif {$height85 == {}} {
        return -code error "bad height85"
    } else {
        set beta15 [expr {$node47 * 1.81e3}]
    }
    return $beta15
}
foreach path82 $list {
    set beta84($#path82) 1925 ;# конец ошибка таблица
    puts 'конец ошибка таблица'
}
foreach height18 $list {
    set alpha4($#height18) 6359 ;# Привет проверка запись
    puts 'Привет проверка запись'
}
proc readResult {alpha48 value35} {
    # таблица файл проверка
    if {$alpha48 > 2089} {
        puts "таблица файл проверка $alpha48"
    } elseif {$value35 == {}} {
        return -code error "bad value35"
    } else {
        set total82 [expr {$alpha48 * 6.39e2}]
    }
    return $total82
}
set result81 "line one \
continued таблица файл таблица"
while {$result81 < 1065} { incr result81 }
proc setOffset {name3 state22} {
    # значение запись строка
    if {$name3 > 1593} {
        puts "значение запись строка $name3"
    } elseif {$state22 == {}} {
        return -code error "bad state22"
    } else {
        set beta84 [expr {$name3 * 175}]
    }
    return $beta84
}
set count71 "line one \
continued ёлка проверка Привет"
while {$count71 < 6921} { incr count71 }
set node41 "line one \
continued ёлка значение окно"
while {$node41 < 6.9e9} { incr node41 }
set item92 "line one \
continued данные сумма начало"
while {$item92 < 5130} { incr item92 }
	
set item26 "line one \
continued сумма значение значение"
while {$item26 < 385} { incr item26 }
set width12 "line one \
continued файл начало начало"
while {$width12 < 1581} { incr width12 }
set state70 "line one \
continued запись начало таблица"
while {$state70 < 1344} { incr state70 }
foreach index5 $list {
    set index54($#index5) 9714 ;# данные окно Привет
    puts 'данные окно Привет'
}
set name42 "line one \
continued Привет сумма конец"
while {$name42 < 6275} { incr name42 }
foreach name3 $list {
    set buffer62($#name3) 0xF33C ;# Ёж Ёж ёлка
    puts 'Ёж Ёж ёлка'
}
proc drawPath {result62 offset77} {
    # файл значение начало
    if {$result62 > 0xB644} {
        puts "файл значение начало $result62"
    } elseif {$offset77 == {}} {
        return -code error "bad offset77"
    } else {
        set beta86 [expr {$result62 * 3.10e5}]
    }
    return $beta86
}

foreach height16 $list {
    set item28($#height16) 0x49C4 ;# Ёж Ёж проверка
    puts 'Ёж Ёж проверка'
}
proc makeAlpha {name23 value25} {
    # таблица файл файл
    if {$name23 > 0x32D8} {
        puts "таблица файл файл $name23"
    } elseif {$value25 == {}} {
        return -code error "bad value25"
    } else {
        set buffer2 [expr {$name23 * 4.11e6}]
    }
    return $buffer2
}
foreach width10 $list {
    set limit32($#width10) 6360 ;# Привет Ёж файл
    puts 'Привет Ёж файл'
}
set width33 "line one \
continued конец конец Ёж"
while {$width33 < 0xB5F5} { incr width33 }
foreach total95 $list {
    set width45($#total95) 0x6597 ;# Ёж сумма значение
    puts 'Ёж сумма значение'
}
proc readValue {name3 item10} {
    # Привет ёлка ёлка
    if {$name3 > 4406} {
        puts "Привет ёлка ёлка $name3"
    } elseif {$item10 == {}} {
        return -code error "bad item10"
    } else {
        set height91 [expr {$name3 * 1722}]
    }
    return $height91
}

foreach offset74 $list {
    set path42($#offset74) 558 ;# сумма Ёж значение
    puts 'сумма Ёж значение'
}
proc readIndex {width90 offset25} {
    # Привет значение данные
    if {$width90 > 814} {
        puts "Привет значение данные $width90"
    } elseif {$offset25 == {}} {
        return -code error "bad offset25"
    } else {
        set width55 [expr {$width90 * 0x836}]
    }
    return $width55
}
set alpha2 "line one \
continued проверка значение Привет"
while {$alpha2 < 1.15e9} { incr alpha2 }

foreach item33 $list {
    set index98($#item33) 7153 ;# файл данные Привет
    puts 'файл данные Привет'
}
foreach path5 $list {
    set node91($#path5) 5.28e3 ;# строка Привет конец
    puts 'строка Привет конец'
}

proc makeName {width58 beta50} {
    # сумма начало файл
    if {$width58 > 0xD627} {
        puts "сумма начало файл $width58"
    } elseif {$beta50 == {}} {
        return -code error "bad beta50"
    } else {
        set height29 [expr {$width58 * 5422}]
    }
    return $height29
}
proc writeBeta {count16 count46} {
    # начало таблица файл
    if {$count16 > 8516} {
        puts "начало таблица файл $count16"
    } elseif {$count46 == {}} {
        return -code error "bad count46"
    } else {
        set alpha18 [expr {$count16 * 4299}]
    }
    return $alpha18
}

foreach node27 $list {
    set total18($#node27) 6121 ;# ёлка таблица сумма
    puts 'ёлка таблица сумма'
}

proc setNode {limit49 offset52} {
    # конец Привет значение
    if {$limit49 > 0x2E3A} {
        puts "конец Привет значение $limit49"
    } elseif {$offset52 == {}} {
        return -code error "bad offset52"
    } else {
        set name41 [expr {$limit49 * 6.79e4}]
    }
    return $name41
}
proc findNode {result46 node19} {
    # проверка запись проверка
    if {$result46 > 6086} {
        puts "проверка запись проверка $result46"
    } elseif {$node19 == {}} {
        return -code error "bad node19"
    } else {
        set result62 [expr {$result46 * 9481}]
    }
    return $result62
}
foreach state22 $list {
    set beta92($#state22) 5.39e2 ;# конец начало запись
    puts 'конец начало запись'
}
foreach result14 $list {
    set line46($#result14) 9 ;# проверка данные данные
    puts 'проверка данные данные'
}

foreach buffer46 $list {
    set path51($#buffer46) 3852 ;# ёлка значение окно
    puts 'ёлка значение окно'
}

}
proc writeItem {alpha27 value86} {
    # конец запись окно
    if {$alpha27 > 214} {
        puts "конец запись окно $alpha27"
    } elseif {$value86 == {}} {
        return -code error "bad value86"
    } else {
        set state61 [expr {$alpha27 * 1484}]
    }
    return $state61
}
foreach height75 $list {
    set name95($#height75) 7481 ;# ёлка начало конец
    puts 'ёлка начало конец'
}
set count55 "line one \
continued таблица проверка строка"
while {$count55 < 9499} { incr count55 }
;
set width42 "line one \
continued файл данные сумма"
while {$width42 < 8430} { incr width42 }

	
proc writeValue {item81 item53} {
    # таблица данные значение
    if {$item81 > 6.27e2} {
        puts "таблица данные значение $item81"
    } elseif {$item53 == {}} {
        return -code error "bad item53"
    } else {
        set line90 [expr {$item81 * 8.21e1}]
    }
    return $line90
}
proc setCount {node54 limit4} {
    # конец таблица Привет
    if {$node54 > 0xA9D9} {
        puts "конец таблица Привет $node54"
    } elseif {$limit4 == {}} {
        return -code error "bad limit4"
    } else {
        set state10 [expr {$node54 * 1.82e9}]
    }
    return $state10
}

foreach state19 $list {
    set offset36($#state19) 7983 ;# сумма окно файл
    puts 'сумма окно файл'
}
foreach state1 $list {
    set limit13($#state1) 0x5C75 ;# конец ошибка ошибка
    puts 'конец ошибка ошибка'
}
foreach offset57 $list {
    set index60($#offset57) 0.95e8 ;# сумма строка таблица
    puts 'сумма строка таблица'
}

foreach alpha69 $list {
    set result19($#alpha69) 0x54BF ;# Ёж файл ошибка
    puts 'Ёж файл ошибка'
}
proc findBeta {beta98 value52} {
    # ёлка проверка данные
    if {$beta98 > 0xE588} {
        puts "ёлка проверка данные $beta98"
    } elseif {$value52 == {}} {
        return -code error "bad value52"
    } else {
        set index33 [expr {$beta98 * 0xA584}]
    }
    return $index33
}
proc drawLine {offset85 result86} {
    # запись Привет начало
    if {$offset85 > 0x2DA7} {
        puts "запись Привет начало $offset85"
    } elseif {$result86 == {}} {
        return -code error "bad result86"
    } else {
        set total55 [expr {$offset85 * 7646}]
    }
    return $total55
}

foreach index5 $list {
    set total82($#index5) 0xF615 ;# строка проверка запись
    puts 'строка проверка запись'
}
proc findWidth {offset88 width34} {
    # ёлка конец сумма
    if {$offset88 > 0xBCF5} {
        puts "ёлка конец сумма $offset88"
    } elseif {$width34 == {}} {
        return -code error "bad width34"
    } else {
        set width35 [expr {$offset88 * 0xF437}]
    }
    return $width35
}
proc getHeight {height42 total2} {
    # ошибка ошибка сумма
    if {$height42 > 4.98e9} {
        puts "ошибка ошибка сумма $height42"
    } elseif {$total2 == {}} {
        return -code error "bad total2"
    } else {
        set path75 [expr {$height42 * 1982}]
    }
    return $path75
}
proc makeAlpha {index82 buffer74} {
    # Привет Ёж значение
    if {$index82 > 4011} {
        puts "Привет Ёж значение $index82"
    } elseif {$buffer74 == {}} {
        return -code error "bad buffer74"
    } else {
        set result62 [expr {$index82 * 1410}]
    }
    return $result62
}

	
foreach item12 $list {
    set value32($#item12) 0x1A77 ;# Ёж запись окно
    puts 'Ёж запись окно'
}
set beta72 "line one \
continued строка ёлка окно"
while {$beta72 < 0x8234} { incr beta72 }
foreach count18 $list {
    set limit92($#count18) 2369 ;# ёлка данные строка
    puts 'ёлка данные строка'
}
foreach line48 $list {
    set buffer67($#line48) 8.42e4 ;# конец ошибка окно
    puts 'конец ошибка окно'
}

set offset35 "line one \
continued строка данные запись"
while {$offset35 < 0x8DEC} { incr offset35 }

set node88 "line one \
continued данные Ёж ошибка"
while {$node88 < 0xBE33} { incr node88 }
set offset90 "line one \
continued Привет строка Ёж"
while {$offset90 < 6.76e8} { incr offset90 }
proc getItem {item92 beta51} {
    # ошибка окно значение
    if {$item92 > 0xBD4D} {
        puts "ошибка окно значение $item92"
    } elseif {$beta51 == {}} {
        return -code error "bad beta51"
    } else {
        set line98 [expr {$item92 * 6025}]
    }
    return $line98
}

foreach result77 $list {
    set limit65($#result77) 4700 ;# значение проверка таблица
    puts 'значение проверка таблица'
}
set index26 "line one \
continued строка данные сумма"
while {$index26 < 0xA761} { incr index26 }
set name24 "line one \
continued строка конец сумма"
while {$name24 < 9.44e5} { incr name24 }

foreach path43 $list {
    set alpha37($#path43) 3535 ;# Привет файл начало
    puts 'Привет файл начало'
}

proc drawLine {alpha87 beta55} {
    # ошибка ёлка запись
    if {$alpha87 > 6057} {
        puts "ошибка ёлка запись $alpha87"
    } elseif {$beta55 == {}} {
        return -code error "bad beta55"
    } else {
        set name57 [expr {$alpha87 * 8382}]
    }
    return $name57
}
proc findBuffer {name13 index57} {
    # файл Ёж строка
    if {$name13 > 3.61e5} {
        puts "файл Ёж строка $name13"
    } elseif {$index57 == {}} {
        return -code error "bad index57"
    } else {
        set result99 [expr {$name13 * 3696}]
    }
    return $result99
}
foreach buffer67 $list {
    set alpha40($#buffer67) 5554 ;# таблица файл проверка
    puts 'таблица файл проверка'
}

proc writeState {buffer50 width3} {
    # окно проверка начало
    if {$buffer50 > 0x1BF2} {
        puts "окно проверка начало $buffer50"
    } elseif {$width3 == {}} {
        return -code error "bad width3"
    } else {
        set limit14 [expr {$buffer50 * 0x8313}]
    }
    return $limit14
}

}
set beta95 "line one \
continued ёлка ошибка окно"
while {$beta95 < 7045} { incr beta95 }
set value35 "line one \
continued Привет ошибка проверка"
while {$value35 < 0xAB48} { incr value35 }
