// The SVD reader's hooks (interrupts, cpu) seen through a subclass that records the calls, and
// the limits that keep hostile files from exhausting the stack, time or memory.
#include "readers/SVDFile.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace regforge {
namespace {

class RecordingSVDFile : public SVDFile {
 public:
  int interruptCount() const override { return 512; }
  void setInterruptName(int number, std::string_view name) override {
    interrupts.emplace_back(number, std::string(name));
  }
  void readCpu(const XMLElement& cpu) override { cpus.emplace_back(childText(&cpu, "name")); }

  std::vector<std::pair<int, std::string>> interrupts;
  std::vector<std::string> cpus;
};

using Interrupts = std::vector<std::pair<int, std::string>>;

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
  // The warnings of the checks given, in the order they came; all warnings are taken.
  std::string warnings(std::initializer_list<std::string> checks) {
    std::string kept;
    const std::string text = map_.diagnostics().takeText();
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
      end = text.find('\n', at);
      const std::string line = text.substr(at, end - at + 1);
      for (const std::string& check : checks) {
        if (line.find("[" + check + "]") != std::string::npos) kept += line;
      }
    }
    return kept;
  }
  std::string written() {
    std::string text;
    map_.writeTo(text);
    return text;
  }

  RecordingSVDFile map_;
};

TEST_F(SVDReaderTest, OneInterruptElementMayHoldSeveralPairs) {
  ASSERT_TRUE(
      read(device("<interrupt><name>A</name><value>1</value><description>x</description>"
                  "<name>B</name><value>2</value><value>9</value></interrupt>"
                  "<interrupt><value>3</value><name>C</name></interrupt>")));
  EXPECT_EQ(map_.interrupts, (Interrupts{{1, "A"}, {2, "B"}}));  // C's value comes too early
}

TEST_F(SVDReaderTest, InterruptNamesLoseTheirIntPrefixOrIrqSuffix) {
  ASSERT_TRUE(
      read(device("<interrupt><name>INT_TIMER</name><value>1</value></interrupt>"
                  "<interrupt><name>UART_IRQ</name><value>2</value></interrupt>"
                  "<interrupt><name>INT_DMA_IRQ</name><value>3</value></interrupt>"
                  "<interrupt><name>int_adc_irq</name><value>4</value></interrupt>")));
  EXPECT_EQ(map_.interrupts,
            (Interrupts{{1, "TIMER"}, {2, "UART"}, {3, "DMA_IRQ"}, {4, "int_adc_irq"}}));
}

TEST_F(SVDReaderTest, InterruptValuesMustBeDecimalNumbersBelowTheCount) {
  ASSERT_TRUE(
      read(device("<interrupt><name>HEX</name><value>0x10</value></interrupt>"
                  "<interrupt><name>OCTAL</name><value>017</value></interrupt>"
                  "<interrupt><name>SPACED</name><value> 18 </value></interrupt>"
                  "<interrupt><name>HIGH</name><value>512</value></interrupt>"
                  "<interrupt><name>HUGE</name><value>4294967295</value></interrupt>"
                  "<interrupt><name>WORD</name><value>five</value></interrupt>"
                  "<interrupt><name></name><value>6</value></interrupt>")));
  EXPECT_EQ(map_.interrupts, (Interrupts{{17, "OCTAL"}, {18, "SPACED"}}));
}

TEST_F(SVDReaderTest, InterruptsAreReadWithoutRegistersAndNeverInherited) {
  ASSERT_TRUE(
      read("<device><peripherals>"
           "<peripheral><name>A</name><interrupt><name>A</name><value>1</value>"
           "</interrupt></peripheral>"
           "<peripheral derivedFrom='A'><name>B</name></peripheral>"
           "</peripherals></device>"));
  EXPECT_EQ(map_.interrupts, (Interrupts{{1, "A"}}));
  EXPECT_EQ(written(), "<Processor name=\"\" />\n");
}

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

TEST_F(SVDReaderTest, ArraysBeyondTheBudgetFailAtOnce) {
  EXPECT_FALSE(
      read(device("<registers><register><name>R%s</name><dim>4294967295</dim>"
                  "<dimIncrement>4</dimIncrement></register></registers>")));
  EXPECT_FALSE(
      read(device("<registers><cluster><name>C%s</name><dim>100000000</dim>"
                  "<register><name>R</name><dim>0</dim></register>"
                  "</cluster></registers>")));
  EXPECT_EQ(map_.importProblem().rfind("<cluster> \"C%s\" has 100,000,000 copies, and the "
                                       "conversion passes its bound of ",
                                       0),
            0u)
      << map_.importProblem();
  // Alternate clusters, each a group of its own.
  EXPECT_FALSE(read(device(
      "<registers><cluster><name>A</name><addressOffset>0</addressOffset></cluster>"
      "<cluster><name>B</name><alternateCluster>A</alternateCluster><addressOffset>0</"
      "addressOffset>"
      "<register><name>R%s</name><dim>4294967295</dim><dimIncrement>4</dimIncrement></register>"
      "</cluster></registers>")));
}

