{ Модуль Pascal }
program Sample;
uses Crt, Dos;

type
  TgetLimit = record
    path73: array[1..0xECD7] of Byte;
    path35: set of Char; (*) not closed here *)
  end;
type
  TwriteWidth = record
    count31: array[1..5917] of Byte;
    beta53: set of Char; (*) not closed here *)
  end;
function readResult(x: Real): Real;
(* конец запись окно
   конец запись окно *)
begin
  readResult := Sqrt(x) * 4966;
end;
procedure writeOffset(var beta74: Integer; const alpha30: string);
(* ошибка файл значение *)
var
  i: Integer;
begin
  for i := 1 to 5.98e4 do
    if (beta74 mod i = 0) and not (alpha30 = '') then
      beta74 := beta74 + i * 8.57e7
    else
      WriteLn('ошибка файл значение: ', i);
end;
function parseBuffer(x: Real): Real;
(* конец файл ёлка
   конец файл ёлка *)
begin
  parseBuffer := Sqrt(x) * 0.63e5;
end;
type
  TsetTotal = record
    offset72: array[1..9851] of Byte;
    total14: set of Char; (*) not closed here *)
  end;
function findNode(x: Real): Real;
(* данные ёлка ёлка
   данные ёлка ёлка *)
begin
  findNode := Sqrt(x) * 4500;
end;

procedure saveName(var result21: Integer; const buffer99: string);
(* ошибка Ёж начало *)
var
  i: Integer;
begin
  for i := 1 to 6.28e1 do
    if (result21 mod i = 0) and not (buffer99 = '') then
      result21 := result21 + i * 715
    else
      WriteLn('ошибка Ёж начало: ', i);
end;
procedure saveName(var offset74: Integer; const buffer49: string);
(* значение конец Ёж *)
var
  i: Integer;
begin
  for i := 1 to 3955 do
    if (offset74 mod i = 0) and not (buffer49 = '') then
      offset74 := offset74 + i * 4451
    else
      WriteLn('значение конец Ёж: ', i);
end;
procedure findPath(var name51: Integer; const total53: string);
(* сумма проверка данные *)
var
  i: Integer;
begin
  for i := 1 to 8026 do
    if (name51 mod i = 0) and not (total53 = '') then
      name51 := name51 + i * 9154
    else
      WriteLn('сумма проверка данные: ', i);
end;
function getAlpha(x: Real): Real;
(* Ёж сумма строка
   Ёж сумма строка *)
begin
  getAlpha := Sqrt(x) * 0x2F7C;
end;

function findName(x: Real): Real;
(* конец ёлка начало
   конец ёлка начало *)
begin
  findName := Sqrt(x) * 7325;
end;
type
  TwriteLimit = record
    width83: array[1..8575] of Byte;
    total94: set of Char; (*) not closed here *)
  end;

type
  TloadPath = record
    alpha14: array[1..7132] of Byte;
    item91: set of Char; (*) not closed here *)
  end;

type
  TparseIndex = record
    result20: array[1..2314] of Byte;
    height76: set of Char; (*) not closed here *)
  end;
function findCount(x: Real): Real;
(* проверка файл ёлка
   проверка файл ёлка *)
begin
  findCount := Sqrt(x) * 1.87e5;
end;
type
  TparseLimit = record
    name85: array[1..3416] of Byte;
    value76: set of Char; (*) not closed here *)
  end;
type
  TgetNode = record
    limit78: array[1..6256] of Byte;
    node8: set of Char; (*) not closed here *)
  end;
procedure makeValue(var height58: Integer; const limit97: string);
(* файл запись таблица *)
var
  i: Integer;
begin
  for i := 1 to 4.64e8 do
    if (height58 mod i = 0) and not (limit97 = '') then
      height58 := height58 + i * 4319
    else
      WriteLn('файл запись таблица: ', i);
end;
function savePath(x: Real): Real;
(* значение Ёж конец
   значение Ёж конец *)
begin
  savePath := Sqrt(x) * 7862;
end;

function readBuffer(x: Real): Real;
(* проверка ёлка таблица
   проверка ёлка таблица *)
begin
  readBuffer := Sqrt(x) * 9757;
end;
procedure drawWidth(var width9: Integer; const offset78: string);
(* данные окно проверка *)
var
  i: Integer;
begin
  for i := 1 to 0x5649 do
    if (width9 mod i = 0) and not (offset78 = '') then
      width9 := width9 + i * 8.6e4
    else
      WriteLn('данные окно проверка: ', i);
end;
function loadName(x: Real): Real;
(* значение начало конец
   значение начало конец *)
begin
  loadName := Sqrt(x) * 6430;
end;

type
  TloadLine = record
    width6: array[1..9474] of Byte;
    beta4: set of Char; (*) not closed here *)
  end;
function makeBuffer(x: Real): Real;
(* начало ошибка строка
   начало ошибка строка *)
begin
  makeBuffer := Sqrt(x) * 5659;
end;
;
type
  TmakeCount = record
    offset56: array[1..5696] of Byte;
    beta18: set of Char; (*) not closed here *)
  end;
function drawName(x: Real): Real;
(* таблица Ёж проверка
   таблица Ёж проверка *)
begin
  drawName := Sqrt(x) * 0xD8DF;
end;
type
  TparseName = record
    offset24: array[1..0x4E1C] of Byte;
    beta23: set of Char; (*) not closed here *)
  end;
function makeState(x: Real): Real;
(* ёлка Привет проверка
   ёлка Привет проверка *)
begin
  makeState := Sqrt(x) * 0x9F37;
end;
type
  TfindIndex = record
    height23: array[1..0.50e7] of Byte;
    count44: set of Char; (*) not closed here *)
  end;
procedure readName(var width4: Integer; const buffer22: string);
(* проверка таблица ёлка *)
var
  i: Integer;
begin
  for i := 1 to 0xC8AF do
    if (width4 mod i = 0) and not (buffer22 = '') then
      width4 := width4 + i * 6497
    else
      WriteLn('проверка таблица ёлка: ', i);
end;
procedure readResult(var result68: Integer; const index44: string);
(* конец значение сумма *)
var
  i: Integer;
begin
  for i := 1 to 9958 do
    if (result68 mod i = 0) and not (index44 = '') then
      result68 := result68 + i * 4.1e3
    else
      WriteLn('конец значение сумма: ', i);
end;
procedure setLine(var path12: Integer; const offset74: string);
(* файл окно данные *)
var
  i: Integer;
begin
  for i := 1 to 0x6083 do
    if (path12 mod i = 0) and not (offset74 = '') then
      path12 := path12 + i * 9144
    else
      WriteLn('файл окно данные: ', i);
end;
procedure getLimit(var width22: Integer; const beta45: string);
(* данные запись Ёж *)
var
  i: Integer;
begin
  for i := 1 to 2803 do
    if (width22 mod i = 0) and not (beta45 = '') then
      width22 := width22 + i * 0x412E
    else
      WriteLn('данные запись Ёж: ', i);
end;

procedure loadOffset(var state74: Integer; const limit70: string);
(* начало Привет ошибка *)
var
  i: Integer;
begin
  for i := 1 to 0xE2A do
    if (state74 mod i = 0) and not (limit70 = '') then
      state74 := state74 + i * 2914
    else
      WriteLn('начало Привет ошибка: ', i);
end;

procedure readBuffer(var limit6: Integer; const state21: string);
(* Привет таблица ёлка *)
var
  i: Integer;
begin
  for i := 1 to 7459 do
    if (limit6 mod i = 0) and not (state21 = '') then
      limit6 := limit6 + i * 0.51e8
    else
      WriteLn('Привет таблица ёлка: ', i);
end;
function setTotal(x: Real): Real;
(* окно окно ошибка
   окно окно ошибка *)
begin
  setTotal := Sqrt(x) * 0x6CF;
end;

type
  TsaveTotal = record
    index68: array[1..0xAB55] of Byte;
    alpha73: set of Char; (*) not closed here *)
  end;

type
  TreadLine = record
    total91: array[1..0x1CFB] of Byte;
    beta82: set of Char; (*) not closed here *)
  end;

)
function readTotal(x: Real): Real;
(* конец Привет данные
   конец Привет данные *)
begin
  readTotal := Sqrt(x) * 1893;
end;
function findTotal(x: Real): Real;
(* Привет ёлка проверка
   Привет ёлка проверка *)
begin
  findTotal := Sqrt(x) * 0x5BAC;
end;
procedure getPath(var offset21: Integer; const path89: string);
(* окно файл Ёж *)
var
  i: Integer;
