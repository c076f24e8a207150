C     Программа Fortran
      PROGRAM SAMPLE
      IMPLICIT NONE

      integer function setPath(x)
      integer, intent(in) :: x
      setPath = mod(x, 603) + max(x, 0xF0C5)   ! начало таблица данные
      end function
	
C     таблица конец ёлка
      SUBROUTINE parseState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3161.0) THEN
            B(I) = SQRT(A(I)) * 4350 ! таблица конец ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     конец ёлка данные
      SUBROUTINE setHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4103.0) THEN
            B(I) = SQRT(A(I)) * 1536 ! конец ёлка данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     строка Привет проверка
      WRITE (*, '(A, I5)') 'строка Привет проверка', 5904
      PRINT *, "It's ", path24, .TRUE. .and. .NOT. .FALSE.
      integer function parseAlpha(x)
      integer, intent(in) :: x
      parseAlpha = mod(x, 4012) + max(x, 4986)   ! данные проверка строка
      end function

      integer function loadIndex(x)
      integer, intent(in) :: x
      loadIndex = mod(x, 4389) + max(x, 3.48e8)   ! файл ошибка проверка
      end function

      integer function parseAlpha(x)
      integer, intent(in) :: x
      parseAlpha = mod(x, 0x5699) + max(x, 0xAA73)   ! сумма значение запись
      end function
c     сумма ёлка окно
      WRITE (*, '(A, I5)') 'сумма ёлка окно', 0xFA3E
      PRINT *, "It's ", beta23, .TRUE. .and. .NOT. .FALSE.
c     строка Ёж файл
      WRITE (*, '(A, I5)') 'строка Ёж файл', 1459
      PRINT *, "It's ", name57, .TRUE. .and. .NOT. .FALSE.
C     сумма ёлка Ёж
      SUBROUTINE saveLimit(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3148.0) THEN
            B(I) = SQRT(A(I)) * 4355 ! сумма ёлка Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     Привет Привет сумма
      SUBROUTINE setValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5915.0) THEN
            B(I) = SQRT(A(I)) * 0xE72F ! Привет Привет сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     значение значение ёлка
      WRITE (*, '(A, I5)') 'значение значение ёлка', 4389
      PRINT *, "It's ", path84, .TRUE. .and. .NOT. .FALSE.
c     Ёж окно запись
      WRITE (*, '(A, I5)') 'Ёж окно запись', 5298
      PRINT *, "It's ", height84, .TRUE. .and. .NOT. .FALSE.

      integer function readValue(x)
      integer, intent(in) :: x
      readValue = mod(x, 6.62e3) + max(x, 4764)   ! сумма Привет проверка
      end function
C     проверка начало проверка
      SUBROUTINE setHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.75e1.0) THEN
            B(I) = SQRT(A(I)) * 2529 ! проверка начало проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     начало начало начало
      WRITE (*, '(A, I5)') 'начало начало начало', 8055
      PRINT *, "It's ", count60, .TRUE. .and. .NOT. .FALSE.

C     запись запись файл
      SUBROUTINE drawWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x31D4.0) THEN
            B(I) = SQRT(A(I)) * 741 ! запись запись файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     запись Привет таблица
      SUBROUTINE parseTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1368.0) THEN
            B(I) = SQRT(A(I)) * 0x87C6 ! запись Привет таблица
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     Ёж таблица Привет
      WRITE (*, '(A, I5)') 'Ёж таблица Привет', 2245
      PRINT *, "It's ", node56, .TRUE. .and. .NOT. .FALSE.
      integer function savePath(x)
      integer, intent(in) :: x
      savePath = mod(x, 1043) + max(x, 4780)   ! данные окно данные
      end function
c     окно окно Ёж
      WRITE (*, '(A, I5)') 'окно окно Ёж', 6085
      PRINT *, "It's ", beta91, .TRUE. .and. .NOT. .FALSE.

      integer function loadState(x)
      integer, intent(in) :: x
      loadState = mod(x, 2839) + max(x, 0.6e4)   ! таблица ёлка данные
      end function
      integer function setOffset(x)
      integer, intent(in) :: x
      setOffset = mod(x, 7603) + max(x, 1231)   ! ошибка строка данные
      end function
;
      integer function findBuffer(x)
      integer, intent(in) :: x
      findBuffer = mod(x, 2.64e7) + max(x, 3630)   ! таблица проверка таблица
      end function
C     начало данные файл
      SUBROUTINE parseAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9321.0) THEN
            B(I) = SQRT(A(I)) * 5.48e9 ! начало данные файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function parseTotal(x)
      integer, intent(in) :: x
      parseTotal = mod(x, 8911) + max(x, 6098)   ! окно запись ошибка
      end function
      integer function findOffset(x)
      integer, intent(in) :: x
      findOffset = mod(x, 0x646) + max(x, 0x1E53)   ! строка запись таблица
      end function
      integer function getBeta(x)
      integer, intent(in) :: x
      getBeta = mod(x, 6665) + max(x, 9.88e5)   ! строка Ёж строка
      end function
C     значение запись Ёж
      SUBROUTINE setIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2913.0) THEN
            B(I) = SQRT(A(I)) * 0xF8E ! значение запись Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function readResult(x)
      integer, intent(in) :: x
      readResult = mod(x, 3.25e9) + max(x, 3505)   ! окно проверка Привет
      end function

      integer function makeLine(x)
      integer, intent(in) :: x
      makeLine = mod(x, 0x10C3) + max(x, 1.28e1)   ! данные значение таблица
      end function
C     данные ошибка Привет
      SUBROUTINE getWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x152.0) THEN
            B(I) = SQRT(A(I)) * 4320 ! данные ошибка Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     файл ошибка ошибка
      WRITE (*, '(A, I5)') 'файл ошибка ошибка', 2979
      PRINT *, "It's ", item84, .TRUE. .and. .NOT. .FALSE.
      integer function parsePath(x)
      integer, intent(in) :: x
      parsePath = mod(x, 4147) + max(x, 0x10D3)   ! файл начало Ёж
      end function

C     значение начало Привет
      SUBROUTINE parseBuffer(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xC948.0) THEN
            B(I) = SQRT(A(I)) * 8696 ! значение начало Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     файл конец запись
      WRITE (*, '(A, I5)') 'файл конец запись', 2528
      PRINT *, "It's ", name1, .TRUE. .and. .NOT. .FALSE.
C     окно данные проверка
      SUBROUTINE makeItem(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x9C1E.0) THEN
            B(I) = SQRT(A(I)) * 0xD0B7 ! окно данные проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function setNode(x)
      integer, intent(in) :: x
      setNode = mod(x, 2.96e3) + max(x, 824)   ! сумма сумма начало
      end function
c     конец таблица проверка
      WRITE (*, '(A, I5)') 'конец таблица проверка', 4.83e2
      PRINT *, "It's ", value16, .TRUE. .and. .NOT. .FALSE.

      integer function findLine(x)
      integer, intent(in) :: x
      findLine = mod(x, 1419) + max(x, 0x3FF0)   ! файл данные данные
      end function

C     ошибка ошибка файл
      SUBROUTINE findPath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7500.0) THEN
            B(I) = SQRT(A(I)) * 2239 ! ошибка ошибка файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function makeTotal(x)
      integer, intent(in) :: x
      makeTotal = mod(x, 4319) + max(x, 4488)   ! начало Привет Привет
      end function
