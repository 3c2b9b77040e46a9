#define X 1
