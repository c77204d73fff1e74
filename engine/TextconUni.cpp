#include "engine/myglobal.h"

namespace myglobal {
namespace {
bool DeclaredUtf8(const fw::EncodedText& s) {
    return s.encoding && *s.encoding == fw::Encodings::UTF8;
}
}  // namespace

fw::EncodedText MG_textconUni(const fw::EncodedText& s) {
    try {
        // What the converter between equal encodings gives, without building one: the
        // download-list reader passes every line of a pasted million-line list through here.
        if (DeclaredUtf8(s)) return fw::EncodedText{s.bytes, fw::Encodings::UTF8};
        if (const auto conv = fw::GetTextConverter(s.Encoding(), fw::Encodings::UTF8)) {
            return conv->convert(s);
        }
        // The text itself may name a charset; this finds one only when the whole text is a name.
        if (const auto named = fw::GetInternetTextEncoding(s.bytes)) {
            if (const auto conv = fw::GetTextConverter(named, fw::Encodings::UTF8)) {
                return conv->convert(s);
            }
            return s;
        }
        return fw::DefineEncoding(s, fw::Encodings::UTF8);
    } catch (...) {
        return s;
    }
}

fw::EncodedText MG_textconUni(fw::EncodedText&& s) {
    if (DeclaredUtf8(s)) return std::move(s);
    return MG_textconUni(static_cast<const fw::EncodedText&>(s));
}

}  // namespace myglobal
