#include <stdio.h>
#define MAX(a, b) ((a) > (b) ? \
    (a) : (b))
int main(void) { return MAX(1, 2); }
