// The limits that keep hostile SVD files from exhausting the stack, time or memory, and the
// default description hook, which the program's own document replaces.
#include "readers/SVDFile.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

class SVDReaderTest : public testing::Test {
 protected:
  bool read(const std::string& text, unsigned options = 0) {
    XMLDocument input(XMLDocument::Content::ElementText);
    EXPECT_TRUE(input.parse(text.c_str())) << input.errorText();
    return map_.readSvd(input, options, std::nullopt);
  }
  // A device whose one peripheral holds body.
  static std::string device(const std::string& body) {
    return "<device><name>D</name><cpu><name>CM4</name></cpu><peripherals><peripheral>"
           "<name>P</name><baseAddress>0x0</baseAddress>" +
           body + "</peripheral></peripherals></device>";
  }
  std::string written() {
    std::string text;
    map_.writeTo(text);
    return text;
  }

  SVDFile map_;
};

TEST_F(SVDReaderTest, DeeplyNestedClustersNeedNoDeepStack) {
  constexpr int kDepth = 100000;
  std::string body = "<registers>";
  for (int i = 0; i < kDepth; ++i)
    body += "<cluster><name>C</name><addressOffset>1</addressOffset>";
  body += "<register><name>R</name></register>";
  for (int i = 0; i < kDepth; ++i)
    body += "</cluster>";
  ASSERT_TRUE(read(device(body + "</registers>")));
  std::string name;
  for (int i = 0; i < kDepth; ++i)
    name += "C.";
  EXPECT_NE(written().find(" name=\"" + name + "R\" size=\"0\" start=\"+0x186A0\" />"),
            std::string::npos);
}

TEST_F(SVDReaderTest, TheDefaultDescriptionHookMakesLineBreaksOfBackslashN) {
  ASSERT_TRUE(
      read("<device><name>D</name><description>one\\ntwo\\n\\nthree\\</description>"
           "<peripherals/></device>"));
  EXPECT_NE(written().find("description=\"one&lt;br/&gt;two&lt;br/&gt;&lt;br/&gt;three\\\""),
            std::string::npos)
      << written();
}

TEST_F(SVDReaderTest, BoundsGivenByTheCallerReplaceTheProgramsOwn) {
  const std::string body =
      "<registers><register><name>R%s</name><dim>100</dim>"
      "<dimIncrement>4</dimIncrement></register></registers>";
  ASSERT_TRUE(read(device(body)));
  ReadBudget::Limits steps;
  steps.steps = 50;
  map_.setReadLimits(steps);
  EXPECT_FALSE(read(device(body)));
  ReadBudget::Limits storage;
  storage.storage = 1024;
  map_.setReadLimits(storage);
  EXPECT_FALSE(read(device(body)));
  // The children of a cluster are counted before its members are looked at.
  std::string cluster = "<registers><cluster><name>C</name>";
  for (int i = 0; i < 200; ++i)
    cluster += "<x/>";
  map_.setReadLimits({});
  ASSERT_TRUE(read(device(cluster + "</cluster></registers>")));
  steps.steps = 150;
  map_.setReadLimits(steps);
  EXPECT_FALSE(read(device(cluster + "</cluster></registers>")));
}

// Two copies are an array: the message names their count and the option that cuts arrays.
TEST_F(SVDReaderTest, ABoundPassedAtTwoCopiesNamesThem) {
  const std::string body =
      "<registers><register><name>R%s</name><dim>2</dim><dimIncrement>4</dimIncrement>"
      "<fields><field><name>F</name><bitRange>[1:0]</bitRange></field></fields>"
      "</register></registers>";
  ReadBudget::Limits limits;
  limits.steps = 14;
  map_.setReadLimits(limits);
  EXPECT_FALSE(read(device(body)));
  EXPECT_EQ(map_.importProblem(),
            "<register> \"R%s\" has 2 copies, and the conversion passes its bound of 14 elements "
            "there; -array-limit N writes only the first N copies of each array");
}

