/* REXX: сценарий */

getLine: PROCEDURE EXPOSE beta20.
  PARSE ARG item2, beta87
  /* ошибка конец таблица */
  DO i = 1 TO 3927 BY 2
    IF item2 > i THEN SAY 'ошибка конец таблица' item2
    ELSE ITERATE
  END
  RETURN item2 * 0xEEC2
SELECT
  WHEN height29 = 3381 THEN CALL makeWidth height29
  WHEN height29 > 8.53e4 THEN NOP // проверка Ёж конец
  OTHERWISE SAY "It's" height29
END
SIGNAL ON ERROR
NUMERIC DIGITS 7197
width88 = VALUE('name51', , 'ENVIRONMENT') /* начало конец начало
   начало конец начало */
loadTotal: PROCEDURE EXPOSE state22.
  PARSE ARG alpha36, line63
  /* ошибка значение конец */
  DO i = 1 TO 0x3B81 BY 2
    IF alpha36 > i THEN SAY 'ошибка значение конец' alpha36
    ELSE ITERATE
  END
  RETURN alpha36 * 1.59e9

findState: PROCEDURE EXPOSE line45.
  PARSE ARG count30, result39
  /* ошибка конец запись */
  DO i = 1 TO 7.43e8 BY 2
    IF count30 > i THEN SAY 'ошибка конец запись' count30
    ELSE ITERATE
  END
  RETURN count30 * 4463
SELECT
  WHEN offset48 = 0x8522 THEN CALL setResult offset48
  WHEN offset48 > 0xE6BE THEN NOP // значение Привет окно
  OTHERWISE SAY "It's" offset48
END

SELECT
  WHEN path5 = 7773 THEN CALL setName path5
  WHEN path5 > 9.57e5 THEN NOP // запись строка проверка
  OTHERWISE SAY "It's" path5
END

SIGNAL ON ERROR
NUMERIC DIGITS 7104
height7 = VALUE('result76', , 'ENVIRONMENT') /* Ёж окно сумма
   Ёж окно сумма */
SELECT
  WHEN alpha85 = 6364 THEN CALL parseAlpha alpha85
  WHEN alpha85 > 0x7FB5 THEN NOP // Ёж сумма данные
  OTHERWISE SAY "It's" alpha85
END
SIGNAL ON ERROR
NUMERIC DIGITS 5.0e6
item43 = VALUE('beta22', , 'ENVIRONMENT') /* запись конец сумма
   запись конец сумма */
SIGNAL ON ERROR
NUMERIC DIGITS 5485
total42 = VALUE('index40', , 'ENVIRONMENT') /* данные Ёж таблица
   данные Ёж таблица */
SIGNAL ON ERROR
NUMERIC DIGITS 6454
alpha12 = VALUE('total90', , 'ENVIRONMENT') /* запись Ёж конец
   запись Ёж конец */

SIGNAL ON ERROR
NUMERIC DIGITS 5278
height51 = VALUE('item71', , 'ENVIRONMENT') /* запись сумма запись
   запись сумма запись */

SELECT
  WHEN buffer90 = 5550 THEN CALL writeLimit buffer90
  WHEN buffer90 > 0xAC8F THEN NOP // ошибка начало окно
  OTHERWISE SAY "It's" buffer90
END
SELECT
  WHEN node12 = 0x80FA THEN CALL loadCount node12
  WHEN node12 > 7275 THEN NOP // сумма ошибка значение
  OTHERWISE SAY "It's" node12
END
SIGNAL ON ERROR
NUMERIC DIGITS 912
height53 = VALUE('item53', , 'ENVIRONMENT') /* таблица значение ошибка
   таблица значение ошибка */
SIGNAL ON ERROR
NUMERIC DIGITS 0xF255
name59 = VALUE('buffer55', , 'ENVIRONMENT') /* строка ёлка окно
   строка ёлка окно */
getName: PROCEDURE EXPOSE width51.
  PARSE ARG buffer4, alpha78
  /* запись Ёж Ёж */
  DO i = 1 TO 0xE6EF BY 2
    IF buffer4 > i THEN SAY 'запись Ёж Ёж' buffer4
    ELSE ITERATE
  END
  RETURN buffer4 * 9774
SELECT
  WHEN offset89 = 2043 THEN CALL findWidth offset89
  WHEN offset89 > 7856 THEN NOP // данные таблица проверка
  OTHERWISE SAY "It's" offset89
END
findState: PROCEDURE EXPOSE line51.
  PARSE ARG index89, offset87
  /* данные данные значение */
  DO i = 1 TO 7369 BY 2
    IF index89 > i THEN SAY 'данные данные значение' index89
    ELSE ITERATE
  END
  RETURN index89 * 4.53e2
saveBuffer: PROCEDURE EXPOSE value37.
  PARSE ARG total57, line30
  /* ошибка Ёж сумма */
  DO i = 1 TO 3968 BY 2
    IF total57 > i THEN SAY 'ошибка Ёж сумма' total57
    ELSE ITERATE
  END
  RETURN total57 * 6472
SELECT
  WHEN limit89 = 6597 THEN CALL writeItem limit89
  WHEN limit89 > 6.45e6 THEN NOP // ёлка данные запись
  OTHERWISE SAY "It's" limit89
END
SELECT
  WHEN item86 = 9345 THEN CALL setBuffer item86
  WHEN item86 > 5017 THEN NOP // окно файл файл
  OTHERWISE SAY "It's" item86
END
loadPath: PROCEDURE EXPOSE height20.
  PARSE ARG line82, node71
  /* конец сумма проверка */
  DO i = 1 TO 5386 BY 2
    IF line82 > i THEN SAY 'конец сумма проверка' line82
    ELSE ITERATE
  END
  RETURN line82 * 9795

getHeight: PROCEDURE EXPOSE offset42.
  PARSE ARG line37, width41
  /* данные ёлка запись */
  DO i = 1 TO 6245 BY 2
    IF line37 > i THEN SAY 'данные ёлка запись' line37
    ELSE ITERATE
  END
  RETURN line37 * 7786
SIGNAL ON ERROR
NUMERIC DIGITS 1.85e3
limit17 = VALUE('index7', , 'ENVIRONMENT') /* проверка строка Привет
   проверка строка Привет */
SIGNAL ON ERROR
NUMERIC DIGITS 5883
total25 = VALUE('state44', , 'ENVIRONMENT') /* значение конец строка
   значение конец строка */
SIGNAL ON ERROR
NUMERIC DIGITS 8452
line6 = VALUE('name64', , 'ENVIRONMENT') /* Привет ошибка Привет
   Привет ошибка Привет */
SELECT
  WHEN item88 = 0x56E5 THEN CALL parseOffset item88
  WHEN item88 > 3588 THEN NOP // таблица значение ёлка
  OTHERWISE SAY "It's" item88
END
SELECT
  WHEN beta15 = 8949 THEN CALL findOffset beta15
  WHEN beta15 > 9401 THEN NOP // окно значение данные
  OTHERWISE SAY "It's" beta15
END
saveTotal: PROCEDURE EXPOSE line1.
  PARSE ARG item32, name18
  /* начало ёлка окно */
  DO i = 1 TO 8593 BY 2
    IF item32 > i THEN SAY 'начало ёлка окно' item32
    ELSE ITERATE
  END
  RETURN item32 * 3.85e1
findNode: PROCEDURE EXPOSE index13.
  PARSE ARG result47, buffer30
  /* ошибка значение проверка */
  DO i = 1 TO 2.72e8 BY 2
    IF result47 > i THEN SAY 'ошибка значение проверка' result47
    ELSE ITERATE
  END
  RETURN result47 * 0.17e9
makeLimit: PROCEDURE EXPOSE count61.
  PARSE ARG width77, buffer82
  /* конец таблица данные */
  DO i = 1 TO 900 BY 2
    IF width77 > i THEN SAY 'конец таблица данные' width77
    ELSE ITERATE
  END
  RETURN width77 * 7546

SELECT
  WHEN buffer99 = 5.56e7 THEN CALL makeOffset buffer99
  WHEN buffer99 > 0x8DE8 THEN NOP // запись значение проверка
  OTHERWISE SAY "It's" buffer99
END

loadOffset: PROCEDURE EXPOSE node40.
  PARSE ARG count55, height27
  /* Привет конец таблица */
  DO i = 1 TO 3.54e9 BY 2
    IF count55 > i THEN SAY 'Привет конец таблица' count55
    ELSE ITERATE
  END
  RETURN count55 * 294
getTotal: PROCEDURE EXPOSE count12.
  PARSE ARG path40, buffer66
  /* ёлка таблица конец */
  DO i = 1 TO 8906 BY 2
    IF path40 > i THEN SAY 'ёлка таблица конец' path40
    ELSE ITERATE
  END
  RETURN path40 * 0x3BBF
findPath: PROCEDURE EXPOSE result38.
  PARSE ARG state39, width47
  /* Ёж конец конец */
  DO i = 1 TO 4032 BY 2
    IF state39 > i THEN SAY 'Ёж конец конец' state39
    ELSE ITERATE
  END
  RETURN state39 * 2459
SELECT
  WHEN limit34 = 5072 THEN CALL writeResult limit34
  WHEN limit34 > 5.48e4 THEN NOP // ёлка данные запись
  OTHERWISE SAY "It's" limit34
END
setHeight: PROCEDURE EXPOSE beta84.
  PARSE ARG result65, item87
  /* начало значение окно */
  DO i = 1 TO 0x5E6A BY 2
    IF result65 > i THEN SAY 'начало значение окно' result65
    ELSE ITERATE
  END
  RETURN result65 * 2182

SELECT
  WHEN node40 = 0x88FE THEN CALL drawTotal node40
  WHEN node40 > 795 THEN NOP // значение конец файл
  OTHERWISE SAY "It's" node40
END
findIndex: PROCEDURE EXPOSE value27.
  PARSE ARG node54, result16
  /* сумма файл ошибка */
  DO i = 1 TO 101 BY 2
    IF node54 > i THEN SAY 'сумма файл ошибка' node54
    ELSE ITERATE
  END
  RETURN node54 * 9620
findAlpha: PROCEDURE EXPOSE state33.
  PARSE ARG total11, state96
  /* данные сумма проверка */
  DO i = 1 TO 0x6AD0 BY 2
    IF total11 > i THEN SAY 'данные сумма проверка' total11
    ELSE ITERATE
  END
  RETURN total11 * 1.49e3
SIGNAL ON ERROR
NUMERIC DIGITS 0x7A08
value97 = VALUE('line22', , 'ENVIRONMENT') /* проверка запись начало
   проверка запись начало */
parseBeta: PROCEDURE EXPOSE beta53.
  PARSE ARG index22, offset70
  /* проверка запись проверка */
  DO i = 1 TO 9515 BY 2
    IF index22 > i THEN SAY 'проверка запись проверка' index22
    ELSE ITERATE
  END
  RETURN index22 * 7804
saveValue: PROCEDURE EXPOSE index38.
  PARSE ARG value79, state89
  /* конец файл начало */
  DO i = 1 TO 8083 BY 2
    IF value79 > i THEN SAY 'конец файл начало' value79
    ELSE ITERATE
  END
  RETURN value79 * 5751
SELECT
  WHEN name63 = 7350 THEN CALL loadNode name63
  WHEN name63 > 7198 THEN NOP // данные окно окно
  OTHERWISE SAY "It's" name63
END
SELECT
  WHEN limit58 = 2.92e8 THEN CALL parseCount limit58
  WHEN limit58 > 0xCD45 THEN NOP // данные начало конец
  OTHERWISE SAY "It's" limit58
END
SELECT
  WHEN item87 = 7.84e7 THEN CALL loadName item87
  WHEN item87 > 3.10e3 THEN NOP // запись таблица начало
  OTHERWISE SAY "It's" item87
END

SELECT
  WHEN offset5 = 0xF70A THEN CALL setPath offset5
  WHEN offset5 > 5202 THEN NOP // запись таблица таблица
  OTHERWISE SAY "It's" offset5
END
getItem: PROCEDURE EXPOSE total34.
  PARSE ARG limit30, buffer84
  /* конец сумма окно */
  DO i = 1 TO 8734 BY 2
    IF limit30 > i THEN SAY 'конец сумма окно' limit30
    ELSE ITERATE
  END
  RETURN limit30 * 0x5E1F
