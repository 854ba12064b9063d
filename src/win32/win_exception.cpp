#include "win32/win_exception.h"

namespace stenvik::win32 {

int NewHandler(std::size_t /*size*/) { throw WinException("Out of memory"); }

}  // namespace stenvik::win32
