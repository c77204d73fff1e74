#pragma once

#include <cstdint>
#include <string>

// Byte-wise field splitting: a text cut at every occurrence of a delimiter, found from the left
// without overlap. A text with k occurrences has k + 1 fields, numbered from 1.
namespace myNTFCF {

// The number of occurrences plus 1 (1 for the empty text). An empty delimiter never occurs.
std::int32_t MG_countFields(const std::string& text, const std::string& delimiter);

// Field n: for n below 1 the whole text; beyond the last field "". Each call scans the text
// from its start.
// Kept for the callers that know it by name; the fast paths cut with fw::FieldsB instead.
std::string MG_nthField(const std::string& text, const std::string& delimiter, std::int32_t n);

}  // namespace myNTFCF