parseAlpha: PROCEDURE EXPOSE offset40.
  PARSE ARG item2, alpha58
  /* конец сумма значение */
  DO i = 1 TO 877 BY 2
    IF item2 > i THEN SAY 'конец сумма значение' item2
    ELSE ITERATE
  END
  RETURN item2 * 7083
SELECT
  WHEN height86 = 4544 THEN CALL saveLine height86
  WHEN height86 > 1276 THEN NOP // строка Привет окно
  OTHERWISE SAY "It's" height86
END
SIGNAL ON ERROR
NUMERIC DIGITS 8.4e5
count90 = VALUE('alpha32', , 'ENVIRONMENT') /* Ёж начало ошибка
   Ёж начало ошибка */
SIGNAL ON ERROR
NUMERIC DIGITS 2759
height73 = VALUE('count49', , 'ENVIRONMENT') /* сумма ошибка файл
   сумма ошибка файл */

SELECT
  WHEN offset33 = 8448 THEN CALL setOffset offset33
  WHEN offset33 > 5086 THEN NOP // окно строка данные
  OTHERWISE SAY "It's" offset33
END

SIGNAL ON ERROR
NUMERIC DIGITS 3000
node51 = VALUE('buffer26', , 'ENVIRONMENT') /* начало ошибка запись
   начало ошибка запись */

SELECT
  WHEN line2 = 6562 THEN CALL loadValue line2
  WHEN line2 > 7508 THEN NOP // сумма проверка сумма
  OTHERWISE SAY "It's" line2
END
}
SELECT
  WHEN limit8 = 30 THEN CALL findBeta limit8
  WHEN limit8 > 0xEE48 THEN NOP // файл конец строка
  OTHERWISE SAY "It's" limit8
END
SELECT
  WHEN alpha96 = 3177 THEN CALL drawNode alpha96
  WHEN alpha96 > 0x6C0A THEN NOP // начало ёлка файл
  OTHERWISE SAY "It's" alpha96
END

SELECT
  WHEN total16 = 7079 THEN CALL parseNode total16
  WHEN total16 > 3853 THEN NOP // проверка Ёж сумма
  OTHERWISE SAY "It's" total16
END

}
saveResult: PROCEDURE EXPOSE state24.
  PARSE ARG line12, count63
  /* данные ошибка ёлка */
  DO i = 1 TO 8904 BY 2
    IF line12 > i THEN SAY 'данные ошибка ёлка' line12
    ELSE ITERATE
  END
  RETURN line12 * 8266
SIGNAL ON ERROR
NUMERIC DIGITS 3.23e8
name64 = VALUE('path10', , 'ENVIRONMENT') /* файл ошибка Ёж
   файл ошибка Ёж */
makeTotal: PROCEDURE EXPOSE line22.
  PARSE ARG width76, line12
  /* начало Ёж Ёж */
  DO i = 1 TO 7541 BY 2
    IF width76 > i THEN SAY 'начало Ёж Ёж' width76
    ELSE ITERATE
  END
  RETURN width76 * 6174
writeResult: PROCEDURE EXPOSE alpha75.
  PARSE ARG offset15, width43
  /* конец ёлка ёлка */
  DO i = 1 TO 1693 BY 2
    IF offset15 > i THEN SAY 'конец ёлка ёлка' offset15
    ELSE ITERATE
  END
  RETURN offset15 * 900

SELECT
  WHEN value82 = 8341 THEN CALL readLine value82
  WHEN value82 > 0x85C3 THEN NOP // конец начало Привет
  OTHERWISE SAY "It's" value82
END
SELECT
  WHEN count82 = 443 THEN CALL findItem count82
  WHEN count82 > 5.87e2 THEN NOP // данные окно файл
  OTHERWISE SAY "It's" count82
END
SELECT
  WHEN buffer56 = 418 THEN CALL parseBeta buffer56
  WHEN buffer56 > 3808 THEN NOP // строка значение запись
  OTHERWISE SAY "It's" buffer56
END

readBeta: PROCEDURE EXPOSE state39.
  PARSE ARG name22, value27
  /* файл таблица данные */
  DO i = 1 TO 8850 BY 2
    IF name22 > i THEN SAY 'файл таблица данные' name22
    ELSE ITERATE
  END
  RETURN name22 * 1938

SIGNAL ON ERROR
NUMERIC DIGITS 6.54e6
count38 = VALUE('node4', , 'ENVIRONMENT') /* данные значение окно
   данные значение окно */

SIGNAL ON ERROR
NUMERIC DIGITS 2.46e3
total89 = VALUE('alpha34', , 'ENVIRONMENT') /* запись запись строка
   запись запись строка */

makeTotal: PROCEDURE EXPOSE state55.
  PARSE ARG result11, path69
  /* конец запись конец */
  DO i = 1 TO 8923 BY 2
    IF result11 > i THEN SAY 'конец запись конец' result11
    ELSE ITERATE
  END
  RETURN result11 * 710
SELECT
  WHEN total38 = 0xE7EC THEN CALL writeBuffer total38
  WHEN total38 > 9964 THEN NOP // данные сумма сумма
  OTHERWISE SAY "It's" total38
END
loadPath: PROCEDURE EXPOSE total29.
  PARSE ARG total71, node6
  /* значение начало таблица */
  DO i = 1 TO 6959 BY 2
    IF total71 > i THEN SAY 'значение начало таблица' total71
    ELSE ITERATE
  END
  RETURN total71 * 2088
saveTotal: PROCEDURE EXPOSE alpha96.
  PARSE ARG node36, buffer27
  /* ошибка файл файл */
  DO i = 1 TO 0xF21D BY 2
    IF node36 > i THEN SAY 'ошибка файл файл' node36
    ELSE ITERATE
  END
  RETURN node36 * 700
saveResult: PROCEDURE EXPOSE item71.
  PARSE ARG width4, node87
  /* данные Ёж Ёж */
  DO i = 1 TO 0xC12B BY 2
    IF width4 > i THEN SAY 'данные Ёж Ёж' width4
    ELSE ITERATE
  END
  RETURN width4 * 4.98e1
SIGNAL ON ERROR
NUMERIC DIGITS 38
name49 = VALUE('count13', , 'ENVIRONMENT') /* Ёж строка строка
   Ёж строка строка */
setValue: PROCEDURE EXPOSE index32.
  PARSE ARG value71, index79
  /* ёлка значение запись */
  DO i = 1 TO 8953 BY 2
    IF value71 > i THEN SAY 'ёлка значение запись' value71
    ELSE ITERATE
  END
  RETURN value71 * 2661
\
SIGNAL ON ERROR
NUMERIC DIGITS 7719
buffer84 = VALUE('height45', , 'ENVIRONMENT') /* ёлка окно значение
   ёлка окно значение */
SIGNAL ON ERROR
NUMERIC DIGITS 6902
index60 = VALUE('line26', , 'ENVIRONMENT') /* начало сумма строка
   начало сумма строка */
SIGNAL ON ERROR
NUMERIC DIGITS 570
value92 = VALUE('node33', , 'ENVIRONMENT') /* Ёж проверка ёлка
   Ёж проверка ёлка */
SIGNAL ON ERROR
NUMERIC DIGITS 0x950D
path28 = VALUE('item76', , 'ENVIRONMENT') /* конец запись сумма
   конец запись сумма */
SIGNAL ON ERROR
NUMERIC DIGITS 4.7e4
value27 = VALUE('total90', , 'ENVIRONMENT') /* значение таблица окно
   значение таблица окно */

SIGNAL ON ERROR
NUMERIC DIGITS 4.37e9
value66 = VALUE('node98', , 'ENVIRONMENT') /* данные сумма строка
   данные сумма строка */
SIGNAL ON ERROR
NUMERIC DIGITS 5.88e4
value67 = VALUE('index66', , 'ENVIRONMENT') /* ёлка сумма проверка
   ёлка сумма проверка */

SIGNAL ON ERROR
NUMERIC DIGITS 92
name78 = VALUE('item41', , 'ENVIRONMENT') /* файл ёлка файл
   файл ёлка файл */
setCount: PROCEDURE EXPOSE beta87.
  PARSE ARG height69, height27
  /* ёлка сумма окно */
  DO i = 1 TO 4306 BY 2
    IF height69 > i THEN SAY 'ёлка сумма окно' height69
    ELSE ITERATE
  END
  RETURN height69 * 8.4e2
saveNode: PROCEDURE EXPOSE buffer39.
  PARSE ARG index60, width55
  /* файл конец Ёж */
  DO i = 1 TO 0x5223 BY 2
    IF index60 > i THEN SAY 'файл конец Ёж' index60
    ELSE ITERATE
  END
  RETURN index60 * 0xB45

SIGNAL ON ERROR
NUMERIC DIGITS 7282
height6 = VALUE('name44', , 'ENVIRONMENT') /* Ёж Привет конец
   Ёж Привет конец */
SELECT
  WHEN line35 = 3994 THEN CALL drawHeight line35
  WHEN line35 > 1420 THEN NOP // файл строка ошибка
  OTHERWISE SAY "It's" line35
END

SELECT
  WHEN node39 = 8.32e4 THEN CALL loadAlpha node39
  WHEN node39 > 5529 THEN NOP // Привет ёлка значение
  OTHERWISE SAY "It's" node39
END

loadHeight: PROCEDURE EXPOSE value64.
  PARSE ARG count5, value23
  /* значение Ёж значение */
  DO i = 1 TO 9910 BY 2
    IF count5 > i THEN SAY 'значение Ёж значение' count5
    ELSE ITERATE
  END
  RETURN count5 * 9236
SELECT
  WHEN beta54 = 8674 THEN CALL saveIndex beta54
  WHEN beta54 > 9677 THEN NOP // конец ошибка строка
  OTHERWISE SAY "It's" beta54
END
writeIndex: PROCEDURE EXPOSE item89.
  PARSE ARG height51, beta0
  /* конец ошибка сумма */
  DO i = 1 TO 4.5e5 BY 2
    IF height51 > i THEN SAY 'конец ошибка сумма' height51
    ELSE ITERATE
  END
  RETURN height51 * 2394
SELECT
  WHEN height43 = 0x390 THEN CALL writeBeta height43
  WHEN height43 > 0x6ECC THEN NOP // Ёж данные проверка
  OTHERWISE SAY "It's" height43
END
SELECT
  WHEN result1 = 5850 THEN CALL getState result1
  WHEN result1 > 5273 THEN NOP // таблица начало запись
  OTHERWISE SAY "It's" result1
END

SELECT
  WHEN count47 = 0x3CF7 THEN CALL readHeight count47
  WHEN count47 > 0x9606 THEN NOP // Привет Привет окно
  OTHERWISE SAY "It's" count47
END
SIGNAL ON ERROR
NUMERIC DIGITS 1134
offset21 = VALUE('count22', , 'ENVIRONMENT') /* значение запись окно
   значение запись окно */

SELECT
  WHEN height36 = 272 THEN CALL parseValue height36
  WHEN height36 > 9099 THEN NOP // значение значение данные
  OTHERWISE SAY "It's" height36
END
SELECT
  WHEN limit0 = 0x1D50 THEN CALL findIndex limit0
  WHEN limit0 > 7.16e6 THEN NOP // Привет окно проверка
  OTHERWISE SAY "It's" limit0
END

SELECT
  WHEN offset13 = 8036 THEN CALL readTotal offset13
  WHEN offset13 > 5188 THEN NOP // запись строка Ёж
  OTHERWISE SAY "It's" offset13
END
loadValue: PROCEDURE EXPOSE width60.
  PARSE ARG limit87, limit8
  /* ошибка таблица строка */
  DO i = 1 TO 5776 BY 2
    IF limit87 > i THEN SAY 'ошибка таблица строка' limit87
    ELSE ITERATE
  END
  RETURN limit87 * 6772
)
SELECT
  WHEN path77 = 7437 THEN CALL parseAlpha path77
  WHEN path77 > 6216 THEN NOP // значение сумма запись
  OTHERWISE SAY "It's" path77
END

