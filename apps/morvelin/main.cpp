#include <cstdio>

int main() {
  std::puts("morvelin: not built yet");
  return 0;
}
