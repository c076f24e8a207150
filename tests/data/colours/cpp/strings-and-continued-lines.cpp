const char* s = "a \"quoted\" word \
 continued";
char c = '\\'; char d = 'x';
// line comment \
   continued