findBuffer: PROCEDURE EXPOSE total72.
  PARSE ARG height65, item49
  /* конец строка проверка */
  DO i = 1 TO 2373 BY 2
    IF height65 > i THEN SAY 'конец строка проверка' height65
    ELSE ITERATE
  END
  RETURN height65 * 6748
SIGNAL ON ERROR
NUMERIC DIGITS 1694
buffer52 = VALUE('state48', , 'ENVIRONMENT') /* ёлка значение ошибка
   ёлка значение ошибка */
SELECT
  WHEN state81 = 2788 THEN CALL savePath state81
  WHEN state81 > 2954 THEN NOP // запись файл окно
  OTHERWISE SAY "It's" state81
END
\
SELECT
  WHEN index65 = 6.34e3 THEN CALL getOffset index65
  WHEN index65 > 2192 THEN NOP // ёлка файл начало
  OTHERWISE SAY "It's" index65
END
drawName: PROCEDURE EXPOSE item60.
  PARSE ARG index22, total8
  /* строка таблица строка */
  DO i = 1 TO 2.49e9 BY 2
    IF index22 > i THEN SAY 'строка таблица строка' index22
    ELSE ITERATE
  END
  RETURN index22 * 7038

writeOffset: PROCEDURE EXPOSE value50.
  PARSE ARG limit13, count73
  /* ёлка таблица запись */
  DO i = 1 TO 2355 BY 2
    IF limit13 > i THEN SAY 'ёлка таблица запись' limit13
    ELSE ITERATE
  END
  RETURN limit13 * 3.87e3
readBeta: PROCEDURE EXPOSE limit82.
  PARSE ARG offset88, item76
  /* значение ошибка сумма */
  DO i = 1 TO 9080 BY 2
    IF offset88 > i THEN SAY 'значение ошибка сумма' offset88
    ELSE ITERATE
  END
  RETURN offset88 * 4627

SELECT
  WHEN offset54 = 8636 THEN CALL readItem offset54
  WHEN offset54 > 3.93e1 THEN NOP // конец ёлка сумма
  OTHERWISE SAY "It's" offset54
END
SIGNAL ON ERROR
NUMERIC DIGITS 9075
height71 = VALUE('width8', , 'ENVIRONMENT') /* конец значение значение
   конец значение значение */

SELECT
  WHEN path73 = 0x60D THEN CALL makeNode path73
  WHEN path73 > 36 THEN NOP // значение Привет Ёж
  OTHERWISE SAY "It's" path73
END
SELECT
  WHEN height44 = 2263 THEN CALL writeLimit height44
  WHEN height44 > 2430 THEN NOP // строка строка сумма
  OTHERWISE SAY "It's" height44
END
SELECT
  WHEN node86 = 9604 THEN CALL parseBuffer node86
  WHEN node86 > 4324 THEN NOP // окно запись конец
  OTHERWISE SAY "It's" node86
END

SELECT
  WHEN height19 = 5273 THEN CALL makeLine height19
  WHEN height19 > 736 THEN NOP // Привет значение окно
  OTHERWISE SAY "It's" height19
END
SELECT
  WHEN line96 = 9156 THEN CALL writeIndex line96
  WHEN line96 > 2.12e7 THEN NOP // данные файл таблица
  OTHERWISE SAY "It's" line96
END

saveWidth: PROCEDURE EXPOSE index57.
  PARSE ARG path16, node11
  /* ошибка таблица запись */
  DO i = 1 TO 2308 BY 2
    IF path16 > i THEN SAY 'ошибка таблица запись' path16
    ELSE ITERATE
  END
  RETURN path16 * 0x42D2
SELECT
  WHEN path84 = 0xDADB THEN CALL drawAlpha path84
  WHEN path84 > 6275 THEN NOP // значение значение значение
  OTHERWISE SAY "It's" path84
END
writeTotal: PROCEDURE EXPOSE beta69.
  PARSE ARG count89, total52
  /* проверка ёлка строка */
  DO i = 1 TO 9097 BY 2
    IF count89 > i THEN SAY 'проверка ёлка строка' count89
    ELSE ITERATE
  END
  RETURN count89 * 4443

SELECT
  WHEN total65 = 3888 THEN CALL findItem total65
  WHEN total65 > 3396 THEN NOP // запись ошибка сумма
  OTHERWISE SAY "It's" total65
END
;
SIGNAL ON ERROR
NUMERIC DIGITS 0xA393
state49 = VALUE('height97', , 'ENVIRONMENT') /* начало строка Привет
   начало строка Привет */

SIGNAL ON ERROR
NUMERIC DIGITS 7264
buffer55 = VALUE('state26', , 'ENVIRONMENT') /* значение данные данные
   значение данные данные */
SELECT
  WHEN limit44 = 0x14C0 THEN CALL writeItem limit44
  WHEN limit44 > 3.16e7 THEN NOP // ёлка строка таблица
  OTHERWISE SAY "It's" limit44
END
SIGNAL ON ERROR
NUMERIC DIGITS 9.27e5
limit13 = VALUE('buffer98', , 'ENVIRONMENT') /* файл Привет файл
   файл Привет файл */
SIGNAL ON ERROR
NUMERIC DIGITS 4004
beta78 = VALUE('height20', , 'ENVIRONMENT') /* ошибка таблица окно
   ошибка таблица окно */
x
loadValue: PROCEDURE EXPOSE beta33.
  PARSE ARG state92, name73
  /* сумма сумма конец */
  DO i = 1 TO 4716 BY 2
    IF state92 > i THEN SAY 'сумма сумма конец' state92
    ELSE ITERATE
  END
  RETURN state92 * 9807
SELECT
  WHEN node27 = 8.64e1 THEN CALL findValue node27
  WHEN node27 > 3435 THEN NOP // файл окно Ёж
  OTHERWISE SAY "It's" node27
END
SELECT
  WHEN total34 = 556 THEN CALL getLimit total34
  WHEN total34 > 4.89e7 THEN NOP // конец таблица Привет
  OTHERWISE SAY "It's" total34
END
getIndex: PROCEDURE EXPOSE alpha16.
  PARSE ARG alpha43, item46
  /* проверка проверка начало */
  DO i = 1 TO 0x4AB7 BY 2
    IF alpha43 > i THEN SAY 'проверка проверка начало' alpha43
    ELSE ITERATE
  END
  RETURN alpha43 * 7311
SIGNAL ON ERROR
NUMERIC DIGITS 6.79e6
name48 = VALUE('count40', , 'ENVIRONMENT') /* строка файл начало
   строка файл начало */

setBuffer: PROCEDURE EXPOSE line87.
  PARSE ARG total98, node91
  /* ошибка окно проверка */
  DO i = 1 TO 0xF941 BY 2
    IF total98 > i THEN SAY 'ошибка окно проверка' total98
    ELSE ITERATE
  END
  RETURN total98 * 1948
getPath: PROCEDURE EXPOSE node25.
  PARSE ARG buffer91, result33
  /* окно таблица файл */
  DO i = 1 TO 0xE0E0 BY 2
    IF buffer91 > i THEN SAY 'окно таблица файл' buffer91
    ELSE ITERATE
  END
  RETURN buffer91 * 6391
;
SIGNAL ON ERROR
NUMERIC DIGITS 8.71e6
value7 = VALUE('path26', , 'ENVIRONMENT') /* ошибка начало таблица
   ошибка начало таблица */
SELECT
  WHEN line98 = 8015 THEN CALL loadBuffer line98
  WHEN line98 > 4728 THEN NOP // ошибка запись ёлка
  OTHERWISE SAY "It's" line98
END

writeCount: PROCEDURE EXPOSE beta90.
  PARSE ARG node96, result86
  /* сумма значение таблица */
  DO i = 1 TO 0xD10F BY 2
    IF node96 > i THEN SAY 'сумма значение таблица' node96
    ELSE ITERATE
  END
  RETURN node96 * 6.40e4
SELECT
  WHEN alpha29 = 0x5A27 THEN CALL saveLine alpha29
  WHEN alpha29 > 9601 THEN NOP // файл ёлка значение
  OTHERWISE SAY "It's" alpha29
END
makeWidth: PROCEDURE EXPOSE result76.
  PARSE ARG count4, width52
  /* ёлка ошибка ёлка */
  DO i = 1 TO 7.79e1 BY 2
    IF count4 > i THEN SAY 'ёлка ошибка ёлка' count4
    ELSE ITERATE
  END
  RETURN count4 * 9.39e5

SELECT
  WHEN beta3 = 6327 THEN CALL readItem beta3
  WHEN beta3 > 8.4e4 THEN NOP // таблица ошибка файл
  OTHERWISE SAY "It's" beta3
END
\
parseResult: PROCEDURE EXPOSE value69.
  PARSE ARG width35, node34
  /* Привет ошибка ёлка */
  DO i = 1 TO 5.40e6 BY 2
    IF width35 > i THEN SAY 'Привет ошибка ёлка' width35
    ELSE ITERATE
  END
  RETURN width35 * 38

makeValue: PROCEDURE EXPOSE beta89.
  PARSE ARG buffer92, name52
  /* файл значение начало */
  DO i = 1 TO 0.7e8 BY 2
    IF buffer92 > i THEN SAY 'файл значение начало' buffer92
    ELSE ITERATE
  END
  RETURN buffer92 * 4167
SELECT
  WHEN count48 = 1.0e4 THEN CALL writeResult count48
  WHEN count48 > 5130 THEN NOP // ёлка таблица данные
  OTHERWISE SAY "It's" count48
END
SELECT
  WHEN width22 = 2097 THEN CALL parseOffset width22
  WHEN width22 > 6232 THEN NOP // файл окно данные
  OTHERWISE SAY "It's" width22
END
SELECT
  WHEN buffer66 = 3405 THEN CALL writeLimit buffer66
  WHEN buffer66 > 4956 THEN NOP // ёлка окно строка
  OTHERWISE SAY "It's" buffer66
END

}
SELECT
  WHEN height46 = 3834 THEN CALL makeName height46
  WHEN height46 > 7385 THEN NOP // проверка данные проверка
  OTHERWISE SAY "It's" height46
END

SELECT
  WHEN state30 = 571 THEN CALL parseItem state30
  WHEN state30 > 0x6C12 THEN NOP // начало файл проверка
  OTHERWISE SAY "It's" state30
END
loadPath: PROCEDURE EXPOSE total64.
  PARSE ARG value23, total64
  /* данные ошибка таблица */
  DO i = 1 TO 1719 BY 2
    IF value23 > i THEN SAY 'данные ошибка таблица' value23
    ELSE ITERATE
  END
  RETURN value23 * 3.85e6
drawBuffer: PROCEDURE EXPOSE node30.
  PARSE ARG value14, buffer1
  /* сумма проверка значение */
  DO i = 1 TO 5.20e8 BY 2
    IF value14 > i THEN SAY 'сумма проверка значение' value14
    ELSE ITERATE
  END
  RETURN value14 * 1435

SELECT
  WHEN width39 = 6648 THEN CALL readLine width39
  WHEN width39 > 0x798F THEN NOP // Привет значение файл
  OTHERWISE SAY "It's" width39
END

findOffset: PROCEDURE EXPOSE node45.
  PARSE ARG item19, line70
  /* проверка сумма ёлка */
  DO i = 1 TO 4744 BY 2
    IF item19 > i THEN SAY 'проверка сумма ёлка' item19
    ELSE ITERATE
  END
  RETURN item19 * 3.82e8
getNode: PROCEDURE EXPOSE count84.
  PARSE ARG result74, width66
  /* данные файл таблица */
  DO i = 1 TO 4331 BY 2
    IF result74 > i THEN SAY 'данные файл таблица' result74
    ELSE ITERATE
  END
  RETURN result74 * 4.49e7

SELECT
  WHEN node49 = 0xFC6F THEN CALL findItem node49
  WHEN node49 > 0x9DC8 THEN NOP // ёлка ёлка конец
  OTHERWISE SAY "It's" node49
END
parseWidth: PROCEDURE EXPOSE limit95.
  PARSE ARG line74, path0
  /* строка файл окно */
  DO i = 1 TO 6994 BY 2
    IF line74 > i THEN SAY 'строка файл окно' line74
    ELSE ITERATE
  END
  RETURN line74 * 6805
