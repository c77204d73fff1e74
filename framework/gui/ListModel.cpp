#include "framework/gui/ListModel_p.h"

#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/core/Utf8.h"
#include "framework/gui/detail/Text.h"

namespace fw::detail {
namespace {

// Makes room for `more` elements. Grows by half rather than doubling, which keeps the spare room
// of a large list small, and never by less: a reservation made for every few rows added would
// otherwise move the whole list each time.
template <class Container>
void ReserveMore(Container& store, std::size_t more) {
    if (store.size() + more > store.capacity())
        store.reserve(std::max(store.size() + more, store.capacity() * 3 / 2));
}

}  // namespace

void ListModel::Store(std::string_view text, std::uint64_t& offset, std::uint32_t& length) {
    if (text.size() > UINT32_MAX) throw OutOfBoundsException("row text too long");
    ReserveMore(arena_, text.size());
    offset = arena_.size();
    length = static_cast<std::uint32_t>(text.size());
    arena_.append(text);
}

void ListModel::PushRow(std::string_view text) {
    std::uint64_t offset;
    std::uint32_t length;
    Store(text, offset, length);
    offsets_.push_back(offset);
    lengths_.push_back(length);
    selected_.push_back(0);
}

void ListModel::Append(std::string_view text) {
    PushRow(text);
    SchedulePendingWork();
}

void ListModel::Reserve(std::size_t rows, std::size_t bytes) {
    ReserveMore(arena_, bytes);
    ReserveMore(offsets_, rows);
    ReserveMore(lengths_, rows);
    ReserveMore(selected_, rows);
}

void ListModel::AppendMany(const std::vector<std::string>& texts) {
    Reserve(texts.size(), 0);
    for (const auto& text : texts) PushRow(text);
    SchedulePendingWork();
}

void ListModel::Replace(int row, std::string_view text) {
    const auto r = static_cast<std::size_t>(row);
    if (text.size() <= lengths_[r]) {
        // Fits where the old text stood.
        std::copy(text.begin(), text.end(),
                  arena_.begin() + static_cast<std::ptrdiff_t>(offsets_[r]));
        garbage_ += lengths_[r] - text.size();
        lengths_[r] = static_cast<std::uint32_t>(text.size());
    } else {
        garbage_ += lengths_[r];
        // The row may be the last one stored: then its text simply grows in place.
        if (offsets_[r] + lengths_[r] == arena_.size()) {
            garbage_ -= lengths_[r];
            arena_.resize(offsets_[r]);
        }
        Store(text, offsets_[r], lengths_[r]);
    }
    CompactIfWasteful();
    if (row < announced_) emit dataChanged(index(row), index(row));
}

void ListModel::Remove(int row) {
    Announce();
    beginRemoveRows(QModelIndex(), row, row);
    const auto r = static_cast<std::ptrdiff_t>(row);
    garbage_ += lengths_[static_cast<std::size_t>(row)];
    if (selected_[static_cast<std::size_t>(row)]) --selCount_;
    offsets_.erase(offsets_.begin() + r);
    lengths_.erase(lengths_.begin() + r);
    selected_.erase(selected_.begin() + r);
    --announced_;
    firstSelectedHint_ = std::min(firstSelectedHint_, row);
    endRemoveRows();
    CompactIfWasteful();
}

int ListModel::RemoveSelected() {
    if (selCount_ == 0) return 0;
    Announce();
    beginResetModel();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
        if (selected_[i]) {
            garbage_ += lengths_[i];
            continue;
        }
        offsets_[kept] = offsets_[i];
        lengths_[kept] = lengths_[i];
        ++kept;
    }
    const int removed = static_cast<int>(lengths_.size() - kept);
    offsets_.resize(kept);
    lengths_.resize(kept);
    selected_.assign(kept, 0);
    selCount_ = 0;
    firstSelectedHint_ = 0;
    announced_ = static_cast<int>(kept);
    CompactIfWasteful();
    endResetModel();
    return removed;
}

void ListModel::MoveSelected(int before) {
    if (selCount_ == 0) return;
    Announce();
    beginResetModel();
    const std::size_t n = lengths_.size();
    const std::size_t cut = static_cast<std::size_t>(std::clamp(before, 0, Count()));
    std::vector<std::size_t> order;
    order.reserve(n);
    for (std::size_t i = 0; i < cut; ++i) {
        if (!selected_[i]) order.push_back(i);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (selected_[i]) order.push_back(i);
    }
    for (std::size_t i = cut; i < n; ++i) {
        if (!selected_[i]) order.push_back(i);
    }
    std::vector<std::uint64_t> offsets(n);
    std::vector<std::uint32_t> lengths(n);
    std::vector<std::uint8_t> selected(n);
    for (std::size_t k = 0; k < n; ++k) {
        offsets[k] = offsets_[order[k]];
        lengths[k] = lengths_[order[k]];
        selected[k] = selected_[order[k]];
    }
    offsets_.swap(offsets);
    lengths_.swap(lengths);
    selected_.swap(selected);
    firstSelectedHint_ = 0;
    endResetModel();
}

void ListModel::Clear() {
    CancelPendingWork();
    beginResetModel();
    // A list that holds nothing keeps the room reserved for the rows about to come.
    if (!arena_.empty() || !lengths_.empty()) {
        arena_ = std::string();
        garbage_ = 0;
        offsets_ = {};
        lengths_ = {};
        selected_ = {};
    }
    selCount_ = 0;
    firstSelectedHint_ = 0;
    announced_ = 0;
    endResetModel();
}

void ListModel::CompactIfWasteful() {
    if (garbage_ < (1u << 20) || garbage_ < arena_.size() / 2) return;
    std::string packed;
    packed.reserve(arena_.size() - garbage_);
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
        const std::uint64_t offset = packed.size();
        packed.append(arena_, offsets_[i], lengths_[i]);
        offsets_[i] = offset;
    }
    arena_.swap(packed);
    garbage_ = 0;
}

void ListModel::SetSelected(int row, bool on) {
    auto& flag = selected_[static_cast<std::size_t>(row)];
    if ((flag != 0) == on) return;
    flag = on ? 1 : 0;
    selCount_ += on ? 1 : -1;
    if (on) firstSelectedHint_ = std::min(firstSelectedHint_, row);
}

void ListModel::SelectRange(int first, int last) {
    for (int row = std::max(first, 0); row <= last && row < Count(); ++row) SetSelected(row, true);
}

void ListModel::ClearSelection() {
    std::fill(selected_.begin(), selected_.end(), 0);
    selCount_ = 0;
    firstSelectedHint_ = 0;
}

int ListModel::FirstSelected() const {
    if (selCount_ == 0) return -1;
    const int n = Count();
    int row = std::min(firstSelectedHint_, n);
    while (row < n && !selected_[static_cast<std::size_t>(row)]) ++row;
    firstSelectedHint_ = row;
    return row < n ? row : -1;
}

void ListModel::Announce() {
    const int count = Count();
    if (announced_ >= count) return;
    beginInsertRows(QModelIndex(), announced_, count - 1);
    announced_ = count;
    endInsertRows();
}

void ListModel::SetHeading(const QString& heading) {
    heading_ = heading;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : announced_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        // A row may hold megabytes, and Qt lays out whatever text it is given whole. This much
        // is longer than any URL a browser takes without trouble, and quick to lay out.
        constexpr std::size_t kShownCharacters = 2048;
        const std::string_view text = Row(index.row());
        return ToQtText(text.substr(0, utf8::OffsetOfChar(text, kShownCharacters)));
    }
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) return heading_;
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

}  // namespace fw::detail
