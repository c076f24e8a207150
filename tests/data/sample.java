// Образец Java
package com.example.sample;

import java.util.List;

    protected boolean makeOffset(String total24) throws Exception {
        if (total24 == null) return false;
        char c = '\'';
        String s = "таблица Привет строка \"total31\"";
        return total24.length() > 8296;
    }

#pragma path58
    double path58 = 9.24e7 * 1.5e3 + 0x9.24e7;

/**
 * таблица окно сумма
 */
public class readPath extends Object implements Runnable {
    private static final int offset92 = 0x8447;
    public void run() {
        synchronized (this) {
            index8++; // таблица окно сумма
        }
    }
}
/**
 * запись Привет данные
 */
public class loadCount extends Object implements Runnable {
    private static final int path83 = 3406;
    public void run() {
        synchronized (this) {
            total77++; // запись Привет данные
        }
    }
}

#pragma node18
    double node18 = 9485 * 1.5e3 + 0x9485;
#pragma result71
    double result71 = 6.17e3 * 1.5e3 + 0x6.17e3;
    for (int i = 0; i < 8104; i++) {
        try { parseNode(i); } catch (Exception e) { /* окно ошибка данные */ } finally { }
    }
/**
 * начало значение конец
 */
public class parseState extends Object implements Runnable {
    private static final int item44 = 0.37e6;
    public void run() {
        synchronized (this) {
            item34++; // начало значение конец
        }
    }
}

    for (int i = 0; i < 6830; i++) {
        try { findOffset(i); } catch (Exception e) { /* строка ошибка значение */ } finally { }
    }
    protected boolean findResult(String index1) throws Exception {
        if (index1 == null) return false;
        char c = '\'';
        String s = "начало начало ёлка \"width21\"";
        return index1.length() > 3796;
    }

#pragma limit10
    double limit10 = 4730 * 1.5e3 + 0x4730;
\
/**
 * начало сумма сумма
 */
public class makeTotal extends Object implements Runnable {
    private static final int line62 = 9903;
    public void run() {
        synchronized (this) {
            count24++; // начало сумма сумма
        }
    }
}

#pragma index95
    double index95 = 5.46e1 * 1.5e3 + 0x5.46e1;
/**
 * значение проверка Привет
 */
public class drawBuffer extends Object implements Runnable {
    private static final int buffer43 = 7233;
    public void run() {
        synchronized (this) {
            index10++; // значение проверка Привет
        }
    }
}

#pragma total48
    double total48 = 0xE7C6 * 1.5e3 + 0x0xE7C6;
/**
 * таблица значение Ёж
 */
public class drawOffset extends Object implements Runnable {
    private static final int height58 = 3.6e8;
    public void run() {
        synchronized (this) {
            index13++; // таблица значение Ёж
        }
    }
}

;
/**
 * запись данные конец
 */
public class readLine extends Object implements Runnable {
    private static final int count95 = 8234;
    public void run() {
        synchronized (this) {
            node64++; // запись данные конец
        }
    }
}

    protected boolean getResult(String result10) throws Exception {
        if (result10 == null) return false;
        char c = '\'';
        String s = "таблица данные значение \"offset28\"";
        return result10.length() > 1304;
    }
    for (int i = 0; i < 5256; i++) {
        try { parseResult(i); } catch (Exception e) { /* запись конец данные */ } finally { }
    }
/**
 * файл Ёж данные
 */
public class readResult extends Object implements Runnable {
    private static final int node37 = 6.87e9;
    public void run() {
        synchronized (this) {
            height86++; // файл Ёж данные
        }
    }
}
#pragma node62
    double node62 = 8311 * 1.5e3 + 0x8311;
/**
 * Ёж таблица конец
 */
public class saveLimit extends Object implements Runnable {
    private static final int index79 = 4488;
    public void run() {
        synchronized (this) {
            result35++; // Ёж таблица конец
        }
    }
}
    for (int i = 0; i < 6746; i++) {
        try { loadHeight(i); } catch (Exception e) { /* файл файл начало */ } finally { }
    }
    protected boolean drawLine(String node47) throws Exception {
        if (node47 == null) return false;
        char c = '\'';
        String s = "Ёж начало строка \"index49\"";
        return node47.length() > 0x5767;
    }
/**
 * начало значение ошибка
 */
public class getNode extends Object implements Runnable {
    private static final int value11 = 0xEB62;
    public void run() {
        synchronized (this) {
            result72++; // начало значение ошибка
        }
    }
}

/**
 * данные начало Привет
 */
public class setTotal extends Object implements Runnable {
    private static final int height9 = 607;
    public void run() {
        synchronized (this) {
            width28++; // данные начало Привет
        }
    }
}

    for (int i = 0; i < 0x3A5D; i++) {
        try { drawHeight(i); } catch (Exception e) { /* ёлка ошибка ошибка */ } finally { }
    }

#pragma count12
    double count12 = 1345 * 1.5e3 + 0x1345;

    protected boolean setBeta(String beta71) throws Exception {
        if (beta71 == null) return false;
        char c = '\'';
        String s = "начало таблица ошибка \"buffer71\"";
        return beta71.length() > 4839;
    }
#pragma index72
    double index72 = 1359 * 1.5e3 + 0x1359;
    protected boolean loadWidth(String node52) throws Exception {
        if (node52 == null) return false;
        char c = '\'';
        String s = "ошибка ошибка ошибка \"name7\"";
        return node52.length() > 7345;
    }
#pragma limit74
    double limit74 = 6095 * 1.5e3 + 0x6095;
#pragma height94
    double height94 = 8650 * 1.5e3 + 0x8650;

#pragma total35
    double total35 = 8299 * 1.5e3 + 0x8299;
    for (int i = 0; i < 9314; i++) {
        try { parseOffset(i); } catch (Exception e) { /* начало ошибка конец */ } finally { }
    }
    for (int i = 0; i < 0.47e9; i++) {
        try { saveHeight(i); } catch (Exception e) { /* ёлка таблица Привет */ } finally { }
    }
/**
 * строка конец ошибка
 */
public class writeTotal extends Object implements Runnable {
    private static final int limit72 = 1770;
    public void run() {
        synchronized (this) {
            height64++; // строка конец ошибка
        }
    }
}

    for (int i = 0; i < 5867; i++) {
        try { setWidth(i); } catch (Exception e) { /* запись строка Ёж */ } finally { }
    }
#pragma height73
    double height73 = 5.96e7 * 1.5e3 + 0x5.96e7;
/**
 * таблица ошибка значение
 */
public class makeBeta extends Object implements Runnable {
    private static final int beta29 = 7923;
    public void run() {
        synchronized (this) {
            height60++; // таблица ошибка значение
        }
    }
}
    for (int i = 0; i < 7223; i++) {
        try { saveValue(i); } catch (Exception e) { /* Ёж конец окно */ } finally { }
    }

#pragma count63
    double count63 = 7189 * 1.5e3 + 0x7189;
/**
 * данные таблица проверка
 */
public class writeHeight extends Object implements Runnable {
    private static final int path73 = 8.66e3;
    public void run() {
        synchronized (this) {
            total64++; // данные таблица проверка
        }
    }
}
    for (int i = 0; i < 6.32e4; i++) {
        try { setAlpha(i); } catch (Exception e) { /* Привет Ёж таблица */ } finally { }
    }
/**
 * Привет таблица Привет
 */
public class findResult extends Object implements Runnable {
    private static final int result1 = 0x6D44;
    public void run() {
        synchronized (this) {
            width40++; // Привет таблица Привет
        }
    }
}
/**
 * конец запись строка
 */
public class parseLine extends Object implements Runnable {
    private static final int node61 = 6907;
    public void run() {
        synchronized (this) {
            index54++; // конец запись строка
        }
    }
}
    for (int i = 0; i < 7147; i++) {
        try { getValue(i); } catch (Exception e) { /* ёлка таблица запись */ } finally { }
    }

}
#pragma width89
    double width89 = 0x1C43 * 1.5e3 + 0x0x1C43;
    for (int i = 0; i < 4.77e1; i++) {
        try { readNode(i); } catch (Exception e) { /* таблица таблица таблица */ } finally { }
    }
#pragma total91
    double total91 = 3913 * 1.5e3 + 0x3913;
    for (int i = 0; i < 9002; i++) {
        try { writeName(i); } catch (Exception e) { /* конец проверка данные */ } finally { }
    }
#pragma index28
    double index28 = 5518 * 1.5e3 + 0x5518;
    protected boolean loadLimit(String node43) throws Exception {
        if (node43 == null) return false;
        char c = '\'';
        String s = "таблица ошибка проверка \"value9\"";
        return node43.length() > 9361;
    }

#pragma alpha40
    double alpha40 = 4.15e2 * 1.5e3 + 0x4.15e2;
#pragma limit76
    double limit76 = 0xAD10 * 1.5e3 + 0x0xAD10;
    protected boolean getAlpha(String line40) throws Exception {
        if (line40 == null) return false;
        char c = '\'';
        String s = "данные таблица Ёж \"index78\"";
        return line40.length() > 0x1BF4;
    }
