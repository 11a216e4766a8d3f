// A command line the program may read and extend; used on one thread.
#include "CommandLine.h"

#include <algorithm>

#include "Utf.h"

namespace cefport {

namespace {

// Chromium accepts "--name", "-name" and "--name=value".
bool SplitSwitch(const std::wstring& arg, std::wstring* name, std::wstring* value) {
  if (arg.size() < 2 || arg[0] != L'-') return false;
  const size_t start = arg[1] == L'-' ? 2 : 1;
  const size_t eq = arg.find(L'=', start);
  *name = arg.substr(start, eq == std::wstring::npos ? std::wstring::npos : eq - start);
  *value = eq == std::wstring::npos ? std::wstring() : arg.substr(eq + 1);
  return !name->empty();
}

std::wstring SwitchText(const std::wstring& name, const std::wstring& value) {
  return L"--" + name + (value.empty() ? L"" : L"=" + value);
}

}  // namespace

CommandLine::CommandLine(const std::vector<std::string>& argv) { Parse(argv); }

void CommandLine::InitFromArgv(int argc, const char* const* argv) {
  program_.clear();
  switches_.clear();
  arguments_.clear();
  appended_.clear();
  Parse(std::vector<std::string>(argv, argv + argc));
}

void CommandLine::Parse(const std::vector<std::string>& argv) {
  if (argv.empty()) return;
  program_ = WideFromUtf8(argv[0]);
  bool switchesDone = false;
  for (size_t i = 1; i < argv.size(); ++i) {
    const std::wstring arg = WideFromUtf8(argv[i]);
    std::wstring name, value;
    if (!switchesDone && arg == L"--") {
      switchesDone = true;
      continue;
    }
    if (!switchesDone && SplitSwitch(arg, &name, &value)) {
      switches_.emplace_back(name, value);
      continue;
    }
    arguments_.push_back(arg);
  }
}

void CommandLine::GetArgv(std::vector<CefString>& argv) {
  argv.clear();
  argv.emplace_back(program_);
  for (const auto& [name, value] : switches_) argv.emplace_back(SwitchText(name, value));
  // Without the terminator an argument that starts with '-' would read back as a switch.
  const bool dashed = std::any_of(arguments_.begin(), arguments_.end(), [](const auto& a) { return a.starts_with(L'-'); });
  if (dashed) argv.emplace_back(L"--");
  for (const auto& arg : arguments_) argv.emplace_back(arg);
}

CefString CommandLine::GetCommandLineString() {
  std::vector<CefString> argv;
  GetArgv(argv);
  std::wstring text;
  for (const auto& arg : argv) text += (text.empty() ? L"" : L" ") + arg.ToWString();
  return text;
}

const std::wstring* CommandLine::FindSwitch(const std::wstring& name) const {
  for (auto it = switches_.rbegin(); it != switches_.rend(); ++it)
    if (it->first == name) return &it->second;
  return nullptr;
}

bool CommandLine::HasSwitch(const CefString& name) { return FindSwitch(name.ToWString()) != nullptr; }

CefString CommandLine::GetSwitchValue(const CefString& name) {
  const std::wstring* value = FindSwitch(name.ToWString());
  return value ? CefString(*value) : CefString();
}

void CommandLine::GetSwitches(SwitchMap& switches) {
  switches.clear();
  for (const auto& [name, value] : switches_) switches[name] = value;
}

void CommandLine::AppendSwitch(const CefString& name) { AddSwitch(name.ToWString(), std::wstring()); }

void CommandLine::AppendSwitchWithValue(const CefString& name, const CefString& value) {
  AddSwitch(name.ToWString(), value.ToWString());
}

void CommandLine::AddSwitch(const std::wstring& name, const std::wstring& value) {
  std::wstring bare = name, ignored;
  SplitSwitch(name, &bare, &ignored);
  switches_.emplace_back(bare, value);
  appended_.push_back(Utf8FromWide(SwitchText(bare, value)));
}

void CommandLine::GetArguments(ArgumentList& arguments) {
  arguments.assign(arguments_.begin(), arguments_.end());
}

}  // namespace cefport
