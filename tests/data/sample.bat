@ECHO OFF
REM Пакетный файл
SETLOCAL

:state16
    REM данные значение проверка
    IF "%1"=="" GOTO path80
    COPY %1 C:\state16\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set value70=7.69e9
echo "Ёж ёлка запись" & echo 'it''s'
  rem Ёж ёлка запись
DELTREE /Y C:\TEMP\total29
:END
IF EXIST offset94.BAK DEL offset94.BAK
CALL alpha85.BAT %2611
ATTRIB +R beta38.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set path76=6350
echo "таблица начало значение" & echo 'it''s'
  rem таблица начало значение
DELTREE /Y C:\TEMP\limit50
:END
:height12
    REM Привет ошибка Ёж
    IF "%1"=="" GOTO node33
    COPY %1 C:\height12\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result53.BAK DEL result53.BAK
CALL line49.BAT %8750
ATTRIB +R limit74.DAT
MEM /C | MORE
PAUSE

:value77
    REM запись таблица ошибка
    IF "%1"=="" GOTO width69
    COPY %1 C:\value77\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST node81.BAK DEL node81.BAK
CALL value36.BAT %0xF6C8
ATTRIB +R path11.DAT
MEM /C | MORE
PAUSE
:alpha37
    REM ёлка начало ёлка
    IF "%1"=="" GOTO index5
    COPY %1 C:\alpha37\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set width70=4572
echo "сумма файл Привет" & echo 'it''s'
  rem сумма файл Привет
DELTREE /Y C:\TEMP\result0
:END

:node52
    REM окно проверка окно
    IF "%1"=="" GOTO total88
    COPY %1 C:\node52\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set height17=6189
echo "ёлка Ёж конец" & echo 'it''s'
  rem ёлка Ёж конец
DELTREE /Y C:\TEMP\line49
:END
IF EXIST index79.BAK DEL index79.BAK
CALL line34.BAT %3893
ATTRIB +R result55.DAT
MEM /C | MORE
PAUSE
IF EXIST width1.BAK DEL width1.BAK
CALL limit74.BAT %6.78e3
ATTRIB +R beta81.DAT
MEM /C | MORE
PAUSE
IF EXIST height77.BAK DEL height77.BAK
CALL value94.BAT %9656
ATTRIB +R beta86.DAT
MEM /C | MORE
PAUSE

IF EXIST name38.BAK DEL name38.BAK
CALL width22.BAT %5.97e6
ATTRIB +R value38.DAT
MEM /C | MORE
PAUSE
:total39
    REM сумма файл запись
    IF "%1"=="" GOTO value30
    COPY %1 C:\total39\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST index13.BAK DEL index13.BAK
CALL width42.BAT %3677
ATTRIB +R name21.DAT
MEM /C | MORE
PAUSE

:name34
    REM файл начало строка
    IF "%1"=="" GOTO beta67
    COPY %1 C:\name34\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST buffer35.BAK DEL buffer35.BAK
CALL width82.BAT %0xB0C8
ATTRIB +R total53.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set name44=4757
echo "ёлка проверка ёлка" & echo 'it''s'
  rem ёлка проверка ёлка
DELTREE /Y C:\TEMP\beta52
:END

;
IF EXIST limit71.BAK DEL limit71.BAK
CALL item4.BAT %8503
ATTRIB +R result69.DAT
MEM /C | MORE
PAUSE
:result15
    REM начало файл Привет
    IF "%1"=="" GOTO beta88
    COPY %1 C:\result15\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set beta1=1979
echo "ошибка сумма окно" & echo 'it''s'
  rem ошибка сумма окно
DELTREE /Y C:\TEMP\item84
:END

:index43
    REM ошибка окно конец
    IF "%1"=="" GOTO state61
    COPY %1 C:\index43\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:node15
    REM сумма значение конец
    IF "%1"=="" GOTO index21
    COPY %1 C:\node15\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:alpha62
    REM запись проверка конец
    IF "%1"=="" GOTO offset6
    COPY %1 C:\alpha62\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST line66.BAK DEL line66.BAK
CALL limit6.BAT %29
ATTRIB +R beta99.DAT
MEM /C | MORE
PAUSE

:path4
    REM конец таблица строка
    IF "%1"=="" GOTO line64
    COPY %1 C:\path4\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:height49
    REM запись ёлка проверка
    IF "%1"=="" GOTO result46
    COPY %1 C:\height49\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set index16=6229
echo "начало строка проверка" & echo 'it''s'
  rem начало строка проверка
DELTREE /Y C:\TEMP\buffer5
:END
IF EXIST offset81.BAK DEL offset81.BAK
CALL beta79.BAT %869
ATTRIB +R height80.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set limit58=0x6FF2
echo "сумма окно таблица" & echo 'it''s'
  rem сумма окно таблица
DELTREE /Y C:\TEMP\count54
:END

:width47
    REM значение сумма начало
    IF "%1"=="" GOTO value15
    COPY %1 C:\width47\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST line48.BAK DEL line48.BAK
CALL index93.BAT %8.13e1
ATTRIB +R path18.DAT
MEM /C | MORE
PAUSE

IF EXIST count72.BAK DEL count72.BAK
CALL index84.BAT %2935
ATTRIB +R alpha43.DAT
MEM /C | MORE
PAUSE
:path89
    REM окно проверка окно
    IF "%1"=="" GOTO count4
    COPY %1 C:\path89\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST item13.BAK DEL item13.BAK
CALL state95.BAT %0x1F4D
ATTRIB +R state41.DAT
MEM /C | MORE
PAUSE
:item23
    REM запись файл Ёж
    IF "%1"=="" GOTO offset32
    COPY %1 C:\item23\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set state53=6149
echo "сумма файл значение" & echo 'it''s'
  rem сумма файл значение
DELTREE /Y C:\TEMP\limit95
:END
IF EXIST line87.BAK DEL line87.BAK
CALL path19.BAT %2446
ATTRIB +R buffer12.DAT
MEM /C | MORE
PAUSE
IF EXIST line56.BAK DEL line56.BAK
CALL buffer17.BAT %3.18e9
ATTRIB +R width29.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set limit76=9578
echo "окно значение файл" & echo 'it''s'
  rem окно значение файл
DELTREE /Y C:\TEMP\result2
:END

:buffer72
    REM данные файл данные
    IF "%1"=="" GOTO path99
    COPY %1 C:\buffer72\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST path89.BAK DEL path89.BAK
CALL node59.BAT %9127
ATTRIB +R alpha61.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set beta59=3846
echo "запись таблица начало" & echo 'it''s'
  rem запись таблица начало
DELTREE /Y C:\TEMP\count27
:END
:value17
    REM ошибка проверка таблица
    IF "%1"=="" GOTO beta32
    COPY %1 C:\value17\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

)
FOR %%F IN (*.TXT) DO TYPE %%F
set count93=1932
echo "строка окно конец" & echo 'it''s'
  rem строка окно конец
DELTREE /Y C:\TEMP\result4
:END
IF EXIST width0.BAK DEL width0.BAK
CALL alpha42.BAT %6.62e2
ATTRIB +R node82.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set total69=4.9e7
echo "строка Ёж значение" & echo 'it''s'
  rem строка Ёж значение
