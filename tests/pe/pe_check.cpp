// Static checks of the 32-bit deliverables, which cannot run on these machines: each
// dist/win32/<name>.tvp is read as a PE file and checked for
//   - PE32 (optional header magic 0x10B), machine i386 (0x14C), the DLL flag;
//   - an export table of exactly the host's names (without GetFileInfoText2 in the versus
//     plug-ins), all plain: no ordinal-only exports, no '@', no leading '_';
//   - imports from Windows system DLLs only (the C and C++ runtimes are linked in statically);
//   - stdcall exports. A PE export carries no calling convention, and a function without
//     arguments compiles to the same code either way, so the DLL itself cannot show it. The
//     compiler can: for i386 it names a stdcall function _Name@N (N = bytes of arguments) and a
//     cdecl one _Name. With --objects, the COFF objects of each plug-in's build (the win32 build
//     tree) are read and every exported name must be defined there as _Name@N with the size of
//     its arguments, and never as plain _Name; the DLL's plain names then come from the .def
//     file mapping them onto those stdcall functions.
// ListResources gives the type, name and language of every resource, ready for checks of the
// dialog templates; --list prints them with the imported DLLs.
//
//   pellan_pe_check <folder with the .tvp files> [--objects <win32 build tree>] [--list]
//
// Exit status: 0 all checks passed, 1 a check failed, 77 skipped (the folder does not exist, or
// --objects names a tree without the plug-ins' objects: then everything else was checked first).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kSkipped = 77;

// ---------------------------------------------------------------------------------------------
// Bounds-checked little-endian reads

class Bytes {
public:
    explicit Bytes(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
    std::size_t Size() const { return data_.size(); }
    bool Has(std::size_t offset, std::size_t count) const { return offset <= data_.size() && count <= data_.size() - offset; }
    std::optional<std::uint8_t> U8(std::size_t offset) const {
        if (!Has(offset, 1)) return std::nullopt;
        return data_[offset];
    }
    std::optional<std::uint16_t> U16(std::size_t offset) const {
        if (!Has(offset, 2)) return std::nullopt;
        return std::uint16_t(data_[offset] | data_[offset + 1] << 8);
    }
    std::optional<std::uint32_t> U32(std::size_t offset) const {
        if (!Has(offset, 4)) return std::nullopt;
        return std::uint32_t(data_[offset]) | std::uint32_t(data_[offset + 1]) << 8 |
               std::uint32_t(data_[offset + 2]) << 16 | std::uint32_t(data_[offset + 3]) << 24;
    }
    // The NUL-terminated text at offset; nothing when it runs past the end.
    std::optional<std::string> CString(std::size_t offset) const {
        if (offset >= data_.size()) return std::nullopt;
        auto begin = data_.begin() + std::ptrdiff_t(offset);
        auto end = std::find(begin, data_.end(), std::uint8_t(0));
        if (end == data_.end()) return std::nullopt;
        return std::string(begin, end);
    }
    std::string Fixed(std::size_t offset, std::size_t count) const {
        if (!Has(offset, count)) return {};
        std::string text(data_.begin() + std::ptrdiff_t(offset), data_.begin() + std::ptrdiff_t(offset + count));
        return text.substr(0, text.find('\0'));
    }

private:
    std::vector<std::uint8_t> data_;
};

std::optional<Bytes> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return Bytes(std::move(data));
}

// ---------------------------------------------------------------------------------------------
// PE images

constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kFileIsDll = 0x2000;
constexpr std::size_t kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2;

struct Section {
    std::string name;
    std::uint32_t virtualAddress = 0, virtualSize = 0, rawOffset = 0, rawSize = 0;
};

struct DataDirectory {
    std::uint32_t rva = 0, size = 0;
};

class PeImage {
public:
    explicit PeImage(Bytes bytes) : bytes_(std::move(bytes)) {}

