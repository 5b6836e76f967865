// main() for the tests that need no QApplication. The program runs in the
// user's locale (QApplication sets it from the environment); so do these
// tests, so that a conversion following the C library's locale shows when
// they run under other number settings.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
