// What runs when an exception escapes everything: the program ends at once. The runtime's
// own handler first prints the exception's demangled type to stderr, which a window program
// has none of, and brings a whole demangler into the exe for it.

#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
