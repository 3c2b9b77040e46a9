// regforge: converts one device description into one memory-map file.
#include "entry/Entry.h"

int main(int argc, char** argv) {
  return regforge::runRegforge(argc, argv);
}
