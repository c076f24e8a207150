/* REXX */
say "Hello"
x = 5 /* comment
 continued */
exit
