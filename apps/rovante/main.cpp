#include <cstdio>

int main() {
  std::puts("rovante: not built yet");
  return 0;
}
