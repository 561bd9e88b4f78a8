// Minimal C++ runtime hooks for the stub: allocation that aborts when memory is exhausted and a
// terminate handler without the demangler, so that neither drags the exception machinery in.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) std::abort();
    return p;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

// The containers' error paths. The library's own versions build exception objects, which pull in
// its string classes and the unwinder (over 100 KB); the stub has no exceptions, so it stops.
namespace std {
void __throw_bad_alloc() {
    abort();
}
void __throw_length_error(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
