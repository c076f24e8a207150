(define (f x)
  (if (> x 0) "pos" 'neg))
; comment
