// user_script.cpp - the user's script: reading it, following it window by window as the modal loops ask,
// and the record of what was shown and what went wrong.
#include "user/user_script.h"
#include "user/controls.h"
#include "user/dialog_manager.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "host/ui.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace platform {
namespace {

struct ScriptFrameData {
    const ScriptNode* node = nullptr;     // the window's line (the script's root for the bottom frame); null:
                                          // a window the script did not expect
    size_t next = 0;                      // the next of node's lines to run
    const ScriptNode* running = nullptr;  // the step running now
    size_t nextOfRunning = 0;             // the next window the running step expects
    HWND window = nullptr;
    std::string name;
};

}  // namespace

struct ScriptFrame : ScriptFrameData {};

namespace {

struct ScriptState {
    ScriptNode root;
    std::vector<std::unique_ptr<ScriptFrame>> frames;   // frames[0] is the root's
    std::vector<std::string> failures;
    std::vector<std::string> shown;
    std::function<void(const std::string&)> report;
    std::function<void(HWND, const std::string&)> shownHook;
    std::function<void(HWND, const std::string&)> leftHook;
    PageSelector pageSelector = nullptr;
};

ScriptState& State()
{
    static auto* state = new ScriptState;
    return *state;
}

void ResetFrames()
{
    ScriptState& state = State();
    state.frames.clear();
    auto root = std::make_unique<ScriptFrame>();
    root->node = &state.root;
    root->name = "script";
    state.frames.push_back(std::move(root));
}

const bool kForgetsScriptWithTheWorld = (OnWorldReset([] {
                                             ScriptState& state = State();
                                             state.root = {};
                                             state.failures.clear();
                                             state.shown.clear();
                                             ResetFrames();
                                         }),
                                         true);

// ---- reading --------------------------------------------------------------------------------------------

[[noreturn]] void Refuse(int line, const std::string& why)
{
    throw std::invalid_argument("line " + std::to_string(line) + ": " + why);
}

std::vector<std::string> Tokens(const std::string& text, int line)
{
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == '"') {
            token.push_back('"');
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char c = text[i++];
                if (c == '\\' && i < text.size()) {
                    const char escaped = text[i++];
                    token.push_back(escaped == 'n' ? '\n' : escaped);
                } else if (c == '"') {
                    closed = true;
                    break;
                } else {
                    token.push_back(c);
                }
            }
            if (!closed)
                Refuse(line, "a text without its closing quote");
        } else {
            while (i < text.size() && text[i] != ' ')
                token.push_back(text[i++]);
        }
        tokens.push_back(token);
    }
    return tokens;
}

bool IsNumber(const std::u16string& arg, long* value = nullptr)
{
    const std::string text = Utf16ToUtf8(arg);
    if (text.empty())
        return false;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const long parsed = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (end == nullptr || *end != '\0')
        return false;
    if (value != nullptr)
        *value = parsed;
    return true;
}

bool IsText(const std::string& token)
{
    return !token.empty() && token[0] == '"';
}

struct KeyName {
    const char* name;
    UINT vk;
};
constexpr KeyName kKeyNames[] = {
    {"tab", VK_TAB},       {"backtab", 0x109},     {"enter", VK_RETURN}, {"escape", VK_ESCAPE},
    {"up", VK_UP},         {"down", VK_DOWN},      {"left", VK_LEFT},    {"right", VK_RIGHT},
    {"pageup", VK_PRIOR},  {"pagedown", VK_NEXT},  {"home", VK_HOME},    {"end", VK_END},
    {"delete", VK_DELETE}, {"space", VK_SPACE},    {"f1", VK_F1},        {"backspace", VK_BACK},
    {nullptr, 0},
};

UINT FindKey(const std::u16string& name)
{
    const std::string text = Utf16ToUtf8(name);
    for (const KeyName* key = kKeyNames; key->name != nullptr; ++key)
        if (text == key->name)
            return key->vk;
    return 0;
}