DELTREE /Y C:\TEMP\line32
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set height96=4351
echo "строка начало данные" & echo 'it''s'
  rem строка начало данные
DELTREE /Y C:\TEMP\state67
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set beta91=9.95e3
echo "запись запись таблица" & echo 'it''s'
  rem запись запись таблица
DELTREE /Y C:\TEMP\total22
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set index13=2316
echo "значение данные запись" & echo 'it''s'
  rem значение данные запись
DELTREE /Y C:\TEMP\limit71
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set result22=1759
echo "таблица ошибка начало" & echo 'it''s'
  rem таблица ошибка начало
DELTREE /Y C:\TEMP\state69
:END
:value34
    REM ёлка Привет конец
    IF "%1"=="" GOTO total5
    COPY %1 C:\value34\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST line45.BAK DEL line45.BAK
CALL width51.BAT %1134
ATTRIB +R height63.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set index87=0x3964
echo "ошибка таблица файл" & echo 'it''s'
  rem ошибка таблица файл
DELTREE /Y C:\TEMP\limit85
:END
IF EXIST total75.BAK DEL total75.BAK
CALL total50.BAT %8924
ATTRIB +R line21.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set height37=0xE3C1
echo "значение ёлка конец" & echo 'it''s'
  rem значение ёлка конец
DELTREE /Y C:\TEMP\offset40
:END
IF EXIST path67.BAK DEL path67.BAK
CALL result85.BAT %9852
ATTRIB +R node93.DAT
MEM /C | MORE
PAUSE
IF EXIST item62.BAK DEL item62.BAK
CALL buffer67.BAT %3258
ATTRIB +R node67.DAT
MEM /C | MORE
PAUSE

IF EXIST name14.BAK DEL name14.BAK
CALL result84.BAT %2221
ATTRIB +R name11.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set item64=0x9AD
echo "значение данные данные" & echo 'it''s'
  rem значение данные данные
DELTREE /Y C:\TEMP\width44
:END
IF EXIST beta91.BAK DEL beta91.BAK
CALL count94.BAT %3360
ATTRIB +R count25.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set width13=6692
echo "строка конец файл" & echo 'it''s'
  rem строка конец файл
DELTREE /Y C:\TEMP\buffer50
:END
IF EXIST limit26.BAK DEL limit26.BAK
CALL path38.BAT %0xEA48
ATTRIB +R offset56.DAT
MEM /C | MORE
PAUSE

IF EXIST value46.BAK DEL value46.BAK
CALL height57.BAT %9772
ATTRIB +R offset28.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set height18=8746
echo "файл ошибка файл" & echo 'it''s'
  rem файл ошибка файл
DELTREE /Y C:\TEMP\alpha21
:END
IF EXIST alpha17.BAK DEL alpha17.BAK
CALL index77.BAT %0xFB05
ATTRIB +R buffer7.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set limit4=837
echo "файл ёлка Привет" & echo 'it''s'
  rem файл ёлка Привет
DELTREE /Y C:\TEMP\offset63
:END

:item12
    REM ёлка Ёж файл
    IF "%1"=="" GOTO buffer42
    COPY %1 C:\item12\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:beta93
    REM окно окно начало
    IF "%1"=="" GOTO name38
    COPY %1 C:\beta93\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:width80
    REM данные данные строка
    IF "%1"=="" GOTO beta87
    COPY %1 C:\width80\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST alpha13.BAK DEL alpha13.BAK
CALL alpha87.BAT %0x5736
ATTRIB +R line4.DAT
MEM /C | MORE
PAUSE
IF EXIST width25.BAK DEL width25.BAK
CALL path43.BAT %5759
ATTRIB +R beta48.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set count37=0xD37D
echo "строка сумма ёлка" & echo 'it''s'
  rem строка сумма ёлка
DELTREE /Y C:\TEMP\state42
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer94=6321
echo "конец сумма данные" & echo 'it''s'
  rem конец сумма данные
DELTREE /Y C:\TEMP\buffer46
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set path44=2.64e7
echo "Ёж Привет ошибка" & echo 'it''s'
  rem Ёж Привет ошибка
DELTREE /Y C:\TEMP\buffer90
:END
:index40
    REM файл проверка конец
    IF "%1"=="" GOTO beta78
    COPY %1 C:\index40\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST width47.BAK DEL width47.BAK
CALL alpha9.BAT %0x35C2
ATTRIB +R width72.DAT
MEM /C | MORE
PAUSE
IF EXIST node30.BAK DEL node30.BAK
CALL beta19.BAT %2344
ATTRIB +R alpha14.DAT
MEM /C | MORE
PAUSE

:state65
    REM ёлка сумма начало
    IF "%1"=="" GOTO width68
    COPY %1 C:\state65\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST count5.BAK DEL count5.BAK
CALL index76.BAT %0x33EB
ATTRIB +R node32.DAT
MEM /C | MORE
PAUSE

:index82
    REM Ёж начало запись
    IF "%1"=="" GOTO height51
    COPY %1 C:\index82\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:result76
    REM Ёж конец ёлка
    IF "%1"=="" GOTO node14
    COPY %1 C:\result76\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST count43.BAK DEL count43.BAK
CALL height24.BAT %1171
ATTRIB +R state87.DAT
MEM /C | MORE
PAUSE
IF EXIST count77.BAK DEL count77.BAK
CALL line27.BAT %0.42e4
ATTRIB +R limit56.DAT
MEM /C | MORE
PAUSE

:node92
    REM файл конец значение
    IF "%1"=="" GOTO name91
    COPY %1 C:\node92\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:limit61
    REM значение начало ёлка
    IF "%1"=="" GOTO path75
    COPY %1 C:\limit61\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer12
    REM Привет таблица ошибка
    IF "%1"=="" GOTO result64
    COPY %1 C:\buffer12\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:node95
    REM файл окно Ёж
    IF "%1"=="" GOTO limit4
    COPY %1 C:\node95\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result18.BAK DEL result18.BAK
CALL index56.BAT %6.56e2
ATTRIB +R node19.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set offset81=2.55e5
echo "Ёж Ёж сумма" & echo 'it''s'
  rem Ёж Ёж сумма
DELTREE /Y C:\TEMP\state28
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha59=5.38e4
echo "значение начало сумма" & echo 'it''s'
  rem значение начало сумма
DELTREE /Y C:\TEMP\alpha1
:END

IF EXIST alpha21.BAK DEL alpha21.BAK
CALL beta0.BAT %7.45e6
ATTRIB +R state4.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set limit43=9887
echo "сумма начало строка" & echo 'it''s'
  rem сумма начало строка
DELTREE /Y C:\TEMP\name39
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set limit92=0.3e7
echo "Привет запись запись" & echo 'it''s'
  rem Привет запись запись
DELTREE /Y C:\TEMP\buffer97
:END
:limit65
    REM начало конец данные
    IF "%1"=="" GOTO state17
    COPY %1 C:\limit65\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:path82
    REM Привет значение конец
    IF "%1"=="" GOTO name59
    COPY %1 C:\path82\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST line53.BAK DEL line53.BAK
CALL height66.BAT %4812
ATTRIB +R buffer9.DAT
MEM /C | MORE
PAUSE
IF EXIST index52.BAK DEL index52.BAK
CALL height56.BAT %4187
ATTRIB +R name36.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set total66=0xF89C
echo "конец файл конец" & echo 'it''s'
  rem конец файл конец