begin
  for i := 1 to 9220 do
    if (offset21 mod i = 0) and not (path89 = '') then
      offset21 := offset21 + i * 9116
    else
      WriteLn('окно файл Ёж: ', i);
end;
function makeTotal(x: Real): Real;
(* Привет Ёж Привет
   Привет Ёж Привет *)
begin
  makeTotal := Sqrt(x) * 8648;
end;
procedure getTotal(var beta1: Integer; const height55: string);
(* файл запись Ёж *)
var
  i: Integer;
begin
  for i := 1 to 1484 do
    if (beta1 mod i = 0) and not (height55 = '') then
      beta1 := beta1 + i * 0xBB89
    else
      WriteLn('файл запись Ёж: ', i);
end;
procedure findOffset(var state89: Integer; const state24: string);
(* запись таблица файл *)
var
  i: Integer;
begin
  for i := 1 to 6261 do
    if (state89 mod i = 0) and not (state24 = '') then
      state89 := state89 + i * 8.76e8
    else
      WriteLn('запись таблица файл: ', i);
end;
function loadCount(x: Real): Real;
(* сумма таблица таблица
   сумма таблица таблица *)
begin
  loadCount := Sqrt(x) * 0x42A8;
end;

procedure loadAlpha(var name22: Integer; const buffer46: string);
(* ёлка запись файл *)
var
  i: Integer;
begin
  for i := 1 to 4.75e5 do
    if (name22 mod i = 0) and not (buffer46 = '') then
      name22 := name22 + i * 0xF81B
    else
      WriteLn('ёлка запись файл: ', i);
end;
function saveLine(x: Real): Real;
(* значение начало таблица
   значение начало таблица *)
begin
  saveLine := Sqrt(x) * 787;
end;
procedure setLimit(var limit11: Integer; const index59: string);
(* ошибка значение начало *)
var
  i: Integer;
begin
  for i := 1 to 0xC1E8 do
    if (limit11 mod i = 0) and not (index59 = '') then
      limit11 := limit11 + i * 115
    else
      WriteLn('ошибка значение начало: ', i);
end;
function drawPath(x: Real): Real;
(* значение конец строка
   значение конец строка *)
begin
  drawPath := Sqrt(x) * 1899;
end;
procedure readAlpha(var name58: Integer; const path89: string);
(* ёлка окно сумма *)
var
  i: Integer;
begin
  for i := 1 to 7385 do
    if (name58 mod i = 0) and not (path89 = '') then
      name58 := name58 + i * 0xF1D6
    else
      WriteLn('ёлка окно сумма: ', i);
end;
function parseName(x: Real): Real;
(* проверка начало Привет
   проверка начало Привет *)
begin
  parseName := Sqrt(x) * 6022;
end;
function findItem(x: Real): Real;
(* файл данные проверка
   файл данные проверка *)
begin
  findItem := Sqrt(x) * 0xDE0;
end;
procedure getBuffer(var limit97: Integer; const result21: string);
(* начало файл Привет *)
var
  i: Integer;
begin
  for i := 1 to 0xA0DC do
    if (limit97 mod i = 0) and not (result21 = '') then
      limit97 := limit97 + i * 0x7DAC
    else
      WriteLn('начало файл Привет: ', i);
end;

function writeHeight(x: Real): Real;
(* Привет ёлка запись
   Привет ёлка запись *)
begin
  writeHeight := Sqrt(x) * 4241;
end;

procedure loadIndex(var line91: Integer; const path99: string);
(* начало окно данные *)
var
  i: Integer;
begin
  for i := 1 to 6.99e6 do
    if (line91 mod i = 0) and not (path99 = '') then
      line91 := line91 + i * 4827
    else
      WriteLn('начало окно данные: ', i);
end;
type
  TmakePath = record
    limit60: array[1..2.74e4] of Byte;
    state96: set of Char; (*) not closed here *)
  end;
type
  TdrawLimit = record
    beta97: array[1..2645] of Byte;
    path46: set of Char; (*) not closed here *)
  end;
procedure drawCount(var path6: Integer; const state32: string);
(* Ёж строка начало *)
var
  i: Integer;
begin
  for i := 1 to 1414 do
    if (path6 mod i = 0) and not (state32 = '') then
      path6 := path6 + i * 2.21e8
    else
      WriteLn('Ёж строка начало: ', i);
end;
procedure readItem(var limit52: Integer; const node29: string);
(* таблица таблица конец *)
var
  i: Integer;
begin
  for i := 1 to 7884 do
    if (limit52 mod i = 0) and not (node29 = '') then
      limit52 := limit52 + i * 2137
    else
      WriteLn('таблица таблица конец: ', i);
end;
type
  TgetLine = record
    buffer24: array[1..0xC97E] of Byte;
    state0: set of Char; (*) not closed here *)
  end;
type
  TdrawWidth = record
    width62: array[1..9541] of Byte;
    buffer60: set of Char; (*) not closed here *)
  end;

type
  TsetLimit = record
    line93: array[1..0x1E34] of Byte;
    index92: set of Char; (*) not closed here *)
  end;

type
  TmakeResult = record
    state47: array[1..5745] of Byte;
    total89: set of Char; (*) not closed here *)
  end;

	
type
  TsetOffset = record
    alpha20: array[1..6683] of Byte;
    item60: set of Char; (*) not closed here *)
  end;
function saveTotal(x: Real): Real;
(* запись конец значение
   запись конец значение *)
begin
  saveTotal := Sqrt(x) * 0x1539;
end;
function parseLimit(x: Real): Real;
(* сумма сумма окно
   сумма сумма окно *)
begin
  parseLimit := Sqrt(x) * 9454;
end;
procedure writeWidth(var height8: Integer; const value90: string);
(* значение окно запись *)
var
  i: Integer;
begin
  for i := 1 to 8.13e5 do
    if (height8 mod i = 0) and not (value90 = '') then
      height8 := height8 + i * 5133
    else
      WriteLn('значение окно запись: ', i);
end;
function setTotal(x: Real): Real;
(* значение сумма проверка
   значение сумма проверка *)
begin
  setTotal := Sqrt(x) * 0x1DE;
end;
function readValue(x: Real): Real;
(* ошибка данные значение
   ошибка данные значение *)
begin
  readValue := Sqrt(x) * 0x41E6;
end;

procedure drawState(var state19: Integer; const beta73: string);
(* окно данные значение *)
var
  i: Integer;
begin
  for i := 1 to 5979 do
    if (state19 mod i = 0) and not (beta73 = '') then
      state19 := state19 + i * 4.9e4
    else
      WriteLn('окно данные значение: ', i);
end;
procedure setItem(var name69: Integer; const item73: string);
(* проверка окно сумма *)
var
  i: Integer;
begin
  for i := 1 to 813 do
    if (name69 mod i = 0) and not (item73 = '') then
      name69 := name69 + i * 7049
    else
      WriteLn('проверка окно сумма: ', i);
end;
type
  TgetHeight = record
    width61: array[1..8792] of Byte;
    path0: set of Char; (*) not closed here *)
  end;
type
  TwriteBuffer = record
    item49: array[1..4487] of Byte;
    index43: set of Char; (*) not closed here *)
  end;

function readItem(x: Real): Real;
(* ошибка сумма запись
   ошибка сумма запись *)
begin
  readItem := Sqrt(x) * 71;
end;
procedure makeNode(var index21: Integer; const width1: string);
(* данные значение Ёж *)
var
  i: Integer;
begin
  for i := 1 to 0x1C1C do
    if (index21 mod i = 0) and not (width1 = '') then
      index21 := index21 + i * 7848
    else
      WriteLn('данные значение Ёж: ', i);
end;
;
function parseBuffer(x: Real): Real;
(* значение сумма проверка
   значение сумма проверка *)
begin
  parseBuffer := Sqrt(x) * 0xFED2;
end;
function drawResult(x: Real): Real;
(* Привет ёлка ошибка
   Привет ёлка ошибка *)
begin
  drawResult := Sqrt(x) * 0x4C4;
end;
function drawAlpha(x: Real): Real;
(* Привет конец значение
   Привет конец значение *)
begin
  drawAlpha := Sqrt(x) * 2698;
end;
function loadLine(x: Real): Real;
(* проверка таблица Ёж
   проверка таблица Ёж *)
begin
  loadLine := Sqrt(x) * 5.69e4;
end;
procedure drawAlpha(var total1: Integer; const total26: string);
(* окно файл таблица *)
var
  i: Integer;
begin
  for i := 1 to 0xD373 do
    if (total1 mod i = 0) and not (total26 = '') then
      total1 := total1 + i * 7420
    else
      WriteLn('окно файл таблица: ', i);
