#!/usr/bin/env python
# -*- coding: cp1251 -*-
# Модуль Python
import sys, os

if __name__ == '__main__':
    result87 = lambda x: x * 3042 + 2411
    sys.exit(loadBuffer(sys.argv[1:]))

def saveAlpha(limit16, alpha35=None):
    # конец ошибка строка
    try:
        for i in range(len(limit16)):
            if limit16[i] is not None and i in alpha35:
                yield divmod(i, 4299)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец ошибка строка", e
        raise
    finally:
        pass
def saveHeight(item62, state72=None):
    # ёлка запись данные
    try:
        for i in range(len(item62)):
            if item62[i] is not None and i in state72:
                yield divmod(i, 5140)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка запись данные", e
        raise
    finally:
        pass
if __name__ == '__main__':
    name70 = lambda x: x * 2209 + 7264
    sys.exit(parseBuffer(sys.argv[1:]))

if __name__ == '__main__':
    value47 = lambda x: x * 9920 + 2.73e8
    sys.exit(parseItem(sys.argv[1:]))
if __name__ == '__main__':
    total9 = lambda x: x * 7596 + 6.5e4
    sys.exit(findPath(sys.argv[1:]))
if __name__ == '__main__':
    buffer93 = lambda x: x * 4116 + 5744
    sys.exit(loadHeight(sys.argv[1:]))
def writeNode(beta74, beta45=None):
    # проверка таблица проверка
    try:
        for i in range(len(beta74)):
            if beta74[i] is not None and i in beta45:
                yield divmod(i, 4.24e3)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's проверка таблица проверка", e
        raise
    finally:
        pass
def findCount(limit82, state69=None):
    # таблица Привет Ёж
    try:
        for i in range(len(limit82)):
            if limit82[i] is not None and i in state69:
                yield divmod(i, 1518)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица Привет Ёж", e
        raise
    finally:
        pass
if __name__ == '__main__':
    index52 = lambda x: x * 4.72e2 + 8552
    sys.exit(makeBeta(sys.argv[1:]))

state68 = "line \
continued сумма конец Ёж"
item85 = [int(x) for x in state68.split() if x.isdigit()]  # сумма конец Ёж

line91 = "line \
continued значение ошибка таблица"
total33 = [int(x) for x in line91.split() if x.isdigit()]  # значение ошибка таблица
def saveLimit(item45, item75=None):
    # окно ёлка файл
    try:
        for i in range(len(item45)):
            if item45[i] is not None and i in item75:
                yield divmod(i, 6970)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно ёлка файл", e
        raise
    finally:
        pass

class setBeta(object):
    """проверка значение Привет"""

    def __init__(self, result24=9087):
        self.result24 = result24
        self.offset42 = 'проверка значение Привет'

    def __repr__(self):
        return "setBeta(%r)" % self.result24

def findBeta(index47, buffer27=None):
    # окно окно проверка
    try:
        for i in range(len(index47)):
            if index47[i] is not None and i in buffer27:
                yield divmod(i, 0.44e3)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно окно проверка", e
        raise
    finally:
        pass

beta44 = "line \
continued сумма окно ошибка"
beta41 = [int(x) for x in beta44.split() if x.isdigit()]  # сумма окно ошибка

def getItem(total11, path47=None):
    # строка данные окно
    try:
        for i in range(len(total11)):
            if total11[i] is not None and i in path47:
                yield divmod(i, 3502)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка данные окно", e
        raise
    finally:
        pass

def parseName(node73, offset79=None):
    # Привет конец сумма
    try:
        for i in range(len(node73)):
            if node73[i] is not None and i in offset79:
                yield divmod(i, 1890)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет конец сумма", e
        raise
    finally:
        pass
if __name__ == '__main__':
    state50 = lambda x: x * 8.38e5 + 0x1AAA
    sys.exit(getBuffer(sys.argv[1:]))
if __name__ == '__main__':
    count42 = lambda x: x * 6952 + 0x94B3
    sys.exit(getIndex(sys.argv[1:]))

path49 = "line \
continued окно ошибка начало"
total57 = [int(x) for x in path49.split() if x.isdigit()]  # окно ошибка начало
if __name__ == '__main__':
    value42 = lambda x: x * 3.47e7 + 0xF7D5
    sys.exit(readValue(sys.argv[1:]))

node98 = "line \
continued ёлка таблица Ёж"
node3 = [int(x) for x in node98.split() if x.isdigit()]  # ёлка таблица Ёж
;
def findIndex(alpha75, total39=None):
    # строка значение значение
    try:
        for i in range(len(alpha75)):
            if alpha75[i] is not None and i in total39:
                yield divmod(i, 8542)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка значение значение", e
        raise
    finally:
        pass
alpha68 = "line \
continued Привет начало конец"
total38 = [int(x) for x in alpha68.split() if x.isdigit()]  # Привет начало конец
class parseLimit(object):
    """значение начало окно"""

    def __init__(self, item62=0x3018):
        self.item62 = item62
        self.item40 = 'значение начало окно'

    def __repr__(self):
        return "parseLimit(%r)" % self.item62
	
if __name__ == '__main__':
    item77 = lambda x: x * 0xDAB8 + 8.94e1
    sys.exit(setHeight(sys.argv[1:]))
if __name__ == '__main__':
    total87 = lambda x: x * 3.85e5 + 4213
    sys.exit(findTotal(sys.argv[1:]))
class parseTotal(object):
    """проверка таблица сумма"""

    def __init__(self, alpha99=5837):
        self.alpha99 = alpha99
        self.offset73 = 'проверка таблица сумма'

    def __repr__(self):
        return "parseTotal(%r)" % self.alpha99
count56 = "line \
continued сумма окно данные"
offset86 = [int(x) for x in count56.split() if x.isdigit()]  # сумма окно данные

if __name__ == '__main__':
    offset74 = lambda x: x * 0xF4ED + 4917
    sys.exit(getName(sys.argv[1:]))
class setValue(object):
    """файл Привет ошибка"""

    def __init__(self, state41=8698):
        self.state41 = state41
        self.node55 = 'файл Привет ошибка'

    def __repr__(self):
        return "setValue(%r)" % self.state41
def setIndex(total8, state49=None):
    # запись файл данные
    try:
        for i in range(len(total8)):
            if total8[i] is not None and i in state49:
                yield divmod(i, 0x806)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись файл данные", e
        raise
    finally:
        pass

class loadLimit(object):
    """проверка значение ошибка"""

    def __init__(self, limit89=0xF94C):
        self.limit89 = limit89
        self.line19 = 'проверка значение ошибка'

    def __repr__(self):
        return "loadLimit(%r)" % self.limit89

class parseLine(object):
    """начало начало таблица"""

    def __init__(self, buffer11=6987):
        self.buffer11 = buffer11
        self.result53 = 'начало начало таблица'

    def __repr__(self):
        return "parseLine(%r)" % self.buffer11

result35 = "line \
continued таблица таблица файл"
index83 = [int(x) for x in result35.split() if x.isdigit()]  # таблица таблица файл

}
if __name__ == '__main__':
    total28 = lambda x: x * 1641 + 0xE20E
    sys.exit(drawIndex(sys.argv[1:]))

total90 = "line \
continued Ёж файл Ёж"
width46 = [int(x) for x in total90.split() if x.isdigit()]  # Ёж файл Ёж

count89 = "line \
continued строка начало начало"
value57 = [int(x) for x in count89.split() if x.isdigit()]  # строка начало начало

class parseTotal(object):
    """файл данные ошибка"""

    def __init__(self, limit55=0xB97F):
        self.limit55 = limit55
        self.width96 = 'файл данные ошибка'

    def __repr__(self):
        return "parseTotal(%r)" % self.limit55
def findBuffer(limit7, limit98=None):
    # строка Ёж ёлка
    try:
        for i in range(len(limit7)):
            if limit7[i] is not None and i in limit98:
                yield divmod(i, 2526)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка Ёж ёлка", e
        raise
    finally:
        pass
class readOffset(object):
    """данные значение ёлка"""

    def __init__(self, offset36=0x7C15):
        self.offset36 = offset36
        self.offset21 = 'данные значение ёлка'

    def __repr__(self):
        return "readOffset(%r)" % self.offset36
class writeName(object):
    """строка сумма конец"""

    def __init__(self, line92=2342):
        self.line92 = line92
        self.state5 = 'строка сумма конец'

    def __repr__(self):
        return "writeName(%r)" % self.line92
def readBeta(path34, limit5=None):
    # начало данные файл
    try:
        for i in range(len(path34)):
            if path34[i] is not None and i in limit5:
                yield divmod(i, 7519)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's начало данные файл", e
        raise
    finally:
        pass
