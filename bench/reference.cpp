// The benchmark's reference: a fast general XML library reading a file and writing it back.
#include <pugixml.hpp>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: reference IN OUT\n", stderr);
    return 2;
  }
  pugi::xml_document document;
  if (!document.load_file(argv[1])) return 1;
  return document.save_file(argv[2]) ? 0 : 1;
}
