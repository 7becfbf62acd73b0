// The dialogs of the 64-bit plug-in files as the user meets them, under wine64 and Xvfb with
// code page 932. Each plug-in file is copied into a fresh folder (where it finds its settings
// file) and loaded with LoadLibraryA. The main thread calls ConfigDialog or EditDialog; a second
// thread finds the dialog among the main thread's windows, looks at it through the ANSI calls,
// changes its controls and presses a button or the close box. The test then checks the end
// code, the settings file and the replay's bytes. The templates themselves are read from the
// files' resources and compared with the layout the dialogs are designed with.
//
//   pellan_dialog_tests [gtest options] <folder with the 64-bit .tvp files>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/plugin_library.h"
#include "tools/replay_builder.h"

namespace fs = std::filesystem;
using pellan::host::PluginLibrary;
using pellan::samples::BlockSpec;
using pellan::samples::Bytes;

namespace pellan::dialog_test {
namespace {

fs::path g_pluginDir;

constexpr int kDone = 0;
constexpr int kCancelled = 6;
constexpr int kNoDialog = -1;
constexpr int kEditBox = 1002;
constexpr DWORD kWaitForDialogMs = 10000;
constexpr DWORD kWaitForEndMs = 5000;

// ---------------------------------------------------------------------------------------------
// The designed layout of every template. Texts are Shift-JIS (the tests are compiled with the
// execution charset CP932), as the ANSI calls give them.

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEditStyle = kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL |
                             WS_HSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::string_view kDialogFace = "ＭＳ Ｐゴシック";
constexpr int kDialogPoints = 9;

struct ControlSpec {
    int id;  // -1: no id
    std::string kind;  // window class: "Button" or "Edit"
    std::string text;
    short x, y, cx, cy;
    DWORD style;  // as the template holds it
};

struct TemplateSpec {
    int number;
    bool extended;
    short cx, cy;
    std::string caption;
    std::vector<ControlSpec> controls;
};

ControlSpec Ok(short x, short y) { return {IDOK, "Button", "OK", x, y, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP}; }
ControlSpec Cancel(short x, short y) { return {IDCANCEL, "Button", "Cancel", x, y, 50, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP}; }
ControlSpec GroupBox(std::string text, short x, short y, short cx, short cy) {
    return {-1, "Button", std::move(text), x, y, cx, cy, kChild | BS_GROUPBOX};
}
ControlSpec Radio(int id, std::string text, short x, short y, short cx, short cy, bool groupStart = false) {
    return {id, "Button", std::move(text), x, y, cx, cy, kChild | BS_AUTORADIOBUTTON | (groupStart ? WS_GROUP : 0)};
}

const std::string kWhole = "全て表示";
const std::string kFirstLine = "最初の1行だけ表示";
const std::string kSlashes = "全て表示するが改行部分は「/」で置換";
const std::string kCommentGroup = "コメントの表記方法";
const std::string kNameGroup = "キャラ名の表記方法";

const TemplateSpec kTemplate103{103, false, 187, 97, "設定",
                                {Ok(39, 76), Cancel(96, 76), GroupBox(kCommentGroup, 7, 7, 173, 60),
                                 Radio(1003, kWhole, 15, 23, 160, 10, true), Radio(1004, kFirstLine, 15, 37, 160, 10),
                                 Radio(1005, kSlashes, 15, 53, 160, 10)}};
const TemplateSpec kQuillet101{101, false, 187, 103, "設定",
                               {Ok(39, 82), Cancel(96, 82), GroupBox(kCommentGroup, 7, 7, 173, 60),
                                Radio(1001, kWhole, 15, 23, 160, 10, true), Radio(1002, kFirstLine, 15, 37, 160, 10),
                                Radio(1003, kSlashes, 15, 51, 160, 10)}};
const TemplateSpec kNameAndComment101{
    101, false, 187, 165, "設定",
    {Ok(39, 144), Cancel(96, 144), GroupBox(kNameGroup, 7, 7, 173, 58),
     Radio(1001, "アルファベット", 15, 22, 90, 10, true), Radio(1002, "日本語（フルネーム）", 15, 35, 95, 10),
     Radio(1006, "日本語（リプレイ情報準拠）", 15, 50, 95, 10), GroupBox(kCommentGroup, 7, 71, 173, 60),
     Radio(1003, kWhole, 15, 87, 160, 10, true), Radio(1004, kFirstLine, 15, 101, 160, 10),
     Radio(1005, kSlashes, 15, 117, 160, 10)}};
const TemplateSpec kSkarn101{101, false, 187, 59, "設定",
                             {Ok(39, 38), Cancel(96, 38),
                              {1003, "Button", "0バイトのリプレイファイルは自動的に削除する", 7, 7, 173, 12,
                               kChild | BS_AUTOCHECKBOX | WS_TABSTOP}}};
const TemplateSpec kSundrel101{101, true, 187, 77, "設定",
                               {Ok(38, 56), Cancel(95, 56), Radio(1001, "アルファベット", 15, 22, 90, 10, true),
                                GroupBox(kNameGroup, 7, 7, 173, 33), Radio(1002, "日本語", 111, 22, 59, 10)}};
const TemplateSpec kCommentEditor102{102, false, 275, 201, "コメントの編集",
                                     {Ok(81, 180), Cancel(142, 180), {kEditBox, "Edit", "", 7, 7, 261, 165, kEditStyle}}};

// ---------------------------------------------------------------------------------------------
// The plug-ins

// A setting and its controls: radio buttons in value order, or one check box.
struct Choice {
    std::string key;
    std::vector<int> items;
};

// A settings section as stored, the controls checked when the dialog opens over it, and
// clicks that change them.
struct Opening {
    std::string lines;  // the plug-in's section, "\r\n"-separated key=value lines
    std::vector<int> checked;
    std::vector<int> clicks;
};

// Buttons clicked in the dialog, then OK: the controls checked and the keys written.
struct Change {
    std::vector<int> clicks;
    std::vector<int> checked;
    std::vector<std::pair<std::string, std::string>> written;
};

struct PluginCase {
    std::string name;
    std::string magic;  // empty: a versus plug-in without comment editor
    unsigned summaryZeros, commentZeros;  // what the comment rewrite writes behind each block's NUL
    const TemplateSpec* config;
    std::vector<Choice> choices;
    std::vector<Opening> openings;
    Change change;