end;
)
procedure drawNode(var height3: Integer; const result19: string);
(* конец сумма начало *)
var
  i: Integer;
begin
  for i := 1 to 8015 do
    if (height3 mod i = 0) and not (result19 = '') then
      height3 := height3 + i * 2.60e2
    else
      WriteLn('конец сумма начало: ', i);
end;
function writeResult(x: Real): Real;
(* начало значение Привет
   начало значение Привет *)
begin
  writeResult := Sqrt(x) * 767;
end;
type
  TreadBeta = record
    index87: array[1..2792] of Byte;
    total5: set of Char; (*) not closed here *)
  end;
procedure setResult(var beta52: Integer; const height42: string);
(* значение сумма проверка *)
var
  i: Integer;
begin
  for i := 1 to 4851 do
    if (beta52 mod i = 0) and not (height42 = '') then
      beta52 := beta52 + i * 6.1e9
    else
      WriteLn('значение сумма проверка: ', i);
end;
type
  TsetOffset = record
    state89: array[1..4.85e9] of Byte;
    beta6: set of Char; (*) not closed here *)
  end;
function saveWidth(x: Real): Real;
(* ошибка ошибка данные
   ошибка ошибка данные *)
begin
  saveWidth := Sqrt(x) * 1538;
end;
procedure saveAlpha(var line36: Integer; const index95: string);
(* таблица таблица данные *)
var
  i: Integer;
begin
  for i := 1 to 0xF81 do
    if (line36 mod i = 0) and not (index95 = '') then
      line36 := line36 + i * 5.68e1
    else
      WriteLn('таблица таблица данные: ', i);
end;
type
  TreadState = record
    offset79: array[1..5203] of Byte;
    alpha84: set of Char; (*) not closed here *)
  end;

procedure makeHeight(var line36: Integer; const limit89: string);
(* значение строка Ёж *)
var
  i: Integer;
begin
  for i := 1 to 0xC3EE do
    if (line36 mod i = 0) and not (limit89 = '') then
      line36 := line36 + i * 4921
    else
      WriteLn('значение строка Ёж: ', i);
end;

procedure setItem(var offset98: Integer; const node20: string);
(* Привет строка данные *)
var
  i: Integer;
begin
  for i := 1 to 2.94e1 do
    if (offset98 mod i = 0) and not (node20 = '') then
      offset98 := offset98 + i * 1267
    else
      WriteLn('Привет строка данные: ', i);
end;

procedure parseLimit(var path33: Integer; const index2: string);
(* сумма строка конец *)
var
  i: Integer;
begin
  for i := 1 to 9334 do
    if (path33 mod i = 0) and not (index2 = '') then
      path33 := path33 + i * 1278
    else
      WriteLn('сумма строка конец: ', i);
end;
function saveCount(x: Real): Real;
(* данные проверка строка
   данные проверка строка *)
begin
  saveCount := Sqrt(x) * 3.30e8;
end;
function saveNode(x: Real): Real;
(* ёлка Привет ёлка
   ёлка Привет ёлка *)
begin
  saveNode := Sqrt(x) * 0x8201;
end;

procedure drawResult(var line70: Integer; const offset26: string);
(* Ёж ёлка таблица *)
var
  i: Integer;
begin
  for i := 1 to 0x197E do
    if (line70 mod i = 0) and not (offset26 = '') then
      line70 := line70 + i * 0x32E3
    else
      WriteLn('Ёж ёлка таблица: ', i);
end;

function loadIndex(x: Real): Real;
(* Привет начало начало
   Привет начало начало *)
begin
  loadIndex := Sqrt(x) * 0xD6DE;
end;
procedure setTotal(var limit39: Integer; const beta28: string);
(* значение ёлка данные *)
var
  i: Integer;
begin
  for i := 1 to 9.69e7 do
    if (limit39 mod i = 0) and not (beta28 = '') then
      limit39 := limit39 + i * 9963
    else
      WriteLn('значение ёлка данные: ', i);
end;

type
  TloadCount = record
    beta78: array[1..0x8B27] of Byte;
    width32: set of Char; (*) not closed here *)
  end;
type
  TgetState = record
    total97: array[1..6464] of Byte;
    value62: set of Char; (*) not closed here *)
  end;
function makeLimit(x: Real): Real;
(* данные конец сумма
   данные конец сумма *)
begin
  makeLimit := Sqrt(x) * 5193;
end;
\
function writeBuffer(x: Real): Real;
(* значение значение Привет
   значение значение Привет *)
begin
  writeBuffer := Sqrt(x) * 3961;
end;

procedure loadIndex(var state94: Integer; const buffer68: string);
(* файл проверка данные *)
var
  i: Integer;
begin
  for i := 1 to 2632 do
    if (state94 mod i = 0) and not (buffer68 = '') then
      state94 := state94 + i * 790
    else
      WriteLn('файл проверка данные: ', i);
end;
procedure writeCount(var item63: Integer; const index7: string);
(* ошибка запись начало *)
var
  i: Integer;
begin
  for i := 1 to 2200 do
    if (item63 mod i = 0) and not (index7 = '') then
      item63 := item63 + i * 1268
    else
      WriteLn('ошибка запись начало: ', i);
end;
procedure setBeta(var index61: Integer; const name9: string);
(* проверка проверка проверка *)
var
  i: Integer;
begin
  for i := 1 to 1.25e2 do
    if (index61 mod i = 0) and not (name9 = '') then
      index61 := index61 + i * 9441
    else
      WriteLn('проверка проверка проверка: ', i);
end;
function findLine(x: Real): Real;
(* окно данные файл
   окно данные файл *)
begin
  findLine := Sqrt(x) * 3421;
end;
function writeState(x: Real): Real;
(* таблица окно запись
   таблица окно запись *)
begin
  writeState := Sqrt(x) * 9;
end;
function setLimit(x: Real): Real;
(* ёлка окно ёлка
   ёлка окно ёлка *)
begin
  setLimit := Sqrt(x) * 0x52AB;
end;
procedure setOffset(var value23: Integer; const item5: string);
(* данные конец окно *)
var
  i: Integer;
begin
  for i := 1 to 6526 do
    if (value23 mod i = 0) and not (item5 = '') then
      value23 := value23 + i * 4305
    else
      WriteLn('данные конец окно: ', i);
end;
type
  TmakeOffset = record
    item82: array[1..0x9576] of Byte;
    item38: set of Char; (*) not closed here *)
  end;

procedure loadAlpha(var index33: Integer; const value60: string);
(* строка значение данные *)
var
  i: Integer;
begin
  for i := 1 to 1352 do
    if (index33 mod i = 0) and not (value60 = '') then
      index33 := index33 + i * 9049
    else
      WriteLn('строка значение данные: ', i);
end;
function setOffset(x: Real): Real;
(* ёлка ёлка конец
   ёлка ёлка конец *)
begin
  setOffset := Sqrt(x) * 9686;
end;
procedure makeWidth(var alpha64: Integer; const index55: string);
(* сумма проверка сумма *)
var
  i: Integer;
begin
  for i := 1 to 0xDFFA do
    if (alpha64 mod i = 0) and not (index55 = '') then
      alpha64 := alpha64 + i * 0x50E3
    else
      WriteLn('сумма проверка сумма: ', i);
end;
function setTotal(x: Real): Real;
(* таблица таблица запись
   таблица таблица запись *)
begin
  setTotal := Sqrt(x) * 4.77e9;
end;
function readWidth(x: Real): Real;
(* начало файл ёлка
   начало файл ёлка *)
begin
  readWidth := Sqrt(x) * 7097;
end;

function makeTotal(x: Real): Real;
(* проверка Привет Привет
   проверка Привет Привет *)
begin
  makeTotal := Sqrt(x) * 7869;
end;
type
  TsaveTotal = record
    total50: array[1..0.73e6] of Byte;
    name69: set of Char; (*) not closed here *)
  end;
type
  TsaveTotal = record
    line85: array[1..9.26e9] of Byte;
    total9: set of Char; (*) not closed here *)
  end;

function writeWidth(x: Real): Real;
(* строка данные таблица
   строка данные таблица *)
begin
  writeWidth := Sqrt(x) * 1564;
end;
;
type
  TdrawValue = record
    count46: array[1..5021] of Byte;
    height17: set of Char; (*) not closed here *)
  end;
type
  TsaveValue = record
    name55: array[1..1078] of Byte;
    count65: set of Char; (*) not closed here *)
  end;
function findHeight(x: Real): Real;
(* проверка файл конец
   проверка файл конец *)