DELTREE /Y C:\TEMP\name74
:END
;
IF EXIST state14.BAK DEL state14.BAK
CALL path16.BAT %4.13e7
ATTRIB +R count47.DAT
MEM /C | MORE
PAUSE

IF EXIST name24.BAK DEL name24.BAK
CALL result44.BAT %0xC440
ATTRIB +R offset40.DAT
MEM /C | MORE
PAUSE

:width40
    REM проверка ёлка сумма
    IF "%1"=="" GOTO result4
    COPY %1 C:\width40\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:path29
    REM файл таблица строка
    IF "%1"=="" GOTO line14
    COPY %1 C:\path29\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST alpha36.BAK DEL alpha36.BAK
CALL count55.BAT %7.59e5
ATTRIB +R result69.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer18=0x5B17
echo "таблица Ёж запись" & echo 'it''s'
  rem таблица Ёж запись
DELTREE /Y C:\TEMP\offset82
:END

:buffer39
    REM файл запись конец
    IF "%1"=="" GOTO total18
    COPY %1 C:\buffer39\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST node48.BAK DEL node48.BAK
CALL index55.BAT %0.35e2
ATTRIB +R total14.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set count24=0xBDE5
echo "ошибка Ёж файл" & echo 'it''s'
  rem ошибка Ёж файл
DELTREE /Y C:\TEMP\count45
:END
:width60
    REM Привет таблица данные
    IF "%1"=="" GOTO line95
    COPY %1 C:\width60\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set name68=7246
echo "ошибка сумма Ёж" & echo 'it''s'
  rem ошибка сумма Ёж
DELTREE /Y C:\TEMP\offset25
:END
IF EXIST buffer38.BAK DEL buffer38.BAK
CALL buffer40.BAT %3.16e1
ATTRIB +R beta52.DAT
MEM /C | MORE
PAUSE
IF EXIST alpha20.BAK DEL alpha20.BAK
CALL index51.BAT %6130
ATTRIB +R line89.DAT
MEM /C | MORE
PAUSE
IF EXIST name41.BAK DEL name41.BAK
CALL total75.BAT %5294
ATTRIB +R name64.DAT
MEM /C | MORE
PAUSE
IF EXIST height89.BAK DEL height89.BAK
CALL height88.BAT %4698
ATTRIB +R result34.DAT
MEM /C | MORE
PAUSE

:width93
    REM запись файл окно
    IF "%1"=="" GOTO limit34
    COPY %1 C:\width93\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST buffer79.BAK DEL buffer79.BAK
CALL line66.BAT %844
ATTRIB +R count53.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set beta30=6291
echo "файл строка данные" & echo 'it''s'
  rem файл строка данные
DELTREE /Y C:\TEMP\line27
:END

:limit93
    REM конец ёлка таблица
    IF "%1"=="" GOTO state46
    COPY %1 C:\limit93\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set offset56=1.74e8
echo "ошибка данные файл" & echo 'it''s'
  rem ошибка данные файл
DELTREE /Y C:\TEMP\alpha47
:END

}
:width55
    REM окно файл Привет
    IF "%1"=="" GOTO alpha68
    COPY %1 C:\width55\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set height92=3490
echo "Ёж данные запись" & echo 'it''s'
  rem Ёж данные запись
DELTREE /Y C:\TEMP\index65
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set total39=3.15e3
echo "проверка значение строка" & echo 'it''s'
  rem проверка значение строка
DELTREE /Y C:\TEMP\limit3
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer60=6.26e9
echo "запись ёлка проверка" & echo 'it''s'
  rem запись ёлка проверка
DELTREE /Y C:\TEMP\result55
:END

IF EXIST count8.BAK DEL count8.BAK
CALL name96.BAT %5261
ATTRIB +R count1.DAT
MEM /C | MORE
PAUSE
IF EXIST index84.BAK DEL index84.BAK
CALL width82.BAT %9549
ATTRIB +R item41.DAT
MEM /C | MORE
PAUSE

:beta82
    REM сумма Привет значение
    IF "%1"=="" GOTO line67
    COPY %1 C:\beta82\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:item60
    REM конец конец значение
    IF "%1"=="" GOTO state50
    COPY %1 C:\item60\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST line29.BAK DEL line29.BAK
CALL node73.BAT %9.17e9
ATTRIB +R height79.DAT
MEM /C | MORE
PAUSE
IF EXIST line26.BAK DEL line26.BAK
CALL name7.BAT %5113
ATTRIB +R node63.DAT
MEM /C | MORE
PAUSE
:name15
    REM значение значение сумма
    IF "%1"=="" GOTO offset27
    COPY %1 C:\name15\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set path31=0.30e7
echo "данные ёлка файл" & echo 'it''s'
  rem данные ёлка файл
DELTREE /Y C:\TEMP\buffer36
:END

IF EXIST width93.BAK DEL width93.BAK
CALL index26.BAT %7.22e3
ATTRIB +R item61.DAT
MEM /C | MORE
PAUSE
IF EXIST height77.BAK DEL height77.BAK
CALL item22.BAT %8694
ATTRIB +R offset76.DAT
MEM /C | MORE
PAUSE
IF EXIST result56.BAK DEL result56.BAK
CALL height7.BAT %0xEA0C
ATTRIB +R path2.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set path28=8.62e6
echo "ёлка проверка Ёж" & echo 'it''s'
  rem ёлка проверка Ёж
DELTREE /Y C:\TEMP\buffer14
:END
IF EXIST total74.BAK DEL total74.BAK
CALL width13.BAT %2.38e8
ATTRIB +R state19.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set beta74=3.79e2
echo "таблица начало сумма" & echo 'it''s'
  rem таблица начало сумма
DELTREE /Y C:\TEMP\result74
:END
IF EXIST width52.BAK DEL width52.BAK
CALL result1.BAT %9153
ATTRIB +R height54.DAT
MEM /C | MORE
PAUSE
:result89
    REM файл проверка конец
    IF "%1"=="" GOTO offset91
    COPY %1 C:\result89\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set path22=7624
echo "файл значение ёлка" & echo 'it''s'
  rem файл значение ёлка
DELTREE /Y C:\TEMP\state73
:END
IF EXIST path89.BAK DEL path89.BAK
CALL node21.BAT %2738
ATTRIB +R index12.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set state65=4.8e8
echo "окно запись данные" & echo 'it''s'
  rem окно запись данные
DELTREE /Y C:\TEMP\item33
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set height55=0xBD17
echo "запись ошибка окно" & echo 'it''s'
  rem запись ошибка окно
DELTREE /Y C:\TEMP\line25
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set height93=1.12e3
echo "начало строка файл" & echo 'it''s'
  rem начало строка файл
DELTREE /Y C:\TEMP\name42
:END
:buffer5
    REM запись Ёж окно
    IF "%1"=="" GOTO line17
    COPY %1 C:\buffer5\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST limit64.BAK DEL limit64.BAK
CALL limit55.BAT %8.34e7
ATTRIB +R total5.DAT
MEM /C | MORE
PAUSE

