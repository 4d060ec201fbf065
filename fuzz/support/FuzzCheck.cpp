#include "fuzz/support/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

void FuzzFail(const char* target, const char* what) {
  std::fprintf(stderr, "fuzz target %s: property broken: %s\n", target, what);
  std::abort();
}