    bool HasCommentEditor() const { return !magic.empty(); }
    std::string Section() const { return name + ".tvp"; }
};

void PrintTo(const PluginCase& plugin, std::ostream* out) { *out << plugin.name; }

const std::vector<PluginCase>& AllPlugins() {
    const std::vector<Choice> comment103 = {{"CommentBlt", {1003, 1004, 1005}}};
    const std::vector<Choice> nameAndComment = {{"NameBlt", {1001, 1002, 1006}}, {"CommentBlt", {1003, 1004, 1005}}};
    static const std::vector<PluginCase> plugins = {
        {"varesk", "vrsk", 1, 1, &kTemplate103, comment103,
         {{"CommentBlt=2", {1005}, {1004}}, {"CommentBlt=3", {1003}, {1005}}},
         {{1004}, {1004}, {{"CommentBlt", "1"}}}},
        {"dunmere", "dnmr", 1, 1, &kTemplate103, comment103,
         {{"CommentBlt=1", {1004}, {1005}}, {"CommentBlt=-1", {1003}, {1004}}},
         {{1005}, {1005}, {{"CommentBlt", "2"}}}},
        {"kolbrin", "kbrn", 1, 1, &kTemplate103, comment103,
         {{"CommentBlt=2", {1005}, {1003}}, {"CommentBlt=9", {1003}, {1005}}},
         {{1005, 1004}, {1004}, {{"CommentBlt", "1"}}}},
        {"quillet", "qllt", 0, 0, &kQuillet101, {{"CommentBlt", {1001, 1002, 1003}}},
         {{"CommentBlt=1", {1002}, {1003}}, {"CommentBlt=3", {1001}, {1002}}},
         {{1003}, {1003}, {{"CommentBlt", "2"}}}},
        {"mossel", "MSSL", 0, 0, &kNameAndComment101, nameAndComment,
         {{"NameBlt=2\r\nCommentBlt=1", {1004, 1006}, {1001, 1005}}, {"NameBlt=3\r\nCommentBlt=-1", {1001, 1003}, {1002}}},
         {{1002, 1005}, {1002, 1005}, {{"NameBlt", "1"}, {"CommentBlt", "2"}}}},
        {"peltra", "PLTR", 1, 0, &kNameAndComment101, nameAndComment,
         {{"NameBlt=1\r\nCommentBlt=2", {1002, 1005}, {1006, 1003}}, {"NameBlt=5\r\nCommentBlt=3", {1003, 1006}, {1004}}},
         {{1001, 1004}, {1001, 1004}, {{"NameBlt", "0"}, {"CommentBlt", "1"}}}},
        {"Skarn", "", 0, 0, &kSkarn101, {{"ZeroDelete", {1003}}},
         {{"ZeroDelete=7", {1003}, {1003}}, {"ZeroDelete=0", {}, {1003}}},
         {{1003}, {1003}, {{"ZeroDelete", "1"}}}},
        {"sundrel", "", 0, 0, &kSundrel101, {{"NameBlt", {1001, 1002}}},
         {{"NameBlt=1", {1002}, {1001}}, {"NameBlt=2", {1001}, {1002}}},
         {{1002}, {1002}, {{"NameBlt", "1"}}}},
    };
    return plugins;
}

std::vector<PluginCase> CommentEditorPlugins() {
    std::vector<PluginCase> plugins;
    for (const PluginCase& plugin : AllPlugins())
        if (plugin.HasCommentEditor()) plugins.push_back(plugin);
    return plugins;
}

std::string ParamName(const testing::TestParamInfo<PluginCase>& info) { return info.param.name; }

// ---------------------------------------------------------------------------------------------
// Files

class TempDir {
public:
    TempDir() {
        static std::mt19937_64 random{std::random_device{}()};
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            fs::path candidate = fs::temp_directory_path() / ("pellan_dialogs_" + std::to_string(random()));
            std::error_code error;
            if (fs::create_directory(candidate, error)) path_ = fs::absolute(candidate);
        }
        if (path_.empty()) ADD_FAILURE() << "no temporary folder could be made";
    }
    ~TempDir() {
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(path_, error))
            SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, std::string_view text) {
    ASSERT_TRUE(samples::WriteBytes(path, Bytes(text.begin(), text.end()))) << path;
}

// A private-profile file as sections of key/value pairs, in file order; blank lines ignored.
using Profile = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

Profile ParseProfile(const std::string& text) {
    Profile profile;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            profile.push_back({line.substr(1, line.size() - 2), {}});
        } else if (!profile.empty()) {
            std::size_t equals = line.find('=');
            profile.back().second.push_back({line.substr(0, equals), equals == std::string::npos ? "" : line.substr(equals + 1)});
        }
    }
    return profile;
}

// The plug-in file copied into folder, and loaded from there as the host loads it.
std::unique_ptr<PluginLibrary> LoadCopy(const std::string& name, const TempDir& folder) {
    std::string copy = folder.File(name + ".tvp");
    std::error_code error;
    fs::copy_file(g_pluginDir / (name + ".tvp"), copy, fs::copy_options::overwrite_existing, error);
    EXPECT_FALSE(error) << "cannot copy " << name << ".tvp: " << error.message();
    auto library = std::make_unique<PluginLibrary>(copy);
    EXPECT_TRUE(library->Loaded()) << copy << ": " << library->Error();
    if (!library->Loaded() || !library->ConfigDialog || !library->EditDialog) return nullptr;
    return library;
}