:node97
    REM ошибка сумма таблица
    IF "%1"=="" GOTO node89
    COPY %1 C:\node97\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:state72
    REM таблица значение данные
    IF "%1"=="" GOTO node15
    COPY %1 C:\state72\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST count62.BAK DEL count62.BAK
CALL limit94.BAT %1.69e6
ATTRIB +R buffer33.DAT
MEM /C | MORE
PAUSE

IF EXIST total12.BAK DEL total12.BAK
CALL alpha89.BAT %0xC814
ATTRIB +R name70.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer89=1146
echo "окно запись таблица" & echo 'it''s'
  rem окно запись таблица
DELTREE /Y C:\TEMP\limit21
:END

IF EXIST width46.BAK DEL width46.BAK
CALL index5.BAT %6364
ATTRIB +R alpha68.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set item56=94
echo "данные файл файл" & echo 'it''s'
  rem данные файл файл
DELTREE /Y C:\TEMP\buffer53
:END
IF EXIST index69.BAK DEL index69.BAK
CALL item37.BAT %0xCFE8
ATTRIB +R alpha75.DAT
MEM /C | MORE
PAUSE
IF EXIST line33.BAK DEL line33.BAK
CALL offset84.BAT %3426
ATTRIB +R line75.DAT
MEM /C | MORE
PAUSE
:buffer57
    REM сумма сумма строка
    IF "%1"=="" GOTO result74
    COPY %1 C:\buffer57\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST total39.BAK DEL total39.BAK
CALL line21.BAT %8.37e2
ATTRIB +R count63.DAT
MEM /C | MORE
PAUSE

IF EXIST limit2.BAK DEL limit2.BAK
CALL alpha2.BAT %77
ATTRIB +R beta90.DAT
MEM /C | MORE
PAUSE
:beta44
    REM запись окно окно
    IF "%1"=="" GOTO path62
    COPY %1 C:\beta44\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:result80
    REM проверка строка ёлка
    IF "%1"=="" GOTO beta14
    COPY %1 C:\result80\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer95
    REM ёлка сумма таблица
    IF "%1"=="" GOTO line17
    COPY %1 C:\buffer95\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result65.BAK DEL result65.BAK
CALL line0.BAT %5935
ATTRIB +R path10.DAT
MEM /C | MORE
PAUSE
IF EXIST offset55.BAK DEL offset55.BAK
CALL name43.BAT %473
ATTRIB +R width39.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set value26=4.95e8
echo "ёлка Ёж начало" & echo 'it''s'
  rem ёлка Ёж начало
DELTREE /Y C:\TEMP\node92
:END
:beta78
    REM ёлка файл ёлка
    IF "%1"=="" GOTO buffer40
    COPY %1 C:\beta78\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST name32.BAK DEL name32.BAK
CALL limit53.BAT %5573
ATTRIB +R offset55.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set height92=8.28e3
echo "файл значение файл" & echo 'it''s'
  rem файл значение файл
DELTREE /Y C:\TEMP\alpha82
:END
IF EXIST offset61.BAK DEL offset61.BAK
CALL path48.BAT %9151
ATTRIB +R limit78.DAT
MEM /C | MORE
PAUSE

IF EXIST state91.BAK DEL state91.BAK
CALL buffer2.BAT %0x31DC
ATTRIB +R total50.DAT
MEM /C | MORE
PAUSE
:index76
    REM файл значение окно
    IF "%1"=="" GOTO state16
    COPY %1 C:\index76\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer27
    REM таблица конец запись
    IF "%1"=="" GOTO limit63
    COPY %1 C:\buffer27\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:value70
    REM Привет проверка данные
    IF "%1"=="" GOTO width70
    COPY %1 C:\value70\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set node10=6.31e4
echo "конец данные файл" & echo 'it''s'
  rem конец данные файл
DELTREE /Y C:\TEMP\count42
:END
IF EXIST node71.BAK DEL node71.BAK
CALL offset0.BAT %4884
ATTRIB +R item18.DAT
MEM /C | MORE
PAUSE
:value44
    REM файл окно ошибка
    IF "%1"=="" GOTO height27
    COPY %1 C:\value44\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST index58.BAK DEL index58.BAK
CALL limit32.BAT %0xCA4A
ATTRIB +R value74.DAT
MEM /C | MORE
PAUSE

:name26
    REM окно данные запись
    IF "%1"=="" GOTO count13
    COPY %1 C:\name26\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST height83.BAK DEL height83.BAK
CALL item32.BAT %9959
ATTRIB +R index3.DAT
MEM /C | MORE
PAUSE

IF EXIST buffer28.BAK DEL buffer28.BAK
CALL width6.BAT %0xA21F
ATTRIB +R state8.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha62=7171
echo "начало ошибка Ёж" & echo 'it''s'
  rem начало ошибка Ёж
DELTREE /Y C:\TEMP\alpha15
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set value48=3241
echo "конец Ёж ёлка" & echo 'it''s'
  rem конец Ёж ёлка
DELTREE /Y C:\TEMP\path46
:END
IF EXIST width61.BAK DEL width61.BAK
CALL path68.BAT %7740
ATTRIB +R count91.DAT
MEM /C | MORE
PAUSE
IF EXIST index84.BAK DEL index84.BAK
CALL buffer22.BAT %4268
ATTRIB +R width10.DAT
MEM /C | MORE
PAUSE
)
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha78=0xC211
echo "ошибка строка запись" & echo 'it''s'
  rem ошибка строка запись
DELTREE /Y C:\TEMP\line57
:END
:name86
    REM ёлка значение запись
    IF "%1"=="" GOTO state94
    COPY %1 C:\name86\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:count25
    REM конец строка окно
    IF "%1"=="" GOTO count84
    COPY %1 C:\count25\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:name4
    REM строка сумма значение
    IF "%1"=="" GOTO node41
    COPY %1 C:\name4\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result98.BAK DEL result98.BAK
CALL width89.BAT %3142
ATTRIB +R state82.DAT
MEM /C | MORE
PAUSE
IF EXIST limit16.BAK DEL limit16.BAK
CALL height56.BAT %6721
ATTRIB +R path17.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set result9=2.69e6
echo "Ёж начало ёлка" & echo 'it''s'
  rem Ёж начало ёлка
DELTREE /Y C:\TEMP\item66
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set width44=2813
echo "окно данные строка" & echo 'it''s'
  rem окно данные строка
DELTREE /Y C:\TEMP\buffer49
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set line55=1644
echo "запись данные Привет" & echo 'it''s'
  rem запись данные Привет
DELTREE /Y C:\TEMP\height56
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set line84=4125
echo "проверка значение Ёж" & echo 'it''s'
  rem проверка значение Ёж
DELTREE /Y C:\TEMP\state66
:END
IF EXIST node38.BAK DEL node38.BAK
CALL count88.BAT %0xF851
ATTRIB +R name50.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set total71=4291
echo "Привет ошибка значение" & echo 'it''s'
  rem Привет ошибка значение
DELTREE /Y C:\TEMP\node80
:END
IF EXIST index37.BAK DEL index37.BAK
CALL height84.BAT %0x33C1
ATTRIB +R alpha41.DAT
MEM /C | MORE
PAUSE
:width37
    REM ошибка запись Ёж
    IF "%1"=="" GOTO path39
    COPY %1 C:\width37\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set item8=0.46e9