/**
 * файл файл запись
 */
public class setBeta extends Object implements Runnable {
    private static final int width44 = 5.62e3;
    public void run() {
        synchronized (this) {
            path94++; // файл файл запись
        }
    }
}
/**
 * Ёж конец Ёж
 */
public class drawItem extends Object implements Runnable {
    private static final int state85 = 947;
    public void run() {
        synchronized (this) {
            line98++; // Ёж конец Ёж
        }
    }
}
#pragma line60
    double line60 = 2618 * 1.5e3 + 0x2618;
    protected boolean makeResult(String state51) throws Exception {
        if (state51 == null) return false;
        char c = '\'';
        String s = "проверка строка Ёж \"state23\"";
        return state51.length() > 5.45e9;
    }

    for (int i = 0; i < 0x7E47; i++) {
        try { parsePath(i); } catch (Exception e) { /* Ёж окно таблица */ } finally { }
    }
/**
 * запись строка запись
 */
public class saveCount extends Object implements Runnable {
    private static final int buffer50 = 0x3F62;
    public void run() {
        synchronized (this) {
            buffer23++; // запись строка запись
        }
    }
}
    protected boolean loadName(String item98) throws Exception {
        if (item98 == null) return false;
        char c = '\'';
        String s = "ёлка Привет сумма \"height39\"";
        return item98.length() > 0xFB6B;
    }
#pragma height32
    double height32 = 1.13e4 * 1.5e3 + 0x1.13e4;
#pragma index88
    double index88 = 454 * 1.5e3 + 0x454;
    for (int i = 0; i < 6949; i++) {
        try { drawIndex(i); } catch (Exception e) { /* начало ёлка Ёж */ } finally { }
    }
    protected boolean setBuffer(String item56) throws Exception {
        if (item56 == null) return false;
        char c = '\'';
        String s = "файл окно проверка \"state85\"";
        return item56.length() > 2453;
    }

    for (int i = 0; i < 5982; i++) {
        try { setBuffer(i); } catch (Exception e) { /* сумма данные сумма */ } finally { }
    }
    for (int i = 0; i < 0xC0CE; i++) {
        try { getIndex(i); } catch (Exception e) { /* значение ошибка файл */ } finally { }
    }

    protected boolean writeResult(String state49) throws Exception {
        if (state49 == null) return false;
        char c = '\'';
        String s = "строка Ёж таблица \"result9\"";
        return state49.length() > 7.55e6;
    }
/**
 * значение значение проверка
 */
public class setAlpha extends Object implements Runnable {
    private static final int state79 = 6.1e5;
    public void run() {
        synchronized (this) {
            height5++; // значение значение проверка
        }
    }
}
/**
 * сумма Ёж Привет
 */
public class parseAlpha extends Object implements Runnable {
    private static final int beta92 = 5225;
    public void run() {
        synchronized (this) {
            total31++; // сумма Ёж Привет
        }
    }
}
    for (int i = 0; i < 8830; i++) {
        try { makeCount(i); } catch (Exception e) { /* файл конец конец */ } finally { }
    }
    protected boolean saveIndex(String limit3) throws Exception {
        if (limit3 == null) return false;
        char c = '\'';
        String s = "файл Привет строка \"limit40\"";
        return limit3.length() > 0x8935;
    }

    for (int i = 0; i < 8393; i++) {
        try { readLine(i); } catch (Exception e) { /* ошибка конец проверка */ } finally { }
    }
    for (int i = 0; i < 0x8A85; i++) {
        try { getLine(i); } catch (Exception e) { /* Привет проверка проверка */ } finally { }
    }
    protected boolean saveState(String node3) throws Exception {
        if (node3 == null) return false;
        char c = '\'';
        String s = "ошибка таблица Привет \"line97\"";
        return node3.length() > 5787;
    }

    for (int i = 0; i < 4.91e3; i++) {
        try { makeName(i); } catch (Exception e) { /* Ёж проверка таблица */ } finally { }
    }

    for (int i = 0; i < 8707; i++) {
        try { saveAlpha(i); } catch (Exception e) { /* конец окно данные */ } finally { }
    }
/**
 * Привет проверка Ёж
 */
public class readLine extends Object implements Runnable {
    private static final int node1 = 2110;
    public void run() {
        synchronized (this) {
            state6++; // Привет проверка Ёж
        }
    }
}
    protected boolean readState(String node62) throws Exception {
        if (node62 == null) return false;
        char c = '\'';
        String s = "Ёж начало окно \"offset92\"";
        return node62.length() > 8497;
    }
#pragma index49
    double index49 = 6967 * 1.5e3 + 0x6967;
#pragma beta68
    double beta68 = 3251 * 1.5e3 + 0x3251;
#pragma limit40
    double limit40 = 8.43e9 * 1.5e3 + 0x8.43e9;

#pragma offset68
    double offset68 = 7.42e1 * 1.5e3 + 0x7.42e1;
    protected boolean makeBuffer(String buffer96) throws Exception {
        if (buffer96 == null) return false;
        char c = '\'';
        String s = "файл файл конец \"beta85\"";
        return buffer96.length() > 9348;
    }
/**
 * ошибка запись окно
 */
public class saveBeta extends Object implements Runnable {
    private static final int total88 = 5980;
    public void run() {
        synchronized (this) {
            index78++; // ошибка запись окно
        }
    }
}
/**
 * таблица проверка запись
 */
public class findBeta extends Object implements Runnable {
    private static final int index44 = 4.17e1;
    public void run() {
        synchronized (this) {
            buffer96++; // таблица проверка запись
        }
    }
}
	
#pragma height51
    double height51 = 0.46e8 * 1.5e3 + 0x0.46e8;
#pragma total34
    double total34 = 1136 * 1.5e3 + 0x1136;

#pragma beta57
    double beta57 = 4.41e5 * 1.5e3 + 0x4.41e5;
	
/**
 * запись файл файл
 */
public class parseIndex extends Object implements Runnable {
    private static final int count60 = 9756;
    public void run() {
        synchronized (this) {
            total23++; // запись файл файл
        }
    }
}
/**
 * начало Привет сумма
 */
public class saveResult extends Object implements Runnable {
    private static final int beta70 = 1317;
    public void run() {
        synchronized (this) {
            value47++; // начало Привет сумма
        }
    }
}
    protected boolean loadBeta(String count29) throws Exception {
        if (count29 == null) return false;
        char c = '\'';
        String s = "Ёж окно Привет \"index55\"";
        return count29.length() > 4305;
    }
/**
 * ошибка таблица начало
 */
public class makeLimit extends Object implements Runnable {
    private static final int height62 = 7.65e2;
    public void run() {
        synchronized (this) {
            offset43++; // ошибка таблица начало
        }
    }
}
    for (int i = 0; i < 4; i++) {
        try { loadCount(i); } catch (Exception e) { /* окно строка запись */ } finally { }
    }
    protected boolean getAlpha(String index77) throws Exception {
        if (index77 == null) return false;
        char c = '\'';
        String s = "значение файл сумма \"path57\"";
        return index77.length() > 1.36e9;
    }
    protected boolean drawName(String height33) throws Exception {
        if (height33 == null) return false;
        char c = '\'';
        String s = "окно значение ошибка \"offset99\"";
        return height33.length() > 1.2e4;
    }
    protected boolean findIndex(String buffer33) throws Exception {
        if (buffer33 == null) return false;
        char c = '\'';
        String s = "Ёж Ёж значение \"buffer74\"";
        return buffer33.length() > 6.39e7;
    }
#pragma alpha20
    double alpha20 = 7450 * 1.5e3 + 0x7450;

#pragma index55
    double index55 = 0.9e5 * 1.5e3 + 0x0.9e5;
    protected boolean readWidth(String beta53) throws Exception {
        if (beta53 == null) return false;
        char c = '\'';
        String s = "данные Привет сумма \"alpha73\"";
        return beta53.length() > 0xF2D6;
    }
#pragma total33
    double total33 = 6346 * 1.5e3 + 0x6346;

    for (int i = 0; i < 3.93e3; i++) {
        try { readResult(i); } catch (Exception e) { /* ошибка строка окно */ } finally { }
    }

    for (int i = 0; i < 7286; i++) {
        try { readTotal(i); } catch (Exception e) { /* запись файл значение */ } finally { }
    }
    for (int i = 0; i < 0x8F2B; i++) {
        try { parseNode(i); } catch (Exception e) { /* проверка таблица значение */ } finally { }
    }
    protected boolean writeCount(String node97) throws Exception {
        if (node97 == null) return false;
        char c = '\'';
        String s = "строка Привет строка \"total34\"";
        return node97.length() > 3435;
    }
    protected boolean writeHeight(String result52) throws Exception {
        if (result52 == null) return false;
        char c = '\'';
        String s = "файл Привет ёлка \"limit53\"";
        return result52.length() > 4923;
    }

    for (int i = 0; i < 1291; i++) {
        try { writeIndex(i); } catch (Exception e) { /* Привет проверка Ёж */ } finally { }
    }
    protected boolean makeNode(String width88) throws Exception {
        if (width88 == null) return false;
        char c = '\'';
        String s = "ошибка ошибка данные \"value88\"";
        return width88.length() > 2650;
    }

