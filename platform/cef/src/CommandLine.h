// A command line the program may read and extend; used on one thread, shared
// through CefRefPtr. It remembers which switches were appended after it was
// read so they can be handed on to the engine.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "include/cef_command_line.h"

namespace cefport {

class CommandLine : public CefCommandLine {
 public:
  CommandLine() = default;
  explicit CommandLine(const std::vector<std::string>& argv);

  // "--name" or "--name=value" for each switch appended since construction.
  std::vector<std::string> AppendedSwitches() const { return appended_; }

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return false; }
  void InitFromArgv(int argc, const char* const* argv) override;
  void GetArgv(std::vector<CefString>& argv) override;
  CefString GetCommandLineString() override;
  CefString GetProgram() override { return program_; }
  void SetProgram(const CefString& program) override { program_ = program.ToWString(); }
  bool HasSwitches() override { return !switches_.empty(); }
  bool HasSwitch(const CefString& name) override;
  CefString GetSwitchValue(const CefString& name) override;
  void GetSwitches(SwitchMap& switches) override;
  void AppendSwitch(const CefString& name) override;
  void AppendSwitchWithValue(const CefString& name, const CefString& value) override;
  bool HasArguments() override { return !arguments_.empty(); }
  void GetArguments(ArgumentList& arguments) override;
  void AppendArgument(const CefString& argument) override { arguments_.push_back(argument.ToWString()); }

 private:
  void Parse(const std::vector<std::string>& argv);
  void AddSwitch(const std::wstring& name, const std::wstring& value);
  const std::wstring* FindSwitch(const std::wstring& name) const;

  std::wstring program_;
  std::vector<std::pair<std::wstring, std::wstring>> switches_;
  std::vector<std::wstring> arguments_;
  std::vector<std::string> appended_;

  IMPLEMENT_REFCOUNTING(CommandLine);
};

}  // namespace cefport