echo "строка данные конец" & echo 'it''s'
  rem строка данные конец
DELTREE /Y C:\TEMP\alpha22
:END

:buffer46
    REM проверка конец файл
    IF "%1"=="" GOTO path90
    COPY %1 C:\buffer46\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:state29
    REM запись данные ошибка
    IF "%1"=="" GOTO result71
    COPY %1 C:\state29\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set offset19=6635
echo "Привет Ёж значение" & echo 'it''s'
  rem Привет Ёж значение
DELTREE /Y C:\TEMP\offset2
:END
IF EXIST count34.BAK DEL count34.BAK
CALL limit39.BAT %0.23e2
ATTRIB +R limit95.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set item87=0xDE58
echo "Привет окно данные" & echo 'it''s'
  rem Привет окно данные
DELTREE /Y C:\TEMP\buffer54
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha29=5840
echo "сумма файл таблица" & echo 'it''s'
  rem сумма файл таблица
DELTREE /Y C:\TEMP\offset47
:END
:item46
    REM значение таблица Привет
    IF "%1"=="" GOTO item83
    COPY %1 C:\item46\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:path97
    REM значение сумма проверка
    IF "%1"=="" GOTO name21
    COPY %1 C:\path97\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set offset97=1511
echo "файл ёлка запись" & echo 'it''s'
  rem файл ёлка запись
DELTREE /Y C:\TEMP\index26
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set height33=6.82e9
echo "начало ёлка ошибка" & echo 'it''s'
  rem начало ёлка ошибка
DELTREE /Y C:\TEMP\height66
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set value93=0xCBEA
echo "запись конец файл" & echo 'it''s'
  rem запись конец файл
DELTREE /Y C:\TEMP\node66
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set name31=1937
echo "таблица строка сумма" & echo 'it''s'
  rem таблица строка сумма
DELTREE /Y C:\TEMP\alpha84
:END
:state74
    REM окно окно проверка
    IF "%1"=="" GOTO height16
    COPY %1 C:\state74\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:path98
    REM начало запись ёлка
    IF "%1"=="" GOTO value67
    COPY %1 C:\path98\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST path10.BAK DEL path10.BAK
CALL node45.BAT %0xF9C1
ATTRIB +R beta71.DAT
MEM /C | MORE
PAUSE
IF EXIST offset40.BAK DEL offset40.BAK
CALL limit38.BAT %9.51e2
ATTRIB +R name24.DAT
MEM /C | MORE
PAUSE

IF EXIST index33.BAK DEL index33.BAK
CALL state8.BAT %9665
ATTRIB +R state44.DAT
MEM /C | MORE
PAUSE

:width52
    REM Привет строка проверка
    IF "%1"=="" GOTO alpha18
    COPY %1 C:\width52\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:node45
    REM ошибка сумма начало
    IF "%1"=="" GOTO count21
    COPY %1 C:\node45\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:index41
    REM файл ёлка начало
    IF "%1"=="" GOTO limit99
    COPY %1 C:\index41\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

\
:state92
    REM окно запись конец
    IF "%1"=="" GOTO node23
    COPY %1 C:\state92\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set count62=2516
echo "ошибка файл файл" & echo 'it''s'
  rem ошибка файл файл
DELTREE /Y C:\TEMP\path35
:END
:result86
    REM данные значение строка
    IF "%1"=="" GOTO buffer20
    COPY %1 C:\result86\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
}
:index22
    REM конец ошибка сумма
    IF "%1"=="" GOTO width89
    COPY %1 C:\index22\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:result11
    REM Ёж файл сумма
    IF "%1"=="" GOTO name30
    COPY %1 C:\result11\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST buffer28.BAK DEL buffer28.BAK
CALL line34.BAT %0xEFE5
ATTRIB +R limit3.DAT
MEM /C | MORE
PAUSE
:state53
    REM конец таблица ошибка
    IF "%1"=="" GOTO count9
    COPY %1 C:\state53\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
)
:width77
    REM конец значение данные
    IF "%1"=="" GOTO path89
    COPY %1 C:\width77\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:height75
    REM проверка Привет Привет
    IF "%1"=="" GOTO height40
    COPY %1 C:\height75\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:alpha36
    REM запись таблица проверка
    IF "%1"=="" GOTO path80
    COPY %1 C:\alpha36\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set offset6=2.70e6
echo "файл запись таблица" & echo 'it''s'
  rem файл запись таблица
DELTREE /Y C:\TEMP\count41
:END
IF EXIST offset19.BAK DEL offset19.BAK
CALL offset32.BAT %0x6D21
ATTRIB +R path85.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set count78=8621
echo "сумма начало данные" & echo 'it''s'
  rem сумма начало данные
DELTREE /Y C:\TEMP\item24
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set name84=4760
echo "начало таблица начало" & echo 'it''s'
  rem начало таблица начало
DELTREE /Y C:\TEMP\total19
:END
IF EXIST alpha30.BAK DEL alpha30.BAK
CALL buffer64.BAT %6102
ATTRIB +R limit75.DAT
MEM /C | MORE
PAUSE
IF EXIST state38.BAK DEL state38.BAK
CALL offset68.BAT %4.10e6
ATTRIB +R index10.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set value90=1586
echo "файл Ёж конец" & echo 'it''s'
  rem файл Ёж конец
DELTREE /Y C:\TEMP\path20
:END
IF EXIST path27.BAK DEL path27.BAK
CALL name38.BAT %0x93CA
ATTRIB +R result9.DAT
MEM /C | MORE
PAUSE

IF EXIST beta5.BAK DEL beta5.BAK
CALL path52.BAT %6147
ATTRIB +R limit1.DAT
MEM /C | MORE
PAUSE

	
FOR %%F IN (*.TXT) DO TYPE %%F
set index31=0x5A6C
echo "запись данные строка" & echo 'it''s'
  rem запись данные строка
DELTREE /Y C:\TEMP\height83
:END
IF EXIST height80.BAK DEL height80.BAK
CALL alpha39.BAT %0.83e5
ATTRIB +R path42.DAT
MEM /C | MORE
PAUSE
IF EXIST beta32.BAK DEL beta32.BAK
CALL alpha10.BAT %5.74e8
ATTRIB +R count61.DAT
MEM /C | MORE
PAUSE
}
FOR %%F IN (*.TXT) DO TYPE %%F
set name71=0xCE52
echo "файл ошибка ёлка" & echo 'it''s'
  rem файл ошибка ёлка
DELTREE /Y C:\TEMP\line12
:END

:alpha31
    REM таблица данные данные
    IF "%1"=="" GOTO name70
    COPY %1 C:\alpha31\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:width14
    REM Ёж запись конец
    IF "%1"=="" GOTO item48
    COPY %1 C:\width14\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set buffer45=5.12e3
echo "Ёж строка данные" & echo 'it''s'
  rem Ёж строка данные
DELTREE /Y C:\TEMP\buffer44
:END

:path70
    REM окно проверка Ёж
    IF "%1"=="" GOTO line37
    COPY %1 C:\path70\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:index9
    REM значение конец проверка
    IF "%1"=="" GOTO item32
    COPY %1 C:\index9\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer80
    REM таблица конец начало
    IF "%1"=="" GOTO line14
    COPY %1 C:\buffer80\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:width81
    REM данные начало значение
    IF "%1"=="" GOTO item9
    COPY %1 C:\width81\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST alpha31.BAK DEL alpha31.BAK