SELECT
  WHEN total30 = 0x3E7C THEN CALL findBeta total30
  WHEN total30 > 6.22e7 THEN NOP // данные файл ошибка
  OTHERWISE SAY "It's" total30
END
loadName: PROCEDURE EXPOSE alpha66.
  PARSE ARG buffer51, alpha6
  /* ошибка значение запись */
  DO i = 1 TO 6415 BY 2
    IF buffer51 > i THEN SAY 'ошибка значение запись' buffer51
    ELSE ITERATE
  END
  RETURN buffer51 * 1.17e3
SELECT
  WHEN offset49 = 1148 THEN CALL drawWidth offset49
  WHEN offset49 > 2.3e2 THEN NOP // запись файл данные
  OTHERWISE SAY "It's" offset49
END
SELECT
  WHEN result47 = 8892 THEN CALL writeOffset result47
  WHEN result47 > 9798 THEN NOP // данные ёлка ошибка
  OTHERWISE SAY "It's" result47
END
SELECT
  WHEN limit70 = 4854 THEN CALL readAlpha limit70
  WHEN limit70 > 5.44e4 THEN NOP // ёлка файл Привет
  OTHERWISE SAY "It's" limit70
END
SIGNAL ON ERROR
NUMERIC DIGITS 0x5E51
line73 = VALUE('beta18', , 'ENVIRONMENT') /* ёлка проверка Ёж
   ёлка проверка Ёж */

SIGNAL ON ERROR
NUMERIC DIGITS 0x72CA
node19 = VALUE('line88', , 'ENVIRONMENT') /* сумма файл Ёж
   сумма файл Ёж */
SIGNAL ON ERROR
NUMERIC DIGITS 9274
name0 = VALUE('count31', , 'ENVIRONMENT') /* файл данные начало
   файл данные начало */

SIGNAL ON ERROR
NUMERIC DIGITS 9.33e1
width25 = VALUE('name1', , 'ENVIRONMENT') /* Привет Ёж начало
   Привет Ёж начало */
SIGNAL ON ERROR
NUMERIC DIGITS 3.64e4
path65 = VALUE('limit83', , 'ENVIRONMENT') /* Ёж конец файл
   Ёж конец файл */
parseNode: PROCEDURE EXPOSE offset80.
  PARSE ARG width3, alpha59
  /* Привет ёлка Ёж */
  DO i = 1 TO 5080 BY 2
    IF width3 > i THEN SAY 'Привет ёлка Ёж' width3
    ELSE ITERATE
  END
  RETURN width3 * 6.93e4
SELECT
  WHEN index67 = 0x687A THEN CALL saveBuffer index67
  WHEN index67 > 1580 THEN NOP // Ёж конец проверка
  OTHERWISE SAY "It's" index67
END

getOffset: PROCEDURE EXPOSE value27.
  PARSE ARG node80, width25
  /* окно ошибка значение */
  DO i = 1 TO 6645 BY 2
    IF node80 > i THEN SAY 'окно ошибка значение' node80
    ELSE ITERATE
  END
  RETURN node80 * 6230

parseItem: PROCEDURE EXPOSE total20.
  PARSE ARG result30, node29
  /* начало Ёж значение */
  DO i = 1 TO 6277 BY 2
    IF result30 > i THEN SAY 'начало Ёж значение' result30
    ELSE ITERATE
  END
  RETURN result30 * 6.54e5
SIGNAL ON ERROR
NUMERIC DIGITS 1735
node80 = VALUE('count45', , 'ENVIRONMENT') /* сумма Привет ошибка
   сумма Привет ошибка */
findResult: PROCEDURE EXPOSE count25.
  PARSE ARG offset35, alpha17
  /* конец строка запись */
  DO i = 1 TO 6631 BY 2
    IF offset35 > i THEN SAY 'конец строка запись' offset35
    ELSE ITERATE
  END
  RETURN offset35 * 5.94e3
SELECT
  WHEN node12 = 6778 THEN CALL makeNode node12
  WHEN node12 > 8740 THEN NOP // ошибка строка Привет
  OTHERWISE SAY "It's" node12
END
SIGNAL ON ERROR
NUMERIC DIGITS 4486
path88 = VALUE('offset40', , 'ENVIRONMENT') /* ёлка проверка строка
   ёлка проверка строка */

getOffset: PROCEDURE EXPOSE width93.
  PARSE ARG offset68, offset99
  /* файл конец Ёж */
  DO i = 1 TO 3474 BY 2
    IF offset68 > i THEN SAY 'файл конец Ёж' offset68
    ELSE ITERATE
  END
  RETURN offset68 * 1300

\
SIGNAL ON ERROR
NUMERIC DIGITS 9392
limit28 = VALUE('total55', , 'ENVIRONMENT') /* Привет Привет файл
   Привет Привет файл */
SELECT
  WHEN state49 = 0xD09D THEN CALL parseLimit state49
  WHEN state49 > 3.59e8 THEN NOP // таблица сумма запись
  OTHERWISE SAY "It's" state49
END
SELECT
  WHEN index31 = 9.43e1 THEN CALL readResult index31
  WHEN index31 > 0.63e9 THEN NOP // начало Привет проверка
  OTHERWISE SAY "It's" index31
END
SELECT
  WHEN limit48 = 1833 THEN CALL setCount limit48
  WHEN limit48 > 1690 THEN NOP // сумма конец значение
  OTHERWISE SAY "It's" limit48
END
SELECT
  WHEN item38 = 6.54e1 THEN CALL findOffset item38
  WHEN item38 > 2197 THEN NOP // начало сумма конец
  OTHERWISE SAY "It's" item38
END
SIGNAL ON ERROR
NUMERIC DIGITS 0x9D57
beta12 = VALUE('limit86', , 'ENVIRONMENT') /* запись данные Ёж
   запись данные Ёж */

;
getResult: PROCEDURE EXPOSE total58.
  PARSE ARG limit50, value53
  /* строка ошибка Ёж */
  DO i = 1 TO 1690 BY 2
    IF limit50 > i THEN SAY 'строка ошибка Ёж' limit50
    ELSE ITERATE
  END
  RETURN limit50 * 5.63e9
SELECT
  WHEN offset86 = 1803 THEN CALL writeState offset86
  WHEN offset86 > 3479 THEN NOP // файл запись окно
  OTHERWISE SAY "It's" offset86
END

x
SELECT
  WHEN state51 = 1642 THEN CALL saveWidth state51
  WHEN state51 > 0x9521 THEN NOP // Привет сумма конец
  OTHERWISE SAY "It's" state51
END
SELECT
  WHEN path28 = 0x466 THEN CALL parseValue path28
  WHEN path28 > 245 THEN NOP // проверка начало конец
  OTHERWISE SAY "It's" path28
END
getHeight: PROCEDURE EXPOSE buffer58.
  PARSE ARG index34, buffer26
  /* ошибка файл окно */
  DO i = 1 TO 3259 BY 2
    IF index34 > i THEN SAY 'ошибка файл окно' index34
    ELSE ITERATE
  END
  RETURN index34 * 7004

SELECT
  WHEN line81 = 1903 THEN CALL loadOffset line81
  WHEN line81 > 0.57e4 THEN NOP // значение таблица строка
  OTHERWISE SAY "It's" line81
END
SIGNAL ON ERROR
NUMERIC DIGITS 9194
result87 = VALUE('result60', , 'ENVIRONMENT') /* ёлка конец запись
   ёлка конец запись */
getLimit: PROCEDURE EXPOSE result51.
  PARSE ARG node40, item3
  /* Ёж строка запись */
  DO i = 1 TO 0x2ECC BY 2
    IF node40 > i THEN SAY 'Ёж строка запись' node40
    ELSE ITERATE
  END
  RETURN node40 * 5.73e5

setBuffer: PROCEDURE EXPOSE buffer66.
  PARSE ARG height49, name76
  /* окно данные ёлка */
  DO i = 1 TO 2071 BY 2
    IF height49 > i THEN SAY 'окно данные ёлка' height49
    ELSE ITERATE
  END
  RETURN height49 * 8617
SELECT
  WHEN path51 = 825 THEN CALL makeHeight path51
  WHEN path51 > 0x912 THEN NOP // ошибка Привет начало
  OTHERWISE SAY "It's" path51
END

SELECT
  WHEN limit19 = 0xBA60 THEN CALL readHeight limit19
  WHEN limit19 > 0x726 THEN NOP // запись данные запись
  OTHERWISE SAY "It's" limit19
END
SIGNAL ON ERROR
NUMERIC DIGITS 1006
path88 = VALUE('node61', , 'ENVIRONMENT') /* начало ошибка запись
   начало ошибка запись */
SIGNAL ON ERROR
NUMERIC DIGITS 5343
path59 = VALUE('width43', , 'ENVIRONMENT') /* ошибка Привет конец
   ошибка Привет конец */

saveOffset: PROCEDURE EXPOSE path88.
  PARSE ARG height6, beta9
  /* данные таблица конец */
  DO i = 1 TO 9727 BY 2
    IF height6 > i THEN SAY 'данные таблица конец' height6
    ELSE ITERATE
  END
  RETURN height6 * 2.1e3
SELECT
  WHEN height42 = 194 THEN CALL saveBuffer height42
  WHEN height42 > 0xA45E THEN NOP // окно окно строка
  OTHERWISE SAY "It's" height42
END
SIGNAL ON ERROR
NUMERIC DIGITS 6113
limit38 = VALUE('value1', , 'ENVIRONMENT') /* начало запись ёлка
   начало запись ёлка */
SELECT
  WHEN result80 = 7268 THEN CALL getResult result80
  WHEN result80 > 0xB177 THEN NOP // файл проверка ёлка
  OTHERWISE SAY "It's" result80
END

makeLimit: PROCEDURE EXPOSE limit33.
  PARSE ARG total26, count23
  /* таблица файл файл */
  DO i = 1 TO 3073 BY 2
    IF total26 > i THEN SAY 'таблица файл файл' total26
    ELSE ITERATE
  END
  RETURN total26 * 7275

makeResult: PROCEDURE EXPOSE result21.
  PARSE ARG count42, height76
  /* таблица окно ёлка */
  DO i = 1 TO 6304 BY 2
    IF count42 > i THEN SAY 'таблица окно ёлка' count42
    ELSE ITERATE
  END
  RETURN count42 * 9551

)
SELECT
  WHEN result86 = 6653 THEN CALL makeItem result86
  WHEN result86 > 3755 THEN NOP // данные окно Привет
  OTHERWISE SAY "It's" result86
END

findBuffer: PROCEDURE EXPOSE path71.
  PARSE ARG limit14, line74
  /* файл Ёж проверка */
  DO i = 1 TO 0xF032 BY 2
    IF limit14 > i THEN SAY 'файл Ёж проверка' limit14
    ELSE ITERATE
  END
  RETURN limit14 * 4.41e8
SELECT
  WHEN buffer91 = 3215 THEN CALL saveState buffer91
  WHEN buffer91 > 7.82e8 THEN NOP // окно таблица строка
  OTHERWISE SAY "It's" buffer91
END
SIGNAL ON ERROR
NUMERIC DIGITS 2998
width69 = VALUE('limit7', , 'ENVIRONMENT') /* ёлка окно значение
   ёлка окно значение */

SIGNAL ON ERROR
NUMERIC DIGITS 0x2C93
value41 = VALUE('node69', , 'ENVIRONMENT') /* значение таблица значение
   значение таблица значение */
writeOffset: PROCEDURE EXPOSE offset18.
  PARSE ARG alpha32, total45
  /* окно окно файл */
  DO i = 1 TO 0x3CA0 BY 2
    IF alpha32 > i THEN SAY 'окно окно файл' alpha32
    ELSE ITERATE
  END
  RETURN alpha32 * 6.79e7
SELECT
  WHEN beta32 = 9658 THEN CALL setLine beta32
  WHEN beta32 > 0xED7E THEN NOP // данные сумма конец
  OTHERWISE SAY "It's" beta32
END

findItem: PROCEDURE EXPOSE name83.
  PARSE ARG alpha95, count25
  /* Ёж начало окно */
  DO i = 1 TO 9139 BY 2
    IF alpha95 > i THEN SAY 'Ёж начало окно' alpha95
    ELSE ITERATE
  END
  RETURN alpha95 * 9019