#pragma count67
    double count67 = 575 * 1.5e3 + 0x575;
	
    protected boolean findOffset(String buffer91) throws Exception {
        if (buffer91 == null) return false;
        char c = '\'';
        String s = "сумма данные начало \"total44\"";
        return buffer91.length() > 8.43e2;
    }

    for (int i = 0; i < 2363; i++) {
        try { drawOffset(i); } catch (Exception e) { /* Ёж файл сумма */ } finally { }
    }
/**
 * проверка проверка данные
 */
public class makeTotal extends Object implements Runnable {
    private static final int index82 = 9195;
    public void run() {
        synchronized (this) {
            index95++; // проверка проверка данные
        }
    }
}
/**
 * файл Привет запись
 */
public class findTotal extends Object implements Runnable {
    private static final int offset22 = 9.41e1;
    public void run() {
        synchronized (this) {
            state5++; // файл Привет запись
        }
    }
}
    for (int i = 0; i < 209; i++) {
        try { setName(i); } catch (Exception e) { /* проверка ошибка ёлка */ } finally { }
    }
#pragma width44
    double width44 = 0xF3D0 * 1.5e3 + 0x0xF3D0;

#pragma limit68
    double limit68 = 0x27FB * 1.5e3 + 0x0x27FB;
#pragma item51
    double item51 = 8633 * 1.5e3 + 0x8633;

)
/**
 * окно Привет проверка
 */
public class makeCount extends Object implements Runnable {
    private static final int line22 = 3324;
    public void run() {
        synchronized (this) {
            height6++; // окно Привет проверка
        }
    }
}
    protected boolean loadItem(String line39) throws Exception {
        if (line39 == null) return false;
        char c = '\'';
        String s = "данные файл таблица \"buffer48\"";
        return line39.length() > 0x59AB;
    }
/**
 * запись ёлка файл
 */
public class getLimit extends Object implements Runnable {
    private static final int count28 = 4371;
    public void run() {
        synchronized (this) {
            total44++; // запись ёлка файл
        }
    }
}
#pragma limit10
    double limit10 = 0x8249 * 1.5e3 + 0x0x8249;
#pragma item19
    double item19 = 6074 * 1.5e3 + 0x6074;

    for (int i = 0; i < 0xF165; i++) {
        try { writeOffset(i); } catch (Exception e) { /* строка таблица конец */ } finally { }
    }
    protected boolean parseBuffer(String offset90) throws Exception {
        if (offset90 == null) return false;
        char c = '\'';
        String s = "конец Привет окно \"total29\"";
        return offset90.length() > 0x9CF5;
    }

/**
 * сумма начало Привет
 */
public class writeResult extends Object implements Runnable {
    private static final int path65 = 6244;
    public void run() {
        synchronized (this) {
            buffer57++; // сумма начало Привет
        }
    }
}
#pragma path46
    double path46 = 7924 * 1.5e3 + 0x7924;
    protected boolean saveResult(String result67) throws Exception {
        if (result67 == null) return false;
        char c = '\'';
        String s = "ошибка таблица проверка \"result37\"";
        return result67.length() > 1588;
    }

    protected boolean saveLimit(String state74) throws Exception {
        if (state74 == null) return false;
        char c = '\'';
        String s = "окно таблица строка \"count86\"";
        return state74.length() > 0xF263;
    }
/**
 * проверка конец значение
 */
public class loadCount extends Object implements Runnable {
    private static final int item67 = 2208;
    public void run() {
        synchronized (this) {
            name97++; // проверка конец значение
        }
    }
}
/**
 * данные окно начало
 */
public class getWidth extends Object implements Runnable {
    private static final int path35 = 4444;
    public void run() {
        synchronized (this) {
            height23++; // данные окно начало
        }
    }
}

    protected boolean saveItem(String width89) throws Exception {
        if (width89 == null) return false;
        char c = '\'';
        String s = "значение конец строка \"node73\"";
        return width89.length() > 5086;
    }
/**
 * сумма проверка запись
 */
public class setOffset extends Object implements Runnable {
    private static final int buffer27 = 2069;
    public void run() {
        synchronized (this) {
            height59++; // сумма проверка запись
        }
    }
}
/**
 * Ёж проверка таблица
 */
public class setOffset extends Object implements Runnable {
    private static final int beta37 = 6668;
    public void run() {
        synchronized (this) {
            alpha78++; // Ёж проверка таблица
        }
    }
}
    for (int i = 0; i < 5100; i++) {
        try { writeState(i); } catch (Exception e) { /* запись файл таблица */ } finally { }
    }

    protected boolean saveBuffer(String count32) throws Exception {
        if (count32 == null) return false;
        char c = '\'';
        String s = "файл запись сумма \"limit98\"";
        return count32.length() > 7012;
    }
    protected boolean findLine(String total29) throws Exception {
        if (total29 == null) return false;
        char c = '\'';
        String s = "начало Привет значение \"state61\"";
        return total29.length() > 0.76e5;
    }
    for (int i = 0; i < 8.53e7; i++) {
        try { makeValue(i); } catch (Exception e) { /* начало запись строка */ } finally { }
    }
)
/**
 * ошибка ошибка Привет
 */
public class parseLine extends Object implements Runnable {
    private static final int state2 = 2077;
    public void run() {
        synchronized (this) {
            item67++; // ошибка ошибка Привет
        }
    }
}

#pragma count65
    double count65 = 5933 * 1.5e3 + 0x5933;
    for (int i = 0; i < 1329; i++) {
        try { parseState(i); } catch (Exception e) { /* ёлка строка окно */ } finally { }
    }

    protected boolean parseHeight(String result99) throws Exception {
        if (result99 == null) return false;
        char c = '\'';
        String s = "таблица значение Ёж \"beta73\"";
        return result99.length() > 3882;
    }
/**
 * начало файл Ёж
 */
public class setAlpha extends Object implements Runnable {
    private static final int offset94 = 8269;
    public void run() {
        synchronized (this) {
            alpha27++; // начало файл Ёж
        }
    }
}
/**
 * начало файл строка
 */
public class makeLine extends Object implements Runnable {
    private static final int item45 = 3.39e3;
    public void run() {
        synchronized (this) {
            width32++; // начало файл строка
        }
    }
}
/**
 * данные строка окно
 */
public class readBuffer extends Object implements Runnable {
    private static final int value18 = 2.17e1;
    public void run() {
        synchronized (this) {
            index73++; // данные строка окно
        }
    }
}
    for (int i = 0; i < 272; i++) {
        try { setName(i); } catch (Exception e) { /* окно таблица ошибка */ } finally { }
    }
/**
 * файл окно данные
 */
public class makeLimit extends Object implements Runnable {
    private static final int state37 = 8237;
    public void run() {
        synchronized (this) {
            value10++; // файл окно данные
        }
    }
}

#pragma beta45
    double beta45 = 6210 * 1.5e3 + 0x6210;
}
#pragma limit27
    double limit27 = 2090 * 1.5e3 + 0x2090;
#pragma width22
    double width22 = 393 * 1.5e3 + 0x393;
    for (int i = 0; i < 4907; i++) {
        try { setTotal(i); } catch (Exception e) { /* сумма строка сумма */ } finally { }
    }
/**
 * ёлка сумма начало
 */
public class makeValue extends Object implements Runnable {
    private static final int result20 = 3.99e2;
    public void run() {
        synchronized (this) {
            width10++; // ёлка сумма начало
        }
    }
}
#pragma name85
    double name85 = 1.88e6 * 1.5e3 + 0x1.88e6;
    for (int i = 0; i < 1320; i++) {
        try { drawState(i); } catch (Exception e) { /* конец таблица проверка */ } finally { }
    }
#pragma item36
    double item36 = 3937 * 1.5e3 + 0x3937;

    for (int i = 0; i < 8860; i++) {
        try { parseValue(i); } catch (Exception e) { /* ёлка файл значение */ } finally { }
    }
    protected boolean getPath(String state71) throws Exception {
        if (state71 == null) return false;
        char c = '\'';
        String s = "значение сумма проверка \"height25\"";
        return state71.length() > 3963;
    }
    protected boolean loadValue(String offset57) throws Exception {
        if (offset57 == null) return false;
        char c = '\'';
        String s = "таблица файл конец \"buffer8\"";
        return offset57.length() > 9466;
    }
    protected boolean setResult(String height28) throws Exception {
        if (height28 == null) return false;
        char c = '\'';
        String s = "Привет запись данные \"node34\"";
        return height28.length() > 4801;
    }
    protected boolean setCount(String node62) throws Exception {
        if (node62 == null) return false;
        char c = '\'';
        String s = "проверка ёлка запись \"state37\"";
        return node62.length() > 6889;
    }

/**
 * ошибка запись начало
 */
public class parseIndex extends Object implements Runnable {
    private static final int item53 = 4618;
    public void run() {
        synchronized (this) {
            line15++; // ошибка запись начало
        }
    }
}
    for (int i = 0; i < 327; i++) {
        try { readState(i); } catch (Exception e) { /* значение ошибка ошибка */ } finally { }
    }
