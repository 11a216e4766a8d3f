#include "KeyMap.h"

#include <QKeyEvent>
#include <bitset>
#include <unordered_map>

namespace win32 {
namespace {

const std::unordered_map<int, UINT>& SpecialKeys() {
  static const std::unordered_map<int, UINT> table = {
      {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},          {Qt::Key_Backtab, VK_TAB},
      {Qt::Key_Clear, VK_CLEAR},      {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},
      {Qt::Key_Shift, VK_SHIFT},      {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},
      {Qt::Key_Pause, VK_PAUSE},      {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
      {Qt::Key_Space, VK_SPACE},      {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_End, VK_END},          {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},
      {Qt::Key_Up, VK_UP},            {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},
      {Qt::Key_Select, VK_SELECT},    {Qt::Key_Print, VK_SNAPSHOT},   {Qt::Key_Execute, VK_EXECUTE},
      {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},    {Qt::Key_Help, VK_HELP},
      {Qt::Key_Meta, VK_LWIN},        {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK},
      {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1},
      {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Equal, VK_OEM_PLUS},   {Qt::Key_Comma, VK_OEM_COMMA},
      {Qt::Key_Less, VK_OEM_COMMA},   {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Underscore, VK_OEM_MINUS},
      {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},
      {Qt::Key_Question, VK_OEM_2},   {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_AsciiTilde, VK_OEM_3},
      {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4}, {Qt::Key_Backslash, VK_OEM_5},
      {Qt::Key_Bar, VK_OEM_5},        {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},
      {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
  };
  return table;
}

const std::unordered_map<int, UINT>& KeypadKeys() {
  static const std::unordered_map<int, UINT> table = {
      {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},     {Qt::Key_Minus, VK_SUBTRACT},
      {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Slash, VK_DIVIDE}, {Qt::Key_Enter, VK_RETURN},
  };
  return table;
}

// Shifted digits on a US layout produce these keys; Windows reports the digit's code.
const std::unordered_map<int, UINT>& ShiftedDigits() {
  static const std::unordered_map<int, UINT> table = {
      {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},         {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
      {Qt::Key_Percent, '5'},    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
      {Qt::Key_ParenLeft, '9'},  {Qt::Key_ParenRight, '0'},
  };
  return table;
}

std::bitset<256>& Pressed() {
  static std::bitset<256> pressed;
  return pressed;
}

UINT Lookup(const std::unordered_map<int, UINT>& table, int key) {
  const auto it = table.find(key);
  return it == table.end() ? 0 : it->second;
}

}  // namespace

UINT KeyMap::ToVirtualKey(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return VK_NUMPAD0 + (key - Qt::Key_0);
  if (keypad) {
    if (const UINT vk = Lookup(KeypadKeys(), key)) return vk;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
  if (const UINT vk = Lookup(SpecialKeys(), key)) return vk;
  return Lookup(ShiftedDigits(), key);
}

wchar_t KeyMap::CharacterFor(UINT virtualKey, bool shift) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<wchar_t>(shift ? virtualKey : virtualKey + 32);
  if (virtualKey >= '0' && virtualKey <= '9' && !shift) return static_cast<wchar_t>(virtualKey);
  if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) return static_cast<wchar_t>('0' + virtualKey - VK_NUMPAD0);
  switch (virtualKey) {
    case VK_RETURN: return L'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return L'\t';
    case VK_SPACE: return L' ';
    default: return 0;
  }
}

void KeyMap::SetPressed(UINT virtualKey, bool pressed) {
  if (virtualKey < 256) Pressed()[virtualKey] = pressed;
}

bool KeyMap::IsPressed(UINT virtualKey) {
  return virtualKey < 256 && Pressed()[virtualKey];
}

}  // namespace win32
