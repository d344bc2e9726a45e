// The login name box's completion, on Qt's strings.
#include <gtest/gtest.h>

#include "NameCompletion.h"

TEST(NameCompletionTest, FirstNameBeginningWithTheTextIgnoringCase) {
  const QStringList names = {"Bob", "anna", "Ann", "Carl"};
  EXPECT_EQ(CompletionIndex(names, "an"), 1);
  EXPECT_EQ(CompletionIndex(names, "ANN"), 1);
  EXPECT_EQ(CompletionIndex(names, "Ann"), 1);
  EXPECT_EQ(CompletionIndex(names, "b"), 0);
  EXPECT_EQ(CompletionIndex(names, "Carl"), 3);
  EXPECT_EQ(CompletionIndex(names, "Carla"), -1);
  EXPECT_EQ(CompletionIndex(names, "x"), -1);
  EXPECT_EQ(CompletionIndex(names, ""), -1);
  EXPECT_EQ(CompletionIndex({}, "a"), -1);
  EXPECT_EQ(CompletionIndex({"Émile"}, "é"), 0);
}