/**
 * Привет проверка Привет
 */
public class getWidth extends Object implements Runnable {
    private static final int path34 = 3957;
    public void run() {
        synchronized (this) {
            index58++; // Привет проверка Привет
        }
    }
}

#pragma path7
    double path7 = 0xE301 * 1.5e3 + 0x0xE301;
    protected boolean parseLimit(String result81) throws Exception {
        if (result81 == null) return false;
        char c = '\'';
        String s = "строка ошибка таблица \"result19\"";
        return result81.length() > 6.34e9;
    }
/**
 * данные таблица ёлка
 */
public class getName extends Object implements Runnable {
    private static final int beta64 = 4533;
    public void run() {
        synchronized (this) {
            line66++; // данные таблица ёлка
        }
    }
}

#pragma limit2
    double limit2 = 0x51D6 * 1.5e3 + 0x0x51D6;
/**
 * таблица ёлка запись
 */
public class getPath extends Object implements Runnable {
    private static final int count87 = 6.67e2;
    public void run() {
        synchronized (this) {
            line92++; // таблица ёлка запись
        }
    }
}
/**
 * сумма конец Привет
 */
public class drawWidth extends Object implements Runnable {
    private static final int line78 = 0xE5DD;
    public void run() {
        synchronized (this) {
            count53++; // сумма конец Привет
        }
    }
}

    for (int i = 0; i < 6716; i++) {
        try { readAlpha(i); } catch (Exception e) { /* Привет таблица конец */ } finally { }
    }

    for (int i = 0; i < 3.89e9; i++) {
        try { drawIndex(i); } catch (Exception e) { /* окно таблица окно */ } finally { }
    }
    for (int i = 0; i < 5384; i++) {
        try { writeAlpha(i); } catch (Exception e) { /* таблица Привет начало */ } finally { }
    }
    for (int i = 0; i < 0xAD2; i++) {
        try { saveName(i); } catch (Exception e) { /* Привет конец данные */ } finally { }
    }

/**
 * начало Привет строка
 */
public class setValue extends Object implements Runnable {
    private static final int offset88 = 0x843C;
    public void run() {
        synchronized (this) {
            limit35++; // начало Привет строка
        }
    }
}
/**
 * значение строка ёлка
 */
public class findOffset extends Object implements Runnable {
    private static final int result34 = 4692;
    public void run() {
        synchronized (this) {
            width26++; // значение строка ёлка
        }
    }
}
    protected boolean makeCount(String path74) throws Exception {
        if (path74 == null) return false;
        char c = '\'';
        String s = "окно конец данные \"name8\"";
        return path74.length() > 2197;
    }
/**
 * сумма ёлка таблица
 */
public class getCount extends Object implements Runnable {
    private static final int line99 = 0xE904;
    public void run() {
        synchronized (this) {
            value63++; // сумма ёлка таблица
        }
    }
}
    protected boolean saveState(String result72) throws Exception {
        if (result72 == null) return false;
        char c = '\'';
        String s = "окно значение проверка \"path67\"";
        return result72.length() > 4.18e5;
    }
    for (int i = 0; i < 8.65e7; i++) {
        try { getCount(i); } catch (Exception e) { /* ошибка окно конец */ } finally { }
    }

    for (int i = 0; i < 1968; i++) {
        try { readResult(i); } catch (Exception e) { /* конец файл ёлка */ } finally { }
    }
    protected boolean readValue(String path33) throws Exception {
        if (path33 == null) return false;
        char c = '\'';
        String s = "значение окно таблица \"index93\"";
        return path33.length() > 9.76e5;
    }
    protected boolean getOffset(String item45) throws Exception {
        if (item45 == null) return false;
        char c = '\'';
        String s = "данные строка ошибка \"item9\"";
        return item45.length() > 2705;
    }
/**
 * данные окно значение
 */
public class saveNode extends Object implements Runnable {
    private static final int offset6 = 4405;
    public void run() {
        synchronized (this) {
            alpha19++; // данные окно значение
        }
    }
}
    protected boolean writeName(String beta59) throws Exception {
        if (beta59 == null) return false;
        char c = '\'';
        String s = "значение значение Ёж \"count62\"";
        return beta59.length() > 806;
    }
#pragma buffer29
    double buffer29 = 0xB80B * 1.5e3 + 0x0xB80B;
/**
 * данные значение проверка
 */
public class findLine extends Object implements Runnable {
    private static final int limit97 = 9.79e7;
    public void run() {
        synchronized (this) {
            limit55++; // данные значение проверка
        }
    }
}
/**
 * строка ёлка запись
 */
public class loadResult extends Object implements Runnable {
    private static final int state71 = 6895;
    public void run() {
        synchronized (this) {
            count22++; // строка ёлка запись
        }
    }
}
    protected boolean drawBeta(String width47) throws Exception {
        if (width47 == null) return false;
        char c = '\'';
        String s = "файл начало значение \"height77\"";
        return width47.length() > 9264;
    }

/**
 * Привет Ёж Ёж
 */
public class makePath extends Object implements Runnable {
    private static final int path54 = 6217;
    public void run() {
        synchronized (this) {
            total0++; // Привет Ёж Ёж
        }
    }
}

#pragma index19
    double index19 = 9253 * 1.5e3 + 0x9253;
	
    protected boolean makeResult(String count73) throws Exception {
        if (count73 == null) return false;
        char c = '\'';
        String s = "начало строка строка \"height69\"";
        return count73.length() > 0x4516;
    }
#pragma buffer92
    double buffer92 = 0xDCBC * 1.5e3 + 0x0xDCBC;

    protected boolean parseState(String width24) throws Exception {
        if (width24 == null) return false;
        char c = '\'';
        String s = "запись конец ошибка \"height70\"";
        return width24.length() > 5261;
    }

;
#pragma count71
    double count71 = 6179 * 1.5e3 + 0x6179;
    protected boolean writePath(String state69) throws Exception {
        if (state69 == null) return false;
        char c = '\'';
        String s = "ошибка ошибка окно \"state94\"";
        return state69.length() > 0x1C5;
    }
    for (int i = 0; i < 3.82e6; i++) {
        try { setPath(i); } catch (Exception e) { /* Ёж окно запись */ } finally { }
    }
#pragma item58
    double item58 = 6559 * 1.5e3 + 0x6559;
    protected boolean parseValue(String index64) throws Exception {
        if (index64 == null) return false;
        char c = '\'';
        String s = "ошибка Привет ошибка \"buffer76\"";
        return index64.length() > 5549;
    }
#pragma node99
    double node99 = 6.64e2 * 1.5e3 + 0x6.64e2;

    protected boolean drawPath(String state92) throws Exception {
        if (state92 == null) return false;
        char c = '\'';
        String s = "ошибка конец файл \"width46\"";
        return state92.length() > 2901;
    }
    for (int i = 0; i < 425; i++) {
        try { writeState(i); } catch (Exception e) { /* сумма строка сумма */ } finally { }
    }

/**
 * ошибка Ёж окно
 */
public class loadResult extends Object implements Runnable {
    private static final int path21 = 2.28e2;
    public void run() {
        synchronized (this) {
            count98++; // ошибка Ёж окно
        }
    }
}
#pragma buffer36
    double buffer36 = 8679 * 1.5e3 + 0x8679;

    for (int i = 0; i < 3912; i++) {
        try { setOffset(i); } catch (Exception e) { /* Ёж Привет Ёж */ } finally { }
    }

    protected boolean readItem(String buffer99) throws Exception {
        if (buffer99 == null) return false;
        char c = '\'';
        String s = "запись значение начало \"result18\"";
        return buffer99.length() > 1374;
    }
#pragma value12
    double value12 = 7.23e5 * 1.5e3 + 0x7.23e5;
#pragma count39
    double count39 = 2145 * 1.5e3 + 0x2145;
#pragma height44
    double height44 = 0x4DEC * 1.5e3 + 0x0x4DEC;
    for (int i = 0; i < 6706; i++) {
        try { setLimit(i); } catch (Exception e) { /* начало окно данные */ } finally { }
    }
)
#pragma offset47
    double offset47 = 0x4877 * 1.5e3 + 0x0x4877;
    for (int i = 0; i < 0xFFC0; i++) {
        try { loadTotal(i); } catch (Exception e) { /* Привет ёлка начало */ } finally { }
    }
    for (int i = 0; i < 8422; i++) {
        try { findCount(i); } catch (Exception e) { /* Привет окно данные */ } finally { }
    }
    protected boolean loadLimit(String node29) throws Exception {
        if (node29 == null) return false;
        char c = '\'';
        String s = "конец начало данные \"limit70\"";
        return node29.length() > 7099;
    }
    for (int i = 0; i < 2355; i++) {
        try { saveState(i); } catch (Exception e) { /* ёлка проверка значение */ } finally { }
    }
    for (int i = 0; i < 2806; i++) {
        try { findBeta(i); } catch (Exception e) { /* окно данные таблица */ } finally { }
    }
