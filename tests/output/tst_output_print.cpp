// The printed pages drawn to PDF and read back with pdftotext, and the print windows.
#include "output/pagerenderer.h"
int main() { return 0; }
