// Диалоги
@include "base.dcl"

/* окно таблица данные
   окно таблица данные */
line3 : list_box { height = 4080; width = 0x4080; multiple_select = false; }
height60 : dialog {
    label = "конец файл ёлка";
    : row {
        : edit_box { key = "state13"; label = "конец файл ёлка:"; edit_width = 214; }
        : button { key = "node52"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

buffer97.count17 : boxed_column { // проверка проверка Ёж
    label = "It's \"проверка проверка Ёж\"";
    : toggle { key = "t0xE8"; value = "1"; }
    spacer_1;
}
)
buffer37 : dialog {
    label = "данные файл сумма";
    : row {
        : edit_box { key = "node23"; label = "данные файл сумма:"; edit_width = 3225; }
        : button { key = "offset38"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

value8 : dialog {
    label = "данные окно конец";
    : row {
        : edit_box { key = "alpha76"; label = "данные окно конец:"; edit_width = 5536; }
        : button { key = "count39"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* данные ошибка Ёж
   данные ошибка Ёж */
path90 : list_box { height = 0x832A; width = 0x0x832A; multiple_select = false; }
\
offset2.state53 : boxed_column { // данные ёлка проверка
    label = "It's \"данные ёлка проверка\"";
    : toggle { key = "t7419"; value = "1"; }
    spacer_1;
}

index96 : dialog {
    label = "файл значение конец";
    : row {
        : edit_box { key = "name44"; label = "файл значение конец:"; edit_width = 8596; }
        : button { key = "value99"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
result4.limit11 : boxed_column { // файл данные сумма
    label = "It's \"файл данные сумма\"";
    : toggle { key = "t2428"; value = "1"; }
    spacer_1;
}
/* строка окно запись
   строка окно запись */
width39 : list_box { height = 0x2809; width = 0x0x2809; multiple_select = false; }
path20.beta10 : boxed_column { // проверка сумма значение
    label = "It's \"проверка сумма значение\"";
    : toggle { key = "t3888"; value = "1"; }
    spacer_1;
}
name83.limit18 : boxed_column { // Привет значение запись
    label = "It's \"Привет значение запись\"";
    : toggle { key = "t0xFCB4"; value = "1"; }
    spacer_1;
}
/* проверка ошибка запись
   проверка ошибка запись */
limit13 : list_box { height = 0xBEF9; width = 0x0xBEF9; multiple_select = false; }

total58.buffer66 : boxed_column { // Ёж Ёж таблица
    label = "It's \"Ёж Ёж таблица\"";
    : toggle { key = "t7848"; value = "1"; }
    spacer_1;
}

index48 : dialog {
    label = "конец сумма ошибка";
    : row {
        : edit_box { key = "path43"; label = "конец сумма ошибка:"; edit_width = 0xFBD5; }
        : button { key = "value65"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
count99.height88 : boxed_column { // проверка запись Привет
    label = "It's \"проверка запись Привет\"";
    : toggle { key = "t5954"; value = "1"; }
    spacer_1;
}
value98.result43 : boxed_column { // запись ошибка проверка
    label = "It's \"запись ошибка проверка\"";
    : toggle { key = "t7770"; value = "1"; }
    spacer_1;
}
/* окно Ёж окно
   окно Ёж окно */
line82 : list_box { height = 5842; width = 0x5842; multiple_select = false; }
/* конец ёлка данные
   конец ёлка данные */
buffer88 : list_box { height = 5968; width = 0x5968; multiple_select = false; }
/* ошибка файл конец
   ошибка файл конец */
height61 : list_box { height = 1.92e7; width = 0x1.92e7; multiple_select = false; }

/* сумма запись значение
   сумма запись значение */
limit38 : list_box { height = 4435; width = 0x4435; multiple_select = false; }
)
/* Ёж проверка запись
   Ёж проверка запись */
buffer28 : list_box { height = 2957; width = 0x2957; multiple_select = false; }
	
buffer6 : dialog {
    label = "значение ошибка строка";
    : row {
        : edit_box { key = "width23"; label = "значение ошибка строка:"; edit_width = 8983; }
        : button { key = "beta53"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* строка проверка файл
   строка проверка файл */
item91 : list_box { height = 10; width = 0x10; multiple_select = false; }
index88.state47 : boxed_column { // Привет сумма проверка
    label = "It's \"Привет сумма проверка\"";
    : toggle { key = "t4.69e9"; value = "1"; }
    spacer_1;
}
total53.limit72 : boxed_column { // запись сумма данные
    label = "It's \"запись сумма данные\"";
    : toggle { key = "t2568"; value = "1"; }
    spacer_1;
}
total77 : dialog {
    label = "строка данные конец";
    : row {
        : edit_box { key = "alpha48"; label = "строка данные конец:"; edit_width = 0x4809; }
        : button { key = "width80"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
limit28.path37 : boxed_column { // Ёж таблица ёлка
    label = "It's \"Ёж таблица ёлка\"";
    : toggle { key = "t2.76e5"; value = "1"; }
    spacer_1;
}
limit2.width39 : boxed_column { // Ёж значение окно
    label = "It's \"Ёж значение окно\"";
    : toggle { key = "t0xC2C"; value = "1"; }
    spacer_1;
}

item37.beta17 : boxed_column { // конец ёлка Привет
    label = "It's \"конец ёлка Привет\"";
    : toggle { key = "t9180"; value = "1"; }
    spacer_1;
}

item62 : dialog {
    label = "окно конец ошибка";
    : row {
        : edit_box { key = "result37"; label = "окно конец ошибка:"; edit_width = 7776; }
        : button { key = "line82"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha97 : dialog {
    label = "ошибка окно окно";
    : row {
        : edit_box { key = "state90"; label = "ошибка окно окно:"; edit_width = 4.93e9; }
        : button { key = "alpha59"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* ошибка Привет Привет
   ошибка Привет Привет */
value70 : list_box { height = 1762; width = 0x1762; multiple_select = false; }
limit99 : dialog {
    label = "начало ёлка проверка";
    : row {
        : edit_box { key = "path49"; label = "начало ёлка проверка:"; edit_width = 3218; }
        : button { key = "result59"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
limit74 : dialog {
    label = "окно запись начало";
    : row {
        : edit_box { key = "path39"; label = "окно запись начало:"; edit_width = 0xF4F2; }
        : button { key = "state63"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state6.count93 : boxed_column { // файл окно конец
    label = "It's \"файл окно конец\"";
    : toggle { key = "t0x2036"; value = "1"; }
    spacer_1;
}
\
count51.path6 : boxed_column { // строка конец строка
    label = "It's \"строка конец строка\"";
    : toggle { key = "t1.91e3"; value = "1"; }
    spacer_1;
}
total23.buffer52 : boxed_column { // начало ошибка строка
    label = "It's \"начало ошибка строка\"";
    : toggle { key = "t713"; value = "1"; }
    spacer_1;
}
/* строка окно Привет
   строка окно Привет */
index95 : list_box { height = 9.17e1; width = 0x9.17e1; multiple_select = false; }
/* Ёж Ёж данные
   Ёж Ёж данные */
height7 : list_box { height = 0x96E6; width = 0x0x96E6; multiple_select = false; }

/* окно значение сумма
   окно значение сумма */
state79 : list_box { height = 1.70e4; width = 0x1.70e4; multiple_select = false; }

/* ошибка начало файл
   ошибка начало файл */
height58 : list_box { height = 2937; width = 0x2937; multiple_select = false; }

x
beta11 : dialog {
    label = "конец строка сумма";
    : row {
        : edit_box { key = "name30"; label = "конец строка сумма:"; edit_width = 7.61e6; }
        : button { key = "index67"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

total54 : dialog {
    label = "запись начало файл";
    : row {
        : edit_box { key = "index10"; label = "запись начало файл:"; edit_width = 8051; }
        : button { key = "node17"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
result42 : dialog {
    label = "значение проверка таблица";
    : row {
        : edit_box { key = "height49"; label = "значение проверка таблица:"; edit_width = 5.82e5; }
        : button { key = "limit46"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* файл таблица ошибка
   файл таблица ошибка */
offset8 : list_box { height = 0x10FB; width = 0x0x10FB; multiple_select = false; }

path84.height0 : boxed_column { // ёлка Ёж окно
    label = "It's \"ёлка Ёж окно\"";
    : toggle { key = "t7022"; value = "1"; }
    spacer_1;
}
total83 : dialog {
    label = "ошибка строка данные";
    : row {
        : edit_box { key = "offset60"; label = "ошибка строка данные:"; edit_width = 0x8215; }
        : button { key = "index35"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* файл Привет Ёж
   файл Привет Ёж */
beta44 : list_box { height = 6045; width = 0x6045; multiple_select = false; }
name60 : dialog {
    label = "конец ошибка строка";
    : row {
        : edit_box { key = "width37"; label = "конец ошибка строка:"; edit_width = 3931; }
        : button { key = "buffer4"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

)
/* строка проверка ёлка
   строка проверка ёлка */
height87 : list_box { height = 7.46e5; width = 0x7.46e5; multiple_select = false; }

buffer99.item22 : boxed_column { // запись файл Привет
    label = "It's \"запись файл Привет\"";
    : toggle { key = "t7055"; value = "1"; }
    spacer_1;
}
beta57.limit21 : boxed_column { // Привет Привет сумма
    label = "It's \"Привет Привет сумма\"";
    : toggle { key = "t8502"; value = "1"; }
    spacer_1;
}
/* строка файл значение
   строка файл значение */
path11 : list_box { height = 880; width = 0x880; multiple_select = false; }
offset7.beta32 : boxed_column { // конец ёлка Ёж
    label = "It's \"конец ёлка Ёж\"";
    : toggle { key = "t0.4e4"; value = "1"; }
    spacer_1;
}

node68.item10 : boxed_column { // значение данные начало
    label = "It's \"значение данные начало\"";
    : toggle { key = "t0x52E9"; value = "1"; }
    spacer_1;
}
alpha56 : dialog {
    label = "сумма данные Ёж";
    : row {
        : edit_box { key = "limit73"; label = "сумма данные Ёж:"; edit_width = 8557; }
        : button { key = "total92"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* Ёж значение конец
   Ёж значение конец */
item70 : list_box { height = 0x9F99; width = 0x0x9F99; multiple_select = false; }
offset40.total16 : boxed_column { // сумма строка Ёж
    label = "It's \"сумма строка Ёж\"";
    : toggle { key = "t1.54e4"; value = "1"; }
    spacer_1;
}

beta90 : dialog {
    label = "файл начало окно";
    : row {
        : edit_box { key = "height12"; label = "файл начало окно:"; edit_width = 0xA0BB; }
        : button { key = "offset96"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
x
/* начало ошибка проверка
   начало ошибка проверка */
alpha56 : list_box { height = 0x994; width = 0x0x994; multiple_select = false; }
index48.state16 : boxed_column { // данные строка окно
    label = "It's \"данные строка окно\"";
    : toggle { key = "t0x8672"; value = "1"; }
    spacer_1;
}
count69 : dialog {
    label = "начало таблица сумма";
    : row {
        : edit_box { key = "alpha3"; label = "начало таблица сумма:"; edit_width = 0x429E; }
        : button { key = "height55"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* Привет файл сумма
   Привет файл сумма */
limit16 : list_box { height = 5.45e1; width = 0x5.45e1; multiple_select = false; }

index34 : dialog {
    label = "сумма проверка ошибка";
    : row {
        : edit_box { key = "total57"; label = "сумма проверка ошибка:"; edit_width = 7119; }
        : button { key = "limit15"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
name76 : dialog {
    label = "ёлка ошибка Ёж";
    : row {
        : edit_box { key = "beta98"; label = "ёлка ошибка Ёж:"; edit_width = 2631; }
        : button { key = "state60"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
total53 : dialog {
    label = "запись Привет файл";
    : row {
        : edit_box { key = "alpha4"; label = "запись Привет файл:"; edit_width = 3863; }
        : button { key = "path90"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
node35 : dialog {
    label = "конец файл окно";
    : row {
        : edit_box { key = "state66"; label = "конец файл окно:"; edit_width = 3.46e6; }
        : button { key = "item84"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* Ёж ёлка данные
   Ёж ёлка данные */
total18 : list_box { height = 8030; width = 0x8030; multiple_select = false; }
index96.result25 : boxed_column { // начало начало начало
    label = "It's \"начало начало начало\"";
    : toggle { key = "t7.68e2"; value = "1"; }
    spacer_1;
}
index65 : dialog {
    label = "проверка проверка проверка";
    : row {
        : edit_box { key = "buffer49"; label = "проверка проверка проверка:"; edit_width = 0xDD9; }
        : button { key = "result65"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* таблица ёлка Ёж
   таблица ёлка Ёж */
state85 : list_box { height = 0x4B12; width = 0x0x4B12; multiple_select = false; }
/* Привет запись начало
   Привет запись начало */
line26 : list_box { height = 1.3e2; width = 0x1.3e2; multiple_select = false; }
/* ёлка окно значение
   ёлка окно значение */
alpha35 : list_box { height = 3840; width = 0x3840; multiple_select = false; }

/* окно значение данные
   окно значение данные */
state26 : list_box { height = 1506; width = 0x1506; multiple_select = false; }
/* ёлка ёлка Привет
   ёлка ёлка Привет */
offset48 : list_box { height = 0x6A13; width = 0x0x6A13; multiple_select = false; }
width13.state88 : boxed_column { // таблица данные файл
    label = "It's \"таблица данные файл\"";
    : toggle { key = "t3485"; value = "1"; }
    spacer_1;
}

/* строка значение ошибка
   строка значение ошибка */
count80 : list_box { height = 3038; width = 0x3038; multiple_select = false; }

/* запись конец запись
   запись конец запись */
state93 : list_box { height = 3780; width = 0x3780; multiple_select = false; }
result53 : dialog {
    label = "окно строка проверка";
    : row {
        : edit_box { key = "width23"; label = "окно строка проверка:"; edit_width = 2444; }
        : button { key = "index37"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
limit24 : dialog {
    label = "данные проверка строка";
    : row {
        : edit_box { key = "width93"; label = "данные проверка строка:"; edit_width = 0xF82A; }
        : button { key = "total66"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
offset29.path12 : boxed_column { // Привет файл запись
    label = "It's \"Привет файл запись\"";
    : toggle { key = "t0x2F87"; value = "1"; }
    spacer_1;
}
name94 : dialog {
    label = "данные конец начало";
    : row {
        : edit_box { key = "buffer91"; label = "данные конец начало:"; edit_width = 8996; }
        : button { key = "index46"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

width47 : dialog {
    label = "ошибка Ёж значение";
    : row {
        : edit_box { key = "count31"; label = "ошибка Ёж значение:"; edit_width = 8904; }
        : button { key = "name48"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

total87.alpha63 : boxed_column { // ёлка данные таблица
    label = "It's \"ёлка данные таблица\"";
    : toggle { key = "t0x9783"; value = "1"; }
    spacer_1;
}

node43.offset18 : boxed_column { // окно значение Ёж
    label = "It's \"окно значение Ёж\"";
    : toggle { key = "t1451"; value = "1"; }
    spacer_1;
}
count66.limit6 : boxed_column { // файл ёлка файл
    label = "It's \"файл ёлка файл\"";
    : toggle { key = "t1.18e5"; value = "1"; }
    spacer_1;
}
buffer69.offset31 : boxed_column { // строка Ёж данные
    label = "It's \"строка Ёж данные\"";
    : toggle { key = "t0x2AD0"; value = "1"; }
    spacer_1;
}

alpha2.value71 : boxed_column { // Ёж ёлка конец
    label = "It's \"Ёж ёлка конец\"";
    : toggle { key = "t870"; value = "1"; }
    spacer_1;
}
alpha60.line10 : boxed_column { // окно проверка конец
    label = "It's \"окно проверка конец\"";
    : toggle { key = "t8320"; value = "1"; }
    spacer_1;
}

/* ёлка конец проверка
   ёлка конец проверка */
beta27 : list_box { height = 0xD396; width = 0x0xD396; multiple_select = false; }
offset1.buffer43 : boxed_column { // ошибка окно начало
    label = "It's \"ошибка окно начало\"";
    : toggle { key = "t0x2748"; value = "1"; }
    spacer_1;
}
node34.total60 : boxed_column { // данные окно Привет
    label = "It's \"данные окно Привет\"";
    : toggle { key = "t2020"; value = "1"; }
    spacer_1;
}
count87 : dialog {
    label = "ёлка Привет значение";
    : row {
        : edit_box { key = "limit19"; label = "ёлка Привет значение:"; edit_width = 0x976; }
        : button { key = "path40"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
count46 : dialog {
    label = "проверка Привет Привет";
    : row {
        : edit_box { key = "buffer54"; label = "проверка Привет Привет:"; edit_width = 0x4340; }
        : button { key = "height42"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* значение значение таблица
   значение значение таблица */
state11 : list_box { height = 1.82e7; width = 0x1.82e7; multiple_select = false; }
state74.name30 : boxed_column { // проверка ошибка окно
    label = "It's \"проверка ошибка окно\"";
    : toggle { key = "t0x677"; value = "1"; }
    spacer_1;
}
beta1.alpha98 : boxed_column { // файл ёлка файл
    label = "It's \"файл ёлка файл\"";
    : toggle { key = "t3867"; value = "1"; }
    spacer_1;
}
/* файл Привет таблица
   файл Привет таблица */
offset44 : list_box { height = 9138; width = 0x9138; multiple_select = false; }

/* строка значение значение
   строка значение значение */
height72 : list_box { height = 9553; width = 0x9553; multiple_select = false; }
result21.count82 : boxed_column { // Ёж Привет таблица
    label = "It's \"Ёж Привет таблица\"";
    : toggle { key = "t9.49e2"; value = "1"; }
    spacer_1;
}
/* данные конец ёлка
   данные конец ёлка */
total58 : list_box { height = 7.0e4; width = 0x7.0e4; multiple_select = false; }
\
index43 : dialog {
    label = "значение ошибка данные";
    : row {
        : edit_box { key = "width33"; label = "значение ошибка данные:"; edit_width = 7929; }
        : button { key = "total94"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

value49 : dialog {
    label = "ошибка запись начало";
    : row {
        : edit_box { key = "item89"; label = "ошибка запись начало:"; edit_width = 7.22e3; }
        : button { key = "beta94"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta88.path86 : boxed_column { // конец запись Привет
    label = "It's \"конец запись Привет\"";
    : toggle { key = "t0xD2A3"; value = "1"; }
    spacer_1;
}

/* Ёж проверка проверка
   Ёж проверка проверка */
item68 : list_box { height = 1819; width = 0x1819; multiple_select = false; }
/* строка Привет строка
   строка Привет строка */
name38 : list_box { height = 8865; width = 0x8865; multiple_select = false; }
/* запись конец окно
   запись конец окно */
index51 : list_box { height = 4237; width = 0x4237; multiple_select = false; }
line84.path59 : boxed_column { // ёлка ошибка запись
    label = "It's \"ёлка ошибка запись\"";
    : toggle { key = "t4.40e4"; value = "1"; }
    spacer_1;
}
limit56 : dialog {
    label = "проверка сумма запись";
    : row {
        : edit_box { key = "offset22"; label = "проверка сумма запись:"; edit_width = 0xFB7F; }
        : button { key = "buffer87"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha18.limit34 : boxed_column { // проверка Ёж сумма
    label = "It's \"проверка Ёж сумма\"";
    : toggle { key = "t3550"; value = "1"; }
    spacer_1;
}
state32.width37 : boxed_column { // проверка строка файл
    label = "It's \"проверка строка файл\"";
    : toggle { key = "t5.66e5"; value = "1"; }
    spacer_1;
}
index88 : dialog {
    label = "начало строка данные";
    : row {
        : edit_box { key = "index13"; label = "начало строка данные:"; edit_width = 4662; }
        : button { key = "buffer6"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
width92 : dialog {
    label = "начало окно строка";
    : row {
        : edit_box { key = "limit42"; label = "начало окно строка:"; edit_width = 5110; }
        : button { key = "count37"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
count8.result8 : boxed_column { // ошибка Привет строка
    label = "It's \"ошибка Привет строка\"";
    : toggle { key = "t8296"; value = "1"; }
    spacer_1;
}
item53 : dialog {
    label = "Привет проверка сумма";
    : row {
        : edit_box { key = "result83"; label = "Привет проверка сумма:"; edit_width = 0xA586; }
        : button { key = "height9"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index78 : dialog {
    label = "сумма строка строка";
    : row {
        : edit_box { key = "state48"; label = "сумма строка строка:"; edit_width = 4459; }
        : button { key = "result70"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
node65 : dialog {
    label = "значение ошибка ёлка";
    : row {
        : edit_box { key = "buffer24"; label = "значение ошибка ёлка:"; edit_width = 8.9e3; }
        : button { key = "result6"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
name70.line32 : boxed_column { // окно ошибка таблица
    label = "It's \"окно ошибка таблица\"";
    : toggle { key = "t7482"; value = "1"; }
    spacer_1;
}
/* строка ошибка проверка
   строка ошибка проверка */
node58 : list_box { height = 1681; width = 0x1681; multiple_select = false; }
buffer82 : dialog {
    label = "строка таблица Ёж";
    : row {
        : edit_box { key = "value79"; label = "строка таблица Ёж:"; edit_width = 2673; }
        : button { key = "path13"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* данные таблица Привет
   данные таблица Привет */
state92 : list_box { height = 3385; width = 0x3385; multiple_select = false; }
/* Ёж запись конец
   Ёж запись конец */
path66 : list_box { height = 4621; width = 0x4621; multiple_select = false; }
total67.limit37 : boxed_column { // ёлка данные начало
    label = "It's \"ёлка данные начало\"";
    : toggle { key = "t0x63AC"; value = "1"; }
    spacer_1;
}
path20 : dialog {
    label = "окно конец ёлка";
    : row {
        : edit_box { key = "result53"; label = "окно конец ёлка:"; edit_width = 9690; }
        : button { key = "name43"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha20.path83 : boxed_column { // Привет сумма начало
    label = "It's \"Привет сумма начало\"";
    : toggle { key = "t7629"; value = "1"; }
    spacer_1;
}
;
path15 : dialog {
    label = "таблица файл ошибка";
    : row {
        : edit_box { key = "buffer64"; label = "таблица файл ошибка:"; edit_width = 6.83e2; }
        : button { key = "offset53"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha26.item74 : boxed_column { // строка таблица значение
    label = "It's \"строка таблица значение\"";
    : toggle { key = "t7124"; value = "1"; }
    spacer_1;
}
height71 : dialog {
    label = "проверка сумма начало";
    : row {
        : edit_box { key = "name87"; label = "проверка сумма начало:"; edit_width = 4267; }
        : button { key = "line0"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

node98 : dialog {
    label = "файл строка ошибка";
    : row {
        : edit_box { key = "name56"; label = "файл строка ошибка:"; edit_width = 7690; }
        : button { key = "path37"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
\
/* проверка Ёж конец
   проверка Ёж конец */
node2 : list_box { height = 7273; width = 0x7273; multiple_select = false; }
width25 : dialog {
    label = "строка сумма данные";
    : row {
        : edit_box { key = "count22"; label = "строка сумма данные:"; edit_width = 0.4e7; }
        : button { key = "beta38"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

buffer98.index49 : boxed_column { // таблица файл файл
    label = "It's \"таблица файл файл\"";
    : toggle { key = "t0xE6E9"; value = "1"; }
    spacer_1;
}

name67.node88 : boxed_column { // таблица конец конец
    label = "It's \"таблица конец конец\"";
    : toggle { key = "t1508"; value = "1"; }
    spacer_1;
}
state91.name93 : boxed_column { // файл файл данные
    label = "It's \"файл файл данные\"";
    : toggle { key = "t756"; value = "1"; }
    spacer_1;
}

height81 : dialog {
    label = "строка таблица проверка";
    : row {
        : edit_box { key = "limit46"; label = "строка таблица проверка:"; edit_width = 4718; }
        : button { key = "buffer0"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha89 : dialog {
    label = "сумма Ёж конец";
    : row {
        : edit_box { key = "width92"; label = "сумма Ёж конец:"; edit_width = 1307; }
        : button { key = "path19"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* проверка данные начало
   проверка данные начало */
path33 : list_box { height = 7393; width = 0x7393; multiple_select = false; }
/* ёлка ошибка ёлка
   ёлка ошибка ёлка */
limit71 : list_box { height = 270; width = 0x270; multiple_select = false; }

/* строка начало сумма
   строка начало сумма */
path28 : list_box { height = 0xA0B4; width = 0x0xA0B4; multiple_select = false; }

buffer41.height98 : boxed_column { // начало Привет окно
    label = "It's \"начало Привет окно\"";
    : toggle { key = "t2023"; value = "1"; }
    spacer_1;
}
/* конец значение запись
   конец значение запись */
count5 : list_box { height = 7692; width = 0x7692; multiple_select = false; }

value78.name73 : boxed_column { // строка запись сумма
    label = "It's \"строка запись сумма\"";
    : toggle { key = "t4.11e5"; value = "1"; }
    spacer_1;
}

index20.height80 : boxed_column { // ёлка строка данные
    label = "It's \"ёлка строка данные\"";
    : toggle { key = "t5835"; value = "1"; }
    spacer_1;
}
path41 : dialog {
    label = "Привет запись Ёж";
    : row {
        : edit_box { key = "beta76"; label = "Привет запись Ёж:"; edit_width = 4.39e5; }
        : button { key = "name64"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
line72 : dialog {
    label = "значение Ёж ёлка";
    : row {
        : edit_box { key = "node78"; label = "значение Ёж ёлка:"; edit_width = 6984; }
        : button { key = "index16"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

result46 : dialog {
    label = "ёлка проверка проверка";
    : row {
        : edit_box { key = "index22"; label = "ёлка проверка проверка:"; edit_width = 0x494A; }
        : button { key = "result5"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* значение Привет строка
   значение Привет строка */
count37 : list_box { height = 4661; width = 0x4661; multiple_select = false; }
name37.buffer88 : boxed_column { // данные сумма таблица
    label = "It's \"данные сумма таблица\"";
    : toggle { key = "t9239"; value = "1"; }
    spacer_1;
}
/* Ёж конец Привет
   Ёж конец Привет */
buffer46 : list_box { height = 5235; width = 0x5235; multiple_select = false; }
value47.width80 : boxed_column { // строка ёлка ёлка
    label = "It's \"строка ёлка ёлка\"";
    : toggle { key = "t4335"; value = "1"; }
    spacer_1;
}

/* сумма Ёж данные
   сумма Ёж данные */
value23 : list_box { height = 0xD2C6; width = 0x0xD2C6; multiple_select = false; }

value24.total55 : boxed_column { // значение проверка сумма
    label = "It's \"значение проверка сумма\"";
    : toggle { key = "t4691"; value = "1"; }
    spacer_1;
}
offset31 : dialog {
    label = "таблица Ёж значение";
    : row {
        : edit_box { key = "line3"; label = "таблица Ёж значение:"; edit_width = 9085; }
        : button { key = "result12"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha5 : dialog {
    label = "файл Ёж Привет";
    : row {
        : edit_box { key = "value60"; label = "файл Ёж Привет:"; edit_width = 747; }
        : button { key = "item42"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha4.index97 : boxed_column { // файл строка таблица
    label = "It's \"файл строка таблица\"";
    : toggle { key = "t3.8e2"; value = "1"; }
    spacer_1;
}
/* значение значение конец
   значение значение конец */
height43 : list_box { height = 2.99e5; width = 0x2.99e5; multiple_select = false; }
path1 : dialog {
    label = "начало окно Ёж";
    : row {
        : edit_box { key = "item7"; label = "начало окно Ёж:"; edit_width = 9128; }
        : button { key = "node49"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta88.value0 : boxed_column { // Ёж ошибка строка
    label = "It's \"Ёж ошибка строка\"";
    : toggle { key = "t4051"; value = "1"; }
    spacer_1;
}
/* Ёж Привет конец
   Ёж Привет конец */
alpha75 : list_box { height = 8549; width = 0x8549; multiple_select = false; }
/* файл конец конец
   файл конец конец */
result57 : list_box { height = 0x491; width = 0x0x491; multiple_select = false; }
result11 : dialog {
    label = "файл файл файл";
    : row {
        : edit_box { key = "offset85"; label = "файл файл файл:"; edit_width = 3567; }
        : button { key = "result93"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

index77 : dialog {
    label = "проверка проверка таблица";
    : row {
        : edit_box { key = "path28"; label = "проверка проверка таблица:"; edit_width = 5013; }
        : button { key = "value10"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* запись строка запись
   запись строка запись */
height72 : list_box { height = 8552; width = 0x8552; multiple_select = false; }
}
/* ошибка проверка ошибка
   ошибка проверка ошибка */
result48 : list_box { height = 7.76e6; width = 0x7.76e6; multiple_select = false; }

/* запись файл таблица
   запись файл таблица */
index78 : list_box { height = 340; width = 0x340; multiple_select = false; }
/* Привет файл окно
   Привет файл окно */
buffer35 : list_box { height = 4432; width = 0x4432; multiple_select = false; }

/* строка проверка файл
   строка проверка файл */
alpha77 : list_box { height = 4.48e8; width = 0x4.48e8; multiple_select = false; }
path19.offset85 : boxed_column { // значение таблица Ёж
    label = "It's \"значение таблица Ёж\"";
    : toggle { key = "t1012"; value = "1"; }
    spacer_1;
}
/* проверка Привет файл
   проверка Привет файл */
line98 : list_box { height = 5421; width = 0x5421; multiple_select = false; }
buffer49.item72 : boxed_column { // проверка начало проверка
    label = "It's \"проверка начало проверка\"";
    : toggle { key = "t4637"; value = "1"; }
    spacer_1;
}
path67.buffer97 : boxed_column { // начало Ёж Ёж
    label = "It's \"начало Ёж Ёж\"";
    : toggle { key = "t7258"; value = "1"; }
    spacer_1;
}
width90 : dialog {
    label = "таблица файл ошибка";
    : row {
        : edit_box { key = "count15"; label = "таблица файл ошибка:"; edit_width = 7671; }
        : button { key = "state83"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha62 : dialog {
    label = "таблица проверка запись";
    : row {
        : edit_box { key = "total14"; label = "таблица проверка запись:"; edit_width = 1057; }
        : button { key = "limit56"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
width98 : dialog {
    label = "ёлка сумма запись";
    : row {
        : edit_box { key = "line81"; label = "ёлка сумма запись:"; edit_width = 5566; }
        : button { key = "item20"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* значение сумма данные
   значение сумма данные */
beta98 : list_box { height = 5222; width = 0x5222; multiple_select = false; }

node70 : dialog {
    label = "значение окно окно";
    : row {
        : edit_box { key = "result29"; label = "значение окно окно:"; edit_width = 3954; }
        : button { key = "name85"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

item42.limit33 : boxed_column { // файл данные ёлка
    label = "It's \"файл данные ёлка\"";
    : toggle { key = "t0x3D2F"; value = "1"; }
    spacer_1;
}
item45.item37 : boxed_column { // строка запись сумма
    label = "It's \"строка запись сумма\"";
    : toggle { key = "t1925"; value = "1"; }
    spacer_1;
}
total85 : dialog {
    label = "начало конец строка";
    : row {
        : edit_box { key = "index56"; label = "начало конец строка:"; edit_width = 2.69e4; }
        : button { key = "width41"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
\
offset0.index33 : boxed_column { // конец сумма таблица
    label = "It's \"конец сумма таблица\"";
    : toggle { key = "t1.12e1"; value = "1"; }
    spacer_1;
}
total46 : dialog {
    label = "сумма конец окно";
    : row {
        : edit_box { key = "value10"; label = "сумма конец окно:"; edit_width = 8529; }
        : button { key = "alpha58"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index39.line99 : boxed_column { // строка файл ёлка
    label = "It's \"строка файл ёлка\"";
    : toggle { key = "t0x79DF"; value = "1"; }
    spacer_1;
}
line24.path66 : boxed_column { // сумма данные файл
    label = "It's \"сумма данные файл\"";
    : toggle { key = "t0xF12"; value = "1"; }
    spacer_1;
}

alpha86.name43 : boxed_column { // сумма файл значение
    label = "It's \"сумма файл значение\"";
    : toggle { key = "t7.33e4"; value = "1"; }
    spacer_1;
}

count34.count78 : boxed_column { // значение проверка сумма
    label = "It's \"значение проверка сумма\"";
    : toggle { key = "t6.5e8"; value = "1"; }
    spacer_1;
}
item54 : dialog {
    label = "сумма конец конец";
    : row {
        : edit_box { key = "total26"; label = "сумма конец конец:"; edit_width = 1.99e9; }
        : button { key = "limit23"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* Ёж проверка начало
   Ёж проверка начало */
total56 : list_box { height = 5945; width = 0x5945; multiple_select = false; }
count59.width85 : boxed_column { // значение данные конец
    label = "It's \"значение данные конец\"";
    : toggle { key = "t3998"; value = "1"; }
    spacer_1;
}

/* данные значение окно
   данные значение окно */
line4 : list_box { height = 6086; width = 0x6086; multiple_select = false; }
offset66 : dialog {
    label = "ёлка данные проверка";
    : row {
        : edit_box { key = "value53"; label = "ёлка данные проверка:"; edit_width = 3604; }
        : button { key = "buffer96"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta12.node94 : boxed_column { // ёлка начало сумма
    label = "It's \"ёлка начало сумма\"";
    : toggle { key = "t7799"; value = "1"; }
    spacer_1;
}
height28 : dialog {
    label = "ёлка строка проверка";
    : row {
        : edit_box { key = "beta48"; label = "ёлка строка проверка:"; edit_width = 3723; }
        : button { key = "height20"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
path41.buffer29 : boxed_column { // значение значение значение
    label = "It's \"значение значение значение\"";
    : toggle { key = "t7522"; value = "1"; }
    spacer_1;
}
height38.count38 : boxed_column { // ошибка проверка данные
    label = "It's \"ошибка проверка данные\"";
    : toggle { key = "t7991"; value = "1"; }
    spacer_1;
}
offset56 : dialog {
    label = "начало окно значение";
    : row {
        : edit_box { key = "alpha91"; label = "начало окно значение:"; edit_width = 1734; }
        : button { key = "limit96"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

\
/* данные таблица окно
   данные таблица окно */
alpha2 : list_box { height = 9167; width = 0x9167; multiple_select = false; }
/* значение значение строка
   значение значение строка */
line28 : list_box { height = 3009; width = 0x3009; multiple_select = false; }
result89.node78 : boxed_column { // ёлка таблица ошибка
    label = "It's \"ёлка таблица ошибка\"";
    : toggle { key = "t0xF7C0"; value = "1"; }
    spacer_1;
}

/* Ёж данные таблица
   Ёж данные таблица */
value40 : list_box { height = 4.84e7; width = 0x4.84e7; multiple_select = false; }
/* файл окно начало
   файл окно начало */
count13 : list_box { height = 0x3550; width = 0x0x3550; multiple_select = false; }
/* строка конец данные
   строка конец данные */
total63 : list_box { height = 600; width = 0x600; multiple_select = false; }
/* проверка окно строка
   проверка окно строка */
line95 : list_box { height = 3195; width = 0x3195; multiple_select = false; }
path16 : dialog {
    label = "значение таблица строка";
    : row {
        : edit_box { key = "height36"; label = "значение таблица строка:"; edit_width = 0x77EE; }
        : button { key = "beta49"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

node85 : dialog {
    label = "Ёж таблица строка";
    : row {
        : edit_box { key = "value95"; label = "Ёж таблица строка:"; edit_width = 0x6B53; }
        : button { key = "item74"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* Ёж окно строка
   Ёж окно строка */
item17 : list_box { height = 9952; width = 0x9952; multiple_select = false; }
alpha83.total80 : boxed_column { // конец ёлка запись
    label = "It's \"конец ёлка запись\"";
    : toggle { key = "t0.49e1"; value = "1"; }
    spacer_1;
}
/* запись Ёж запись
   запись Ёж запись */
path62 : list_box { height = 3715; width = 0x3715; multiple_select = false; }
/* ёлка строка значение
   ёлка строка значение */
alpha68 : list_box { height = 359; width = 0x359; multiple_select = false; }

/* Ёж значение ошибка
   Ёж значение ошибка */
width41 : list_box { height = 6742; width = 0x6742; multiple_select = false; }
count15.count87 : boxed_column { // строка строка запись
    label = "It's \"строка строка запись\"";
    : toggle { key = "t2393"; value = "1"; }
    spacer_1;
}

limit96.height48 : boxed_column { // файл проверка данные
    label = "It's \"файл проверка данные\"";
    : toggle { key = "t0x6249"; value = "1"; }
    spacer_1;
}

/* окно окно Привет
   окно окно Привет */
limit75 : list_box { height = 9.41e3; width = 0x9.41e3; multiple_select = false; }
name80 : dialog {
    label = "файл Привет конец";
    : row {
        : edit_box { key = "alpha86"; label = "файл Привет конец:"; edit_width = 4.63e8; }
        : button { key = "path9"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
buffer74.line5 : boxed_column { // начало значение проверка
    label = "It's \"начало значение проверка\"";
    : toggle { key = "t0xB20"; value = "1"; }
    spacer_1;
}
index60 : dialog {
    label = "конец значение конец";
    : row {
        : edit_box { key = "alpha68"; label = "конец значение конец:"; edit_width = 9977; }
        : button { key = "name3"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta97 : dialog {
    label = "строка таблица файл";
    : row {
        : edit_box { key = "path40"; label = "строка таблица файл:"; edit_width = 5.72e8; }
        : button { key = "node30"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
node15 : dialog {
    label = "таблица проверка ёлка";
    : row {
        : edit_box { key = "path2"; label = "таблица проверка ёлка:"; edit_width = 4476; }
        : button { key = "path26"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

\
total18.offset33 : boxed_column { // ошибка данные сумма
    label = "It's \"ошибка данные сумма\"";
    : toggle { key = "t0xA1D6"; value = "1"; }
    spacer_1;
}

/* конец сумма запись
   конец сумма запись */
height23 : list_box { height = 2737; width = 0x2737; multiple_select = false; }
buffer87 : dialog {
    label = "сумма сумма окно";
    : row {
        : edit_box { key = "value18"; label = "сумма сумма окно:"; edit_width = 7187; }
        : button { key = "count15"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
value7.name29 : boxed_column { // запись значение конец
    label = "It's \"запись значение конец\"";
    : toggle { key = "t3830"; value = "1"; }
    spacer_1;
}
height81.node90 : boxed_column { // запись ёлка Привет
    label = "It's \"запись ёлка Привет\"";
    : toggle { key = "t0xAE28"; value = "1"; }
    spacer_1;
}
/* значение Привет таблица
   значение Привет таблица */
name93 : list_box { height = 5299; width = 0x5299; multiple_select = false; }
/* строка данные начало
   строка данные начало */
name90 : list_box { height = 9039; width = 0x9039; multiple_select = false; }

/* проверка Ёж конец
   проверка Ёж конец */
node54 : list_box { height = 713; width = 0x713; multiple_select = false; }
height71.value25 : boxed_column { // строка окно начало
    label = "It's \"строка окно начало\"";
    : toggle { key = "t0x4984"; value = "1"; }
    spacer_1;
}
buffer47 : dialog {
    label = "проверка строка ошибка";
    : row {
        : edit_box { key = "state83"; label = "проверка строка ошибка:"; edit_width = 4262; }
        : button { key = "value81"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
name55.item80 : boxed_column { // значение строка ошибка
    label = "It's \"значение строка ошибка\"";
    : toggle { key = "t9.47e4"; value = "1"; }
    spacer_1;
}
name45 : dialog {
    label = "ёлка конец значение";
    : row {
        : edit_box { key = "offset77"; label = "ёлка конец значение:"; edit_width = 0xB02D; }
        : button { key = "count64"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
offset14 : dialog {
    label = "сумма значение сумма";
    : row {
        : edit_box { key = "result22"; label = "сумма значение сумма:"; edit_width = 0xFE92; }
        : button { key = "line25"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

width42 : dialog {
    label = "ошибка файл значение";
    : row {
        : edit_box { key = "name70"; label = "ошибка файл значение:"; edit_width = 0x50AC; }
        : button { key = "path12"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* данные значение сумма
   данные значение сумма */
total71 : list_box { height = 4235; width = 0x4235; multiple_select = false; }

buffer33 : dialog {
    label = "ёлка Ёж запись";
    : row {
        : edit_box { key = "name91"; label = "ёлка Ёж запись:"; edit_width = 2.52e9; }
        : button { key = "beta18"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* файл Привет начало
   файл Привет начало */
result26 : list_box { height = 6495; width = 0x6495; multiple_select = false; }
/* значение начало запись
   значение начало запись */
alpha16 : list_box { height = 4171; width = 0x4171; multiple_select = false; }
name42 : dialog {
    label = "запись ошибка строка";
    : row {
        : edit_box { key = "state89"; label = "запись ошибка строка:"; edit_width = 3568; }
        : button { key = "name24"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
name9.total92 : boxed_column { // окно таблица строка
    label = "It's \"окно таблица строка\"";
    : toggle { key = "t2423"; value = "1"; }
    spacer_1;
}

limit59.item29 : boxed_column { // значение начало конец
    label = "It's \"значение начало конец\"";
    : toggle { key = "t7774"; value = "1"; }
    spacer_1;
}
name39.width31 : boxed_column { // Ёж Привет начало
    label = "It's \"Ёж Привет начало\"";
    : toggle { key = "t468"; value = "1"; }
    spacer_1;
}
count57.state48 : boxed_column { // файл Ёж строка
    label = "It's \"файл Ёж строка\"";
    : toggle { key = "t9855"; value = "1"; }
    spacer_1;
}
width55 : dialog {
    label = "ёлка файл ошибка";
    : row {
        : edit_box { key = "height41"; label = "ёлка файл ошибка:"; edit_width = 3693; }
        : button { key = "node62"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state55.state36 : boxed_column { // ошибка сумма окно
    label = "It's \"ошибка сумма окно\"";
    : toggle { key = "t5853"; value = "1"; }
    spacer_1;
}

/* проверка данные файл
   проверка данные файл */
beta48 : list_box { height = 0xC696; width = 0x0xC696; multiple_select = false; }
alpha42 : dialog {
    label = "данные ошибка ошибка";
    : row {
        : edit_box { key = "width53"; label = "данные ошибка ошибка:"; edit_width = 5525; }
        : button { key = "offset31"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

total67.node83 : boxed_column { // ёлка запись строка
    label = "It's \"ёлка запись строка\"";
    : toggle { key = "t9907"; value = "1"; }
    spacer_1;
}
/* Привет запись строка
   Привет запись строка */
value97 : list_box { height = 2483; width = 0x2483; multiple_select = false; }
/* конец начало Привет
   конец начало Привет */
path96 : list_box { height = 2487; width = 0x2487; multiple_select = false; }
buffer36 : dialog {
    label = "окно значение Ёж";
    : row {
        : edit_box { key = "count3"; label = "окно значение Ёж:"; edit_width = 0x355A; }
        : button { key = "count2"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

name68.value65 : boxed_column { // проверка данные ёлка
    label = "It's \"проверка данные ёлка\"";
    : toggle { key = "t669"; value = "1"; }
    spacer_1;
}
buffer25 : dialog {
    label = "ёлка начало начало";
    : row {
        : edit_box { key = "line44"; label = "ёлка начало начало:"; edit_width = 3421; }
        : button { key = "total72"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state38 : dialog {
    label = "конец ёлка таблица";
    : row {
        : edit_box { key = "result7"; label = "конец ёлка таблица:"; edit_width = 2962; }
        : button { key = "total37"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
item73.node93 : boxed_column { // Ёж таблица ошибка
    label = "It's \"Ёж таблица ошибка\"";
    : toggle { key = "t9.76e8"; value = "1"; }
    spacer_1;
}
/* ошибка файл файл
   ошибка файл файл */
total92 : list_box { height = 9995; width = 0x9995; multiple_select = false; }
/* файл значение данные
   файл значение данные */
state54 : list_box { height = 525; width = 0x525; multiple_select = false; }
/* запись окно Ёж
   запись окно Ёж */
name7 : list_box { height = 4411; width = 0x4411; multiple_select = false; }
alpha92 : dialog {
    label = "строка таблица файл";
    : row {
        : edit_box { key = "node24"; label = "строка таблица файл:"; edit_width = 4368; }
        : button { key = "node20"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
buffer51.name3 : boxed_column { // данные ошибка строка
    label = "It's \"данные ошибка строка\"";
    : toggle { key = "t5813"; value = "1"; }
    spacer_1;
}
item80.line73 : boxed_column { // Привет Ёж окно
    label = "It's \"Привет Ёж окно\"";
    : toggle { key = "t1.97e2"; value = "1"; }
    spacer_1;
}

/* сумма файл таблица
   сумма файл таблица */
total81 : list_box { height = 3441; width = 0x3441; multiple_select = false; }
total23.name82 : boxed_column { // проверка данные Привет
    label = "It's \"проверка данные Привет\"";
    : toggle { key = "t4499"; value = "1"; }
    spacer_1;
}
index7.state98 : boxed_column { // сумма начало данные
    label = "It's \"сумма начало данные\"";
    : toggle { key = "t1.14e3"; value = "1"; }
    spacer_1;
}
result27.count5 : boxed_column { // ёлка файл файл
    label = "It's \"ёлка файл файл\"";
    : toggle { key = "t5430"; value = "1"; }
    spacer_1;
}
}
/* Привет данные значение
   Привет данные значение */
value53 : list_box { height = 0.54e9; width = 0x0.54e9; multiple_select = false; }
/* Привет Привет окно
   Привет Привет окно */
height91 : list_box { height = 2916; width = 0x2916; multiple_select = false; }
/* данные данные строка
   данные данные строка */
state31 : list_box { height = 5648; width = 0x5648; multiple_select = false; }

node65 : dialog {
    label = "Ёж окно данные";
    : row {
        : edit_box { key = "name61"; label = "Ёж окно данные:"; edit_width = 6742; }
        : button { key = "value88"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

line77.node97 : boxed_column { // запись начало окно
    label = "It's \"запись начало окно\"";
    : toggle { key = "t6370"; value = "1"; }
    spacer_1;
}

height75.line60 : boxed_column { // данные запись Ёж
    label = "It's \"данные запись Ёж\"";
    : toggle { key = "t8238"; value = "1"; }
    spacer_1;
}
/* окно сумма запись
   окно сумма запись */
line54 : list_box { height = 4838; width = 0x4838; multiple_select = false; }
path84 : dialog {
    label = "Ёж данные Привет";
    : row {
        : edit_box { key = "beta16"; label = "Ёж данные Привет:"; edit_width = 6.12e5; }
        : button { key = "node14"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* файл данные данные
   файл данные данные */
total59 : list_box { height = 3431; width = 0x3431; multiple_select = false; }
/* таблица конец Привет
   таблица конец Привет */
state74 : list_box { height = 0xC962; width = 0x0xC962; multiple_select = false; }
path3 : dialog {
    label = "файл запись значение";
    : row {
        : edit_box { key = "path9"; label = "файл запись значение:"; edit_width = 6083; }
        : button { key = "width92"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state60 : dialog {
    label = "ошибка сумма значение";
    : row {
        : edit_box { key = "node67"; label = "ошибка сумма значение:"; edit_width = 7761; }
        : button { key = "beta66"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* файл данные начало
   файл данные начало */
index4 : list_box { height = 0x54CC; width = 0x0x54CC; multiple_select = false; }
index43.item87 : boxed_column { // начало файл проверка
    label = "It's \"начало файл проверка\"";
    : toggle { key = "t2.24e4"; value = "1"; }
    spacer_1;
}
buffer58.offset96 : boxed_column { // проверка файл запись
    label = "It's \"проверка файл запись\"";
    : toggle { key = "t1110"; value = "1"; }
    spacer_1;
}
/* проверка конец Привет
   проверка конец Привет */
offset51 : list_box { height = 0xFF8D; width = 0x0xFF8D; multiple_select = false; }
line32.width87 : boxed_column { // таблица запись запись
    label = "It's \"таблица запись запись\"";
    : toggle { key = "t9658"; value = "1"; }
    spacer_1;
}
total14 : dialog {
    label = "проверка сумма проверка";
    : row {
        : edit_box { key = "width14"; label = "проверка сумма проверка:"; edit_width = 0x3A41; }
        : button { key = "alpha79"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
result13 : dialog {
    label = "окно проверка окно";
    : row {
        : edit_box { key = "alpha32"; label = "окно проверка окно:"; edit_width = 7414; }
        : button { key = "value67"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state36 : dialog {
    label = "окно начало сумма";
    : row {
        : edit_box { key = "name39"; label = "окно начало сумма:"; edit_width = 459; }
        : button { key = "total72"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
value72 : dialog {
    label = "окно окно начало";
    : row {
        : edit_box { key = "offset97"; label = "окно окно начало:"; edit_width = 0xCE9F; }
        : button { key = "buffer49"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* Привет ёлка конец
   Привет ёлка конец */
offset98 : list_box { height = 0xAC8C; width = 0x0xAC8C; multiple_select = false; }

/* конец Привет данные
   конец Привет данные */
height46 : list_box { height = 8338; width = 0x8338; multiple_select = false; }
result46 : dialog {
    label = "проверка файл значение";
    : row {
        : edit_box { key = "index84"; label = "проверка файл значение:"; edit_width = 6676; }
        : button { key = "buffer8"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta46 : dialog {
    label = "строка строка значение";
    : row {
        : edit_box { key = "alpha47"; label = "строка строка значение:"; edit_width = 0x2A09; }
        : button { key = "total21"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta3 : dialog {
    label = "начало Ёж окно";
    : row {
        : edit_box { key = "count93"; label = "начало Ёж окно:"; edit_width = 2166; }
        : button { key = "beta68"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

buffer38 : dialog {
    label = "значение значение начало";
    : row {
        : edit_box { key = "result94"; label = "значение значение начало:"; edit_width = 3.23e8; }
        : button { key = "limit33"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* Ёж таблица сумма
   Ёж таблица сумма */
width78 : list_box { height = 2746; width = 0x2746; multiple_select = false; }
/* файл сумма окно
   файл сумма окно */
line8 : list_box { height = 0x5CE9; width = 0x0x5CE9; multiple_select = false; }
offset4 : dialog {
    label = "окно строка файл";
    : row {
        : edit_box { key = "alpha51"; label = "окно строка файл:"; edit_width = 1170; }
        : button { key = "limit69"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
beta87 : dialog {
    label = "ёлка конец конец";
    : row {
        : edit_box { key = "state82"; label = "ёлка конец конец:"; edit_width = 0x9537; }
        : button { key = "line71"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* сумма таблица ошибка
   сумма таблица ошибка */
item79 : list_box { height = 7.80e6; width = 0x7.80e6; multiple_select = false; }
state26.limit89 : boxed_column { // файл Ёж файл
    label = "It's \"файл Ёж файл\"";
    : toggle { key = "t1.20e5"; value = "1"; }
    spacer_1;
}
/* проверка данные начало
   проверка данные начало */
path42 : list_box { height = 0x5EA5; width = 0x0x5EA5; multiple_select = false; }
/* ошибка проверка начало
   ошибка проверка начало */
beta37 : list_box { height = 1903; width = 0x1903; multiple_select = false; }
result52 : dialog {
    label = "запись значение начало";
    : row {
        : edit_box { key = "name57"; label = "запись значение начало:"; edit_width = 2294; }
        : button { key = "path28"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

item69 : dialog {
    label = "начало сумма Ёж";
    : row {
        : edit_box { key = "result6"; label = "начало сумма Ёж:"; edit_width = 6.84e3; }
        : button { key = "alpha88"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

total44 : dialog {
    label = "запись Привет проверка";
    : row {
        : edit_box { key = "total91"; label = "запись Привет проверка:"; edit_width = 4166; }
        : button { key = "alpha91"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

alpha15.buffer68 : boxed_column { // Ёж данные файл
    label = "It's \"Ёж данные файл\"";
    : toggle { key = "t5.40e3"; value = "1"; }
    spacer_1;
}
/* данные строка сумма
   данные строка сумма */
path24 : list_box { height = 0x1595; width = 0x0x1595; multiple_select = false; }
/* проверка ошибка Ёж
   проверка ошибка Ёж */
result50 : list_box { height = 9479; width = 0x9479; multiple_select = false; }
offset43.buffer70 : boxed_column { // данные файл файл
    label = "It's \"данные файл файл\"";
    : toggle { key = "t7886"; value = "1"; }
    spacer_1;
}
beta59 : dialog {
    label = "таблица таблица проверка";
    : row {
        : edit_box { key = "index77"; label = "таблица таблица проверка:"; edit_width = 4735; }
        : button { key = "count59"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
count10 : dialog {
    label = "данные окно значение";
    : row {
        : edit_box { key = "result3"; label = "данные окно значение:"; edit_width = 0x33B7; }
        : button { key = "name89"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
node27 : dialog {
    label = "таблица таблица значение";
    : row {
        : edit_box { key = "index76"; label = "таблица таблица значение:"; edit_width = 6454; }
        : button { key = "state43"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* конец окно сумма
   конец окно сумма */
value16 : list_box { height = 2206; width = 0x2206; multiple_select = false; }
;
/* конец начало окно
   конец начало окно */
width72 : list_box { height = 5.61e9; width = 0x5.61e9; multiple_select = false; }
width92.line89 : boxed_column { // Привет ёлка строка
    label = "It's \"Привет ёлка строка\"";
    : toggle { key = "t1361"; value = "1"; }
    spacer_1;
}
name3 : dialog {
    label = "ошибка строка данные";
    : row {
        : edit_box { key = "offset97"; label = "ошибка строка данные:"; edit_width = 2891; }
        : button { key = "path1"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* окно таблица начало
   окно таблица начало */
index42 : list_box { height = 6259; width = 0x6259; multiple_select = false; }
/* ёлка начало строка
   ёлка начало строка */
state85 : list_box { height = 4232; width = 0x4232; multiple_select = false; }
name5 : dialog {
    label = "ёлка конец таблица";
    : row {
        : edit_box { key = "node1"; label = "ёлка конец таблица:"; edit_width = 4259; }
        : button { key = "path13"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* таблица окно ошибка
   таблица окно ошибка */
node85 : list_box { height = 0x36A3; width = 0x0x36A3; multiple_select = false; }
beta74 : dialog {
    label = "запись файл строка";
    : row {
        : edit_box { key = "index60"; label = "запись файл строка:"; edit_width = 7165; }
        : button { key = "item23"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

path4.name92 : boxed_column { // ёлка конец ёлка
    label = "It's \"ёлка конец ёлка\"";
    : toggle { key = "t0x1FDA"; value = "1"; }
    spacer_1;
}
index64 : dialog {
    label = "значение Ёж строка";
    : row {
        : edit_box { key = "height26"; label = "значение Ёж строка:"; edit_width = 0xC71D; }
        : button { key = "beta28"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
count58.alpha4 : boxed_column { // проверка начало Ёж
    label = "It's \"проверка начало Ёж\"";
    : toggle { key = "t9769"; value = "1"; }
    spacer_1;
}
value58.line1 : boxed_column { // Привет проверка окно
    label = "It's \"Привет проверка окно\"";
    : toggle { key = "t0x9D3E"; value = "1"; }
    spacer_1;
}

alpha51.line48 : boxed_column { // начало таблица значение
    label = "It's \"начало таблица значение\"";
    : toggle { key = "t4198"; value = "1"; }
    spacer_1;
}

/* начало конец ошибка
   начало конец ошибка */
buffer42 : list_box { height = 5491; width = 0x5491; multiple_select = false; }
state90.count20 : boxed_column { // сумма данные ёлка
    label = "It's \"сумма данные ёлка\"";
    : toggle { key = "t5760"; value = "1"; }
    spacer_1;
}

/* запись окно Привет
   запись окно Привет */
state8 : list_box { height = 7783; width = 0x7783; multiple_select = false; }
path90 : dialog {
    label = "файл начало значение";
    : row {
        : edit_box { key = "width94"; label = "файл начало значение:"; edit_width = 9799; }
        : button { key = "height30"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index53 : dialog {
    label = "строка ошибка таблица";
    : row {
        : edit_box { key = "result10"; label = "строка ошибка таблица:"; edit_width = 4321; }
        : button { key = "height82"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
state85 : dialog {
    label = "сумма Привет файл";
    : row {
        : edit_box { key = "index88"; label = "сумма Привет файл:"; edit_width = 0x4EAB; }
        : button { key = "name57"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* начало начало таблица
   начало начало таблица */
item77 : list_box { height = 9618; width = 0x9618; multiple_select = false; }

item7.count49 : boxed_column { // проверка проверка файл
    label = "It's \"проверка проверка файл\"";
    : toggle { key = "t8802"; value = "1"; }
    spacer_1;
}
/* проверка значение начало
   проверка значение начало */
index32 : list_box { height = 0xE30E; width = 0x0xE30E; multiple_select = false; }
offset19 : dialog {
    label = "Привет конец начало";
    : row {
        : edit_box { key = "value38"; label = "Привет конец начало:"; edit_width = 0x9803; }
        : button { key = "index65"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* запись файл ошибка
   запись файл ошибка */
offset73 : list_box { height = 6.89e2; width = 0x6.89e2; multiple_select = false; }
/* начало окно строка
   начало окно строка */
alpha92 : list_box { height = 1844; width = 0x1844; multiple_select = false; }

state4.limit21 : boxed_column { // файл проверка файл
    label = "It's \"файл проверка файл\"";
    : toggle { key = "t0.38e3"; value = "1"; }
    spacer_1;
}
	
height95 : dialog {
    label = "начало проверка ёлка";
    : row {
        : edit_box { key = "count65"; label = "начало проверка ёлка:"; edit_width = 4.27e7; }
        : button { key = "width99"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* таблица проверка проверка
   таблица проверка проверка */
name77 : list_box { height = 6774; width = 0x6774; multiple_select = false; }

/* конец ошибка сумма
   конец ошибка сумма */
alpha15 : list_box { height = 3912; width = 0x3912; multiple_select = false; }
total41.offset46 : boxed_column { // окно файл таблица
    label = "It's \"окно файл таблица\"";
    : toggle { key = "t0x11BC"; value = "1"; }
    spacer_1;
}

result41 : dialog {
    label = "данные ошибка Ёж";
    : row {
        : edit_box { key = "node26"; label = "данные ошибка Ёж:"; edit_width = 6.54e1; }
        : button { key = "height69"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* таблица проверка значение
   таблица проверка значение */
width28 : list_box { height = 5422; width = 0x5422; multiple_select = false; }
item79 : dialog {
    label = "данные конец таблица";
    : row {
        : edit_box { key = "item27"; label = "данные конец таблица:"; edit_width = 6208; }
        : button { key = "node49"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index61.name20 : boxed_column { // конец значение проверка
    label = "It's \"конец значение проверка\"";
    : toggle { key = "t6446"; value = "1"; }
    spacer_1;
}
/* ошибка проверка данные
   ошибка проверка данные */
state97 : list_box { height = 9.65e3; width = 0x9.65e3; multiple_select = false; }
index96.alpha75 : boxed_column { // значение ошибка данные
    label = "It's \"значение ошибка данные\"";
    : toggle { key = "t0xFFC"; value = "1"; }
    spacer_1;
}
/* значение Ёж запись
   значение Ёж запись */
count47 : list_box { height = 1147; width = 0x1147; multiple_select = false; }

value51 : dialog {
    label = "сумма Привет ошибка";
    : row {
        : edit_box { key = "height25"; label = "сумма Привет ошибка:"; edit_width = 66; }
        : button { key = "value96"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* значение строка запись
   значение строка запись */
count82 : list_box { height = 5858; width = 0x5858; multiple_select = false; }
/* значение Привет значение
   значение Привет значение */
width66 : list_box { height = 428; width = 0x428; multiple_select = false; }
index45 : dialog {
    label = "ёлка строка начало";
    : row {
        : edit_box { key = "height22"; label = "ёлка строка начало:"; edit_width = 6822; }
        : button { key = "limit51"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* файл Ёж значение
   файл Ёж значение */
height85 : list_box { height = 492; width = 0x492; multiple_select = false; }

/* ошибка конец ошибка
   ошибка конец ошибка */
item13 : list_box { height = 9.10e8; width = 0x9.10e8; multiple_select = false; }

beta94 : dialog {
    label = "запись ёлка окно";
    : row {
        : edit_box { key = "alpha13"; label = "запись ёлка окно:"; edit_width = 0x1215; }
        : button { key = "buffer92"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

line86 : dialog {
    label = "данные Ёж окно";
    : row {
        : edit_box { key = "limit31"; label = "данные Ёж окно:"; edit_width = 8801; }
        : button { key = "total89"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

total19 : dialog {
    label = "строка значение ёлка";
    : row {
        : edit_box { key = "path26"; label = "строка значение ёлка:"; edit_width = 5520; }
        : button { key = "index58"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index33 : dialog {
    label = "Привет конец окно";
    : row {
        : edit_box { key = "value74"; label = "Привет конец окно:"; edit_width = 7681; }
        : button { key = "item9"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
item61.item24 : boxed_column { // файл Привет Привет
    label = "It's \"файл Привет Привет\"";
    : toggle { key = "t5611"; value = "1"; }
    spacer_1;
}
/* конец данные конец
   конец данные конец */
result21 : list_box { height = 636; width = 0x636; multiple_select = false; }
state64.path78 : boxed_column { // ошибка сумма конец
    label = "It's \"ошибка сумма конец\"";
    : toggle { key = "t8362"; value = "1"; }
    spacer_1;
}

width65 : dialog {
    label = "ошибка запись файл";
    : row {
        : edit_box { key = "item78"; label = "ошибка запись файл:"; edit_width = 2518; }
        : button { key = "path78"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* значение строка начало
   значение строка начало */
alpha27 : list_box { height = 0x7B4C; width = 0x0x7B4C; multiple_select = false; }

/* ёлка проверка Привет
   ёлка проверка Привет */
buffer69 : list_box { height = 3.37e2; width = 0x3.37e2; multiple_select = false; }
line86.alpha7 : boxed_column { // конец проверка Привет
    label = "It's \"конец проверка Привет\"";
    : toggle { key = "t2066"; value = "1"; }
    spacer_1;
}

width89.state84 : boxed_column { // Ёж ёлка Привет
    label = "It's \"Ёж ёлка Привет\"";
    : toggle { key = "t2214"; value = "1"; }
    spacer_1;
}
/* начало строка ёлка
   начало строка ёлка */
alpha60 : list_box { height = 0x296A; width = 0x0x296A; multiple_select = false; }
/* ошибка значение окно
   ошибка значение окно */
name72 : list_box { height = 1312; width = 0x1312; multiple_select = false; }

limit99 : dialog {
    label = "ошибка данные значение";
    : row {
        : edit_box { key = "result86"; label = "ошибка данные значение:"; edit_width = 0x3E33; }
        : button { key = "buffer14"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

state9 : dialog {
    label = "конец данные ёлка";
    : row {
        : edit_box { key = "name78"; label = "конец данные ёлка:"; edit_width = 0x39D1; }
        : button { key = "item65"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* окно начало запись
   окно начало запись */
index36 : list_box { height = 250; width = 0x250; multiple_select = false; }
state42 : dialog {
    label = "ёлка таблица конец";
    : row {
        : edit_box { key = "name5"; label = "ёлка таблица конец:"; edit_width = 0x226E; }
        : button { key = "beta64"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
index53.width45 : boxed_column { // Привет файл начало
    label = "It's \"Привет файл начало\"";
    : toggle { key = "t9.24e4"; value = "1"; }
    spacer_1;
}

/* начало начало проверка
   начало начало проверка */
name24 : list_box { height = 6980; width = 0x6980; multiple_select = false; }
}
offset50 : dialog {
    label = "Привет окно проверка";
    : row {
        : edit_box { key = "state47"; label = "Привет окно проверка:"; edit_width = 0xF054; }
        : button { key = "count89"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* запись значение строка
   запись значение строка */
result85 : list_box { height = 1.47e9; width = 0x1.47e9; multiple_select = false; }
result36 : dialog {
    label = "окно ёлка таблица";
    : row {
        : edit_box { key = "total29"; label = "окно ёлка таблица:"; edit_width = 8388; }
        : button { key = "value79"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
offset44 : dialog {
    label = "запись проверка Ёж";
    : row {
        : edit_box { key = "index75"; label = "запись проверка Ёж:"; edit_width = 7511; }
        : button { key = "item40"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* Привет окно значение
   Привет окно значение */
path79 : list_box { height = 5503; width = 0x5503; multiple_select = false; }

alpha21.offset14 : boxed_column { // файл окно таблица
    label = "It's \"файл окно таблица\"";
    : toggle { key = "t3513"; value = "1"; }
    spacer_1;
}

index2 : dialog {
    label = "строка проверка окно";
    : row {
        : edit_box { key = "path4"; label = "строка проверка окно:"; edit_width = 3348; }
        : button { key = "line76"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

item55 : dialog {
    label = "сумма значение значение";
    : row {
        : edit_box { key = "state67"; label = "сумма значение значение:"; edit_width = 7168; }
        : button { key = "limit40"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
total91 : dialog {
    label = "конец ошибка начало";
    : row {
        : edit_box { key = "buffer26"; label = "конец ошибка начало:"; edit_width = 0xDE0E; }
        : button { key = "beta0"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* начало проверка Привет
   начало проверка Привет */
index35 : list_box { height = 0x38DC; width = 0x0x38DC; multiple_select = false; }
limit70.path89 : boxed_column { // ёлка Ёж значение
    label = "It's \"ёлка Ёж значение\"";
    : toggle { key = "t296"; value = "1"; }
    spacer_1;
}
line5.buffer94 : boxed_column { // начало значение ошибка
    label = "It's \"начало значение ошибка\"";
    : toggle { key = "t2034"; value = "1"; }
    spacer_1;
}

count94 : dialog {
    label = "Ёж данные таблица";
    : row {
        : edit_box { key = "count90"; label = "Ёж данные таблица:"; edit_width = 4519; }
        : button { key = "item31"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

width1 : dialog {
    label = "строка значение проверка";
    : row {
        : edit_box { key = "buffer65"; label = "строка значение проверка:"; edit_width = 6874; }
        : button { key = "path67"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

buffer79 : dialog {
    label = "Ёж окно сумма";
    : row {
        : edit_box { key = "node9"; label = "Ёж окно сумма:"; edit_width = 1014; }
        : button { key = "value6"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

width72 : dialog {
    label = "данные данные запись";
    : row {
        : edit_box { key = "line75"; label = "данные данные запись:"; edit_width = 8864; }
        : button { key = "state34"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
node95 : dialog {
    label = "ёлка таблица Ёж";
    : row {
        : edit_box { key = "offset57"; label = "ёлка таблица Ёж:"; edit_width = 5827; }
        : button { key = "width19"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

width88 : dialog {
    label = "ошибка данные запись";
    : row {
        : edit_box { key = "line93"; label = "ошибка данные запись:"; edit_width = 1084; }
        : button { key = "state81"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* значение файл сумма
   значение файл сумма */
height86 : list_box { height = 4241; width = 0x4241; multiple_select = false; }
/* таблица Привет окно
   таблица Привет окно */
alpha64 : list_box { height = 6.44e3; width = 0x6.44e3; multiple_select = false; }

height48 : dialog {
    label = "проверка окно Ёж";
    : row {
        : edit_box { key = "count11"; label = "проверка окно Ёж:"; edit_width = 2253; }
        : button { key = "index61"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* файл Ёж Ёж
   файл Ёж Ёж */
item9 : list_box { height = 0xA0AE; width = 0x0xA0AE; multiple_select = false; }
offset88.line89 : boxed_column { // файл окно конец
    label = "It's \"файл окно конец\"";
    : toggle { key = "t5327"; value = "1"; }
    spacer_1;
}
/* начало конец Ёж
   начало конец Ёж */
name59 : list_box { height = 1.18e6; width = 0x1.18e6; multiple_select = false; }
/* конец таблица конец
   конец таблица конец */
width40 : list_box { height = 1239; width = 0x1239; multiple_select = false; }
name13.limit88 : boxed_column { // запись окно таблица
    label = "It's \"запись окно таблица\"";
    : toggle { key = "t1255"; value = "1"; }
    spacer_1;
}

/* ошибка таблица Привет
   ошибка таблица Привет */
line3 : list_box { height = 0xB2CD; width = 0x0xB2CD; multiple_select = false; }
limit20.count56 : boxed_column { // начало данные Привет
    label = "It's \"начало данные Привет\"";
    : toggle { key = "t0x3A"; value = "1"; }
    spacer_1;
}
value95.buffer30 : boxed_column { // данные конец данные
    label = "It's \"данные конец данные\"";
    : toggle { key = "t3135"; value = "1"; }
    spacer_1;
}

line54.line91 : boxed_column { // окно Привет таблица
    label = "It's \"окно Привет таблица\"";
    : toggle { key = "t5275"; value = "1"; }
    spacer_1;
}
/* строка файл Ёж
   строка файл Ёж */
line75 : list_box { height = 0xEA9; width = 0x0xEA9; multiple_select = false; }
line14.count25 : boxed_column { // сумма значение строка
    label = "It's \"сумма значение строка\"";
    : toggle { key = "t0xEE01"; value = "1"; }
    spacer_1;
}

/* данные файл ёлка
   данные файл ёлка */
width19 : list_box { height = 8976; width = 0x8976; multiple_select = false; }
item24.state80 : boxed_column { // ёлка конец файл
    label = "It's \"ёлка конец файл\"";
    : toggle { key = "t6507"; value = "1"; }
    spacer_1;
}
/* окно сумма строка
   окно сумма строка */
alpha15 : list_box { height = 3686; width = 0x3686; multiple_select = false; }
path28.width42 : boxed_column { // данные Привет ошибка
    label = "It's \"данные Привет ошибка\"";
    : toggle { key = "t9698"; value = "1"; }
    spacer_1;
}
buffer54.count94 : boxed_column { // файл ёлка строка
    label = "It's \"файл ёлка строка\"";
    : toggle { key = "t0x6DA0"; value = "1"; }
    spacer_1;
}
path82.state49 : boxed_column { // значение конец ёлка
    label = "It's \"значение конец ёлка\"";
    : toggle { key = "t3204"; value = "1"; }
    spacer_1;
}

state92 : dialog {
    label = "сумма окно данные";
    : row {
        : edit_box { key = "alpha57"; label = "сумма окно данные:"; edit_width = 8.0e7; }
        : button { key = "limit79"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* начало таблица строка
   начало таблица строка */
path54 : list_box { height = 222; width = 0x222; multiple_select = false; }
total16 : dialog {
    label = "ошибка таблица данные";
    : row {
        : edit_box { key = "value17"; label = "ошибка таблица данные:"; edit_width = 9090; }
        : button { key = "index11"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
item91.path68 : boxed_column { // значение проверка окно
    label = "It's \"значение проверка окно\"";
    : toggle { key = "t7581"; value = "1"; }
    spacer_1;
}
/* запись файл запись
   запись файл запись */
index39 : list_box { height = 1427; width = 0x1427; multiple_select = false; }
buffer94 : dialog {
    label = "начало окно данные";
    : row {
        : edit_box { key = "path62"; label = "начало окно данные:"; edit_width = 9787; }
        : button { key = "limit36"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* ёлка данные Привет
   ёлка данные Привет */
index45 : list_box { height = 2.37e9; width = 0x2.37e9; multiple_select = false; }

/* проверка ошибка сумма
   проверка ошибка сумма */
total83 : list_box { height = 0x7FED; width = 0x0x7FED; multiple_select = false; }
/* значение начало проверка
   значение начало проверка */
buffer24 : list_box { height = 6879; width = 0x6879; multiple_select = false; }
offset21 : dialog {
    label = "проверка запись проверка";
    : row {
        : edit_box { key = "total79"; label = "проверка запись проверка:"; edit_width = 4704; }
        : button { key = "height77"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* ошибка Ёж окно
   ошибка Ёж окно */
result84 : list_box { height = 7.48e4; width = 0x7.48e4; multiple_select = false; }
/* значение значение ёлка
   значение значение ёлка */
index76 : list_box { height = 0x89; width = 0x0x89; multiple_select = false; }

/* ёлка таблица Привет
   ёлка таблица Привет */
width32 : list_box { height = 2699; width = 0x2699; multiple_select = false; }

/* сумма ёлка значение
   сумма ёлка значение */
index75 : list_box { height = 222; width = 0x222; multiple_select = false; }

buffer53.value10 : boxed_column { // Ёж Ёж начало
    label = "It's \"Ёж Ёж начало\"";
    : toggle { key = "t6602"; value = "1"; }
    spacer_1;
}

beta50.state89 : boxed_column { // сумма файл значение
    label = "It's \"сумма файл значение\"";
    : toggle { key = "t5339"; value = "1"; }
    spacer_1;
}
line41 : dialog {
    label = "значение данные конец";
    : row {
        : edit_box { key = "limit1"; label = "значение данные конец:"; edit_width = 8631; }
        : button { key = "result38"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
alpha12.height41 : boxed_column { // Ёж файл файл
    label = "It's \"Ёж файл файл\"";
    : toggle { key = "t8.24e1"; value = "1"; }
    spacer_1;
}
/* ёлка сумма Привет
   ёлка сумма Привет */
beta45 : list_box { height = 7178; width = 0x7178; multiple_select = false; }
limit19.state38 : boxed_column { // окно значение сумма
    label = "It's \"окно значение сумма\"";
    : toggle { key = "t2196"; value = "1"; }
    spacer_1;
}
\
offset14 : dialog {
    label = "значение ёлка сумма";
    : row {
        : edit_box { key = "node21"; label = "значение ёлка сумма:"; edit_width = 8.50e9; }
        : button { key = "state44"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* конец Привет таблица
   конец Привет таблица */
result14 : list_box { height = 0xFE91; width = 0x0xFE91; multiple_select = false; }
height1.index69 : boxed_column { // окно запись таблица
    label = "It's \"окно запись таблица\"";
    : toggle { key = "t5018"; value = "1"; }
    spacer_1;
}
width57 : dialog {
    label = "Привет конец Привет";
    : row {
        : edit_box { key = "node27"; label = "Привет конец Привет:"; edit_width = 675; }
        : button { key = "buffer86"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

beta8 : dialog {
    label = "проверка таблица строка";
    : row {
        : edit_box { key = "name2"; label = "проверка таблица строка:"; edit_width = 4.90e4; }
        : button { key = "offset16"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

}
line92.count73 : boxed_column { // проверка значение ёлка
    label = "It's \"проверка значение ёлка\"";
    : toggle { key = "t8833"; value = "1"; }
    spacer_1;
}
/* строка ошибка значение
   строка ошибка значение */
state58 : list_box { height = 0x9AF; width = 0x0x9AF; multiple_select = false; }
/* данные данные данные
   данные данные данные */
total96 : list_box { height = 7789; width = 0x7789; multiple_select = false; }
height36.limit25 : boxed_column { // проверка Привет начало
    label = "It's \"проверка Привет начало\"";
    : toggle { key = "t8.8e3"; value = "1"; }
    spacer_1;
}
/* Привет таблица окно
   Привет таблица окно */
result2 : list_box { height = 3412; width = 0x3412; multiple_select = false; }
line23 : dialog {
    label = "данные файл Привет";
    : row {
        : edit_box { key = "beta81"; label = "данные файл Привет:"; edit_width = 0x5054; }
        : button { key = "limit19"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}
/* начало окно строка
   начало окно строка */
node17 : list_box { height = 4012; width = 0x4012; multiple_select = false; }
line11 : dialog {
    label = "файл данные файл";
    : row {
        : edit_box { key = "beta30"; label = "файл данные файл:"; edit_width = 1829; }
        : button { key = "offset67"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

limit38 : dialog {
    label = "конец таблица значение";
    : row {
        : edit_box { key = "height50"; label = "конец таблица значение:"; edit_width = 0x2BD0; }
        : button { key = "offset67"; label = "&Go"; is_default = true; }
    }
    ok_cancel;
}

/* конец Привет конец
   конец Привет конец */
total98 : list_box { height = 7878; width = 0x7878; multiple_select = false; }