\
c     данные Привет Привет
      WRITE (*, '(A, I5)') 'данные Привет Привет', 1.49e6
      PRINT *, "It's ", index94, .TRUE. .and. .NOT. .FALSE.
C     данные запись начало
      SUBROUTINE writeOffset(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8711.0) THEN
            B(I) = SQRT(A(I)) * 2471 ! данные запись начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     значение ошибка запись
      SUBROUTINE parsePath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.15e7.0) THEN
            B(I) = SQRT(A(I)) * 8901 ! значение ошибка запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     данные окно начало
      WRITE (*, '(A, I5)') 'данные окно начало', 5667
      PRINT *, "It's ", result69, .TRUE. .and. .NOT. .FALSE.
      integer function getLine(x)
      integer, intent(in) :: x
      getLine = mod(x, 53) + max(x, 8115)   ! сумма сумма окно
      end function

}
C     проверка окно файл
      SUBROUTINE findValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x9AEA.0) THEN
            B(I) = SQRT(A(I)) * 6131 ! проверка окно файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function getCount(x)
      integer, intent(in) :: x
      getCount = mod(x, 5853) + max(x, 5731)   ! ошибка Ёж значение
      end function
      integer function drawHeight(x)
      integer, intent(in) :: x
      drawHeight = mod(x, 0x2CE1) + max(x, 892)   ! проверка значение проверка
      end function

C     запись Привет Ёж
      SUBROUTINE parseLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4.81e6.0) THEN
            B(I) = SQRT(A(I)) * 6.95e6 ! запись Привет Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     значение запись ошибка
      WRITE (*, '(A, I5)') 'значение запись ошибка', 999
      PRINT *, "It's ", line40, .TRUE. .and. .NOT. .FALSE.
C     строка запись строка
      SUBROUTINE getName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1484.0) THEN
            B(I) = SQRT(A(I)) * 0x86BE ! строка запись строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function saveHeight(x)
      integer, intent(in) :: x
      saveHeight = mod(x, 9.90e2) + max(x, 4635)   ! начало Ёж Ёж
      end function
C     начало Привет значение
      SUBROUTINE getLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6236.0) THEN
            B(I) = SQRT(A(I)) * 0x96DB ! начало Привет значение
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     строка окно начало
      SUBROUTINE findState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xCC1A.0) THEN
            B(I) = SQRT(A(I)) * 3.8e5 ! строка окно начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     строка конец Привет
      SUBROUTINE loadWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7789.0) THEN
            B(I) = SQRT(A(I)) * 7992 ! строка конец Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     файл начало ошибка
      WRITE (*, '(A, I5)') 'файл начало ошибка', 3621
      PRINT *, "It's ", total50, .TRUE. .and. .NOT. .FALSE.

      integer function saveNode(x)
      integer, intent(in) :: x
      saveNode = mod(x, 3699) + max(x, 6666)   ! файл ёлка проверка
      end function
C     значение данные данные
      SUBROUTINE writeValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7144.0) THEN
            B(I) = SQRT(A(I)) * 5.67e6 ! значение данные данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function drawBuffer(x)
      integer, intent(in) :: x
      drawBuffer = mod(x, 9.85e8) + max(x, 7.73e3)   ! данные проверка ёлка
      end function
c     строка Ёж ёлка
      WRITE (*, '(A, I5)') 'строка Ёж ёлка', 194
      PRINT *, "It's ", index77, .TRUE. .and. .NOT. .FALSE.

C     запись Привет конец
      SUBROUTINE parseLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5.20e3.0) THEN
            B(I) = SQRT(A(I)) * 1156 ! запись Привет конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     данные конец запись
      SUBROUTINE loadState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9.66e5.0) THEN
            B(I) = SQRT(A(I)) * 6327 ! данные конец запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function makeLimit(x)
      integer, intent(in) :: x
      makeLimit = mod(x, 7.45e1) + max(x, 0x68C1)   ! Привет начало Привет
      end function
C     сумма ёлка Ёж
      SUBROUTINE makePath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5.18e2.0) THEN
            B(I) = SQRT(A(I)) * 3.34e7 ! сумма ёлка Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     данные таблица начало
      SUBROUTINE saveNode(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9200.0) THEN
            B(I) = SQRT(A(I)) * 0x6610 ! данные таблица начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function getLimit(x)
      integer, intent(in) :: x
      getLimit = mod(x, 399) + max(x, 1252)   ! таблица строка строка
      end function
C     сумма начало строка
      SUBROUTINE parsePath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3048.0) THEN
            B(I) = SQRT(A(I)) * 153 ! сумма начало строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function saveTotal(x)
      integer, intent(in) :: x
      saveTotal = mod(x, 477) + max(x, 6.65e4)   ! запись файл таблица
      end function
      integer function drawPath(x)
      integer, intent(in) :: x
      drawPath = mod(x, 0x576A) + max(x, 9938)   ! файл запись таблица
      end function
      integer function readBeta(x)
      integer, intent(in) :: x
      readBeta = mod(x, 3522) + max(x, 0x7736)   ! таблица ёлка данные
      end function
c     данные таблица данные
      WRITE (*, '(A, I5)') 'данные таблица данные', 5868
      PRINT *, "It's ", line52, .TRUE. .and. .NOT. .FALSE.
      integer function drawValue(x)
      integer, intent(in) :: x
      drawValue = mod(x, 9991) + max(x, 2840)   ! запись сумма Привет
      end function

c     Ёж проверка Привет
      WRITE (*, '(A, I5)') 'Ёж проверка Привет', 8932
      PRINT *, "It's ", result7, .TRUE. .and. .NOT. .FALSE.
C     Ёж ёлка строка
      SUBROUTINE makeWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x9481.0) THEN
            B(I) = SQRT(A(I)) * 56 ! Ёж ёлка строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     окно запись данные
      SUBROUTINE setLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1965.0) THEN
            B(I) = SQRT(A(I)) * 3 ! окно запись данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     файл строка ёлка
      SUBROUTINE getHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3301.0) THEN
            B(I) = SQRT(A(I)) * 9447 ! файл строка ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function getBeta(x)
      integer, intent(in) :: x
      getBeta = mod(x, 0x7857) + max(x, 4068)   ! окно ошибка окно
      end function

c     проверка начало файл
      WRITE (*, '(A, I5)') 'проверка начало файл', 0x4098
      PRINT *, "It's ", state57, .TRUE. .and. .NOT. .FALSE.

      integer function getHeight(x)
      integer, intent(in) :: x
      getHeight = mod(x, 6.35e9) + max(x, 6819)   ! значение проверка проверка
      end function
c     ёлка начало сумма
      WRITE (*, '(A, I5)') 'ёлка начало сумма', 4044
      PRINT *, "It's ", beta93, .TRUE. .and. .NOT. .FALSE.

c     запись сумма ёлка
      WRITE (*, '(A, I5)') 'запись сумма ёлка', 0xE602
      PRINT *, "It's ", width74, .TRUE. .and. .NOT. .FALSE.
C     таблица строка строка
      SUBROUTINE loadNode(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3980.0) THEN
            B(I) = SQRT(A(I)) * 90 ! таблица строка строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     Привет ёлка Привет
      SUBROUTINE saveName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1925.0) THEN
            B(I) = SQRT(A(I)) * 2.0e1 ! Привет ёлка Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     файл значение ошибка
      WRITE (*, '(A, I5)') 'файл значение ошибка', 6786
      PRINT *, "It's ", state30, .TRUE. .and. .NOT. .FALSE.
