#include "framework/core/TextEncoding.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"

namespace fw {

namespace {
std::atomic<std::size_t> openDescriptors{0};
}

struct TextConverter::Handle {
    iconv_t cd;
    std::string from, to;
    bool used = false;  // whether cd has converted a text since it was opened

    Handle(iconv_t d, std::string f, std::string t) : cd(d), from(std::move(f)), to(std::move(t)) {
        ++openDescriptors;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        iconv_close(cd);
        --openDescriptors;
    }

    // A descriptor that has converted nothing yet. Resetting the shift state is not enough: the
    // C library's UTF-16 and UTF-32, among others, keep the byte order that a mark gave them as
    // long as the descriptor lives, even after the text failed. The new one is opened while the old
    // is still open, so that the conversion's module stays loaded and opening costs little.
    iconv_t Fresh() {
        if (used) {
            const iconv_t fresh = iconv_open(to.c_str(), from.c_str());
            if (fresh == reinterpret_cast<iconv_t>(-1)) {
                throw TextConversionException("cannot open a converter from " + from + " to " + to);
            }
            iconv_close(cd);
            cd = fresh;
        }
        used = true;
        return cd;
    }
};

std::size_t OpenConverterDescriptors() {
    return openDescriptors;
}

namespace {

std::string Canonical(const std::string& name) {
    return Lowercase(name);
}

bool IsCharsetNameByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == ':' || c == '+' || c == '(' || c == ')';
}

// Descriptors are kept per thread and pair of names: opening one loads conversion tables, and
// the download-list reader asks for a converter once per line. Only the few used last are kept:
// the C library takes a name with any number of "(", ")" and "+" around it, so a text can spell
// one charset in endless ways, and a descriptor kept for every spelling would grow the process
// without bound. A converter keeps its own descriptor after the cache has let it go.
constexpr std::size_t kCachedDescriptors = 16;

std::shared_ptr<TextConverter::Handle> OpenHandle(const std::string& from, const std::string& to) {
    using Names = std::pair<std::string, std::string>;
    // The most recently used first.
    thread_local std::vector<std::pair<Names, std::shared_ptr<TextConverter::Handle>>> cache;
    Names key(Canonical(from), Canonical(to));
    const auto hit = std::find_if(cache.begin(), cache.end(),
                                  [&](const auto& entry) { return entry.first == key; });
    if (hit != cache.end()) {
        std::rotate(cache.begin(), hit, hit + 1);
        return cache.front().second;
    }
    const iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
    auto handle = std::make_shared<TextConverter::Handle>(cd, from, to);
    if (cache.size() == kCachedDescriptors) cache.pop_back();
    cache.emplace(cache.begin(), std::move(key), handle);
    return handle;
}

}  // namespace

bool operator==(const TextEncoding& a, const TextEncoding& b) {
    return StrEq(a.InternetName(), b.InternetName());
}

TextConverter::TextConverter(TextEncoding from, TextEncoding to, std::shared_ptr<Handle> handle)
    : from_(std::move(from)), to_(std::move(to)), handle_(std::move(handle)) {}

EncodedText TextConverter::convert(std::string_view bytes) const {
    EncodedText result{std::string(), to_};
    if (!handle_) {
        result.bytes.assign(bytes);
        return result;
    }
    const iconv_t cd = handle_->Fresh();

    std::string& out = result.bytes;
    out.resize(bytes.size() * 2 + 16);
    char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write
    std::size_t inLeft = bytes.size();
    std::size_t used = 0;
    bool flushing = false;  // after the input, stateful encodings may still write a shift back
    while (true) {
        char* dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t r = flushing ? iconv(cd, nullptr, nullptr, &dst, &outLeft)
                                       : iconv(cd, &in, &inLeft, &dst, &outLeft);
        const int err = errno;
        used = out.size() - outLeft;
        if (r != static_cast<std::size_t>(-1)) {
            if (flushing) break;
            flushing = true;
            continue;
        }
        if (err == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        const std::size_t at = bytes.size() - inLeft;
        throw TextConversionException(
            std::string(err == EINVAL ? "text ends inside a character" : "cannot convert") +
            " from " + from_.InternetName() + " to " + to_.InternetName() + " at byte " +
            std::to_string(at + 1));
    }
    out.resize(used);
    return result;
}

std::optional<TextConverter> GetTextConverter(const std::optional<TextEncoding>& from,
                                              const TextEncoding& to) {
    if (!from) return std::nullopt;
    if (*from == to) return TextConverter(*from, to, nullptr);
    auto handle = OpenHandle(from->InternetName(), to.InternetName());
    if (!handle) return std::nullopt;
    return TextConverter(*from, to, std::move(handle));
}

std::optional<TextEncoding> GetInternetTextEncoding(std::string_view name) {
    if (name.empty() || name.size() > 64) return std::nullopt;
    for (char c : name) {
        if (!IsCharsetNameByte(c)) return std::nullopt;
    }
    std::string n(name);
    if (!OpenHandle(n, Encodings::UTF8.InternetName())) return std::nullopt;
    return TextEncoding(std::move(n));
}

EncodedText DefineEncoding(const EncodedText& text, const TextEncoding& encoding) {
    return EncodedText{text.bytes, encoding};
}

}  // namespace fw
