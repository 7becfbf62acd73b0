#include "host/plugin_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif
#include <cstdlib>

namespace pellan::host {

const char* const kExportNames[9] = {"GetPluginRevision", "GetPluginInfo",    "GetColumnInfo",
                                     "IsSupported",       "GetFileInfoList",  "GetFileInfoText1",
                                     "GetFileInfoText2",  "EditDialog",       "ConfigDialog"};

void HostBufferFree::operator()(char* buffer) const {
#ifdef _WIN32
    if (buffer) LocalFree(buffer);
#else
    std::free(buffer);
#endif
}

namespace {
template <typename Fn>
Fn As(void* address) {
    return reinterpret_cast<Fn>(address);
}
}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
#ifdef _WIN32
    handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!handle_) error_ = "LoadLibraryA failed with error " + std::to_string(GetLastError());
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) error_ = dlerror();
#endif
    GetPluginRevision = As<GetPluginRevisionFn>(Find("GetPluginRevision"));
    GetPluginInfo = As<GetPluginInfoFn>(Find("GetPluginInfo"));
    GetColumnInfo = As<GetColumnInfoFn>(Find("GetColumnInfo"));
    IsSupported = As<IsSupportedFn>(Find("IsSupported"));
    GetFileInfoList = As<GetFileInfoFn>(Find("GetFileInfoList"));
    GetFileInfoText1 = As<GetFileInfoFn>(Find("GetFileInfoText1"));
    GetFileInfoText2 = As<GetFileInfoFn>(Find("GetFileInfoText2"));
    EditDialog = As<EditDialogFn>(Find("EditDialog"));
    ConfigDialog = As<ConfigDialogFn>(Find("ConfigDialog"));
}

PluginLibrary::~PluginLibrary() {
    if (!handle_) return;
#ifdef _WIN32
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

void* PluginLibrary::Find(const char* name) const {
    if (!handle_) return nullptr;
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

}  // namespace pellan::host
