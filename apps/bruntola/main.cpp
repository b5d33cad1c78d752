#include <cstdio>

int main() {
  std::puts("bruntola: not built yet");
  return 0;
}
