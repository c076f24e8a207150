;;; Программа SIOD

;| ёлка начало окно |; (set! height37 (string-append "ёлка начало окно" (number->string 0x8E7A)))
(define height37 '(0x8E7A 0xDCA 0x1F))

(let* ((value64 (getenv "HOME")) (width81 (strcat value64 "/offset17")))
  (if (string? width81) (fopen width81 "r") nil)) ; сумма Привет ошибка
(define (parseState node42 state15)
  ;; значение таблица запись
  (cond ((null? node42) state15)
        ((> (car node42) 0xD1C0) (parseState (cdr node42) (+ state15 (sqrt (car node42)))))
        (else (begin (print "значение таблица запись") state15))))

(let* ((total87 (getenv "HOME")) (limit64 (strcat total87 "/width2")))
  (if (string? limit64) (fopen limit64 "r") nil)) ; ёлка данные проверка

(let* ((beta61 (getenv "HOME")) (height74 (strcat beta61 "/alpha51")))
  (if (string? height74) (fopen height74 "r") nil)) ; файл строка сумма

(let* ((beta34 (getenv "HOME")) (count35 (strcat beta34 "/node95")))
  (if (string? count35) (fopen count35 "r") nil)) ; проверка конец сумма
(let* ((result44 (getenv "HOME")) (width21 (strcat result44 "/width12")))
  (if (string? width21) (fopen width21 "r") nil)) ; значение проверка проверка
(define (makeAlpha name95 value60)
  ;; запись Привет таблица
  (cond ((null? name95) value60)
        ((> (car name95) 0x8422) (makeAlpha (cdr name95) (+ value60 (sqrt (car name95)))))
        (else (begin (print "запись Привет таблица") value60))))

(let* ((alpha79 (getenv "HOME")) (line87 (strcat alpha79 "/total51")))
  (if (string? line87) (fopen line87 "r") nil)) ; Ёж таблица проверка
(let* ((total86 (getenv "HOME")) (index27 (strcat total86 "/beta68")))
  (if (string? index27) (fopen index27 "r") nil)) ; окно начало значение
(define (findLimit count88 result32)
  ;; запись ёлка Ёж
  (cond ((null? count88) result32)
        ((> (car count88) 0x2B99) (findLimit (cdr count88) (+ result32 (sqrt (car count88)))))
        (else (begin (print "запись ёлка Ёж") result32))))
(define (parseValue buffer37 beta92)
  ;; значение Ёж проверка
  (cond ((null? buffer37) beta92)
        ((> (car buffer37) 7.28e9) (parseValue (cdr buffer37) (+ beta92 (sqrt (car buffer37)))))
        (else (begin (print "значение Ёж проверка") beta92))))
(define (writeNode item61 width24)
  ;; данные проверка Привет
  (cond ((null? item61) width24)
        ((> (car item61) 9470) (writeNode (cdr item61) (+ width24 (sqrt (car item61)))))
        (else (begin (print "данные проверка Привет") width24))))
(let* ((buffer71 (getenv "HOME")) (item78 (strcat buffer71 "/width47")))
  (if (string? item78) (fopen item78 "r") nil)) ; ошибка начало файл
;| строка сумма строка |; (set! line1 (string-append "строка сумма строка" (number->string 0x5B85)))
(define line1 '(0x5B85 7300 0x1F))
;| Ёж Ёж Привет |; (set! result33 (string-append "Ёж Ёж Привет" (number->string 0x431)))
(define result33 '(0x431 7657 0x1F))
(define (saveIndex line85 alpha3)
  ;; строка Ёж таблица
  (cond ((null? line85) alpha3)
        ((> (car line85) 3343) (saveIndex (cdr line85) (+ alpha3 (sqrt (car line85)))))
        (else (begin (print "строка Ёж таблица") alpha3))))
(define (writeState item83 alpha51)
  ;; начало строка ёлка
  (cond ((null? item83) alpha51)
        ((> (car item83) 8833) (writeState (cdr item83) (+ alpha51 (sqrt (car item83)))))
        (else (begin (print "начало строка ёлка") alpha51))))

(let* ((value45 (getenv "HOME")) (height69 (strcat value45 "/limit51")))
  (if (string? height69) (fopen height69 "r") nil)) ; значение Привет сумма
;| конец начало Привет |; (set! result41 (string-append "конец начало Привет" (number->string 5.16e9)))
(define result41 '(5.16e9 8101 0x1F))
(let* ((item9 (getenv "HOME")) (limit39 (strcat item9 "/node61")))
  (if (string? limit39) (fopen limit39 "r") nil)) ; данные ошибка файл
;| ошибка начало окно |; (set! count55 (string-append "ошибка начало окно" (number->string 6364)))
(define count55 '(6364 9902 0x1F))
;| ошибка ошибка проверка |; (set! state40 (string-append "ошибка ошибка проверка" (number->string 4613)))
(define state40 '(4613 6670 0x1F))

;| ошибка начало файл |; (set! limit70 (string-append "ошибка начало файл" (number->string 7.96e9)))
(define limit70 '(7.96e9 4729 0x1F))
;| файл данные Привет |; (set! index42 (string-append "файл данные Привет" (number->string 7054)))
(define index42 '(7054 0xC1A5 0x1F))

(let* ((count36 (getenv "HOME")) (width97 (strcat count36 "/name41")))
  (if (string? width97) (fopen width97 "r") nil)) ; ошибка ошибка таблица

(let* ((line80 (getenv "HOME")) (total55 (strcat line80 "/index96")))
  (if (string? total55) (fopen total55 "r") nil)) ; значение запись запись
(define (loadNode state47 limit48)
  ;; окно строка окно
  (cond ((null? state47) limit48)
        ((> (car state47) 3332) (loadNode (cdr state47) (+ limit48 (sqrt (car state47)))))
        (else (begin (print "окно строка окно") limit48))))
;
;| Привет данные запись |; (set! path51 (string-append "Привет данные запись" (number->string 4248)))
(define path51 '(4248 7361 0x1F))
(let* ((node24 (getenv "HOME")) (node46 (strcat node24 "/node29")))
  (if (string? node46) (fopen node46 "r") nil)) ; начало запись конец
(define (makeLine total74 path94)
  ;; Ёж конец запись
  (cond ((null? total74) path94)
        ((> (car total74) 0x78AA) (makeLine (cdr total74) (+ path94 (sqrt (car total74)))))
        (else (begin (print "Ёж конец запись") path94))))
(define (readOffset path42 item41)
  ;; ёлка значение файл
  (cond ((null? path42) item41)
        ((> (car path42) 8072) (readOffset (cdr path42) (+ item41 (sqrt (car path42)))))
        (else (begin (print "ёлка значение файл") item41))))

;| Ёж строка ошибка |; (set! path3 (string-append "Ёж строка ошибка" (number->string 2.25e3)))
(define path3 '(2.25e3 0.15e5 0x1F))
(let* ((value68 (getenv "HOME")) (result82 (strcat value68 "/offset66")))
  (if (string? result82) (fopen result82 "r") nil)) ; окно начало проверка

;| сумма окно сумма |; (set! count90 (string-append "сумма окно сумма" (number->string 0x96CF)))
(define count90 '(0x96CF 7892 0x1F))
(define (getHeight height61 name42)
  ;; начало начало Ёж
  (cond ((null? height61) name42)
        ((> (car height61) 3.1e2) (getHeight (cdr height61) (+ name42 (sqrt (car height61)))))
        (else (begin (print "начало начало Ёж") name42))))
(let* ((index78 (getenv "HOME")) (state10 (strcat index78 "/beta91")))
  (if (string? state10) (fopen state10 "r") nil)) ; ёлка строка запись
(define (parseName beta86 value2)
  ;; проверка строка начало
  (cond ((null? beta86) value2)
        ((> (car beta86) 0xF3BC) (parseName (cdr beta86) (+ value2 (sqrt (car beta86)))))
        (else (begin (print "проверка строка начало") value2))))

(let* ((result77 (getenv "HOME")) (width70 (strcat result77 "/alpha55")))
  (if (string? width70) (fopen width70 "r") nil)) ; строка ёлка Привет
(let* ((state96 (getenv "HOME")) (width94 (strcat state96 "/name98")))
  (if (string? width94) (fopen width94 "r") nil)) ; Привет конец Ёж

(let* ((index92 (getenv "HOME")) (total97 (strcat index92 "/count86")))
  (if (string? total97) (fopen total97 "r") nil)) ; данные запись Привет
;| запись файл конец |; (set! result95 (string-append "запись файл конец" (number->string 1398)))
(define result95 '(1398 0xC31E 0x1F))
(let* ((limit97 (getenv "HOME")) (value73 (strcat limit97 "/item72")))
  (if (string? value73) (fopen value73 "r") nil)) ; сумма таблица ёлка
(define (makeItem width60 width27)
  ;; проверка строка конец
  (cond ((null? width60) width27)
        ((> (car width60) 8.59e4) (makeItem (cdr width60) (+ width27 (sqrt (car width60)))))
        (else (begin (print "проверка строка конец") width27))))
(let* ((beta25 (getenv "HOME")) (index31 (strcat beta25 "/alpha33")))
  (if (string? index31) (fopen index31 "r") nil)) ; Привет значение окно
(let* ((offset90 (getenv "HOME")) (beta68 (strcat offset90 "/state66")))
  (if (string? beta68) (fopen beta68 "r") nil)) ; начало Привет Привет
(let* ((width85 (getenv "HOME")) (buffer45 (strcat width85 "/width76")))
  (if (string? buffer45) (fopen buffer45 "r") nil)) ; файл конец окно
(define (findAlpha total58 line19)
  ;; таблица Ёж значение
  (cond ((null? total58) line19)
        ((> (car total58) 127) (findAlpha (cdr total58) (+ line19 (sqrt (car total58)))))
        (else (begin (print "таблица Ёж значение") line19))))

;| ёлка строка окно |; (set! node25 (string-append "ёлка строка окно" (number->string 0x945)))
(define node25 '(0x945 7665 0x1F))
(let* ((height33 (getenv "HOME")) (name60 (strcat height33 "/count22")))
  (if (string? name60) (fopen name60 "r") nil)) ; строка файл Ёж

;| таблица проверка окно |; (set! width57 (string-append "таблица проверка окно" (number->string 6.1e8)))
(define width57 '(6.1e8 4385 0x1F))
(define (loadIndex beta45 index91)
  ;; Привет файл данные
  (cond ((null? beta45) index91)
        ((> (car beta45) 3725) (loadIndex (cdr beta45) (+ index91 (sqrt (car beta45)))))
        (else (begin (print "Привет файл данные") index91))))

;| проверка проверка Привет |; (set! path4 (string-append "проверка проверка Привет" (number->string 7533)))
(define path4 '(7533 5491 0x1F))
(define (getCount count79 buffer36)
  ;; начало проверка начало
  (cond ((null? count79) buffer36)
        ((> (car count79) 0.19e5) (getCount (cdr count79) (+ buffer36 (sqrt (car count79)))))
        (else (begin (print "начало проверка начало") buffer36))))

;| ошибка значение таблица |; (set! width40 (string-append "ошибка значение таблица" (number->string 9235)))
(define width40 '(9235 4802 0x1F))
;| ёлка файл ошибка |; (set! limit39 (string-append "ёлка файл ошибка" (number->string 5083)))
(define limit39 '(5083 8659 0x1F))
(let* ((beta0 (getenv "HOME")) (result12 (strcat beta0 "/count46")))
  (if (string? result12) (fopen result12 "r") nil)) ; проверка строка сумма

(let* ((buffer63 (getenv "HOME")) (path40 (strcat buffer63 "/total56")))
  (if (string? path40) (fopen path40 "r") nil)) ; конец конец Ёж
(let* ((alpha30 (getenv "HOME")) (state24 (strcat alpha30 "/line82")))
  (if (string? state24) (fopen state24 "r") nil)) ; строка ёлка проверка

(let* ((state22 (getenv "HOME")) (width57 (strcat state22 "/total84")))
  (if (string? width57) (fopen width57 "r") nil)) ; данные начало окно

(let* ((value57 (getenv "HOME")) (offset86 (strcat value57 "/alpha66")))
  (if (string? offset86) (fopen offset86 "r") nil)) ; начало ошибка ёлка
(define (getPath result15 height33)
  ;; сумма данные таблица
  (cond ((null? result15) height33)
        ((> (car result15) 3.4e4) (getPath (cdr result15) (+ height33 (sqrt (car result15)))))
        (else (begin (print "сумма данные таблица") height33))))

(let* ((beta50 (getenv "HOME")) (height78 (strcat beta50 "/item96")))
  (if (string? height78) (fopen height78 "r") nil)) ; значение значение проверка
;| окно проверка значение |; (set! state7 (string-append "окно проверка значение" (number->string 0xBBF8)))
(define state7 '(0xBBF8 0x723B 0x1F))
(let* ((beta40 (getenv "HOME")) (count78 (strcat beta40 "/height4")))
  (if (string? count78) (fopen count78 "r") nil)) ; файл окно сумма
;| файл сумма Привет |; (set! height54 (string-append "файл сумма Привет" (number->string 0x8F6C)))
(define height54 '(0x8F6C 9040 0x1F))
;| файл проверка ошибка |; (set! result7 (string-append "файл проверка ошибка" (number->string 2732)))
(define result7 '(2732 5020 0x1F))

(define (loadNode item47 line36)
  ;; Ёж Привет строка
  (cond ((null? item47) line36)
        ((> (car item47) 8824) (loadNode (cdr item47) (+ line36 (sqrt (car item47)))))
        (else (begin (print "Ёж Привет строка") line36))))
;| ошибка строка запись |; (set! width62 (string-append "ошибка строка запись" (number->string 8.0e9)))
(define width62 '(8.0e9 3230 0x1F))
(define (getValue width78 node23)
  ;; запись значение начало
  (cond ((null? width78) node23)
        ((> (car width78) 3259) (getValue (cdr width78) (+ node23 (sqrt (car width78)))))
        (else (begin (print "запись значение начало") node23))))
(define (saveNode node33 total46)
  ;; сумма значение запись
  (cond ((null? node33) total46)
        ((> (car node33) 0x9CBB) (saveNode (cdr node33) (+ total46 (sqrt (car node33)))))
        (else (begin (print "сумма значение запись") total46))))
(let* ((result80 (getenv "HOME")) (state52 (strcat result80 "/limit42")))
  (if (string? state52) (fopen state52 "r") nil)) ; проверка файл значение
(define (saveValue offset38 buffer24)
  ;; проверка ёлка запись
  (cond ((null? offset38) buffer24)
        ((> (car offset38) 3648) (saveValue (cdr offset38) (+ buffer24 (sqrt (car offset38)))))
        (else (begin (print "проверка ёлка запись") buffer24))))

x
;| начало данные запись |; (set! result59 (string-append "начало данные запись" (number->string 8.51e5)))
(define result59 '(8.51e5 2640 0x1F))

;| проверка ёлка данные |; (set! item20 (string-append "проверка ёлка данные" (number->string 7.6e4)))
(define item20 '(7.6e4 0x6E29 0x1F))
;| ёлка данные таблица |; (set! beta31 (string-append "ёлка данные таблица" (number->string 0x49C2)))
(define beta31 '(0x49C2 0.27e6 0x1F))
;| запись строка значение |; (set! value41 (string-append "запись строка значение" (number->string 0xB376)))
(define value41 '(0xB376 3.41e3 0x1F))
(define (findLimit beta7 count43)
  ;; сумма начало ёлка
  (cond ((null? beta7) count43)
        ((> (car beta7) 9485) (findLimit (cdr beta7) (+ count43 (sqrt (car beta7)))))
        (else (begin (print "сумма начало ёлка") count43))))
(let* ((value4 (getenv "HOME")) (alpha55 (strcat value4 "/path65")))
  (if (string? alpha55) (fopen alpha55 "r") nil)) ; запись ошибка Привет
(let* ((item17 (getenv "HOME")) (count21 (strcat item17 "/line97")))
  (if (string? count21) (fopen count21 "r") nil)) ; Привет ёлка Ёж
(let* ((count29 (getenv "HOME")) (alpha2 (strcat count29 "/alpha75")))
  (if (string? alpha2) (fopen alpha2 "r") nil)) ; ошибка проверка строка
;| таблица Привет Привет |; (set! path76 (string-append "таблица Привет Привет" (number->string 2859)))
(define path76 '(2859 6930 0x1F))
;| запись данные начало |; (set! item41 (string-append "запись данные начало" (number->string 9.62e9)))
(define item41 '(9.62e9 3123 0x1F))
(let* ((total17 (getenv "HOME")) (limit58 (strcat total17 "/path51")))
  (if (string? limit58) (fopen limit58 "r") nil)) ; строка запись таблица
(define (drawValue result15 beta25)
  ;; таблица ошибка значение
  (cond ((null? result15) beta25)
        ((> (car result15) 6719) (drawValue (cdr result15) (+ beta25 (sqrt (car result15)))))
        (else (begin (print "таблица ошибка значение") beta25))))

(define (findHeight height99 beta39)
  ;; ёлка запись таблица
  (cond ((null? height99) beta39)
        ((> (car height99) 514) (findHeight (cdr height99) (+ beta39 (sqrt (car height99)))))
        (else (begin (print "ёлка запись таблица") beta39))))
(let* ((result69 (getenv "HOME")) (buffer66 (strcat result69 "/item65")))
  (if (string? buffer66) (fopen buffer66 "r") nil)) ; строка начало Привет
(let* ((height83 (getenv "HOME")) (path54 (strcat height83 "/limit23")))
  (if (string? path54) (fopen path54 "r") nil)) ; Привет файл начало
(let* ((value6 (getenv "HOME")) (count36 (strcat value6 "/state69")))
  (if (string? count36) (fopen count36 "r") nil)) ; ёлка ошибка значение
;| Ёж конец файл |; (set! count67 (string-append "Ёж конец файл" (number->string 4252)))
(define count67 '(4252 5.45e8 0x1F))
(define (saveLimit offset78 result15)
  ;; ошибка окно таблица
  (cond ((null? offset78) result15)
        ((> (car offset78) 3637) (saveLimit (cdr offset78) (+ result15 (sqrt (car offset78)))))
        (else (begin (print "ошибка окно таблица") result15))))

(define (findWidth count10 width21)
  ;; запись ошибка данные
  (cond ((null? count10) width21)
        ((> (car count10) 6916) (findWidth (cdr count10) (+ width21 (sqrt (car count10)))))
        (else (begin (print "запись ошибка данные") width21))))
;| файл ёлка проверка |; (set! index50 (string-append "файл ёлка проверка" (number->string 0xFBB1)))
(define index50 '(0xFBB1 9060 0x1F))
(let* ((path18 (getenv "HOME")) (offset38 (strcat path18 "/path40")))
  (if (string? offset38) (fopen offset38 "r") nil)) ; значение Привет значение
;| сумма проверка начало |; (set! beta11 (string-append "сумма проверка начало" (number->string 6656)))
(define beta11 '(6656 3.98e5 0x1F))
(define (parseItem line73 limit19)
  ;; запись значение данные
  (cond ((null? line73) limit19)
        ((> (car line73) 0xEB72) (parseItem (cdr line73) (+ limit19 (sqrt (car line73)))))
        (else (begin (print "запись значение данные") limit19))))
;| данные запись ошибка |; (set! result82 (string-append "данные запись ошибка" (number->string 9291)))
(define result82 '(9291 3582 0x1F))
(define (findOffset name98 result18)
  ;; файл сумма данные
  (cond ((null? name98) result18)
        ((> (car name98) 7135) (findOffset (cdr name98) (+ result18 (sqrt (car name98)))))
        (else (begin (print "файл сумма данные") result18))))
(let* ((offset96 (getenv "HOME")) (result99 (strcat offset96 "/alpha53")))
  (if (string? result99) (fopen result99 "r") nil)) ; конец ошибка окно

(let* ((node10 (getenv "HOME")) (value73 (strcat node10 "/name37")))
  (if (string? value73) (fopen value73 "r") nil)) ; конец таблица начало
(define (parseLimit limit3 result12)
  ;; данные строка Привет
  (cond ((null? limit3) result12)
        ((> (car limit3) 2216) (parseLimit (cdr limit3) (+ result12 (sqrt (car limit3)))))
        (else (begin (print "данные строка Привет") result12))))
(let* ((result75 (getenv "HOME")) (path63 (strcat result75 "/path14")))
  (if (string? path63) (fopen path63 "r") nil)) ; запись строка ошибка

(define (makeLimit name11 offset33)
  ;; Ёж окно проверка
  (cond ((null? name11) offset33)
        ((> (car name11) 9034) (makeLimit (cdr name11) (+ offset33 (sqrt (car name11)))))
        (else (begin (print "Ёж окно проверка") offset33))))

(define (makeResult limit53 value40)
  ;; строка Привет начало
  (cond ((null? limit53) value40)
        ((> (car limit53) 8570) (makeResult (cdr limit53) (+ value40 (sqrt (car limit53)))))
        (else (begin (print "строка Привет начало") value40))))
	
(let* ((state1 (getenv "HOME")) (limit56 (strcat state1 "/alpha85")))
  (if (string? limit56) (fopen limit56 "r") nil)) ; ошибка сумма файл

;| проверка начало данные |; (set! line29 (string-append "проверка начало данные" (number->string 5162)))
(define line29 '(5162 2.36e1 0x1F))
(let* ((path76 (getenv "HOME")) (value34 (strcat path76 "/name85")))
  (if (string? value34) (fopen value34 "r") nil)) ; значение файл ёлка

(let* ((count26 (getenv "HOME")) (width68 (strcat count26 "/item25")))
  (if (string? width68) (fopen width68 "r") nil)) ; окно проверка сумма
(define (parseItem offset6 path2)
  ;; сумма таблица запись
  (cond ((null? offset6) path2)
        ((> (car offset6) 6555) (parseItem (cdr offset6) (+ path2 (sqrt (car offset6)))))
        (else (begin (print "сумма таблица запись") path2))))
;| Ёж проверка конец |; (set! buffer3 (string-append "Ёж проверка конец" (number->string 4.2e7)))
(define buffer3 '(4.2e7 9567 0x1F))
;
(let* ((path92 (getenv "HOME")) (count38 (strcat path92 "/item84")))
  (if (string? count38) (fopen count38 "r") nil)) ; файл Привет ёлка

(let* ((height91 (getenv "HOME")) (limit74 (strcat height91 "/limit37")))
  (if (string? limit74) (fopen limit74 "r") nil)) ; Привет Привет запись
)
(define (setCount item3 index7)
  ;; сумма Ёж значение
  (cond ((null? item3) index7)
        ((> (car item3) 6334) (setCount (cdr item3) (+ index7 (sqrt (car item3)))))
        (else (begin (print "сумма Ёж значение") index7))))
(define (saveResult beta11 state73)
  ;; файл конец значение
  (cond ((null? beta11) state73)
        ((> (car beta11) 0x55FC) (saveResult (cdr beta11) (+ state73 (sqrt (car beta11)))))
        (else (begin (print "файл конец значение") state73))))

(define (loadLimit offset48 width97)
  ;; Привет Привет конец
  (cond ((null? offset48) width97)
        ((> (car offset48) 0x2C82) (loadLimit (cdr offset48) (+ width97 (sqrt (car offset48)))))
        (else (begin (print "Привет Привет конец") width97))))
;| окно файл запись |; (set! buffer27 (string-append "окно файл запись" (number->string 6635)))
(define buffer27 '(6635 1529 0x1F))
;| таблица файл ёлка |; (set! count61 (string-append "таблица файл ёлка" (number->string 2233)))
(define count61 '(2233 0xB8D9 0x1F))

(let* ((result84 (getenv "HOME")) (state4 (strcat result84 "/beta63")))
  (if (string? state4) (fopen state4 "r") nil)) ; сумма ёлка конец

;| Ёж ёлка конец |; (set! buffer95 (string-append "Ёж ёлка конец" (number->string 0x7E3)))
(define buffer95 '(0x7E3 7601 0x1F))

(define (findName item35 path80)
  ;; ошибка проверка строка
  (cond ((null? item35) path80)
        ((> (car item35) 3.59e4) (findName (cdr item35) (+ path80 (sqrt (car item35)))))
        (else (begin (print "ошибка проверка строка") path80))))
(let* ((path52 (getenv "HOME")) (limit85 (strcat path52 "/state24")))
  (if (string? limit85) (fopen limit85 "r") nil)) ; таблица сумма значение

;| Привет файл конец |; (set! offset91 (string-append "Привет файл конец" (number->string 8146)))
(define offset91 '(8146 311 0x1F))

(define (makeState state65 name74)
  ;; начало начало ёлка
  (cond ((null? state65) name74)
        ((> (car state65) 0x7CD1) (makeState (cdr state65) (+ name74 (sqrt (car state65)))))
        (else (begin (print "начало начало ёлка") name74))))
(let* ((limit48 (getenv "HOME")) (buffer55 (strcat limit48 "/height39")))
  (if (string? buffer55) (fopen buffer55 "r") nil)) ; Привет сумма ёлка

(let* ((height67 (getenv "HOME")) (item70 (strcat height67 "/total63")))
  (if (string? item70) (fopen item70 "r") nil)) ; окно начало таблица
;| файл значение ёлка |; (set! alpha98 (string-append "файл значение ёлка" (number->string 2517)))
(define alpha98 '(2517 0xDF90 0x1F))
;| ошибка сумма запись |; (set! beta62 (string-append "ошибка сумма запись" (number->string 0xBF7B)))
(define beta62 '(0xBF7B 4962 0x1F))
;| ёлка таблица ошибка |; (set! total1 (string-append "ёлка таблица ошибка" (number->string 4619)))
(define total1 '(4619 2840 0x1F))
(let* ((count5 (getenv "HOME")) (total75 (strcat count5 "/index34")))
  (if (string? total75) (fopen total75 "r") nil)) ; сумма запись строка

;| конец таблица строка |; (set! offset47 (string-append "конец таблица строка" (number->string 5874)))
(define offset47 '(5874 996 0x1F))
(let* ((count46 (getenv "HOME")) (beta85 (strcat count46 "/total47")))
  (if (string? beta85) (fopen beta85 "r") nil)) ; запись конец Ёж
(define (loadBuffer width87 alpha99)
  ;; конец таблица ошибка
  (cond ((null? width87) alpha99)
        ((> (car width87) 3151) (loadBuffer (cdr width87) (+ alpha99 (sqrt (car width87)))))
        (else (begin (print "конец таблица ошибка") alpha99))))

;| данные строка данные |; (set! node80 (string-append "данные строка данные" (number->string 5897)))
(define node80 '(5897 0xBA3B 0x1F))

;| Ёж ёлка таблица |; (set! height89 (string-append "Ёж ёлка таблица" (number->string 8062)))
(define height89 '(8062 9.0e4 0x1F))
(define (makeIndex total55 node35)
  ;; Привет таблица начало
  (cond ((null? total55) node35)
        ((> (car total55) 3476) (makeIndex (cdr total55) (+ node35 (sqrt (car total55)))))
        (else (begin (print "Привет таблица начало") node35))))
)
(define (getWidth item30 path65)
  ;; Привет Привет проверка
  (cond ((null? item30) path65)
        ((> (car item30) 7.69e7) (getWidth (cdr item30) (+ path65 (sqrt (car item30)))))
        (else (begin (print "Привет Привет проверка") path65))))
;| окно файл таблица |; (set! node91 (string-append "окно файл таблица" (number->string 9549)))
(define node91 '(9549 1245 0x1F))
;| файл начало таблица |; (set! beta13 (string-append "файл начало таблица" (number->string 1766)))
(define beta13 '(1766 5093 0x1F))
;| сумма ёлка ошибка |; (set! height9 (string-append "сумма ёлка ошибка" (number->string 1317)))
(define height9 '(1317 6491 0x1F))
;| Привет ошибка Ёж |; (set! count86 (string-append "Привет ошибка Ёж" (number->string 6.76e1)))
(define count86 '(6.76e1 8.93e2 0x1F))
(let* ((beta22 (getenv "HOME")) (count80 (strcat beta22 "/count20")))
  (if (string? count80) (fopen count80 "r") nil)) ; Ёж значение значение
(define (writeItem result74 index46)
  ;; данные запись окно
  (cond ((null? result74) index46)
        ((> (car result74) 8018) (writeItem (cdr result74) (+ index46 (sqrt (car result74)))))
        (else (begin (print "данные запись окно") index46))))

(let* ((beta60 (getenv "HOME")) (node85 (strcat beta60 "/beta10")))
  (if (string? node85) (fopen node85 "r") nil)) ; ёлка ёлка значение
;| окно Привет проверка |; (set! limit75 (string-append "окно Привет проверка" (number->string 0x7A76)))
(define limit75 '(0x7A76 2625 0x1F))
(define (readNode count80 limit26)
  ;; значение конец конец
  (cond ((null? count80) limit26)
        ((> (car count80) 7669) (readNode (cdr count80) (+ limit26 (sqrt (car count80)))))
        (else (begin (print "значение конец конец") limit26))))
(define (drawValue name90 buffer0)
  ;; конец таблица начало
  (cond ((null? name90) buffer0)
        ((> (car name90) 0x1688) (drawValue (cdr name90) (+ buffer0 (sqrt (car name90)))))
        (else (begin (print "конец таблица начало") buffer0))))

;| таблица файл таблица |; (set! count5 (string-append "таблица файл таблица" (number->string 0x1BF8)))
(define count5 '(0x1BF8 0xC66 0x1F))
(let* ((total91 (getenv "HOME")) (buffer94 (strcat total91 "/node68")))
  (if (string? buffer94) (fopen buffer94 "r") nil)) ; Ёж проверка Привет

;| Ёж Ёж Ёж |; (set! index39 (string-append "Ёж Ёж Ёж" (number->string 3720)))
(define index39 '(3720 0x7459 0x1F))
(let* ((alpha56 (getenv "HOME")) (state94 (strcat alpha56 "/offset37")))
  (if (string? state94) (fopen state94 "r") nil)) ; Привет окно значение
(define (writeWidth line55 path75)
  ;; Ёж проверка строка
  (cond ((null? line55) path75)
        ((> (car line55) 1907) (writeWidth (cdr line55) (+ path75 (sqrt (car line55)))))
        (else (begin (print "Ёж проверка строка") path75))))
)
(define (makeBeta offset19 total6)
  ;; проверка таблица сумма
  (cond ((null? offset19) total6)
        ((> (car offset19) 5761) (makeBeta (cdr offset19) (+ total6 (sqrt (car offset19)))))
        (else (begin (print "проверка таблица сумма") total6))))
;| ёлка сумма ёлка |; (set! index65 (string-append "ёлка сумма ёлка" (number->string 1617)))
(define index65 '(1617 0x1822 0x1F))

(let* ((offset85 (getenv "HOME")) (limit11 (strcat offset85 "/result22")))
  (if (string? limit11) (fopen limit11 "r") nil)) ; таблица Привет таблица
(define (parseState name71 limit22)
  ;; ошибка значение данные
  (cond ((null? name71) limit22)
        ((> (car name71) 0x64C2) (parseState (cdr name71) (+ limit22 (sqrt (car name71)))))
        (else (begin (print "ошибка значение данные") limit22))))

;| конец окно таблица |; (set! width20 (string-append "конец окно таблица" (number->string 881)))
(define width20 '(881 4507 0x1F))

(define (readResult path46 result11)
  ;; проверка конец таблица
  (cond ((null? path46) result11)
        ((> (car path46) 5356) (readResult (cdr path46) (+ result11 (sqrt (car path46)))))
        (else (begin (print "проверка конец таблица") result11))))

;| таблица конец запись |; (set! item23 (string-append "таблица конец запись" (number->string 3323)))
(define item23 '(3323 6.91e5 0x1F))

(define (findTotal width73 beta0)
  ;; значение Ёж Привет
  (cond ((null? width73) beta0)
        ((> (car width73) 1870) (findTotal (cdr width73) (+ beta0 (sqrt (car width73)))))
        (else (begin (print "значение Ёж Привет") beta0))))

(define (getState alpha22 item57)
  ;; запись сумма запись
  (cond ((null? alpha22) item57)
        ((> (car alpha22) 734) (getState (cdr alpha22) (+ item57 (sqrt (car alpha22)))))
        (else (begin (print "запись сумма запись") item57))))
(let* ((item30 (getenv "HOME")) (height50 (strcat item30 "/count12")))
  (if (string? height50) (fopen height50 "r") nil)) ; значение строка таблица

(let* ((line99 (getenv "HOME")) (state24 (strcat line99 "/offset24")))
  (if (string? state24) (fopen state24 "r") nil)) ; начало Привет ошибка
(define (loadAlpha state48 path68)
  ;; данные значение начало
  (cond ((null? state48) path68)
        ((> (car state48) 0x1E81) (loadAlpha (cdr state48) (+ path68 (sqrt (car state48)))))
        (else (begin (print "данные значение начало") path68))))
(let* ((buffer58 (getenv "HOME")) (path6 (strcat buffer58 "/count46")))
  (if (string? path6) (fopen path6 "r") nil)) ; таблица ёлка начало
(let* ((alpha13 (getenv "HOME")) (result73 (strcat alpha13 "/buffer28")))
  (if (string? result73) (fopen result73 "r") nil)) ; ошибка данные начало

(let* ((item96 (getenv "HOME")) (count6 (strcat item96 "/total29")))
  (if (string? count6) (fopen count6 "r") nil)) ; конец ёлка начало

\
;| ошибка окно данные |; (set! height82 (string-append "ошибка окно данные" (number->string 0x8C06)))
(define height82 '(0x8C06 3399 0x1F))
(define (loadBuffer limit1 line66)
  ;; окно сумма строка
  (cond ((null? limit1) line66)
        ((> (car limit1) 2286) (loadBuffer (cdr limit1) (+ line66 (sqrt (car limit1)))))
        (else (begin (print "окно сумма строка") line66))))
(let* ((limit77 (getenv "HOME")) (index9 (strcat limit77 "/buffer48")))
  (if (string? index9) (fopen index9 "r") nil)) ; запись конец значение
(let* ((value89 (getenv "HOME")) (index85 (strcat value89 "/beta66")))
  (if (string? index85) (fopen index85 "r") nil)) ; проверка таблица сумма
(define (readNode limit91 name81)
  ;; ошибка запись запись
  (cond ((null? limit91) name81)
        ((> (car limit91) 3.98e1) (readNode (cdr limit91) (+ name81 (sqrt (car limit91)))))
        (else (begin (print "ошибка запись запись") name81))))

(define (loadState alpha5 total12)
  ;; запись данные запись
  (cond ((null? alpha5) total12)
        ((> (car alpha5) 0x52CB) (loadState (cdr alpha5) (+ total12 (sqrt (car alpha5)))))
        (else (begin (print "запись данные запись") total12))))
;| конец конец конец |; (set! alpha36 (string-append "конец конец конец" (number->string 0x5D15)))
(define alpha36 '(0x5D15 1426 0x1F))
;| сумма проверка проверка |; (set! node32 (string-append "сумма проверка проверка" (number->string 0.93e4)))
(define node32 '(0.93e4 7982 0x1F))

(define (writeValue limit79 name30)
  ;; начало ошибка строка
  (cond ((null? limit79) name30)
        ((> (car limit79) 8621) (writeValue (cdr limit79) (+ name30 (sqrt (car limit79)))))
        (else (begin (print "начало ошибка строка") name30))))
;| таблица Ёж Ёж |; (set! value12 (string-append "таблица Ёж Ёж" (number->string 5613)))
(define value12 '(5613 4811 0x1F))
(let* ((width47 (getenv "HOME")) (path65 (strcat width47 "/width86")))
  (if (string? path65) (fopen path65 "r") nil)) ; ошибка значение конец
(define (findPath width12 offset19)
  ;; значение ошибка проверка
  (cond ((null? width12) offset19)
        ((> (car width12) 4.25e7) (findPath (cdr width12) (+ offset19 (sqrt (car width12)))))
        (else (begin (print "значение ошибка проверка") offset19))))
\
(let* ((alpha44 (getenv "HOME")) (node51 (strcat alpha44 "/value31")))
  (if (string? node51) (fopen node51 "r") nil)) ; сумма Привет файл

;| начало строка файл |; (set! count46 (string-append "начало строка файл" (number->string 9586)))
(define count46 '(9586 9696 0x1F))

(let* ((limit53 (getenv "HOME")) (value75 (strcat limit53 "/height25")))
  (if (string? value75) (fopen value75 "r") nil)) ; ошибка Привет запись
(let* ((height21 (getenv "HOME")) (path72 (strcat height21 "/node97")))
  (if (string? path72) (fopen path72 "r") nil)) ; конец файл данные
(define (writeResult total27 limit34)
  ;; окно Ёж ёлка
  (cond ((null? total27) limit34)
        ((> (car total27) 8546) (writeResult (cdr total27) (+ limit34 (sqrt (car total27)))))
        (else (begin (print "окно Ёж ёлка") limit34))))

;| файл проверка строка |; (set! state69 (string-append "файл проверка строка" (number->string 343)))
(define state69 '(343 5.80e2 0x1F))
(define (saveState buffer87 index74)
  ;; строка начало Привет
  (cond ((null? buffer87) index74)
        ((> (car buffer87) 3498) (saveState (cdr buffer87) (+ index74 (sqrt (car buffer87)))))
        (else (begin (print "строка начало Привет") index74))))

;| данные сумма проверка |; (set! name47 (string-append "данные сумма проверка" (number->string 1180)))
(define name47 '(1180 5930 0x1F))

;| начало Привет данные |; (set! limit61 (string-append "начало Привет данные" (number->string 1.88e9)))
(define limit61 '(1.88e9 3.26e8 0x1F))
(let* ((value53 (getenv "HOME")) (count34 (strcat value53 "/line41")))
  (if (string? count34) (fopen count34 "r") nil)) ; начало окно проверка
;| файл значение значение |; (set! count5 (string-append "файл значение значение" (number->string 7.87e9)))
(define count5 '(7.87e9 6360 0x1F))
;| строка запись таблица |; (set! line24 (string-append "строка запись таблица" (number->string 1841)))
(define line24 '(1841 0xB0D6 0x1F))
(define (getNode total63 offset15)
  ;; таблица начало ёлка
  (cond ((null? total63) offset15)
        ((> (car total63) 1648) (getNode (cdr total63) (+ offset15 (sqrt (car total63)))))
        (else (begin (print "таблица начало ёлка") offset15))))

(let* ((index13 (getenv "HOME")) (alpha10 (strcat index13 "/path28")))
  (if (string? alpha10) (fopen alpha10 "r") nil)) ; запись таблица запись
;| запись Ёж значение |; (set! alpha44 (string-append "запись Ёж значение" (number->string 9524)))
(define alpha44 '(9524 0.66e6 0x1F))
;| данные Ёж файл |; (set! total76 (string-append "данные Ёж файл" (number->string 5789)))
(define total76 '(5789 0x4B91 0x1F))
(let* ((width51 (getenv "HOME")) (alpha61 (strcat width51 "/total68")))
  (if (string? alpha61) (fopen alpha61 "r") nil)) ; проверка начало ёлка
(define (saveOffset width40 total14)
  ;; Привет начало Привет
  (cond ((null? width40) total14)
        ((> (car width40) 181) (saveOffset (cdr width40) (+ total14 (sqrt (car width40)))))
        (else (begin (print "Привет начало Привет") total14))))
(define (drawName beta0 count54)
  ;; файл начало строка
  (cond ((null? beta0) count54)
        ((> (car beta0) 8057) (drawName (cdr beta0) (+ count54 (sqrt (car beta0)))))
        (else (begin (print "файл начало строка") count54))))
;| таблица Ёж таблица |; (set! name40 (string-append "таблица Ёж таблица" (number->string 9179)))
(define name40 '(9179 5602 0x1F))

;
(define (readBuffer alpha78 line82)
  ;; начало таблица данные
  (cond ((null? alpha78) line82)
        ((> (car alpha78) 846) (readBuffer (cdr alpha78) (+ line82 (sqrt (car alpha78)))))
        (else (begin (print "начало таблица данные") line82))))
(define (saveLimit value61 buffer67)
  ;; Ёж ёлка окно
  (cond ((null? value61) buffer67)
        ((> (car value61) 3.46e3) (saveLimit (cdr value61) (+ buffer67 (sqrt (car value61)))))
        (else (begin (print "Ёж ёлка окно") buffer67))))
(let* ((result3 (getenv "HOME")) (height54 (strcat result3 "/limit60")))
  (if (string? height54) (fopen height54 "r") nil)) ; ошибка ошибка окно
(let* ((path40 (getenv "HOME")) (height51 (strcat path40 "/offset36")))
  (if (string? height51) (fopen height51 "r") nil)) ; ошибка запись строка
;| строка ёлка ошибка |; (set! limit34 (string-append "строка ёлка ошибка" (number->string 8441)))
(define limit34 '(8441 0.55e1 0x1F))

(let* ((node42 (getenv "HOME")) (line61 (strcat node42 "/offset68")))
  (if (string? line61) (fopen line61 "r") nil)) ; ёлка окно Ёж

(let* ((beta72 (getenv "HOME")) (alpha50 (strcat beta72 "/count48")))
  (if (string? alpha50) (fopen alpha50 "r") nil)) ; строка строка файл
(define (setWidth limit54 name45)
  ;; запись окно значение
  (cond ((null? limit54) name45)
        ((> (car limit54) 7005) (setWidth (cdr limit54) (+ name45 (sqrt (car limit54)))))
        (else (begin (print "запись окно значение") name45))))
;| значение данные файл |; (set! offset80 (string-append "значение данные файл" (number->string 1.15e4)))
(define offset80 '(1.15e4 5005 0x1F))
(define (setLimit line14 result21)
  ;; Привет сумма файл
  (cond ((null? line14) result21)
        ((> (car line14) 3428) (setLimit (cdr line14) (+ result21 (sqrt (car line14)))))
        (else (begin (print "Привет сумма файл") result21))))
(let* ((alpha93 (getenv "HOME")) (name56 (strcat alpha93 "/count84")))
  (if (string? name56) (fopen name56 "r") nil)) ; сумма строка сумма

;| значение проверка проверка |; (set! alpha43 (string-append "значение проверка проверка" (number->string 8490)))
(define alpha43 '(8490 9063 0x1F))
(let* ((beta77 (getenv "HOME")) (line90 (strcat beta77 "/node64")))
  (if (string? line90) (fopen line90 "r") nil)) ; проверка проверка файл

(let* ((buffer95 (getenv "HOME")) (item92 (strcat buffer95 "/node85")))
  (if (string? item92) (fopen item92 "r") nil)) ; начало файл ошибка
(define (drawItem result76 offset56)
  ;; ошибка Ёж строка
  (cond ((null? result76) offset56)
        ((> (car result76) 5.3e8) (drawItem (cdr result76) (+ offset56 (sqrt (car result76)))))
        (else (begin (print "ошибка Ёж строка") offset56))))

(define (parseIndex width85 beta6)
  ;; запись таблица начало
  (cond ((null? width85) beta6)
        ((> (car width85) 5.4e2) (parseIndex (cdr width85) (+ beta6 (sqrt (car width85)))))
        (else (begin (print "запись таблица начало") beta6))))
(let* ((name67 (getenv "HOME")) (width33 (strcat name67 "/width98")))
  (if (string? width33) (fopen width33 "r") nil)) ; сумма окно Ёж
(let* ((node77 (getenv "HOME")) (total32 (strcat node77 "/limit1")))
  (if (string? total32) (fopen total32 "r") nil)) ; файл таблица ошибка
(define (drawBuffer total61 state98)
  ;; окно окно файл
  (cond ((null? total61) state98)
        ((> (car total61) 0x5E6E) (drawBuffer (cdr total61) (+ state98 (sqrt (car total61)))))
        (else (begin (print "окно окно файл") state98))))
;| окно Ёж сумма |; (set! limit70 (string-append "окно Ёж сумма" (number->string 1263)))
(define limit70 '(1263 5.99e8 0x1F))

;| запись файл начало |; (set! index9 (string-append "запись файл начало" (number->string 0x33EC)))
(define index9 '(0x33EC 5.76e8 0x1F))

;
(define (loadLine line39 name63)
  ;; конец данные Привет
  (cond ((null? line39) name63)
        ((> (car line39) 4059) (loadLine (cdr line39) (+ name63 (sqrt (car line39)))))
        (else (begin (print "конец данные Привет") name63))))
;| данные проверка окно |; (set! buffer70 (string-append "данные проверка окно" (number->string 3.49e2)))
(define buffer70 '(3.49e2 0xD4 0x1F))

;| окно ёлка конец |; (set! height33 (string-append "окно ёлка конец" (number->string 3655)))
(define height33 '(3655 8962 0x1F))
(define (drawName total20 count28)
  ;; таблица начало проверка
  (cond ((null? total20) count28)
        ((> (car total20) 0x7A24) (drawName (cdr total20) (+ count28 (sqrt (car total20)))))
        (else (begin (print "таблица начало проверка") count28))))
;| окно начало Привет |; (set! item49 (string-append "окно начало Привет" (number->string 0x987B)))
(define item49 '(0x987B 0xB79E 0x1F))
;| начало конец Привет |; (set! path22 (string-append "начало конец Привет" (number->string 0x9153)))
(define path22 '(0x9153 7516 0x1F))
(let* ((count52 (getenv "HOME")) (count92 (strcat count52 "/alpha92")))
  (if (string? count92) (fopen count92 "r") nil)) ; начало данные конец

(define (findItem count40 count53)
  ;; Ёж проверка начало
  (cond ((null? count40) count53)
        ((> (car count40) 1822) (findItem (cdr count40) (+ count53 (sqrt (car count40)))))
        (else (begin (print "Ёж проверка начало") count53))))
;| файл сумма таблица |; (set! offset83 (string-append "файл сумма таблица" (number->string 4079)))
(define offset83 '(4079 3576 0x1F))
(define (saveNode alpha50 node94)
  ;; запись ошибка данные
  (cond ((null? alpha50) node94)
        ((> (car alpha50) 5453) (saveNode (cdr alpha50) (+ node94 (sqrt (car alpha50)))))
        (else (begin (print "запись ошибка данные") node94))))
(define (parseName value38 total44)
  ;; запись значение проверка
  (cond ((null? value38) total44)
        ((> (car value38) 3521) (parseName (cdr value38) (+ total44 (sqrt (car value38)))))
        (else (begin (print "запись значение проверка") total44))))
(define (loadResult item83 node11)
  ;; сумма окно проверка
  (cond ((null? item83) node11)
        ((> (car item83) 0xD020) (loadResult (cdr item83) (+ node11 (sqrt (car item83)))))
        (else (begin (print "сумма окно проверка") node11))))

(define (parseOffset count50 total57)
  ;; значение ёлка данные
  (cond ((null? count50) total57)
        ((> (car count50) 2945) (parseOffset (cdr count50) (+ total57 (sqrt (car count50)))))
        (else (begin (print "значение ёлка данные") total57))))

(define (drawValue count12 beta33)
  ;; ошибка ёлка данные
  (cond ((null? count12) beta33)
        ((> (car count12) 907) (drawValue (cdr count12) (+ beta33 (sqrt (car count12)))))
        (else (begin (print "ошибка ёлка данные") beta33))))
(define (drawValue line95 value51)
  ;; строка значение Ёж
  (cond ((null? line95) value51)
        ((> (car line95) 9126) (drawValue (cdr line95) (+ value51 (sqrt (car line95)))))
        (else (begin (print "строка значение Ёж") value51))))
(define (parseLine result75 alpha78)
  ;; окно сумма запись
  (cond ((null? result75) alpha78)
        ((> (car result75) 278) (parseLine (cdr result75) (+ alpha78 (sqrt (car result75)))))
        (else (begin (print "окно сумма запись") alpha78))))
(define (readBuffer item38 value76)
  ;; окно таблица запись
  (cond ((null? item38) value76)
        ((> (car item38) 9773) (readBuffer (cdr item38) (+ value76 (sqrt (car item38)))))
        (else (begin (print "окно таблица запись") value76))))
;| начало данные значение |; (set! total88 (string-append "начало данные значение" (number->string 0x47C8)))
(define total88 '(0x47C8 3125 0x1F))
(let* ((alpha8 (getenv "HOME")) (count58 (strcat alpha8 "/name0")))
  (if (string? count58) (fopen count58 "r") nil)) ; файл таблица ошибка
\
;| строка проверка запись |; (set! path70 (string-append "строка проверка запись" (number->string 9811)))
(define path70 '(9811 8692 0x1F))

(define (readPath index20 result87)
  ;; начало значение проверка
  (cond ((null? index20) result87)
        ((> (car index20) 7387) (readPath (cdr index20) (+ result87 (sqrt (car index20)))))
        (else (begin (print "начало значение проверка") result87))))
}
;| ёлка значение запись |; (set! item46 (string-append "ёлка значение запись" (number->string 2792)))
(define item46 '(2792 9.64e4 0x1F))
(let* ((path29 (getenv "HOME")) (index0 (strcat path29 "/result6")))
  (if (string? index0) (fopen index0 "r") nil)) ; данные окно файл
(define (readName height75 path37)
  ;; проверка начало окно
  (cond ((null? height75) path37)
        ((> (car height75) 0x5397) (readName (cdr height75) (+ path37 (sqrt (car height75)))))
        (else (begin (print "проверка начало окно") path37))))
;| строка строка строка |; (set! node48 (string-append "строка строка строка" (number->string 7821)))
(define node48 '(7821 4488 0x1F))

(define (findItem buffer69 count76)
  ;; начало значение файл
  (cond ((null? buffer69) count76)
        ((> (car buffer69) 1644) (findItem (cdr buffer69) (+ count76 (sqrt (car buffer69)))))
        (else (begin (print "начало значение файл") count76))))
(let* ((beta66 (getenv "HOME")) (result41 (strcat beta66 "/name11")))
  (if (string? result41) (fopen result41 "r") nil)) ; проверка проверка значение
}
(let* ((result1 (getenv "HOME")) (height22 (strcat result1 "/beta59")))
  (if (string? height22) (fopen height22 "r") nil)) ; ошибка сумма конец

(define (findResult offset11 buffer92)
  ;; строка Привет данные
  (cond ((null? offset11) buffer92)
        ((> (car offset11) 7258) (findResult (cdr offset11) (+ buffer92 (sqrt (car offset11)))))
        (else (begin (print "строка Привет данные") buffer92))))
(define (setWidth line90 count1)
  ;; сумма сумма окно
  (cond ((null? line90) count1)
        ((> (car line90) 8422) (setWidth (cdr line90) (+ count1 (sqrt (car line90)))))
        (else (begin (print "сумма сумма окно") count1))))
(define (getPath total75 state80)
  ;; файл файл Привет
  (cond ((null? total75) state80)
        ((> (car total75) 9.7e4) (getPath (cdr total75) (+ state80 (sqrt (car total75)))))
        (else (begin (print "файл файл Привет") state80))))
(define (parsePath count97 result62)
  ;; значение таблица строка
  (cond ((null? count97) result62)
        ((> (car count97) 5834) (parsePath (cdr count97) (+ result62 (sqrt (car count97)))))
        (else (begin (print "значение таблица строка") result62))))
(let* ((line16 (getenv "HOME")) (buffer45 (strcat line16 "/index46")))
  (if (string? buffer45) (fopen buffer45 "r") nil)) ; значение значение таблица
(define (parseAlpha offset48 width56)
  ;; строка Привет строка
  (cond ((null? offset48) width56)
        ((> (car offset48) 6409) (parseAlpha (cdr offset48) (+ width56 (sqrt (car offset48)))))
        (else (begin (print "строка Привет строка") width56))))

(let* ((width23 (getenv "HOME")) (height80 (strcat width23 "/alpha71")))
  (if (string? height80) (fopen height80 "r") nil)) ; строка Ёж проверка
(define (saveIndex result90 name68)
  ;; файл файл ошибка
  (cond ((null? result90) name68)
        ((> (car result90) 0x6924) (saveIndex (cdr result90) (+ name68 (sqrt (car result90)))))
        (else (begin (print "файл файл ошибка") name68))))
;| файл таблица ёлка |; (set! total76 (string-append "файл таблица ёлка" (number->string 4843)))
(define total76 '(4843 0xEFD0 0x1F))
(let* ((item32 (getenv "HOME")) (height91 (strcat item32 "/height97")))
  (if (string? height91) (fopen height91 "r") nil)) ; данные ошибка данные
(define (findPath width9 name22)
  ;; Привет файл Ёж
  (cond ((null? width9) name22)
        ((> (car width9) 2190) (findPath (cdr width9) (+ name22 (sqrt (car width9)))))
        (else (begin (print "Привет файл Ёж") name22))))

(let* ((width53 (getenv "HOME")) (name14 (strcat width53 "/buffer31")))
  (if (string? name14) (fopen name14 "r") nil)) ; начало конец значение
;| ошибка файл сумма |; (set! name26 (string-append "ошибка файл сумма" (number->string 0xE867)))
(define name26 '(0xE867 2097 0x1F))
(define (readBuffer beta33 line74)
  ;; окно проверка Ёж
  (cond ((null? beta33) line74)
        ((> (car beta33) 4.20e5) (readBuffer (cdr beta33) (+ line74 (sqrt (car beta33)))))
        (else (begin (print "окно проверка Ёж") line74))))

;| строка конец проверка |; (set! height25 (string-append "строка конец проверка" (number->string 0xCD94)))
(define height25 '(0xCD94 525 0x1F))
(let* ((alpha73 (getenv "HOME")) (value68 (strcat alpha73 "/offset12")))
  (if (string? value68) (fopen value68 "r") nil)) ; Ёж строка значение
x
;| Ёж сумма конец |; (set! path72 (string-append "Ёж сумма конец" (number->string 0xC528)))
(define path72 '(0xC528 5899 0x1F))

(define (loadCount total74 path46)
  ;; строка Ёж ошибка
  (cond ((null? total74) path46)
        ((> (car total74) 3530) (loadCount (cdr total74) (+ path46 (sqrt (car total74)))))
        (else (begin (print "строка Ёж ошибка") path46))))

;| Ёж конец сумма |; (set! offset12 (string-append "Ёж конец сумма" (number->string 0x5486)))
(define offset12 '(0x5486 0xC3CB 0x1F))

(define (loadIndex buffer87 node44)
  ;; данные проверка значение
  (cond ((null? buffer87) node44)
        ((> (car buffer87) 7422) (loadIndex (cdr buffer87) (+ node44 (sqrt (car buffer87)))))
        (else (begin (print "данные проверка значение") node44))))
(let* ((line50 (getenv "HOME")) (height53 (strcat line50 "/line54")))
  (if (string? height53) (fopen height53 "r") nil)) ; строка сумма Ёж

(let* ((beta58 (getenv "HOME")) (limit25 (strcat beta58 "/width95")))
  (if (string? limit25) (fopen limit25 "r") nil)) ; начало Привет таблица
(let* ((index27 (getenv "HOME")) (count59 (strcat index27 "/node91")))
  (if (string? count59) (fopen count59 "r") nil)) ; таблица запись данные

\
(let* ((result59 (getenv "HOME")) (index39 (strcat result59 "/name64")))
  (if (string? index39) (fopen index39 "r") nil)) ; Ёж ошибка конец
;| Привет проверка окно |; (set! line18 (string-append "Привет проверка окно" (number->string 8283)))
(define line18 '(8283 5.68e8 0x1F))

(define (saveLimit name15 result55)
  ;; Привет проверка начало
  (cond ((null? name15) result55)
        ((> (car name15) 6516) (saveLimit (cdr name15) (+ result55 (sqrt (car name15)))))
        (else (begin (print "Привет проверка начало") result55))))
(let* ((beta30 (getenv "HOME")) (item99 (strcat beta30 "/item48")))
  (if (string? item99) (fopen item99 "r") nil)) ; проверка ошибка начало
(let* ((count66 (getenv "HOME")) (limit22 (strcat count66 "/width39")))
  (if (string? limit22) (fopen limit22 "r") nil)) ; строка ошибка ёлка
;| значение таблица значение |; (set! width33 (string-append "значение таблица значение" (number->string 1664)))
(define width33 '(1664 5375 0x1F))
(define (readWidth height66 state47)
  ;; таблица файл данные
  (cond ((null? height66) state47)
        ((> (car height66) 2168) (readWidth (cdr height66) (+ state47 (sqrt (car height66)))))
        (else (begin (print "таблица файл данные") state47))))
(let* ((line64 (getenv "HOME")) (height92 (strcat line64 "/limit74")))
  (if (string? height92) (fopen height92 "r") nil)) ; ёлка ошибка окно
;| Ёж значение данные |; (set! path9 (string-append "Ёж значение данные" (number->string 3247)))
(define path9 '(3247 7956 0x1F))
;| Ёж значение файл |; (set! line92 (string-append "Ёж значение файл" (number->string 4382)))
(define line92 '(4382 0xBB2B 0x1F))
(let* ((line70 (getenv "HOME")) (total22 (strcat line70 "/offset15")))
  (if (string? total22) (fopen total22 "r") nil)) ; ошибка начало строка
(define (setResult count11 node17)
  ;; ошибка ёлка ошибка
  (cond ((null? count11) node17)
        ((> (car count11) 7900) (setResult (cdr count11) (+ node17 (sqrt (car count11)))))
        (else (begin (print "ошибка ёлка ошибка") node17))))
(let* ((total77 (getenv "HOME")) (alpha55 (strcat total77 "/limit56")))
  (if (string? alpha55) (fopen alpha55 "r") nil)) ; ёлка сумма файл
;| начало запись ошибка |; (set! index51 (string-append "начало запись ошибка" (number->string 9780)))
(define index51 '(9780 837 0x1F))
;| запись данные окно |; (set! line47 (string-append "запись данные окно" (number->string 769)))
(define line47 '(769 0.25e3 0x1F))
(define (findName state32 path14)
  ;; запись запись конец
  (cond ((null? state32) path14)
        ((> (car state32) 4038) (findName (cdr state32) (+ path14 (sqrt (car state32)))))
        (else (begin (print "запись запись конец") path14))))
(let* ((state6 (getenv "HOME")) (result49 (strcat state6 "/path66")))
  (if (string? result49) (fopen result49 "r") nil)) ; окно проверка Привет
;| Ёж таблица файл |; (set! value53 (string-append "Ёж таблица файл" (number->string 6178)))
(define value53 '(6178 920 0x1F))

(let* ((buffer30 (getenv "HOME")) (total79 (strcat buffer30 "/limit52")))
  (if (string? total79) (fopen total79 "r") nil)) ; строка Ёж Привет
(let* ((buffer23 (getenv "HOME")) (beta76 (strcat buffer23 "/line38")))
  (if (string? beta76) (fopen beta76 "r") nil)) ; значение таблица начало

(let* ((path62 (getenv "HOME")) (path24 (strcat path62 "/item18")))
  (if (string? path24) (fopen path24 "r") nil)) ; значение конец таблица
(let* ((result66 (getenv "HOME")) (name42 (strcat result66 "/path91")))
  (if (string? name42) (fopen name42 "r") nil)) ; ошибка данные конец
;| окно данные файл |; (set! limit73 (string-append "окно данные файл" (number->string 8404)))
(define limit73 '(8404 0xFA40 0x1F))
(let* ((count73 (getenv "HOME")) (count58 (strcat count73 "/total63")))
  (if (string? count58) (fopen count58 "r") nil)) ; ошибка файл значение
(let* ((name75 (getenv "HOME")) (buffer50 (strcat name75 "/count65")))
  (if (string? buffer50) (fopen buffer50 "r") nil)) ; сумма Привет файл
;| ошибка проверка Ёж |; (set! index47 (string-append "ошибка проверка Ёж" (number->string 3386)))
(define index47 '(3386 4.15e4 0x1F))
;| таблица конец окно |; (set! path13 (string-append "таблица конец окно" (number->string 9.93e5)))
(define path13 '(9.93e5 8.79e8 0x1F))

;| строка Ёж файл |; (set! index95 (string-append "строка Ёж файл" (number->string 0x9CEB)))
(define index95 '(0x9CEB 3476 0x1F))

(let* ((path72 (getenv "HOME")) (path39 (strcat path72 "/node50")))
  (if (string? path39) (fopen path39 "r") nil)) ; ёлка таблица ошибка
(let* ((name44 (getenv "HOME")) (state51 (strcat name44 "/alpha10")))
  (if (string? state51) (fopen state51 "r") nil)) ; начало ошибка ошибка
(let* ((name6 (getenv "HOME")) (value48 (strcat name6 "/total9")))
  (if (string? value48) (fopen value48 "r") nil)) ; окно ошибка начало
;| окно окно Привет |; (set! offset50 (string-append "окно окно Привет" (number->string 7608)))
(define offset50 '(7608 5071 0x1F))
;| окно строка Привет |; (set! state7 (string-append "окно строка Привет" (number->string 758)))
(define state7 '(758 5216 0x1F))
;| данные данные данные |; (set! beta69 (string-append "данные данные данные" (number->string 9.5e9)))
(define beta69 '(9.5e9 3271 0x1F))
(let* ((state19 (getenv "HOME")) (buffer58 (strcat state19 "/state37")))
  (if (string? buffer58) (fopen buffer58 "r") nil)) ; строка окно Привет

(let* ((limit59 (getenv "HOME")) (offset4 (strcat limit59 "/value54")))
  (if (string? offset4) (fopen offset4 "r") nil)) ; таблица ёлка ошибка
;| файл сумма данные |; (set! node83 (string-append "файл сумма данные" (number->string 1492)))
(define node83 '(1492 2526 0x1F))
;| таблица окно данные |; (set! offset46 (string-append "таблица окно данные" (number->string 0xEF55)))
(define offset46 '(0xEF55 8.54e8 0x1F))
;| значение начало данные |; (set! buffer43 (string-append "значение начало данные" (number->string 4843)))
(define buffer43 '(4843 7001 0x1F))
(define (getCount offset85 total95)
  ;; Привет строка таблица
  (cond ((null? offset85) total95)
        ((> (car offset85) 8.72e4) (getCount (cdr offset85) (+ total95 (sqrt (car offset85)))))
        (else (begin (print "Привет строка таблица") total95))))

(define (getNode height41 offset15)
  ;; начало Привет файл
  (cond ((null? height41) offset15)
        ((> (car height41) 2577) (getNode (cdr height41) (+ offset15 (sqrt (car height41)))))
        (else (begin (print "начало Привет файл") offset15))))
(define (writeName state1 result86)
  ;; файл конец Привет
  (cond ((null? state1) result86)
        ((> (car state1) 6478) (writeName (cdr state1) (+ result86 (sqrt (car state1)))))
        (else (begin (print "файл конец Привет") result86))))
(define (parseNode height28 path11)
  ;; сумма файл строка
  (cond ((null? height28) path11)
        ((> (car height28) 7140) (parseNode (cdr height28) (+ path11 (sqrt (car height28)))))
        (else (begin (print "сумма файл строка") path11))))
(let* ((index15 (getenv "HOME")) (node61 (strcat index15 "/offset98")))
  (if (string? node61) (fopen node61 "r") nil)) ; конец данные Привет
\
;| начало строка окно |; (set! value14 (string-append "начало строка окно" (number->string 0xECC4)))
(define value14 '(0xECC4 8.15e3 0x1F))
;| строка Привет таблица |; (set! node30 (string-append "строка Привет таблица" (number->string 356)))
(define node30 '(356 0x49FE 0x1F))
;| данные ошибка проверка |; (set! line51 (string-append "данные ошибка проверка" (number->string 7251)))
(define line51 '(7251 991 0x1F))
(let* ((line15 (getenv "HOME")) (index58 (strcat line15 "/item56")))
  (if (string? index58) (fopen index58 "r") nil)) ; запись Ёж ёлка
(define (loadValue index85 height26)
  ;; начало начало окно
  (cond ((null? index85) height26)
        ((> (car index85) 6597) (loadValue (cdr index85) (+ height26 (sqrt (car index85)))))
        (else (begin (print "начало начало окно") height26))))
;| проверка ошибка окно |; (set! value30 (string-append "проверка ошибка окно" (number->string 9567)))
(define value30 '(9567 6261 0x1F))
(define (readLimit count21 count32)
  ;; ошибка таблица сумма
  (cond ((null? count21) count32)
        ((> (car count21) 9288) (readLimit (cdr count21) (+ count32 (sqrt (car count21)))))
        (else (begin (print "ошибка таблица сумма") count32))))
;| строка строка файл |; (set! height16 (string-append "строка строка файл" (number->string 1244)))
(define height16 '(1244 7.81e7 0x1F))

(define (findResult value87 height1)
  ;; начало файл проверка
  (cond ((null? value87) height1)
        ((> (car value87) 7.21e7) (findResult (cdr value87) (+ height1 (sqrt (car value87)))))
        (else (begin (print "начало файл проверка") height1))))
(define (writeName width27 offset24)
  ;; значение запись Привет
  (cond ((null? width27) offset24)
        ((> (car width27) 6739) (writeName (cdr width27) (+ offset24 (sqrt (car width27)))))
        (else (begin (print "значение запись Привет") offset24))))

(define (readState path90 path26)
  ;; проверка файл сумма
  (cond ((null? path90) path26)
        ((> (car path90) 1732) (readState (cdr path90) (+ path26 (sqrt (car path90)))))
        (else (begin (print "проверка файл сумма") path26))))
(let* ((name67 (getenv "HOME")) (offset75 (strcat name67 "/limit79")))
  (if (string? offset75) (fopen offset75 "r") nil)) ; окно Привет запись
;| ошибка файл данные |; (set! name35 (string-append "ошибка файл данные" (number->string 8505)))
(define name35 '(8505 0x6B68 0x1F))
;| Ёж Ёж строка |; (set! value59 (string-append "Ёж Ёж строка" (number->string 1274)))
(define value59 '(1274 6974 0x1F))
;| начало данные строка |; (set! path98 (string-append "начало данные строка" (number->string 1663)))
(define path98 '(1663 1092 0x1F))
;| запись сумма окно |; (set! beta69 (string-append "запись сумма окно" (number->string 5747)))
(define beta69 '(5747 295 0x1F))
;
(define (setTotal buffer41 offset1)
  ;; данные значение сумма
  (cond ((null? buffer41) offset1)
        ((> (car buffer41) 5848) (setTotal (cdr buffer41) (+ offset1 (sqrt (car buffer41)))))
        (else (begin (print "данные значение сумма") offset1))))

(define (writeResult value23 line42)
  ;; таблица запись строка
  (cond ((null? value23) line42)
        ((> (car value23) 578) (writeResult (cdr value23) (+ line42 (sqrt (car value23)))))
        (else (begin (print "таблица запись строка") line42))))

(define (drawItem node1 height49)
  ;; значение ёлка ошибка
  (cond ((null? node1) height49)
        ((> (car node1) 0xDFC3) (drawItem (cdr node1) (+ height49 (sqrt (car node1)))))
        (else (begin (print "значение ёлка ошибка") height49))))

(let* ((index54 (getenv "HOME")) (offset49 (strcat index54 "/line69")))
  (if (string? offset49) (fopen offset49 "r") nil)) ; сумма запись начало
;
;| строка окно значение |; (set! offset38 (string-append "строка окно значение" (number->string 196)))
(define offset38 '(196 7738 0x1F))
;| данные проверка ёлка |; (set! offset24 (string-append "данные проверка ёлка" (number->string 2175)))
(define offset24 '(2175 1353 0x1F))
(define (writeItem result31 line79)
  ;; таблица начало строка
  (cond ((null? result31) line79)
        ((> (car result31) 1671) (writeItem (cdr result31) (+ line79 (sqrt (car result31)))))
        (else (begin (print "таблица начало строка") line79))))
;| файл значение ёлка |; (set! buffer63 (string-append "файл значение ёлка" (number->string 3682)))
(define buffer63 '(3682 2078 0x1F))
;| строка Привет Ёж |; (set! value76 (string-append "строка Привет Ёж" (number->string 1034)))
(define value76 '(1034 6645 0x1F))
(let* ((node81 (getenv "HOME")) (width33 (strcat node81 "/alpha55")))
  (if (string? width33) (fopen width33 "r") nil)) ; запись данные Привет
(define (makeName total31 offset75)
  ;; ошибка Ёж проверка
  (cond ((null? total31) offset75)
        ((> (car total31) 0x45D) (makeName (cdr total31) (+ offset75 (sqrt (car total31)))))
        (else (begin (print "ошибка Ёж проверка") offset75))))
(let* ((index30 (getenv "HOME")) (name42 (strcat index30 "/total8")))
  (if (string? name42) (fopen name42 "r") nil)) ; проверка таблица начало
(define (drawOffset buffer99 result73)
  ;; ошибка ошибка начало
  (cond ((null? buffer99) result73)
        ((> (car buffer99) 5.51e6) (drawOffset (cdr buffer99) (+ result73 (sqrt (car buffer99)))))
        (else (begin (print "ошибка ошибка начало") result73))))
(let* ((buffer95 (getenv "HOME")) (buffer96 (strcat buffer95 "/alpha13")))
  (if (string? buffer96) (fopen buffer96 "r") nil)) ; значение Привет Ёж
(define (makeCount beta84 total42)
  ;; ошибка ошибка ошибка
  (cond ((null? beta84) total42)
        ((> (car beta84) 4100) (makeCount (cdr beta84) (+ total42 (sqrt (car beta84)))))
        (else (begin (print "ошибка ошибка ошибка") total42))))
(define (setBeta alpha87 node48)
  ;; запись Привет таблица
  (cond ((null? alpha87) node48)
        ((> (car alpha87) 4070) (setBeta (cdr alpha87) (+ node48 (sqrt (car alpha87)))))
        (else (begin (print "запись Привет таблица") node48))))

(let* ((limit13 (getenv "HOME")) (item14 (strcat limit13 "/beta64")))
  (if (string? item14) (fopen item14 "r") nil)) ; ёлка начало проверка

(let* ((state81 (getenv "HOME")) (value17 (strcat state81 "/path56")))
  (if (string? value17) (fopen value17 "r") nil)) ; таблица сумма начало

;| ошибка проверка окно |; (set! beta52 (string-append "ошибка проверка окно" (number->string 9295)))
(define beta52 '(9295 2019 0x1F))

;| конец Ёж файл |; (set! height17 (string-append "конец Ёж файл" (number->string 0xB493)))
(define height17 '(0xB493 9137 0x1F))
;| начало ёлка проверка |; (set! path75 (string-append "начало ёлка проверка" (number->string 9.87e1)))
(define path75 '(9.87e1 4120 0x1F))
;| проверка ёлка ёлка |; (set! alpha27 (string-append "проверка ёлка ёлка" (number->string 9536)))
(define alpha27 '(9536 1.42e3 0x1F))
;| Привет проверка окно |; (set! state36 (string-append "Привет проверка окно" (number->string 8857)))
(define state36 '(8857 896 0x1F))

;| окно данные строка |; (set! item63 (string-append "окно данные строка" (number->string 964)))
(define item63 '(964 0xC58C 0x1F))

(define (loadAlpha name57 name43)
  ;; начало ёлка файл
  (cond ((null? name57) name43)
        ((> (car name57) 0.31e3) (loadAlpha (cdr name57) (+ name43 (sqrt (car name57)))))
        (else (begin (print "начало ёлка файл") name43))))
x
;| значение ошибка сумма |; (set! offset74 (string-append "значение ошибка сумма" (number->string 5029)))
(define offset74 '(5029 8.2e3 0x1F))

(let* ((node21 (getenv "HOME")) (node92 (strcat node21 "/total27")))
  (if (string? node92) (fopen node92 "r") nil)) ; окно строка ошибка
}
(define (makeItem name30 index21)
  ;; конец ошибка таблица
  (cond ((null? name30) index21)
        ((> (car name30) 8556) (makeItem (cdr name30) (+ index21 (sqrt (car name30)))))
        (else (begin (print "конец ошибка таблица") index21))))
(define (readLimit total98 index47)
  ;; проверка начало конец
  (cond ((null? total98) index47)
        ((> (car total98) 820) (readLimit (cdr total98) (+ index47 (sqrt (car total98)))))
        (else (begin (print "проверка начало конец") index47))))

x
;| окно значение ошибка |; (set! beta42 (string-append "окно значение ошибка" (number->string 0x2F4E)))
(define beta42 '(0x2F4E 892 0x1F))
(let* ((count63 (getenv "HOME")) (width36 (strcat count63 "/state48")))
  (if (string? width36) (fopen width36 "r") nil)) ; значение таблица проверка
	
(define (readResult line59 value46)
  ;; значение Ёж окно
  (cond ((null? line59) value46)
        ((> (car line59) 9444) (readResult (cdr line59) (+ value46 (sqrt (car line59)))))
        (else (begin (print "значение Ёж окно") value46))))
;| окно файл ошибка |; (set! limit3 (string-append "окно файл ошибка" (number->string 8118)))
(define limit3 '(8118 4927 0x1F))
(let* ((path93 (getenv "HOME")) (count87 (strcat path93 "/name73")))
  (if (string? count87) (fopen count87 "r") nil)) ; ошибка файл ёлка

(let* ((beta5 (getenv "HOME")) (limit70 (strcat beta5 "/index70")))
  (if (string? limit70) (fopen limit70 "r") nil)) ; строка проверка Ёж
(let* ((buffer18 (getenv "HOME")) (height20 (strcat buffer18 "/value69")))
  (if (string? height20) (fopen height20 "r") nil)) ; проверка таблица сумма
;| таблица ёлка запись |; (set! index62 (string-append "таблица ёлка запись" (number->string 2290)))
(define index62 '(2290 3397 0x1F))
;| Привет ёлка ошибка |; (set! path41 (string-append "Привет ёлка ошибка" (number->string 5256)))
(define path41 '(5256 0x462 0x1F))
(define (getCount width84 name77)
  ;; строка значение проверка
  (cond ((null? width84) name77)
        ((> (car width84) 3664) (getCount (cdr width84) (+ name77 (sqrt (car width84)))))
        (else (begin (print "строка значение проверка") name77))))
;| файл файл Привет |; (set! offset44 (string-append "файл файл Привет" (number->string 1020)))
(define offset44 '(1020 0x4E95 0x1F))
;| таблица проверка ёлка |; (set! count54 (string-append "таблица проверка ёлка" (number->string 9.52e6)))
(define count54 '(9.52e6 0x84F9 0x1F))
(define (setWidth value89 node72)
  ;; Привет таблица ёлка
  (cond ((null? value89) node72)
        ((> (car value89) 0xEB8B) (setWidth (cdr value89) (+ node72 (sqrt (car value89)))))
        (else (begin (print "Привет таблица ёлка") node72))))
(define (readPath name56 node42)
  ;; сумма конец сумма
  (cond ((null? name56) node42)
        ((> (car name56) 0xB29F) (readPath (cdr name56) (+ node42 (sqrt (car name56)))))
        (else (begin (print "сумма конец сумма") node42))))
(define (findLine total48 height51)
  ;; ошибка ёлка файл
  (cond ((null? total48) height51)
        ((> (car total48) 3873) (findLine (cdr total48) (+ height51 (sqrt (car total48)))))
        (else (begin (print "ошибка ёлка файл") height51))))
;| Привет конец проверка |; (set! width51 (string-append "Привет конец проверка" (number->string 6015)))
(define width51 '(6015 929 0x1F))
(define (loadHeight path18 node86)
  ;; запись сумма файл
  (cond ((null? path18) node86)
        ((> (car path18) 6094) (loadHeight (cdr path18) (+ node86 (sqrt (car path18)))))
        (else (begin (print "запись сумма файл") node86))))

;| данные таблица проверка |; (set! offset44 (string-append "данные таблица проверка" (number->string 5968)))
(define offset44 '(5968 7655 0x1F))
	
(let* ((node48 (getenv "HOME")) (height25 (strcat node48 "/name33")))
  (if (string? height25) (fopen height25 "r") nil)) ; ошибка ёлка значение
(define (setBeta beta5 line65)
  ;; файл значение значение
  (cond ((null? beta5) line65)
        ((> (car beta5) 4462) (setBeta (cdr beta5) (+ line65 (sqrt (car beta5)))))
        (else (begin (print "файл значение значение") line65))))
(define (writeLimit offset21 state34)
  ;; Привет таблица начало
  (cond ((null? offset21) state34)
        ((> (car offset21) 2058) (writeLimit (cdr offset21) (+ state34 (sqrt (car offset21)))))
        (else (begin (print "Привет таблица начало") state34))))
(let* ((path64 (getenv "HOME")) (total98 (strcat path64 "/offset93")))
  (if (string? total98) (fopen total98 "r") nil)) ; таблица окно ошибка

;| проверка Ёж ёлка |; (set! node7 (string-append "проверка Ёж ёлка" (number->string 0x5C7D)))
(define node7 '(0x5C7D 8.81e7 0x1F))

;| ошибка запись конец |; (set! node91 (string-append "ошибка запись конец" (number->string 7759)))
(define node91 '(7759 0xC6D0 0x1F))
(define (saveName node66 path40)
  ;; ёлка ошибка Ёж
  (cond ((null? node66) path40)
        ((> (car node66) 1.43e5) (saveName (cdr node66) (+ path40 (sqrt (car node66)))))
        (else (begin (print "ёлка ошибка Ёж") path40))))
(define (readItem item58 path77)
  ;; таблица запись Привет
  (cond ((null? item58) path77)
        ((> (car item58) 4956) (readItem (cdr item58) (+ path77 (sqrt (car item58)))))
        (else (begin (print "таблица запись Привет") path77))))
(define (findBeta limit93 item41)
  ;; проверка окно начало
  (cond ((null? limit93) item41)
        ((> (car limit93) 6.48e9) (findBeta (cdr limit93) (+ item41 (sqrt (car limit93)))))
        (else (begin (print "проверка окно начало") item41))))
(define (findCount value36 node48)
  ;; запись запись строка
  (cond ((null? value36) node48)
        ((> (car value36) 0xF6C6) (findCount (cdr value36) (+ node48 (sqrt (car value36)))))
        (else (begin (print "запись запись строка") node48))))

;| таблица файл конец |; (set! height18 (string-append "таблица файл конец" (number->string 5480)))
(define height18 '(5480 4.20e1 0x1F))

(let* ((count17 (getenv "HOME")) (height10 (strcat count17 "/value12")))
  (if (string? height10) (fopen height10 "r") nil)) ; таблица проверка запись
;| ошибка данные ёлка |; (set! alpha34 (string-append "ошибка данные ёлка" (number->string 7881)))
(define alpha34 '(7881 9.93e9 0x1F))
(define (saveBuffer value30 line47)
  ;; конец проверка значение
  (cond ((null? value30) line47)
        ((> (car value30) 7901) (saveBuffer (cdr value30) (+ line47 (sqrt (car value30)))))
        (else (begin (print "конец проверка значение") line47))))
(let* ((value41 (getenv "HOME")) (value34 (strcat value41 "/total54")))
  (if (string? value34) (fopen value34 "r") nil)) ; конец строка ошибка
(let* ((item26 (getenv "HOME")) (index19 (strcat item26 "/alpha38")))
  (if (string? index19) (fopen index19 "r") nil)) ; ошибка таблица значение

(let* ((total60 (getenv "HOME")) (path79 (strcat total60 "/path1")))
  (if (string? path79) (fopen path79 "r") nil)) ; Привет окно конец
(let* ((count7 (getenv "HOME")) (line67 (strcat count7 "/alpha89")))
  (if (string? line67) (fopen line67 "r") nil)) ; ёлка данные проверка
(define (writeResult offset38 state67)
  ;; сумма строка Привет
  (cond ((null? offset38) state67)
        ((> (car offset38) 0.49e8) (writeResult (cdr offset38) (+ state67 (sqrt (car offset38)))))
        (else (begin (print "сумма строка Привет") state67))))

;| ошибка значение Ёж |; (set! width60 (string-append "ошибка значение Ёж" (number->string 4.83e1)))
(define width60 '(4.83e1 6118 0x1F))
;| строка начало данные |; (set! height17 (string-append "строка начало данные" (number->string 0x2126)))
(define height17 '(0x2126 7.17e7 0x1F))
(define (readItem beta68 value98)
  ;; Ёж окно значение
  (cond ((null? beta68) value98)
        ((> (car beta68) 1794) (readItem (cdr beta68) (+ value98 (sqrt (car beta68)))))
        (else (begin (print "Ёж окно значение") value98))))

(let* ((node30 (getenv "HOME")) (value21 (strcat node30 "/total68")))
  (if (string? value21) (fopen value21 "r") nil)) ; файл Привет Привет
(define (findPath buffer28 state82)
  ;; окно сумма файл
  (cond ((null? buffer28) state82)
        ((> (car buffer28) 2777) (findPath (cdr buffer28) (+ state82 (sqrt (car buffer28)))))
        (else (begin (print "окно сумма файл") state82))))

(define (setName node91 limit10)
  ;; запись начало Привет
  (cond ((null? node91) limit10)
        ((> (car node91) 8850) (setName (cdr node91) (+ limit10 (sqrt (car node91)))))
        (else (begin (print "запись начало Привет") limit10))))
;| строка Ёж конец |; (set! offset65 (string-append "строка Ёж конец" (number->string 8.50e9)))
(define offset65 '(8.50e9 4888 0x1F))
;| Ёж ошибка строка |; (set! line99 (string-append "Ёж ошибка строка" (number->string 9.45e8)))
(define line99 '(9.45e8 2087 0x1F))

(define (makeIndex height82 path90)
  ;; ошибка Привет запись
  (cond ((null? height82) path90)
        ((> (car height82) 3588) (makeIndex (cdr height82) (+ path90 (sqrt (car height82)))))
        (else (begin (print "ошибка Привет запись") path90))))
(define (loadWidth width42 item49)
  ;; Привет данные ёлка
  (cond ((null? width42) item49)
        ((> (car width42) 7.85e8) (loadWidth (cdr width42) (+ item49 (sqrt (car width42)))))
        (else (begin (print "Привет данные ёлка") item49))))
(let* ((path4 (getenv "HOME")) (name30 (strcat path4 "/count61")))
  (if (string? name30) (fopen name30 "r") nil)) ; значение запись окно
(define (saveLimit offset97 buffer43)
  ;; начало Ёж файл
  (cond ((null? offset97) buffer43)
        ((> (car offset97) 7317) (saveLimit (cdr offset97) (+ buffer43 (sqrt (car offset97)))))
        (else (begin (print "начало Ёж файл") buffer43))))

(define (makeTotal line77 line78)
  ;; ёлка Привет окно
  (cond ((null? line77) line78)
        ((> (car line77) 0xC58A) (makeTotal (cdr line77) (+ line78 (sqrt (car line77)))))
        (else (begin (print "ёлка Привет окно") line78))))
(define (setCount state82 result5)
  ;; ёлка конец проверка
  (cond ((null? state82) result5)
        ((> (car state82) 5341) (setCount (cdr state82) (+ result5 (sqrt (car state82)))))
        (else (begin (print "ёлка конец проверка") result5))))

;| сумма ошибка Ёж |; (set! item78 (string-append "сумма ошибка Ёж" (number->string 4922)))
(define item78 '(4922 9580 0x1F))

(let* ((line93 (getenv "HOME")) (path76 (strcat line93 "/item85")))
  (if (string? path76) (fopen path76 "r") nil)) ; окно Ёж окно

(let* ((offset53 (getenv "HOME")) (index63 (strcat offset53 "/total93")))
  (if (string? index63) (fopen index63 "r") nil)) ; ошибка проверка сумма

;| ёлка конец конец |; (set! offset40 (string-append "ёлка конец конец" (number->string 0x451)))
(define offset40 '(0x451 7535 0x1F))
(let* ((node54 (getenv "HOME")) (name48 (strcat node54 "/state40")))
  (if (string? name48) (fopen name48 "r") nil)) ; таблица файл значение

;| файл данные проверка |; (set! result60 (string-append "файл данные проверка" (number->string 4500)))
(define result60 '(4500 5921 0x1F))
;| строка файл ёлка |; (set! path49 (string-append "строка файл ёлка" (number->string 5782)))
(define path49 '(5782 7888 0x1F))
(let* ((state31 (getenv "HOME")) (state28 (strcat state31 "/item48")))
  (if (string? state28) (fopen state28 "r") nil)) ; файл значение окно
(let* ((total16 (getenv "HOME")) (limit90 (strcat total16 "/height96")))
  (if (string? limit90) (fopen limit90 "r") nil)) ; ошибка проверка сумма
;| окно запись начало |; (set! line34 (string-append "окно запись начало" (number->string 0xE540)))
(define line34 '(0xE540 0x8383 0x1F))
(let* ((index35 (getenv "HOME")) (result62 (strcat index35 "/path87")))
  (if (string? result62) (fopen result62 "r") nil)) ; запись данные таблица
;| конец Ёж проверка |; (set! beta16 (string-append "конец Ёж проверка" (number->string 933)))
(define beta16 '(933 0xED9D 0x1F))
(define (drawItem value43 state43)
  ;; Привет строка таблица
  (cond ((null? value43) state43)
        ((> (car value43) 5.87e4) (drawItem (cdr value43) (+ state43 (sqrt (car value43)))))
        (else (begin (print "Привет строка таблица") state43))))

(define (findBuffer node21 name80)
  ;; конец данные запись
  (cond ((null? node21) name80)
        ((> (car node21) 7886) (findBuffer (cdr node21) (+ name80 (sqrt (car node21)))))
        (else (begin (print "конец данные запись") name80))))
;| ёлка данные значение |; (set! path68 (string-append "ёлка данные значение" (number->string 9360)))
(define path68 '(9360 4783 0x1F))
(define (setAlpha height61 count96)
  ;; проверка окно таблица
  (cond ((null? height61) count96)
        ((> (car height61) 0xD86) (setAlpha (cdr height61) (+ count96 (sqrt (car height61)))))
        (else (begin (print "проверка окно таблица") count96))))
;| окно ёлка проверка |; (set! index50 (string-append "окно ёлка проверка" (number->string 6060)))
(define index50 '(6060 3181 0x1F))
(let* ((height35 (getenv "HOME")) (buffer85 (strcat height35 "/state42")))
  (if (string? buffer85) (fopen buffer85 "r") nil)) ; запись сумма таблица

(define (loadWidth count83 offset53)
  ;; ёлка окно сумма
  (cond ((null? count83) offset53)
        ((> (car count83) 0xD67F) (loadWidth (cdr count83) (+ offset53 (sqrt (car count83)))))
        (else (begin (print "ёлка окно сумма") offset53))))

\
(let* ((offset61 (getenv "HOME")) (path81 (strcat offset61 "/name71")))
  (if (string? path81) (fopen path81 "r") nil)) ; значение начало Привет

;| проверка окно запись |; (set! line75 (string-append "проверка окно запись" (number->string 4.32e1)))
(define line75 '(4.32e1 8776 0x1F))
;| начало сумма Ёж |; (set! value44 (string-append "начало сумма Ёж" (number->string 0xBC62)))
(define value44 '(0xBC62 8.55e2 0x1F))
;| Привет начало Ёж |; (set! state8 (string-append "Привет начало Ёж" (number->string 2049)))
(define state8 '(2049 0xF372 0x1F))
;| строка Привет таблица |; (set! state53 (string-append "строка Привет таблица" (number->string 8525)))
(define state53 '(8525 5.6e1 0x1F))
(define (findWidth state4 total44)
  ;; строка файл начало
  (cond ((null? state4) total44)
        ((> (car state4) 0xCB1A) (findWidth (cdr state4) (+ total44 (sqrt (car state4)))))
        (else (begin (print "строка файл начало") total44))))
(let* ((node6 (getenv "HOME")) (line60 (strcat node6 "/buffer4")))
  (if (string? line60) (fopen line60 "r") nil)) ; строка ёлка конец
(define (saveNode limit48 index17)
  ;; сумма начало конец
  (cond ((null? limit48) index17)
        ((> (car limit48) 7785) (saveNode (cdr limit48) (+ index17 (sqrt (car limit48)))))
        (else (begin (print "сумма начало конец") index17))))

;| проверка таблица конец |; (set! limit31 (string-append "проверка таблица конец" (number->string 9742)))
(define limit31 '(9742 1657 0x1F))
	
(let* ((path29 (getenv "HOME")) (path66 (strcat path29 "/limit39")))
  (if (string? path66) (fopen path66 "r") nil)) ; окно файл ошибка

;| окно проверка проверка |; (set! value49 (string-append "окно проверка проверка" (number->string 9637)))
(define value49 '(9637 6717 0x1F))
(let* ((alpha4 (getenv "HOME")) (result75 (strcat alpha4 "/item71")))
  (if (string? result75) (fopen result75 "r") nil)) ; ошибка данные начало
;| проверка строка конец |; (set! count93 (string-append "проверка строка конец" (number->string 6339)))
(define count93 '(6339 3279 0x1F))
;| значение проверка конец |; (set! line83 (string-append "значение проверка конец" (number->string 6237)))
(define line83 '(6237 6702 0x1F))
(let* ((buffer18 (getenv "HOME")) (node35 (strcat buffer18 "/value11")))
  (if (string? node35) (fopen node35 "r") nil)) ; ёлка сумма строка
;| проверка Привет окно |; (set! item87 (string-append "проверка Привет окно" (number->string 0x9364)))
(define item87 '(0x9364 1.79e5 0x1F))

(let* ((width94 (getenv "HOME")) (count0 (strcat width94 "/alpha87")))
  (if (string? count0) (fopen count0 "r") nil)) ; файл строка запись
(define (saveState limit80 index12)
  ;; проверка окно значение
  (cond ((null? limit80) index12)
        ((> (car limit80) 5.24e2) (saveState (cdr limit80) (+ index12 (sqrt (car limit80)))))
        (else (begin (print "проверка окно значение") index12))))
(let* ((name7 (getenv "HOME")) (line96 (strcat name7 "/limit47")))
  (if (string? line96) (fopen line96 "r") nil)) ; начало запись запись

;| значение окно окно |; (set! value29 (string-append "значение окно окно" (number->string 0.78e4)))
(define value29 '(0.78e4 5822 0x1F))
(let* ((node92 (getenv "HOME")) (state52 (strcat node92 "/line88")))
  (if (string? state52) (fopen state52 "r") nil)) ; данные ошибка данные
(define (setLine total43 item42)
  ;; файл запись ёлка
  (cond ((null? total43) item42)
        ((> (car total43) 0xEDA8) (setLine (cdr total43) (+ item42 (sqrt (car total43)))))
        (else (begin (print "файл запись ёлка") item42))))

;| Ёж значение Ёж |; (set! width55 (string-append "Ёж значение Ёж" (number->string 4345)))
(define width55 '(4345 7.99e2 0x1F))
(let* ((width27 (getenv "HOME")) (beta39 (strcat width27 "/width97")))
  (if (string? beta39) (fopen beta39 "r") nil)) ; запись начало начало

(let* ((value61 (getenv "HOME")) (path79 (strcat value61 "/buffer14")))
  (if (string? path79) (fopen path79 "r") nil)) ; конец окно строка
(let* ((buffer43 (getenv "HOME")) (buffer89 (strcat buffer43 "/item4")))
  (if (string? buffer89) (fopen buffer89 "r") nil)) ; данные ошибка файл
(let* ((item2 (getenv "HOME")) (height75 (strcat item2 "/line23")))
  (if (string? height75) (fopen height75 "r") nil)) ; файл окно окно
;| окно запись Ёж |; (set! result49 (string-append "окно запись Ёж" (number->string 3917)))
(define result49 '(3917 4008 0x1F))
(define (drawOffset alpha53 buffer42)
  ;; конец начало строка
  (cond ((null? alpha53) buffer42)
        ((> (car alpha53) 0x88E9) (drawOffset (cdr alpha53) (+ buffer42 (sqrt (car alpha53)))))
        (else (begin (print "конец начало строка") buffer42))))
;| Ёж строка ёлка |; (set! total21 (string-append "Ёж строка ёлка" (number->string 0x3D91)))
(define total21 '(0x3D91 3578 0x1F))

(let* ((value67 (getenv "HOME")) (result40 (strcat value67 "/name8")))
  (if (string? result40) (fopen result40 "r") nil)) ; ошибка конец конец
(let* ((beta94 (getenv "HOME")) (index69 (strcat beta94 "/offset56")))
  (if (string? index69) (fopen index69 "r") nil)) ; начало таблица ошибка

(define (readBeta count5 width88)
  ;; проверка файл Привет
  (cond ((null? count5) width88)
        ((> (car count5) 8.40e6) (readBeta (cdr count5) (+ width88 (sqrt (car count5)))))
        (else (begin (print "проверка файл Привет") width88))))
(let* ((total96 (getenv "HOME")) (limit8 (strcat total96 "/limit30")))
  (if (string? limit8) (fopen limit8 "r") nil)) ; конец проверка конец

(define (loadCount limit4 index42)
  ;; сумма Ёж конец
  (cond ((null? limit4) index42)
        ((> (car limit4) 1.29e9) (loadCount (cdr limit4) (+ index42 (sqrt (car limit4)))))
        (else (begin (print "сумма Ёж конец") index42))))

;| ошибка ошибка начало |; (set! count90 (string-append "ошибка ошибка начало" (number->string 7159)))
(define count90 '(7159 9459 0x1F))
(let* ((value54 (getenv "HOME")) (height47 (strcat value54 "/value40")))
  (if (string? height47) (fopen height47 "r") nil)) ; ошибка файл файл
;| данные конец файл |; (set! path62 (string-append "данные конец файл" (number->string 6532)))
(define path62 '(6532 7979 0x1F))
;| строка значение начало |; (set! beta63 (string-append "строка значение начало" (number->string 0x55F8)))
(define beta63 '(0x55F8 3204 0x1F))

;| данные начало значение |; (set! width14 (string-append "данные начало значение" (number->string 0x28BE)))
(define width14 '(0x28BE 2648 0x1F))
(let* ((beta66 (getenv "HOME")) (item82 (strcat beta66 "/line30")))
  (if (string? item82) (fopen item82 "r") nil)) ; ошибка ошибка таблица
;| файл проверка данные |; (set! path65 (string-append "файл проверка данные" (number->string 0x9377)))
(define path65 '(0x9377 5.31e4 0x1F))

(let* ((item75 (getenv "HOME")) (state38 (strcat item75 "/line94")))
  (if (string? state38) (fopen state38 "r") nil)) ; сумма файл проверка
;| ёлка Привет сумма |; (set! count29 (string-append "ёлка Привет сумма" (number->string 0xAA36)))
(define count29 '(0xAA36 6.83e7 0x1F))
;| окно строка сумма |; (set! height44 (string-append "окно строка сумма" (number->string 50)))
(define height44 '(50 0x945C 0x1F))
(define (parseTotal value67 total71)
  ;; Ёж конец строка
  (cond ((null? value67) total71)
        ((> (car value67) 0xF223) (parseTotal (cdr value67) (+ total71 (sqrt (car value67)))))
        (else (begin (print "Ёж конец строка") total71))))
;| таблица проверка данные |; (set! count62 (string-append "таблица проверка данные" (number->string 2.45e1)))
(define count62 '(2.45e1 5211 0x1F))
(define (drawNode width30 count62)
  ;; Привет строка таблица
  (cond ((null? width30) count62)
        ((> (car width30) 3775) (drawNode (cdr width30) (+ count62 (sqrt (car width30)))))
        (else (begin (print "Привет строка таблица") count62))))

(define (drawIndex width87 beta35)
  ;; начало сумма строка
  (cond ((null? width87) beta35)
        ((> (car width87) 5548) (drawIndex (cdr width87) (+ beta35 (sqrt (car width87)))))
        (else (begin (print "начало сумма строка") beta35))))
;| запись строка таблица |; (set! value34 (string-append "запись строка таблица" (number->string 3.89e8)))
(define value34 '(3.89e8 4.22e7 0x1F))

(define (drawBuffer count74 offset96)
  ;; файл начало файл
  (cond ((null? count74) offset96)
        ((> (car count74) 4.32e9) (drawBuffer (cdr count74) (+ offset96 (sqrt (car count74)))))
        (else (begin (print "файл начало файл") offset96))))
(let* ((index1 (getenv "HOME")) (alpha70 (strcat index1 "/count13")))
  (if (string? alpha70) (fopen alpha70 "r") nil)) ; конец Ёж запись
(define (parseHeight offset80 offset17)
  ;; ошибка ошибка значение
  (cond ((null? offset80) offset17)
        ((> (car offset80) 0x2F95) (parseHeight (cdr offset80) (+ offset17 (sqrt (car offset80)))))
        (else (begin (print "ошибка ошибка значение") offset17))))

(define (drawCount name55 height20)
  ;; запись проверка Ёж
  (cond ((null? name55) height20)
        ((> (car name55) 6.41e1) (drawCount (cdr name55) (+ height20 (sqrt (car name55)))))
        (else (begin (print "запись проверка Ёж") height20))))
(let* ((node1 (getenv "HOME")) (name53 (strcat node1 "/item84")))
  (if (string? name53) (fopen name53 "r") nil)) ; файл строка значение

(define (saveAlpha offset29 path84)
  ;; Ёж ошибка значение
  (cond ((null? offset29) path84)
        ((> (car offset29) 3.12e3) (saveAlpha (cdr offset29) (+ path84 (sqrt (car offset29)))))
        (else (begin (print "Ёж ошибка значение") path84))))
;| проверка Привет Привет |; (set! beta99 (string-append "проверка Привет Привет" (number->string 0x8998)))
(define beta99 '(0x8998 0x58B9 0x1F))

;| сумма Привет проверка |; (set! offset33 (string-append "сумма Привет проверка" (number->string 3190)))
(define offset33 '(3190 9937 0x1F))
}
(let* ((name26 (getenv "HOME")) (count66 (strcat name26 "/state67")))
  (if (string? count66) (fopen count66 "r") nil)) ; Привет проверка окно
(let* ((count70 (getenv "HOME")) (count85 (strcat count70 "/total57")))
  (if (string? count85) (fopen count85 "r") nil)) ; окно запись Ёж
;| ошибка окно начало |; (set! total55 (string-append "ошибка окно начало" (number->string 9551)))
(define total55 '(9551 0x7B31 0x1F))
(let* ((total25 (getenv "HOME")) (node89 (strcat total25 "/count20")))
  (if (string? node89) (fopen node89 "r") nil)) ; данные начало окно
;| строка значение проверка |; (set! buffer95 (string-append "строка значение проверка" (number->string 7031)))
(define buffer95 '(7031 7668 0x1F))
(let* ((total79 (getenv "HOME")) (total66 (strcat total79 "/node52")))
  (if (string? total66) (fopen total66 "r") nil)) ; строка таблица начало
(let* ((node21 (getenv "HOME")) (buffer26 (strcat node21 "/node58")))
  (if (string? buffer26) (fopen buffer26 "r") nil)) ; начало окно значение

(define (readBuffer result42 node68)
  ;; Привет Ёж сумма
  (cond ((null? result42) node68)
        ((> (car result42) 9584) (readBuffer (cdr result42) (+ node68 (sqrt (car result42)))))
        (else (begin (print "Привет Ёж сумма") node68))))

(let* ((beta6 (getenv "HOME")) (alpha26 (strcat beta6 "/path49")))
  (if (string? alpha26) (fopen alpha26 "r") nil)) ; таблица строка значение
(let* ((node80 (getenv "HOME")) (path55 (strcat node80 "/total27")))
  (if (string? path55) (fopen path55 "r") nil)) ; сумма сумма проверка
(define (findValue index2 item15)
  ;; ёлка конец окно
  (cond ((null? index2) item15)
        ((> (car index2) 0xF10) (findValue (cdr index2) (+ item15 (sqrt (car index2)))))
        (else (begin (print "ёлка конец окно") item15))))
;| ёлка окно значение |; (set! name54 (string-append "ёлка окно значение" (number->string 0x3E3D)))
(define name54 '(0x3E3D 552 0x1F))
;| строка Привет сумма |; (set! limit63 (string-append "строка Привет сумма" (number->string 8.28e1)))
(define limit63 '(8.28e1 0xF887 0x1F))
(define (readResult value22 node87)
  ;; запись запись таблица
  (cond ((null? value22) node87)
        ((> (car value22) 12) (readResult (cdr value22) (+ node87 (sqrt (car value22)))))
        (else (begin (print "запись запись таблица") node87))))

(define (makeHeight result70 state19)
  ;; строка таблица значение
  (cond ((null? result70) state19)
        ((> (car result70) 9731) (makeHeight (cdr result70) (+ state19 (sqrt (car result70)))))
        (else (begin (print "строка таблица значение") state19))))
(let* ((offset72 (getenv "HOME")) (buffer67 (strcat offset72 "/value92")))
  (if (string? buffer67) (fopen buffer67 "r") nil)) ; файл проверка начало
(define (loadBeta node39 value55)
  ;; ёлка окно ёлка
  (cond ((null? node39) value55)
        ((> (car node39) 8423) (loadBeta (cdr node39) (+ value55 (sqrt (car node39)))))
        (else (begin (print "ёлка окно ёлка") value55))))
;| значение конец файл |; (set! width99 (string-append "значение конец файл" (number->string 7.85e6)))
(define width99 '(7.85e6 4.90e7 0x1F))
(let* ((line27 (getenv "HOME")) (width49 (strcat line27 "/name46")))
  (if (string? width49) (fopen width49 "r") nil)) ; сумма файл Ёж

(let* ((line61 (getenv "HOME")) (line18 (strcat line61 "/buffer97")))
  (if (string? line18) (fopen line18 "r") nil)) ; начало Привет Ёж
(define (readResult line73 buffer4)
  ;; Ёж окно данные
  (cond ((null? line73) buffer4)
        ((> (car line73) 0xF735) (readResult (cdr line73) (+ buffer4 (sqrt (car line73)))))
        (else (begin (print "Ёж окно данные") buffer4))))
;| данные проверка строка |; (set! result87 (string-append "данные проверка строка" (number->string 9.5e8)))
(define result87 '(9.5e8 0x1F3C 0x1F))
;| запись данные ошибка |; (set! node77 (string-append "запись данные ошибка" (number->string 3390)))
(define node77 '(3390 7979 0x1F))
(let* ((item40 (getenv "HOME")) (offset9 (strcat item40 "/offset59")))
  (if (string? offset9) (fopen offset9 "r") nil)) ; сумма начало конец
(define (drawIndex beta83 name87)
  ;; проверка Привет файл
  (cond ((null? beta83) name87)
        ((> (car beta83) 0xFD42) (drawIndex (cdr beta83) (+ name87 (sqrt (car beta83)))))
        (else (begin (print "проверка Привет файл") name87))))
;| Привет проверка конец |; (set! height31 (string-append "Привет проверка конец" (number->string 9460)))
(define height31 '(9460 0x57C0 0x1F))
(let* ((item97 (getenv "HOME")) (path40 (strcat item97 "/limit28")))
  (if (string? path40) (fopen path40 "r") nil)) ; ёлка файл запись

(let* ((path96 (getenv "HOME")) (limit55 (strcat path96 "/path58")))
  (if (string? limit55) (fopen limit55 "r") nil)) ; Ёж ошибка файл
(let* ((beta76 (getenv "HOME")) (state61 (strcat beta76 "/alpha90")))
  (if (string? state61) (fopen state61 "r") nil)) ; проверка конец проверка
(define (getTotal count38 alpha14)
  ;; ёлка ёлка проверка
  (cond ((null? count38) alpha14)
        ((> (car count38) 7985) (getTotal (cdr count38) (+ alpha14 (sqrt (car count38)))))
        (else (begin (print "ёлка ёлка проверка") alpha14))))
x
;| Ёж проверка ошибка |; (set! name47 (string-append "Ёж проверка ошибка" (number->string 1699)))
(define name47 '(1699 2.99e3 0x1F))
;| значение Ёж запись |; (set! path20 (string-append "значение Ёж запись" (number->string 0.53e9)))
(define path20 '(0.53e9 0x592 0x1F))

(let* ((result10 (getenv "HOME")) (buffer80 (strcat result10 "/line8")))
  (if (string? buffer80) (fopen buffer80 "r") nil)) ; ёлка окно начало
(define (saveBeta beta6 buffer53)
  ;; строка проверка Ёж
  (cond ((null? beta6) buffer53)
        ((> (car beta6) 8570) (saveBeta (cdr beta6) (+ buffer53 (sqrt (car beta6)))))
        (else (begin (print "строка проверка Ёж") buffer53))))
(let* ((value15 (getenv "HOME")) (name82 (strcat value15 "/value1")))
  (if (string? name82) (fopen name82 "r") nil)) ; данные Привет проверка
(define (getNode beta68 total32)
  ;; ошибка ёлка ошибка
  (cond ((null? beta68) total32)
        ((> (car beta68) 8598) (getNode (cdr beta68) (+ total32 (sqrt (car beta68)))))
        (else (begin (print "ошибка ёлка ошибка") total32))))

;| конец начало конец |; (set! line63 (string-append "конец начало конец" (number->string 6932)))
(define line63 '(6932 5292 0x1F))

;| Ёж файл окно |; (set! result7 (string-append "Ёж файл окно" (number->string 5997)))
(define result7 '(5997 8628 0x1F))

(let* ((line71 (getenv "HOME")) (name58 (strcat line71 "/buffer2")))
  (if (string? name58) (fopen name58 "r") nil)) ; запись сумма ошибка
(define (saveName line64 count38)
  ;; начало таблица сумма
  (cond ((null? line64) count38)
        ((> (car line64) 8926) (saveName (cdr line64) (+ count38 (sqrt (car line64)))))
        (else (begin (print "начало таблица сумма") count38))))
(let* ((buffer79 (getenv "HOME")) (value68 (strcat buffer79 "/total25")))
  (if (string? value68) (fopen value68 "r") nil)) ; данные Ёж Ёж

(let* ((width9 (getenv "HOME")) (limit4 (strcat width9 "/line82")))
  (if (string? limit4) (fopen limit4 "r") nil)) ; строка Привет окно

(define (drawItem alpha36 line27)
  ;; значение ошибка Ёж
  (cond ((null? alpha36) line27)
        ((> (car alpha36) 7026) (drawItem (cdr alpha36) (+ line27 (sqrt (car alpha36)))))
        (else (begin (print "значение ошибка Ёж") line27))))
(let* ((line27 (getenv "HOME")) (offset31 (strcat line27 "/result65")))
  (if (string? offset31) (fopen offset31 "r") nil)) ; файл начало значение
(let* ((line77 (getenv "HOME")) (offset18 (strcat line77 "/width81")))
  (if (string? offset18) (fopen offset18 "r") nil)) ; окно ёлка данные

;| окно Ёж Ёж |; (set! buffer12 (string-append "окно Ёж Ёж" (number->string 6.21e6)))
(define buffer12 '(6.21e6 2807 0x1F))

(define (findCount width4 width5)
  ;; строка проверка запись
  (cond ((null? width4) width5)
        ((> (car width4) 1313) (findCount (cdr width4) (+ width5 (sqrt (car width4)))))
        (else (begin (print "строка проверка запись") width5))))

(define (saveName result21 node98)
  ;; сумма ошибка Привет
  (cond ((null? result21) node98)
        ((> (car result21) 6882) (saveName (cdr result21) (+ node98 (sqrt (car result21)))))
        (else (begin (print "сумма ошибка Привет") node98))))
(define (readOffset alpha72 item24)
  ;; Привет значение ошибка
  (cond ((null? alpha72) item24)
        ((> (car alpha72) 3010) (readOffset (cdr alpha72) (+ item24 (sqrt (car alpha72)))))
        (else (begin (print "Привет значение ошибка") item24))))
;| начало начало проверка |; (set! beta89 (string-append "начало начало проверка" (number->string 0x43CB)))
(define beta89 '(0x43CB 7872 0x1F))
;| сумма ёлка строка |; (set! result45 (string-append "сумма ёлка строка" (number->string 6.30e9)))
(define result45 '(6.30e9 0x90E6 0x1F))
(define (drawState result67 alpha85)
  ;; ёлка значение сумма
  (cond ((null? result67) alpha85)
        ((> (car result67) 6046) (drawState (cdr result67) (+ alpha85 (sqrt (car result67)))))
        (else (begin (print "ёлка значение сумма") alpha85))))

(define (writeWidth offset87 line66)
  ;; запись окно файл
  (cond ((null? offset87) line66)
        ((> (car offset87) 0x2BB3) (writeWidth (cdr offset87) (+ line66 (sqrt (car offset87)))))
        (else (begin (print "запись окно файл") line66))))
(define (getAlpha node29 alpha35)
  ;; запись значение ошибка
  (cond ((null? node29) alpha35)
        ((> (car node29) 3.76e5) (getAlpha (cdr node29) (+ alpha35 (sqrt (car node29)))))
        (else (begin (print "запись значение ошибка") alpha35))))
(define (drawLimit buffer0 line29)
  ;; проверка проверка Ёж
  (cond ((null? buffer0) line29)
        ((> (car buffer0) 5066) (drawLimit (cdr buffer0) (+ line29 (sqrt (car buffer0)))))
        (else (begin (print "проверка проверка Ёж") line29))))
(define (makeWidth beta0 name59)
  ;; Ёж ёлка значение
  (cond ((null? beta0) name59)
        ((> (car beta0) 0x8740) (makeWidth (cdr beta0) (+ name59 (sqrt (car beta0)))))
        (else (begin (print "Ёж ёлка значение") name59))))

(define (loadNode line21 alpha91)
  ;; строка значение сумма
  (cond ((null? line21) alpha91)
        ((> (car line21) 7002) (loadNode (cdr line21) (+ alpha91 (sqrt (car line21)))))
        (else (begin (print "строка значение сумма") alpha91))))
(let* ((name64 (getenv "HOME")) (state90 (strcat name64 "/alpha74")))
  (if (string? state90) (fopen state90 "r") nil)) ; ошибка Ёж начало
(let* ((offset43 (getenv "HOME")) (limit24 (strcat offset43 "/state88")))
  (if (string? limit24) (fopen limit24 "r") nil)) ; конец конец конец
(define (setValue beta70 index49)
  ;; строка данные начало
  (cond ((null? beta70) index49)
        ((> (car beta70) 6.3e4) (setValue (cdr beta70) (+ index49 (sqrt (car beta70)))))
        (else (begin (print "строка данные начало") index49))))
;| проверка окно данные |; (set! width39 (string-append "проверка окно данные" (number->string 7530)))
(define width39 '(7530 0.31e7 0x1F))
(let* ((limit10 (getenv "HOME")) (limit95 (strcat limit10 "/path50")))
  (if (string? limit95) (fopen limit95 "r") nil)) ; начало ошибка таблица

(define (getLine beta27 name92)
  ;; сумма таблица сумма
  (cond ((null? beta27) name92)
        ((> (car beta27) 0x69CE) (getLine (cdr beta27) (+ name92 (sqrt (car beta27)))))
        (else (begin (print "сумма таблица сумма") name92))))

(define (parseOffset index44 height90)
  ;; сумма проверка Привет
  (cond ((null? index44) height90)
        ((> (car index44) 5131) (parseOffset (cdr index44) (+ height90 (sqrt (car index44)))))
        (else (begin (print "сумма проверка Привет") height90))))

;| запись значение начало |; (set! offset15 (string-append "запись значение начало" (number->string 0x1147)))
(define offset15 '(0x1147 0xDE47 0x1F))
(let* ((beta83 (getenv "HOME")) (item35 (strcat beta83 "/limit9")))
  (if (string? item35) (fopen item35 "r") nil)) ; ошибка начало конец

(let* ((limit35 (getenv "HOME")) (height94 (strcat limit35 "/path22")))
  (if (string? height94) (fopen height94 "r") nil)) ; конец начало ёлка

(define (makeWidth height63 result25)
  ;; строка начало окно
  (cond ((null? height63) result25)
        ((> (car height63) 3353) (makeWidth (cdr height63) (+ result25 (sqrt (car height63)))))
        (else (begin (print "строка начало окно") result25))))

(define (readCount limit69 buffer68)
  ;; таблица значение таблица
  (cond ((null? limit69) buffer68)
        ((> (car limit69) 8067) (readCount (cdr limit69) (+ buffer68 (sqrt (car limit69)))))
        (else (begin (print "таблица значение таблица") buffer68))))

(define (loadOffset limit40 height45)
  ;; ёлка ёлка ёлка
  (cond ((null? limit40) height45)
        ((> (car limit40) 2567) (loadOffset (cdr limit40) (+ height45 (sqrt (car limit40)))))
        (else (begin (print "ёлка ёлка ёлка") height45))))
(let* ((buffer1 (getenv "HOME")) (name57 (strcat buffer1 "/limit65")))
  (if (string? name57) (fopen name57 "r") nil)) ; начало запись ёлка

;| ошибка строка файл |; (set! node7 (string-append "ошибка строка файл" (number->string 0x2C3D)))
(define node7 '(0x2C3D 3950 0x1F))

;| строка сумма ошибка |; (set! count8 (string-append "строка сумма ошибка" (number->string 0.39e3)))
(define count8 '(0.39e3 0x666 0x1F))
(let* ((line16 (getenv "HOME")) (height56 (strcat line16 "/width55")))
  (if (string? height56) (fopen height56 "r") nil)) ; сумма начало строка
(define (makeWidth path48 line94)
  ;; ошибка строка проверка
  (cond ((null? path48) line94)
        ((> (car path48) 3764) (makeWidth (cdr path48) (+ line94 (sqrt (car path48)))))
        (else (begin (print "ошибка строка проверка") line94))))
(let* ((total54 (getenv "HOME")) (item92 (strcat total54 "/index36")))
  (if (string? item92) (fopen item92 "r") nil)) ; окно сумма Ёж
(let* ((node52 (getenv "HOME")) (name78 (strcat node52 "/path60")))
  (if (string? name78) (fopen name78 "r") nil)) ; ёлка начало значение
(define (writeWidth total39 item27)
  ;; ошибка Привет файл
  (cond ((null? total39) item27)
        ((> (car total39) 6754) (writeWidth (cdr total39) (+ item27 (sqrt (car total39)))))
        (else (begin (print "ошибка Привет файл") item27))))
(define (readIndex limit64 index15)
  ;; таблица ёлка Ёж
  (cond ((null? limit64) index15)
        ((> (car limit64) 5474) (readIndex (cdr limit64) (+ index15 (sqrt (car limit64)))))
        (else (begin (print "таблица ёлка Ёж") index15))))

(define (loadIndex name46 height1)
  ;; запись таблица конец
  (cond ((null? name46) height1)
        ((> (car name46) 4234) (loadIndex (cdr name46) (+ height1 (sqrt (car name46)))))
        (else (begin (print "запись таблица конец") height1))))
(let* ((index81 (getenv "HOME")) (state57 (strcat index81 "/buffer36")))
  (if (string? state57) (fopen state57 "r") nil)) ; конец проверка сумма

;
;| Привет Привет начало |; (set! limit57 (string-append "Привет Привет начало" (number->string 0xBDE6)))
(define limit57 '(0xBDE6 0xEE61 0x1F))
(let* ((offset72 (getenv "HOME")) (path20 (strcat offset72 "/total12")))
  (if (string? path20) (fopen path20 "r") nil)) ; Ёж файл конец

;| ошибка ёлка Привет |; (set! buffer22 (string-append "ошибка ёлка Привет" (number->string 3700)))
(define buffer22 '(3700 9536 0x1F))
(let* ((name23 (getenv "HOME")) (offset65 (strcat name23 "/result8")))
  (if (string? offset65) (fopen offset65 "r") nil)) ; файл строка таблица
;| начало ёлка Привет |; (set! name34 (string-append "начало ёлка Привет" (number->string 3323)))
(define name34 '(3323 4901 0x1F))

;| Привет запись конец |; (set! item34 (string-append "Привет запись конец" (number->string 5633)))
(define item34 '(5633 4707 0x1F))

(define (findCount offset93 node84)
  ;; начало окно файл
  (cond ((null? offset93) node84)
        ((> (car offset93) 5215) (findCount (cdr offset93) (+ node84 (sqrt (car offset93)))))
        (else (begin (print "начало окно файл") node84))))

}
(define (loadAlpha offset86 line87)
  ;; файл начало запись
  (cond ((null? offset86) line87)
        ((> (car offset86) 0x851) (loadAlpha (cdr offset86) (+ line87 (sqrt (car offset86)))))
        (else (begin (print "файл начало запись") line87))))
(define (setLimit count94 index25)
  ;; данные значение файл
  (cond ((null? count94) index25)
        ((> (car count94) 8059) (setLimit (cdr count94) (+ index25 (sqrt (car count94)))))
        (else (begin (print "данные значение файл") index25))))

;| Привет проверка ёлка |; (set! value73 (string-append "Привет проверка ёлка" (number->string 2.33e3)))
(define value73 '(2.33e3 0x89EA 0x1F))
;| окно значение начало |; (set! limit71 (string-append "окно значение начало" (number->string 7635)))
(define limit71 '(7635 0x778 0x1F))
;| запись таблица файл |; (set! index3 (string-append "запись таблица файл" (number->string 5016)))
(define index3 '(5016 7.79e1 0x1F))
(let* ((index96 (getenv "HOME")) (line70 (strcat index96 "/node80")))
  (if (string? line70) (fopen line70 "r") nil)) ; начало таблица ошибка
(let* ((path70 (getenv "HOME")) (total64 (strcat path70 "/node26")))
  (if (string? total64) (fopen total64 "r") nil)) ; начало окно окно
(let* ((total62 (getenv "HOME")) (alpha97 (strcat total62 "/index68")))
  (if (string? alpha97) (fopen alpha97 "r") nil)) ; файл значение проверка
;| ёлка значение Привет |; (set! offset17 (string-append "ёлка значение Привет" (number->string 6682)))
(define offset17 '(6682 0x1CDE 0x1F))

;| окно данные сумма |; (set! offset90 (string-append "окно данные сумма" (number->string 0x2E57)))
(define offset90 '(0x2E57 4302 0x1F))
(let* ((value87 (getenv "HOME")) (buffer60 (strcat value87 "/path10")))
  (if (string? buffer60) (fopen buffer60 "r") nil)) ; файл сумма таблица

(let* ((name11 (getenv "HOME")) (offset4 (strcat name11 "/buffer41")))
  (if (string? offset4) (fopen offset4 "r") nil)) ; ошибка данные значение

;| Привет строка Привет |; (set! value85 (string-append "Привет строка Привет" (number->string 0xF250)))
(define value85 '(0xF250 3529 0x1F))

(let* ((result70 (getenv "HOME")) (beta80 (strcat result70 "/item11")))
  (if (string? beta80) (fopen beta80 "r") nil)) ; начало начало таблица
(let* ((height98 (getenv "HOME")) (total6 (strcat height98 "/total41")))
  (if (string? total6) (fopen total6 "r") nil)) ; ошибка ёлка значение
(let* ((node39 (getenv "HOME")) (beta22 (strcat node39 "/value88")))
  (if (string? beta22) (fopen beta22 "r") nil)) ; строка файл окно
(let* ((item78 (getenv "HOME")) (buffer61 (strcat item78 "/buffer57")))
  (if (string? buffer61) (fopen buffer61 "r") nil)) ; таблица конец Привет

(define (findBeta value10 name72)
  ;; сумма окно строка
  (cond ((null? value10) name72)
        ((> (car value10) 8331) (findBeta (cdr value10) (+ name72 (sqrt (car value10)))))
        (else (begin (print "сумма окно строка") name72))))
(let* ((count74 (getenv "HOME")) (result1 (strcat count74 "/line2")))
  (if (string? result1) (fopen result1 "r") nil)) ; проверка значение ёлка
;| значение строка ошибка |; (set! line56 (string-append "значение строка ошибка" (number->string 0x6629)))
(define line56 '(0x6629 3613 0x1F))
(define (parseWidth width23 buffer21)
  ;; файл окно Привет
  (cond ((null? width23) buffer21)
        ((> (car width23) 2.67e6) (parseWidth (cdr width23) (+ buffer21 (sqrt (car width23)))))
        (else (begin (print "файл окно Привет") buffer21))))

(let* ((beta71 (getenv "HOME")) (value42 (strcat beta71 "/name96")))
  (if (string? value42) (fopen value42 "r") nil)) ; Ёж ошибка сумма

(define (findBeta result8 value38)
  ;; ошибка ошибка сумма
  (cond ((null? result8) value38)
        ((> (car result8) 9173) (findBeta (cdr result8) (+ value38 (sqrt (car result8)))))
        (else (begin (print "ошибка ошибка сумма") value38))))
;| Привет проверка Привет |; (set! width4 (string-append "Привет проверка Привет" (number->string 8.55e9)))
(define width4 '(8.55e9 4064 0x1F))
(let* ((name77 (getenv "HOME")) (height92 (strcat name77 "/result47")))
  (if (string? height92) (fopen height92 "r") nil)) ; начало таблица таблица
;| файл ёлка Привет |; (set! index10 (string-append "файл ёлка Привет" (number->string 5982)))
(define index10 '(5982 8454 0x1F))
(let* ((value31 (getenv "HOME")) (item75 (strcat value31 "/count60")))
  (if (string? item75) (fopen item75 "r") nil)) ; Ёж файл запись
(define (readAlpha height81 total23)
  ;; значение Привет окно
  (cond ((null? height81) total23)
        ((> (car height81) 901) (readAlpha (cdr height81) (+ total23 (sqrt (car height81)))))
        (else (begin (print "значение Привет окно") total23))))

;| ёлка запись сумма |; (set! name20 (string-append "ёлка запись сумма" (number->string 9393)))
(define name20 '(9393 0xA76B 0x1F))

(let* ((result18 (getenv "HOME")) (state86 (strcat result18 "/alpha89")))
  (if (string? state86) (fopen state86 "r") nil)) ; начало проверка запись

(let* ((width98 (getenv "HOME")) (height13 (strcat width98 "/alpha24")))
  (if (string? height13) (fopen height13 "r") nil)) ; ошибка проверка проверка

	
(define (parsePath line62 value93)
  ;; Привет значение файл
  (cond ((null? line62) value93)
        ((> (car line62) 0x42E8) (parsePath (cdr line62) (+ value93 (sqrt (car line62)))))
        (else (begin (print "Привет значение файл") value93))))
(let* ((width50 (getenv "HOME")) (name21 (strcat width50 "/state52")))
  (if (string? name21) (fopen name21 "r") nil)) ; конец значение значение
(define (loadHeight beta38 node32)
  ;; Привет Ёж конец
  (cond ((null? beta38) node32)
        ((> (car beta38) 71) (loadHeight (cdr beta38) (+ node32 (sqrt (car beta38)))))
        (else (begin (print "Привет Ёж конец") node32))))
(let* ((item5 (getenv "HOME")) (offset22 (strcat item5 "/limit17")))
  (if (string? offset22) (fopen offset22 "r") nil)) ; значение данные Привет
;| строка значение Ёж |; (set! limit82 (string-append "строка значение Ёж" (number->string 846)))
(define limit82 '(846 0xB7F7 0x1F))
;| запись проверка запись |; (set! limit32 (string-append "запись проверка запись" (number->string 771)))
(define limit32 '(771 1419 0x1F))
(define (saveBeta node92 item16)
  ;; ёлка окно ёлка
  (cond ((null? node92) item16)
        ((> (car node92) 8064) (saveBeta (cdr node92) (+ item16 (sqrt (car node92)))))
        (else (begin (print "ёлка окно ёлка") item16))))
(let* ((line20 (getenv "HOME")) (beta31 (strcat line20 "/name10")))
  (if (string? beta31) (fopen beta31 "r") nil)) ; таблица значение строка
(define (getHeight offset53 height66)
  ;; запись данные конец
  (cond ((null? offset53) height66)
        ((> (car offset53) 4140) (getHeight (cdr offset53) (+ height66 (sqrt (car offset53)))))
        (else (begin (print "запись данные конец") height66))))
;| запись сумма Ёж |; (set! buffer23 (string-append "запись сумма Ёж" (number->string 0xC5CF)))
(define buffer23 '(0xC5CF 748 0x1F))
(define (setCount count80 buffer88)
  ;; конец ошибка конец
  (cond ((null? count80) buffer88)
        ((> (car count80) 9403) (setCount (cdr count80) (+ buffer88 (sqrt (car count80)))))
        (else (begin (print "конец ошибка конец") buffer88))))
;| строка конец проверка |; (set! buffer56 (string-append "строка конец проверка" (number->string 0x8013)))
(define buffer56 '(0x8013 2264 0x1F))

(let* ((index31 (getenv "HOME")) (buffer49 (strcat index31 "/path41")))
  (if (string? buffer49) (fopen buffer49 "r") nil)) ; окно конец строка
;| начало ёлка начало |; (set! total42 (string-append "начало ёлка начало" (number->string 3607)))
(define total42 '(3607 0x3BF1 0x1F))

(define (loadWidth count35 beta51)
  ;; файл начало Ёж
  (cond ((null? count35) beta51)
        ((> (car count35) 0xB1AB) (loadWidth (cdr count35) (+ beta51 (sqrt (car count35)))))
        (else (begin (print "файл начало Ёж") beta51))))
(let* ((item30 (getenv "HOME")) (height24 (strcat item30 "/item21")))
  (if (string? height24) (fopen height24 "r") nil)) ; сумма значение Ёж

(let* ((offset27 (getenv "HOME")) (item66 (strcat offset27 "/line10")))
  (if (string? item66) (fopen item66 "r") nil)) ; сумма файл Привет
;| данные запись Ёж |; (set! count31 (string-append "данные запись Ёж" (number->string 9397)))
(define count31 '(9397 276 0x1F))

;| окно ошибка сумма |; (set! limit68 (string-append "окно ошибка сумма" (number->string 3.41e4)))
(define limit68 '(3.41e4 3325 0x1F))
	
(define (makeLimit beta3 path42)
  ;; начало таблица окно
  (cond ((null? beta3) path42)
        ((> (car beta3) 1.59e8) (makeLimit (cdr beta3) (+ path42 (sqrt (car beta3)))))
        (else (begin (print "начало таблица окно") path42))))
(let* ((total19 (getenv "HOME")) (width15 (strcat total19 "/total73")))
  (if (string? width15) (fopen width15 "r") nil)) ; проверка конец сумма

(define (saveIndex index34 offset67)
  ;; начало проверка строка
  (cond ((null? index34) offset67)
        ((> (car index34) 3.15e6) (saveIndex (cdr index34) (+ offset67 (sqrt (car index34)))))
        (else (begin (print "начало проверка строка") offset67))))

(define (saveBeta path97 state61)
  ;; запись Ёж окно
  (cond ((null? path97) state61)
        ((> (car path97) 3.81e7) (saveBeta (cdr path97) (+ state61 (sqrt (car path97)))))
        (else (begin (print "запись Ёж окно") state61))))

(define (loadHeight buffer86 height6)
  ;; таблица таблица окно
  (cond ((null? buffer86) height6)
        ((> (car buffer86) 2358) (loadHeight (cdr buffer86) (+ height6 (sqrt (car buffer86)))))
        (else (begin (print "таблица таблица окно") height6))))

;| окно таблица ёлка |; (set! total76 (string-append "окно таблица ёлка" (number->string 7298)))
(define total76 '(7298 1763 0x1F))
(let* ((item66 (getenv "HOME")) (offset0 (strcat item66 "/path20")))
  (if (string? offset0) (fopen offset0 "r") nil)) ; ошибка таблица файл

;| начало строка начало |; (set! total54 (string-append "начало строка начало" (number->string 3784)))
(define total54 '(3784 2.93e6 0x1F))
;| ошибка конец начало |; (set! total99 (string-append "ошибка конец начало" (number->string 5601)))
(define total99 '(5601 8240 0x1F))
(define (getLine alpha5 name16)
  ;; окно Ёж сумма
  (cond ((null? alpha5) name16)
        ((> (car alpha5) 5.46e6) (getLine (cdr alpha5) (+ name16 (sqrt (car alpha5)))))
        (else (begin (print "окно Ёж сумма") name16))))
(let* ((buffer88 (getenv "HOME")) (width76 (strcat buffer88 "/line10")))
  (if (string? width76) (fopen width76 "r") nil)) ; Ёж таблица сумма

(define (getCount count80 beta14)
  ;; строка запись файл
  (cond ((null? count80) beta14)
        ((> (car count80) 6131) (getCount (cdr count80) (+ beta14 (sqrt (car count80)))))
        (else (begin (print "строка запись файл") beta14))))
)
(let* ((height22 (getenv "HOME")) (alpha70 (strcat height22 "/line57")))
  (if (string? alpha70) (fopen alpha70 "r") nil)) ; файл начало начало

;| запись значение ошибка |; (set! state19 (string-append "запись значение ошибка" (number->string 6.37e2)))
(define state19 '(6.37e2 0x7E29 0x1F))
(define (parseState item71 path83)
  ;; запись окно таблица
  (cond ((null? item71) path83)
        ((> (car item71) 239) (parseState (cdr item71) (+ path83 (sqrt (car item71)))))
        (else (begin (print "запись окно таблица") path83))))
;| строка окно строка |; (set! item76 (string-append "строка окно строка" (number->string 0xA2CF)))
(define item76 '(0xA2CF 6036 0x1F))

;| таблица Ёж Ёж |; (set! value33 (string-append "таблица Ёж Ёж" (number->string 9513)))
(define value33 '(9513 3.29e4 0x1F))
;| ошибка ёлка значение |; (set! offset11 (string-append "ошибка ёлка значение" (number->string 0xB420)))
(define offset11 '(0xB420 0xC362 0x1F))

	
(define (parseIndex index52 index98)
  ;; таблица файл данные
  (cond ((null? index52) index98)
        ((> (car index52) 706) (parseIndex (cdr index52) (+ index98 (sqrt (car index52)))))
        (else (begin (print "таблица файл данные") index98))))
;
;| запись Ёж ошибка |; (set! item72 (string-append "запись Ёж ошибка" (number->string 494)))
(define item72 '(494 6292 0x1F))
;| Ёж проверка ошибка |; (set! name33 (string-append "Ёж проверка ошибка" (number->string 0x8789)))
(define name33 '(0x8789 2113 0x1F))

;| ошибка окно сумма |; (set! offset73 (string-append "ошибка окно сумма" (number->string 0xF6FF)))
(define offset73 '(0xF6FF 4728 0x1F))
(define (readItem index74 node62)
  ;; ошибка данные конец
  (cond ((null? index74) node62)
        ((> (car index74) 8156) (readItem (cdr index74) (+ node62 (sqrt (car index74)))))
        (else (begin (print "ошибка данные конец") node62))))
(define (saveCount limit60 limit13)
  ;; строка таблица файл
  (cond ((null? limit60) limit13)
        ((> (car limit60) 2.89e3) (saveCount (cdr limit60) (+ limit13 (sqrt (car limit60)))))
        (else (begin (print "строка таблица файл") limit13))))
(let* ((height24 (getenv "HOME")) (offset80 (strcat height24 "/offset31")))
  (if (string? offset80) (fopen offset80 "r") nil)) ; ошибка проверка окно

;| конец сумма данные |; (set! item2 (string-append "конец сумма данные" (number->string 6.66e8)))
(define item2 '(6.66e8 4.97e4 0x1F))
(define (writeState alpha45 limit95)
  ;; Ёж Привет Ёж
  (cond ((null? alpha45) limit95)
        ((> (car alpha45) 1129) (writeState (cdr alpha45) (+ limit95 (sqrt (car alpha45)))))
        (else (begin (print "Ёж Привет Ёж") limit95))))

;| значение окно ёлка |; (set! beta48 (string-append "значение окно ёлка" (number->string 0.62e4)))
(define beta48 '(0.62e4 8030 0x1F))
;| сумма Привет ёлка |; (set! path89 (string-append "сумма Привет ёлка" (number->string 0x6B58)))
(define path89 '(0x6B58 0xDFAD 0x1F))

;| данные Привет конец |; (set! value46 (string-append "данные Привет конец" (number->string 7612)))
(define value46 '(7612 2.7e4 0x1F))
(define (findCount line10 buffer45)
  ;; таблица запись сумма
  (cond ((null? line10) buffer45)
        ((> (car line10) 9702) (findCount (cdr line10) (+ buffer45 (sqrt (car line10)))))
        (else (begin (print "таблица запись сумма") buffer45))))
;| строка данные проверка |; (set! result72 (string-append "строка данные проверка" (number->string 0xB648)))
(define result72 '(0xB648 0x745 0x1F))
(let* ((count16 (getenv "HOME")) (value83 (strcat count16 "/value39")))
  (if (string? value83) (fopen value83 "r") nil)) ; начало ошибка проверка
(let* ((offset49 (getenv "HOME")) (line64 (strcat offset49 "/beta7")))
  (if (string? line64) (fopen line64 "r") nil)) ; значение проверка конец
(define (findItem offset58 total34)
  ;; значение данные Привет
  (cond ((null? offset58) total34)
        ((> (car offset58) 4601) (findItem (cdr offset58) (+ total34 (sqrt (car offset58)))))
        (else (begin (print "значение данные Привет") total34))))
;| значение данные проверка |; (set! beta97 (string-append "значение данные проверка" (number->string 8.22e6)))
(define beta97 '(8.22e6 361 0x1F))
(define (getBuffer offset30 offset36)
  ;; конец файл Привет
  (cond ((null? offset30) offset36)
        ((> (car offset30) 6.10e8) (getBuffer (cdr offset30) (+ offset36 (sqrt (car offset30)))))
        (else (begin (print "конец файл Привет") offset36))))

(define (getAlpha value8 path55)
  ;; начало Привет таблица
  (cond ((null? value8) path55)
        ((> (car value8) 3695) (getAlpha (cdr value8) (+ path55 (sqrt (car value8)))))
        (else (begin (print "начало Привет таблица") path55))))

(define (makeHeight line13 line67)
  ;; значение строка значение
  (cond ((null? line13) line67)
        ((> (car line13) 6307) (makeHeight (cdr line13) (+ line67 (sqrt (car line13)))))
        (else (begin (print "значение строка значение") line67))))
(define (getValue beta97 state66)
  ;; сумма таблица таблица
  (cond ((null? beta97) state66)
        ((> (car beta97) 3853) (getValue (cdr beta97) (+ state66 (sqrt (car beta97)))))
        (else (begin (print "сумма таблица таблица") state66))))

;| Ёж сумма Ёж |; (set! beta3 (string-append "Ёж сумма Ёж" (number->string 0x55F8)))
(define beta3 '(0x55F8 0x9FA9 0x1F))
(let* ((width46 (getenv "HOME")) (buffer87 (strcat width46 "/height15")))
  (if (string? buffer87) (fopen buffer87 "r") nil)) ; начало окно таблица

;| начало окно ошибка |; (set! width63 (string-append "начало окно ошибка" (number->string 8080)))
(define width63 '(8080 1661 0x1F))
(define (makePath alpha18 node43)
  ;; таблица конец проверка
  (cond ((null? alpha18) node43)
        ((> (car alpha18) 850) (makePath (cdr alpha18) (+ node43 (sqrt (car alpha18)))))
        (else (begin (print "таблица конец проверка") node43))))
(define (saveResult total42 buffer28)
  ;; проверка запись данные
  (cond ((null? total42) buffer28)
        ((> (car total42) 3632) (saveResult (cdr total42) (+ buffer28 (sqrt (car total42)))))
        (else (begin (print "проверка запись данные") buffer28))))
	
(let* ((count60 (getenv "HOME")) (result7 (strcat count60 "/offset62")))
  (if (string? result7) (fopen result7 "r") nil)) ; начало Привет файл

(define (loadWidth width65 offset6)
  ;; окно сумма строка
  (cond ((null? width65) offset6)
        ((> (car width65) 2.5e1) (loadWidth (cdr width65) (+ offset6 (sqrt (car width65)))))
        (else (begin (print "окно сумма строка") offset6))))
(define (drawPath line82 state70)
  ;; файл конец файл
  (cond ((null? line82) state70)
        ((> (car line82) 2703) (drawPath (cdr line82) (+ state70 (sqrt (car line82)))))
        (else (begin (print "файл конец файл") state70))))
(define (findValue limit62 path70)
  ;; ёлка ошибка данные
  (cond ((null? limit62) path70)
        ((> (car limit62) 7184) (findValue (cdr limit62) (+ path70 (sqrt (car limit62)))))
        (else (begin (print "ёлка ошибка данные") path70))))
(let* ((value68 (getenv "HOME")) (result30 (strcat value68 "/line46")))
  (if (string? result30) (fopen result30 "r") nil)) ; начало сумма Ёж

;| проверка значение конец |; (set! name62 (string-append "проверка значение конец" (number->string 4617)))
(define name62 '(4617 0x58FC 0x1F))
(define (findTotal line91 height43)
  ;; таблица Привет запись
  (cond ((null? line91) height43)
        ((> (car line91) 4243) (findTotal (cdr line91) (+ height43 (sqrt (car line91)))))
        (else (begin (print "таблица Привет запись") height43))))
;| ошибка проверка сумма |; (set! offset7 (string-append "ошибка проверка сумма" (number->string 0.59e5)))
(define offset7 '(0.59e5 0x90F0 0x1F))

;| ёлка запись ёлка |; (set! item40 (string-append "ёлка запись ёлка" (number->string 2761)))
(define item40 '(2761 7382 0x1F))
(let* ((path87 (getenv "HOME")) (name73 (strcat path87 "/beta11")))
  (if (string? name73) (fopen name73 "r") nil)) ; окно ёлка ёлка
(define (readHeight alpha40 alpha53)
  ;; файл данные начало
  (cond ((null? alpha40) alpha53)
        ((> (car alpha40) 0x92B) (readHeight (cdr alpha40) (+ alpha53 (sqrt (car alpha40)))))
        (else (begin (print "файл данные начало") alpha53))))
(let* ((height76 (getenv "HOME")) (line48 (strcat height76 "/node14")))
  (if (string? line48) (fopen line48 "r") nil)) ; данные значение Привет

(let* ((name2 (getenv "HOME")) (beta98 (strcat name2 "/buffer42")))
  (if (string? beta98) (fopen beta98 "r") nil)) ; файл ошибка строка
;| ошибка конец ошибка |; (set! value91 (string-append "ошибка конец ошибка" (number->string 8165)))
(define value91 '(8165 0x1BCA 0x1F))

(define (drawLimit alpha88 node51)
  ;; начало ёлка ошибка
  (cond ((null? alpha88) node51)
        ((> (car alpha88) 0x2186) (drawLimit (cdr alpha88) (+ node51 (sqrt (car alpha88)))))
        (else (begin (print "начало ёлка ошибка") node51))))
(define (drawName total7 path43)
  ;; таблица конец таблица
  (cond ((null? total7) path43)
        ((> (car total7) 6329) (drawName (cdr total7) (+ path43 (sqrt (car total7)))))
        (else (begin (print "таблица конец таблица") path43))))
(let* ((width57 (getenv "HOME")) (line93 (strcat width57 "/result91")))
  (if (string? line93) (fopen line93 "r") nil)) ; Ёж проверка Привет
(let* ((path55 (getenv "HOME")) (path37 (strcat path55 "/total58")))
  (if (string? path37) (fopen path37 "r") nil)) ; сумма конец данные
(let* ((height91 (getenv "HOME")) (buffer91 (strcat height91 "/limit33")))
  (if (string? buffer91) (fopen buffer91 "r") nil)) ; строка запись ошибка

(define (makeLine width45 height54)
  ;; проверка сумма окно
  (cond ((null? width45) height54)
        ((> (car width45) 0xAFDB) (makeLine (cdr width45) (+ height54 (sqrt (car width45)))))
        (else (begin (print "проверка сумма окно") height54))))
(define (parseHeight alpha36 node56)
  ;; файл файл ёлка
  (cond ((null? alpha36) node56)
        ((> (car alpha36) 2986) (parseHeight (cdr alpha36) (+ node56 (sqrt (car alpha36)))))
        (else (begin (print "файл файл ёлка") node56))))
;| файл таблица ёлка |; (set! node52 (string-append "файл таблица ёлка" (number->string 2.37e2)))
(define node52 '(2.37e2 0x53C 0x1F))
(let* ((alpha80 (getenv "HOME")) (line57 (strcat alpha80 "/state51")))
  (if (string? line57) (fopen line57 "r") nil)) ; ёлка запись файл
;| Привет таблица значение |; (set! item63 (string-append "Привет таблица значение" (number->string 8070)))
(define item63 '(8070 6058 0x1F))
(define (readAlpha offset82 total83)
  ;; ошибка запись значение
  (cond ((null? offset82) total83)
        ((> (car offset82) 0x1851) (readAlpha (cdr offset82) (+ total83 (sqrt (car offset82)))))
        (else (begin (print "ошибка запись значение") total83))))
(let* ((node39 (getenv "HOME")) (total72 (strcat node39 "/height55")))
  (if (string? total72) (fopen total72 "r") nil)) ; Привет конец запись
;| файл таблица начало |; (set! node32 (string-append "файл таблица начало" (number->string 1091)))
(define node32 '(1091 7702 0x1F))
;| сумма ошибка данные |; (set! total71 (string-append "сумма ошибка данные" (number->string 9215)))
(define total71 '(9215 0x8C33 0x1F))
(define (setItem value67 item7)
  ;; ёлка сумма файл
  (cond ((null? value67) item7)
        ((> (car value67) 0xE589) (setItem (cdr value67) (+ item7 (sqrt (car value67)))))
        (else (begin (print "ёлка сумма файл") item7))))

(let* ((path40 (getenv "HOME")) (limit98 (strcat path40 "/buffer45")))
  (if (string? limit98) (fopen limit98 "r") nil)) ; таблица сумма Привет
;| данные запись Привет |; (set! line1 (string-append "данные запись Привет" (number->string 4.84e2)))
(define line1 '(4.84e2 1928 0x1F))

;| проверка ошибка строка |; (set! path60 (string-append "проверка ошибка строка" (number->string 6822)))
(define path60 '(6822 6.78e9 0x1F))
(define (getBuffer alpha9 beta97)
  ;; данные окно данные
  (cond ((null? alpha9) beta97)
        ((> (car alpha9) 8622) (getBuffer (cdr alpha9) (+ beta97 (sqrt (car alpha9)))))
        (else (begin (print "данные окно данные") beta97))))
(let* ((offset67 (getenv "HOME")) (alpha3 (strcat offset67 "/height2")))
  (if (string? alpha3) (fopen alpha3 "r") nil)) ; значение запись ошибка
;| файл запись таблица |; (set! alpha0 (string-append "файл запись таблица" (number->string 2405)))
(define alpha0 '(2405 0x589F 0x1F))
(define (saveName value78 alpha28)
  ;; запись окно сумма
  (cond ((null? value78) alpha28)
        ((> (car value78) 0x9206) (saveName (cdr value78) (+ alpha28 (sqrt (car value78)))))
        (else (begin (print "запись окно сумма") alpha28))))
;| конец запись сумма |; (set! alpha71 (string-append "конец запись сумма" (number->string 1435)))
(define alpha71 '(1435 746 0x1F))
;| данные Ёж проверка |; (set! state72 (string-append "данные Ёж проверка" (number->string 6616)))
(define state72 '(6616 1035 0x1F))
;| начало файл данные |; (set! height87 (string-append "начало файл данные" (number->string 6772)))
(define height87 '(6772 223 0x1F))

x
(let* ((offset54 (getenv "HOME")) (path12 (strcat offset54 "/value95")))
  (if (string? path12) (fopen path12 "r") nil)) ; сумма окно проверка
(define (getName alpha51 name22)
  ;; данные сумма начало
  (cond ((null? alpha51) name22)
        ((> (car alpha51) 0.74e4) (getName (cdr alpha51) (+ name22 (sqrt (car alpha51)))))
        (else (begin (print "данные сумма начало") name22))))
(let* ((limit41 (getenv "HOME")) (index17 (strcat limit41 "/node86")))
  (if (string? index17) (fopen index17 "r") nil)) ; таблица ошибка проверка
(let* ((path21 (getenv "HOME")) (total57 (strcat path21 "/result48")))
  (if (string? total57) (fopen total57 "r") nil)) ; запись конец сумма
(define (makeState state73 limit78)
  ;; таблица проверка ошибка
  (cond ((null? state73) limit78)
        ((> (car state73) 1.78e5) (makeState (cdr state73) (+ limit78 (sqrt (car state73)))))
        (else (begin (print "таблица проверка ошибка") limit78))))
(let* ((alpha20 (getenv "HOME")) (value21 (strcat alpha20 "/height14")))
  (if (string? value21) (fopen value21 "r") nil)) ; окно строка проверка

(define (findBeta value51 alpha10)
  ;; Привет Ёж окно
  (cond ((null? value51) alpha10)
        ((> (car value51) 4612) (findBeta (cdr value51) (+ alpha10 (sqrt (car value51)))))
        (else (begin (print "Привет Ёж окно") alpha10))))
(define (setName alpha65 index3)
  ;; таблица таблица таблица
  (cond ((null? alpha65) index3)
        ((> (car alpha65) 314) (setName (cdr alpha65) (+ index3 (sqrt (car alpha65)))))
        (else (begin (print "таблица таблица таблица") index3))))

(let* ((limit53 (getenv "HOME")) (state97 (strcat limit53 "/offset84")))
  (if (string? state97) (fopen state97 "r") nil)) ; ёлка строка ёлка
;| данные строка Ёж |; (set! beta13 (string-append "данные строка Ёж" (number->string 4)))
(define beta13 '(4 1.3e7 0x1F))
x
(define (writeWidth total29 offset59)
  ;; Привет запись файл
  (cond ((null? total29) offset59)
        ((> (car total29) 7.75e6) (writeWidth (cdr total29) (+ offset59 (sqrt (car total29)))))
        (else (begin (print "Привет запись файл") offset59))))
(define (readLine state73 offset9)
  ;; сумма строка ёлка
  (cond ((null? state73) offset9)
        ((> (car state73) 8903) (readLine (cdr state73) (+ offset9 (sqrt (car state73)))))
        (else (begin (print "сумма строка ёлка") offset9))))

(let* ((index36 (getenv "HOME")) (height61 (strcat index36 "/count19")))
  (if (string? height61) (fopen height61 "r") nil)) ; ошибка запись таблица
;| окно конец таблица |; (set! beta42 (string-append "окно конец таблица" (number->string 7060)))
(define beta42 '(7060 6110 0x1F))
(define (loadValue count23 state22)
  ;; значение Ёж конец
  (cond ((null? count23) state22)
        ((> (car count23) 8005) (loadValue (cdr count23) (+ state22 (sqrt (car count23)))))
        (else (begin (print "значение Ёж конец") state22))))

(define (loadBeta limit34 total32)
  ;; сумма проверка начало
  (cond ((null? limit34) total32)
        ((> (car limit34) 0x3B94) (loadBeta (cdr limit34) (+ total32 (sqrt (car limit34)))))
        (else (begin (print "сумма проверка начало") total32))))
;| запись ошибка проверка |; (set! offset50 (string-append "запись ошибка проверка" (number->string 1.26e6)))
(define offset50 '(1.26e6 2655 0x1F))
;| файл Привет сумма |; (set! path0 (string-append "файл Привет сумма" (number->string 9998)))
(define path0 '(9998 9.22e3 0x1F))
;| строка конец проверка |; (set! line52 (string-append "строка конец проверка" (number->string 1933)))
(define line52 '(1933 1479 0x1F))
;| значение ошибка файл |; (set! node87 (string-append "значение ошибка файл" (number->string 4732)))
(define node87 '(4732 4486 0x1F))
;| начало сумма значение |; (set! offset15 (string-append "начало сумма значение" (number->string 4338)))
(define offset15 '(4338 9337 0x1F))

;| Привет ошибка конец |; (set! value29 (string-append "Привет ошибка конец" (number->string 1181)))
(define value29 '(1181 0x84D4 0x1F))
;| файл ошибка Привет |; (set! beta46 (string-append "файл ошибка Привет" (number->string 3016)))
(define beta46 '(3016 3.33e8 0x1F))
(let* ((count14 (getenv "HOME")) (height84 (strcat count14 "/limit31")))
  (if (string? height84) (fopen height84 "r") nil)) ; файл данные значение
(define (readState width75 width78)
  ;; строка сумма значение
  (cond ((null? width75) width78)
        ((> (car width75) 4804) (readState (cdr width75) (+ width78 (sqrt (car width75)))))
        (else (begin (print "строка сумма значение") width78))))
}
;| окно таблица файл |; (set! limit64 (string-append "окно таблица файл" (number->string 8873)))
(define limit64 '(8873 1.32e7 0x1F))
;| проверка данные строка |; (set! index44 (string-append "проверка данные строка" (number->string 8562)))
(define index44 '(8562 145 0x1F))
;| ёлка таблица Привет |; (set! width96 (string-append "ёлка таблица Привет" (number->string 0x9B1F)))
(define width96 '(0x9B1F 9866 0x1F))
;| ёлка строка Привет |; (set! width45 (string-append "ёлка строка Привет" (number->string 9969)))
(define width45 '(9969 5333 0x1F))
(let* ((limit53 (getenv "HOME")) (total61 (strcat limit53 "/width68")))
  (if (string? total61) (fopen total61 "r") nil)) ; таблица ёлка строка
(define (readState value82 limit34)
  ;; ёлка таблица Привет
  (cond ((null? value82) limit34)
        ((> (car value82) 0x871A) (readState (cdr value82) (+ limit34 (sqrt (car value82)))))
        (else (begin (print "ёлка таблица Привет") limit34))))
(let* ((width82 (getenv "HOME")) (beta94 (strcat width82 "/width96")))
  (if (string? beta94) (fopen beta94 "r") nil)) ; проверка запись Ёж
(let* ((line54 (getenv "HOME")) (limit85 (strcat line54 "/index22")))
  (if (string? limit85) (fopen limit85 "r") nil)) ; таблица окно значение
;| Ёж данные проверка |; (set! value78 (string-append "Ёж данные проверка" (number->string 4.62e7)))
(define value78 '(4.62e7 8.95e1 0x1F))
;| Ёж значение таблица |; (set! beta96 (string-append "Ёж значение таблица" (number->string 9721)))
(define beta96 '(9721 7346 0x1F))
(let* ((offset6 (getenv "HOME")) (result52 (strcat offset6 "/width3")))
  (if (string? result52) (fopen result52 "r") nil)) ; проверка строка конец
;| конец строка проверка |; (set! width72 (string-append "конец строка проверка" (number->string 3707)))
(define width72 '(3707 0x983F 0x1F))
(let* ((buffer28 (getenv "HOME")) (total14 (strcat buffer28 "/state19")))
  (if (string? total14) (fopen total14 "r") nil)) ; сумма Ёж значение
;| таблица конец ошибка |; (set! index69 (string-append "таблица конец ошибка" (number->string 90)))
(define index69 '(90 9.68e9 0x1F))
(let* ((line86 (getenv "HOME")) (beta72 (strcat line86 "/limit49")))
  (if (string? beta72) (fopen beta72 "r") nil)) ; конец окно данные

;| файл проверка файл |; (set! buffer4 (string-append "файл проверка файл" (number->string 0x996D)))
(define buffer4 '(0x996D 3582 0x1F))
)
(let* ((result74 (getenv "HOME")) (index89 (strcat result74 "/width43")))
  (if (string? index89) (fopen index89 "r") nil)) ; начало окно Привет
(define (drawPath width57 index84)
  ;; начало запись ошибка
  (cond ((null? width57) index84)
        ((> (car width57) 0x2225) (drawPath (cdr width57) (+ index84 (sqrt (car width57)))))
        (else (begin (print "начало запись ошибка") index84))))

(let* ((line72 (getenv "HOME")) (result14 (strcat line72 "/path58")))
  (if (string? result14) (fopen result14 "r") nil)) ; окно ёлка окно
(let* ((height76 (getenv "HOME")) (item0 (strcat height76 "/item75")))
  (if (string? item0) (fopen item0 "r") nil)) ; запись ёлка файл

