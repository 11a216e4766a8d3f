// Applies CefBrowserSettings to an engine page; window thread only.
#include "PageSettings.h"

#include <QWebEngineSettings>
#include <array>
#include <utility>

#include "Utf.h"

namespace cefport {

namespace {

using StateMember = cef_state_t cef_browser_settings_t::*;

constexpr std::array<std::pair<StateMember, QWebEngineSettings::WebAttribute>, 9> kStateAttributes{{
    {&cef_browser_settings_t::javascript, QWebEngineSettings::JavascriptEnabled},
    {&cef_browser_settings_t::javascript_open_windows, QWebEngineSettings::JavascriptCanOpenWindows},
    {&cef_browser_settings_t::javascript_access_clipboard, QWebEngineSettings::JavascriptCanAccessClipboard},
    {&cef_browser_settings_t::plugins, QWebEngineSettings::PluginsEnabled},
    {&cef_browser_settings_t::universal_access_from_file_urls, QWebEngineSettings::LocalContentCanAccessRemoteUrls},
    {&cef_browser_settings_t::file_access_from_file_urls, QWebEngineSettings::LocalContentCanAccessFileUrls},
    {&cef_browser_settings_t::image_loading, QWebEngineSettings::AutoLoadImages},
    {&cef_browser_settings_t::local_storage, QWebEngineSettings::LocalStorageEnabled},
    {&cef_browser_settings_t::webgl, QWebEngineSettings::WebGLEnabled},
}};

}  // namespace

void ApplyBrowserSettings(const CefBrowserSettings& settings, QWebEngineSettings* target) {
  for (const auto& [member, attribute] : kStateAttributes) {
    const cef_state_t state = settings.*member;
    if (state == STATE_DEFAULT) continue;
    target->setAttribute(attribute, state == STATE_ENABLED);
  }
  const CefString encoding(&settings.default_encoding);
  if (!encoding.empty()) target->setDefaultTextEncoding(ToQString(encoding));
  // The program shows its own page for failed loads, as with the original engine.
  target->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

}  // namespace cefport
