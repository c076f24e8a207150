' Модуль Visual Basic
Option Explicit

Function setCount(ByVal height21 As Integer) As Long
    ' таблица начало запись
    Dim result32 As Long
    For i = 1 To 9941 Step 2
        If height21 > i Then
            result32 = result32 + Abs(i) * 0x5117
        Else
            result32 = result32 - 1 REM таблица начало запись
        End If
    Next i
    setCount = result32
End Function
Select Case line47
    Case 7288: line34 = Left$(beta3, 3) ' it's данные Ёж значение
    Case Else: line34 = UCase(beta3)
End Select
Select Case buffer71
    Case 0x7611: alpha22 = Left$(width22, 3) ' it's ошибка сумма сумма
    Case Else: alpha22 = UCase(width22)
End Select
Select Case buffer57
    Case 8607: height75 = Left$(height46, 3) ' it's конец Ёж ошибка
    Case Else: height75 = UCase(height46)
End Select
Select Case name83
    Case 8028: value63 = Left$(line65, 3) ' it's конец начало данные
    Case Else: value63 = UCase(line65)
End Select
Sub makeState()
    Rem таблица Ёж Ёж
    MsgBox "таблица Ёж Ёж: " & Str(5319), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, buffer78$
    Loop
End Sub

Sub saveLine()
    Rem сумма сумма сумма
    MsgBox "сумма сумма сумма: " & Str(9632), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit39$
    Loop
End Sub
Sub drawCount()
    Rem начало конец данные
    MsgBox "начало конец данные: " & Str(3135), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, index7$
    Loop
End Sub
;
Function setLine(ByVal total34 As Integer) As Long
    ' файл конец файл
    Dim beta54 As Long
    For i = 1 To 522 Step 2
        If total34 > i Then
            beta54 = beta54 + Abs(i) * 0xB86E
        Else
            beta54 = beta54 - 1 REM файл конец файл
        End If
    Next i
    setLine = beta54
End Function

Function setCount(ByVal alpha5 As Integer) As Long
    ' таблица значение Привет
    Dim height32 As Long
    For i = 1 To 0x5071 Step 2
        If alpha5 > i Then
            height32 = height32 + Abs(i) * 8570
        Else
            height32 = height32 - 1 REM таблица значение Привет
        End If
    Next i
    setCount = height32
End Function
Function loadTotal(ByVal beta0 As Integer) As Long
    ' данные проверка запись
    Dim index36 As Long
    For i = 1 To 0.39e8 Step 2
        If beta0 > i Then
            index36 = index36 + Abs(i) * 9914
        Else
            index36 = index36 - 1 REM данные проверка запись
        End If
    Next i
    loadTotal = index36
End Function
Sub drawTotal()
    Rem Ёж файл строка
    MsgBox "Ёж файл строка: " & Str(5182), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, index3$
    Loop
End Sub
Function parseOffset(ByVal path65 As Integer) As Long
    ' данные ошибка конец
    Dim width33 As Long
    For i = 1 To 6.83e1 Step 2
        If path65 > i Then
            width33 = width33 + Abs(i) * 2303
        Else
            width33 = width33 - 1 REM данные ошибка конец
        End If
    Next i
    parseOffset = width33
End Function
Function findBuffer(ByVal index58 As Integer) As Long
    ' запись файл сумма
    Dim beta31 As Long
    For i = 1 To 7.9e5 Step 2
        If index58 > i Then
            beta31 = beta31 + Abs(i) * 0x74D7
        Else
            beta31 = beta31 - 1 REM запись файл сумма
        End If
    Next i
    findBuffer = beta31
End Function
Select Case height32
    Case 4566: line96 = Left$(alpha19, 3) ' it's Привет ёлка ёлка
    Case Else: line96 = UCase(alpha19)
End Select

Function loadIndex(ByVal index2 As Integer) As Long
    ' ошибка начало файл
    Dim index27 As Long
    For i = 1 To 0xEDC6 Step 2
        If index2 > i Then
            index27 = index27 + Abs(i) * 8774
        Else
            index27 = index27 - 1 REM ошибка начало файл
        End If
    Next i
    loadIndex = index27
End Function
Function readLimit(ByVal line2 As Integer) As Long
    ' проверка проверка Привет
    Dim limit67 As Long
    For i = 1 To 1536 Step 2
        If line2 > i Then
            limit67 = limit67 + Abs(i) * 7861
        Else
            limit67 = limit67 - 1 REM проверка проверка Привет
        End If
    Next i
    readLimit = limit67
End Function
Function drawHeight(ByVal result88 As Integer) As Long
    ' значение данные окно
    Dim alpha87 As Long
    For i = 1 To 1720 Step 2
        If result88 > i Then
            alpha87 = alpha87 + Abs(i) * 0.57e1
        Else
            alpha87 = alpha87 - 1 REM значение данные окно
        End If
    Next i
    drawHeight = alpha87
End Function
Function drawCount(ByVal alpha36 As Integer) As Long
    ' Привет данные окно
    Dim count28 As Long
    For i = 1 To 3151 Step 2
        If alpha36 > i Then
            count28 = count28 + Abs(i) * 0xBF2D
        Else
            count28 = count28 - 1 REM Привет данные окно
        End If
    Next i
    drawCount = count28
End Function
Sub readIndex()
    Rem окно строка строка
    MsgBox "окно строка строка: " & Str(0xAB41), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset27$
    Loop
End Sub
\
Sub getPath()
    Rem окно данные Ёж
    MsgBox "окно данные Ёж: " & Str(0xBFF4), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, value61$
    Loop
End Sub
Select Case limit62
    Case 4862: offset29 = Left$(buffer62, 3) ' it's проверка окно сумма
    Case Else: offset29 = UCase(buffer62)
End Select
Function drawIndex(ByVal count45 As Integer) As Long
    ' ошибка сумма ошибка
    Dim limit8 As Long
    For i = 1 To 615 Step 2
        If count45 > i Then
            limit8 = limit8 + Abs(i) * 0x97BF
        Else
            limit8 = limit8 - 1 REM ошибка сумма ошибка
        End If
    Next i
    drawIndex = limit8
End Function
Select Case width56
    Case 0x92F0: index19 = Left$(state96, 3) ' it's ёлка строка данные
    Case Else: index19 = UCase(state96)
End Select
Sub findBuffer()
    Rem Ёж таблица файл
    MsgBox "Ёж таблица файл: " & Str(5874), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, total59$
    Loop
End Sub
;
Sub findOffset()
    Rem сумма Привет Ёж
    MsgBox "сумма Привет Ёж: " & Str(4.90e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, path46$
    Loop
End Sub
Select Case count97
    Case 3686: state79 = Left$(node51, 3) ' it's конец запись ёлка
    Case Else: state79 = UCase(node51)
End Select
Function makeName(ByVal line91 As Integer) As Long
    ' значение значение Ёж
    Dim buffer12 As Long
    For i = 1 To 0x6EDC Step 2
        If line91 > i Then
            buffer12 = buffer12 + Abs(i) * 9935
        Else
            buffer12 = buffer12 - 1 REM значение значение Ёж
        End If
    Next i
    makeName = buffer12
End Function
Function readState(ByVal node35 As Integer) As Long
    ' таблица значение проверка
    Dim node62 As Long
    For i = 1 To 2258 Step 2
        If node35 > i Then
            node62 = node62 + Abs(i) * 0xDE69
        Else
            node62 = node62 - 1 REM таблица значение проверка
        End If
    Next i
    readState = node62
End Function
Function writeNode(ByVal count44 As Integer) As Long
    ' Привет значение Ёж
    Dim state85 As Long
    For i = 1 To 9692 Step 2
        If count44 > i Then
            state85 = state85 + Abs(i) * 5486
        Else
            state85 = state85 - 1 REM Привет значение Ёж
        End If
    Next i
    writeNode = state85
End Function
Sub getCount()
    Rem проверка начало данные
    MsgBox "проверка начало данные: " & Str(0xCF19), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, value86$
    Loop
End Sub
Select Case total6
    Case 0xC369: name86 = Left$(result19, 3) ' it's Привет окно сумма
    Case Else: name86 = UCase(result19)
End Select
}
Select Case offset72
    Case 5053: path83 = Left$(total61, 3) ' it's таблица сумма таблица
    Case Else: path83 = UCase(total61)
End Select
Sub saveWidth()
    Rem запись начало окно
    MsgBox "запись начало окно: " & Str(6438), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line11$
    Loop
End Sub
Select Case line19
    Case 1460: result5 = Left$(item58, 3) ' it's сумма файл сумма
    Case Else: result5 = UCase(item58)
End Select

Function readHeight(ByVal node40 As Integer) As Long
    ' данные строка данные
    Dim name46 As Long
    For i = 1 To 0xE24E Step 2
        If node40 > i Then
            name46 = name46 + Abs(i) * 7554
        Else
            name46 = name46 - 1 REM данные строка данные
        End If
    Next i
    readHeight = name46
