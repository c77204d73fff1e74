#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/gui/detail/EventLoopTurn.h"

namespace fw::detail {

// The rows of a Listbox. The texts stand end to end in one arena with an offset and a length
// per row, so a row costs its text plus 13 bytes (and the arena's spare room); a replaced or
// removed text leaves garbage that is compacted once it outweighs the live text. Rows are
// announced to the view in batches: rowCount() is what the view has been told.
class ListModel : public QAbstractListModel, public PendingWork {
public:
    int Count() const { return static_cast<int>(lengths_.size()); }
    // The rows' text, all together: what the arena holds less its garbage.
    std::size_t TextBytes() const { return arena_.size() - garbage_; }
    std::string_view Row(int row) const {
        const auto r = static_cast<std::size_t>(row);
        return {arena_.data() + offsets_[r], lengths_[r]};
    }
    void Append(std::string_view text);
    void AppendMany(const std::vector<std::string>& texts);
    void Reserve(std::size_t rows, std::size_t bytes);
    void Replace(int row, std::string_view text);
    void Remove(int row);
    int RemoveSelected();
    // Moves the selected rows, in their order, to stand before the row `before` (a row index
    // of the list as it is now; Count() for the end).
    void MoveSelected(int before);
    void Clear();

    bool Selected(int row) const { return selected_[static_cast<std::size_t>(row)] != 0; }
    void SetSelected(int row, bool on);
    void SelectRange(int first, int last);
    void ClearSelection();
    int SelCount() const { return selCount_; }
    int FirstSelected() const;

    // Tells the view of rows appended since it was last told.
    void Announce();
    void RunPendingWork() override { Announce(); }

    void SetHeading(const QString& heading);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void Store(std::string_view text, std::uint64_t& offset, std::uint32_t& length);
    // Stores a new last row, unselected, without announcing it.
    void PushRow(std::string_view text);
    void CompactIfWasteful();

    std::string arena_;
    std::size_t garbage_ = 0;
    std::vector<std::uint64_t> offsets_;
    std::vector<std::uint32_t> lengths_;
    std::vector<std::uint8_t> selected_;
    int selCount_ = 0;
    mutable int firstSelectedHint_ = 0;  // no row before it is selected
    int announced_ = 0;
    QString heading_;
};

}  // namespace fw::detail
