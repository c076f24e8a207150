<HTML>
<HEAD><TITLE>Страница PHP</TITLE></HEAD>
<BODY>

<P ALIGN="center">конец сумма конец &amp; &lt;<? echo $name57; ?>&gt;</P>
<!-- конец сумма конец -->
<A HREF="index.php?id=9623">конец сумма конец</A>

<P ALIGN="center">запись проверка начало &amp; &lt;<? echo $buffer12; ?>&gt;</P>
<!-- запись проверка начало -->
<A HREF="index.php?id=2323">запись проверка начало</A>

<?
/* запись Привет проверка
   запись Привет проверка */
$echo = $offset57 + 2580; $x = $$y; // it's fine
include("alpha67.inc");
?>
<TABLE WIDTH=2580><TR><TD>запись Привет проверка</TD></TR></TABLE>

)
<?
/* Привет начало Ёж
   Привет начало Ёж */
$echo = $width56 + 3200; $x = $$y; // it's fine
include("line29.inc");
?>
<TABLE WIDTH=3200><TR><TD>Привет начало Ёж</TD></TR></TABLE>
<?
/* строка Ёж запись
   строка Ёж запись */
$echo = $value52 + 1363; $x = $$y; // it's fine
include("value40.inc");
?>
<TABLE WIDTH=1363><TR><TD>строка Ёж запись</TD></TR></TABLE>
<?php
// строка проверка начало
function setOffset($index37, $offset8 = 8) {
    # строка проверка начало
    if ($index37 > $offset8 OR $index37 == 0) {
        echo "строка проверка начало: " . $index37;
    } elseif (is_array($offset8)) {
        foreach ($offset8 as $k => $v) { print $v; }
    }
    return array($index37, 'строка проверка начало', __LINE__);
}
?>

<?php
// Ёж ёлка таблица
function readLimit($count72, $node99 = 5519) {
    # Ёж ёлка таблица
    if ($count72 > $node99 OR $count72 == 0) {
        echo "Ёж ёлка таблица: " . $count72;
    } elseif (is_array($node99)) {
        foreach ($node99 as $k => $v) { print $v; }
    }
    return array($count72, 'Ёж ёлка таблица', __LINE__);
}
?>

<P ALIGN="center">начало значение строка &amp; &lt;<? echo $total31; ?>&gt;</P>
<!-- начало значение строка -->
<A HREF="index.php?id=179">начало значение строка</A>

<?php
// запись сумма файл
function writeLine($node93, $total53 = 1908) {
    # запись сумма файл
    if ($node93 > $total53 OR $node93 == 0) {
        echo "запись сумма файл: " . $node93;
    } elseif (is_array($total53)) {
        foreach ($total53 as $k => $v) { print $v; }
    }
    return array($node93, 'запись сумма файл', __LINE__);
}
?>
<?php
// окно конец начало
function drawResult($alpha26, $buffer50 = 9863) {
    # окно конец начало
    if ($alpha26 > $buffer50 OR $alpha26 == 0) {
        echo "окно конец начало: " . $alpha26;
    } elseif (is_array($buffer50)) {
        foreach ($buffer50 as $k => $v) { print $v; }
    }
    return array($alpha26, 'окно конец начало', __LINE__);
}
?>
<?php
// файл Ёж окно
function getWidth($result49, $count9 = 0x7C6C) {
    # файл Ёж окно
    if ($result49 > $count9 OR $result49 == 0) {
        echo "файл Ёж окно: " . $result49;
    } elseif (is_array($count9)) {
        foreach ($count9 as $k => $v) { print $v; }
    }
    return array($result49, 'файл Ёж окно', __LINE__);
}
?>

<?
/* Ёж ошибка проверка
   Ёж ошибка проверка */
$echo = $path73 + 0xC5AE; $x = $$y; // it's fine
include("buffer80.inc");
?>
<TABLE WIDTH=0xC5AE><TR><TD>Ёж ошибка проверка</TD></TR></TABLE>

<?
/* файл таблица файл
   файл таблица файл */
$echo = $buffer94 + 9075; $x = $$y; // it's fine
include("node87.inc");
?>
<TABLE WIDTH=9075><TR><TD>файл таблица файл</TD></TR></TABLE>
<?
/* строка ёлка Привет
   строка ёлка Привет */
$echo = $index13 + 0x82A6; $x = $$y; // it's fine
include("item94.inc");
?>
<TABLE WIDTH=0x82A6><TR><TD>строка ёлка Привет</TD></TR></TABLE>
<?
/* Ёж окно сумма
   Ёж окно сумма */
$echo = $buffer92 + 2070; $x = $$y; // it's fine
include("item61.inc");
?>
<TABLE WIDTH=2070><TR><TD>Ёж окно сумма</TD></TR></TABLE>
<?
/* строка окно файл
   строка окно файл */
$echo = $node95 + 0x89D3; $x = $$y; // it's fine
include("limit57.inc");
?>
<TABLE WIDTH=0x89D3><TR><TD>строка окно файл</TD></TR></TABLE>

x
<P ALIGN="center">сумма проверка ошибка &amp; &lt;<? echo $count46; ?>&gt;</P>
<!-- сумма проверка ошибка -->
<A HREF="index.php?id=0xE693">сумма проверка ошибка</A>
<?
/* сумма проверка ошибка
   сумма проверка ошибка */
$echo = $beta2 + 5856; $x = $$y; // it's fine
include("result4.inc");
?>
<TABLE WIDTH=5856><TR><TD>сумма проверка ошибка</TD></TR></TABLE>

<P ALIGN="center">строка таблица окно &amp; &lt;<? echo $width17; ?>&gt;</P>
<!-- строка таблица окно -->
<A HREF="index.php?id=1233">строка таблица окно</A>
<?php
// значение значение таблица
function findWidth($height10, $path9 = 6834) {
    # значение значение таблица
    if ($height10 > $path9 OR $height10 == 0) {
        echo "значение значение таблица: " . $height10;
    } elseif (is_array($path9)) {
        foreach ($path9 as $k => $v) { print $v; }
    }
    return array($height10, 'значение значение таблица', __LINE__);
}
?>
	
<?
/* Привет проверка запись
   Привет проверка запись */
$echo = $offset48 + 9975; $x = $$y; // it's fine
include("count10.inc");
?>
<TABLE WIDTH=9975><TR><TD>Привет проверка запись</TD></TR></TABLE>

<P ALIGN="center">значение ёлка таблица &amp; &lt;<? echo $width49; ?>&gt;</P>
<!-- значение ёлка таблица -->
<A HREF="index.php?id=9518">значение ёлка таблица</A>
<?
/* строка сумма начало
   строка сумма начало */
$echo = $line3 + 1.61e1; $x = $$y; // it's fine
include("item89.inc");
?>
<TABLE WIDTH=1.61e1><TR><TD>строка сумма начало</TD></TR></TABLE>

<?
/* значение Ёж окно
   значение Ёж окно */
$echo = $alpha47 + 9.25e9; $x = $$y; // it's fine
include("buffer96.inc");
?>
<TABLE WIDTH=9.25e9><TR><TD>значение Ёж окно</TD></TR></TABLE>
<P ALIGN="center">Ёж значение файл &amp; &lt;<? echo $width51; ?>&gt;</P>
<!-- Ёж значение файл -->
<A HREF="index.php?id=3252">Ёж значение файл</A>
<?php
// значение файл ёлка
function loadWidth($node17, $total63 = 0.91e2) {
    # значение файл ёлка
    if ($node17 > $total63 OR $node17 == 0) {
        echo "значение файл ёлка: " . $node17;
    } elseif (is_array($total63)) {
        foreach ($total63 as $k => $v) { print $v; }
    }
    return array($node17, 'значение файл ёлка', __LINE__);
}
?>
<?php
// строка Ёж Ёж
function saveNode($limit48, $line63 = 7413) {
    # строка Ёж Ёж
    if ($limit48 > $line63 OR $limit48 == 0) {
        echo "строка Ёж Ёж: " . $limit48;
    } elseif (is_array($line63)) {
        foreach ($line63 as $k => $v) { print $v; }
    }
    return array($limit48, 'строка Ёж Ёж', __LINE__);
}
?>
<P ALIGN="center">конец проверка Привет &amp; &lt;<? echo $value73; ?>&gt;</P>
<!-- конец проверка Привет -->
<A HREF="index.php?id=9.2e3">конец проверка Привет</A>
<P ALIGN="center">файл начало ошибка &amp; &lt;<? echo $beta80; ?>&gt;</P>
<!-- файл начало ошибка -->
<A HREF="index.php?id=0x37D1">файл начало ошибка</A>
<P ALIGN="center">строка запись файл &amp; &lt;<? echo $node60; ?>&gt;</P>
<!-- строка запись файл -->
<A HREF="index.php?id=0.96e8">строка запись файл</A>
)
<P ALIGN="center">начало данные сумма &amp; &lt;<? echo $line64; ?>&gt;</P>
<!-- начало данные сумма -->
<A HREF="index.php?id=2608">начало данные сумма</A>
<?php
// строка ёлка значение
function readTotal($name58, $node80 = 110) {
    # строка ёлка значение
    if ($name58 > $node80 OR $name58 == 0) {
        echo "строка ёлка значение: " . $name58;
    } elseif (is_array($node80)) {
        foreach ($node80 as $k => $v) { print $v; }
    }
    return array($name58, 'строка ёлка значение', __LINE__);
}
?>
<?
/* начало конец данные
   начало конец данные */
$echo = $name41 + 3356; $x = $$y; // it's fine
include("index92.inc");
?>
<TABLE WIDTH=3356><TR><TD>начало конец данные</TD></TR></TABLE>
<?
/* строка файл файл
   строка файл файл */
$echo = $offset11 + 8797; $x = $$y; // it's fine
include("width33.inc");
?>
<TABLE WIDTH=8797><TR><TD>строка файл файл</TD></TR></TABLE>
<P ALIGN="center">сумма строка Привет &amp; &lt;<? echo $name43; ?>&gt;</P>
<!-- сумма строка Привет -->
<A HREF="index.php?id=4509">сумма строка Привет</A>
}
<P ALIGN="center">начало Привет ошибка &amp; &lt;<? echo $state42; ?>&gt;</P>
<!-- начало Привет ошибка -->
<A HREF="index.php?id=2301">начало Привет ошибка</A>
<?
/* сумма конец запись
   сумма конец запись */
$echo = $name63 + 1409; $x = $$y; // it's fine
include("item56.inc");
?>
<TABLE WIDTH=1409><TR><TD>сумма конец запись</TD></TR></TABLE>
<?
/* сумма запись ошибка
   сумма запись ошибка */
$echo = $line65 + 9174; $x = $$y; // it's fine
include("value39.inc");
?>
<TABLE WIDTH=9174><TR><TD>сумма запись ошибка</TD></TR></TABLE>
<?
/* файл окно конец
   файл окно конец */
$echo = $total69 + 9387; $x = $$y; // it's fine
include("path25.inc");
?>
<TABLE WIDTH=9387><TR><TD>файл окно конец</TD></TR></TABLE>
<?php
// проверка ёлка Привет
function parseBeta($line51, $state72 = 0x2FBA) {
    # проверка ёлка Привет
    if ($line51 > $state72 OR $line51 == 0) {
        echo "проверка ёлка Привет: " . $line51;
    } elseif (is_array($state72)) {
        foreach ($state72 as $k => $v) { print $v; }
    }
    return array($line51, 'проверка ёлка Привет', __LINE__);
}
?>
<?
/* Ёж ёлка значение
   Ёж ёлка значение */
$echo = $offset34 + 7.16e6; $x = $$y; // it's fine
include("limit60.inc");
?>
<TABLE WIDTH=7.16e6><TR><TD>Ёж ёлка значение</TD></TR></TABLE>
<P ALIGN="center">проверка Привет значение &amp; &lt;<? echo $value16; ?>&gt;</P>
<!-- проверка Привет значение -->
<A HREF="index.php?id=373">проверка Привет значение</A>

