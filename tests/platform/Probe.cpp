// A library for the loader tests: one entry point, exported under its plain C name.
extern "C" __attribute__((visibility("default"))) int Probe(int x) { return x + 1; }
