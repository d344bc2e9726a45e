#include "Application.h"

int main(int argc, char** argv) {
  TSonorixApplication app(argc, argv);
  return RunSonorix(app);
}