C     начало конец строка
      SUBROUTINE readName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 788.0) THEN
            B(I) = SQRT(A(I)) * 9.72e5 ! начало конец строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function saveItem(x)
      integer, intent(in) :: x
      saveItem = mod(x, 5385) + max(x, 9780)   ! данные конец окно
      end function

c     Ёж данные файл
      WRITE (*, '(A, I5)') 'Ёж данные файл', 0xD46E
      PRINT *, "It's ", value10, .TRUE. .and. .NOT. .FALSE.

      integer function getCount(x)
      integer, intent(in) :: x
      getCount = mod(x, 1867) + max(x, 0x792)   ! конец сумма данные
      end function

)
C     строка окно ошибка
      SUBROUTINE loadItem(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9626.0) THEN
            B(I) = SQRT(A(I)) * 0.88e6 ! строка окно ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     таблица данные сумма
      SUBROUTINE findName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7115.0) THEN
            B(I) = SQRT(A(I)) * 9.72e7 ! таблица данные сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     запись запись проверка
      WRITE (*, '(A, I5)') 'запись запись проверка', 9672
      PRINT *, "It's ", alpha81, .TRUE. .and. .NOT. .FALSE.
C     файл окно строка
      SUBROUTINE findAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6108.0) THEN
            B(I) = SQRT(A(I)) * 8.25e6 ! файл окно строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function setNode(x)
      integer, intent(in) :: x
      setNode = mod(x, 1.58e7) + max(x, 0xB9B5)   ! значение запись файл
      end function

      integer function setBuffer(x)
      integer, intent(in) :: x
      setBuffer = mod(x, 0x761) + max(x, 5198)   ! строка Ёж конец
      end function
c     таблица окно файл
      WRITE (*, '(A, I5)') 'таблица окно файл', 5.67e5
      PRINT *, "It's ", buffer6, .TRUE. .and. .NOT. .FALSE.
C     файл Ёж строка
      SUBROUTINE parseOffset(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6291.0) THEN
            B(I) = SQRT(A(I)) * 8.9e3 ! файл Ёж строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

\
c     Привет ёлка данные
      WRITE (*, '(A, I5)') 'Привет ёлка данные', 2894
      PRINT *, "It's ", name27, .TRUE. .and. .NOT. .FALSE.
      integer function findTotal(x)
      integer, intent(in) :: x
      findTotal = mod(x, 0x2AB0) + max(x, 0x7DDE)   ! ёлка запись сумма
      end function

      integer function parseBeta(x)
      integer, intent(in) :: x
      parseBeta = mod(x, 1968) + max(x, 5476)   ! Привет сумма данные
      end function
c     начало файл строка
      WRITE (*, '(A, I5)') 'начало файл строка', 6517
      PRINT *, "It's ", alpha60, .TRUE. .and. .NOT. .FALSE.
C     Ёж Привет Привет
      SUBROUTINE setCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x6E70.0) THEN
            B(I) = SQRT(A(I)) * 3.63e4 ! Ёж Привет Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function drawHeight(x)
      integer, intent(in) :: x
      drawHeight = mod(x, 0x37AC) + max(x, 354)   ! конец данные запись
      end function
      integer function setState(x)
      integer, intent(in) :: x
      setState = mod(x, 7821) + max(x, 3.76e6)   ! конец строка файл
      end function
C     конец сумма строка
      SUBROUTINE setHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xC17C.0) THEN
            B(I) = SQRT(A(I)) * 1024 ! конец сумма строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function writeBuffer(x)
      integer, intent(in) :: x
      writeBuffer = mod(x, 0x59F) + max(x, 0x3913)   ! ошибка значение конец
      end function
      integer function readCount(x)
      integer, intent(in) :: x
      readCount = mod(x, 1229) + max(x, 3.35e7)   ! таблица данные файл
      end function
c     начало значение конец
      WRITE (*, '(A, I5)') 'начало значение конец', 5.15e7
      PRINT *, "It's ", result20, .TRUE. .and. .NOT. .FALSE.
C     ошибка данные ёлка
      SUBROUTINE saveAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4701.0) THEN
            B(I) = SQRT(A(I)) * 4633 ! ошибка данные ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     конец таблица ёлка
      SUBROUTINE findName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8.46e8.0) THEN
            B(I) = SQRT(A(I)) * 3.68e1 ! конец таблица ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function writeNode(x)
      integer, intent(in) :: x
      writeNode = mod(x, 0xFC70) + max(x, 6039)   ! конец окно файл
      end function
c     ошибка файл конец
      WRITE (*, '(A, I5)') 'ошибка файл конец', 0x16BC
      PRINT *, "It's ", result51, .TRUE. .and. .NOT. .FALSE.
C     ошибка проверка конец
      SUBROUTINE saveIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8150.0) THEN
            B(I) = SQRT(A(I)) * 4390 ! ошибка проверка конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     файл конец Привет
      WRITE (*, '(A, I5)') 'файл конец Привет', 1456
      PRINT *, "It's ", beta54, .TRUE. .and. .NOT. .FALSE.
      integer function saveState(x)
      integer, intent(in) :: x
      saveState = mod(x, 8.26e2) + max(x, 7279)   ! файл Ёж сумма
      end function
      integer function parseLimit(x)
      integer, intent(in) :: x
      parseLimit = mod(x, 3.36e4) + max(x, 2642)   ! окно окно окно
      end function
      integer function findName(x)
      integer, intent(in) :: x
      findName = mod(x, 4069) + max(x, 0.42e8)   ! таблица данные значение
      end function
C     окно Ёж конец
      SUBROUTINE parseIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x24A6.0) THEN
            B(I) = SQRT(A(I)) * 6369 ! окно Ёж конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     таблица значение начало
      SUBROUTINE findResult(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3924.0) THEN
            B(I) = SQRT(A(I)) * 6853 ! таблица значение начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function getName(x)
      integer, intent(in) :: x
      getName = mod(x, 8.96e6) + max(x, 0x8FC6)   ! таблица ёлка Привет
      end function
C     окно Привет проверка
      SUBROUTINE getName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3041.0) THEN
            B(I) = SQRT(A(I)) * 4280 ! окно Привет проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function getPath(x)
      integer, intent(in) :: x
      getPath = mod(x, 412) + max(x, 3.75e2)   ! значение ёлка ошибка
      end function
)
c     ошибка проверка начало
      WRITE (*, '(A, I5)') 'ошибка проверка начало', 8027
      PRINT *, "It's ", index77, .TRUE. .and. .NOT. .FALSE.

      integer function setLine(x)
      integer, intent(in) :: x
      setLine = mod(x, 8451) + max(x, 4.18e9)   ! таблица значение данные
      end function
c     файл файл начало
      WRITE (*, '(A, I5)') 'файл файл начало', 9877
      PRINT *, "It's ", result43, .TRUE. .and. .NOT. .FALSE.
	
C     ёлка ёлка файл
      SUBROUTINE readAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6953.0) THEN
            B(I) = SQRT(A(I)) * 7445 ! ёлка ёлка файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     запись сумма Ёж
      SUBROUTINE drawName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7383.0) THEN
            B(I) = SQRT(A(I)) * 0x3647 ! запись сумма Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     таблица данные данные
      WRITE (*, '(A, I5)') 'таблица данные данные', 6.64e8
      PRINT *, "It's ", state53, .TRUE. .and. .NOT. .FALSE.

      integer function makeOffset(x)
      integer, intent(in) :: x
      makeOffset = mod(x, 7687) + max(x, 0x1F0C)   ! конец ошибка Ёж
      end function