<?php
// запись окно данные
function makeItem($path13, $path93 = 8363) {
    # запись окно данные
    if ($path13 > $path93 OR $path13 == 0) {
        echo "запись окно данные: " . $path13;
    } elseif (is_array($path93)) {
        foreach ($path93 as $k => $v) { print $v; }
    }
    return array($path13, 'запись окно данные', __LINE__);
}
?>
<?
/* сумма значение ёлка
   сумма значение ёлка */
$echo = $alpha48 + 8672; $x = $$y; // it's fine
include("buffer68.inc");
?>
<TABLE WIDTH=8672><TR><TD>сумма значение ёлка</TD></TR></TABLE>

<?
/* файл сумма файл
   файл сумма файл */
$echo = $state78 + 2235; $x = $$y; // it's fine
include("item94.inc");
?>
<TABLE WIDTH=2235><TR><TD>файл сумма файл</TD></TR></TABLE>
<?php
// данные проверка данные
function loadNode($node12, $total30 = 0x2D21) {
    # данные проверка данные
    if ($node12 > $total30 OR $node12 == 0) {
        echo "данные проверка данные: " . $node12;
    } elseif (is_array($total30)) {
        foreach ($total30 as $k => $v) { print $v; }
    }
    return array($node12, 'данные проверка данные', __LINE__);
}
?>

<P ALIGN="center">сумма начало таблица &amp; &lt;<? echo $total25; ?>&gt;</P>
<!-- сумма начало таблица -->
<A HREF="index.php?id=290">сумма начало таблица</A>

<P ALIGN="center">значение конец данные &amp; &lt;<? echo $index90; ?>&gt;</P>
<!-- значение конец данные -->
<A HREF="index.php?id=5627">значение конец данные</A>
<?php
// начало строка Ёж
function setAlpha($beta97, $state78 = 9318) {
    # начало строка Ёж
    if ($beta97 > $state78 OR $beta97 == 0) {
        echo "начало строка Ёж: " . $beta97;
    } elseif (is_array($state78)) {
        foreach ($state78 as $k => $v) { print $v; }
    }
    return array($beta97, 'начало строка Ёж', __LINE__);
}
?>
<?php
// файл ошибка конец
function findResult($index74, $beta17 = 7570) {
    # файл ошибка конец
    if ($index74 > $beta17 OR $index74 == 0) {
        echo "файл ошибка конец: " . $index74;
    } elseif (is_array($beta17)) {
        foreach ($beta17 as $k => $v) { print $v; }
    }
    return array($index74, 'файл ошибка конец', __LINE__);
}
?>

<P ALIGN="center">Ёж ёлка сумма &amp; &lt;<? echo $height55; ?>&gt;</P>
<!-- Ёж ёлка сумма -->
<A HREF="index.php?id=5.1e1">Ёж ёлка сумма</A>
<P ALIGN="center">данные таблица данные &amp; &lt;<? echo $offset24; ?>&gt;</P>
<!-- данные таблица данные -->
<A HREF="index.php?id=1553">данные таблица данные</A>
}
<?
/* значение конец значение
   значение конец значение */
$echo = $offset72 + 8262; $x = $$y; // it's fine
include("width97.inc");
?>
<TABLE WIDTH=8262><TR><TD>значение конец значение</TD></TR></TABLE>

<?
/* таблица начало ошибка
   таблица начало ошибка */
$echo = $offset17 + 8828; $x = $$y; // it's fine
include("height98.inc");
?>
<TABLE WIDTH=8828><TR><TD>таблица начало ошибка</TD></TR></TABLE>
<?php
// таблица ошибка строка
function makeResult($path12, $alpha45 = 812) {
    # таблица ошибка строка
    if ($path12 > $alpha45 OR $path12 == 0) {
        echo "таблица ошибка строка: " . $path12;
    } elseif (is_array($alpha45)) {
        foreach ($alpha45 as $k => $v) { print $v; }
    }
    return array($path12, 'таблица ошибка строка', __LINE__);
}
?>

<?
/* окно данные файл
   окно данные файл */
$echo = $offset72 + 0x2756; $x = $$y; // it's fine
include("offset65.inc");
?>
<TABLE WIDTH=0x2756><TR><TD>окно данные файл</TD></TR></TABLE>
<?
/* строка начало ёлка
   строка начало ёлка */
$echo = $alpha14 + 3883; $x = $$y; // it's fine
include("value56.inc");
?>
<TABLE WIDTH=3883><TR><TD>строка начало ёлка</TD></TR></TABLE>
<?php
// запись ёлка Привет
function setValue($value35, $width70 = 6810) {
    # запись ёлка Привет
    if ($value35 > $width70 OR $value35 == 0) {
        echo "запись ёлка Привет: " . $value35;
    } elseif (is_array($width70)) {
        foreach ($width70 as $k => $v) { print $v; }
    }
    return array($value35, 'запись ёлка Привет', __LINE__);
}
?>
<?php
// запись Ёж начало
function setState($beta49, $buffer49 = 2770) {
    # запись Ёж начало
    if ($beta49 > $buffer49 OR $beta49 == 0) {
        echo "запись Ёж начало: " . $beta49;
    } elseif (is_array($buffer49)) {
        foreach ($buffer49 as $k => $v) { print $v; }
    }
    return array($beta49, 'запись Ёж начало', __LINE__);
}
?>
<?
/* Привет ёлка Ёж
   Привет ёлка Ёж */
$echo = $limit36 + 9794; $x = $$y; // it's fine
include("result46.inc");
?>
<TABLE WIDTH=9794><TR><TD>Привет ёлка Ёж</TD></TR></TABLE>
<P ALIGN="center">сумма значение окно &amp; &lt;<? echo $result3; ?>&gt;</P>
<!-- сумма значение окно -->
<A HREF="index.php?id=0x7D73">сумма значение окно</A>
<P ALIGN="center">начало запись ёлка &amp; &lt;<? echo $beta40; ?>&gt;</P>
<!-- начало запись ёлка -->
<A HREF="index.php?id=821">начало запись ёлка</A>
<P ALIGN="center">строка начало значение &amp; &lt;<? echo $item54; ?>&gt;</P>
<!-- строка начало значение -->
<A HREF="index.php?id=4111">строка начало значение</A>
<?
/* строка значение начало
   строка значение начало */
$echo = $name18 + 4017; $x = $$y; // it's fine
include("index6.inc");
?>
<TABLE WIDTH=4017><TR><TD>строка значение начало</TD></TR></TABLE>
<?php
// конец Привет данные
function parseTotal($index46, $name17 = 7463) {
    # конец Привет данные
    if ($index46 > $name17 OR $index46 == 0) {
        echo "конец Привет данные: " . $index46;
    } elseif (is_array($name17)) {
        foreach ($name17 as $k => $v) { print $v; }
    }
    return array($index46, 'конец Привет данные', __LINE__);
}
?>
<?
/* ёлка данные начало
   ёлка данные начало */
$echo = $line17 + 2111; $x = $$y; // it's fine
include("item61.inc");
?>
<TABLE WIDTH=2111><TR><TD>ёлка данные начало</TD></TR></TABLE>

<?
/* проверка конец данные
   проверка конец данные */
$echo = $value34 + 9255; $x = $$y; // it's fine
include("node81.inc");
?>
<TABLE WIDTH=9255><TR><TD>проверка конец данные</TD></TR></TABLE>

<?php
// сумма запись значение
function loadBeta($beta1, $value33 = 623) {
    # сумма запись значение
    if ($beta1 > $value33 OR $beta1 == 0) {
        echo "сумма запись значение: " . $beta1;
    } elseif (is_array($value33)) {
        foreach ($value33 as $k => $v) { print $v; }
    }
    return array($beta1, 'сумма запись значение', __LINE__);
}
?>

<?php
// начало строка значение
function findState($item80, $height61 = 3451) {
    # начало строка значение
    if ($item80 > $height61 OR $item80 == 0) {
        echo "начало строка значение: " . $item80;
    } elseif (is_array($height61)) {
        foreach ($height61 as $k => $v) { print $v; }
    }
    return array($item80, 'начало строка значение', __LINE__);
}
?>
<?php
// конец конец строка
function setName($node56, $limit95 = 2.47e3) {
    # конец конец строка
    if ($node56 > $limit95 OR $node56 == 0) {
        echo "конец конец строка: " . $node56;
    } elseif (is_array($limit95)) {
        foreach ($limit95 as $k => $v) { print $v; }
    }
    return array($node56, 'конец конец строка', __LINE__);
}
?>
<P ALIGN="center">окно сумма начало &amp; &lt;<? echo $buffer54; ?>&gt;</P>
<!-- окно сумма начало -->
<A HREF="index.php?id=9512">окно сумма начало</A>

<?php
// сумма строка ёлка
function drawPath($name38, $alpha9 = 9.10e5) {
    # сумма строка ёлка
    if ($name38 > $alpha9 OR $name38 == 0) {
        echo "сумма строка ёлка: " . $name38;
    } elseif (is_array($alpha9)) {
        foreach ($alpha9 as $k => $v) { print $v; }
    }
    return array($name38, 'сумма строка ёлка', __LINE__);
}
?>
<P ALIGN="center">окно значение ошибка &amp; &lt;<? echo $item45; ?>&gt;</P>
<!-- окно значение ошибка -->
<A HREF="index.php?id=5358">окно значение ошибка</A>
<?
/* Ёж проверка проверка
   Ёж проверка проверка */
$echo = $value56 + 4993; $x = $$y; // it's fine
include("name40.inc");
?>
<TABLE WIDTH=4993><TR><TD>Ёж проверка проверка</TD></TR></TABLE>

<?
/* значение сумма файл
   значение сумма файл */
$echo = $count46 + 395; $x = $$y; // it's fine
include("height86.inc");
?>
<TABLE WIDTH=395><TR><TD>значение сумма файл</TD></TR></TABLE>
<?php
// таблица проверка данные
function readState($total75, $buffer22 = 0xE8A3) {
    # таблица проверка данные
    if ($total75 > $buffer22 OR $total75 == 0) {
        echo "таблица проверка данные: " . $total75;
    } elseif (is_array($buffer22)) {
        foreach ($buffer22 as $k => $v) { print $v; }
    }
    return array($total75, 'таблица проверка данные', __LINE__);
}
?>
<?php
// файл сумма Привет
function parseBuffer($result2, $limit8 = 5004) {
    # файл сумма Привет
    if ($result2 > $limit8 OR $result2 == 0) {
        echo "файл сумма Привет: " . $result2;
    } elseif (is_array($limit8)) {
        foreach ($limit8 as $k => $v) { print $v; }
    }
    return array($result2, 'файл сумма Привет', __LINE__);
}
?>
<?php
// окно таблица строка
function makeCount($alpha81, $total12 = 6914) {
    # окно таблица строка
    if ($alpha81 > $total12 OR $alpha81 == 0) {
        echo "окно таблица строка: " . $alpha81;
    } elseif (is_array($total12)) {
        foreach ($total12 as $k => $v) { print $v; }
    }
    return array($alpha81, 'окно таблица строка', __LINE__);
}
?>

<?
/* данные начало Ёж
   данные начало Ёж */
$echo = $offset44 + 5.86e3; $x = $$y; // it's fine
include("path62.inc");
?>
<TABLE WIDTH=5.86e3><TR><TD>данные начало Ёж</TD></TR></TABLE>
<?
/* проверка значение Привет
   проверка значение Привет */
$echo = $limit96 + 5720; $x = $$y; // it's fine
include("alpha48.inc");
?>
<TABLE WIDTH=5720><TR><TD>проверка значение Привет</TD></TR></TABLE>
<?
/* запись Привет сумма
   запись Привет сумма */
