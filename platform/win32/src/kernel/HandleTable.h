// A table of objects reached through opaque handles, as the window system and GDI keep theirs. A handle is
// a number, never an address, and is never issued twice, so a wrong, stale or foreign handle is found
// missing instead of being followed. Each table stamps its kind into its handles so that the handle of one
// table is never valid in another.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace win32sub {

template <typename Object>
class HandleTable {
public:
    // `kind` is 1 to 3; handles are multiples of 4, as Windows handles are.
    explicit HandleTable(std::uintptr_t kind) : kind_(kind) {}

    void* Add(std::shared_ptr<Object> object) {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::uintptr_t handle = (next_++ << 4) | (kind_ << 2);
        objects_.emplace(handle, std::move(object));
        return reinterpret_cast<void*>(handle);
    }

    std::shared_ptr<Object> Find(const void* handle) const {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it != objects_.end() ? it->second : nullptr;
    }

    // The object removed, or nullptr when there was none.
    std::shared_ptr<Object> Remove(const void* handle) {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == objects_.end()) {
            return nullptr;
        }
        std::shared_ptr<Object> object = std::move(it->second);
        objects_.erase(it);
        return object;
    }

    // Removes every object for which `condition` holds.
    template <typename Condition>
    void RemoveIf(Condition condition) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::erase_if(objects_, [&](const auto& item) { return condition(*item.second); });
    }

private:
    const std::uintptr_t kind_;
    mutable std::mutex mutex_;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Object>> objects_;
    std::uintptr_t next_ = 1;
};

}  // namespace win32sub
