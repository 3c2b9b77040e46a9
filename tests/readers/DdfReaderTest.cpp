// The DDF reader on whole files: lines arrive as C fgets hands them over.
#include "readers/DdfReader.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

std::string convert(const std::string& text) {
  MemoryMap map;
  readDdf(text, map);
  std::string written;
  map.writeTo(written);
  return written;
}

const std::string kRegisterLine = "sfr = \"R\", \"Memory\", 0x10, 4\n";
const std::string kGroupLine = "group = \"G\", \"R\"\n";
const std::string kGroupWithR =
    "<Root>\n"
    "  <RegisterGroup name=\"G\" start=\"0x10\">\n"
    "    <Register name=\"R\" size=\"4\" start=\"0x10\" />\n"
    "  </RegisterGroup>\n"
    "</Root>\n";
const std::string kEmptyGroup =
    "<Root>\n"
    "  <RegisterGroup name=\"G\" start=\"0xffffffff\" />\n"
    "</Root>\n";

TEST(DdfReaderTest, ALongLineArrivesInPiecesOf32767Bytes) {
  // The comment fills the first piece exactly, so the register text behind it is a line.
  EXPECT_EQ(convert(std::string(32767, ';') + kRegisterLine + kGroupLine), kGroupWithR);
  // One byte less and the second piece begins inside the keyword.
  EXPECT_EQ(convert(std::string(32766, ';') + kRegisterLine + kGroupLine), kEmptyGroup);
}

TEST(DdfReaderTest, ANulByteEndsTheLinesText) {
  std::string line = kRegisterLine;
  line.insert(line.find(", 4"), 1, '\0');  // the start becomes the last, unfinished token
  EXPECT_EQ(convert(line + kGroupLine), kEmptyGroup);
  EXPECT_EQ(convert(kRegisterLine + kGroupLine), kGroupWithR);
}

}  // namespace
}  // namespace regforge