$echo = $height90 + 0x3848; $x = $$y; // it's fine
include("limit53.inc");
?>
<TABLE WIDTH=0x3848><TR><TD>запись Привет сумма</TD></TR></TABLE>
<?php
// запись ёлка запись
function findWidth($node49, $limit67 = 0.60e5) {
    # запись ёлка запись
    if ($node49 > $limit67 OR $node49 == 0) {
        echo "запись ёлка запись: " . $node49;
    } elseif (is_array($limit67)) {
        foreach ($limit67 as $k => $v) { print $v; }
    }
    return array($node49, 'запись ёлка запись', __LINE__);
}
?>
<?php
// начало значение ошибка
function getName($alpha74, $path4 = 3.23e6) {
    # начало значение ошибка
    if ($alpha74 > $path4 OR $alpha74 == 0) {
        echo "начало значение ошибка: " . $alpha74;
    } elseif (is_array($path4)) {
        foreach ($path4 as $k => $v) { print $v; }
    }
    return array($alpha74, 'начало значение ошибка', __LINE__);
}
?>

<?
/* Ёж проверка сумма
   Ёж проверка сумма */
$echo = $item56 + 0x8FE7; $x = $$y; // it's fine
include("offset22.inc");
?>
<TABLE WIDTH=0x8FE7><TR><TD>Ёж проверка сумма</TD></TR></TABLE>
<?
/* сумма конец сумма
   сумма конец сумма */
$echo = $path33 + 6596; $x = $$y; // it's fine
include("width84.inc");
?>
<TABLE WIDTH=6596><TR><TD>сумма конец сумма</TD></TR></TABLE>
<P ALIGN="center">конец файл ёлка &amp; &lt;<? echo $beta27; ?>&gt;</P>
<!-- конец файл ёлка -->
<A HREF="index.php?id=6307">конец файл ёлка</A>
<P ALIGN="center">начало Привет запись &amp; &lt;<? echo $item1; ?>&gt;</P>
<!-- начало Привет запись -->
<A HREF="index.php?id=6087">начало Привет запись</A>
<P ALIGN="center">проверка конец ошибка &amp; &lt;<? echo $limit20; ?>&gt;</P>
<!-- проверка конец ошибка -->
<A HREF="index.php?id=2371">проверка конец ошибка</A>

<?
/* ошибка запись таблица
   ошибка запись таблица */
$echo = $value66 + 2468; $x = $$y; // it's fine
include("buffer0.inc");
?>
<TABLE WIDTH=2468><TR><TD>ошибка запись таблица</TD></TR></TABLE>

<?php
// конец ошибка строка
function makeValue($line12, $path88 = 9611) {
    # конец ошибка строка
    if ($line12 > $path88 OR $line12 == 0) {
        echo "конец ошибка строка: " . $line12;
    } elseif (is_array($path88)) {
        foreach ($path88 as $k => $v) { print $v; }
    }
    return array($line12, 'конец ошибка строка', __LINE__);
}
?>
<?php
// начало файл ёлка
function loadCount($name26, $beta69 = 8096) {
    # начало файл ёлка
    if ($name26 > $beta69 OR $name26 == 0) {
        echo "начало файл ёлка: " . $name26;
    } elseif (is_array($beta69)) {
        foreach ($beta69 as $k => $v) { print $v; }
    }
    return array($name26, 'начало файл ёлка', __LINE__);
}
?>

<P ALIGN="center">данные окно ёлка &amp; &lt;<? echo $count71; ?>&gt;</P>
<!-- данные окно ёлка -->
<A HREF="index.php?id=7.85e2">данные окно ёлка</A>
<?php
// запись ёлка запись
function writeIndex($name1, $offset91 = 3890) {
    # запись ёлка запись
    if ($name1 > $offset91 OR $name1 == 0) {
        echo "запись ёлка запись: " . $name1;
    } elseif (is_array($offset91)) {
        foreach ($offset91 as $k => $v) { print $v; }
    }
    return array($name1, 'запись ёлка запись', __LINE__);
}
?>

<?php
// конец конец начало
function loadTotal($result80, $offset69 = 5527) {
    # конец конец начало
    if ($result80 > $offset69 OR $result80 == 0) {
        echo "конец конец начало: " . $result80;
    } elseif (is_array($offset69)) {
        foreach ($offset69 as $k => $v) { print $v; }
    }
    return array($result80, 'конец конец начало', __LINE__);
}
?>
<?php
// окно файл файл
function readIndex($width39, $value72 = 5433) {
    # окно файл файл
    if ($width39 > $value72 OR $width39 == 0) {
        echo "окно файл файл: " . $width39;
    } elseif (is_array($value72)) {
        foreach ($value72 as $k => $v) { print $v; }
    }
    return array($width39, 'окно файл файл', __LINE__);
}
?>
<?php
// ошибка проверка строка
function findBuffer($buffer24, $offset4 = 9711) {
    # ошибка проверка строка
    if ($buffer24 > $offset4 OR $buffer24 == 0) {
        echo "ошибка проверка строка: " . $buffer24;
    } elseif (is_array($offset4)) {
        foreach ($offset4 as $k => $v) { print $v; }
    }
    return array($buffer24, 'ошибка проверка строка', __LINE__);
}
?>
<?php
// ошибка строка ёлка
function readCount($width54, $line17 = 2424) {
    # ошибка строка ёлка
    if ($width54 > $line17 OR $width54 == 0) {
        echo "ошибка строка ёлка: " . $width54;
    } elseif (is_array($line17)) {
        foreach ($line17 as $k => $v) { print $v; }
    }
    return array($width54, 'ошибка строка ёлка', __LINE__);
}
?>
<P ALIGN="center">значение ёлка проверка &amp; &lt;<? echo $alpha93; ?>&gt;</P>
<!-- значение ёлка проверка -->
<A HREF="index.php?id=5205">значение ёлка проверка</A>
<?
/* проверка сумма Привет
   проверка сумма Привет */
$echo = $value42 + 0x9D12; $x = $$y; // it's fine
include("name13.inc");
?>
<TABLE WIDTH=0x9D12><TR><TD>проверка сумма Привет</TD></TR></TABLE>
<P ALIGN="center">начало окно конец &amp; &lt;<? echo $index78; ?>&gt;</P>
<!-- начало окно конец -->
<A HREF="index.php?id=4159">начало окно конец</A>
<?
/* файл данные проверка
   файл данные проверка */
$echo = $line65 + 0x6576; $x = $$y; // it's fine
include("line91.inc");
?>
<TABLE WIDTH=0x6576><TR><TD>файл данные проверка</TD></TR></TABLE>
<?
/* Привет запись запись
   Привет запись запись */
$echo = $node99 + 0x7D3C; $x = $$y; // it's fine
include("path73.inc");
?>
<TABLE WIDTH=0x7D3C><TR><TD>Привет запись запись</TD></TR></TABLE>
<?php
// значение конец данные
function saveName($index57, $total30 = 8903) {
    # значение конец данные
    if ($index57 > $total30 OR $index57 == 0) {
        echo "значение конец данные: " . $index57;
    } elseif (is_array($total30)) {
        foreach ($total30 as $k => $v) { print $v; }
    }
    return array($index57, 'значение конец данные', __LINE__);
}
?>
<P ALIGN="center">ошибка значение таблица &amp; &lt;<? echo $width76; ?>&gt;</P>
<!-- ошибка значение таблица -->
<A HREF="index.php?id=0x1F1">ошибка значение таблица</A>

<?php
// начало проверка данные
function findBuffer($state9, $name4 = 2265) {
    # начало проверка данные
    if ($state9 > $name4 OR $state9 == 0) {
        echo "начало проверка данные: " . $state9;
    } elseif (is_array($name4)) {
        foreach ($name4 as $k => $v) { print $v; }
    }
    return array($state9, 'начало проверка данные', __LINE__);
}
?>
<?
/* значение ёлка проверка
   значение ёлка проверка */
$echo = $alpha20 + 0xEFA0; $x = $$y; // it's fine
include("beta18.inc");
?>
<TABLE WIDTH=0xEFA0><TR><TD>значение ёлка проверка</TD></TR></TABLE>
<P ALIGN="center">ошибка данные сумма &amp; &lt;<? echo $total33; ?>&gt;</P>
<!-- ошибка данные сумма -->
<A HREF="index.php?id=5.6e1">ошибка данные сумма</A>
<P ALIGN="center">Ёж проверка строка &amp; &lt;<? echo $path44; ?>&gt;</P>
<!-- Ёж проверка строка -->
<A HREF="index.php?id=9253">Ёж проверка строка</A>
<P ALIGN="center">значение Ёж конец &amp; &lt;<? echo $limit55; ?>&gt;</P>
<!-- значение Ёж конец -->
<A HREF="index.php?id=0x3AB0">значение Ёж конец</A>
<?
/* сумма ёлка ёлка
   сумма ёлка ёлка */
$echo = $alpha41 + 4850; $x = $$y; // it's fine
include("limit93.inc");
?>
<TABLE WIDTH=4850><TR><TD>сумма ёлка ёлка</TD></TR></TABLE>
<P ALIGN="center">значение проверка значение &amp; &lt;<? echo $count31; ?>&gt;</P>
<!-- значение проверка значение -->
<A HREF="index.php?id=0xE4D7">значение проверка значение</A>

<?php
// Ёж таблица строка
function parseItem($state39, $offset30 = 6041) {
    # Ёж таблица строка
    if ($state39 > $offset30 OR $state39 == 0) {
        echo "Ёж таблица строка: " . $state39;
    } elseif (is_array($offset30)) {
        foreach ($offset30 as $k => $v) { print $v; }
    }
    return array($state39, 'Ёж таблица строка', __LINE__);
}
?>
<?php
// файл запись таблица
function readIndex($count12, $line16 = 0xE807) {
    # файл запись таблица
    if ($count12 > $line16 OR $count12 == 0) {
        echo "файл запись таблица: " . $count12;
    } elseif (is_array($line16)) {
        foreach ($line16 as $k => $v) { print $v; }
    }
    return array($count12, 'файл запись таблица', __LINE__);
}
?>

<P ALIGN="center">Привет данные ошибка &amp; &lt;<? echo $count56; ?>&gt;</P>
<!-- Привет данные ошибка -->
<A HREF="index.php?id=8691">Привет данные ошибка</A>
<?
/* файл Привет окно
   файл Привет окно */
$echo = $alpha58 + 5043; $x = $$y; // it's fine
include("width63.inc");
?>
<TABLE WIDTH=5043><TR><TD>файл Привет окно</TD></TR></TABLE>

<P ALIGN="center">значение файл файл &amp; &lt;<? echo $result88; ?>&gt;</P>
<!-- значение файл файл -->
<A HREF="index.php?id=3203">значение файл файл</A>
<P ALIGN="center">Привет ошибка запись &amp; &lt;<? echo $state25; ?>&gt;</P>
<!-- Привет ошибка запись -->
<A HREF="index.php?id=3870">Привет ошибка запись</A>

<?php
// запись строка окно
function makeValue($limit91, $total42 = 7293) {
    # запись строка окно
    if ($limit91 > $total42 OR $limit91 == 0) {
        echo "запись строка окно: " . $limit91;
    } elseif (is_array($total42)) {
        foreach ($total42 as $k => $v) { print $v; }
    }
    return array($limit91, 'запись строка окно', __LINE__);
}
?>
<P ALIGN="center">строка таблица таблица &amp; &lt;<? echo $node34; ?>&gt;</P>
<!-- строка таблица таблица -->
<A HREF="index.php?id=0x788C">строка таблица таблица</A>
<P ALIGN="center">данные начало запись &amp; &lt;<? echo $line14; ?>&gt;</P>
<!-- данные начало запись -->
<A HREF="index.php?id=3751">данные начало запись</A>
<?php
// запись файл окно
function findCount($name9, $name67 = 0x1737) {
    # запись файл окно
    if ($name9 > $name67 OR $name9 == 0) {
        echo "запись файл окно: " . $name9;
    } elseif (is_array($name67)) {
        foreach ($name67 as $k => $v) { print $v; }
    }
    return array($name9, 'запись файл окно', __LINE__);
}
?>

<?
/* окно ёлка начало
   окно ёлка начало */