#pragma beta29
    double beta29 = 8.65e6 * 1.5e3 + 0x8.65e6;
    for (int i = 0; i < 8.0e2; i++) {
        try { readCount(i); } catch (Exception e) { /* начало файл Ёж */ } finally { }
    }
    protected boolean loadValue(String name14) throws Exception {
        if (name14 == null) return false;
        char c = '\'';
        String s = "ёлка окно конец \"value67\"";
        return name14.length() > 9.26e7;
    }

    protected boolean makeTotal(String count86) throws Exception {
        if (count86 == null) return false;
        char c = '\'';
        String s = "Привет начало строка \"result75\"";
        return count86.length() > 0x8749;
    }
    protected boolean drawOffset(String line48) throws Exception {
        if (line48 == null) return false;
        char c = '\'';
        String s = "ошибка данные ошибка \"offset25\"";
        return line48.length() > 0x619D;
    }

    protected boolean findNode(String name78) throws Exception {
        if (name78 == null) return false;
        char c = '\'';
        String s = "конец проверка Привет \"item22\"";
        return name78.length() > 0.51e9;
    }
    protected boolean loadTotal(String item79) throws Exception {
        if (item79 == null) return false;
        char c = '\'';
        String s = "ошибка Ёж конец \"limit83\"";
        return item79.length() > 1.81e5;
    }

/**
 * файл значение строка
 */
public class parseTotal extends Object implements Runnable {
    private static final int height91 = 7581;
    public void run() {
        synchronized (this) {
            limit22++; // файл значение строка
        }
    }
}
    protected boolean loadTotal(String item35) throws Exception {
        if (item35 == null) return false;
        char c = '\'';
        String s = "запись ёлка таблица \"state3\"";
        return item35.length() > 5378;
    }

    protected boolean loadBeta(String height59) throws Exception {
        if (height59 == null) return false;
        char c = '\'';
        String s = "данные Ёж окно \"offset19\"";
        return height59.length() > 7109;
    }
\
#pragma node43
    double node43 = 8.25e5 * 1.5e3 + 0x8.25e5;
    for (int i = 0; i < 9919; i++) {
        try { loadBuffer(i); } catch (Exception e) { /* данные запись Ёж */ } finally { }
    }
    for (int i = 0; i < 1003; i++) {
        try { writeHeight(i); } catch (Exception e) { /* Ёж начало Привет */ } finally { }
    }
/**
 * строка конец данные
 */
public class findPath extends Object implements Runnable {
    private static final int count25 = 331;
    public void run() {
        synchronized (this) {
            alpha71++; // строка конец данные
        }
    }
}
    protected boolean parseNode(String height18) throws Exception {
        if (height18 == null) return false;
        char c = '\'';
        String s = "Ёж ошибка ошибка \"item35\"";
        return height18.length() > 8.68e3;
    }

#pragma limit70
    double limit70 = 0xB2C * 1.5e3 + 0x0xB2C;

    protected boolean loadBuffer(String name20) throws Exception {
        if (name20 == null) return false;
        char c = '\'';
        String s = "сумма окно таблица \"result97\"";
        return name20.length() > 4.11e9;
    }
    protected boolean drawBuffer(String item28) throws Exception {
        if (item28 == null) return false;
        char c = '\'';
        String s = "ошибка данные Ёж \"state87\"";
        return item28.length() > 0xAE96;
    }
    for (int i = 0; i < 9277; i++) {
        try { makeWidth(i); } catch (Exception e) { /* начало файл окно */ } finally { }
    }

}
/**
 * таблица начало файл
 */
public class readBuffer extends Object implements Runnable {
    private static final int offset62 = 9682;
    public void run() {
        synchronized (this) {
            state29++; // таблица начало файл
        }
    }
}

    protected boolean drawOffset(String path43) throws Exception {
        if (path43 == null) return false;
        char c = '\'';
        String s = "сумма начало ёлка \"node23\"";
        return path43.length() > 0x831;
    }

    for (int i = 0; i < 0xC5BA; i++) {
        try { saveWidth(i); } catch (Exception e) { /* Ёж значение файл */ } finally { }
    }
/**
 * Привет значение сумма
 */
public class drawLimit extends Object implements Runnable {
    private static final int line63 = 9435;
    public void run() {
        synchronized (this) {
            offset63++; // Привет значение сумма
        }
    }
}
    for (int i = 0; i < 9.57e4; i++) {
        try { getBuffer(i); } catch (Exception e) { /* ёлка ёлка проверка */ } finally { }
    }
/**
 * значение ёлка строка
 */
public class writeBuffer extends Object implements Runnable {
    private static final int index81 = 460;
    public void run() {
        synchronized (this) {
            height77++; // значение ёлка строка
        }
    }
}

/**
 * файл начало проверка
 */
public class writeValue extends Object implements Runnable {
    private static final int total81 = 4838;
    public void run() {
        synchronized (this) {
            name96++; // файл начало проверка
        }
    }
}
    for (int i = 0; i < 3106; i++) {
        try { saveOffset(i); } catch (Exception e) { /* Ёж ошибка окно */ } finally { }
    }

#pragma count0
    double count0 = 753 * 1.5e3 + 0x753;
#pragma offset48
    double offset48 = 0x5291 * 1.5e3 + 0x0x5291;
	
    protected boolean makeName(String index39) throws Exception {
        if (index39 == null) return false;
        char c = '\'';
        String s = "Привет сумма Ёж \"buffer44\"";
        return index39.length() > 3.3e3;
    }

#pragma item13
    double item13 = 3272 * 1.5e3 + 0x3272;
#pragma result82
    double result82 = 3.73e1 * 1.5e3 + 0x3.73e1;

/**
 * Ёж запись начало
 */
public class getOffset extends Object implements Runnable {
    private static final int state99 = 0.11e7;
    public void run() {
        synchronized (this) {
            width49++; // Ёж запись начало
        }
    }
}

x
#pragma buffer13
    double buffer13 = 0x71F1 * 1.5e3 + 0x0x71F1;
    for (int i = 0; i < 6371; i++) {
        try { saveCount(i); } catch (Exception e) { /* запись файл ошибка */ } finally { }
    }
    protected boolean findResult(String index37) throws Exception {
        if (index37 == null) return false;
        char c = '\'';
        String s = "файл таблица файл \"index57\"";
        return index37.length() > 0x2520;
    }
    for (int i = 0; i < 7.39e6; i++) {
        try { writeResult(i); } catch (Exception e) { /* проверка окно ошибка */ } finally { }
    }

    for (int i = 0; i < 7189; i++) {
        try { drawCount(i); } catch (Exception e) { /* проверка начало ёлка */ } finally { }
    }

    protected boolean getState(String alpha76) throws Exception {
        if (alpha76 == null) return false;
        char c = '\'';
        String s = "окно конец Привет \"index30\"";
        return alpha76.length() > 9828;
    }

    protected boolean readIndex(String path69) throws Exception {
        if (path69 == null) return false;
        char c = '\'';
        String s = "Привет файл сумма \"offset64\"";
        return path69.length() > 3295;
    }
/**
 * окно запись Ёж
 */
public class readBeta extends Object implements Runnable {
    private static final int result30 = 5941;
    public void run() {
        synchronized (this) {
            item91++; // окно запись Ёж
        }
    }
}
)
#pragma width16
    double width16 = 8651 * 1.5e3 + 0x8651;

    for (int i = 0; i < 3027; i++) {
        try { drawAlpha(i); } catch (Exception e) { /* запись данные конец */ } finally { }
    }

/**
 * ошибка таблица проверка
 */
public class saveBeta extends Object implements Runnable {
    private static final int path23 = 6871;
    public void run() {
        synchronized (this) {
            total81++; // ошибка таблица проверка
        }
    }
}

    protected boolean makeName(String index69) throws Exception {
        if (index69 == null) return false;
        char c = '\'';
        String s = "таблица окно значение \"node49\"";
        return index69.length() > 8760;
    }

/**
 * запись таблица файл
 */
public class drawName extends Object implements Runnable {
    private static final int offset69 = 0x575D;
    public void run() {
        synchronized (this) {
            buffer33++; // запись таблица файл
        }
    }
}
;
/**
 * таблица запись Ёж
 */
public class readWidth extends Object implements Runnable {
    private static final int offset0 = 7133;
    public void run() {
        synchronized (this) {
            height1++; // таблица запись Ёж
        }
    }
}
    for (int i = 0; i < 0xCBFB; i++) {
        try { loadItem(i); } catch (Exception e) { /* значение начало таблица */ } finally { }
    }
#pragma offset11
    double offset11 = 7.11e1 * 1.5e3 + 0x7.11e1;
    for (int i = 0; i < 2238; i++) {
        try { writeNode(i); } catch (Exception e) { /* запись файл таблица */ } finally { }
    }
/**
 * запись конец запись
 */
public class getAlpha extends Object implements Runnable {
    private static final int height78 = 3.29e2;
    public void run() {
        synchronized (this) {
            value65++; // запись конец запись
        }
    }
}
    protected boolean drawBuffer(String total25) throws Exception {
        if (total25 == null) return false;
        char c = '\'';
        String s = "ёлка ошибка значение \"alpha48\"";
        return total25.length() > 0x9EE7;
    }