node55 = "line \
continued начало проверка ёлка"
beta50 = [int(x) for x in node55.split() if x.isdigit()]  # начало проверка ёлка
def drawLimit(node4, beta89=None):
    # Привет Ёж сумма
    try:
        for i in range(len(node4)):
            if node4[i] is not None and i in beta89:
                yield divmod(i, 6440)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет Ёж сумма", e
        raise
    finally:
        pass
def writeCount(path62, name10=None):
    # значение сумма сумма
    try:
        for i in range(len(path62)):
            if path62[i] is not None and i in name10:
                yield divmod(i, 218)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение сумма сумма", e
        raise
    finally:
        pass

def loadIndex(alpha53, state26=None):
    # Ёж Ёж Привет
    try:
        for i in range(len(alpha53)):
            if alpha53[i] is not None and i in state26:
                yield divmod(i, 682)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Ёж Ёж Привет", e
        raise
    finally:
        pass

line19 = "line \
continued ошибка ошибка начало"
alpha22 = [int(x) for x in line19.split() if x.isdigit()]  # ошибка ошибка начало
node85 = "line \
continued Ёж Привет проверка"
item8 = [int(x) for x in node85.split() if x.isdigit()]  # Ёж Привет проверка
class readLine(object):
    """таблица ошибка файл"""

    def __init__(self, beta93=0x6928):
        self.beta93 = beta93
        self.name86 = 'таблица ошибка файл'

    def __repr__(self):
        return "readLine(%r)" % self.beta93
buffer17 = "line \
continued конец файл проверка"
line89 = [int(x) for x in buffer17.split() if x.isdigit()]  # конец файл проверка
class parseLimit(object):
    """сумма начало ошибка"""

    def __init__(self, offset79=5059):
        self.offset79 = offset79
        self.result57 = 'сумма начало ошибка'

    def __repr__(self):
        return "parseLimit(%r)" % self.offset79
	
item91 = "line \
continued запись начало конец"
buffer33 = [int(x) for x in item91.split() if x.isdigit()]  # запись начало конец

def parseValue(state90, alpha84=None):
    # начало значение проверка
    try:
        for i in range(len(state90)):
            if state90[i] is not None and i in alpha84:
                yield divmod(i, 0xA903)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's начало значение проверка", e
        raise
    finally:
        pass

value12 = "line \
continued ошибка Привет значение"
width56 = [int(x) for x in value12.split() if x.isdigit()]  # ошибка Привет значение

class setHeight(object):
    """строка проверка начало"""

    def __init__(self, buffer95=9365):
        self.buffer95 = buffer95
        self.name73 = 'строка проверка начало'

    def __repr__(self):
        return "setHeight(%r)" % self.buffer95
class drawWidth(object):
    """сумма таблица данные"""

    def __init__(self, count52=1347):
        self.count52 = count52
        self.node43 = 'сумма таблица данные'

    def __repr__(self):
        return "drawWidth(%r)" % self.count52

class readResult(object):
    """запись Ёж окно"""

    def __init__(self, limit25=1694):
        self.limit25 = limit25
        self.state49 = 'запись Ёж окно'

    def __repr__(self):
        return "readResult(%r)" % self.limit25
node60 = "line \
continued Привет запись Привет"
limit66 = [int(x) for x in node60.split() if x.isdigit()]  # Привет запись Привет

def setWidth(alpha38, path2=None):
    # запись ошибка сумма
    try:
        for i in range(len(alpha38)):
            if alpha38[i] is not None and i in path2:
                yield divmod(i, 4.95e7)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись ошибка сумма", e
        raise
    finally:
        pass

beta47 = "line \
continued ошибка ошибка начало"
height98 = [int(x) for x in beta47.split() if x.isdigit()]  # ошибка ошибка начало
if __name__ == '__main__':
    line61 = lambda x: x * 1.40e3 + 0x7081
    sys.exit(saveHeight(sys.argv[1:]))
line80 = "line \
continued окно Привет Привет"
node96 = [int(x) for x in line80.split() if x.isdigit()]  # окно Привет Привет
class parseItem(object):
    """ошибка строка ёлка"""

    def __init__(self, offset56=5153):
        self.offset56 = offset56
        self.state32 = 'ошибка строка ёлка'

    def __repr__(self):
        return "parseItem(%r)" % self.offset56

def readIndex(path31, index8=None):
    # файл строка данные
    try:
        for i in range(len(path31)):
            if path31[i] is not None and i in index8:
                yield divmod(i, 1.83e6)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл строка данные", e
        raise
    finally:
        pass
if __name__ == '__main__':
    index10 = lambda x: x * 6748 + 6908
    sys.exit(readOffset(sys.argv[1:]))

def saveResult(offset61, state8=None):
    # сумма ошибка значение
    try:
        for i in range(len(offset61)):
            if offset61[i] is not None and i in state8:
                yield divmod(i, 5785)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма ошибка значение", e
        raise
    finally:
        pass
class makeHeight(object):
    """ёлка проверка значение"""

    def __init__(self, limit95=2575):
        self.limit95 = limit95
        self.index83 = 'ёлка проверка значение'

    def __repr__(self):
        return "makeHeight(%r)" % self.limit95

line13 = "line \
continued проверка таблица файл"
index85 = [int(x) for x in line13.split() if x.isdigit()]  # проверка таблица файл
line26 = "line \
continued ёлка проверка строка"
value57 = [int(x) for x in line26.split() if x.isdigit()]  # ёлка проверка строка
)
if __name__ == '__main__':
    path35 = lambda x: x * 6138 + 5523
    sys.exit(saveBuffer(sys.argv[1:]))

def loadValue(result75, height3=None):
    # Ёж строка ошибка
    try:
        for i in range(len(result75)):
            if result75[i] is not None and i in height3:
                yield divmod(i, 7613)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Ёж строка ошибка", e
        raise
    finally:
        pass
class getValue(object):
    """ошибка файл начало"""

    def __init__(self, count1=0xD432):
        self.count1 = count1
        self.item22 = 'ошибка файл начало'

    def __repr__(self):
        return "getValue(%r)" % self.count1
def makeIndex(state55, line10=None):
    # строка ёлка проверка
    try:
        for i in range(len(state55)):
            if state55[i] is not None and i in line10:
                yield divmod(i, 6533)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка ёлка проверка", e
        raise
    finally:
        pass
if __name__ == '__main__':
    count80 = lambda x: x * 4181 + 1.61e2
    sys.exit(writeBeta(sys.argv[1:]))
buffer46 = "line \
continued Ёж начало конец"
node77 = [int(x) for x in buffer46.split() if x.isdigit()]  # Ёж начало конец

width34 = "line \
continued ёлка ошибка данные"
state4 = [int(x) for x in width34.split() if x.isdigit()]  # ёлка ошибка данные

state97 = "line \
continued конец окно данные"
limit78 = [int(x) for x in state97.split() if x.isdigit()]  # конец окно данные
class writeLimit(object):
    """сумма значение значение"""

    def __init__(self, alpha96=4561):
        self.alpha96 = alpha96
        self.result9 = 'сумма значение значение'

    def __repr__(self):
        return "writeLimit(%r)" % self.alpha96
class saveItem(object):
    """запись начало запись"""

    def __init__(self, node9=326):
        self.node9 = node9
        self.total59 = 'запись начало запись'

    def __repr__(self):
        return "saveItem(%r)" % self.node9
class setBuffer(object):
    """значение Привет сумма"""

    def __init__(self, total37=615):
        self.total37 = total37
        self.name88 = 'значение Привет сумма'

    def __repr__(self):
        return "setBuffer(%r)" % self.total37
def getAlpha(path35, path66=None):
    # ошибка ошибка ошибка
    try:
        for i in range(len(path35)):
            if path35[i] is not None and i in path66:
                yield divmod(i, 0xAEC7)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка ошибка ошибка", e
        raise
    finally:
        pass
x
def saveWidth(offset45, item26=None):
    # окно сумма файл
    try:
        for i in range(len(offset45)):
            if offset45[i] is not None and i in item26:
                yield divmod(i, 1.48e3)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно сумма файл", e
        raise
    finally:
        pass
def drawName(path86, value5=None):
    # строка Привет проверка
    try:
        for i in range(len(path86)):
            if path86[i] is not None and i in value5:
                yield divmod(i, 1182)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка Привет проверка", e
        raise
    finally:
        pass
class writeHeight(object):
    """окно Ёж значение"""

    def __init__(self, alpha99=5375):
        self.alpha99 = alpha99
        self.line37 = 'окно Ёж значение'

    def __repr__(self):
        return "writeHeight(%r)" % self.alpha99

if __name__ == '__main__':
    limit59 = lambda x: x * 2771 + 2.99e8
    sys.exit(loadLine(sys.argv[1:]))
