// Writes deterministic synthetic SVD files for the benchmark, built from the peripherals of
// the project's example device.
//
//   svdgen plain   MEGABYTES OUT  copies of the example's peripherals up to the size
//   svdgen derived OUT            2,000 peripherals and 20,000 fields derived from elements
//                                 defined late in the file
//   svdgen arrays  OUT            registers and clusters with large dim counts
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string header(const char* name) {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<device schemaVersion=\"1.3\">\n  "
             "<name>") +
         name +
         "</name>\n  "
         "<cpu><name>CM4</name><mpuPresent>true</mpuPresent><fpuPresent>true</fpuPresent>"
         "<nvicPrioBits>3</nvicPrioBits></cpu>\n  <width>32</width>\n  <size>32</size>\n"
         "  <resetValue>0x00000000</resetValue>\n  <resetMask>0xFFFFFFFF</resetMask>\n"
         "  <peripherals>\n";
}

const char* const kFooter = "  </peripherals>\n</device>\n";

// The example's peripherals with every name made unique by a copy number.
std::string peripheralsCopy(const std::string& peripherals, int copy) {
  std::string text = peripherals;
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "C%05d_", copy);
  for (const char* name : {"UART0", "UART1", "TIMER"}) {
    replaceAll(text, std::string(">") + name + "<", std::string(">") + prefix + name + "<");
    replaceAll(text, std::string("\"") + name + "\"", std::string("\"") + prefix + name + "\"");
  }
  char address[16];
  std::snprintf(address, sizeof address, "0x%08X",
                0x40000000u + static_cast<unsigned>(copy) * 0x4000u);
  replaceAll(text, "0x40001000", address);
  return text;
}

int plain(const std::string& example, long megabytes, const char* out) {
  const std::size_t begin = example.find("<peripherals>") + 13;
  const std::size_t end = example.find("</peripherals>");
  const std::string peripherals = example.substr(begin, end - begin);
  std::ofstream file(out, std::ios::binary);
  std::string text = header("BENCH_PLAIN");
  const std::size_t target = static_cast<std::size_t>(megabytes) * 1000000;
  for (int copy = 0; text.size() < target; ++copy)
    text += peripheralsCopy(peripherals, copy);
  file << text << kFooter;
  return 0;
}

// Every derived element names a base that comes last in the file, so a search from the
// beginning would pass nearly the whole document each time.
int derived(const char* out) {
  std::ofstream file(out, std::ios::binary);
  file << header("BENCH_DERIVED");
  for (int p = 0; p < 2000; ++p) {
    file << "    <peripheral derivedFrom=\"BASE\"><name>P" << p << "</name><baseAddress>0x"
         << std::hex << 0x40000000 + p * 0x1000 << std::dec << "</baseAddress>"
         << "<registers><register><name>R</name><addressOffset>0x0</addressOffset><fields>\n";
    for (int f = 0; f < 10; ++f) {
      file << "            <field derivedFrom=\"BASEFIELD" << f << "\"><name>D" << p * 10 + f
           << "</name></field>\n";
    }
    file << "          </fields></register></registers></peripheral>\n";
  }
  file << "    <peripheral><name>BASE</name><description>Base of "
          "all</description><baseAddress>0x50000000</baseAddress>"
          "<registers><register><name>CTRL</name><addressOffset>0x0</addressOffset><fields>\n";
  for (int f = 0; f < 10; ++f) {
    file << "            <field><name>BASEFIELD" << f
         << "</name><description>Base field</description><bitOffset>" << f
         << "</bitOffset><bitWidth>1</bitWidth></field>\n";
  }
  file << "          </fields></register></registers></peripheral>\n" << kFooter;
  return 0;
}

int arrays(const char* out) {
  std::ofstream file(out, std::ios::binary);
  file << header("BENCH_ARRAYS");
  for (int p = 0; p < 20; ++p) {
    file << "    <peripheral><name>RAM" << p << "</name><baseAddress>0x" << std::hex
         << 0x20000000 + p * 0x100000 << std::dec << "</baseAddress><registers>\n"
         << "      <register><dim>4096</dim><dimIncrement>4</dimIncrement><name>WORD%s</name>"
            "<addressOffset>0x0</addressOffset><fields><field><name>V</name><bitRange>[31:0]</"
            "bitRange></field>"
            "</fields></register>\n"
         << "      <cluster><dim>256</dim><dimIncrement>0x40</dimIncrement><name>CH%s</name>"
            "<addressOffset>0x4000</addressOffset>\n";
    for (int r = 0; r < 8; ++r) {
      file << "        <register><name>R" << r << "</name><addressOffset>0x" << std::hex << r * 4
           << std::dec
           << "</addressOffset><fields><field><name>EN</name><bitOffset>0</bitOffset><bitWidth>1</"
              "bitWidth>"
              "</field></fields></register>\n";
    }
    file << "      </cluster>\n    </registers></peripheral>\n";
  }
  file << kFooter;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "plain" && argc == 5) return plain(readFile(argv[2]), std::atol(argv[3]), argv[4]);
  if (mode == "derived" && argc == 3) return derived(argv[2]);
  if (mode == "arrays" && argc == 3) return arrays(argv[2]);
  std::fputs("usage: svdgen plain EXAMPLE.svd MEGABYTES OUT | derived OUT | arrays OUT\n", stderr);
  return 2;
}