    // Reads the headers; false with a reason when the file is no PE image.
    bool Parse(std::string& error) {
        if (bytes_.Fixed(0, 2) != "MZ") return Fail(error, "no MZ header");
        auto peOffset = bytes_.U32(0x3C);
        if (!peOffset || !bytes_.Has(*peOffset, 24) || bytes_.Fixed(*peOffset, 4) != std::string("PE"))
            return Fail(error, "no PE signature");
        std::size_t coff = *peOffset + 4;
        machine = *bytes_.U16(coff);
        std::uint16_t sectionCount = *bytes_.U16(coff + 2);
        std::uint16_t optionalSize = *bytes_.U16(coff + 16);
        characteristics = *bytes_.U16(coff + 18);
        std::size_t optional = coff + 20;
        auto magicValue = bytes_.U16(optional);
        if (!magicValue) return Fail(error, "no optional header");
        magic = *magicValue;
        // PE32: the data directories start at 96 and their count at 92; PE32+: 112 and 108.
        std::size_t countAt = magic == kPe32Magic ? 92 : 108;
        std::size_t dirsAt = magic == kPe32Magic ? 96 : 112;
        auto dirCount = bytes_.U32(optional + countAt);
        if (!dirCount || optionalSize < dirsAt) return Fail(error, "optional header too short");
        for (std::uint32_t i = 0; i < std::min<std::uint32_t>(*dirCount, 16); ++i) {
            std::size_t at = optional + dirsAt + 8 * i;
            if (at + 8 > optional + optionalSize) break;
            directories[i] = {bytes_.U32(at).value_or(0), bytes_.U32(at + 4).value_or(0)};
        }
        std::size_t sectionTable = optional + optionalSize;
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            std::size_t at = sectionTable + 40 * std::size_t(i);
            if (!bytes_.Has(at, 40)) return Fail(error, "section table runs past the end of the file");
            sections.push_back({bytes_.Fixed(at, 8), *bytes_.U32(at + 12), *bytes_.U32(at + 8), *bytes_.U32(at + 20),
                                *bytes_.U32(at + 16)});
        }
        return true;
    }

    // File offset of a relative virtual address, when a section holds it in the file.
    std::optional<std::size_t> Offset(std::uint32_t rva) const {
        for (const Section& s : sections) {
            std::uint32_t extent = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
                std::uint32_t within = rva - s.virtualAddress;
                if (within >= s.rawSize) return std::nullopt;  // uninitialised data
                return std::size_t(s.rawOffset) + within;
            }
        }
        return std::nullopt;
    }
    std::optional<std::uint16_t> U16At(std::uint32_t rva) const {
        auto at = Offset(rva);
        return at ? bytes_.U16(*at) : std::nullopt;
    }
    std::optional<std::uint32_t> U32At(std::uint32_t rva) const {
        auto at = Offset(rva);
        return at ? bytes_.U32(*at) : std::nullopt;
    }
    std::optional<std::string> StringAt(std::uint32_t rva) const {
        auto at = Offset(rva);
        return at ? bytes_.CString(*at) : std::nullopt;
    }

    std::uint16_t machine = 0, characteristics = 0, magic = 0;
    DataDirectory directories[16] = {};
    std::vector<Section> sections;

private:
    static bool Fail(std::string& error, const char* reason) {
        error = reason;
        return false;
    }
    Bytes bytes_;
};

struct ExportTable {
    std::uint32_t functionCount = 0;
    std::vector<std::string> names;
};

std::optional<ExportTable> ReadExports(const PeImage& image, std::string& error) {
    const DataDirectory& dir = image.directories[kExportDirectory];
    if (dir.rva == 0) return ExportTable{};
    auto functions = image.U32At(dir.rva + 20), nameCount = image.U32At(dir.rva + 24),
         namesRva = image.U32At(dir.rva + 32);
    if (!functions || !nameCount || !namesRva) {
        error = "export directory unreadable";
        return std::nullopt;
    }
    ExportTable table{*functions, {}};
    for (std::uint32_t i = 0; i < *nameCount; ++i) {
        auto nameRva = image.U32At(*namesRva + 4 * i);
        auto name = nameRva ? image.StringAt(*nameRva) : std::nullopt;
        if (!name) {
            error = "export name " + std::to_string(i) + " unreadable";
            return std::nullopt;
        }
        table.names.push_back(*name);
    }
    return table;
}

