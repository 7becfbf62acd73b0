#include "util/memory_reader.h"

#include <cstring>

namespace pellan {

bool MemoryReader::OpenMemory(ByteView block) {
    if (open_ || block.empty() || block.data() == nullptr || block.size() > 0xFFFFFFFFu) return false;
    block_ = block;
    position_ = 0;
    open_ = true;
    return true;
}

void MemoryReader::Close() {
    block_ = {};
    position_ = 0;
    open_ = false;
}

void MemoryReader::Seek(std::uint32_t offset, int whence) {
    if (!open_) return;
    std::uint32_t target;
    switch (whence) {
        case kFromStart: target = offset; break;
        case kFromCurrent: target = position_ + offset; break;
        case kFromEnd: target = size() - offset; break;
        default: return;
    }
    position_ = target > size() ? size() : target;
}

std::uint32_t MemoryReader::Read(void* buffer, std::uint32_t n) {
    if (!open_ || IsEof() || buffer == nullptr || n == 0) return 0;
    std::uint32_t count = n < Remaining() ? n : Remaining();
    std::memcpy(buffer, block_.data() + position_, count);
    position_ += count;
    return count;
}

bool MemoryReader::Skip(std::uint32_t n) {
    if (!open_) return false;
    if (n > Remaining()) {
        position_ = size();
        return false;
    }
    position_ += n;
    return true;
}

}  // namespace pellan