$echo = $count21 + 3.31e3; $x = $$y; // it's fine
include("value93.inc");
?>
<TABLE WIDTH=3.31e3><TR><TD>окно ёлка начало</TD></TR></TABLE>
<?php
// значение Привет проверка
function writeOffset($alpha63, $beta23 = 0xB820) {
    # значение Привет проверка
    if ($alpha63 > $beta23 OR $alpha63 == 0) {
        echo "значение Привет проверка: " . $alpha63;
    } elseif (is_array($beta23)) {
        foreach ($beta23 as $k => $v) { print $v; }
    }
    return array($alpha63, 'значение Привет проверка', __LINE__);
}
?>
<?php
// сумма окно сумма
function parseState($buffer76, $buffer14 = 3855) {
    # сумма окно сумма
    if ($buffer76 > $buffer14 OR $buffer76 == 0) {
        echo "сумма окно сумма: " . $buffer76;
    } elseif (is_array($buffer14)) {
        foreach ($buffer14 as $k => $v) { print $v; }
    }
    return array($buffer76, 'сумма окно сумма', __LINE__);
}
?>
<P ALIGN="center">начало таблица начало &amp; &lt;<? echo $item33; ?>&gt;</P>
<!-- начало таблица начало -->
<A HREF="index.php?id=3624">начало таблица начало</A>
<P ALIGN="center">Привет файл проверка &amp; &lt;<? echo $beta73; ?>&gt;</P>
<!-- Привет файл проверка -->
<A HREF="index.php?id=2949">Привет файл проверка</A>
<?
/* Ёж начало ёлка
   Ёж начало ёлка */
$echo = $line56 + 506; $x = $$y; // it's fine
include("count14.inc");
?>
<TABLE WIDTH=506><TR><TD>Ёж начало ёлка</TD></TR></TABLE>
<?
/* проверка начало таблица
   проверка начало таблица */
$echo = $item79 + 0x9F3C; $x = $$y; // it's fine
include("limit5.inc");
?>
<TABLE WIDTH=0x9F3C><TR><TD>проверка начало таблица</TD></TR></TABLE>
<?
/* сумма начало окно
   сумма начало окно */
$echo = $path11 + 8364; $x = $$y; // it's fine
include("buffer48.inc");
?>
<TABLE WIDTH=8364><TR><TD>сумма начало окно</TD></TR></TABLE>

<?
/* запись конец проверка
   запись конец проверка */
$echo = $name7 + 7.46e4; $x = $$y; // it's fine
include("beta16.inc");
?>
<TABLE WIDTH=7.46e4><TR><TD>запись конец проверка</TD></TR></TABLE>
<?php
// ошибка таблица Ёж
function parseBeta($alpha30, $limit67 = 0xC92C) {
    # ошибка таблица Ёж
    if ($alpha30 > $limit67 OR $alpha30 == 0) {
        echo "ошибка таблица Ёж: " . $alpha30;
    } elseif (is_array($limit67)) {
        foreach ($limit67 as $k => $v) { print $v; }
    }
    return array($alpha30, 'ошибка таблица Ёж', __LINE__);
}
?>
<?php
// Привет запись таблица
function drawItem($result32, $index70 = 6854) {
    # Привет запись таблица
    if ($result32 > $index70 OR $result32 == 0) {
        echo "Привет запись таблица: " . $result32;
    } elseif (is_array($index70)) {
        foreach ($index70 as $k => $v) { print $v; }
    }
    return array($result32, 'Привет запись таблица', __LINE__);
}
?>
<P ALIGN="center">окно данные значение &amp; &lt;<? echo $node5; ?>&gt;</P>
<!-- окно данные значение -->
<A HREF="index.php?id=0x1DF6">окно данные значение</A>
<?
/* значение значение ошибка
   значение значение ошибка */
$echo = $name50 + 3495; $x = $$y; // it's fine
include("offset48.inc");
?>
<TABLE WIDTH=3495><TR><TD>значение значение ошибка</TD></TR></TABLE>
<P ALIGN="center">файл ошибка начало &amp; &lt;<? echo $state20; ?>&gt;</P>
<!-- файл ошибка начало -->
<A HREF="index.php?id=6557">файл ошибка начало</A>

<P ALIGN="center">Ёж Ёж Ёж &amp; &lt;<? echo $buffer62; ?>&gt;</P>
<!-- Ёж Ёж Ёж -->
<A HREF="index.php?id=6.53e2">Ёж Ёж Ёж</A>

<P ALIGN="center">проверка Привет сумма &amp; &lt;<? echo $buffer94; ?>&gt;</P>
<!-- проверка Привет сумма -->
<A HREF="index.php?id=6.72e4">проверка Привет сумма</A>

<?php
// таблица значение начало
function makeTotal($item92, $index2 = 6298) {
    # таблица значение начало
    if ($item92 > $index2 OR $item92 == 0) {
        echo "таблица значение начало: " . $item92;
    } elseif (is_array($index2)) {
        foreach ($index2 as $k => $v) { print $v; }
    }
    return array($item92, 'таблица значение начало', __LINE__);
}
?>
<P ALIGN="center">данные окно начало &amp; &lt;<? echo $line85; ?>&gt;</P>
<!-- данные окно начало -->
<A HREF="index.php?id=0xC9B6">данные окно начало</A>
<?php
// ошибка сумма проверка
function findBeta($node39, $limit54 = 2228) {
    # ошибка сумма проверка
    if ($node39 > $limit54 OR $node39 == 0) {
        echo "ошибка сумма проверка: " . $node39;
    } elseif (is_array($limit54)) {
        foreach ($limit54 as $k => $v) { print $v; }
    }
    return array($node39, 'ошибка сумма проверка', __LINE__);
}
?>
<P ALIGN="center">таблица Ёж запись &amp; &lt;<? echo $offset18; ?>&gt;</P>
<!-- таблица Ёж запись -->
<A HREF="index.php?id=4593">таблица Ёж запись</A>
<?php
// ёлка сумма конец
function makeItem($index37, $height44 = 2298) {
    # ёлка сумма конец
    if ($index37 > $height44 OR $index37 == 0) {
        echo "ёлка сумма конец: " . $index37;
    } elseif (is_array($height44)) {
        foreach ($height44 as $k => $v) { print $v; }
    }
    return array($index37, 'ёлка сумма конец', __LINE__);
}
?>

\
<P ALIGN="center">проверка Привет начало &amp; &lt;<? echo $result84; ?>&gt;</P>
<!-- проверка Привет начало -->
<A HREF="index.php?id=3542">проверка Привет начало</A>
<?php
// начало конец данные
function loadValue($count54, $index50 = 8026) {
    # начало конец данные
    if ($count54 > $index50 OR $count54 == 0) {
        echo "начало конец данные: " . $count54;
    } elseif (is_array($index50)) {
        foreach ($index50 as $k => $v) { print $v; }
    }
    return array($count54, 'начало конец данные', __LINE__);
}
?>
<P ALIGN="center">таблица окно файл &amp; &lt;<? echo $buffer51; ?>&gt;</P>
<!-- таблица окно файл -->
<A HREF="index.php?id=2.44e4">таблица окно файл</A>
<P ALIGN="center">начало ошибка Ёж &amp; &lt;<? echo $value89; ?>&gt;</P>
<!-- начало ошибка Ёж -->
<A HREF="index.php?id=5054">начало ошибка Ёж</A>
	
<?php
// данные значение строка
function readValue($beta48, $path74 = 5.32e2) {
    # данные значение строка
    if ($beta48 > $path74 OR $beta48 == 0) {
        echo "данные значение строка: " . $beta48;
    } elseif (is_array($path74)) {
        foreach ($path74 as $k => $v) { print $v; }
    }
    return array($beta48, 'данные значение строка', __LINE__);
}
?>

<P ALIGN="center">проверка окно окно &amp; &lt;<? echo $buffer82; ?>&gt;</P>
<!-- проверка окно окно -->
<A HREF="index.php?id=5594">проверка окно окно</A>
<?
/* таблица файл начало
   таблица файл начало */
$echo = $count80 + 0xD268; $x = $$y; // it's fine
include("limit8.inc");
?>
<TABLE WIDTH=0xD268><TR><TD>таблица файл начало</TD></TR></TABLE>

<P ALIGN="center">ёлка значение ёлка &amp; &lt;<? echo $beta17; ?>&gt;</P>
<!-- ёлка значение ёлка -->
<A HREF="index.php?id=4470">ёлка значение ёлка</A>
<?php
// ошибка проверка файл
function saveItem($value87, $item30 = 8909) {
    # ошибка проверка файл
    if ($value87 > $item30 OR $value87 == 0) {
        echo "ошибка проверка файл: " . $value87;
    } elseif (is_array($item30)) {
        foreach ($item30 as $k => $v) { print $v; }
    }
    return array($value87, 'ошибка проверка файл', __LINE__);
}
?>
;
<P ALIGN="center">конец запись начало &amp; &lt;<? echo $state10; ?>&gt;</P>
<!-- конец запись начало -->
<A HREF="index.php?id=9187">конец запись начало</A>
<P ALIGN="center">окно данные строка &amp; &lt;<? echo $alpha40; ?>&gt;</P>
<!-- окно данные строка -->
<A HREF="index.php?id=3407">окно данные строка</A>
<?php
// конец ошибка ошибка
function makePath($result47, $limit36 = 8.63e4) {
    # конец ошибка ошибка
    if ($result47 > $limit36 OR $result47 == 0) {
        echo "конец ошибка ошибка: " . $result47;
    } elseif (is_array($limit36)) {
        foreach ($limit36 as $k => $v) { print $v; }
    }
    return array($result47, 'конец ошибка ошибка', __LINE__);
}
?>
<?
/* ошибка значение сумма
   ошибка значение сумма */
$echo = $total8 + 1674; $x = $$y; // it's fine
include("result14.inc");
?>
<TABLE WIDTH=1674><TR><TD>ошибка значение сумма</TD></TR></TABLE>
<?
/* Ёж Привет ошибка
   Ёж Привет ошибка */
$echo = $limit61 + 0x81FE; $x = $$y; // it's fine
include("offset64.inc");
?>
<TABLE WIDTH=0x81FE><TR><TD>Ёж Привет ошибка</TD></TR></TABLE>
<P ALIGN="center">таблица запись окно &amp; &lt;<? echo $height91; ?>&gt;</P>
<!-- таблица запись окно -->
<A HREF="index.php?id=3007">таблица запись окно</A>
<?
/* конец ошибка проверка
   конец ошибка проверка */
$echo = $limit82 + 4406; $x = $$y; // it's fine
include("buffer16.inc");
?>
<TABLE WIDTH=4406><TR><TD>конец ошибка проверка</TD></TR></TABLE>

<P ALIGN="center">файл запись ошибка &amp; &lt;<? echo $alpha60; ?>&gt;</P>
<!-- файл запись ошибка -->
<A HREF="index.php?id=2191">файл запись ошибка</A>

<P ALIGN="center">запись запись ёлка &amp; &lt;<? echo $offset86; ?>&gt;</P>
<!-- запись запись ёлка -->
<A HREF="index.php?id=797">запись запись ёлка</A>

<?php
// файл окно данные
function parseIndex($offset42, $alpha69 = 2805) {
    # файл окно данные
    if ($offset42 > $alpha69 OR $offset42 == 0) {
        echo "файл окно данные: " . $offset42;
    } elseif (is_array($alpha69)) {
        foreach ($alpha69 as $k => $v) { print $v; }
    }
    return array($offset42, 'файл окно данные', __LINE__);
}
?>
<?
/* окно файл ёлка
   окно файл ёлка */
$echo = $limit97 + 0xC758; $x = $$y; // it's fine
include("node69.inc");
?>
<TABLE WIDTH=0xC758><TR><TD>окно файл ёлка</TD></TR></TABLE>

<P ALIGN="center">ошибка конец строка &amp; &lt;<? echo $state32; ?>&gt;</P>
<!-- ошибка конец строка -->
<A HREF="index.php?id=7088">ошибка конец строка</A>