struct ButtonName {
    const char* name;
    int id;
};
constexpr ButtonName kButtonNames[] = {
    {"ok", IDOK},       {"cancel", IDCANCEL}, {"abort", IDABORT},       {"retry", IDRETRY},
    {"ignore", IDIGNORE}, {"yes", IDYES},     {"no", IDNO},             {"close", IDCLOSE},
    {"help", IDHELP},   {"tryagain", IDTRYAGAIN}, {"continue", IDCONTINUE}, {nullptr, 0},
};

int FindButton(const std::u16string& name)
{
    const std::string text = Utf16ToUtf8(name);
    for (const ButtonName* button = kButtonNames; button->name != nullptr; ++button)
        if (text == button->name)
            return button->id;
    return 0;
}

// What each verb takes: 'n' a number, 't' a text, 'x' a number or text, 'k' a key name, 'b' a button name,
// 'p' a number or "#index" or a text; where it may stand.
struct VerbRow {
    const char* verb;
    const char* args;
    const char* within;   // the windows it may be a step of; null: a window line
};
constexpr VerbRow kVerbs[] = {
    {"dialog", "n", nullptr},
    {"box", "t", nullptr},
    {"menu", "n", nullptr},
    {"open", "", nullptr},
    {"save", "", nullptr},
    {"sheet", "", nullptr},
    {"click", "n", "dialog box sheet"},
    {"check", "n", "dialog sheet"},
    {"uncheck", "n", "dialog sheet"},
    {"type", "nt", "dialog sheet"},
    {"paste", "nt", "dialog sheet"},
    {"key", "k", "dialog box sheet"},
    {"pick", "np", "dialog sheet"},
    {"scroll", "nn", "dialog sheet"},
    {"spin", "nn", "dialog sheet"},
    {"page", "n", "sheet"},
    {"answer", "b", "box"},
    {"command", "n", "menu"},
    {"dismiss", "", "menu"},
    {"file", "t", "open save"},
    {"cancel", "", "open save"},
    {nullptr, nullptr, nullptr},
};

const VerbRow* FindVerb(const std::string& verb)
{
    for (const VerbRow* row = kVerbs; row->verb != nullptr; ++row)
        if (verb == row->verb)
            return row;
    return nullptr;
}

bool Within(const VerbRow& row, const std::string& window)
{
    const std::string list = std::string(" ") + row.within + " ";
    return list.find(" " + window + " ") != std::string::npos;
}

ScriptNode ReadLine(const std::vector<std::string>& tokens, int line)
{
    ScriptNode node;
    node.line = line;
    node.verb = tokens[0];
    const VerbRow* row = FindVerb(node.verb);
    if (row == nullptr)
        Refuse(line, "unknown step \"" + node.verb + "\"");
    std::vector<std::string> args(tokens.begin() + 1, tokens.end());
    std::string shape = row->args;
    // "key NAME" on the focused control, or "key ID NAME".
    if (node.verb == "key" && args.size() == 2)
        shape = "nk";
    if (args.size() != shape.size())
        Refuse(line, "\"" + node.verb + "\" takes " + std::to_string(shape.size()) + " argument(s)");
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::u16string value = Utf8ToUtf16(IsText(arg) ? arg.substr(1) : arg);
        bool ok = true;
        switch (shape[i]) {
        case 'n': ok = !IsText(arg) && IsNumber(value); break;
        case 't': ok = IsText(arg); break;
        case 'k': ok = !IsText(arg) && FindKey(value) != 0; break;
        case 'b': ok = !IsText(arg) && FindButton(value) != 0; break;
        case 'p': ok = IsText(arg) || (arg.size() > 1 && arg[0] == '#' && IsNumber(value.substr(1))); break;
        default: ok = false; break;
        }
        if (!ok)
            Refuse(line, "\"" + arg + "\" is not what \"" + node.verb + "\" takes there");
        node.args.push_back(IsText(arg) ? u"\"" + value : value);
    }
    return node;
}

// A window line may stand anywhere: at the top, in a window (shown as that window opens) or below a step
// (shown by that step). A step stands directly in a window that has it.
void CheckPlacement(const ScriptNode& node, const ScriptNode* parent, const ScriptNode* window)
{
    const VerbRow* row = FindVerb(node.verb);
    if (row->within == nullptr)
        return;
    if (window == nullptr)
        Refuse(node.line, "\"" + node.verb + "\" outside a window");
    if (parent != nullptr && !parent->IsWindow())
        Refuse(node.line, "a step below a step; only a window it opens may stand there");
    if (!Within(*row, window->verb))
        Refuse(node.line, "\"" + node.verb + "\" is no step of a " + window->verb);
}