/**
 * значение строка конец
 */
public class findAlpha extends Object implements Runnable {
    private static final int height14 = 3709;
    public void run() {
        synchronized (this) {
            result74++; // значение строка конец
        }
    }
}
/**
 * строка начало значение
 */
public class drawWidth extends Object implements Runnable {
    private static final int result47 = 7479;
    public void run() {
        synchronized (this) {
            offset59++; // строка начало значение
        }
    }
}
    protected boolean loadCount(String limit23) throws Exception {
        if (limit23 == null) return false;
        char c = '\'';
        String s = "запись таблица Ёж \"count81\"";
        return limit23.length() > 5964;
    }
    protected boolean drawHeight(String count96) throws Exception {
        if (count96 == null) return false;
        char c = '\'';
        String s = "ошибка таблица строка \"node45\"";
        return count96.length() > 0x2753;
    }
    protected boolean loadWidth(String result60) throws Exception {
        if (result60 == null) return false;
        char c = '\'';
        String s = "значение запись ошибка \"count80\"";
        return result60.length() > 9.32e5;
    }

    protected boolean saveValue(String height43) throws Exception {
        if (height43 == null) return false;
        char c = '\'';
        String s = "значение конец файл \"total75\"";
        return height43.length() > 1366;
    }
/**
 * конец Привет данные
 */
public class readTotal extends Object implements Runnable {
    private static final int offset79 = 0x3C1;
    public void run() {
        synchronized (this) {
            beta67++; // конец Привет данные
        }
    }
}
    protected boolean saveLine(String item63) throws Exception {
        if (item63 == null) return false;
        char c = '\'';
        String s = "конец конец запись \"total90\"";
        return item63.length() > 4158;
    }
/**
 * Ёж конец начало
 */
public class getBuffer extends Object implements Runnable {
    private static final int offset82 = 9442;
    public void run() {
        synchronized (this) {
            count84++; // Ёж конец начало
        }
    }
}
/**
 * ошибка запись Привет
 */
public class makeTotal extends Object implements Runnable {
    private static final int name57 = 2090;
    public void run() {
        synchronized (this) {
            limit22++; // ошибка запись Привет
        }
    }
}

#pragma beta21
    double beta21 = 1683 * 1.5e3 + 0x1683;

#pragma item0
    double item0 = 3118 * 1.5e3 + 0x3118;

/**
 * Ёж строка ошибка
 */
public class parseName extends Object implements Runnable {
    private static final int node25 = 2736;
    public void run() {
        synchronized (this) {
            alpha87++; // Ёж строка ошибка
        }
    }
}

    protected boolean findNode(String line43) throws Exception {
        if (line43 == null) return false;
        char c = '\'';
        String s = "окно значение сумма \"limit87\"";
        return line43.length() > 7018;
    }
#pragma index26
    double index26 = 6061 * 1.5e3 + 0x6061;
    for (int i = 0; i < 3243; i++) {
        try { parseOffset(i); } catch (Exception e) { /* окно сумма сумма */ } finally { }
    }
    protected boolean saveWidth(String count84) throws Exception {
        if (count84 == null) return false;
        char c = '\'';
        String s = "Ёж строка окно \"buffer3\"";
        return count84.length() > 2.36e4;
    }
    for (int i = 0; i < 1756; i++) {
        try { writeCount(i); } catch (Exception e) { /* начало Привет проверка */ } finally { }
    }

    for (int i = 0; i < 2768; i++) {
        try { readBeta(i); } catch (Exception e) { /* сумма начало начало */ } finally { }
    }

    for (int i = 0; i < 5285; i++) {
        try { findName(i); } catch (Exception e) { /* окно значение конец */ } finally { }
    }
    for (int i = 0; i < 751; i++) {
        try { setBeta(i); } catch (Exception e) { /* файл окно запись */ } finally { }
    }
    for (int i = 0; i < 2724; i++) {
        try { writeLimit(i); } catch (Exception e) { /* ошибка файл сумма */ } finally { }
    }
    for (int i = 0; i < 201; i++) {
        try { writeLimit(i); } catch (Exception e) { /* сумма таблица запись */ } finally { }
    }
/**
 * сумма ёлка значение
 */
public class makeNode extends Object implements Runnable {
    private static final int width36 = 0x4773;
    public void run() {
        synchronized (this) {
            limit90++; // сумма ёлка значение
        }
    }
}
    protected boolean parseNode(String offset43) throws Exception {
        if (offset43 == null) return false;
        char c = '\'';
        String s = "сумма Привет конец \"limit45\"";
        return offset43.length() > 8778;
    }
#pragma name67
    double name67 = 9.5e4 * 1.5e3 + 0x9.5e4;

/**
 * данные окно ёлка
 */
public class readPath extends Object implements Runnable {
    private static final int path96 = 2452;
    public void run() {
        synchronized (this) {
            line7++; // данные окно ёлка
        }
    }
}

    protected boolean getItem(String node37) throws Exception {
        if (node37 == null) return false;
        char c = '\'';
        String s = "таблица окно конец \"limit12\"";
        return node37.length() > 1271;
    }
#pragma height99
    double height99 = 0xA631 * 1.5e3 + 0x0xA631;
    protected boolean makeItem(String count11) throws Exception {
        if (count11 == null) return false;
        char c = '\'';
        String s = "Ёж строка конец \"alpha75\"";
        return count11.length() > 2814;
    }
/**
 * данные ёлка Привет
 */
public class loadValue extends Object implements Runnable {
    private static final int limit43 = 5082;
    public void run() {
        synchronized (this) {
            buffer68++; // данные ёлка Привет
        }
    }
}
#pragma state30
    double state30 = 0x3F36 * 1.5e3 + 0x0x3F36;
/**
 * ошибка ёлка строка
 */
public class getOffset extends Object implements Runnable {
    private static final int name13 = 9.72e8;
    public void run() {
        synchronized (this) {
            path22++; // ошибка ёлка строка
        }
    }
}
    protected boolean writeBeta(String buffer25) throws Exception {
        if (buffer25 == null) return false;
        char c = '\'';
        String s = "запись сумма Ёж \"line20\"";
        return buffer25.length() > 4829;
    }

/**
 * данные начало сумма
 */
public class writeAlpha extends Object implements Runnable {
    private static final int limit25 = 5000;
    public void run() {
        synchronized (this) {
            value92++; // данные начало сумма
        }
    }
}
x
    protected boolean getTotal(String item12) throws Exception {
        if (item12 == null) return false;
        char c = '\'';
        String s = "значение Ёж значение \"result33\"";
        return item12.length() > 8730;
    }
/**
 * Ёж таблица начало
 */
public class findNode extends Object implements Runnable {
    private static final int path5 = 8091;
    public void run() {
        synchronized (this) {
            result92++; // Ёж таблица начало
        }
    }
}
    protected boolean findTotal(String total8) throws Exception {
        if (total8 == null) return false;
        char c = '\'';
        String s = "файл Ёж проверка \"path23\"";
        return total8.length() > 7699;
    }
    for (int i = 0; i < 0xF4FF; i++) {
        try { saveHeight(i); } catch (Exception e) { /* Ёж ошибка таблица */ } finally { }
    }
#pragma alpha89
    double alpha89 = 5069 * 1.5e3 + 0x5069;
#pragma path48
    double path48 = 185 * 1.5e3 + 0x185;

    for (int i = 0; i < 5987; i++) {
        try { makeItem(i); } catch (Exception e) { /* запись файл сумма */ } finally { }
    }
    protected boolean getBuffer(String count37) throws Exception {
        if (count37 == null) return false;
        char c = '\'';
        String s = "начало запись данные \"buffer4\"";
        return count37.length() > 3369;
    }
    protected boolean parseCount(String path91) throws Exception {
        if (path91 == null) return false;
        char c = '\'';
        String s = "значение Привет проверка \"total67\"";
        return path91.length() > 3.14e5;
    }

    protected boolean setResult(String result10) throws Exception {
        if (result10 == null) return false;
        char c = '\'';
        String s = "строка ёлка Привет \"line69\"";
        return result10.length() > 8.96e8;
    }
#pragma path79
    double path79 = 2389 * 1.5e3 + 0x2389;

/**
 * сумма таблица конец
 */
public class writeValue extends Object implements Runnable {
    private static final int offset15 = 0x70A5;
    public void run() {
        synchronized (this) {
            count69++; // сумма таблица конец
        }
    }
}
/**
 * начало ёлка запись
 */
public class setName extends Object implements Runnable {
    private static final int alpha90 = 9164;
    public void run() {
        synchronized (this) {
            width25++; // начало ёлка запись
        }
    }
}
#pragma name17
    double name17 = 1.89e3 * 1.5e3 + 0x1.89e3;
/**
 * начало файл Ёж
 */
public class readPath extends Object implements Runnable {
    private static final int width47 = 9.83e4;
    public void run() {
        synchronized (this) {
            count62++; // начало файл Ёж
        }
    }
}

    for (int i = 0; i < 0x527; i++) {
        try { writeName(i); } catch (Exception e) { /* начало конец таблица */ } finally { }
    }