std::optional<std::vector<std::string>> ReadImportedDlls(const PeImage& image, std::string& error) {
    std::vector<std::string> dlls;
    const DataDirectory& dir = image.directories[kImportDirectory];
    if (dir.rva == 0) return dlls;
    for (std::uint32_t at = dir.rva;; at += 20) {  // IMAGE_IMPORT_DESCRIPTOR, ended by a zero record
        auto lookup = image.U32At(at), nameRva = image.U32At(at + 12), thunks = image.U32At(at + 16);
        if (!lookup || !nameRva || !thunks) {
            error = "import directory unreadable";
            return std::nullopt;
        }
        if (*lookup == 0 && *nameRva == 0 && *thunks == 0) break;
        auto name = image.StringAt(*nameRva);
        if (!name) {
            error = "imported DLL name unreadable";
            return std::nullopt;
        }
        dlls.push_back(*name);
        if (dlls.size() > 4096) {
            error = "import directory does not end";
            return std::nullopt;
        }
    }
    return dlls;
}

// A resource type, name or language: a number, or a text (shown as ASCII; others as '?').
using ResourceId = std::variant<std::uint32_t, std::string>;

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    std::uint32_t language = 0;
    std::uint32_t size = 0;
};

constexpr std::uint32_t kRtDialog = 5;

std::string Describe(const ResourceId& id) {
    if (const auto* number = std::get_if<std::uint32_t>(&id)) return std::to_string(*number);
    return "\"" + std::get<std::string>(id) + "\"";
}