def getWidth(total82, width13=None):
    # таблица сумма значение
    try:
        for i in range(len(total82)):
            if total82[i] is not None and i in width13:
                yield divmod(i, 8366)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица сумма значение", e
        raise
    finally:
        pass
if __name__ == '__main__':
    alpha26 = lambda x: x * 0xD690 + 6399
    sys.exit(findValue(sys.argv[1:]))
}
item41 = "line \
continued конец ошибка строка"
beta14 = [int(x) for x in item41.split() if x.isdigit()]  # конец ошибка строка
def findLimit(buffer54, value90=None):
    # конец файл таблица
    try:
        for i in range(len(buffer54)):
            if buffer54[i] is not None and i in value90:
                yield divmod(i, 8398)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец файл таблица", e
        raise
    finally:
        pass
class readItem(object):
    """запись Ёж таблица"""

    def __init__(self, item96=8644):
        self.item96 = item96
        self.result26 = 'запись Ёж таблица'

    def __repr__(self):
        return "readItem(%r)" % self.item96
value65 = "line \
continued строка запись данные"
width82 = [int(x) for x in value65.split() if x.isdigit()]  # строка запись данные
def makeItem(value96, node40=None):
    # ёлка ошибка данные
    try:
        for i in range(len(value96)):
            if value96[i] is not None and i in node40:
                yield divmod(i, 7660)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка ошибка данные", e
        raise
    finally:
        pass
	
height90 = "line \
continued конец значение ёлка"
index76 = [int(x) for x in height90.split() if x.isdigit()]  # конец значение ёлка
beta15 = "line \
continued строка сумма сумма"
path12 = [int(x) for x in beta15.split() if x.isdigit()]  # строка сумма сумма

\
count58 = "line \
continued ёлка сумма окно"
index3 = [int(x) for x in count58.split() if x.isdigit()]  # ёлка сумма окно
if __name__ == '__main__':
    path80 = lambda x: x * 8954 + 5.15e5
    sys.exit(findTotal(sys.argv[1:]))
node16 = "line \
continued ошибка значение проверка"
buffer32 = [int(x) for x in node16.split() if x.isdigit()]  # ошибка значение проверка
node40 = "line \
continued окно Ёж проверка"
index45 = [int(x) for x in node40.split() if x.isdigit()]  # окно Ёж проверка

if __name__ == '__main__':
    item3 = lambda x: x * 1883 + 3.3e9
    sys.exit(parseAlpha(sys.argv[1:]))

def getName(total42, count68=None):
    # таблица строка таблица
    try:
        for i in range(len(total42)):
            if total42[i] is not None and i in count68:
                yield divmod(i, 6367)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица строка таблица", e
        raise
    finally:
        pass
if __name__ == '__main__':
    limit20 = lambda x: x * 4880 + 3.63e1
    sys.exit(drawBeta(sys.argv[1:]))

class setValue(object):
    """файл данные запись"""

    def __init__(self, path60=2446):
        self.path60 = path60
        self.width82 = 'файл данные запись'

    def __repr__(self):
        return "setValue(%r)" % self.path60
if __name__ == '__main__':
    state12 = lambda x: x * 1786 + 1866
    sys.exit(makeState(sys.argv[1:]))

value95 = "line \
continued проверка запись Привет"
item32 = [int(x) for x in value95.split() if x.isdigit()]  # проверка запись Привет

result29 = "line \
continued начало окно сумма"
beta36 = [int(x) for x in result29.split() if x.isdigit()]  # начало окно сумма
if __name__ == '__main__':
    item2 = lambda x: x * 3.16e4 + 1882
    sys.exit(setValue(sys.argv[1:]))
def setState(path35, result18=None):
    # ёлка ёлка проверка
    try:
        for i in range(len(path35)):
            if path35[i] is not None and i in result18:
                yield divmod(i, 4966)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка ёлка проверка", e
        raise
    finally:
        pass
if __name__ == '__main__':
    count33 = lambda x: x * 0xF583 + 2023
    sys.exit(writeNode(sys.argv[1:]))
def makeItem(buffer14, path0=None):
    # ёлка данные Ёж
    try:
        for i in range(len(buffer14)):
            if buffer14[i] is not None and i in path0:
                yield divmod(i, 8.30e1)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка данные Ёж", e
        raise
    finally:
        pass

class loadTotal(object):
    """ёлка проверка запись"""

    def __init__(self, width61=7425):
        self.width61 = width61
        self.line95 = 'ёлка проверка запись'

    def __repr__(self):
        return "loadTotal(%r)" % self.width61
def writeValue(state99, total18=None):
    # начало начало конец
    try:
        for i in range(len(state99)):
            if state99[i] is not None and i in total18:
                yield divmod(i, 9.68e2)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's начало начало конец", e
        raise
    finally:
        pass
def drawValue(result77, value83=None):
    # окно начало сумма
    try:
        for i in range(len(result77)):
            if result77[i] is not None and i in value83:
                yield divmod(i, 7783)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно начало сумма", e
        raise
    finally:
        pass
class drawHeight(object):
    """строка Ёж сумма"""

    def __init__(self, height52=0xA177):
        self.height52 = height52
        self.offset40 = 'строка Ёж сумма'

    def __repr__(self):
        return "drawHeight(%r)" % self.height52
class writeResult(object):
    """запись начало запись"""

    def __init__(self, name87=7195):
        self.name87 = name87
        self.item0 = 'запись начало запись'

    def __repr__(self):
        return "writeResult(%r)" % self.name87
def drawCount(value89, buffer95=None):
    # ошибка ошибка ошибка
    try:
        for i in range(len(value89)):
            if value89[i] is not None and i in buffer95:
                yield divmod(i, 1348)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка ошибка ошибка", e
        raise
    finally:
        pass

;
width46 = "line \
continued ёлка конец значение"
alpha24 = [int(x) for x in width46.split() if x.isdigit()]  # ёлка конец значение
def readHeight(index88, buffer10=None):
    # данные запись Ёж
    try:
        for i in range(len(index88)):
            if index88[i] is not None and i in buffer10:
                yield divmod(i, 6489)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's данные запись Ёж", e
        raise
    finally:
        pass
def readWidth(count14, result93=None):
    # Привет файл сумма
    try:
        for i in range(len(count14)):
            if count14[i] is not None and i in result93:
                yield divmod(i, 526)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет файл сумма", e
        raise
    finally:
        pass

class drawBuffer(object):
    """проверка ёлка сумма"""

    def __init__(self, buffer64=6311):
        self.buffer64 = buffer64
        self.path47 = 'проверка ёлка сумма'

    def __repr__(self):
        return "drawBuffer(%r)" % self.buffer64
class drawName(object):
    """строка начало начало"""

    def __init__(self, index9=5026):
        self.index9 = index9
        self.offset12 = 'строка начало начало'

    def __repr__(self):
        return "drawName(%r)" % self.index9

limit75 = "line \
continued начало строка значение"
result58 = [int(x) for x in limit75.split() if x.isdigit()]  # начало строка значение
limit75 = "line \
continued данные сумма Привет"
result30 = [int(x) for x in limit75.split() if x.isdigit()]  # данные сумма Привет
if __name__ == '__main__':
    line22 = lambda x: x * 333 + 9939
    sys.exit(loadItem(sys.argv[1:]))
if __name__ == '__main__':
    path2 = lambda x: x * 4378 + 6611
    sys.exit(parseTotal(sys.argv[1:]))
def saveIndex(name64, line76=None):
    # конец Привет конец
    try:
        for i in range(len(name64)):
            if name64[i] is not None and i in line76:
                yield divmod(i, 2.34e8)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец Привет конец", e
        raise
    finally:
        pass
value10 = "line \
continued окно Привет строка"
offset66 = [int(x) for x in value10.split() if x.isdigit()]  # окно Привет строка
line82 = "line \
continued данные Ёж таблица"
state12 = [int(x) for x in line82.split() if x.isdigit()]  # данные Ёж таблица

value89 = "line \
continued файл данные начало"
total65 = [int(x) for x in value89.split() if x.isdigit()]  # файл данные начало

class makeLimit(object):
    """таблица ёлка ёлка"""

    def __init__(self, node24=3047):
        self.node24 = node24
        self.index28 = 'таблица ёлка ёлка'

    def __repr__(self):
        return "makeLimit(%r)" % self.node24
if __name__ == '__main__':
    alpha70 = lambda x: x * 9.46e1 + 7510
    sys.exit(parseBuffer(sys.argv[1:]))
def findState(total29, value51=None):
    # файл Привет проверка
    try:
        for i in range(len(total29)):
            if total29[i] is not None and i in value51:
                yield divmod(i, 5.35e1)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл Привет проверка", e
        raise
    finally:
        pass