TEST_F(SVDReaderTest, AFieldTakesItsBaseFromAnywhereInTheDevice) {
  ASSERT_TRUE(read(
      "<device><name>D</name><peripherals>"
      "<peripheral><name>A</name><baseAddress>0</baseAddress><registers><register><name>R</name>"
      "<fields><field derivedFrom='BASE'><name>F</name></field></fields></register></registers>"
      "</peripheral>"
      "<peripheral><name>B</name><baseAddress>0x100</baseAddress><registers><register><name>S</"
      "name>"
      "<fields><field><name>BASE</name><bitRange>[7:4]</bitRange></field></fields></register>"
      "</registers></peripheral></peripherals></device>"));
  const std::string text = written();
  EXPECT_NE(text.find("<BitField name=\"F\" size=\"4\" start=\"4\" />"), std::string::npos) << text;
}

TEST_F(SVDReaderTest, RegistersReadAgainForADerivedPeripheralAreToldOnce) {
  map_.diagnostics().enable();
  ASSERT_TRUE(read(
      "<device><name>D</name><peripherals>"
      "<peripheral><name>A</name><baseAddress>0</baseAddress><registers><register><name>R</name>"
      "<addressOffset>0</addressOffset><size>0x20</size></register></registers></peripheral>"
      "<peripheral derivedFrom='A'><name>B</name><baseAddress>0x100</baseAddress></peripheral>"
      "<peripheral derivedFrom='A'><name>C</name><baseAddress>0x200</baseAddress></peripheral>"
      "</peripherals></device>"));
  EXPECT_EQ(warnings({"number"}),
            "regforge:1: warning: size \"0x20\" is not a decimal number; 0 used; -standard reads "
            "it as 32 [number]\n");
}

TEST_F(SVDReaderTest, ARegisterTakesItsBaseOnlyFromItsOwnScope) {
  ASSERT_TRUE(read(device(
      "<registers><cluster><name>C</name><addressOffset>0x10</addressOffset><register>"
      "<name>INNER</name><addressOffset>0</addressOffset><size>16</size></register></cluster>"
      "<register derivedFrom='INNER'><name>R</name><addressOffset>4</addressOffset></register>"
      "<register><name>OUTER</name><addressOffset>8</addressOffset><size>8</size></register>"
      "<register derivedFrom='OUTER'><name>S</name><addressOffset>12</addressOffset></register>"
      "</registers>")));
  const std::string text = written();
  EXPECT_NE(text.find("name=\"R\" size=\"0\""), std::string::npos) << text;
  EXPECT_NE(text.find("name=\"S\" size=\"1\""), std::string::npos) << text;
}

TEST_F(SVDReaderTest, OnlyEnumeratedValueElementsMakeValues) {
  ASSERT_TRUE(read(device(
      "<registers><register><name>R</name><fields><field><name>F</name><bitRange>[1:0]</bitRange>"
      "<enumeratedValues><name>E</name><usage><name>U</name><value>1</value></usage>"
      "<enumeratedValue><name>V</name><value>2</value></enumeratedValue>"
      "</enumeratedValues></field></fields></register></registers>")));
  const std::string text = written();
  EXPECT_NE(text.find("name=\"V\""), std::string::npos) << text;
  EXPECT_EQ(text.find("name=\"U\""), std::string::npos) << text;
}

TEST_F(SVDReaderTest, ABareUpperCaseHexPrefixOfABaseAddressIsWrittenInLowerCase) {
  ASSERT_TRUE(
      read("<device><name>D</name><peripherals><peripheral><name>P</name>"
           "<baseAddress>0X</baseAddress><registers/></peripheral></peripherals></device>"));
  const std::string text = written();
  EXPECT_NE(text.find("start=\"0x\""), std::string::npos) << text;
}