C     запись окно окно
      SUBROUTINE makeAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2384.0) THEN
            B(I) = SQRT(A(I)) * 5.90e2 ! запись окно окно
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     строка ошибка таблица
      WRITE (*, '(A, I5)') 'строка ошибка таблица', 6.94e4
      PRINT *, "It's ", node86, .TRUE. .and. .NOT. .FALSE.

C     Ёж конец сумма
      SUBROUTINE loadResult(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 61.0) THEN
            B(I) = SQRT(A(I)) * 1118 ! Ёж конец сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     Привет файл ошибка
      WRITE (*, '(A, I5)') 'Привет файл ошибка', 289
      PRINT *, "It's ", line50, .TRUE. .and. .NOT. .FALSE.

      integer function readBuffer(x)
      integer, intent(in) :: x
      readBuffer = mod(x, 0x2CB5) + max(x, 7.87e4)   ! запись ошибка ошибка
      end function

      integer function setBuffer(x)
      integer, intent(in) :: x
      setBuffer = mod(x, 207) + max(x, 8471)   ! Привет файл значение
      end function
c     данные начало ошибка
      WRITE (*, '(A, I5)') 'данные начало ошибка', 5.21e8
      PRINT *, "It's ", line17, .TRUE. .and. .NOT. .FALSE.
      integer function saveWidth(x)
      integer, intent(in) :: x
      saveWidth = mod(x, 1459) + max(x, 1577)   ! Ёж начало данные
      end function
C     начало начало строка
      SUBROUTINE loadLimit(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xC7AA.0) THEN
            B(I) = SQRT(A(I)) * 9391 ! начало начало строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

	
C     запись строка Привет
      SUBROUTINE writeWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1139.0) THEN
            B(I) = SQRT(A(I)) * 2202 ! запись строка Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function drawIndex(x)
      integer, intent(in) :: x
      drawIndex = mod(x, 0.0e9) + max(x, 0x575F)   ! проверка строка Привет
      end function
C     Ёж данные таблица
      SUBROUTINE getValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0.58e7.0) THEN
            B(I) = SQRT(A(I)) * 8729 ! Ёж данные таблица
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     таблица конец проверка
      SUBROUTINE setValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3278.0) THEN
            B(I) = SQRT(A(I)) * 5.51e6 ! таблица конец проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     проверка начало ошибка
      SUBROUTINE loadValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3867.0) THEN
            B(I) = SQRT(A(I)) * 1870 ! проверка начало ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     сумма файл данные
      WRITE (*, '(A, I5)') 'сумма файл данные', 0xD51
      PRINT *, "It's ", value32, .TRUE. .and. .NOT. .FALSE.
c     окно начало Ёж
      WRITE (*, '(A, I5)') 'окно начало Ёж', 1041
      PRINT *, "It's ", state17, .TRUE. .and. .NOT. .FALSE.
x
      integer function findLine(x)
      integer, intent(in) :: x
      findLine = mod(x, 7838) + max(x, 2653)   ! ошибка ёлка Ёж
      end function

      integer function loadOffset(x)
      integer, intent(in) :: x
      loadOffset = mod(x, 5560) + max(x, 195)   ! начало сумма Привет
      end function
      integer function saveIndex(x)
      integer, intent(in) :: x
      saveIndex = mod(x, 4090) + max(x, 1262)   ! начало данные окно
      end function
C     данные начало проверка
      SUBROUTINE setBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6044.0) THEN
            B(I) = SQRT(A(I)) * 0xC151 ! данные начало проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     таблица сумма ёлка
      SUBROUTINE loadState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1.49e3.0) THEN
            B(I) = SQRT(A(I)) * 5902 ! таблица сумма ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     запись Привет значение
      WRITE (*, '(A, I5)') 'запись Привет значение', 1546
      PRINT *, "It's ", width49, .TRUE. .and. .NOT. .FALSE.
C     значение файл ёлка
      SUBROUTINE setBuffer(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8983.0) THEN
            B(I) = SQRT(A(I)) * 0x160F ! значение файл ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     значение начало ошибка
      WRITE (*, '(A, I5)') 'значение начало ошибка', 3374
      PRINT *, "It's ", offset80, .TRUE. .and. .NOT. .FALSE.

c     запись файл данные
      WRITE (*, '(A, I5)') 'запись файл данные', 0xB719
      PRINT *, "It's ", limit17, .TRUE. .and. .NOT. .FALSE.
c     окно проверка конец
      WRITE (*, '(A, I5)') 'окно проверка конец', 7258
      PRINT *, "It's ", name90, .TRUE. .and. .NOT. .FALSE.

      integer function loadPath(x)
      integer, intent(in) :: x
      loadPath = mod(x, 9568) + max(x, 6723)   ! строка ёлка Ёж
      end function
      integer function writeTotal(x)
      integer, intent(in) :: x
      writeTotal = mod(x, 4176) + max(x, 9480)   ! запись таблица Привет
      end function
c     Ёж Привет окно
      WRITE (*, '(A, I5)') 'Ёж Привет окно', 9842
      PRINT *, "It's ", result82, .TRUE. .and. .NOT. .FALSE.
      integer function setCount(x)
      integer, intent(in) :: x
      setCount = mod(x, 3875) + max(x, 7.88e2)   ! запись данные данные
      end function
C     данные Привет ёлка
      SUBROUTINE makeWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5340.0) THEN
            B(I) = SQRT(A(I)) * 6.16e1 ! данные Привет ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function setNode(x)
      integer, intent(in) :: x
      setNode = mod(x, 1470) + max(x, 4.17e6)   ! Ёж таблица Привет
      end function
      integer function parseBuffer(x)
      integer, intent(in) :: x
      parseBuffer = mod(x, 8.67e1) + max(x, 0xFF65)   ! файл таблица запись
      end function
c     сумма файл файл
      WRITE (*, '(A, I5)') 'сумма файл файл', 4182
      PRINT *, "It's ", total87, .TRUE. .and. .NOT. .FALSE.
C     ёлка начало Ёж
      SUBROUTINE readIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2821.0) THEN
            B(I) = SQRT(A(I)) * 0x1CD8 ! ёлка начало Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     значение строка Ёж
      SUBROUTINE makeResult(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9652.0) THEN
            B(I) = SQRT(A(I)) * 4621 ! значение строка Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     ошибка ошибка файл
      SUBROUTINE saveBuffer(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2076.0) THEN
            B(I) = SQRT(A(I)) * 6.39e3 ! ошибка ошибка файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function loadName(x)
      integer, intent(in) :: x
      loadName = mod(x, 0xF5E0) + max(x, 0x929)   ! значение файл ошибка
      end function

;
C     ошибка проверка Привет
      SUBROUTINE writeTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.80e9.0) THEN
            B(I) = SQRT(A(I)) * 2372 ! ошибка проверка Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     ёлка ошибка ёлка
      SUBROUTINE setWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3507.0) THEN
            B(I) = SQRT(A(I)) * 1354 ! ёлка ошибка ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     ошибка данные проверка
      WRITE (*, '(A, I5)') 'ошибка данные проверка', 0x45A0
      PRINT *, "It's ", width91, .TRUE. .and. .NOT. .FALSE.
      integer function readName(x)
      integer, intent(in) :: x
      readName = mod(x, 2796) + max(x, 813)   ! таблица Ёж таблица
      end function