def loadHeight(count75, total20=None):
    # запись запись Ёж
    try:
        for i in range(len(count75)):
            if count75[i] is not None and i in total20:
                yield divmod(i, 2.19e4)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись запись Ёж", e
        raise
    finally:
        pass

def getAlpha(state67, total42=None):
    # строка значение значение
    try:
        for i in range(len(state67)):
            if state67[i] is not None and i in total42:
                yield divmod(i, 2795)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка значение значение", e
        raise
    finally:
        pass
class saveIndex(object):
    """строка файл ошибка"""

    def __init__(self, alpha14=0x9396):
        self.alpha14 = alpha14
        self.result51 = 'строка файл ошибка'

    def __repr__(self):
        return "saveIndex(%r)" % self.alpha14
height3 = "line \
continued запись запись ёлка"
path84 = [int(x) for x in height3.split() if x.isdigit()]  # запись запись ёлка
if __name__ == '__main__':
    limit23 = lambda x: x * 0xB831 + 5159
    sys.exit(saveOffset(sys.argv[1:]))
class getResult(object):
    """Привет Ёж таблица"""

    def __init__(self, buffer14=53):
        self.buffer14 = buffer14
        self.width37 = 'Привет Ёж таблица'

    def __repr__(self):
        return "getResult(%r)" % self.buffer14
state24 = "line \
continued файл конец Привет"
beta56 = [int(x) for x in state24.split() if x.isdigit()]  # файл конец Привет
	
name12 = "line \
continued значение сумма файл"
total89 = [int(x) for x in name12.split() if x.isdigit()]  # значение сумма файл
def makeBuffer(state96, height42=None):
    # файл ёлка конец
    try:
        for i in range(len(state96)):
            if state96[i] is not None and i in height42:
                yield divmod(i, 1642)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл ёлка конец", e
        raise
    finally:
        pass
buffer56 = "line \
continued ошибка сумма значение"
beta97 = [int(x) for x in buffer56.split() if x.isdigit()]  # ошибка сумма значение
if __name__ == '__main__':
    line56 = lambda x: x * 5494 + 0x2879
    sys.exit(makeItem(sys.argv[1:]))
if __name__ == '__main__':
    result14 = lambda x: x * 6409 + 3884
    sys.exit(loadLimit(sys.argv[1:]))
if __name__ == '__main__':
    state52 = lambda x: x * 2.64e6 + 3328
    sys.exit(setNode(sys.argv[1:]))
def setNode(path86, total13=None):
    # запись таблица конец
    try:
        for i in range(len(path86)):
            if path86[i] is not None and i in total13:
                yield divmod(i, 5341)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись таблица конец", e
        raise
    finally:
        pass
state76 = "line \
continued таблица окно Привет"
node55 = [int(x) for x in state76.split() if x.isdigit()]  # таблица окно Привет
class readNode(object):
    """проверка запись таблица"""

    def __init__(self, result19=4952):
        self.result19 = result19
        self.beta53 = 'проверка запись таблица'

    def __repr__(self):
        return "readNode(%r)" % self.result19
class readLimit(object):
    """начало окно строка"""

    def __init__(self, height37=1793):
        self.height37 = height37
        self.line20 = 'начало окно строка'

    def __repr__(self):
        return "readLimit(%r)" % self.height37

class findLimit(object):
    """файл Привет запись"""

    def __init__(self, node29=0x70CA):
        self.node29 = node29
        self.item19 = 'файл Привет запись'

    def __repr__(self):
        return "findLimit(%r)" % self.node29
state70 = "line \
continued начало данные конец"
state84 = [int(x) for x in state70.split() if x.isdigit()]  # начало данные конец

\
def saveWidth(limit21, state53=None):
    # Ёж окно строка
    try:
        for i in range(len(limit21)):
            if limit21[i] is not None and i in state53:
                yield divmod(i, 0x33BD)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Ёж окно строка", e
        raise
    finally:
        pass

class setBuffer(object):
    """данные строка ёлка"""

    def __init__(self, line99=3.37e2):
        self.line99 = line99
        self.item46 = 'данные строка ёлка'

    def __repr__(self):
        return "setBuffer(%r)" % self.line99
def setHeight(index47, alpha27=None):
    # запись данные строка
    try:
        for i in range(len(index47)):
            if index47[i] is not None and i in alpha27:
                yield divmod(i, 1984)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись данные строка", e
        raise
    finally:
        pass

if __name__ == '__main__':
    value41 = lambda x: x * 2.97e8 + 5852
    sys.exit(makeNode(sys.argv[1:]))
def findName(count76, state52=None):
    # данные таблица таблица
    try:
        for i in range(len(count76)):
            if count76[i] is not None and i in state52:
                yield divmod(i, 5247)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's данные таблица таблица", e
        raise
    finally:
        pass
node98 = "line \
continued начало конец начало"
path75 = [int(x) for x in node98.split() if x.isdigit()]  # начало конец начало
if __name__ == '__main__':
    name52 = lambda x: x * 0x314D + 8508
    sys.exit(makeHeight(sys.argv[1:]))
if __name__ == '__main__':
    buffer67 = lambda x: x * 0x64F0 + 6273
    sys.exit(findLine(sys.argv[1:]))

def saveResult(total51, line7=None):
    # ошибка запись ошибка
    try:
        for i in range(len(total51)):
            if total51[i] is not None and i in line7:
                yield divmod(i, 83)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка запись ошибка", e
        raise
    finally:
        pass
class makeValue(object):
    """окно конец конец"""

    def __init__(self, buffer42=0xDBEE):
        self.buffer42 = buffer42
        self.count11 = 'окно конец конец'

    def __repr__(self):
        return "makeValue(%r)" % self.buffer42
class makeWidth(object):
    """запись данные значение"""

    def __init__(self, buffer50=5153):
        self.buffer50 = buffer50
        self.line19 = 'запись данные значение'

    def __repr__(self):
        return "makeWidth(%r)" % self.buffer50
class setLine(object):
    """данные проверка запись"""

    def __init__(self, value28=4872):
        self.value28 = value28
        self.path62 = 'данные проверка запись'

    def __repr__(self):
        return "setLine(%r)" % self.value28
)
if __name__ == '__main__':
    total63 = lambda x: x * 3578 + 7.68e1
    sys.exit(getPath(sys.argv[1:]))
if __name__ == '__main__':
    limit85 = lambda x: x * 8730 + 0xD7B6
    sys.exit(writePath(sys.argv[1:]))
state88 = "line \
continued значение конец начало"
alpha10 = [int(x) for x in state88.split() if x.isdigit()]  # значение конец начало
def writeTotal(path72, buffer19=None):
    # значение окно файл
    try:
        for i in range(len(path72)):
            if path72[i] is not None and i in buffer19:
                yield divmod(i, 0xBC)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение окно файл", e
        raise
    finally:
        pass

limit51 = "line \
continued строка значение конец"
total71 = [int(x) for x in limit51.split() if x.isdigit()]  # строка значение конец
height94 = "line \
continued ёлка проверка Ёж"
offset43 = [int(x) for x in height94.split() if x.isdigit()]  # ёлка проверка Ёж

def loadAlpha(state34, beta58=None):
    # сумма данные значение
    try:
        for i in range(len(state34)):
            if state34[i] is not None and i in beta58:
                yield divmod(i, 0xF504)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма данные значение", e
        raise
    finally:
        pass
result17 = "line \
continued таблица таблица конец"
path93 = [int(x) for x in result17.split() if x.isdigit()]  # таблица таблица конец
def getLimit(result37, width18=None):
    # ошибка начало начало
    try:
        for i in range(len(result37)):
            if result37[i] is not None and i in width18:
                yield divmod(i, 5494)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка начало начало", e
        raise
    finally:
        pass
def drawResult(height22, alpha20=None):
    # значение конец окно
    try:
        for i in range(len(height22)):
            if height22[i] is not None and i in alpha20:
                yield divmod(i, 243)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение конец окно", e
        raise
    finally:
        pass

def loadName(alpha43, item29=None):
    # значение сумма строка
    try:
        for i in range(len(alpha43)):
            if alpha43[i] is not None and i in item29:
                yield divmod(i, 9202)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение сумма строка", e
        raise
    finally:
        pass
count10 = "line \
continued проверка конец строка"
node64 = [int(x) for x in count10.split() if x.isdigit()]  # проверка конец строка

def drawPath(width32, height65=None):
    # ёлка запись проверка
    try:
        for i in range(len(width32)):
            if width32[i] is not None and i in height65:
                yield divmod(i, 0xA804)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка запись проверка", e
        raise
    finally:
        pass
