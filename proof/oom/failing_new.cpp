#include "failing_new.h"

#include <cstdlib>
#include <memory>  // MSVC: std::_Container_proxy
#include <new>

namespace {

struct Plan {
    std::size_t countdown = 0;  // the allocation that fails, counted down; 0 for none
    failingnew::Failure how = failingnew::Failure::once;
    bool failing = false;  // whether allocations fail from now on
};

Plan& plan() {
    static Plan armed;
    return armed;
}

// MSVC's debug library gives every container and string a proxy for its iterator checks, made by
// operator new even where nothing may throw (a string's move): those allocations are the
// library's, not the battle's, so they are never failed or counted.
#if defined(_MSVC_STL_VERSION) && _ITERATOR_DEBUG_LEVEL != 0
bool debugproxy(std::size_t size) { return size == sizeof(std::_Container_proxy); }
#else
bool debugproxy(std::size_t /*size*/) { return false; }
#endif

// This replaces the allocator itself, so it hands out raw memory from malloc, as the library's
// own operator new does, and every operator delete that could receive it gives it back to
// free. A sanitizer then sees only malloc and free: it still finds leaks and bad accesses, but
// no longer a new freed with free or a new[] freed with delete. The aligned forms are left
// alone: nothing here is over-aligned.
// NOLINTBEGIN(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void* allocate(std::size_t size) {
    Plan& p = plan();
    if (!debugproxy(size) && (p.failing || (p.countdown != 0 && --p.countdown == 0))) {
        if (p.how == failingnew::Failure::exit) {
            std::_Exit(3);
        }
        p.failing = p.how == failingnew::Failure::onward;
        throw std::bad_alloc();
    }
    for (;;) {
        if (void* memory = std::malloc(size == 0 ? 1 : size)) {
            return memory;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

void release(void* memory) noexcept { std::free(memory); }
// NOLINTEND(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)

}  // namespace

void failingnew::arm(std::size_t n, Failure how) { plan() = Plan{n, how, false}; }

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t& /*unused*/) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept { release(memory); }
void operator delete[](void* memory) noexcept { release(memory); }
void operator delete(void* memory, std::size_t /*size*/) noexcept { release(memory); }
void operator delete[](void* memory, std::size_t /*size*/) noexcept { release(memory); }
void operator delete(void* memory, const std::nothrow_t& /*unused*/) noexcept { release(memory); }
void operator delete[](void* memory, const std::nothrow_t& /*unused*/) noexcept { release(memory); }