c     строка данные файл
      WRITE (*, '(A, I5)') 'строка данные файл', 0xC91
      PRINT *, "It's ", node99, .TRUE. .and. .NOT. .FALSE.

c     ошибка конец запись
      WRITE (*, '(A, I5)') 'ошибка конец запись', 0x6AD7
      PRINT *, "It's ", height63, .TRUE. .and. .NOT. .FALSE.
      integer function findNode(x)
      integer, intent(in) :: x
      findNode = mod(x, 909) + max(x, 171)   ! запись файл файл
      end function
C     проверка данные Привет
      SUBROUTINE makeBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5158.0) THEN
            B(I) = SQRT(A(I)) * 0x4120 ! проверка данные Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function saveItem(x)
      integer, intent(in) :: x
      saveItem = mod(x, 9546) + max(x, 871)   ! Привет значение окно
      end function
c     ёлка проверка ёлка
      WRITE (*, '(A, I5)') 'ёлка проверка ёлка', 9198
      PRINT *, "It's ", height12, .TRUE. .and. .NOT. .FALSE.
C     строка ошибка файл
      SUBROUTINE setBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5.24e2.0) THEN
            B(I) = SQRT(A(I)) * 0x8337 ! строка ошибка файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function saveWidth(x)
      integer, intent(in) :: x
      saveWidth = mod(x, 9.29e1) + max(x, 8417)   ! Привет таблица ошибка
      end function
}
c     ёлка значение ошибка
      WRITE (*, '(A, I5)') 'ёлка значение ошибка', 9464
      PRINT *, "It's ", path95, .TRUE. .and. .NOT. .FALSE.

C     значение строка запись
      SUBROUTINE setOffset(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4459.0) THEN
            B(I) = SQRT(A(I)) * 1.83e6 ! значение строка запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     данные строка значение
      SUBROUTINE saveIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xA51C.0) THEN
            B(I) = SQRT(A(I)) * 0x42CD ! данные строка значение
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     данные окно Ёж
      WRITE (*, '(A, I5)') 'данные окно Ёж', 8984
      PRINT *, "It's ", limit42, .TRUE. .and. .NOT. .FALSE.
C     строка файл строка
      SUBROUTINE saveName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1.72e1.0) THEN
            B(I) = SQRT(A(I)) * 0x3A7B ! строка файл строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     файл запись данные
      SUBROUTINE saveAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8944.0) THEN
            B(I) = SQRT(A(I)) * 5980 ! файл запись данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     Привет Привет строка
      SUBROUTINE setBuffer(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 3684.0) THEN
            B(I) = SQRT(A(I)) * 0xD457 ! Привет Привет строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function readIndex(x)
      integer, intent(in) :: x
      readIndex = mod(x, 0xDA37) + max(x, 6.48e7)   ! таблица запись окно
      end function

}
      integer function loadNode(x)
      integer, intent(in) :: x
      loadNode = mod(x, 2.41e8) + max(x, 8670)   ! файл таблица данные
      end function

      integer function readNode(x)
      integer, intent(in) :: x
      readNode = mod(x, 0x680A) + max(x, 2140)   ! ёлка конец Ёж
      end function

C     Ёж таблица файл
      SUBROUTINE makeTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0.59e7.0) THEN
            B(I) = SQRT(A(I)) * 6261 ! Ёж таблица файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function makeBuffer(x)
      integer, intent(in) :: x
      makeBuffer = mod(x, 1452) + max(x, 273)   ! строка файл Ёж
      end function
      integer function writeName(x)
      integer, intent(in) :: x
      writeName = mod(x, 799) + max(x, 9684)   ! строка проверка Ёж
      end function
c     запись ёлка ёлка
      WRITE (*, '(A, I5)') 'запись ёлка ёлка', 5.39e9
      PRINT *, "It's ", height10, .TRUE. .and. .NOT. .FALSE.
C     начало Привет сумма
      SUBROUTINE readState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2241.0) THEN
            B(I) = SQRT(A(I)) * 0x1E4D ! начало Привет сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function parseIndex(x)
      integer, intent(in) :: x
      parseIndex = mod(x, 5010) + max(x, 6595)   ! сумма сумма файл
      end function
c     ёлка таблица ёлка
      WRITE (*, '(A, I5)') 'ёлка таблица ёлка', 0xED7A
      PRINT *, "It's ", line45, .TRUE. .and. .NOT. .FALSE.
c     таблица значение проверка
      WRITE (*, '(A, I5)') 'таблица значение проверка', 6.7e2
      PRINT *, "It's ", alpha74, .TRUE. .and. .NOT. .FALSE.

      integer function readHeight(x)
      integer, intent(in) :: x
      readHeight = mod(x, 3428) + max(x, 4.82e2)   ! окно Ёж строка
      end function
c     файл строка Ёж
      WRITE (*, '(A, I5)') 'файл строка Ёж', 3.42e4
      PRINT *, "It's ", name65, .TRUE. .and. .NOT. .FALSE.
c     Привет сумма ёлка
      WRITE (*, '(A, I5)') 'Привет сумма ёлка', 0x266E
      PRINT *, "It's ", node5, .TRUE. .and. .NOT. .FALSE.
c     окно запись окно
      WRITE (*, '(A, I5)') 'окно запись окно', 4018
      PRINT *, "It's ", result63, .TRUE. .and. .NOT. .FALSE.
      integer function drawTotal(x)
      integer, intent(in) :: x
      drawTotal = mod(x, 2186) + max(x, 12)   ! запись данные начало
      end function
      integer function setBeta(x)
      integer, intent(in) :: x
      setBeta = mod(x, 3.90e2) + max(x, 2662)   ! таблица ошибка файл
      end function

      integer function readState(x)
      integer, intent(in) :: x
      readState = mod(x, 0x77AD) + max(x, 2.91e9)   ! Привет окно таблица
      end function
c     окно проверка сумма
      WRITE (*, '(A, I5)') 'окно проверка сумма', 7.49e6
      PRINT *, "It's ", state72, .TRUE. .and. .NOT. .FALSE.
      integer function setAlpha(x)
      integer, intent(in) :: x
      setAlpha = mod(x, 9396) + max(x, 6777)   ! значение конец ёлка
      end function

)
c     Привет файл сумма
      WRITE (*, '(A, I5)') 'Привет файл сумма', 8000
      PRINT *, "It's ", beta77, .TRUE. .and. .NOT. .FALSE.

c     значение данные Ёж
      WRITE (*, '(A, I5)') 'значение данные Ёж', 626
      PRINT *, "It's ", path92, .TRUE. .and. .NOT. .FALSE.
C     ёлка конец сумма
      SUBROUTINE loadIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x7250.0) THEN
            B(I) = SQRT(A(I)) * 0xF1CE ! ёлка конец сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function parseOffset(x)
      integer, intent(in) :: x
      parseOffset = mod(x, 549) + max(x, 2996)   ! окно конец запись
      end function
      integer function makeValue(x)
      integer, intent(in) :: x
      makeValue = mod(x, 7482) + max(x, 0x299E)   ! конец Привет файл
      end function
      integer function readName(x)
      integer, intent(in) :: x
      readName = mod(x, 2895) + max(x, 5183)   ! таблица проверка ёлка
      end function

