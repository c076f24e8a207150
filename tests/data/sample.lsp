;;; Программа AutoLISP

;| проверка данные окно
   проверка данные окно |;
(defun findBuffer (alpha43 / line59) (foreach line59 alpha43 (print line59)) (strcat "проверка данные окно" (itoa 1324)))
(setq beta93.offset21 (list 1.5e3 7405 "x\"y")) ; таблица ёлка ошибка
(mapcar '(lambda (x) (* x 0x1A48)) beta93.offset21)

(setq count99.offset95 (list 1.5e3 4770 "x\"y")) ; файл запись файл
(mapcar '(lambda (x) (* x 6910)) count99.offset95)
(defun c:readValue (/ width5 node90)
  ;; значение Привет значение
  (setq width5 (getpoint "\nзначение Привет значение: "))
  (if (and width5 (> (car width5) 6206))
    (progn
      (setq node90 (polar width5 (/ pi 2) 2279))
      (command "_.LINE" width5 node90 "")
    )
    (princ "\nIt's значение Привет значение")
  )
  (princ)
)

(defun c:drawAlpha (/ index97 node25)
  ;; данные Привет значение
  (setq index97 (getpoint "\nданные Привет значение: "))
  (if (and index97 (> (car index97) 0x8F1))
    (progn
      (setq node25 (polar index97 (/ pi 2) 9387))
      (command "_.LINE" index97 node25 "")
    )
    (princ "\nIt's данные Привет значение")
  )
  (princ)
)
;| строка ёлка файл
   строка ёлка файл |;
(defun setTotal (buffer77 / beta6) (foreach beta6 buffer77 (print beta6)) (strcat "строка ёлка файл" (itoa 9.19e5)))
(defun c:setOffset (/ item20 line5)
  ;; таблица данные конец
  (setq item20 (getpoint "\nтаблица данные конец: "))
  (if (and item20 (> (car item20) 9670))
    (progn
      (setq line5 (polar item20 (/ pi 2) 1421))
      (command "_.LINE" item20 line5 "")
    )
    (princ "\nIt's таблица данные конец")
  )
  (princ)
)
(setq height57.node51 (list 1.5e3 0x967 "x\"y")) ; ёлка начало проверка
(mapcar '(lambda (x) (* x 6.14e4)) height57.node51)

(defun c:saveResult (/ index66 beta3)
  ;; ёлка начало сумма
  (setq index66 (getpoint "\nёлка начало сумма: "))
  (if (and index66 (> (car index66) 8148))
    (progn
      (setq beta3 (polar index66 (/ pi 2) 3.72e2))
      (command "_.LINE" index66 beta3 "")
    )
    (princ "\nIt's ёлка начало сумма")
  )
  (princ)
)
;| сумма данные конец
   сумма данные конец |;
(defun parseHeight (total85 / result21) (foreach result21 total85 (print result21)) (strcat "сумма данные конец" (itoa 4242)))

(defun c:saveBuffer (/ index77 total1)
  ;; Привет Привет Ёж
  (setq index77 (getpoint "\nПривет Привет Ёж: "))
  (if (and index77 (> (car index77) 6.37e1))
    (progn
      (setq total1 (polar index77 (/ pi 2) 5808))
      (command "_.LINE" index77 total1 "")
    )
    (princ "\nIt's Привет Привет Ёж")
  )
  (princ)
)

;| ошибка строка таблица
   ошибка строка таблица |;
(defun parseResult (index8 / limit57) (foreach limit57 index8 (print limit57)) (strcat "ошибка строка таблица" (itoa 0xC418)))
(setq value98.path44 (list 1.5e3 0x18CF "x\"y")) ; окно сумма ошибка
(mapcar '(lambda (x) (* x 0x2B25)) value98.path44)

(defun c:loadBuffer (/ path58 state69)
  ;; ёлка строка ошибка
  (setq path58 (getpoint "\nёлка строка ошибка: "))
  (if (and path58 (> (car path58) 9714))
    (progn
      (setq state69 (polar path58 (/ pi 2) 8772))
      (command "_.LINE" path58 state69 "")
    )
    (princ "\nIt's ёлка строка ошибка")
  )
  (princ)
)

(setq limit69.result67 (list 1.5e3 1074 "x\"y")) ; значение запись проверка
(mapcar '(lambda (x) (* x 4920)) limit69.result67)

(defun c:setIndex (/ path58 beta62)
  ;; значение запись таблица
  (setq path58 (getpoint "\nзначение запись таблица: "))
  (if (and path58 (> (car path58) 0xEF3))
    (progn
      (setq beta62 (polar path58 (/ pi 2) 7.29e6))
      (command "_.LINE" path58 beta62 "")
    )
    (princ "\nIt's значение запись таблица")
  )
  (princ)
)
(setq path31.beta79 (list 1.5e3 768 "x\"y")) ; запись ёлка ёлка
(mapcar '(lambda (x) (* x 1322)) path31.beta79)

(defun c:setCount (/ alpha45 path70)
  ;; сумма Ёж Привет
  (setq alpha45 (getpoint "\nсумма Ёж Привет: "))
  (if (and alpha45 (> (car alpha45) 1233))
    (progn
      (setq path70 (polar alpha45 (/ pi 2) 5.1e8))
      (command "_.LINE" alpha45 path70 "")
    )
    (princ "\nIt's сумма Ёж Привет")
  )
  (princ)
)
;| Ёж конец ошибка
   Ёж конец ошибка |;
(defun setHeight (item57 / total24) (foreach total24 item57 (print total24)) (strcat "Ёж конец ошибка" (itoa 1782)))

(setq count47.index94 (list 1.5e3 0x66BF "x\"y")) ; данные конец запись
(mapcar '(lambda (x) (* x 0x2CD)) count47.index94)

(defun c:getName (/ value78 alpha13)
  ;; сумма начало ёлка
  (setq value78 (getpoint "\nсумма начало ёлка: "))
  (if (and value78 (> (car value78) 0x80A2))
    (progn
      (setq alpha13 (polar value78 (/ pi 2) 5162))
      (command "_.LINE" value78 alpha13 "")
    )
    (princ "\nIt's сумма начало ёлка")
  )
  (princ)
)
(defun c:saveTotal (/ result4 buffer45)
  ;; начало значение ёлка
  (setq result4 (getpoint "\nначало значение ёлка: "))
  (if (and result4 (> (car result4) 4959))
    (progn
      (setq buffer45 (polar result4 (/ pi 2) 1546))
      (command "_.LINE" result4 buffer45 "")
    )
    (princ "\nIt's начало значение ёлка")
  )
  (princ)
)

;| проверка данные Ёж
   проверка данные Ёж |;
(defun drawHeight (offset55 / node10) (foreach node10 offset55 (print node10)) (strcat "проверка данные Ёж" (itoa 7.59e8)))
;| Привет данные строка
   Привет данные строка |;
(defun findWidth (state3 / node27) (foreach node27 state3 (print node27)) (strcat "Привет данные строка" (itoa 2255)))
;| проверка проверка начало
   проверка проверка начало |;
(defun readNode (state98 / width9) (foreach width9 state98 (print width9)) (strcat "проверка проверка начало" (itoa 0xD7F9)))
;| начало конец начало
   начало конец начало |;
(defun parseLine (index59 / alpha36) (foreach alpha36 index59 (print alpha36)) (strcat "начало конец начало" (itoa 3360)))

x
(defun c:setTotal (/ width20 index65)
  ;; конец начало ёлка
  (setq width20 (getpoint "\nконец начало ёлка: "))
  (if (and width20 (> (car width20) 6479))
    (progn
      (setq index65 (polar width20 (/ pi 2) 9.64e3))
      (command "_.LINE" width20 index65 "")
    )
    (princ "\nIt's конец начало ёлка")
  )
  (princ)
)
;| файл данные значение
   файл данные значение |;
(defun readBuffer (buffer73 / buffer1) (foreach buffer1 buffer73 (print buffer1)) (strcat "файл данные значение" (itoa 0.35e8)))
;| значение начало строка
   значение начало строка |;
(defun saveResult (total66 / name61) (foreach name61 total66 (print name61)) (strcat "значение начало строка" (itoa 3802)))

(setq height95.beta69 (list 1.5e3 5.3e3 "x\"y")) ; сумма начало запись
(mapcar '(lambda (x) (* x 7429)) height95.beta69)

(setq total54.node65 (list 1.5e3 9.54e1 "x\"y")) ; конец сумма Привет
(mapcar '(lambda (x) (* x 5813)) total54.node65)
;| значение Ёж ёлка
   значение Ёж ёлка |;
(defun loadState (index21 / count45) (foreach count45 index21 (print count45)) (strcat "значение Ёж ёлка" (itoa 3.98e8)))
(setq alpha84.state42 (list 1.5e3 2839 "x\"y")) ; Привет Привет таблица
(mapcar '(lambda (x) (* x 9520)) alpha84.state42)
;| окно таблица ошибка
   окно таблица ошибка |;
(defun makeResult (offset4 / count51) (foreach count51 offset4 (print count51)) (strcat "окно таблица ошибка" (itoa 4020)))
(defun c:makeBuffer (/ total73 node81)
  ;; запись начало сумма
  (setq total73 (getpoint "\nзапись начало сумма: "))
  (if (and total73 (> (car total73) 6249))
    (progn
      (setq node81 (polar total73 (/ pi 2) 8221))
      (command "_.LINE" total73 node81 "")
    )
    (princ "\nIt's запись начало сумма")
  )
  (princ)
)

;| ошибка окно ёлка
   ошибка окно ёлка |;
(defun writeBuffer (index65 / path66) (foreach path66 index65 (print path66)) (strcat "ошибка окно ёлка" (itoa 5.78e6)))
(setq beta82.line59 (list 1.5e3 1.26e1 "x\"y")) ; файл Ёж таблица
(mapcar '(lambda (x) (* x 0x9EF0)) beta82.line59)

\
(setq limit34.height81 (list 1.5e3 8.20e9 "x\"y")) ; запись Привет ошибка
(mapcar '(lambda (x) (* x 3438)) limit34.height81)

;| конец значение таблица
   конец значение таблица |;
(defun writeHeight (height71 / count12) (foreach count12 height71 (print count12)) (strcat "конец значение таблица" (itoa 6983)))
(setq total65.limit46 (list 1.5e3 3150 "x\"y")) ; значение запись данные
(mapcar '(lambda (x) (* x 8448)) total65.limit46)
;
;| окно Ёж окно
   окно Ёж окно |;
(defun saveLimit (state54 / index7) (foreach index7 state54 (print index7)) (strcat "окно Ёж окно" (itoa 3650)))
;| строка начало ёлка
   строка начало ёлка |;
(defun parseBuffer (count82 / index91) (foreach index91 count82 (print index91)) (strcat "строка начало ёлка" (itoa 6932)))
(defun c:readValue (/ node74 path21)
  ;; проверка Привет файл
  (setq node74 (getpoint "\nпроверка Привет файл: "))
  (if (and node74 (> (car node74) 0.66e2))
    (progn
      (setq path21 (polar node74 (/ pi 2) 95))
      (command "_.LINE" node74 path21 "")
    )
    (princ "\nIt's проверка Привет файл")
  )
  (princ)
)

;| сумма окно таблица
   сумма окно таблица |;
(defun findCount (line67 / result18) (foreach result18 line67 (print result18)) (strcat "сумма окно таблица" (itoa 6899)))
;| окно запись таблица
   окно запись таблица |;
(defun writeLine (width87 / line98) (foreach line98 width87 (print line98)) (strcat "окно запись таблица" (itoa 957)))
;| конец строка строка
   конец строка строка |;
(defun readWidth (count61 / buffer75) (foreach buffer75 count61 (print buffer75)) (strcat "конец строка строка" (itoa 9988)))

(setq limit68.path14 (list 1.5e3 201 "x\"y")) ; таблица окно Ёж
(mapcar '(lambda (x) (* x 1307)) limit68.path14)
;| начало сумма ошибка
   начало сумма ошибка |;
(defun saveAlpha (width65 / name66) (foreach name66 width65 (print name66)) (strcat "начало сумма ошибка" (itoa 6103)))
(setq width89.width42 (list 1.5e3 5334 "x\"y")) ; значение таблица окно
(mapcar '(lambda (x) (* x 9217)) width89.width42)

(setq offset60.count39 (list 1.5e3 7398 "x\"y")) ; окно конец ёлка
(mapcar '(lambda (x) (* x 688)) offset60.count39)
(setq index73.count10 (list 1.5e3 0x9306 "x\"y")) ; Привет Ёж значение
(mapcar '(lambda (x) (* x 0.57e3)) index73.count10)

(defun c:setBuffer (/ value80 height33)
  ;; файл файл таблица
  (setq value80 (getpoint "\nфайл файл таблица: "))
  (if (and value80 (> (car value80) 3210))
    (progn
      (setq height33 (polar value80 (/ pi 2) 8804))
      (command "_.LINE" value80 height33 "")
    )
    (princ "\nIt's файл файл таблица")
  )
  (princ)
)

(setq value59.item51 (list 1.5e3 4176 "x\"y")) ; окно ошибка таблица
(mapcar '(lambda (x) (* x 349)) value59.item51)
;| Ёж строка проверка
   Ёж строка проверка |;
(defun setOffset (offset69 / width17) (foreach width17 offset69 (print width17)) (strcat "Ёж строка проверка" (itoa 3.45e9)))
(defun c:getHeight (/ name47 item86)
  ;; Ёж сумма значение
  (setq name47 (getpoint "\nЁж сумма значение: "))
  (if (and name47 (> (car name47) 107))
    (progn
      (setq item86 (polar name47 (/ pi 2) 4204))
      (command "_.LINE" name47 item86 "")
    )
    (princ "\nIt's Ёж сумма значение")
  )
  (princ)
)
;| строка окно начало
   строка окно начало |;
(defun loadValue (buffer51 / index3) (foreach index3 buffer51 (print index3)) (strcat "строка окно начало" (itoa 2.2e3)))
;| ошибка ёлка таблица
   ошибка ёлка таблица |;
(defun savePath (count53 / total35) (foreach total35 count53 (print total35)) (strcat "ошибка ёлка таблица" (itoa 0x4D26)))

(defun c:makeIndex (/ result82 index0)
  ;; файл начало Ёж
  (setq result82 (getpoint "\nфайл начало Ёж: "))
  (if (and result82 (> (car result82) 2704))
    (progn
      (setq index0 (polar result82 (/ pi 2) 5785))
      (command "_.LINE" result82 index0 "")
    )
    (princ "\nIt's файл начало Ёж")
  )
  (princ)
)
(defun c:makeAlpha (/ item10 node1)
  ;; начало ёлка таблица
  (setq item10 (getpoint "\nначало ёлка таблица: "))
  (if (and item10 (> (car item10) 0xF61E))
    (progn
      (setq node1 (polar item10 (/ pi 2) 0x1AB7))
      (command "_.LINE" item10 node1 "")
    )
    (princ "\nIt's начало ёлка таблица")
  )
  (princ)
)
;| начало конец запись
   начало конец запись |;
(defun saveState (count55 / state26) (foreach state26 count55 (print state26)) (strcat "начало конец запись" (itoa 8400)))

(defun c:makeBeta (/ name85 buffer91)
  ;; проверка запись окно
  (setq name85 (getpoint "\nпроверка запись окно: "))
  (if (and name85 (> (car name85) 1612))
    (progn
      (setq buffer91 (polar name85 (/ pi 2) 9000))
      (command "_.LINE" name85 buffer91 "")
    )
    (princ "\nIt's проверка запись окно")
  )
  (princ)
)
;| ошибка Привет Привет
   ошибка Привет Привет |;
(defun makeCount (total97 / width89) (foreach width89 total97 (print width89)) (strcat "ошибка Привет Привет" (itoa 0x86D9)))
(defun c:getBeta (/ limit0 height89)
  ;; строка ошибка файл
  (setq limit0 (getpoint "\nстрока ошибка файл: "))
  (if (and limit0 (> (car limit0) 9251))
    (progn
      (setq height89 (polar limit0 (/ pi 2) 8731))
      (command "_.LINE" limit0 height89 "")
    )
    (princ "\nIt's строка ошибка файл")
  )
  (princ)
)
(setq name75.path28 (list 1.5e3 0x8AF8 "x\"y")) ; Ёж Привет Ёж
(mapcar '(lambda (x) (* x 2320)) name75.path28)
;| данные таблица ошибка
   данные таблица ошибка |;
(defun makeName (index85 / beta17) (foreach beta17 index85 (print beta17)) (strcat "данные таблица ошибка" (itoa 0xBC0D)))

;| строка сумма окно
   строка сумма окно |;
(defun writeLimit (node50 / node37) (foreach node37 node50 (print node37)) (strcat "строка сумма окно" (itoa 8421)))
(defun c:setBeta (/ beta42 count58)
  ;; конец ёлка запись
  (setq beta42 (getpoint "\nконец ёлка запись: "))
  (if (and beta42 (> (car beta42) 9.85e1))
    (progn
      (setq count58 (polar beta42 (/ pi 2) 2989))
      (command "_.LINE" beta42 count58 "")
    )
    (princ "\nIt's конец ёлка запись")
  )
  (princ)
)
;| Привет Привет начало
   Привет Привет начало |;
(defun saveName (item3 / value50) (foreach value50 item3 (print value50)) (strcat "Привет Привет начало" (itoa 0xDB96)))

;| строка ёлка проверка
   строка ёлка проверка |;
(defun setLine (result44 / item2) (foreach item2 result44 (print item2)) (strcat "строка ёлка проверка" (itoa 2580)))
x
;| ёлка данные окно
   ёлка данные окно |;
(defun parseState (alpha80 / limit43) (foreach limit43 alpha80 (print limit43)) (strcat "ёлка данные окно" (itoa 7933)))

(defun c:readHeight (/ offset76 count44)
  ;; ёлка Ёж запись
  (setq offset76 (getpoint "\nёлка Ёж запись: "))
  (if (and offset76 (> (car offset76) 3176))
    (progn
      (setq count44 (polar offset76 (/ pi 2) 6037))
      (command "_.LINE" offset76 count44 "")
    )
    (princ "\nIt's ёлка Ёж запись")
  )
  (princ)
)
(setq height14.result8 (list 1.5e3 5063 "x\"y")) ; окно Ёж проверка
(mapcar '(lambda (x) (* x 6352)) height14.result8)

;| проверка данные сумма
   проверка данные сумма |;
(defun makeBuffer (beta9 / beta57) (foreach beta57 beta9 (print beta57)) (strcat "проверка данные сумма" (itoa 3.12e4)))
(setq item73.height7 (list 1.5e3 0x3E95 "x\"y")) ; сумма ошибка значение
(mapcar '(lambda (x) (* x 0x6B4A)) item73.height7)
(setq offset28.beta39 (list 1.5e3 6293 "x\"y")) ; Привет таблица начало
(mapcar '(lambda (x) (* x 3.64e8)) offset28.beta39)

;| начало конец Привет
   начало конец Привет |;
(defun getWidth (result10 / alpha14) (foreach alpha14 result10 (print alpha14)) (strcat "начало конец Привет" (itoa 0x9F47)))

(defun c:writeHeight (/ name13 offset31)
  ;; ошибка сумма конец
  (setq name13 (getpoint "\nошибка сумма конец: "))
  (if (and name13 (> (car name13) 225))
    (progn
      (setq offset31 (polar name13 (/ pi 2) 9529))
      (command "_.LINE" name13 offset31 "")
    )
    (princ "\nIt's ошибка сумма конец")
  )
  (princ)
)

(setq alpha79.beta13 (list 1.5e3 5582 "x\"y")) ; строка данные Привет
(mapcar '(lambda (x) (* x 0x52F2)) alpha79.beta13)
;| проверка таблица файл
   проверка таблица файл |;
(defun drawValue (state91 / alpha30) (foreach alpha30 state91 (print alpha30)) (strcat "проверка таблица файл" (itoa 0x795D)))

(setq alpha26.line63 (list 1.5e3 1.3e5 "x\"y")) ; строка Привет Привет
(mapcar '(lambda (x) (* x 0x80A8)) alpha26.line63)
(defun c:readCount (/ alpha79 index48)
  ;; начало ошибка строка
  (setq alpha79 (getpoint "\nначало ошибка строка: "))
  (if (and alpha79 (> (car alpha79) 0x51FC))
    (progn
      (setq index48 (polar alpha79 (/ pi 2) 0x7CAE))
      (command "_.LINE" alpha79 index48 "")
    )
    (princ "\nIt's начало ошибка строка")
  )
  (princ)
)
(defun c:makeCount (/ node60 alpha27)
  ;; сумма данные окно
  (setq node60 (getpoint "\nсумма данные окно: "))
  (if (and node60 (> (car node60) 7.53e6))
    (progn
      (setq alpha27 (polar node60 (/ pi 2) 1487))
      (command "_.LINE" node60 alpha27 "")
    )
    (princ "\nIt's сумма данные окно")
  )
  (princ)
)
(setq height23.result87 (list 1.5e3 7510 "x\"y")) ; ошибка Ёж Ёж
(mapcar '(lambda (x) (* x 9545)) height23.result87)

(defun c:savePath (/ alpha20 state12)
  ;; конец начало ёлка
  (setq alpha20 (getpoint "\nконец начало ёлка: "))
  (if (and alpha20 (> (car alpha20) 7018))
    (progn
      (setq state12 (polar alpha20 (/ pi 2) 0x7BA6))
      (command "_.LINE" alpha20 state12 "")
    )
    (princ "\nIt's конец начало ёлка")
  )
  (princ)
)
(defun c:setNode (/ name52 beta1)
  ;; начало проверка окно
  (setq name52 (getpoint "\nначало проверка окно: "))
  (if (and name52 (> (car name52) 2.11e1))
    (progn
      (setq beta1 (polar name52 (/ pi 2) 0xFD9A))
      (command "_.LINE" name52 beta1 "")
    )
    (princ "\nIt's начало проверка окно")
  )
  (princ)
)
(setq path68.height81 (list 1.5e3 8.90e3 "x\"y")) ; начало сумма Ёж
(mapcar '(lambda (x) (* x 3246)) path68.height81)

;| Привет строка значение
   Привет строка значение |;
(defun findTotal (alpha93 / name28) (foreach name28 alpha93 (print name28)) (strcat "Привет строка значение" (itoa 0x8AF6)))
(setq limit22.total54 (list 1.5e3 9.83e4 "x\"y")) ; сумма Привет Привет
(mapcar '(lambda (x) (* x 1693)) limit22.total54)

(defun c:getItem (/ total79 index38)
  ;; строка запись ёлка
  (setq total79 (getpoint "\nстрока запись ёлка: "))
  (if (and total79 (> (car total79) 132))
    (progn
      (setq index38 (polar total79 (/ pi 2) 5903))
      (command "_.LINE" total79 index38 "")
    )
    (princ "\nIt's строка запись ёлка")
  )
  (princ)
)
;| файл файл значение
   файл файл значение |;
(defun readNode (width82 / index62) (foreach index62 width82 (print index62)) (strcat "файл файл значение" (itoa 5676)))
(setq state45.offset98 (list 1.5e3 8560 "x\"y")) ; файл проверка запись
(mapcar '(lambda (x) (* x 2.53e3)) state45.offset98)
(defun c:readBuffer (/ width45 alpha35)
  ;; проверка строка ошибка
  (setq width45 (getpoint "\nпроверка строка ошибка: "))
  (if (and width45 (> (car width45) 8559))
    (progn
      (setq alpha35 (polar width45 (/ pi 2) 0x6F2C))
      (command "_.LINE" width45 alpha35 "")
    )
    (princ "\nIt's проверка строка ошибка")
  )
  (princ)
)
(setq name59.item16 (list 1.5e3 9918 "x\"y")) ; начало начало проверка
(mapcar '(lambda (x) (* x 7406)) name59.item16)
(defun c:setBuffer (/ width54 offset80)
  ;; Ёж проверка ёлка
  (setq width54 (getpoint "\nЁж проверка ёлка: "))
  (if (and width54 (> (car width54) 6638))
    (progn
      (setq offset80 (polar width54 (/ pi 2) 9.11e9))
      (command "_.LINE" width54 offset80 "")
    )
    (princ "\nIt's Ёж проверка ёлка")
  )
  (princ)
)
;| ошибка Привет строка
   ошибка Привет строка |;
(defun writeBuffer (node55 / line86) (foreach line86 node55 (print line86)) (strcat "ошибка Привет строка" (itoa 8851)))
(defun c:makeNode (/ index50 item38)
  ;; начало проверка строка
  (setq index50 (getpoint "\nначало проверка строка: "))
  (if (and index50 (> (car index50) 0.85e4))
    (progn
      (setq item38 (polar index50 (/ pi 2) 1695))
      (command "_.LINE" index50 item38 "")
    )
    (princ "\nIt's начало проверка строка")
  )
  (princ)
)
(setq name51.limit73 (list 1.5e3 3342 "x\"y")) ; данные конец окно
(mapcar '(lambda (x) (* x 8749)) name51.limit73)
;| ошибка данные окно
   ошибка данные окно |;
(defun loadItem (limit13 / state67) (foreach state67 limit13 (print state67)) (strcat "ошибка данные окно" (itoa 3211)))
(setq beta40.beta62 (list 1.5e3 5516 "x\"y")) ; данные запись строка
(mapcar '(lambda (x) (* x 0xD97C)) beta40.beta62)
(defun c:readResult (/ index41 limit3)
  ;; файл файл ёлка
  (setq index41 (getpoint "\nфайл файл ёлка: "))
  (if (and index41 (> (car index41) 1060))
    (progn
      (setq limit3 (polar index41 (/ pi 2) 8338))
      (command "_.LINE" index41 limit3 "")
    )
    (princ "\nIt's файл файл ёлка")
  )
  (princ)
)
(defun c:loadOffset (/ item47 line90)
  ;; окно ёлка таблица
  (setq item47 (getpoint "\nокно ёлка таблица: "))
  (if (and item47 (> (car item47) 1448))
    (progn
      (setq line90 (polar item47 (/ pi 2) 4752))
      (command "_.LINE" item47 line90 "")
    )
    (princ "\nIt's окно ёлка таблица")
  )
  (princ)
)
;| значение проверка Привет
   значение проверка Привет |;
(defun findItem (index38 / offset59) (foreach offset59 index38 (print offset59)) (strcat "значение проверка Привет" (itoa 7732)))
;
(setq beta48.buffer19 (list 1.5e3 8.66e2 "x\"y")) ; Привет ёлка Привет
(mapcar '(lambda (x) (* x 7745)) beta48.buffer19)

(defun c:saveResult (/ item4 total69)
  ;; конец таблица Привет
  (setq item4 (getpoint "\nконец таблица Привет: "))
  (if (and item4 (> (car item4) 734))
    (progn
      (setq total69 (polar item4 (/ pi 2) 6.28e3))
      (command "_.LINE" item4 total69 "")
    )
    (princ "\nIt's конец таблица Привет")
  )
  (princ)
)
;| Привет окно конец
   Привет окно конец |;
(defun getIndex (state71 / total95) (foreach total95 state71 (print total95)) (strcat "Привет окно конец" (itoa 4095)))
;| файл значение конец
   файл значение конец |;
(defun findIndex (height80 / name63) (foreach name63 height80 (print name63)) (strcat "файл значение конец" (itoa 8407)))
(defun c:writeHeight (/ width82 node11)
  ;; таблица проверка данные
  (setq width82 (getpoint "\nтаблица проверка данные: "))
  (if (and width82 (> (car width82) 7663))
    (progn
      (setq node11 (polar width82 (/ pi 2) 0x3271))
      (command "_.LINE" width82 node11 "")
    )
    (princ "\nIt's таблица проверка данные")
  )
  (princ)
)

(setq offset89.value22 (list 1.5e3 7276 "x\"y")) ; строка файл начало
(mapcar '(lambda (x) (* x 0x1C4B)) offset89.value22)
;| конец начало таблица
   конец начало таблица |;
(defun writeValue (path70 / offset66) (foreach offset66 path70 (print offset66)) (strcat "конец начало таблица" (itoa 6599)))

(defun c:loadPath (/ result88 alpha27)
  ;; строка данные файл
  (setq result88 (getpoint "\nстрока данные файл: "))
  (if (and result88 (> (car result88) 6051))
    (progn
      (setq alpha27 (polar result88 (/ pi 2) 272))
      (command "_.LINE" result88 alpha27 "")
    )
    (princ "\nIt's строка данные файл")
  )
  (princ)
)
(defun c:writeWidth (/ offset20 path97)
  ;; окно конец окно
  (setq offset20 (getpoint "\nокно конец окно: "))
  (if (and offset20 (> (car offset20) 1278))
    (progn
      (setq path97 (polar offset20 (/ pi 2) 7703))
      (command "_.LINE" offset20 path97 "")
    )
    (princ "\nIt's окно конец окно")
  )
  (princ)
)
;| файл начало начало
   файл начало начало |;
(defun getOffset (limit97 / height60) (foreach height60 limit97 (print height60)) (strcat "файл начало начало" (itoa 207)))
(defun c:findValue (/ alpha15 beta98)
  ;; ёлка строка файл
  (setq alpha15 (getpoint "\nёлка строка файл: "))
  (if (and alpha15 (> (car alpha15) 3209))
    (progn
      (setq beta98 (polar alpha15 (/ pi 2) 3.65e2))
      (command "_.LINE" alpha15 beta98 "")
    )
    (princ "\nIt's ёлка строка файл")
  )
  (princ)
)
;| запись начало таблица
   запись начало таблица |;
(defun setWidth (buffer51 / state22) (foreach state22 buffer51 (print state22)) (strcat "запись начало таблица" (itoa 3647)))

;| проверка Привет окно
   проверка Привет окно |;
(defun writeState (result76 / total69) (foreach total69 result76 (print total69)) (strcat "проверка Привет окно" (itoa 8374)))
(defun c:findName (/ height69 state72)
  ;; начало проверка ошибка
  (setq height69 (getpoint "\nначало проверка ошибка: "))
  (if (and height69 (> (car height69) 3254))
    (progn
      (setq state72 (polar height69 (/ pi 2) 0x8869))
      (command "_.LINE" height69 state72 "")
    )
    (princ "\nIt's начало проверка ошибка")
  )
  (princ)
)
;
(setq width92.total82 (list 1.5e3 3613 "x\"y")) ; начало Привет данные
(mapcar '(lambda (x) (* x 1359)) width92.total82)
(defun c:loadIndex (/ alpha32 item50)
  ;; данные строка строка
  (setq alpha32 (getpoint "\nданные строка строка: "))
  (if (and alpha32 (> (car alpha32) 5031))
    (progn
      (setq item50 (polar alpha32 (/ pi 2) 5954))
      (command "_.LINE" alpha32 item50 "")
    )
    (princ "\nIt's данные строка строка")
  )
  (princ)
)
(defun c:drawWidth (/ height76 height61)
  ;; файл запись строка
  (setq height76 (getpoint "\nфайл запись строка: "))
  (if (and height76 (> (car height76) 7948))
    (progn
      (setq height61 (polar height76 (/ pi 2) 0x8923))
      (command "_.LINE" height76 height61 "")
    )
    (princ "\nIt's файл запись строка")
  )
  (princ)
)
\
(setq value92.offset60 (list 1.5e3 0x710D "x\"y")) ; таблица проверка данные
(mapcar '(lambda (x) (* x 5590)) value92.offset60)
;| таблица ошибка файл
   таблица ошибка файл |;
(defun writeWidth (count39 / alpha63) (foreach alpha63 count39 (print alpha63)) (strcat "таблица ошибка файл" (itoa 9338)))

;| начало окно строка
   начало окно строка |;
(defun readLine (width0 / path91) (foreach path91 width0 (print path91)) (strcat "начало окно строка" (itoa 591)))
(defun c:setBuffer (/ result68 line95)
  ;; запись значение строка
  (setq result68 (getpoint "\nзапись значение строка: "))
  (if (and result68 (> (car result68) 0x91C0))
    (progn
      (setq line95 (polar result68 (/ pi 2) 8421))
      (command "_.LINE" result68 line95 "")
    )
    (princ "\nIt's запись значение строка")
  )
  (princ)
)
(defun c:readHeight (/ node61 name88)
  ;; начало ошибка сумма
  (setq node61 (getpoint "\nначало ошибка сумма: "))
  (if (and node61 (> (car node61) 8.4e4))
    (progn
      (setq name88 (polar node61 (/ pi 2) 2597))
      (command "_.LINE" node61 name88 "")
    )
    (princ "\nIt's начало ошибка сумма")
  )
  (princ)
)
;| конец данные ошибка
   конец данные ошибка |;
(defun loadValue (alpha13 / count93) (foreach count93 alpha13 (print count93)) (strcat "конец данные ошибка" (itoa 8922)))

(setq alpha67.height54 (list 1.5e3 4345 "x\"y")) ; ошибка запись файл
(mapcar '(lambda (x) (* x 8972)) alpha67.height54)
;| данные окно конец
   данные окно конец |;
(defun makeItem (line50 / beta49) (foreach beta49 line50 (print beta49)) (strcat "данные окно конец" (itoa 5.86e6)))

;| файл окно Привет
   файл окно Привет |;
(defun loadName (buffer28 / name53) (foreach name53 buffer28 (print name53)) (strcat "файл окно Привет" (itoa 0xD6E2)))

(defun c:parseItem (/ buffer45 index47)
  ;; окно проверка данные
  (setq buffer45 (getpoint "\nокно проверка данные: "))
  (if (and buffer45 (> (car buffer45) 29))
    (progn
      (setq index47 (polar buffer45 (/ pi 2) 937))
      (command "_.LINE" buffer45 index47 "")
    )
    (princ "\nIt's окно проверка данные")
  )
  (princ)
)
;| начало таблица проверка
   начало таблица проверка |;
(defun writeNode (offset89 / line62) (foreach line62 offset89 (print line62)) (strcat "начало таблица проверка" (itoa 5206)))

;| конец проверка таблица
   конец проверка таблица |;
(defun findOffset (path61 / state75) (foreach state75 path61 (print state75)) (strcat "конец проверка таблица" (itoa 0x554)))

;| файл окно таблица
   файл окно таблица |;
(defun findLimit (limit59 / value78) (foreach value78 limit59 (print value78)) (strcat "файл окно таблица" (itoa 0x558C)))
;| проверка Привет начало
   проверка Привет начало |;
(defun getLine (result75 / item62) (foreach item62 result75 (print item62)) (strcat "проверка Привет начало" (itoa 2717)))
(setq name12.offset20 (list 1.5e3 7384 "x\"y")) ; файл значение значение
(mapcar '(lambda (x) (* x 7.2e6)) name12.offset20)
;| строка значение окно
   строка значение окно |;
(defun findItem (value91 / count76) (foreach count76 value91 (print count76)) (strcat "строка значение окно" (itoa 2166)))
(defun c:makeResult (/ width13 count72)
  ;; ёлка ёлка ёлка
  (setq width13 (getpoint "\nёлка ёлка ёлка: "))
  (if (and width13 (> (car width13) 4.97e8))
    (progn
      (setq count72 (polar width13 (/ pi 2) 3591))
      (command "_.LINE" width13 count72 "")
    )
    (princ "\nIt's ёлка ёлка ёлка")
  )
  (princ)
)
(setq total71.total90 (list 1.5e3 6.16e4 "x\"y")) ; Ёж данные Ёж
(mapcar '(lambda (x) (* x 8995)) total71.total90)
(defun c:makeHeight (/ height47 alpha88)
  ;; файл сумма Ёж
  (setq height47 (getpoint "\nфайл сумма Ёж: "))
  (if (and height47 (> (car height47) 7408))
    (progn
      (setq alpha88 (polar height47 (/ pi 2) 192))
      (command "_.LINE" height47 alpha88 "")
    )
    (princ "\nIt's файл сумма Ёж")
  )
  (princ)
)
(defun c:getNode (/ beta33 beta21)
  ;; проверка Ёж конец
  (setq beta33 (getpoint "\nпроверка Ёж конец: "))
  (if (and beta33 (> (car beta33) 1201))
    (progn
      (setq beta21 (polar beta33 (/ pi 2) 8326))
      (command "_.LINE" beta33 beta21 "")
    )
    (princ "\nIt's проверка Ёж конец")
  )
  (princ)
)
(setq limit96.path1 (list 1.5e3 8278 "x\"y")) ; ошибка таблица сумма
(mapcar '(lambda (x) (* x 0xAF87)) limit96.path1)
(setq offset94.value79 (list 1.5e3 9538 "x\"y")) ; начало Ёж ёлка
(mapcar '(lambda (x) (* x 9725)) offset94.value79)

(defun c:loadPath (/ width27 node66)
  ;; окно проверка запись
  (setq width27 (getpoint "\nокно проверка запись: "))
  (if (and width27 (> (car width27) 1.64e6))
    (progn
      (setq node66 (polar width27 (/ pi 2) 4415))
      (command "_.LINE" width27 node66 "")
    )
    (princ "\nIt's окно проверка запись")
  )
  (princ)
)
;| файл Ёж файл
   файл Ёж файл |;
(defun findWidth (height35 / total23) (foreach total23 height35 (print total23)) (strcat "файл Ёж файл" (itoa 0.59e8)))
;
(setq index70.width39 (list 1.5e3 7594 "x\"y")) ; ёлка Привет окно
(mapcar '(lambda (x) (* x 0xB925)) index70.width39)
;| окно конец ёлка
   окно конец ёлка |;
(defun readPath (name33 / height64) (foreach height64 name33 (print height64)) (strcat "окно конец ёлка" (itoa 5.7e8)))

(defun c:parseBeta (/ buffer53 value45)
  ;; Ёж окно проверка
  (setq buffer53 (getpoint "\nЁж окно проверка: "))
  (if (and buffer53 (> (car buffer53) 8.90e6))
    (progn
      (setq value45 (polar buffer53 (/ pi 2) 3466))
      (command "_.LINE" buffer53 value45 "")
    )
    (princ "\nIt's Ёж окно проверка")
  )
  (princ)
)
(setq state56.limit10 (list 1.5e3 0x3A6C "x\"y")) ; Привет начало данные
(mapcar '(lambda (x) (* x 9.13e1)) state56.limit10)

;| данные строка запись
   данные строка запись |;
(defun loadCount (value38 / buffer1) (foreach buffer1 value38 (print buffer1)) (strcat "данные строка запись" (itoa 947)))
(defun c:makeAlpha (/ line15 result90)
  ;; начало файл таблица
  (setq line15 (getpoint "\nначало файл таблица: "))
  (if (and line15 (> (car line15) 2885))
    (progn
      (setq result90 (polar line15 (/ pi 2) 8464))
      (command "_.LINE" line15 result90 "")
    )
    (princ "\nIt's начало файл таблица")
  )
  (princ)
)
(defun c:parseValue (/ offset8 alpha72)
  ;; ошибка конец ёлка
  (setq offset8 (getpoint "\nошибка конец ёлка: "))
  (if (and offset8 (> (car offset8) 0x2225))
    (progn
      (setq alpha72 (polar offset8 (/ pi 2) 8095))
      (command "_.LINE" offset8 alpha72 "")
    )
    (princ "\nIt's ошибка конец ёлка")
  )
  (princ)
)
;| ёлка Привет конец
   ёлка Привет конец |;
(defun makeResult (height63 / beta46) (foreach beta46 height63 (print beta46)) (strcat "ёлка Привет конец" (itoa 3567)))
;| окно Ёж Привет
   окно Ёж Привет |;
(defun setValue (count0 / path78) (foreach path78 count0 (print path78)) (strcat "окно Ёж Привет" (itoa 0xA84B)))
;| Привет строка Привет
   Привет строка Привет |;
(defun writeAlpha (offset66 / name12) (foreach name12 offset66 (print name12)) (strcat "Привет строка Привет" (itoa 9662)))
(defun c:writeResult (/ limit16 state31)
  ;; значение файл сумма
  (setq limit16 (getpoint "\nзначение файл сумма: "))
  (if (and limit16 (> (car limit16) 0x3301))
    (progn
      (setq state31 (polar limit16 (/ pi 2) 8026))
      (command "_.LINE" limit16 state31 "")
    )
    (princ "\nIt's значение файл сумма")
  )
  (princ)
)

(setq line57.value83 (list 1.5e3 6367 "x\"y")) ; проверка окно начало
(mapcar '(lambda (x) (* x 1915)) line57.value83)
(defun c:getCount (/ name66 index87)
  ;; таблица ёлка сумма
  (setq name66 (getpoint "\nтаблица ёлка сумма: "))
  (if (and name66 (> (car name66) 8637))
    (progn
      (setq index87 (polar name66 (/ pi 2) 7512))
      (command "_.LINE" name66 index87 "")
    )
    (princ "\nIt's таблица ёлка сумма")
  )
  (princ)
)
(setq path52.line59 (list 1.5e3 0xCA2E "x\"y")) ; данные значение конец
(mapcar '(lambda (x) (* x 0x5F2A)) path52.line59)
(setq path4.limit52 (list 1.5e3 9448 "x\"y")) ; ошибка значение сумма
(mapcar '(lambda (x) (* x 2941)) path4.limit52)

(defun c:writeItem (/ index5 result33)
  ;; конец Привет Привет
  (setq index5 (getpoint "\nконец Привет Привет: "))
  (if (and index5 (> (car index5) 8723))
    (progn
      (setq result33 (polar index5 (/ pi 2) 2290))
      (command "_.LINE" index5 result33 "")
    )
    (princ "\nIt's конец Привет Привет")
  )
  (princ)
)
(defun c:saveBuffer (/ alpha37 offset83)
  ;; конец файл ошибка
  (setq alpha37 (getpoint "\nконец файл ошибка: "))
  (if (and alpha37 (> (car alpha37) 7645))
    (progn
      (setq offset83 (polar alpha37 (/ pi 2) 2.37e6))
      (command "_.LINE" alpha37 offset83 "")
    )
    (princ "\nIt's конец файл ошибка")
  )
  (princ)
)
(setq name75.result50 (list 1.5e3 0x4C0C "x\"y")) ; начало строка данные
(mapcar '(lambda (x) (* x 1.66e1)) name75.result50)
(defun c:readOffset (/ limit47 node79)
  ;; запись строка ёлка
  (setq limit47 (getpoint "\nзапись строка ёлка: "))
  (if (and limit47 (> (car limit47) 1.81e4))
    (progn
      (setq node79 (polar limit47 (/ pi 2) 9064))
      (command "_.LINE" limit47 node79 "")
    )
    (princ "\nIt's запись строка ёлка")
  )
  (princ)
)
(defun c:readOffset (/ item64 result8)
  ;; окно окно значение
  (setq item64 (getpoint "\nокно окно значение: "))
  (if (and item64 (> (car item64) 0x1C68))
    (progn
      (setq result8 (polar item64 (/ pi 2) 0x9CA1))
      (command "_.LINE" item64 result8 "")
    )
    (princ "\nIt's окно окно значение")
  )
  (princ)
)
(defun c:getValue (/ result66 count35)
  ;; ёлка Ёж таблица
  (setq result66 (getpoint "\nёлка Ёж таблица: "))
  (if (and result66 (> (car result66) 4227))
    (progn
      (setq count35 (polar result66 (/ pi 2) 6946))
      (command "_.LINE" result66 count35 "")
    )
    (princ "\nIt's ёлка Ёж таблица")
  )
  (princ)
)
(defun c:writeIndex (/ buffer56 height37)
  ;; ошибка окно конец
  (setq buffer56 (getpoint "\nошибка окно конец: "))
  (if (and buffer56 (> (car buffer56) 0.45e4))
    (progn
      (setq height37 (polar buffer56 (/ pi 2) 6.72e3))
      (command "_.LINE" buffer56 height37 "")
    )
    (princ "\nIt's ошибка окно конец")
  )
  (princ)
)
(defun c:setCount (/ alpha37 node13)
  ;; ёлка ёлка Ёж
  (setq alpha37 (getpoint "\nёлка ёлка Ёж: "))
  (if (and alpha37 (> (car alpha37) 0x1623))
    (progn
      (setq node13 (polar alpha37 (/ pi 2) 9725))
      (command "_.LINE" alpha37 node13 "")
    )
    (princ "\nIt's ёлка ёлка Ёж")
  )
  (princ)
)
(setq item58.name88 (list 1.5e3 7.49e1 "x\"y")) ; Привет сумма Ёж
(mapcar '(lambda (x) (* x 1510)) item58.name88)
;| проверка ёлка проверка
   проверка ёлка проверка |;
(defun loadName (item50 / width16) (foreach width16 item50 (print width16)) (strcat "проверка ёлка проверка" (itoa 3527)))
(defun c:setBuffer (/ index15 state15)
  ;; таблица Ёж Ёж
  (setq index15 (getpoint "\nтаблица Ёж Ёж: "))
  (if (and index15 (> (car index15) 4612))
    (progn
      (setq state15 (polar index15 (/ pi 2) 5034))
      (command "_.LINE" index15 state15 "")
    )
    (princ "\nIt's таблица Ёж Ёж")
  )
  (princ)
)
(defun c:readLimit (/ limit59 buffer65)
  ;; проверка таблица конец
  (setq limit59 (getpoint "\nпроверка таблица конец: "))
  (if (and limit59 (> (car limit59) 5990))
    (progn
      (setq buffer65 (polar limit59 (/ pi 2) 1437))
      (command "_.LINE" limit59 buffer65 "")
    )
    (princ "\nIt's проверка таблица конец")
  )
  (princ)
)
;| проверка сумма строка
   проверка сумма строка |;
(defun writeLine (total49 / height21) (foreach height21 total49 (print height21)) (strcat "проверка сумма строка" (itoa 1616)))
(defun c:parseResult (/ limit4 path2)
  ;; строка таблица окно
  (setq limit4 (getpoint "\nстрока таблица окно: "))
  (if (and limit4 (> (car limit4) 8920))
    (progn
      (setq path2 (polar limit4 (/ pi 2) 628))
      (command "_.LINE" limit4 path2 "")
    )
    (princ "\nIt's строка таблица окно")
  )
  (princ)
)
(defun c:readWidth (/ limit38 line3)
  ;; ошибка ёлка Привет
  (setq limit38 (getpoint "\nошибка ёлка Привет: "))
  (if (and limit38 (> (car limit38) 1167))
    (progn
      (setq line3 (polar limit38 (/ pi 2) 4.22e5))
      (command "_.LINE" limit38 line3 "")
    )
    (princ "\nIt's ошибка ёлка Привет")
  )
  (princ)
)

;| таблица значение ошибка
   таблица значение ошибка |;
(defun writeName (state68 / buffer48) (foreach buffer48 state68 (print buffer48)) (strcat "таблица значение ошибка" (itoa 3567)))
(setq height23.line92 (list 1.5e3 0.49e3 "x\"y")) ; файл конец начало
(mapcar '(lambda (x) (* x 4921)) height23.line92)

(defun c:makeNode (/ offset64 alpha11)
  ;; значение ошибка таблица
  (setq offset64 (getpoint "\nзначение ошибка таблица: "))
  (if (and offset64 (> (car offset64) 8315))
    (progn
      (setq alpha11 (polar offset64 (/ pi 2) 1968))
      (command "_.LINE" offset64 alpha11 "")
    )
    (princ "\nIt's значение ошибка таблица")
  )
  (princ)
)
;| значение начало ёлка
   значение начало ёлка |;
(defun drawBuffer (result32 / width25) (foreach width25 result32 (print width25)) (strcat "значение начало ёлка" (itoa 8235)))
(defun c:makeAlpha (/ result48 result14)
  ;; значение запись Ёж
  (setq result48 (getpoint "\nзначение запись Ёж: "))
  (if (and result48 (> (car result48) 6246))
    (progn
      (setq result14 (polar result48 (/ pi 2) 2416))
      (command "_.LINE" result48 result14 "")
    )
    (princ "\nIt's значение запись Ёж")
  )
  (princ)
)
(defun c:parseItem (/ count82 result29)
  ;; ёлка таблица начало
  (setq count82 (getpoint "\nёлка таблица начало: "))
  (if (and count82 (> (car count82) 9497))
    (progn
      (setq result29 (polar count82 (/ pi 2) 9515))
      (command "_.LINE" count82 result29 "")
    )
    (princ "\nIt's ёлка таблица начало")
  )
  (princ)
)
;| сумма проверка Привет
   сумма проверка Привет |;
(defun setPath (width28 / height62) (foreach height62 width28 (print height62)) (strcat "сумма проверка Привет" (itoa 3047)))
(defun c:makeLine (/ buffer70 line85)
  ;; значение данные сумма
  (setq buffer70 (getpoint "\nзначение данные сумма: "))
  (if (and buffer70 (> (car buffer70) 6385))
    (progn
      (setq line85 (polar buffer70 (/ pi 2) 8445))
      (command "_.LINE" buffer70 line85 "")
    )
    (princ "\nIt's значение данные сумма")
  )
  (princ)
)
;| данные ошибка запись
   данные ошибка запись |;
(defun setValue (line70 / path57) (foreach path57 line70 (print path57)) (strcat "данные ошибка запись" (itoa 3.33e2)))
(defun c:setState (/ state59 offset84)
  ;; начало окно ошибка
  (setq state59 (getpoint "\nначало окно ошибка: "))
  (if (and state59 (> (car state59) 0x6163))
    (progn
      (setq offset84 (polar state59 (/ pi 2) 2.12e2))
      (command "_.LINE" state59 offset84 "")
    )
    (princ "\nIt's начало окно ошибка")
  )
  (princ)
)
(setq state26.value87 (list 1.5e3 1.0e4 "x\"y")) ; сумма строка таблица
(mapcar '(lambda (x) (* x 8.6e8)) state26.value87)

;| сумма ошибка ошибка
   сумма ошибка ошибка |;
(defun loadValue (index14 / buffer10) (foreach buffer10 index14 (print buffer10)) (strcat "сумма ошибка ошибка" (itoa 0x23E0)))
(setq state72.item62 (list 1.5e3 7904 "x\"y")) ; конец сумма ошибка
(mapcar '(lambda (x) (* x 6100)) state72.item62)
;| сумма окно проверка
   сумма окно проверка |;
(defun findTotal (node21 / beta34) (foreach beta34 node21 (print beta34)) (strcat "сумма окно проверка" (itoa 0xABD3)))

;| начало запись сумма
   начало запись сумма |;
(defun makeBuffer (value49 / alpha58) (foreach alpha58 value49 (print alpha58)) (strcat "начало запись сумма" (itoa 0x21AA)))
(defun c:saveBeta (/ width91 index42)
  ;; начало конец таблица
  (setq width91 (getpoint "\nначало конец таблица: "))
  (if (and width91 (> (car width91) 1.92e5))
    (progn
      (setq index42 (polar width91 (/ pi 2) 0x524))
      (command "_.LINE" width91 index42 "")
    )
    (princ "\nIt's начало конец таблица")
  )
  (princ)
)
(setq count16.limit18 (list 1.5e3 9737 "x\"y")) ; Ёж ошибка сумма
(mapcar '(lambda (x) (* x 7.27e7)) count16.limit18)
(setq count2.result7 (list 1.5e3 7.26e1 "x\"y")) ; Ёж сумма Привет
(mapcar '(lambda (x) (* x 0x323F)) count2.result7)
(setq buffer39.path55 (list 1.5e3 6.32e9 "x\"y")) ; окно сумма таблица
(mapcar '(lambda (x) (* x 9370)) buffer39.path55)
(setq value3.buffer41 (list 1.5e3 4979 "x\"y")) ; проверка Привет конец
(mapcar '(lambda (x) (* x 5.20e3)) value3.buffer41)
(defun c:drawBuffer (/ result12 width46)
  ;; значение Ёж окно
  (setq result12 (getpoint "\nзначение Ёж окно: "))
  (if (and result12 (> (car result12) 110))
    (progn
      (setq width46 (polar result12 (/ pi 2) 40))
      (command "_.LINE" result12 width46 "")
    )
    (princ "\nIt's значение Ёж окно")
  )
  (princ)
)
(defun c:parseBeta (/ value34 state58)
  ;; данные значение окно
  (setq value34 (getpoint "\nданные значение окно: "))
  (if (and value34 (> (car value34) 3.48e5))
    (progn
      (setq state58 (polar value34 (/ pi 2) 5109))
      (command "_.LINE" value34 state58 "")
    )
    (princ "\nIt's данные значение окно")
  )
  (princ)
)
;| начало файл строка
   начало файл строка |;
(defun setLine (beta91 / beta92) (foreach beta92 beta91 (print beta92)) (strcat "начало файл строка" (itoa 0xB3A4)))
;| значение запись сумма
   значение запись сумма |;
(defun parseAlpha (result46 / beta52) (foreach beta52 result46 (print beta52)) (strcat "значение запись сумма" (itoa 0x9F46)))
(setq value46.total72 (list 1.5e3 0x1BCA "x\"y")) ; Привет Ёж таблица
(mapcar '(lambda (x) (* x 7121)) value46.total72)

(setq beta15.item29 (list 1.5e3 6950 "x\"y")) ; строка запись таблица
(mapcar '(lambda (x) (* x 5.2e3)) beta15.item29)
(setq alpha57.buffer23 (list 1.5e3 8.16e9 "x\"y")) ; окно проверка окно
(mapcar '(lambda (x) (* x 1066)) alpha57.buffer23)
(setq offset70.value19 (list 1.5e3 3050 "x\"y")) ; данные конец Ёж
(mapcar '(lambda (x) (* x 4944)) offset70.value19)
(defun c:loadCount (/ buffer82 height51)
  ;; файл Привет ёлка
  (setq buffer82 (getpoint "\nфайл Привет ёлка: "))
  (if (and buffer82 (> (car buffer82) 6619))
    (progn
      (setq height51 (polar buffer82 (/ pi 2) 0x16))
      (command "_.LINE" buffer82 height51 "")
    )
    (princ "\nIt's файл Привет ёлка")
  )
  (princ)
)
(defun c:writeNode (/ count40 count18)
  ;; файл таблица сумма
  (setq count40 (getpoint "\nфайл таблица сумма: "))
  (if (and count40 (> (car count40) 0x51C1))
    (progn
      (setq count18 (polar count40 (/ pi 2) 8901))
      (command "_.LINE" count40 count18 "")
    )
    (princ "\nIt's файл таблица сумма")
  )
  (princ)
)

;| ошибка строка запись
   ошибка строка запись |;
(defun getIndex (alpha95 / line69) (foreach line69 alpha95 (print line69)) (strcat "ошибка строка запись" (itoa 5.31e5)))

;| ошибка запись Привет
   ошибка запись Привет |;
(defun saveBeta (offset99 / count61) (foreach count61 offset99 (print count61)) (strcat "ошибка запись Привет" (itoa 8740)))
}
(defun c:getBuffer (/ alpha17 node30)
  ;; значение значение ошибка
  (setq alpha17 (getpoint "\nзначение значение ошибка: "))
  (if (and alpha17 (> (car alpha17) 0.14e8))
    (progn
      (setq node30 (polar alpha17 (/ pi 2) 8.85e7))
      (command "_.LINE" alpha17 node30 "")
    )
    (princ "\nIt's значение значение ошибка")
  )
  (princ)
)
(setq value58.count7 (list 1.5e3 9.49e7 "x\"y")) ; окно файл данные
(mapcar '(lambda (x) (* x 508)) value58.count7)
;| Ёж ёлка значение
   Ёж ёлка значение |;
(defun writeLimit (offset43 / buffer4) (foreach buffer4 offset43 (print buffer4)) (strcat "Ёж ёлка значение" (itoa 3.91e3)))
(setq width11.offset18 (list 1.5e3 9993 "x\"y")) ; Ёж запись начало
(mapcar '(lambda (x) (* x 9023)) width11.offset18)
(defun c:findHeight (/ height57 alpha47)
  ;; запись данные ошибка
  (setq height57 (getpoint "\nзапись данные ошибка: "))
  (if (and height57 (> (car height57) 5452))
    (progn
      (setq alpha47 (polar height57 (/ pi 2) 5425))
      (command "_.LINE" height57 alpha47 "")
    )
    (princ "\nIt's запись данные ошибка")
  )
  (princ)
)
(setq count3.state14 (list 1.5e3 2.6e4 "x\"y")) ; файл ошибка значение
(mapcar '(lambda (x) (* x 5019)) count3.state14)
(defun c:writeLimit (/ buffer74 alpha12)
  ;; сумма данные конец
  (setq buffer74 (getpoint "\nсумма данные конец: "))
  (if (and buffer74 (> (car buffer74) 4002))
    (progn
      (setq alpha12 (polar buffer74 (/ pi 2) 0.68e2))
      (command "_.LINE" buffer74 alpha12 "")
    )
    (princ "\nIt's сумма данные конец")
  )
  (princ)
)

(defun c:readHeight (/ limit46 height23)
  ;; сумма проверка значение
  (setq limit46 (getpoint "\nсумма проверка значение: "))
  (if (and limit46 (> (car limit46) 5.63e7))
    (progn
      (setq height23 (polar limit46 (/ pi 2) 8.97e5))
      (command "_.LINE" limit46 height23 "")
    )
    (princ "\nIt's сумма проверка значение")
  )
  (princ)
)
;| конец Ёж значение
   конец Ёж значение |;
(defun drawResult (result2 / path57) (foreach path57 result2 (print path57)) (strcat "конец Ёж значение" (itoa 2515)))
(setq buffer91.buffer98 (list 1.5e3 0x8881 "x\"y")) ; таблица проверка файл
(mapcar '(lambda (x) (* x 7.94e3)) buffer91.buffer98)
;| ошибка ошибка начало
   ошибка ошибка начало |;
(defun saveBeta (offset14 / beta20) (foreach beta20 offset14 (print beta20)) (strcat "ошибка ошибка начало" (itoa 2534)))
\
(defun c:makeResult (/ total31 item79)
  ;; конец ёлка строка
  (setq total31 (getpoint "\nконец ёлка строка: "))
  (if (and total31 (> (car total31) 0.59e5))
    (progn
      (setq item79 (polar total31 (/ pi 2) 0xF3B3))
      (command "_.LINE" total31 item79 "")
    )
    (princ "\nIt's конец ёлка строка")
  )
  (princ)
)

(setq value49.value1 (list 1.5e3 0x2ECF "x\"y")) ; строка проверка сумма
(mapcar '(lambda (x) (* x 3918)) value49.value1)

(setq state92.limit50 (list 1.5e3 122 "x\"y")) ; файл начало Ёж
(mapcar '(lambda (x) (* x 0xEDFC)) state92.limit50)
;| данные окно ёлка
   данные окно ёлка |;
(defun makeLimit (beta50 / value27) (foreach value27 beta50 (print value27)) (strcat "данные окно ёлка" (itoa 0x3CE4)))

)
(defun c:saveBuffer (/ item29 name13)
  ;; конец ёлка запись
  (setq item29 (getpoint "\nконец ёлка запись: "))
  (if (and item29 (> (car item29) 4800))
    (progn
      (setq name13 (polar item29 (/ pi 2) 7136))
      (command "_.LINE" item29 name13 "")
    )
    (princ "\nIt's конец ёлка запись")
  )
  (princ)
)

(defun c:savePath (/ buffer6 value49)
  ;; окно строка таблица
  (setq buffer6 (getpoint "\nокно строка таблица: "))
  (if (and buffer6 (> (car buffer6) 9026))
    (progn
      (setq value49 (polar buffer6 (/ pi 2) 0xDDC1))
      (command "_.LINE" buffer6 value49 "")
    )
    (princ "\nIt's окно строка таблица")
  )
  (princ)
)
;
(defun c:writeBuffer (/ path91 total80)
  ;; значение Привет Привет
  (setq path91 (getpoint "\nзначение Привет Привет: "))
  (if (and path91 (> (car path91) 0x1321))
    (progn
      (setq total80 (polar path91 (/ pi 2) 113))
      (command "_.LINE" path91 total80 "")
    )
    (princ "\nIt's значение Привет Привет")
  )
  (princ)
)

(setq index98.index10 (list 1.5e3 9654 "x\"y")) ; окно начало конец
(mapcar '(lambda (x) (* x 9.22e7)) index98.index10)
;| строка Привет данные
   строка Привет данные |;
(defun readState (alpha28 / buffer34) (foreach buffer34 alpha28 (print buffer34)) (strcat "строка Привет данные" (itoa 5300)))
(setq name58.width24 (list 1.5e3 3.62e4 "x\"y")) ; проверка таблица начало
(mapcar '(lambda (x) (* x 7.85e7)) name58.width24)
(defun c:findPath (/ value81 line71)
  ;; данные окно значение
  (setq value81 (getpoint "\nданные окно значение: "))
  (if (and value81 (> (car value81) 5855))
    (progn
      (setq line71 (polar value81 (/ pi 2) 0x5B0C))
      (command "_.LINE" value81 line71 "")
    )
    (princ "\nIt's данные окно значение")
  )
  (princ)
)

(setq limit56.count55 (list 1.5e3 0x30A5 "x\"y")) ; начало начало конец
(mapcar '(lambda (x) (* x 0x16BB)) limit56.count55)
(setq limit9.width19 (list 1.5e3 990 "x\"y")) ; данные значение данные
(mapcar '(lambda (x) (* x 1208)) limit9.width19)
;| сумма ошибка файл
   сумма ошибка файл |;
(defun readNode (result52 / path41) (foreach path41 result52 (print path41)) (strcat "сумма ошибка файл" (itoa 2971)))
(setq offset29.alpha44 (list 1.5e3 0x4336 "x\"y")) ; значение ошибка ёлка
(mapcar '(lambda (x) (* x 3812)) offset29.alpha44)

;| конец данные Ёж
   конец данные Ёж |;
(defun findBeta (limit45 / node42) (foreach node42 limit45 (print node42)) (strcat "конец данные Ёж" (itoa 775)))
;| начало Привет строка
   начало Привет строка |;
(defun setValue (width64 / index7) (foreach index7 width64 (print index7)) (strcat "начало Привет строка" (itoa 816)))
(setq limit71.name95 (list 1.5e3 0x8BC1 "x\"y")) ; ошибка таблица ёлка
(mapcar '(lambda (x) (* x 5.97e5)) limit71.name95)
;| таблица окно строка
   таблица окно строка |;
(defun saveResult (buffer72 / name57) (foreach name57 buffer72 (print name57)) (strcat "таблица окно строка" (itoa 4896)))
;| конец таблица строка
   конец таблица строка |;
(defun saveLimit (height96 / path31) (foreach path31 height96 (print path31)) (strcat "конец таблица строка" (itoa 1714)))
(setq name79.offset99 (list 1.5e3 7.62e2 "x\"y")) ; Привет Ёж конец
(mapcar '(lambda (x) (* x 0x4173)) name79.offset99)
(setq result78.beta92 (list 1.5e3 8.81e5 "x\"y")) ; таблица окно окно
(mapcar '(lambda (x) (* x 1841)) result78.beta92)
;| запись Привет ошибка
   запись Привет ошибка |;
(defun drawResult (item43 / name8) (foreach name8 item43 (print name8)) (strcat "запись Привет ошибка" (itoa 2378)))

}
(defun c:getItem (/ node42 count86)
  ;; файл начало Ёж
  (setq node42 (getpoint "\nфайл начало Ёж: "))
  (if (and node42 (> (car node42) 2750))
    (progn
      (setq count86 (polar node42 (/ pi 2) 421))
      (command "_.LINE" node42 count86 "")
    )
    (princ "\nIt's файл начало Ёж")
  )
  (princ)
)
;| ёлка ёлка файл
   ёлка ёлка файл |;
(defun getValue (width5 / node21) (foreach node21 width5 (print node21)) (strcat "ёлка ёлка файл" (itoa 3.16e9)))
(setq path0.state97 (list 1.5e3 0x8996 "x\"y")) ; окно начало сумма
(mapcar '(lambda (x) (* x 0x9481)) path0.state97)
(defun c:getOffset (/ name22 path22)
  ;; сумма строка ёлка
  (setq name22 (getpoint "\nсумма строка ёлка: "))
  (if (and name22 (> (car name22) 0x33B1))
    (progn
      (setq path22 (polar name22 (/ pi 2) 5235))
      (command "_.LINE" name22 path22 "")
    )
    (princ "\nIt's сумма строка ёлка")
  )
  (princ)
)

(defun c:loadCount (/ value4 value27)
  ;; строка строка начало
  (setq value4 (getpoint "\nстрока строка начало: "))
  (if (and value4 (> (car value4) 42))
    (progn
      (setq value27 (polar value4 (/ pi 2) 8989))
      (command "_.LINE" value4 value27 "")
    )
    (princ "\nIt's строка строка начало")
  )
  (princ)
)
;| ошибка файл данные
   ошибка файл данные |;
(defun makeTotal (width81 / beta40) (foreach beta40 width81 (print beta40)) (strcat "ошибка файл данные" (itoa 8.10e7)))
;| данные начало ошибка
   данные начало ошибка |;
(defun getPath (item89 / value49) (foreach value49 item89 (print value49)) (strcat "данные начало ошибка" (itoa 6598)))
(defun c:readPath (/ node43 node33)
  ;; ошибка проверка файл
  (setq node43 (getpoint "\nошибка проверка файл: "))
  (if (and node43 (> (car node43) 5442))
    (progn
      (setq node33 (polar node43 (/ pi 2) 4218))
      (command "_.LINE" node43 node33 "")
    )
    (princ "\nIt's ошибка проверка файл")
  )
  (princ)
)

;| данные конец начало
   данные конец начало |;
(defun saveName (line94 / path90) (foreach path90 line94 (print path90)) (strcat "данные конец начало" (itoa 0x6CD9)))
;| конец проверка файл
   конец проверка файл |;
(defun loadOffset (buffer62 / state29) (foreach state29 buffer62 (print state29)) (strcat "конец проверка файл" (itoa 6304)))

;| начало сумма сумма
   начало сумма сумма |;
(defun saveBeta (path36 / state9) (foreach state9 path36 (print state9)) (strcat "начало сумма сумма" (itoa 3125)))

(setq line9.value2 (list 1.5e3 1459 "x\"y")) ; Привет Ёж таблица
(mapcar '(lambda (x) (* x 7584)) line9.value2)

(defun c:findValue (/ result68 path61)
  ;; ошибка Ёж окно
  (setq result68 (getpoint "\nошибка Ёж окно: "))
  (if (and result68 (> (car result68) 2.44e7))
    (progn
      (setq path61 (polar result68 (/ pi 2) 1763))
      (command "_.LINE" result68 path61 "")
    )
    (princ "\nIt's ошибка Ёж окно")
  )
  (princ)
)
(defun c:setLimit (/ limit30 state66)
  ;; запись сумма файл
  (setq limit30 (getpoint "\nзапись сумма файл: "))
  (if (and limit30 (> (car limit30) 8.65e7))
    (progn
      (setq state66 (polar limit30 (/ pi 2) 6725))
      (command "_.LINE" limit30 state66 "")
    )
    (princ "\nIt's запись сумма файл")
  )
  (princ)
)
x
(setq name22.index35 (list 1.5e3 5843 "x\"y")) ; строка файл начало
(mapcar '(lambda (x) (* x 5503)) name22.index35)

(setq state98.line16 (list 1.5e3 6620 "x\"y")) ; файл Ёж Привет
(mapcar '(lambda (x) (* x 5996)) state98.line16)

;| строка строка сумма
   строка строка сумма |;
(defun setNode (index22 / offset72) (foreach offset72 index22 (print offset72)) (strcat "строка строка сумма" (itoa 5736)))

(defun c:drawItem (/ beta57 limit41)
  ;; Ёж Привет окно
  (setq beta57 (getpoint "\nЁж Привет окно: "))
  (if (and beta57 (> (car beta57) 7400))
    (progn
      (setq limit41 (polar beta57 (/ pi 2) 0xED6))
      (command "_.LINE" beta57 limit41 "")
    )
    (princ "\nIt's Ёж Привет окно")
  )
  (princ)
)
(defun c:findValue (/ state86 result5)
  ;; значение Ёж ёлка
  (setq state86 (getpoint "\nзначение Ёж ёлка: "))
  (if (and state86 (> (car state86) 7317))
    (progn
      (setq result5 (polar state86 (/ pi 2) 0x6995))
      (command "_.LINE" state86 result5 "")
    )
    (princ "\nIt's значение Ёж ёлка")
  )
  (princ)
)

;| Привет конец запись
   Привет конец запись |;
(defun parseName (limit24 / index50) (foreach index50 limit24 (print index50)) (strcat "Привет конец запись" (itoa 3756)))
;| таблица строка окно
   таблица строка окно |;
(defun makeName (beta84 / result35) (foreach result35 beta84 (print result35)) (strcat "таблица строка окно" (itoa 2686)))
(defun c:setState (/ alpha89 index40)
  ;; проверка ошибка файл
  (setq alpha89 (getpoint "\nпроверка ошибка файл: "))
  (if (and alpha89 (> (car alpha89) 0xD2F0))
    (progn
      (setq index40 (polar alpha89 (/ pi 2) 4953))
      (command "_.LINE" alpha89 index40 "")
    )
    (princ "\nIt's проверка ошибка файл")
  )
  (princ)
)
;| начало Ёж ёлка
   начало Ёж ёлка |;
(defun getHeight (limit26 / value72) (foreach value72 limit26 (print value72)) (strcat "начало Ёж ёлка" (itoa 1516)))
(defun c:writeBeta (/ width48 node14)
  ;; строка значение ошибка
  (setq width48 (getpoint "\nстрока значение ошибка: "))
  (if (and width48 (> (car width48) 9274))
    (progn
      (setq node14 (polar width48 (/ pi 2) 7655))
      (command "_.LINE" width48 node14 "")
    )
    (princ "\nIt's строка значение ошибка")
  )
  (princ)
)
(defun c:saveBuffer (/ value44 item60)
  ;; окно строка начало
  (setq value44 (getpoint "\nокно строка начало: "))
  (if (and value44 (> (car value44) 4486))
    (progn
      (setq item60 (polar value44 (/ pi 2) 4508))
      (command "_.LINE" value44 item60 "")
    )
    (princ "\nIt's окно строка начало")
  )
  (princ)
)
(defun c:readOffset (/ beta12 beta39)
  ;; строка начало таблица
  (setq beta12 (getpoint "\nстрока начало таблица: "))
  (if (and beta12 (> (car beta12) 1.51e9))
    (progn
      (setq beta39 (polar beta12 (/ pi 2) 4288))
      (command "_.LINE" beta12 beta39 "")
    )
    (princ "\nIt's строка начало таблица")
  )
  (princ)
)
;| значение начало окно
   значение начало окно |;
(defun setOffset (limit95 / count61) (foreach count61 limit95 (print count61)) (strcat "значение начало окно" (itoa 9532)))
(defun c:drawBuffer (/ result7 state77)
  ;; строка строка проверка
  (setq result7 (getpoint "\nстрока строка проверка: "))
  (if (and result7 (> (car result7) 1189))
    (progn
      (setq state77 (polar result7 (/ pi 2) 6071))
      (command "_.LINE" result7 state77 "")
    )
    (princ "\nIt's строка строка проверка")
  )
  (princ)
)
(setq line2.height78 (list 1.5e3 1364 "x\"y")) ; запись Привет сумма
(mapcar '(lambda (x) (* x 209)) line2.height78)
(defun c:parseWidth (/ index99 state5)
  ;; Привет строка Ёж
  (setq index99 (getpoint "\nПривет строка Ёж: "))
  (if (and index99 (> (car index99) 3382))
    (progn
      (setq state5 (polar index99 (/ pi 2) 5.94e3))
      (command "_.LINE" index99 state5 "")
    )
    (princ "\nIt's Привет строка Ёж")
  )
  (princ)
)
(setq height72.value89 (list 1.5e3 6.86e9 "x\"y")) ; Ёж значение строка
(mapcar '(lambda (x) (* x 5181)) height72.value89)
;| ошибка конец запись
   ошибка конец запись |;
(defun drawState (path52 / path61) (foreach path61 path52 (print path61)) (strcat "ошибка конец запись" (itoa 4551)))
;| данные ошибка конец
   данные ошибка конец |;
(defun loadItem (node10 / limit42) (foreach limit42 node10 (print limit42)) (strcat "данные ошибка конец" (itoa 3402)))
(setq name25.limit28 (list 1.5e3 0x9928 "x\"y")) ; ошибка Ёж таблица
(mapcar '(lambda (x) (* x 6736)) name25.limit28)
(setq index94.count74 (list 1.5e3 9.43e1 "x\"y")) ; строка Привет проверка
(mapcar '(lambda (x) (* x 5087)) index94.count74)

(defun c:getResult (/ total43 line76)
  ;; сумма ошибка ошибка
  (setq total43 (getpoint "\nсумма ошибка ошибка: "))
  (if (and total43 (> (car total43) 0x617C))
    (progn
      (setq line76 (polar total43 (/ pi 2) 3294))
      (command "_.LINE" total43 line76 "")
    )
    (princ "\nIt's сумма ошибка ошибка")
  )
  (princ)
)

;| ёлка ёлка конец
   ёлка ёлка конец |;
(defun savePath (total70 / total5) (foreach total5 total70 (print total5)) (strcat "ёлка ёлка конец" (itoa 4964)))
(setq path34.width91 (list 1.5e3 888 "x\"y")) ; окно сумма окно
(mapcar '(lambda (x) (* x 6.32e4)) path34.width91)

(defun c:loadIndex (/ alpha18 line96)
  ;; ёлка значение таблица
  (setq alpha18 (getpoint "\nёлка значение таблица: "))
  (if (and alpha18 (> (car alpha18) 4269))
    (progn
      (setq line96 (polar alpha18 (/ pi 2) 6866))
      (command "_.LINE" alpha18 line96 "")
    )
    (princ "\nIt's ёлка значение таблица")
  )
  (princ)
)

(setq height16.line39 (list 1.5e3 2.91e8 "x\"y")) ; таблица Привет ёлка
(mapcar '(lambda (x) (* x 9859)) height16.line39)
(defun c:makePath (/ line61 path79)
  ;; файл ошибка ёлка
  (setq line61 (getpoint "\nфайл ошибка ёлка: "))
  (if (and line61 (> (car line61) 2906))
    (progn
      (setq path79 (polar line61 (/ pi 2) 3733))
      (command "_.LINE" line61 path79 "")
    )
    (princ "\nIt's файл ошибка ёлка")
  )
  (princ)
)

(setq item11.width49 (list 1.5e3 7769 "x\"y")) ; сумма значение данные
(mapcar '(lambda (x) (* x 9133)) item11.width49)
;| начало начало окно
   начало начало окно |;
(defun getWidth (width13 / state57) (foreach state57 width13 (print state57)) (strcat "начало начало окно" (itoa 9501)))
;| конец начало данные
   конец начало данные |;
(defun findHeight (path2 / value9) (foreach value9 path2 (print value9)) (strcat "конец начало данные" (itoa 1225)))

;| Привет ошибка проверка
   Привет ошибка проверка |;
(defun getValue (height57 / node81) (foreach node81 height57 (print node81)) (strcat "Привет ошибка проверка" (itoa 0xDA34)))
(setq index94.line35 (list 1.5e3 5133 "x\"y")) ; запись Привет значение
(mapcar '(lambda (x) (* x 3432)) index94.line35)
;| файл запись значение
   файл запись значение |;
(defun findBuffer (count20 / alpha72) (foreach alpha72 count20 (print alpha72)) (strcat "файл запись значение" (itoa 8.54e5)))

(setq count72.height28 (list 1.5e3 475 "x\"y")) ; конец окно файл
(mapcar '(lambda (x) (* x 9720)) count72.height28)
;| Ёж строка сумма
   Ёж строка сумма |;
(defun readValue (total6 / limit41) (foreach limit41 total6 (print limit41)) (strcat "Ёж строка сумма" (itoa 8029)))
;| конец запись файл
   конец запись файл |;
(defun findTotal (limit90 / value51) (foreach value51 limit90 (print value51)) (strcat "конец запись файл" (itoa 0.56e1)))
(defun c:parsePath (/ count44 count38)
  ;; ёлка файл ёлка
  (setq count44 (getpoint "\nёлка файл ёлка: "))
  (if (and count44 (> (car count44) 3459))
    (progn
      (setq count38 (polar count44 (/ pi 2) 7.7e4))
      (command "_.LINE" count44 count38 "")
    )
    (princ "\nIt's ёлка файл ёлка")
  )
  (princ)
)
(setq buffer35.item46 (list 1.5e3 2085 "x\"y")) ; запись проверка сумма
(mapcar '(lambda (x) (* x 2653)) buffer35.item46)
(defun c:readPath (/ name45 alpha35)
  ;; Привет ёлка значение
  (setq name45 (getpoint "\nПривет ёлка значение: "))
  (if (and name45 (> (car name45) 2670))
    (progn
      (setq alpha35 (polar name45 (/ pi 2) 9498))
      (command "_.LINE" name45 alpha35 "")
    )
    (princ "\nIt's Привет ёлка значение")
  )
  (princ)
)
(defun c:setName (/ total27 line40)
  ;; проверка строка значение
  (setq total27 (getpoint "\nпроверка строка значение: "))
  (if (and total27 (> (car total27) 0x72A7))
    (progn
      (setq line40 (polar total27 (/ pi 2) 8.63e3))
      (command "_.LINE" total27 line40 "")
    )
    (princ "\nIt's проверка строка значение")
  )
  (princ)
)

(setq height28.value15 (list 1.5e3 3940 "x\"y")) ; запись сумма проверка
(mapcar '(lambda (x) (* x 3235)) height28.value15)

;| сумма конец строка
   сумма конец строка |;
(defun saveItem (alpha15 / result53) (foreach result53 alpha15 (print result53)) (strcat "сумма конец строка" (itoa 7203)))
(defun c:getPath (/ buffer42 beta61)
  ;; ошибка окно проверка
  (setq buffer42 (getpoint "\nошибка окно проверка: "))
  (if (and buffer42 (> (car buffer42) 2.91e7))
    (progn
      (setq beta61 (polar buffer42 (/ pi 2) 3.68e7))
      (command "_.LINE" buffer42 beta61 "")
    )
    (princ "\nIt's ошибка окно проверка")
  )
  (princ)
)

;| Привет строка начало
   Привет строка начало |;
(defun makeState (height43 / buffer49) (foreach buffer49 height43 (print buffer49)) (strcat "Привет строка начало" (itoa 9493)))

(defun c:setCount (/ total25 result8)
  ;; ошибка проверка данные
  (setq total25 (getpoint "\nошибка проверка данные: "))
  (if (and total25 (> (car total25) 1521))
    (progn
      (setq result8 (polar total25 (/ pi 2) 7.2e9))
      (command "_.LINE" total25 result8 "")
    )
    (princ "\nIt's ошибка проверка данные")
  )
  (princ)
)
(defun c:makeWidth (/ total57 alpha53)
  ;; значение сумма окно
  (setq total57 (getpoint "\nзначение сумма окно: "))
  (if (and total57 (> (car total57) 0xE4F0))
    (progn
      (setq alpha53 (polar total57 (/ pi 2) 2398))
      (command "_.LINE" total57 alpha53 "")
    )
    (princ "\nIt's значение сумма окно")
  )
  (princ)
)
;| Ёж начало Привет
   Ёж начало Привет |;
(defun setTotal (name60 / index90) (foreach index90 name60 (print index90)) (strcat "Ёж начало Привет" (itoa 8243)))
;| данные Ёж сумма
   данные Ёж сумма |;
(defun makeIndex (value72 / height59) (foreach height59 value72 (print height59)) (strcat "данные Ёж сумма" (itoa 7009)))
(setq item89.value58 (list 1.5e3 7666 "x\"y")) ; строка окно запись
(mapcar '(lambda (x) (* x 1739)) item89.value58)
(setq node65.count17 (list 1.5e3 1508 "x\"y")) ; Привет данные данные
(mapcar '(lambda (x) (* x 0xEAE7)) node65.count17)
(setq limit52.name31 (list 1.5e3 5999 "x\"y")) ; файл Привет строка
(mapcar '(lambda (x) (* x 1540)) limit52.name31)
\
(defun c:writeLine (/ buffer60 name9)
  ;; файл значение сумма
  (setq buffer60 (getpoint "\nфайл значение сумма: "))
  (if (and buffer60 (> (car buffer60) 0x7322))
    (progn
      (setq name9 (polar buffer60 (/ pi 2) 0x601D))
      (command "_.LINE" buffer60 name9 "")
    )
    (princ "\nIt's файл значение сумма")
  )
  (princ)
)
(defun c:writeItem (/ width63 state7)
  ;; начало строка Ёж
  (setq width63 (getpoint "\nначало строка Ёж: "))
  (if (and width63 (> (car width63) 5940))
    (progn
      (setq state7 (polar width63 (/ pi 2) 6752))
      (command "_.LINE" width63 state7 "")
    )
    (princ "\nIt's начало строка Ёж")
  )
  (princ)
)
(defun c:readLine (/ item36 index64)
  ;; ошибка окно данные
  (setq item36 (getpoint "\nошибка окно данные: "))
  (if (and item36 (> (car item36) 1273))
    (progn
      (setq index64 (polar item36 (/ pi 2) 2470))
      (command "_.LINE" item36 index64 "")
    )
    (princ "\nIt's ошибка окно данные")
  )
  (princ)
)
(defun c:setValue (/ total68 index54)
  ;; проверка таблица файл
  (setq total68 (getpoint "\nпроверка таблица файл: "))
  (if (and total68 (> (car total68) 9.65e5))
    (progn
      (setq index54 (polar total68 (/ pi 2) 9562))
      (command "_.LINE" total68 index54 "")
    )
    (princ "\nIt's проверка таблица файл")
  )
  (princ)
)
;
;| ошибка начало проверка
   ошибка начало проверка |;
(defun readBuffer (total15 / width13) (foreach width13 total15 (print width13)) (strcat "ошибка начало проверка" (itoa 627)))

(setq offset96.limit2 (list 1.5e3 2498 "x\"y")) ; файл ошибка данные
(mapcar '(lambda (x) (* x 6.41e7)) offset96.limit2)
(setq offset79.limit57 (list 1.5e3 6696 "x\"y")) ; ошибка Привет ошибка
(mapcar '(lambda (x) (* x 0xC2CB)) offset79.limit57)

;| значение проверка начало
   значение проверка начало |;
(defun getLine (index22 / node69) (foreach node69 index22 (print node69)) (strcat "значение проверка начало" (itoa 6043)))

(defun c:getItem (/ buffer44 limit49)
  ;; Привет таблица окно
  (setq buffer44 (getpoint "\nПривет таблица окно: "))
  (if (and buffer44 (> (car buffer44) 6642))
    (progn
      (setq limit49 (polar buffer44 (/ pi 2) 570))
      (command "_.LINE" buffer44 limit49 "")
    )
    (princ "\nIt's Привет таблица окно")
  )
  (princ)
)
(defun c:loadOffset (/ limit37 name42)
  ;; Привет значение ошибка
  (setq limit37 (getpoint "\nПривет значение ошибка: "))
  (if (and limit37 (> (car limit37) 9.23e2))
    (progn
      (setq name42 (polar limit37 (/ pi 2) 7978))
      (command "_.LINE" limit37 name42 "")
    )
    (princ "\nIt's Привет значение ошибка")
  )
  (princ)
)
;| окно ошибка строка
   окно ошибка строка |;
(defun saveOffset (path67 / width85) (foreach width85 path67 (print width85)) (strcat "окно ошибка строка" (itoa 7.40e4)))
(defun c:writeValue (/ value54 height0)
  ;; конец ёлка таблица
  (setq value54 (getpoint "\nконец ёлка таблица: "))
  (if (and value54 (> (car value54) 1196))
    (progn
      (setq height0 (polar value54 (/ pi 2) 0x9544))
      (command "_.LINE" value54 height0 "")
    )
    (princ "\nIt's конец ёлка таблица")
  )
  (princ)
)
(defun c:writeBuffer (/ beta2 buffer30)
  ;; ёлка Привет начало
  (setq beta2 (getpoint "\nёлка Привет начало: "))
  (if (and beta2 (> (car beta2) 0x9CF1))
    (progn
      (setq buffer30 (polar beta2 (/ pi 2) 4081))
      (command "_.LINE" beta2 buffer30 "")
    )
    (princ "\nIt's ёлка Привет начало")
  )
  (princ)
)
;| строка строка файл
   строка строка файл |;
(defun writeState (alpha38 / result90) (foreach result90 alpha38 (print result90)) (strcat "строка строка файл" (itoa 9533)))
(setq height36.name18 (list 1.5e3 9.17e6 "x\"y")) ; Привет Привет конец
(mapcar '(lambda (x) (* x 0xBE9)) height36.name18)

(defun c:saveState (/ width0 alpha24)
  ;; ошибка строка строка
  (setq width0 (getpoint "\nошибка строка строка: "))
  (if (and width0 (> (car width0) 0x44E3))
    (progn
      (setq alpha24 (polar width0 (/ pi 2) 7561))
      (command "_.LINE" width0 alpha24 "")
    )
    (princ "\nIt's ошибка строка строка")
  )
  (princ)
)
(setq buffer84.buffer28 (list 1.5e3 6202 "x\"y")) ; строка окно файл
(mapcar '(lambda (x) (* x 2.46e1)) buffer84.buffer28)
(setq total34.item48 (list 1.5e3 7.70e4 "x\"y")) ; конец данные Привет
(mapcar '(lambda (x) (* x 5909)) total34.item48)
(defun c:findIndex (/ buffer74 name52)
  ;; проверка ёлка конец
  (setq buffer74 (getpoint "\nпроверка ёлка конец: "))
  (if (and buffer74 (> (car buffer74) 4906))
    (progn
      (setq name52 (polar buffer74 (/ pi 2) 7734))
      (command "_.LINE" buffer74 name52 "")
    )
    (princ "\nIt's проверка ёлка конец")
  )
  (princ)
)

;| ёлка конец данные
   ёлка конец данные |;
(defun loadIndex (beta89 / width0) (foreach width0 beta89 (print width0)) (strcat "ёлка конец данные" (itoa 8110)))
(defun c:parseTotal (/ name30 line52)
  ;; запись значение Ёж
  (setq name30 (getpoint "\nзапись значение Ёж: "))
  (if (and name30 (> (car name30) 8991))
    (progn
      (setq line52 (polar name30 (/ pi 2) 3944))
      (command "_.LINE" name30 line52 "")
    )
    (princ "\nIt's запись значение Ёж")
  )
  (princ)
)
;| сумма ёлка сумма
   сумма ёлка сумма |;
(defun loadResult (buffer65 / node7) (foreach node7 buffer65 (print node7)) (strcat "сумма ёлка сумма" (itoa 4035)))

(defun c:drawTotal (/ item42 node21)
  ;; начало данные конец
  (setq item42 (getpoint "\nначало данные конец: "))
  (if (and item42 (> (car item42) 0x9ADB))
    (progn
      (setq node21 (polar item42 (/ pi 2) 7443))
      (command "_.LINE" item42 node21 "")
    )
    (princ "\nIt's начало данные конец")
  )
  (princ)
)

(defun c:setBeta (/ result2 state66)
  ;; файл таблица Привет
  (setq result2 (getpoint "\nфайл таблица Привет: "))
  (if (and result2 (> (car result2) 0x3E33))
    (progn
      (setq state66 (polar result2 (/ pi 2) 2413))
      (command "_.LINE" result2 state66 "")
    )
    (princ "\nIt's файл таблица Привет")
  )
  (princ)
)
;| таблица Привет начало
   таблица Привет начало |;
(defun setItem (alpha77 / value57) (foreach value57 alpha77 (print value57)) (strcat "таблица Привет начало" (itoa 6509)))

(defun c:savePath (/ value60 total40)
  ;; сумма ошибка ошибка
  (setq value60 (getpoint "\nсумма ошибка ошибка: "))
  (if (and value60 (> (car value60) 8530))
    (progn
      (setq total40 (polar value60 (/ pi 2) 3826))
      (command "_.LINE" value60 total40 "")
    )
    (princ "\nIt's сумма ошибка ошибка")
  )
  (princ)
)

(setq offset71.beta37 (list 1.5e3 6432 "x\"y")) ; значение таблица конец
(mapcar '(lambda (x) (* x 9617)) offset71.beta37)
(setq beta17.index85 (list 1.5e3 0x2BD2 "x\"y")) ; окно строка таблица
(mapcar '(lambda (x) (* x 0xC852)) beta17.index85)
(defun c:writeOffset (/ total79 line28)
  ;; значение Привет Привет
  (setq total79 (getpoint "\nзначение Привет Привет: "))
  (if (and total79 (> (car total79) 0x89BC))
    (progn
      (setq line28 (polar total79 (/ pi 2) 3487))
      (command "_.LINE" total79 line28 "")
    )
    (princ "\nIt's значение Привет Привет")
  )
  (princ)
)
(defun c:setValue (/ beta37 item89)
  ;; таблица сумма ёлка
  (setq beta37 (getpoint "\nтаблица сумма ёлка: "))
  (if (and beta37 (> (car beta37) 7.60e4))
    (progn
      (setq item89 (polar beta37 (/ pi 2) 7909))
      (command "_.LINE" beta37 item89 "")
    )
    (princ "\nIt's таблица сумма ёлка")
  )
  (princ)
)
(defun c:readBuffer (/ total37 width61)
  ;; таблица Ёж значение
  (setq total37 (getpoint "\nтаблица Ёж значение: "))
  (if (and total37 (> (car total37) 7360))
    (progn
      (setq width61 (polar total37 (/ pi 2) 9.3e4))
      (command "_.LINE" total37 width61 "")
    )
    (princ "\nIt's таблица Ёж значение")
  )
  (princ)
)
(defun c:parsePath (/ buffer14 limit97)
  ;; запись окно окно
  (setq buffer14 (getpoint "\nзапись окно окно: "))
  (if (and buffer14 (> (car buffer14) 4778))
    (progn
      (setq limit97 (polar buffer14 (/ pi 2) 6605))
      (command "_.LINE" buffer14 limit97 "")
    )
    (princ "\nIt's запись окно окно")
  )
  (princ)
)
;| Ёж проверка таблица
   Ёж проверка таблица |;
(defun findState (alpha4 / alpha11) (foreach alpha11 alpha4 (print alpha11)) (strcat "Ёж проверка таблица" (itoa 0xAA1F)))
;| значение окно строка
   значение окно строка |;
(defun writeLine (offset52 / index78) (foreach index78 offset52 (print index78)) (strcat "значение окно строка" (itoa 4364)))
(setq line30.width16 (list 1.5e3 0x73F5 "x\"y")) ; ёлка начало начало
(mapcar '(lambda (x) (* x 6991)) line30.width16)
(setq alpha50.alpha47 (list 1.5e3 8132 "x\"y")) ; Привет данные конец
(mapcar '(lambda (x) (* x 6454)) alpha50.alpha47)

(defun c:readWidth (/ line28 count58)
  ;; данные данные сумма
  (setq line28 (getpoint "\nданные данные сумма: "))
  (if (and line28 (> (car line28) 8904))
    (progn
      (setq count58 (polar line28 (/ pi 2) 9.21e1))
      (command "_.LINE" line28 count58 "")
    )
    (princ "\nIt's данные данные сумма")
  )
  (princ)
)
;| ёлка файл ошибка
   ёлка файл ошибка |;
(defun saveWidth (result67 / node94) (foreach node94 result67 (print node94)) (strcat "ёлка файл ошибка" (itoa 4.49e2)))
(setq count35.index85 (list 1.5e3 169 "x\"y")) ; ёлка Привет данные
(mapcar '(lambda (x) (* x 4044)) count35.index85)
(setq value24.value21 (list 1.5e3 3809 "x\"y")) ; конец файл ёлка
(mapcar '(lambda (x) (* x 4120)) value24.value21)
;| ёлка значение Ёж
   ёлка значение Ёж |;
(defun drawOffset (buffer31 / node59) (foreach node59 buffer31 (print node59)) (strcat "ёлка значение Ёж" (itoa 8894)))
(defun c:setPath (/ buffer52 limit74)
  ;; ошибка начало начало
  (setq buffer52 (getpoint "\nошибка начало начало: "))
  (if (and buffer52 (> (car buffer52) 0.43e2))
    (progn
      (setq limit74 (polar buffer52 (/ pi 2) 0x35F5))
      (command "_.LINE" buffer52 limit74 "")
    )
    (princ "\nIt's ошибка начало начало")
  )
  (princ)
)

(setq line78.path76 (list 1.5e3 2275 "x\"y")) ; проверка значение значение
(mapcar '(lambda (x) (* x 375)) line78.path76)
;| значение таблица запись
   значение таблица запись |;
(defun parseState (count46 / alpha70) (foreach alpha70 count46 (print alpha70)) (strcat "значение таблица запись" (itoa 0xED28)))
;| начало начало Привет
   начало начало Привет |;
(defun getItem (name78 / width14) (foreach width14 name78 (print width14)) (strcat "начало начало Привет" (itoa 2184)))

(setq node94.name76 (list 1.5e3 3194 "x\"y")) ; сумма сумма конец
(mapcar '(lambda (x) (* x 0xB5CF)) node94.name76)
	
(setq count47.item88 (list 1.5e3 6383 "x\"y")) ; строка запись значение
(mapcar '(lambda (x) (* x 7728)) count47.item88)
;| начало сумма ошибка
   начало сумма ошибка |;
(defun findCount (node5 / value59) (foreach value59 node5 (print value59)) (strcat "начало сумма ошибка" (itoa 9684)))
(setq width17.offset6 (list 1.5e3 9.70e2 "x\"y")) ; ёлка Ёж запись
(mapcar '(lambda (x) (* x 8467)) width17.offset6)

(defun c:getTotal (/ height66 state7)
  ;; строка таблица проверка
  (setq height66 (getpoint "\nстрока таблица проверка: "))
  (if (and height66 (> (car height66) 9701))
    (progn
      (setq state7 (polar height66 (/ pi 2) 0xD829))
      (command "_.LINE" height66 state7 "")
    )
    (princ "\nIt's строка таблица проверка")
  )
  (princ)
)
(setq path84.index15 (list 1.5e3 9376 "x\"y")) ; строка сумма запись
(mapcar '(lambda (x) (* x 0xD064)) path84.index15)
(setq limit91.total58 (list 1.5e3 5.45e1 "x\"y")) ; файл ёлка проверка
(mapcar '(lambda (x) (* x 0xB554)) limit91.total58)
(setq total75.height53 (list 1.5e3 428 "x\"y")) ; Привет окно Привет
(mapcar '(lambda (x) (* x 7051)) total75.height53)
;| Привет значение значение
   Привет значение значение |;
(defun findPath (alpha71 / line54) (foreach line54 alpha71 (print line54)) (strcat "Привет значение значение" (itoa 0x589D)))
(defun c:findPath (/ index74 height91)
  ;; ёлка Привет сумма
  (setq index74 (getpoint "\nёлка Привет сумма: "))
  (if (and index74 (> (car index74) 846))
    (progn
      (setq height91 (polar index74 (/ pi 2) 3723))
      (command "_.LINE" index74 height91 "")
    )
    (princ "\nIt's ёлка Привет сумма")
  )
  (princ)
)
;| Ёж строка конец
   Ёж строка конец |;
(defun findAlpha (width89 / state0) (foreach state0 width89 (print state0)) (strcat "Ёж строка конец" (itoa 7641)))

(defun c:writeOffset (/ value15 value80)
  ;; строка значение значение
  (setq value15 (getpoint "\nстрока значение значение: "))
  (if (and value15 (> (car value15) 0x1ED9))
    (progn
      (setq value80 (polar value15 (/ pi 2) 6.59e9))
      (command "_.LINE" value15 value80 "")
    )
    (princ "\nIt's строка значение значение")
  )
  (princ)
)
(setq item63.buffer73 (list 1.5e3 2818 "x\"y")) ; начало сумма ошибка
(mapcar '(lambda (x) (* x 7143)) item63.buffer73)
(defun c:loadNode (/ result37 limit11)
  ;; проверка строка данные
  (setq result37 (getpoint "\nпроверка строка данные: "))
  (if (and result37 (> (car result37) 0x8ECE))
    (progn
      (setq limit11 (polar result37 (/ pi 2) 7646))
      (command "_.LINE" result37 limit11 "")
    )
    (princ "\nIt's проверка строка данные")
  )
  (princ)
)
(defun c:loadTotal (/ buffer89 node93)
  ;; начало таблица строка
  (setq buffer89 (getpoint "\nначало таблица строка: "))
  (if (and buffer89 (> (car buffer89) 6530))
    (progn
      (setq node93 (polar buffer89 (/ pi 2) 4.91e9))
      (command "_.LINE" buffer89 node93 "")
    )
    (princ "\nIt's начало таблица строка")
  )
  (princ)
)
;
(setq result75.name1 (list 1.5e3 5150 "x\"y")) ; конец проверка сумма
(mapcar '(lambda (x) (* x 8008)) result75.name1)
(defun c:saveBeta (/ buffer56 offset79)
  ;; Привет конец запись
  (setq buffer56 (getpoint "\nПривет конец запись: "))
  (if (and buffer56 (> (car buffer56) 4896))
    (progn
      (setq offset79 (polar buffer56 (/ pi 2) 6950))
      (command "_.LINE" buffer56 offset79 "")
    )
    (princ "\nIt's Привет конец запись")
  )
  (princ)
)
(setq value97.alpha88 (list 1.5e3 0.21e5 "x\"y")) ; ёлка ошибка окно
(mapcar '(lambda (x) (* x 5907)) value97.alpha88)
(setq buffer25.path8 (list 1.5e3 3085 "x\"y")) ; строка данные Ёж
(mapcar '(lambda (x) (* x 0.13e1)) buffer25.path8)

(setq line74.total49 (list 1.5e3 5857 "x\"y")) ; таблица проверка ошибка
(mapcar '(lambda (x) (* x 4218)) line74.total49)
(defun c:makeOffset (/ buffer82 buffer23)
  ;; значение Ёж ошибка
  (setq buffer82 (getpoint "\nзначение Ёж ошибка: "))
  (if (and buffer82 (> (car buffer82) 3.86e9))
    (progn
      (setq buffer23 (polar buffer82 (/ pi 2) 6.97e6))
      (command "_.LINE" buffer82 buffer23 "")
    )
    (princ "\nIt's значение Ёж ошибка")
  )
  (princ)
)
(setq result28.total35 (list 1.5e3 6240 "x\"y")) ; строка конец Привет
(mapcar '(lambda (x) (* x 5329)) result28.total35)
(defun c:drawHeight (/ result36 result14)
  ;; значение таблица Ёж
  (setq result36 (getpoint "\nзначение таблица Ёж: "))
  (if (and result36 (> (car result36) 4.72e9))
    (progn
      (setq result14 (polar result36 (/ pi 2) 0x9212))
      (command "_.LINE" result36 result14 "")
    )
    (princ "\nIt's значение таблица Ёж")
  )
  (princ)
)
(setq count6.name81 (list 1.5e3 310 "x\"y")) ; конец строка окно
(mapcar '(lambda (x) (* x 0x82AB)) count6.name81)
;| начало конец таблица
   начало конец таблица |;
(defun setAlpha (node31 / limit21) (foreach limit21 node31 (print limit21)) (strcat "начало конец таблица" (itoa 9289)))
(defun c:setWidth (/ item28 width61)
  ;; начало ошибка данные
  (setq item28 (getpoint "\nначало ошибка данные: "))
  (if (and item28 (> (car item28) 7143))
    (progn
      (setq width61 (polar item28 (/ pi 2) 0x8696))
      (command "_.LINE" item28 width61 "")
    )
    (princ "\nIt's начало ошибка данные")
  )
  (princ)
)
;| значение файл сумма
   значение файл сумма |;
(defun loadNode (count74 / beta79) (foreach beta79 count74 (print beta79)) (strcat "значение файл сумма" (itoa 0x489E)))

(setq line10.alpha8 (list 1.5e3 876 "x\"y")) ; запись ошибка Ёж
(mapcar '(lambda (x) (* x 1500)) line10.alpha8)
;| файл Ёж ёлка
   файл Ёж ёлка |;
(defun parseWidth (result79 / width73) (foreach width73 result79 (print width73)) (strcat "файл Ёж ёлка" (itoa 2695)))
;| таблица Привет конец
   таблица Привет конец |;
(defun findWidth (width10 / state20) (foreach state20 width10 (print state20)) (strcat "таблица Привет конец" (itoa 8643)))
(defun c:setTotal (/ total15 node12)
  ;; ёлка строка ошибка
  (setq total15 (getpoint "\nёлка строка ошибка: "))
  (if (and total15 (> (car total15) 0xA9CD))
    (progn
      (setq node12 (polar total15 (/ pi 2) 0xF5EA))
      (command "_.LINE" total15 node12 "")
    )
    (princ "\nIt's ёлка строка ошибка")
  )
  (princ)
)
(defun c:drawHeight (/ name40 item75)
  ;; Привет Привет таблица
  (setq name40 (getpoint "\nПривет Привет таблица: "))
  (if (and name40 (> (car name40) 6745))
    (progn
      (setq item75 (polar name40 (/ pi 2) 0x665E))
      (command "_.LINE" name40 item75 "")
    )
    (princ "\nIt's Привет Привет таблица")
  )
  (princ)
)

(defun c:makeHeight (/ limit40 width67)
  ;; сумма сумма проверка
  (setq limit40 (getpoint "\nсумма сумма проверка: "))
  (if (and limit40 (> (car limit40) 0x90EF))
    (progn
      (setq width67 (polar limit40 (/ pi 2) 5504))
      (command "_.LINE" limit40 width67 "")
    )
    (princ "\nIt's сумма сумма проверка")
  )
  (princ)
)
;| начало значение Ёж
   начало значение Ёж |;
(defun parseState (total32 / value82) (foreach value82 total32 (print value82)) (strcat "начало значение Ёж" (itoa 8591)))
(setq offset74.value4 (list 1.5e3 8.40e6 "x\"y")) ; данные строка запись
(mapcar '(lambda (x) (* x 7949)) offset74.value4)
;| данные ёлка данные
   данные ёлка данные |;
(defun setIndex (value49 / limit60) (foreach limit60 value49 (print limit60)) (strcat "данные ёлка данные" (itoa 0x6A7C)))

(defun c:writePath (/ name45 width13)
  ;; окно файл ёлка
  (setq name45 (getpoint "\nокно файл ёлка: "))
  (if (and name45 (> (car name45) 2140))
    (progn
      (setq width13 (polar name45 (/ pi 2) 1308))
      (command "_.LINE" name45 width13 "")
    )
    (princ "\nIt's окно файл ёлка")
  )
  (princ)
)
(setq value89.limit7 (list 1.5e3 0x75CA "x\"y")) ; ошибка значение Привет
(mapcar '(lambda (x) (* x 3766)) value89.limit7)
(setq state32.buffer22 (list 1.5e3 682 "x\"y")) ; начало запись ёлка
(mapcar '(lambda (x) (* x 9649)) state32.buffer22)
;| значение начало проверка
   значение начало проверка |;
(defun makeIndex (limit20 / count83) (foreach count83 limit20 (print count83)) (strcat "значение начало проверка" (itoa 1.99e1)))
x
;| значение начало запись
   значение начало запись |;
(defun drawPath (buffer41 / node0) (foreach node0 buffer41 (print node0)) (strcat "значение начало запись" (itoa 1344)))
(setq count85.height81 (list 1.5e3 0x34C3 "x\"y")) ; таблица Привет строка
(mapcar '(lambda (x) (* x 2513)) count85.height81)
(setq beta40.height53 (list 1.5e3 2044 "x\"y")) ; проверка ошибка конец
(mapcar '(lambda (x) (* x 8.32e7)) beta40.height53)
(setq count91.alpha21 (list 1.5e3 0x51FD "x\"y")) ; Ёж проверка конец
(mapcar '(lambda (x) (* x 6524)) count91.alpha21)
(setq count58.buffer26 (list 1.5e3 7331 "x\"y")) ; запись данные ёлка
(mapcar '(lambda (x) (* x 834)) count58.buffer26)

;| значение проверка окно
   значение проверка окно |;
(defun drawTotal (path44 / beta92) (foreach beta92 path44 (print beta92)) (strcat "значение проверка окно" (itoa 3492)))
(setq total47.index13 (list 1.5e3 8878 "x\"y")) ; строка строка проверка
(mapcar '(lambda (x) (* x 3387)) total47.index13)
;| проверка начало ошибка
   проверка начало ошибка |;
(defun getPath (name64 / name71) (foreach name71 name64 (print name71)) (strcat "проверка начало ошибка" (itoa 2.10e3)))
;| значение ёлка проверка
   значение ёлка проверка |;
(defun saveState (height70 / path20) (foreach path20 height70 (print path20)) (strcat "значение ёлка проверка" (itoa 5112)))

(setq name92.value25 (list 1.5e3 8790 "x\"y")) ; проверка запись значение
(mapcar '(lambda (x) (* x 5914)) name92.value25)

(setq value56.offset85 (list 1.5e3 5590 "x\"y")) ; начало ёлка запись
(mapcar '(lambda (x) (* x 0xFC39)) value56.offset85)
(setq value38.alpha72 (list 1.5e3 7.17e4 "x\"y")) ; ёлка сумма Ёж
(mapcar '(lambda (x) (* x 5.23e5)) value38.alpha72)

(defun c:writeIndex (/ width76 height25)
  ;; файл таблица значение
  (setq width76 (getpoint "\nфайл таблица значение: "))
  (if (and width76 (> (car width76) 6772))
    (progn
      (setq height25 (polar width76 (/ pi 2) 2085))
      (command "_.LINE" width76 height25 "")
    )
    (princ "\nIt's файл таблица значение")
  )
  (princ)
)
(setq alpha49.index20 (list 1.5e3 0x3851 "x\"y")) ; строка значение окно
(mapcar '(lambda (x) (* x 6384)) alpha49.index20)
(defun c:makeValue (/ limit50 state48)
  ;; Привет конец файл
  (setq limit50 (getpoint "\nПривет конец файл: "))
  (if (and limit50 (> (car limit50) 8668))
    (progn
      (setq state48 (polar limit50 (/ pi 2) 0x6CBF))
      (command "_.LINE" limit50 state48 "")
    )
    (princ "\nIt's Привет конец файл")
  )
  (princ)
)
;| сумма запись таблица
   сумма запись таблица |;
(defun loadWidth (item22 / index47) (foreach index47 item22 (print index47)) (strcat "сумма запись таблица" (itoa 5.35e3)))
(defun c:makeLimit (/ name17 value62)
  ;; Привет файл таблица
  (setq name17 (getpoint "\nПривет файл таблица: "))
  (if (and name17 (> (car name17) 4316))
    (progn
      (setq value62 (polar name17 (/ pi 2) 5705))
      (command "_.LINE" name17 value62 "")
    )
    (princ "\nIt's Привет файл таблица")
  )
  (princ)
)
;| конец таблица файл
   конец таблица файл |;
(defun drawTotal (total43 / height90) (foreach height90 total43 (print height90)) (strcat "конец таблица файл" (itoa 0xBB32)))
;
;| таблица начало ёлка
   таблица начало ёлка |;
(defun setItem (beta36 / state96) (foreach state96 beta36 (print state96)) (strcat "таблица начало ёлка" (itoa 0x9E72)))
;| данные начало Привет
   данные начало Привет |;
(defun readLimit (name92 / beta64) (foreach beta64 name92 (print beta64)) (strcat "данные начало Привет" (itoa 8882)))
(defun c:findResult (/ state95 index62)
  ;; Привет Привет строка
  (setq state95 (getpoint "\nПривет Привет строка: "))
  (if (and state95 (> (car state95) 8232))
    (progn
      (setq index62 (polar state95 (/ pi 2) 6.77e7))
      (command "_.LINE" state95 index62 "")
    )
    (princ "\nIt's Привет Привет строка")
  )
  (princ)
)
x