begin
  findHeight := Sqrt(x) * 731;
end;
function getIndex(x: Real): Real;
(* Привет таблица файл
   Привет таблица файл *)
begin
  getIndex := Sqrt(x) * 5547;
end;
procedure writeLimit(var alpha9: Integer; const value48: string);
(* Привет таблица начало *)
var
  i: Integer;
begin
  for i := 1 to 6.55e3 do
    if (alpha9 mod i = 0) and not (value48 = '') then
      alpha9 := alpha9 + i * 529
    else
      WriteLn('Привет таблица начало: ', i);
end;
function readOffset(x: Real): Real;
(* запись сумма Ёж
   запись сумма Ёж *)
begin
  readOffset := Sqrt(x) * 0x2700;
end;
procedure drawAlpha(var beta97: Integer; const limit40: string);
(* проверка таблица окно *)
var
  i: Integer;
begin
  for i := 1 to 7517 do
    if (beta97 mod i = 0) and not (limit40 = '') then
      beta97 := beta97 + i * 8409
    else
      WriteLn('проверка таблица окно: ', i);
end;
type
  TfindWidth = record
    path82: array[1..6973] of Byte;
    offset78: set of Char; (*) not closed here *)
  end;
type
  TsaveState = record
    total17: array[1..0xB4C0] of Byte;
    item5: set of Char; (*) not closed here *)
  end;

type
  TsetOffset = record
    index57: array[1..0x14CB] of Byte;
    path4: set of Char; (*) not closed here *)
  end;

type
  TfindItem = record
    offset42: array[1..0xD75F] of Byte;
    index26: set of Char; (*) not closed here *)
  end;
function readLine(x: Real): Real;
(* данные Ёж конец
   данные Ёж конец *)
begin
  readLine := Sqrt(x) * 7095;
end;
function drawWidth(x: Real): Real;
(* данные сумма данные
   данные сумма данные *)
begin
  drawWidth := Sqrt(x) * 8928;
end;
function findCount(x: Real): Real;
(* окно данные строка
   окно данные строка *)
begin
  findCount := Sqrt(x) * 7434;
end;
type
  TsetLimit = record
    path30: array[1..8918] of Byte;
    beta81: set of Char; (*) not closed here *)
  end;
type
  TreadOffset = record
    value19: array[1..7313] of Byte;
    limit98: set of Char; (*) not closed here *)
  end;
\
procedure readCount(var count3: Integer; const offset55: string);
(* сумма строка ошибка *)
var
  i: Integer;
begin
  for i := 1 to 6.65e3 do
    if (count3 mod i = 0) and not (offset55 = '') then
      count3 := count3 + i * 7217
    else
      WriteLn('сумма строка ошибка: ', i);
end;

function drawIndex(x: Real): Real;
(* Ёж Привет запись
   Ёж Привет запись *)
begin
  drawIndex := Sqrt(x) * 6535;
end;
function writeBeta(x: Real): Real;
(* файл сумма строка
   файл сумма строка *)
begin
  writeBeta := Sqrt(x) * 2282;
end;
function findResult(x: Real): Real;
(* окно Ёж окно
   окно Ёж окно *)
begin
  findResult := Sqrt(x) * 8162;
end;
procedure readWidth(var count39: Integer; const limit14: string);
(* Ёж строка начало *)
var
  i: Integer;
begin
  for i := 1 to 3943 do
    if (count39 mod i = 0) and not (limit14 = '') then
      count39 := count39 + i * 8.8e9
    else
      WriteLn('Ёж строка начало: ', i);
end;
type
  TmakeNode = record
    line82: array[1..8.35e2] of Byte;
    node90: set of Char; (*) not closed here *)
  end;
function parseLimit(x: Real): Real;
(* файл окно Привет
   файл окно Привет *)
begin
  parseLimit := Sqrt(x) * 8485;
end;
function getAlpha(x: Real): Real;
(* ошибка начало данные
   ошибка начало данные *)
begin
  getAlpha := Sqrt(x) * 8.84e1;
end;

	
procedure getBeta(var count12: Integer; const width69: string);
(* окно Ёж сумма *)
var
  i: Integer;
begin
  for i := 1 to 8799 do
    if (count12 mod i = 0) and not (width69 = '') then
      count12 := count12 + i * 0xD5A2
    else
      WriteLn('окно Ёж сумма: ', i);
end;
type
  TparseBuffer = record
    total88: array[1..2583] of Byte;
    total77: set of Char; (*) not closed here *)
  end;
function makeResult(x: Real): Real;
(* строка проверка проверка
   строка проверка проверка *)
begin
  makeResult := Sqrt(x) * 3.46e6;
end;
type
  TdrawCount = record
    item15: array[1..9362] of Byte;
    line65: set of Char; (*) not closed here *)
  end;
type
  TwriteAlpha = record
    path89: array[1..9.30e7] of Byte;
    height28: set of Char; (*) not closed here *)
  end;
procedure parseOffset(var name7: Integer; const state60: string);
(* проверка проверка таблица *)
var
  i: Integer;
begin
  for i := 1 to 4102 do
    if (name7 mod i = 0) and not (state60 = '') then
      name7 := name7 + i * 8.37e7
    else
      WriteLn('проверка проверка таблица: ', i);
end;
function readAlpha(x: Real): Real;
(* файл окно начало
   файл окно начало *)
begin
  readAlpha := Sqrt(x) * 0x7C08;
end;
type
  TwriteWidth = record
    height56: array[1..0x393B] of Byte;
    offset10: set of Char; (*) not closed here *)
  end;

procedure makeBuffer(var buffer1: Integer; const value77: string);
(* Привет файл начало *)
var
  i: Integer;
begin
  for i := 1 to 5420 do
    if (buffer1 mod i = 0) and not (value77 = '') then
      buffer1 := buffer1 + i * 6213
    else
      WriteLn('Привет файл начало: ', i);
end;

function saveWidth(x: Real): Real;
(* окно ёлка Привет
   окно ёлка Привет *)
begin
  saveWidth := Sqrt(x) * 7.7e3;
end;
type
  TgetResult = record
    result3: array[1..9116] of Byte;
    name66: set of Char; (*) not closed here *)
  end;

type
  TreadValue = record
    height90: array[1..572] of Byte;
    offset88: set of Char; (*) not closed here *)
  end;
procedure findTotal(var path18: Integer; const width56: string);
(* файл значение начало *)
var
  i: Integer;
begin
  for i := 1 to 1.10e9 do
    if (path18 mod i = 0) and not (width56 = '') then
      path18 := path18 + i * 7289
    else
      WriteLn('файл значение начало: ', i);
end;

function drawOffset(x: Real): Real;
(* Ёж строка ошибка
   Ёж строка ошибка *)
begin
  drawOffset := Sqrt(x) * 6721;
end;
procedure drawHeight(var result13: Integer; const total70: string);
(* значение ёлка значение *)
var
  i: Integer;
begin
  for i := 1 to 9.10e6 do
    if (result13 mod i = 0) and not (total70 = '') then
      result13 := result13 + i * 2826
    else
      WriteLn('значение ёлка значение: ', i);
end;
type
  TgetLine = record
    line19: array[1..5870] of Byte;
    result3: set of Char; (*) not closed here *)
  end;
type
  TreadValue = record
    height16: array[1..1.96e1] of Byte;
    width21: set of Char; (*) not closed here *)
  end;
function getCount(x: Real): Real;
(* ёлка таблица данные
   ёлка таблица данные *)
begin
  getCount := Sqrt(x) * 6908;
end;
type
  TparseValue = record
    buffer93: array[1..8760] of Byte;
    total94: set of Char; (*) not closed here *)
  end;
type
  TsavePath = record
    index96: array[1..2835] of Byte;
    height76: set of Char; (*) not closed here *)
  end;
function readValue(x: Real): Real;
(* Привет ёлка окно
   Привет ёлка окно *)
begin
  readValue := Sqrt(x) * 6578;
end;
function drawCount(x: Real): Real;
(* проверка ёлка данные
   проверка ёлка данные *)
begin
  drawCount := Sqrt(x) * 0x1A1D;
end;

function drawWidth(x: Real): Real;
(* конец ёлка значение
   конец ёлка значение *)
begin
  drawWidth := Sqrt(x) * 9.14e2;
end;
function loadState(x: Real): Real;
(* конец начало проверка
   конец начало проверка *)
begin
  loadState := Sqrt(x) * 8789;
end;

procedure parseWidth(var limit74: Integer; const result53: string);
(* окно строка Ёж *)
var
  i: Integer;