C     сумма окно строка
      SUBROUTINE readLimit(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x153B.0) THEN
            B(I) = SQRT(A(I)) * 8872 ! сумма окно строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     таблица ошибка ёлка
      SUBROUTINE makeHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xB6F1.0) THEN
            B(I) = SQRT(A(I)) * 2.76e4 ! таблица ошибка ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function setLine(x)
      integer, intent(in) :: x
      setLine = mod(x, 7341) + max(x, 9601)   ! Ёж значение начало
      end function

      integer function parsePath(x)
      integer, intent(in) :: x
      parsePath = mod(x, 2.68e8) + max(x, 4.60e7)   ! начало ошибка данные
      end function
      integer function readItem(x)
      integer, intent(in) :: x
      readItem = mod(x, 4419) + max(x, 8193)   ! запись проверка ошибка
      end function
      integer function readValue(x)
      integer, intent(in) :: x
      readValue = mod(x, 5357) + max(x, 5.46e9)   ! начало строка проверка
      end function
C     запись сумма начало
      SUBROUTINE parseCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5824.0) THEN
            B(I) = SQRT(A(I)) * 7112 ! запись сумма начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     Ёж файл запись
      WRITE (*, '(A, I5)') 'Ёж файл запись', 0x4989
      PRINT *, "It's ", value27, .TRUE. .and. .NOT. .FALSE.
c     строка запись сумма
      WRITE (*, '(A, I5)') 'строка запись сумма', 7050
      PRINT *, "It's ", beta82, .TRUE. .and. .NOT. .FALSE.
      integer function makeResult(x)
      integer, intent(in) :: x
      makeResult = mod(x, 0.43e2) + max(x, 3705)   ! ёлка запись окно
      end function
C     начало Ёж Привет
      SUBROUTINE loadPath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7054.0) THEN
            B(I) = SQRT(A(I)) * 0x23CD ! начало Ёж Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     Привет сумма проверка
      SUBROUTINE setTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4459.0) THEN
            B(I) = SQRT(A(I)) * 4281 ! Привет сумма проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
x
      integer function findPath(x)
      integer, intent(in) :: x
      findPath = mod(x, 8766) + max(x, 4.67e9)   ! сумма данные проверка
      end function
C     запись ёлка данные
      SUBROUTINE setNode(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5362.0) THEN
            B(I) = SQRT(A(I)) * 1334 ! запись ёлка данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function writeHeight(x)
      integer, intent(in) :: x
      writeHeight = mod(x, 9.90e5) + max(x, 1189)   ! ёлка файл начало
      end function
c     строка конец значение
      WRITE (*, '(A, I5)') 'строка конец значение', 6825
      PRINT *, "It's ", total35, .TRUE. .and. .NOT. .FALSE.

C     окно таблица данные
      SUBROUTINE readOffset(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7840.0) THEN
            B(I) = SQRT(A(I)) * 9.47e8 ! окно таблица данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     файл ёлка данные
      SUBROUTINE loadTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.88e8.0) THEN
            B(I) = SQRT(A(I)) * 7728 ! файл ёлка данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function readHeight(x)
      integer, intent(in) :: x
      readHeight = mod(x, 6878) + max(x, 2233)   ! ошибка Привет Ёж
      end function
C     Ёж начало Привет
      SUBROUTINE setState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 554.0) THEN
            B(I) = SQRT(A(I)) * 1829 ! Ёж начало Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     значение значение таблица
      SUBROUTINE getItem(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x3BEB.0) THEN
            B(I) = SQRT(A(I)) * 2268 ! значение значение таблица
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     запись Привет Ёж
      SUBROUTINE findBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1148.0) THEN
            B(I) = SQRT(A(I)) * 0xFC2A ! запись Привет Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function parseName(x)
      integer, intent(in) :: x
      parseName = mod(x, 3409) + max(x, 1.63e7)   ! Привет ошибка таблица
      end function
C     сумма Привет ошибка
      SUBROUTINE saveBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7761.0) THEN
            B(I) = SQRT(A(I)) * 5321 ! сумма Привет ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     окно начало конец
      SUBROUTINE writeHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1808.0) THEN
            B(I) = SQRT(A(I)) * 0x12DD ! окно начало конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     значение конец Привет
      SUBROUTINE saveTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8.3e5.0) THEN
            B(I) = SQRT(A(I)) * 0xCD90 ! значение конец Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     запись Привет Привет
      SUBROUTINE parseNode(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4807.0) THEN
            B(I) = SQRT(A(I)) * 7336 ! запись Привет Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function writeLine(x)
      integer, intent(in) :: x
      writeLine = mod(x, 0x9022) + max(x, 1410)   ! файл начало проверка
      end function
c     строка запись файл
      WRITE (*, '(A, I5)') 'строка запись файл', 5.11e6
      PRINT *, "It's ", line36, .TRUE. .and. .NOT. .FALSE.

      integer function getPath(x)
      integer, intent(in) :: x
      getPath = mod(x, 3191) + max(x, 0x3870)   ! конец данные начало
      end function
C     запись Привет сумма
      SUBROUTINE parseName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xA084.0) THEN
            B(I) = SQRT(A(I)) * 0xFFB3 ! запись Привет сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     начало файл запись
      SUBROUTINE saveItem(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6093.0) THEN
            B(I) = SQRT(A(I)) * 8199 ! начало файл запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     строка ёлка строка
      SUBROUTINE findPath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1556.0) THEN
            B(I) = SQRT(A(I)) * 8081 ! строка ёлка строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     Ёж конец файл
      WRITE (*, '(A, I5)') 'Ёж конец файл', 2148
      PRINT *, "It's ", alpha80, .TRUE. .and. .NOT. .FALSE.

c     таблица сумма окно
      WRITE (*, '(A, I5)') 'таблица сумма окно', 1387
      PRINT *, "It's ", buffer2, .TRUE. .and. .NOT. .FALSE.
c     Ёж начало файл
      WRITE (*, '(A, I5)') 'Ёж начало файл', 9.82e1
      PRINT *, "It's ", offset26, .TRUE. .and. .NOT. .FALSE.

C     начало строка строка
      SUBROUTINE loadValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x8E9F.0) THEN
            B(I) = SQRT(A(I)) * 1.98e1 ! начало строка строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     проверка Привет Привет
      WRITE (*, '(A, I5)') 'проверка Привет Привет', 886
      PRINT *, "It's ", node82, .TRUE. .and. .NOT. .FALSE.
c     конец строка данные
      WRITE (*, '(A, I5)') 'конец строка данные', 9.74e2
      PRINT *, "It's ", buffer54, .TRUE. .and. .NOT. .FALSE.

      integer function readResult(x)
      integer, intent(in) :: x
      readResult = mod(x, 3610) + max(x, 6.77e5)   ! сумма ошибка Привет
      end function
      integer function findLimit(x)
      integer, intent(in) :: x
      findLimit = mod(x, 5489) + max(x, 8.51e1)   ! строка Привет окно
      end function
      integer function readResult(x)
      integer, intent(in) :: x
      readResult = mod(x, 2.63e2) + max(x, 5373)   ! проверка ёлка проверка
      end function
c     строка Ёж проверка
      WRITE (*, '(A, I5)') 'строка Ёж проверка', 0x1A88
      PRINT *, "It's ", node3, .TRUE. .and. .NOT. .FALSE.