CALL value39.BAT %0xE888
ATTRIB +R height42.DAT
MEM /C | MORE
PAUSE
IF EXIST name72.BAK DEL name72.BAK
CALL index43.BAT %3191
ATTRIB +R value74.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set result91=0xBBD6
echo "начало строка Ёж" & echo 'it''s'
  rem начало строка Ёж
DELTREE /Y C:\TEMP\index65
:END
IF EXIST total6.BAK DEL total6.BAK
CALL width7.BAT %4487
ATTRIB +R alpha30.DAT
MEM /C | MORE
PAUSE
:name86
    REM ошибка ошибка данные
    IF "%1"=="" GOTO line46
    COPY %1 C:\name86\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result41.BAK DEL result41.BAK
CALL limit90.BAT %0xD51F
ATTRIB +R item73.DAT
MEM /C | MORE
PAUSE

:total65
    REM Привет Ёж Ёж
    IF "%1"=="" GOTO value41
    COPY %1 C:\total65\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST count2.BAK DEL count2.BAK
CALL index84.BAT %8640
ATTRIB +R total92.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set item34=6.89e1
echo "ёлка файл Привет" & echo 'it''s'
  rem ёлка файл Привет
DELTREE /Y C:\TEMP\offset64
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer45=0x2829
echo "ошибка ошибка начало" & echo 'it''s'
  rem ошибка ошибка начало
DELTREE /Y C:\TEMP\node77
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set limit88=7744
echo "файл строка данные" & echo 'it''s'
  rem файл строка данные
DELTREE /Y C:\TEMP\line81
:END

:item71
    REM таблица конец проверка
    IF "%1"=="" GOTO name77
    COPY %1 C:\item71\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST alpha95.BAK DEL alpha95.BAK
CALL path59.BAT %2741
ATTRIB +R width96.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set limit68=6140
echo "проверка строка Привет" & echo 'it''s'
  rem проверка строка Привет
DELTREE /Y C:\TEMP\state32
:END

:result56
    REM конец окно Ёж
    IF "%1"=="" GOTO path10
    COPY %1 C:\result56\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set limit35=5615
echo "ошибка значение файл" & echo 'it''s'
  rem ошибка значение файл
DELTREE /Y C:\TEMP\path26
:END
:alpha71
    REM Ёж проверка ёлка
    IF "%1"=="" GOTO result84
    COPY %1 C:\alpha71\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST offset34.BAK DEL offset34.BAK
CALL height58.BAT %9658
ATTRIB +R beta65.DAT
MEM /C | MORE
PAUSE
IF EXIST item19.BAK DEL item19.BAK
CALL width44.BAT %0x91B9
ATTRIB +R line66.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set node0=9828
echo "Ёж строка данные" & echo 'it''s'
  rem Ёж строка данные
DELTREE /Y C:\TEMP\result55
:END
IF EXIST index44.BAK DEL index44.BAK
CALL index22.BAT %9563
ATTRIB +R node71.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set result26=5200
echo "проверка окно данные" & echo 'it''s'
  rem проверка окно данные
DELTREE /Y C:\TEMP\height87
:END
IF EXIST node47.BAK DEL node47.BAK
CALL height16.BAT %4.93e4
ATTRIB +R limit76.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set index10=7028
echo "запись Ёж Ёж" & echo 'it''s'
  rem запись Ёж Ёж
DELTREE /Y C:\TEMP\line56
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set beta95=1.6e2
echo "Привет конец окно" & echo 'it''s'
  rem Привет конец окно
DELTREE /Y C:\TEMP\height57
:END
IF EXIST width0.BAK DEL width0.BAK
CALL alpha26.BAT %7.38e7
ATTRIB +R item77.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set node81=3885
echo "конец файл сумма" & echo 'it''s'
  rem конец файл сумма
DELTREE /Y C:\TEMP\node16
:END
IF EXIST value93.BAK DEL value93.BAK
CALL name38.BAT %2179
ATTRIB +R line60.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set name37=7.11e5
echo "строка файл таблица" & echo 'it''s'
  rem строка файл таблица
DELTREE /Y C:\TEMP\offset2
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set beta14=7741
echo "значение запись ёлка" & echo 'it''s'
  rem значение запись ёлка
DELTREE /Y C:\TEMP\width4
:END
IF EXIST value80.BAK DEL value80.BAK
CALL height35.BAT %1551
ATTRIB +R state45.DAT
MEM /C | MORE
PAUSE
:path32
    REM сумма строка ёлка
    IF "%1"=="" GOTO state80
    COPY %1 C:\path32\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:result41
    REM данные конец запись
    IF "%1"=="" GOTO width51
    COPY %1 C:\result41\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set value78=8.58e2
echo "ошибка сумма данные" & echo 'it''s'
  rem ошибка сумма данные
DELTREE /Y C:\TEMP\item47
:END
IF EXIST height26.BAK DEL height26.BAK
CALL result94.BAT %3075
ATTRIB +R line19.DAT
MEM /C | MORE
PAUSE

IF EXIST state65.BAK DEL state65.BAK
CALL offset69.BAT %9804
ATTRIB +R beta88.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set height46=9.51e2
echo "таблица начало ёлка" & echo 'it''s'
  rem таблица начало ёлка
DELTREE /Y C:\TEMP\offset25
:END
:alpha47
    REM таблица данные начало
    IF "%1"=="" GOTO beta99
    COPY %1 C:\alpha47\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:line93
    REM Ёж файл окно
    IF "%1"=="" GOTO width70
    COPY %1 C:\line93\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set line85=3046
echo "ёлка окно начало" & echo 'it''s'
  rem ёлка окно начало
DELTREE /Y C:\TEMP\state50
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha9=8950
echo "значение строка строка" & echo 'it''s'
  rem значение строка строка
DELTREE /Y C:\TEMP\index47
:END
IF EXIST value27.BAK DEL value27.BAK
CALL index61.BAT %9573
ATTRIB +R path69.DAT
MEM /C | MORE
PAUSE
IF EXIST result91.BAK DEL result91.BAK
CALL path73.BAT %0x607A
ATTRIB +R item83.DAT
MEM /C | MORE
PAUSE
IF EXIST name89.BAK DEL name89.BAK
CALL total40.BAT %6115
ATTRIB +R node21.DAT
MEM /C | MORE
PAUSE

:count77
    REM ошибка ёлка таблица
    IF "%1"=="" GOTO width28
    COPY %1 C:\count77\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:beta33
    REM таблица таблица начало
    IF "%1"=="" GOTO item89
    COPY %1 C:\beta33\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:width73
    REM сумма значение строка
    IF "%1"=="" GOTO count36
    COPY %1 C:\width73\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:path87
    REM строка начало значение
    IF "%1"=="" GOTO path34
    COPY %1 C:\path87\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:beta20
    REM файл сумма проверка
    IF "%1"=="" GOTO line50
    COPY %1 C:\beta20\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:alpha49
    REM Ёж Привет окно
    IF "%1"=="" GOTO path28
    COPY %1 C:\alpha49\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set name86=4.65e6