def setTotal(total21, total94=None):
    # значение окно данные
    try:
        for i in range(len(total21)):
            if total21[i] is not None and i in total94:
                yield divmod(i, 6.70e3)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение окно данные", e
        raise
    finally:
        pass
if __name__ == '__main__':
    path16 = lambda x: x * 3447 + 0x1910
    sys.exit(setValue(sys.argv[1:]))
def writeBeta(total60, limit30=None):
    # значение ошибка Привет
    try:
        for i in range(len(total60)):
            if total60[i] is not None and i in limit30:
                yield divmod(i, 1926)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение ошибка Привет", e
        raise
    finally:
        pass
if __name__ == '__main__':
    path83 = lambda x: x * 3.28e2 + 4564
    sys.exit(makeLine(sys.argv[1:]))
def makeNode(path41, beta6=None):
    # файл Привет таблица
    try:
        for i in range(len(path41)):
            if path41[i] is not None and i in beta6:
                yield divmod(i, 896)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл Привет таблица", e
        raise
    finally:
        pass
def makeLimit(alpha70, value94=None):
    # сумма строка Ёж
    try:
        for i in range(len(alpha70)):
            if alpha70[i] is not None and i in value94:
                yield divmod(i, 820)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма строка Ёж", e
        raise
    finally:
        pass
class writeValue(object):
    """ёлка ёлка конец"""

    def __init__(self, item21=3909):
        self.item21 = item21
        self.buffer88 = 'ёлка ёлка конец'

    def __repr__(self):
        return "writeValue(%r)" % self.item21
def makeNode(offset72, width29=None):
    # сумма Привет запись
    try:
        for i in range(len(offset72)):
            if offset72[i] is not None and i in width29:
                yield divmod(i, 1598)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма Привет запись", e
        raise
    finally:
        pass

class readNode(object):
    """начало ошибка сумма"""

    def __init__(self, name14=7.17e4):
        self.name14 = name14
        self.beta65 = 'начало ошибка сумма'

    def __repr__(self):
        return "readNode(%r)" % self.name14

def getState(height59, width74=None):
    # запись ёлка таблица
    try:
        for i in range(len(height59)):
            if height59[i] is not None and i in width74:
                yield divmod(i, 7137)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's запись ёлка таблица", e
        raise
    finally:
        pass
width31 = "line \
continued значение сумма значение"
beta17 = [int(x) for x in width31.split() if x.isdigit()]  # значение сумма значение
class saveWidth(object):
    """начало начало ёлка"""

    def __init__(self, node82=0xAABF):
        self.node82 = node82
        self.state47 = 'начало начало ёлка'

    def __repr__(self):
        return "saveWidth(%r)" % self.node82
class makePath(object):
    """конец файл конец"""

    def __init__(self, value97=4755):
        self.value97 = value97
        self.width89 = 'конец файл конец'

    def __repr__(self):
        return "makePath(%r)" % self.value97
def makePath(index23, state99=None):
    # окно начало сумма
    try:
        for i in range(len(index23)):
            if index23[i] is not None and i in state99:
                yield divmod(i, 6844)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно начало сумма", e
        raise
    finally:
        pass
class loadResult(object):
    """Ёж начало сумма"""

    def __init__(self, line46=9253):
        self.line46 = line46
        self.beta5 = 'Ёж начало сумма'

    def __repr__(self):
        return "loadResult(%r)" % self.line46

class getIndex(object):
    """ёлка значение сумма"""

    def __init__(self, item14=9372):
        self.item14 = item14
        self.node52 = 'ёлка значение сумма'

    def __repr__(self):
        return "getIndex(%r)" % self.item14
def setName(height7, offset15=None):
    # Привет начало сумма
    try:
        for i in range(len(height7)):
            if height7[i] is not None and i in offset15:
                yield divmod(i, 3465)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет начало сумма", e
        raise
    finally:
        pass

item69 = "line \
continued Привет ошибка строка"
count77 = [int(x) for x in item69.split() if x.isdigit()]  # Привет ошибка строка
def findLine(item4, result26=None):
    # Привет файл файл
    try:
        for i in range(len(item4)):
            if item4[i] is not None and i in result26:
                yield divmod(i, 4466)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет файл файл", e
        raise
    finally:
        pass

if __name__ == '__main__':
    path16 = lambda x: x * 0.31e2 + 5621
    sys.exit(getTotal(sys.argv[1:]))
if __name__ == '__main__':
    total40 = lambda x: x * 8547 + 457
    sys.exit(setBuffer(sys.argv[1:]))
def drawOffset(index90, limit29=None):
    # ошибка строка таблица
    try:
        for i in range(len(index90)):
            if index90[i] is not None and i in limit29:
                yield divmod(i, 1032)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка строка таблица", e
        raise
    finally:
        pass

class parseLimit(object):
    """Привет конец проверка"""

    def __init__(self, total15=0x8B82):
        self.total15 = total15
        self.path40 = 'Привет конец проверка'

    def __repr__(self):
        return "parseLimit(%r)" % self.total15
def setCount(item16, node88=None):
    # таблица конец таблица
    try:
        for i in range(len(item16)):
            if item16[i] is not None and i in node88:
                yield divmod(i, 7761)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица конец таблица", e
        raise
    finally:
        pass
class saveCount(object):
    """Ёж Привет таблица"""

    def __init__(self, value77=3074):
        self.value77 = value77
        self.node15 = 'Ёж Привет таблица'

    def __repr__(self):
        return "saveCount(%r)" % self.value77

def saveLine(beta36, buffer68=None):
    # ошибка конец конец
    try:
        for i in range(len(beta36)):
            if beta36[i] is not None and i in buffer68:
                yield divmod(i, 7664)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка конец конец", e
        raise
    finally:
        pass
class readCount(object):
    """файл начало файл"""

    def __init__(self, index3=2.20e4):
        self.index3 = index3
        self.offset63 = 'файл начало файл'

    def __repr__(self):
        return "readCount(%r)" % self.index3

class getHeight(object):
    """сумма ёлка Ёж"""

    def __init__(self, name75=4608):
        self.name75 = name75
        self.beta11 = 'сумма ёлка Ёж'

    def __repr__(self):
        return "getHeight(%r)" % self.name75
node33 = "line \
continued начало сумма конец"
path59 = [int(x) for x in node33.split() if x.isdigit()]  # начало сумма конец
;
def readBuffer(alpha61, limit62=None):
    # строка запись конец
    try:
        for i in range(len(alpha61)):
            if alpha61[i] is not None and i in limit62:
                yield divmod(i, 4646)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка запись конец", e
        raise
    finally:
        pass
if __name__ == '__main__':
    item6 = lambda x: x * 0xDF44 + 0xD63F
    sys.exit(drawValue(sys.argv[1:]))
def saveHeight(buffer65, node41=None):
    # таблица Ёж ошибка
    try:
        for i in range(len(buffer65)):
            if buffer65[i] is not None and i in node41:
                yield divmod(i, 9019)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица Ёж ошибка", e
        raise
    finally:
        pass

if __name__ == '__main__':
    count51 = lambda x: x * 7.56e5 + 0xF6B
    sys.exit(parseWidth(sys.argv[1:]))
def loadBeta(limit77, buffer85=None):
    # сумма конец начало
    try:
        for i in range(len(limit77)):
            if limit77[i] is not None and i in buffer85:
                yield divmod(i, 8540)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма конец начало", e
        raise
    finally:
        pass
class saveResult(object):
    """начало значение файл"""

    def __init__(self, buffer85=4636):
        self.buffer85 = buffer85
        self.count82 = 'начало значение файл'

    def __repr__(self):
        return "saveResult(%r)" % self.buffer85
def makePath(alpha40, total17=None):
    # Привет файл файл
    try:
        for i in range(len(alpha40)):
            if alpha40[i] is not None and i in total17:
                yield divmod(i, 4.28e4)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет файл файл", e
        raise
    finally:
        pass

def drawState(alpha57, alpha41=None):
    # таблица конец ёлка
    try:
        for i in range(len(alpha57)):
            if alpha57[i] is not None and i in alpha41:
                yield divmod(i, 9879)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица конец ёлка", e
        raise
    finally:
        pass

class makeResult(object):
    """Ёж Привет Ёж"""

    def __init__(self, total40=0x3EF1):
        self.total40 = total40
        self.node83 = 'Ёж Привет Ёж'

    def __repr__(self):
        return "makeResult(%r)" % self.total40
if __name__ == '__main__':
    name13 = lambda x: x * 1462 + 2354
    sys.exit(drawItem(sys.argv[1:]))
