#include "app/FileTypes.h"

#include <array>

namespace FileTypes {

std::shared_ptr<fw::FileType> pTextPlain;
std::shared_ptr<fw::FileType> pTextTtro;
std::shared_ptr<fw::FileType> pWwwMsie;
std::shared_ptr<fw::FileType> pAll;
std::shared_ptr<fw::FileType> pSpecialAny;
std::shared_ptr<fw::FileType> pCrcText;

namespace {

struct TypeRow {
    std::shared_ptr<fw::FileType>* property;
    const char* name;
    const char* extensions;
    const char* macType;
    const char* macCreator;
};

// Type and creator codes are handed on exactly as they stand; "????" and "****" are the
// registry's wildcards.
const std::array<TypeRow, 6> kTypes{{
    {&pTextPlain, "text/plain", ".asc;.ascii;.text;.txt", "TEXT", "****"},
    {&pTextTtro, "text/ttro", ".txt", "ttro", "****"},
    {&pWwwMsie, "www/msie", "", "WAFF", "****"},
    {&pAll, "All", "", "????", "????"},
    {&pSpecialAny, "special/any", "", "????", "????"},
    {&pCrcText, "crc/text", ".crc;.md5", "????", "????"},
}};

}  // namespace

void Initialize() {
    for (const TypeRow& row : kTypes) {
        auto type = std::make_shared<fw::FileType>();
        *row.property = type;
        type->SetName(row.name);
        type->SetExtensions(row.extensions);
        type->SetMacType(row.macType);
        type->SetMacCreator(row.macCreator);
        type->Register();
    }
}

void Exit() {
    for (const TypeRow& row : kTypes) row.property->reset();
}

}  // namespace FileTypes
