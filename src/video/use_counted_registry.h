// UseCountedRegistry<T>: shared objects found by name and counted. One record
// per distinct name (object, name, use count), in the order they were made,
// searched linearly with exact, case-sensitive comparison. Every acquire adds
// one use; the release that takes the count to 0 frees the object and drops
// the record, so a later acquire of that name makes it afresh.
//
// The object may be null (a name that makes nothing is still held and
// counted). The registry owns the objects; pointers to them stay valid until
// their record is dropped.
//
// Header-only; used by the package cache and the procedural textures.
// Single-threaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

template <typename T>
class UseCountedRegistry {
public:
    struct Record {
        std::unique_ptr<T> object;  // null for a name that made nothing
        std::string name;
        int32_t uses = 0;
    };

    // The record of `name`, or null when it is not held.
    Record* find(const std::string& name) {
        for (Record& record : records) {
            if (record.name == name) return &record;
        }
        return nullptr;
    }
    const Record* find(const std::string& name) const {
        return const_cast<UseCountedRegistry*>(this)->find(name);
    }

    // One use of `name`; on the first, `make()` (returning std::unique_ptr<T>)
    // makes its object. The object, or null.
    template <typename Make>
    T* acquire(const std::string& name, Make make) {
        if (Record* record = find(name)) {
            ++record->uses;
            return record->object.get();
        }
        records.push_back({make(), name, 1});
        return records.back().object.get();
    }

    // One use less of `name`; the last calls `beforeFree(T*)` (object maybe
    // null), then frees the object. Unknown names: nothing.
    template <typename BeforeFree>
    void release(const std::string& name, BeforeFree beforeFree) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (records[i].name != name) continue;
            if (--records[i].uses != 0) return;
            beforeFree(records[i].object.get());
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
    void release(const std::string& name) {
        release(name, [](T*) {});
    }

    // Uses of `name`, 0 when it is not held.
    int32_t uses(const std::string& name) const {
        const Record* record = find(name);
        return record ? record->uses : 0;
    }
    // The object of `name` without taking a use, or null.
    T* object(const std::string& name) const {
        const Record* record = find(name);
        return record ? record->object.get() : nullptr;
    }

    size_t size() const { return records.size(); }
    // The records in creation order.
    typename std::vector<Record>::const_iterator begin() const { return records.begin(); }
    typename std::vector<Record>::const_iterator end() const { return records.end(); }

private:
    std::vector<Record> records;
};