// ---------------------------------------------------------------------------------------------
// Replays

Bytes Replay(const PluginCase& plugin, std::vector<BlockSpec> blocks) {
    return samples::BuildReplay(samples::ReplayOf(plugin.magic, "REPLAY-BODY", std::move(blocks)));
}

const std::string kSummary = "Name Alice\r\nScore 1234\r\n";

BlockSpec SummaryOf(const PluginCase& plugin) { return samples::Summary(kSummary, plugin.summaryZeros); }
BlockSpec CommentOf(const PluginCase& plugin, std::string_view text) { return samples::Comment(text, plugin.commentZeros); }

// The replay as the comment editor writes it: summary block first, then the comment block when
// the comment is not empty.
Bytes Rewritten(const PluginCase& plugin, std::string_view comment) {
    std::vector<BlockSpec> blocks = {SummaryOf(plugin)};
    if (!comment.empty()) blocks.push_back(CommentOf(plugin, comment));
    return Replay(plugin, blocks);
}

// ---------------------------------------------------------------------------------------------
// A live dialog, seen from the second thread

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(std::size_t(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? std::size_t(copied) : 0);
    return text;
}

struct LiveControl {
    int id;  // low word of the control id, sign-extended: -1 for "no id"
    std::string kind;
    std::string text;
    DWORD style;
    DWORD exStyle;
};

struct FontFacts {
    HFONT handle = nullptr;
    LOGFONTA logfont{};
};

class LiveDialog {
public:
    explicit LiveDialog(HWND dialog, DWORD thread) : dialog_(dialog), thread_(thread) {}

    HWND Window() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::string Caption() const { return TextOf(dialog_); }
    std::string ClassName() const { return ClassOf(dialog_); }
    DWORD Style() const { return DWORD(GetWindowLongA(dialog_, GWL_STYLE)); }
    std::string Text(int id) const { return TextOf(Item(id)); }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

    // The controls in the order of their windows, which is the order of the template.
    std::vector<LiveControl> Controls() const {
        std::vector<LiveControl> controls;
        for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            controls.push_back({int(short(LOWORD(GetDlgCtrlID(child)))), ClassOf(child), TextOf(child),
                                DWORD(GetWindowLongA(child, GWL_STYLE)), DWORD(GetWindowLongA(child, GWL_EXSTYLE))});
        return controls;
    }
    // The controls Tab visits, starting from the first tab stop.
    std::vector<int> TabOrder() const {
        std::vector<int> order;
        HWND first = GetNextDlgTabItem(dialog_, nullptr, FALSE);
        for (HWND at = first; at && order.size() < 20; at = GetNextDlgTabItem(dialog_, at, FALSE)) {
            order.push_back(GetDlgCtrlID(at));
            if (GetNextDlgTabItem(dialog_, at, FALSE) == first) break;
        }
        return order;
    }
    std::vector<int> CheckedOf(const std::vector<Choice>& choices) const {
        std::vector<int> checked;
        for (const Choice& choice : choices)
            for (int item : choice.items)
                if (Checked(item)) checked.push_back(item);
        std::sort(checked.begin(), checked.end());
        return checked;
    }
    int FocusId() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(thread_, &info) || !info.hwndFocus) return 0;
        return GetDlgCtrlID(info.hwndFocus);
    }
    int DefaultId() const {
        LRESULT result = SendMessageA(dialog_, DM_GETDEFID, 0, 0);
        return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
    }
    FontFacts FontOf(HWND window) const {
        FontFacts facts;
        facts.handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        if (facts.handle) GetObjectA(facts.handle, sizeof facts.logfont, &facts.logfont);
        return facts;
    }

    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void SetText(int id, const std::string& text) const { SetDlgItemTextA(dialog_, id, text.c_str()); }
    // The close box of the title bar.
    void PressCloseBox() const { PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0); }
    // Keys typed into a control, through the dialog's own message loop: the focus moves to the
    // control, the caret to the end of its text, then each key is posted ('\n' as the Return
    // key, whose character the loop makes) and the next waits until the text has changed.
    // False when a key changed nothing in time.
    bool Type(int id, const std::string& keys) const {
        HWND control = Item(id);
        PostMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        PostMessageA(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        for (char key : keys) {
            std::string before = TextOf(control);
            if (key == '\n') {
                PostMessageA(control, WM_KEYDOWN, VK_RETURN, 0x001C0001);
                PostMessageA(control, WM_KEYUP, VK_RETURN, 0xC01C0001);
            } else {
                PostMessageA(control, WM_CHAR, WPARAM(std::uint8_t(key)), 1);
            }
            DWORD waited = 0;
            while (IsWindow(control) && TextOf(control) == before && waited < kWaitForEndMs) {
                Sleep(5);
                waited += 5;
            }
            if (!IsWindow(control) || TextOf(control) == before) return false;
        }
        return true;
    }
private:
    HWND dialog_;
    DWORD thread_;
};

// ---------------------------------------------------------------------------------------------
// Running a dialog: the main thread opens it, a second thread handles it

struct DialogRun {
    int code = -99;
    bool appeared = false;     // a dialog window of the main thread showed up
    bool outlived = false;     // it was still there after the handler was done, and was closed by force
};

