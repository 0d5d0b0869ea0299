// The live objects behind the handles that a stand-in hands out, so that every call can tell
// a handle it issued from a stale, foreign or null one and refuse the latter cleanly. Handles
// are used on the user-interface thread only, so the table takes no lock.
#pragma once

#include <memory>
#include <unordered_map>

namespace platform {

template <class T>
class HandleTable {
public:
    // Keeps the object until Take; the returned pointer is its handle.
    T* Add(std::unique_ptr<T> object) {
        T* handle = object.get();
        objects_.emplace(handle, std::move(object));
        return handle;
    }

    // The live object of the handle, or null.
    T* Find(const void* handle) {
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }

    // Removes the object of the handle and hands it over; null if the handle is not live.
    std::unique_ptr<T> Take(const void* handle) {
        auto node = objects_.extract(handle);
        return node.empty() ? nullptr : std::move(node.mapped());
    }

private:
    std::unordered_map<const void*, std::unique_ptr<T>> objects_;
};

}  // namespace platform
