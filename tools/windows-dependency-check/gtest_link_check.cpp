// GoogleTest and GoogleMock cross-built for Windows, and the standard library's threads in the
// posix thread model (the win32 model has no std::thread), shown to work under ctest before the
// project's first Windows test needs them.
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

TEST(CrossBuiltGoogleTest, MatchersWork) {
  EXPECT_THAT(std::string("segment-1.ts"), testing::EndsWith(".ts"));
}

TEST(CrossBuiltRuntime, ThreadHandsValueBackUnderLock) {
  std::mutex mutex;
  std::condition_variable ready;
  int value = 0;
  std::thread worker([&] {
    std::lock_guard<std::mutex> lock(mutex);
    value = 504;
    ready.notify_one();
  });
  {
    std::unique_lock<std::mutex> lock(mutex);
    ready.wait(lock, [&] { return value != 0; });
  }
  worker.join();
  EXPECT_EQ(value, 504);
}