TEST_F(SVDReaderTest, NumbersThatSayOtherThanTheyAreReadAreTold) {
  map_.diagnostics().enable();
  ASSERT_TRUE(read(
      device("<registers><register><name>R</name><addressOffset> 010</addressOffset><size>16</size>"
             "<fields><field><name>F</name><bitRange>[1:0]</bitRange><enumeratedValues>"
             "<enumeratedValue><name>W</name><value>0b111</value></enumeratedValue>"
             "<enumeratedValue><name>X</name><value>0b11</value></enumeratedValue>"
             "</enumeratedValues></field><field><name>G</name><lsb>x</lsb><msb>2</msb></field>"
             "</fields></register></registers>")));
  const std::string text = warnings({"number", "enum-value"});
  EXPECT_NE(text.find("addressOffset \"010\" is read as octal: 8 used"), std::string::npos) << text;
  EXPECT_NE(text.find("value \"W\" (0b111) does not fit the 2-bit field \"F\""), std::string::npos)
      << text;
  EXPECT_EQ(text.find("\"X\""), std::string::npos) << text;
  EXPECT_NE(text.find("lsb \"x\" is not a decimal number; 0 used"), std::string::npos) << text;
}

TEST_F(SVDReaderTest, TheDefaultDescriptionHookMakesLineBreaksOfBackslashN) {
  ASSERT_TRUE(
      read("<device><name>D</name><description>one\\ntwo\\n\\nthree\\</description>"
           "<peripherals/></device>"));
  EXPECT_NE(written().find("description=\"one&lt;br/&gt;two&lt;br/&gt;&lt;br/&gt;three\\\""),
            std::string::npos)
      << written();
}

TEST_F(SVDReaderTest, AFieldWithoutBitsIsTold) {
  map_.diagnostics().enable();
  ASSERT_TRUE(
      read(device("<registers><register><name>R</name><size>32</size><fields><field>"
                  "<name>Z</name><bitOffset>3</bitOffset><bitWidth>0</bitWidth></field>"
                  "</fields></register></registers>")));
  EXPECT_NE(warnings({"bit-field"}).find("field \"Z\" of register \"R\" (bits 3 to 2)"),
            std::string::npos);
}

TEST_F(SVDReaderTest, TheStandardReadingLeavesOutIgnoredAndReservedFields) {
  XMLDocument input(XMLDocument::Content::ElementText);
  ASSERT_TRUE(input.parse(
      device("<registers><register><name>R</name><fields>"
             "<field><name>TMP_A</name><bitOffset>0</bitOffset><bitWidth>1</bitWidth></field>"
             "<field><name>Reserved</name><bitOffset>1</bitOffset><bitWidth>1</bitWidth></field>"
             "<field><name>B</name><bitOffset>2</bitOffset><bitWidth>1</bitWidth></field>"
             "</fields></register></registers>")
          .c_str()));
  ASSERT_TRUE(map_.readSvd(input, kStandard, std::string_view("tmp")));
  const std::string text = written();
  EXPECT_EQ(text.find("TMP_A"), std::string::npos) << text;
  EXPECT_EQ(text.find("Reserved"), std::string::npos) << text;
  EXPECT_NE(text.find("<BitField name=\"B\" size=\"1\" start=\"2\" />"), std::string::npos) << text;
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

TEST_F(SVDReaderTest, ANameRepeatedInOneScopeIsToldAgainstItsFirstUseEachTime) {
  map_.diagnostics().enable();
  // One element per line, so that each has its own line number.
  ASSERT_TRUE(
      read(device("<registers>\n"
                  "<register><name>R</name><fields>\n"
                  "<field><name>F</name><bitOffset>0</bitOffset></field>\n"
                  "<field><name>F</name><bitOffset>1</bitOffset></field>\n"
                  "<field><name>F</name><bitOffset>2</bitOffset></field>\n"
                  "<field><name>G</name><bitOffset>3</bitOffset></field>\n"
                  "</fields></register>\n"
                  "<register><name>R</name><alternateGroup>A</alternateGroup></register>\n"
                  "<register><name>S</name><fields>\n"
                  "<field><name>F</name><bitOffset>0</bitOffset></field>\n"
                  "</fields></register>\n"
                  "<register><name>R</name></register>\n"
                  "</registers>")));
  const std::string repeated = warnings({"duplicate-name"});
  EXPECT_EQ(repeated,
            "regforge:4: warning: <field> name \"F\" is given before, at line 3 [duplicate-name]\n"
            "regforge:5: warning: <field> name \"F\" is given before, at line 3 [duplicate-name]\n"
            "regforge:12: warning: <register> name \"R\" is given before, at line 2 "
            "[duplicate-name]\n");
}

}  // namespace
}  // namespace regforge