void CheckTree(const ScriptNode& node, const ScriptNode* window)
{
    for (const ScriptNode& child : node.children) {
        CheckPlacement(child, &node, window);
        CheckTree(child, child.IsWindow() ? &child : window);
    }
}

ScriptNode ReadScript(std::string_view script)
{
    ScriptNode root;
    root.line = 0;
    std::vector<std::pair<int, ScriptNode*>> open = {{-1, &root}};
    int number = 0;
    size_t start = 0;
    while (start <= script.size()) {
        size_t end = script.find('\n', start);
        if (end == std::string_view::npos)
            end = script.size();
        std::string text(script.substr(start, end - start));
        start = end + 1;
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        const size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos || text[first] == '#')
            continue;
        if (text.find('\t') != std::string::npos && text.find('\t') < first)
            Refuse(number, "a tab in the indentation; indent with spaces");
        const int indent = static_cast<int>(first);
        ScriptNode node = ReadLine(Tokens(text.substr(first), number), number);
        while (open.back().first >= indent)
            open.pop_back();
        ScriptNode* parent = open.back().second;
        if (parent == &root && !node.IsWindow())
            Refuse(number, "a step outside a window");
        parent->children.push_back(std::move(node));
        open.push_back({indent, &parent->children.back()});
        if (end == script.size())
            break;
    }
    CheckTree(root, nullptr);
    return root;
}

// ---- following ----------------------------------------------------------------------------------------

std::string KindName(ShownKind kind)
{
    switch (kind) {
    case ShownKind::Dialog:   return "dialog";
    case ShownKind::Box:      return "box";
    case ShownKind::Menu:     return "menu";
    case ShownKind::OpenFile: return "open";
    case ShownKind::SaveFile: return "save";
    case ShownKind::Sheet:    return "sheet";
    }
    return "window";
}

std::string NodeName(const ScriptNode& node)
{
    std::string name = node.verb;
    for (const auto& arg : node.args)
        name += " " + (arg.starts_with(u"\"") ? QuoteText(arg.substr(1)) : Utf16ToUtf8(arg));
    return name;
}

bool Matches(const ScriptNode& node, ShownKind kind, const std::u16string& key)
{
    if (node.verb != KindName(kind))
        return false;
    if (node.args.empty())
        return true;
    const std::u16string& arg = node.args[0];
    if (arg.starts_with(u"\""))
        return arg.substr(1) == key;
    long expected = 0;
    long shown = 0;
    return IsNumber(arg, &expected) && IsNumber(key, &shown) && expected == shown;
}

std::string ShownName(ShownKind kind, const std::u16string& key)
{
    if (kind == ShownKind::Box)
        return "box " + QuoteText(key);
    return key.empty() ? KindName(kind) : KindName(kind) + " " + Utf16ToUtf8(key);
}

} // namespace

bool ScriptNode::IsWindow() const
{
    const VerbRow* row = FindVerb(verb);
    return row != nullptr && row->within == nullptr;
}

ScriptFrame* OpenScriptFrame(ShownKind kind, const std::u16string& key, HWND window, bool& expected)
{
    ScriptState& state = State();
    if (state.frames.empty())
        ResetFrames();
    ScriptFrame& parent = *state.frames.back();
    auto frame = std::make_unique<ScriptFrame>();
    frame->window = window;
    frame->name = ShownName(kind, key);
    expected = false;
    const ScriptNode* candidate = nullptr;
    if (parent.running != nullptr) {
        if (parent.nextOfRunning < parent.running->children.size())
            candidate = &parent.running->children[parent.nextOfRunning];
    } else if (parent.node != nullptr && parent.next < parent.node->children.size() &&
               parent.node->children[parent.next].IsWindow()) {
        candidate = &parent.node->children[parent.next];
    }
    if (candidate != nullptr && Matches(*candidate, kind, key)) {
        expected = true;
        frame->node = candidate;
        if (parent.running != nullptr)
            ++parent.nextOfRunning;
        else
            ++parent.next;
    } else {
        std::string message = "unexpected " + frame->name;
        if (candidate != nullptr)
            message += " (line " + std::to_string(candidate->line) + " expects " + NodeName(*candidate) + ")";
        ReportScriptFailure(message);
    }
    state.frames.push_back(std::move(frame));
    return state.frames.back().get();
}

