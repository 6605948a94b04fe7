#include "dxf/Entity_Pool.h"

void Entity_Pool::release() {
    if (--references_ == 0) delete this;
}

void* Entity_Pool::allocate(std::size_t size) {
    constexpr std::size_t alignment = alignof(std::max_align_t);
    size = (size + alignment - 1) / alignment * alignment;
    if (used_ + size > block_size) {
        blocks_.emplace_back(new std::byte[block_size]);
        used_ = 0;
    }
    void* place = blocks_.back().get() + used_;
    used_ += size;
    return place;
}

void Entity_Deleter::operator()(DXF_Entity* entity) const noexcept {
    if (!pool) {
        delete entity;
        return;
    }
    entity->~DXF_Entity();
    pool->release();
}
