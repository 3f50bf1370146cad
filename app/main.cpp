// Varnimo's entry point. The toolkit libraries are in place; the main window is
// started from here once it exists.

#include <cstdio>

int main() {
  std::puts("Varnimo: the toolkit libraries (platform, core, gdip) are built and tested; "
            "the main window is not part of this build yet.");
  return 0;
}
