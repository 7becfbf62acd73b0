#pragma once
// Loads a plug-in file the way TOLVEN does (LoadLibraryA or dlopen, then each export by its
// plain name) and calls it. Used by tvphost and by the export tests.
#include <cstdint>
#include <memory>
#include <string>

namespace pellan::host {

#ifdef _WIN32
#define PELLAN_HOST_CALL __stdcall
#else
#define PELLAN_HOST_CALL
#endif

using GetPluginRevisionFn = std::int32_t(PELLAN_HOST_CALL*)();
using GetPluginInfoFn = std::int32_t(PELLAN_HOST_CALL*)(std::int32_t, char*, std::uint32_t);
using GetColumnInfoFn = std::int32_t(PELLAN_HOST_CALL*)(char**);
using IsSupportedFn = std::int32_t(PELLAN_HOST_CALL*)(const void*, std::uint32_t);
using GetFileInfoFn = std::int32_t(PELLAN_HOST_CALL*)(const void*, std::uint32_t, char**);
using EditDialogFn = std::int32_t(PELLAN_HOST_CALL*)(void*, const char*);
using ConfigDialogFn = std::int32_t(PELLAN_HOST_CALL*)(void*);

// A buffer a plug-in handed over; freed the way the host frees it (LocalFree or free).
struct HostBufferFree {
    void operator()(char* buffer) const;
};
using HostBuffer = std::unique_ptr<char, HostBufferFree>;

class PluginLibrary {
public:
    // Loads the file; check Loaded() and Error().
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    const std::string& Error() const { return error_; }
    // The raw address of an export, or null when the library does not export that name.
    void* Find(const char* name) const;

    // Null when the export is missing.
    GetPluginRevisionFn GetPluginRevision;
    GetPluginInfoFn GetPluginInfo;
    GetColumnInfoFn GetColumnInfo;
    IsSupportedFn IsSupported;
    GetFileInfoFn GetFileInfoList;
    GetFileInfoFn GetFileInfoText1;
    GetFileInfoFn GetFileInfoText2;
    EditDialogFn EditDialog;
    ConfigDialogFn ConfigDialog;

private:
    void* handle_ = nullptr;
    std::string error_;
};

// The nine exports that a host may look up, in the order of the interface.
extern const char* const kExportNames[9];

}  // namespace pellan::host