void SetScriptFrameWindow(ScriptFrame* frame, HWND window)
{
    if (frame != nullptr)
        frame->window = window;
}

void CloseScriptFrame(ScriptFrame* frame)
{
    ScriptState& state = State();
    if (frame == nullptr || state.frames.size() < 2)
        return;
    if (frame->node != nullptr && frame->next < frame->node->children.size())
        ReportScriptFailure(frame->name + " closed with its steps from line " +
                            std::to_string(frame->node->children[frame->next].line) + " left");
    // The frame and any left open above it (a window whose loop ended without closing its frame) go.
    while (state.frames.size() > 1) {
        const bool last = state.frames.back().get() == frame;
        state.frames.pop_back();
        if (last)
            break;
    }
}

bool RunNextScriptStep(ScriptFrame* frame, const StepRunner& runner)
{
    if (frame == nullptr || frame->node == nullptr)
        return false;
    const auto& lines = frame->node->children;
    while (frame->next < lines.size()) {
        const ScriptNode& step = lines[frame->next++];
        if (step.IsWindow()) {
            ReportScriptFailure("line " + std::to_string(step.line) + ": " + NodeName(step) +
                                " expected in " + frame->name + " but not shown");
            continue;
        }
        frame->running = &step;
        frame->nextOfRunning = 0;
        std::string reason;
        if (!runner(step, reason))
            ReportScriptFailure("line " + std::to_string(step.line) + ": " + NodeName(step) + " in " + frame->name +
                                ": " + reason);
        for (size_t i = frame->nextOfRunning; i < step.children.size(); ++i)
            ReportScriptFailure("line " + std::to_string(step.children[i].line) + ": " + NodeName(step.children[i]) +
                                " expected but not shown");
        frame->running = nullptr;
        return true;
    }
    return false;
}

void SetPageSelector(PageSelector selector)
{
    State().pageSelector = selector;
}

// The visible control of that id in the window (a sheet's shown page first, as only it is visible), else any.
static HWND FindControl(HWND window, long id)
{
    HWND hidden = nullptr;
    for (const HWND member : WindowTree(window)) {
        const auto record = FindWindowRecord(member);
        if (member == window || record == nullptr || !record->IsChild() || record->id != id)
            continue;
        if (ReallyVisible(member))
            return member;
        if (hidden == nullptr)
            hidden = member;
    }
    return hidden;
}

bool RunControlStep(HWND window, const ScriptNode& step, std::string& reason)
{
    long id = 0;
    if (step.verb == "answer") {
        id = FindButton(step.args[0]);
    } else if (step.verb == "page") {
        IsNumber(step.args[0], &id);
        if (State().pageSelector == nullptr || !State().pageSelector(window, static_cast<UINT>(id))) {
            reason = "no page of that template";
            return false;
        }
        return true;
    } else if (step.verb == "key" && step.args.size() == 1) {
        const HWND focus = GetFocus();
        if (focus == nullptr || (focus != window && !IsChild(window, focus))) {
            reason = "nothing in the window has the focus";
            return false;
        }
        return host::PressKey(focus, FindKey(step.args[0])) || (reason = "the key went nowhere", false);
    } else {
        IsNumber(step.args[0], &id);
    }
    const HWND control = FindControl(window, id);
    if (control == nullptr) {
        reason = "no control " + std::to_string(id);
        return false;
    }
    if (!ReallyVisible(control)) {
        reason = "control " + std::to_string(id) + " is hidden";
        return false;
    }
    if (!ReallyEnabled(control)) {
        reason = "control " + std::to_string(id) + " is disabled";
        return false;
    }
    bool done = false;
    if (step.verb == "click" || step.verb == "answer") {
        done = host::ClickWindow(control);
    } else if (step.verb == "check" || step.verb == "uncheck") {
        const LRESULT state = SendMessageW(control, BM_GETCHECK, 0, 0);
        done = (state == BST_CHECKED) == (step.verb == "check") || host::ClickWindow(control);
    } else if (step.verb == "type") {
        done = host::TypeText(control, std::u16string_view(step.args[1]).substr(1));
    } else if (step.verb == "paste") {
        done = host::PasteText(control, std::u16string_view(step.args[1]).substr(1));
    } else if (step.verb == "key") {
        done = host::PressKey(control, FindKey(step.args[1]));
    } else if (step.verb == "pick") {
        const std::u16string& what = step.args[1];
        long index = -1;
        if (what.starts_with(u"#")) {
            IsNumber(what.substr(1), &index);
        } else if (auto* user = FindWindowRecord(control)->Control<UserControl>()) {
            index = user->FindItem(control, what.substr(1));
            if (index < 0) {
                reason = "no item " + QuoteText(what.substr(1));
                return false;
            }
        }
        done = host::PickItem(control, static_cast<int>(index));
    } else if (step.verb == "scroll" || step.verb == "spin") {
        long position = 0;
        IsNumber(step.args[1], &position);
        done = host::ScrollTo(control, static_cast<int>(position));
    }
    if (!done && reason.empty())
        reason = "control " + std::to_string(id) + " cannot do that";
    return done;
}

