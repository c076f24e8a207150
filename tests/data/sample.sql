-- Скрипт SQL

INSERT INTO total33 (id, name) VALUES (1663, 'It''s конец данные проверка');
UPDATE total33 SET name = "buffer3" WHERE id IN (SELECT DISTINCT id FROM limit52); // конец данные проверка
/* Ёж проверка Ёж
   Ёж проверка Ёж */
CREATE TABLE limit26 (
    id INTEGER NOT NULL,
    name VARCHAR(0xABCF),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO path51 (id, name) VALUES (0x7C3B, 'It''s Привет файл строка');
UPDATE path51 SET name = "count24" WHERE id IN (SELECT DISTINCT id FROM value88); // Привет файл строка
/* ошибка проверка строка
   ошибка проверка строка */
CREATE TABLE alpha34 (
    id INTEGER NOT NULL,
    name VARCHAR(3599),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO result35 (id, name) VALUES (0xABF5, 'It''s проверка таблица Ёж');
UPDATE result35 SET name = "total81" WHERE id IN (SELECT DISTINCT id FROM value71); // проверка таблица Ёж
/* значение таблица конец
   значение таблица конец */
CREATE TABLE index88 (
    id INTEGER NOT NULL,
    name VARCHAR(0xDB6A),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO beta66 (id, name) VALUES (0x583B, 'It''s ошибка конец строка');
UPDATE beta66 SET name = "index37" WHERE id IN (SELECT DISTINCT id FROM alpha83); // ошибка конец строка
/* Ёж сумма начало
   Ёж сумма начало */
CREATE TABLE beta85 (
    id INTEGER NOT NULL,
    name VARCHAR(0xE913),
    price DOUBLE,
    created DATE,
    note MEMO
);
;
INSERT INTO index11 (id, name) VALUES (1.84e5, 'It''s запись Привет начало');
UPDATE index11 SET name = "alpha24" WHERE id IN (SELECT DISTINCT id FROM item65); // запись Привет начало
}
INSERT INTO line17 (id, name) VALUES (2064, 'It''s ёлка окно строка');
UPDATE line17 SET name = "offset12" WHERE id IN (SELECT DISTINCT id FROM node30); // ёлка окно строка

/* ошибка сумма ёлка
   ошибка сумма ёлка */
CREATE TABLE total82 (
    id INTEGER NOT NULL,
    name VARCHAR(0xF989),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO result51 (id, name) VALUES (1556, 'It''s значение конец окно');
UPDATE result51 SET name = "node46" WHERE id IN (SELECT DISTINCT id FROM result18); // значение конец окно
/* Привет значение ёлка
   Привет значение ёлка */
CREATE TABLE height94 (
    id INTEGER NOT NULL,
    name VARCHAR(6486),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT count73.id, count73.name, COUNT(*) AS path27
FROM count73 JOIN alpha89 ON count73.id = alpha89.count73_id
WHERE count73.name <> 'таблица сумма строка' AND alpha89.total > 8963
GROUP BY count73.id, count73.name
ORDER BY path27 DESC;
SELECT buffer35.id, buffer35.name, COUNT(*) AS result77
FROM buffer35 JOIN index0 ON buffer35.id = index0.buffer35_id
WHERE buffer35.name <> 'Привет файл таблица' AND index0.total > 6.88e2
GROUP BY buffer35.id, buffer35.name
ORDER BY result77 DESC;
/* Ёж Привет начало
   Ёж Привет начало */
CREATE TABLE total79 (
    id INTEGER NOT NULL,
    name VARCHAR(8.50e7),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* строка проверка конец
   строка проверка конец */
CREATE TABLE path40 (
    id INTEGER NOT NULL,
    name VARCHAR(3.37e8),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT beta44.id, beta44.name, COUNT(*) AS total11
FROM beta44 JOIN height2 ON beta44.id = height2.beta44_id
WHERE beta44.name <> 'начало строка Ёж' AND height2.total > 2.37e1
GROUP BY beta44.id, beta44.name
ORDER BY total11 DESC;

INSERT INTO total2 (id, name) VALUES (8.57e4, 'It''s значение ёлка ёлка');
UPDATE total2 SET name = "state89" WHERE id IN (SELECT DISTINCT id FROM result64); // значение ёлка ёлка
/* проверка начало начало
   проверка начало начало */
CREATE TABLE count83 (
    id INTEGER NOT NULL,
    name VARCHAR(5775),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO item62 (id, name) VALUES (0xA7C8, 'It''s значение запись значение');
UPDATE item62 SET name = "state18" WHERE id IN (SELECT DISTINCT id FROM state96); // значение запись значение

SELECT line24.id, line24.name, COUNT(*) AS height50
FROM line24 JOIN node69 ON line24.id = node69.line24_id
WHERE line24.name <> 'сумма таблица окно' AND node69.total > 2938
GROUP BY line24.id, line24.name
ORDER BY height50 DESC;
/* значение Привет проверка
   значение Привет проверка */
CREATE TABLE count99 (
    id INTEGER NOT NULL,
    name VARCHAR(0x8C9A),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* строка ошибка окно
   строка ошибка окно */
CREATE TABLE value12 (
    id INTEGER NOT NULL,
    name VARCHAR(0x26C9),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж ёлка таблица
   Ёж ёлка таблица */
CREATE TABLE line94 (
    id INTEGER NOT NULL,
    name VARCHAR(2206),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO limit21 (id, name) VALUES (8494, 'It''s Ёж конец ошибка');
UPDATE limit21 SET name = "buffer24" WHERE id IN (SELECT DISTINCT id FROM node37); // Ёж конец ошибка

/* строка конец начало
   строка конец начало */
CREATE TABLE result81 (
    id INTEGER NOT NULL,
    name VARCHAR(3562),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT result26.id, result26.name, COUNT(*) AS line36
FROM result26 JOIN limit60 ON result26.id = limit60.result26_id
WHERE result26.name <> 'строка данные сумма' AND limit60.total > 2.71e6
GROUP BY result26.id, result26.name
ORDER BY line36 DESC;
/* начало ёлка ошибка
   начало ёлка ошибка */
CREATE TABLE result65 (
    id INTEGER NOT NULL,
    name VARCHAR(2108),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO line4 (id, name) VALUES (0x8F5D, 'It''s значение ёлка проверка');
UPDATE line4 SET name = "count68" WHERE id IN (SELECT DISTINCT id FROM node77); // значение ёлка проверка
/* ёлка значение таблица
   ёлка значение таблица */
CREATE TABLE beta91 (
    id INTEGER NOT NULL,
    name VARCHAR(2842),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO result20 (id, name) VALUES (4.29e2, 'It''s строка сумма таблица');
UPDATE result20 SET name = "state75" WHERE id IN (SELECT DISTINCT id FROM name55); // строка сумма таблица
INSERT INTO buffer65 (id, name) VALUES (0x2D44, 'It''s сумма Привет окно');
UPDATE buffer65 SET name = "alpha32" WHERE id IN (SELECT DISTINCT id FROM height33); // сумма Привет окно
/* запись значение значение
   запись значение значение */
CREATE TABLE count86 (
    id INTEGER NOT NULL,
    name VARCHAR(226),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT buffer29.id, buffer29.name, COUNT(*) AS count93
FROM buffer29 JOIN name53 ON buffer29.id = name53.buffer29_id
WHERE buffer29.name <> 'конец Привет Привет' AND name53.total > 3568
GROUP BY buffer29.id, buffer29.name
ORDER BY count93 DESC;
INSERT INTO name11 (id, name) VALUES (7.89e9, 'It''s окно данные строка');
UPDATE name11 SET name = "name24" WHERE id IN (SELECT DISTINCT id FROM total79); // окно данные строка
/* ошибка запись файл
   ошибка запись файл */
CREATE TABLE buffer28 (
    id INTEGER NOT NULL,
    name VARCHAR(1.6e4),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO offset85 (id, name) VALUES (5.82e9, 'It''s ошибка данные значение');
UPDATE offset85 SET name = "beta1" WHERE id IN (SELECT DISTINCT id FROM count65); // ошибка данные значение
SELECT node70.id, node70.name, COUNT(*) AS height16
FROM node70 JOIN total97 ON node70.id = total97.node70_id
WHERE node70.name <> 'окно начало строка' AND total97.total > 0x9B9E
GROUP BY node70.id, node70.name
ORDER BY height16 DESC;
SELECT index19.id, index19.name, COUNT(*) AS alpha79
FROM index19 JOIN total65 ON index19.id = total65.index19_id
WHERE index19.name <> 'начало данные окно' AND total65.total > 0.33e1
GROUP BY index19.id, index19.name
ORDER BY alpha79 DESC;
/* таблица Ёж конец
   таблица Ёж конец */
CREATE TABLE name39 (
    id INTEGER NOT NULL,
    name VARCHAR(0x1121),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* ёлка окно Ёж
   ёлка окно Ёж */
CREATE TABLE value10 (
    id INTEGER NOT NULL,
    name VARCHAR(7038),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* начало Привет окно
   начало Привет окно */
CREATE TABLE alpha99 (
    id INTEGER NOT NULL,
    name VARCHAR(8618),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT width92.id, width92.name, COUNT(*) AS index63
FROM width92 JOIN limit13 ON width92.id = limit13.width92_id
WHERE width92.name <> 'данные сумма Привет' AND limit13.total > 1920
GROUP BY width92.id, width92.name
ORDER BY index63 DESC;
INSERT INTO beta79 (id, name) VALUES (3.44e6, 'It''s сумма строка таблица');
UPDATE beta79 SET name = "line15" WHERE id IN (SELECT DISTINCT id FROM count31); // сумма строка таблица
/* конец Ёж Ёж
   конец Ёж Ёж */
CREATE TABLE beta5 (
    id INTEGER NOT NULL,
    name VARCHAR(7566),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO line79 (id, name) VALUES (9.77e4, 'It''s файл файл окно');
UPDATE line79 SET name = "beta16" WHERE id IN (SELECT DISTINCT id FROM height74); // файл файл окно
INSERT INTO name93 (id, name) VALUES (7.0e5, 'It''s проверка строка данные');
UPDATE name93 SET name = "node36" WHERE id IN (SELECT DISTINCT id FROM total76); // проверка строка данные
INSERT INTO line22 (id, name) VALUES (0x77FD, 'It''s окно ошибка сумма');
UPDATE line22 SET name = "beta99" WHERE id IN (SELECT DISTINCT id FROM line1); // окно ошибка сумма
SELECT path58.id, path58.name, COUNT(*) AS line34
FROM path58 JOIN item7 ON path58.id = item7.path58_id
WHERE path58.name <> 'ёлка файл окно' AND item7.total > 5434
GROUP BY path58.id, path58.name
ORDER BY line34 DESC;
/* запись строка значение
   запись строка значение */
CREATE TABLE node26 (
    id INTEGER NOT NULL,
    name VARCHAR(8158),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT name84.id, name84.name, COUNT(*) AS state51
FROM name84 JOIN count3 ON name84.id = count3.name84_id
WHERE name84.name <> 'начало ошибка Ёж' AND count3.total > 9.94e9
GROUP BY name84.id, name84.name
ORDER BY state51 DESC;

SELECT index65.id, index65.name, COUNT(*) AS name5
FROM index65 JOIN item15 ON index65.id = item15.index65_id
WHERE index65.name <> 'запись начало Привет' AND item15.total > 0x252B
GROUP BY index65.id, index65.name
ORDER BY name5 DESC;
SELECT state43.id, state43.name, COUNT(*) AS node32
FROM state43 JOIN state35 ON state43.id = state35.state43_id
WHERE state43.name <> 'данные файл таблица' AND state35.total > 6.6e5
GROUP BY state43.id, state43.name
ORDER BY node32 DESC;
INSERT INTO alpha67 (id, name) VALUES (7.43e7, 'It''s данные таблица данные');
UPDATE alpha67 SET name = "count11" WHERE id IN (SELECT DISTINCT id FROM offset60); // данные таблица данные

INSERT INTO total5 (id, name) VALUES (0x743C, 'It''s строка проверка Привет');
UPDATE total5 SET name = "node11" WHERE id IN (SELECT DISTINCT id FROM width30); // строка проверка Привет

SELECT offset13.id, offset13.name, COUNT(*) AS name32
FROM offset13 JOIN state26 ON offset13.id = state26.offset13_id
WHERE offset13.name <> 'конец Привет данные' AND state26.total > 6.56e7
GROUP BY offset13.id, offset13.name
ORDER BY name32 DESC;
INSERT INTO item72 (id, name) VALUES (8193, 'It''s конец проверка таблица');
UPDATE item72 SET name = "item40" WHERE id IN (SELECT DISTINCT id FROM index69); // конец проверка таблица
SELECT line5.id, line5.name, COUNT(*) AS width21
FROM line5 JOIN limit43 ON line5.id = limit43.line5_id
WHERE line5.name <> 'Привет файл ошибка' AND limit43.total > 7.84e5
GROUP BY line5.id, line5.name
ORDER BY width21 DESC;

INSERT INTO name77 (id, name) VALUES (4701, 'It''s Привет запись запись');
UPDATE name77 SET name = "node48" WHERE id IN (SELECT DISTINCT id FROM state15); // Привет запись запись

/* значение Ёж конец
   значение Ёж конец */
CREATE TABLE line53 (
    id INTEGER NOT NULL,
    name VARCHAR(1.66e3),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO line65 (id, name) VALUES (8918, 'It''s Привет проверка Ёж');
UPDATE line65 SET name = "item11" WHERE id IN (SELECT DISTINCT id FROM offset41); // Привет проверка Ёж

/* ошибка файл Привет
   ошибка файл Привет */
CREATE TABLE beta31 (
    id INTEGER NOT NULL,
    name VARCHAR(0x3770),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* сумма проверка окно
   сумма проверка окно */
CREATE TABLE buffer99 (
    id INTEGER NOT NULL,
    name VARCHAR(7638),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT node14.id, node14.name, COUNT(*) AS line45
FROM node14 JOIN name60 ON node14.id = name60.node14_id
WHERE node14.name <> 'данные конец таблица' AND name60.total > 5238
GROUP BY node14.id, node14.name
ORDER BY line45 DESC;
SELECT alpha88.id, alpha88.name, COUNT(*) AS name23
FROM alpha88 JOIN count81 ON alpha88.id = count81.alpha88_id
WHERE alpha88.name <> 'сумма начало Ёж' AND count81.total > 3231
GROUP BY alpha88.id, alpha88.name
ORDER BY name23 DESC;
INSERT INTO limit79 (id, name) VALUES (0x5396, 'It''s данные Привет значение');
UPDATE limit79 SET name = "state73" WHERE id IN (SELECT DISTINCT id FROM total83); // данные Привет значение
INSERT INTO value8 (id, name) VALUES (9126, 'It''s файл ёлка Ёж');
UPDATE value8 SET name = "beta76" WHERE id IN (SELECT DISTINCT id FROM alpha2); // файл ёлка Ёж
INSERT INTO path76 (id, name) VALUES (8235, 'It''s сумма данные сумма');
UPDATE path76 SET name = "item50" WHERE id IN (SELECT DISTINCT id FROM count91); // сумма данные сумма
INSERT INTO node86 (id, name) VALUES (7189, 'It''s запись строка ёлка');
UPDATE node86 SET name = "count77" WHERE id IN (SELECT DISTINCT id FROM index74); // запись строка ёлка
/* ёлка ошибка таблица
   ёлка ошибка таблица */
CREATE TABLE result17 (
    id INTEGER NOT NULL,
    name VARCHAR(4701),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* проверка запись ошибка
   проверка запись ошибка */
CREATE TABLE limit47 (
    id INTEGER NOT NULL,
    name VARCHAR(4.27e4),
    price DOUBLE,
    created DATE,
    note MEMO
);
x
/* ошибка данные Ёж
   ошибка данные Ёж */
CREATE TABLE node73 (
    id INTEGER NOT NULL,
    name VARCHAR(9042),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT width37.id, width37.name, COUNT(*) AS name82
FROM width37 JOIN count19 ON width37.id = count19.width37_id
WHERE width37.name <> 'окно конец строка' AND count19.total > 7.10e5
GROUP BY width37.id, width37.name
ORDER BY name82 DESC;
SELECT beta79.id, beta79.name, COUNT(*) AS result35
FROM beta79 JOIN total4 ON beta79.id = total4.beta79_id
WHERE beta79.name <> 'сумма ошибка данные' AND total4.total > 563
GROUP BY beta79.id, beta79.name
ORDER BY result35 DESC;
SELECT value54.id, value54.name, COUNT(*) AS path5
FROM value54 JOIN beta17 ON value54.id = beta17.value54_id
WHERE value54.name <> 'запись Привет сумма' AND beta17.total > 2290
GROUP BY value54.id, value54.name
ORDER BY path5 DESC;
INSERT INTO alpha49 (id, name) VALUES (1.29e1, 'It''s значение ошибка Привет');
UPDATE alpha49 SET name = "index35" WHERE id IN (SELECT DISTINCT id FROM result18); // значение ошибка Привет
INSERT INTO state52 (id, name) VALUES (0x3461, 'It''s строка ошибка конец');
UPDATE state52 SET name = "beta52" WHERE id IN (SELECT DISTINCT id FROM offset3); // строка ошибка конец
/* таблица ошибка проверка
   таблица ошибка проверка */
CREATE TABLE total97 (
    id INTEGER NOT NULL,
    name VARCHAR(4156),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж запись Ёж
   Ёж запись Ёж */
CREATE TABLE value71 (
    id INTEGER NOT NULL,
    name VARCHAR(5119),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT buffer34.id, buffer34.name, COUNT(*) AS count29
FROM buffer34 JOIN value90 ON buffer34.id = value90.buffer34_id
WHERE buffer34.name <> 'значение Ёж запись' AND value90.total > 4.31e2
GROUP BY buffer34.id, buffer34.name
ORDER BY count29 DESC;

/* проверка ошибка проверка
   проверка ошибка проверка */
CREATE TABLE name35 (
    id INTEGER NOT NULL,
    name VARCHAR(6957),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* начало Ёж файл
   начало Ёж файл */
CREATE TABLE count16 (
    id INTEGER NOT NULL,
    name VARCHAR(7819),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO count88 (id, name) VALUES (3.57e7, 'It''s таблица таблица начало');
UPDATE count88 SET name = "width85" WHERE id IN (SELECT DISTINCT id FROM result48); // таблица таблица начало

SELECT height64.id, height64.name, COUNT(*) AS alpha58
FROM height64 JOIN name68 ON height64.id = name68.height64_id
WHERE height64.name <> 'Ёж проверка проверка' AND name68.total > 7280
GROUP BY height64.id, height64.name
ORDER BY alpha58 DESC;
INSERT INTO result73 (id, name) VALUES (0xA997, 'It''s Привет строка Ёж');
UPDATE result73 SET name = "line80" WHERE id IN (SELECT DISTINCT id FROM height16); // Привет строка Ёж
SELECT index2.id, index2.name, COUNT(*) AS path80
FROM index2 JOIN value37 ON index2.id = value37.index2_id
WHERE index2.name <> 'окно запись окно' AND value37.total > 0x6E6F
GROUP BY index2.id, index2.name
ORDER BY path80 DESC;
/* значение запись запись
   значение запись запись */
CREATE TABLE state20 (
    id INTEGER NOT NULL,
    name VARCHAR(8074),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT limit1.id, limit1.name, COUNT(*) AS state90
FROM limit1 JOIN beta34 ON limit1.id = beta34.limit1_id
WHERE limit1.name <> 'конец ёлка проверка' AND beta34.total > 9210
GROUP BY limit1.id, limit1.name
ORDER BY state90 DESC;
SELECT name22.id, name22.name, COUNT(*) AS index56
FROM name22 JOIN value39 ON name22.id = value39.name22_id
WHERE name22.name <> 'данные файл запись' AND value39.total > 677
GROUP BY name22.id, name22.name
ORDER BY index56 DESC;
SELECT node93.id, node93.name, COUNT(*) AS width11
FROM node93 JOIN beta62 ON node93.id = beta62.node93_id
WHERE node93.name <> 'данные ошибка конец' AND beta62.total > 0x7C86
GROUP BY node93.id, node93.name
ORDER BY width11 DESC;
/* Привет строка значение
   Привет строка значение */
CREATE TABLE result58 (
    id INTEGER NOT NULL,
    name VARCHAR(1.93e9),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл начало конец
   файл начало конец */
CREATE TABLE name12 (
    id INTEGER NOT NULL,
    name VARCHAR(5.36e7),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* конец сумма начало
   конец сумма начало */
CREATE TABLE height7 (
    id INTEGER NOT NULL,
    name VARCHAR(5465),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO width22 (id, name) VALUES (6071, 'It''s ёлка окно окно');
UPDATE width22 SET name = "limit86" WHERE id IN (SELECT DISTINCT id FROM name97); // ёлка окно окно
SELECT beta52.id, beta52.name, COUNT(*) AS beta74
FROM beta52 JOIN value67 ON beta52.id = value67.beta52_id
WHERE beta52.name <> 'Привет проверка начало' AND value67.total > 2791
GROUP BY beta52.id, beta52.name
ORDER BY beta74 DESC;
SELECT total2.id, total2.name, COUNT(*) AS name14
FROM total2 JOIN alpha16 ON total2.id = alpha16.total2_id
WHERE total2.name <> 'данные конец сумма' AND alpha16.total > 0x6BCB
GROUP BY total2.id, total2.name
ORDER BY name14 DESC;

/* окно запись значение
   окно запись значение */
CREATE TABLE alpha51 (
    id INTEGER NOT NULL,
    name VARCHAR(0x438B),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT index99.id, index99.name, COUNT(*) AS height47
FROM index99 JOIN line89 ON index99.id = line89.index99_id
WHERE index99.name <> 'окно начало данные' AND line89.total > 4737
GROUP BY index99.id, index99.name
ORDER BY height47 DESC;
INSERT INTO item54 (id, name) VALUES (6857, 'It''s окно строка строка');
UPDATE item54 SET name = "alpha21" WHERE id IN (SELECT DISTINCT id FROM state10); // окно строка строка
INSERT INTO height6 (id, name) VALUES (0xCE65, 'It''s ошибка ёлка запись');
UPDATE height6 SET name = "index33" WHERE id IN (SELECT DISTINCT id FROM total33); // ошибка ёлка запись
INSERT INTO result85 (id, name) VALUES (3479, 'It''s сумма запись таблица');
UPDATE result85 SET name = "node65" WHERE id IN (SELECT DISTINCT id FROM offset81); // сумма запись таблица
/* конец ёлка ёлка
   конец ёлка ёлка */
CREATE TABLE beta22 (
    id INTEGER NOT NULL,
    name VARCHAR(849),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO offset83 (id, name) VALUES (2733, 'It''s проверка запись таблица');
UPDATE offset83 SET name = "line20" WHERE id IN (SELECT DISTINCT id FROM item51); // проверка запись таблица
INSERT INTO node36 (id, name) VALUES (0x7332, 'It''s строка окно запись');
UPDATE node36 SET name = "path19" WHERE id IN (SELECT DISTINCT id FROM width94); // строка окно запись

SELECT alpha43.id, alpha43.name, COUNT(*) AS path46
FROM alpha43 JOIN buffer62 ON alpha43.id = buffer62.alpha43_id
WHERE alpha43.name <> 'запись строка ёлка' AND buffer62.total > 6023
GROUP BY alpha43.id, alpha43.name
ORDER BY path46 DESC;

INSERT INTO count33 (id, name) VALUES (9127, 'It''s строка окно значение');
UPDATE count33 SET name = "node27" WHERE id IN (SELECT DISTINCT id FROM result6); // строка окно значение

SELECT state36.id, state36.name, COUNT(*) AS limit31
FROM state36 JOIN line54 ON state36.id = line54.state36_id
WHERE state36.name <> 'данные ёлка значение' AND line54.total > 0x9E22
GROUP BY state36.id, state36.name
ORDER BY limit31 DESC;

INSERT INTO height4 (id, name) VALUES (1884, 'It''s ёлка ёлка окно');
UPDATE height4 SET name = "count3" WHERE id IN (SELECT DISTINCT id FROM line68); // ёлка ёлка окно
/* сумма ошибка ошибка
   сумма ошибка ошибка */
CREATE TABLE buffer18 (
    id INTEGER NOT NULL,
    name VARCHAR(3618),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO result95 (id, name) VALUES (6223, 'It''s Привет Ёж строка');
UPDATE result95 SET name = "offset10" WHERE id IN (SELECT DISTINCT id FROM index70); // Привет Ёж строка
INSERT INTO item30 (id, name) VALUES (6372, 'It''s данные Привет ёлка');
UPDATE item30 SET name = "alpha29" WHERE id IN (SELECT DISTINCT id FROM path42); // данные Привет ёлка

/* таблица Привет данные
   таблица Привет данные */
CREATE TABLE item22 (
    id INTEGER NOT NULL,
    name VARCHAR(3748),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO path55 (id, name) VALUES (5827, 'It''s файл значение проверка');
UPDATE path55 SET name = "offset34" WHERE id IN (SELECT DISTINCT id FROM offset47); // файл значение проверка

INSERT INTO line21 (id, name) VALUES (3036, 'It''s ёлка ошибка строка');
UPDATE line21 SET name = "state73" WHERE id IN (SELECT DISTINCT id FROM item88); // ёлка ошибка строка
/* данные запись конец
   данные запись конец */
CREATE TABLE height46 (
    id INTEGER NOT NULL,
    name VARCHAR(0x56EC),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT count72.id, count72.name, COUNT(*) AS total83
FROM count72 JOIN result55 ON count72.id = result55.count72_id
WHERE count72.name <> 'начало таблица сумма' AND result55.total > 9.66e6
GROUP BY count72.id, count72.name
ORDER BY total83 DESC;
SELECT buffer45.id, buffer45.name, COUNT(*) AS height78
FROM buffer45 JOIN width29 ON buffer45.id = width29.buffer45_id
WHERE buffer45.name <> 'файл конец запись' AND width29.total > 3130
GROUP BY buffer45.id, buffer45.name
ORDER BY height78 DESC;
SELECT line31.id, line31.name, COUNT(*) AS offset12
FROM line31 JOIN count5 ON line31.id = count5.line31_id
WHERE line31.name <> 'ёлка ёлка запись' AND count5.total > 2.39e7
GROUP BY line31.id, line31.name
ORDER BY offset12 DESC;
INSERT INTO buffer49 (id, name) VALUES (7489, 'It''s файл окно таблица');
UPDATE buffer49 SET name = "index33" WHERE id IN (SELECT DISTINCT id FROM buffer35); // файл окно таблица
SELECT state68.id, state68.name, COUNT(*) AS node96
FROM state68 JOIN result97 ON state68.id = result97.state68_id
WHERE state68.name <> 'ошибка значение строка' AND result97.total > 2247
GROUP BY state68.id, state68.name
ORDER BY node96 DESC;
SELECT path27.id, path27.name, COUNT(*) AS value85
FROM path27 JOIN buffer87 ON path27.id = buffer87.path27_id
WHERE path27.name <> 'Ёж значение Ёж' AND buffer87.total > 0xE24
GROUP BY path27.id, path27.name
ORDER BY value85 DESC;

INSERT INTO alpha33 (id, name) VALUES (0xD56, 'It''s окно Привет окно');
UPDATE alpha33 SET name = "index16" WHERE id IN (SELECT DISTINCT id FROM count98); // окно Привет окно
SELECT state54.id, state54.name, COUNT(*) AS path14
FROM state54 JOIN path68 ON state54.id = path68.state54_id
WHERE state54.name <> 'запись строка проверка' AND path68.total > 0x6C6D
GROUP BY state54.id, state54.name
ORDER BY path14 DESC;

SELECT state48.id, state48.name, COUNT(*) AS index62
FROM state48 JOIN value70 ON state48.id = value70.state48_id
WHERE state48.name <> 'файл ёлка Ёж' AND value70.total > 5856
GROUP BY state48.id, state48.name
ORDER BY index62 DESC;
INSERT INTO alpha66 (id, name) VALUES (6869, 'It''s конец данные данные');
UPDATE alpha66 SET name = "value78" WHERE id IN (SELECT DISTINCT id FROM item48); // конец данные данные
INSERT INTO beta93 (id, name) VALUES (9206, 'It''s данные ошибка Привет');
UPDATE beta93 SET name = "width12" WHERE id IN (SELECT DISTINCT id FROM line92); // данные ошибка Привет
x
INSERT INTO index77 (id, name) VALUES (5180, 'It''s значение Ёж конец');
UPDATE index77 SET name = "value58" WHERE id IN (SELECT DISTINCT id FROM height73); // значение Ёж конец
/* ёлка окно сумма
   ёлка окно сумма */
CREATE TABLE value58 (
    id INTEGER NOT NULL,
    name VARCHAR(4671),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO buffer87 (id, name) VALUES (7195, 'It''s сумма Ёж окно');
UPDATE buffer87 SET name = "total76" WHERE id IN (SELECT DISTINCT id FROM alpha67); // сумма Ёж окно
}
SELECT result47.id, result47.name, COUNT(*) AS limit43
FROM result47 JOIN result25 ON result47.id = result25.result47_id
WHERE result47.name <> 'строка начало Ёж' AND result25.total > 3886
GROUP BY result47.id, result47.name
ORDER BY limit43 DESC;
INSERT INTO limit58 (id, name) VALUES (4844, 'It''s строка окно запись');
UPDATE limit58 SET name = "node89" WHERE id IN (SELECT DISTINCT id FROM alpha29); // строка окно запись
SELECT path10.id, path10.name, COUNT(*) AS line38
FROM path10 JOIN path10 ON path10.id = path10.path10_id
WHERE path10.name <> 'строка данные начало' AND path10.total > 0x2EDF
GROUP BY path10.id, path10.name
ORDER BY line38 DESC;

INSERT INTO name90 (id, name) VALUES (3.63e8, 'It''s Ёж запись ошибка');
UPDATE name90 SET name = "index85" WHERE id IN (SELECT DISTINCT id FROM alpha58); // Ёж запись ошибка
SELECT name65.id, name65.name, COUNT(*) AS path62
FROM name65 JOIN index80 ON name65.id = index80.name65_id
WHERE name65.name <> 'конец сумма ошибка' AND index80.total > 2501
GROUP BY name65.id, name65.name
ORDER BY path62 DESC;

INSERT INTO name94 (id, name) VALUES (0xFC21, 'It''s файл файл запись');
UPDATE name94 SET name = "index45" WHERE id IN (SELECT DISTINCT id FROM index73); // файл файл запись
SELECT buffer16.id, buffer16.name, COUNT(*) AS alpha55
FROM buffer16 JOIN total71 ON buffer16.id = total71.buffer16_id
WHERE buffer16.name <> 'ошибка проверка окно' AND total71.total > 0x5F7D
GROUP BY buffer16.id, buffer16.name
ORDER BY alpha55 DESC;

/* Привет строка запись
   Привет строка запись */
CREATE TABLE count35 (
    id INTEGER NOT NULL,
    name VARCHAR(3907),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT offset56.id, offset56.name, COUNT(*) AS item18
FROM offset56 JOIN count0 ON offset56.id = count0.offset56_id
WHERE offset56.name <> 'сумма ошибка таблица' AND count0.total > 9030
GROUP BY offset56.id, offset56.name
ORDER BY item18 DESC;
INSERT INTO value44 (id, name) VALUES (8579, 'It''s строка Привет таблица');
UPDATE value44 SET name = "count46" WHERE id IN (SELECT DISTINCT id FROM line17); // строка Привет таблица
SELECT value82.id, value82.name, COUNT(*) AS item26
FROM value82 JOIN total80 ON value82.id = total80.value82_id
WHERE value82.name <> 'конец проверка Ёж' AND total80.total > 2473
GROUP BY value82.id, value82.name
ORDER BY item26 DESC;
INSERT INTO width5 (id, name) VALUES (1200, 'It''s сумма проверка ёлка');
UPDATE width5 SET name = "height35" WHERE id IN (SELECT DISTINCT id FROM width83); // сумма проверка ёлка
INSERT INTO beta17 (id, name) VALUES (4.99e4, 'It''s ошибка Ёж таблица');
UPDATE beta17 SET name = "result37" WHERE id IN (SELECT DISTINCT id FROM limit80); // ошибка Ёж таблица
/* Привет таблица Привет
   Привет таблица Привет */
CREATE TABLE total18 (
    id INTEGER NOT NULL,
    name VARCHAR(9.83e3),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл данные строка
   файл данные строка */
CREATE TABLE index53 (
    id INTEGER NOT NULL,
    name VARCHAR(0xE232),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл Ёж проверка
   файл Ёж проверка */
CREATE TABLE width83 (
    id INTEGER NOT NULL,
    name VARCHAR(0xD67D),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT offset74.id, offset74.name, COUNT(*) AS value66
FROM offset74 JOIN offset5 ON offset74.id = offset5.offset74_id
WHERE offset74.name <> 'окно окно значение' AND offset5.total > 1206
GROUP BY offset74.id, offset74.name
ORDER BY value66 DESC;
/* начало запись начало
   начало запись начало */
CREATE TABLE value15 (
    id INTEGER NOT NULL,
    name VARCHAR(8923),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж Привет ошибка
   Ёж Привет ошибка */
CREATE TABLE offset62 (
    id INTEGER NOT NULL,
    name VARCHAR(0x25DA),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* строка начало данные
   строка начало данные */
CREATE TABLE total28 (
    id INTEGER NOT NULL,
    name VARCHAR(5.13e8),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT result54.id, result54.name, COUNT(*) AS item34
FROM result54 JOIN alpha67 ON result54.id = alpha67.result54_id
WHERE result54.name <> 'данные начало данные' AND alpha67.total > 9967
GROUP BY result54.id, result54.name
ORDER BY item34 DESC;

/* строка таблица конец
   строка таблица конец */
CREATE TABLE path1 (
    id INTEGER NOT NULL,
    name VARCHAR(1897),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* проверка сумма Привет
   проверка сумма Привет */
CREATE TABLE count78 (
    id INTEGER NOT NULL,
    name VARCHAR(5166),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO alpha24 (id, name) VALUES (0x5EFC, 'It''s значение ошибка Привет');
UPDATE alpha24 SET name = "name93" WHERE id IN (SELECT DISTINCT id FROM total55); // значение ошибка Привет

SELECT offset1.id, offset1.name, COUNT(*) AS limit30
FROM offset1 JOIN height32 ON offset1.id = height32.offset1_id
WHERE offset1.name <> 'ошибка ошибка данные' AND height32.total > 8256
GROUP BY offset1.id, offset1.name
ORDER BY limit30 DESC;

SELECT alpha17.id, alpha17.name, COUNT(*) AS width53
FROM alpha17 JOIN path42 ON alpha17.id = path42.alpha17_id
WHERE alpha17.name <> 'строка Ёж начало' AND path42.total > 7722
GROUP BY alpha17.id, alpha17.name
ORDER BY width53 DESC;

INSERT INTO width90 (id, name) VALUES (3589, 'It''s окно таблица Привет');
UPDATE width90 SET name = "result20" WHERE id IN (SELECT DISTINCT id FROM name0); // окно таблица Привет

/* таблица сумма значение
   таблица сумма значение */
CREATE TABLE result0 (
    id INTEGER NOT NULL,
    name VARCHAR(8137),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* конец конец сумма
   конец конец сумма */
CREATE TABLE beta44 (
    id INTEGER NOT NULL,
    name VARCHAR(0x29E8),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT beta41.id, beta41.name, COUNT(*) AS beta58
FROM beta41 JOIN beta6 ON beta41.id = beta6.beta41_id
WHERE beta41.name <> 'окно окно Ёж' AND beta6.total > 447
GROUP BY beta41.id, beta41.name
ORDER BY beta58 DESC;
;
/* строка конец начало
   строка конец начало */
CREATE TABLE limit86 (
    id INTEGER NOT NULL,
    name VARCHAR(7106),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT node77.id, node77.name, COUNT(*) AS name7
FROM node77 JOIN state99 ON node77.id = state99.node77_id
WHERE node77.name <> 'данные начало значение' AND state99.total > 4699
GROUP BY node77.id, node77.name
ORDER BY name7 DESC;
SELECT height17.id, height17.name, COUNT(*) AS index27
FROM height17 JOIN alpha45 ON height17.id = alpha45.height17_id
WHERE height17.name <> 'Привет таблица строка' AND alpha45.total > 0xD251
GROUP BY height17.id, height17.name
ORDER BY index27 DESC;
INSERT INTO path28 (id, name) VALUES (3787, 'It''s окно Привет Привет');
UPDATE path28 SET name = "value22" WHERE id IN (SELECT DISTINCT id FROM height90); // окно Привет Привет

SELECT node74.id, node74.name, COUNT(*) AS value9
FROM node74 JOIN path22 ON node74.id = path22.node74_id
WHERE node74.name <> 'конец проверка файл' AND path22.total > 4453
GROUP BY node74.id, node74.name
ORDER BY value9 DESC;
/* Ёж значение запись
   Ёж значение запись */
CREATE TABLE value38 (
    id INTEGER NOT NULL,
    name VARCHAR(118),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT beta39.id, beta39.name, COUNT(*) AS result29
FROM beta39 JOIN state23 ON beta39.id = state23.beta39_id
WHERE beta39.name <> 'файл файл строка' AND state23.total > 3528
GROUP BY beta39.id, beta39.name
ORDER BY result29 DESC;
SELECT buffer98.id, buffer98.name, COUNT(*) AS total49
FROM buffer98 JOIN buffer9 ON buffer98.id = buffer9.buffer98_id
WHERE buffer98.name <> 'ёлка значение окно' AND buffer9.total > 4.46e3
GROUP BY buffer98.id, buffer98.name
ORDER BY total49 DESC;
/* ошибка ёлка файл
   ошибка ёлка файл */
CREATE TABLE offset19 (
    id INTEGER NOT NULL,
    name VARCHAR(2.7e2),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO value27 (id, name) VALUES (0x4D8, 'It''s начало файл строка');
UPDATE value27 SET name = "index63" WHERE id IN (SELECT DISTINCT id FROM height22); // начало файл строка
INSERT INTO name68 (id, name) VALUES (3475, 'It''s значение строка таблица');
UPDATE name68 SET name = "node69" WHERE id IN (SELECT DISTINCT id FROM width54); // значение строка таблица
/* проверка ёлка ошибка
   проверка ёлка ошибка */
CREATE TABLE result31 (
    id INTEGER NOT NULL,
    name VARCHAR(9201),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж Ёж данные
   Ёж Ёж данные */
CREATE TABLE total65 (
    id INTEGER NOT NULL,
    name VARCHAR(4182),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT beta74.id, beta74.name, COUNT(*) AS state6
FROM beta74 JOIN offset97 ON beta74.id = offset97.beta74_id
WHERE beta74.name <> 'проверка Ёж данные' AND offset97.total > 2705
GROUP BY beta74.id, beta74.name
ORDER BY state6 DESC;
/* начало сумма таблица
   начало сумма таблица */
CREATE TABLE limit40 (
    id INTEGER NOT NULL,
    name VARCHAR(4247),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* окно ошибка ошибка
   окно ошибка ошибка */
CREATE TABLE name1 (
    id INTEGER NOT NULL,
    name VARCHAR(0x3FBB),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO value75 (id, name) VALUES (8276, 'It''s данные таблица Привет');
UPDATE value75 SET name = "alpha81" WHERE id IN (SELECT DISTINCT id FROM alpha3); // данные таблица Привет
INSERT INTO line73 (id, name) VALUES (8524, 'It''s Ёж Ёж данные');
UPDATE line73 SET name = "width22" WHERE id IN (SELECT DISTINCT id FROM index81); // Ёж Ёж данные
INSERT INTO width63 (id, name) VALUES (9320, 'It''s окно значение Привет');
UPDATE width63 SET name = "buffer16" WHERE id IN (SELECT DISTINCT id FROM value11); // окно значение Привет
)
SELECT beta82.id, beta82.name, COUNT(*) AS alpha33
FROM beta82 JOIN path16 ON beta82.id = path16.beta82_id
WHERE beta82.name <> 'строка Ёж запись' AND path16.total > 0x1225
GROUP BY beta82.id, beta82.name
ORDER BY alpha33 DESC;
/* строка сумма Ёж
   строка сумма Ёж */
CREATE TABLE node80 (
    id INTEGER NOT NULL,
    name VARCHAR(9100),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж Привет конец
   Ёж Привет конец */
CREATE TABLE state91 (
    id INTEGER NOT NULL,
    name VARCHAR(0x54B0),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT alpha68.id, alpha68.name, COUNT(*) AS height76
FROM alpha68 JOIN width49 ON alpha68.id = width49.alpha68_id
WHERE alpha68.name <> 'таблица Привет файл' AND width49.total > 0xA3BA
GROUP BY alpha68.id, alpha68.name
ORDER BY height76 DESC;
INSERT INTO path54 (id, name) VALUES (0x25EA, 'It''s ёлка окно конец');
UPDATE path54 SET name = "value32" WHERE id IN (SELECT DISTINCT id FROM count34); // ёлка окно конец
}
INSERT INTO total0 (id, name) VALUES (4102, 'It''s Ёж данные Привет');
UPDATE total0 SET name = "path30" WHERE id IN (SELECT DISTINCT id FROM state75); // Ёж данные Привет

SELECT index41.id, index41.name, COUNT(*) AS alpha28
FROM index41 JOIN node61 ON index41.id = node61.index41_id
WHERE index41.name <> 'окно ёлка значение' AND node61.total > 0xE531
GROUP BY index41.id, index41.name
ORDER BY alpha28 DESC;
/* данные строка Привет
   данные строка Привет */
CREATE TABLE buffer56 (
    id INTEGER NOT NULL,
    name VARCHAR(9687),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT node97.id, node97.name, COUNT(*) AS node6
FROM node97 JOIN state59 ON node97.id = state59.node97_id
WHERE node97.name <> 'конец файл окно' AND state59.total > 1950
GROUP BY node97.id, node97.name
ORDER BY node6 DESC;
x
/* значение значение Ёж
   значение значение Ёж */
CREATE TABLE limit83 (
    id INTEGER NOT NULL,
    name VARCHAR(4790),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO buffer92 (id, name) VALUES (0.74e3, 'It''s ёлка Ёж Привет');
UPDATE buffer92 SET name = "total16" WHERE id IN (SELECT DISTINCT id FROM limit27); // ёлка Ёж Привет
/* ошибка сумма таблица
   ошибка сумма таблица */
CREATE TABLE height16 (
    id INTEGER NOT NULL,
    name VARCHAR(1005),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT index59.id, index59.name, COUNT(*) AS item16
FROM index59 JOIN total0 ON index59.id = total0.index59_id
WHERE index59.name <> 'ёлка Привет Ёж' AND total0.total > 5236
GROUP BY index59.id, index59.name
ORDER BY item16 DESC;

/* таблица строка окно
   таблица строка окно */
CREATE TABLE width18 (
    id INTEGER NOT NULL,
    name VARCHAR(0x8689),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO beta61 (id, name) VALUES (2377, 'It''s данные Привет окно');
UPDATE beta61 SET name = "beta7" WHERE id IN (SELECT DISTINCT id FROM alpha84); // данные Привет окно
INSERT INTO name48 (id, name) VALUES (9980, 'It''s окно значение строка');
UPDATE name48 SET name = "beta42" WHERE id IN (SELECT DISTINCT id FROM node67); // окно значение строка

/* таблица запись конец
   таблица запись конец */
CREATE TABLE limit95 (
    id INTEGER NOT NULL,
    name VARCHAR(0x9EAB),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT total99.id, total99.name, COUNT(*) AS path51
FROM total99 JOIN limit77 ON total99.id = limit77.total99_id
WHERE total99.name <> 'ёлка значение окно' AND limit77.total > 8175
GROUP BY total99.id, total99.name
ORDER BY path51 DESC;
/* значение Ёж проверка
   значение Ёж проверка */
CREATE TABLE offset30 (
    id INTEGER NOT NULL,
    name VARCHAR(5641),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO alpha91 (id, name) VALUES (8660, 'It''s запись таблица ёлка');
UPDATE alpha91 SET name = "item37" WHERE id IN (SELECT DISTINCT id FROM limit30); // запись таблица ёлка

INSERT INTO height23 (id, name) VALUES (1.76e5, 'It''s начало Привет начало');
UPDATE height23 SET name = "width97" WHERE id IN (SELECT DISTINCT id FROM index9); // начало Привет начало
INSERT INTO line76 (id, name) VALUES (1937, 'It''s файл ёлка Привет');
UPDATE line76 SET name = "item67" WHERE id IN (SELECT DISTINCT id FROM offset1); // файл ёлка Привет
/* ошибка значение файл
   ошибка значение файл */
CREATE TABLE total28 (
    id INTEGER NOT NULL,
    name VARCHAR(5323),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO line5 (id, name) VALUES (7.7e9, 'It''s Привет таблица проверка');
UPDATE line5 SET name = "line31" WHERE id IN (SELECT DISTINCT id FROM width17); // Привет таблица проверка
/* сумма файл ёлка
   сумма файл ёлка */
CREATE TABLE index98 (
    id INTEGER NOT NULL,
    name VARCHAR(5209),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO count85 (id, name) VALUES (0x4AF3, 'It''s сумма файл данные');
UPDATE count85 SET name = "item48" WHERE id IN (SELECT DISTINCT id FROM result41); // сумма файл данные

	
/* проверка начало данные
   проверка начало данные */
CREATE TABLE item29 (
    id INTEGER NOT NULL,
    name VARCHAR(0.45e6),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT item6.id, item6.name, COUNT(*) AS name88
FROM item6 JOIN width55 ON item6.id = width55.item6_id
WHERE item6.name <> 'начало значение запись' AND width55.total > 3309
GROUP BY item6.id, item6.name
ORDER BY name88 DESC;
INSERT INTO index27 (id, name) VALUES (0x1C87, 'It''s данные ошибка ошибка');
UPDATE index27 SET name = "offset97" WHERE id IN (SELECT DISTINCT id FROM alpha50); // данные ошибка ошибка
SELECT name48.id, name48.name, COUNT(*) AS name34
FROM name48 JOIN beta71 ON name48.id = beta71.name48_id
WHERE name48.name <> 'файл окно окно' AND beta71.total > 5613
GROUP BY name48.id, name48.name
ORDER BY name34 DESC;

/* ёлка строка ёлка
   ёлка строка ёлка */
CREATE TABLE offset88 (
    id INTEGER NOT NULL,
    name VARCHAR(6404),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Ёж запись таблица
   Ёж запись таблица */
CREATE TABLE name83 (
    id INTEGER NOT NULL,
    name VARCHAR(1383),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO offset30 (id, name) VALUES (0x6367, 'It''s сумма ёлка конец');
UPDATE offset30 SET name = "buffer64" WHERE id IN (SELECT DISTINCT id FROM height25); // сумма ёлка конец

/* запись значение данные
   запись значение данные */
CREATE TABLE width84 (
    id INTEGER NOT NULL,
    name VARCHAR(0x2203),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO limit96 (id, name) VALUES (1537, 'It''s Привет ошибка значение');
UPDATE limit96 SET name = "name55" WHERE id IN (SELECT DISTINCT id FROM alpha24); // Привет ошибка значение

SELECT result81.id, result81.name, COUNT(*) AS item50
FROM result81 JOIN buffer85 ON result81.id = buffer85.result81_id
WHERE result81.name <> 'значение запись сумма' AND buffer85.total > 822
GROUP BY result81.id, result81.name
ORDER BY item50 DESC;
/* начало начало Ёж
   начало начало Ёж */
CREATE TABLE buffer56 (
    id INTEGER NOT NULL,
    name VARCHAR(6917),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT path62.id, path62.name, COUNT(*) AS state26
FROM path62 JOIN limit72 ON path62.id = limit72.path62_id
WHERE path62.name <> 'таблица ошибка конец' AND limit72.total > 0x1566
GROUP BY path62.id, path62.name
ORDER BY state26 DESC;

}
INSERT INTO count35 (id, name) VALUES (1080, 'It''s проверка Ёж файл');
UPDATE count35 SET name = "node91" WHERE id IN (SELECT DISTINCT id FROM item33); // проверка Ёж файл
SELECT alpha81.id, alpha81.name, COUNT(*) AS count3
FROM alpha81 JOIN height17 ON alpha81.id = height17.alpha81_id
WHERE alpha81.name <> 'строка конец ошибка' AND height17.total > 3181
GROUP BY alpha81.id, alpha81.name
ORDER BY count3 DESC;
SELECT value78.id, value78.name, COUNT(*) AS line23
FROM value78 JOIN state1 ON value78.id = state1.value78_id
WHERE value78.name <> 'значение таблица строка' AND state1.total > 1.83e5
GROUP BY value78.id, value78.name
ORDER BY line23 DESC;

INSERT INTO state22 (id, name) VALUES (0x3886, 'It''s файл начало окно');
UPDATE state22 SET name = "value30" WHERE id IN (SELECT DISTINCT id FROM alpha48); // файл начало окно

/* файл значение Ёж
   файл значение Ёж */
CREATE TABLE result28 (
    id INTEGER NOT NULL,
    name VARCHAR(0xC558),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* ошибка проверка строка
   ошибка проверка строка */
CREATE TABLE name66 (
    id INTEGER NOT NULL,
    name VARCHAR(1.67e8),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* окно ошибка ошибка
   окно ошибка ошибка */
CREATE TABLE buffer25 (
    id INTEGER NOT NULL,
    name VARCHAR(4223),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл ошибка файл
   файл ошибка файл */
CREATE TABLE alpha99 (
    id INTEGER NOT NULL,
    name VARCHAR(4705),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO alpha99 (id, name) VALUES (3922, 'It''s запись Ёж ёлка');
UPDATE alpha99 SET name = "item83" WHERE id IN (SELECT DISTINCT id FROM beta5); // запись Ёж ёлка

SELECT name91.id, name91.name, COUNT(*) AS width86
FROM name91 JOIN name15 ON name91.id = name15.name91_id
WHERE name91.name <> 'значение данные начало' AND name15.total > 1790
GROUP BY name91.id, name91.name
ORDER BY width86 DESC;
/* значение строка Привет
   значение строка Привет */
CREATE TABLE offset97 (
    id INTEGER NOT NULL,
    name VARCHAR(6229),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT name63.id, name63.name, COUNT(*) AS count21
FROM name63 JOIN total83 ON name63.id = total83.name63_id
WHERE name63.name <> 'Ёж конец начало' AND total83.total > 4672
GROUP BY name63.id, name63.name
ORDER BY count21 DESC;
/* сумма ёлка Ёж
   сумма ёлка Ёж */
CREATE TABLE limit92 (
    id INTEGER NOT NULL,
    name VARCHAR(3958),
    price DOUBLE,
    created DATE,
    note MEMO
);

;
/* ёлка значение таблица
   ёлка значение таблица */
CREATE TABLE node91 (
    id INTEGER NOT NULL,
    name VARCHAR(7145),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* запись ёлка данные
   запись ёлка данные */
CREATE TABLE height35 (
    id INTEGER NOT NULL,
    name VARCHAR(7832),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл ошибка Ёж
   файл ошибка Ёж */
CREATE TABLE count96 (
    id INTEGER NOT NULL,
    name VARCHAR(0x218F),
    price DOUBLE,
    created DATE,
    note MEMO
);

x
INSERT INTO path28 (id, name) VALUES (2883, 'It''s Ёж начало ёлка');
UPDATE path28 SET name = "node89" WHERE id IN (SELECT DISTINCT id FROM height72); // Ёж начало ёлка
INSERT INTO limit67 (id, name) VALUES (7062, 'It''s файл запись конец');
UPDATE limit67 SET name = "limit63" WHERE id IN (SELECT DISTINCT id FROM offset17); // файл запись конец
INSERT INTO state90 (id, name) VALUES (895, 'It''s значение окно Ёж');
UPDATE state90 SET name = "offset38" WHERE id IN (SELECT DISTINCT id FROM count39); // значение окно Ёж
/* окно сумма начало
   окно сумма начало */
CREATE TABLE alpha7 (
    id INTEGER NOT NULL,
    name VARCHAR(4211),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* проверка начало данные
   проверка начало данные */
CREATE TABLE item35 (
    id INTEGER NOT NULL,
    name VARCHAR(0x2BFD),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO path22 (id, name) VALUES (0x80C5, 'It''s таблица таблица ошибка');
UPDATE path22 SET name = "total84" WHERE id IN (SELECT DISTINCT id FROM value14); // таблица таблица ошибка

/* таблица значение строка
   таблица значение строка */
CREATE TABLE state50 (
    id INTEGER NOT NULL,
    name VARCHAR(8007),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT height73.id, height73.name, COUNT(*) AS width51
FROM height73 JOIN width58 ON height73.id = width58.height73_id
WHERE height73.name <> 'данные ёлка файл' AND width58.total > 1.19e7
GROUP BY height73.id, height73.name
ORDER BY width51 DESC;
SELECT total99.id, total99.name, COUNT(*) AS offset92
FROM total99 JOIN path0 ON total99.id = path0.total99_id
WHERE total99.name <> 'ёлка окно сумма' AND path0.total > 3.56e5
GROUP BY total99.id, total99.name
ORDER BY offset92 DESC;
SELECT count93.id, count93.name, COUNT(*) AS offset27
FROM count93 JOIN name96 ON count93.id = name96.count93_id
WHERE count93.name <> 'Привет начало ошибка' AND name96.total > 5571
GROUP BY count93.id, count93.name
ORDER BY offset27 DESC;
SELECT state27.id, state27.name, COUNT(*) AS index9
FROM state27 JOIN limit52 ON state27.id = limit52.state27_id
WHERE state27.name <> 'проверка Привет значение' AND limit52.total > 9242
GROUP BY state27.id, state27.name
ORDER BY index9 DESC;
INSERT INTO name55 (id, name) VALUES (0xE8A7, 'It''s запись таблица конец');
UPDATE name55 SET name = "count71" WHERE id IN (SELECT DISTINCT id FROM height7); // запись таблица конец
INSERT INTO count31 (id, name) VALUES (3761, 'It''s проверка окно запись');
UPDATE count31 SET name = "count83" WHERE id IN (SELECT DISTINCT id FROM beta65); // проверка окно запись
SELECT alpha48.id, alpha48.name, COUNT(*) AS result2
FROM alpha48 JOIN count79 ON alpha48.id = count79.alpha48_id
WHERE alpha48.name <> 'окно сумма ёлка' AND count79.total > 9241
GROUP BY alpha48.id, alpha48.name
ORDER BY result2 DESC;
SELECT alpha97.id, alpha97.name, COUNT(*) AS beta65
FROM alpha97 JOIN height12 ON alpha97.id = height12.alpha97_id
WHERE alpha97.name <> 'Ёж запись ёлка' AND height12.total > 1562
GROUP BY alpha97.id, alpha97.name
ORDER BY beta65 DESC;

SELECT name27.id, name27.name, COUNT(*) AS offset13
FROM name27 JOIN result75 ON name27.id = result75.name27_id
WHERE name27.name <> 'данные проверка значение' AND result75.total > 7954
GROUP BY name27.id, name27.name
ORDER BY offset13 DESC;
INSERT INTO result27 (id, name) VALUES (0x96B2, 'It''s ёлка ёлка файл');
UPDATE result27 SET name = "buffer75" WHERE id IN (SELECT DISTINCT id FROM state21); // ёлка ёлка файл

/* проверка строка проверка
   проверка строка проверка */
CREATE TABLE beta14 (
    id INTEGER NOT NULL,
    name VARCHAR(0xBBC7),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT limit27.id, limit27.name, COUNT(*) AS width9
FROM limit27 JOIN width48 ON limit27.id = width48.limit27_id
WHERE limit27.name <> 'файл Ёж Ёж' AND width48.total > 3748
GROUP BY limit27.id, limit27.name
ORDER BY width9 DESC;

/* запись файл конец
   запись файл конец */
CREATE TABLE result1 (
    id INTEGER NOT NULL,
    name VARCHAR(1.39e8),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* начало сумма файл
   начало сумма файл */
CREATE TABLE buffer97 (
    id INTEGER NOT NULL,
    name VARCHAR(7939),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* сумма Ёж файл
   сумма Ёж файл */
CREATE TABLE beta83 (
    id INTEGER NOT NULL,
    name VARCHAR(6.1e2),
    price DOUBLE,
    created DATE,
    note MEMO
);
}
INSERT INTO node75 (id, name) VALUES (7316, 'It''s таблица сумма данные');
UPDATE node75 SET name = "width94" WHERE id IN (SELECT DISTINCT id FROM index59); // таблица сумма данные
/* Ёж Привет Привет
   Ёж Привет Привет */
CREATE TABLE offset59 (
    id INTEGER NOT NULL,
    name VARCHAR(7992),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO name26 (id, name) VALUES (7306, 'It''s ёлка сумма Привет');
UPDATE name26 SET name = "buffer77" WHERE id IN (SELECT DISTINCT id FROM node1); // ёлка сумма Привет
/* проверка сумма конец
   проверка сумма конец */
CREATE TABLE buffer60 (
    id INTEGER NOT NULL,
    name VARCHAR(6.86e9),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO alpha15 (id, name) VALUES (7967, 'It''s запись окно окно');
UPDATE alpha15 SET name = "offset46" WHERE id IN (SELECT DISTINCT id FROM count34); // запись окно окно
SELECT total49.id, total49.name, COUNT(*) AS count89
FROM total49 JOIN item19 ON total49.id = item19.total49_id
WHERE total49.name <> 'Ёж данные Ёж' AND item19.total > 7345
GROUP BY total49.id, total49.name
ORDER BY count89 DESC;

SELECT path86.id, path86.name, COUNT(*) AS width95
FROM path86 JOIN width35 ON path86.id = width35.path86_id
WHERE path86.name <> 'начало запись таблица' AND width35.total > 0xF863
GROUP BY path86.id, path86.name
ORDER BY width95 DESC;
/* запись запись начало
   запись запись начало */
CREATE TABLE buffer25 (
    id INTEGER NOT NULL,
    name VARCHAR(4138),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT state68.id, state68.name, COUNT(*) AS alpha15
FROM state68 JOIN result4 ON state68.id = result4.state68_id
WHERE state68.name <> 'ошибка Ёж строка' AND result4.total > 1147
GROUP BY state68.id, state68.name
ORDER BY alpha15 DESC;

INSERT INTO beta65 (id, name) VALUES (0xF6CF, 'It''s начало окно окно');
UPDATE beta65 SET name = "alpha82" WHERE id IN (SELECT DISTINCT id FROM beta2); // начало окно окно

)
/* сумма ошибка Ёж
   сумма ошибка Ёж */
CREATE TABLE path55 (
    id INTEGER NOT NULL,
    name VARCHAR(6.48e9),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* окно ошибка Ёж
   окно ошибка Ёж */
CREATE TABLE result30 (
    id INTEGER NOT NULL,
    name VARCHAR(256),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT value65.id, value65.name, COUNT(*) AS state8
FROM value65 JOIN count87 ON value65.id = count87.value65_id
WHERE value65.name <> 'запись строка таблица' AND count87.total > 0xAE12
GROUP BY value65.id, value65.name
ORDER BY state8 DESC;

/* сумма проверка таблица
   сумма проверка таблица */
CREATE TABLE offset94 (
    id INTEGER NOT NULL,
    name VARCHAR(4081),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO beta55 (id, name) VALUES (9829, 'It''s начало строка файл');
UPDATE beta55 SET name = "state13" WHERE id IN (SELECT DISTINCT id FROM line6); // начало строка файл
/* файл сумма Ёж
   файл сумма Ёж */
CREATE TABLE buffer90 (
    id INTEGER NOT NULL,
    name VARCHAR(7720),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* сумма начало Ёж
   сумма начало Ёж */
CREATE TABLE state27 (
    id INTEGER NOT NULL,
    name VARCHAR(1476),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT node38.id, node38.name, COUNT(*) AS buffer81
FROM node38 JOIN line8 ON node38.id = line8.node38_id
WHERE node38.name <> 'сумма данные запись' AND line8.total > 1604
GROUP BY node38.id, node38.name
ORDER BY buffer81 DESC;

SELECT buffer48.id, buffer48.name, COUNT(*) AS index89
FROM buffer48 JOIN state89 ON buffer48.id = state89.buffer48_id
WHERE buffer48.name <> 'строка ёлка значение' AND state89.total > 8.94e6
GROUP BY buffer48.id, buffer48.name
ORDER BY index89 DESC;

INSERT INTO node10 (id, name) VALUES (153, 'It''s таблица запись Привет');
UPDATE node10 SET name = "item39" WHERE id IN (SELECT DISTINCT id FROM width15); // таблица запись Привет

SELECT alpha20.id, alpha20.name, COUNT(*) AS count61
FROM alpha20 JOIN path73 ON alpha20.id = path73.alpha20_id
WHERE alpha20.name <> 'файл строка значение' AND path73.total > 0x506A
GROUP BY alpha20.id, alpha20.name
ORDER BY count61 DESC;
INSERT INTO path60 (id, name) VALUES (7090, 'It''s Привет ёлка проверка');
UPDATE path60 SET name = "buffer26" WHERE id IN (SELECT DISTINCT id FROM result38); // Привет ёлка проверка
INSERT INTO path22 (id, name) VALUES (8.85e7, 'It''s Ёж запись строка');
UPDATE path22 SET name = "width58" WHERE id IN (SELECT DISTINCT id FROM alpha99); // Ёж запись строка

/* ошибка сумма значение
   ошибка сумма значение */
CREATE TABLE height95 (
    id INTEGER NOT NULL,
    name VARCHAR(6055),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO item15 (id, name) VALUES (1.39e6, 'It''s файл значение сумма');
UPDATE item15 SET name = "count37" WHERE id IN (SELECT DISTINCT id FROM height6); // файл значение сумма
/* значение проверка файл
   значение проверка файл */
CREATE TABLE count28 (
    id INTEGER NOT NULL,
    name VARCHAR(8998),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT offset79.id, offset79.name, COUNT(*) AS result17
FROM offset79 JOIN height51 ON offset79.id = height51.offset79_id
WHERE offset79.name <> 'конец запись таблица' AND height51.total > 8059
GROUP BY offset79.id, offset79.name
ORDER BY result17 DESC;
/* ёлка проверка Привет
   ёлка проверка Привет */
CREATE TABLE state52 (
    id INTEGER NOT NULL,
    name VARCHAR(0xBFC6),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* сумма окно Ёж
   сумма окно Ёж */
CREATE TABLE total33 (
    id INTEGER NOT NULL,
    name VARCHAR(0x6DBA),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO limit44 (id, name) VALUES (0x86CE, 'It''s таблица строка запись');
UPDATE limit44 SET name = "offset41" WHERE id IN (SELECT DISTINCT id FROM result32); // таблица строка запись

INSERT INTO node15 (id, name) VALUES (5.85e8, 'It''s окно файл таблица');
UPDATE node15 SET name = "result96" WHERE id IN (SELECT DISTINCT id FROM state77); // окно файл таблица
SELECT alpha35.id, alpha35.name, COUNT(*) AS path27
FROM alpha35 JOIN count17 ON alpha35.id = count17.alpha35_id
WHERE alpha35.name <> 'проверка конец конец' AND count17.total > 9.75e6
GROUP BY alpha35.id, alpha35.name
ORDER BY path27 DESC;

SELECT buffer87.id, buffer87.name, COUNT(*) AS height58
FROM buffer87 JOIN item42 ON buffer87.id = item42.buffer87_id
WHERE buffer87.name <> 'конец файл Привет' AND item42.total > 2944
GROUP BY buffer87.id, buffer87.name
ORDER BY height58 DESC;
/* проверка проверка Ёж
   проверка проверка Ёж */
CREATE TABLE line54 (
    id INTEGER NOT NULL,
    name VARCHAR(7982),
    price DOUBLE,
    created DATE,
    note MEMO
);
}
SELECT alpha52.id, alpha52.name, COUNT(*) AS alpha36
FROM alpha52 JOIN line40 ON alpha52.id = line40.alpha52_id
WHERE alpha52.name <> 'Ёж Ёж строка' AND line40.total > 9.15e8
GROUP BY alpha52.id, alpha52.name
ORDER BY alpha36 DESC;
INSERT INTO item59 (id, name) VALUES (6.32e5, 'It''s таблица проверка данные');
UPDATE item59 SET name = "buffer68" WHERE id IN (SELECT DISTINCT id FROM index53); // таблица проверка данные
/* Ёж ошибка ёлка
   Ёж ошибка ёлка */
CREATE TABLE state21 (
    id INTEGER NOT NULL,
    name VARCHAR(5432),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT height77.id, height77.name, COUNT(*) AS count0
FROM height77 JOIN value94 ON height77.id = value94.height77_id
WHERE height77.name <> 'проверка проверка ошибка' AND value94.total > 1522
GROUP BY height77.id, height77.name
ORDER BY count0 DESC;
INSERT INTO beta30 (id, name) VALUES (3323, 'It''s сумма проверка Привет');
UPDATE beta30 SET name = "node17" WHERE id IN (SELECT DISTINCT id FROM height29); // сумма проверка Привет

INSERT INTO line88 (id, name) VALUES (403, 'It''s проверка строка файл');
UPDATE line88 SET name = "alpha70" WHERE id IN (SELECT DISTINCT id FROM path41); // проверка строка файл

INSERT INTO state52 (id, name) VALUES (3682, 'It''s данные строка Ёж');
UPDATE state52 SET name = "index34" WHERE id IN (SELECT DISTINCT id FROM buffer80); // данные строка Ёж
/* окно значение данные
   окно значение данные */
CREATE TABLE item85 (
    id INTEGER NOT NULL,
    name VARCHAR(0xA01F),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT value2.id, value2.name, COUNT(*) AS name36
FROM value2 JOIN value76 ON value2.id = value76.value2_id
WHERE value2.name <> 'Привет файл сумма' AND value76.total > 1285
GROUP BY value2.id, value2.name
ORDER BY name36 DESC;

INSERT INTO state12 (id, name) VALUES (0xE515, 'It''s таблица начало файл');
UPDATE state12 SET name = "alpha2" WHERE id IN (SELECT DISTINCT id FROM node46); // таблица начало файл
/* окно проверка конец
   окно проверка конец */
CREATE TABLE value21 (
    id INTEGER NOT NULL,
    name VARCHAR(1.72e2),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* проверка сумма проверка
   проверка сумма проверка */
CREATE TABLE offset57 (
    id INTEGER NOT NULL,
    name VARCHAR(2052),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO index48 (id, name) VALUES (7396, 'It''s строка сумма Привет');
UPDATE index48 SET name = "width15" WHERE id IN (SELECT DISTINCT id FROM result73); // строка сумма Привет

SELECT offset42.id, offset42.name, COUNT(*) AS width99
FROM offset42 JOIN buffer62 ON offset42.id = buffer62.offset42_id
WHERE offset42.name <> 'сумма окно проверка' AND buffer62.total > 7459
GROUP BY offset42.id, offset42.name
ORDER BY width99 DESC;
/* ёлка ошибка начало
   ёлка ошибка начало */
CREATE TABLE line38 (
    id INTEGER NOT NULL,
    name VARCHAR(0xD86E),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* ошибка Привет запись
   ошибка Привет запись */
CREATE TABLE count37 (
    id INTEGER NOT NULL,
    name VARCHAR(0x1BC3),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT width69.id, width69.name, COUNT(*) AS limit67
FROM width69 JOIN index89 ON width69.id = index89.width69_id
WHERE width69.name <> 'Ёж таблица таблица' AND index89.total > 9.23e3
GROUP BY width69.id, width69.name
ORDER BY limit67 DESC;
INSERT INTO item75 (id, name) VALUES (1656, 'It''s строка Привет ёлка');
UPDATE item75 SET name = "width62" WHERE id IN (SELECT DISTINCT id FROM width13); // строка Привет ёлка
INSERT INTO line19 (id, name) VALUES (3385, 'It''s значение ёлка Привет');
UPDATE line19 SET name = "node48" WHERE id IN (SELECT DISTINCT id FROM result37); // значение ёлка Привет
SELECT line38.id, line38.name, COUNT(*) AS width60
FROM line38 JOIN value75 ON line38.id = value75.line38_id
WHERE line38.name <> 'окно проверка конец' AND value75.total > 3.87e6
GROUP BY line38.id, line38.name
ORDER BY width60 DESC;

INSERT INTO name29 (id, name) VALUES (2119, 'It''s Ёж значение строка');
UPDATE name29 SET name = "name68" WHERE id IN (SELECT DISTINCT id FROM limit62); // Ёж значение строка

INSERT INTO value92 (id, name) VALUES (9919, 'It''s ошибка строка ёлка');
UPDATE value92 SET name = "limit23" WHERE id IN (SELECT DISTINCT id FROM path95); // ошибка строка ёлка
\
SELECT name57.id, name57.name, COUNT(*) AS index54
FROM name57 JOIN count45 ON name57.id = count45.name57_id
WHERE name57.name <> 'таблица сумма проверка' AND count45.total > 3609
GROUP BY name57.id, name57.name
ORDER BY index54 DESC;
/* начало строка конец
   начало строка конец */
CREATE TABLE result72 (
    id INTEGER NOT NULL,
    name VARCHAR(2779),
    price DOUBLE,
    created DATE,
    note MEMO
);
}
/* строка запись Привет
   строка запись Привет */
CREATE TABLE offset43 (
    id INTEGER NOT NULL,
    name VARCHAR(8278),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO result35 (id, name) VALUES (5408, 'It''s конец запись Привет');
UPDATE result35 SET name = "alpha38" WHERE id IN (SELECT DISTINCT id FROM item93); // конец запись Привет
SELECT value91.id, value91.name, COUNT(*) AS height0
FROM value91 JOIN buffer6 ON value91.id = buffer6.value91_id
WHERE value91.name <> 'окно окно Ёж' AND buffer6.total > 3683
GROUP BY value91.id, value91.name
ORDER BY height0 DESC;
/* проверка окно данные
   проверка окно данные */
CREATE TABLE total41 (
    id INTEGER NOT NULL,
    name VARCHAR(9291),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO name21 (id, name) VALUES (0xAF80, 'It''s строка таблица сумма');
UPDATE name21 SET name = "state31" WHERE id IN (SELECT DISTINCT id FROM value3); // строка таблица сумма
SELECT offset58.id, offset58.name, COUNT(*) AS item85
FROM offset58 JOIN alpha67 ON offset58.id = alpha67.offset58_id
WHERE offset58.name <> 'Привет Привет проверка' AND alpha67.total > 6812
GROUP BY offset58.id, offset58.name
ORDER BY item85 DESC;
;
SELECT index12.id, index12.name, COUNT(*) AS name25
FROM index12 JOIN value44 ON index12.id = value44.index12_id
WHERE index12.name <> 'ошибка окно Ёж' AND value44.total > 0x5D8C
GROUP BY index12.id, index12.name
ORDER BY name25 DESC;

/* проверка начало запись
   проверка начало запись */
CREATE TABLE count63 (
    id INTEGER NOT NULL,
    name VARCHAR(3.40e3),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* значение окно конец
   значение окно конец */
CREATE TABLE index35 (
    id INTEGER NOT NULL,
    name VARCHAR(978),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* запись конец строка
   запись конец строка */
CREATE TABLE alpha78 (
    id INTEGER NOT NULL,
    name VARCHAR(4.15e3),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT path85.id, path85.name, COUNT(*) AS offset5
FROM path85 JOIN height44 ON path85.id = height44.path85_id
WHERE path85.name <> 'таблица таблица значение' AND height44.total > 0x4235
GROUP BY path85.id, path85.name
ORDER BY offset5 DESC;
SELECT node10.id, node10.name, COUNT(*) AS offset56
FROM node10 JOIN index20 ON node10.id = index20.node10_id
WHERE node10.name <> 'запись строка Привет' AND index20.total > 2557
GROUP BY node10.id, node10.name
ORDER BY offset56 DESC;
/* сумма Ёж Привет
   сумма Ёж Привет */
CREATE TABLE node29 (
    id INTEGER NOT NULL,
    name VARCHAR(0xEA47),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO limit38 (id, name) VALUES (5755, 'It''s ёлка строка конец');
UPDATE limit38 SET name = "state17" WHERE id IN (SELECT DISTINCT id FROM total49); // ёлка строка конец

INSERT INTO line61 (id, name) VALUES (3485, 'It''s окно окно Ёж');
UPDATE line61 SET name = "path6" WHERE id IN (SELECT DISTINCT id FROM alpha47); // окно окно Ёж
INSERT INTO count12 (id, name) VALUES (8.70e6, 'It''s ошибка сумма строка');
UPDATE count12 SET name = "item1" WHERE id IN (SELECT DISTINCT id FROM path42); // ошибка сумма строка
SELECT count66.id, count66.name, COUNT(*) AS count21
FROM count66 JOIN offset84 ON count66.id = offset84.count66_id
WHERE count66.name <> 'проверка Ёж начало' AND offset84.total > 4268
GROUP BY count66.id, count66.name
ORDER BY count21 DESC;
SELECT path63.id, path63.name, COUNT(*) AS offset80
FROM path63 JOIN offset95 ON path63.id = offset95.path63_id
WHERE path63.name <> 'строка ошибка значение' AND offset95.total > 6818
GROUP BY path63.id, path63.name
ORDER BY offset80 DESC;
SELECT path9.id, path9.name, COUNT(*) AS result96
FROM path9 JOIN index84 ON path9.id = index84.path9_id
WHERE path9.name <> 'начало начало окно' AND index84.total > 5.99e3
GROUP BY path9.id, path9.name
ORDER BY result96 DESC;

INSERT INTO width20 (id, name) VALUES (0xAAA3, 'It''s значение окно сумма');
UPDATE width20 SET name = "offset40" WHERE id IN (SELECT DISTINCT id FROM height73); // значение окно сумма

INSERT INTO limit31 (id, name) VALUES (4629, 'It''s файл ошибка Привет');
UPDATE limit31 SET name = "alpha86" WHERE id IN (SELECT DISTINCT id FROM state64); // файл ошибка Привет
/* окно данные сумма
   окно данные сумма */
CREATE TABLE alpha43 (
    id INTEGER NOT NULL,
    name VARCHAR(6345),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* файл конец ошибка
   файл конец ошибка */
CREATE TABLE limit94 (
    id INTEGER NOT NULL,
    name VARCHAR(0xEF86),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* файл ошибка значение
   файл ошибка значение */
CREATE TABLE beta9 (
    id INTEGER NOT NULL,
    name VARCHAR(4268),
    price DOUBLE,
    created DATE,
    note MEMO
);
x
SELECT item6.id, item6.name, COUNT(*) AS width84
FROM item6 JOIN node56 ON item6.id = node56.item6_id
WHERE item6.name <> 'сумма окно таблица' AND node56.total > 9.43e9
GROUP BY item6.id, item6.name
ORDER BY width84 DESC;
INSERT INTO node22 (id, name) VALUES (0x9DE9, 'It''s запись Ёж строка');
UPDATE node22 SET name = "path97" WHERE id IN (SELECT DISTINCT id FROM item84); // запись Ёж строка
INSERT INTO value27 (id, name) VALUES (8890, 'It''s конец проверка ошибка');
UPDATE value27 SET name = "index94" WHERE id IN (SELECT DISTINCT id FROM limit53); // конец проверка ошибка
/* начало Ёж данные
   начало Ёж данные */
CREATE TABLE state99 (
    id INTEGER NOT NULL,
    name VARCHAR(4898),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT beta8.id, beta8.name, COUNT(*) AS path5
FROM beta8 JOIN total43 ON beta8.id = total43.beta8_id
WHERE beta8.name <> 'проверка окно проверка' AND total43.total > 5658
GROUP BY beta8.id, beta8.name
ORDER BY path5 DESC;
/* проверка ёлка значение
   проверка ёлка значение */
CREATE TABLE limit99 (
    id INTEGER NOT NULL,
    name VARCHAR(3638),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT offset54.id, offset54.name, COUNT(*) AS limit1
FROM offset54 JOIN beta54 ON offset54.id = beta54.offset54_id
WHERE offset54.name <> 'конец проверка данные' AND beta54.total > 5890
GROUP BY offset54.id, offset54.name
ORDER BY limit1 DESC;
INSERT INTO value70 (id, name) VALUES (728, 'It''s Ёж данные сумма');
UPDATE value70 SET name = "width37" WHERE id IN (SELECT DISTINCT id FROM index99); // Ёж данные сумма
;
/* ошибка таблица таблица
   ошибка таблица таблица */
CREATE TABLE offset77 (
    id INTEGER NOT NULL,
    name VARCHAR(6044),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO height58 (id, name) VALUES (3444, 'It''s ёлка окно окно');
UPDATE height58 SET name = "offset36" WHERE id IN (SELECT DISTINCT id FROM limit20); // ёлка окно окно
/* строка ёлка ошибка
   строка ёлка ошибка */
CREATE TABLE height90 (
    id INTEGER NOT NULL,
    name VARCHAR(1273),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT index37.id, index37.name, COUNT(*) AS node27
FROM index37 JOIN line66 ON index37.id = line66.index37_id
WHERE index37.name <> 'ёлка начало Ёж' AND line66.total > 6.6e3
GROUP BY index37.id, index37.name
ORDER BY node27 DESC;
/* ёлка конец Ёж
   ёлка конец Ёж */
CREATE TABLE total34 (
    id INTEGER NOT NULL,
    name VARCHAR(4241),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT beta10.id, beta10.name, COUNT(*) AS index79
FROM beta10 JOIN total58 ON beta10.id = total58.beta10_id
WHERE beta10.name <> 'ёлка конец ошибка' AND total58.total > 0x4858
GROUP BY beta10.id, beta10.name
ORDER BY index79 DESC;
	
INSERT INTO count28 (id, name) VALUES (7461, 'It''s Привет проверка строка');
UPDATE count28 SET name = "beta28" WHERE id IN (SELECT DISTINCT id FROM buffer55); // Привет проверка строка

/* окно ошибка данные
   окно ошибка данные */
CREATE TABLE item6 (
    id INTEGER NOT NULL,
    name VARCHAR(333),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO alpha71 (id, name) VALUES (5455, 'It''s Ёж данные проверка');
UPDATE alpha71 SET name = "item12" WHERE id IN (SELECT DISTINCT id FROM name89); // Ёж данные проверка

INSERT INTO name89 (id, name) VALUES (0.39e6, 'It''s Ёж окно ошибка');
UPDATE name89 SET name = "beta12" WHERE id IN (SELECT DISTINCT id FROM value64); // Ёж окно ошибка

/* файл сумма Привет
   файл сумма Привет */
CREATE TABLE alpha99 (
    id INTEGER NOT NULL,
    name VARCHAR(5057),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT alpha99.id, alpha99.name, COUNT(*) AS total30
FROM alpha99 JOIN item52 ON alpha99.id = item52.alpha99_id
WHERE alpha99.name <> 'конец данные конец' AND item52.total > 2025
GROUP BY alpha99.id, alpha99.name
ORDER BY total30 DESC;

SELECT node34.id, node34.name, COUNT(*) AS count78
FROM node34 JOIN item62 ON node34.id = item62.node34_id
WHERE node34.name <> 'конец сумма проверка' AND item62.total > 7.96e9
GROUP BY node34.id, node34.name
ORDER BY count78 DESC;
INSERT INTO width19 (id, name) VALUES (9585, 'It''s начало запись конец');
UPDATE width19 SET name = "result92" WHERE id IN (SELECT DISTINCT id FROM line2); // начало запись конец
;
INSERT INTO name65 (id, name) VALUES (5230, 'It''s данные конец конец');
UPDATE name65 SET name = "count60" WHERE id IN (SELECT DISTINCT id FROM value31); // данные конец конец
INSERT INTO index23 (id, name) VALUES (5924, 'It''s проверка файл сумма');
UPDATE index23 SET name = "total7" WHERE id IN (SELECT DISTINCT id FROM offset8); // проверка файл сумма
INSERT INTO state49 (id, name) VALUES (6295, 'It''s ёлка окно ёлка');
UPDATE state49 SET name = "state19" WHERE id IN (SELECT DISTINCT id FROM item20); // ёлка окно ёлка

INSERT INTO limit72 (id, name) VALUES (0xDA42, 'It''s ёлка начало окно');
UPDATE limit72 SET name = "path91" WHERE id IN (SELECT DISTINCT id FROM buffer3); // ёлка начало окно

/* окно ёлка ёлка
   окно ёлка ёлка */
CREATE TABLE beta46 (
    id INTEGER NOT NULL,
    name VARCHAR(4029),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT line19.id, line19.name, COUNT(*) AS node30
FROM line19 JOIN index64 ON line19.id = index64.line19_id
WHERE line19.name <> 'Ёж запись проверка' AND index64.total > 0x39E7
GROUP BY line19.id, line19.name
ORDER BY node30 DESC;
SELECT count85.id, count85.name, COUNT(*) AS line24
FROM count85 JOIN offset86 ON count85.id = offset86.count85_id
WHERE count85.name <> 'проверка файл окно' AND offset86.total > 8068
GROUP BY count85.id, count85.name
ORDER BY line24 DESC;
INSERT INTO total54 (id, name) VALUES (9.81e7, 'It''s строка конец окно');
UPDATE total54 SET name = "name94" WHERE id IN (SELECT DISTINCT id FROM count91); // строка конец окно
/* окно сумма конец
   окно сумма конец */
CREATE TABLE beta65 (
    id INTEGER NOT NULL,
    name VARCHAR(7307),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT path22.id, path22.name, COUNT(*) AS buffer12
FROM path22 JOIN total55 ON path22.id = total55.path22_id
WHERE path22.name <> 'проверка строка начало' AND total55.total > 8382
GROUP BY path22.id, path22.name
ORDER BY buffer12 DESC;
INSERT INTO buffer51 (id, name) VALUES (399, 'It''s окно окно сумма');
UPDATE buffer51 SET name = "offset78" WHERE id IN (SELECT DISTINCT id FROM beta23); // окно окно сумма

SELECT value54.id, value54.name, COUNT(*) AS value97
FROM value54 JOIN count6 ON value54.id = count6.value54_id
WHERE value54.name <> 'начало таблица Ёж' AND count6.total > 8.31e6
GROUP BY value54.id, value54.name
ORDER BY value97 DESC;

INSERT INTO item67 (id, name) VALUES (0x12BA, 'It''s Ёж файл сумма');
UPDATE item67 SET name = "value17" WHERE id IN (SELECT DISTINCT id FROM offset88); // Ёж файл сумма
/* файл файл Ёж
   файл файл Ёж */
CREATE TABLE buffer39 (
    id INTEGER NOT NULL,
    name VARCHAR(5.72e2),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT value71.id, value71.name, COUNT(*) AS buffer8
FROM value71 JOIN line44 ON value71.id = line44.value71_id
WHERE value71.name <> 'сумма значение ёлка' AND line44.total > 5248
GROUP BY value71.id, value71.name
ORDER BY buffer8 DESC;

/* файл начало Привет
   файл начало Привет */
CREATE TABLE name7 (
    id INTEGER NOT NULL,
    name VARCHAR(0xAA2E),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT line22.id, line22.name, COUNT(*) AS name91
FROM line22 JOIN item3 ON line22.id = item3.line22_id
WHERE line22.name <> 'окно значение проверка' AND item3.total > 2.42e7
GROUP BY line22.id, line22.name
ORDER BY name91 DESC;
INSERT INTO height7 (id, name) VALUES (3070, 'It''s запись ёлка окно');
UPDATE height7 SET name = "total80" WHERE id IN (SELECT DISTINCT id FROM node8); // запись ёлка окно
INSERT INTO height18 (id, name) VALUES (4.21e8, 'It''s значение сумма значение');
UPDATE height18 SET name = "total37" WHERE id IN (SELECT DISTINCT id FROM result23); // значение сумма значение
/* ёлка ошибка ёлка
   ёлка ошибка ёлка */
CREATE TABLE result85 (
    id INTEGER NOT NULL,
    name VARCHAR(6585),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* таблица проверка таблица
   таблица проверка таблица */
CREATE TABLE alpha53 (
    id INTEGER NOT NULL,
    name VARCHAR(0x1990),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT node37.id, node37.name, COUNT(*) AS line81
FROM node37 JOIN result16 ON node37.id = result16.node37_id
WHERE node37.name <> 'Привет таблица строка' AND result16.total > 7982
GROUP BY node37.id, node37.name
ORDER BY line81 DESC;
/* значение строка запись
   значение строка запись */
CREATE TABLE buffer55 (
    id INTEGER NOT NULL,
    name VARCHAR(7.32e2),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO name18 (id, name) VALUES (9.41e1, 'It''s значение окно сумма');
UPDATE name18 SET name = "limit17" WHERE id IN (SELECT DISTINCT id FROM count58); // значение окно сумма
INSERT INTO buffer84 (id, name) VALUES (6796, 'It''s таблица файл Привет');
UPDATE buffer84 SET name = "width86" WHERE id IN (SELECT DISTINCT id FROM result41); // таблица файл Привет
SELECT height18.id, height18.name, COUNT(*) AS state76
FROM height18 JOIN result69 ON height18.id = result69.height18_id
WHERE height18.name <> 'запись значение Ёж' AND result69.total > 6846
GROUP BY height18.id, height18.name
ORDER BY state76 DESC;
SELECT buffer69.id, buffer69.name, COUNT(*) AS result41
FROM buffer69 JOIN limit2 ON buffer69.id = limit2.buffer69_id
WHERE buffer69.name <> 'сумма Привет значение' AND limit2.total > 1111
GROUP BY buffer69.id, buffer69.name
ORDER BY result41 DESC;
/* строка данные ёлка
   строка данные ёлка */
CREATE TABLE state32 (
    id INTEGER NOT NULL,
    name VARCHAR(0xCE55),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* данные конец ошибка
   данные конец ошибка */
CREATE TABLE width80 (
    id INTEGER NOT NULL,
    name VARCHAR(2325),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT node98.id, node98.name, COUNT(*) AS name12
FROM node98 JOIN state18 ON node98.id = state18.node98_id
WHERE node98.name <> 'таблица запись Ёж' AND state18.total > 4498
GROUP BY node98.id, node98.name
ORDER BY name12 DESC;

SELECT item25.id, item25.name, COUNT(*) AS total99
FROM item25 JOIN value82 ON item25.id = value82.item25_id
WHERE item25.name <> 'окно Привет запись' AND value82.total > 0xCBA9
GROUP BY item25.id, item25.name
ORDER BY total99 DESC;
SELECT beta76.id, beta76.name, COUNT(*) AS state11
FROM beta76 JOIN index61 ON beta76.id = index61.beta76_id
WHERE beta76.name <> 'строка начало конец' AND index61.total > 0xD359
GROUP BY beta76.id, beta76.name
ORDER BY state11 DESC;
INSERT INTO path33 (id, name) VALUES (6560, 'It''s Ёж проверка строка');
UPDATE path33 SET name = "buffer39" WHERE id IN (SELECT DISTINCT id FROM height98); // Ёж проверка строка
SELECT limit28.id, limit28.name, COUNT(*) AS index44
FROM limit28 JOIN count41 ON limit28.id = count41.limit28_id
WHERE limit28.name <> 'конец ёлка сумма' AND count41.total > 0.19e5
GROUP BY limit28.id, limit28.name
ORDER BY index44 DESC;

INSERT INTO total57 (id, name) VALUES (7.81e2, 'It''s проверка строка окно');
UPDATE total57 SET name = "result46" WHERE id IN (SELECT DISTINCT id FROM total13); // проверка строка окно
SELECT index34.id, index34.name, COUNT(*) AS state62
FROM index34 JOIN buffer58 ON index34.id = buffer58.index34_id
WHERE index34.name <> 'таблица конец ошибка' AND buffer58.total > 0x3B02
GROUP BY index34.id, index34.name
ORDER BY state62 DESC;
INSERT INTO result26 (id, name) VALUES (5913, 'It''s начало Привет конец');
UPDATE result26 SET name = "state24" WHERE id IN (SELECT DISTINCT id FROM buffer89); // начало Привет конец
INSERT INTO total98 (id, name) VALUES (0x49D6, 'It''s окно файл строка');
UPDATE total98 SET name = "value27" WHERE id IN (SELECT DISTINCT id FROM line57); // окно файл строка
SELECT node75.id, node75.name, COUNT(*) AS alpha39
FROM node75 JOIN index1 ON node75.id = index1.node75_id
WHERE node75.name <> 'конец окно таблица' AND index1.total > 8.25e9
GROUP BY node75.id, node75.name
ORDER BY alpha39 DESC;
INSERT INTO height33 (id, name) VALUES (682, 'It''s ошибка начало значение');
UPDATE height33 SET name = "value15" WHERE id IN (SELECT DISTINCT id FROM item85); // ошибка начало значение
/* файл ошибка Ёж
   файл ошибка Ёж */
CREATE TABLE name22 (
    id INTEGER NOT NULL,
    name VARCHAR(2993),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Привет конец данные
   Привет конец данные */
CREATE TABLE item89 (
    id INTEGER NOT NULL,
    name VARCHAR(2369),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT line68.id, line68.name, COUNT(*) AS limit51
FROM line68 JOIN total52 ON line68.id = total52.line68_id
WHERE line68.name <> 'значение таблица данные' AND total52.total > 9751
GROUP BY line68.id, line68.name
ORDER BY limit51 DESC;
SELECT height88.id, height88.name, COUNT(*) AS buffer66
FROM height88 JOIN node26 ON height88.id = node26.height88_id
WHERE height88.name <> 'значение проверка таблица' AND node26.total > 5276
GROUP BY height88.id, height88.name
ORDER BY buffer66 DESC;
SELECT width52.id, width52.name, COUNT(*) AS limit80
FROM width52 JOIN total80 ON width52.id = total80.width52_id
WHERE width52.name <> 'конец Привет Привет' AND total80.total > 0x9CB2
GROUP BY width52.id, width52.name
ORDER BY limit80 DESC;
INSERT INTO alpha68 (id, name) VALUES (0x3A90, 'It''s таблица значение ошибка');
UPDATE alpha68 SET name = "item37" WHERE id IN (SELECT DISTINCT id FROM alpha55); // таблица значение ошибка
INSERT INTO item19 (id, name) VALUES (8508, 'It''s Привет таблица конец');
UPDATE item19 SET name = "result32" WHERE id IN (SELECT DISTINCT id FROM count96); // Привет таблица конец
SELECT width4.id, width4.name, COUNT(*) AS beta25
FROM width4 JOIN total37 ON width4.id = total37.width4_id
WHERE width4.name <> 'окно файл данные' AND total37.total > 3448
GROUP BY width4.id, width4.name
ORDER BY beta25 DESC;

SELECT width49.id, width49.name, COUNT(*) AS alpha60
FROM width49 JOIN result71 ON width49.id = result71.width49_id
WHERE width49.name <> 'запись значение сумма' AND result71.total > 2800
GROUP BY width49.id, width49.name
ORDER BY alpha60 DESC;
/* строка проверка Ёж
   строка проверка Ёж */
CREATE TABLE item69 (
    id INTEGER NOT NULL,
    name VARCHAR(714),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO value20 (id, name) VALUES (7163, 'It''s сумма ёлка начало');
UPDATE value20 SET name = "name88" WHERE id IN (SELECT DISTINCT id FROM alpha72); // сумма ёлка начало
SELECT alpha80.id, alpha80.name, COUNT(*) AS height72
FROM alpha80 JOIN result12 ON alpha80.id = result12.alpha80_id
WHERE alpha80.name <> 'сумма данные таблица' AND result12.total > 3489
GROUP BY alpha80.id, alpha80.name
ORDER BY height72 DESC;
INSERT INTO total98 (id, name) VALUES (7574, 'It''s файл окно файл');
UPDATE total98 SET name = "beta60" WHERE id IN (SELECT DISTINCT id FROM limit3); // файл окно файл
/* таблица конец Ёж
   таблица конец Ёж */
CREATE TABLE state49 (
    id INTEGER NOT NULL,
    name VARCHAR(1135),
    price DOUBLE,
    created DATE,
    note MEMO
);

SELECT buffer78.id, buffer78.name, COUNT(*) AS alpha53
FROM buffer78 JOIN buffer28 ON buffer78.id = buffer28.buffer78_id
WHERE buffer78.name <> 'проверка строка Привет' AND buffer28.total > 3908
GROUP BY buffer78.id, buffer78.name
ORDER BY alpha53 DESC;
SELECT height72.id, height72.name, COUNT(*) AS alpha12
FROM height72 JOIN width9 ON height72.id = width9.height72_id
WHERE height72.name <> 'окно проверка ошибка' AND width9.total > 2042
GROUP BY height72.id, height72.name
ORDER BY alpha12 DESC;
SELECT path29.id, path29.name, COUNT(*) AS name86
FROM path29 JOIN index51 ON path29.id = index51.path29_id
WHERE path29.name <> 'Ёж проверка начало' AND index51.total > 4095
GROUP BY path29.id, path29.name
ORDER BY name86 DESC;
INSERT INTO limit22 (id, name) VALUES (3.80e1, 'It''s начало таблица Ёж');
UPDATE limit22 SET name = "node77" WHERE id IN (SELECT DISTINCT id FROM line53); // начало таблица Ёж

INSERT INTO node22 (id, name) VALUES (4088, 'It''s значение начало Привет');
UPDATE node22 SET name = "offset23" WHERE id IN (SELECT DISTINCT id FROM result88); // значение начало Привет
INSERT INTO node79 (id, name) VALUES (6041, 'It''s запись начало Привет');
UPDATE node79 SET name = "buffer77" WHERE id IN (SELECT DISTINCT id FROM item64); // запись начало Привет
INSERT INTO result25 (id, name) VALUES (4889, 'It''s конец Привет данные');
UPDATE result25 SET name = "node29" WHERE id IN (SELECT DISTINCT id FROM height92); // конец Привет данные
/* строка таблица ошибка
   строка таблица ошибка */
CREATE TABLE height20 (
    id INTEGER NOT NULL,
    name VARCHAR(3.46e9),
    price DOUBLE,
    created DATE,
    note MEMO
);
INSERT INTO total71 (id, name) VALUES (3547, 'It''s данные строка таблица');
UPDATE total71 SET name = "beta6" WHERE id IN (SELECT DISTINCT id FROM result23); // данные строка таблица
SELECT count42.id, count42.name, COUNT(*) AS limit54
FROM count42 JOIN line5 ON count42.id = line5.count42_id
WHERE count42.name <> 'файл таблица строка' AND line5.total > 8913
GROUP BY count42.id, count42.name
ORDER BY limit54 DESC;
INSERT INTO line92 (id, name) VALUES (8153, 'It''s проверка файл Привет');
UPDATE line92 SET name = "height68" WHERE id IN (SELECT DISTINCT id FROM node97); // проверка файл Привет

SELECT index85.id, index85.name, COUNT(*) AS buffer34
FROM index85 JOIN path20 ON index85.id = path20.index85_id
WHERE index85.name <> 'строка Привет файл' AND path20.total > 0x5C82
GROUP BY index85.id, index85.name
ORDER BY buffer34 DESC;
INSERT INTO state39 (id, name) VALUES (1991, 'It''s сумма ошибка начало');
UPDATE state39 SET name = "path12" WHERE id IN (SELECT DISTINCT id FROM alpha35); // сумма ошибка начало
INSERT INTO state22 (id, name) VALUES (5476, 'It''s запись ёлка окно');
UPDATE state22 SET name = "path1" WHERE id IN (SELECT DISTINCT id FROM buffer27); // запись ёлка окно
INSERT INTO node91 (id, name) VALUES (2869, 'It''s файл Ёж значение');
UPDATE node91 SET name = "total85" WHERE id IN (SELECT DISTINCT id FROM buffer91); // файл Ёж значение
INSERT INTO count68 (id, name) VALUES (1.36e5, 'It''s данные таблица сумма');
UPDATE count68 SET name = "path71" WHERE id IN (SELECT DISTINCT id FROM result97); // данные таблица сумма
/* строка конец данные
   строка конец данные */
CREATE TABLE name98 (
    id INTEGER NOT NULL,
    name VARCHAR(3070),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO beta14 (id, name) VALUES (0x9560, 'It''s окно ошибка Привет');
UPDATE beta14 SET name = "value76" WHERE id IN (SELECT DISTINCT id FROM item35); // окно ошибка Привет

INSERT INTO limit82 (id, name) VALUES (793, 'It''s запись сумма файл');
UPDATE limit82 SET name = "offset15" WHERE id IN (SELECT DISTINCT id FROM width85); // запись сумма файл
/* сумма начало проверка
   сумма начало проверка */
CREATE TABLE total9 (
    id INTEGER NOT NULL,
    name VARCHAR(4026),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* Привет начало файл
   Привет начало файл */
CREATE TABLE total20 (
    id INTEGER NOT NULL,
    name VARCHAR(7679),
    price DOUBLE,
    created DATE,
    note MEMO
);

/* Привет ошибка окно
   Привет ошибка окно */
CREATE TABLE name63 (
    id INTEGER NOT NULL,
    name VARCHAR(8967),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* запись Привет конец
   запись Привет конец */
CREATE TABLE index76 (
    id INTEGER NOT NULL,
    name VARCHAR(3173),
    price DOUBLE,
    created DATE,
    note MEMO
);

INSERT INTO limit40 (id, name) VALUES (8255, 'It''s сумма таблица файл');
UPDATE limit40 SET name = "beta69" WHERE id IN (SELECT DISTINCT id FROM count55); // сумма таблица файл

INSERT INTO count76 (id, name) VALUES (3058, 'It''s строка файл окно');
UPDATE count76 SET name = "total72" WHERE id IN (SELECT DISTINCT id FROM beta52); // строка файл окно
/* файл запись начало
   файл запись начало */
CREATE TABLE limit61 (
    id INTEGER NOT NULL,
    name VARCHAR(0x5A26),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* ёлка проверка значение
   ёлка проверка значение */
CREATE TABLE buffer90 (
    id INTEGER NOT NULL,
    name VARCHAR(5.41e4),
    price DOUBLE,
    created DATE,
    note MEMO
);
/* окно строка таблица
   окно строка таблица */
CREATE TABLE beta52 (
    id INTEGER NOT NULL,
    name VARCHAR(1.44e6),
    price DOUBLE,
    created DATE,
    note MEMO
);
SELECT buffer96.id, buffer96.name, COUNT(*) AS limit48
FROM buffer96 JOIN limit44 ON buffer96.id = limit44.buffer96_id
WHERE buffer96.name <> 'таблица ошибка данные' AND limit44.total > 3.80e8
GROUP BY buffer96.id, buffer96.name
ORDER BY limit48 DESC;
/* Привет окно ёлка
   Привет окно ёлка */
CREATE TABLE total98 (
    id INTEGER NOT NULL,
    name VARCHAR(0xE8A7),
    price DOUBLE,
    created DATE,
    note MEMO
);

}
INSERT INTO beta73 (id, name) VALUES (5142, 'It''s начало начало ёлка');
UPDATE beta73 SET name = "limit20" WHERE id IN (SELECT DISTINCT id FROM offset65); // начало начало ёлка
INSERT INTO buffer18 (id, name) VALUES (3.13e5, 'It''s ёлка ёлка начало');
UPDATE buffer18 SET name = "count51" WHERE id IN (SELECT DISTINCT id FROM path65); // ёлка ёлка начало
INSERT INTO count38 (id, name) VALUES (638, 'It''s Привет данные таблица');
UPDATE count38 SET name = "line79" WHERE id IN (SELECT DISTINCT id FROM beta41); // Привет данные таблица
INSERT INTO limit25 (id, name) VALUES (2.7e4, 'It''s окно запись сумма');
UPDATE limit25 SET name = "limit45" WHERE id IN (SELECT DISTINCT id FROM item5); // окно запись сумма