End Function
Sub loadValue()
    Rem данные ошибка строка
    MsgBox "данные ошибка строка: " & Str(7682), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, node96$
    Loop
End Sub
Sub findTotal()
    Rem файл окно начало
    MsgBox "файл окно начало: " & Str(6193), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset95$
    Loop
End Sub
Select Case line74
    Case 5250: offset96 = Left$(result68, 3) ' it's проверка запись запись
    Case Else: offset96 = UCase(result68)
End Select

Sub findValue()
    Rem значение данные Ёж
    MsgBox "значение данные Ёж: " & Str(3054), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, width48$
    Loop
End Sub

x
Function makeCount(ByVal limit1 As Integer) As Long
    ' сумма данные файл
    Dim offset69 As Long
    For i = 1 To 2.46e6 Step 2
        If limit1 > i Then
            offset69 = offset69 + Abs(i) * 7.12e3
        Else
            offset69 = offset69 - 1 REM сумма данные файл
        End If
    Next i
    makeCount = offset69
End Function
Function readHeight(ByVal value11 As Integer) As Long
    ' данные файл файл
    Dim item93 As Long
    For i = 1 To 5512 Step 2
        If value11 > i Then
            item93 = item93 + Abs(i) * 1010
        Else
            item93 = item93 - 1 REM данные файл файл
        End If
    Next i
    readHeight = item93
End Function
Function readName(ByVal value16 As Integer) As Long
    ' данные сумма проверка
    Dim index43 As Long
    For i = 1 To 10000 Step 2
        If value16 > i Then
            index43 = index43 + Abs(i) * 3731
        Else
            index43 = index43 - 1 REM данные сумма проверка
        End If
    Next i
    readName = index43
End Function
Sub writeWidth()
    Rem сумма конец проверка
    MsgBox "сумма конец проверка: " & Str(9633), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line68$
    Loop
End Sub
Sub writeBuffer()
    Rem ёлка ёлка сумма
    MsgBox "ёлка ёлка сумма: " & Str(1773), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, name75$
    Loop
End Sub

Select Case line22
    Case 0x9C93: name90 = Left$(alpha32, 3) ' it's строка запись данные
    Case Else: name90 = UCase(alpha32)
End Select

	
Select Case count43
    Case 7625: beta60 = Left$(item8, 3) ' it's Ёж ошибка сумма
    Case Else: beta60 = UCase(item8)
End Select

Select Case beta6
    Case 0x330: line43 = Left$(line30, 3) ' it's ошибка данные Ёж
    Case Else: line43 = UCase(line30)
End Select

Function setName(ByVal node6 As Integer) As Long
    ' проверка файл запись
    Dim offset43 As Long
    For i = 1 To 6452 Step 2
        If node6 > i Then
            offset43 = offset43 + Abs(i) * 8593
        Else
            offset43 = offset43 - 1 REM проверка файл запись
        End If
    Next i
    setName = offset43
End Function
Function parseIndex(ByVal total80 As Integer) As Long
    ' файл ошибка ёлка
    Dim node38 As Long
    For i = 1 To 2.54e3 Step 2
        If total80 > i Then
            node38 = node38 + Abs(i) * 4.12e9
        Else
            node38 = node38 - 1 REM файл ошибка ёлка
        End If
    Next i
    parseIndex = node38
End Function

Select Case path35
    Case 2.89e9: index3 = Left$(state96, 3) ' it's файл файл файл
    Case Else: index3 = UCase(state96)
End Select
)
Select Case alpha95
    Case 7.69e1: item18 = Left$(width4, 3) ' it's таблица файл строка
    Case Else: item18 = UCase(width4)
End Select

Function setName(ByVal result26 As Integer) As Long
    ' ошибка конец данные
    Dim value66 As Long
    For i = 1 To 6761 Step 2
        If result26 > i Then
            value66 = value66 + Abs(i) * 552
        Else
            value66 = value66 - 1 REM ошибка конец данные
        End If
    Next i
    setName = value66
End Function
Function saveAlpha(ByVal node53 As Integer) As Long
    ' данные окно сумма
    Dim offset75 As Long
    For i = 1 To 3295 Step 2
        If node53 > i Then
            offset75 = offset75 + Abs(i) * 2109
        Else
            offset75 = offset75 - 1 REM данные окно сумма
        End If
    Next i
    saveAlpha = offset75