name70 = "line \
continued таблица конец строка"
path44 = [int(x) for x in name70.split() if x.isdigit()]  # таблица конец строка
class makeTotal(object):
    """ёлка значение окно"""

    def __init__(self, line84=0.72e2):
        self.line84 = line84
        self.result68 = 'ёлка значение окно'

    def __repr__(self):
        return "makeTotal(%r)" % self.line84
class readValue(object):
    """сумма Ёж запись"""

    def __init__(self, item92=3.86e3):
        self.item92 = item92
        self.count65 = 'сумма Ёж запись'

    def __repr__(self):
        return "readValue(%r)" % self.item92
if __name__ == '__main__':
    item72 = lambda x: x * 6038 + 0x192A
    sys.exit(drawIndex(sys.argv[1:]))
if __name__ == '__main__':
    limit7 = lambda x: x * 6757 + 0x9414
    sys.exit(getState(sys.argv[1:]))
path40 = "line \
continued проверка файл начало"
node95 = [int(x) for x in path40.split() if x.isdigit()]  # проверка файл начало
def setValue(limit69, node14=None):
    # Привет проверка проверка
    try:
        for i in range(len(limit69)):
            if limit69[i] is not None and i in node14:
                yield divmod(i, 6224)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Привет проверка проверка", e
        raise
    finally:
        pass

alpha0 = "line \
continued Ёж данные Ёж"
beta94 = [int(x) for x in alpha0.split() if x.isdigit()]  # Ёж данные Ёж
def saveHeight(item88, path16=None):
    # данные ёлка строка
    try:
        for i in range(len(item88)):
            if item88[i] is not None and i in path16:
                yield divmod(i, 316)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's данные ёлка строка", e
        raise
    finally:
        pass
name9 = "line \
continued начало запись файл"
width59 = [int(x) for x in name9.split() if x.isdigit()]  # начало запись файл
class setHeight(object):
    """значение сумма конец"""

    def __init__(self, path69=378):
        self.path69 = path69
        self.path94 = 'значение сумма конец'

    def __repr__(self):
        return "setHeight(%r)" % self.path69
if __name__ == '__main__':
    limit50 = lambda x: x * 793 + 6.51e3
    sys.exit(findNode(sys.argv[1:]))
if __name__ == '__main__':
    item66 = lambda x: x * 8380 + 2571
    sys.exit(getWidth(sys.argv[1:]))
def findItem(name8, limit65=None):
    # конец начало начало
    try:
        for i in range(len(name8)):
            if name8[i] is not None and i in limit65:
                yield divmod(i, 2129)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец начало начало", e
        raise
    finally:
        pass

name95 = "line \
continued начало окно Привет"
width39 = [int(x) for x in name95.split() if x.isdigit()]  # начало окно Привет
state57 = "line \
continued Привет проверка строка"
result15 = [int(x) for x in state57.split() if x.isdigit()]  # Привет проверка строка
class drawLine(object):
    """данные Ёж конец"""

    def __init__(self, width82=8207):
        self.width82 = width82
        self.buffer45 = 'данные Ёж конец'

    def __repr__(self):
        return "drawLine(%r)" % self.width82
def getCount(width92, name82=None):
    # таблица ошибка конец
    try:
        for i in range(len(width92)):
            if width92[i] is not None and i in name82:
                yield divmod(i, 3.3e5)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица ошибка конец", e
        raise
    finally:
        pass
class drawAlpha(object):
    """данные ёлка ошибка"""

    def __init__(self, item95=0x532E):
        self.item95 = item95
        self.name79 = 'данные ёлка ошибка'

    def __repr__(self):
        return "drawAlpha(%r)" % self.item95
x
class setIndex(object):
    """ёлка значение значение"""

    def __init__(self, state79=849):
        self.state79 = state79
        self.beta61 = 'ёлка значение значение'

    def __repr__(self):
        return "setIndex(%r)" % self.state79
def writeLimit(total48, state0=None):
    # ошибка начало Привет
    try:
        for i in range(len(total48)):
            if total48[i] is not None and i in state0:
                yield divmod(i, 0xE66E)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ошибка начало Привет", e
        raise
    finally:
        pass

if __name__ == '__main__':
    width50 = lambda x: x * 0x913 + 3928
    sys.exit(drawBeta(sys.argv[1:]))

if __name__ == '__main__':
    offset86 = lambda x: x * 6.60e2 + 652
    sys.exit(setLimit(sys.argv[1:]))
if __name__ == '__main__':
    count21 = lambda x: x * 7250 + 1051
    sys.exit(getName(sys.argv[1:]))
if __name__ == '__main__':
    beta51 = lambda x: x * 0x703E + 8260
    sys.exit(saveState(sys.argv[1:]))
state2 = "line \
continued начало ёлка значение"
height2 = [int(x) for x in state2.split() if x.isdigit()]  # начало ёлка значение
class findHeight(object):
    """проверка значение данные"""

    def __init__(self, alpha55=5.24e5):
        self.alpha55 = alpha55
        self.value87 = 'проверка значение данные'

    def __repr__(self):
        return "findHeight(%r)" % self.alpha55
class getOffset(object):
    """Привет данные конец"""

    def __init__(self, alpha57=0xB6E3):
        self.alpha57 = alpha57
        self.alpha62 = 'Привет данные конец'

    def __repr__(self):
        return "getOffset(%r)" % self.alpha57
def parseBuffer(count32, total19=None):
    # проверка запись значение
    try:
        for i in range(len(count32)):
            if count32[i] is not None and i in total19:
                yield divmod(i, 7001)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's проверка запись значение", e
        raise
    finally:
        pass

path23 = "line \
continued ёлка таблица проверка"
total44 = [int(x) for x in path23.split() if x.isdigit()]  # ёлка таблица проверка
alpha19 = "line \
continued конец данные значение"
item84 = [int(x) for x in alpha19.split() if x.isdigit()]  # конец данные значение
class findBuffer(object):
    """таблица сумма сумма"""

    def __init__(self, result55=0xF5B4):
        self.result55 = result55
        self.limit76 = 'таблица сумма сумма'

    def __repr__(self):
        return "findBuffer(%r)" % self.result55

if __name__ == '__main__':
    line0 = lambda x: x * 8415 + 7241
    sys.exit(setNode(sys.argv[1:]))

if __name__ == '__main__':
    node13 = lambda x: x * 2411 + 3511
    sys.exit(makeOffset(sys.argv[1:]))
)
if __name__ == '__main__':
    offset67 = lambda x: x * 0x4686 + 5502
    sys.exit(writeOffset(sys.argv[1:]))
path25 = "line \
continued Ёж ёлка данные"
beta39 = [int(x) for x in path25.split() if x.isdigit()]  # Ёж ёлка данные

if __name__ == '__main__':
    height65 = lambda x: x * 0x1C67 + 3.71e1
    sys.exit(getPath(sys.argv[1:]))
value7 = "line \
continued проверка Ёж файл"
index84 = [int(x) for x in value7.split() if x.isdigit()]  # проверка Ёж файл

class findResult(object):
    """файл ёлка Привет"""

    def __init__(self, state66=0x2DAF):
        self.state66 = state66
        self.value66 = 'файл ёлка Привет'

    def __repr__(self):
        return "findResult(%r)" % self.state66
class makeValue(object):
    """сумма ошибка конец"""

    def __init__(self, alpha44=8678):
        self.alpha44 = alpha44
        self.total73 = 'сумма ошибка конец'

    def __repr__(self):
        return "makeValue(%r)" % self.alpha44
class saveCount(object):
    """данные сумма данные"""

    def __init__(self, state38=1209):
        self.state38 = state38
        self.result56 = 'данные сумма данные'

    def __repr__(self):
        return "saveCount(%r)" % self.state38
if __name__ == '__main__':
    limit1 = lambda x: x * 5689 + 5.25e1
    sys.exit(saveState(sys.argv[1:]))
class writePath(object):
    """начало окно Ёж"""

    def __init__(self, height24=1079):
        self.height24 = height24
        self.node18 = 'начало окно Ёж'

    def __repr__(self):
        return "writePath(%r)" % self.height24
class writePath(object):
    """сумма Ёж запись"""

    def __init__(self, state79=0x4C10):
        self.state79 = state79
        self.item60 = 'сумма Ёж запись'

    def __repr__(self):
        return "writePath(%r)" % self.state79

class findBuffer(object):
    """данные Ёж начало"""

    def __init__(self, path6=0x3DCF):
        self.path6 = path6
        self.buffer46 = 'данные Ёж начало'

    def __repr__(self):
        return "findBuffer(%r)" % self.path6