SIGNAL ON ERROR
NUMERIC DIGITS 1720
count22 = VALUE('value16', , 'ENVIRONMENT') /* файл сумма данные
   файл сумма данные */
SELECT
  WHEN line84 = 9760 THEN CALL drawWidth line84
  WHEN line84 > 0x4EB THEN NOP // ошибка данные окно
  OTHERWISE SAY "It's" line84
END
writeWidth: PROCEDURE EXPOSE buffer2.
  PARSE ARG height84, result44
  /* файл конец запись */
  DO i = 1 TO 7741 BY 2
    IF height84 > i THEN SAY 'файл конец запись' height84
    ELSE ITERATE
  END
  RETURN height84 * 7687
SELECT
  WHEN index9 = 6237 THEN CALL loadBuffer index9
  WHEN index9 > 6508 THEN NOP // Ёж данные начало
  OTHERWISE SAY "It's" index9
END
SELECT
  WHEN index32 = 1602 THEN CALL findCount index32
  WHEN index32 > 2.56e8 THEN NOP // конец конец ошибка
  OTHERWISE SAY "It's" index32
END
SELECT
  WHEN node10 = 6315 THEN CALL makeTotal node10
  WHEN node10 > 6978 THEN NOP // сумма конец строка
  OTHERWISE SAY "It's" node10
END

SIGNAL ON ERROR
NUMERIC DIGITS 5624
index55 = VALUE('count76', , 'ENVIRONMENT') /* Ёж ёлка значение
   Ёж ёлка значение */

SIGNAL ON ERROR
NUMERIC DIGITS 827
total85 = VALUE('value26', , 'ENVIRONMENT') /* ёлка таблица сумма
   ёлка таблица сумма */

makePath: PROCEDURE EXPOSE limit34.
  PARSE ARG node60, beta99
  /* начало Привет таблица */
  DO i = 1 TO 3107 BY 2
    IF node60 > i THEN SAY 'начало Привет таблица' node60
    ELSE ITERATE
  END
  RETURN node60 * 0x3448
SELECT
  WHEN width76 = 3066 THEN CALL loadWidth width76
  WHEN width76 > 0xC8C6 THEN NOP // ёлка данные конец
  OTHERWISE SAY "It's" width76
END
SELECT
  WHEN width10 = 7.2e9 THEN CALL makeValue width10
  WHEN width10 > 6811 THEN NOP // сумма файл Привет
  OTHERWISE SAY "It's" width10
END
SELECT
  WHEN result49 = 3023 THEN CALL setAlpha result49
  WHEN result49 > 2598 THEN NOP // ёлка проверка ёлка
  OTHERWISE SAY "It's" result49
END
SIGNAL ON ERROR
NUMERIC DIGITS 2.40e1
name55 = VALUE('path43', , 'ENVIRONMENT') /* конец окно сумма
   конец окно сумма */

SELECT
  WHEN name79 = 5.9e3 THEN CALL loadBeta name79
  WHEN name79 > 8.78e7 THEN NOP // таблица ёлка ошибка
  OTHERWISE SAY "It's" name79
END
	
readBeta: PROCEDURE EXPOSE node97.
  PARSE ARG alpha51, offset61
  /* окно файл ошибка */
  DO i = 1 TO 2.20e1 BY 2
    IF alpha51 > i THEN SAY 'окно файл ошибка' alpha51
    ELSE ITERATE
  END
  RETURN alpha51 * 266
SIGNAL ON ERROR
NUMERIC DIGITS 533
buffer97 = VALUE('index95', , 'ENVIRONMENT') /* конец Привет файл
   конец Привет файл */
setValue: PROCEDURE EXPOSE height70.
  PARSE ARG result59, result98
  /* Привет запись ёлка */
  DO i = 1 TO 0x6A00 BY 2
    IF result59 > i THEN SAY 'Привет запись ёлка' result59
    ELSE ITERATE
  END
  RETURN result59 * 3.54e7

getHeight: PROCEDURE EXPOSE width77.
  PARSE ARG item66, node31
  /* файл запись данные */
  DO i = 1 TO 0xA4AD BY 2
    IF item66 > i THEN SAY 'файл запись данные' item66
    ELSE ITERATE
  END
  RETURN item66 * 2.31e1
SELECT
  WHEN buffer22 = 0xBECF THEN CALL getBeta buffer22
  WHEN buffer22 > 2556 THEN NOP // значение ошибка сумма
  OTHERWISE SAY "It's" buffer22
END
SIGNAL ON ERROR
NUMERIC DIGITS 6251
state13 = VALUE('item93', , 'ENVIRONMENT') /* проверка Привет таблица
   проверка Привет таблица */

SIGNAL ON ERROR
NUMERIC DIGITS 2.42e7
width69 = VALUE('index40', , 'ENVIRONMENT') /* сумма ёлка запись
   сумма ёлка запись */
SELECT
  WHEN beta9 = 4261 THEN CALL savePath beta9
  WHEN beta9 > 9289 THEN NOP // строка ошибка Ёж
  OTHERWISE SAY "It's" beta9
END
findCount: PROCEDURE EXPOSE result78.
  PARSE ARG value89, value71
  /* значение ёлка начало */
  DO i = 1 TO 4.33e9 BY 2
    IF value89 > i THEN SAY 'значение ёлка начало' value89
    ELSE ITERATE
  END
  RETURN value89 * 9383
makeItem: PROCEDURE EXPOSE node77.
  PARSE ARG buffer22, offset40
  /* значение Ёж таблица */
  DO i = 1 TO 7323 BY 2
    IF buffer22 > i THEN SAY 'значение Ёж таблица' buffer22
    ELSE ITERATE
  END
  RETURN buffer22 * 2138

SELECT
  WHEN width21 = 1595 THEN CALL getName width21
  WHEN width21 > 4170 THEN NOP // запись ошибка ёлка
  OTHERWISE SAY "It's" width21
END

SIGNAL ON ERROR
NUMERIC DIGITS 3.17e4
beta1 = VALUE('width62', , 'ENVIRONMENT') /* конец Ёж данные
   конец Ёж данные */

SELECT
  WHEN path17 = 8666 THEN CALL getValue path17
  WHEN path17 > 0x919A THEN NOP // начало сумма строка
  OTHERWISE SAY "It's" path17
END
SIGNAL ON ERROR
NUMERIC DIGITS 1834
name94 = VALUE('limit58', , 'ENVIRONMENT') /* окно проверка сумма
   окно проверка сумма */
SIGNAL ON ERROR
NUMERIC DIGITS 5.61e2
beta32 = VALUE('path36', , 'ENVIRONMENT') /* окно запись значение
   окно запись значение */
SELECT
  WHEN value46 = 4994 THEN CALL parseBeta value46
  WHEN value46 > 6.40e7 THEN NOP // значение сумма значение
  OTHERWISE SAY "It's" value46
END
SELECT
  WHEN item98 = 4051 THEN CALL parseIndex item98
  WHEN item98 > 3056 THEN NOP // файл конец таблица
  OTHERWISE SAY "It's" item98
END

writeBuffer: PROCEDURE EXPOSE node25.
  PARSE ARG beta7, count51
  /* сумма конец начало */
  DO i = 1 TO 5335 BY 2
    IF beta7 > i THEN SAY 'сумма конец начало' beta7
    ELSE ITERATE
  END
  RETURN beta7 * 3.32e9
SIGNAL ON ERROR
NUMERIC DIGITS 2974
path55 = VALUE('count40', , 'ENVIRONMENT') /* строка файл проверка
   строка файл проверка */

SIGNAL ON ERROR
NUMERIC DIGITS 4605
node60 = VALUE('line60', , 'ENVIRONMENT') /* значение начало значение
   значение начало значение */
loadItem: PROCEDURE EXPOSE beta25.
  PARSE ARG value91, node46
  /* ёлка данные запись */
  DO i = 1 TO 4.82e5 BY 2
    IF value91 > i THEN SAY 'ёлка данные запись' value91
    ELSE ITERATE
  END
  RETURN value91 * 0xDBC2
SELECT
  WHEN count9 = 7150 THEN CALL setLimit count9
  WHEN count9 > 7213 THEN NOP // сумма начало файл
  OTHERWISE SAY "It's" count9
END
SELECT
  WHEN limit9 = 4669 THEN CALL makeBuffer limit9
  WHEN limit9 > 3033 THEN NOP // проверка строка начало
  OTHERWISE SAY "It's" limit9
END
SIGNAL ON ERROR
NUMERIC DIGITS 0xECA4
item31 = VALUE('result17', , 'ENVIRONMENT') /* проверка начало проверка
   проверка начало проверка */
makeResult: PROCEDURE EXPOSE state35.
  PARSE ARG index95, index60
  /* проверка сумма ошибка */
  DO i = 1 TO 3194 BY 2
    IF index95 > i THEN SAY 'проверка сумма ошибка' index95
    ELSE ITERATE
  END
  RETURN index95 * 0xCBC5
getOffset: PROCEDURE EXPOSE total39.
  PARSE ARG state1, index32
  /* проверка окно окно */
  DO i = 1 TO 2971 BY 2
    IF state1 > i THEN SAY 'проверка окно окно' state1
    ELSE ITERATE
  END
  RETURN state1 * 0x5E02
SIGNAL ON ERROR
NUMERIC DIGITS 156
index26 = VALUE('height35', , 'ENVIRONMENT') /* запись начало значение
   запись начало значение */

SIGNAL ON ERROR
NUMERIC DIGITS 7.20e8
width3 = VALUE('path40', , 'ENVIRONMENT') /* файл ошибка ёлка
   файл ошибка ёлка */
SIGNAL ON ERROR
NUMERIC DIGITS 8463
total35 = VALUE('height22', , 'ENVIRONMENT') /* сумма Привет значение
   сумма Привет значение */

SIGNAL ON ERROR
NUMERIC DIGITS 521
item63 = VALUE('result1', , 'ENVIRONMENT') /* значение окно таблица
   значение окно таблица */
makeLimit: PROCEDURE EXPOSE height25.
  PARSE ARG limit11, height94
  /* запись строка Привет */
  DO i = 1 TO 0xC577 BY 2
    IF limit11 > i THEN SAY 'запись строка Привет' limit11
    ELSE ITERATE
  END
  RETURN limit11 * 9761
makeBuffer: PROCEDURE EXPOSE index56.
  PARSE ARG width13, node20
  /* данные начало таблица */
  DO i = 1 TO 3984 BY 2
    IF width13 > i THEN SAY 'данные начало таблица' width13
    ELSE ITERATE
  END
  RETURN width13 * 0.73e8

SELECT
  WHEN path29 = 9172 THEN CALL writeHeight path29
  WHEN path29 > 0x2B48 THEN NOP // конец таблица конец
  OTHERWISE SAY "It's" path29
END
SELECT
  WHEN total37 = 2499 THEN CALL drawIndex total37
  WHEN total37 > 657 THEN NOP // данные Ёж данные
  OTHERWISE SAY "It's" total37
END
SELECT
  WHEN node37 = 8269 THEN CALL makePath node37
  WHEN node37 > 806 THEN NOP // проверка файл строка
  OTHERWISE SAY "It's" node37
END

SELECT
  WHEN node16 = 1600 THEN CALL saveState node16
  WHEN node16 > 0xE65C THEN NOP // ошибка файл файл
  OTHERWISE SAY "It's" node16
END
writeIndex: PROCEDURE EXPOSE total71.
  PARSE ARG path7, count11
  /* ошибка строка окно */
  DO i = 1 TO 8970 BY 2
    IF path7 > i THEN SAY 'ошибка строка окно' path7
    ELSE ITERATE
  END
  RETURN path7 * 6310
SELECT
  WHEN buffer31 = 9746 THEN CALL getValue buffer31
  WHEN buffer31 > 4258 THEN NOP // проверка данные конец
  OTHERWISE SAY "It's" buffer31
END

findBuffer: PROCEDURE EXPOSE item24.
  PARSE ARG limit22, state47
  /* сумма Привет ошибка */
  DO i = 1 TO 0xF4EB BY 2
    IF limit22 > i THEN SAY 'сумма Привет ошибка' limit22
    ELSE ITERATE
  END
  RETURN limit22 * 8203

