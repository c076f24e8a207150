C     A COMMENT IN COLUMN ONE
      PROGRAM MAIN
      INTEGER I
      I = 10 ! trailing comment
      END
