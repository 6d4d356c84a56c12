#include <cstdio>

int main() {
  std::puts("placatec-calc");
  return 0;
}
