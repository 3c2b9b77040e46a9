// The TCF reader's bound: an enumeration is written anew under every bit field that names
// it, so the product of the two is what a board costs.
#include "readers/TcfReader.h"

#include <gtest/gtest.h>

#include <string>

namespace regforge {
namespace {

class TcfReaderTest : public testing::Test {
 protected:
  // A board whose one register has fields bit fields naming an enumeration of four values.
  static std::string board(int fields) {
    std::string text =
        "<boards><board><enumeration name='E' values='A,B,C,D'/>"
        "<peripheral name='P'><register name='R'>";
    for (int i = 0; i < fields; ++i)
      text += "<bitField name='F" + std::to_string(i) + "' enumerationId='E'/>";
    return text + "</register></peripheral></board></boards>";
  }
  bool read(const std::string& text, ReadBudget::Limits limits) {
    EXPECT_TRUE(input_.parse(text.c_str()));
    return readTcf(input_, map_, limits);
  }
  std::size_t valuesOfField(int index) const {
    const XMLNode* field = map_.root()->firstChild()->firstChild()->firstChild();
    for (int i = 0; i < index && field; ++i)
      field = field->nextSibling();
    std::size_t count = 0;
    for (const XMLNode* node = field ? field->firstChild() : nullptr; node;
         node = node->nextSibling())
      ++count;
    return count;
  }

  XMLDocument input_{XMLDocument::Content::Dropped};
  MemoryMap map_;
};

TEST_F(TcfReaderTest, ValuesBeyondTheBoundStopTheReadBeforeTheyAreWritten) {
  ReadBudget::Limits limits;
  limits.steps = 11;
  EXPECT_FALSE(read(board(3), limits));
  EXPECT_EQ(valuesOfField(1), 4u);
  EXPECT_EQ(valuesOfField(2), 0u);
}

TEST_F(TcfReaderTest, AMemoryMapBeyondTheBoundStopsTheRead) {
  ReadBudget::Limits limits;
  limits.storage = 64 << 10;
  EXPECT_FALSE(read(board(10000), limits));
  EXPECT_LT(map_.storageCapacity(), 256u << 10);
}

}  // namespace
}  // namespace regforge