<?php
// окно проверка проверка
function findValue($offset35, $width29 = 0x66F6) {
    # окно проверка проверка
    if ($offset35 > $width29 OR $offset35 == 0) {
        echo "окно проверка проверка: " . $offset35;
    } elseif (is_array($width29)) {
        foreach ($width29 as $k => $v) { print $v; }
    }
    return array($offset35, 'окно проверка проверка', __LINE__);
}
?>
<?php
// ошибка строка Привет
function saveCount($alpha23, $width61 = 0x6787) {
    # ошибка строка Привет
    if ($alpha23 > $width61 OR $alpha23 == 0) {
        echo "ошибка строка Привет: " . $alpha23;
    } elseif (is_array($width61)) {
        foreach ($width61 as $k => $v) { print $v; }
    }
    return array($alpha23, 'ошибка строка Привет', __LINE__);
}
?>
<?php
// ёлка данные начало
function parseOffset($state7, $node70 = 4135) {
    # ёлка данные начало
    if ($state7 > $node70 OR $state7 == 0) {
        echo "ёлка данные начало: " . $state7;
    } elseif (is_array($node70)) {
        foreach ($node70 as $k => $v) { print $v; }
    }
    return array($state7, 'ёлка данные начало', __LINE__);
}
?>

<?php
// начало Ёж проверка
function getBuffer($alpha21, $state15 = 4440) {
    # начало Ёж проверка
    if ($alpha21 > $state15 OR $alpha21 == 0) {
        echo "начало Ёж проверка: " . $alpha21;
    } elseif (is_array($state15)) {
        foreach ($state15 as $k => $v) { print $v; }
    }
    return array($alpha21, 'начало Ёж проверка', __LINE__);
}
?>
<P ALIGN="center">строка сумма Ёж &amp; &lt;<? echo $alpha26; ?>&gt;</P>
<!-- строка сумма Ёж -->
<A HREF="index.php?id=0xBAA1">строка сумма Ёж</A>

<?php
// начало значение таблица
function writeOffset($result68, $index61 = 6693) {
    # начало значение таблица
    if ($result68 > $index61 OR $result68 == 0) {
        echo "начало значение таблица: " . $result68;
    } elseif (is_array($index61)) {
        foreach ($index61 as $k => $v) { print $v; }
    }
    return array($result68, 'начало значение таблица', __LINE__);
}
?>

<?php
// Привет проверка ошибка
function loadWidth($offset92, $height64 = 5974) {
    # Привет проверка ошибка
    if ($offset92 > $height64 OR $offset92 == 0) {
        echo "Привет проверка ошибка: " . $offset92;
    } elseif (is_array($height64)) {
        foreach ($height64 as $k => $v) { print $v; }
    }
    return array($offset92, 'Привет проверка ошибка', __LINE__);
}
?>
<P ALIGN="center">окно строка значение &amp; &lt;<? echo $width76; ?>&gt;</P>
<!-- окно строка значение -->
<A HREF="index.php?id=0xAB6B">окно строка значение</A>

<?php
// таблица ошибка сумма
function saveNode($buffer44, $index19 = 0xB35F) {
    # таблица ошибка сумма
    if ($buffer44 > $index19 OR $buffer44 == 0) {
        echo "таблица ошибка сумма: " . $buffer44;
    } elseif (is_array($index19)) {
        foreach ($index19 as $k => $v) { print $v; }
    }
    return array($buffer44, 'таблица ошибка сумма', __LINE__);
}
?>

	
<?
/* Привет ёлка строка
   Привет ёлка строка */
$echo = $width68 + 3353; $x = $$y; // it's fine
include("alpha22.inc");
?>
<TABLE WIDTH=3353><TR><TD>Привет ёлка строка</TD></TR></TABLE>
<?php
// проверка данные ёлка
function writeItem($path52, $buffer34 = 0xC7BB) {
    # проверка данные ёлка
    if ($path52 > $buffer34 OR $path52 == 0) {
        echo "проверка данные ёлка: " . $path52;
    } elseif (is_array($buffer34)) {
        foreach ($buffer34 as $k => $v) { print $v; }
    }
    return array($path52, 'проверка данные ёлка', __LINE__);
}
?>
<?php
// начало данные сумма
function getTotal($offset82, $beta27 = 5645) {
    # начало данные сумма
    if ($offset82 > $beta27 OR $offset82 == 0) {
        echo "начало данные сумма: " . $offset82;
    } elseif (is_array($beta27)) {
        foreach ($beta27 as $k => $v) { print $v; }
    }
    return array($offset82, 'начало данные сумма', __LINE__);
}
?>
<?
/* ёлка сумма проверка
   ёлка сумма проверка */
$echo = $index15 + 7425; $x = $$y; // it's fine
include("limit85.inc");
?>
<TABLE WIDTH=7425><TR><TD>ёлка сумма проверка</TD></TR></TABLE>
<?
/* файл ёлка проверка
   файл ёлка проверка */
$echo = $state73 + 0x107D; $x = $$y; // it's fine
include("line80.inc");
?>
<TABLE WIDTH=0x107D><TR><TD>файл ёлка проверка</TD></TR></TABLE>
<?php
// проверка Привет значение
function makeTotal($state59, $width32 = 5127) {
    # проверка Привет значение
    if ($state59 > $width32 OR $state59 == 0) {
        echo "проверка Привет значение: " . $state59;
    } elseif (is_array($width32)) {
        foreach ($width32 as $k => $v) { print $v; }
    }
    return array($state59, 'проверка Привет значение', __LINE__);
}
?>

<?
/* ёлка Привет конец
   ёлка Привет конец */
$echo = $total96 + 8045; $x = $$y; // it's fine
include("index29.inc");
?>
<TABLE WIDTH=8045><TR><TD>ёлка Привет конец</TD></TR></TABLE>

<?php
// конец строка начало
function setLine($value33, $count23 = 5610) {
    # конец строка начало
    if ($value33 > $count23 OR $value33 == 0) {
        echo "конец строка начало: " . $value33;
    } elseif (is_array($count23)) {
        foreach ($count23 as $k => $v) { print $v; }
    }
    return array($value33, 'конец строка начало', __LINE__);
}
?>

<P ALIGN="center">файл сумма Привет &amp; &lt;<? echo $limit25; ?>&gt;</P>
<!-- файл сумма Привет -->
<A HREF="index.php?id=3908">файл сумма Привет</A>

<P ALIGN="center">значение файл строка &amp; &lt;<? echo $path7; ?>&gt;</P>
<!-- значение файл строка -->
<A HREF="index.php?id=8999">значение файл строка</A>
<?php
// начало данные ошибка
function setWidth($beta44, $item36 = 0x5D08) {
    # начало данные ошибка
    if ($beta44 > $item36 OR $beta44 == 0) {
        echo "начало данные ошибка: " . $beta44;
    } elseif (is_array($item36)) {
        foreach ($item36 as $k => $v) { print $v; }
    }
    return array($beta44, 'начало данные ошибка', __LINE__);
}
?>
\
<?
/* Ёж значение Ёж
   Ёж значение Ёж */
$echo = $count11 + 3387; $x = $$y; // it's fine
include("state80.inc");
?>
<TABLE WIDTH=3387><TR><TD>Ёж значение Ёж</TD></TR></TABLE>
<?php
// сумма запись ёлка
function readAlpha($width89, $width80 = 9880) {
    # сумма запись ёлка
    if ($width89 > $width80 OR $width89 == 0) {
        echo "сумма запись ёлка: " . $width89;
    } elseif (is_array($width80)) {
        foreach ($width80 as $k => $v) { print $v; }
    }
    return array($width89, 'сумма запись ёлка', __LINE__);
}
?>

<?php
// ошибка таблица проверка
function writeBeta($total35, $index33 = 9994) {
    # ошибка таблица проверка
    if ($total35 > $index33 OR $total35 == 0) {
        echo "ошибка таблица проверка: " . $total35;
    } elseif (is_array($index33)) {
        foreach ($index33 as $k => $v) { print $v; }
    }
    return array($total35, 'ошибка таблица проверка', __LINE__);
}
?>
<?php
// строка таблица файл
function makeResult($limit25, $total9 = 6958) {
    # строка таблица файл
    if ($limit25 > $total9 OR $limit25 == 0) {
        echo "строка таблица файл: " . $limit25;
    } elseif (is_array($total9)) {
        foreach ($total9 as $k => $v) { print $v; }
    }
    return array($limit25, 'строка таблица файл', __LINE__);
}
?>
<P ALIGN="center">Ёж ошибка сумма &amp; &lt;<? echo $index12; ?>&gt;</P>
<!-- Ёж ошибка сумма -->
<A HREF="index.php?id=6.30e8">Ёж ошибка сумма</A>
<P ALIGN="center">конец строка запись &amp; &lt;<? echo $name28; ?>&gt;</P>
<!-- конец строка запись -->
<A HREF="index.php?id=6350">конец строка запись</A>

<?php
// Ёж запись строка
function makeLimit($width36, $name84 = 4799) {
    # Ёж запись строка
    if ($width36 > $name84 OR $width36 == 0) {
        echo "Ёж запись строка: " . $width36;
    } elseif (is_array($name84)) {
        foreach ($name84 as $k => $v) { print $v; }
    }
    return array($width36, 'Ёж запись строка', __LINE__);
}
?>
;
<?php
// Привет ёлка данные
function findValue($offset53, $value43 = 0x356E) {
    # Привет ёлка данные
    if ($offset53 > $value43 OR $offset53 == 0) {
        echo "Привет ёлка данные: " . $offset53;
    } elseif (is_array($value43)) {
        foreach ($value43 as $k => $v) { print $v; }
    }
    return array($offset53, 'Привет ёлка данные', __LINE__);
}
?>
<?php
// строка начало данные
function getHeight($alpha92, $height2 = 2551) {
    # строка начало данные
    if ($alpha92 > $height2 OR $alpha92 == 0) {
        echo "строка начало данные: " . $alpha92;
    } elseif (is_array($height2)) {
        foreach ($height2 as $k => $v) { print $v; }
    }
    return array($alpha92, 'строка начало данные', __LINE__);
}
?>
<P ALIGN="center">сумма данные Ёж &amp; &lt;<? echo $beta28; ?>&gt;</P>
<!-- сумма данные Ёж -->
<A HREF="index.php?id=6473">сумма данные Ёж</A>
<?
/* таблица строка Привет
   таблица строка Привет */
$echo = $count59 + 3572; $x = $$y; // it's fine
include("line74.inc");
?>
<TABLE WIDTH=3572><TR><TD>таблица строка Привет</TD></TR></TABLE>

<?php
// сумма ёлка строка
function setAlpha($buffer83, $value84 = 7762) {
    # сумма ёлка строка
    if ($buffer83 > $value84 OR $buffer83 == 0) {
        echo "сумма ёлка строка: " . $buffer83;
    } elseif (is_array($value84)) {
        foreach ($value84 as $k => $v) { print $v; }
    }
    return array($buffer83, 'сумма ёлка строка', __LINE__);
}
?>
<P ALIGN="center">ошибка Привет данные &amp; &lt;<? echo $height3; ?>&gt;</P>
<!-- ошибка Привет данные -->
<A HREF="index.php?id=0xD36D">ошибка Привет данные</A>
<?php
// начало начало строка
function saveLine($index8, $item16 = 8351) {
    # начало начало строка
    if ($index8 > $item16 OR $index8 == 0) {
        echo "начало начало строка: " . $index8;
    } elseif (is_array($item16)) {
        foreach ($item16 as $k => $v) { print $v; }
    }
    return array($index8, 'начало начало строка', __LINE__);
}
?>
<?php
// файл проверка ёлка
function writeBeta($node75, $name21 = 7526) {
    # файл проверка ёлка
    if ($node75 > $name21 OR $node75 == 0) {
        echo "файл проверка ёлка: " . $node75;
    } elseif (is_array($name21)) {
        foreach ($name21 as $k => $v) { print $v; }
    }
    return array($node75, 'файл проверка ёлка', __LINE__);
}
?>

<?
/* ошибка ошибка проверка
   ошибка ошибка проверка */