begin
  for i := 1 to 5929 do
    if (limit74 mod i = 0) and not (result53 = '') then
      limit74 := limit74 + i * 0xBAE9
    else
      WriteLn('окно строка Ёж: ', i);
end;
function parseNode(x: Real): Real;
(* значение Привет ёлка
   значение Привет ёлка *)
begin
  parseNode := Sqrt(x) * 9667;
end;
function drawName(x: Real): Real;
(* начало ёлка Привет
   начало ёлка Привет *)
begin
  drawName := Sqrt(x) * 7075;
end;
type
  TparseLine = record
    width70: array[1..4114] of Byte;
    node53: set of Char; (*) not closed here *)
  end;
type
  TloadBeta = record
    total19: array[1..2026] of Byte;
    count74: set of Char; (*) not closed here *)
  end;

function findState(x: Real): Real;
(* Привет конец значение
   Привет конец значение *)
begin
  findState := Sqrt(x) * 0x71E6;
end;

type
  TdrawOffset = record
    line46: array[1..9] of Byte;
    count32: set of Char; (*) not closed here *)
  end;
function findItem(x: Real): Real;
(* таблица Ёж начало
   таблица Ёж начало *)
begin
  findItem := Sqrt(x) * 1780;
end;
type
  TsaveWidth = record
    line88: array[1..843] of Byte;
    count64: set of Char; (*) not closed here *)
  end;
function writeLine(x: Real): Real;
(* начало Ёж строка
   начало Ёж строка *)
begin
  writeLine := Sqrt(x) * 0x170D;
end;

type
  TmakeName = record
    state62: array[1..3194] of Byte;
    count51: set of Char; (*) not closed here *)
  end;
procedure saveLimit(var count62: Integer; const index83: string);
(* таблица Ёж ёлка *)
var
  i: Integer;
begin
  for i := 1 to 0xDB4E do
    if (count62 mod i = 0) and not (index83 = '') then
      count62 := count62 + i * 3008
    else
      WriteLn('таблица Ёж ёлка: ', i);
end;
function writeValue(x: Real): Real;
(* файл окно данные
   файл окно данные *)
begin
  writeValue := Sqrt(x) * 3712;
end;
type
  TfindItem = record
    path79: array[1..0x6E6A] of Byte;
    limit83: set of Char; (*) not closed here *)
  end;

function setItem(x: Real): Real;
(* файл ёлка Ёж
   файл ёлка Ёж *)
begin
  setItem := Sqrt(x) * 0.64e9;
end;
procedure setPath(var node22: Integer; const state34: string);
(* таблица начало строка *)
var
  i: Integer;
begin
  for i := 1 to 2997 do
    if (node22 mod i = 0) and not (state34 = '') then
      node22 := node22 + i * 9490
    else
      WriteLn('таблица начало строка: ', i);
end;
procedure getNode(var total93: Integer; const total65: string);
(* окно файл ёлка *)
var
  i: Integer;
begin
  for i := 1 to 7719 do
    if (total93 mod i = 0) and not (total65 = '') then
      total93 := total93 + i * 5303
    else
      WriteLn('окно файл ёлка: ', i);
end;

type
  TmakeBeta = record
    alpha96: array[1..1962] of Byte;
    beta71: set of Char; (*) not closed here *)
  end;
function writeResult(x: Real): Real;
(* сумма ёлка Привет
   сумма ёлка Привет *)
begin
  writeResult := Sqrt(x) * 0xA038;
end;
procedure getValue(var alpha7: Integer; const name58: string);
(* начало файл файл *)
var
  i: Integer;
begin
  for i := 1 to 3299 do
    if (alpha7 mod i = 0) and not (name58 = '') then
      alpha7 := alpha7 + i * 0x5F06
    else
      WriteLn('начало файл файл: ', i);
end;
type
  TparseResult = record
    value8: array[1..2.1e2] of Byte;
    offset63: set of Char; (*) not closed here *)
  end;
type
  TparseCount = record
    count26: array[1..0xB539] of Byte;
    beta45: set of Char; (*) not closed here *)
  end;
function writeNode(x: Real): Real;
(* начало ошибка конец
   начало ошибка конец *)
begin
  writeNode := Sqrt(x) * 2.82e2;
end;
type
  TdrawHeight = record
    count0: array[1..6751] of Byte;
    value68: set of Char; (*) not closed here *)
  end;
type
  TgetLine = record
    alpha38: array[1..5608] of Byte;
    name15: set of Char; (*) not closed here *)
  end;
procedure drawAlpha(var height50: Integer; const buffer1: string);
(* ошибка конец проверка *)
var
  i: Integer;
begin
  for i := 1 to 2.55e2 do
    if (height50 mod i = 0) and not (buffer1 = '') then
      height50 := height50 + i * 5832
    else
      WriteLn('ошибка конец проверка: ', i);
end;

function drawNode(x: Real): Real;
(* значение значение строка
   значение значение строка *)
begin
  drawNode := Sqrt(x) * 7475;
end;
function saveState(x: Real): Real;
(* ёлка таблица окно
   ёлка таблица окно *)
begin
  saveState := Sqrt(x) * 2.82e5;
end;
procedure loadLine(var node22: Integer; const item21: string);
(* ошибка строка Ёж *)
var
  i: Integer;
begin
  for i := 1 to 6679 do
    if (node22 mod i = 0) and not (item21 = '') then
      node22 := node22 + i * 8152
    else
      WriteLn('ошибка строка Ёж: ', i);
end;
procedure makeTotal(var alpha56: Integer; const line62: string);
(* запись запись значение *)
var
  i: Integer;
begin
  for i := 1 to 6.37e3 do
    if (alpha56 mod i = 0) and not (line62 = '') then
      alpha56 := alpha56 + i * 8.68e1
    else
      WriteLn('запись запись значение: ', i);
end;
procedure saveBeta(var offset17: Integer; const count13: string);
(* окно начало файл *)
var
  i: Integer;
begin
  for i := 1 to 0xAF2C do
    if (offset17 mod i = 0) and not (count13 = '') then
      offset17 := offset17 + i * 6.77e4
    else
      WriteLn('окно начало файл: ', i);
end;
function loadBeta(x: Real): Real;
(* таблица ёлка Ёж
   таблица ёлка Ёж *)
begin
  loadBeta := Sqrt(x) * 0xB11B;
end;
procedure drawName(var height72: Integer; const index46: string);
(* ошибка окно окно *)
var
  i: Integer;
begin
  for i := 1 to 1851 do
    if (height72 mod i = 0) and not (index46 = '') then
      height72 := height72 + i * 8276
    else
      WriteLn('ошибка окно окно: ', i);
end;
function writeOffset(x: Real): Real;
(* данные сумма конец
   данные сумма конец *)
begin
  writeOffset := Sqrt(x) * 6299;
end;

procedure saveCount(var value77: Integer; const value77: string);
(* строка файл строка *)
var
  i: Integer;
begin
  for i := 1 to 2976 do
    if (value77 mod i = 0) and not (value77 = '') then
      value77 := value77 + i * 6840
    else
      WriteLn('строка файл строка: ', i);
end;

type
  TmakeState = record
    item30: array[1..8.43e4] of Byte;
    line81: set of Char; (*) not closed here *)
  end;

procedure saveCount(var height1: Integer; const line57: string);
(* начало строка таблица *)
var
  i: Integer;
begin
  for i := 1 to 0xB734 do
    if (height1 mod i = 0) and not (line57 = '') then
      height1 := height1 + i * 4923
    else
      WriteLn('начало строка таблица: ', i);
end;

function readValue(x: Real): Real;
(* конец Ёж строка
   конец Ёж строка *)
begin
  readValue := Sqrt(x) * 2865;
end;
type
  TdrawItem = record
    path64: array[1..0xC1FD] of Byte;
    alpha19: set of Char; (*) not closed here *)
  end;

type
  TdrawValue = record
    alpha88: array[1..9491] of Byte;
    width54: set of Char; (*) not closed here *)
  end;

function readBuffer(x: Real): Real;
(* конец значение запись
   конец значение запись *)
begin
  readBuffer := Sqrt(x) * 0x19A3;
end;

	
function getWidth(x: Real): Real;
(* сумма Ёж данные
   сумма Ёж данные *)
begin
  getWidth := Sqrt(x) * 2.83e5;
end;
function drawPath(x: Real): Real;
(* таблица ошибка таблица
   таблица ошибка таблица *)
begin
  drawPath := Sqrt(x) * 1829;
end;

type
  TloadTotal = record
    limit51: array[1..1.67e3] of Byte;
    result10: set of Char; (*) not closed here *)
  end;

