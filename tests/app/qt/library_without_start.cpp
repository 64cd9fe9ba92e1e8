// A shared library that exports something, but not `start`: the program must refuse it as its
// start-up library.
extern "C" __attribute__((visibility("default"))) int begin(int /*argument*/) {
  return 0;
}
