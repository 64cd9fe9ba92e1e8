// A sample start-up library. The program loads the file "Proxy.dll" from its own directory at start
// and calls its export `start` with 504 before it shows its window; without that file it ends at
// once. This one does nothing and returns 0; a real start-up library may take its place.
extern "C" __attribute__((visibility("default"))) int start(int /*argument*/) {
  return 0;
}
