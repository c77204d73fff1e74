#include "engine/myglobal.h"

namespace myglobal {

fw::EncodedText MG_textconUni(const fw::EncodedText& s) {
    try {
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

}  // namespace myglobal
