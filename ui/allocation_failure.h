// What happens when a request for memory fails.
//
// The program replaces the global operator new family: a request that fails
// frees the reserve below and ends the program through fatalError() with
// "分配 N 字节内存失败!", N being the bytes asked for. The nothrow forms still
// return null. Requests that the libraries make with malloc() are not seen.
#pragma once

#include <QString>

#include <cstddef>

namespace quorrel {

// Sets aside a small block of memory that a failed request frees before the
// fatal-error box is built, so that the box can still appear. Calling it
// again keeps the block already set aside.
void keepAllocationFailureReserve();

// The message for a failed request of `size` bytes: "分配 N 字节内存失败!".
[[nodiscard]] QString allocationFailureMessage(std::size_t size);

}  // namespace quorrel
