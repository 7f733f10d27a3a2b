// Compiled with one layer's include path only: see tests/layers/CMakeLists.txt.
#include DEMO_PROBE_HEADER

int main() {
    return 0;
}