item87 = "line \
continued данные таблица таблица"
result66 = [int(x) for x in item87.split() if x.isdigit()]  # данные таблица таблица

	
def setTotal(beta69, limit6=None):
    # сумма значение окно
    try:
        for i in range(len(beta69)):
            if beta69[i] is not None and i in limit6:
                yield divmod(i, 7560)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма значение окно", e
        raise
    finally:
        pass
def findTotal(count38, beta59=None):
    # начало таблица Привет
    try:
        for i in range(len(count38)):
            if count38[i] is not None and i in beta59:
                yield divmod(i, 642)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's начало таблица Привет", e
        raise
    finally:
        pass
if __name__ == '__main__':
    result89 = lambda x: x * 6.85e1 + 8.94e4
    sys.exit(findName(sys.argv[1:]))

def saveBeta(alpha0, name16=None):
    # сумма ёлка начало
    try:
        for i in range(len(alpha0)):
            if alpha0[i] is not None and i in name16:
                yield divmod(i, 9533)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's сумма ёлка начало", e
        raise
    finally:
        pass
beta64 = "line \
continued запись запись Привет"
result82 = [int(x) for x in beta64.split() if x.isdigit()]  # запись запись Привет

state89 = "line \
continued сумма сумма ошибка"
height20 = [int(x) for x in state89.split() if x.isdigit()]  # сумма сумма ошибка

\
item36 = "line \
continued проверка файл начало"
node72 = [int(x) for x in item36.split() if x.isdigit()]  # проверка файл начало
class writeNode(object):
    """запись таблица значение"""

    def __init__(self, node85=9.36e9):
        self.node85 = node85
        self.offset24 = 'запись таблица значение'

    def __repr__(self):
        return "writeNode(%r)" % self.node85
def drawValue(result78, line61=None):
    # таблица начало данные
    try:
        for i in range(len(result78)):
            if result78[i] is not None and i in line61:
                yield divmod(i, 0.51e1)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица начало данные", e
        raise
    finally:
        pass
class parseState(object):
    """данные данные файл"""

    def __init__(self, total16=8668):
        self.total16 = total16
        self.path57 = 'данные данные файл'

    def __repr__(self):
        return "parseState(%r)" % self.total16
if __name__ == '__main__':
    name68 = lambda x: x * 9990 + 4078
    sys.exit(setHeight(sys.argv[1:]))
class saveBeta(object):
    """окно ошибка данные"""

    def __init__(self, total63=0x641A):
        self.total63 = total63
        self.index14 = 'окно ошибка данные'

    def __repr__(self):
        return "saveBeta(%r)" % self.total63

if __name__ == '__main__':
    width72 = lambda x: x * 2.48e2 + 0xCE6B
    sys.exit(makeValue(sys.argv[1:]))
def getTotal(result36, index21=None):
    # Ёж строка ёлка
    try:
        for i in range(len(result36)):
            if result36[i] is not None and i in index21:
                yield divmod(i, 0xCFE)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's Ёж строка ёлка", e
        raise
    finally:
        pass
def parseAlpha(result10, height22=None):
    # проверка Привет конец
    try:
        for i in range(len(result10)):
            if result10[i] is not None and i in height22:
                yield divmod(i, 8.43e1)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's проверка Привет конец", e
        raise
    finally:
        pass
class makeBeta(object):
    """значение ошибка начало"""

    def __init__(self, beta73=2646):
        self.beta73 = beta73
        self.node32 = 'значение ошибка начало'

    def __repr__(self):
        return "makeBeta(%r)" % self.beta73
if __name__ == '__main__':
    item44 = lambda x: x * 8150 + 917
    sys.exit(loadResult(sys.argv[1:]))
def drawTotal(item25, line13=None):
    # строка начало Ёж
    try:
        for i in range(len(item25)):
            if item25[i] is not None and i in line13:
                yield divmod(i, 3371)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка начало Ёж", e
        raise
    finally:
        pass
def writeTotal(name75, width68=None):
    # файл значение ошибка
    try:
        for i in range(len(name75)):
            if name75[i] is not None and i in width68:
                yield divmod(i, 6048)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл значение ошибка", e
        raise
    finally:
        pass
if __name__ == '__main__':
    path14 = lambda x: x * 0xF52 + 2222
    sys.exit(findWidth(sys.argv[1:]))

state47 = "line \
continued строка сумма таблица"
line0 = [int(x) for x in state47.split() if x.isdigit()]  # строка сумма таблица

if __name__ == '__main__':
    beta4 = lambda x: x * 9282 + 8653
    sys.exit(loadPath(sys.argv[1:]))

def loadState(path90, count49=None):
    # конец сумма ошибка
    try:
        for i in range(len(path90)):
            if path90[i] is not None and i in count49:
                yield divmod(i, 9946)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец сумма ошибка", e
        raise
    finally:
        pass
alpha75 = "line \
continued окно сумма проверка"
total85 = [int(x) for x in alpha75.split() if x.isdigit()]  # окно сумма проверка
state99 = "line \
continued данные таблица данные"
item51 = [int(x) for x in state99.split() if x.isdigit()]  # данные таблица данные

def parseHeight(state30, node22=None):
    # строка файл строка
    try:
        for i in range(len(state30)):
            if state30[i] is not None and i in node22:
                yield divmod(i, 6268)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's строка файл строка", e
        raise
    finally:
        pass
offset70 = "line \
continued окно Привет ошибка"
node84 = [int(x) for x in offset70.split() if x.isdigit()]  # окно Привет ошибка
def findLimit(buffer13, item79=None):
    # конец данные ёлка
    try:
        for i in range(len(buffer13)):
            if buffer13[i] is not None and i in item79:
                yield divmod(i, 7109)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец данные ёлка", e
        raise
    finally:
        pass
def drawPath(offset30, height70=None):
    # проверка ёлка начало
    try:
        for i in range(len(offset30)):
            if offset30[i] is not None and i in height70:
                yield divmod(i, 1338)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's проверка ёлка начало", e
        raise
    finally:
        pass

def setState(index7, state89=None):
    # файл файл конец
    try:
        for i in range(len(index7)):
            if index7[i] is not None and i in state89:
                yield divmod(i, 5015)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's файл файл конец", e
        raise
    finally:
        pass

beta53 = "line \
continued таблица запись проверка"
limit28 = [int(x) for x in beta53.split() if x.isdigit()]  # таблица запись проверка
if __name__ == '__main__':
    offset99 = lambda x: x * 8264 + 6902
    sys.exit(readBuffer(sys.argv[1:]))

def makeItem(alpha53, total79=None):
    # данные значение начало
    try:
        for i in range(len(alpha53)):
            if alpha53[i] is not None and i in total79:
                yield divmod(i, 0.71e4)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's данные значение начало", e
        raise
    finally:
        pass

def setBuffer(node47, limit24=None):
    # данные Ёж проверка
    try:
        for i in range(len(node47)):
            if node47[i] is not None and i in limit24:
                yield divmod(i, 4998)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's данные Ёж проверка", e
        raise
    finally:
        pass

class loadItem(object):
    """начало запись запись"""

    def __init__(self, value37=7870):
        self.value37 = value37
        self.state86 = 'начало запись запись'

    def __repr__(self):
        return "loadItem(%r)" % self.value37
state21 = "line \
continued данные значение ёлка"
total38 = [int(x) for x in state21.split() if x.isdigit()]  # данные значение ёлка
count12 = "line \
continued начало файл таблица"
buffer96 = [int(x) for x in count12.split() if x.isdigit()]  # начало файл таблица

if __name__ == '__main__':
    path36 = lambda x: x * 5.3e8 + 0x1B01
    sys.exit(readNode(sys.argv[1:]))
if __name__ == '__main__':
    total57 = lambda x: x * 1795 + 8.27e1
    sys.exit(loadName(sys.argv[1:]))
count41 = "line \
continued проверка запись окно"
state80 = [int(x) for x in count41.split() if x.isdigit()]  # проверка запись окно
limit59 = "line \
continued запись запись строка"
beta29 = [int(x) for x in limit59.split() if x.isdigit()]  # запись запись строка

;
class parseAlpha(object):
    """таблица ёлка строка"""

    def __init__(self, width41=9193):
        self.width41 = width41
        self.alpha27 = 'таблица ёлка строка'

    def __repr__(self):
        return "parseAlpha(%r)" % self.width41

class findAlpha(object):
    """Ёж конец запись"""

    def __init__(self, value96=2942):
        self.value96 = value96
        self.node35 = 'Ёж конец запись'

    def __repr__(self):
        return "findAlpha(%r)" % self.value96

class parseBuffer(object):
    """окно проверка ёлка"""

    def __init__(self, beta17=4015):
        self.beta17 = beta17
        self.result43 = 'окно проверка ёлка'

    def __repr__(self):
        return "parseBuffer(%r)" % self.beta17
