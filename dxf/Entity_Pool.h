#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "dxf/DXF_Entity.h"

// One pool of memory from which a reader allocates the entities of a file in large blocks, instead of one
// allocation per entity. Each entity keeps the pool alive (its deleter holds a count), so entities may
// outlive the reader and move between documents; the pool goes when its last entity and its owner have.
// Counting is not thread-safe: a document belongs to one thread.
class Entity_Pool {
public:
    // The pool for one reading; the returned handle is the owner's share.
    struct Release {
        void operator()(Entity_Pool* pool) const { pool->release(); }
    };
    using Handle = std::unique_ptr<Entity_Pool, Release>;
    static Handle create() { return Handle(new Entity_Pool); }

    Entity_Pool(const Entity_Pool&) = delete;
    Entity_Pool& operator=(const Entity_Pool&) = delete;

    template <typename T, typename... Args>
    Entity_ptr make(Args&&... args) {
        static_assert(sizeof(T) <= block_size);
        void* place = allocate(sizeof(T));
        T* entity = new (place) T(std::forward<Args>(args)...);
        ++references_;
        return Entity_ptr(entity, Entity_Deleter(this));
    }
    // One entity fewer (or the owner gone); the last one frees the pool.
    void release();

private:
    Entity_Pool() = default;
    ~Entity_Pool() = default;
    void* allocate(std::size_t size);

    static constexpr std::size_t block_size = 256 * 1024;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::size_t used_ = block_size;  // in the last block; a full one at first, so the first use adds one
    long references_ = 1;
};
