/* The smallest console program: what starting any process under Wine costs. */
#include <stdio.h>

int main(void) {
    puts("Hello, world!");
    return 0;
}