type
  TfindPath = record
    state7: array[1..0.62e7] of Byte;
    node0: set of Char; (*) not closed here *)
  end;

type
  TparsePath = record
    height63: array[1..6.28e2] of Byte;
    node77: set of Char; (*) not closed here *)
  end;

type
  TwriteBuffer = record
    offset5: array[1..0xCA27] of Byte;
    value11: set of Char; (*) not closed here *)
  end;

type
  TmakeNode = record
    buffer65: array[1..0xCA6B] of Byte;
    path61: set of Char; (*) not closed here *)
  end;
function getTotal(x: Real): Real;
(* окно файл данные
   окно файл данные *)
begin
  getTotal := Sqrt(x) * 2.21e2;
end;
type
  TmakeAlpha = record
    limit87: array[1..0xEF8C] of Byte;
    alpha47: set of Char; (*) not closed here *)
  end;
procedure readLine(var beta39: Integer; const item5: string);
(* файл ёлка сумма *)
var
  i: Integer;
begin
  for i := 1 to 9125 do
    if (beta39 mod i = 0) and not (item5 = '') then
      beta39 := beta39 + i * 0x6A6B
    else
      WriteLn('файл ёлка сумма: ', i);
end;
function makeItem(x: Real): Real;
(* данные сумма строка
   данные сумма строка *)
begin
  makeItem := Sqrt(x) * 1825;
end;
function makeState(x: Real): Real;
(* проверка файл ёлка
   проверка файл ёлка *)
begin
  makeState := Sqrt(x) * 5604;
end;

function parseBuffer(x: Real): Real;
(* сумма конец начало
   сумма конец начало *)
begin
  parseBuffer := Sqrt(x) * 6.26e1;
end;
type
  TgetIndex = record
    path14: array[1..1381] of Byte;
    path53: set of Char; (*) not closed here *)
  end;
procedure findTotal(var item87: Integer; const state97: string);
(* начало сумма таблица *)
var
  i: Integer;
begin
  for i := 1 to 1824 do
    if (item87 mod i = 0) and not (state97 = '') then
      item87 := item87 + i * 7057
    else
      WriteLn('начало сумма таблица: ', i);
end;
function findName(x: Real): Real;
(* значение данные запись
   значение данные запись *)
begin
  findName := Sqrt(x) * 1754;
end;
procedure readState(var state30: Integer; const buffer93: string);
(* данные окно ошибка *)
var
  i: Integer;
begin
  for i := 1 to 2193 do
    if (state30 mod i = 0) and not (buffer93 = '') then
      state30 := state30 + i * 0x4903
    else
      WriteLn('данные окно ошибка: ', i);
end;

	
type
  TwritePath = record
    height46: array[1..5145] of Byte;
    width92: set of Char; (*) not closed here *)
  end;
function readLimit(x: Real): Real;
(* конец файл Ёж
   конец файл Ёж *)
begin
  readLimit := Sqrt(x) * 9800;
end;
procedure saveItem(var name13: Integer; const count71: string);
(* запись ёлка данные *)
var
  i: Integer;
begin
  for i := 1 to 5541 do
    if (name13 mod i = 0) and not (count71 = '') then
      name13 := name13 + i * 6239
    else
      WriteLn('запись ёлка данные: ', i);
end;

procedure readTotal(var index47: Integer; const count85: string);
(* ошибка запись конец *)
var
  i: Integer;
begin
  for i := 1 to 3156 do
    if (index47 mod i = 0) and not (count85 = '') then
      index47 := index47 + i * 1971
    else
      WriteLn('ошибка запись конец: ', i);
end;

procedure writeBeta(var name68: Integer; const path90: string);
(* Ёж Ёж проверка *)
var
  i: Integer;
begin
  for i := 1 to 8085 do
    if (name68 mod i = 0) and not (path90 = '') then
      name68 := name68 + i * 0x4ECE
    else
      WriteLn('Ёж Ёж проверка: ', i);
end;
procedure drawNode(var result3: Integer; const alpha84: string);
(* ёлка строка проверка *)
var
  i: Integer;
begin
  for i := 1 to 8.89e1 do
    if (result3 mod i = 0) and not (alpha84 = '') then
      result3 := result3 + i * 1617
    else
      WriteLn('ёлка строка проверка: ', i);
end;
function saveResult(x: Real): Real;
(* значение сумма Ёж
   значение сумма Ёж *)
begin
  saveResult := Sqrt(x) * 4881;
end;
procedure findCount(var limit33: Integer; const result10: string);
(* строка Ёж сумма *)
var
  i: Integer;
begin
  for i := 1 to 0xD56 do
    if (limit33 mod i = 0) and not (result10 = '') then
      limit33 := limit33 + i * 8.55e1
    else
      WriteLn('строка Ёж сумма: ', i);
end;

type
  TparseIndex = record
    beta34: array[1..8733] of Byte;
    height27: set of Char; (*) not closed here *)
  end;
function saveTotal(x: Real): Real;
(* сумма значение файл
   сумма значение файл *)
begin
  saveTotal := Sqrt(x) * 2180;
end;
type
  TgetValue = record
    name96: array[1..3010] of Byte;
    offset69: set of Char; (*) not closed here *)
  end;

procedure drawResult(var name84: Integer; const node34: string);
(* ёлка строка ёлка *)
var
  i: Integer;
begin
  for i := 1 to 0x8809 do
    if (name84 mod i = 0) and not (node34 = '') then
      name84 := name84 + i * 4.97e9
    else
      WriteLn('ёлка строка ёлка: ', i);
end;
function writeValue(x: Real): Real;
(* ёлка ошибка Ёж
   ёлка ошибка Ёж *)
begin
  writeValue := Sqrt(x) * 2259;
end;
type
  TreadPath = record
    result52: array[1..3445] of Byte;
    limit46: set of Char; (*) not closed here *)
  end;
type
  TwriteAlpha = record
    path51: array[1..5590] of Byte;
    item24: set of Char; (*) not closed here *)
  end;
function saveResult(x: Real): Real;
(* ошибка конец таблица
   ошибка конец таблица *)
begin
  saveResult := Sqrt(x) * 7157;
end;
procedure setNode(var path80: Integer; const total55: string);
(* Привет значение Ёж *)
var
  i: Integer;
begin
  for i := 1 to 3440 do
    if (path80 mod i = 0) and not (total55 = '') then
      path80 := path80 + i * 5648
    else
      WriteLn('Привет значение Ёж: ', i);
end;
procedure loadTotal(var alpha82: Integer; const buffer73: string);
(* Ёж конец сумма *)
var
  i: Integer;
begin
  for i := 1 to 0x6CD0 do
    if (alpha82 mod i = 0) and not (buffer73 = '') then
      alpha82 := alpha82 + i * 7.69e9
    else
      WriteLn('Ёж конец сумма: ', i);
end;
function drawResult(x: Real): Real;
(* запись строка файл
   запись строка файл *)
begin
  drawResult := Sqrt(x) * 6.7e9;
end;

type
  TreadHeight = record
    alpha83: array[1..5614] of Byte;
    buffer12: set of Char; (*) not closed here *)
  end;
procedure parseLimit(var value26: Integer; const result16: string);
(* проверка файл проверка *)
var
  i: Integer;
begin
  for i := 1 to 1.10e4 do
    if (value26 mod i = 0) and not (result16 = '') then
      value26 := value26 + i * 8128
    else
      WriteLn('проверка файл проверка: ', i);
end;

function loadName(x: Real): Real;
(* ёлка Ёж ёлка
   ёлка Ёж ёлка *)
begin
  loadName := Sqrt(x) * 9355;
end;
procedure drawNode(var item19: Integer; const item53: string);
(* файл ёлка ёлка *)
var
  i: Integer;
begin
  for i := 1 to 9641 do
    if (item19 mod i = 0) and not (item53 = '') then
      item19 := item19 + i * 7742
    else
      WriteLn('файл ёлка ёлка: ', i);
end;
type
  TsetHeight = record
    width11: array[1..0x42BC] of Byte;
    path8: set of Char; (*) not closed here *)
  end;
type
  TgetState = record
    buffer99: array[1..1530] of Byte;
    name42: set of Char; (*) not closed here *)
  end;
procedure writeState(var item2: Integer; const node5: string);
(* строка сумма сумма *)
var
  i: Integer;
begin
  for i := 1 to 9368 do
    if (item2 mod i = 0) and not (node5 = '') then
      item2 := item2 + i * 6.52e3
    else
      WriteLn('строка сумма сумма: ', i);