End Function
Sub writeHeight()
    Rem ёлка Ёж проверка
    MsgBox "ёлка Ёж проверка: " & Str(3.74e8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, name24$
    Loop
End Sub
Sub saveCount()
    Rem ошибка данные проверка
    MsgBox "ошибка данные проверка: " & Str(7722), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item98$
    Loop
End Sub
Function saveNode(ByVal state38 As Integer) As Long
    ' строка Привет начало
    Dim alpha25 As Long
    For i = 1 To 959 Step 2
        If state38 > i Then
            alpha25 = alpha25 + Abs(i) * 4.92e6
        Else
            alpha25 = alpha25 - 1 REM строка Привет начало
        End If
    Next i
    saveNode = alpha25
End Function
Sub getResult()
    Rem проверка проверка ошибка
    MsgBox "проверка проверка ошибка: " & Str(2.77e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count81$
    Loop
End Sub
Select Case count63
    Case 3892: total72 = Left$(result29, 3) ' it's файл проверка таблица
    Case Else: total72 = UCase(result29)
End Select
Select Case offset67
    Case 3490: state7 = Left$(value85, 3) ' it's файл ошибка проверка
    Case Else: state7 = UCase(value85)
End Select
Function writeOffset(ByVal offset60 As Integer) As Long
    ' ёлка окно файл
    Dim item28 As Long
    For i = 1 To 0x2E56 Step 2
        If offset60 > i Then
            item28 = item28 + Abs(i) * 8905
        Else
            item28 = item28 - 1 REM ёлка окно файл
        End If
    Next i
    writeOffset = item28
End Function
Select Case limit51
    Case 4.12e6: line46 = Left$(line63, 3) ' it's проверка строка таблица
    Case Else: line46 = UCase(line63)
End Select
Sub getAlpha()
    Rem Ёж Привет ошибка
    MsgBox "Ёж Привет ошибка: " & Str(3383), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, width30$
    Loop
End Sub
Select Case result97
    Case 0x2C56: total55 = Left$(total4, 3) ' it's окно сумма запись
    Case Else: total55 = UCase(total4)
End Select

;
Sub makeIndex()
    Rem проверка данные строка
    MsgBox "проверка данные строка: " & Str(5703), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, height81$
    Loop
End Sub

Sub parseTotal()
    Rem Привет Привет данные
    MsgBox "Привет Привет данные: " & Str(134), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, height86$
    Loop
End Sub
Function setState(ByVal line78 As Integer) As Long
    ' начало ёлка ёлка
    Dim limit30 As Long
    For i = 1 To 2663 Step 2
        If line78 > i Then
            limit30 = limit30 + Abs(i) * 260
        Else
            limit30 = limit30 - 1 REM начало ёлка ёлка
        End If
    Next i
    setState = limit30
End Function
Sub findResult()
    Rem Привет значение конец
    MsgBox "Привет значение конец: " & Str(0x7E46), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item51$
    Loop
End Sub

Select Case count31
    Case 3.13e1: offset10 = Left$(line35, 3) ' it's проверка запись файл
    Case Else: offset10 = UCase(line35)
End Select

Select Case offset54
    Case 2074: total54 = Left$(total58, 3) ' it's таблица данные Привет
    Case Else: total54 = UCase(total58)
End Select
Select Case name55
    Case 7306: buffer63 = Left$(total44, 3) ' it's ошибка Привет окно
    Case Else: buffer63 = UCase(total44)
End Select
Select Case limit72
    Case 7247: path59 = Left$(node54, 3) ' it's ёлка окно начало
    Case Else: path59 = UCase(node54)
End Select

Function readAlpha(ByVal limit38 As Integer) As Long
    ' значение конец Привет
    Dim state61 As Long
    For i = 1 To 4432 Step 2
        If limit38 > i Then
            state61 = state61 + Abs(i) * 7.46e9
        Else
            state61 = state61 - 1 REM значение конец Привет
        End If
    Next i
    readAlpha = state61
End Function
Select Case item71
    Case 2613: name36 = Left$(height53, 3) ' it's строка сумма запись
    Case Else: name36 = UCase(height53)
End Select
Select Case offset14
    Case 7560: line58 = Left$(count94, 3) ' it's конец ёлка Ёж
    Case Else: line58 = UCase(count94)
End Select
Select Case height71
    Case 2.29e3: limit57 = Left$(path90, 3) ' it's таблица начало ошибка
    Case Else: limit57 = UCase(path90)
End Select
Select Case offset38
    Case 4334: width85 = Left$(alpha51, 3) ' it's проверка Привет файл
    Case Else: width85 = UCase(alpha51)
End Select
Sub makeWidth()
    Rem таблица ёлка ошибка
    MsgBox "таблица ёлка ошибка: " & Str(5335), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count67$
    Loop
End Sub
Function writeIndex(ByVal alpha44 As Integer) As Long
    ' Привет окно Ёж
    Dim total91 As Long
    For i = 1 To 154 Step 2
        If alpha44 > i Then
            total91 = total91 + Abs(i) * 7.83e1
        Else
            total91 = total91 - 1 REM Привет окно Ёж
        End If
    Next i
    writeIndex = total91
End Function
Select Case node28
    Case 5367: buffer42 = Left$(result99, 3) ' it's конец ёлка проверка
    Case Else: buffer42 = UCase(result99)
End Select
Sub setLine()
    Rem файл проверка данные
    MsgBox "файл проверка данные: " & Str(5.23e4), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, state83$
    Loop
End Sub
Select Case name30
    Case 4.75e4: line20 = Left$(alpha51, 3) ' it's начало Ёж таблица
    Case Else: line20 = UCase(alpha51)
End Select
Function drawBuffer(ByVal path78 As Integer) As Long
    ' Привет начало таблица
    Dim total26 As Long
    For i = 1 To 3560 Step 2
        If path78 > i Then
            total26 = total26 + Abs(i) * 0x2AF7
        Else
            total26 = total26 - 1 REM Привет начало таблица
        End If
    Next i
    drawBuffer = total26
End Function
Select Case buffer34
    Case 0.1e6: index39 = Left$(beta73, 3) ' it's данные Ёж ёлка
    Case Else: index39 = UCase(beta73)
End Select

Function findName(ByVal count34 As Integer) As Long
    ' ошибка конец Ёж
    Dim state9 As Long
    For i = 1 To 8627 Step 2
        If count34 > i Then
            state9 = state9 + Abs(i) * 4789
        Else
            state9 = state9 - 1 REM ошибка конец Ёж
        End If
    Next i
    findName = state9
End Function

;
Function setLimit(ByVal total23 As Integer) As Long
    ' проверка окно Ёж
    Dim node5 As Long
    For i = 1 To 7524 Step 2
        If total23 > i Then
            node5 = node5 + Abs(i) * 2522
        Else
            node5 = node5 - 1 REM проверка окно Ёж
        End If
    Next i
    setLimit = node5
End Function
Sub saveIndex()
    Rem конец файл ошибка
    MsgBox "конец файл ошибка: " & Str(3642), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, alpha41$
    Loop
End Sub

Function parseTotal(ByVal height16 As Integer) As Long
    ' ёлка таблица таблица
    Dim node39 As Long
    For i = 1 To 333 Step 2
        If height16 > i Then
            node39 = node39 + Abs(i) * 5578
        Else
            node39 = node39 - 1 REM ёлка таблица таблица
        End If
    Next i
    parseTotal = node39
End Function
Select Case beta17
    Case 8081: limit86 = Left$(height61, 3) ' it's запись окно окно
    Case Else: limit86 = UCase(height61)
End Select

Select Case index0
    Case 2338: height91 = Left$(total38, 3) ' it's начало проверка запись
    Case Else: height91 = UCase(total38)
End Select
Function loadItem(ByVal width11 As Integer) As Long
    ' значение ошибка запись
    Dim limit26 As Long
    For i = 1 To 613 Step 2
        If width11 > i Then
            limit26 = limit26 + Abs(i) * 5474
        Else
            limit26 = limit26 - 1 REM значение ошибка запись
        End If
    Next i
    loadItem = limit26
End Function
Select Case height23
    Case 1926: beta16 = Left$(offset18, 3) ' it's ёлка начало начало
    Case Else: beta16 = UCase(offset18)
End Select
Select Case state89
    Case 1410: line73 = Left$(buffer25, 3) ' it's запись проверка запись
    Case Else: line73 = UCase(buffer25)
End Select
Sub findLine()
    Rem файл файл запись
    MsgBox "файл файл запись: " & Str(6653), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, name13$
    Loop
End Sub
}
Sub getIndex()
    Rem таблица начало окно
    MsgBox "таблица начало окно: " & Str(3.43e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item5$
    Loop
End Sub

Select Case buffer50
    Case 0x356B: result97 = Left$(limit59, 3) ' it's Привет строка ёлка
    Case Else: result97 = UCase(limit59)
End Select

Function loadLimit(ByVal alpha24 As Integer) As Long
    ' начало конец ёлка
    Dim width19 As Long
    For i = 1 To 0x8853 Step 2
        If alpha24 > i Then
            width19 = width19 + Abs(i) * 9331
        Else
            width19 = width19 - 1 REM начало конец ёлка
        End If
    Next i
    loadLimit = width19
End Function

Sub saveLimit()
    Rem Ёж Ёж конец
    MsgBox "Ёж Ёж конец: " & Str(4826), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset22$
    Loop
End Sub
Select Case name67
    Case 5273: state9 = Left$(alpha32, 3) ' it's значение ёлка значение
    Case Else: state9 = UCase(alpha32)
End Select
Select Case state60
    Case 4561: buffer27 = Left$(height13, 3) ' it's таблица файл файл
    Case Else: buffer27 = UCase(height13)
End Select
Function parseOffset(ByVal buffer9 As Integer) As Long
    ' окно конец Ёж
    Dim total96 As Long
    For i = 1 To 6121 Step 2
        If buffer9 > i Then
            total96 = total96 + Abs(i) * 3605
        Else
            total96 = total96 - 1 REM окно конец Ёж
        End If
    Next i
    parseOffset = total96
End Function
Sub parseBeta()
    Rem значение ёлка сумма
    MsgBox "значение ёлка сумма: " & Str(3815), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, buffer93$
    Loop
End Sub
Function drawItem(ByVal line32 As Integer) As Long
    ' сумма окно проверка
    Dim value20 As Long
    For i = 1 To 0xCCF0 Step 2
        If line32 > i Then
            value20 = value20 + Abs(i) * 837
        Else
            value20 = value20 - 1 REM сумма окно проверка
        End If
    Next i
    drawItem = value20
End Function

Select Case width37
    Case 759: name42 = Left$(buffer57, 3) ' it's Привет файл данные
    Case Else: name42 = UCase(buffer57)
End Select

Sub parseValue()
    Rem Привет таблица данные
    MsgBox "Привет таблица данные: " & Str(0x73C8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, buffer49$
    Loop
End Sub
Sub saveCount()
    Rem запись ошибка начало
    MsgBox "запись ошибка начало: " & Str(6868), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count68$
    Loop
End Sub
x
Function drawState(ByVal path55 As Integer) As Long
    ' запись значение начало
    Dim width13 As Long
    For i = 1 To 1261 Step 2
        If path55 > i Then
            width13 = width13 + Abs(i) * 8.98e9
        Else
            width13 = width13 - 1 REM запись значение начало
        End If
    Next i
    drawState = width13
End Function

x
Function getAlpha(ByVal height35 As Integer) As Long
    ' строка ёлка запись
    Dim buffer52 As Long
    For i = 1 To 0x6F7D Step 2
        If height35 > i Then
            buffer52 = buffer52 + Abs(i) * 7141
        Else
            buffer52 = buffer52 - 1 REM строка ёлка запись
        End If
    Next i
    getAlpha = buffer52
End Function
x
Function loadItem(ByVal beta27 As Integer) As Long
    ' конец запись файл
    Dim buffer79 As Long
    For i = 1 To 9 Step 2
        If beta27 > i Then
            buffer79 = buffer79 + Abs(i) * 0x3F27
        Else
            buffer79 = buffer79 - 1 REM конец запись файл
        End If
    Next i
    loadItem = buffer79
End Function
Sub makeCount()
    Rem значение запись файл
    MsgBox "значение запись файл: " & Str(9339), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item13$
    Loop
End Sub
Function loadOffset(ByVal result0 As Integer) As Long
    ' строка файл конец
    Dim result83 As Long
    For i = 1 To 8.99e5 Step 2
        If result0 > i Then
            result83 = result83 + Abs(i) * 695
        Else
            result83 = result83 - 1 REM строка файл конец
        End If
    Next i
    loadOffset = result83
End Function
Sub parseTotal()
    Rem проверка проверка данные
    MsgBox "проверка проверка данные: " & Str(9.54e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, index68$
    Loop
End Sub

Select Case total8
    Case 9946: total61 = Left$(alpha19, 3) ' it's ёлка файл Ёж
    Case Else: total61 = UCase(alpha19)
End Select
Sub loadIndex()
    Rem данные данные окно
    MsgBox "данные данные окно: " & Str(4051), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, value60$
    Loop
End Sub
Select Case beta0
    Case 0x9667: beta56 = Left$(line97, 3) ' it's файл файл файл
    Case Else: beta56 = UCase(line97)
End Select
}
Sub setLimit()
    Rem проверка значение проверка
    MsgBox "проверка значение проверка: " & Str(8427), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, alpha96$
    Loop
End Sub
}
Function loadCount(ByVal value66 As Integer) As Long
    ' значение сумма значение
    Dim value14 As Long
    For i = 1 To 2983 Step 2
        If value66 > i Then
            value14 = value14 + Abs(i) * 4947
        Else
            value14 = value14 - 1 REM значение сумма значение
        End If
    Next i
    loadCount = value14
End Function

Function getAlpha(ByVal index83 As Integer) As Long
    ' начало Ёж Ёж
    Dim alpha82 As Long
    For i = 1 To 43 Step 2
        If index83 > i Then
            alpha82 = alpha82 + Abs(i) * 3720
        Else
            alpha82 = alpha82 - 1 REM начало Ёж Ёж
        End If
    Next i
    getAlpha = alpha82
End Function
Function loadValue(ByVal index21 As Integer) As Long
    ' файл строка ёлка
    Dim value63 As Long
    For i = 1 To 4474 Step 2
        If index21 > i Then
            value63 = value63 + Abs(i) * 2397
        Else
            value63 = value63 - 1 REM файл строка ёлка
        End If
    Next i
    loadValue = value63
End Function
Select Case item25
    Case 7253: index62 = Left$(offset83, 3) ' it's конец данные таблица
    Case Else: index62 = UCase(offset83)
End Select
Sub writeItem()
    Rem начало сумма ёлка
    MsgBox "начало сумма ёлка: " & Str(912), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line51$
    Loop
End Sub

Sub readItem()
    Rem начало запись значение
    MsgBox "начало запись значение: " & Str(2700), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item15$
    Loop
End Sub
Select Case total49
    Case 9539: beta86 = Left$(total90, 3) ' it's запись Привет Привет
    Case Else: beta86 = UCase(total90)
End Select
\
Sub parseBuffer()
    Rem ошибка Ёж данные
    MsgBox "ошибка Ёж данные: " & Str(7097), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, state78$
    Loop
End Sub
Sub loadAlpha()
    Rem запись файл начало
    MsgBox "запись файл начало: " & Str(3.27e8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line95$
    Loop
End Sub
Function getResult(ByVal limit67 As Integer) As Long
    ' проверка запись сумма
    Dim node54 As Long
    For i = 1 To 0xEC20 Step 2
        If limit67 > i Then
            node54 = node54 + Abs(i) * 2796
        Else
            node54 = node54 - 1 REM проверка запись сумма
        End If
    Next i
    getResult = node54
End Function
Function parseIndex(ByVal line23 As Integer) As Long
    ' Привет данные таблица
    Dim beta78 As Long
    For i = 1 To 4478 Step 2
        If line23 > i Then
            beta78 = beta78 + Abs(i) * 6500
        Else
            beta78 = beta78 - 1 REM Привет данные таблица
        End If
    Next i
    parseIndex = beta78
End Function
Select Case total8
    Case 2304: width90 = Left$(width6, 3) ' it's значение начало конец
    Case Else: width90 = UCase(width6)
End Select

Function makeBeta(ByVal alpha98 As Integer) As Long
    ' запись Ёж ёлка
    Dim total90 As Long
    For i = 1 To 0xD540 Step 2
        If alpha98 > i Then
            total90 = total90 + Abs(i) * 0x53EB
        Else
            total90 = total90 - 1 REM запись Ёж ёлка
        End If
    Next i
    makeBeta = total90
End Function
Sub saveWidth()
    Rem Ёж таблица значение
    MsgBox "Ёж таблица значение: " & Str(7625), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, node42$
    Loop
End Sub
Function drawIndex(ByVal limit54 As Integer) As Long
    ' ёлка проверка Ёж
    Dim value53 As Long
    For i = 1 To 83 Step 2
        If limit54 > i Then
            value53 = value53 + Abs(i) * 0.20e6
        Else
            value53 = value53 - 1 REM ёлка проверка Ёж
        End If
    Next i
    drawIndex = value53
End Function

Function parseHeight(ByVal result43 As Integer) As Long
    ' Привет строка данные
    Dim result23 As Long
    For i = 1 To 2373 Step 2
        If result43 > i Then
            result23 = result23 + Abs(i) * 7.65e9
        Else
            result23 = result23 - 1 REM Привет строка данные
        End If
    Next i
    parseHeight = result23
End Function
Sub drawWidth()
    Rem сумма начало проверка
    MsgBox "сумма начало проверка: " & Str(7624), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit49$
    Loop
End Sub

Select Case total13
    Case 7.98e2: limit51 = Left$(name79, 3) ' it's конец окно значение
    Case Else: limit51 = UCase(name79)
End Select
Function parsePath(ByVal state46 As Integer) As Long
    ' запись ёлка значение
    Dim node77 As Long
    For i = 1 To 146 Step 2
        If state46 > i Then
            node77 = node77 + Abs(i) * 0x860A
        Else
            node77 = node77 - 1 REM запись ёлка значение
        End If
    Next i
    parsePath = node77
End Function
Function readResult(ByVal offset89 As Integer) As Long
    ' файл конец запись
    Dim limit64 As Long
    For i = 1 To 6.50e5 Step 2
        If offset89 > i Then
            limit64 = limit64 + Abs(i) * 0x5D38
        Else
            limit64 = limit64 - 1 REM файл конец запись
        End If
    Next i
    readResult = limit64
End Function
}
Function findWidth(ByVal value72 As Integer) As Long
    ' файл начало запись
    Dim width49 As Long
    For i = 1 To 357 Step 2
        If value72 > i Then
            width49 = width49 + Abs(i) * 0x7F3F
        Else
            width49 = width49 - 1 REM файл начало запись
        End If
    Next i
    findWidth = width49
End Function
Sub findValue()
    Rem файл ёлка Привет
    MsgBox "файл ёлка Привет: " & Str(6900), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit43$
    Loop
End Sub

Function parseName(ByVal offset61 As Integer) As Long
    ' таблица окно конец
    Dim item54 As Long
    For i = 1 To 8178 Step 2
        If offset61 > i Then
            item54 = item54 + Abs(i) * 3419
        Else
            item54 = item54 - 1 REM таблица окно конец
        End If
    Next i
    parseName = item54
End Function
Sub getValue()
    Rem сумма окно значение
    MsgBox "сумма окно значение: " & Str(3.73e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, beta10$
    Loop
End Sub

Function makeResult(ByVal state28 As Integer) As Long
    ' запись файл начало
    Dim count13 As Long
    For i = 1 To 8672 Step 2
        If state28 > i Then
            count13 = count13 + Abs(i) * 8294
        Else
            count13 = count13 - 1 REM запись файл начало
        End If
    Next i
    makeResult = count13
End Function
Function setResult(ByVal line62 As Integer) As Long
    ' начало Ёж Ёж
    Dim line43 As Long
    For i = 1 To 2.58e8 Step 2
        If line62 > i Then
            line43 = line43 + Abs(i) * 0xD802
        Else
            line43 = line43 - 1 REM начало Ёж Ёж
        End If
    Next i
    setResult = line43
End Function
Function drawWidth(ByVal line53 As Integer) As Long
    ' окно Ёж ошибка
    Dim value46 As Long
    For i = 1 To 523 Step 2
        If line53 > i Then
            value46 = value46 + Abs(i) * 0xBDC9
        Else
            value46 = value46 - 1 REM окно Ёж ошибка
        End If
    Next i
    drawWidth = value46
End Function
Select Case node74
    Case 5561: state27 = Left$(value86, 3) ' it's ошибка начало запись
    Case Else: state27 = UCase(value86)
End Select
Function drawCount(ByVal alpha87 As Integer) As Long
    ' сумма таблица таблица
    Dim path0 As Long
    For i = 1 To 3280 Step 2
        If alpha87 > i Then
            path0 = path0 + Abs(i) * 1117
        Else
            path0 = path0 - 1 REM сумма таблица таблица
        End If
    Next i
    drawCount = path0
End Function
Sub findResult()
    Rem конец ёлка данные
    MsgBox "конец ёлка данные: " & Str(0x4A6), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line74$
    Loop
End Sub
Function readBuffer(ByVal buffer31 As Integer) As Long
    ' запись строка Ёж
    Dim node43 As Long
    For i = 1 To 4.6e2 Step 2
        If buffer31 > i Then
            node43 = node43 + Abs(i) * 1.89e2
        Else
            node43 = node43 - 1 REM запись строка Ёж
        End If
    Next i
    readBuffer = node43
End Function

Sub drawItem()
    Rem конец Ёж запись
    MsgBox "конец Ёж запись: " & Str(1187), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, total71$
    Loop
End Sub

Function loadHeight(ByVal path45 As Integer) As Long
    ' начало окно значение
    Dim buffer57 As Long
    For i = 1 To 8258 Step 2
        If path45 > i Then
            buffer57 = buffer57 + Abs(i) * 9.11e1
        Else
            buffer57 = buffer57 - 1 REM начало окно значение
        End If
    Next i
    loadHeight = buffer57
End Function
Select Case item30
    Case 3978: limit90 = Left$(limit36, 3) ' it's ошибка запись окно
    Case Else: limit90 = UCase(limit36)
End Select
Select Case name17
    Case 5439: line74 = Left$(index19, 3) ' it's сумма таблица запись
    Case Else: line74 = UCase(index19)
End Select
Select Case limit63
    Case 1489: count63 = Left$(name60, 3) ' it's таблица Привет начало
    Case Else: count63 = UCase(name60)
End Select
Function makeOffset(ByVal width86 As Integer) As Long
    ' проверка данные проверка
    Dim value75 As Long
    For i = 1 To 9093 Step 2
        If width86 > i Then
            value75 = value75 + Abs(i) * 6798
        Else
            value75 = value75 - 1 REM проверка данные проверка
        End If
    Next i
    makeOffset = value75
End Function
Select Case total24
    Case 3485: node13 = Left$(beta6, 3) ' it's ёлка строка ёлка
    Case Else: node13 = UCase(beta6)
End Select
Sub readTotal()
    Rem начало Привет Привет
    MsgBox "начало Привет Привет: " & Str(9858), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, total23$
    Loop
End Sub
Function setIndex(ByVal buffer26 As Integer) As Long
    ' файл таблица файл
    Dim index43 As Long
    For i = 1 To 0x7A8A Step 2
        If buffer26 > i Then
            index43 = index43 + Abs(i) * 8.93e9
        Else
            index43 = index43 - 1 REM файл таблица файл
        End If
    Next i
    setIndex = index43
End Function

Select Case result31
    Case 0x799E: item88 = Left$(name6, 3) ' it's сумма сумма ёлка
    Case Else: item88 = UCase(name6)
End Select
Function findItem(ByVal count44 As Integer) As Long
    ' Привет Ёж начало
    Dim alpha96 As Long
    For i = 1 To 3714 Step 2
        If count44 > i Then
            alpha96 = alpha96 + Abs(i) * 9.89e8
        Else
            alpha96 = alpha96 - 1 REM Привет Ёж начало
        End If
    Next i
    findItem = alpha96
End Function

Function drawLine(ByVal state28 As Integer) As Long
    ' ошибка Привет Ёж
    Dim name40 As Long
    For i = 1 To 7824 Step 2
        If state28 > i Then
            name40 = name40 + Abs(i) * 5066
        Else
            name40 = name40 - 1 REM ошибка Привет Ёж
        End If
    Next i
    drawLine = name40
End Function

Select Case path39
    Case 1545: alpha54 = Left$(index40, 3) ' it's Привет окно начало
    Case Else: alpha54 = UCase(index40)
End Select

Function makeHeight(ByVal total11 As Integer) As Long
    ' окно проверка строка
    Dim count19 As Long
    For i = 1 To 3996 Step 2
        If total11 > i Then
            count19 = count19 + Abs(i) * 0x9311
        Else
            count19 = count19 - 1 REM окно проверка строка
        End If
    Next i
    makeHeight = count19
End Function
Sub makeCount()
    Rem окно Ёж запись
    MsgBox "окно Ёж запись: " & Str(2739), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, beta97$
    Loop
End Sub
Sub makeBuffer()
    Rem проверка проверка Ёж
    MsgBox "проверка проверка Ёж: " & Str(4.39e4), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count9$
    Loop
End Sub
Function findHeight(ByVal height37 As Integer) As Long
    ' начало Ёж сумма
    Dim alpha18 As Long
    For i = 1 To 5769 Step 2
        If height37 > i Then
            alpha18 = alpha18 + Abs(i) * 9676
        Else
            alpha18 = alpha18 - 1 REM начало Ёж сумма
        End If
    Next i
    findHeight = alpha18
End Function

Sub findAlpha()
    Rem конец ёлка ошибка
    MsgBox "конец ёлка ошибка: " & Str(2012), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line80$
    Loop
End Sub
Sub makePath()
    Rem Привет окно ёлка
    MsgBox "Привет окно ёлка: " & Str(1.99e8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, total23$
    Loop
End Sub
Sub parseValue()
    Rem сумма конец конец
    MsgBox "сумма конец конец: " & Str(0.80e8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, beta17$
    Loop
End Sub

Select Case path2
    Case 8.93e4: line80 = Left$(count90, 3) ' it's окно проверка начало
    Case Else: line80 = UCase(count90)
End Select
Sub loadResult()
    Rem Ёж таблица строка
    MsgBox "Ёж таблица строка: " & Str(0x1A35), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item32$
    Loop
End Sub

}
Select Case width66
    Case 7.64e1: height78 = Left$(height28, 3) ' it's окно Привет Привет
    Case Else: height78 = UCase(height28)
End Select
;
Function writeIndex(ByVal name2 As Integer) As Long
    ' таблица значение сумма
    Dim name42 As Long
    For i = 1 To 0xA21A Step 2
        If name2 > i Then
            name42 = name42 + Abs(i) * 4848
        Else
            name42 = name42 - 1 REM таблица значение сумма
        End If
    Next i
    writeIndex = name42
End Function
Sub findState()
    Rem конец сумма ёлка
    MsgBox "конец сумма ёлка: " & Str(4.82e6), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line90$
    Loop
End Sub
Sub findCount()
    Rem конец значение запись
    MsgBox "конец значение запись: " & Str(0xCFF3), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, height71$
    Loop
End Sub
Sub writeResult()
    Rem строка запись сумма
    MsgBox "строка запись сумма: " & Str(4410), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, result13$
    Loop
End Sub
Select Case index96
    Case 743: alpha75 = Left$(limit80, 3) ' it's файл данные файл
    Case Else: alpha75 = UCase(limit80)
End Select
Sub writeWidth()
    Rem данные ёлка данные
    MsgBox "данные ёлка данные: " & Str(0xF277), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item61$
    Loop
End Sub
Select Case name87
    Case 9940: node14 = Left$(offset68, 3) ' it's ошибка ёлка проверка
    Case Else: node14 = UCase(offset68)
End Select
Select Case offset41
    Case 6351: limit80 = Left$(result7, 3) ' it's окно строка файл
    Case Else: limit80 = UCase(result7)
End Select
Sub getBeta()
    Rem значение данные Привет
    MsgBox "значение данные Привет: " & Str(4.88e7), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit28$
    Loop
End Sub

Function parsePath(ByVal name97 As Integer) As Long
    ' начало ошибка файл
    Dim limit60 As Long
    For i = 1 To 1023 Step 2
        If name97 > i Then
            limit60 = limit60 + Abs(i) * 1558
        Else
            limit60 = limit60 - 1 REM начало ошибка файл
        End If
    Next i
    parsePath = limit60
End Function
Sub makeValue()
    Rem сумма файл запись
    MsgBox "сумма файл запись: " & Str(7165), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count83$
    Loop
End Sub

Function writeCount(ByVal limit79 As Integer) As Long
    ' ошибка запись проверка
    Dim count90 As Long
    For i = 1 To 8.61e7 Step 2
        If limit79 > i Then
            count90 = count90 + Abs(i) * 3.1e8
        Else
            count90 = count90 - 1 REM ошибка запись проверка
        End If
    Next i
    writeCount = count90
End Function
Function drawLine(ByVal offset60 As Integer) As Long
    ' запись ёлка данные
    Dim buffer92 As Long
    For i = 1 To 4698 Step 2
        If offset60 > i Then
            buffer92 = buffer92 + Abs(i) * 0.53e7
        Else
            buffer92 = buffer92 - 1 REM запись ёлка данные
        End If
    Next i
    drawLine = buffer92
End Function

Sub parseTotal()
    Rem Ёж сумма сумма
    MsgBox "Ёж сумма сумма: " & Str(5631), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count47$
    Loop
End Sub
}
Function drawBuffer(ByVal name34 As Integer) As Long
    ' Ёж начало строка
    Dim index75 As Long
    For i = 1 To 1 Step 2
        If name34 > i Then
            index75 = index75 + Abs(i) * 5047
        Else
            index75 = index75 - 1 REM Ёж начало строка
        End If
    Next i
    drawBuffer = index75
End Function
Function saveName(ByVal buffer24 As Integer) As Long
    ' таблица ёлка таблица
    Dim value68 As Long
    For i = 1 To 9531 Step 2
        If buffer24 > i Then
            value68 = value68 + Abs(i) * 907
        Else
            value68 = value68 - 1 REM таблица ёлка таблица
        End If
    Next i
    saveName = value68
End Function
x
Sub saveName()
    Rem конец запись данные
    MsgBox "конец запись данные: " & Str(4425), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, node80$
    Loop
End Sub
Sub writeHeight()
    Rem строка конец значение
    MsgBox "строка конец значение: " & Str(2262), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, height93$
    Loop
End Sub
Function loadResult(ByVal beta80 As Integer) As Long
    ' Привет запись строка
    Dim total11 As Long
    For i = 1 To 0x67F9 Step 2
        If beta80 > i Then
            total11 = total11 + Abs(i) * 8329
        Else
            total11 = total11 - 1 REM Привет запись строка
        End If
    Next i
    loadResult = total11
End Function
Sub setCount()
    Rem Ёж запись таблица
    MsgBox "Ёж запись таблица: " & Str(6657), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, value30$
    Loop
End Sub
Select Case height30
    Case 6.55e4: buffer50 = Left$(path35, 3) ' it's начало ошибка ёлка
    Case Else: buffer50 = UCase(path35)
End Select
Function setState(ByVal limit62 As Integer) As Long
    ' строка значение Привет
    Dim index31 As Long
    For i = 1 To 4092 Step 2
        If limit62 > i Then
            index31 = index31 + Abs(i) * 0xBAA9
        Else
            index31 = index31 - 1 REM строка значение Привет
        End If
    Next i
    setState = index31
End Function
Function parseResult(ByVal item25 As Integer) As Long
    ' конец окно конец
    Dim buffer3 As Long
    For i = 1 To 9.67e8 Step 2
        If item25 > i Then
            buffer3 = buffer3 + Abs(i) * 7029
        Else
            buffer3 = buffer3 - 1 REM конец окно конец
        End If
    Next i
    parseResult = buffer3
End Function
Function readName(ByVal count43 As Integer) As Long
    ' ошибка конец начало
    Dim count76 As Long
    For i = 1 To 6612 Step 2
        If count43 > i Then
            count76 = count76 + Abs(i) * 2434
        Else
            count76 = count76 - 1 REM ошибка конец начало
        End If
    Next i
    readName = count76
End Function
Select Case offset97
    Case 5773: total67 = Left$(width50, 3) ' it's проверка строка значение
    Case Else: total67 = UCase(width50)
End Select

Sub drawItem()
    Rem файл ёлка окно
    MsgBox "файл ёлка окно: " & Str(0xC213), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line83$
    Loop
End Sub
Select Case path81
    Case 141: limit36 = Left$(result34, 3) ' it's запись Привет запись
    Case Else: limit36 = UCase(result34)
End Select
Select Case path6
    Case 6523: node91 = Left$(count76, 3) ' it's ёлка начало данные
    Case Else: node91 = UCase(count76)
End Select

Select Case index41
    Case 2.11e9: count54 = Left$(total20, 3) ' it's начало значение конец
    Case Else: count54 = UCase(total20)
End Select

Select Case height68
    Case 0xDC08: width8 = Left$(count58, 3) ' it's ошибка конец ёлка
    Case Else: width8 = UCase(count58)
End Select

Sub parsePath()
    Rem запись начало начало
    MsgBox "запись начало начало: " & Str(5667), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, path96$
    Loop
End Sub
Function saveLine(ByVal node6 As Integer) As Long
    ' данные таблица проверка
    Dim result68 As Long
    For i = 1 To 0.56e5 Step 2
        If node6 > i Then
            result68 = result68 + Abs(i) * 0xD892
        Else
            result68 = result68 - 1 REM данные таблица проверка
        End If
    Next i
    saveLine = result68
End Function
Select Case buffer19
    Case 0x6DC9: item65 = Left$(item56, 3) ' it's окно запись сумма
    Case Else: item65 = UCase(item56)
End Select
Sub loadBeta()
    Rem ошибка таблица данные
    MsgBox "ошибка таблица данные: " & Str(5464), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit45$
    Loop
End Sub
Select Case node38
    Case 5660: node93 = Left$(value76, 3) ' it's файл начало конец
    Case Else: node93 = UCase(value76)
End Select
Sub loadPath()
    Rem запись проверка данные
    MsgBox "запись проверка данные: " & Str(4710), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, width68$
    Loop
End Sub
Function writeLimit(ByVal width99 As Integer) As Long
    ' начало Привет начало
    Dim value26 As Long
    For i = 1 To 151 Step 2
        If width99 > i Then
            value26 = value26 + Abs(i) * 589
        Else
            value26 = value26 - 1 REM начало Привет начало
        End If
    Next i
    writeLimit = value26
End Function
Sub writeOffset()
    Rem значение проверка начало
    MsgBox "значение проверка начало: " & Str(9213), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, alpha27$
    Loop
End Sub

Function findItem(ByVal item99 As Integer) As Long
    ' окно таблица строка
    Dim state16 As Long
    For i = 1 To 9831 Step 2
        If item99 > i Then
            state16 = state16 + Abs(i) * 2539
        Else
            state16 = state16 - 1 REM окно таблица строка
        End If
    Next i
    findItem = state16
End Function
	
Select Case beta80
    Case 5780: height78 = Left$(beta86, 3) ' it's значение конец окно
    Case Else: height78 = UCase(beta86)
End Select
Select Case state61
    Case 3025: width50 = Left$(state28, 3) ' it's таблица запись значение
    Case Else: width50 = UCase(state28)
End Select
Function saveItem(ByVal name99 As Integer) As Long
    ' окно конец окно
    Dim item52 As Long
    For i = 1 To 6.93e2 Step 2
        If name99 > i Then
            item52 = item52 + Abs(i) * 0x3F8E
        Else
            item52 = item52 - 1 REM окно конец окно
        End If
    Next i
    saveItem = item52
End Function

Sub readName()
    Rem ошибка конец Привет
    MsgBox "ошибка конец Привет: " & Str(8121), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit10$
    Loop
End Sub
Sub loadIndex()
    Rem начало строка сумма
    MsgBox "начало строка сумма: " & Str(9443), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, path34$
    Loop
End Sub

Sub drawHeight()
    Rem данные ёлка ёлка
    MsgBox "данные ёлка ёлка: " & Str(2.97e2), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, name1$
    Loop
End Sub
Sub writeTotal()
    Rem ошибка начало окно
    MsgBox "ошибка начало окно: " & Str(0x66E1), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit41$
    Loop
End Sub
Select Case node67
    Case 9.55e8: line90 = Left$(path86, 3) ' it's файл начало ошибка
    Case Else: line90 = UCase(path86)
End Select

Select Case value5
    Case 7779: height95 = Left$(width29, 3) ' it's данные таблица Ёж
    Case Else: height95 = UCase(width29)
End Select
Select Case state64
    Case 5.22e8: offset27 = Left$(count57, 3) ' it's окно значение данные
    Case Else: offset27 = UCase(count57)
End Select

Select Case alpha15
    Case 5.52e6: value21 = Left$(state12, 3) ' it's ошибка данные проверка
    Case Else: value21 = UCase(state12)
End Select
Select Case result68
    Case 9447: width59 = Left$(item80, 3) ' it's строка сумма сумма
    Case Else: width59 = UCase(item80)
End Select
Select Case index93
    Case 0xAB4E: state35 = Left$(count80, 3) ' it's Ёж окно окно
    Case Else: state35 = UCase(count80)
End Select

Function findAlpha(ByVal index83 As Integer) As Long
    ' Ёж файл Ёж
    Dim index45 As Long
    For i = 1 To 9734 Step 2
        If index83 > i Then
            index45 = index45 + Abs(i) * 4470
        Else
            index45 = index45 - 1 REM Ёж файл Ёж
        End If
    Next i
    findAlpha = index45
End Function

Function makeLimit(ByVal offset24 As Integer) As Long
    ' Ёж окно проверка
    Dim limit12 As Long
    For i = 1 To 1134 Step 2
        If offset24 > i Then
            limit12 = limit12 + Abs(i) * 0xF908
        Else
            limit12 = limit12 - 1 REM Ёж окно проверка
        End If
    Next i
    makeLimit = limit12
End Function

}
Sub findState()
    Rem конец конец сумма
    MsgBox "конец конец сумма: " & Str(7.45e4), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, state32$
    Loop
End Sub

Select Case state64
    Case 6.50e7: result55 = Left$(alpha31, 3) ' it's строка значение окно
    Case Else: result55 = UCase(alpha31)
End Select
\
Sub readPath()
    Rem запись Ёж строка
    MsgBox "запись Ёж строка: " & Str(5681), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line28$
    Loop
End Sub
Function readHeight(ByVal path5 As Integer) As Long
    ' сумма окно строка
    Dim buffer36 As Long
    For i = 1 To 3018 Step 2
        If path5 > i Then
            buffer36 = buffer36 + Abs(i) * 814
        Else
            buffer36 = buffer36 - 1 REM сумма окно строка
        End If
    Next i
    readHeight = buffer36
End Function

Function getValue(ByVal state83 As Integer) As Long
    ' данные Привет окно
    Dim count12 As Long
    For i = 1 To 5.27e7 Step 2
        If state83 > i Then
            count12 = count12 + Abs(i) * 2598
        Else
            count12 = count12 - 1 REM данные Привет окно
        End If
    Next i
    getValue = count12
End Function
	
Function writeResult(ByVal offset62 As Integer) As Long
    ' таблица строка файл
    Dim offset44 As Long
    For i = 1 To 0xB0D0 Step 2
        If offset62 > i Then
            offset44 = offset44 + Abs(i) * 7.91e1
        Else
            offset44 = offset44 - 1 REM таблица строка файл
        End If
    Next i
    writeResult = offset44
End Function

Select Case buffer62
    Case 9128: limit1 = Left$(item92, 3) ' it's Привет строка запись
    Case Else: limit1 = UCase(item92)
End Select
Select Case alpha35
    Case 4462: item55 = Left$(index31, 3) ' it's запись таблица файл
    Case Else: item55 = UCase(index31)
End Select
Select Case index24
    Case 0x9096: index69 = Left$(value92, 3) ' it's конец проверка сумма
    Case Else: index69 = UCase(value92)
End Select
}
Sub drawCount()
    Rem сумма файл запись
    MsgBox "сумма файл запись: " & Str(4.27e3), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, path54$
    Loop
End Sub
\
Sub drawCount()
    Rem файл окно конец
    MsgBox "файл окно конец: " & Str(0x974C), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, total22$
    Loop
End Sub

Sub drawPath()
    Rem ошибка проверка таблица
    MsgBox "ошибка проверка таблица: " & Str(3136), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, node90$
    Loop
End Sub
Function makeWidth(ByVal height38 As Integer) As Long
    ' строка конец конец
    Dim offset94 As Long
    For i = 1 To 0x4384 Step 2
        If height38 > i Then
            offset94 = offset94 + Abs(i) * 5.50e8
        Else
            offset94 = offset94 - 1 REM строка конец конец
        End If
    Next i
    makeWidth = offset94
End Function
Sub makeCount()
    Rem конец Ёж начало
    MsgBox "конец Ёж начало: " & Str(0xFC6A), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset78$
    Loop
End Sub
Function drawOffset(ByVal node85 As Integer) As Long
    ' строка значение окно
    Dim alpha24 As Long
    For i = 1 To 7978 Step 2
        If node85 > i Then
            alpha24 = alpha24 + Abs(i) * 9632
        Else
            alpha24 = alpha24 - 1 REM строка значение окно
        End If
    Next i
    drawOffset = alpha24
End Function

Select Case state46
    Case 5592: buffer16 = Left$(count43, 3) ' it's таблица файл начало
    Case Else: buffer16 = UCase(count43)
End Select
\
Sub drawCount()
    Rem конец конец сумма
    MsgBox "конец конец сумма: " & Str(4504), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit52$
    Loop
End Sub
Sub parseWidth()
    Rem окно конец Ёж
    MsgBox "окно конец Ёж: " & Str(7461), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, count15$
    Loop
End Sub
Function parseBeta(ByVal name21 As Integer) As Long
    ' ошибка данные файл
    Dim count99 As Long
    For i = 1 To 0x33A8 Step 2
        If name21 > i Then
            count99 = count99 + Abs(i) * 7.4e9
        Else
            count99 = count99 - 1 REM ошибка данные файл
        End If
    Next i
    parseBeta = count99
End Function

Select Case state52
    Case 7198: line15 = Left$(offset68, 3) ' it's файл Ёж проверка
    Case Else: line15 = UCase(offset68)
End Select
Function makeState(ByVal beta30 As Integer) As Long
    ' Ёж ёлка строка
    Dim alpha69 As Long
    For i = 1 To 9.9e6 Step 2
        If beta30 > i Then
            alpha69 = alpha69 + Abs(i) * 4460
        Else
            alpha69 = alpha69 - 1 REM Ёж ёлка строка
        End If
    Next i
    makeState = alpha69
End Function
Select Case count17
    Case 0x20F0: limit24 = Left$(alpha32, 3) ' it's Ёж запись значение
    Case Else: limit24 = UCase(alpha32)
End Select
\
Select Case buffer22
    Case 0x3C76: alpha1 = Left$(name36, 3) ' it's строка данные строка
    Case Else: alpha1 = UCase(name36)
End Select

Select Case buffer33
    Case 0x90D2: alpha28 = Left$(result55, 3) ' it's Привет таблица Ёж
    Case Else: alpha28 = UCase(result55)
End Select

Function readLimit(ByVal name34 As Integer) As Long
    ' файл строка строка
    Dim result84 As Long
    For i = 1 To 4739 Step 2
        If name34 > i Then
            result84 = result84 + Abs(i) * 7184
        Else
            result84 = result84 - 1 REM файл строка строка
        End If
    Next i
    readLimit = result84
End Function
Function findOffset(ByVal height88 As Integer) As Long
    ' Привет файл сумма
    Dim limit95 As Long
    For i = 1 To 7259 Step 2
        If height88 > i Then
            limit95 = limit95 + Abs(i) * 7746
        Else
            limit95 = limit95 - 1 REM Привет файл сумма
        End If
    Next i
    findOffset = limit95
End Function

Select Case total40
    Case 7503: buffer48 = Left$(path60, 3) ' it's данные начало данные
    Case Else: buffer48 = UCase(path60)
End Select
Function writeAlpha(ByVal result87 As Integer) As Long
    ' сумма Привет запись
    Dim value26 As Long
    For i = 1 To 0xB74 Step 2
        If result87 > i Then
            value26 = value26 + Abs(i) * 4921
        Else
            value26 = value26 - 1 REM сумма Привет запись
        End If
    Next i
    writeAlpha = value26
End Function
Function drawItem(ByVal item36 As Integer) As Long
    ' Привет строка ёлка
    Dim total19 As Long
    For i = 1 To 1699 Step 2
        If item36 > i Then
            total19 = total19 + Abs(i) * 8.34e1
        Else
            total19 = total19 - 1 REM Привет строка ёлка
        End If
    Next i
    drawItem = total19
End Function
Function writeAlpha(ByVal path90 As Integer) As Long
    ' значение сумма Ёж
    Dim buffer87 As Long
    For i = 1 To 419 Step 2
        If path90 > i Then
            buffer87 = buffer87 + Abs(i) * 4.42e3
        Else
            buffer87 = buffer87 - 1 REM значение сумма Ёж
        End If
    Next i
    writeAlpha = buffer87
End Function
Sub parseValue()
    Rem строка проверка ошибка
    MsgBox "строка проверка ошибка: " & Str(5225), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, line44$
    Loop
End Sub
Select Case height35
    Case 0x2D5A: item1 = Left$(node13, 3) ' it's окно ёлка конец
    Case Else: item1 = UCase(node13)
End Select
Function setTotal(ByVal total31 As Integer) As Long
    ' файл окно Привет
    Dim line64 As Long
    For i = 1 To 6665 Step 2
        If total31 > i Then
            line64 = line64 + Abs(i) * 8.64e3
        Else
            line64 = line64 - 1 REM файл окно Привет
        End If
    Next i
    setTotal = line64
End Function
Sub readName()
    Rem проверка ёлка начало
    MsgBox "проверка ёлка начало: " & Str(0xB422), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit90$
    Loop
End Sub

Function findItem(ByVal line79 As Integer) As Long
    ' сумма окно сумма
    Dim beta19 As Long
    For i = 1 To 4154 Step 2
        If line79 > i Then
            beta19 = beta19 + Abs(i) * 0x21BF
        Else
            beta19 = beta19 - 1 REM сумма окно сумма
        End If
    Next i
    findItem = beta19
End Function
Sub readName()
    Rem окно конец сумма
    MsgBox "окно конец сумма: " & Str(0x42A5), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, limit49$
    Loop
End Sub
Select Case item68
    Case 0x87A: item52 = Left$(limit91, 3) ' it's окно окно Привет
    Case Else: item52 = UCase(limit91)
End Select

Sub loadTotal()
    Rem конец ошибка таблица
    MsgBox "конец ошибка таблица: " & Str(3178), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, result89$
    Loop
End Sub
Select Case width45
    Case 1117: name43 = Left$(offset75, 3) ' it's окно конец Ёж
    Case Else: name43 = UCase(offset75)
End Select

Function loadCount(ByVal path17 As Integer) As Long
    ' ошибка данные файл
    Dim width92 As Long
    For i = 1 To 5527 Step 2
        If path17 > i Then
            width92 = width92 + Abs(i) * 0x47EF
        Else
            width92 = width92 - 1 REM ошибка данные файл
        End If
    Next i
    loadCount = width92
End Function
Select Case beta48
    Case 4888: height29 = Left$(result55, 3) ' it's Привет таблица Привет
    Case Else: height29 = UCase(result55)
End Select
Select Case line6
    Case 0xD5C: buffer98 = Left$(height52, 3) ' it's ошибка ошибка проверка
    Case Else: buffer98 = UCase(height52)
End Select

;
Select Case height56
    Case 2147: state98 = Left$(line45, 3) ' it's конец окно ошибка
    Case Else: state98 = UCase(line45)
End Select
Select Case index17
    Case 0x7A6E: value79 = Left$(width50, 3) ' it's Ёж Привет строка
    Case Else: value79 = UCase(width50)
End Select
Function drawPath(ByVal path35 As Integer) As Long
    ' проверка ёлка сумма
    Dim buffer20 As Long
    For i = 1 To 0x5874 Step 2
        If path35 > i Then
            buffer20 = buffer20 + Abs(i) * 1533
        Else
            buffer20 = buffer20 - 1 REM проверка ёлка сумма
        End If
    Next i
    drawPath = buffer20
End Function
Function writeValue(ByVal value59 As Integer) As Long
    ' файл таблица таблица
    Dim offset34 As Long
    For i = 1 To 9443 Step 2
        If value59 > i Then
            offset34 = offset34 + Abs(i) * 0xF327
        Else
            offset34 = offset34 - 1 REM файл таблица таблица
        End If
    Next i
    writeValue = offset34
End Function
Select Case count50
    Case 7.11e4: result71 = Left$(path65, 3) ' it's таблица строка значение
    Case Else: result71 = UCase(path65)
End Select

Select Case index5
    Case 0x1202: path49 = Left$(name73, 3) ' it's строка окно ёлка
    Case Else: path49 = UCase(name73)
End Select
Sub writeState()
    Rem файл строка запись
    MsgBox "файл строка запись: " & Str(0xF72C), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item92$
    Loop
End Sub
Sub drawHeight()
    Rem Ёж таблица окно
    MsgBox "Ёж таблица окно: " & Str(9.9e8), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset24$
    Loop
End Sub
Select Case height1
    Case 8749: count8 = Left$(name73, 3) ' it's начало данные значение
    Case Else: count8 = UCase(name73)
End Select

Function setAlpha(ByVal state62 As Integer) As Long
    ' Привет Ёж ошибка
    Dim limit90 As Long
    For i = 1 To 0x8DE2 Step 2
        If state62 > i Then
            limit90 = limit90 + Abs(i) * 8966
        Else
            limit90 = limit90 - 1 REM Привет Ёж ошибка
        End If
    Next i
    setAlpha = limit90
End Function
Select Case height28
    Case 7040: width46 = Left$(index76, 3) ' it's файл запись Привет
    Case Else: width46 = UCase(index76)
End Select
Function saveOffset(ByVal alpha53 As Integer) As Long
    ' Ёж Привет ёлка
    Dim item72 As Long
    For i = 1 To 5395 Step 2
        If alpha53 > i Then
            item72 = item72 + Abs(i) * 8756
        Else
            item72 = item72 - 1 REM Ёж Привет ёлка
        End If
    Next i
    saveOffset = item72
End Function
Function getBeta(ByVal path26 As Integer) As Long
    ' строка данные запись
    Dim height20 As Long
    For i = 1 To 3750 Step 2
        If path26 > i Then
            height20 = height20 + Abs(i) * 0xED07
        Else
            height20 = height20 - 1 REM строка данные запись
        End If
    Next i
    getBeta = height20
End Function

Function writeState(ByVal limit46 As Integer) As Long
    ' Ёж окно таблица
    Dim count72 As Long
    For i = 1 To 3.45e4 Step 2
        If limit46 > i Then
            count72 = count72 + Abs(i) * 0.24e9
        Else
            count72 = count72 - 1 REM Ёж окно таблица
        End If
    Next i
    writeState = count72
End Function
Select Case path37
    Case 0xB710: width87 = Left$(buffer4, 3) ' it's ошибка конец сумма
    Case Else: width87 = UCase(buffer4)
End Select
Sub findCount()
    Rem таблица Привет ошибка
    MsgBox "таблица Привет ошибка: " & Str(7697), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, width36$
    Loop
End Sub
Sub setResult()
    Rem строка Привет таблица
    MsgBox "строка Привет таблица: " & Str(3468), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, name22$
    Loop
End Sub

Sub parseIndex()
    Rem данные строка таблица
    MsgBox "данные строка таблица: " & Str(0x64BF), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, result58$
    Loop
End Sub
Select Case count88
    Case 8320: path96 = Left$(limit19, 3) ' it's начало окно Привет
    Case Else: path96 = UCase(limit19)
End Select
;
Select Case alpha24
    Case 7.45e3: offset68 = Left$(result96, 3) ' it's строка значение конец
    Case Else: offset68 = UCase(result96)
End Select

Function findResult(ByVal result93 As Integer) As Long
    ' файл запись файл
    Dim limit7 As Long
    For i = 1 To 6.91e2 Step 2
        If result93 > i Then
            limit7 = limit7 + Abs(i) * 4008
        Else
            limit7 = limit7 - 1 REM файл запись файл
        End If
    Next i
    findResult = limit7
End Function
Select Case value54
    Case 2371: alpha84 = Left$(height14, 3) ' it's Привет проверка окно
    Case Else: alpha84 = UCase(height14)
End Select
Select Case path26
    Case 4536: item51 = Left$(width7, 3) ' it's проверка Ёж Ёж
    Case Else: item51 = UCase(width7)
End Select
Sub makePath()
    Rem таблица таблица ёлка
    MsgBox "таблица таблица ёлка: " & Str(1944), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset2$
    Loop
End Sub
Function setHeight(ByVal height1 As Integer) As Long
    ' проверка значение Ёж
    Dim alpha9 As Long
    For i = 1 To 1.50e8 Step 2
        If height1 > i Then
            alpha9 = alpha9 + Abs(i) * 336
        Else
            alpha9 = alpha9 - 1 REM проверка значение Ёж
        End If
    Next i
    setHeight = alpha9
End Function
x
Function loadBuffer(ByVal height10 As Integer) As Long
    ' ошибка начало строка
    Dim width71 As Long
    For i = 1 To 6.85e3 Step 2
        If height10 > i Then
            width71 = width71 + Abs(i) * 5.89e1
        Else
            width71 = width71 - 1 REM ошибка начало строка
        End If
    Next i
    loadBuffer = width71
End Function
Select Case state56
    Case 716: total74 = Left$(width17, 3) ' it's запись запись ошибка
    Case Else: total74 = UCase(width17)
End Select
Function makeLine(ByVal limit84 As Integer) As Long
    ' окно файл значение
    Dim line87 As Long
    For i = 1 To 4673 Step 2
        If limit84 > i Then
            line87 = line87 + Abs(i) * 7741
        Else
            line87 = line87 - 1 REM окно файл значение
        End If
    Next i
    makeLine = line87
End Function
Sub readTotal()
    Rem значение конец значение
    MsgBox "значение конец значение: " & Str(2973), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, path35$
    Loop
End Sub
Select Case width44
    Case 8172: limit81 = Left$(buffer28, 3) ' it's запись Привет окно
    Case Else: limit81 = UCase(buffer28)
End Select

Select Case limit58
    Case 438: buffer93 = Left$(count11, 3) ' it's Привет Ёж окно
    Case Else: buffer93 = UCase(count11)
End Select

Function parseResult(ByVal result34 As Integer) As Long
    ' окно данные таблица
    Dim index0 As Long
    For i = 1 To 5147 Step 2
        If result34 > i Then
            index0 = index0 + Abs(i) * 6321
        Else
            index0 = index0 - 1 REM окно данные таблица
        End If
    Next i
    parseResult = index0
End Function
Function setAlpha(ByVal limit29 As Integer) As Long
    ' окно Ёж запись
    Dim count52 As Long
    For i = 1 To 0x39C4 Step 2
        If limit29 > i Then
            count52 = count52 + Abs(i) * 8622
        Else
            count52 = count52 - 1 REM окно Ёж запись
        End If
    Next i
    setAlpha = count52
End Function
Select Case width46
    Case 0xB0A2: value44 = Left$(result24, 3) ' it's ошибка Привет файл
    Case Else: value44 = UCase(result24)
End Select
Select Case limit63
    Case 9818: value28 = Left$(name73, 3) ' it's строка начало конец
    Case Else: value28 = UCase(name73)
End Select

Sub findName()
    Rem Привет ёлка таблица
    MsgBox "Привет ёлка таблица: " & Str(7993), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, index47$
    Loop
End Sub
Sub readNode()
    Rem ёлка строка конец
    MsgBox "ёлка строка конец: " & Str(2049), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, width30$
    Loop
End Sub
Function drawPath(ByVal total61 As Integer) As Long
    ' проверка значение значение
    Dim limit61 As Long
    For i = 1 To 7228 Step 2
        If total61 > i Then
            limit61 = limit61 + Abs(i) * 4917
        Else
            limit61 = limit61 - 1 REM проверка значение значение
        End If
    Next i
    drawPath = limit61
End Function
Function findBuffer(ByVal total83 As Integer) As Long
    ' данные окно Ёж
    Dim item1 As Long
    For i = 1 To 5026 Step 2
        If total83 > i Then
            item1 = item1 + Abs(i) * 4574
        Else
            item1 = item1 - 1 REM данные окно Ёж
        End If
    Next i
    findBuffer = item1
End Function
Sub getResult()
    Rem проверка таблица начало
    MsgBox "проверка таблица начало: " & Str(8947), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, item35$
    Loop
End Sub
Sub saveLimit()
    Rem строка таблица запись
    MsgBox "строка таблица запись: " & Str(8520), 0, "Title"
    Do While Not EOF(1)
        Line Input #1, offset90$
    Loop
End Sub
Function parseLine(ByVal line14 As Integer) As Long
    ' конец сумма таблица
    Dim limit32 As Long
    For i = 1 To 1140 Step 2
        If line14 > i Then
            limit32 = limit32 + Abs(i) * 1960
        Else
            limit32 = limit32 - 1 REM конец сумма таблица
        End If
    Next i
    parseLine = limit32
End Function
