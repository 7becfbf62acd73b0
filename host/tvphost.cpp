// tvphost: loads plug-in files the way the host program does and prints what they answer.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "host/file_system.h"
#include "host/plugin_library.h"
#include "host/plugin_listing.h"
#include "host/probe.h"
#include "host/report_output.h"

using namespace pellan::host;

namespace {

constexpr int kUsageError = 64;
constexpr int kMissingPath = 2;
constexpr int kPluginLoadError = 3;
constexpr int kNoDialog = 4;

const char* const kUsage =
    "usage: tvphost [options] [PATH...]\n"
    "Without PATH: every plug-in's revision, information strings and columns.\n"
    "With PATH (replay files or folders): for each plug-in, a table of the files it accepts.\n"
    "  --plugins DIR   load every *.tvp file in DIR (default: the folder of tvphost)\n"
    "  --plugin FILE   load this plug-in file (may be repeated; replaces --plugins)\n"
    "  --format F      table (default), csv or json\n"
    "  --details       also print both details texts of every file (on when a PATH is a file)\n"
    "  --probe         print a byte-exact record of every answer, to compare two builds\n"
    "  --settings      open each plug-in's configuration dialog (Windows only)\n"
    "  --edit          open the edit dialog of each plug-in for each PATH file it accepts (Windows only)\n";

struct Options {
    std::string pluginFolder;
    std::vector<std::string> pluginFiles;
    std::vector<std::string> paths;
    Format format = Format::Table;
    bool details = false;
    bool probe = false;
    bool settings = false;
    bool edit = false;
};

bool EndsWithTvp(const std::string& name) {
    return name.size() > 4 && (name.compare(name.size() - 4, 4, ".tvp") == 0 || name.compare(name.size() - 4, 4, ".TVP") == 0);
}

int ParseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--plugins" && hasValue) {
            options.pluginFolder = argv[++i];
        } else if (arg == "--plugin" && hasValue) {
            options.pluginFiles.push_back(argv[++i]);
        } else if (arg == "--format" && hasValue) {
            std::string f = argv[++i];
            if (f == "table") options.format = Format::Table;
            else if (f == "csv") options.format = Format::Csv;
            else if (f == "json") options.format = Format::Json;
            else {
                std::fprintf(stderr, "tvphost: unknown format '%s' (table, csv or json)\n", f.c_str());
                return kUsageError;
            }
        } else if (arg == "--details") {
            options.details = true;
        } else if (arg == "--probe") {
            options.probe = true;
        } else if (arg == "--settings") {
            options.settings = true;
        } else if (arg == "--edit") {
            options.edit = true;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "tvphost: unknown option '%s'\n%s", arg.c_str(), kUsage);
            return kUsageError;
        } else {
            options.paths.push_back(arg);
        }
    }
    return -1;
}

// Prints what a dialog export answered; false when it could not open a dialog at all.
bool ReportDialog(const std::string& plugin, const char* dialog, const std::string& path, std::int32_t code) {
    const char* meaning = code == 0 ? "OK" : code == 6 ? "cancelled or closed" : code == -1 ? "no dialog" : "";
    std::printf("%s: %s%s%s: %d %s\n", plugin.c_str(), dialog, path.empty() ? "" : " ", path.c_str(), int(code), meaning);
    return code != -1;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes as on Linux: UTF-8 text with LF line ends, never translated.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    Options options;
    if (int done = ParseArguments(argc, argv, options); done >= 0) return done;

    // Paths are made absolute before any plug-in loads: some make the host's folder current.
    std::vector<std::string> files;
    for (const std::string& path : options.paths) {
        FileFacts facts = FactsOf(path);
        if (!facts.exists) {
            std::fprintf(stderr, "tvphost: no such file or folder: %s\n", path.c_str());
            return kMissingPath;
        }
        std::string absolute = AbsolutePath(path);
        if (facts.isDirectory) {
            for (const std::string& file : FilesIn(absolute)) files.push_back(file);
        } else {
            files.push_back(absolute);
            options.details = true;
        }
    }

    std::vector<std::string> pluginFiles;
    for (const std::string& file : options.pluginFiles) {
        if (!FactsOf(file).exists) {
            std::fprintf(stderr, "tvphost: no such plug-in file: %s\n", file.c_str());
            return kPluginLoadError;
        }
        pluginFiles.push_back(AbsolutePath(file));
    }
    if (pluginFiles.empty()) {
        std::string folder = options.pluginFolder.empty() ? ProgramFolder() : options.pluginFolder;
        if (!FactsOf(folder).isDirectory) {
            std::fprintf(stderr, "tvphost: no such plug-in folder: %s\n", folder.c_str());
            return kPluginLoadError;
        }
        for (const std::string& file : FilesIn(AbsolutePath(folder)))
            if (EndsWithTvp(file)) pluginFiles.push_back(file);
        if (pluginFiles.empty()) {
            std::fprintf(stderr, "tvphost: no *.tvp plug-in files in %s\n", folder.c_str());
            return kPluginLoadError;
        }
    }

    std::vector<PluginReport> reports;
    bool dialogsOpened = true;
    for (const std::string& file : pluginFiles) {
        PluginLibrary plugin(file);
        std::string error = plugin.Error();
        std::optional<PluginDescription> description;
        if (plugin.Loaded()) description = Describe(plugin, file, error);
        if (!description) {
            std::fprintf(stderr, "tvphost: cannot load plug-in %s: %s\n", file.c_str(), error.c_str());
            return kPluginLoadError;
        }
        if (options.probe) {
            Probe(plugin, *description, files, stdout);
            continue;
        }
        if (options.settings || options.edit) {
            if (options.settings)
                dialogsOpened &= ReportDialog(description->file, "ConfigDialog", "", plugin.ConfigDialog(nullptr));
            if (options.edit)
                for (const std::string& path : files)
                    if (Accepts(plugin, path))
                        dialogsOpened &= ReportDialog(description->file, "EditDialog", path, plugin.EditDialog(nullptr, path.c_str()));
            continue;
        }
        PluginReport report{*description, {}};
        for (const std::string& path : files)
            if (Accepts(plugin, path)) report.files.push_back(ListFile(plugin, *description, path));
        reports.push_back(std::move(report));
    }
    if (options.settings || options.edit) {
        if (dialogsOpened) return 0;
        std::fprintf(stderr,
                     "tvphost: a dialog could not be opened. Editing comments and settings needs Windows: the\n"
                     "Linux plug-ins have no dialogs (run tvphost.exe with the Windows plug-ins there).\n");
        return kNoDialog;
    }
    if (options.probe) return 0;
    if (options.paths.empty())
        PrintDescriptions(options.format, reports, stdout);
    else
        PrintListings(options.format, reports, options.details, stdout);
    return 0;
}