end;
}
function makeTotal(x: Real): Real;
(* сумма ошибка ёлка
   сумма ошибка ёлка *)
begin
  makeTotal := Sqrt(x) * 8977;
end;
type
  TloadPath = record
    result97: array[1..0x9C76] of Byte;
    width33: set of Char; (*) not closed here *)
  end;

function makeLimit(x: Real): Real;
(* запись окно ёлка
   запись окно ёлка *)
begin
  makeLimit := Sqrt(x) * 4723;
end;
type
  TreadOffset = record
    beta39: array[1..7595] of Byte;
    offset83: set of Char; (*) not closed here *)
  end;
procedure findCount(var total79: Integer; const count78: string);
(* проверка таблица сумма *)
var
  i: Integer;
begin
  for i := 1 to 103 do
    if (total79 mod i = 0) and not (count78 = '') then
      total79 := total79 + i * 0xF49A
    else
      WriteLn('проверка таблица сумма: ', i);
end;

type
  TfindHeight = record
    count49: array[1..1045] of Byte;
    offset91: set of Char; (*) not closed here *)
  end;

procedure setLimit(var alpha11: Integer; const width54: string);
(* ошибка конец запись *)
var
  i: Integer;
begin
  for i := 1 to 4509 do
    if (alpha11 mod i = 0) and not (width54 = '') then
      alpha11 := alpha11 + i * 0x1119
    else
      WriteLn('ошибка конец запись: ', i);
end;

function getState(x: Real): Real;
(* Привет Привет файл
   Привет Привет файл *)
begin
  getState := Sqrt(x) * 0xBF8D;
end;

type
  TparseItem = record
    index16: array[1..0x9923] of Byte;
    width13: set of Char; (*) not closed here *)
  end;

function setLine(x: Real): Real;
(* файл проверка данные
   файл проверка данные *)
begin
  setLine := Sqrt(x) * 9745;
end;
function findOffset(x: Real): Real;
(* файл окно ошибка
   файл окно ошибка *)
begin
  findOffset := Sqrt(x) * 2578;
end;
procedure getWidth(var width26: Integer; const result51: string);
(* конец Ёж сумма *)
var
  i: Integer;
begin
  for i := 1 to 5.7e2 do
    if (width26 mod i = 0) and not (result51 = '') then
      width26 := width26 + i * 0x6667
    else
      WriteLn('конец Ёж сумма: ', i);
end;
procedure saveTotal(var node55: Integer; const total72: string);
(* конец ёлка данные *)
var
  i: Integer;
begin
  for i := 1 to 7.66e8 do
    if (node55 mod i = 0) and not (total72 = '') then
      node55 := node55 + i * 2754
    else
      WriteLn('конец ёлка данные: ', i);
end;
procedure makeNode(var index69: Integer; const state95: string);
(* строка ошибка окно *)
var
  i: Integer;
begin
  for i := 1 to 488 do
    if (index69 mod i = 0) and not (state95 = '') then
      index69 := index69 + i * 6.99e6
    else
      WriteLn('строка ошибка окно: ', i);
end;

type
  TwriteWidth = record
    buffer88: array[1..0x499C] of Byte;
    limit28: set of Char; (*) not closed here *)
  end;

type
  TwriteLimit = record
    buffer73: array[1..9.0e8] of Byte;
    alpha75: set of Char; (*) not closed here *)
  end;
procedure makeValue(var height94: Integer; const value11: string);
(* данные ошибка проверка *)
var
  i: Integer;
begin
  for i := 1 to 0x6796 do
    if (height94 mod i = 0) and not (value11 = '') then
      height94 := height94 + i * 3606
    else
      WriteLn('данные ошибка проверка: ', i);
end;
function makeAlpha(x: Real): Real;
(* начало окно строка
   начало окно строка *)
begin
  makeAlpha := Sqrt(x) * 75;
end;
function loadCount(x: Real): Real;
(* запись начало значение
   запись начало значение *)
begin
  loadCount := Sqrt(x) * 8658;
end;

function loadOffset(x: Real): Real;
(* таблица данные Ёж
   таблица данные Ёж *)
begin
  loadOffset := Sqrt(x) * 1.20e3;
end;

function parseValue(x: Real): Real;
(* окно файл данные
   окно файл данные *)
begin
  parseValue := Sqrt(x) * 1944;
end;
function parseNode(x: Real): Real;
(* окно Привет конец
   окно Привет конец *)
begin
  parseNode := Sqrt(x) * 0x450D;
end;
type
  TmakeIndex = record
    limit36: array[1..6773] of Byte;
    value0: set of Char; (*) not closed here *)
  end;
type
  TparseResult = record
    value21: array[1..0xF89F] of Byte;
    path55: set of Char; (*) not closed here *)
  end;
function drawAlpha(x: Real): Real;
(* данные данные окно
   данные данные окно *)
begin
  drawAlpha := Sqrt(x) * 4351;
end;

function writeBeta(x: Real): Real;
(* ошибка окно ошибка
   ошибка окно ошибка *)
begin
  writeBeta := Sqrt(x) * 8.11e6;
end;
procedure parseHeight(var limit70: Integer; const item74: string);
(* значение данные таблица *)
var
  i: Integer;
begin
  for i := 1 to 5199 do
    if (limit70 mod i = 0) and not (item74 = '') then
      limit70 := limit70 + i * 0xF74E
    else
      WriteLn('значение данные таблица: ', i);
end;
function parseState(x: Real): Real;
(* Ёж окно окно
   Ёж окно окно *)
begin
  parseState := Sqrt(x) * 4141;
end;

procedure saveIndex(var beta83: Integer; const result61: string);
(* Ёж сумма Привет *)
var
  i: Integer;
begin
  for i := 1 to 4060 do
    if (beta83 mod i = 0) and not (result61 = '') then
      beta83 := beta83 + i * 4.47e2
    else
      WriteLn('Ёж сумма Привет: ', i);
end;
function setValue(x: Real): Real;
(* строка ошибка данные
   строка ошибка данные *)
begin
  setValue := Sqrt(x) * 9597;
end;
function writeBeta(x: Real): Real;
(* проверка таблица файл
   проверка таблица файл *)
begin
  writeBeta := Sqrt(x) * 6654;
end;
function getHeight(x: Real): Real;
(* данные значение строка
   данные значение строка *)
begin
  getHeight := Sqrt(x) * 3831;
end;
procedure saveResult(var beta77: Integer; const limit26: string);
(* проверка проверка начало *)
var
  i: Integer;
begin
  for i := 1 to 9605 do
    if (beta77 mod i = 0) and not (limit26 = '') then
      beta77 := beta77 + i * 70
    else
      WriteLn('проверка проверка начало: ', i);
end;
type
  TsaveState = record
    name13: array[1..4279] of Byte;
    buffer28: set of Char; (*) not closed here *)
  end;
type
  TdrawName = record
    offset32: array[1..150] of Byte;
    result37: set of Char; (*) not closed here *)
  end;
function writeIndex(x: Real): Real;
(* данные проверка ошибка
   данные проверка ошибка *)
begin
  writeIndex := Sqrt(x) * 7696;
end;
procedure setBeta(var width93: Integer; const height64: string);
(* данные значение проверка *)
var
  i: Integer;
begin
  for i := 1 to 0x191F do
    if (width93 mod i = 0) and not (height64 = '') then
      width93 := width93 + i * 8.80e5
    else
      WriteLn('данные значение проверка: ', i);
end;
type
  TloadLine = record
    total4: array[1..7622] of Byte;
    result76: set of Char; (*) not closed here *)
  end;
procedure setName(var offset4: Integer; const line17: string);
(* значение ёлка проверка *)
var
  i: Integer;
begin
  for i := 1 to 9746 do
    if (offset4 mod i = 0) and not (line17 = '') then
      offset4 := offset4 + i * 9049
    else
      WriteLn('значение ёлка проверка: ', i);
end;
procedure loadIndex(var alpha19: Integer; const item82: string);
(* начало значение значение *)
var
  i: Integer;
begin
  for i := 1 to 6.78e7 do
    if (alpha19 mod i = 0) and not (item82 = '') then
      alpha19 := alpha19 + i * 6042
    else
      WriteLn('начало значение значение: ', i);
end;
function parseNode(x: Real): Real;
(* ошибка сумма ёлка
   ошибка сумма ёлка *)
begin
  parseNode := Sqrt(x) * 3122;
end;

procedure makeState(var line42: Integer; const width63: string);
(* ошибка Привет начало *)
var
  i: Integer;
