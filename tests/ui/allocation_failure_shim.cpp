// Preloaded into the program by window_under_xvfb.sh. After the process gets
// SIGUSR1, the next malloc() of at least 16 KiB that is called from the
// program's own code fails, once. Everything the program allocates with new
// reaches malloc() from there; the libraries' own malloc() calls are left
// alone.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>

#include <link.h>

extern "C" void* __libc_malloc(std::size_t size);

namespace {

constexpr std::size_t smallestFailingSize = 16 * 1024;

volatile std::sig_atomic_t armed = 0;
std::uintptr_t programCodeStart = 0;
std::uintptr_t programCodeEnd = 0;

// The first object dl_iterate_phdr() reports is the program itself.
int findProgramCode(dl_phdr_info* object, std::size_t, void*)
{
    for (int i = 0; i < object->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = object->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0) {
            programCodeStart = object->dlpi_addr + segment.p_vaddr;
            programCodeEnd = programCodeStart + segment.p_memsz;
        }
    }
    return 1;
}

void arm(int)
{
    armed = 1;
}

__attribute__((constructor)) void install()
{
    dl_iterate_phdr(&findProgramCode, nullptr);
    std::signal(SIGUSR1, &arm);
}

}  // namespace

extern "C" void* malloc(std::size_t size) noexcept
{
    const auto caller = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    if (armed != 0 && size >= smallestFailingSize && caller >= programCodeStart
        && caller < programCodeEnd) {
        armed = 0;
        errno = ENOMEM;
        return nullptr;
    }
    return __libc_malloc(size);
}