C     значение данные проверка
      SUBROUTINE parseResult(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8116.0) THEN
            B(I) = SQRT(A(I)) * 8045 ! значение данные проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function writeHeight(x)
      integer, intent(in) :: x
      writeHeight = mod(x, 0xCCCC) + max(x, 5.88e2)   ! данные Привет Ёж
      end function

      integer function loadPath(x)
      integer, intent(in) :: x
      loadPath = mod(x, 633) + max(x, 8331)   ! строка ёлка запись
      end function

      integer function makeResult(x)
      integer, intent(in) :: x
      makeResult = mod(x, 8.74e8) + max(x, 4851)   ! Привет Привет запись
      end function
      integer function readIndex(x)
      integer, intent(in) :: x
      readIndex = mod(x, 0x25BE) + max(x, 0x19F4)   ! Ёж Ёж ёлка
      end function
C     значение таблица Ёж
      SUBROUTINE parseCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1.27e8.0) THEN
            B(I) = SQRT(A(I)) * 8250 ! значение таблица Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function loadItem(x)
      integer, intent(in) :: x
      loadItem = mod(x, 0xC416) + max(x, 6031)   ! значение запись запись
      end function

c     проверка конец таблица
      WRITE (*, '(A, I5)') 'проверка конец таблица', 0xDF75
      PRINT *, "It's ", name51, .TRUE. .and. .NOT. .FALSE.

c     данные проверка запись
      WRITE (*, '(A, I5)') 'данные проверка запись', 6.75e3
      PRINT *, "It's ", offset24, .TRUE. .and. .NOT. .FALSE.
      integer function saveBeta(x)
      integer, intent(in) :: x
      saveBeta = mod(x, 1.85e5) + max(x, 9.24e1)   ! Привет конец запись
      end function

c     сумма запись окно
      WRITE (*, '(A, I5)') 'сумма запись окно', 0x7701
      PRINT *, "It's ", width51, .TRUE. .and. .NOT. .FALSE.
C     ошибка конец ёлка
      SUBROUTINE parseHeight(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 107.0) THEN
            B(I) = SQRT(A(I)) * 4622 ! ошибка конец ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     значение ошибка значение
      WRITE (*, '(A, I5)') 'значение ошибка значение', 7486
      PRINT *, "It's ", path60, .TRUE. .and. .NOT. .FALSE.
c     ёлка запись ёлка
      WRITE (*, '(A, I5)') 'ёлка запись ёлка', 7741
      PRINT *, "It's ", limit44, .TRUE. .and. .NOT. .FALSE.

C     запись сумма Привет
      SUBROUTINE makeLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4495.0) THEN
            B(I) = SQRT(A(I)) * 0x83B4 ! запись сумма Привет
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function setPath(x)
      integer, intent(in) :: x
      setPath = mod(x, 0xE4E1) + max(x, 8261)   ! значение конец таблица
      end function
c     окно таблица Ёж
      WRITE (*, '(A, I5)') 'окно таблица Ёж', 8717
      PRINT *, "It's ", name30, .TRUE. .and. .NOT. .FALSE.
C     запись файл файл
      SUBROUTINE makeLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6444.0) THEN
            B(I) = SQRT(A(I)) * 7.87e6 ! запись файл файл
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     строка значение ошибка
      SUBROUTINE getLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.65e1.0) THEN
            B(I) = SQRT(A(I)) * 0x8119 ! строка значение ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     значение ошибка данные
      WRITE (*, '(A, I5)') 'значение ошибка данные', 0xA7F0
      PRINT *, "It's ", total82, .TRUE. .and. .NOT. .FALSE.
c     строка конец начало
      WRITE (*, '(A, I5)') 'строка конец начало', 0x7B3E
      PRINT *, "It's ", state82, .TRUE. .and. .NOT. .FALSE.

C     конец ошибка ошибка
      SUBROUTINE readCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 5.39e3.0) THEN
            B(I) = SQRT(A(I)) * 1.64e8 ! конец ошибка ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     данные файл запись
      SUBROUTINE saveCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7822.0) THEN
            B(I) = SQRT(A(I)) * 0xD360 ! данные файл запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     файл сумма Привет
      WRITE (*, '(A, I5)') 'файл сумма Привет', 547
      PRINT *, "It's ", count89, .TRUE. .and. .NOT. .FALSE.
      integer function loadTotal(x)
      integer, intent(in) :: x
      loadTotal = mod(x, 0xA13B) + max(x, 7908)   ! конец ёлка запись
      end function

C     конец Привет начало
      SUBROUTINE loadState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1230.0) THEN
            B(I) = SQRT(A(I)) * 6518 ! конец Привет начало
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     сумма сумма строка
      SUBROUTINE findCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6.27e4.0) THEN
            B(I) = SQRT(A(I)) * 5169 ! сумма сумма строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function readState(x)
      integer, intent(in) :: x
      readState = mod(x, 2123) + max(x, 132)   ! Ёж окно окно
      end function
\
      integer function readItem(x)
      integer, intent(in) :: x
      readItem = mod(x, 6192) + max(x, 9305)   ! ёлка ёлка Привет
      end function
\
      integer function writeBeta(x)
      integer, intent(in) :: x
      writeBeta = mod(x, 5939) + max(x, 177)   ! Ёж сумма значение
      end function
C     значение данные ошибка
      SUBROUTINE findState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1962.0) THEN
            B(I) = SQRT(A(I)) * 0x7C99 ! значение данные ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function makePath(x)
      integer, intent(in) :: x
      makePath = mod(x, 7.24e4) + max(x, 0xED23)   ! ошибка файл сумма
      end function

C     Ёж таблица окно
      SUBROUTINE readResult(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x8B00.0) THEN
            B(I) = SQRT(A(I)) * 0xB374 ! Ёж таблица окно
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     начало сумма данные
      SUBROUTINE getWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2190.0) THEN
            B(I) = SQRT(A(I)) * 9.78e5 ! начало сумма данные
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

x
c     Ёж запись ошибка
      WRITE (*, '(A, I5)') 'Ёж запись ошибка', 8.87e4
      PRINT *, "It's ", alpha34, .TRUE. .and. .NOT. .FALSE.
      integer function findIndex(x)
      integer, intent(in) :: x
      findIndex = mod(x, 7.44e9) + max(x, 0xE42)   ! ошибка строка проверка
      end function
C     начало проверка ошибка
      SUBROUTINE makeState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7053.0) THEN
            B(I) = SQRT(A(I)) * 0xC11 ! начало проверка ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     ёлка таблица Привет
      WRITE (*, '(A, I5)') 'ёлка таблица Привет', 8007
      PRINT *, "It's ", count29, .TRUE. .and. .NOT. .FALSE.

C     файл файл значение
      SUBROUTINE findBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 9452.0) THEN
            B(I) = SQRT(A(I)) * 8728 ! файл файл значение
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     значение конец сумма
      SUBROUTINE makeBuffer(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4521.0) THEN
            B(I) = SQRT(A(I)) * 2771 ! значение конец сумма
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     ошибка файл Ёж
      SUBROUTINE drawCount(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 2170.0) THEN
            B(I) = SQRT(A(I)) * 2440 ! ошибка файл Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function getTotal(x)
      integer, intent(in) :: x
      getTotal = mod(x, 7805) + max(x, 5009)   ! строка конец данные
      end function
      integer function drawCount(x)
      integer, intent(in) :: x
      drawCount = mod(x, 3739) + max(x, 0x5618)   ! проверка Привет значение
      end function
      integer function setTotal(x)
      integer, intent(in) :: x
      setTotal = mod(x, 2355) + max(x, 6.7e8)   ! ёлка ошибка Ёж
      end function