// Wherever a read passes its bound, in either reading, it fails: it never succeeds with part
// of the map.
TEST_F(SVDReaderTest, AReadThatPassesItsBoundAnywhereFails) {
  const std::string arrays =
      "<device><name>D</name><peripherals><peripheral><dim>3</dim><dimIncrement>0x100"
      "</dimIncrement><name>P%s</name><baseAddress>0</baseAddress><registers><register>"
      "<name>R%s</name><dim>4</dim><dimIncrement>4</dimIncrement><fields><field><name>F</name>"
      "<bitRange>[1:0]</bitRange><enumeratedValues><enumeratedValue><name>E</name><value>1"
      "</value></enumeratedValue></enumeratedValues></field></fields></register><cluster><name>C"
      "</name><register><name>S</name></register></cluster></registers></peripheral>"
      "</peripherals></device>";
  // A cluster that costs more than all that follows it: the bound passed there leaves steps
  // enough to finish without it.
  std::string wide = "<cluster><name>W</name>";
  for (int i = 0; i < 40; ++i)
    wide += "<register><name>W" + std::to_string(i) + "</name></register>";
  const std::string large =
      device("<registers><register><name>A</name></register>" + wide + "</cluster></registers>");
  for (const std::string& text : {arrays, large}) {
    for (const unsigned options : {0u, static_cast<unsigned>(kStandard)}) {
      map_.setReadLimits({});
      ASSERT_TRUE(read(text, options));
      const std::string whole = written();
      for (std::uint64_t steps = 1; steps < 150; ++steps) {
        ReadBudget::Limits limits;
        limits.steps = steps;
        map_.setReadLimits(limits);
        if (read(text, options)) {
          EXPECT_EQ(written(), whole) << steps << " steps";
        }
      }
    }
  }
}

// Clusters that each hold two copies of the one before double the registers at every level:
// 40 levels would be 2^40 registers. The read stops at its bound and names no array.
TEST_F(SVDReaderTest, ClustersThatDeriveTwiceFromTheLevelBelowStopAtTheBound) {
  std::string body =
      "<registers><cluster><name>L0</name><register><name>R</name></register>"
      "</cluster>";
  for (int i = 1; i < 40; ++i) {
    const std::string below = "L" + std::to_string(i - 1);
    body += "<cluster><name>L" + std::to_string(i) + "</name><cluster derivedFrom='" + below +
            "'><name>A</name></cluster><cluster derivedFrom='" + below +
            "'><name>B</name></cluster></cluster>";
  }
  ReadBudget::Limits limits;
  limits.storage = 1 << 20;
  map_.setReadLimits(limits);
  EXPECT_FALSE(read(device(body + "</registers>"), kStandard));
  EXPECT_EQ(map_.importProblem(),
            "<register> \"R\": the memory map passes its bound of 1,048,576 bytes there");
  EXPECT_EQ(map_.importProblemLine(), 1);
}

TEST_F(SVDReaderTest, EveryRegisterOfALongChainGetsTheLastBase) {
  constexpr int kCount = 20000;
  std::string body = "<registers>";
  for (int i = 0; i < kCount; ++i) {
    body += "<register derivedFrom='R" + std::to_string(i + 1) + "'><name>R" + std::to_string(i) +
            "</name></register>";
  }
  body += "<register><name>R" + std::to_string(kCount) +
          "</name><addressOffset>8</addressOffset></register></registers>";
  ASSERT_TRUE(read(device(body)));
  const std::string text = written();
  std::size_t registers = 0;
  for (std::size_t at = text.find("<Register "); at != std::string::npos;
       at = text.find("<Register ", at + 1)) {
    ++registers;
    ASSERT_EQ(text.compare(text.find(" start=", at), 16, " start=\"+0x8\" />"), 0);
  }
  EXPECT_EQ(registers, kCount + 1u);
}

}  // namespace
}  // namespace regforge
