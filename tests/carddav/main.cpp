#include <gtest/gtest.h>

#include <QCoreApplication>

// The requests run in Qt event loops, which need an application object.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