void RecordShown(const std::string& line)
{
    State().shown.push_back(line);
}

void ReportScriptFailure(const std::string& message)
{
    ScriptState& state = State();
    state.failures.push_back(message);
    if (state.report)
        state.report(message);
}

void NotifyWindowShown(HWND window, const std::string& name)
{
    if (State().shownHook)
        State().shownHook(window, name);
}

void NotifyWindowLeft(HWND window, const std::string& name)
{
    if (State().leftHook && IsWindow(window))
        State().leftHook(window, name);
}

std::string DescribeWindow(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return "no window";
    if (const DialogState* dialog = DialogStateOf(hwnd); dialog != nullptr && dialog->templateId != 0)
        return "dialog " + std::to_string(dialog->templateId);
    if (window->IsChild())
        return "control " + std::to_string(window->id) + " in " + DescribeWindow(window->parent);
    if (EqualsNoCase(window->cls->name, u"#32770"))
        return "window " + QuoteText(window->text);
    return "window " + QuoteText(window->text) + " of class " + QuoteText(window->cls->name);
}

std::string QuoteText(std::u16string_view text)
{
    std::string quoted = "\"";
    for (const char c : Utf16ToUtf8(text)) {
        if (c == '"' || c == '\\')
            quoted.push_back('\\');
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        if (c == '\r')
            continue;
        quoted.push_back(c);
    }
    return quoted + "\"";
}

std::string Hex(unsigned long value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

} // namespace platform

namespace host {

void SetUserScript(std::string_view script)
{
    platform::ScriptNode root = platform::ReadScript(script);
    platform::State().root = std::move(root);
    platform::State().failures.clear();
    platform::ResetFrames();
}

void ClearUserScript()
{
    platform::State().root = {};
    platform::State().failures.clear();
    platform::ResetFrames();
}

std::vector<std::string> UserScriptFailures()
{
    platform::ScriptState& state = platform::State();
    std::vector<std::string> failures = state.failures;
    if (!state.frames.empty() && state.frames.size() == 1) {
        const platform::ScriptFrame& root = *state.frames.front();
        for (size_t i = root.next; i < state.root.children.size(); ++i)
            failures.push_back("line " + std::to_string(state.root.children[i].line) + ": " +
                               platform::NodeName(state.root.children[i]) + " expected but not shown");
    }
    return failures;
}

void OnUserScriptFailure(std::function<void(const std::string&)> report)
{
    platform::State().report = std::move(report);
}

std::vector<std::string> ShownRecord()
{
    return platform::State().shown;
}

void ClearShownRecord()
{
    platform::State().shown.clear();
}

void OnWindowShown(std::function<void(HWND window, const std::string& name)> shown)
{
    platform::State().shownHook = std::move(shown);
}

void OnWindowLeft(std::function<void(HWND window, const std::string& name)> left)
{
    platform::State().leftHook = std::move(left);
}

} // namespace host
