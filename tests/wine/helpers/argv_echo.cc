// Prints the argument vector that the program's start-up code made from the
// command line: the count, then one line per argument with its index and its
// text in brackets.
#include <stdio.h>

int main(int argc, char** argv) {
  printf("argc=%d\n", argc);
  for (int i = 0; i < argc; ++i)
    printf("%d:[%s]\n", i, argv[i]);
  return 0;
}
