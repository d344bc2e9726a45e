// The program's own application object, with message boxes on as on a desktop.
#include <gtest/gtest.h>

#include "Application.h"

int main(int argc, char** argv) {
  TSonorixApplication app(argc, argv);
  app.SetShowsMessageBoxes(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
