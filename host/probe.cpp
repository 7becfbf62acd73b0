#include "host/probe.h"

#include <algorithm>
#include <cstring>

#include "host/file_system.h"

namespace pellan::host {

namespace {

std::string Hex(const char* bytes, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
        std::fclose(file);
    }
    return bytes;
}

// The row's slots that hold something, as "slot=hex"; texts up to their NUL.
std::string Describe(const char* buffer, std::size_t rowSlots) {
    if (!buffer) return "null";
    if (rowSlots == 0) return Hex(buffer, std::strlen(buffer));
    std::string out;
    for (std::size_t i = 0; i < rowSlots; ++i) {
        const char* slot = buffer + i * 512;
        bool empty = true;
        for (std::size_t k = 0; k < 512 && empty; ++k) empty = slot[k] == 0;
        if (!empty) out += " " + std::to_string(i) + "=" + Hex(slot, strnlen(slot, 512));
    }
    return out.empty() ? "empty" : out;
}

void ProbeCall(const char* name, GetFileInfoFn fn, const void* source, std::uint32_t size, std::size_t rowSlots,
               std::FILE* out) {
    if (!fn) {
        std::fprintf(out, "  %s: not exported\n", name);
        return;
    }
    char* raw = nullptr;
    std::int32_t status = fn(source, size, &raw);
    HostBuffer buffer(raw);
    std::fprintf(out, "  %s: %d %s\n", name, status, status == 0 ? Describe(buffer.get(), rowSlots).c_str() : "");
}

}  // namespace

void Probe(PluginLibrary& plugin, const PluginDescription& description, const std::vector<std::string>& files,
           std::FILE* out) {
    std::fprintf(out, "plugin %s\n", description.file.c_str());
    std::uint32_t leading = std::uint32_t(plugin.IsSupported(nullptr, 0));
    std::size_t slots = description.columns.size();
    for (const std::string& path : files) {
        std::string bytes = ReadAll(path);
        std::fprintf(out, "file %s (%zu bytes)\n", BaseName(path).c_str(), bytes.size());
        std::uint32_t head = std::uint32_t(std::min<std::size_t>(bytes.size(), leading));
        std::fprintf(out, "  IsSupported: path %d memory %d\n", plugin.IsSupported(path.c_str(), 0),
                     head ? plugin.IsSupported(bytes.data(), head) : 0);
        const char* source = path.c_str();
        ProbeCall("GetFileInfoList path", plugin.GetFileInfoList, source, 0, slots, out);
        ProbeCall("GetFileInfoText1 path", plugin.GetFileInfoText1, source, 0, 0, out);
        ProbeCall("GetFileInfoText2 path", plugin.GetFileInfoText2, source, 0, 0, out);
        if (bytes.empty()) continue;
        std::uint32_t size = std::uint32_t(bytes.size());
        ProbeCall("GetFileInfoList memory", plugin.GetFileInfoList, bytes.data(), size, slots, out);
        ProbeCall("GetFileInfoText1 memory", plugin.GetFileInfoText1, bytes.data(), size, 0, out);
        ProbeCall("GetFileInfoText2 memory", plugin.GetFileInfoText2, bytes.data(), size, 0, out);
    }
}

}  // namespace pellan::host
