(defun square (x)
  ; comment
  (* x x))
#| block
comment |# (square 3)
