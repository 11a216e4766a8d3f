#include "client/ErrorPage.h"

#include "include/cef_base.h"

namespace {

const char kHead[] =
    "<html><head><meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'\"></head>"
    "<body bgcolor=\"white\"><h2>Failed to load URL ";
const char kWithError[] = " with error ";
const char kBeforeCode[] = " (";
const char kTail[] = ").</h2></body></html>";

struct Entity {
    char character;
    const char* replacement;
};

const Entity kEntities[] = {
    {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&#39;"},
};

std::string EscapeHtml(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const char* replacement = nullptr;
        for (const Entity& entity : kEntities) {
            if (entity.character == c)
                replacement = entity.replacement;
        }
        if (replacement)
            escaped += replacement;
        else
            escaped += c;
    }
    return escaped;
}

}  // namespace

std::string BuildErrorPage(const std::wstring& failed_url, const std::wstring& error_text, int error_code)
{
    std::string page = kHead;
    page += EscapeHtml(CefString(failed_url).ToString());
    page += kWithError;
    page += EscapeHtml(CefString(error_text).ToString());
    page += kBeforeCode;
    page += std::to_string(error_code);
    page += kTail;
    return page;
}
