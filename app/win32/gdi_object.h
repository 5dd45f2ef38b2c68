#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vondrel::host {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

// A font, brush or bitmap that frees itself.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace vondrel::host