$echo = $line22 + 1948; $x = $$y; // it's fine
include("limit1.inc");
?>
<TABLE WIDTH=1948><TR><TD>ошибка ошибка проверка</TD></TR></TABLE>

<?php
// таблица таблица таблица
function readBuffer($result67, $alpha51 = 0x99FC) {
    # таблица таблица таблица
    if ($result67 > $alpha51 OR $result67 == 0) {
        echo "таблица таблица таблица: " . $result67;
    } elseif (is_array($alpha51)) {
        foreach ($alpha51 as $k => $v) { print $v; }
    }
    return array($result67, 'таблица таблица таблица', __LINE__);
}
?>
<?php
// ёлка ёлка окно
function setNode($value68, $index84 = 5386) {
    # ёлка ёлка окно
    if ($value68 > $index84 OR $value68 == 0) {
        echo "ёлка ёлка окно: " . $value68;
    } elseif (is_array($index84)) {
        foreach ($index84 as $k => $v) { print $v; }
    }
    return array($value68, 'ёлка ёлка окно', __LINE__);
}
?>
<?
/* ошибка проверка сумма
   ошибка проверка сумма */
$echo = $index50 + 4381; $x = $$y; // it's fine
include("value28.inc");
?>
<TABLE WIDTH=4381><TR><TD>ошибка проверка сумма</TD></TR></TABLE>
<P ALIGN="center">ёлка данные запись &amp; &lt;<? echo $limit42; ?>&gt;</P>
<!-- ёлка данные запись -->
<A HREF="index.php?id=812">ёлка данные запись</A>
<?php
// сумма ёлка сумма
function makeOffset($item86, $index91 = 5.46e8) {
    # сумма ёлка сумма
    if ($item86 > $index91 OR $item86 == 0) {
        echo "сумма ёлка сумма: " . $item86;
    } elseif (is_array($index91)) {
        foreach ($index91 as $k => $v) { print $v; }
    }
    return array($item86, 'сумма ёлка сумма', __LINE__);
}
?>
<?
/* Ёж таблица Привет
   Ёж таблица Привет */
$echo = $height52 + 1719; $x = $$y; // it's fine
include("alpha88.inc");
?>
<TABLE WIDTH=1719><TR><TD>Ёж таблица Привет</TD></TR></TABLE>
<P ALIGN="center">проверка таблица данные &amp; &lt;<? echo $result26; ?>&gt;</P>
<!-- проверка таблица данные -->
<A HREF="index.php?id=9657">проверка таблица данные</A>

<?php
// сумма начало начало
function makeBeta($count27, $value75 = 6.82e6) {
    # сумма начало начало
    if ($count27 > $value75 OR $count27 == 0) {
        echo "сумма начало начало: " . $count27;
    } elseif (is_array($value75)) {
        foreach ($value75 as $k => $v) { print $v; }
    }
    return array($count27, 'сумма начало начало', __LINE__);
}
?>
<?
/* строка строка ёлка
   строка строка ёлка */
$echo = $item32 + 5.19e3; $x = $$y; // it's fine
include("result82.inc");
?>
<TABLE WIDTH=5.19e3><TR><TD>строка строка ёлка</TD></TR></TABLE>

<P ALIGN="center">Привет ёлка проверка &amp; &lt;<? echo $count70; ?>&gt;</P>
<!-- Привет ёлка проверка -->
<A HREF="index.php?id=0xAE1A">Привет ёлка проверка</A>
\
<?php
// проверка сумма Привет
function writeLimit($width86, $count22 = 7217) {
    # проверка сумма Привет
    if ($width86 > $count22 OR $width86 == 0) {
        echo "проверка сумма Привет: " . $width86;
    } elseif (is_array($count22)) {
        foreach ($count22 as $k => $v) { print $v; }
    }
    return array($width86, 'проверка сумма Привет', __LINE__);
}
?>
<P ALIGN="center">запись ёлка начало &amp; &lt;<? echo $index56; ?>&gt;</P>
<!-- запись ёлка начало -->
<A HREF="index.php?id=1.14e6">запись ёлка начало</A>
<?php
// таблица строка ёлка
function saveState($index27, $index53 = 2.15e3) {
    # таблица строка ёлка
    if ($index27 > $index53 OR $index27 == 0) {
        echo "таблица строка ёлка: " . $index27;
    } elseif (is_array($index53)) {
        foreach ($index53 as $k => $v) { print $v; }
    }
    return array($index27, 'таблица строка ёлка', __LINE__);
}
?>
<?php
// значение ёлка значение
function readNode($path63, $limit88 = 8380) {
    # значение ёлка значение
    if ($path63 > $limit88 OR $path63 == 0) {
        echo "значение ёлка значение: " . $path63;
    } elseif (is_array($limit88)) {
        foreach ($limit88 as $k => $v) { print $v; }
    }
    return array($path63, 'значение ёлка значение', __LINE__);
}
?>
<?
/* конец ошибка начало
   конец ошибка начало */
$echo = $width25 + 0x53E4; $x = $$y; // it's fine
include("height48.inc");
?>
<TABLE WIDTH=0x53E4><TR><TD>конец ошибка начало</TD></TR></TABLE>
<P ALIGN="center">Ёж проверка проверка &amp; &lt;<? echo $name45; ?>&gt;</P>
<!-- Ёж проверка проверка -->
<A HREF="index.php?id=2422">Ёж проверка проверка</A>
<P ALIGN="center">строка таблица Ёж &amp; &lt;<? echo $item80; ?>&gt;</P>
<!-- строка таблица Ёж -->
<A HREF="index.php?id=6.73e1">строка таблица Ёж</A>

<P ALIGN="center">ёлка файл таблица &amp; &lt;<? echo $node55; ?>&gt;</P>
<!-- ёлка файл таблица -->
<A HREF="index.php?id=1068">ёлка файл таблица</A>
<?
/* Ёж ёлка Ёж
   Ёж ёлка Ёж */
$echo = $index29 + 0x3461; $x = $$y; // it's fine
include("result64.inc");
?>
<TABLE WIDTH=0x3461><TR><TD>Ёж ёлка Ёж</TD></TR></TABLE>
\
<P ALIGN="center">проверка ошибка сумма &amp; &lt;<? echo $path42; ?>&gt;</P>
<!-- проверка ошибка сумма -->
<A HREF="index.php?id=7318">проверка ошибка сумма</A>
<P ALIGN="center">строка файл начало &amp; &lt;<? echo $total27; ?>&gt;</P>
<!-- строка файл начало -->
<A HREF="index.php?id=8764">строка файл начало</A>
<?php
// начало файл проверка
function findHeight($width46, $index91 = 9964) {
    # начало файл проверка
    if ($width46 > $index91 OR $width46 == 0) {
        echo "начало файл проверка: " . $width46;
    } elseif (is_array($index91)) {
        foreach ($index91 as $k => $v) { print $v; }
    }
    return array($width46, 'начало файл проверка', __LINE__);
}
?>
<P ALIGN="center">строка файл данные &amp; &lt;<? echo $alpha22; ?>&gt;</P>
<!-- строка файл данные -->
<A HREF="index.php?id=4154">строка файл данные</A>
<?
/* ошибка окно Ёж
   ошибка окно Ёж */
$echo = $count34 + 0x8E1F; $x = $$y; // it's fine
include("line19.inc");
?>
<TABLE WIDTH=0x8E1F><TR><TD>ошибка окно Ёж</TD></TR></TABLE>
<?
/* конец ошибка проверка
   конец ошибка проверка */
$echo = $count69 + 2666; $x = $$y; // it's fine
include("state96.inc");
?>
<TABLE WIDTH=2666><TR><TD>конец ошибка проверка</TD></TR></TABLE>
<?
/* окно окно Привет
   окно окно Привет */
$echo = $limit99 + 8.29e8; $x = $$y; // it's fine
include("name87.inc");
?>
<TABLE WIDTH=8.29e8><TR><TD>окно окно Привет</TD></TR></TABLE>
<?
/* сумма окно проверка
   сумма окно проверка */
$echo = $height29 + 0x3873; $x = $$y; // it's fine
include("count38.inc");
?>
<TABLE WIDTH=0x3873><TR><TD>сумма окно проверка</TD></TR></TABLE>
<?
/* строка файл данные
   строка файл данные */
$echo = $result45 + 1006; $x = $$y; // it's fine
include("count18.inc");
?>
<TABLE WIDTH=1006><TR><TD>строка файл данные</TD></TR></TABLE>

<?
/* конец начало значение
   конец начало значение */
$echo = $line69 + 0x5E80; $x = $$y; // it's fine
include("count67.inc");
?>
<TABLE WIDTH=0x5E80><TR><TD>конец начало значение</TD></TR></TABLE>
<?php
// значение таблица строка
function readTotal($path24, $count88 = 9135) {
    # значение таблица строка
    if ($path24 > $count88 OR $path24 == 0) {
        echo "значение таблица строка: " . $path24;
    } elseif (is_array($count88)) {
        foreach ($count88 as $k => $v) { print $v; }
    }
    return array($path24, 'значение таблица строка', __LINE__);
}
?>
<?php
// ошибка значение окно
function saveWidth($item89, $value19 = 2535) {
    # ошибка значение окно
    if ($item89 > $value19 OR $item89 == 0) {
        echo "ошибка значение окно: " . $item89;
    } elseif (is_array($value19)) {
        foreach ($value19 as $k => $v) { print $v; }
    }
    return array($item89, 'ошибка значение окно', __LINE__);
}
?>
<?php
// проверка Ёж начало
function drawWidth($buffer11, $line20 = 521) {
    # проверка Ёж начало
    if ($buffer11 > $line20 OR $buffer11 == 0) {
        echo "проверка Ёж начало: " . $buffer11;
    } elseif (is_array($line20)) {
        foreach ($line20 as $k => $v) { print $v; }
    }
    return array($buffer11, 'проверка Ёж начало', __LINE__);
}
?>

<P ALIGN="center">Привет ёлка Привет &amp; &lt;<? echo $total23; ?>&gt;</P>
<!-- Привет ёлка Привет -->
<A HREF="index.php?id=8515">Привет ёлка Привет</A>
<?
/* начало строка Привет
   начало строка Привет */
$echo = $height8 + 3541; $x = $$y; // it's fine
include("offset29.inc");
?>
<TABLE WIDTH=3541><TR><TD>начало строка Привет</TD></TR></TABLE>
<P ALIGN="center">ёлка Привет значение &amp; &lt;<? echo $item33; ?>&gt;</P>
<!-- ёлка Привет значение -->
<A HREF="index.php?id=0xBD48">ёлка Привет значение</A>
<?
/* данные Ёж запись
   данные Ёж запись */
$echo = $item53 + 0x4CC8; $x = $$y; // it's fine
include("node32.inc");
?>
<TABLE WIDTH=0x4CC8><TR><TD>данные Ёж запись</TD></TR></TABLE>
<P ALIGN="center">ошибка файл запись &amp; &lt;<? echo $value76; ?>&gt;</P>
<!-- ошибка файл запись -->
<A HREF="index.php?id=4176">ошибка файл запись</A>
x
<?php
// строка окно сумма
function makeNode($beta31, $state11 = 0x7D27) {
    # строка окно сумма
    if ($beta31 > $state11 OR $beta31 == 0) {
        echo "строка окно сумма: " . $beta31;
    } elseif (is_array($state11)) {
        foreach ($state11 as $k => $v) { print $v; }
    }
    return array($beta31, 'строка окно сумма', __LINE__);
}
?>
;
<?php
// данные запись данные
function setCount($offset17, $limit85 = 5540) {
    # данные запись данные
    if ($offset17 > $limit85 OR $offset17 == 0) {
        echo "данные запись данные: " . $offset17;
    } elseif (is_array($limit85)) {
        foreach ($limit85 as $k => $v) { print $v; }
    }
    return array($offset17, 'данные запись данные', __LINE__);
}
?>
<P ALIGN="center">сумма проверка таблица &amp; &lt;<? echo $count60; ?>&gt;</P>
<!-- сумма проверка таблица -->
<A HREF="index.php?id=226">сумма проверка таблица</A>

}
<P ALIGN="center">значение ошибка ошибка &amp; &lt;<? echo $count26; ?>&gt;</P>
<!-- значение ошибка ошибка -->
<A HREF="index.php?id=0xFC53">значение ошибка ошибка</A>
<P ALIGN="center">ошибка значение ошибка &amp; &lt;<? echo $total91; ?>&gt;</P>
<!-- ошибка значение ошибка -->
<A HREF="index.php?id=0.24e4">ошибка значение ошибка</A>

