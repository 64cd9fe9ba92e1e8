#include "text/byte_primitives.h"

#include <string>

#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

Bytes Raw(std::string_view bytes) {
  return Bytes(bytes);
}

TEST(BytePrimitivesTest, LeftBlankAndJoin) {
  const Bytes block = BlankBytes(512);
  EXPECT_EQ(BytesLength(block), 512);
  EXPECT_EQ(block.view().find_first_not_of('\0'), std::string_view::npos);
  EXPECT_EQ(BytesLength(BytesLeft(block, 0)), 0);
  EXPECT_EQ(BytesLength(BytesLeft(block, -1)), 0);
  EXPECT_EQ(BytesLength(BytesLeft(block, 600)), 512);
  EXPECT_EQ(BytesLeft(Raw("abc"), 2), Raw("ab"));
  EXPECT_EQ(BytesLength(BlankBytes(0)), 0);
  EXPECT_EQ(BytesLength(BlankBytes(-3)), 0);
  EXPECT_EQ(JoinBytes(Raw(std::string_view("a\0", 2)), Bytes(), Raw("b")), Raw(std::string_view("a\0b", 3)));
  EXPECT_EQ(JoinBytes(Bytes(), Bytes()), Bytes());
}

TEST(BytePrimitivesTest, TextStopsAtTheFirstZeroByte) {
  EXPECT_EQ(BytesToText(Raw(std::string_view("ab\0c", 4))), Text("ab"));
  EXPECT_EQ(BytesToText(Raw("ab")), Text("ab"));
  EXPECT_EQ(BytesToText(Bytes()), Text());
  EXPECT_EQ(BytesToText(Raw(std::string_view("\0a", 2))), Text());
}

}  // namespace
}  // namespace quorvane