echo "ёлка таблица ёлка" & echo 'it''s'
  rem ёлка таблица ёлка
DELTREE /Y C:\TEMP\beta51
:END
IF EXIST height16.BAK DEL height16.BAK
CALL alpha34.BAT %3322
ATTRIB +R buffer11.DAT
MEM /C | MORE
PAUSE
IF EXIST total88.BAK DEL total88.BAK
CALL path31.BAT %9647
ATTRIB +R value15.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer64=0x96E5
echo "Ёж значение значение" & echo 'it''s'
  rem Ёж значение значение
DELTREE /Y C:\TEMP\state25
:END
\
:value58
    REM строка Ёж ёлка
    IF "%1"=="" GOTO result98
    COPY %1 C:\value58\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST node93.BAK DEL node93.BAK
CALL height14.BAT %1360
ATTRIB +R count65.DAT
MEM /C | MORE
PAUSE

IF EXIST limit12.BAK DEL limit12.BAK
CALL node30.BAT %2940
ATTRIB +R buffer39.DAT
MEM /C | MORE
PAUSE

:name47
    REM Привет Привет файл
    IF "%1"=="" GOTO height72
    COPY %1 C:\name47\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result48.BAK DEL result48.BAK
CALL line4.BAT %384
ATTRIB +R height85.DAT
MEM /C | MORE
PAUSE

:buffer21
    REM запись ошибка ошибка
    IF "%1"=="" GOTO height34
    COPY %1 C:\buffer21\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:name30
    REM проверка ёлка строка
    IF "%1"=="" GOTO beta35
    COPY %1 C:\name30\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set result72=696
echo "таблица файл окно" & echo 'it''s'
  rem таблица файл окно
DELTREE /Y C:\TEMP\name59
:END
IF EXIST buffer72.BAK DEL buffer72.BAK
CALL node77.BAT %7000
ATTRIB +R index64.DAT
MEM /C | MORE
PAUSE
IF EXIST buffer96.BAK DEL buffer96.BAK
CALL item29.BAT %7735
ATTRIB +R line25.DAT
MEM /C | MORE
PAUSE

:offset35
    REM данные окно окно
    IF "%1"=="" GOTO item3
    COPY %1 C:\offset35\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST height65.BAK DEL height65.BAK
CALL state54.BAT %5.93e4
ATTRIB +R name51.DAT
MEM /C | MORE
PAUSE
IF EXIST total44.BAK DEL total44.BAK
CALL beta85.BAT %4.59e2
ATTRIB +R index88.DAT
MEM /C | MORE
PAUSE
IF EXIST width24.BAK DEL width24.BAK
CALL node92.BAT %0x8FE7
ATTRIB +R result75.DAT
MEM /C | MORE
PAUSE

	
:beta83
    REM окно данные данные
    IF "%1"=="" GOTO buffer95
    COPY %1 C:\beta83\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set item81=0x3FFE
echo "ошибка Ёж данные" & echo 'it''s'
  rem ошибка Ёж данные
DELTREE /Y C:\TEMP\height85
:END
IF EXIST offset85.BAK DEL offset85.BAK
CALL height43.BAT %638
ATTRIB +R offset60.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set offset69=2772
echo "проверка значение Ёж" & echo 'it''s'
  rem проверка значение Ёж
DELTREE /Y C:\TEMP\state6
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set item18=2.39e3
echo "начало проверка окно" & echo 'it''s'
  rem начало проверка окно
DELTREE /Y C:\TEMP\height99
:END
:limit89
    REM конец данные таблица
    IF "%1"=="" GOTO state72
    COPY %1 C:\limit89\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

	
IF EXIST name37.BAK DEL name37.BAK
CALL index22.BAT %6767
ATTRIB +R buffer76.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set result15=8.90e4
echo "проверка данные строка" & echo 'it''s'
  rem проверка данные строка
DELTREE /Y C:\TEMP\offset53
:END
:line24
    REM Привет значение проверка
    IF "%1"=="" GOTO result63
    COPY %1 C:\line24\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set beta68=1.54e9
echo "Привет проверка конец" & echo 'it''s'
  rem Привет проверка конец
DELTREE /Y C:\TEMP\result33
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha28=0xFD80
echo "сумма ёлка Привет" & echo 'it''s'
  rem сумма ёлка Привет
DELTREE /Y C:\TEMP\state84
:END
IF EXIST name11.BAK DEL name11.BAK
CALL limit88.BAT %7454
ATTRIB +R item29.DAT
MEM /C | MORE
PAUSE

:state12
    REM Привет ошибка данные
    IF "%1"=="" GOTO count0
    COPY %1 C:\state12\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:item39
    REM конец ошибка ёлка
    IF "%1"=="" GOTO result72
    COPY %1 C:\item39\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST node89.BAK DEL node89.BAK
CALL beta13.BAT %3947
ATTRIB +R state8.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set total97=0x9B8E
echo "ёлка Привет Привет" & echo 'it''s'
  rem ёлка Привет Привет
DELTREE /Y C:\TEMP\alpha5
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha86=0.78e2
echo "конец Ёж значение" & echo 'it''s'
  rem конец Ёж значение
DELTREE /Y C:\TEMP\name77
:END
:offset85
    REM Привет начало ошибка
    IF "%1"=="" GOTO offset82
    COPY %1 C:\offset85\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer94
    REM окно окно файл
    IF "%1"=="" GOTO result60
    COPY %1 C:\buffer94\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST name72.BAK DEL name72.BAK
CALL state3.BAT %6468
ATTRIB +R name64.DAT
MEM /C | MORE
PAUSE
IF EXIST path38.BAK DEL path38.BAK
CALL count86.BAT %9994
ATTRIB +R total52.DAT
MEM /C | MORE
PAUSE

IF EXIST value72.BAK DEL value72.BAK
CALL value56.BAT %8125
ATTRIB +R limit0.DAT
MEM /C | MORE
PAUSE

IF EXIST offset19.BAK DEL offset19.BAK
CALL alpha68.BAT %3.81e2
ATTRIB +R item36.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set line99=1.69e1
echo "значение значение сумма" & echo 'it''s'
  rem значение значение сумма
DELTREE /Y C:\TEMP\item76
:END

IF EXIST width65.BAK DEL width65.BAK
CALL value1.BAT %1493
ATTRIB +R index39.DAT
MEM /C | MORE
PAUSE

IF EXIST result17.BAK DEL result17.BAK
CALL value65.BAT %5258
ATTRIB +R offset81.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set alpha22=0xF680
echo "файл запись строка" & echo 'it''s'
  rem файл запись строка
DELTREE /Y C:\TEMP\line13
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set path5=2909
echo "ёлка Привет конец" & echo 'it''s'
  rem ёлка Привет конец
DELTREE /Y C:\TEMP\buffer52
:END
:count53
    REM ёлка конец строка
    IF "%1"=="" GOTO height77
    COPY %1 C:\count53\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set width63=1.91e1
echo "ошибка ёлка ошибка" & echo 'it''s'
  rem ошибка ёлка ошибка
DELTREE /Y C:\TEMP\name56
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set state9=7341
echo "окно Привет окно" & echo 'it''s'
  rem окно Привет окно
DELTREE /Y C:\TEMP\state35
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set value55=7.24e8
echo "Привет строка ёлка" & echo 'it''s'
  rem Привет строка ёлка
