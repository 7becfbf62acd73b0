// The functions the host calls, written once for all eight plug-ins. Each passes its
// arguments on with this library's descriptor and state; the entry point attaches the plug-in.
#include <cstdint>

#include "frame/dialogs/dialog_calls.h"
#include "frame/plugin_calls.h"
#include "frame/plugin_state.h"

#ifdef _WIN32
#include <windows.h>
#define PELLAN_EXPORT extern "C" __stdcall
#else
#define PELLAN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using namespace pellan;

PELLAN_EXPORT std::int32_t GetPluginRevision() { return ThisPlugin().revision; }

PELLAN_EXPORT std::int32_t GetPluginInfo(std::int32_t index, char* buffer, std::uint32_t size) {
    return PluginInfo(ThisPlugin(), index, buffer, size);
}

PELLAN_EXPORT std::int32_t GetColumnInfo(char** out) { return ColumnTable(ThisPlugin(), out); }

PELLAN_EXPORT std::int32_t IsSupported(const void* source, std::uint32_t size) {
    return Supports(ThisPlugin(), source, size);
}

PELLAN_EXPORT std::int32_t GetFileInfoList(const void* source, std::uint32_t size, char** out) {
    return FileData(ThisPlugin(), State().settings, DataKind::Row, source, size, out);
}

PELLAN_EXPORT std::int32_t GetFileInfoText1(const void* source, std::uint32_t size, char** out) {
    return FileData(ThisPlugin(), State().settings, DataKind::Text1, source, size, out);
}

// Exported by the six USER-block plug-ins only (see the .def files and version scripts).
PELLAN_EXPORT std::int32_t GetFileInfoText2(const void* source, std::uint32_t size, char** out) {
    return FileData(ThisPlugin(), State().settings, DataKind::Text2, source, size, out);
}

// Modal on the calling thread; on Linux no dialog can be created and both give -1.
PELLAN_EXPORT std::int32_t EditDialog(void* owner, const char* path) {
    return OpenEditDialog(ThisPlugin(), State(), owner, path);
}
PELLAN_EXPORT std::int32_t ConfigDialog(void* owner) { return OpenConfigDialog(ThisPlugin(), State(), owner); }

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) AttachPlugin(ThisPlugin(), instance);
    return TRUE;
}
#else
namespace {
// Any address inside this shared object identifies it to dladdr.
__attribute__((constructor)) void OnLoad() { AttachPlugin(ThisPlugin(), reinterpret_cast<void*>(&OnLoad)); }
}  // namespace
#endif
