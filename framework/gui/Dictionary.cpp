#include "framework/gui/Dictionary.h"

#include <algorithm>

namespace fw {

// Only ASCII letters fold, as in the system's string equality.
std::string Dictionary::Fold(const std::string& key) {
    std::string folded = key;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

const std::string& Dictionary::Key(int index) const {
    if (index < 0 || index >= Count()) throw OutOfBoundsException("dictionary index out of range");
    return keys_[static_cast<std::size_t>(index)];
}

bool Dictionary::HasKey(const std::string& key) const {
    return values_.count(Fold(key)) > 0;
}

const std::string& Dictionary::Value(const std::string& key) const {
    auto it = values_.find(Fold(key));
    if (it == values_.end()) throw KeyNotFoundException("no key " + key);
    return it->second.second;
}

void Dictionary::SetValue(const std::string& key, const std::string& value) {
    auto [it, inserted] = values_.try_emplace(Fold(key), keys_.size(), value);
    if (inserted)
        keys_.push_back(key);
    else
        it->second.second = value;
}

void Dictionary::Remove(const std::string& key) {
    auto it = values_.find(Fold(key));
    if (it == values_.end()) throw KeyNotFoundException("no key " + key);
    const std::size_t index = it->second.first;
    values_.erase(it);
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& entry : values_) {
        if (entry.second.first > index) --entry.second.first;
    }
}

void Dictionary::Clear() {
    keys_.clear();
    values_.clear();
}

}  // namespace fw
