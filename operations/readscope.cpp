#include "operations/readscope.h"

namespace Operations {
namespace {

ReadScope sScope = ReadScope::Whole;

} // namespace

ReadScope readScope() { return sScope; }

void readScope(ReadScope scope) { sScope = scope; }

} // namespace Operations
