#pragma once

#include <string>

// What the framework itself tells the user, in the language of the system's windows.
namespace fw::detail::texts {

// ShowURL found nothing to open the page with.
inline std::string NoWebBrowser(const std::string& url) {
    return "Web ブラウザが見つからないため、ページ " + url + " を開けませんでした。";
}

}  // namespace fw::detail::texts