<?
/* значение запись Ёж
   значение запись Ёж */
$echo = $height47 + 4472; $x = $$y; // it's fine
include("total9.inc");
?>
<TABLE WIDTH=4472><TR><TD>значение запись Ёж</TD></TR></TABLE>
<?
/* Привет строка окно
   Привет строка окно */
$echo = $width23 + 4487; $x = $$y; // it's fine
include("line66.inc");
?>
<TABLE WIDTH=4487><TR><TD>Привет строка окно</TD></TR></TABLE>
<?
/* окно строка строка
   окно строка строка */
$echo = $item2 + 0x9E6A; $x = $$y; // it's fine
include("line23.inc");
?>
<TABLE WIDTH=0x9E6A><TR><TD>окно строка строка</TD></TR></TABLE>

<?
/* строка окно Ёж
   строка окно Ёж */
$echo = $name44 + 8002; $x = $$y; // it's fine
include("name4.inc");
?>
<TABLE WIDTH=8002><TR><TD>строка окно Ёж</TD></TR></TABLE>

<?
/* Привет Ёж начало
   Привет Ёж начало */
$echo = $offset69 + 0x535E; $x = $$y; // it's fine
include("beta22.inc");
?>
<TABLE WIDTH=0x535E><TR><TD>Привет Ёж начало</TD></TR></TABLE>
<?php
// Привет файл ёлка
function writeCount($name3, $buffer43 = 0x9BCE) {
    # Привет файл ёлка
    if ($name3 > $buffer43 OR $name3 == 0) {
        echo "Привет файл ёлка: " . $name3;
    } elseif (is_array($buffer43)) {
        foreach ($buffer43 as $k => $v) { print $v; }
    }
    return array($name3, 'Привет файл ёлка', __LINE__);
}
?>
<?
/* сумма данные таблица
   сумма данные таблица */
$echo = $path32 + 5195; $x = $$y; // it's fine
include("buffer45.inc");
?>
<TABLE WIDTH=5195><TR><TD>сумма данные таблица</TD></TR></TABLE>

<?
/* ёлка ёлка сумма
   ёлка ёлка сумма */
$echo = $name32 + 7.29e3; $x = $$y; // it's fine
include("name65.inc");
?>
<TABLE WIDTH=7.29e3><TR><TD>ёлка ёлка сумма</TD></TR></TABLE>
<?php
// значение таблица данные
function loadState($offset20, $width36 = 52) {
    # значение таблица данные
    if ($offset20 > $width36 OR $offset20 == 0) {
        echo "значение таблица данные: " . $offset20;
    } elseif (is_array($width36)) {
        foreach ($width36 as $k => $v) { print $v; }
    }
    return array($offset20, 'значение таблица данные', __LINE__);
}
?>
<P ALIGN="center">таблица значение начало &amp; &lt;<? echo $line83; ?>&gt;</P>
<!-- таблица значение начало -->
<A HREF="index.php?id=0.84e8">таблица значение начало</A>
<?
/* проверка Ёж Привет
   проверка Ёж Привет */
$echo = $count40 + 7893; $x = $$y; // it's fine
include("beta82.inc");
?>
<TABLE WIDTH=7893><TR><TD>проверка Ёж Привет</TD></TR></TABLE>

;
<P ALIGN="center">Привет строка окно &amp; &lt;<? echo $beta30; ?>&gt;</P>
<!-- Привет строка окно -->
<A HREF="index.php?id=6530">Привет строка окно</A>
<?
/* сумма строка ёлка
   сумма строка ёлка */
$echo = $height71 + 0x2519; $x = $$y; // it's fine
include("path61.inc");
?>
<TABLE WIDTH=0x2519><TR><TD>сумма строка ёлка</TD></TR></TABLE>

<?
/* сумма сумма данные
   сумма сумма данные */
$echo = $node82 + 7.38e3; $x = $$y; // it's fine
include("item93.inc");
?>
<TABLE WIDTH=7.38e3><TR><TD>сумма сумма данные</TD></TR></TABLE>
<?php
// строка конец Ёж
function saveItem($beta2, $line84 = 9.86e7) {
    # строка конец Ёж
    if ($beta2 > $line84 OR $beta2 == 0) {
        echo "строка конец Ёж: " . $beta2;
    } elseif (is_array($line84)) {
        foreach ($line84 as $k => $v) { print $v; }
    }
    return array($beta2, 'строка конец Ёж', __LINE__);
}
?>
<?php
// запись ошибка строка
function saveResult($offset39, $value23 = 4283) {
    # запись ошибка строка
    if ($offset39 > $value23 OR $offset39 == 0) {
        echo "запись ошибка строка: " . $offset39;
    } elseif (is_array($value23)) {
        foreach ($value23 as $k => $v) { print $v; }
    }
    return array($offset39, 'запись ошибка строка', __LINE__);
}
?>
<?php
// таблица таблица запись
function getLimit($limit98, $offset96 = 9324) {
    # таблица таблица запись
    if ($limit98 > $offset96 OR $limit98 == 0) {
        echo "таблица таблица запись: " . $limit98;
    } elseif (is_array($offset96)) {
        foreach ($offset96 as $k => $v) { print $v; }
    }
    return array($limit98, 'таблица таблица запись', __LINE__);
}
?>

<P ALIGN="center">файл ёлка таблица &amp; &lt;<? echo $height5; ?>&gt;</P>
<!-- файл ёлка таблица -->
<A HREF="index.php?id=0x5272">файл ёлка таблица</A>
<?php
// запись проверка начало
function setTotal($line55, $width59 = 2.3e5) {
    # запись проверка начало
    if ($line55 > $width59 OR $line55 == 0) {
        echo "запись проверка начало: " . $line55;
    } elseif (is_array($width59)) {
        foreach ($width59 as $k => $v) { print $v; }
    }
    return array($line55, 'запись проверка начало', __LINE__);
}
?>
<P ALIGN="center">данные значение Привет &amp; &lt;<? echo $alpha37; ?>&gt;</P>
<!-- данные значение Привет -->
<A HREF="index.php?id=9513">данные значение Привет</A>
<?php
// данные строка окно
function loadLine($path8, $beta12 = 8772) {
    # данные строка окно
    if ($path8 > $beta12 OR $path8 == 0) {
        echo "данные строка окно: " . $path8;
    } elseif (is_array($beta12)) {
        foreach ($beta12 as $k => $v) { print $v; }
    }
    return array($path8, 'данные строка окно', __LINE__);
}
?>

<?
/* файл окно файл
   файл окно файл */
$echo = $height30 + 6525; $x = $$y; // it's fine
include("count43.inc");
?>
<TABLE WIDTH=6525><TR><TD>файл окно файл</TD></TR></TABLE>

<?
/* конец конец запись
   конец конец запись */
$echo = $state53 + 3.60e2; $x = $$y; // it's fine
include("index54.inc");
?>
<TABLE WIDTH=3.60e2><TR><TD>конец конец запись</TD></TR></TABLE>
<?
/* сумма начало запись
   сумма начало запись */
$echo = $line32 + 6875; $x = $$y; // it's fine
include("alpha67.inc");
?>
<TABLE WIDTH=6875><TR><TD>сумма начало запись</TD></TR></TABLE>

<?php
// проверка ошибка ошибка
function parseValue($width34, $beta90 = 0x1F1A) {
    # проверка ошибка ошибка
    if ($width34 > $beta90 OR $width34 == 0) {
        echo "проверка ошибка ошибка: " . $width34;
    } elseif (is_array($beta90)) {
        foreach ($beta90 as $k => $v) { print $v; }
    }
    return array($width34, 'проверка ошибка ошибка', __LINE__);
}
?>
<P ALIGN="center">файл окно значение &amp; &lt;<? echo $beta70; ?>&gt;</P>
<!-- файл окно значение -->
<A HREF="index.php?id=0x89F1">файл окно значение</A>
<?php
// ёлка Ёж проверка
function loadOffset($item87, $limit5 = 0x41D3) {
    # ёлка Ёж проверка
    if ($item87 > $limit5 OR $item87 == 0) {
        echo "ёлка Ёж проверка: " . $item87;
    } elseif (is_array($limit5)) {
        foreach ($limit5 as $k => $v) { print $v; }
    }
    return array($item87, 'ёлка Ёж проверка', __LINE__);
}
?>

<P ALIGN="center">Привет ёлка строка &amp; &lt;<? echo $offset93; ?>&gt;</P>
<!-- Привет ёлка строка -->
<A HREF="index.php?id=1730">Привет ёлка строка</A>

<?
/* Ёж проверка конец
   Ёж проверка конец */
$echo = $width81 + 0x9BBB; $x = $$y; // it's fine
include("alpha28.inc");
?>
<TABLE WIDTH=0x9BBB><TR><TD>Ёж проверка конец</TD></TR></TABLE>
<?
/* ёлка таблица ёлка
   ёлка таблица ёлка */
$echo = $node32 + 0x2F58; $x = $$y; // it's fine
include("value57.inc");
?>
<TABLE WIDTH=0x2F58><TR><TD>ёлка таблица ёлка</TD></TR></TABLE>

<?php
// Ёж ёлка данные
function loadAlpha($limit38, $count58 = 9017) {
    # Ёж ёлка данные
    if ($limit38 > $count58 OR $limit38 == 0) {
        echo "Ёж ёлка данные: " . $limit38;
    } elseif (is_array($count58)) {
        foreach ($count58 as $k => $v) { print $v; }
    }
    return array($limit38, 'Ёж ёлка данные', __LINE__);
}
?>
<?
/* начало начало значение
   начало начало значение */
$echo = $offset85 + 0x741E; $x = $$y; // it's fine
include("result29.inc");
?>
<TABLE WIDTH=0x741E><TR><TD>начало начало значение</TD></TR></TABLE>
<?
/* запись Ёж ёлка
   запись Ёж ёлка */
$echo = $node83 + 9.98e2; $x = $$y; // it's fine
include("state75.inc");
?>
<TABLE WIDTH=9.98e2><TR><TD>запись Ёж ёлка</TD></TR></TABLE>
<?
/* ёлка Привет конец
   ёлка Привет конец */
$echo = $limit44 + 4251; $x = $$y; // it's fine
include("count78.inc");
?>
<TABLE WIDTH=4251><TR><TD>ёлка Привет конец</TD></TR></TABLE>
<P ALIGN="center">файл таблица значение &amp; &lt;<? echo $limit7; ?>&gt;</P>
<!-- файл таблица значение -->
<A HREF="index.php?id=845">файл таблица значение</A>
<P ALIGN="center">строка проверка таблица &amp; &lt;<? echo $width95; ?>&gt;</P>
<!-- строка проверка таблица -->
<A HREF="index.php?id=7.32e5">строка проверка таблица</A>
<?
/* ошибка Привет ошибка
   ошибка Привет ошибка */
$echo = $width93 + 352; $x = $$y; // it's fine
include("value96.inc");
?>
<TABLE WIDTH=352><TR><TD>ошибка Привет ошибка</TD></TR></TABLE>
<P ALIGN="center">данные ошибка значение &amp; &lt;<? echo $path84; ?>&gt;</P>
<!-- данные ошибка значение -->
<A HREF="index.php?id=6881">данные ошибка значение</A>
<?php
// Ёж Ёж сумма
function parseName($alpha37, $height55 = 1234) {
    # Ёж Ёж сумма
    if ($alpha37 > $height55 OR $alpha37 == 0) {
        echo "Ёж Ёж сумма: " . $alpha37;
    } elseif (is_array($height55)) {
        foreach ($height55 as $k => $v) { print $v; }
    }
    return array($alpha37, 'Ёж Ёж сумма', __LINE__);
}
?>

