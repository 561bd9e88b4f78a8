// Minimal C++ runtime hooks for the stub: allocation that aborts when memory is exhausted and a
// terminate handler without the demangler, so that neither drags the exception machinery in.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) std::abort();
  return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}