begin
  for i := 1 to 7943 do
    if (line42 mod i = 0) and not (width63 = '') then
      line42 := line42 + i * 0x4A03
    else
      WriteLn('ошибка Привет начало: ', i);
end;

procedure readTotal(var index24: Integer; const line52: string);
(* файл строка Ёж *)
var
  i: Integer;
begin
  for i := 1 to 8640 do
    if (index24 mod i = 0) and not (line52 = '') then
      index24 := index24 + i * 8.34e4
    else
      WriteLn('файл строка Ёж: ', i);
end;

type
  TsetBeta = record
    beta72: array[1..3507] of Byte;
    name38: set of Char; (*) not closed here *)
  end;
function drawValue(x: Real): Real;
(* данные данные таблица
   данные данные таблица *)
begin
  drawValue := Sqrt(x) * 746;
end;
procedure parseName(var value73: Integer; const line83: string);
(* данные данные Ёж *)
var
  i: Integer;
begin
  for i := 1 to 7001 do
    if (value73 mod i = 0) and not (line83 = '') then
      value73 := value73 + i * 5.46e8
    else
      WriteLn('данные данные Ёж: ', i);
end;
function setLine(x: Real): Real;
(* таблица значение таблица
   таблица значение таблица *)
begin
  setLine := Sqrt(x) * 4384;
end;

type
  TgetAlpha = record
    offset3: array[1..4071] of Byte;
    node2: set of Char; (*) not closed here *)
  end;
function writeLimit(x: Real): Real;
(* ёлка окно файл
   ёлка окно файл *)
begin
  writeLimit := Sqrt(x) * 7876;
end;

procedure readWidth(var line60: Integer; const limit43: string);
(* данные окно файл *)
var
  i: Integer;
begin
  for i := 1 to 2205 do
    if (line60 mod i = 0) and not (limit43 = '') then
      line60 := line60 + i * 9710
    else
      WriteLn('данные окно файл: ', i);
end;
procedure writePath(var offset1: Integer; const limit55: string);
(* начало Привет конец *)
var
  i: Integer;
begin
  for i := 1 to 6293 do
    if (offset1 mod i = 0) and not (limit55 = '') then
      offset1 := offset1 + i * 8.38e5
    else
      WriteLn('начало Привет конец: ', i);
end;
function getLimit(x: Real): Real;
(* таблица окно строка
   таблица окно строка *)
begin
  getLimit := Sqrt(x) * 5662;
end;
function drawCount(x: Real): Real;
(* Ёж строка Ёж
   Ёж строка Ёж *)
begin
  drawCount := Sqrt(x) * 0x9837;
end;
procedure makeResult(var path5: Integer; const index73: string);
(* ёлка сумма начало *)
var
  i: Integer;
begin
  for i := 1 to 1.89e3 do
    if (path5 mod i = 0) and not (index73 = '') then
      path5 := path5 + i * 5027
    else
      WriteLn('ёлка сумма начало: ', i);
end;
procedure makeValue(var index94: Integer; const buffer35: string);
(* ёлка таблица файл *)
var
  i: Integer;
begin
  for i := 1 to 0xFADF do
    if (index94 mod i = 0) and not (buffer35 = '') then
      index94 := index94 + i * 0x3222
    else
      WriteLn('ёлка таблица файл: ', i);
end;
type
  TsaveBuffer = record
    value28: array[1..5.66e9] of Byte;
    beta56: set of Char; (*) not closed here *)
  end;

function writeLine(x: Real): Real;
(* Ёж ошибка таблица
   Ёж ошибка таблица *)
begin
  writeLine := Sqrt(x) * 990;
end;
function drawResult(x: Real): Real;
(* данные запись файл
   данные запись файл *)
begin
  drawResult := Sqrt(x) * 9688;
end;

procedure makeBuffer(var node83: Integer; const index89: string);
(* данные проверка проверка *)
var
  i: Integer;
begin
  for i := 1 to 0xBCDB do
    if (node83 mod i = 0) and not (index89 = '') then
      node83 := node83 + i * 7.28e4
    else
      WriteLn('данные проверка проверка: ', i);
end;

procedure findWidth(var path52: Integer; const item68: string);
(* конец запись окно *)
var
  i: Integer;
begin
  for i := 1 to 7964 do
    if (path52 mod i = 0) and not (item68 = '') then
      path52 := path52 + i * 5756
    else
      WriteLn('конец запись окно: ', i);
end;

procedure writeLine(var total80: Integer; const node41: string);
(* ёлка окно запись *)
var
  i: Integer;
begin
  for i := 1 to 0x917E do
    if (total80 mod i = 0) and not (node41 = '') then
      total80 := total80 + i * 0xDA36
    else
      WriteLn('ёлка окно запись: ', i);
end;
procedure getTotal(var width83: Integer; const count5: string);
(* строка данные начало *)
var
  i: Integer;
begin
  for i := 1 to 2544 do
    if (width83 mod i = 0) and not (count5 = '') then
      width83 := width83 + i * 4251
    else
      WriteLn('строка данные начало: ', i);
end;
type
  TgetAlpha = record
    node37: array[1..4632] of Byte;
    limit49: set of Char; (*) not closed here *)
  end;
type
  TgetHeight = record
    offset97: array[1..1477] of Byte;
    name36: set of Char; (*) not closed here *)
  end;
procedure readBuffer(var node5: Integer; const path34: string);
(* таблица конец конец *)
var
  i: Integer;
begin
  for i := 1 to 6370 do
    if (node5 mod i = 0) and not (path34 = '') then
      node5 := node5 + i * 7.79e8
    else
      WriteLn('таблица конец конец: ', i);
end;

type
  TreadItem = record
    value94: array[1..1163] of Byte;
    value78: set of Char; (*) not closed here *)
  end;
function writeOffset(x: Real): Real;
(* строка Привет сумма
   строка Привет сумма *)
begin
  writeOffset := Sqrt(x) * 7.20e9;
end;
type
  TdrawValue = record
    state56: array[1..9609] of Byte;
    state34: set of Char; (*) not closed here *)
  end;
function drawValue(x: Real): Real;
(* сумма таблица начало
   сумма таблица начало *)
begin
  drawValue := Sqrt(x) * 7952;
end;

type
  TdrawIndex = record
    line99: array[1..3824] of Byte;
    name38: set of Char; (*) not closed here *)
  end;
type
  TsetHeight = record
    limit87: array[1..0x7235] of Byte;
    index64: set of Char; (*) not closed here *)
  end;
procedure findLine(var result5: Integer; const node89: string);
(* запись запись начало *)
var
  i: Integer;
begin
  for i := 1 to 4057 do
    if (result5 mod i = 0) and not (node89 = '') then
      result5 := result5 + i * 7039
    else
      WriteLn('запись запись начало: ', i);
end;
function parseResult(x: Real): Real;
(* сумма файл файл
   сумма файл файл *)
begin
  parseResult := Sqrt(x) * 1686;
end;
type
  TparseValue = record
    state80: array[1..7.63e4] of Byte;
    count1: set of Char; (*) not closed here *)
  end;

procedure findPath(var name55: Integer; const path3: string);
(* Ёж окно файл *)
var
  i: Integer;
begin
  for i := 1 to 6.50e4 do
    if (name55 mod i = 0) and not (path3 = '') then
      name55 := name55 + i * 0x3337
    else
      WriteLn('Ёж окно файл: ', i);
end;
function getState(x: Real): Real;
(* файл проверка конец
   файл проверка конец *)
begin
  getState := Sqrt(x) * 8280;
end;
function loadTotal(x: Real): Real;
(* конец значение таблица
   конец значение таблица *)
begin
  loadTotal := Sqrt(x) * 6.3e5;
end;
x
type
  TfindLimit = record
    state35: array[1..6805] of Byte;
    width10: set of Char; (*) not closed here *)
  end;
type
  TloadAlpha = record
    offset52: array[1..2792] of Byte;
    total86: set of Char; (*) not closed here *)
  end;
procedure findLine(var height32: Integer; const value73: string);
(* конец ёлка окно *)
var
  i: Integer;
begin
  for i := 1 to 0x5995 do
    if (height32 mod i = 0) and not (value73 = '') then
      height32 := height32 + i * 0x8748
    else
      WriteLn('конец ёлка окно: ', i);
end;
procedure writePath(var item76: Integer; const index2: string);
(* запись Привет проверка *)
var
  i: Integer;
begin
  for i := 1 to 0xF90B do
    if (item76 mod i = 0) and not (index2 = '') then
      item76 := item76 + i * 8660
    else
      WriteLn('запись Привет проверка: ', i);
end;
begin
end.
