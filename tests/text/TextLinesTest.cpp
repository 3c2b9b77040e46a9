// Lines cut from a text in memory must be the very pieces C's fgets reads from a file of the
// same bytes: the line readers' output depends on every cut.
#include "text/TextLines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace regforge {
namespace {

using Pieces = std::vector<std::string>;

Pieces cut(const std::string& text, std::size_t bufferSize) {
  Pieces pieces;
  TextLines lines(text, bufferSize);
  while (const std::optional<std::string_view> line = lines.next()) {
    EXPECT_EQ(line->data()[line->size()], '\0');  // the readers take it as a C string
    pieces.emplace_back(*line);
  }
  return pieces;
}

// What fgets gives for the same bytes in a binary file, as C strings.
Pieces fgetsPieces(const std::string& text, int bufferSize) {
  Pieces pieces;
  const File file(std::tmpfile());
  EXPECT_TRUE(file);
  if (!file) return pieces;
  std::fwrite(text.data(), 1, text.size(), file.get());
  std::rewind(file.get());
  std::vector<char> buffer(static_cast<std::size_t>(bufferSize));
  while (std::fgets(buffer.data(), bufferSize, file.get()))
    pieces.emplace_back(buffer.data());
  return pieces;
}

struct Case {
  const char* what;
  std::string text;
  Pieces expected;  // with a buffer of 6 bytes
};

TEST(TextLinesTest, CutsAsFgetsCuts) {
  const Case cases[] = {
      {"empty text", "", {}},
      {"no final line end", "ab\ncd", {"ab\n", "cd"}},
      {"a line that fills the buffer", "abcd\nx", {"abcd\n", "x"}},
      {"one byte more: its line end comes alone", "abcde\nx", {"abcde", "\n", "x"}},
      {"a long line in pieces of 5", "abcdefghijkl\n", {"abcde", "fghij", "kl\n"}},
      {"a NUL ends the piece's text, not the piece", std::string("a\0cd\nef", 7), {"a", "ef"}},
      {"a NUL first", std::string("\0abcdefg\n", 9), {"", "efg\n"}},
      {"CR LF stays as it is", "a\r\nb\rc\n", {"a\r\n", "b\rc\n"}},
      {"empty lines", "\n\n", {"\n", "\n"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cut(c.text, 6), c.expected) << c.what;
    EXPECT_EQ(cut(c.text, 6), fgetsPieces(c.text, 6)) << c.what;
  }
}

TEST(TextLinesTest, ManyLinesAcrossTheBufferMatchFgets) {
  std::string text;
  for (int i = 0; i < 400; ++i)
    text += std::string(static_cast<std::size_t>(i % 23), static_cast<char>('a' + i % 26)) +
            (i % 7 == 0    ? "\r\n"
             : i % 11 == 0 ? std::string(1, '\0')
                           : "\n");
  for (const int size : {2, 3, 16, 17, 1024})
    EXPECT_EQ(cut(text, static_cast<std::size_t>(size)), fgetsPieces(text, size)) << size;
}

}  // namespace
}  // namespace regforge