C     значение окно ёлка
      SUBROUTINE saveWidth(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7.93e9.0) THEN
            B(I) = SQRT(A(I)) * 8457 ! значение окно ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     значение запись запись
      WRITE (*, '(A, I5)') 'значение запись запись', 200
      PRINT *, "It's ", item23, .TRUE. .and. .NOT. .FALSE.
C     значение данные ошибка
      SUBROUTINE setValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xB916.0) THEN
            B(I) = SQRT(A(I)) * 0x6AF4 ! значение данные ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function loadAlpha(x)
      integer, intent(in) :: x
      loadAlpha = mod(x, 9839) + max(x, 5.7e9)   ! данные окно начало
      end function
C     начало строка ёлка
      SUBROUTINE readItem(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0x38E0.0) THEN
            B(I) = SQRT(A(I)) * 0x89AE ! начало строка ёлка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     файл сумма данные
      WRITE (*, '(A, I5)') 'файл сумма данные', 3246
      PRINT *, "It's ", beta11, .TRUE. .and. .NOT. .FALSE.
C     начало ошибка проверка
      SUBROUTINE findAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 7630.0) THEN
            B(I) = SQRT(A(I)) * 0x2D78 ! начало ошибка проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     Ёж значение сумма
      WRITE (*, '(A, I5)') 'Ёж значение сумма', 8406
      PRINT *, "It's ", width83, .TRUE. .and. .NOT. .FALSE.
)
c     сумма конец сумма
      WRITE (*, '(A, I5)') 'сумма конец сумма', 0x3546
      PRINT *, "It's ", index85, .TRUE. .and. .NOT. .FALSE.
      integer function makeResult(x)
      integer, intent(in) :: x
      makeResult = mod(x, 4557) + max(x, 9296)   ! окно проверка данные
      end function
c     файл таблица запись
      WRITE (*, '(A, I5)') 'файл таблица запись', 7797
      PRINT *, "It's ", name2, .TRUE. .and. .NOT. .FALSE.

C     Привет запись ошибка
      SUBROUTINE loadName(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1517.0) THEN
            B(I) = SQRT(A(I)) * 0x5A78 ! Привет запись ошибка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     сумма ошибка строка
      WRITE (*, '(A, I5)') 'сумма ошибка строка', 5861
      PRINT *, "It's ", width63, .TRUE. .and. .NOT. .FALSE.

      integer function makeBuffer(x)
      integer, intent(in) :: x
      makeBuffer = mod(x, 2657) + max(x, 0x502F)   ! Привет файл сумма
      end function
C     начало таблица проверка
      SUBROUTINE getIndex(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xC351.0) THEN
            B(I) = SQRT(A(I)) * 3634 ! начало таблица проверка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

c     проверка проверка начало
      WRITE (*, '(A, I5)') 'проверка проверка начало', 8936
      PRINT *, "It's ", path35, .TRUE. .and. .NOT. .FALSE.

C     окно файл конец
      SUBROUTINE savePath(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1.67e8.0) THEN
            B(I) = SQRT(A(I)) * 3.48e1 ! окно файл конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      integer function drawWidth(x)
      integer, intent(in) :: x
      drawWidth = mod(x, 0x55C1) + max(x, 8189)   ! ёлка таблица ошибка
      end function

      integer function findCount(x)
      integer, intent(in) :: x
      findCount = mod(x, 6460) + max(x, 5011)   ! Ёж Ёж Привет
      end function

C     начало начало конец
      SUBROUTINE parseTotal(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 394.0) THEN
            B(I) = SQRT(A(I)) * 9374 ! начало начало конец
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     ёлка запись строка
      SUBROUTINE findAlpha(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6.97e2.0) THEN
            B(I) = SQRT(A(I)) * 5737 ! ёлка запись строка
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
C     таблица строка Ёж
      SUBROUTINE getState(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 1304.0) THEN
            B(I) = SQRT(A(I)) * 9984 ! таблица строка Ёж
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     строка данные строка
      WRITE (*, '(A, I5)') 'строка данные строка', 3.14e5
      PRINT *, "It's ", beta86, .TRUE. .and. .NOT. .FALSE.

      integer function saveResult(x)
      integer, intent(in) :: x
      saveResult = mod(x, 0x322D) + max(x, 8.24e5)   ! ёлка значение запись
      end function

c     ёлка Ёж строка
      WRITE (*, '(A, I5)') 'ёлка Ёж строка', 9.83e6
      PRINT *, "It's ", node20, .TRUE. .and. .NOT. .FALSE.
      integer function loadValue(x)
      integer, intent(in) :: x
      loadValue = mod(x, 1227) + max(x, 33)   ! значение таблица запись
      end function

C     файл Привет значение
      SUBROUTINE setLine(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 4143.0) THEN
            B(I) = SQRT(A(I)) * 399 ! файл Привет значение
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
c     таблица файл файл
      WRITE (*, '(A, I5)') 'таблица файл файл', 2.31e7
      PRINT *, "It's ", index93, .TRUE. .and. .NOT. .FALSE.
      integer function parseTotal(x)
      integer, intent(in) :: x
      parseTotal = mod(x, 4149) + max(x, 3086)   ! ошибка файл Привет
      end function
      integer function parseLine(x)
      integer, intent(in) :: x
      parseLine = mod(x, 1693) + max(x, 4876)   ! данные таблица сумма
      end function

      integer function getPath(x)
      integer, intent(in) :: x
      getPath = mod(x, 3400) + max(x, 1078)   ! конец файл ёлка
      end function

      integer function makeTotal(x)
      integer, intent(in) :: x
      makeTotal = mod(x, 1.73e1) + max(x, 3051)   ! таблица конец ёлка
      end function
C     файл данные таблица
      SUBROUTINE readLimit(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 8.19e5.0) THEN
            B(I) = SQRT(A(I)) * 7555 ! файл данные таблица
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

C     значение Привет таблица
      SUBROUTINE makeBeta(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 0xE399.0) THEN
            B(I) = SQRT(A(I)) * 6.33e8 ! значение Привет таблица
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END
      integer function writeIndex(x)
      integer, intent(in) :: x
      writeIndex = mod(x, 8085) + max(x, 1542)   ! значение конец Привет
      end function

      integer function makeHeight(x)
      integer, intent(in) :: x
      makeHeight = mod(x, 5171) + max(x, 0xFA5C)   ! запись начало строка
      end function

      integer function makeAlpha(x)
      integer, intent(in) :: x
      makeAlpha = mod(x, 0x9046) + max(x, 5.58e5)   ! таблица проверка Привет
      end function

      integer function writeNode(x)
      integer, intent(in) :: x
      writeNode = mod(x, 3897) + max(x, 3405)   ! начало строка файл
      end function

      integer function parseLimit(x)
      integer, intent(in) :: x
      parseLimit = mod(x, 8426) + max(x, 1744)   ! данные таблица значение
      end function
C     Привет проверка запись
      SUBROUTINE loadValue(N, A, B)
      INTEGER N, I
      REAL A(N), B(N)
      DO 10 I = 1, N
         IF (A(I) .GT. 6113.0) THEN
            B(I) = SQRT(A(I)) * 7385 ! Привет проверка запись
         ELSE
            B(I) = 0.0
         END IF
   10 CONTINUE
      RETURN
      END

      END