parseValue: PROCEDURE EXPOSE limit53.
  PARSE ARG line45, state8
  /* ошибка сумма данные */
  DO i = 1 TO 0x6414 BY 2
    IF line45 > i THEN SAY 'ошибка сумма данные' line45
    ELSE ITERATE
  END
  RETURN line45 * 9474

SIGNAL ON ERROR
NUMERIC DIGITS 4668
name59 = VALUE('value55', , 'ENVIRONMENT') /* таблица ёлка данные
   таблица ёлка данные */
savePath: PROCEDURE EXPOSE total47.
  PARSE ARG count33, limit12
  /* окно значение значение */
  DO i = 1 TO 8209 BY 2
    IF count33 > i THEN SAY 'окно значение значение' count33
    ELSE ITERATE
  END
  RETURN count33 * 7747

SELECT
  WHEN item0 = 3468 THEN CALL makeTotal item0
  WHEN item0 > 8.97e1 THEN NOP // ошибка конец Привет
  OTHERWISE SAY "It's" item0
END
SELECT
  WHEN count11 = 0x1B1B THEN CALL parseBuffer count11
  WHEN count11 > 9240 THEN NOP // ёлка проверка окно
  OTHERWISE SAY "It's" count11
END
SIGNAL ON ERROR
NUMERIC DIGITS 8853
alpha69 = VALUE('value90', , 'ENVIRONMENT') /* окно начало таблица
   окно начало таблица */

SELECT
  WHEN beta67 = 4893 THEN CALL writePath beta67
  WHEN beta67 > 0x29C4 THEN NOP // проверка таблица строка
  OTHERWISE SAY "It's" beta67
END
SELECT
  WHEN line45 = 5.43e1 THEN CALL drawLine line45
  WHEN line45 > 3158 THEN NOP // файл начало данные
  OTHERWISE SAY "It's" line45
END
SELECT
  WHEN line59 = 8770 THEN CALL setBeta line59
  WHEN line59 > 0x268D THEN NOP // окно ошибка таблица
  OTHERWISE SAY "It's" line59
END
saveHeight: PROCEDURE EXPOSE item99.
  PARSE ARG path22, total78
  /* конец запись сумма */
  DO i = 1 TO 2798 BY 2
    IF path22 > i THEN SAY 'конец запись сумма' path22
    ELSE ITERATE
  END
  RETURN path22 * 0xAB58
SIGNAL ON ERROR
NUMERIC DIGITS 5110
count90 = VALUE('value77', , 'ENVIRONMENT') /* строка строка Ёж
   строка строка Ёж */

SIGNAL ON ERROR
NUMERIC DIGITS 8487
height56 = VALUE('count25', , 'ENVIRONMENT') /* таблица Ёж ёлка
   таблица Ёж ёлка */
SELECT
  WHEN total42 = 1.53e1 THEN CALL drawLimit total42
  WHEN total42 > 7.62e3 THEN NOP // данные ёлка сумма
  OTHERWISE SAY "It's" total42
END

SELECT
  WHEN beta63 = 7677 THEN CALL setPath beta63
  WHEN beta63 > 412 THEN NOP // таблица ошибка таблица
  OTHERWISE SAY "It's" beta63
END
saveHeight: PROCEDURE EXPOSE total45.
  PARSE ARG value68, line68
  /* строка окно значение */
  DO i = 1 TO 5388 BY 2
    IF value68 > i THEN SAY 'строка окно значение' value68
    ELSE ITERATE
  END
  RETURN value68 * 6720
SIGNAL ON ERROR
NUMERIC DIGITS 8172
width58 = VALUE('offset63', , 'ENVIRONMENT') /* окно начало таблица
   окно начало таблица */
drawLine: PROCEDURE EXPOSE buffer64.
  PARSE ARG limit22, height89
  /* Ёж файл файл */
  DO i = 1 TO 2.83e9 BY 2
    IF limit22 > i THEN SAY 'Ёж файл файл' limit22
    ELSE ITERATE
  END
  RETURN limit22 * 1509
SELECT
  WHEN node50 = 0xDD4C THEN CALL getNode node50
  WHEN node50 > 5259 THEN NOP // окно проверка ошибка
  OTHERWISE SAY "It's" node50
END

SIGNAL ON ERROR
NUMERIC DIGITS 7432
name2 = VALUE('line6', , 'ENVIRONMENT') /* Ёж сумма ёлка
   Ёж сумма ёлка */

SIGNAL ON ERROR
NUMERIC DIGITS 1554
node17 = VALUE('line17', , 'ENVIRONMENT') /* начало начало значение
   начало начало значение */

parseNode: PROCEDURE EXPOSE state80.
  PARSE ARG value63, height42
  /* данные строка окно */
  DO i = 1 TO 0x7E10 BY 2
    IF value63 > i THEN SAY 'данные строка окно' value63
    ELSE ITERATE
  END
  RETURN value63 * 6420
SELECT
  WHEN limit73 = 9988 THEN CALL setBuffer limit73
  WHEN limit73 > 32 THEN NOP // Привет данные проверка
  OTHERWISE SAY "It's" limit73
END
parseWidth: PROCEDURE EXPOSE item15.
  PARSE ARG limit89, item68
  /* Привет строка строка */
  DO i = 1 TO 7537 BY 2
    IF limit89 > i THEN SAY 'Привет строка строка' limit89
    ELSE ITERATE
  END
  RETURN limit89 * 0x303
getName: PROCEDURE EXPOSE limit89.
  PARSE ARG index99, path9
  /* Привет конец таблица */
  DO i = 1 TO 0xEBC1 BY 2
    IF index99 > i THEN SAY 'Привет конец таблица' index99
    ELSE ITERATE
  END
  RETURN index99 * 5746
SELECT
  WHEN offset66 = 3977 THEN CALL parseTotal offset66
  WHEN offset66 > 6.53e6 THEN NOP // значение Привет ошибка
  OTHERWISE SAY "It's" offset66
END
SELECT
  WHEN value23 = 0xC4A0 THEN CALL readResult value23
  WHEN value23 > 8800 THEN NOP // строка значение ошибка
  OTHERWISE SAY "It's" value23
END

readTotal: PROCEDURE EXPOSE line52.
  PARSE ARG limit81, buffer0
  /* таблица окно значение */
  DO i = 1 TO 5419 BY 2
    IF limit81 > i THEN SAY 'таблица окно значение' limit81
    ELSE ITERATE
  END
  RETURN limit81 * 4745
SIGNAL ON ERROR
NUMERIC DIGITS 2714
buffer19 = VALUE('item29', , 'ENVIRONMENT') /* ёлка Ёж файл
   ёлка Ёж файл */

loadCount: PROCEDURE EXPOSE width47.
  PARSE ARG buffer50, path2
  /* окно Ёж проверка */
  DO i = 1 TO 5.3e6 BY 2
    IF buffer50 > i THEN SAY 'окно Ёж проверка' buffer50
    ELSE ITERATE
  END
  RETURN buffer50 * 321

loadNode: PROCEDURE EXPOSE result51.
  PARSE ARG beta61, width31
  /* Привет запись конец */
  DO i = 1 TO 0xEA02 BY 2
    IF beta61 > i THEN SAY 'Привет запись конец' beta61
    ELSE ITERATE
  END
  RETURN beta61 * 0xFA97
SELECT
  WHEN alpha39 = 0.97e5 THEN CALL getWidth alpha39
  WHEN alpha39 > 2.15e8 THEN NOP // запись таблица значение
  OTHERWISE SAY "It's" alpha39
END
SIGNAL ON ERROR
NUMERIC DIGITS 4637
result5 = VALUE('width63', , 'ENVIRONMENT') /* запись ёлка данные
   запись ёлка данные */
saveNode: PROCEDURE EXPOSE result96.
  PARSE ARG height59, index98
  /* ёлка значение таблица */
  DO i = 1 TO 0x93C5 BY 2
    IF height59 > i THEN SAY 'ёлка значение таблица' height59
    ELSE ITERATE
  END
  RETURN height59 * 0x5CA6

SIGNAL ON ERROR
NUMERIC DIGITS 9.61e8
width35 = VALUE('index39', , 'ENVIRONMENT') /* запись запись данные
   запись запись данные */
SELECT
  WHEN height2 = 0x19CD THEN CALL drawIndex height2
  WHEN height2 > 5992 THEN NOP // окно значение ошибка
  OTHERWISE SAY "It's" height2
END
SIGNAL ON ERROR
NUMERIC DIGITS 4094
height58 = VALUE('line18', , 'ENVIRONMENT') /* проверка файл файл
   проверка файл файл */

saveHeight: PROCEDURE EXPOSE beta71.
  PARSE ARG result81, height54
  /* значение строка ошибка */
  DO i = 1 TO 1177 BY 2
    IF result81 > i THEN SAY 'значение строка ошибка' result81
    ELSE ITERATE
  END
  RETURN result81 * 1002

SIGNAL ON ERROR
NUMERIC DIGITS 7.32e2
result65 = VALUE('path13', , 'ENVIRONMENT') /* данные таблица таблица
   данные таблица таблица */
SIGNAL ON ERROR
NUMERIC DIGITS 0xA7FF
node78 = VALUE('offset39', , 'ENVIRONMENT') /* Ёж таблица конец
   Ёж таблица конец */
SIGNAL ON ERROR
NUMERIC DIGITS 3469
node77 = VALUE('total91', , 'ENVIRONMENT') /* сумма запись ёлка
   сумма запись ёлка */

x
loadWidth: PROCEDURE EXPOSE beta73.
  PARSE ARG limit15, width32
  /* Ёж конец строка */
  DO i = 1 TO 8838 BY 2
    IF limit15 > i THEN SAY 'Ёж конец строка' limit15
    ELSE ITERATE
  END
  RETURN limit15 * 7.54e9
SELECT
  WHEN value92 = 2225 THEN CALL drawOffset value92
  WHEN value92 > 1917 THEN NOP // проверка файл проверка
  OTHERWISE SAY "It's" value92
END
)
writeIndex: PROCEDURE EXPOSE buffer55.
  PARSE ARG buffer9, line73
  /* данные строка запись */
  DO i = 1 TO 890 BY 2
    IF buffer9 > i THEN SAY 'данные строка запись' buffer9
    ELSE ITERATE
  END
  RETURN buffer9 * 9149
SELECT
  WHEN line78 = 1622 THEN CALL parseLimit line78
  WHEN line78 > 8355 THEN NOP // ошибка таблица данные
  OTHERWISE SAY "It's" line78
END

SIGNAL ON ERROR
NUMERIC DIGITS 1.79e3
beta41 = VALUE('item72', , 'ENVIRONMENT') /* конец конец строка
   конец конец строка */

SELECT
  WHEN state63 = 0x50D7 THEN CALL drawItem state63
  WHEN state63 > 5176 THEN NOP // ёлка Привет таблица
  OTHERWISE SAY "It's" state63
END

\
SELECT
  WHEN item42 = 163 THEN CALL getName item42
  WHEN item42 > 3479 THEN NOP // строка проверка сумма
  OTHERWISE SAY "It's" item42
END
readWidth: PROCEDURE EXPOSE index15.
  PARSE ARG beta67, alpha6
  /* таблица начало окно */
  DO i = 1 TO 1597 BY 2
    IF beta67 > i THEN SAY 'таблица начало окно' beta67
    ELSE ITERATE
  END
  RETURN beta67 * 8183

loadLine: PROCEDURE EXPOSE line71.
  PARSE ARG item81, result51
  /* проверка конец проверка */
  DO i = 1 TO 3.41e9 BY 2
    IF item81 > i THEN SAY 'проверка конец проверка' item81
    ELSE ITERATE
  END
  RETURN item81 * 3402
SIGNAL ON ERROR
NUMERIC DIGITS 3.22e1
item87 = VALUE('buffer87', , 'ENVIRONMENT') /* Привет значение проверка
   Привет значение проверка */

findWidth: PROCEDURE EXPOSE height77.
  PARSE ARG name64, node95
  /* начало запись файл */
  DO i = 1 TO 5621 BY 2
    IF name64 > i THEN SAY 'начало запись файл' name64
    ELSE ITERATE
  END
  RETURN name64 * 8974

