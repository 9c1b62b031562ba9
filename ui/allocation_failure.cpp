#include "ui/allocation_failure.h"

#include "ui/program_lifecycle.h"

#include <cstdlib>
#include <new>

namespace quorrel {
namespace {

constexpr std::size_t reserveSize = 512 * 1024;
void* reserve = nullptr;

[[noreturn]] void reportAllocationFailure(std::size_t size)
{
    std::free(reserve);
    reserve = nullptr;
    fatalError(allocationFailureMessage(size));
}

// malloc(0) may give null; a request for 0 bytes gets a block of its own.
void* tryAllocate(std::size_t size) noexcept
{
    return std::malloc(size == 0 ? 1 : size);
}

// aligned_alloc() wants a size that is a whole multiple of the alignment.
void* tryAllocateAligned(std::size_t size, std::align_val_t alignment) noexcept
{
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = size == 0 ? align : (size + align - 1) / align * align;
    return rounded < size ? nullptr : std::aligned_alloc(align, rounded);
}

void* allocate(std::size_t size)
{
    void* block = tryAllocate(size);
    if (block == nullptr) {
        reportAllocationFailure(size);
    }
    return block;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment)
{
    void* block = tryAllocateAligned(size, alignment);
    if (block == nullptr) {
        reportAllocationFailure(size);
    }
    return block;
}

}  // namespace

void keepAllocationFailureReserve()
{
    if (reserve == nullptr) {
        reserve = std::malloc(reserveSize);
    }
}

QString allocationFailureMessage(std::size_t size)
{
    return QStringLiteral("分配 %1 字节内存失败!").arg(size);
}

}  // namespace quorrel

void* operator new(std::size_t size)
{
    return quorrel::allocate(size);
}

void* operator new[](std::size_t size)
{
    return quorrel::allocate(size);
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    return quorrel::allocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return quorrel::allocateAligned(size, alignment);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return quorrel::tryAllocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return quorrel::tryAllocate(size);
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return quorrel::tryAllocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return quorrel::tryAllocateAligned(size, alignment);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::align_val_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::align_val_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t, std::align_val_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t, std::align_val_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(block);
}