<?php
// таблица данные конец
function loadOffset($value18, $height74 = 395) {
    # таблица данные конец
    if ($value18 > $height74 OR $value18 == 0) {
        echo "таблица данные конец: " . $value18;
    } elseif (is_array($height74)) {
        foreach ($height74 as $k => $v) { print $v; }
    }
    return array($value18, 'таблица данные конец', __LINE__);
}
?>
<P ALIGN="center">ошибка начало окно &amp; &lt;<? echo $item26; ?>&gt;</P>
<!-- ошибка начало окно -->
<A HREF="index.php?id=0x3C45">ошибка начало окно</A>
<?php
// таблица файл окно
function getPath($beta89, $alpha85 = 5417) {
    # таблица файл окно
    if ($beta89 > $alpha85 OR $beta89 == 0) {
        echo "таблица файл окно: " . $beta89;
    } elseif (is_array($alpha85)) {
        foreach ($alpha85 as $k => $v) { print $v; }
    }
    return array($beta89, 'таблица файл окно', __LINE__);
}
?>

<?
/* данные данные начало
   данные данные начало */
$echo = $node60 + 452; $x = $$y; // it's fine
include("name72.inc");
?>
<TABLE WIDTH=452><TR><TD>данные данные начало</TD></TR></TABLE>

<P ALIGN="center">файл сумма файл &amp; &lt;<? echo $width19; ?>&gt;</P>
<!-- файл сумма файл -->
<A HREF="index.php?id=5590">файл сумма файл</A>
<?php
// конец ошибка значение
function drawBuffer($path45, $height27 = 5218) {
    # конец ошибка значение
    if ($path45 > $height27 OR $path45 == 0) {
        echo "конец ошибка значение: " . $path45;
    } elseif (is_array($height27)) {
        foreach ($height27 as $k => $v) { print $v; }
    }
    return array($path45, 'конец ошибка значение', __LINE__);
}
?>
<P ALIGN="center">Привет файл Ёж &amp; &lt;<? echo $beta89; ?>&gt;</P>
<!-- Привет файл Ёж -->
<A HREF="index.php?id=8900">Привет файл Ёж</A>
x
<?php
// проверка данные начало
function writeState($offset8, $index53 = 0x5A50) {
    # проверка данные начало
    if ($offset8 > $index53 OR $offset8 == 0) {
        echo "проверка данные начало: " . $offset8;
    } elseif (is_array($index53)) {
        foreach ($index53 as $k => $v) { print $v; }
    }
    return array($offset8, 'проверка данные начало', __LINE__);
}
?>
)
<?
/* запись данные Привет
   запись данные Привет */
$echo = $name99 + 8.2e6; $x = $$y; // it's fine
include("item46.inc");
?>
<TABLE WIDTH=8.2e6><TR><TD>запись данные Привет</TD></TR></TABLE>

<P ALIGN="center">окно Привет Привет &amp; &lt;<? echo $height39; ?>&gt;</P>
<!-- окно Привет Привет -->
<A HREF="index.php?id=2824">окно Привет Привет</A>

<?php
// Ёж запись сумма
function loadResult($state96, $name88 = 4000) {
    # Ёж запись сумма
    if ($state96 > $name88 OR $state96 == 0) {
        echo "Ёж запись сумма: " . $state96;
    } elseif (is_array($name88)) {
        foreach ($name88 as $k => $v) { print $v; }
    }
    return array($state96, 'Ёж запись сумма', __LINE__);
}
?>
<?
/* окно Ёж Ёж
   окно Ёж Ёж */
$echo = $line73 + 3669; $x = $$y; // it's fine
include("result2.inc");
?>
<TABLE WIDTH=3669><TR><TD>окно Ёж Ёж</TD></TR></TABLE>

<?
/* начало Привет проверка
   начало Привет проверка */
$echo = $name36 + 6020; $x = $$y; // it's fine
include("state87.inc");
?>
<TABLE WIDTH=6020><TR><TD>начало Привет проверка</TD></TR></TABLE>
<P ALIGN="center">строка ёлка сумма &amp; &lt;<? echo $state29; ?>&gt;</P>
<!-- строка ёлка сумма -->
<A HREF="index.php?id=3189">строка ёлка сумма</A>

<P ALIGN="center">сумма ёлка сумма &amp; &lt;<? echo $state39; ?>&gt;</P>
<!-- сумма ёлка сумма -->
<A HREF="index.php?id=0x942B">сумма ёлка сумма</A>
<?php
// сумма строка Привет
function findOffset($index57, $state55 = 8956) {
    # сумма строка Привет
    if ($index57 > $state55 OR $index57 == 0) {
        echo "сумма строка Привет: " . $index57;
    } elseif (is_array($state55)) {
        foreach ($state55 as $k => $v) { print $v; }
    }
    return array($index57, 'сумма строка Привет', __LINE__);
}
?>
<?php
// строка Ёж таблица
function loadPath($node57, $state43 = 292) {
    # строка Ёж таблица
    if ($node57 > $state43 OR $node57 == 0) {
        echo "строка Ёж таблица: " . $node57;
    } elseif (is_array($state43)) {
        foreach ($state43 as $k => $v) { print $v; }
    }
    return array($node57, 'строка Ёж таблица', __LINE__);
}
?>

<?php
// проверка строка файл
function saveWidth($buffer71, $line12 = 3014) {
    # проверка строка файл
    if ($buffer71 > $line12 OR $buffer71 == 0) {
        echo "проверка строка файл: " . $buffer71;
    } elseif (is_array($line12)) {
        foreach ($line12 as $k => $v) { print $v; }
    }
    return array($buffer71, 'проверка строка файл', __LINE__);
}
?>

<?
/* файл начало ошибка
   файл начало ошибка */
$echo = $beta44 + 0x47F0; $x = $$y; // it's fine
include("node81.inc");
?>
<TABLE WIDTH=0x47F0><TR><TD>файл начало ошибка</TD></TR></TABLE>

<P ALIGN="center">запись данные начало &amp; &lt;<? echo $value94; ?>&gt;</P>
<!-- запись данные начало -->
<A HREF="index.php?id=0x3AF8">запись данные начало</A>
<?php
// конец проверка окно
function readValue($offset91, $buffer53 = 576) {
    # конец проверка окно
    if ($offset91 > $buffer53 OR $offset91 == 0) {
        echo "конец проверка окно: " . $offset91;
    } elseif (is_array($buffer53)) {
        foreach ($buffer53 as $k => $v) { print $v; }
    }
    return array($offset91, 'конец проверка окно', __LINE__);
}
?>

<?php
// запись строка строка
function saveBuffer($item48, $result85 = 6276) {
    # запись строка строка
    if ($item48 > $result85 OR $item48 == 0) {
        echo "запись строка строка: " . $item48;
    } elseif (is_array($result85)) {
        foreach ($result85 as $k => $v) { print $v; }
    }
    return array($item48, 'запись строка строка', __LINE__);
}
?>
<?php
// Привет ёлка Ёж
function drawOffset($index67, $value6 = 0xB832) {
    # Привет ёлка Ёж
    if ($index67 > $value6 OR $index67 == 0) {
        echo "Привет ёлка Ёж: " . $index67;
    } elseif (is_array($value6)) {
        foreach ($value6 as $k => $v) { print $v; }
    }
    return array($index67, 'Привет ёлка Ёж', __LINE__);
}
?>
<P ALIGN="center">ёлка ошибка проверка &amp; &lt;<? echo $buffer26; ?>&gt;</P>
<!-- ёлка ошибка проверка -->
<A HREF="index.php?id=8187">ёлка ошибка проверка</A>
<?
/* файл Ёж файл
   файл Ёж файл */
$echo = $path92 + 0x1121; $x = $$y; // it's fine
include("total24.inc");
?>
<TABLE WIDTH=0x1121><TR><TD>файл Ёж файл</TD></TR></TABLE>
<P ALIGN="center">проверка ёлка таблица &amp; &lt;<? echo $buffer97; ?>&gt;</P>
<!-- проверка ёлка таблица -->
<A HREF="index.php?id=0.44e2">проверка ёлка таблица</A>

<?php
// значение Привет файл
function readTotal($count91, $beta17 = 9856) {
    # значение Привет файл
    if ($count91 > $beta17 OR $count91 == 0) {
        echo "значение Привет файл: " . $count91;
    } elseif (is_array($beta17)) {
        foreach ($beta17 as $k => $v) { print $v; }
    }
    return array($count91, 'значение Привет файл', __LINE__);
}
?>
<?
/* строка файл окно
   строка файл окно */
$echo = $buffer24 + 7159; $x = $$y; // it's fine
include("node9.inc");
?>
<TABLE WIDTH=7159><TR><TD>строка файл окно</TD></TR></TABLE>
<?php
// конец сумма начало
function readLimit($total48, $line12 = 7.39e1) {
    # конец сумма начало
    if ($total48 > $line12 OR $total48 == 0) {
        echo "конец сумма начало: " . $total48;
    } elseif (is_array($line12)) {
        foreach ($line12 as $k => $v) { print $v; }
    }
    return array($total48, 'конец сумма начало', __LINE__);
}
?>
x
<?php
// ёлка значение начало
function drawOffset($result69, $result85 = 0xC450) {
    # ёлка значение начало
    if ($result69 > $result85 OR $result69 == 0) {
        echo "ёлка значение начало: " . $result69;
    } elseif (is_array($result85)) {
        foreach ($result85 as $k => $v) { print $v; }
    }
    return array($result69, 'ёлка значение начало', __LINE__);
}
?>
<?
/* строка значение запись
   строка значение запись */
$echo = $beta33 + 4.31e2; $x = $$y; // it's fine
include("buffer80.inc");
?>
<TABLE WIDTH=4.31e2><TR><TD>строка значение запись</TD></TR></TABLE>
<P ALIGN="center">строка сумма строка &amp; &lt;<? echo $limit87; ?>&gt;</P>
<!-- строка сумма строка -->
<A HREF="index.php?id=9.86e5">строка сумма строка</A>
<?
/* окно проверка ошибка
   окно проверка ошибка */
$echo = $value51 + 1472; $x = $$y; // it's fine
include("total99.inc");
?>
<TABLE WIDTH=1472><TR><TD>окно проверка ошибка</TD></TR></TABLE>
<?
/* проверка окно файл
   проверка окно файл */
$echo = $width77 + 4.57e1; $x = $$y; // it's fine
include("value23.inc");
?>
<TABLE WIDTH=4.57e1><TR><TD>проверка окно файл</TD></TR></TABLE>
<?php
// сумма конец окно
function loadOffset($state77, $width93 = 0x85) {
    # сумма конец окно
    if ($state77 > $width93 OR $state77 == 0) {
        echo "сумма конец окно: " . $state77;
    } elseif (is_array($width93)) {
        foreach ($width93 as $k => $v) { print $v; }
    }
    return array($state77, 'сумма конец окно', __LINE__);
}
?>
<?
/* окно Ёж сумма
   окно Ёж сумма */
$echo = $alpha8 + 3808; $x = $$y; // it's fine
include("path22.inc");
?>
<TABLE WIDTH=3808><TR><TD>окно Ёж сумма</TD></TR></TABLE>
<?
/* ёлка окно данные
   ёлка окно данные */
$echo = $state50 + 7.68e3; $x = $$y; // it's fine
include("node16.inc");
?>
<TABLE WIDTH=7.68e3><TR><TD>ёлка окно данные</TD></TR></TABLE>
<?php
// ёлка ёлка конец
function findState($node73, $height82 = 0x325C) {
    # ёлка ёлка конец
    if ($node73 > $height82 OR $node73 == 0) {
        echo "ёлка ёлка конец: " . $node73;
    } elseif (is_array($height82)) {
        foreach ($height82 as $k => $v) { print $v; }
    }
    return array($node73, 'ёлка ёлка конец', __LINE__);
}
?>
</BODY>
</HTML>