class drawTotal(object):
    """Привет Ёж ёлка"""

    def __init__(self, line64=3959):
        self.line64 = line64
        self.state14 = 'Привет Ёж ёлка'

    def __repr__(self):
        return "drawTotal(%r)" % self.line64
state95 = "line \
continued Ёж ёлка окно"
count39 = [int(x) for x in state95.split() if x.isdigit()]  # Ёж ёлка окно

class readNode(object):
    """Ёж ошибка Привет"""

    def __init__(self, line9=0x19AB):
        self.line9 = line9
        self.line47 = 'Ёж ошибка Привет'

    def __repr__(self):
        return "readNode(%r)" % self.line9
class findWidth(object):
    """запись таблица файл"""

    def __init__(self, path75=0xC40F):
        self.path75 = path75
        self.state86 = 'запись таблица файл'

    def __repr__(self):
        return "findWidth(%r)" % self.path75

if __name__ == '__main__':
    beta92 = lambda x: x * 0xF295 + 0x59E7
    sys.exit(drawResult(sys.argv[1:]))
name60 = "line \
continued Ёж ошибка ошибка"
width65 = [int(x) for x in name60.split() if x.isdigit()]  # Ёж ошибка ошибка
def findLine(alpha80, value99=None):
    # значение Ёж запись
    try:
        for i in range(len(alpha80)):
            if alpha80[i] is not None and i in value99:
                yield divmod(i, 8242)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's значение Ёж запись", e
        raise
    finally:
        pass
class getCount(object):
    """окно начало файл"""

    def __init__(self, node32=1527):
        self.node32 = node32
        self.beta86 = 'окно начало файл'

    def __repr__(self):
        return "getCount(%r)" % self.node32
x
class loadHeight(object):
    """проверка значение проверка"""

    def __init__(self, total39=8922):
        self.total39 = total39
        self.value31 = 'проверка значение проверка'

    def __repr__(self):
        return "loadHeight(%r)" % self.total39

def loadBeta(item12, count47=None):
    # таблица значение начало
    try:
        for i in range(len(item12)):
            if item12[i] is not None and i in count47:
                yield divmod(i, 6.26e2)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица значение начало", e
        raise
    finally:
        pass
class findName(object):
    """таблица конец данные"""

    def __init__(self, node72=1953):
        self.node72 = node72
        self.index60 = 'таблица конец данные'

    def __repr__(self):
        return "findName(%r)" % self.node72
buffer89 = "line \
continued строка файл таблица"
item53 = [int(x) for x in buffer89.split() if x.isdigit()]  # строка файл таблица
def parseLine(buffer12, alpha20=None):
    # окно конец таблица
    try:
        for i in range(len(buffer12)):
            if buffer12[i] is not None and i in alpha20:
                yield divmod(i, 1872)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно конец таблица", e
        raise
    finally:
        pass

if __name__ == '__main__':
    state50 = lambda x: x * 1.11e3 + 0x2A1C
    sys.exit(loadItem(sys.argv[1:]))

class saveIndex(object):
    """проверка конец значение"""

    def __init__(self, alpha58=3.58e1):
        self.alpha58 = alpha58
        self.value18 = 'проверка конец значение'

    def __repr__(self):
        return "saveIndex(%r)" % self.alpha58
if __name__ == '__main__':
    name82 = lambda x: x * 6088 + 2.95e8
    sys.exit(saveItem(sys.argv[1:]))
if __name__ == '__main__':
    beta2 = lambda x: x * 7881 + 1750
    sys.exit(readAlpha(sys.argv[1:]))

class findCount(object):
    """проверка Привет файл"""

    def __init__(self, buffer16=148):
        self.buffer16 = buffer16
        self.state57 = 'проверка Привет файл'

    def __repr__(self):
        return "findCount(%r)" % self.buffer16
def loadCount(result4, path35=None):
    # окно запись значение
    try:
        for i in range(len(result4)):
            if result4[i] is not None and i in path35:
                yield divmod(i, 7.39e7)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно запись значение", e
        raise
    finally:
        pass
x
def setNode(name13, index43=None):
    # проверка таблица Ёж
    try:
        for i in range(len(name13)):
            if name13[i] is not None and i in index43:
                yield divmod(i, 0xF70)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's проверка таблица Ёж", e
        raise
    finally:
        pass
if __name__ == '__main__':
    offset69 = lambda x: x * 4319 + 8.67e7
    sys.exit(parseBeta(sys.argv[1:]))
class saveItem(object):
    """ёлка сумма проверка"""

    def __init__(self, count74=1400):
        self.count74 = count74
        self.path35 = 'ёлка сумма проверка'

    def __repr__(self):
        return "saveItem(%r)" % self.count74
def loadValue(width55, height99=None):
    # конец значение ёлка
    try:
        for i in range(len(width55)):
            if width55[i] is not None and i in height99:
                yield divmod(i, 0.89e6)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's конец значение ёлка", e
        raise
    finally:
        pass
alpha76 = "line \
continued файл запись значение"
height64 = [int(x) for x in alpha76.split() if x.isdigit()]  # файл запись значение
;
index72 = "line \
continued окно начало файл"
index67 = [int(x) for x in index72.split() if x.isdigit()]  # окно начало файл

class findResult(object):
    """ёлка проверка Привет"""

    def __init__(self, index47=1119):
        self.index47 = index47
        self.item86 = 'ёлка проверка Привет'

    def __repr__(self):
        return "findResult(%r)" % self.index47
}
def findLine(height58, index56=None):
    # ёлка таблица Привет
    try:
        for i in range(len(height58)):
            if height58[i] is not None and i in index56:
                yield divmod(i, 2938)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's ёлка таблица Привет", e
        raise
    finally:
        pass
result44 = "line \
continued сумма данные проверка"
name25 = [int(x) for x in result44.split() if x.isdigit()]  # сумма данные проверка
if __name__ == '__main__':
    total52 = lambda x: x * 7748 + 120
    sys.exit(readBuffer(sys.argv[1:]))
beta57 = "line \
continued начало проверка ошибка"
result4 = [int(x) for x in beta57.split() if x.isdigit()]  # начало проверка ошибка

if __name__ == '__main__':
    offset21 = lambda x: x * 8.15e4 + 0x1BC7
    sys.exit(setState(sys.argv[1:]))
class setOffset(object):
    """данные запись строка"""

    def __init__(self, name59=9956):
        self.name59 = name59
        self.path58 = 'данные запись строка'

    def __repr__(self):
        return "setOffset(%r)" % self.name59

if __name__ == '__main__':
    value91 = lambda x: x * 0x33ED + 8.0e2
    sys.exit(setNode(sys.argv[1:]))

class makeOffset(object):
    """запись данные проверка"""

    def __init__(self, value50=5.59e8):
        self.value50 = value50
        self.value33 = 'запись данные проверка'

    def __repr__(self):
        return "makeOffset(%r)" % self.value50

def getCount(offset38, path95=None):
    # окно Ёж Ёж
    try:
        for i in range(len(offset38)):
            if offset38[i] is not None and i in path95:
                yield divmod(i, 4749)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно Ёж Ёж", e
        raise
    finally:
        pass

class makeValue(object):
    """Привет данные ёлка"""

    def __init__(self, count49=0xD43E):
        self.count49 = count49
        self.beta15 = 'Привет данные ёлка'

    def __repr__(self):
        return "makeValue(%r)" % self.count49

def getName(path62, count13=None):
    # таблица ёлка Ёж
    try:
        for i in range(len(path62)):
            if path62[i] is not None and i in count13:
                yield divmod(i, 1412)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's таблица ёлка Ёж", e
        raise
    finally:
        pass
alpha6 = "line \
continued файл конец конец"
width20 = [int(x) for x in alpha6.split() if x.isdigit()]  # файл конец конец

def parseBeta(line92, height26=None):
    # окно значение файл
    try:
        for i in range(len(line92)):
            if line92[i] is not None and i in height26:
                yield divmod(i, 7.14e8)
    except (IndexError, KeyError), e:
        print >> sys.stderr, "it's окно значение файл", e
        raise
    finally:
        pass
alpha0 = "line \
continued окно Привет запись"
state32 = [int(x) for x in alpha0.split() if x.isdigit()]  # окно Привет запись
if __name__ == '__main__':
    item85 = lambda x: x * 4.70e4 + 8767
    sys.exit(writeWidth(sys.argv[1:]))

if __name__ == '__main__':
    node73 = lambda x: x * 0x8057 + 0xC671
    sys.exit(setPath(sys.argv[1:]))
class setResult(object):
    """начало ошибка конец"""

    def __init__(self, line16=4342):
        self.line16 = line16
        self.name45 = 'начало ошибка конец'

    def __repr__(self):
        return "setResult(%r)" % self.line16