struct RunContext {
    DWORD thread = 0;
    std::function<void(LiveDialog&)> handle;
    std::atomic<bool> returned{false};
    DialogRun run;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    if (ClassOf(window) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

DWORD WINAPI HandleDialog(void* argument) {
    auto* context = static_cast<RunContext*>(argument);
    HWND dialog = nullptr;
    for (DWORD waited = 0; !dialog && waited < kWaitForDialogMs && !context->returned; waited += 10) {
        EnumThreadWindows(context->thread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) Sleep(10);
    }
    if (!dialog) return 0;
    context->run.appeared = true;
    LiveDialog live(dialog, context->thread);
    context->handle(live);
    for (DWORD waited = 0; IsWindow(dialog) && waited < kWaitForEndMs; waited += 10) Sleep(10);
    if (IsWindow(dialog)) {
        // The handler left it open: end it, so that no test hangs.
        context->run.outlived = true;
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        for (DWORD waited = 0; IsWindow(dialog) && waited < kWaitForEndMs; waited += 10) Sleep(10);
        if (IsWindow(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return 0;
}

// Calls open (ConfigDialog or EditDialog) on this thread while a second thread waits for its
// dialog and runs handle on it; handle ends the dialog with a button or the close box.
DialogRun RunDialog(const std::function<int()>& open, std::function<void(LiveDialog&)> handle) {
    RunContext context;
    context.thread = GetCurrentThreadId();
    context.handle = std::move(handle);
    HANDLE worker = CreateThread(nullptr, 0, HandleDialog, &context, 0, nullptr);
    if (!worker) {
        ADD_FAILURE() << "no second thread";
        return {};
    }
    context.run.code = open();
    context.returned = true;
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    return context.run;
}

// ---------------------------------------------------------------------------------------------
// What every dialog shows, whatever its state

// Caption, font, controls in template order with their classes, texts and kinds, the tab
// order, the default button and the focus: what the user sees of the template.
struct Appearance {
    std::string className, caption;
    DWORD style = 0;
    FontFacts font;
    std::vector<LiveControl> controls;
    std::vector<int> tabOrder;
    int defaultId = 0, focusId = 0;
};

Appearance Observe(const LiveDialog& dialog) {
    return {dialog.ClassName(), dialog.Caption(),      dialog.Style(),     dialog.FontOf(dialog.Window()),
            dialog.Controls(),  dialog.TabOrder(),     dialog.DefaultId(), dialog.FocusId()};
}

int PixelsOfPoints(int points) {
    HDC screen = GetDC(nullptr);
    int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// checked: the radio buttons checked when the dialog was looked at. Tab stops at the template's
// tab stops and, as the system has it, at the checked button of each radio group.
void ExpectAppearance(const Appearance& seen, const TemplateSpec& templateSpec, const std::vector<int>& checked = {}) {
    EXPECT_EQ(seen.className, "#32770");
    EXPECT_EQ(seen.caption, templateSpec.caption);
    constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(seen.style & kFrame, kFrame);
    EXPECT_EQ(std::string(seen.font.logfont.lfFaceName), kDialogFace);
    EXPECT_EQ(seen.font.logfont.lfHeight, -PixelsOfPoints(kDialogPoints));
    ASSERT_EQ(seen.controls.size(), templateSpec.controls.size());
    std::vector<int> tabStops;
    for (std::size_t i = 0; i < templateSpec.controls.size(); ++i) {
        const ControlSpec& expected = templateSpec.controls[i];
        const LiveControl& control = seen.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(expected.id) + ")");
        EXPECT_EQ(control.id, expected.id);
        EXPECT_EQ(control.kind, expected.kind);
        if (expected.kind == "Button") {
            EXPECT_EQ(control.text, expected.text);
            EXPECT_EQ(control.style & BS_TYPEMASK, expected.style & BS_TYPEMASK);
        } else {
            constexpr DWORD kEditKinds = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;
            EXPECT_EQ(control.style & kEditKinds, kEditKinds);
            EXPECT_TRUE((control.style & WS_BORDER) || (control.exStyle & WS_EX_CLIENTEDGE)) << "edit box without border";
        }
        EXPECT_EQ(control.style & WS_GROUP, expected.style & WS_GROUP);
        bool radio = (expected.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && expected.kind == "Button";
        if ((expected.style & WS_TABSTOP) || (radio && std::count(checked.begin(), checked.end(), expected.id)))
            tabStops.push_back(expected.id);
    }
    EXPECT_EQ(seen.tabOrder, tabStops);
    EXPECT_EQ(seen.defaultId, IDOK);
    EXPECT_EQ(seen.focusId, IDOK);  // the first tab stop
}

std::string Settings(const PluginCase& plugin, const std::string& lines) {
    return "[other.tvp]\r\nCommentBlt=1\r\nNameBlt=1\r\n[" + plugin.Section() + "]\r\n" + lines + "\r\n";
}

// ---------------------------------------------------------------------------------------------
// The templates, read from the plug-in files' resources

class TemplateReader {
public:
    explicit TemplateReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Ok() const { return ok_; }
    void Align() { at_ = (at_ + 3) & ~std::size_t(3); }
    std::uint16_t Word() {
        if (at_ + 2 > size_) return ok_ = false, 0;
        std::uint16_t value = std::uint16_t(data_[at_] | data_[at_ + 1] << 8);
        at_ += 2;
        return value;
    }
    std::uint32_t Dword() {
        std::uint32_t low = Word();
        return low | std::uint32_t(Word()) << 16;
    }
    std::wstring String() {
        std::wstring text;
        while (ok_) {
            wchar_t c = wchar_t(Word());
            if (c == 0) break;
            text.push_back(c);
        }
        return text;
    }
    // A name or an ordinal: "#n" for an ordinal.
    std::wstring NameOrOrdinal() {
        std::uint16_t first = Word();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        if (first == 0) return L"";
        std::wstring text(1, wchar_t(first));
        return text + String();
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::string Ansi(const std::wstring& text) {
    int size = WideCharToMultiByte(932, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(932, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& text) {
    int size = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(std::size_t(size), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), out.data(), size);
    return out;
}

struct ParsedControl {
    DWORD style, exStyle;
    short x, y, cx, cy;
    int id;
    std::wstring kind, text;
};

struct ParsedTemplate {
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, windowClass, caption, face;
    int points = 0, weight = -1, italic = -1, charset = -1;
    std::vector<ParsedControl> controls;
};

// Both layouts: DLGTEMPLATE with DLGITEMTEMPLATEs, and the extended DLGTEMPLATEEX.
std::optional<ParsedTemplate> ParseTemplate(const std::uint8_t* data, std::size_t size) {
    TemplateReader in(data, size);
    ParsedTemplate parsed;
    std::uint16_t count = 0;
    if (size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
        parsed.extended = true;
        in.Dword();  // version and signature
        in.Dword();  // help id
        parsed.exStyle = in.Dword();
        parsed.style = in.Dword();
    } else {
        parsed.style = in.Dword();
        parsed.exStyle = in.Dword();
    }
    count = in.Word();
    parsed.x = short(in.Word());
    parsed.y = short(in.Word());
    parsed.cx = short(in.Word());
    parsed.cy = short(in.Word());
    parsed.menu = in.NameOrOrdinal();
    parsed.windowClass = in.NameOrOrdinal();
    parsed.caption = in.String();
    if (parsed.style & DS_SETFONT) {
        parsed.points = in.Word();
        if (parsed.extended) {
            parsed.weight = in.Word();
            std::uint16_t italicAndCharset = in.Word();
            parsed.italic = italicAndCharset & 0xFF;
            parsed.charset = italicAndCharset >> 8;
        }
        parsed.face = in.String();
    }
    for (std::uint16_t i = 0; i < count && in.Ok(); ++i) {
        in.Align();
        ParsedControl control{};
        if (parsed.extended) {
            in.Dword();  // help id
            control.exStyle = in.Dword();
            control.style = in.Dword();
        } else {
            control.style = in.Dword();
            control.exStyle = in.Dword();
        }
        control.x = short(in.Word());
        control.y = short(in.Word());
        control.cx = short(in.Word());
        control.cy = short(in.Word());
        control.id = parsed.extended ? int(in.Dword()) : int(short(in.Word()));
        control.kind = in.NameOrOrdinal();
        control.text = in.NameOrOrdinal();
        std::uint16_t extra = in.Word();
        for (std::uint16_t skip = 0; skip < (extra + 1) / 2; ++skip) in.Word();
        parsed.controls.push_back(control);
    }
    if (!in.Ok()) return std::nullopt;
    return parsed;
}

// The dialog template number of the plug-in file, or nothing when the file has none.
std::optional<ParsedTemplate> ReadTemplate(const std::string& name, int number) {
    std::string file = (g_pluginDir / (name + ".tvp")).string();
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        ADD_FAILURE() << "cannot open " << file << " as a data file";
        return std::nullopt;
    }
    std::optional<ParsedTemplate> parsed;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (resource) {
        HGLOBAL loaded = LoadResource(module, resource);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (data) parsed = ParseTemplate(static_cast<const std::uint8_t*>(data), SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return parsed;
}

std::wstring KindOrdinal(const std::string& kind) { return kind == "Edit" ? L"#129" : L"#128"; }

void ExpectTemplate(const std::string& plugin, const TemplateSpec& templateSpec) {
    SCOPED_TRACE(plugin + " template " + std::to_string(templateSpec.number));
    std::optional<ParsedTemplate> parsed = ReadTemplate(plugin, templateSpec.number);
    ASSERT_TRUE(parsed) << "no dialog resource " << templateSpec.number;
    EXPECT_EQ(parsed->extended, templateSpec.extended);
    EXPECT_EQ(parsed->style, kDialogStyle);
    EXPECT_EQ(parsed->exStyle, 0u);
    EXPECT_EQ(parsed->x, 0);
    EXPECT_EQ(parsed->y, 0);
    EXPECT_EQ(parsed->cx, templateSpec.cx);
    EXPECT_EQ(parsed->cy, templateSpec.cy);
    EXPECT_EQ(parsed->menu, L"");
    EXPECT_EQ(parsed->windowClass, L"");
    EXPECT_EQ(parsed->caption, Wide(templateSpec.caption));
    EXPECT_EQ(parsed->face, Wide(std::string(kDialogFace)));
    EXPECT_EQ(Ansi(parsed->face), kDialogFace);
    EXPECT_EQ(parsed->points, kDialogPoints);
    if (templateSpec.extended) {
        EXPECT_EQ(parsed->weight, FW_NORMAL);
        EXPECT_EQ(parsed->italic, 0);
        EXPECT_EQ(parsed->charset, SHIFTJIS_CHARSET);
    }
    ASSERT_EQ(parsed->controls.size(), templateSpec.controls.size());
    for (std::size_t i = 0; i < templateSpec.controls.size(); ++i) {
        const ControlSpec& expected = templateSpec.controls[i];
        const ParsedControl& control = parsed->controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(expected.id) + ")");
        EXPECT_EQ(control.id, expected.id);
        EXPECT_EQ(control.kind, KindOrdinal(expected.kind));
        EXPECT_EQ(control.text, Wide(expected.text));
        EXPECT_EQ(Ansi(control.text), expected.text);
        EXPECT_EQ(control.x, expected.x);
        EXPECT_EQ(control.y, expected.y);
        EXPECT_EQ(control.cx, expected.cx);
        EXPECT_EQ(control.cy, expected.cy);
        EXPECT_EQ(control.style, expected.style) << std::hex << control.style << " " << expected.style;
        EXPECT_EQ(control.exStyle, 0u);
    }
}

// ---------------------------------------------------------------------------------------------
// The configuration dialogs of all eight plug-ins

class ConfigDialogTest : public testing::TestWithParam<PluginCase> {
protected:
    const PluginCase& Plugin() const { return GetParam(); }
    std::string IniPath() const { return folder_.File("pellan_tvp.ini"); }
    TempDir folder_;
};

TEST_P(ConfigDialogTest, TheFileCarriesItsTemplatesAsDesigned) {
    ExpectTemplate(Plugin().name, *Plugin().config);
    if (Plugin().HasCommentEditor()) ExpectTemplate(Plugin().name, kCommentEditor102);
}

// Stored values in range and out of range; Cancel after the first opening, the close box after
// the second, both after changing the controls.
TEST_P(ConfigDialogTest, OpensOnTheStoredValuesAndCancelOrTheCloseBoxChangeNothing) {
    for (std::size_t i = 0; i < Plugin().openings.size(); ++i) {
        const Opening& opening = Plugin().openings[i];
        bool closeBox = i % 2 == 1;
        SCOPED_TRACE(opening.lines + (closeBox ? ", close box" : ", Cancel"));
        TempDir folder;
        std::string ini = folder.File("pellan_tvp.ini");
        WriteText(ini, Settings(Plugin(), opening.lines));
        auto library = LoadCopy(Plugin().name, folder);
        ASSERT_TRUE(library);
        for (int pass = 0; pass < 2; ++pass) {
            Appearance seen;
            std::vector<int> checked, changed;
            DialogRun run = RunDialog([&] { return library->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) {
                seen = Observe(dialog);
                checked = dialog.CheckedOf(Plugin().choices);
                for (int item : opening.clicks) dialog.Click(item);
                changed = dialog.CheckedOf(Plugin().choices);
                if (closeBox)
                    dialog.PressCloseBox();
                else
                    dialog.Click(IDCANCEL);
            });
            ASSERT_TRUE(run.appeared);
            EXPECT_FALSE(run.outlived);
            EXPECT_EQ(run.code, kCancelled);
            ExpectAppearance(seen, *Plugin().config, checked);
            // The second pass shows that memory kept the values as well.
            EXPECT_EQ(checked, opening.checked) << "pass " << pass;
            EXPECT_NE(changed, checked);
            EXPECT_EQ(ReadText(ini), Settings(Plugin(), opening.lines));
        }
    }
}

TEST_P(ConfigDialogTest, OkStoresTheChoiceAndWritesOnlyThePluginsKeys) {
    WriteText(IniPath(), "[other.tvp]\r\nCommentBlt=1\r\n");
    auto library = LoadCopy(Plugin().name, folder_);
    ASSERT_TRUE(library);
    std::vector<int> checked;
    DialogRun run = RunDialog([&] { return library->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) {
        for (int item : Plugin().change.clicks) dialog.Click(item);
        checked = dialog.CheckedOf(Plugin().choices);
        dialog.Click(IDOK);
    });
    ASSERT_TRUE(run.appeared);
    EXPECT_FALSE(run.outlived);
    EXPECT_EQ(run.code, kDone);
    EXPECT_EQ(checked, Plugin().change.checked);
    Profile expected = {{"other.tvp", {{"CommentBlt", "1"}}}, {Plugin().Section(), Plugin().change.written}};
    EXPECT_EQ(ParseProfile(ReadText(IniPath())), expected);

    // The new values are in effect: the dialog opens on them; OK again writes them unchanged.
    std::vector<int> reopened;
    run = RunDialog([&] { return library->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) {
        reopened = dialog.CheckedOf(Plugin().choices);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(run.code, kDone);
    EXPECT_EQ(reopened, Plugin().change.checked);
    EXPECT_EQ(ParseProfile(ReadText(IniPath())), expected);
}

TEST_P(ConfigDialogTest, OkWithoutChangesCreatesTheFileWithTheDefaults) {
    auto library = LoadCopy(Plugin().name, folder_);
    ASSERT_TRUE(library);
    DialogRun run = RunDialog([&] { return library->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) { dialog.Click(IDOK); });
    EXPECT_EQ(run.code, kDone);
    ASSERT_TRUE(fs::exists(IniPath()));
    Profile written = ParseProfile(ReadText(IniPath()));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, Plugin().Section());
    std::vector<std::string> keys;
    for (const auto& [key, value] : written[0].second) keys.push_back(key);
    std::vector<std::string> expectedKeys;
    for (const auto& [key, value] : Plugin().change.written) expectedKeys.push_back(key);
    EXPECT_EQ(keys, expectedKeys);
}

// DialogBoxParamA gives 0 for an owner that is no window (and -1 for every other failure); the
// export hands its value on unchanged, and nothing is written.
TEST_P(ConfigDialogTest, AnOwnerThatIsNoWindowGivesWhatTheDialogCallGives) {
    auto library = LoadCopy(Plugin().name, folder_);
    ASSERT_TRUE(library);
    DialogRun run = RunDialog([&] { return library->ConfigDialog(reinterpret_cast<void*>(0x7FFF0001)); },
                              [&](LiveDialog& dialog) { dialog.Click(IDCANCEL); });
    EXPECT_FALSE(run.appeared);
    EXPECT_EQ(run.code, 0);
    EXPECT_FALSE(fs::exists(IniPath()));
}

INSTANTIATE_TEST_SUITE_P(Plugins, ConfigDialogTest, testing::ValuesIn(AllPlugins()), ParamName);

TEST(SharedSettingsFile, EachPluginWritesOnlyItsOwnSection) {
    TempDir folder;
    std::string ini = folder.File("pellan_tvp.ini");
    WriteText(ini, "[kolbrin.tvp]\r\nCommentBlt=2\r\n[varesk.tvp]\r\nCommentBlt=1\r\n");
    auto varesk = LoadCopy("varesk", folder);
    auto kolbrin = LoadCopy("kolbrin", folder);
    ASSERT_TRUE(varesk && kolbrin);
    const std::vector<Choice> choices = {{"CommentBlt", {1003, 1004, 1005}}};

    std::vector<int> vareskOpened;
    DialogRun run = RunDialog([&] { return varesk->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) {
        vareskOpened = dialog.CheckedOf(choices);
        dialog.Click(1003);
        dialog.Click(IDOK);
    });
    EXPECT_EQ(run.code, kDone);
    EXPECT_EQ(vareskOpened, std::vector<int>{1004});
    EXPECT_EQ(ParseProfile(ReadText(ini)),
              (Profile{{"kolbrin.tvp", {{"CommentBlt", "2"}}}, {"varesk.tvp", {{"CommentBlt", "0"}}}}));

    std::vector<int> kolbrinOpened;
    run = RunDialog([&] { return kolbrin->ConfigDialog(nullptr); }, [&](LiveDialog& dialog) {
        kolbrinOpened = dialog.CheckedOf(choices);
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(run.code, kCancelled);
    EXPECT_EQ(kolbrinOpened, std::vector<int>{1005});
}

// ---------------------------------------------------------------------------------------------
// The comment editor of the six USER-block plug-ins

class CommentEditorTest : public testing::TestWithParam<PluginCase> {
protected:
    void SetUp() override {
        library_ = LoadCopy(Plugin().name, folder_);
        ASSERT_TRUE(library_);
    }
    const PluginCase& Plugin() const { return GetParam(); }
    std::string Write(const std::string& name, const Bytes& bytes) {
        std::string path = folder_.File(name);
        EXPECT_TRUE(samples::WriteBytes(path, bytes)) << path;
        return path;
    }
    std::string ReplayName() const { return Plugin().name + "_01.rpy"; }
    DialogRun Edit(const std::string& path, std::function<void(LiveDialog&)> handle) {
        return RunDialog([&] { return library_->EditDialog(nullptr, path.c_str()); }, std::move(handle));
    }
    std::vector<std::string> FilesBesideThePlugin() const {
        std::vector<std::string> names;
        for (const std::string& name : folder_.Names())
            if (name != Plugin().name + ".tvp") names.push_back(name);
        return names;
    }

    TempDir folder_;
    std::unique_ptr<PluginLibrary> library_;
};

const std::string kStoredComment = "ハイスコア更新\r\n２行目：ボス戦\\表";

TEST_P(CommentEditorTest, ShowsTheStoredCommentInItsFontAndOkRewritesTheReplay) {
    // The comment block stands before the summary block; the rewrite puts the summary first.
    std::string path = Write(ReplayName(), Replay(Plugin(), {CommentOf(Plugin(), kStoredComment), SummaryOf(Plugin())}));
    Appearance seen;
    FontFacts editFont;
    std::string shown;
    DialogRun run = Edit(path, [&](LiveDialog& dialog) {
        seen = Observe(dialog);
        editFont = dialog.FontOf(dialog.Item(kEditBox));
        shown = dialog.Text(kEditBox);
        dialog.Click(IDOK);
    });
    ASSERT_TRUE(run.appeared);
    EXPECT_FALSE(run.outlived);
    EXPECT_EQ(run.code, kDone);
    ExpectAppearance(seen, kCommentEditor102);
    EXPECT_EQ(shown, kStoredComment);
    EXPECT_EQ(ReadBytes(path), Rewritten(Plugin(), kStoredComment));

    // The edit box's own font, made with exactly these values.
    ASSERT_NE(editFont.handle, nullptr);
    EXPECT_NE(editFont.handle, seen.font.handle);
    const LOGFONTA& font = editFont.logfont;
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.lfOrientation, 0);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfUnderline, 0);
    EXPECT_EQ(font.lfStrikeOut, 0);
    EXPECT_EQ(font.lfCharSet, 128);
    EXPECT_EQ(font.lfOutPrecision, 3);
    EXPECT_EQ(font.lfClipPrecision, 2);
    EXPECT_EQ(font.lfQuality, 1);
    EXPECT_EQ(font.lfPitchAndFamily, 0x31);
    EXPECT_EQ(std::string(font.lfFaceName), "ＭＳ ゴシック");

    // One font for every opening, made when the plug-in was loaded.
    HFONT again = nullptr;
    run = Edit(path, [&](LiveDialog& dialog) {
        again = dialog.FontOf(dialog.Item(kEditBox)).handle;
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(run.code, kCancelled);
    EXPECT_EQ(again, editFont.handle);
}

TEST_P(CommentEditorTest, ReturnInTheBoxBreaksTheLineAndTheLinesAreStoredWithCrLf) {
    std::string path = Write(ReplayName(), Rewritten(Plugin(), "abc"));
    bool typed = false, stillOpen = false;
    int focus = 0;
    std::string shown;
    DialogRun run = Edit(path, [&](LiveDialog& dialog) {
        typed = dialog.Type(kEditBox, "\nsecond line\nthird");
        shown = dialog.Text(kEditBox);
        stillOpen = IsWindow(dialog.Window()) != 0;
        focus = dialog.FocusId();
        dialog.Click(IDOK);
    });
    EXPECT_EQ(run.code, kDone);
    EXPECT_TRUE(typed);
    EXPECT_EQ(shown, "abc\r\nsecond line\r\nthird");
    EXPECT_TRUE(stillOpen) << "Return pressed OK";
    EXPECT_EQ(focus, kEditBox);
    EXPECT_EQ(ReadBytes(path), Rewritten(Plugin(), "abc\r\nsecond line\r\nthird"));
}

TEST_P(CommentEditorTest, AnEmptiedBoxRemovesTheCommentBlock) {
    std::string path = Write(ReplayName(), Rewritten(Plugin(), "to be removed"));
    DialogRun run = Edit(path, [&](LiveDialog& dialog) {
        dialog.SetText(kEditBox, "");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(run.code, kDone);
    Bytes written = ReadBytes(path);
    EXPECT_EQ(written, Rewritten(Plugin(), ""));
    ASSERT_GT(written.size(), 7u);
    EXPECT_EQ(written[7], 1);  // the block count: the summary alone
}

TEST_P(CommentEditorTest, CancelAndTheCloseBoxLeaveTheReplayAsItWas) {
    // Not in the order the editor writes: any rewrite would show.
    Bytes original = Replay(Plugin(), {CommentOf(Plugin(), "keep me"), SummaryOf(Plugin())});
    std::string path = Write(ReplayName(), original);
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        DialogRun run = Edit(path, [&](LiveDialog& dialog) {
            dialog.SetText(kEditBox, "edited, not saved");
            if (closeBox)
                dialog.PressCloseBox();
            else
                dialog.Click(IDCANCEL);
        });
        EXPECT_TRUE(run.appeared);
        EXPECT_FALSE(run.outlived);
        EXPECT_EQ(run.code, kCancelled);
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(FilesBesideThePlugin(), std::vector<std::string>{ReplayName()});
    }
}

TEST_P(CommentEditorTest, ARejectedSaveClosesWithCancelledAndKeepsEveryByte) {
    Bytes original = Replay(Plugin(), {CommentOf(Plugin(), "read-only"), SummaryOf(Plugin())});
    std::string path = Write(ReplayName(), original);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    std::string shown;
    DialogRun run = Edit(path, [&](LiveDialog& dialog) {
        shown = dialog.Text(kEditBox);
        dialog.SetText(kEditBox, "cannot be written");
        dialog.Click(IDOK);
    });
    EXPECT_TRUE(run.appeared);
    EXPECT_FALSE(run.outlived);
    EXPECT_EQ(run.code, kCancelled);
    EXPECT_EQ(shown, "read-only");
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(FilesBesideThePlugin(), std::vector<std::string>{ReplayName()});
}

TEST_P(CommentEditorTest, AFileThatIsNotAReplayOfThisGameOpensEmptyAndOkGivesCancelled) {
    PluginCase otherGame = Plugin();
    otherGame.magic = Plugin().magic == "vrsk" ? "dnmr" : "vrsk";
    struct Case {
        std::string name;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {Plugin().name + "_02.rep", Rewritten(Plugin(), "wrong extension")},
        {Plugin().name + "_03.rpy", Rewritten(otherGame, "another game")},
        {Plugin().name + "_04.rpy", Bytes{'a', 'b'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Write(c.name, c.bytes);
        std::string shown = "?";
        DialogRun run = Edit(path, [&](LiveDialog& dialog) {
            shown = dialog.Text(kEditBox);
            dialog.SetText(kEditBox, "typed");
            dialog.Click(IDOK);
        });
        EXPECT_TRUE(run.appeared);
        EXPECT_EQ(run.code, kCancelled);
        EXPECT_EQ(shown, "");
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
    std::string missing = folder_.File(Plugin().name + "_05.rpy");
    DialogRun run = Edit(missing, [&](LiveDialog& dialog) { dialog.Click(IDOK); });
    EXPECT_TRUE(run.appeared);
    EXPECT_EQ(run.code, kCancelled);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_P(CommentEditorTest, TheBoxHoldsTheCommentExactlyWhateverItsLineEndsAndLength) {
    const std::vector<std::string> comments = {
        "lone\nline\nfeeds",
        std::string(40000, 'x') + "\r\n" + std::string(30000, 'y'),
    };
    for (const std::string& comment : comments) {
        SCOPED_TRACE(comment.substr(0, 20));
        std::string path = Write(ReplayName(), Rewritten(Plugin(), comment));
        std::string shown;
        DialogRun run = Edit(path, [&](LiveDialog& dialog) {
            shown = dialog.Text(kEditBox);
            dialog.Click(IDOK);
        });
        EXPECT_EQ(run.code, kDone);
        EXPECT_EQ(shown.size(), comment.size());
        EXPECT_TRUE(shown == comment);
        EXPECT_EQ(ReadBytes(path), Rewritten(Plugin(), comment));
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, CommentEditorTest, testing::ValuesIn(CommentEditorPlugins()), ParamName);

TEST(VersusEditDialog, IsNotThereYet) {
    for (const char* name : {"Skarn", "sundrel"}) {
        SCOPED_TRACE(name);
        TempDir folder;
        auto library = LoadCopy(name, folder);
        ASSERT_TRUE(library);
        std::string path = folder.File("match.rep");
        WriteText(path, std::string(100, '\1'));
        DialogRun run = RunDialog([&] { return library->EditDialog(nullptr, path.c_str()); },
                                  [&](LiveDialog& dialog) { dialog.Click(IDCANCEL); });
        EXPECT_FALSE(run.appeared);
        EXPECT_EQ(run.code, kNoDialog);
    }
}

}  // namespace
}  // namespace pellan::dialog_test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " [gtest options] <folder with the 64-bit .tvp files>\n";
        return 2;
    }
    if (GetACP() != 932) {
        std::cerr << "the ANSI code page is " << GetACP() << ", not 932: run with LC_ALL=ja_JP.UTF-8\n";
        return 2;
    }
    std::error_code error;
    pellan::dialog_test::g_pluginDir = fs::absolute(argv[1], error);
    if (error || !fs::is_directory(pellan::dialog_test::g_pluginDir)) {
        std::cerr << "not a folder: " << argv[1] << "\n";
        return 2;
    }
    return RUN_ALL_TESTS();
}
