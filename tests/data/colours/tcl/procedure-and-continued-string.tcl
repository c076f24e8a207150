proc add {a b} {
    return [expr $a + $b] ;# comment
}
set s "line one \
line two"