DELTREE /Y C:\TEMP\height29
:END
x
IF EXIST node52.BAK DEL node52.BAK
CALL alpha40.BAT %4311
ATTRIB +R index81.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set state36=8515
echo "строка данные запись" & echo 'it''s'
  rem строка данные запись
DELTREE /Y C:\TEMP\total47
:END

:buffer82
    REM файл Привет таблица
    IF "%1"=="" GOTO offset88
    COPY %1 C:\buffer82\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:width72
    REM запись запись строка
    IF "%1"=="" GOTO beta4
    COPY %1 C:\width72\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST path57.BAK DEL path57.BAK
CALL count26.BAT %4472
ATTRIB +R path57.DAT
MEM /C | MORE
PAUSE

IF EXIST line92.BAK DEL line92.BAK
CALL node18.BAT %8.10e5
ATTRIB +R path58.DAT
MEM /C | MORE
PAUSE
IF EXIST state52.BAK DEL state52.BAK
CALL name47.BAT %9773
ATTRIB +R height46.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set node27=7.0e6
echo "сумма сумма конец" & echo 'it''s'
  rem сумма сумма конец
DELTREE /Y C:\TEMP\buffer38
:END
:alpha11
    REM ёлка данные сумма
    IF "%1"=="" GOTO height76
    COPY %1 C:\alpha11\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

FOR %%F IN (*.TXT) DO TYPE %%F
set total21=9740
echo "окно конец запись" & echo 'it''s'
  rem окно конец запись
DELTREE /Y C:\TEMP\alpha82
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set alpha91=7683
echo "Ёж окно значение" & echo 'it''s'
  rem Ёж окно значение
DELTREE /Y C:\TEMP\count50
:END
IF EXIST buffer6.BAK DEL buffer6.BAK
CALL name19.BAT %8015
ATTRIB +R width84.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set index98=2.95e7
echo "значение конец файл" & echo 'it''s'
  rem значение конец файл
DELTREE /Y C:\TEMP\alpha72
:END
:value52
    REM данные строка Привет
    IF "%1"=="" GOTO item2
    COPY %1 C:\value52\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:buffer78
    REM начало Привет сумма
    IF "%1"=="" GOTO node78
    COPY %1 C:\buffer78\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:limit70
    REM данные строка Привет
    IF "%1"=="" GOTO index28
    COPY %1 C:\limit70\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:line16
    REM Привет ёлка сумма
    IF "%1"=="" GOTO node29
    COPY %1 C:\line16\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
:count30
    REM Привет строка Ёж
    IF "%1"=="" GOTO state82
    COPY %1 C:\count30\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:limit63
    REM Привет данные строка
    IF "%1"=="" GOTO state60
    COPY %1 C:\limit63\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

:width92
    REM Привет данные конец
    IF "%1"=="" GOTO index88
    COPY %1 C:\width92\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set result26=5386
echo "начало данные данные" & echo 'it''s'
  rem начало данные данные
DELTREE /Y C:\TEMP\line60
:END
:total52
    REM таблица таблица строка
    IF "%1"=="" GOTO node47
    COPY %1 C:\total52\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST buffer26.BAK DEL buffer26.BAK
CALL beta30.BAT %4479
ATTRIB +R index74.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set index48=5314
echo "запись таблица конец" & echo 'it''s'
  rem запись таблица конец
DELTREE /Y C:\TEMP\result9
:END
IF EXIST height1.BAK DEL height1.BAK
CALL total55.BAT %8319
ATTRIB +R index86.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set offset42=8111
echo "запись значение файл" & echo 'it''s'
  rem запись значение файл
DELTREE /Y C:\TEMP\count6
:END
IF EXIST result19.BAK DEL result19.BAK
CALL count54.BAT %5001
ATTRIB +R line90.DAT
MEM /C | MORE
PAUSE
IF EXIST width69.BAK DEL width69.BAK
CALL beta99.BAT %4952
ATTRIB +R buffer3.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set buffer23=9.97e6
echo "окно значение начало" & echo 'it''s'
  rem окно значение начало
DELTREE /Y C:\TEMP\buffer42
:END
:line62
    REM запись ошибка данные
    IF "%1"=="" GOTO alpha44
    COPY %1 C:\line62\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST result53.BAK DEL result53.BAK
CALL item58.BAT %1562
ATTRIB +R result64.DAT
MEM /C | MORE
PAUSE
IF EXIST index49.BAK DEL index49.BAK
CALL beta18.BAT %7544
ATTRIB +R count0.DAT
MEM /C | MORE
PAUSE
:result44
    REM ёлка ёлка ёлка
    IF "%1"=="" GOTO state12
    COPY %1 C:\result44\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
)
FOR %%F IN (*.TXT) DO TYPE %%F
set result17=4792
echo "проверка ошибка строка" & echo 'it''s'
  rem проверка ошибка строка
DELTREE /Y C:\TEMP\item42
:END

)
:buffer32
    REM проверка ёлка файл
    IF "%1"=="" GOTO width73
    COPY %1 C:\buffer32\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
IF EXIST index45.BAK DEL index45.BAK
CALL value23.BAT %0xCC1F
ATTRIB +R offset90.DAT
MEM /C | MORE
PAUSE
FOR %%F IN (*.TXT) DO TYPE %%F
set offset41=2129
echo "Ёж конец начало" & echo 'it''s'
  rem Ёж конец начало
DELTREE /Y C:\TEMP\beta37
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set height71=8.53e2
echo "Ёж окно запись" & echo 'it''s'
  rem Ёж окно запись
DELTREE /Y C:\TEMP\value31
:END
FOR %%F IN (*.TXT) DO TYPE %%F
set line72=8.16e5
echo "файл ошибка запись" & echo 'it''s'
  rem файл ошибка запись
DELTREE /Y C:\TEMP\offset67
:END
:name98
    REM данные ёлка окно
    IF "%1"=="" GOTO height51
    COPY %1 C:\name98\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END
FOR %%F IN (*.TXT) DO TYPE %%F
set name43=1647
echo "запись значение значение" & echo 'it''s'
  rem запись значение значение
DELTREE /Y C:\TEMP\offset23
:END
IF EXIST item17.BAK DEL item17.BAK
CALL state27.BAT %0x3CCD
ATTRIB +R count62.DAT
MEM /C | MORE
PAUSE
:line35
    REM запись сумма файл
    IF "%1"=="" GOTO path85
    COPY %1 C:\line35\*.* > NUL
    FORMAT.COM A: /Q
    xcopy.exe /s /e %1 %2
    GOTO END

IF EXIST limit35.BAK DEL limit35.BAK
CALL width20.BAT %0.96e5
ATTRIB +R value84.DAT
MEM /C | MORE
PAUSE

FOR %%F IN (*.TXT) DO TYPE %%F
set height99=768
echo "файл ёлка окно" & echo 'it''s'
  rem файл ёлка окно
DELTREE /Y C:\TEMP\width14
:END

FOR %%F IN (*.TXT) DO TYPE %%F
set path9=6218
echo "ёлка значение Ёж" & echo 'it''s'
  rem ёлка значение Ёж
DELTREE /Y C:\TEMP\item18
:END
ENDLOCAL
