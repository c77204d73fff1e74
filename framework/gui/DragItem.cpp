#include "framework/gui/DragItem.h"

#include "framework/gui/FolderItem.h"

namespace fw {

DragItem::DragItem() : items_(1) {}

DragItem::DragItem(std::vector<Item> items) : items_(std::move(items)) {
    if (items_.empty()) items_.resize(1);
}

void DragItem::AddItem(int left, int top, int width, int height) {
    Item item;
    item.left = left;
    item.top = top;
    item.width = width;
    item.height = height;
    items_.push_back(std::move(item));
    current_ = items_.size() - 1;
}

bool DragItem::TextAvailable() const {
    return items_[current_].text.has_value();
}

std::string DragItem::Text() const {
    return items_[current_].text.value_or(std::string());
}

void DragItem::SetText(const std::string& text) {
    items_[current_].text = text;
}

bool DragItem::FolderItemAvailable() const {
    return items_[current_].folderItem != nullptr;
}

std::shared_ptr<fw::FolderItem> DragItem::FolderItem() const {
    return items_[current_].folderItem;
}

void DragItem::SetFolderItem(std::shared_ptr<fw::FolderItem> item) {
    items_[current_].folderItem = std::move(item);
}

bool DragItem::NextItem() {
    if (current_ + 1 >= items_.size()) return false;
    ++current_;
    return true;
}

}  // namespace fw
