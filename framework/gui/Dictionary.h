#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/Exceptions.h"

namespace fw {

class KeyNotFoundException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* Name() const noexcept override { return "KeyNotFoundException"; }
};

// Keys and values are strings; keys compare without regard to ASCII letter case, as the
// system's string equality does, and keep the order in which they were first set.
class Dictionary {
public:
    int Count() const { return static_cast<int>(keys_.size()); }
    // The key at an index in insertion order; throws OutOfBoundsException.
    const std::string& Key(int index) const;
    bool HasKey(const std::string& key) const;
    // Throws KeyNotFoundException for a missing key.
    const std::string& Value(const std::string& key) const;
    void SetValue(const std::string& key, const std::string& value);
    void Remove(const std::string& key);
    void Clear();

private:
    static std::string Fold(const std::string& key);

    std::vector<std::string> keys_;
    std::unordered_map<std::string, std::pair<std::size_t, std::string>> values_;
};

}  // namespace fw