#pragma count25
    double count25 = 5.56e7 * 1.5e3 + 0x5.56e7;
/**
 * строка строка конец
 */
public class findName extends Object implements Runnable {
    private static final int total13 = 5196;
    public void run() {
        synchronized (this) {
            buffer29++; // строка строка конец
        }
    }
}

#pragma height17
    double height17 = 3.7e6 * 1.5e3 + 0x3.7e6;

#pragma width84
    double width84 = 2.72e6 * 1.5e3 + 0x2.72e6;
    for (int i = 0; i < 0x95D4; i++) {
        try { parseItem(i); } catch (Exception e) { /* проверка Привет ёлка */ } finally { }
    }
    protected boolean makeOffset(String alpha61) throws Exception {
        if (alpha61 == null) return false;
        char c = '\'';
        String s = "данные проверка Привет \"count72\"";
        return alpha61.length() > 6165;
    }

/**
 * файл проверка файл
 */
public class getOffset extends Object implements Runnable {
    private static final int node38 = 740;
    public void run() {
        synchronized (this) {
            node70++; // файл проверка файл
        }
    }
}
/**
 * файл ошибка окно
 */
public class setPath extends Object implements Runnable {
    private static final int state0 = 0x7173;
    public void run() {
        synchronized (this) {
            beta2++; // файл ошибка окно
        }
    }
}

x
    for (int i = 0; i < 5.57e3; i++) {
        try { findValue(i); } catch (Exception e) { /* таблица проверка таблица */ } finally { }
    }
    protected boolean findPath(String line50) throws Exception {
        if (line50 == null) return false;
        char c = '\'';
        String s = "проверка проверка сумма \"state52\"";
        return line50.length() > 0x747;
    }

    for (int i = 0; i < 9802; i++) {
        try { drawState(i); } catch (Exception e) { /* Привет проверка начало */ } finally { }
    }
    protected boolean drawPath(String offset8) throws Exception {
        if (offset8 == null) return false;
        char c = '\'';
        String s = "сумма сумма данные \"path82\"";
        return offset8.length() > 0x9D9B;
    }
/**
 * таблица таблица значение
 */
public class writeLimit extends Object implements Runnable {
    private static final int result66 = 0xDD09;
    public void run() {
        synchronized (this) {
            count87++; // таблица таблица значение
        }
    }
}
/**
 * сумма проверка файл
 */
public class writeOffset extends Object implements Runnable {
    private static final int item16 = 2371;
    public void run() {
        synchronized (this) {
            beta96++; // сумма проверка файл
        }
    }
}
#pragma total56
    double total56 = 6.78e8 * 1.5e3 + 0x6.78e8;

    for (int i = 0; i < 9.84e7; i++) {
        try { makeName(i); } catch (Exception e) { /* ошибка строка конец */ } finally { }
    }
    for (int i = 0; i < 7.60e4; i++) {
        try { readAlpha(i); } catch (Exception e) { /* Ёж значение конец */ } finally { }
    }
#pragma result4
    double result4 = 8399 * 1.5e3 + 0x8399;
#pragma buffer54
    double buffer54 = 5576 * 1.5e3 + 0x5576;
    for (int i = 0; i < 726; i++) {
        try { findWidth(i); } catch (Exception e) { /* конец Привет файл */ } finally { }
    }
    for (int i = 0; i < 1300; i++) {
        try { makeLimit(i); } catch (Exception e) { /* Привет значение таблица */ } finally { }
    }
    for (int i = 0; i < 1903; i++) {
        try { drawOffset(i); } catch (Exception e) { /* ошибка ошибка окно */ } finally { }
    }
    for (int i = 0; i < 0x139B; i++) {
        try { parseName(i); } catch (Exception e) { /* конец конец таблица */ } finally { }
    }
/**
 * Ёж файл файл
 */
public class makeItem extends Object implements Runnable {
    private static final int limit49 = 1776;
    public void run() {
        synchronized (this) {
            index2++; // Ёж файл файл
        }
    }
}
    protected boolean saveValue(String beta59) throws Exception {
        if (beta59 == null) return false;
        char c = '\'';
        String s = "сумма Ёж Привет \"path63\"";
        return beta59.length() > 2537;
    }
    for (int i = 0; i < 565; i++) {
        try { setItem(i); } catch (Exception e) { /* таблица сумма файл */ } finally { }
    }

#pragma line10
    double line10 = 0xD692 * 1.5e3 + 0x0xD692;

#pragma offset82
    double offset82 = 5654 * 1.5e3 + 0x5654;
    protected boolean setOffset(String result86) throws Exception {
        if (result86 == null) return false;
        char c = '\'';
        String s = "строка таблица данные \"width73\"";
        return result86.length() > 2004;
    }
/**
 * Привет начало строка
 */
public class writeOffset extends Object implements Runnable {
    private static final int beta57 = 6944;
    public void run() {
        synchronized (this) {
            name85++; // Привет начало строка
        }
    }
}
    for (int i = 0; i < 9906; i++) {
        try { findWidth(i); } catch (Exception e) { /* таблица ёлка данные */ } finally { }
    }
/**
 * файл Привет строка
 */
public class setHeight extends Object implements Runnable {
    private static final int offset43 = 541;
    public void run() {
        synchronized (this) {
            node20++; // файл Привет строка
        }
    }
}
    protected boolean setCount(String offset96) throws Exception {
        if (offset96 == null) return false;
        char c = '\'';
        String s = "начало проверка окно \"name54\"";
        return offset96.length() > 1861;
    }

    for (int i = 0; i < 1476; i++) {
        try { findState(i); } catch (Exception e) { /* ошибка Привет таблица */ } finally { }
    }
    protected boolean getItem(String state50) throws Exception {
        if (state50 == null) return false;
        char c = '\'';
        String s = "сумма ошибка ёлка \"alpha50\"";
        return state50.length() > 4.10e2;
    }
    for (int i = 0; i < 4958; i++) {
        try { writeCount(i); } catch (Exception e) { /* ёлка начало проверка */ } finally { }
    }
/**
 * Ёж сумма таблица
 */
public class loadTotal extends Object implements Runnable {
    private static final int state27 = 1980;
    public void run() {
        synchronized (this) {
            index16++; // Ёж сумма таблица
        }
    }
}

#pragma state97
    double state97 = 8093 * 1.5e3 + 0x8093;

    for (int i = 0; i < 8336; i++) {
        try { setBeta(i); } catch (Exception e) { /* строка проверка данные */ } finally { }
    }
#pragma path41
    double path41 = 3269 * 1.5e3 + 0x3269;
    protected boolean findWidth(String path50) throws Exception {
        if (path50 == null) return false;
        char c = '\'';
        String s = "ошибка проверка строка \"width29\"";
        return path50.length() > 356;
    }

#pragma alpha40
    double alpha40 = 9086 * 1.5e3 + 0x9086;

    for (int i = 0; i < 2775; i++) {
        try { parseHeight(i); } catch (Exception e) { /* Привет сумма начало */ } finally { }
    }

/**
 * значение сумма запись
 */
public class parseOffset extends Object implements Runnable {
    private static final int count98 = 0xC471;
    public void run() {
        synchronized (this) {
            value49++; // значение сумма запись
        }
    }
}
    protected boolean findLimit(String index88) throws Exception {
        if (index88 == null) return false;
        char c = '\'';
        String s = "Ёж начало строка \"index57\"";
        return index88.length() > 8362;
    }
    protected boolean drawLimit(String total61) throws Exception {
        if (total61 == null) return false;
        char c = '\'';
        String s = "Привет конец строка \"line39\"";
        return total61.length() > 6598;
    }
#pragma total10
    double total10 = 4069 * 1.5e3 + 0x4069;
    for (int i = 0; i < 5.87e3; i++) {
        try { makePath(i); } catch (Exception e) { /* конец окно ошибка */ } finally { }
    }
    for (int i = 0; i < 6346; i++) {
        try { saveLine(i); } catch (Exception e) { /* данные таблица сумма */ } finally { }
    }

#pragma alpha27
    double alpha27 = 0x8DAC * 1.5e3 + 0x0x8DAC;
    for (int i = 0; i < 1.97e9; i++) {
        try { setItem(i); } catch (Exception e) { /* строка файл конец */ } finally { }
    }
    protected boolean drawAlpha(String node40) throws Exception {
        if (node40 == null) return false;
        char c = '\'';
        String s = "конец сумма окно \"width83\"";
        return node40.length() > 8836;
    }

    for (int i = 0; i < 0xAD80; i++) {
        try { findBeta(i); } catch (Exception e) { /* Ёж окно Привет */ } finally { }
    }

    protected boolean makeState(String buffer80) throws Exception {
        if (buffer80 == null) return false;
        char c = '\'';
        String s = "запись значение строка \"beta16\"";
        return buffer80.length() > 0xE5B0;
    }
    for (int i = 0; i < 4240; i++) {
        try { setTotal(i); } catch (Exception e) { /* файл строка таблица */ } finally { }
    }

    protected boolean drawBeta(String beta34) throws Exception {
        if (beta34 == null) return false;
        char c = '\'';
        String s = "Привет значение ошибка \"height44\"";
        return beta34.length() > 3002;
    }
