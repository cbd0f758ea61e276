// The program's default terminate handler, which the C++ library calls when an exception
// leaves nothing to catch it. The static GNU C++ library's own default, its verbose handler,
// names the exception's type through the demangler (some 50 KB of code) and writes it to a
// console, which a windowed program does not have. Defined here, the program's handler takes
// its place in the link, and the library's handler and demangler stay out. It ends the program
// at once, as the library's does after writing.
#include <cstdlib>
#include <exception>

// NOLINTNEXTLINE(bugprone-reserved-identifier): the C++ library's name, declared in <exception>.
void __gnu_cxx::__verbose_terminate_handler() {
  std::abort();
}