// Every resource of the image: the three levels type, name, language of the resource tree.
std::optional<std::vector<ResourceEntry>> ListResources(const PeImage& image, std::string& error) {
    std::vector<ResourceEntry> out;
    const DataDirectory& dir = image.directories[kResourceDirectory];
    if (dir.rva == 0) return out;
    const std::uint32_t base = dir.rva;

    auto readId = [&](std::uint32_t raw) -> std::optional<ResourceId> {
        if ((raw & 0x80000000u) == 0) return ResourceId(raw);
        std::uint32_t at = base + (raw & 0x7FFFFFFFu);
        auto length = image.U16At(at);
        if (!length) return std::nullopt;
        std::string text;
        for (std::uint16_t i = 0; i < *length; ++i) {
            auto unit = image.U16At(at + 2 + 2 * i);
            if (!unit) return std::nullopt;
            text += *unit < 0x80 ? char(*unit) : '?';
        }
        return ResourceId(text);
    };
    // The entries of the directory at offset: (id, offset of the subdirectory or data entry, is a directory).
    struct Entry {
        ResourceId id;
        std::uint32_t target;
        bool directory;
    };
    auto readDirectory = [&](std::uint32_t offset) -> std::optional<std::vector<Entry>> {
        auto named = image.U16At(base + offset + 12), numbered = image.U16At(base + offset + 14);
        if (!named || !numbered) return std::nullopt;
        std::vector<Entry> entries;
        for (std::uint32_t i = 0; i < std::uint32_t(*named) + *numbered; ++i) {
            std::uint32_t at = base + offset + 16 + 8 * i;
            auto rawId = image.U32At(at), target = image.U32At(at + 4);
            if (!rawId || !target) return std::nullopt;
            auto id = readId(*rawId);
            if (!id) return std::nullopt;
            entries.push_back({*id, *target & 0x7FFFFFFFu, (*target & 0x80000000u) != 0});
        }
        return entries;
    };

    auto types = readDirectory(0);
    if (!types) {
        error = "resource directory unreadable";
        return std::nullopt;
    }
    for (const Entry& type : *types) {
        auto names = type.directory ? readDirectory(type.target) : std::nullopt;
        if (!names) {
            error = "resource type " + Describe(type.id) + " unreadable";
            return std::nullopt;
        }
        for (const Entry& name : *names) {
            auto languages = name.directory ? readDirectory(name.target) : std::nullopt;
            if (!languages) {
                error = "resource " + Describe(type.id) + "/" + Describe(name.id) + " unreadable";
                return std::nullopt;
            }
            for (const Entry& language : *languages) {
                auto size = image.U32At(base + language.target + 4);
                const auto* languageId = std::get_if<std::uint32_t>(&language.id);
                if (language.directory || !size || !languageId) {
                    error = "resource " + Describe(type.id) + "/" + Describe(name.id) + " has no data entry";
                    return std::nullopt;
                }
                out.push_back({type.id, name.id, *languageId, *size});
            }
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// COFF objects of the build: the symbols they define

struct CoffObject {
    std::uint16_t machine = 0;
    std::set<std::string> definedExternals;
};

std::optional<CoffObject> ReadCoffObject(const Bytes& bytes) {
    auto machine = bytes.U16(0);
    auto symbolTable = bytes.U32(8), symbolCount = bytes.U32(12);
    if (!machine || !symbolTable || !symbolCount) return std::nullopt;
    if (*machine != kMachineI386 && *machine != 0x8664) return std::nullopt;  // not a plain COFF object
    std::size_t strings = std::size_t(*symbolTable) + 18 * std::size_t(*symbolCount);
    if (!bytes.Has(*symbolTable, 18 * std::size_t(*symbolCount))) return std::nullopt;
    CoffObject object{*machine, {}};
    for (std::uint32_t i = 0; i < *symbolCount; ++i) {
        std::size_t at = *symbolTable + 18 * std::size_t(i);
        std::string name;
        if (*bytes.U32(at) == 0) {
            auto text = bytes.CString(strings + *bytes.U32(at + 4));
            if (!text) return std::nullopt;
            name = *text;
        } else {
            name = bytes.Fixed(at, 8);
        }
        std::int16_t section = std::int16_t(*bytes.U16(at + 12));
        std::uint8_t storageClass = *bytes.U8(at + 16);
        std::uint8_t auxCount = *bytes.U8(at + 17);
        if (section > 0 && storageClass == 2) object.definedExternals.insert(name);  // IMAGE_SYM_CLASS_EXTERNAL
        i += auxCount;
    }
    return object;
}

// ---------------------------------------------------------------------------------------------
// The deliverables

struct ExportSpec {
    const char* name;
    int argumentBytes;
    bool userBlockOnly;
};

const ExportSpec kExports[] = {
    {"GetPluginRevision", 0, false}, {"GetPluginInfo", 12, false},   {"GetColumnInfo", 4, false},
    {"IsSupported", 8, false},       {"GetFileInfoList", 12, false}, {"GetFileInfoText1", 12, false},
    {"GetFileInfoText2", 12, true},  {"EditDialog", 8, false},       {"ConfigDialog", 4, false},
};

struct PluginSpec {
    const char* name;
    bool versus;
    std::vector<std::uint32_t> dialogs;  // the dialog templates the DLL carries, by number
};

// Settings: 103 in the new generation, 101 in all others; the comment editor: 102.
const PluginSpec kPlugins[] = {
    {"varesk", false, {102, 103}}, {"dunmere", false, {102, 103}}, {"kolbrin", false, {102, 103}},
    {"quillet", false, {101, 102}}, {"mossel", false, {101, 102}}, {"peltra", false, {101, 102}},
    {"Skarn", true, {101}},         {"sundrel", true, {101}},
};

// Windows system DLLs a plug-in may import; compared without regard to letter case.
const char* const kSystemDlls[] = {"KERNEL32.dll", "USER32.dll", "GDI32.dll", "msvcrt.dll", "ADVAPI32.dll", "COMCTL32.dll"};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

bool IsSystemDll(const std::string& dll) {
    return std::any_of(std::begin(kSystemDlls), std::end(kSystemDlls),
                       [&](const char* allowed) { return Lower(dll) == Lower(allowed); });
}

class Report {
public:
    explicit Report(std::string subject) : subject_(std::move(subject)) {}
    void Fail(const std::string& what) {
        std::cout << "FAIL " << subject_ << ": " << what << "\n";
        ++failures_;
    }
    void Check(bool ok, const std::string& what) {
        if (!ok) Fail(what);
    }
    int Failures() const { return failures_; }

private:
    std::string subject_;
    int failures_ = 0;
};

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::vector<std::string> ExpectedExports(const PluginSpec& plugin) {
    std::vector<std::string> names;
    for (const ExportSpec& e : kExports)
        if (!(plugin.versus && e.userBlockOnly)) names.push_back(e.name);
    return names;
}

// The checks of one DLL; every failure goes to the report.
void CheckDll(const fs::path& file, const PluginSpec& plugin, bool list, Report& report) {
    auto bytes = ReadFile(file);
    if (!bytes) return report.Fail("cannot be read");
    PeImage image(std::move(*bytes));
    std::string error;
    if (!image.Parse(error)) return report.Fail(error);

    report.Check(image.magic == kPe32Magic, "optional header magic is " + Hex(image.magic) + ", not 0x10B (PE32)");
    report.Check(image.machine == kMachineI386, "machine is " + Hex(image.machine) + ", not 0x14C (i386)");
    report.Check((image.characteristics & kFileIsDll) != 0, "the DLL flag is not set");

    auto exports = ReadExports(image, error);
    if (!exports) {
        report.Fail(error);
    } else {
        std::vector<std::string> got = exports->names, want = ExpectedExports(plugin);
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        for (const std::string& name : want)
            report.Check(std::binary_search(got.begin(), got.end(), name), "does not export " + name);
        for (const std::string& name : got) {
            report.Check(std::binary_search(want.begin(), want.end(), name), "exports an unexpected name " + name);
            report.Check(name.find('@') == std::string::npos && (name.empty() || name[0] != '_'),
                         "export name " + name + " is decorated");
        }
        report.Check(exports->functionCount == got.size(),
                     std::to_string(exports->functionCount) + " exported functions for " + std::to_string(got.size()) +
                         " names: an export without a name");
    }

    auto dlls = ReadImportedDlls(image, error);
    if (!dlls) {
        report.Fail(error);
    } else {
        for (const std::string& dll : *dlls) {
            report.Check(IsSystemDll(dll), "imports " + dll + ", not a system DLL");
            if (list) std::cout << "  " << plugin.name << " imports " << dll << "\n";
        }
    }

    auto resources = ListResources(image, error);
    if (!resources) {
        report.Fail(error);
        return;
    }
    std::vector<std::uint32_t> dialogs;
    for (const ResourceEntry& r : *resources) {
        const auto* type = std::get_if<std::uint32_t>(&r.type);
        const auto* name = std::get_if<std::uint32_t>(&r.name);
        if (type && *type == kRtDialog) {
            report.Check(name != nullptr, "carries a dialog named by text " + Describe(r.name));
            if (name) dialogs.push_back(*name);
            report.Check(r.size > 0, "dialog " + Describe(r.name) + " is empty");
        }
    }
    std::sort(dialogs.begin(), dialogs.end());
    std::string carried;
    for (std::uint32_t id : dialogs) carried += " " + std::to_string(id);
    std::string wanted;
    for (std::uint32_t id : plugin.dialogs) wanted += " " + std::to_string(id);
    report.Check(dialogs == plugin.dialogs, "carries the dialogs" + carried + " instead of" + wanted);
    if (list) {
        for (const ResourceEntry& r : *resources) {
            std::cout << "  " << plugin.name << " resource type " << Describe(r.type)
                      << (std::get_if<std::uint32_t>(&r.type) && std::get<std::uint32_t>(r.type) == kRtDialog ? " (dialog)" : "")
                      << " name " << Describe(r.name) << " language " << r.language << ", " << r.size << " bytes\n";
        }
    }
}

// Whether the stdcall definitions of the exports were found in the plug-in's objects (false:
// none of its objects are there); failures go to the report.
bool CheckStdcallObjects(const fs::path& buildTree, const PluginSpec& plugin, Report& report) {
    std::set<std::string> defined;
    bool anyObject = false;
    std::error_code error;
    const std::string targetDir = std::string(plugin.name) + "_tvp.dir";
    for (fs::recursive_directory_iterator it(buildTree, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_directory() || it->path().filename() != targetDir) continue;
        for (fs::recursive_directory_iterator obj(it->path(), error); !error && obj != end; obj.increment(error)) {
            if (!obj->is_regular_file() || obj->path().extension() != ".obj") continue;
            auto bytes = ReadFile(obj->path());
            auto object = bytes ? ReadCoffObject(*bytes) : std::nullopt;
            if (!object) {
                report.Fail(obj->path().string() + " is not a readable COFF object");
                continue;
            }
            anyObject = true;
            report.Check(object->machine == kMachineI386, obj->path().string() + " is not an i386 object");
            defined.insert(object->definedExternals.begin(), object->definedExternals.end());
        }
        it.disable_recursion_pending();
    }
    if (!anyObject) return false;
    for (const std::string& name : ExpectedExports(plugin)) {
        int bytes = 0;
        for (const ExportSpec& e : kExports)
            if (name == e.name) bytes = e.argumentBytes;
        std::string stdcall = "_" + name + "@" + std::to_string(bytes);
        report.Check(defined.count(stdcall) == 1, name + " is not defined as the stdcall function " + stdcall);
        report.Check(defined.count("_" + name) == 0, name + " is defined as the cdecl function _" + name);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path folder, objects;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--objects" && i + 1 < argc) {
            objects = argv[++i];
        } else if (arg == "--list") {
            list = true;
        } else if (folder.empty() && !arg.empty() && arg[0] != '-') {
            folder = arg;
        } else {
            std::cerr << "usage: " << argv[0] << " <folder with the .tvp files> [--objects <win32 build tree>] [--list]\n";
            return 2;
        }
    }
    if (folder.empty()) {
        std::cerr << "usage: " << argv[0] << " <folder with the .tvp files> [--objects <win32 build tree>] [--list]\n";
        return 2;
    }
    if (!fs::is_directory(folder)) {
        std::cout << "SKIP: " << folder.string() << " does not exist; the deliverables come from the win32 preset "
                  << "(cmake --preset win32 && cmake --build build/win32 -j2)\n";
        return kSkipped;
    }

    int failures = 0;
    std::vector<std::string> withoutObjects;
    for (const PluginSpec& plugin : kPlugins) {
        fs::path file = folder / (std::string(plugin.name) + ".tvp");
        Report report(file.filename().string());
        if (!fs::is_regular_file(file)) {
            report.Fail("missing");
        } else {
            CheckDll(file, plugin, list, report);
            if (!objects.empty() && !CheckStdcallObjects(objects, plugin, report)) withoutObjects.push_back(plugin.name);
        }
        if (report.Failures() == 0) std::cout << "ok   " << file.filename().string() << "\n";
        failures += report.Failures();
    }

    if (failures > 0) {
        std::cout << failures << " check(s) failed\n";
        return 1;
    }
    if (objects.empty()) {
        std::cout << "all checks passed; the calling convention was not checked (no --objects)\n";
        return 0;
    }
    if (!withoutObjects.empty()) {
        std::cout << "SKIP: every other check passed, but no objects of";
        for (const std::string& name : withoutObjects) std::cout << " " << name;
        std::cout << " were found under " << objects.string() << ", so their calling convention is unchecked\n";
        return kSkipped;
    }
    std::cout << "all checks passed, stdcall exports included\n";
    return 0;
}
