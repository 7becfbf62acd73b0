#pragma once
// A read/seek cursor over a borrowed block of untrusted bytes. The position never passes the
// end, and no read copies a byte from outside the block.
#include <cstdint>

#include "util/byte_view.h"

namespace pellan {

class MemoryReader {
public:
    enum Whence { kFromStart = 0, kFromCurrent = 1, kFromEnd = 2 };

    // Fails when already open or when the block is empty.
    bool OpenMemory(ByteView block);
    void Close();

    // Unsigned 32-bit arithmetic, clamped to the size: a backward move past the start (a
    // "negative" offset from the current position) lands at the end, never before the start.
    // kFromEnd counts the offset backwards from the end.
    void Seek(std::uint32_t offset, int whence);
    // Copies up to n bytes (fewer near the end, none at the end); returns the count copied.
    std::uint32_t Read(void* buffer, std::uint32_t n);
    // Moves forward by n bytes; when fewer remain, moves to the end and gives false. The count is
    // compared with what remains, so a huge n never wraps the position towards the start.
    bool Skip(std::uint32_t n);

    bool IsOpen() const { return open_; }
    bool IsEof() const { return position_ == size(); }
    std::uint32_t GetSize() const { return size(); }
    std::uint32_t Tell() const { return position_; }
    std::uint32_t Remaining() const { return size() - position_; }

private:
    std::uint32_t size() const { return std::uint32_t(block_.size()); }
    ByteView block_;
    std::uint32_t position_ = 0;
    bool open_ = false;
};

}  // namespace pellan
