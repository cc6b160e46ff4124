#include "report/saturation_table.hpp"

int main() {
  vdw::print_saturation_table();
  return 0;
}