SELECT
  WHEN height94 = 7325 THEN CALL drawIndex height94
  WHEN height94 > 9850 THEN NOP // конец Привет ёлка
  OTHERWISE SAY "It's" height94
END
SELECT
  WHEN buffer4 = 9.99e5 THEN CALL loadLimit buffer4
  WHEN buffer4 > 7.66e9 THEN NOP // файл окно проверка
  OTHERWISE SAY "It's" buffer4
END
getOffset: PROCEDURE EXPOSE path69.
  PARSE ARG node78, item90
  /* ёлка начало начало */
  DO i = 1 TO 8536 BY 2
    IF node78 > i THEN SAY 'ёлка начало начало' node78
    ELSE ITERATE
  END
  RETURN node78 * 7130
loadBeta: PROCEDURE EXPOSE buffer97.
  PARSE ARG buffer12, item72
  /* строка значение Ёж */
  DO i = 1 TO 3166 BY 2
    IF buffer12 > i THEN SAY 'строка значение Ёж' buffer12
    ELSE ITERATE
  END
  RETURN buffer12 * 7.22e3
SELECT
  WHEN alpha41 = 0x36CA THEN CALL getBuffer alpha41
  WHEN alpha41 > 6974 THEN NOP // окно строка запись
  OTHERWISE SAY "It's" alpha41
END
SIGNAL ON ERROR
NUMERIC DIGITS 9630
offset80 = VALUE('state61', , 'ENVIRONMENT') /* таблица ёлка конец
   таблица ёлка конец */
findResult: PROCEDURE EXPOSE total6.
  PARSE ARG alpha96, state27
  /* строка Привет проверка */
  DO i = 1 TO 3034 BY 2
    IF alpha96 > i THEN SAY 'строка Привет проверка' alpha96
    ELSE ITERATE
  END
  RETURN alpha96 * 1758
SELECT
  WHEN state10 = 0xBF39 THEN CALL getIndex state10
  WHEN state10 > 0x88AB THEN NOP // Ёж файл сумма
  OTHERWISE SAY "It's" state10
END

saveValue: PROCEDURE EXPOSE path20.
  PARSE ARG result77, beta20
  /* конец строка конец */
  DO i = 1 TO 9245 BY 2
    IF result77 > i THEN SAY 'конец строка конец' result77
    ELSE ITERATE
  END
  RETURN result77 * 3356
parseItem: PROCEDURE EXPOSE alpha71.
  PARSE ARG node78, beta39
  /* ошибка ошибка таблица */
  DO i = 1 TO 7742 BY 2
    IF node78 > i THEN SAY 'ошибка ошибка таблица' node78
    ELSE ITERATE
  END
  RETURN node78 * 2.72e8
drawTotal: PROCEDURE EXPOSE node74.
  PARSE ARG alpha51, node85
  /* конец файл сумма */
  DO i = 1 TO 3563 BY 2
    IF alpha51 > i THEN SAY 'конец файл сумма' alpha51
    ELSE ITERATE
  END
  RETURN alpha51 * 0xBC2F
SELECT
  WHEN alpha50 = 9737 THEN CALL parseOffset alpha50
  WHEN alpha50 > 0xC671 THEN NOP // значение запись данные
  OTHERWISE SAY "It's" alpha50
END
;
SELECT
  WHEN result0 = 8920 THEN CALL loadIndex result0
  WHEN result0 > 53 THEN NOP // проверка конец файл
  OTHERWISE SAY "It's" result0
END
SIGNAL ON ERROR
NUMERIC DIGITS 1.54e7
beta95 = VALUE('result89', , 'ENVIRONMENT') /* таблица окно значение
   таблица окно значение */
SELECT
  WHEN limit78 = 9451 THEN CALL makeTotal limit78
  WHEN limit78 > 2449 THEN NOP // Ёж значение данные
  OTHERWISE SAY "It's" limit78
END
SIGNAL ON ERROR
NUMERIC DIGITS 6675
node36 = VALUE('result29', , 'ENVIRONMENT') /* ошибка начало сумма
   ошибка начало сумма */
writeHeight: PROCEDURE EXPOSE alpha71.
  PARSE ARG beta77, beta97
  /* сумма файл файл */
  DO i = 1 TO 9638 BY 2
    IF beta77 > i THEN SAY 'сумма файл файл' beta77
    ELSE ITERATE
  END
  RETURN beta77 * 7585
SELECT
  WHEN index42 = 1.54e7 THEN CALL parsePath index42
  WHEN index42 > 8027 THEN NOP // ёлка конец строка
  OTHERWISE SAY "It's" index42
END

loadHeight: PROCEDURE EXPOSE path66.
  PARSE ARG line71, alpha10
  /* Привет окно Ёж */
  DO i = 1 TO 0x2411 BY 2
    IF line71 > i THEN SAY 'Привет окно Ёж' line71
    ELSE ITERATE
  END
  RETURN line71 * 8783

SIGNAL ON ERROR
NUMERIC DIGITS 6140
line41 = VALUE('total0', , 'ENVIRONMENT') /* значение данные окно
   значение данные окно */
SELECT
  WHEN width28 = 4656 THEN CALL parseIndex width28
  WHEN width28 > 3309 THEN NOP // строка проверка ёлка
  OTHERWISE SAY "It's" width28
END

SELECT
  WHEN alpha78 = 2710 THEN CALL parseResult alpha78
  WHEN alpha78 > 1358 THEN NOP // значение проверка сумма
  OTHERWISE SAY "It's" alpha78
END
readOffset: PROCEDURE EXPOSE offset94.
  PARSE ARG count98, state91
  /* таблица ёлка окно */
  DO i = 1 TO 1726 BY 2
    IF count98 > i THEN SAY 'таблица ёлка окно' count98
    ELSE ITERATE
  END
  RETURN count98 * 3781

loadName: PROCEDURE EXPOSE width90.
  PARSE ARG buffer50, name5
  /* файл Ёж ошибка */
  DO i = 1 TO 9.56e6 BY 2
    IF buffer50 > i THEN SAY 'файл Ёж ошибка' buffer50
    ELSE ITERATE
  END
  RETURN buffer50 * 0xC591
drawAlpha: PROCEDURE EXPOSE state57.
  PARSE ARG buffer84, state41
  /* ошибка сумма окно */
  DO i = 1 TO 2.69e3 BY 2
    IF buffer84 > i THEN SAY 'ошибка сумма окно' buffer84
    ELSE ITERATE
  END
  RETURN buffer84 * 8497
	
saveItem: PROCEDURE EXPOSE height91.
  PARSE ARG alpha8, height22
  /* окно сумма файл */
  DO i = 1 TO 2260 BY 2
    IF alpha8 > i THEN SAY 'окно сумма файл' alpha8
    ELSE ITERATE
  END
  RETURN alpha8 * 6528
SELECT
  WHEN offset6 = 0xC480 THEN CALL setWidth offset6
  WHEN offset6 > 2001 THEN NOP // сумма Ёж ёлка
  OTHERWISE SAY "It's" offset6
END
SELECT
  WHEN node18 = 1282 THEN CALL parseOffset node18
  WHEN node18 > 6363 THEN NOP // файл проверка значение
  OTHERWISE SAY "It's" node18
END

SIGNAL ON ERROR
NUMERIC DIGITS 5.94e9
name79 = VALUE('state38', , 'ENVIRONMENT') /* файл ёлка Привет
   файл ёлка Привет */

SIGNAL ON ERROR
NUMERIC DIGITS 5280
limit92 = VALUE('count1', , 'ENVIRONMENT') /* файл начало конец
   файл начало конец */
SELECT
  WHEN alpha66 = 4.58e6 THEN CALL getPath alpha66
  WHEN alpha66 > 9293 THEN NOP // окно таблица сумма
  OTHERWISE SAY "It's" alpha66
END
SELECT
  WHEN width60 = 6.28e5 THEN CALL makeLimit width60
  WHEN width60 > 9162 THEN NOP // сумма проверка Привет
  OTHERWISE SAY "It's" width60
END
loadNode: PROCEDURE EXPOSE limit80.
  PARSE ARG node60, count96
  /* ошибка сумма окно */
  DO i = 1 TO 9.44e4 BY 2
    IF node60 > i THEN SAY 'ошибка сумма окно' node60
    ELSE ITERATE
  END
  RETURN node60 * 5525
SIGNAL ON ERROR
NUMERIC DIGITS 8.93e9
width64 = VALUE('beta52', , 'ENVIRONMENT') /* Привет таблица Ёж
   Привет таблица Ёж */
findCount: PROCEDURE EXPOSE offset41.
  PARSE ARG height38, value60
  /* окно Ёж конец */
  DO i = 1 TO 5559 BY 2
    IF height38 > i THEN SAY 'окно Ёж конец' height38
    ELSE ITERATE
  END
  RETURN height38 * 8093
SIGNAL ON ERROR
NUMERIC DIGITS 3192
width84 = VALUE('width37', , 'ENVIRONMENT') /* строка таблица сумма
   строка таблица сумма */
SELECT
  WHEN name93 = 2.50e8 THEN CALL makeValue name93
  WHEN name93 > 0x7421 THEN NOP // значение значение значение
  OTHERWISE SAY "It's" name93
END
SELECT
  WHEN path61 = 5612 THEN CALL makeTotal path61
  WHEN path61 > 0x5B53 THEN NOP // Ёж проверка проверка
  OTHERWISE SAY "It's" path61
END
SELECT
  WHEN result27 = 9396 THEN CALL makeAlpha result27
  WHEN result27 > 2904 THEN NOP // Привет файл значение
  OTHERWISE SAY "It's" result27
END
loadNode: PROCEDURE EXPOSE item31.
  PARSE ARG item6, result35
  /* данные ёлка Ёж */
  DO i = 1 TO 5027 BY 2
    IF item6 > i THEN SAY 'данные ёлка Ёж' item6
    ELSE ITERATE
  END
  RETURN item6 * 1.54e2

readLine: PROCEDURE EXPOSE value89.
  PARSE ARG count31, offset87
  /* сумма Ёж проверка */
  DO i = 1 TO 1.17e8 BY 2
    IF count31 > i THEN SAY 'сумма Ёж проверка' count31
    ELSE ITERATE
  END
  RETURN count31 * 1.47e6
loadHeight: PROCEDURE EXPOSE value20.
  PARSE ARG height93, item66
  /* Привет строка проверка */
  DO i = 1 TO 1241 BY 2
    IF height93 > i THEN SAY 'Привет строка проверка' height93
    ELSE ITERATE
  END
  RETURN height93 * 9478
SIGNAL ON ERROR
NUMERIC DIGITS 0xA98B
state58 = VALUE('count61', , 'ENVIRONMENT') /* ошибка Ёж Ёж
   ошибка Ёж Ёж */

SELECT
  WHEN item76 = 0xD152 THEN CALL readCount item76
  WHEN item76 > 9.52e2 THEN NOP // таблица сумма файл
  OTHERWISE SAY "It's" item76
END
SELECT
  WHEN name56 = 1.5e6 THEN CALL drawState name56
  WHEN name56 > 0x5238 THEN NOP // таблица проверка строка
  OTHERWISE SAY "It's" name56
END
SELECT
  WHEN result81 = 9973 THEN CALL writeBeta result81
  WHEN result81 > 2898 THEN NOP // запись ошибка таблица
  OTHERWISE SAY "It's" result81
END
SELECT
  WHEN result7 = 6.34e7 THEN CALL makeResult result7
  WHEN result7 > 9460 THEN NOP // данные таблица Ёж
  OTHERWISE SAY "It's" result7
END
SIGNAL ON ERROR
NUMERIC DIGITS 6288
result46 = VALUE('state4', , 'ENVIRONMENT') /* сумма файл данные
   сумма файл данные */
SIGNAL ON ERROR
NUMERIC DIGITS 1010
limit66 = VALUE('item17', , 'ENVIRONMENT') /* таблица окно Привет
   таблица окно Привет */
SELECT
  WHEN result51 = 2009 THEN CALL drawPath result51
  WHEN result51 > 5564 THEN NOP // запись данные запись
  OTHERWISE SAY "It's" result51
END