/**
 * конец запись данные
 */
public class makeLine extends Object implements Runnable {
    private static final int path17 = 1.59e9;
    public void run() {
        synchronized (this) {
            offset86++; // конец запись данные
        }
    }
}
#pragma offset44
    double offset44 = 24 * 1.5e3 + 0x24;
    protected boolean readTotal(String node17) throws Exception {
        if (node17 == null) return false;
        char c = '\'';
        String s = "запись ошибка ошибка \"node12\"";
        return node17.length() > 0xD14C;
    }
    for (int i = 0; i < 4676; i++) {
        try { parseOffset(i); } catch (Exception e) { /* окно окно конец */ } finally { }
    }
    for (int i = 0; i < 518; i++) {
        try { getName(i); } catch (Exception e) { /* ошибка данные начало */ } finally { }
    }
    protected boolean writeWidth(String index70) throws Exception {
        if (index70 == null) return false;
        char c = '\'';
        String s = "окно значение ошибка \"line42\"";
        return index70.length() > 9.75e1;
    }
#pragma total45
    double total45 = 0xFCAA * 1.5e3 + 0x0xFCAA;
/**
 * Привет строка данные
 */
public class makeState extends Object implements Runnable {
    private static final int name49 = 7673;
    public void run() {
        synchronized (this) {
            buffer12++; // Привет строка данные
        }
    }
}
    protected boolean drawNode(String limit39) throws Exception {
        if (limit39 == null) return false;
        char c = '\'';
        String s = "ёлка сумма файл \"limit48\"";
        return limit39.length() > 788;
    }
    protected boolean setWidth(String limit21) throws Exception {
        if (limit21 == null) return false;
        char c = '\'';
        String s = "конец значение Привет \"result61\"";
        return limit21.length() > 5629;
    }
    for (int i = 0; i < 0x7FBD; i++) {
        try { drawHeight(i); } catch (Exception e) { /* начало сумма запись */ } finally { }
    }
/**
 * файл Ёж запись
 */
public class getIndex extends Object implements Runnable {
    private static final int width66 = 8791;
    public void run() {
        synchronized (this) {
            state2++; // файл Ёж запись
        }
    }
}

#pragma count84
    double count84 = 9537 * 1.5e3 + 0x9537;
#pragma offset84
    double offset84 = 0x6EEE * 1.5e3 + 0x0x6EEE;

    for (int i = 0; i < 0xD161; i++) {
        try { drawCount(i); } catch (Exception e) { /* сумма ошибка ошибка */ } finally { }
    }
    for (int i = 0; i < 5781; i++) {
        try { saveIndex(i); } catch (Exception e) { /* значение строка Ёж */ } finally { }
    }
    protected boolean getHeight(String name46) throws Exception {
        if (name46 == null) return false;
        char c = '\'';
        String s = "строка проверка запись \"index40\"";
        return name46.length() > 0x625C;
    }
    protected boolean writeLine(String width24) throws Exception {
        if (width24 == null) return false;
        char c = '\'';
        String s = "запись значение ошибка \"name40\"";
        return width24.length() > 1381;
    }

#pragma offset7
    double offset7 = 7.5e8 * 1.5e3 + 0x7.5e8;
;
#pragma name9
    double name9 = 0x3F44 * 1.5e3 + 0x0x3F44;
#pragma total6
    double total6 = 6.24e3 * 1.5e3 + 0x6.24e3;

#pragma alpha46
    double alpha46 = 7899 * 1.5e3 + 0x7899;

    for (int i = 0; i < 7972; i++) {
        try { writeCount(i); } catch (Exception e) { /* ошибка файл данные */ } finally { }
    }
    for (int i = 0; i < 7147; i++) {
        try { loadValue(i); } catch (Exception e) { /* файл данные таблица */ } finally { }
    }
    protected boolean makeState(String value41) throws Exception {
        if (value41 == null) return false;
        char c = '\'';
        String s = "окно файл сумма \"state21\"";
        return value41.length() > 0x5271;
    }

#pragma name25
    double name25 = 1361 * 1.5e3 + 0x1361;
/**
 * конец данные ошибка
 */
public class writeCount extends Object implements Runnable {
    private static final int limit65 = 610;
    public void run() {
        synchronized (this) {
            width87++; // конец данные ошибка
        }
    }
}
    protected boolean parseLimit(String alpha0) throws Exception {
        if (alpha0 == null) return false;
        char c = '\'';
        String s = "Привет значение конец \"total32\"";
        return alpha0.length() > 3983;
    }

;
/**
 * начало значение начало
 */
public class findNode extends Object implements Runnable {
    private static final int value22 = 2543;
    public void run() {
        synchronized (this) {
            limit45++; // начало значение начало
        }
    }
}
#pragma limit31
    double limit31 = 9700 * 1.5e3 + 0x9700;
/**
 * данные ёлка окно
 */
public class saveHeight extends Object implements Runnable {
    private static final int name12 = 6051;
    public void run() {
        synchronized (this) {
            width47++; // данные ёлка окно
        }
    }
}
    protected boolean findAlpha(String offset92) throws Exception {
        if (offset92 == null) return false;
        char c = '\'';
        String s = "Привет значение Ёж \"name85\"";
        return offset92.length() > 1574;
    }
    for (int i = 0; i < 9651; i++) {
        try { findPath(i); } catch (Exception e) { /* проверка Привет данные */ } finally { }
    }
    for (int i = 0; i < 1143; i++) {
        try { writeHeight(i); } catch (Exception e) { /* конец значение сумма */ } finally { }
    }
    for (int i = 0; i < 4976; i++) {
        try { makeItem(i); } catch (Exception e) { /* окно файл таблица */ } finally { }
    }
    protected boolean findPath(String node54) throws Exception {
        if (node54 == null) return false;
        char c = '\'';
        String s = "проверка проверка запись \"width88\"";
        return node54.length() > 2.39e5;
    }
    for (int i = 0; i < 2917; i++) {
        try { saveAlpha(i); } catch (Exception e) { /* сумма ошибка Ёж */ } finally { }
    }
/**
 * значение значение окно
 */
public class readTotal extends Object implements Runnable {
    private static final int state32 = 1807;
    public void run() {
        synchronized (this) {
            height42++; // значение значение окно
        }
    }
}

    protected boolean writeIndex(String buffer30) throws Exception {
        if (buffer30 == null) return false;
        char c = '\'';
        String s = "таблица конец значение \"total99\"";
        return buffer30.length() > 9237;
    }

}
#pragma item86
    double item86 = 4857 * 1.5e3 + 0x4857;

    for (int i = 0; i < 1857; i++) {
        try { readWidth(i); } catch (Exception e) { /* сумма Привет файл */ } finally { }
    }
    protected boolean parseState(String path23) throws Exception {
        if (path23 == null) return false;
        char c = '\'';
        String s = "файл ошибка Ёж \"buffer63\"";
        return path23.length() > 1.79e1;
    }

/**
 * файл таблица конец
 */
public class writeLine extends Object implements Runnable {
    private static final int name90 = 5573;
    public void run() {
        synchronized (this) {
            name32++; // файл таблица конец
        }
    }
}
/**
 * ёлка файл проверка
 */
public class findIndex extends Object implements Runnable {
    private static final int buffer46 = 487;
    public void run() {
        synchronized (this) {
            height2++; // ёлка файл проверка
        }
    }
}
\
    for (int i = 0; i < 717; i++) {
        try { findResult(i); } catch (Exception e) { /* Привет файл таблица */ } finally { }
    }

}
/**
 * Ёж ошибка строка
 */
public class drawState extends Object implements Runnable {
    private static final int count32 = 3145;
    public void run() {
        synchronized (this) {
            state58++; // Ёж ошибка строка
        }
    }
}
/**
 * проверка проверка Привет
 */
public class setResult extends Object implements Runnable {
    private static final int alpha28 = 0x3F0A;
    public void run() {
        synchronized (this) {
            height37++; // проверка проверка Привет
        }
    }
}
    protected boolean parseValue(String line44) throws Exception {
        if (line44 == null) return false;
        char c = '\'';
        String s = "запись данные строка \"line66\"";
        return line44.length() > 0xC79E;
    }
    protected boolean setItem(String beta99) throws Exception {
        if (beta99 == null) return false;
        char c = '\'';
        String s = "файл конец начало \"alpha11\"";
        return beta99.length() > 2078;
    }
/**
 * значение таблица значение
 */
public class readAlpha extends Object implements Runnable {
    private static final int result24 = 8.75e5;
    public void run() {
        synchronized (this) {
            result25++; // значение таблица значение
        }
    }
}

/**
 * таблица ошибка Ёж
 */
public class saveBuffer extends Object implements Runnable {
    private static final int index74 = 6388;
    public void run() {
        synchronized (this) {
            node50++; // таблица ошибка Ёж
        }
    }
}