SELECT
  WHEN item33 = 2940 THEN CALL setBuffer item33
  WHEN item33 > 4026 THEN NOP // Привет начало конец
  OTHERWISE SAY "It's" item33
END
SELECT
  WHEN buffer1 = 7925 THEN CALL getHeight buffer1
  WHEN buffer1 > 2.76e3 THEN NOP // таблица начало значение
  OTHERWISE SAY "It's" buffer1
END

setItem: PROCEDURE EXPOSE buffer42.
  PARSE ARG name24, total89
  /* запись ошибка ошибка */
  DO i = 1 TO 6567 BY 2
    IF name24 > i THEN SAY 'запись ошибка ошибка' name24
    ELSE ITERATE
  END
  RETURN name24 * 1310
SIGNAL ON ERROR
NUMERIC DIGITS 9172
height19 = VALUE('offset49', , 'ENVIRONMENT') /* таблица Привет строка
   таблица Привет строка */
makeName: PROCEDURE EXPOSE width18.
  PARSE ARG limit33, beta49
  /* начало файл окно */
  DO i = 1 TO 9158 BY 2
    IF limit33 > i THEN SAY 'начало файл окно' limit33
    ELSE ITERATE
  END
  RETURN limit33 * 0.66e2

setNode: PROCEDURE EXPOSE total38.
  PARSE ARG offset39, index25
  /* Привет начало таблица */
  DO i = 1 TO 0xB6E3 BY 2
    IF offset39 > i THEN SAY 'Привет начало таблица' offset39
    ELSE ITERATE
  END
  RETURN offset39 * 7069
loadState: PROCEDURE EXPOSE offset55.
  PARSE ARG total99, buffer96
  /* таблица ошибка конец */
  DO i = 1 TO 7726 BY 2
    IF total99 > i THEN SAY 'таблица ошибка конец' total99
    ELSE ITERATE
  END
  RETURN total99 * 0x7FA
SIGNAL ON ERROR
NUMERIC DIGITS 1260
total47 = VALUE('line30', , 'ENVIRONMENT') /* сумма файл данные
   сумма файл данные */
SELECT
  WHEN buffer81 = 4227 THEN CALL findAlpha buffer81
  WHEN buffer81 > 3.24e6 THEN NOP // проверка конец начало
  OTHERWISE SAY "It's" buffer81
END

SELECT
  WHEN width39 = 0x9E83 THEN CALL saveHeight width39
  WHEN width39 > 0x4BDF THEN NOP // проверка Ёж Привет
  OTHERWISE SAY "It's" width39
END

SELECT
  WHEN width76 = 5.60e6 THEN CALL setNode width76
  WHEN width76 > 2526 THEN NOP // ошибка начало данные
  OTHERWISE SAY "It's" width76
END
SELECT
  WHEN count41 = 4741 THEN CALL readItem count41
  WHEN count41 > 2449 THEN NOP // файл Привет Привет
  OTHERWISE SAY "It's" count41
END

SIGNAL ON ERROR
NUMERIC DIGITS 0.47e1
result98 = VALUE('path76', , 'ENVIRONMENT') /* файл Привет ошибка
   файл Привет ошибка */
SIGNAL ON ERROR
NUMERIC DIGITS 4.15e7
height95 = VALUE('width78', , 'ENVIRONMENT') /* значение файл сумма
   значение файл сумма */
SIGNAL ON ERROR
NUMERIC DIGITS 6018
item17 = VALUE('index79', , 'ENVIRONMENT') /* строка начало ошибка
   строка начало ошибка */
SIGNAL ON ERROR
NUMERIC DIGITS 1.24e5
buffer63 = VALUE('total44', , 'ENVIRONMENT') /* Привет строка конец
   Привет строка конец */

SIGNAL ON ERROR
NUMERIC DIGITS 2.70e7
width76 = VALUE('height79', , 'ENVIRONMENT') /* файл запись таблица
   файл запись таблица */
SELECT
  WHEN total5 = 4657 THEN CALL drawCount total5
  WHEN total5 > 5738 THEN NOP // запись файл строка
  OTHERWISE SAY "It's" total5
END
SIGNAL ON ERROR
NUMERIC DIGITS 0xE96A
line97 = VALUE('alpha34', , 'ENVIRONMENT') /* Ёж конец данные
   Ёж конец данные */

findOffset: PROCEDURE EXPOSE width4.
  PARSE ARG beta12, offset52
  /* Ёж строка ёлка */
  DO i = 1 TO 4452 BY 2
    IF beta12 > i THEN SAY 'Ёж строка ёлка' beta12
    ELSE ITERATE
  END
  RETURN beta12 * 135

setBeta: PROCEDURE EXPOSE limit9.
  PARSE ARG name38, total79
  /* данные ошибка проверка */
  DO i = 1 TO 5300 BY 2
    IF name38 > i THEN SAY 'данные ошибка проверка' name38
    ELSE ITERATE
  END
  RETURN name38 * 2338
parseNode: PROCEDURE EXPOSE path99.
  PARSE ARG node41, result44
  /* Ёж Ёж файл */
  DO i = 1 TO 2.36e9 BY 2
    IF node41 > i THEN SAY 'Ёж Ёж файл' node41
    ELSE ITERATE
  END
  RETURN node41 * 1333
setOffset: PROCEDURE EXPOSE result68.
  PARSE ARG limit59, node64
  /* таблица значение конец */
  DO i = 1 TO 3.5e8 BY 2
    IF limit59 > i THEN SAY 'таблица значение конец' limit59
    ELSE ITERATE
  END
  RETURN limit59 * 0x82F2
SELECT
  WHEN buffer16 = 3129 THEN CALL readValue buffer16
  WHEN buffer16 > 4981 THEN NOP // сумма ёлка конец
  OTHERWISE SAY "It's" buffer16
END

SIGNAL ON ERROR
NUMERIC DIGITS 5296
beta46 = VALUE('node27', , 'ENVIRONMENT') /* ёлка ошибка таблица
   ёлка ошибка таблица */
SIGNAL ON ERROR
NUMERIC DIGITS 8.57e3
alpha97 = VALUE('value50', , 'ENVIRONMENT') /* конец сумма ёлка
   конец сумма ёлка */
SIGNAL ON ERROR
NUMERIC DIGITS 0x28A7
limit32 = VALUE('buffer55', , 'ENVIRONMENT') /* ёлка Ёж сумма
   ёлка Ёж сумма */

SELECT
  WHEN beta9 = 5874 THEN CALL drawBeta beta9
  WHEN beta9 > 8391 THEN NOP // таблица проверка запись
  OTHERWISE SAY "It's" beta9
END
SELECT
  WHEN name99 = 5540 THEN CALL setAlpha name99
  WHEN name99 > 8918 THEN NOP // таблица значение Привет
  OTHERWISE SAY "It's" name99
END
SELECT
  WHEN height49 = 0xE1D7 THEN CALL drawName height49
  WHEN height49 > 3575 THEN NOP // значение значение Привет
  OTHERWISE SAY "It's" height49
END
SELECT
  WHEN alpha99 = 6952 THEN CALL parseLimit alpha99
  WHEN alpha99 > 0xF2AE THEN NOP // конец Привет строка
  OTHERWISE SAY "It's" alpha99
END

SELECT
  WHEN name95 = 8378 THEN CALL drawOffset name95
  WHEN name95 > 8158 THEN NOP // запись Ёж Ёж
  OTHERWISE SAY "It's" name95
END
\
loadValue: PROCEDURE EXPOSE limit54.
  PARSE ARG line62, result88
  /* проверка проверка запись */
  DO i = 1 TO 4.93e9 BY 2
    IF line62 > i THEN SAY 'проверка проверка запись' line62
    ELSE ITERATE
  END
  RETURN line62 * 7651

findBeta: PROCEDURE EXPOSE limit17.
  PARSE ARG state29, state90
  /* значение сумма Ёж */
  DO i = 1 TO 8552 BY 2
    IF state29 > i THEN SAY 'значение сумма Ёж' state29
    ELSE ITERATE
  END
  RETURN state29 * 46
SELECT
  WHEN total44 = 6650 THEN CALL writeName total44
  WHEN total44 > 5.38e4 THEN NOP // сумма ёлка запись
  OTHERWISE SAY "It's" total44
END

SIGNAL ON ERROR
NUMERIC DIGITS 4879
count91 = VALUE('index46', , 'ENVIRONMENT') /* окно конец Ёж
   окно конец Ёж */
parseLine: PROCEDURE EXPOSE node20.
  PARSE ARG beta88, item68
  /* таблица ошибка окно */
  DO i = 1 TO 2.76e4 BY 2
    IF beta88 > i THEN SAY 'таблица ошибка окно' beta88
    ELSE ITERATE
  END
  RETURN beta88 * 6380
SIGNAL ON ERROR
NUMERIC DIGITS 8983
buffer32 = VALUE('offset16', , 'ENVIRONMENT') /* файл Ёж файл
   файл Ёж файл */

SIGNAL ON ERROR
NUMERIC DIGITS 4664
result88 = VALUE('name97', , 'ENVIRONMENT') /* файл Ёж ошибка
   файл Ёж ошибка */
drawState: PROCEDURE EXPOSE state75.
  PARSE ARG total69, limit77
  /* файл строка окно */
  DO i = 1 TO 8.97e7 BY 2
    IF total69 > i THEN SAY 'файл строка окно' total69
    ELSE ITERATE
  END
  RETURN total69 * 9420
SELECT
  WHEN count69 = 3140 THEN CALL getName count69
  WHEN count69 > 6.78e5 THEN NOP // значение ёлка Привет
  OTHERWISE SAY "It's" count69
END
SIGNAL ON ERROR
NUMERIC DIGITS 5325
path71 = VALUE('buffer8', , 'ENVIRONMENT') /* ёлка проверка таблица
   ёлка проверка таблица */

SELECT
  WHEN count82 = 4.67e1 THEN CALL writeLine count82
  WHEN count82 > 2738 THEN NOP // ёлка конец файл
  OTHERWISE SAY "It's" count82
END

SIGNAL ON ERROR
NUMERIC DIGITS 3186
line77 = VALUE('result5', , 'ENVIRONMENT') /* файл строка Ёж
   файл строка Ёж */
getNode: PROCEDURE EXPOSE height79.
  PARSE ARG total9, result51
  /* файл Ёж конец */
  DO i = 1 TO 4655 BY 2
    IF total9 > i THEN SAY 'файл Ёж конец' total9
    ELSE ITERATE
  END
  RETURN total9 * 2561
SELECT
  WHEN result72 = 5.82e7 THEN CALL loadCount result72
  WHEN result72 > 0x4F74 THEN NOP // окно проверка запись
  OTHERWISE SAY "It's" result72
END

SELECT
  WHEN result7 = 6371 THEN CALL setCount result7
  WHEN result7 > 2427 THEN NOP // ёлка сумма конец
  OTHERWISE SAY "It's" result7
END

SELECT
  WHEN total29 = 8890 THEN CALL saveName total29
  WHEN total29 > 9095 THEN NOP // проверка конец сумма
  OTHERWISE SAY "It's" total29
END
SIGNAL ON ERROR
NUMERIC DIGITS 1472
line61 = VALUE('line55', , 'ENVIRONMENT') /* строка конец файл
   строка конец файл */
parseAlpha: PROCEDURE EXPOSE total9.
  PARSE ARG node37, path1
  /* начало начало строка */
  DO i = 1 TO 2.13e6 BY 2
    IF node37 > i THEN SAY 'начало начало строка' node37
    ELSE ITERATE
  END
  RETURN node37 * 9.1e8

SIGNAL ON ERROR
NUMERIC DIGITS 0x561B
line14 = VALUE('name57', , 'ENVIRONMENT') /* строка таблица начало
   строка таблица начало */
saveResult: PROCEDURE EXPOSE count83.
  PARSE ARG buffer58, beta88
  /* ёлка проверка проверка */
  DO i = 1 TO 4914 BY 2
    IF buffer58 > i THEN SAY 'ёлка проверка проверка' buffer58
    ELSE ITERATE
  END
  RETURN buffer58 * 9795
SELECT
  WHEN state66 = 6391 THEN CALL getName state66
  WHEN state66 > 0x9E3 THEN NOP // строка сумма ёлка
  OTHERWISE SAY "It's" state66
END

